// Talc (hardness 1): a pale green-white foliated piece. It is built as a
// tilted stack of thin, ragged sheets: the sides show the foliation as fine
// layers, the upper sheets have broken away along straight cleavage cracks
// and left terraces, a few flakes are peeling up, and loose flakes lie
// beside it. The broad sheet faces have the soft pearly sheen of talc.

// a lighter ground and softer shadows, so the pale flakes keep their
// outline without a black pool under them
#declare Studio_Backdrop = <0.40, 0.42, 0.45>;
#declare Studio_Shadow_Fill = 0.12;
#declare Studio_Soft_Rim = 1;
#include "studio.inc"

Studio_Camera(<0, 0.6, -0.1>, 10, 30, 10, 20)

#declare Rnd = seed(1234);
#declare Sheets = 26;
#declare Thick = 0.045;
#declare Points = 48;

#declare Talc_Finish = finish {
  ambient 0 diffuse 0.72
  specular 0.45 roughness 0.03     // broad, soft highlights: the greasy feel
  brilliance 1.2
  irid { 0.10 thickness 0.4 turbulence 0.5 }   // faint pearly play
  reflection { 0.01, 0.10 fresnel on }
}
#declare Talc_Normal = normal {
  average
  normal_map {
    [1 wrinkles 0.25 scale 0.3]
    [1 gradient x 0.12 scale 0.15 turbulence 0.6]   // crumpled flakes
  }
}
// Each sheet is a touch darker at its underside, so that edge-on the stack
// shows its layers; Tone varies the shade from sheet to sheet.
#macro Talc_Texture(Tone, T)
  texture {
    pigment {
      gradient y
      color_map {
        [0.00 color srgb <0.48, 0.66, 0.48> * Tone]
        [0.40 color srgb <0.72, 0.88, 0.69> * Tone]
        [1.00 color srgb <0.80, 0.93, 0.77> * Tone]
      }
      scale T * 1.001   // so the top face takes the top colour
    }
    normal { Talc_Normal }
    finish { Talc_Finish }
  }
#end

// A ragged sheet of radius about Size, thickness T, with edge noise from
// Key; Cut: how many straight breaks cross it.
#macro Sheet(Size, Sx, Sz, T, Key, Cut)
  intersection {
    prism {
      linear_sweep linear_spline
      0, T, Points + 1
      #for (J, 0, Points)
        #local A = 2 * pi * J / Points;
        #local R = Size
          * (1 + 0.50 * f_noise3d(cos(A) * 1.3, 0.5, sin(A) * 1.3) - 0.25
               + 0.16 * f_noise3d(cos(A) * 5, Key, sin(A) * 5) - 0.08);
        <Sx * R * cos(A), Sz * R * sin(A)>
      #end
    }
    #for (K, 1, Cut)
      #local Az = 360 * rand(Rnd);
      plane { vrotate(x, y * Az), Size * (0.35 + 0.6 * rand(Rnd)) }
    #end
  }
#end

// The piece broke out of a larger mass across the foliation: a few
// common fracture planes, each sheet ending a little short of or beyond
// them, give straight, finely layered broken sides.
#declare Breaks = array[4] {
  <-1, 0.3, -0.25>, <0.35, -0.2, -1>, <1, 0.25, 0.3>, <-0.2, 0, 1>
}
#declare Break_D = array[4] { 1.05, 0.72, 1.2, 0.8 }

union {
  #for (I, 0, Sheets - 1)
    #local H = I / Sheets;
    // the upper sheets are broken back along cleavage cracks
    #local Size = 1.05 - 0.3 * H * H;
    #local T = Thick * (0.7 + 0.6 * rand(Rnd));
    object {
      intersection {
        Sheet(Size, 1.45, 1.1, T, I * 1.7, (H > 0.45 ? 1 + (H > 0.75) : 0))
        #for (K, 0, 3)
          plane { vnormalize(Breaks[K]), Break_D[K] * (0.92 + 0.22 * rand(Rnd)) }
        #end
      }
      Talc_Texture(0.93 + 0.10 * rand(Rnd), T)
      // the folia are gently wavy: each leans a little differently
      rotate <14 * f_noise3d(I * 0.25, 1, 0) - 7, 0, 14 * f_noise3d(I * 0.25, 2, 0) - 7>
      translate <0.06 * rand(Rnd) - 0.03, I * Thick, 0.06 * rand(Rnd) - 0.03>
    }
  #end
  // flakes peeling up from the top
  object {
    Sheet(0.45, 1.3, 0.9, Thick * 0.7, 40, 1)
    Talc_Texture(1.02, Thick * 0.7)
    translate x * 0.35 rotate z * 18 translate <0.2, Sheets * Thick, -0.2>
  }
  object {
    Sheet(0.35, 1.2, 1.0, Thick * 0.7, 41, 1)
    Talc_Texture(0.98, Thick * 0.7)
    translate -z * 0.3 rotate x * 20 translate <-0.5, Sheets * Thick * 0.85, -0.25>
  }
  rotate z * 12
  rotate x * -12
  rotate y * -15
  translate y * 0.25
}

// loose flakes that fell off
#for (I, 0, 2)
  object {
    Sheet(0.12 + 0.06 * rand(Rnd), 1.4, 0.8, Thick * 0.6, 60 + I, 2)
    Talc_Texture(1.0, Thick * 0.6)
    rotate <16 * rand(Rnd) - 8, 360 * rand(Rnd), 16 * rand(Rnd) - 8>
    translate <-1.1 + 0.8 * I + 0.2 * rand(Rnd), 0.03, -1.15 - 0.2 * rand(Rnd)>
  }
#end
