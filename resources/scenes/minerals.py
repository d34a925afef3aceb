# One function per mineral in the shared studio: eight raw specimens, and
# topaz and corundum as the cut gems they are best known as.
#
#   blender -b --factory-startup -P minerals.py -- MINERAL OUT.png WIDTH HEIGHT
#
# Sizes are in centimetres and roughly true to life, so a diamond is small
# beside a fluorite cluster; the host rock shows the scale. The gems are
# large stones, as a museum shows them.

import math
import os
import random
import sys

import bpy
from mathutils import Matrix, Vector

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import studio as S  # noqa: E402


def clear_crystal(name, ior, tint=(1, 1, 1), rough=(0.0, 0.06), rough_scale=3.0,
                  absorb=None, scatter=None, bump=None, shadow=0.85):
    """A clear dielectric: the colour comes from absorption inside the
    volume, so thick parts are deeper in colour than thin edges."""
    n = S.Nodes(name)
    rv = n.noise(rough_scale, 3, 0.5)
    r = n.maprange(rv.outputs['Fac'], 0.35, 0.65, rough[0], rough[1])
    kwargs = dict(Base_Color=tint, Roughness=r, IOR=ior, Transmission=1.0, Specular=0.5)
    if bump is not None:
        kwargs['Normal'] = bump(n)
    p = n.principled(**kwargs)
    # Light reaching the ground through a clear crystal: shadow rays pass
    # with the Fresnel loss of two faces (and the volume's absorption), not
    # as sampled caustics, which would need thousands of samples to settle.
    lp = n.node('ShaderNodeLightPath')
    mix = n.node('ShaderNodeMixShader', Fac=lp.outputs['Is Shadow Ray'])
    n.link(p.outputs[0], mix.inputs[1])
    n.link(n.node('ShaderNodeBsdfTransparent', Color=(shadow,) * 3).outputs[0], mix.inputs[2])
    n.surface(mix)
    shaders = []
    if absorb:
        color, density = absorb
        shaders.append(n.node('ShaderNodeVolumeAbsorption', Color=color,
                              Density=density(n) if callable(density) else density))
    if scatter:
        color, density = scatter
        shaders.append(n.node('ShaderNodeVolumeScatter', Color=color, Anisotropy=0.3,
                              Density=density(n) if callable(density) else density))
    if len(shaders) == 2:
        n.volume(_add(n, *shaders))
    elif shaders:
        n.volume(shaders[0])
    return n.mat


def _add(n, a, b):
    s = n.tree.nodes.new('ShaderNodeAddShader')
    n.link(a.outputs[0], s.inputs[0])
    n.link(b.outputs[0], s.inputs[1])
    return s


def _sheet(name, quad, mat):
    import bmesh
    bm = bmesh.new()
    bm.faces.new([bm.verts.new(v) for v in quad])
    me = bpy.data.meshes.new(name)
    bm.to_mesh(me)
    bm.free()
    obj = S.link(bpy.data.objects.new(name, me))
    return S.assign(obj, mat)


def axis_z(n):
    return n.node('ShaderNodeSeparateXYZ', Vector=n.obj()).outputs['Z']


def striations(scale, strength, along_axis, distance=0.02):
    """Growth lines: across the axis (quartz, corundum) or along it (topaz,
    apatite), as a bump of stretched noise."""
    def make(n):
        if along_axis:
            vec = n.mapped(scale=(scale, scale, 0.15))
        else:
            vec = n.mapped(scale=(0.6, 0.6, scale))
        t = n.noise(1.0, 3, 0.55, vector=vec, distortion=0.2)
        return n.bump(t.outputs['Fac'], strength, distance)
    return make


def tilt(obj, rx, ry, rz):
    obj.rotation_euler = (math.radians(rx), math.radians(ry), math.radians(rz))


# -------------------------------------------------------------------- talc

