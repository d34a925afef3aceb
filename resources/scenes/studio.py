# The studio every mineral photo shares: a grey paper sweep, one soft key
# light with a fill and a rim, one camera, and fixed Cycles settings, so the
# ten photos read as one series and rebuild to the same bytes.
#
# Scene units are centimetres. Geometry is built from seeded random numbers
# and Blender's own procedural textures, never from images.

import math
import random

import bmesh
import bpy
from mathutils import Euler, Matrix, Vector

# Fixed so a rerun gives the same pixels: no adaptive sampling, no
# denoiser (Debian's Blender is built without OpenImageDenoise), two threads.
SAMPLES = 64
SEED = 7
THREADS = 2

# The camera frames the same 9.6 cm wide field for every photo; the photo's
# height only crops it, so sizes stay comparable across the set.
FIELD_CM = 9.6
TARGET = Vector((0.0, 0.0, 2.0))
APERTURE = 11.0


def reset():
    bpy.ops.wm.read_factory_settings(use_empty=True)
    scene = bpy.context.scene
    scene.unit_settings.system = 'METRIC'
    scene.unit_settings.scale_length = 0.01
    return scene


def render_settings(scene, width, height):
    scene.render.engine = 'CYCLES'
    c = scene.cycles
    c.device = 'CPU'
    c.samples = SAMPLES
    c.use_adaptive_sampling = False
    c.use_denoising = False
    c.seed = SEED
    c.use_animated_seed = False
    c.max_bounces = 16
    c.diffuse_bounces = 3
    c.glossy_bounces = 6
    c.transmission_bounces = 16
    c.transparent_max_bounces = 8
    c.volume_bounces = 1
    # No sampled caustics: they stay noisy at any sample count we can
    # afford. Clear crystals let shadow rays through instead (minerals.py).
    c.caustics_reflective = False
    c.caustics_refractive = False
    c.blur_glossy = 1.0
    c.sample_clamp_direct = 0.0
    c.sample_clamp_indirect = 4.0
    c.volume_step_rate = 1.0
    c.pixel_filter_type = 'BLACKMAN_HARRIS'
    c.filter_width = 1.5
    scene.render.threads_mode = 'FIXED'
    scene.render.threads = THREADS
    scene.render.resolution_x = width
    scene.render.resolution_y = height
    scene.render.resolution_percentage = 100
    scene.render.film_transparent = False
    # Filmic keeps the brightest highlights from clipping to flat white.
    scene.view_settings.view_transform = 'Filmic'
    scene.view_settings.look = 'Medium High Contrast'
    scene.view_settings.exposure = 0.0
    scene.view_settings.gamma = 1.0
    scene.sequencer_colorspace_settings.name = 'sRGB'
    img = scene.render.image_settings
    img.file_format = 'PNG'
    img.color_mode = 'RGB'
    img.color_depth = '16'
    img.compression = 15


# ---------------------------------------------------------------- materials

