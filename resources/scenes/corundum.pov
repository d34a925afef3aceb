// Corundum (hardness 9): a ruby, cut as an oval brilliant. Pure, glowing
// red with bright facet flashes; the high refractive index and the light
// tent round the set make it sparkle. The tent is mostly light, so few
// facets go black: many dark ones make a ruby look like a garnet.

// lifted shadows, so the stone's own dark shadow does not merge with it
#declare Studio_Shadow_Fill = 0.3;
#include "studio.inc"
#include "gem.inc"

Studio_Camera(<0, 0.9, 0>, 10, 28, 0, 19)
Gem_Tent(1.5, 6, 0.72, 12)

object {
  Brilliant
  scale <1.28, 1, 1>
  texture {
    pigment { color rgbf <1.0, 0.30, 0.34, 0.96> }
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
    fade_distance 1.25
    fade_power 1001
    fade_color srgb <1.0, 0.04, 0.10>
  }
  rotate x * -55
  rotate y * 12
  translate y * 1.02
}
