// Quartz (hardness 7): a cluster of clear, six-sided prisms ending in
// six-faced pyramids, with the horizontal striations of real quartz, on
// a piece of host rock. The bases are milky where the crystals grew.

#include "studio.inc"

Studio_Camera(<0, 1.1, 0>, 11.5, 20, 0, 19.5)

// A quartz point along +y: prism faces at distance R from the axis,
// rhombohedral tip faces leaning 38 degrees from the axis.
#macro Quartz_Point(R, Len)
  #local Tip = R / tan(radians(38.2));
  intersection {
    #for (I, 0, 5)
      #local N = vrotate(x, y * (I * 60));
      plane { N, R }
      #local Nt = vnormalize(N * cos(radians(38.2)) + y * sin(radians(38.2)));
      plane { Nt, vdot(Nt, N * R + y * Len) }
    #end
    plane { -y, 1.5 }
  }
#end

#declare Quartz_Texture = texture {
  pigment { color rgbf <1, 1, 1, 0.97> }
  normal { gradient y 0.12 scale 0.04 turbulence 0.05 }   // growth striations
  finish {
    ambient 0 diffuse 0.03
    specular 0.9 roughness 0.002
    reflection { 0.04, 1 fresnel on }
    conserve_energy
  }
}
texture {     // milky at the base, clear towards the tip
  pigment {
    gradient y
    color_map {
      [0.00 color rgbt <0.95, 0.95, 0.95, 0.55>]
      [0.35 color rgbt <1, 1, 1, 1>]
      [1.00 color rgbt <1, 1, 1, 1>]
    }
    scale 2.5
    translate -y * 0.8
  }
  finish { ambient 0 diffuse 0.4 }
}
#declare Quartz_Interior = interior { ior 1.544 }

// Black cards at both sides, seen only by the crystals: the steep prism
// faces mirror them and refract them at the edges, so each crystal gets a
// dark outline against the grey ground, as in a studio photo of glass.
union {
  box { <-0.05, -2, -2.5>, <0.05, 2, 2.5> rotate y * 20 translate <-4, 1.5, 0> }
  box { <-0.05, -2, -2.5>, <0.05, 2, 2.5> rotate y * -20 translate <4, 1.5, 0> }
  pigment { color rgb 0 }
  finish { ambient 0 diffuse 0 }
  no_image
  no_shadow
}

#macro Crystal(R, Len, Tilt, Turn, Pos)
  object {
    Quartz_Point(R, Len)
    texture { Quartz_Texture }
    interior { Quartz_Interior }
    rotate y * (Turn * 1.7)
    rotate z * Tilt
    rotate y * Turn
    translate Pos
    clipped_by { plane { -y, -0.3 } }   // the roots stay inside the rock
  }
#end

Crystal(0.34, 1.9,   4,  10, <0.0, 0.3, 0.1>)
Crystal(0.26, 1.4,  28, -20, <-0.45, 0.3, -0.1>)
Crystal(0.22, 1.25,-30,  25, <0.5, 0.3, -0.15>)
Crystal(0.18, 0.9,  45,  50, <-0.8, 0.25, -0.3>)
Crystal(0.16, 0.85,-50, -40, <0.85, 0.25, 0.1>)
Crystal(0.14, 0.6,  12, 120, <0.25, 0.3, -0.5>)

object { Studio_Rock(<1.4, 0.55, 0.95>, 7) translate y * 0.38 }