def talc():
    """Massive foliated talc: a pale grey-green lump, waxy and pearly, split
    along fine wavy layers."""
    n = S.Nodes('talc')
    layers = n.mapped(scale=(0.9, 0.9, 14.0), rotation=(math.radians(12), 0, 0))
    fol = n.noise(1.0, 6, 0.6, vector=layers, distortion=0.6)
    patches = n.noise(1.2, 4, 0.55)
    col = n.ramp(patches.outputs['Fac'], [(0.28, (0.14, 0.18, 0.13)),
                                          (0.5, (0.33, 0.42, 0.3)),
                                          (0.74, (0.6, 0.64, 0.55))])
    streak = n.ramp(fol.outputs['Fac'], [(0.35, (0.45, 0.48, 0.42)), (0.65, (0.95, 0.95, 0.9))])
    color = n.node('ShaderNodeMixRGB', _blend_type='MULTIPLY', Fac=0.75,
                   Color1=col.outputs[0], Color2=streak.outputs[0])
    # Brown iron stain seeping in along the layers.
    rust = n.noise(2.2, 5, 0.6, vector=n.mapped(scale=(1, 1, 3)))
    rmask = n.maprange(rust.outputs['Fac'], 0.6, 0.7, 0.0, 0.55)
    color = n.node('ShaderNodeMixRGB', Fac=rmask, Color1=color.outputs[0],
                   Color2=(0.3, 0.2, 0.1))
    flakes = n.node('ShaderNodeTexVoronoi', Vector=n.mapped(scale=(1, 1, 4)), Scale=9.0)
    height = n.math('ADD', fol.outputs['Fac'], n.math('MULTIPLY', flakes.outputs['Distance'], 0.5))
    b = n.bump(height, 0.6, 0.05)
    rv = n.noise(2.5, 3, 0.5)
    # Greasy patches where the roughness drops, dull ones between.
    r = n.maprange(rv.outputs['Fac'], 0.3, 0.7, 0.08, 0.4)
    # Anisotropic highlights drawn out along the layers: the pearly sheen.
    p = n.principled(Base_Color=color, Subsurface=0.6, Anisotropic=0.6, Subsurface_Color=(0.7, 0.76, 0.66),
                     Subsurface_Radius=(0.12, 0.14, 0.1), Roughness=r, Specular=0.6,
                     Sheen=0.5, Sheen_Tint=0.5, Clearcoat=0.6, Clearcoat_Roughness=0.08,
                     Normal=b)
    mat = n.surface(p)
    # Foliation: a displacement squeezed across the layers into thin ridges.
    layers = [(0.5, 0.2, 3, (3, 1, 2), (4.0, 4.0, 0.09), (math.radians(8), 0, 0))]
    lump = S.rock('talc', (3.6, 2.5, 1.6), 11, mat, (0.1, 0.3, 1.25), points=30, lumpy=0.28,
                  layers=layers)
    tilt(lump, 22, -6, 18)
    S.settle(lump, 0.1)


# ------------------------------------------------------------------ gypsum

