// Corundum (hardness 9): a ruby, cut as an oval brilliant and shown face
// up, the way cut stones are photographed, so its facets lie in a clean,
// symmetrical pattern round the table. The colour is ruby's own slightly
// purplish red; light and dark stripes round the set, lined up with the
// stone's axis, make the facets flash red and deep crimson in a regular
// pattern, and a dark patch where the lens would be keeps the table from
// turning pale.

#include "studio.inc"
#include "gem.inc"

#declare Elev = 28;
#declare Face_Up = transform { rotate x * -(90 - Elev) }   // table square to the lens
#declare Target = <0, 0.9, 0>;
Studio_Camera(Target, 10, Elev, 0, 20)

// the tent and lamps turned with the stone, so its pattern stays symmetric
union { Gem_Tent(2.8, 8, 0.35, 16) rotate y * 22.5 transform { Face_Up } }

Lens_Reflection(Target, Elev, 8, 2.2, 2.2, 0)

object {
  Brilliant
  scale <1.25, 1, 1>
  texture {
    pigment { color rgbf <1.0, 0.40, 0.55, 0.96> }
    finish {
      ambient 0 diffuse 0.02
      specular 1 roughness 0.001
      reflection { 0.06, 1 fresnel on }
      conserve_energy
    }
  }
  interior {
    ior 1.77
    fade_distance 1.3
    fade_power 1001
    fade_color srgb <0.88, 0.03, 0.30>
  }
  transform { Face_Up }
  translate y * 1.02
}
