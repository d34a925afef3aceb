// Corundum (hardness 9): a ruby, cut as an oval brilliant. Deep red with
// bright facet flashes; the high refractive index makes it sparkle.

#include "studio.inc"
#include "gem.inc"

Studio_Camera(<0, 0.8, 0>, 10, 28, 0, 24)

object {
  Brilliant
  scale <1.28, 1, 1>
  texture {
    pigment { color rgbf <1.0, 0.55, 0.6, 0.96> }
    finish {
      ambient 0 diffuse 0.02
      specular 1 roughness 0.001
      reflection { 0.06, 1 fresnel on }
      conserve_energy
    }
  }
  interior {
    ior 1.77
    dispersion 1.018
    dispersion_samples 3
    fade_distance 0.8
    fade_power 1001
    fade_color srgb <0.95, 0.06, 0.18>
  }
  rotate x * -55
  rotate y * 12
  translate y * 1.02
}
