// Topaz (hardness 8): a golden-orange, faintly pinkish ("sherry" or
// "imperial") topaz, cut as a pear - the drop shape topaz is very often
// cut in - and shown face up, as cut stones are photographed. A brilliant
// cut's many facets, a tent of light and dark stripes and a ring of small
// lamps round the set give it the brilliance of a real stone: facets flash
// light and dark in turn instead of showing flat, metallic patches. The
// orange to sherry colour, deeper where light travels furthest, sets it
// apart from the lemon yellow of citrine. The stone absorbs strongly and
// the tent is only moderately bright: a brighter tent clips the lit facets
// to pale yellow, and between them and the dark ones the stone reads as
// brown.

#include "studio.inc"
#include "gem.inc"

#declare Target = <0.25, 0.9, 0>;
#declare Elev = 28;
Studio_Camera(Target, 12.5, Elev, 0, 17)
global_settings { max_trace_level 24 }   // light bounces many times inside a pear
Gem_Tent(1.8, 8, 0.6, 40)

// The lens's reflection small and not quite black, so that it does not print
// a black keyhole in the table.
Lens_Reflection(Target, Elev, 10, 2, 1.5, 0.08)

object {
  Pear_Brilliant(1.75, 45)   // a steep pavilion, so little light leaks out below
  scale <1, 0.95, 1>
  texture {
    pigment { color rgbf <1.0, 0.85, 0.55, 0.98> }
    finish {
      ambient 0 diffuse 0.02
      specular 1 roughness 0.001
      reflection { 0.05, 1 fresnel on }
      conserve_energy
    }
  }
  interior {
    ior 1.62
    fade_distance 1.1
    fade_power 1001
    fade_color srgb <1.0, 0.66, 0.22>
  }
  rotate x * -60          // face up to the camera, as stones are shown
  rotate y * -8
  translate y * 1.02
}