def gypsum():
    """Selenite: three clear tabular blades, milky and clay-stained near
    the base, growing from a lump of grey marl."""
    marl = S.grain_rock('marl', (0.36, 0.33, 0.29), (0.22, 0.2, 0.18), (0.48, 0.45, 0.4),
                        rough=0.85, grain=90.0)
    S.rock('marl', (3.8, 2.6, 0.9), 21, marl, (0.0, 0.4, 0.55))

    def density(n):
        z = axis_z(n)
        return n.maprange(z, -0.4, 1.0, 0.7, 0.0)

    parting = S.Nodes('parting')
    mix = parting.node('ShaderNodeMixShader', Fac=0.45)
    parting.link(parting.node('ShaderNodeBsdfTransparent').outputs[0], mix.inputs[1])
    parting.link(parting.node('ShaderNodeBsdfGlossy', Roughness=0.1,
                              Color=(0.97, 0.94, 0.88)).outputs[0], mix.inputs[2])
    parting = parting.surface(mix)
    mat = clear_crystal('selenite', 1.523, tint=(0.98, 0.97, 0.94), rough=(0.01, 0.12),
                        rough_scale=2.0, absorb=((0.93, 0.86, 0.72), 0.3),
                        scatter=((0.85, 0.8, 0.72), density),
                        bump=striations(10.0, 0.12, True))
    blades = [((-0.8, 0.3), (6, -14, 12), 1.7, 0.5, 4.1),
              ((0.8, 0.4), (-4, 20, -24), 1.4, 0.42, 3.4),
              ((0.1, 1.2), (-14, 4, 40), 1.1, 0.38, 2.7),
              ((-1.9, 0.9), (-6, -38, 70), 0.8, 0.3, 1.8)]
    rng = random.Random(22)
    for i, (loc, rot, w, t, h) in enumerate(blades):
        pts = []
        for sx in (-1, 1):
            for sy in (-1, 1):
                x = sx * w / 2 + sy * 0.15
                y = sy * t / 2
                pts.append(Vector((x, y, -0.8)))
                # The sloping monoclinic end: higher on one side.
                pts.append(Vector((x, y, h * (0.8 + 0.2 * (sx + 1) / 2))))
        pts.append(Vector((w * 0.3, 0, h * 1.04)))
        pts.append(Vector((rng.uniform(-0.1, 0.1), 0, h * 0.93)))
        b = S.hull('blade%d' % i, pts)
        S.bevel(b, 0.006, 1)
        S.assign(b, mat)
        # The perfect cleavage along the broad face: thin partings inside
        # that catch the light with a pearly sheen.
        for k, fy in enumerate((-0.3, -0.12, 0.06, 0.24)):
            q = [Vector((-w * 0.42, fy * t, -0.3)), Vector((w * 0.4, fy * t, -0.3)),
                 Vector((w * 0.34, fy * t, h * (0.5 + 0.1 * k))),
                 Vector((-w * 0.3, fy * t, h * (0.4 + 0.12 * k)))]
            part = _sheet('parting%d%d' % (i, k), q, parting)
            part.parent = b
        S.place(b, (loc[0], loc[1], 0), rot)
        S.perch(b, 0.6)


# ----------------------------------------------------------------- calcite

