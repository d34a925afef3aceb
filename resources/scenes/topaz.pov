// Topaz (hardness 8): a golden-orange topaz in a step cut, the cut most
// often seen on topaz, tilted to show its table and steps.

#include "studio.inc"
#include "gem.inc"

Studio_Camera(<0, 0.75, 0>, 12.5, 28, 0, 24)

object {
  Step_Cut(1.35, 0.95, 0.28)
  texture {
    pigment { color rgbf <1.0, 0.78, 0.35, 0.98> }
    finish {
      ambient 0 diffuse 0.02
      specular 1 roughness 0.001
      reflection { 0.05, 1 fresnel on }
      conserve_energy
    }
  }
  interior {
    ior 1.62
    dispersion 1.014
    dispersion_samples 3
    fade_distance 1.1
    fade_power 1001
    fade_color srgb <1.0, 0.60, 0.10>
  }
  rotate x * -52          // table turned towards the camera
  rotate y * -14
  translate y * 0.98
}
