// Gypsum (hardness 2): a "swallowtail" twin of selenite, the twin most
// typical of gypsum, standing on its broken foot: one broad, thin blade
// whose two halves meet along a straight line down the middle and end in a
// wide V-shaped notch between two blunt "tails". It is clear to milky and
// lit from behind, with the soft pearly, satin sheen of gypsum's perfect
// cleavage; fine growth lines run obliquely in each half, so they meet in
// a feather (chevron) pattern.
// Thin sheets have flaked off the top, leaving low steps, and clay from
// the ground it grew in is caught in its foot. A dark ground and square
// tail ends keep it from looking like a group of quartz points, or like
// talc's green, flaky stack.

#declare Studio_Backdrop = <0.11, 0.12, 0.15>;
#declare Studio_Shadow_Fill = 0.12;
#declare Studio_Soft_Rim = 1;
#include "studio.inc"

Studio_Camera(<0, 1.22, 0>, 11.5, 14, 0, 17)

// The twin stands up, leaning back a little, so the rim light behind it
// shines THROUGH the blade against the dark ground: a clear selenite glows,
// where a flat-lying plate looked like folded card.
#declare Lean = 72;
// A soft light strip where the broad face mirrors it towards the camera:
// the band of pearly sheen across the cleavage face.
#declare Face_N = vrotate(y, x * -Lean);
#declare View = vrotate(-z, x * 14);
#declare Mirror = 2 * vdot(Face_N, View) * Face_N - View;
box {
  <-2.5, -0.25, -0.05>, <2.5, 0.25, 0.05>
  pigment {
    gradient y
    color_map { [0 color rgb 0] [0.5 color rgb 2.6] [1 color rgb 0] }
    scale 0.5 translate -y * 0.25
  }
  finish { Softbox_Finish }
  Reorient_Trans(z, Mirror)
  translate <0, 1.2, 0> + Mirror * 5 + <0, 0.35, 0>
  no_image
  no_shadow
}

// One half of the twin, lying in the plane y = 0..T, for x >= 0, running
// along +z: width W, the tail's end at Top, the notch at Notch. The sides
// are bevelled like a chisel, and the tail ends square, not in a point.
#macro Twin_Half(W, Top, Notch, T, Foot)
  #local Ear = W * 0.72;                           // where the notch edge meets the tail's end
  intersection {
    plane { -x, 0 }
    plane { vnormalize(<1, 0.7, 0>), vdot(vnormalize(<1, 0.7, 0>), <W, T * 0.5, 0>) }
    plane { vnormalize(<1, -0.7, 0>), vdot(vnormalize(<1, -0.7, 0>), <W, T * 0.5, 0>) }
    // the notch edge, from the twin line out to the tail
    #local N = vnormalize(<-(Top - Notch), 0, Ear>);
    plane { vnormalize(N + y * 0.6), vdot(vnormalize(N + y * 0.6), <0, T * 0.5, Notch>) }
    plane { vnormalize(N - y * 0.6), vdot(vnormalize(N - y * 0.6), <0, T * 0.5, Notch>) }
    // the blunt end of the tail, its outer corner rounded off a little
    plane { z, Top }
    plane { vnormalize(<1, 0, 1>), vdot(vnormalize(<1, 0, 1>), <W, 0, Top - W * 0.2>) }
    // the foot, broken across where it grew from
    // (Foot: how far up its outer corner the break runs)
    plane { vnormalize(<0.15, 0, -1>), 0 }
    plane { vnormalize(<Foot, 0, -W>), vdot(vnormalize(<Foot, 0, -W>), <W * 0.55, 0, 0>) }
    plane { y, T }
    plane { -y, 0 }
  }
#end

