// Topaz (hardness 8): a golden-yellow ("imperial") topaz in an octagonal
// step cut, the cut most often seen on topaz, tilted to show its table and
// steps. A tent of a few broad light and dark stripes round the set makes
// the steps flash in large, calm patches, which stay readable when small;
// no pin-point lamps and no dispersion, which only add speckle here.

#include "studio.inc"
#include "gem.inc"

Studio_Camera(<0, 0.9, 0>, 12.5, 28, 0, 17)
Gem_Tent(1.6, 5, 0.75, 0)

object {
  Step_Cut(1.35, 0.95, 0.28)
  texture {
    pigment { color rgbf <1.0, 0.90, 0.50, 0.97> }
    finish {
      ambient 0 diffuse 0.02
      specular 1 roughness 0.001
      reflection { 0.05, 1 fresnel on }
      conserve_energy
    }
  }
  interior {
    ior 1.62
    fade_distance 1.3
    fade_power 1001
    fade_color srgb <1.0, 0.86, 0.30>
  }
  rotate x * -50          // table turned towards the camera
  rotate y * -2
  translate y * 0.98
}
