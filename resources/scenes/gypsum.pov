// Gypsum (hardness 2): a small group of selenite blades, the colourless
// crystals of gypsum, standing upright in a lump of grey rock. Each blade
// is flat (tabular), with a slanted, chisel-like end; the broad face is
// gypsum's perfect cleavage and has a soft pearly sheen, with fine silky
// streaks along the length and thin, pearly sheets parted inside. The
// blades are clear near the tips and milky white at their feet, where they
// grew; imperfect, slightly uneven faces keep them from looking like cut
// plastic. Flat blades with slanted ends keep gypsum apart from calcite's
// rhombs and quartz's six-sided points.

#declare Studio_Soft_Rim = 1;
#include "studio.inc"

Studio_Camera(<0.0, 1.3, 0.0>, 12, 16, 0, 17.5)

// One blade, standing on y = 0, broad faces normal to z. Half-width W,
// half-thickness T, height Len (to the low corner of the slanted end),
// which rises by Rise across the blade.
#macro Blade(W, T, Len, Rise)
intersection {
  plane { z, T }
  plane { -z, T }
  // the narrow prism faces bevel the long edges
  #local N = vnormalize(<1, 0, 0.55>);   plane { N, vdot(N, <W, 0, T * 0.3>) }
  #local N = vnormalize(<1, 0, -0.55>);  plane { N, vdot(N, <W, 0, -T * 0.3>) }
  #local N = vnormalize(<-1, 0, 0.55>);  plane { N, vdot(N, <-W, 0, T * 0.3>) }
  #local N = vnormalize(<-1, 0, -0.55>); plane { N, vdot(N, <-W, 0, -T * 0.3>) }
  plane { x, W }
  plane { -x, W }
  // the slanted end, and its two chisel bevels, front and back
  #local N = vnormalize(<-Rise / (2 * W), 1, 0>);
  plane { N, vdot(N, <W, Len, 0>) }
  #local N = vnormalize(<-Rise / (2 * W), 1, 1.4>);
  plane { N, vdot(N, <W, Len, T * 0.35>) }
  #local N = vnormalize(<-Rise / (2 * W), 1, -1.4>);
  plane { N, vdot(N, <W, Len, -T * 0.35>) }
  // the sharp top corner blunted
  #local N = vnormalize(<1, 0.7, 0>);
  plane { N, vdot(N, <-W, Len + Rise, 0>) - 0.05 }
  plane { -y, 0.5 }
}
#end

// Clear and colourless, with a little light scattered inside, so the
// blade has a body of its own and does not read as acrylic sheet.
#declare Selenite_Finish = finish {
  ambient 0 diffuse 0.22, 0.5   // the second value: light through the blade from behind
  specular 0.35 roughness 0.03
  reflection { 0.03, 0.3 fresnel on }
  irid { 0.04 thickness 0.45 turbulence 0.4 }   // the faint pearly play of colour
  conserve_energy
}
// clear above, milky white towards the foot
#declare Body_Pigment = pigment {
  gradient y
  color_map {
    [0.00 color rgbft <0.96, 0.96, 0.95, 0.0, 0.35>]
    [0.28 color rgbft <0.97, 0.97, 0.96, 0.2, 0.55>]
    [0.55 color rgbft <0.99, 0.99, 0.98, 0.45, 0.33>]
    [1.00 color rgbft <1.00, 1.00, 0.99, 0.55, 0.30>]
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
      [0.35 color rgbt <1, 1, 1, 1>]
      [0.60 color rgbt <0.98, 0.98, 1.0, 0.45>]
      [0.85 color rgbt <1, 1, 1, 1>]
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

// Thin sheets parted along the cleavage inside the blade: seen through the
// face as pale, pearly planes, the way a selenite blade looks layered.
#macro Sheets(W, T, Len)
union {
  box { <-W * 0.8, 0.1, -0.004>, <W * 0.4, Len * 0.75, 0.004> translate z * T * 0.35 }
  box { <-W * 0.3, 0.3, -0.004>, <W * 0.85, Len * 0.9, 0.004> translate -z * T * 0.3 }
  pigment { color rgbt <1, 1, 1, 0.82> }
  finish { ambient 0 diffuse 0.6 specular 0.4 roughness 0.02
           irid { 0.1 thickness 0.5 turbulence 0.5 } }
  no_shadow
}
#end

// Place a blade: it stands in the rock, turned and leaning.
#macro Crystal(W, T, Len, Rise, Lean, Turn, Pos)
union {
  object {
    Blade(W, T, Len, Rise)
    Selenite_Texture()
    interior { Selenite_Interior }
  }
  Sheets(W, T, Len)
  rotate z * Lean
  rotate y * Turn
  translate Pos
}
#end

Crystal(0.40, 0.10, 2.10, 0.40,   4, -18, <0.05, 0.4, 0.15>)
Crystal(0.30, 0.08, 1.45, 0.32, -24,  25, <0.55, 0.4, 0.35>)
Crystal(0.24, 0.07, 1.05, 0.26,  30, -40, <-0.55, 0.35, -0.1>)

// the grey rock the blades grew from, broad and flat, so the group stands
object { Studio_Rock(<1.35, 0.75, 0.9>, 9) translate y * 0.3 }
