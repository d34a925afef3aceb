// Gypsum (hardness 2): a swallowtail twin of selenite, the water-clear
// crystals of gypsum. Two flat blades are grown together side by side,
// mirror images of each other, so the broad twinned blade ends in two long
// tails with a deep V notch between them - the form gypsum is best known
// by. The broad face is gypsum's perfect cleavage: glassy clear, so the
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

// One half of the twin, x >= 0: the twin plane is x = 0. Width W at the
// foot, widening a little upward; thickness T (z); height Len at the twin
// plane, rising by Notch to the tip of its tail at the outer edge. Its
// outer long edge is bevelled, and the tip of the tail is blunted.
#declare W = 0.7;
#declare T = 0.14;
#declare Len = 2.0;
#declare Notch = 1.45;
#declare Half = intersection {
  plane { -x, 0 }
  #local O = vnormalize(<1, -0.16, 0>);  plane { O, vdot(O, <W, 0, 0>) }
  #local B = vnormalize(<1, -0.16, 1.3>);  plane { B, vdot(B, <W - 0.05, 0, T * 0.25>) }
  #local B = vnormalize(<1, -0.16, -1.3>); plane { B, vdot(B, <W - 0.05, 0, -T * 0.25>) }
  plane { z, T / 2 }
  plane { -z, T / 2 }
  plane { -y, 0 }
  // the oblique end, rising to the tail
  #local N = vnormalize(<-Notch / W, 1, 0>);
  plane { N, vdot(N, <0, Len, 0>) }
  // bevels along the oblique end, front and back
  #local N = vnormalize(<-Notch / W, 1, 1.2>);
  plane { N, vdot(N, <0, Len, T * 0.2>) }
  #local N = vnormalize(<-Notch / W, 1, -1.2>);
  plane { N, vdot(N, <0, Len, -T * 0.2>) }
  // the blunted tip
  #local N = vnormalize(<0.5, 1, 0>);
  plane { N, vdot(N, <W * 1.1, Len + Notch * 1.05, 0>) - 0.16 }
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

// The twin: the half and its mirror image, standing on its foot and
// leaning back a little, turned slightly so one bevel catches the light.
#declare Pose = transform { rotate x * -8 rotate y * 17 translate <0, 0.02, 0> }
#declare Twin = union {
  object { Half }
  object { Half scale <-1, 1, 1> }
}
object {
  Twin
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
