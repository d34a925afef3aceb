// Gypsum (hardness 2): a fan of selenite blades, clear to milky white with
// a pearly sheen on their broad faces, growing from a little clay base.

#include "studio.inc"

Studio_Camera(<0, 1.05, 0>, 11.5, 22, 0, 24)

// One bladed crystal along +y: flat, with the slanted monoclinic end.
// Len: length; Wid: width; Thk: thickness.
#macro Selenite(Len, Wid, Thk)
  intersection {
    box { <-Wid / 2, 0, -Thk / 2>, <Wid / 2, Len + Wid, Thk / 2> }
    plane { <0.45, 1, 0>, Len * 0.9 }             // the slanted tip
    plane { <-0.9, 1, 0>, Len * 0.98 }
    plane { <1, 0, 0.35>, Wid / 2 }              // bevelled narrow sides
    plane { <-1, 0, -0.35>, Wid / 2 }
  }
#end

#declare Selenite_Texture = texture {
  pigment {
    // milky cleavage sheets and fibres running along the blade
    gradient z
    color_map {
      [0.00 color rgbf <1.00, 0.99, 0.96, 0.80>]
      [0.50 color rgbf <1.00, 0.99, 0.96, 0.80>]
      [0.70 color rgbf <0.97, 0.96, 0.93, 0.35>]
      [1.00 color rgbf <1.00, 0.99, 0.96, 0.80>]
    }
    warp { turbulence <0.1, 0.6, 0.1> }
    scale <1, 2, 0.08>
  }
  normal { gradient x 0.08 scale 0.05 turbulence 0.2 }   // fine striations
  finish {
    ambient 0 diffuse 0.45
    specular 0.6 roughness 0.008
    reflection { 0.03, 0.5 fresnel on }
    irid { 0.15 thickness 0.5 turbulence 0.4 }     // pearly play of colour
    conserve_energy
  }
}
#declare Selenite_Interior = interior {
  ior 1.52
  fade_distance 2
  fade_power 1001
  fade_color srgb <0.97, 0.95, 0.90>
}

#macro Blade(Len, Wid, Thk, Lean, Turn, Pos)
  object {
    Selenite(Len, Wid, Thk)
    texture { Selenite_Texture }
    interior { Selenite_Interior }
    rotate z * Lean
    rotate y * Turn
    translate Pos
  }
#end

union {
  Blade(2.6, 0.62, 0.26,   6,  15, <0.05, 0, 0>)
  Blade(2.2, 0.55, 0.24,  24, -25, <-0.2, 0, 0.1>)
  Blade(2.0, 0.50, 0.22, -20,  30, <0.25, 0, -0.05>)
  Blade(1.6, 0.46, 0.20,  42,  60, <-0.3, 0, -0.15>)
  Blade(1.7, 0.44, 0.20, -40, -45, <0.3, 0, 0.2>)
  Blade(1.3, 0.40, 0.18,  55, -70, <-0.35, 0, 0.25>)
  Blade(1.2, 0.38, 0.18, -58,  80, <0.4, 0, -0.25>)
  translate y * 0.25
}

// the base the blades grew from: clay with gypsum sand
isosurface {
  function {
    sqrt(pow(x / 0.8, 2) + pow(y / 0.34, 2) + pow(z / 0.55, 2)) - 1
    + 0.18 * f_noise3d(x * 2.5, y * 2.5, z * 2.5)
  }
  contained_by { box { <-1.3, -0.6, -1>, <1.3, 0.6, 1> } }
  max_gradient 4
  texture {
    pigment {
      granite
      color_map {
        [0.0 color srgb <0.66, 0.57, 0.46>]
        [0.5 color srgb <0.78, 0.72, 0.62>]
        [1.0 color srgb <0.55, 0.46, 0.37>]
      }
      scale 0.5
    }
    normal { granite 0.6 scale 0.08 }
    finish { ambient 0 diffuse 0.8 }
  }
  translate y * 0.16
}
