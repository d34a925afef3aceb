// Talc (hardness 1): a pale green-white foliated lump. It is built as a
// stack of thin, ragged sheets, so the sides show the foliation edge-on and
// the top is a broad sheet with the soft greasy-pearly sheen of talc.

#include "studio.inc"

Studio_Camera(<0, 0.5, 0>, 10, 32, 10, 24)

#declare Sheets = 17;
#declare Thick = 0.058;
#declare Points = 60;

#declare Talc_Finish = finish {
  ambient 0 diffuse 0.72
  specular 0.6 roughness 0.025     // broad, soft highlights: the greasy feel
  brilliance 1.3
  irid { 0.07 thickness 0.4 turbulence 0.3 }   // faint pearly play
  reflection { 0.01, 0.08 fresnel on }
}
#declare Talc_Normal = normal {
  average
  normal_map {
    [1 wrinkles 0.35 scale 0.25]
    [1 gradient x 0.15 scale 0.12 turbulence 0.6]   // crumpled flakes
  }
}

union {
  #for (I, 0, Sheets - 1)
    #local H = I / Sheets;
    // the lump is thickest in the middle: upper sheets are smaller
    #local Shrink = sqrt(1 - 0.75 * H * H);
    prism {
      linear_sweep linear_spline
      0, Thick * 1.02, Points + 1
      #for (J, 0, Points)
        #local A = 2 * pi * J / Points;
        // slow noise (similar from sheet to sheet) shapes the lump; fast
        // noise makes each sheet's edge ragged
        #local R = Shrink
          * (1 + 0.28 * f_noise3d(cos(A) * 1.2, H * 0.8, sin(A) * 1.2) - 0.14
               + 0.12 * f_noise3d(cos(A) * 4, I * 1.7, sin(A) * 4) - 0.03);
        <1.5 * R * cos(A), 1.05 * R * sin(A)>
      #end
      texture {
        pigment {
          bozo
          color_map {
            [0.0 color srgb <0.80, 0.87, 0.76> * (0.93 + 0.12 * f_noise3d(I * 2.3, 0, 0))]
            [1.0 color srgb <0.92, 0.94, 0.89> * (0.93 + 0.12 * f_noise3d(I * 2.3, 0, 0))]
          }
          scale 0.5
        }
        normal { Talc_Normal }
        finish { Talc_Finish }
      }
      // gentle waviness: each sheet tilts a little differently
      rotate <5 * f_noise3d(I * 0.4, 1, 0) - 2.5, 0, 5 * f_noise3d(I * 0.4, 2, 0) - 2.5>
      // and the stack is not quite centred: the mass leans and bulges
      translate <0.5 * f_noise3d(I * 0.15, 3, 0) - 0.25, I * Thick, 0.4 * f_noise3d(I * 0.15, 4, 0) - 0.2>
    }
  #end
  rotate y * -15
}