def calcite():
    """Iceland spar: a water-clear cleavage rhomb lying on a slip of
    printed paper. Its double refraction shows the word and the rule under
    it twice: the ordinary image where refraction puts it, and the
    extraordinary one walked off by about a tenth of the crystal's
    thickness along the optic axis's shadow."""
    import bmesh
    # A slip of paper with a little thickness and one end lifting off the
    # backdrop, not a perfect card.
    paper = S.Nodes('paper_slip')
    fib = paper.noise(40.0, 2, 0.5)
    c = paper.ramp(fib.outputs['Fac'], [(0.3, (0.7, 0.69, 0.65)), (0.7, (0.76, 0.75, 0.71))])
    paper = paper.surface(paper.principled(Base_Color=c, Roughness=0.8, Specular=0.25))
    bpy.ops.mesh.primitive_grid_add(x_subdivisions=40, y_subdivisions=20, size=1)
    slip = bpy.context.object
    slip.name = 'slip'
    for v in slip.data.vertices:
        x, y = v.co.x * 8.6, v.co.y * 4.6
        # Its right end lifts gently off the backdrop.
        v.co = Vector((x, y, max(0.0, x - 2.8) ** 2 * 0.08))
    sol = slip.modifiers.new('thick', 'SOLIDIFY')
    sol.thickness = 0.025
    sol.offset = 1.0
    slip.location = (0.2, 0.5, 0.0)
    slip.rotation_euler = (0, 0, math.radians(-7))
    S.assign(slip, paper)
    top = 0.025

    # Edge vectors of the rhombohedron: 101.9 degrees between each pair.
    ct = math.sqrt((2 * math.cos(math.radians(101.9)) + 1) / 3)
    st = math.sqrt(1 - ct * ct)
    e = [Vector((st * math.cos(a), st * math.sin(a), ct)) * length
         for a, length in ((0, 3.3), (2 * math.pi / 3, 3.0), (4 * math.pi / 3, 3.1))]
    optic = Vector((0, 0, 1))
    # Lie it on the face spanned by e0, e1; turned so the camera looks
    # along a long diagonal and sees the faces lean.
    normal = e[0].cross(e[1]).normalized()
    if normal.dot(e[2]) > 0:
        normal = -normal
    rot = normal.rotation_difference(Vector((0, 0, -1))).to_matrix()
    rot = Matrix.Rotation(math.radians(45), 3, "Z") @ rot
    pts = [rot @ (e[0] * i + e[1] * j + e[2] * k)
           for i in (0, 1) for j in (0, 1) for k in (0, 1)]
    zmin = min(p.z for p in pts)
    cx = sum(p.x for p in pts) / len(pts)
    cy = sum(p.y for p in pts) / len(pts)
    shift = Vector((-cx + 0.2, -cy + 0.3, top - zmin + 0.002))
    pts = [p + shift for p in pts]
    thickness = max(p.z for p in pts) - min(p.z for p in pts)
    glass = clear_crystal('spar', 1.57, tint=(1, 1, 1), rough=(0.0, 0.01), rough_scale=2.0,
                          absorb=((0.98, 0.97, 0.95), 0.04))
    rhomb = S.hull('rhomb', pts)
    S.bevel(rhomb, 0.006, 1)
    S.assign(rhomb, glass)

    # The print. Seen through the crystal each image carries half the
    # light, so the ink there is half transparent.
    ink = S.Nodes('ink')
    lp = ink.node('ShaderNodeLightPath')
    through = ink.math('GREATER_THAN', lp.outputs['Transmission Depth'], 0.5)
    fac = ink.math('MULTIPLY', through, 0.5)
    mix = ink.node('ShaderNodeMixShader', Fac=fac)
    ink.link(ink.node('ShaderNodeBsdfDiffuse', Color=(0.025, 0.025, 0.03)).outputs[0],
             mix.inputs[1])
    ink.link(ink.node('ShaderNodeBsdfTransparent').outputs[0], mix.inputs[2])
    ink_mat = ink.surface(mix)

    # The font is the one Debian ships as fonts-dejavu-core.
    font = bpy.data.fonts.load('/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf')
    turn = math.radians(-7)

    def word(name, offset, z):
        cu = bpy.data.curves.new(name, 'FONT')
        cu.body = 'КОТ'
        cu.font = font
        cu.size = 1.5
        cu.align_x = 'CENTER'
        cu.align_y = 'CENTER'
        cu.space_character = 1.0
        obj = S.link(bpy.data.objects.new(name, cu))
        obj.location = (0.1 + offset.x, 1.1 + offset.y, top + z)
        obj.rotation_euler = (0, 0, turn)
        obj.data.materials.append(ink_mat)
        # A bold rule under the word: a thick line doubles plainly even
        # where the letters are only a few pixels high.
        bm = bmesh.new()
        quad = [(-2.6, -0.85), (2.6, -0.85), (2.6, -1.2), (-2.6, -1.2)]
        bm.faces.new([bm.verts.new((x, y, 0)) for x, y in quad])
        me = bpy.data.meshes.new(name + '_rule')
        bm.to_mesh(me)
        bm.free()
        rule = S.link(bpy.data.objects.new(name + '_rule', me))
        rule.parent = obj
        rule.data.materials.append(ink_mat)
        return [obj, rule]

    word('word', Vector((0, 0, 0)), 0.001)
    axis = (rot @ optic)
    walk = Vector((axis.x, axis.y, 0)).normalized() * (0.109 * thickness)
    for ghost in word('word_e', walk, 0.003):
        ghost.visible_camera = False
        ghost.visible_diffuse = False
        ghost.visible_glossy = False
        ghost.visible_shadow = False
        ghost.visible_volume_scatter = False
        ghost.visible_transmission = True


# ---------------------------------------------------------------- fluorite

