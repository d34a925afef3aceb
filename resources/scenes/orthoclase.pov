// Orthoclase (hardness 6): a blocky cleavage piece of flesh-pink to salmon
// feldspar streaked with paler albite (perthite). Its two good cleavages
// meet at a right angle: the top and a broken corner, stepped like stairs,
// are flat and shine with a bright glassy-to-pearly lustre (that shine is
// what tells a cleaved feldspar from brick or wood), while the right-hand
// end has broken across the cleavage into a rough, uneven fracture.

#include "studio.inc"

Studio_Camera(<0.05, 0.52, 0>, 13, 34, 0, 17.5)

// The block leans back a little on its front edge, so that its front
// cleavage faces look up towards the lights: upright faces could only
// mirror the dark floor to a camera that looks down on them.
#declare Tilt = 20;
#declare Turn = -32;
#declare View = vrotate(-z, x * 34);
#macro Mirror_Of(N0)   // where a face with normal N0 mirrors the camera's view
  #local N = vrotate(vrotate(N0, x * Tilt), y * Turn);
  (2 * vdot(N, View) * N - View)
#end

// Light panels seen by nothing but the specimen: the flat cleavage faces
// mirror them as a broad sheen (brightest at one end, so it fades across
// the face), which is what tells a cleaved feldspar from a brick.
#declare Panel_Finish = finish { Softbox_Finish }
box {   // for the top cleavage
  <-2, -1, -0.05>, <2, 1, 0.05>
  pigment {
    gradient x
    color_map { [0 color rgb 2.4] [1 color rgb 0.2] }
    scale 4 translate -x * 2
  }
  finish { Panel_Finish }
  Reorient_Trans(z, Mirror_Of(y))
  translate <0, 1.1, 0> + Mirror_Of(y) * 3
  no_image
  no_shadow
}
box {   // for the front cleavage and its steps
  <-1.4, -0.9, -0.05>, <1.4, 0.9, 0.05>
  pigment {
    gradient y
    color_map { [0 color rgb 1.8] [1 color rgb 0.2] }
    scale 1.8 translate -y * 0.9
  }
  finish { Panel_Finish }
  Reorient_Trans(z, Mirror_Of(-z))
  translate <0, 1.1, 0> + Mirror_Of(-z) * 3
  no_image
  no_shadow
}

#declare Feldspar_Pigment = pigment {
  // short, paler, wavy stringers of albite (perthite) through the pink
  // feldspar, over a mottled body colour
  gradient <1, 0.35, 0.15>
  pigment_map {
    [0.00 bozo color_map { [0 color srgb <0.92, 0.63, 0.52>] [1 color srgb <0.97, 0.75, 0.64>] } scale 0.35]
    [0.66 bozo color_map { [0 color srgb <0.92, 0.63, 0.52>] [1 color srgb <0.97, 0.75, 0.64>] } scale 0.35]
    [0.72 bozo color_map { [0.3 color srgb <0.95, 0.72, 0.62>] [0.6 color srgb <0.97, 0.85, 0.77>] } scale <0.15, 0.6, 0.15>]
    [0.78 bozo color_map { [0.3 color srgb <0.95, 0.72, 0.62>] [0.6 color srgb <0.95, 0.81, 0.72>] } scale <0.15, 0.6, 0.15>]
    [0.84 bozo color_map { [0 color srgb <0.92, 0.63, 0.52>] [1 color srgb <0.97, 0.75, 0.64>] } scale 0.35]
  }
  warp { turbulence <0.5, 0.15, 0.5> octaves 4 lambda 2.3 }
  scale 0.26
}

#declare Cleavage = texture {   // flat, glassy-to-pearly cleavage faces
  pigment { Feldspar_Pigment }
  normal { bumps 0.015 scale 0.4 }
  finish {
    ambient 0 diffuse 0.58 specular 0.9 roughness 0.004
    reflection { 0.20, 0.50 fresnel on }
    irid { 0.04 thickness 0.4 turbulence 0.3 }   // the faint pearly play
    conserve_energy
  }
}
#declare Crystal_Face = texture {  // the duller faces the crystal grew with
  pigment { Feldspar_Pigment }
  normal { granite 0.10 scale 0.3 }
  finish { ambient 0 diffuse 0.72 specular 0.3 roughness 0.02 }
}
#declare Fracture = texture {   // rough, uneven break, paler where fresh
  pigment {
    granite
    color_map { [0 color srgb <0.86, 0.60, 0.50>] [0.6 color srgb <0.80, 0.52, 0.43>] [1 color srgb <0.93, 0.76, 0.67>] }
    scale 0.25
  }
  normal { granite 0.5 scale 0.12 }
  finish { ambient 0 diffuse 0.8 specular 0.25 roughness 0.02 }
}

// The block, long along x: cleavage faces on top (y) and front (-z),
// broken off unevenly at the right-hand end.
difference {
  intersection {
    plane { y, 1.25 texture { Cleavage } }
    plane { -z, 0.72 texture { Cleavage } }
    plane { z, 0.72 texture { Crystal_Face } }
    plane { -x, 1.15 texture { Crystal_Face } }
    plane { -y, 0 texture { Crystal_Face } }
    // worn edges along the top front and the back
    plane { vnormalize(<-1, 0.35, -1>), 1.45 texture { Crystal_Face } }
    plane { vnormalize(<0, 1, 1>), 1.33 texture { Crystal_Face } }
    // the uneven fracture, slanting up and towards the front, so the key
    // light rakes across its bumps
    isosurface {
      function {
        (x * 1 + y * 0.45 - z * 0.6) / 1.25 - 0.98
        + 0.22 * f_noise3d(x * 2.5, y * 2.5, z * 2.5)
        + 0.07 * f_noise3d(x * 8, y * 8, z * 8)
      }
      contained_by { box { <-1.4, -0.1, -1>, <1.6, 1.5, 1> } }
      max_gradient 3
      accuracy 0.001
      texture { Fracture }
    }
  }
  // a corner broken off along the two cleavages: a stair of right-angled steps
  box { <-1.3, 0.92, -1>, <-0.25, 2, -0.12> texture { Cleavage } }
  box { <-1.3, 0.58, -1>, <-0.62, 2, -0.42> texture { Cleavage } }
  interior { ior 1.52 }   // for the fresnel sheen on the cleavages
  rotate x * Tilt
  rotate y * Turn
  translate -y * 0.72 * sin(radians(Tilt))   // resting on its front edge
}
