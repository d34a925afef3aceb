// Gypsum (hardness 2): a swallowtail twin of selenite, the water-clear
// crystals of gypsum. Two flat blades are grown together side by side,
// twinned mirror-wise, so the broad blade ends in two tails with a V notch
// between them - the form gypsum is best known by. As in a real specimen
// the halves grew unevenly, one tail is snapped, sheets have flaked off
// the face, and the crystal lies tilted on a lump of its clay. The broad
// face is gypsum's perfect cleavage: glassy clear, so the
// ground shows through, with a pearly, satin sheen across it and fine
// streaks along its length; the edges are bevelled and faintly honey
// coloured. Flat, notched and clear keeps it apart from calcite's rhombs
// and quartz's pointed six-sided prisms.

// a light, slightly cool ground, against which the clear blade's warm,
// honey-tinted edges draw its outline, and a soft rim light behind
#declare Studio_Backdrop = <0.63, 0.65, 0.69>;
#declare Studio_Shadow_Fill = 0.2;
#declare Studio_Soft_Rim = 1;
#include "studio.inc"

Studio_Camera(<0.0, 1.7, 0.0>, 13, 14, 0, 18)

// One half of the twin, x >= 0: the twin plane is x = 0. Width Wd at the
// foot, widening a little upward; thickness T (z); height Len at the twin
// plane, rising by Nt to the tip of its tail at the outer edge. Its outer
// long edge is bevelled and the tip of the tail is blunted. The two halves
// of a real twin never grow alike, so each gets its own width and length.
#declare T = 0.24;
#declare Len = 1.95;
#macro Half(Wd, Nt, Tip)
intersection {
  plane { -x, 0 }
  #local O = vnormalize(<1, -0.16, 0>);  plane { O, vdot(O, <Wd, 0, 0>) }
  #local B = vnormalize(<1, -0.16, 1.3>);  plane { B, vdot(B, <Wd - 0.06, 0, T * 0.25>) }
  #local B = vnormalize(<1, -0.16, -1.3>); plane { B, vdot(B, <Wd - 0.06, 0, -T * 0.25>) }
  plane { z, T / 2 }
  plane { -z, T / 2 }
  plane { -y, 0.6 }
  // the oblique end, rising to the tail
  #local N = vnormalize(<-Nt / Wd, 1, 0>);
  plane { N, vdot(N, <0, Len, 0>) }
  // bevels along the oblique end, front and back
  #local N = vnormalize(<-Nt / Wd, 1, 1.2>);
  plane { N, vdot(N, <0, Len, T * 0.2>) }
  #local N = vnormalize(<-Nt / Wd, 1, -1.2>);
  plane { N, vdot(N, <0, Len, -T * 0.2>) }
  // the blunted tip
  #local N = vnormalize(<0.5, 1, 0>);
  plane { N, vdot(N, <Wd * 1.1, Len + Nt * 1.05, 0>) - Tip }
}
#end

// The long tail has snapped near its tip: a rough, stepped break across it.
#declare Break = union {
  #local N = vnormalize(<0.45, 1, -0.1>);
  intersection { plane { -N, -vdot(N, <0.6, 2.82, 0>) } plane { -z, 0.02 } }
  #local N = vnormalize(<-0.35, 1, 0.1>);
  intersection { plane { -N, -vdot(N, <0.6, 3.12, 0>) } plane { z, 0.02 } }
}

// Cleavage: thin sheets have flaked off the broad face, leaving low steps
// whose edges catch the light.
#declare Steps = union {
  #local N = vnormalize(<0.35, 1, 0>);
  intersection { plane { -N, -vdot(N, <0, 1.1, 0>) } plane { z, -T / 2 + 0.045 } }
  #local N = vnormalize(<-0.5, 1, 0>);
  intersection { plane { -N, -vdot(N, <0, 2.0, 0>) } plane { z, -T / 2 + 0.09 } }
  #local N = vnormalize(<0.15, -1, 0>);
  intersection { plane { -N, -vdot(N, <0, 0.45, 0>) } plane { z, -T / 2 + 0.035 } }
  #local N = vnormalize(<-0.6, 1, 0>);
  intersection { plane { -N, -vdot(N, <0, 2.2, 0>) } plane { -z, -(T / 2 - 0.04) } }
}

// The foot broke away from where it grew: a few rough, uneven facets.
#declare Foot = intersection {
  #local N = vnormalize(<0.35, -1, 0.2>);  plane { N, vdot(N, <0, -0.05, 0>) }
  #local N = vnormalize(<-0.5, -1, -0.1>); plane { N, vdot(N, <0, 0.08, 0>) }
  #local N = vnormalize(<0.05, -1, -0.4>); plane { N, vdot(N, <0, 0.0, 0>) }
}