def fluorite():
    """Purple fluorite cubes on a brown-grey rock: the colour sits in
    growth zones parallel to the faces, deep near the edges, pale inside."""
    rockm = S.grain_rock('host', (0.33, 0.29, 0.25), (0.18, 0.16, 0.14), (0.46, 0.42, 0.36),
                         rough=0.82, grain=70.0)
    S.rock('host', (3.7, 2.9, 1.3), 43, rockm, (0.0, 0.6, 0.8), points=54, lumpy=0.5)

    def zoning(n):
        sep = n.node('ShaderNodeSeparateXYZ', Vector=n.obj())
        ax = [n.math('ABSOLUTE', sep.outputs[i]) for i in range(3)]
        d = n.math('MAXIMUM', n.math('MAXIMUM', ax[0], ax[1]), ax[2])
        wob = n.noise(3.0, 2, 0.5)
        d2 = n.math('ADD', d, n.math('MULTIPLY', wob.outputs['Fac'], 0.08))
        r = n.ramp(d2, [(0.45, (0.15, 0, 0, 1)), (0.55, (1.7, 0, 0, 1)), (0.68, (1.7, 0, 0, 1)),
                        (0.74, (0.3, 0, 0, 1)), (0.86, (0.3, 0, 0, 1)), (0.9, (1.2, 0, 0, 1))])
        r.color_ramp.interpolation = 'LINEAR'
        return n.node('ShaderNodeSeparateRGB', Image=r.outputs[0]).outputs['R']

    mat = clear_crystal('fluorite', 1.434, tint=(0.97, 0.95, 1.0), rough=(0.0, 0.12),
                        rough_scale=2.5, absorb=((0.6, 0.36, 0.8), zoning),
                        scatter=((0.9, 0.88, 0.95), 0.03),
                        bump=lambda n: n.bump(n.noise(6.0, 2, 0.5).outputs['Fac'], 0.06, 0.02))
    cubes = [((-0.45, 0.55), (17, 9, 33), 1.2, 0.55),
             ((1.55, 1.1), (-9, 24, -14), 0.85, 0.45),
             ((0.95, -0.55), (28, -10, 52), 0.55, 0.3),
             ((-2.1, 1.0), (6, -22, 12), 0.48, 0.25)]
    for i, (xy, rot, h, sink) in enumerate(cubes):
        pts = [Vector((x, y, z)) for x in (-1, 1) for y in (-1, 1) for z in (-1, 1)]
        c = S.hull('cube%d' % i, pts)
        S.bevel(c, 0.006, 1)
        c.scale = (h, h, h)
        S.assign(c, mat)
        S.place(c, (xy[0], xy[1], 0), rot)
        S.perch(c, sink)


# ----------------------------------------------------------------- apatite

def apatite():
    """A blue-green hexagonal apatite prism, glassy but clouded by cracks,
    half-sunk in a pale calcite matrix."""
    rockm = S.grain_rock('calcite_matrix', (0.6, 0.58, 0.53), (0.42, 0.4, 0.36),
                         (0.72, 0.7, 0.66), rough=0.6, grain=40.0, bump=0.25)
    S.rock('matrix', (3.6, 2.6, 1.4), 52, rockm, (0.0, 0.5, 0.7), points=60, lumpy=0.5)
    mat = clear_crystal('apatite', 1.634, tint=(0.9, 0.98, 0.96), rough=(0.0, 0.08),
                        rough_scale=2.0, absorb=((0.22, 0.7, 0.6), 1.5),
                        scatter=((0.8, 0.95, 0.92), lambda n: n.maprange(
                            n.noise(2.2, 3, 0.6).outputs['Fac'], 0.4, 0.7, 0.05, 0.5)),
                        bump=striations(14.0, 0.06, True))
    # A flat end with no bevel ring, which read as a hollow tube.
    p = S.prism('apatite', 0.7, 4.4, 6, rng=random.Random(5), jitter=0.04, base_z=-0.6)
    S.bevel(p, 0.005, 1)
    S.assign(p, mat)
    # Steeper and deeper, so it grows out of the matrix rather than lies on it.
    S.place(p, (-0.4, 0.9, 0), (0, -48, 112))
    S.perch(p, 1.0)


# -------------------------------------------------------------- orthoclase

