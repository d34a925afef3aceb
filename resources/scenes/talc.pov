// Talc (hardness 1): a piece of foliated talc, whitish with a pale grey-
// green cast, built of thin, flaky layers stacked like the pages of a
// book; their edges are staggered and frayed along the sides, and a few
// low terraces step across the top. Its lustre is matte to greasy-pearly:
// a faint, broad sheen and no bright, wet highlight, which would turn it
// into soap or jade.

// a soft rim light, so the ragged layer edges throw a soft shadow
#declare Studio_Soft_Rim = 1;
#include "studio.inc"

Studio_Camera(<0.05, 0.55, 0>, 10, 34, 0, 17)

// The layers: thickness Lt, tilted a little (so the top cuts across them
// in low terraces) and waving (so they are not ruled lines). Each layer's
// outline is pushed in or out by its own amount and frayed by its own
// noise, so the edges step and flake along the sides.
#declare Lt = 0.09;
#declare Fol = function { y * 0.97 + x * 0.17 - z * 0.12 + 0.16 * f_noise3d(x * 0.7, 0, z * 0.7) }
#declare Layer = function { floor(Fol(x, y, z) / Lt) }
// The body: a broken lump, higher at the back left and thinning to the
// front right, with its surface warped by broad bumps and hollows.
#declare Lump_Fn = function {
  f_rounded_box(x + 0.25 * f_noise3d(x * 0.8, y * 0.8 + 5, z * 0.8),
                y + 0.22 * x - 0.12 * z, z, 0.45, 1.2, 0.55, 0.9)
  + 0.55 * f_noise3d(x * 0.9 + 3, y * 0.9, z * 0.9)
  // each layer its own step in or out ...
  + 0.16 * (f_noise3d(Layer(x, y, z) * 2.37, 7.1, 3.3) - 0.5)
  // ... and its own frayed edge
  + 0.05 * f_noise3d(x * 4.5 + Layer(x, y, z) * 1.9, Layer(x, y, z) * 0.77, z * 4.5)
  - 0.12
}

// Greasy-pearly on the broad layer faces: a faint sheen spread wide and
// no mirror reflection; the frayed layer edges are matte.
#declare Talc_Pigment = pigment {
  function { f_noise3d(floor(Fol(x, y, z) / Lt) * 3.1, 1.7, 0.4) * 0.6
             + f_noise3d(x * 3, y * 3, z * 3) * 0.4 }
  color_map {   // whitish to pale grey-green, each layer a shade of its own
    [0.00 color srgb <0.64, 0.71, 0.62>]
    [0.35 color srgb <0.73, 0.79, 0.70>]
    [0.65 color srgb <0.81, 0.85, 0.78>]
    [1.00 color srgb <0.69, 0.76, 0.67>]
  }
}
#declare Talc = texture {
  slope { <0.17, 0.97, -0.12> }
  texture_map {
    [0.00 pigment { Talc_Pigment }
          normal { bumps 0.12 scale <0.25, 0.02, 0.25> }   // torn sheet edges
          finish { ambient 0 diffuse 0.62 }]
    [0.80 pigment { Talc_Pigment }
          normal { bumps 0.12 scale <0.25, 0.02, 0.25> }   // torn sheet edges
          finish { ambient 0 diffuse 0.62 }]
    [0.92 pigment { Talc_Pigment }
          normal { bumps 0.08 scale 0.3 }
          finish { ambient 0 diffuse 0.54 specular 0.2 roughness 0.16
                   brilliance 0.9 irid { 0.02 thickness 0.5 turbulence 0.6 } }]
    [1.00 pigment { Talc_Pigment }
          normal { bumps 0.08 scale 0.3 }
          finish { ambient 0 diffuse 0.54 specular 0.2 roughness 0.16
                   brilliance 0.9 irid { 0.02 thickness 0.5 turbulence 0.6 } }]
  }
}
#declare Body = intersection {
  isosurface {
    function { Lump_Fn(x, y, z) }
    contained_by { box { <-1.9, -1.1, -1.6>, <1.9, 1.1, 1.6> } }
    max_gradient 4
    accuracy 0.0008
  }
  plane { -y, 0.3 }   // it rests on a flat underside
  texture { Talc }
}

object { Body translate y * 0.3 }