class Nodes:
    """A thin wrapper so material graphs read top to bottom."""

    def __init__(self, name):
        self.mat = bpy.data.materials.new(name)
        self.mat.use_nodes = True
        self.tree = self.mat.node_tree
        self.tree.nodes.clear()
        self.out = self.tree.nodes.new('ShaderNodeOutputMaterial')
        self.coords = self.tree.nodes.new('ShaderNodeTexCoord')

    def node(self, kind, **inputs):
        n = self.tree.nodes.new(kind)
        for key, value in inputs.items():
            if key.startswith('_'):
                setattr(n, key[1:], value)
            else:
                self.set(n.inputs[key], value)
        return n

    def set(self, socket, value):
        if hasattr(value, 'bl_idname') or isinstance(value, bpy.types.NodeSocket):
            if not isinstance(value, bpy.types.NodeSocket):
                value = value.outputs[0]
            self.tree.links.new(value, socket)
        elif isinstance(value, (tuple, list)) and len(value) == 3 and socket.type == 'RGBA':
            socket.default_value = (*value, 1.0)
        else:
            socket.default_value = value

    def link(self, a, b):
        self.tree.links.new(a, b)

    def obj(self):
        return self.coords.outputs['Object']

    def mapped(self, scale=(1, 1, 1), rotation=(0, 0, 0), offset=(0, 0, 0)):
        m = self.node('ShaderNodeMapping', Vector=self.obj(), Scale=scale,
                      Rotation=rotation, Location=offset)
        return m.outputs[0]

    def noise(self, scale, detail=4.0, rough=0.55, vector=None, distortion=0.0):
        return self.node('ShaderNodeTexNoise', Vector=vector or self.obj(), Scale=scale,
                         Detail=detail, Roughness=rough, Distortion=distortion)

    def ramp(self, fac, stops):
        r = self.node('ShaderNodeValToRGB', Fac=fac)
        els = r.color_ramp.elements
        while len(els) > len(stops):
            els.remove(els[-1])
        while len(els) < len(stops):
            els.new(0.5)
        for el, (pos, col) in zip(els, stops):
            el.position = pos
            el.color = (*col, 1.0) if len(col) == 3 else col
        return r

    def math(self, op, a, b=0.0, clamp=False):
        return self._math(op, a, b, clamp)

    def _math(self, op, a, b, clamp):
        n = self.tree.nodes.new('ShaderNodeMath')
        n.operation = op
        n.use_clamp = clamp
        self.set(n.inputs[0], a)
        self.set(n.inputs[1], b)
        return n

    def maprange(self, value, a, b, c, d):
        return self.node('ShaderNodeMapRange', Value=value, **{'From Min': a, 'From Max': b,
                                                               'To Min': c, 'To Max': d})

    def bump(self, height, strength, distance=0.05, normal=None):
        n = self.node('ShaderNodeBump', Height=height, Strength=strength, Distance=distance)
        if normal is not None:
            self.set(n.inputs['Normal'], normal)
        return n

    def principled(self, **inputs):
        p = self.node('ShaderNodeBsdfPrincipled')
        p.subsurface_method = 'RANDOM_WALK'
        p.distribution = 'MULTI_GGX'
        for key, value in inputs.items():
            self.set(p.inputs[key.replace('_', ' ')], value)
        return p

    def surface(self, shader):
        self.link(shader.outputs[0], self.out.inputs['Surface'])
        return self.mat

    def volume(self, shader):
        self.link(shader.outputs[0], self.out.inputs['Volume'])


def grain_rock(name, base, dark, light, rough=0.8, grain=120.0, bump=0.35, spots=None):
    """A rock with coarse mottling, fine mineral grains and varied roughness:
    a dull stone, not a sparkling or spongy one."""
    n = Nodes(name)
    mottle = n.noise(1.6, 6, 0.6)
    col = n.ramp(mottle.outputs['Fac'], [(0.3, dark), (0.5, base), (0.72, light)])
    grains = n.node('ShaderNodeTexVoronoi', Vector=n.obj(), Scale=grain * 0.25)
    grains.feature = 'F1'
    gcol = n.ramp(grains.outputs['Color'], [(0.0, dark), (0.55, base), (1.0, light)])
    color = n.node('ShaderNodeMixRGB', Fac=0.45, Color1=col.outputs[0], Color2=gcol.outputs[0])
    if spots:
        s = n.node('ShaderNodeTexVoronoi', Vector=n.obj(), Scale=spots[0])
        s.feature = 'F1'
        mask = n.math('LESS_THAN', s.outputs['Distance'], spots[1])
        color = n.node('ShaderNodeMixRGB', Fac=mask, Color1=color.outputs[0], Color2=spots[2])
    fine = n.noise(grain, 2, 0.5)
    coarse = n.noise(6.0, 8, 0.65)
    height = n.math('ADD', n.math('MULTIPLY', fine.outputs['Fac'], 0.4),
                    coarse.outputs['Fac'])
    b = n.bump(height, bump, 0.06)
    rvar = n.noise(3.0, 3, 0.5)
    r = n.maprange(rvar.outputs['Fac'], 0.3, 0.7, rough - 0.18, min(1.0, rough + 0.12))
    p = n.principled(Base_Color=color, Roughness=r, Specular=0.35, Normal=b)
    return n.surface(p)


def assign(obj, mat):
    obj.data.materials.clear()
    obj.data.materials.append(mat)
    return obj


# ----------------------------------------------------------------- geometry

def link(obj):
    bpy.context.scene.collection.objects.link(obj)
    return obj


