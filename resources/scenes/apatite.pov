// Apatite (hardness 5): a single blue-green hexagonal prism with small
// bevelled ends, glassy and a little cloudy inside, lying on its side.

#include "studio.inc"

Studio_Camera(<0, 0.4, 0>, 11, 30, 0, 24)

#declare R = 0.52;      // distance from the axis to a prism face
#declare L = 1.55;      // half length
#declare Bevel = 0.25;  // how far back from the end the bevel starts
#declare Bevel_D = (R + 0.9 * (L - Bevel)) / sqrt(1 + 0.81);
#declare Apatite = intersection {
  #for (I, 0, 5)
    plane { vrotate(y, x * (I * 60)), R }
    // the bevel faces of the dipyramid at both ends
    plane { vnormalize(vrotate(y, x * (I * 60)) + x * 0.9), Bevel_D }
    plane { vnormalize(vrotate(y, x * (I * 60)) - x * 0.9), Bevel_D }
  #end
  plane { x, L }
  plane { -x, L }
}

object {
  Apatite
  texture {
    pigment { color rgbf <0.55, 0.95, 0.85, 0.85> }
    normal { gradient y 0.05 scale 0.07 turbulence 0.3 }   // lengthwise striations
    finish {
      ambient 0 diffuse 0.12
      specular 0.7 roughness 0.004
      reflection { 0.03, 0.6 fresnel on }
      conserve_energy
    }
  }
  texture {   // a few cloudy patches and healed cracks inside
    pigment {
      bozo
      color_map {
        [0.00 color rgbt <0.85, 1.0, 0.95, 1.0>]
        [0.55 color rgbt <0.85, 1.0, 0.95, 1.0>]
        [0.75 color rgbt <0.80, 0.95, 0.90, 0.88>]
        [1.00 color rgbt <0.85, 1.0, 0.95, 1.0>]
      }
      scale 0.4
    }
    finish { ambient 0 diffuse 0.3 }
  }
  interior {
    ior 1.63
    fade_distance 1.3
    fade_power 1001
    fade_color srgb <0.16, 0.70, 0.62>
  }
  translate y * R
  rotate y * -12
}