def orthoclase():
    """A blocky orthoclase crystal, flesh-pink with paler perthite streaks,
    one corner broken away along its right-angled cleavages."""
    # Granite: grey quartz, white feldspar and black mica flecks.
    rockm = S.grain_rock('granite', (0.42, 0.41, 0.39), (0.08, 0.08, 0.08), (0.7, 0.68, 0.64),
                         rough=0.75, grain=50.0, bump=0.3, spots=(14.0, 0.1, (0.03, 0.03, 0.03)))
    S.rock('granite', (3.9, 2.7, 1.1), 63, rockm, (0.0, 0.7, 0.55), points=50, lumpy=0.45)
    n = S.Nodes('orthoclase')
    perth = n.mapped(scale=(0.6, 14.0, 3.0), rotation=(0, 0, math.radians(8)))
    st = n.noise(1.0, 4, 0.6, vector=perth, distortion=0.5)
    mott = n.noise(2.0, 4, 0.6)
    base = n.ramp(mott.outputs['Fac'], [(0.22, (0.4, 0.17, 0.1)), (0.5, (0.62, 0.31, 0.2)),
                                        (0.78, (0.76, 0.48, 0.36))])
    pale = n.math('GREATER_THAN', st.outputs['Fac'], 0.58)
    color = n.node('ShaderNodeMixRGB', Fac=n.math('MULTIPLY', pale, 0.3),
                   Color1=base.outputs[0], Color2=(0.8, 0.66, 0.56))
    # Iron stain in the hollows and along old fractures.
    stain = n.noise(4.5, 5, 0.65)
    smask = n.maprange(stain.outputs['Fac'], 0.6, 0.72, 0.0, 0.45)
    color = n.node('ShaderNodeMixRGB', Fac=smask, Color1=color.outputs[0],
                   Color2=(0.2, 0.09, 0.04))
    rv = n.noise(2.2, 3, 0.5)
    r = n.maprange(rv.outputs['Fac'], 0.35, 0.65, 0.14, 0.3)
    height = n.math('ADD', n.noise(7.0, 4, 0.55).outputs['Fac'],
                    n.math('MULTIPLY', st.outputs['Fac'], 0.6))
    # Cleavage faces are flat: only a faint relief, and a pearly sheen.
    b = n.bump(height, 0.07, 0.03)
    p = n.principled(Base_Color=color, Subsurface=0.12, Subsurface_Color=(0.7, 0.4, 0.3),
                     Subsurface_Radius=(0.06, 0.025, 0.018), Roughness=r, Specular=0.5,
                     Sheen=0.4, Clearcoat=0.2, Clearcoat_Roughness=0.2, Normal=b)
    mat = n.surface(p)
    # Two blocks give the step left where a slab broke away along the two
    # cleavages at right angles, the mark of orthoclase.
    outline = ((1.75, 0.6), (1.3, 1.1), (-1.3, 1.1), (-1.75, 0.6),
               (-1.75, -0.6), (-1.3, -1.1), (1.3, -1.1), (1.75, -0.6))
    pts = []
    for x, y in outline:
        pts.append(Vector((x, y, -0.5)))
        pts.append(Vector((x, y, 1.15 + 0.3 * x)))
    lower = S.hull('orthoclase', pts)
    pts = []
    for x, y in outline:
        x, y = min(x, 0.35), max(y, -0.25)
        pts.append(Vector((x, y, 0.5)))
        pts.append(Vector((x, y, 1.9 + 0.3 * x)))
    upper = S.hull('orthoclase_step', pts)
    for part in (lower, upper):
        S.bevel(part, 0.03, 2, 30)
        S.assign(part, mat)
    upper.parent = lower
    S.place(lower, (0.0, 0.5, 0), (4, -5, -26))
    S.perch(lower, 0.85)


# ------------------------------------------------------------------ quartz