def hull(name, points, smooth=False):
    """A convex solid from points; coplanar triangles merged into faces."""
    bm = bmesh.new()
    for p in points:
        bm.verts.new(p)
    res = bmesh.ops.convex_hull(bm, input=bm.verts[:])
    bmesh.ops.delete(bm, geom=[g for g in res['geom_interior']
                               if isinstance(g, bmesh.types.BMVert)], context='VERTS')
    bmesh.ops.dissolve_limit(bm, angle_limit=math.radians(0.5), verts=bm.verts[:],
                             edges=bm.edges[:])
    return solid(name, bm, smooth)


def mesh_from(bm, name):
    """bm's geometry as a new mesh; bm is freed."""
    me = bpy.data.meshes.new(name)
    bm.to_mesh(me)
    bm.free()
    return me


def solid(name, bm, smooth=False):
    """A linked object made from bm, flat-shaded unless smooth."""
    me = mesh_from(bm, name)
    for poly in me.polygons:
        poly.use_smooth = smooth
    return link(bpy.data.objects.new(name, me))


def vertex_normals(me):
    """Area-weighted vertex normals, summed in one fixed order (see
    bake_displace for why not Blender's own)."""
    normals = [Vector() for _ in me.vertices]
    for poly in me.polygons:
        w = poly.normal * poly.area
        for vi in poly.vertices:
            normals[vi] += w
    return normals


def bevel(obj, width, segments=2, angle=25):
    m = obj.modifiers.new('bevel', 'BEVEL')
    m.width = width
    m.segments = segments
    m.limit_method = 'ANGLE'
    m.angle_limit = math.radians(angle)
    m.harden_normals = False
    return m


def subdivide(obj, levels, simple=True):
    m = obj.modifiers.new('subsurf', 'SUBSURF')
    m.subdivision_type = 'SIMPLE' if simple else 'CATMULL_CLARK'
    m.levels = levels
    m.render_levels = levels
    return m


def rock(name, size, seed, mat, location=(0, 0, 0), points=36, lumpy=0.35, layers=()):
    """A broken lump of host rock: the hull of random points on a squashed
    ellipsoid gives flat fracture faces, noise gives them relief. layers:
    extra (size, strength, depth, offset, scale, rotation) displacements."""
    rng = random.Random(seed)
    pts = []
    for _ in range(points):
        v = Vector((rng.gauss(0, 1), rng.gauss(0, 1), rng.gauss(0, 1))).normalized()
        v *= 0.72 + 0.28 * rng.random()
        pts.append(Vector((v.x * size[0], v.y * size[1], v.z * size[2])))
    obj = hull(name, pts)
    subdivide(obj, 5)
    off = (rng.uniform(-50, 50), rng.uniform(-50, 50), rng.uniform(-50, 50))
    realize(obj)
    bake_displace(obj, 1.4, lumpy, 3, off)
    bake_displace(obj, 0.25, 0.06, 2, off)
    for size_, strength, depth, offset, scale, rotation in layers:
        bake_displace(obj, size_, strength, depth, offset, scale, rotation)
    obj.location = location
    settle(obj, 0.12)
    return assign(obj, mat)


def realize(obj):
    """Replaces obj's mesh by its evaluated one, modifiers applied. Simple
    subdivision only averages points, so this is the same on every run."""
    dg = bpy.context.evaluated_depsgraph_get()
    dg.update()
    me = bpy.data.meshes.new_from_object(obj.evaluated_get(dg))
    obj.modifiers.clear()
    obj.data = me


def clouds(name, size, depth=2):
    """A Clouds texture sampled in Python: a value in -0.5..0.5 for a point,
    the same on every run, for shapes built vertex by vertex."""
    tex = bpy.data.textures.new(name, 'CLOUDS')
    tex.noise_scale = size
    tex.noise_depth = depth
    tex.noise_basis = 'BLENDER_ORIGINAL'
    return lambda p: tex.evaluate(p)[3] - 0.5


def bake_displace(obj, size, strength, depth, offset, scale=(1, 1, 1), rotation=(0, 0, 0)):
    """Pushes each vertex along its normal by a Clouds texture, in Python.
    Blender's Displace modifier does the same, but on two threads its
    vertex normals are summed in a varying order, so the rock came out a
    hair different on each run and a rare path turned out differently in
    the photo. Here the normals are summed in one fixed order, and the
    faces stay flat-shaded so the renderer needs no vertex normals."""
    cloud = clouds(obj.name + 'CLOUDS', size, depth)
    space = (Matrix.LocRotScale(Vector(offset), Euler(rotation), Vector(scale))
             .inverted() @ obj.matrix_world)
    me = obj.data
    for v, nrm in zip(me.vertices, vertex_normals(me)):
        v.co += nrm.normalized() * (cloud(space @ v.co) * strength)
    me.update()
    for poly in me.polygons:
        poly.use_smooth = False


