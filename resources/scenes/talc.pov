// Talc (hardness 1): a compact lump of massive talc (soapstone), pale
// green-grey to greenish white, with the soft greasy, pearly sheen that
// makes talc feel like soap. Its surfaces are irregular breaks; on the
// broken front the fine, wavy foliation shows as thin layers. Two fresh
// fingernail scratches run across the top as pale, powdery grooves: talc
// is the one mineral a fingernail scratches, which is why it is 1 on the
// scale.

// a lighter ground and softer shadows, so the pale lump keeps its outline
#declare Studio_Backdrop = <0.38, 0.40, 0.43>;
#declare Studio_Shadow_Fill = 0.10;
#declare Studio_Soft_Rim = 1;
#include "studio.inc"

Studio_Camera(<0.05, 0.5, 0>, 10, 36, 0, 17)

// the massive body: a rough rounded block with lumpy, broken surfaces
#declare Lump_Fn = function {
  f_rounded_box(x, y, z, 0.35, 1.25, 0.6, 0.95)
  + 0.26 * f_noise3d(x * 1.3, y * 1.3, z * 1.3)
  + 0.05 * f_noise3d(x * 5, y * 5, z * 5)
  - 0.08
}

#declare Talc_Finish = finish {
  ambient 0 diffuse 0.75
  specular 0.35 roughness 0.06     // broad, soft highlights: the greasy feel
  brilliance 1.1
  irid { 0.02 thickness 0.4 turbulence 0.5 }   // faint pearly play
  reflection { 0.01, 0.08 fresnel on }
  conserve_energy
}
// Foliation: fine, wavy bands of slightly different shade, stacked along
// y; on the smooth weathered top they are hard to see, on the broken
// front they show plainly.
#declare Talc_Pigment = pigment {
  gradient y
  color_map {
    [0.00 color srgb <0.68, 0.80, 0.66>]
    [0.35 color srgb <0.80, 0.88, 0.77>]
    [0.55 color srgb <0.64, 0.75, 0.63>]
    [0.80 color srgb <0.84, 0.90, 0.80>]
    [1.00 color srgb <0.68, 0.80, 0.66>]
  }
  warp { turbulence <0.15, 0.4, 0.15> octaves 3 }
  scale 0.09
}
#declare Talc = texture {
  pigment { Talc_Pigment }
  normal { wrinkles 0.2 scale 0.35 }
  finish { Talc_Finish }
}
#declare Broken = texture {   // the fresh break: layered, finely ridged
  pigment { Talc_Pigment }
  normal { granite 0.15 scale 0.5 }
  finish { Talc_Finish }
}
// the powder a fingernail leaves in its groove: white and dull
#declare Powder = texture {
  pigment { color srgb <0.96, 0.97, 0.94> }
  normal { bumps 0.4 scale 0.02 }
  finish { ambient 0 diffuse 1 emission 0.05 }   // fine powder scatters light everywhere
}

#declare Body = intersection {
  isosurface {
    function { Lump_Fn(x, y, z) }
    contained_by { box { <-1.9, -1.1, -1.6>, <1.9, 1.1, 1.6> } }
    max_gradient 2.6
    accuracy 0.001
    texture { Talc }
  }
  // broken off at the front left across the foliation: an uneven break,
  // facing the light so its layers show
  isosurface {
    function {
      -0.507 * x + 0.169 * y - 0.845 * z - 0.8
      + 0.05 * f_noise3d(x * 3, y * 1.2, z * 3)
      + 0.025 * f_noise3d(x * 2, y * 14, z * 2)
    }
    contained_by { box { <-1.9, -1.1, -1.6>, <1.9, 1.1, 1.6> } }
    max_gradient 1.6
    accuracy 0.001
    texture { Broken }
  }
  // and at the back right, in an older, weathered break
  plane { vnormalize(<0.8, 0.6, 0.5>), 1.2 texture { Talc } }
  plane { -y, 0.42 texture { Talc } }   // it rests on a flat underside
}

// Two scratches across the top, laid on the surface by tracing down to
// it: each bows a little, as a fingernail drawn across would, and tapers
// at both ends. Bow: sideways bend (in units) at its middle.
#macro Scratch(A, B, R, Bow)
  #local Side = vnormalize(<-(B - A).y, (B - A).x>);
  sphere_sweep {
    linear_spline 9
    #for (I, 0, 8)
      #local T = I / 8;
      #local P = A + (B - A) * T + Side * Bow * 4 * T * (1 - T);
      #local Nrm = <0, 0, 0>;
      #local Hit = trace(Body, <P.x, 3, P.y>, -y, Nrm);
      Hit, R * (0.35 + 0.65 * pow(sin(pi * T), 0.5))
    #end
  }
#end

difference {
  object { Body }
  object { Scratch(<-0.50, -0.02>, <0.70, -0.50>, 0.06, 0.07) }
  object { Scratch(<-0.25, 0.25>, <0.85, -0.05>, 0.05, 0.05) }
  texture { Powder }   // the cut, i.e. the grooves, is powdery white
  translate y * 0.42
}