def quartz():
    """Rock crystal: clear hexagonal prisms with six-sided tips, striated
    across the prism faces and milky where they grow from the rock."""
    # A darker, iron-stained vein rock, so the clear crystals stand out.
    rockm = S.grain_rock('quartz_host', (0.25, 0.2, 0.15), (0.12, 0.09, 0.07),
                         (0.42, 0.36, 0.28), rough=0.85, grain=60.0)
    S.rock('host', (3.9, 2.7, 1.1), 74, rockm, (0.0, 0.6, 0.6), points=60, lumpy=0.5)
    rng = random.Random(72)
    crystals = [((-0.1, 0.6), (8, -6, 10), 0.62, 3.7),
            ((-1.2, 0.4), (-10, -34, 0), 0.45, 2.6),
            ((1.0, 0.9), (-6, 30, 25), 0.5, 2.9),
            ((0.6, -0.3), (38, 18, 5), 0.33, 1.7),
            ((-0.8, 1.3), (-30, -12, 40), 0.38, 2.2),
            ((1.9, 0.3), (10, 55, 0), 0.3, 1.5)]
    for i, (loc, rot, r, length) in enumerate(crystals):
        def milky(n, length=length):
            return n.maprange(axis_z(n), -0.4, 0.35 * length, 2.0, 0.0)

        def lines(n, length=length):
            z = axis_z(n)
            wave = n.node('ShaderNodeTexWave', Vector=n.obj(), Scale=2.2, Distortion=3.0,
                          Detail=3.0)
            wave.wave_type = 'BANDS'
            wave.bands_direction = 'Z'
            mask = n.math('LESS_THAN', z, length - 0.02)
            h = n.math('MULTIPLY', wave.outputs['Fac'], mask)
            return n.bump(h, 0.1, 0.01)

        mat = clear_crystal('quartz%d' % i, 1.544, rough=(0.0, 0.07), rough_scale=2.5,
                            scatter=((0.92, 0.92, 0.9), milky), bump=lines)
        p = S.prism('q%d' % i, r, length, 6, tip=r * 1.15, base_z=-0.6, jitter=0.06, rng=rng)
        S.bevel(p, 0.012, 1)
        S.assign(p, mat)
        S.place(p, (loc[0], loc[1], 0), rot)
        S.perch(p, 0.5)


# -------------------------------------------------------------------- gems

def cut_stone(name, rings, keel=None):
    """A faceted stone as the convex hull of its outline at each step: every
    ring is a list of points, and the hull's faces between neighbouring
    rings are the facets. keel: extra points where the pavilion ends."""
    pts = [p for ring in rings for p in ring] + list(keel or [])
    return S.hull(name, pts)


def oval_ring(count, hl, hw, size, z, phase):
    return [Vector((hl * size * math.cos(a), hw * size * math.sin(a), z))
            for a in (2 * math.pi * (i + phase) / count for i in range(count))]


def step_ring(hl, hw, corner, inset, z):
    """The eight corners of an emerald cut's outline, moved in by inset."""
    x, y, c = hl - inset, hw - inset, corner
    return [Vector(v) for v in ((x - c, y, z), (x, y - c, z), (x, c - y, z), (x - c, -y, z),
                                (c - x, -y, z), (-x, c - y, z), (-x, y - c, z), (c - x, y, z))]


def lie(obj, location, tilt_deg, turn_deg):
    """Lays a stone on the paper tipped onto its side, as a loose stone
    rests, its table turned towards the camera."""
    obj.rotation_euler = (math.radians(tilt_deg), 0.0, math.radians(turn_deg))
    obj.location = location
    S.settle(obj, 0.0)
    return obj


def polished(name, ior, absorb, density):
    """A polished gem: clear, coloured by absorption in its volume, so the
    long paths through the pavilion glow deeper than the table."""
    return clear_crystal(name, ior, rough=(0.0, 0.01), rough_scale=2.0,
                         absorb=(absorb, density), shadow=0.9)


def topaz():
    """A golden-sherry topaz, emerald cut: a long octagonal table, three
    steps on the crown and four on the pavilion down to a keel."""
    hl, hw, c = 1.85, 1.3, 0.36
    rings = [step_ring(hl, hw, c, inset, z) for inset, z in (
        (0.0, 0.02), (0.2, 0.22), (0.44, 0.38), (0.65, 0.45),
        (0.0, -0.02), (0.29, -0.42), (0.62, -0.85), (0.98, -1.25))]
    keel = [Vector((hl - hw, 0.0, -1.55)), Vector((hw - hl, 0.0, -1.55))]
    t = cut_stone('topaz', rings, keel)
    S.assign(t, polished('topaz', 1.62, (1.0, 0.55, 0.2), 0.7))
    lie(t, (0.0, 1.6, 0.0), 30, 14)


