// Gypsum (hardness 2): a swallowtail ("fish tail") twin of selenite, the
// colourless crystals of gypsum, standing upright in a lump of grey rock.
// Two thin, flat blades are grown together along a straight seam, each
// ending in a long slanted tip, so the pair opens into a deep V at the
// top. The broad face is gypsum's perfect cleavage and has a soft pearly
// sheen, with fine silky streaks along the length and thin, pearly sheets
// parted inside; the blades are milky white at their feet, where they grew.
// The V outline of flat blades keeps gypsum apart from quartz's fan of
// six-sided points and from calcite's rhombs.

#declare Studio_Soft_Rim = 1;
#include "studio.inc"

Studio_Camera(<0.0, 1.35, 0.0>, 12, 14, 0, 17.5)

// Colourless but not glass-clear: light scattered inside gives the blade a
// milky, pearly body of its own, unlike the water-clear quartz.
#declare Selenite_Finish = finish {
  ambient 0 diffuse 0.32, 0.5   // the second value: light through the blade from behind
  specular 0.35 roughness 0.03
  reflection { 0.03, 0.3 fresnel on }
  irid { 0.04 thickness 0.45 turbulence 0.4 }   // the faint pearly play of colour
  conserve_energy
}
// milky white at the foot, a little clearer towards the tips
#declare Body_Pigment = pigment {
  gradient y
  color_map {
    [0.00 color rgbft <0.96, 0.95, 0.93, 0.0, 0.25>]
    [0.28 color rgbft <0.97, 0.96, 0.94, 0.12, 0.35>]
    [0.55 color rgbft <0.99, 0.98, 0.95, 0.2, 0.22>]
    [1.00 color rgbft <1.00, 0.99, 0.96, 0.25, 0.2>]
  }
  warp { turbulence <0.15, 0.1, 0.15> }
  scale 2.6
}
#macro Selenite_Texture()
texture {
  pigment { Body_Pigment }
  normal {   // fine silky lines along the blade, and a slightly uneven face
    average
    normal_map {
      [1 bumps 0.25 scale <0.012, 0.8, 0.012>]
      [1 bumps 0.06 scale 0.25]
    }
  }
  finish { Selenite_Finish }
}
texture {   // pearly, satin patches on the cleavage face, where sheets have parted
  pigment {
    bozo
    color_map {
      [0.00 color rgbt <1, 1, 1, 1>]
      [0.25 color rgbt <1, 1, 1, 1>]
      [0.60 color rgbt <0.98, 0.98, 1.0, 0.35>]
      [0.92 color rgbt <1, 1, 1, 1>]
      [1.00 color rgbt <1, 1, 1, 1>]
    }
    scale <0.25, 0.7, 0.25>
  }
  normal { bumps 0.3 scale <0.01, 0.6, 0.01> }   // silky streaks along the length
  finish { ambient 0 diffuse 0.55 specular 0.25 roughness 0.05
           irid { 0.08 thickness 0.5 turbulence 0.3 } }
}
#end
#declare Selenite_Interior = interior { ior 1.52 }

// One half of a swallowtail twin, standing on y = 0 with its broad faces
// normal to z: it runs from the twin seam at x = 0 out to x = 2 W, and its
// slanted end climbs Rise from the seam to the outer tip, so two mirrored
// halves leave a deep V between their tails.
#macro Tail(W, T, Len, Rise)
intersection {
  plane { z, T }
  plane { -z, T }
  // the narrow prism faces bevel the outer edge
  #local N = vnormalize(<1, 0, 0.55>);  plane { N, vdot(N, <2 * W, 0, T * 0.3>) }
  #local N = vnormalize(<1, 0, -0.55>); plane { N, vdot(N, <2 * W, 0, -T * 0.3>) }
  plane { x, 2 * W }
  plane { -x, 0 }
  // the slanted end, and its chisel bevels, front and back
  #local N = vnormalize(<-Rise / (2 * W), 1, 0>);
  plane { N, vdot(N, <0, Len, 0>) }
  #local N = vnormalize(<-Rise / (2 * W), 1, 1.4>);
  plane { N, vdot(N, <0, Len, T * 0.35>) }
  #local N = vnormalize(<-Rise / (2 * W), 1, -1.4>);
  plane { N, vdot(N, <0, Len, -T * 0.35>) }
  // the tip a little blunted, as grown
  #local N = vnormalize(<1, 0.3, 0>);
  plane { N, vdot(N, <2 * W, Len + Rise, 0>) - 0.03 }
  plane { -y, 0.5 }
}
#end

// Sheets parted inside one tail, kept clear of its slanted end.
#macro Tail_Sheets(W, T, Len)
union {
  box { <W * 0.15, 0.1, -0.004>, <W * 1.3, Len * 0.8, 0.004> translate z * T * 0.35 }
  box { <W * 0.7, 0.3, -0.004>, <W * 1.8, Len * 0.95, 0.004> translate -z * T * 0.3 }
  pigment { color rgbt <1, 1, 1, 0.8> }
  finish { ambient 0 diffuse 0.6 specular 0.4 roughness 0.02
           irid { 0.1 thickness 0.5 turbulence 0.5 } }
  no_shadow
}
#end

// A swallowtail ("fish tail") twin: two mirrored tails grown together along
// the seam, each splayed outward by Splay degrees and turned a little, so
// the two halves catch the light differently and the seam shows. This V
// outline is gypsum's own; no quartz or calcite grows like it.
#macro Swallowtail(W, T, Len, Rise, Splay, Turn, Pos)
union {
  union {
    object { Tail(W, T, Len, Rise) Selenite_Texture() interior { Selenite_Interior } }
    Tail_Sheets(W, T, Len)
    rotate z * -Splay rotate y * -4
  }
  union {
    object { Tail(W, T, Len, Rise) Selenite_Texture() interior { Selenite_Interior } }
    Tail_Sheets(W, T, Len)
    rotate z * -Splay rotate y * -4
    scale <-1, 1, 1>
  }
  rotate y * Turn
  translate Pos
}
#end

// one swallowtail twin, alone, broad face to the camera, so its V outline
// tells it from the quartz cluster at a glance
Swallowtail(0.38, 0.07, 1.3, 0.8, 3, -15, <-0.05, 0.35, 0.05>)

// the grey rock the blades grew from, broad and flat, so the group stands
object { Studio_Rock(<1.35, 0.75, 0.9>, 9) translate y * 0.3 }
