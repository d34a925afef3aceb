// Fluorite (hardness 4): a group of glassy violet cubes, interpenetrating as
// they grew, on a piece of grey host rock. Colour zoning makes the corners
// deeper purple than the clearer cores.

#include "studio.inc"
#include "shapes.inc"

Studio_Camera(<-0.12, 0.9, 0>, 9.5, 26, 0, 21)

#declare Fluorite_Texture = texture {
  pigment { color rgbf <0.88, 0.75, 1.0, 0.95> }
  finish {
    ambient 0 diffuse 0.05
    specular 0.8 roughness 0.003
    reflection { 0.04, 0.8 fresnel on }
    conserve_energy
  }
  normal { bumps 0.02 scale 0.3 }
}
texture {   // deeper violet bands just under the faces
  pigment {
    boxed
    color_map {
      [0.00 color rgbt <0.58, 0.30, 0.88, 0.78>]
      [0.10 color rgbt <0.58, 0.30, 0.88, 0.78>]
      [0.16 color rgbt <1, 1, 1, 1>]
      [1.00 color rgbt <1, 1, 1, 1>]
    }
  }
  finish { ambient 0 diffuse 0.05 }
}

#declare Fluorite_Interior = interior {
  ior 1.434
  fade_distance 2.2
  fade_power 1001
  fade_color srgb <0.72, 0.46, 0.98>   // a clear, light violet
}

// A slightly rounded cube of half-size S.
#macro Fl_Cube(S)
  object {
    Round_Box(<-S, -S, -S>, <S, S, S>, S * 0.04, 1)
    texture { Fluorite_Texture scale S }
    interior { Fluorite_Interior }
  }
#end

union {
  object { Fl_Cube(0.62) rotate <8, 20, -4>  translate <-0.25, 1.0, 0.05> }
  object { Fl_Cube(0.45) rotate <25, -15, 12> translate <0.55, 0.85, -0.25> }
  object { Fl_Cube(0.32) rotate <-10, 40, 30> translate <-0.95, 0.62, -0.35> }
  object { Fl_Cube(0.26) rotate <30, 10, -20> translate <0.85, 1.35, 0.35> }
  object { Fl_Cube(0.22) rotate <15, 55, 5>  translate <-0.6, 1.55, 0.45> }
}

object { Studio_Rock(<1.6, 0.55, 1.0>, 3) translate y * 0.35 }