def settle(obj, sink):
    """Lowers or raises obj so its lowest point is sink below the floor:
    it rests on the paper with a contact shadow instead of hovering."""
    dg = bpy.context.evaluated_depsgraph_get()
    dg.update()
    ev = obj.evaluated_get(dg)
    low = min((ev.matrix_world @ v.co).z for v in ev.to_mesh().vertices)
    ev.to_mesh_clear()
    obj.location.z -= low + sink


def prism(name, radius, length, sides=6, tip=None, base_z=0.0, jitter=0.0, rng=None,
          radii=None, cap=None):
    """A prism along +Z. tip: height of a pyramid on top (quartz, apatite
    dipyramid); cap: (height, scale) for a flat-topped frustum end."""
    rng = rng or random.Random(1)
    pts = []
    for i in range(sides):
        a = 2 * math.pi * i / sides
        r = (radii[i] if radii else radius) * (1 + jitter * rng.uniform(-1, 1))
        pts.append(Vector((r * math.cos(a), r * math.sin(a), base_z)))
        pts.append(Vector((r * math.cos(a), r * math.sin(a), length)))
    if tip:
        pts.append(Vector((rng.uniform(-jitter, jitter) * radius,
                           rng.uniform(-jitter, jitter) * radius, length + tip)))
    if cap:
        h, s = cap
        for i in range(sides):
            a = 2 * math.pi * i / sides
            r = (radii[i] if radii else radius) * s
            pts.append(Vector((r * math.cos(a), r * math.sin(a), length + h)))
    return hull(name, pts)


def perch(obj, sink):
    """Drops obj straight down onto whatever lies below its origin, sunk by
    sink: a crystal grows out of its rock instead of floating over it."""
    dg = bpy.context.evaluated_depsgraph_get()
    dg.update()
    ev = obj.evaluated_get(dg)
    low = min((ev.matrix_world @ v.co).z for v in ev.to_mesh().vertices)
    ev.to_mesh_clear()
    below = low - obj.location.z
    obj.location.z += 1000.0
    dg.update()
    hit, where, *_ = bpy.context.scene.ray_cast(
        dg, Vector((obj.location.x, obj.location.y, 100.0)), Vector((0, 0, -1)))
    ground = where.z if hit else 0.0
    obj.location.z = ground - sink - below
    return obj


def place(obj, location, rotation=(0, 0, 0)):
    obj.location = location
    obj.rotation_euler = [math.radians(a) for a in rotation]
    return obj


# ----------------------------------------------------------- studio set-up

def backdrop():
    """A paper sweep: flat under the specimen, curving up behind it."""
    bm = bmesh.new()
    prof = []
    for i in range(25):
        t = i / 24
        if t < 0.5:
            prof.append((-40 + 80 * t, 0.0))
        else:
            a = (t - 0.5) * 2 * (math.pi / 2)
            prof.append((0 + 30 * math.sin(a), 30 - 30 * math.cos(a)))
    rows = []
    for x in (-60, 60):
        rows.append([bm.verts.new((x, y, z)) for y, z in prof])
    for j in range(len(prof) - 1):
        bm.faces.new((rows[0][j], rows[0][j + 1], rows[1][j + 1], rows[1][j]))
    obj = solid('sweep', bm, smooth=True)
    obj.location = (0, 12, 0)
    n = Nodes('paper')
    fib = n.noise(30.0, 3, 0.5)
    c = n.ramp(fib.outputs['Fac'], [(0.3, (0.30, 0.31, 0.33)), (0.7, (0.33, 0.34, 0.36))])
    p = n.principled(Base_Color=c, Roughness=0.75, Specular=0.3)
    assign(obj, n.surface(p))
    return obj


def area_light(name, location, size, power, color=(1, 1, 1), target=TARGET):
    light = bpy.data.lights.new(name, 'AREA')
    light.shape = 'RECTANGLE'
    light.size = size[0]
    light.size_y = size[1]
    light.energy = power
    light.color = color
    obj = link(bpy.data.objects.new(name, light))
    obj.location = location
    direction = Vector(target) - Vector(location)
    obj.rotation_euler = direction.to_track_quat('-Z', 'Y').to_euler()
    return obj