#declare Selenite_Finish = finish {
  ambient 0 diffuse 0.10, 0.6   // the second value: light through the blade from behind
  specular 0.45 roughness 0.02
  brilliance 1.2
  reflection { 0.04, 0.35 fresnel on }
  irid { 0.03 thickness 0.4 turbulence 0.3 }   // the faint pearly play of colour
  conserve_energy
}
#macro Selenite_Texture()
texture {
  pigment { color rgbf <1.0, 0.98, 0.93, 0.97> }   // water-clear, faintly honey
  normal { gradient x 0.07 sine_wave scale 0.03 }   // fine lines along the blade
  finish { Selenite_Finish }
}
texture {   // a pearly, satin band across the cleavage face, and silky streaks
  pigment {
    gradient y
    color_map {
      [0.00 color rgbt <1, 0.98, 0.95, 1>]
      [0.36 color rgbt <1, 0.98, 0.95, 1>]
      [0.47 color rgbt <1, 0.98, 0.95, 0.4>]
      [0.53 color rgbt <1, 0.98, 0.95, 0.4>]
      [0.64 color rgbt <1, 0.98, 0.95, 1>]
      [1.00 color rgbt <1, 0.98, 0.95, 1>]
    }
    warp { turbulence <0.08, 0.03, 0> }
    scale 1.6 rotate z * 14 translate y * 0.55
  }
  finish { ambient 0 diffuse 0.7 specular 0.6 roughness 0.03 irid { 0.06 thickness 0.5 turbulence 0.2 } }
}
texture {   // milky streaks along the length
  pigment {
    bozo
    color_map {
      [0.00 color rgbt <1, 0.97, 0.92, 1>]
      [0.55 color rgbt <1, 0.97, 0.92, 1>]
      [0.72 color rgbt <1, 0.97, 0.92, 0.8>]
      [0.85 color rgbt <1, 0.97, 0.92, 1>]
      [1.00 color rgbt <1, 0.97, 0.92, 1>]
    }
    scale <0.05, 3, 0.05>
  }
  finish { ambient 0 diffuse 0.6 }
}
#end
#declare Selenite_Interior = interior {
  ior 1.52
  fade_distance 0.3
  fade_power 1001
  fade_color srgb <0.90, 0.72, 0.46>
}

// The twin: a narrow, short half and a broad one with a long tail, lying
// tilted on its side so the crystal leans across the frame, its broken foot
// sunk in a lump of the clay it grew in.
#declare Pose = transform { rotate x * -8 rotate y * 14 rotate z * -27 scale 0.96 translate <-0.85, 0.3, 0> }
#declare Twin = intersection {
  union {
    Half(0.86, 1.55, 0.16)
    object { Half(0.56, 0.95, 0.1) scale <-1, 1, 1> }
  }
  Foot
}
#declare Crystal = difference {
  object { Twin }
  object { Break }
  object { Steps }
}
object {
  Crystal
  Selenite_Texture()
  interior { Selenite_Interior }
  transform { Pose }
  // The clear blade casts no shadow of its own: shadows filtered through
  // it come out slightly differently from run to run. An unseen opaque
  // copy, thinned, casts a soft one instead.
  no_shadow
}
object {
  Twin scale <0.4, 0.9, 0.25>
  pigment { rgb 0 }
  transform { Pose }
  no_image
  no_reflection
}

// A lump of the soft, buff clay the crystal grew in, still round its foot.
blob {
  threshold 0.5
  sphere { <0.0, 0.0, 0.0>, 0.75, 1 scale <1.1, 0.55, 0.9> }
  sphere { <0.45, 0.05, 0.15>, 0.55, 1 }
  sphere { <-0.5, 0.0, -0.1>, 0.5, 1 }
  sphere { <0.1, 0.2, -0.25>, 0.45, 1 }
  sphere { <-0.15, -0.05, 0.4>, 0.55, 1 }
  translate <-0.95, 0.02, 0.05>
  texture {
    pigment {
      granite
      color_map {
        [0.00 color srgb <0.62, 0.50, 0.36>]
        [0.50 color srgb <0.70, 0.58, 0.42>]
        [1.00 color srgb <0.55, 0.43, 0.31>]
      }
      scale 0.4
    }
    normal { granite 0.5 scale 0.08 }
    finish { ambient 0 diffuse 0.8 specular 0.03 roughness 0.1 }
  }
}
