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
    n.surface(shadow_through(n, p, (shadow,) * 3))
    shaders = []
    if absorb:
        color, density = absorb
        shaders.append(n.node('ShaderNodeVolumeAbsorption',
                              Color=color(n) if callable(color) else color,
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


def axis(n, which):
    """The object-space coordinate 'X', 'Y' or 'Z' of the shaded point."""
    return n.node('ShaderNodeSeparateXYZ', Vector=n.obj()).outputs[which]


def shadow_through(n, shader, color):
    """shader for camera and bounce rays; for shadow rays a plain filter
    of color. Light reaching the ground through a clear crystal then has
    the Fresnel loss of two faces (and the volume's absorption), instead
    of sampled caustics, which would need thousands of samples to settle."""
    lp = n.node('ShaderNodeLightPath')
    mix = n.node('ShaderNodeMixShader', Fac=lp.outputs['Is Shadow Ray'])
    n.link(shader.outputs[0], mix.inputs[1])
    n.link(n.node('ShaderNodeBsdfTransparent', Color=color).outputs[0], mix.inputs[2])
    return mix


def striations(scale, strength, distance=0.02):
    """Growth lines along the prism's axis, as a bump of noise stretched
    along it."""
    def make(n):
        vec = n.mapped(scale=(scale, scale, 0.15))
        t = n.noise(1.0, 3, 0.55, vector=vec, distortion=0.2)
        return n.bump(t.outputs['Fac'], strength, distance)
    return make


# -------------------------------------------------------------------- talc

def _talc_lump(name, rng, n=150):
    """Massive talc as one broken lump. A ball of directions is cut by a
    cleavage top and bottom and by broken sides, joined by smooth minima so
    every edge looks rubbed; the front break shows the foliation as fine,
    curved ledges and grooves, with a flake or two standing out and the top
    layers broken back above it; the whole mass is gently folded."""
    import bmesh
    from bisect import bisect
    cloud = S.clouds(name + 'CLOUDS', 0.7)

    def clouds(x, y, z):
        return cloud((x, y, z))

    def smin(a, b, k):
        h = max(k - abs(a - b), 0.0) / k
        return min(a, b) - h * h * k / 4

    def plane(nv, d, k):
        return Vector(nv).normalized(), d + rng.uniform(-0.08, 0.08), k
    # (normal, distance, rounding): the two front breaks first.
    breaks = [plane((0.12, -1.0, 0.2), 1.45, 0.12), plane((-0.55, -1.0, -0.05), 1.75, 0.15)]
    planes = breaks + [plane(*a) for a in (
        ((0.05, -0.1, 1.0), 1.1, 0.3), ((-0.14, -0.07, -1.0), 0.95, 0.2),
        ((1.0, -0.3, 0.1), 2.4, 0.18), ((0.9, -0.5, 0.8), 2.1, 0.25),
        ((-1.0, -0.4, 0.05), 2.35, 0.2), ((-0.8, 0.2, 0.7), 2.1, 0.25),
        ((-0.6, 1.0, 0.1), 1.95, 0.2), ((0.7, 0.9, -0.1), 2.05, 0.2),
        ((0.1, 1.0, 0.5), 1.8, 0.25), ((-1.0, -1.0, 0.6), 2.2, 0.2),
        ((-0.35, -0.7, 0.65), 1.7, 0.6))]
    wob = [(k, rng.uniform(0.02, 0.05) / k, rng.uniform(0, 6.3)) for k in range(2, 6)]

    def radius(u):
        th = math.atan2(u.y, u.x)
        e = 1.0 / math.sqrt((u.x / 3.8) ** 2 + (u.y / 2.8) ** 2 + (u.z / 2.2) ** 2)
        r = e * (1.0 + sum(a * math.cos(k * th + ph) for k, a, ph in wob))
        for nv, d, k in planes:
            c = u.dot(nv)
            if c > 0.02:
                r = smin(r, d / c, k)
        return r

    # Six grids on a cube, pushed out to the surface along their directions.
    faces6 = [((1, 0, 0), (0, 1, 0), (0, 0, 1)), ((-1, 0, 0), (0, 0, 1), (0, 1, 0)),
              ((0, 1, 0), (0, 0, 1), (1, 0, 0)), ((0, -1, 0), (1, 0, 0), (0, 0, 1)),
              ((0, 0, 1), (1, 0, 0), (0, 1, 0)), ((0, 0, -1), (0, 1, 0), (1, 0, 0))]
    bm = bmesh.new()
    for nrm, U, V in faces6:
        nrm, U, V = Vector(nrm), Vector(U), Vector(V)
        grid = []
        for i in range(n + 1):
            a = math.tan(math.pi / 4 * (2 * i / n - 1))
            row = []
            for j in range(n + 1):
                u = (nrm + a * U + math.tan(math.pi / 4 * (2 * j / n - 1)) * V).normalized()
                row.append(bm.verts.new(u * radius(u)))
            grid.append(row)
        for i in range(n):
            for j in range(n):
                bm.faces.new((grid[i][j], grid[i + 1][j], grid[i + 1][j + 1], grid[i][j + 1]))
    bmesh.ops.remove_doubles(bm, verts=bm.verts[:], dist=1e-5)
    me = S.mesh_from(bm, name)

    # Foliation on the front breaks: layers of uneven thickness, each a
    # rounded lip between grooves, standing out or set back a little.
    bounds = [-1.3]
    while bounds[-1] < 1.4:
        bounds.append(bounds[-1] + rng.choice((0.03, 0.04, 0.05, 0.07, 0.09, 0.12)))
    layers = [(rng.gauss(0, 0.015) + (rng.uniform(0.05, 0.1) if rng.random() < 0.12 else 0.0),
               rng.choice((0.008, 0.015, 0.025, 0.04)), rng.uniform(0, 50)) for _ in bounds]
    for v, nv in zip(me.vertices, S.vertex_normals(me)):
        p = v.co
        w = max(min(1.0, max(0.0, 1.0 - (d - p.dot(bn)) / 0.25)) for bn, d, _ in breaks)
        h = Vector((nv.x, nv.y, 0.0))
        if w <= 0.0 or h.length < 1e-9:
            continue
        f = p.z + 0.04 * clouds(p.x * 0.5, p.y * 0.5, 3.0)
        k = max(0, min(len(bounds) - 2, bisect(bounds, f) - 1))
        t = (f - bounds[k]) / (bounds[k + 1] - bounds[k])
        out, lip, seed = layers[k]
        # Ledges and grooves pinch out along the break, as lenses do.
        fade = max(0.0, 0.3 + 2.5 * clouds(p.x * 0.9, p.y * 0.9, seed + 7.0))
        d = out * (0.6 + 1.6 * clouds(p.x * 1.3, p.y * 1.3, seed)) \
            + fade * lip * (math.sqrt(max(0.0, math.sin(math.pi * t))) - 1.0)
        v.co = p + h.normalized() * (w * d)
    # The top layers broken back in ragged steps: two deep ones above the
    # front break, and thin flakes peeled back here and there round the rim.
    top = max(v.co.z for v in me.vertices)
    steps = [(-math.pi / 2, 0.8, top - rng.uniform(0.05, 0.15), 0.15),
             (-math.pi / 2, 0.8, top - rng.uniform(0.3, 0.4), 0.13)]
    for k in range(9):
        a = 2 * math.pi * k / 9 + rng.uniform(-0.3, 0.3)
        steps.append((a, rng.uniform(1.2, 1.8), top - rng.uniform(0.0, 0.2), rng.uniform(0.05, 0.1)))
    for v in me.vertices:
        p = v.co
        for a, r0, z0, drop in steps:
            seed = 10 * a + 20
            line = p.x * math.cos(a) + p.y * math.sin(a) - r0 \
                - 0.25 * math.sin(1.3 * (p.x * math.sin(a) - p.y * math.cos(a)) + seed) \
                - 0.5 * clouds(p.x, seed, 0)
            if p.z > z0 - drop and line > -0.08:
                s = min(1.0, (line + 0.08) / 0.16)
                p.z -= drop * s * s * (3 - 2 * s) * min(1.0, (p.z - (z0 - drop)) / drop)
    # A gentle fold shared by all layers.
    for v in me.vertices:
        x, y = v.co.x, v.co.y
        v.co.z += -0.05 * x * x - 0.05 * y * y + 0.22 * math.sin(1.1 * x + 0.4) \
            + 0.07 * math.sin(1.6 * y - 0.7 * x)
    me.update()
    obj = S.link(bpy.data.objects.new(name, me))
    S.bake_displace(obj, 1.5, 0.2, 3, (rng.uniform(-50, 50), 0, 0))
    # Crumbs and nicks along the outline.
    S.bake_displace(obj, 0.35, 0.1, 2, (rng.uniform(-50, 50), 0, 0))
    return obj


def _talc_material():
    """Pale apple-green to silvery talc with a pearly, satin sheen on the
    cleavage top, built of tiny overlapping flakes; the broken sides are
    duller and show the foliation as fine, broken pale lines."""
    n = S.Nodes('talc')
    zones = n.noise(0.5, 3, 0.5)
    col = n.ramp(zones.outputs['Fac'], [(0.35, (0.36, 0.5, 0.26)), (0.65, (0.58, 0.65, 0.5))])
    # Darker grey-green patches, as in a less pure piece.
    dn = n.noise(1.4, 4, 0.6)
    dark = n.maprange(dn.outputs['Fac'], 0.58, 0.68, 0.0, 0.6)
    color = n.node('ShaderNodeMixRGB', Fac=dark, Color1=col.outputs[0],
                   Color2=(0.2, 0.25, 0.17))
    # Only steep broken sides show the foliation: fine pale lines that break
    # off and start again, never on the top.
    nz = n.node('ShaderNodeSeparateXYZ', Vector=n.coords.outputs['Normal']).outputs['Z']
    edge = n.maprange(n.math('ABSOLUTE', nz), 0.25, 0.5, 1.0, 0.0)
    streak = n.noise(1.0, 3, 0.6, vector=n.mapped(scale=(1.5, 1.5, 40.0)), distortion=0.3)
    gaps = n.noise(3.0, 2, 0.5)
    lines = n.math('MULTIPLY', n.maprange(streak.outputs['Fac'], 0.5, 0.62, 0.0, 0.7),
                   n.maprange(gaps.outputs['Fac'], 0.4, 0.6, 0.0, 1.0))
    color = n.node('ShaderNodeMixRGB', Fac=n.math('MULTIPLY', edge, lines),
                   Color1=color.outputs[0], Color2=(0.82, 0.85, 0.78))
    # Iron stain seeping in from one corner.
    xs = axis(n, 'X')
    rn = n.noise(2.0, 4, 0.6)
    rust = n.maprange(n.math('SUBTRACT', xs, n.math('MULTIPLY', rn.outputs['Fac'], 1.6)),
                      1.0, 1.9, 0.0, 0.5)
    color = n.node('ShaderNodeMixRGB', Fac=rust, Color1=color.outputs[0],
                   Color2=(0.33, 0.21, 0.1))
    # The top is a mosaic of tiny flakes, each tilted a little its own way:
    # a cell's random colour read as a height gives it a step at its rim.
    warp = n.noise(2.0, 2, 0.5)
    fv = n.node('ShaderNodeMixRGB', Fac=0.15, Color1=n.obj(), Color2=warp.outputs['Color'])
    cells = n.node('ShaderNodeTexVoronoi', Vector=fv.outputs[0], Scale=6.0)
    b = n.bump(cells.outputs['Color'], 0.07, 0.02)
    # Broad waves of the foliation under the sheen.
    crinkle = n.noise(1.0, 3, 0.5, vector=n.mapped(scale=(1.2, 1.2, 7.0)), distortion=0.3)
    b = n.bump(crinkle.outputs['Fac'], 0.05, 0.05, normal=b.outputs[0])
    # Satin on the top, duller foliated edges.
    rv = n.noise(1.2, 3, 0.5)
    r = n.math('ADD', n.maprange(rv.outputs['Fac'], 0.35, 0.65, 0.22, 0.32),
               n.math('MULTIPLY', edge, 0.3))
    p = n.principled(Base_Color=color, Subsurface=0.2, Subsurface_Color=(0.66, 0.74, 0.58),
                     Subsurface_Radius=(0.08, 0.1, 0.06), Roughness=r, Specular=0.7,
                     Specular_Tint=0.25, Sheen=1.0, Sheen_Tint=0.0, Clearcoat=0.35,
                     Clearcoat_Roughness=n.math('ADD', r, -0.04), Normal=b,
                     Clearcoat_Normal=b)
    return n.surface(p)


def talc():
    """Massive foliated talc, about 5 cm across: a pale-green lump whose
    cleavage top, tipped to the light, has a pearly sheen and flakes peeled
    back at its rim, its layering showing on one broken side."""
    mass = _talc_lump('talc', random.Random(11))
    S.assign(mass, _talc_material())
    S.place(mass, (0.1, 0.3, 0), (14, -15, 12))
    S.settle(mass, 0.08)


# ------------------------------------------------------------------ gypsum

def _lens_blade(name, radius, thick, rng, aspect=1.0, cup=0.0, chips=2, breaks=0):
    """One lenticular gypsum blade in the XY plane: an oval, thickest in the
    middle and thinning to a rounded edge, a little cupped and warped, its
    rim wavy, nicked, and sometimes broken off straight so the break shows
    the blade's thickness. Each vertex carries 'rim': 0 in the middle, 1 on
    the edge."""
    import bmesh
    segs, rings = 96, 12
    # Low harmonics bend the oval; many faint high ones fray the rim.
    harm = [(k, rng.uniform(-1, 1) * 0.07 / k, rng.uniform(0, 2 * math.pi))
            for k in range(2, 8)]
    harm += [(k, rng.uniform(-1, 1) * 0.025 / k ** 0.5 / 4, rng.uniform(0, 2 * math.pi))
             for k in range(9, 31, 3)]
    nicks = [(rng.uniform(0, 2 * math.pi), rng.uniform(0.05, 0.2), rng.uniform(0.06, 0.22))
             for _ in range(chips)]
    cuts = [(rng.uniform(0, 2 * math.pi), rng.uniform(0.55, 0.85)) for _ in range(breaks)]
    wedge = (rng.uniform(0.0, 0.35), rng.uniform(0, 2 * math.pi))
    warp = S.clouds(name + 'warp', radius * 0.8)
    off = Vector((rng.uniform(-40, 40), rng.uniform(-40, 40), rng.uniform(-40, 40)))

    def span(a):
        """Full outline radius and where the rim really ends (chips, breaks)."""
        full = 1.0 + sum(amp * math.cos(k * a + ph) for k, amp, ph in harm)
        full *= radius / math.sqrt(math.cos(a) ** 2 + (math.sin(a) / aspect) ** 2)
        end = full
        for ca, w, d in nicks:
            da = abs((a - ca + math.pi) % (2 * math.pi) - math.pi)
            if da < w:
                end = min(end, full * (1 - d * math.sqrt(1 - (da / w) ** 2)))
        for ca, c in cuts:
            da = (a - ca + math.pi) % (2 * math.pi) - math.pi
            if abs(da) < math.pi / 2:
                end = min(end, radius * c / max(math.cos(da), 1e-3))
        return full, end

    bm = bmesh.new()
    rim = bm.verts.layers.float.new('rim')
    top, bot = [], []
    for j in range(segs):
        a = 2 * math.pi * j / segs
        full, end = span(a)
        t = thick * (1 + wedge[0] * math.cos(a - wedge[1]))
        ct, cb = [], []
        for k in range(1, rings + 1):
            f = 1 - (1 - k / rings) ** 2
            r = end * f
            s = r / full
            h = max(0.5 * t * (1 - s * s) ** 0.6, 0.004)
            x, y = r * math.cos(a), r * math.sin(a)
            bend = cup * (x * x + y * y) / radius + 0.12 * radius * warp(Vector((x, y, 0)) + off)
            for sign, col in ((1, ct), (-1, cb)):
                v = bm.verts.new((x, y, bend + sign * h))
                v[rim] = s
                col.append(v)
        top.append(ct)
        bot.append(cb)
    ctop = bm.verts.new((0, 0, 0.5 * thick + 0.12 * radius * warp(off)))
    cbot = bm.verts.new((0, 0, -0.5 * thick + 0.12 * radius * warp(off)))
    ctop[rim] = cbot[rim] = 0.0
    for j in range(segs):
        jn = (j + 1) % segs
        bm.faces.new((ctop, top[j][0], top[jn][0]))
        bm.faces.new((cbot, bot[jn][0], bot[j][0]))
        for k in range(rings - 1):
            bm.faces.new((top[j][k], top[j][k + 1], top[jn][k + 1], top[jn][k]))
            bm.faces.new((bot[j][k], bot[jn][k], bot[jn][k + 1], bot[j][k + 1]))
        # The edge itself: a narrow band where the blade is thin, a rough
        # fracture face where it broke.
        bm.faces.new((top[j][-1], bot[j][-1], bot[jn][-1], top[jn][-1]))
    return S.solid(name, bm)


def _rosette(prefix, centre, axis, count, radius, rng, mat):
    """Blades fanned around a common axis like the pages of an opened book,
    each a little off the axis and off its neighbours' spacing, so they cut
    through one another: seen down the axis, a star of curved edges."""
    a = Vector(axis).normalized()
    t1 = a.orthogonal().normalized()
    t2 = a.cross(t1)
    start = rng.uniform(0, math.pi)
    out = []
    for i in range(count):
        th = start + math.pi * (i + rng.uniform(-0.45, 0.45)) / count
        nrm = t1 * math.cos(th) + t2 * math.sin(th)
        nrm = (nrm + a * rng.uniform(-0.4, 0.4)
               + nrm.cross(a) * rng.uniform(-0.2, 0.2)).normalized()
        r = radius * rng.uniform(0.55, 1.15)
        b = _lens_blade('%s%d' % (prefix, i), r, r * rng.uniform(0.12, 0.18), rng,
                        aspect=rng.uniform(0.65, 0.95), cup=rng.uniform(-0.1, 0.1),
                        chips=rng.randint(1, 4), breaks=1 if rng.random() < 0.4 else 0)
        ang = rng.uniform(0, 2 * math.pi)
        ax = a - nrm * a.dot(nrm)
        ax = ax.normalized()
        x = ax * math.cos(ang) + nrm.cross(ax) * math.sin(ang)
        y = nrm.cross(x)
        b.matrix_world = Matrix((
            (x.x, y.x, nrm.x, 0), (x.y, y.y, nrm.y, 0), (x.z, y.z, nrm.z, 0), (0, 0, 0, 1)))
        side = nrm.cross(a).normalized()
        b.location = (Vector(centre) + a * radius * rng.uniform(-0.15, 0.2)
                      + side * radius * rng.uniform(-0.2, 0.2))
        S.assign(b, mat)
        out.append(b)
    return out


def _desert_rose_material():
    """Gypsum full of sand: a sandy beige made of specks, the grains it grew
    around, dull and gritty, with rusty and pale patches, cleaner, paler and
    faintly pearly towards the thin blade edges."""
    n = S.Nodes('desert rose')
    rim = n.node('ShaderNodeAttribute', _attribute_name='rim').outputs['Fac']
    clean = n.maprange(rim, 0.8, 1.0, 0.0, 1.0)
    # Every blade is built round its own origin: shift each one's texture
    # by its object's random number so no two blades wear the same pattern.
    info = n.node('ShaderNodeObjectInfo')
    shift = n.node('ShaderNodeVectorMath', _operation='SCALE', Vector=(37.0, 53.0, 71.0))
    n.link(info.outputs['Random'], shift.inputs['Scale'])
    co = n.node('ShaderNodeVectorMath', _operation='ADD', Vector=n.obj())
    n.link(shift.outputs[0], co.inputs[1])
    co = co.outputs[0]
    mottle = n.noise(1.4, 4, 0.6, vector=co)
    base = n.ramp(mottle.outputs['Fac'], [(0.3, (0.42, 0.22, 0.09)),
                                           (0.55, (0.66, 0.42, 0.19)),
                                           (0.78, (0.76, 0.55, 0.31))])
    grains = n.node('ShaderNodeTexVoronoi', Vector=co, Scale=26.0)
    grains.feature = 'F1'
    speck = n.ramp(grains.outputs['Color'], [(0.25, (0.24, 0.11, 0.04)),
                                              (0.42, (0.54, 0.34, 0.16)),
                                              (0.6, (0.64, 0.46, 0.28)),
                                              (0.78, (0.85, 0.78, 0.66))])
    color = n.node('ShaderNodeMixRGB', Fac=0.55, Color1=base.outputs[0], Color2=speck.outputs[0])
    # Clumps of a few grains, a millimetre across: still a grit at 100 px.
    clumps = n.node('ShaderNodeTexVoronoi', Vector=co, Scale=8.0)
    clumps.feature = 'F1'
    grit = n.maprange(clumps.outputs['Color'], 0.2, 0.8, 0.8, 1.15)
    grey = n.node('ShaderNodeCombineColor', Red=grit, Green=grit, Blue=grit)
    color = n.node('ShaderNodeMixRGB', _blend_type='MULTIPLY', Fac=1.0,
                   Color1=color.outputs[0], Color2=grey)
    # Iron-stained patches, and paler ones where less sand was taken in.
    stain = n.noise(3.2, 5, 0.6, vector=co, distortion=0.4)
    smask = n.maprange(stain.outputs['Fac'], 0.56, 0.66, 0.0, 0.75)
    color = n.node('ShaderNodeMixRGB', _blend_type='MULTIPLY', Fac=smask,
                   Color1=color.outputs[0], Color2=(0.62, 0.38, 0.22))
    pale = n.maprange(stain.outputs['Fac'], 0.38, 0.3, 0.0, 0.45)
    color = n.node('ShaderNodeMixRGB', Fac=pale, Color1=color.outputs[0],
                   Color2=(0.74, 0.64, 0.5))
    # Most sand sits in the thick middle of a blade, least at its edge.
    inner = n.maprange(rim, 0.0, 0.8, 0.4, 0.0)
    color = n.node('ShaderNodeMixRGB', _blend_type='MULTIPLY', Fac=inner,
                   Color1=color.outputs[0], Color2=(0.55, 0.4, 0.26))
    color = n.node('ShaderNodeMixRGB', Fac=n.math('MULTIPLY', clean, 0.55),
                   Color1=color.outputs[0], Color2=(0.84, 0.7, 0.51))
    fine = n.node('ShaderNodeTexVoronoi', Vector=co, Scale=60.0)
    fine.feature = 'F1'
    height = n.math('ADD', n.math('MULTIPLY', grains.outputs['Distance'], -1.0),
                    n.math('MULTIPLY', fine.outputs['Distance'], -0.5))
    b = n.bump(height, n.maprange(clean, 0.0, 1.0, 0.5, 0.15), 0.02)
    # A few clear quartz grains catch the light as pin-point glints.
    glint = n.math('GREATER_THAN', grains.outputs['Color'], 0.8)
    r = n.maprange(clean, 0.0, 1.0, 0.85, 0.4)
    r = n.node('ShaderNodeMix', _data_type='FLOAT', Factor=glint, A=r, B=0.22)
    p = n.principled(Base_Color=color, Roughness=r.outputs[0], Specular=0.4, Sheen=0.3,
                     Normal=b)
    return n.surface(p)


def gypsum():
    """A desert rose: crowded lens-shaped gypsum blades grown through sand,
    so they hold its grains and take its colour, with a few small rosettes
    on the main one, resting on the paper."""
    mat = _desert_rose_material()
    seed = 6
    rng = random.Random(seed)
    parts = []
    # Rosettes grown into one another round a common middle, each fanned
    # about the direction it grew out in, spread over the top and the sides.
    centre = Vector((0.0, 0.4, 1.2))
    count = 8
    for k in range(count):
        z = 1.0 - 1.2 * (k + rng.uniform(0.2, 0.8)) / count
        ang = k * 2.4 + rng.uniform(-0.3, 0.3)
        d = Vector((math.sqrt(1 - z * z) * math.cos(ang), math.sqrt(1 - z * z) * math.sin(ang), z))
        c = centre + Vector((d.x * 1.7, d.y * 1.2, d.z * 1.0))
        ax = (d + Vector((rng.gauss(0, 0.35), rng.gauss(0, 0.35), rng.gauss(0, 0.35) + 0.3)))
        radius = rng.uniform(1.0, 1.6)
        parts += _rosette('rose%d_' % k, c, ax, rng.randint(5, 8), radius, rng, mat)
    dg = bpy.context.evaluated_depsgraph_get()
    dg.update()
    low = min((b.matrix_world @ v.co).z for b in parts for v in b.data.vertices)
    # Sunk a little so the lowest blades sit flat on the paper, not on one tip.
    for b in parts:
        b.location.z -= low + 0.35
    centre.z -= low + 0.35
    dg.update()
    # Small rosettes grown on the big one's flanks and top: each sits where
    # a ray from outside first meets the cluster, sunk into it a little.
    brng = random.Random(seed + 100)
    for k, (dx, dy, dz) in enumerate([(-0.8, -0.5, 0.6), (0.9, -0.6, 0.5), (0.1, 0.1, 1.0)]):
        d = Vector((dx, dy, dz)).normalized()
        hit, where, *_ = bpy.context.scene.ray_cast(dg, centre + d * 10.0, -d)
        if not hit:
            continue
        radius = brng.uniform(0.45, 0.65)
        ax = d + Vector((brng.gauss(0, 0.3), brng.gauss(0, 0.3), brng.gauss(0, 0.3)))
        _rosette('bud%d_' % k, where - d * radius * 0.35, ax, brng.randint(5, 7), radius,
                 brng, mat)
    # Loose sand the rose has shed round its foot: single grains on the paper.
    grng = random.Random(seed + 200)
    for k in range(220):
        a = grng.uniform(0, 2 * math.pi)
        r = 1.7 + grng.expovariate(1.6)
        size = grng.uniform(0.02, 0.05)
        pts = [Vector((grng.gauss(0, 1), grng.gauss(0, 1), grng.gauss(0, 0.7))).normalized() * size
               for _ in range(9)]
        g = S.hull('grain%d' % k, pts)
        g.location = (centre.x + r * math.cos(a) * 1.15, centre.y + r * math.sin(a) * 0.9,
                      size * 0.4)
        S.assign(g, mat)


# ----------------------------------------------------------------- calcite

def _spar_glass(name, rough, frost=0.0, haze=0.0, bruises=()):
    """Clear, colourless calcite, the faintest warm tint in depth. The
    faces are a little wavy, not optically flat, but clean: a good spar
    rhomb is a window. Calcite is soft, so handling frosts it white in
    patches along the edges and round knocked corners (frost, bruises),
    and a cleavage face that has been rubbed is a little hazy (haze)."""
    n = S.Nodes(name)
    rv = n.noise(2.5, 3, 0.5)
    r = n.maprange(rv.outputs['Fac'], 0.4, 0.7, rough[0], rough[1])
    if haze:
        scuff = n.noise(0.8, 3, 0.55, vector=n.mapped(scale=(1.0, 1.0, 4.0)))
        r = n.math('ADD', r, n.maprange(scuff.outputs['Fac'], 0.35, 0.65, haze * 0.4, haze))
    wave = n.noise(1.3, 2, 0.5)
    b = n.bump(wave.outputs['Fac'], 0.025, 0.05)
    glass = n.principled(Base_Color=(1.0, 0.995, 0.985), Roughness=r, IOR=1.658,
                         Transmission=1.0, Specular=0.5, Normal=b)
    mask = None
    grain = n.noise(9.0, 3, 0.6)
    if frost:
        patch = n.noise(2.2, 4, 0.6)
        mask = n.maprange(n.math('ADD', patch.outputs['Fac'],
                                 n.math('MULTIPLY', grain.outputs['Fac'], 0.25)),
                          0.55, 0.7, 0.0, frost)
    for centre, radius in bruises:
        d = n.node('ShaderNodeVectorMath', Vector=n.obj(), _operation='DISTANCE')
        n.set(d.inputs[1], Vector(centre))
        dd = n.math('ADD', d.outputs['Value'],
                    n.math('MULTIPLY', grain.outputs['Fac'], radius * 0.8))
        m = n.maprange(dd, radius * 0.7, radius * 1.2, 1.0, 0.0)
        mask = m if mask is None else n.math('MAXIMUM', mask, m)
    surface = glass
    if mask is not None:
        white = n.principled(Base_Color=(0.95, 0.94, 0.91), Roughness=0.55, Specular=0.4,
                             Transmission=0.3, IOR=1.658)
        mix = n.node('ShaderNodeMixShader', Fac=mask)
        n.link(glass.outputs[0], mix.inputs[1])
        n.link(white.outputs[0], mix.inputs[2])
        surface = mix
    n.surface(shadow_through(n, surface, (0.8, 0.79, 0.76)))
    n.volume(n.node('ShaderNodeVolumeAbsorption', Color=(0.98, 0.96, 0.9), Density=0.05))
    return n.mat


def calcite():
    """Iceland spar: a water-clear cleavage rhomb lying on a printed page.
    Its double refraction shows the print under it twice: the ordinary
    image where refraction puts it, and the extraordinary one walked off
    along the optic axis's shadow. Lying on a face, the rhomb leans
    sideways, along that same shadow, so its outline is a slanted
    parallelogram."""
    P = _SPAR
    # A large page of a primer in big print, filling the picture but for
    # its left edge, which lifts a little off the backdrop and casts a
    # soft shadow; the rest of the book is out of the picture.
    paper = S.Nodes('page')
    fib = paper.noise(45.0, 2, 0.5)
    blot = paper.noise(1.2, 3, 0.6)
    c = paper.ramp(paper.math('ADD', paper.math('MULTIPLY', fib.outputs['Fac'], 0.6),
                              paper.math('MULTIPLY', blot.outputs['Fac'], 0.4)),
                   [(0.35, (0.8, 0.78, 0.73)), (0.65, (0.87, 0.85, 0.8))])
    b = paper.bump(paper.noise(12.0, 3, 0.6).outputs['Fac'], 0.15, 0.02)
    paper = paper.surface(paper.principled(Base_Color=c, Roughness=0.85, Specular=0.25,
                                           Normal=b))
    pw, ph = P['page']
    reach, rise = P['curl']
    bpy.ops.mesh.primitive_grid_add(x_subdivisions=120, y_subdivisions=100, size=1)
    page = bpy.context.object
    page.name = 'page'
    for v in page.data.vertices:
        # Local coordinates with the page's near left corner at the origin.
        x, y = (v.co.x + 0.5) * pw, (v.co.y + 0.5) * ph
        lift = max(0.0, reach - x) ** 2 * rise
        v.co = Vector((x, y, lift + 0.015 * math.sin(x * 0.9 + y * 0.6) ** 2))
    sol = page.modifiers.new('thick', 'SOLIDIFY')
    sol.thickness = 0.02
    sol.offset = 1.0
    page_turn = math.radians(P['page_turn'])
    page.location = P['page_at']
    page.rotation_euler = (0, 0, page_turn)
    S.assign(page, paper)
    top = 0.035

    # Edge vectors of the rhombohedron: 101.9 degrees between each pair,
    # so the corner at the origin is a blunt one, on the optic axis.
    ct = math.sqrt((2 * math.cos(math.radians(101.9)) + 1) / 3)
    st = math.sqrt(1 - ct * ct)
    e = [Vector((st * math.cos(a), st * math.sin(a), ct)) * length
         for a, length in zip((0, 2 * math.pi / 3, 4 * math.pi / 3), P['edges'])]
    # Lie it on the face spanned by e0, e1, then turn it so the optic
    # axis's shadow on the paper points the chosen way.
    normal = e[0].cross(e[1]).normalized()
    if normal.dot(e[2]) > 0:
        normal = -normal
    rot = normal.rotation_difference(Vector((0, 0, -1))).to_matrix()
    axis = rot @ Vector((0, 0, 1))
    turn = math.radians(P['walk']) - math.atan2(axis.y, axis.x)
    rot = Matrix.Rotation(turn, 3, 'Z') @ rot
    e = [rot @ v for v in e]
    axis = rot @ Vector((0, 0, 1))
    corners = [e[0] * i + e[1] * j + e[2] * k for i in (0, 1) for j in (0, 1) for k in (0, 1)]
    lo = min(p.z for p in corners)
    cx = sum(p.x for p in corners) / 8
    cy = sum(p.y for p in corners) / 8
    origin = Vector((P['at'][0] - cx, P['at'][1] - cy, top - lo + 0.002))
    thickness = max(p.z for p in corners) - lo

    def at(a, b, c):
        return origin + e[0] * a + e[1] * b + e[2] * c

    rhomb = S.hull('rhomb', [origin + p for p in corners])
    # Calcite is soft: handling rounds its edges a little, and the rounded
    # edges catch the light as thin bright and dark lines that draw the
    # rhomb's outline.
    S.bevel(rhomb, P['bevel'], 2).material = 1
    # The side faces, rubbed, are a shade hazier than the top window, so
    # the thickness reads as faces of their own.
    top_n = e[0].cross(e[1]).normalized()
    if top_n.z < 0:
        top_n = -top_n
    for poly in rhomb.data.polygons:
        if abs(poly.normal.dot(top_n)) < 0.99:
            poly.material_index = 2
    bruises = [(at(*p), r) for p, r in P['bruises']]
    rhomb.data.materials.append(_spar_glass('spar', (0.0, 0.012), bruises=bruises))
    rhomb.data.materials.append(_spar_glass('spar_edge', (0.02, 0.08), P['frost'],
                                            bruises=bruises))
    rhomb.data.materials.append(_spar_glass('spar_side', (0.0, 0.012), haze=P['haze'],
                                            bruises=bruises))

    # The camera's ray through the middle of the top face, refracted on
    # the way in: the two images part by about a ninth of the path it
    # runs inside (6.2 degrees of walk-off).
    cam = bpy.context.scene.camera.matrix_world.translation
    eta = 1 / 1.658
    d = (at(0.5, 0.5, 1.0) - cam).normalized()
    cosi = -d.dot(top_n)
    t = d * eta + top_n * (eta * cosi - math.sqrt(1 - eta * eta * (1 - cosi * cosi)))
    walk = Vector((axis.x, axis.y, 0)).normalized() * (0.109 * thickness / -t.z)

    # The print. Seen through the crystal each image carries half the
    # light, so the ink there is half transparent.
    ink = S.Nodes('ink')
    lp = ink.node('ShaderNodeLightPath')
    through = ink.math('GREATER_THAN', lp.outputs['Transmission Depth'], 0.5)
    fac = ink.math('MULTIPLY', through, 0.5)
    mix = ink.node('ShaderNodeMixShader', Fac=fac)
    ink.link(ink.node('ShaderNodeBsdfDiffuse', Color=(0.03, 0.03, 0.035)).outputs[0],
             mix.inputs[1])
    ink.link(ink.node('ShaderNodeBsdfTransparent').outputs[0], mix.inputs[2])
    ink_mat = ink.surface(mix)

    # Bold capitals, tall so the camera's low view does not squash them:
    # their strokes are narrower than the walk-off and the gaps between
    # them wider, so the two images stay apart, and they are heavy enough
    # to survive the shrink to the small photo. The font is the one
    # Debian ships as fonts-dejavu-core.
    font = bpy.data.fonts.load('/usr/share/fonts/truetype/dejavu/' + P['face'])
    first = Vector(P['page_at']) + Matrix.Rotation(page_turn, 3, 'Z') @ Vector(P['first'])

    def page_print(tag, offset, z):
        cu = bpy.data.curves.new('print' + tag, 'FONT')
        cu.body = P['text']
        cu.font = font
        cu.size = P['font']
        cu.space_character = P['spacing']
        cu.space_line = P['leading']
        cu.offset = P['weight']
        cu.align_y = 'TOP_BASELINE'
        cu.text_boxes[0].width = P['column']
        obj = S.link(bpy.data.objects.new('print' + tag, cu))
        obj.location = (first.x + offset.x, first.y + offset.y, top + z)
        obj.rotation_euler = (0, 0, page_turn)
        obj.scale = (1.0, P['stretch'], 1.0)
        obj.data.materials.append(ink_mat)
        return obj

    page_print('', Vector(), 0.001)
    e_image = page_print('_e', walk, 0.003)
    e_image.visible_camera = False
    e_image.visible_diffuse = False
    e_image.visible_glossy = False
    e_image.visible_shadow = False
    e_image.visible_volume_scatter = False


# The specimen's layout: the page (size, near left corner, turn, lift of
# its left edge), edge lengths (cm; a chunky rhomb, so its thickness and
# lean show), the way the optic axis's shadow points (degrees from the
# picture's x; the top then leans towards the camera's right, a slanted
# window with its front and right faces in view, and the two images split
# along a diagonal), where the rhomb lies, how far its edges are worn
# round, how much of them is frosted white, the haze of the rubbed side
# faces, the knocked corners (in fractions of the edges, radius in cm),
# and the print: where its first line starts on the page, its face, size
# and spacing (lines far apart, so each one and its double stand clear).
_SPAR = dict(
    page=(22.0, 20.0), page_at=(-4.7, -6.0, 0.0), page_turn=4, curl=(1.0, 0.06),
    edges=(4.6, 4.4, 3.5), walk=130, at=(0.0, 0.3), bevel=0.14, frost=1.0, haze=0.15,
    bruises=[((1.0, 0.0, 1.0), 0.3), ((0.0, 1.0, 1.0), 0.2), ((1.0, 1.0, 0.0), 0.25)],
    first=(1.2, 18.5, 0.0), face='DejaVuSans-Bold.ttf', font=1.2, stretch=1.6, spacing=1.2,
    leading=1.5, weight=0.0, column=18.0,
    text=('НАШИЯТ ДОМ Е СТАРА КЪЩА НА КРАЯ НА СЕЛОТО. ПРЕД НЕЯ ИМА ГРАДИНА С ЯБЪЛКИ, '
          'КРУШИ И ЕДНА ВИСОКА ЛИПА, ПОД КОЯТО ЛЕТЕ ПИЕМ ЧАЙ. БАБА СУШИ БИЛКИ НА ДВОРА, '
          'А ДЯДО ПОПРАВЯ ОГРАДАТА И РАЗКАЗВА ЗА ВРЕМЕТО, КОГАТО Е БИЛ МАЛЪК. ВЕЧЕР '
          'ВСИЧКИ СЯДАМЕ ОКОЛО ГОЛЯМАТА МАСА В КУХНЯТА И СИ КАЗВАМЕ КАКВО СМЕ ВИДЕЛИ '
          'ПРЕЗ ДЕНЯ. ЗИМАТА Е ДЪЛГА И СТУДЕНА, НО В ПЕЧКАТА ВИНАГИ ГОРИ ОГЪН.'),
)


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

def _apatite_material():
    """Asparagus-green apatite: glassy to greasy, translucent, coloured
    unevenly and clouded by a few irregular cracks."""
    def cracks(n):
        # Thin, warped sheets of a stretched noise, slanting across the
        # crystal: scattered, uneven cracks, not evenly spaced rings.
        f = n.noise(1.0, 2, 0.5, vector=n.mapped(scale=(0.6, 0.6, 1.2),
                                                 rotation=(math.radians(40), 0, 0)),
                    distortion=1.5).outputs['Fac']
        sheet = n.maprange(n.math('ABSOLUTE', n.math('SUBTRACT', f, 0.5)), 0.0, 0.015, 1.0, 0.0)
        cloud = n.maprange(n.noise(2.0, 3, 0.6).outputs['Fac'], 0.4, 0.7, 0.05, 0.45)
        return n.math('ADD', cloud, n.math('MULTIPLY', sheet, 1.5))

    def zoning(n):
        return n.maprange(n.noise(1.3, 2, 0.5).outputs['Fac'], 0.3, 0.7, 0.9, 3.5)

    def bump(n):
        lines = striations(12.0, 0.05)(n)
        return n.bump(n.noise(5.0, 3, 0.6).outputs['Fac'], 0.08, 0.02, normal=lines)

    return clear_crystal('apatite', 1.634, tint=(0.97, 0.98, 0.88), rough=(0.08, 0.2),
                         rough_scale=2.5, absorb=((0.72, 0.8, 0.34), zoning),
                         scatter=((0.93, 0.95, 0.82), cracks), bump=bump)


def apatite():
    """Asparagus-green apatite crystals grown in white calcite: hexagonal
    prisms ended by a low six-sided pyramid, one with a small flat top, as
    apatite is, where a beryl prism ends flat."""
    rockm = S.grain_rock('calcite_matrix', (0.66, 0.64, 0.59), (0.46, 0.44, 0.4),
                         (0.78, 0.77, 0.73), rough=0.55, grain=30.0, bump=0.45)
    matrix = S.rock('matrix', (3.7, 2.6, 1.3), 52, rockm, (0.0, 0.6, 0.7), points=60,
                    lumpy=0.65)
    inv = matrix.matrix_world.inverted()
    down = inv.to_3x3() @ Vector((0, 0, -1))
    mat = _apatite_material()
    rng = random.Random(5)
    # (root, direction, turn about the axis, radius, length, flat top's share
    # of the radius); leaning across the view, so the points stand in profile.
    crystals = [((0.4, 0.9), (-0.75, 0.3, 0.55), 0, 0.7, 2.5, 0.12),
                ((1.3, 0.9), (0.7, 0.2, 0.7), 45, 0.45, 1.6, 0.0),
                ((-1.4, 0.0), (-0.9, 0.05, 0.45), 10, 0.3, 1.3, 0.0)]
    for i, (xy, d, turn, r, length, top) in enumerate(crystals):
        # The pyramid faces lean some 40 degrees off the base: a low point
        # beside a quartz tip.
        h = 0.8 * r
        if top:
            p = S.prism('apatite%d' % i, r, length, 6, cap=(h * (1 - top), top),
                        base_z=-0.8, jitter=0.05, rng=rng)
        else:
            p = S.prism('apatite%d' % i, r, length, 6, tip=h, base_z=-0.8, jitter=0.05, rng=rng)
        S.bevel(p, 0.008, 1)
        S.assign(p, mat)
        # Rooted in the matrix itself (crystals leaning over one another
        # must not rest on each other), with a collar of calcite hugging
        # the root, so the crystal grows out of the rock, not lies on it.
        hit = matrix.ray_cast(inv @ Vector((xy[0], xy[1], 50.0)), down)[1]
        ground = (matrix.matrix_world @ hit).z
        c = S.rock('collar%d' % i, (r * 1.6, r * 1.6, r), 60 + i, rockm, points=30, lumpy=0.4)
        c.location = (xy[0], xy[1], ground - r * 0.45)
        p.location = (xy[0], xy[1], ground - 0.15)
        spin = Matrix.Rotation(math.radians(turn), 4, 'Z')
        p.rotation_euler = (Vector(d).to_track_quat('Z', 'Y').to_matrix().to_4x4()
                            @ spin).to_euler()


# -------------------------------------------------------------- orthoclase

def _granite():
    """Coarse pink granite: big blocky grains of pink and white feldspar
    with finer grey glassy quartz and flakes of black mica packed between
    them, a little worn."""
    n = S.Nodes('granite')
    warp = n.noise(2.5, 2, 0.5)
    vec = n.node('ShaderNodeVectorMath', _operation='ADD', Vector=n.obj())
    n.link(n.node('ShaderNodeVectorMath', _operation='SCALE', Vector=warp.outputs['Color'],
                  Scale=0.35).outputs[0], vec.inputs[1])
    # Two grain sizes, the feldspars stretched along one way, so the rock
    # reads as grains of every size rather than an even speckle.
    long = n.node('ShaderNodeMapping', Vector=vec.outputs[0], Scale=(1.0, 1.8, 1.3),
                  Rotation=(0, 0, math.radians(30)))
    big = n.node('ShaderNodeTexVoronoi', Vector=long.outputs[0], Scale=3.2)
    small = n.node('ShaderNodeTexVoronoi', Vector=vec.outputs[0], Scale=11.0)
    bigp = n.node('ShaderNodeSeparateRGB', Image=big.outputs['Color'])
    smallp = n.node('ShaderNodeSeparateRGB', Image=small.outputs['Color'])
    feld = n.ramp(bigp.outputs['R'], [(0.0, (0.74, 0.72, 0.67)), (0.35, (0.68, 0.43, 0.34)),
                                      (0.7, (0.52, 0.29, 0.21)), (0.85, (0.78, 0.62, 0.54))])
    fine = n.ramp(smallp.outputs['R'], [(0.0, (0.03, 0.03, 0.03)), (0.22, (0.33, 0.33, 0.34)),
                                        (0.6, (0.7, 0.68, 0.64)), (0.8, (0.62, 0.4, 0.31))])
    for r in (feld, fine):
        r.color_ramp.interpolation = 'CONSTANT'
    # Where a big cell's second channel is low, that patch is fine-grained.
    is_fine = n.math('LESS_THAN', bigp.outputs['G'], 0.45)
    kind = n.node('ShaderNodeMixRGB', Fac=is_fine, Color1=feld.outputs[0],
                  Color2=fine.outputs[0])
    shade = n.maprange(n.noise(9.0, 3, 0.6).outputs['Fac'], 0.3, 0.7, 0.8, 1.1)
    color = n.node('ShaderNodeMixRGB', _blend_type='MULTIPLY', Fac=1.0,
                   Color1=kind.outputs[0], Color2=shade)
    # Quartz and mica grains shine; the feldspars are dull and dusty.
    glassy = n.math('MULTIPLY', is_fine, n.math('LESS_THAN', smallp.outputs['R'], 0.6))
    r = n.maprange(glassy, 0.0, 1.0, 0.7, 0.25)
    edge = n.node('ShaderNodeMixRGB', Fac=is_fine, Color1=big.outputs['Distance'],
                  Color2=small.outputs['Distance'])
    height = n.math('ADD', n.noise(25.0, 3, 0.55).outputs['Fac'],
                    n.math('MULTIPLY', edge.outputs[0], 0.6))
    b = n.bump(height, 0.3, 0.05)
    return n.surface(n.principled(Base_Color=color, Roughness=r, Specular=0.4, Normal=b))


def _feldspar(name, kind):
    """Flesh-pink potassium feldspar, opaque and stony: mottled whiter and
    deeper pink, finely grained, with thin pale perthite streaks. Kind
    'face' is a dull crystal face; 'cleavage' a flat cleavage face with a
    pearly sheen and a few low steps; 'fracture' a dull, hackly, paler
    break, as a fresh fracture through feldspar is."""
    n = S.Nodes(name)
    mott = n.noise(1.6, 5, 0.6)
    color = n.ramp(mott.outputs['Fac'], [(0.3, (0.52, 0.25, 0.16)), (0.5, (0.62, 0.33, 0.23)),
                                         (0.7, (0.7, 0.45, 0.35))])
    # A fine grain all through, so the colour sits on the surface like
    # stone rather than glowing from inside.
    grain = n.maprange(n.noise(60.0, 2, 0.5).outputs['Fac'], 0.35, 0.65, 0.82, 1.08)
    color = n.node('ShaderNodeMixRGB', _blend_type='MULTIPLY', Fac=1.0,
                   Color1=color.outputs[0], Color2=grain)
    # Perthite: thin wavy pale lamellae.
    perth = n.mapped(scale=(9.0, 1.0, 1.3), rotation=(0, math.radians(20), math.radians(35)))
    st = n.noise(1.0, 4, 0.55, vector=perth, distortion=1.5)
    pale = n.maprange(st.outputs['Fac'], 0.56, 0.58, 0.0, 0.55)
    pale = n.math('MULTIPLY', pale, n.maprange(n.noise(2.0, 2, 0.5).outputs['Fac'],
                                                0.4, 0.6, 0.3, 1.0))
    color = n.node('ShaderNodeMixRGB', Fac=pale, Color1=color.outputs[0],
                   Color2=(0.8, 0.68, 0.6))
    # Cleavage cracks: fine straight lines along the other cleavage, here
    # and there, whitish where the crack scatters light.
    crackv = n.mapped(scale=(0.15, 7.0, 7.0))
    cr = n.noise(1.0, 2, 0.5, vector=crackv)
    crack = n.math('MULTIPLY', n.maprange(cr.outputs['Fac'], 0.49, 0.5, 0.0, 1.0),
                   n.maprange(cr.outputs['Fac'], 0.5, 0.51, 1.0, 0.0))
    crack = n.math('MULTIPLY', crack, n.maprange(n.noise(1.5, 2, 0.5).outputs['Fac'],
                                                  0.45, 0.6, 0.0, 1.0))
    color = n.node('ShaderNodeMixRGB', Fac=n.math('MULTIPLY', crack, 0.6),
                   Color1=color.outputs[0], Color2=(0.88, 0.8, 0.74))
    if kind == 'fracture':
        color = n.node('ShaderNodeMixRGB', Fac=0.2, Color1=color.outputs[0],
                       Color2=(0.8, 0.68, 0.6))
        height = n.math('ADD', n.noise(8.0, 4, 0.6).outputs['Fac'],
                        n.math('MULTIPLY', n.noise(4.0, 3, 0.5).outputs['Fac'], 1.5))
        b = n.bump(height, 0.35, 0.04)
        p = n.principled(Base_Color=color, Roughness=0.8, Specular=0.3, Normal=b)
    elif kind == 'cleavage':
        # Low steps where the cleavage jumps from one plane to the next,
        # a few millimetres apart, their risers wavering.
        steps = n.node('ShaderNodeSeparateXYZ', Vector=n.mapped(
            scale=(1.6, 1.0, 0.7), rotation=(0, 0, math.radians(12))))
        wob = n.math('ADD', steps.outputs['X'], n.math('MULTIPLY', n.noise(
            1.5, 2, 0.5).outputs['Fac'], 0.5))
        height = n.math('ADD', n.math('FLOOR', wob), n.math('MULTIPLY', n.noise(
            20.0, 2, 0.5).outputs['Fac'], 0.05))
        b = n.bump(height, 0.25, 0.01)
        p = n.principled(Base_Color=color, Roughness=0.22, Specular=0.8, Sheen=0.15,
                         Normal=b)
    else:
        height = n.math('ADD', n.math('MULTIPLY', st.outputs['Fac'], 0.3), crack)
        b = n.bump(height, 0.08, 0.03)
        r = n.maprange(n.noise(1.2, 3, 0.5).outputs['Fac'], 0.35, 0.65, 0.5, 0.65)
        p = n.principled(Base_Color=color, Roughness=r, Specular=0.45, Normal=b)
    return n.surface(p)


def _feldspar_crystal(name, size, ridge, rng, mats, cuts=(), chips=4):
    """A stubby monoclinic orthoclase prism, z along the c axis: the broad
    side pinacoid b, four prism faces m, and a roof of the gently sloping
    basal face c and the face x sloping the other way, meeting at ridge
    along a. Extra cuts (normal, distance, material) trim it; a few top
    corners are knocked off as small, sharp-edged chips. Crystal faces get
    mats[0], fractures mats[1], and the b and c faces, flat along the two
    cleavages, mats[2]."""
    w, t, h = size
    m, c, x = (math.radians(a) for a in (31, 26, 24))
    planes = [(Vector((0, 1, 0)), t / 2, 2), (Vector((0, -1, 0)), t / 2, 2),
              (Vector((0, 0, -1)), h / 2, 1)]
    for sx in (1, -1):
        for sy in (1, -1):
            planes.append((Vector((sx * math.cos(m), sy * math.sin(m), 0)),
                           w / 2 * math.cos(m), 0))
    top = Vector((ridge, 0, h / 2))
    for nrm, k in ((Vector((math.sin(c), 0, math.cos(c))), 2),
                   (Vector((-math.sin(x), 0, math.cos(x))), 0)):
        planes.append((nrm, nrm.dot(top), k))
    planes += [(Vector(n).normalized(), d, k) for n, d, k in cuts]

    def corners():
        pts = []
        for i in range(len(planes)):
            for j in range(i + 1, len(planes)):
                for k in range(j + 1, len(planes)):
                    mat = Matrix((planes[i][0], planes[j][0], planes[k][0]))
                    if abs(mat.determinant()) < 1e-6:
                        continue
                    p = mat.inverted() @ Vector((planes[i][1], planes[j][1], planes[k][1]))
                    if all(n.dot(p) <= d + 1e-5 for n, d, _ in planes):
                        pts.append(p)
        return pts

    for _ in range(chips):
        nrm = Vector((rng.choice((-1, 1)) * rng.uniform(0.4, 1), rng.choice((-1, 1)) *
                      rng.uniform(0.4, 1), rng.uniform(0.3, 1))).normalized()
        planes.append((nrm, max(nrm.dot(p) for p in corners()) - rng.uniform(0.08, 0.22), 1))
    obj = S.hull(name, corners())
    for mt in mats:
        obj.data.materials.append(mt)
    for poly in obj.data.polygons:
        poly.material_index = max(planes, key=lambda pl: pl[0].dot(poly.normal))[2]
    return obj


def orthoclase():
    """A Carlsbad twin of pink orthoclase grown in coarse pink granite: two
    stubby prisms grown side by side, their broad b faces in one plane, one
    turned half round about the c axis, so their sloping tops meet in a notch and the
    perthite streaks run differently in the two halves."""
    S.rock('granite', (4.4, 2.9, 1.2), 63, _granite(), (0.1, 0.7, 0.6), points=60, lumpy=0.5)
    rng = random.Random(61)
    mats = tuple(_feldspar('orthoclase_' + k, k) for k in ('face', 'fracture', 'cleavage'))
    # The joint is a crystal face where one half stands above the other.
    left = _feldspar_crystal('orthoclase', (4.6, 2.1, 2.8), -1.1, rng, mats,
                             [((1, 0, 0), 0.0, 0)])
    right = _feldspar_crystal('orthoclase_twin', (4.4, 2.1, 3.0), -0.9, rng, mats,
                              [((1, 0, 0), 0.0, 0)])
    right.parent = left
    S.place(right, (0, -0.2, 0.15), (0, 0, 180))
    S.place(left, (0.0, 0.5, 0), (8, 0, -50))
    S.perch(left, 0.8)


# ------------------------------------------------------------------ quartz

def quartz():
    """Rock crystal: clear hexagonal prisms with six-sided tips, striated
    across the prism faces and milky where they grow from the rock."""
    # A darker, iron-stained vein rock, so the clear crystals stand out.
    rockm = S.grain_rock('quartz_host', (0.25, 0.2, 0.15), (0.12, 0.09, 0.07),
                         (0.42, 0.36, 0.28), rough=0.85, grain=60.0)
    S.rock('host', (3.9, 2.7, 1.1), 74, rockm, (0.0, 0.6, 0.6), points=60, lumpy=0.5)
    rng = random.Random(72)
    crystals = [((-0.1, 0.6), (8, -6, 10), 0.62, 3.0),
            ((-1.2, 0.4), (-10, -34, 0), 0.45, 2.6),
            ((1.0, 0.9), (-6, 30, 25), 0.5, 2.9),
            ((0.6, -0.3), (38, 18, 5), 0.33, 1.7),
            ((-0.8, 1.3), (-30, -12, 40), 0.38, 2.2),
            ((1.9, 0.3), (10, 55, 0), 0.3, 1.5)]
    for i, (loc, rot, r, length) in enumerate(crystals):
        def milky(n, length=length):
            return n.maprange(axis(n, 'Z'), -0.4, 0.6 * length, 2.0, 0.0)

        def lines(n, length=length):
            z = axis(n, 'Z')
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

def brilliant(name, hl, hw):
    """An oval brilliant as the convex hull of its outline at each step,
    girdle at z=0: an octagonal table, a ring of star points, the girdle,
    a ring where the pavilion's main facets break, and the culet."""
    def ring(count, size, z, phase):
        return [Vector((hl * size * math.cos(a), hw * size * math.sin(a), z * hw))
                for a in (2 * math.pi * (i + phase) / count for i in range(count))]
    pts = [p for args in ((8, 0.56, 0.36, 0.5), (8, 0.8, 0.19, 0.0), (48, 1.0, 0.02, 0.0),
                          (48, 1.0, -0.02, 0.0), (8, 0.5, -0.46, 0.0)) for p in ring(*args)]
    return S.hull(name, pts + [Vector((0.0, 0.0, -0.86 * hw))])


def lie(obj, location, tilt_deg, turn_deg):
    """Lays a stone on the paper tipped onto its side, as a loose stone
    rests on a pavilion facet (about 42 degrees for these cuts), its
    table turned towards the camera."""
    obj.rotation_euler = (math.radians(tilt_deg), 0.0, math.radians(turn_deg))
    obj.location = location
    S.settle(obj, 0.0)
    return obj


def polished(name, ior, absorb, density):
    """A polished gem: clear, coloured by absorption in its volume, so the
    long paths through the pavilion glow deeper than the table. absorb is
    a colour, or a function making the node that gives it."""
    return clear_crystal(name, ior, rough=(0.0, 0.01), rough_scale=2.0,
                         absorb=(absorb, density), shadow=0.55)


def step_ring(hl, hw, corner, inset, z):
    """The eight corners of an emerald cut's outline, moved in by inset."""
    x, y, c = hl - inset, hw - inset, corner
    return [Vector(v) for v in ((x - c, y, z), (x, y - c, z), (x, c - y, z), (x - c, -y, z),
                                (c - x, -y, z), (-x, c - y, z), (-x, y - c, z), (c - x, y, z))]


def topaz():
    """An imperial topaz, emerald cut long as the prism it came from: a
    long octagonal table, three steps on the crown and four on the
    pavilion down to a keel. It rests on the keel's facet, 42 degrees."""
    hl, hw = 1.9, 1.1
    f = hw / 1.3
    pts = [p for inset, z in ((0.0, 0.02), (0.2, 0.22), (0.44, 0.38), (0.65, 0.45),
                              (0.0, -0.02), (0.29, -0.42), (0.62, -0.85), (0.98, -1.25))
           for p in step_ring(hl, hw, 0.36 * f, inset * f, z * f)]
    keel = [Vector((hl - hw, 0.0, -1.55 * f)), Vector((hw - hl, 0.0, -1.55 * f))]
    t = S.hull('topaz', pts + keel)

    def pleochroic(n):
        # Topaz is pleochroic: light along the long axis (x) comes out
        # pinker. Colouring the volume by position along that axis gives
        # the same look on a stone lying like this one: salmon-red ends
        # round a warm peach middle.
        x = axis(n, 'X')
        along = n.math('ABSOLUTE', n.math('DIVIDE', x, hl))
        return n.ramp(along, ((0.35, (1.0, 0.63, 0.42)), (0.95, (1.0, 0.42, 0.52))))

    S.assign(t, polished('topaz', 1.62, pleochroic, 1.1))
    lie(t, (0.0, 1.6, 0.0), 42, -14)


def corundum():
    """A ruby, oval brilliant cut, in a purplish red."""
    r = brilliant('corundum', 1.5, 1.2)
    S.assign(r, polished('ruby', 1.77, (1.0, 0.02, 0.38), 2.8))
    lie(r, (0.0, 1.6, 0.0), 42, -12)


# ----------------------------------------------------------------- diamond

def _kimberlite():
    """Blue ground: a dark blue-grey to grey-green breccia full of rounded,
    serpentinised olivine grains, dull green to brown."""
    n = S.Nodes('kimberlite')
    # Clasts out of round, as the rock carried and rolled them.
    warp = n.noise(2.5, 2, 0.5)
    vec = n.node('ShaderNodeVectorMath', _operation='ADD', Vector=n.obj())
    n.link(n.node('ShaderNodeVectorMath', _operation='SCALE', Vector=warp.outputs['Color'],
                  Scale=0.3).outputs[0], vec.inputs[1])
    ragged = n.noise(12.0, 3, 0.6).outputs['Fac']
    mott = n.noise(1.3, 5, 0.6)
    color = n.ramp(mott.outputs['Fac'], [(0.3, (0.06, 0.075, 0.085)), (0.5, (0.085, 0.1, 0.11)),
                                         (0.7, (0.11, 0.122, 0.112))]).outputs[0]
    height = n.math('MULTIPLY', n.noise(40.0, 3, 0.55).outputs['Fac'], 0.3)
    # (cells per cm, share of cells with a clast, largest radius in cells,
    # colours of the clasts): dull and close in tone to the ground, so they
    # read as a breccia rather than as bright specks.
    for scale, share, size, stops in (
            (1.5, 0.5, 0.42, [(0.0, (0.15, 0.17, 0.12)), (0.4, (0.2, 0.21, 0.15)),
                              (0.7, (0.2, 0.17, 0.12)), (1.0, (0.12, 0.14, 0.11))]),
            (4.0, 0.45, 0.4, [(0.0, (0.12, 0.14, 0.11)), (0.5, (0.17, 0.18, 0.13)),
                              (1.0, (0.16, 0.14, 0.1))]),
            (11.0, 0.5, 0.35, [(0.0, (0.12, 0.13, 0.11)), (1.0, (0.18, 0.18, 0.15))])):
        v = n.node('ShaderNodeTexVoronoi', Vector=vec.outputs[0], Scale=scale)
        v.feature = 'F1'
        pick = n.node('ShaderNodeSeparateRGB', Image=v.outputs['Color'])
        r = n.math('MULTIPLY', n.math('ADD', pick.outputs['G'], 0.3), size / 1.3)
        r = n.math('MULTIPLY', r, n.math('LESS_THAN', pick.outputs['B'], share))
        # Soft, ragged rims: altered olivine has no crisp outline.
        d = n.math('ADD', v.outputs['Distance'],
                   n.math('MULTIPLY', n.math('SUBTRACT', ragged, 0.5), 0.15))
        mask = n.maprange(n.math('DIVIDE', d, n.math('MAXIMUM', r, 0.001)), 0.8, 1.0, 1.0, 0.0)
        mask = n.math('MULTIPLY', mask, n.math('GREATER_THAN', r, 0.0))
        c = n.ramp(pick.outputs['R'], stops)
        color = n.node('ShaderNodeMixRGB', Fac=mask, Color1=color,
                       Color2=c.outputs[0]).outputs[0]
        height = n.math('ADD', height, n.math('MULTIPLY', mask, 0.12))
    height = n.math('ADD', height, n.noise(5.0, 6, 0.6).outputs['Fac'])
    b = n.bump(height, 0.35, 0.05)
    r = n.maprange(n.noise(3.0, 3, 0.5).outputs['Fac'], 0.3, 0.7, 0.6, 0.9)
    return n.surface(n.principled(Base_Color=color, Roughness=r, Specular=0.35, Normal=b))


def _trigons(scale, depth):
    """Etch pits: shallow triangular hollows, each turned against the
    triangle of its octahedron face, as dissolution leaves them."""
    def make(n):
        p = n.obj()
        v = n.node('ShaderNodeTexVoronoi', Vector=p, Scale=scale)
        v.feature = 'F1'
        q = n.node('ShaderNodeVectorMath', _operation='SUBTRACT', Vector=p)
        n.link(v.outputs['Position'], q.inputs[1])
        qs = n.node('ShaderNodeSeparateXYZ', Vector=q.outputs[0])
        ps = n.node('ShaderNodeSeparateXYZ', Vector=p)
        # Along each face the three axis offsets sum to a constant; their
        # largest, less their mean, has triangles for contours.
        a = [n.math('MULTIPLY', qs.outputs[i], n.math('SIGN', ps.outputs[i])) for i in range(3)]
        mean = n.math('MULTIPLY', n.math('ADD', n.math('ADD', a[0], a[1]), a[2]), 1 / 3)
        t = n.math('SUBTRACT', n.math('MAXIMUM', n.math('MAXIMUM', a[0], a[1]), a[2]), mean)
        pick = n.node('ShaderNodeSeparateRGB', Image=v.outputs['Color'])
        r = n.math('MULTIPLY', n.math('ADD', pick.outputs['G'], 0.4), 0.3 / scale)
        pit = n.maprange(n.math('DIVIDE', t, r), 0.75, 1.0, 1.0, 0.0)
        pit = n.math('MULTIPLY', pit, n.math('GREATER_THAN', pick.outputs['R'], 0.45))
        # A gentle waviness too: resorbed faces are never flat.
        wave = n.math('MULTIPLY', n.noise(3.0, 3, 0.5).outputs['Fac'], 0.6)
        return n.bump(n.math('SUBTRACT', wave, pit), depth, 0.01)
    return make


def diamond():
    """A rough diamond octahedron, about 2.4 cm, rising out of a hand
    specimen of kimberlite: rounded faces with etch pits, clear in places
    and frosted in others, faintly yellow."""
    rock = S.rock('kimberlite', (2.5, 2.0, 1.2), 104, _kimberlite(), (0.0, 0.9, 0.65),
                  points=28, lumpy=0.45)
    rock.rotation_euler = (math.radians(24), 0.0, 0.0)
    S.settle(rock, 0.12)
    rng = random.Random(11)
    # About 2.4 cm from point to point, a little uneven, as real ones are.
    h = 1.2
    pts = [Vector(v) * h * rng.uniform(0.94, 1.06)
           for v in ((1, 0, 0), (-1, 0, 0), (0, 1, 0), (0, -1, 0), (0, 0, 1), (0, 0, -1))]
    d = S.hull('diamond', pts)
    # Softened edges and bulging faces, as resorption leaves them; the
    # rounded edges catch the strip lights as thin bright lines.
    S.bevel(d, 0.09, 3, 20)
    S.subdivide(d, 4)
    cast = d.modifiers.new('curved', 'CAST')
    cast.cast_type = 'SPHERE'
    cast.factor = 0.1
    S.realize(d)
    S.bake_displace(d, 0.6, 0.012, 2, (3.0, -7.0, 11.0))
    # Clear windows next to frosted, etched patches: the clear parts show
    # dark and bright reflections inside, the frosted ones let the lamps'
    # light through as a glow, so the stone is bright and glassy rather
    # than a mirror (metal) or an opaque white (porcelain). A sharp coat
    # over it all gives the oily, adamantine glints.
    n = S.Nodes('diamond')
    r = n.maprange(n.noise(1.5, 3, 0.5).outputs['Fac'], 0.42, 0.58, 0.03, 0.32)
    b = _trigons(5.0, 0.08)(n)
    p = n.principled(Base_Color=(1, 1, 1), Roughness=r, IOR=2.417, Transmission=1.0,
                     Specular=0.5, Clearcoat=0.7, Clearcoat_Roughness=0.02, Normal=b,
                     Clearcoat_Normal=b)
    n.surface(shadow_through(n, p, (0.7,) * 3))
    # Absorption only, no scattering: the studio's single volume bounce
    # turns a milky body dark. The long paths inside give a pale yellow.
    n.volume(n.node('ShaderNodeVolumeAbsorption', Color=(0.95, 0.87, 0.65), Density=0.35))
    S.assign(d, n.mat)
    # Leaning back so the camera, looking down, sees two pyramids base to
    # base, the point up and standing clear of the rock against the
    # paper, which lights it from behind; turned and tipped so its faces
    # meet the light at different angles, its lowest point sunk in.
    d.rotation_mode = 'ZXY'
    S.place(d, (0.15, 0.3, 0), (-25, -10, 32))
    S.perch(d, 0.2)


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
