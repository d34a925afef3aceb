// Program icon: a violet fluorite cube with a small cube grown through its
// corner, on a transparent background. Kept simple and high-contrast so it
// still reads as a crystal at 32 x 32 pixels.

#declare Studio_No_Backdrop = 1;
#include "studio.inc"
#include "shapes.inc"

Studio_Camera(<0, 0, 0>, 10, 28, 0, 23)

#declare Violet = texture {
  pigment { color rgbf <0.70, 0.45, 1.0, 0.55> }
  finish {
    ambient 0 diffuse 0.55
    specular 0.9 roughness 0.004
    reflection { 0.05, 0.6 fresnel on }
  }
}
#declare Violet_Interior = interior {
  ior 1.434
  fade_distance 1.2
  fade_power 1001
  fade_color srgb <0.45, 0.15, 0.80>
}

union {
  object { Round_Box(<-1, -1, -1>, <1, 1, 1>, 0.08, 1) }
  object { Round_Box(<-0.45, -0.45, -0.45>, <0.45, 0.45, 0.45>, 0.05, 1)
           rotate <35, 25, 10> translate <0.9, 0.85, -0.6> }
  texture { Violet }
  interior { Violet_Interior }
  rotate y * 35
  translate y * -0.15
}