#declare Satin_Finish = finish {
  ambient 0 diffuse 0.26, 0.40   // the second value lights it from behind
  specular 0.6 roughness 0.05
  brilliance 1.3
  reflection { 0.03, 0.25 fresnel on }
  irid { 0.05 thickness 0.5 turbulence 0.3 }      // the pearly play of colour
  conserve_energy
}
// Water-clear to milky: clearest towards the thin edges, milky where the
// cleavage sheets are stacked along the twin line, so the blade lets the
// light through and glows.
#macro Selenite_Texture(Lines)
  texture {
    pigment {   // milkiest along the twin line, clearer towards the thin edges
      gradient x
      color_map {
        [0.00 color rgbf <0.94, 0.92, 0.86, 0.62>]
        [0.60 color rgbf <0.92, 0.92, 0.90, 0.80>]
        [1.00 color rgbf <0.90, 0.93, 0.94, 0.92>]
      }
      warp { turbulence 0.1 }
    }
    // satin: fine, parallel growth lines give long streaky highlights
    normal { gradient Lines 0.30 scale 0.05 turbulence 0.05 }
    finish { Satin_Finish }
  }
  texture {   // coarser growth bands along the same lines, faintly grey
    pigment {
      gradient Lines
      color_map {
        [0.00 color rgbt <0.70, 0.69, 0.67, 1.0>]
        [0.50 color rgbt <0.70, 0.69, 0.67, 1.0>]
        [0.75 color rgbt <0.92, 0.91, 0.88, 0.45>]
        [1.00 color rgbt <0.70, 0.69, 0.67, 1.0>]
      }
      warp { turbulence 0.08 }
      scale 0.30
    }
    finish { Satin_Finish }
  }
  texture {   // clay caught in the foot of the crystal as it grew
    pigment {
      gradient z
      color_map {
        [0.00 color rgbt <0.60, 0.49, 0.36, 0.10>]
        [0.10 color rgbt <0.64, 0.54, 0.42, 0.40>]
        [0.30 color rgbt <0.70, 0.62, 0.50, 1.0>]
        [0.85 color rgbt <0.70, 0.62, 0.50, 1.0>]   // (the turbulence wraps the foot round to here)
        [1.00 color rgbt <0.60, 0.49, 0.36, 0.10>]
      }
      warp { turbulence 0.12 }
      scale 3
    }
    finish { ambient 0 diffuse 0.5 }
  }
#end
#declare Selenite_Interior = interior {
  ior 1.52
  fade_distance 1.2
  fade_power 1001
  fade_color srgb <0.95, 0.93, 0.88>
}

#macro Swallowtail(W, Top, Notch, T)
  union {
    // the halves are not quite in one plane, so each catches the light
    // differently and the twin line down the middle shows
    object { Twin_Half(W, Top, Notch, T, 0.5) Selenite_Texture(<1, 0, 0.7>) rotate z * 4 }
    object { Twin_Half(W, Top, Notch, T, 0.9) Selenite_Texture(<1, 0, 0.7>) scale <-1, 1, 1> rotate z * -4 }
  }
#end

#declare W = 0.92;
#declare Top = 2.7;
#declare Notch = 1.75;
#declare T = 0.14;
object {
  union {
    Swallowtail(W, Top, Notch, T)
    // thinner cleavage sheets on top, each flaked off along its own crack,
    // so the broad face steps down in terraces, as gypsum peels
    intersection {
      object { Swallowtail(W - 0.05, Top - 0.04, Notch - 0.03, 0.05) }
      plane { vnormalize(<-0.3, 0, 1>), 1.55 }
      translate y * (T + 0.003)
    }
    intersection {
      object { Swallowtail(W - 0.10, Top - 0.08, Notch - 0.06, 0.05) }
      plane { vnormalize(<0.5, 0, 1>), 0.95 }
      translate y * (T + 0.056)
    }
    intersection {
      object { Swallowtail(W - 0.16, Top - 0.12, Notch - 0.09, 0.04) }
      plane { vnormalize(<-0.6, 0, 1>), 0.55 }
      plane { vnormalize(<1, 0, 0.2>), 0.35 }
      translate y * (T + 0.109)
    }
  }
  interior { Selenite_Interior }
  translate -z * Top * 0.5
  rotate x * -Lean
  rotate y * -12
  translate y * (Top * 0.5 * sin(radians(Lean)) - 0.06)   // its broken foot set in the ground
}
