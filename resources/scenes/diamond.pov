// Diamond (hardness 10): a rough octahedral crystal as it comes from the
// ground, still bedded in a lump of its dark host rock. Its faces bulge a
// little and its edges are rounded, the marks of a natural stone rather
// than a cut one. A very high refractive index with strong dispersion gives
// the hard, bright "adamantine" lustre and spectral fire.

#include "studio.inc"

#declare Tent = 3.0;     // brightness of the light tent below

Studio_Camera(<0.05, 0.78, 0>, 8.5, 26, 0, 15)

// Diamond only sparkles when it has bright things to reflect, and only
// looks hard when there are dark things beside them: three rings of bright
// lamps (each one a pin-point flash, split into colours by the stone),
// a few white cards and a striped tent, all invisible to the camera.
union {
  #for (I, 0, 17)
    sphere { <0, 0, 0>, 0.3
             translate <5, 1.0 + 2.0 * mod(I, 3), 0>
             rotate y * (I * 20 + 10) }
  #end
  pigment { color rgb 60 }
  finish { Softbox_Finish }
  no_image
  no_shadow
}
union {
  // overhead card, kept small: a large one turned the front face into a
  // blank white window, which read as glass
  box { <-0.7, -0.02, -0.5>, <0.7, 0.02, 0.5> rotate x * 18 translate <0.3, 6, 2.2> }
  // cards low down at the sides, lit faces for the steep facets
  box { <-0.02, -0.9, -1.6>, <0.02, 0.9, 1.6> rotate y * 30 translate <-4.5, 1.2, -1> }
  box { <-0.02, -0.9, -1.6>, <0.02, 0.9, 1.6> rotate y * -30 translate <4.5, 1.6, 1.5> }
  // and one at the front right, which the face turned that way mirrors:
  // without it that face shows only the dark room and reads as a hole
  box { <-0.02, -1.0, -1.2>, <0.02, 1.0, 1.2> rotate y * 15 translate <4.5, 1.6, -1.3> }
  pigment { color rgb 1.6 }
  finish { Softbox_Finish }
  no_image
  no_shadow
}
// A light tent round the whole set, striped with many dark bars: every
// facet then mirrors either white or black, the hard contrast of a real
// stone, and each light-dark border splits into colour.
sphere {
  0, 40
  hollow
  pigment {
    radial frequency 11
    color_map {
      [0.00 color rgb Tent]
      [0.45 color rgb Tent]
      [0.45 color rgb 0.01]
      [1.00 color rgb 0.01]
    }
    rotate y * 8
  }
  finish { Softbox_Finish }
  no_image
  no_shadow
}

// --------------------------------------------------------------- crystal ---
// An octahedron whose faces bulge slightly and whose edges and tips are
// rounded, as resorption leaves a natural stone: the distance measure
// between the octahedron's (P = 1) and a sphere's (P = 2). Curved faces
// spread each reflection into a soft, bright streak - a natural crystal -
// where flat ones would mirror whole panels, like cut glass.
#declare Round_P = 1.12;
#declare Crystal_Shape = isosurface {
  function { pow(pow(abs(x), Round_P) + pow(abs(y), Round_P) + pow(abs(z), Round_P), 1 / Round_P) - 1 }
  contained_by { box { -1.01, 1.01 } }
  max_gradient 1.8
  accuracy 0.0005
}

#declare Diamond_Texture = texture {
  pigment { color rgbf <1, 1, 0.985, 0.96> }
  normal { bumps 0.03 scale 0.15 }   // faces not quite smooth, as grown
  finish {
    ambient 0 diffuse 0.04
    specular 0.7 roughness 0.0006
    reflection { 0.17, 1 fresnel on }
    conserve_energy
  }
}
#declare Diamond_Interior = interior {
  ior 2.42
  // far stronger than a real stone's: in a 100 px photo the fire must
  // show as rainbow flashes, not as fringes a pixel wide
  dispersion 1.4
  dispersion_samples 11
  fade_distance 5
  fade_power 1001
  fade_color srgb <1.0, 0.97, 0.90>
}

#declare Crystal = object { Crystal_Shape }

// The pose: a tip straight up, turned so a face looks at the camera, then
// leaning a little, its lower tip bedded in the rock; framed large enough
// that its flashes survive the 100 px photo.
#declare Pose = transform {
  rotate y * 23   // a face to the camera
  rotate <-12, 0, 14>
  scale 0.62
  translate <0.1, 0.9, -0.1>
}

object {
  Crystal
  texture { Diamond_Texture }
  interior { Diamond_Interior }
  no_shadow
  transform { Pose }
}

// A clear stone still throws a shadow, dark at the contact and lighter where
// light comes through: a slightly smaller copy seen only by the lights.
object {
  Crystal_Shape
  scale 0.92
  pigment { color rgbf <0.9, 0.9, 0.85, 0.5> }
  no_image
  no_reflection
  transform { Pose }
}

// Kimberlite: a dark, greenish-grey host rock, so the colourless stone
// stands out against it.
// Broken faces cut across rounded lumps make it look freshly split.
#declare Rnd = seed(11);
intersection {
  blob {
    threshold 0.5
    #for (I, 0, 11)
      #local P = <rand(Rnd) * 2 - 1, rand(Rnd) * 0.8 - 0.4, rand(Rnd) * 2 - 1> * <0.55, 0.3, 0.45>;
      sphere { P * 0.8, 0.34 + 0.22 * rand(Rnd), 1 scale <1, 0.7 + 0.5 * rand(Rnd), 1> }
    #end
  }
  #for (I, 0, 6)
    #local N = vrotate(x, <0, 0, 10 + 50 * rand(Rnd)>);
    plane { vrotate(N, y * (I * 51 + 30 * rand(Rnd))), 0.5 + 0.1 * rand(Rnd) }
  #end
  scale <1.3, 0.62, 1.05>
  rotate y * -15
  texture {
    pigment {
      granite
      color_map {
        [0.00 color srgb <0.26, 0.31, 0.28>]
        [0.50 color srgb <0.37, 0.42, 0.37>]
        [0.75 color srgb <0.20, 0.24, 0.22>]
        [1.00 color srgb <0.50, 0.53, 0.47>]
      }
      scale 0.3
    }
    normal { granite 0.9 scale 0.1 }
    finish { ambient 0 diffuse 0.8 specular 0.08 roughness 0.04 }
  }
  translate <0, 0.24, 0.05>
}
