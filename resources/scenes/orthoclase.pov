// Orthoclase (hardness 6): a blocky, salmon-pink feldspar crystal. Its top
// corner has broken away along the two cleavages, leaving a stair of flat,
// shiny faces meeting at right angles; the crystal faces are duller.

#include "studio.inc"

Studio_Camera(<0.1, 0.62, 0>, 13, 30, 0, 23)

#declare Feldspar_Pigment = pigment {
  // faint, thin whitish streaks of albite (perthite) in the pink feldspar,
  // over a gently mottled body colour
  gradient <1, 0.2, 0.1>
  pigment_map {
    [0.00 bozo color_map { [0 color srgb <0.84, 0.55, 0.45>] [1 color srgb <0.89, 0.63, 0.52>] } scale 0.5]
    [0.80 bozo color_map { [0 color srgb <0.84, 0.55, 0.45>] [1 color srgb <0.89, 0.63, 0.52>] } scale 0.5]
    [0.88 color srgb <0.93, 0.76, 0.67>]
    [0.96 bozo color_map { [0 color srgb <0.84, 0.55, 0.45>] [1 color srgb <0.89, 0.63, 0.52>] } scale 0.5]
  }
  warp { turbulence 0.25 octaves 3 }
  scale 0.09
}

#declare Dull = texture {
  pigment { Feldspar_Pigment }
  normal { granite 0.12 scale 0.3 }
  finish { ambient 0 diffuse 0.78 specular 0.10 roughness 0.05 }
}
#declare Cleavage = texture {   // flat, vitreous cleavage faces
  pigment { Feldspar_Pigment }
  normal { bumps 0.02 scale 0.6 }
  finish {
    ambient 0 diffuse 0.7 specular 0.6 roughness 0.005
    reflection { 0.02, 0.15 fresnel on }
  }
}

// A short prismatic crystal (long along x) with bevelled vertical edges and
// sloping end faces, minus a stepped notch where a corner cleaved off.
difference {
  intersection {
    box { <-1.2, 0, -0.7>, <1.2, 1.3, 0.7> }
    plane { <1, 0, 1.3>, 1.25 }     // prism faces on the vertical edges
    plane { <1, 0, -1.3>, 1.25 }
    plane { <-1, 0, 1.3>, 1.25 }
    plane { <-1, 0, -1.3>, 1.25 }
    plane { <0.75, 1, 0>, 1.55 }    // sloping terminations
    plane { <-1.2, 1, 0>, 1.75 }
    texture { Dull }
  }
  // the broken corner (front, top, right): two cleavage steps
  box { <0.10, 0.95, -1>, <2, 2, -0.10> texture { Cleavage } }
  box { <0.45, 0.62, -1>, <2, 2, -0.38> texture { Cleavage } }
  rotate y * -35
}

// a few cleaved chips lying beside it
#for (I, 0, 2)
  box {
    <-0.11, 0, -0.08>, <0.11, 0.1, 0.08>
    texture { Cleavage }
    rotate y * (35 + I * 50)
    translate <-1.25 + I * 0.28, 0, -1.0 + I * 0.12>
  }
#end
