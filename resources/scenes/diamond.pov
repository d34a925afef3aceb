// Diamond (hardness 10): a rough octahedral crystal as it comes from the
// ground. Slightly bulging faces and a very high refractive index give the
// hard, bright "adamantine" lustre and flashes of spectral colour.

#include "studio.inc"

Studio_Camera(<0, 0.7, 0>, 7.2, 30, 0, 24)

// A ring of small lamps the camera does not see, like a jeweller's light
// box: a diamond only sparkles when it has bright points to reflect.
union {
  #for (I, 0, 11)
    sphere { <0, 0, 0>, 0.35
             translate <5, 2.5 + 2 * mod(I, 2), 0>
             rotate y * (I * 30 + 10) }
  #end
  pigment { color rgb 6 }
  finish { Softbox_Finish }
  no_image
  no_shadow
}

#declare Octahedron = isosurface {
  // faces bow outwards a little, as on natural stones
  function { abs(x) + abs(y) + abs(z) + 0.12 * (x * x + y * y + z * z) - 1.12 }
  contained_by { box { -1.05, 1.05 } }
  max_gradient 2.2
  accuracy 0.0005
}

object {
  Octahedron
  texture {
    pigment { color rgbf <1, 1, 0.97, 0.985> }
    normal { bumps 0.02 scale 0.15 }   // faint etch marks
    finish {
      ambient 0 diffuse 0.02
      specular 1 roughness 0.0008
      reflection { 0.12, 1 fresnel on }
      conserve_energy
    }
  }
  interior {
    ior 2.42
    dispersion 1.044
    dispersion_samples 5
    fade_distance 4
    fade_power 1001
    fade_color srgb <1.0, 0.94, 0.80>
  }
  // lie on one face, turned so an edge points at the camera
  Reorient_Trans(<1, 1, 1>, y)
  rotate y * 20
  rotate x * -12
  translate y * 0.72
}