def lights():
    # One large softbox high to the left: soft shadows with a clear direction.
    area_light('key', (-26, -22, 34), (22, 18), 15000.0, (1.0, 0.97, 0.93))
    # A weaker, wider fill from the right keeps the shadow side readable.
    area_light('fill', (30, -20, 10), (30, 20), 3000.0, (0.93, 0.96, 1.0))
    # A strip behind and above draws bright edges on glassy crystals.
    area_light('rim', (6, 24, 40), (30, 6), 5000.0)
    # A small, hard sun-like lamp beside the softbox: crisp glints on
    # crystal faces and edges, and a firmer shadow under each specimen.
    spot = bpy.data.lights.new('glint', 'SPOT')
    spot.energy = 9000.0
    spot.shadow_soft_size = 0.6
    spot.spot_size = math.radians(30)
    spot.spot_blend = 0.6
    spot.color = (1.0, 0.96, 0.9)
    obj = link(bpy.data.objects.new('glint', spot))
    obj.location = (-14, -30, 42)
    obj.rotation_euler = (TARGET - obj.location).to_track_quat('-Z', 'Y').to_euler()
    reflectors()
    world = bpy.data.worlds.new('room')
    world.use_nodes = True
    bg = world.node_tree.nodes['Background']
    bg.inputs['Color'].default_value = (0.5, 0.5, 0.5, 1)
    bg.inputs['Strength'].default_value = 0.12
    bpy.context.scene.world = world


def reflectors():
    """Bright strips and dark flags around the set that only reflections
    and refractions see: glass needs a room with structure to mirror and
    bend, while the camera, the backdrop and the rock's diffuse light stay
    as they were."""
    def panel(name, location, size, strength, color=(1, 1, 1)):
        bpy.ops.mesh.primitive_plane_add(size=1)
        obj = bpy.context.object
        obj.name = name
        obj.scale = (size[0], size[1], 1)
        obj.location = location
        d = TARGET - Vector(location)
        obj.rotation_euler = d.to_track_quat('Z', 'Y').to_euler()
        n = Nodes(name)
        if strength > 0:
            sh = n.node('ShaderNodeEmission', Color=color, Strength=strength)
        else:
            sh = n.node('ShaderNodeBsdfDiffuse', Color=(0.01, 0.01, 0.01))
        mat = n.surface(sh)
        # Found only by glossy and transmission rays, never sampled as a lamp.
        mat.cycles.sample_as_light = False
        assign(obj, mat)
        obj.visible_camera = False
        obj.visible_diffuse = False
        obj.visible_shadow = False
        obj.visible_volume_scatter = False
        return obj
    # Tall softbox strips left and right, a window-like panel high behind,
    # and black flags between them so faces show light and dark bands.
    panel('strip_left', (-30, -8, 18), (5, 40), 6.0, (1.0, 0.97, 0.92))
    panel('strip_right', (28, -14, 16), (4, 34), 3.5, (0.92, 0.96, 1.0))
    panel('window', (-6, 26, 30), (30, 8), 5.0)
    panel('flag_front', (-8, -34, 14), (14, 24), 0.0)
    panel('flag_right', (22, 14, 16), (12, 30), 0.0)


def camera(scene):
    cam = bpy.data.cameras.new('camera')
    cam.sensor_fit = 'HORIZONTAL'
    cam.sensor_width = 36.0
    cam.lens = 105.0
    loc = Vector((0.0, -28.0, 20.5))
    dist = (TARGET - loc).length
    cam.lens = 36.0 * dist / FIELD_CM
    cam.clip_start = 1.0
    cam.clip_end = 500.0
    cam.dof.use_dof = True
    cam.dof.focus_distance = dist
    cam.dof.aperture_fstop = APERTURE
    obj = link(bpy.data.objects.new('camera', cam))
    obj.location = loc
    obj.rotation_euler = (TARGET - loc).to_track_quat('-Z', 'Y').to_euler()
    scene.camera = obj
    return obj


def studio(width, height, samples=None):
    scene = reset()
    render_settings(scene, width, height)
    if samples:
        scene.cycles.samples = samples
    backdrop()
    lights()
    camera(scene)
    return scene


def render(scene, path):
    scene.render.filepath = path
    bpy.ops.render.render(write_still=True)
