// Gypsum (hardness 2): two loose blades of selenite, the water-clear
// crystals of gypsum, long and flat with their ends cut off obliquely and
// their long edges bevelled. The broad faces are gypsum's perfect cleavage:
// glassy clear, so the ground shows through, but with a soft pearly, satin
// sheen and fine streaks along the length of each blade, and a few milky
// cleavage cracks inside. The big blade leans across the small one.
// Single, flat, clear blades lying on the ground keep it from quartz's
// pointed cluster on rock, and from the opaque, green talc.

// a mid-grey ground, with a soft rim light behind, shows the clear blades'
// outline and lets it show through them
#declare Studio_Backdrop = <0.42, 0.43, 0.46>;
#declare Studio_Shadow_Fill = 0.15;
#declare Studio_Soft_Rim = 1;
#include "studio.inc"

Studio_Camera(<0.15, 0.35, 0.1>, 11, 42, 0, 21)

// A broad, soft light high behind the blades, where their flat top faces
// mirror the camera's view: seen by nothing else, it lays a satin sheen
// band across them.
#declare Sheen_Angle = 42;
box {
  <-7, -2, -0.05>, <7, 2, 0.05>
  pigment {
    gradient y
    color_map { [0 color rgb 0] [0.5 color rgb 3] [1 color rgb 0] }
    scale 4 translate -y * 2
  }
  finish { Softbox_Finish }
  rotate x * -Sheen_Angle
  translate vrotate(z * 8, x * -Sheen_Angle)
  no_image
  no_shadow
}

// One blade along +y, its foot below the origin: width W (x), thickness T
// (z), length Len. The long edges are bevelled; the end is cut obliquely
// (Skew: how steeply, and to which side) and its long corner bevelled off.
#macro Blade(Len, W, T, Skew)
  #local Bv = 1.2;
  intersection {
    plane { x, W / 2 }
    plane { -x, W / 2 }
    #local B = vnormalize(<1, 0, Bv>);   plane { B, vdot(B, <W / 2, 0, T * 0.3>) }
    #local B = vnormalize(<-1, 0, Bv>);  plane { B, vdot(B, <-W / 2, 0, T * 0.3>) }
    #local B = vnormalize(<1, 0, -Bv>);  plane { B, vdot(B, <W / 2, 0, -T * 0.3>) }
    #local B = vnormalize(<-1, 0, -Bv>); plane { B, vdot(B, <-W / 2, 0, -T * 0.3>) }
    plane { z, T / 2 }
    plane { -z, T / 2 }
    plane { -y, 0.5 }
    #local N = vnormalize(<Skew, 1, 0>);
    plane { N, vdot(N, <0, Len, 0>) }
    #local N = vnormalize(<Skew + sgn(Skew) * 1.2, 1, 0>);
    plane { N, vdot(N, <0, Len, 0>) + W * 0.12 }
  }
#end

#declare Selenite_Finish = finish {
  ambient 0 diffuse 0.08, 0.6   // the second value: light through the blade from behind
  specular 0.3 roughness 0.04
  brilliance 1.2
  reflection { 0.03, 0.3 fresnel on }
  irid { 0.02 thickness 0.4 turbulence 0.3 }   // the faint pearly play of colour
  conserve_energy
}
// water-clear with the faintest warm tint
#macro Selenite_Texture(Len)
  texture {
    pigment {
      gradient y
      color_map {
        [0.00 color rgbf <0.98, 0.95, 0.88, 0.94>]
        [1.00 color rgbf <1.0, 0.98, 0.94, 0.96>]
      }
      scale Len
    }
    normal { gradient x 0.06 sine_wave scale 0.025 }   // fine lines along the blade
    finish { Selenite_Finish }
  }
  texture {   // silky, milky streaks along the blade
    pigment {
      bozo
      color_map {
        [0.00 color rgbt <1, 0.97, 0.92, 1>]
        [0.50 color rgbt <1, 0.97, 0.92, 1>]
        [0.70 color rgbt <1, 0.97, 0.92, 0.5>]
        [0.85 color rgbt <1, 0.97, 0.92, 1>]
        [1.00 color rgbt <1, 0.97, 0.92, 1>]
      }
      scale <0.07, 3, 0.07>
      translate x * Len * 3   // a different pattern on each blade
    }
    finish { Selenite_Finish }
  }
#end
#declare Selenite_Interior = interior {
  ior 1.52
  fade_distance 0.25
  fade_power 1001
  fade_color srgb <0.97, 0.90, 0.76>
}


// Len, W, T, Skew; then how it lies: lean up from the ground, swing
// about the vertical, roll about its length, and where its foot is
#declare Big = object {
  Blade(3.5, 0.95, 0.16, 0.55)
  Selenite_Texture(3.5)
  interior { Selenite_Interior }
}
#declare Small = object {
  Blade(2.3, 0.75, 0.13, -0.5)
  Selenite_Texture(2.3)
  interior { Selenite_Interior }
}
// The clear blades themselves cast no shadows: shadows filtered through
// them came out slightly differently from run to run. Instead an unseen,
// opaque strip down the middle of each blade casts a soft shadow, which
// keeps them lying on the ground rather than floating.
// the small blade lies flat, across the back
object { Small rotate y * 8 rotate x * 90 rotate y * 70 translate <-0.7, 0.065, 0.75> no_shadow }
// the big one rests its foot on the ground at the front left and leans
// its upper end on the small one
object { Big rotate y * -6 rotate x * 82 rotate y * 38 translate <-0.85, 0.09, -0.95> no_shadow }
#declare Caster_Big = object { Blade(3.5, 0.95, 0.16, 0.55) scale <0.45, 1, 0.2> pigment { rgb 0 } }
#declare Caster_Small = object { Blade(2.3, 0.75, 0.13, -0.5) scale <0.45, 1, 0.2> pigment { rgb 0 } }
union {
  object { Caster_Small rotate y * 8 rotate x * 90 rotate y * 70 translate <-0.7, 0.065, 0.75> }
  object { Caster_Big rotate y * -6 rotate x * 82 rotate y * 38 translate <-0.85, 0.09, -0.95> }
  no_image
  no_reflection
}