def corundum():
    """A ruby, oval brilliant cut: an octagonal table, star and kite facets
    on the crown and a pointed pavilion, in a purplish red."""
    hl, hw = 1.2, 0.95
    rings = [oval_ring(count, hl, hw, size, z * hw, phase) for count, size, z, phase in (
        (8, 0.56, 0.36, 0.5), (8, 0.8, 0.19, 0.0), (32, 1.0, 0.02, 0.0),
        (32, 1.0, -0.02, 0.0), (8, 0.5, -0.46, 0.0))]
    r = cut_stone('corundum', rings, [Vector((0, 0, -0.86 * hw))])
    S.assign(r, polished('ruby', 1.77, (1.0, 0.03, 0.12), 2.0))
    lie(r, (0.0, 1.6, 0.0), 30, -12)


# ----------------------------------------------------------------- diamond

def diamond():
    """A small rough diamond: an octahedron with rounded, slightly curved
    faces and a frosted, greasy lustre, in dark kimberlite."""
    kimb = S.grain_rock('kimberlite', (0.11, 0.13, 0.12), (0.05, 0.06, 0.06),
                        (0.2, 0.22, 0.2), rough=0.75, grain=50.0,
                        spots=(6.0, 0.12, (0.36, 0.34, 0.24)))
    S.rock('kimberlite', (3.5, 2.6, 1.2), 103, kimb, (0.0, 0.8, 0.65), points=70, lumpy=0.55)
    h = 1.1
    pts = [Vector(v) * h for v in ((1, 0, 0), (-1, 0, 0), (0, 1, 0), (0, -1, 0),
                                   (0, 0, 1), (0, 0, -1))]
    d = S.hull('diamond', pts)
    S.bevel(d, 0.02, 2, 20)
    S.subdivide(d, 3)
    cast = d.modifiers.new('curved', 'CAST')
    cast.cast_type = 'SPHERE'
    cast.factor = 0.12
    # Flat-shaded: finely divided, the faces still read as curved, and the
    # renderer needs no vertex normals, which two threads sum in a varying
    # order (see studio.bake_displace).
    for poly in d.data.polygons:
        poly.use_smooth = False

    def trigons(n):
        # Shallow etch pits: a fine cellular bump on the frosted faces.
        v = n.node('ShaderNodeTexVoronoi', Vector=n.obj(), Scale=14.0)
        v.feature = 'F1'
        v.distance = 'CHEBYCHEV'
        pit = n.math('LESS_THAN', v.outputs['Distance'], 0.12)
        return n.bump(pit, 0.25, 0.01)

    # Greasy-adamantine: mostly clear with glossy patches, a little haze.
    mat = clear_crystal('diamond', 2.417, tint=(0.98, 0.97, 0.93), rough=(0.02, 0.2),
                        rough_scale=6.0, absorb=((0.95, 0.92, 0.8), 0.3),
                        scatter=((0.95, 0.95, 0.92), 0.35), bump=trigons)
    S.assign(d, mat)
    S.place(d, (0.2, 0.55, 0), (22, 30, 20))
    S.perch(d, 0.55)


SCENES = {f.__name__: f for f in (talc, gypsum, calcite, fluorite, apatite, orthoclase,
                                  quartz, topaz, corundum, diamond)}


def main():
    argv = sys.argv[sys.argv.index('--') + 1:]
    name, out, width, height = argv[0], argv[1], int(argv[2]), int(argv[3])
    # A fifth argument overrides the sample count, for quick previews only.
    scene = S.studio(width, height, int(argv[4]) if len(argv) > 4 else None)
    SCENES[name]()
    S.render(scene, out)


if __name__ == '__main__':
    main()
