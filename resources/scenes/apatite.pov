// Apatite (hardness 5): a stubby, glassy sea-green to yellow-green apatite
// crystal on a piece of host rock: a short, thick six-sided prism ending in
// a broad FLAT face with only narrow bevels round it, as apatite grows. The
// flat end, turned towards the camera, is what tells it from quartz, whose
// prism ends in a pointed tip; the greasy-glassy green keeps it from
// fluorite's purple cubes.

#include "studio.inc"

Studio_Camera(<0.05, 0.78, 0>, 11, 24, 0, 19)

// A crystal along +x, centred on the origin: prism faces at distance R
// from the axis, half length L (to the tips). The pyramid faces lean Rho
// degrees from the end face, as the {10-11} faces of apatite do; Cap is
// the share of the pyramid left flat at the tip.
#macro Apatite_Crystal(R, L, Cap)
  #local Rho = 40;
  #local H = R * tan(radians(Rho));     // pyramid height
  intersection {
    #for (I, 0, 5)
      #local N = vrotate(y, x * (I * 60 + 30));
      plane { N, R }
      #local Np = vnormalize(x * cos(radians(Rho)) + N * sin(radians(Rho)));
      plane { Np, vdot(Np, x * (L - H) + N * R) }
      #local Nm = vnormalize(-x * cos(radians(Rho)) + N * sin(radians(Rho)));
      plane { Nm, vdot(Nm, -x * (L - H) + N * R) }
    #end
    plane { x, L - H * Cap }
    plane { -x, L - H * Cap }
  }
#end

#declare Apatite_Texture = texture {
  pigment { color rgbf <0.60, 0.87, 0.52, 0.62> }
  // growth lines along the prism, and a faint ripple that softens the
  // highlights into apatite's greasy-glassy lustre
  normal {
    average
    normal_map {
      [1 gradient x 0.05 scale 0.09 turbulence 0.2]
      [1 bumps 0.04 scale 0.05]
    }
  }
  finish {
    ambient 0 diffuse 0.34
    specular 0.8 roughness 0.012
    reflection { 0.08, 0.8 fresnel on }
    conserve_energy
  }
}
texture {   // a faint milky haze in places, as most crystals have inside
  pigment {
    bozo
    color_map {
      [0.00 color rgbt <0.92, 1.0, 0.75, 1.0>]
      [0.60 color rgbt <0.92, 1.0, 0.75, 1.0>]
      [0.80 color rgbt <0.92, 1.0, 0.70, 0.85>]
      [1.00 color rgbt <0.92, 1.0, 0.75, 1.0>]
    }
    scale 0.5
  }
  finish { ambient 0 diffuse 0.4 }
}
#declare Apatite_Interior = interior {
  ior 1.63
  fade_distance 1.5
  fade_power 1001
  fade_color srgb <0.40, 0.70, 0.42>
}

// A light panel low on the left, seen by nothing but the crystal: the flat
// end of the big crystal mirrors it, so its six-sided outline shows.
box {
  <-0.05, -0.9, -0.9>, <0.05, 0.9, 0.9>
  pigment { color rgb 2.6 }
  finish { Softbox_Finish }
  Reorient_Trans(x, <-0.9, 0, -0.44>)
  translate <-6.0, 1.2, -3.8>
  no_image
  no_shadow
}

// the crystal, lying on the rock with its flat end turned towards the
// camera; short and thick, its ends broad and flat with narrow bevels
// (Cap near 1)
object {
  Apatite_Crystal(0.44, 1.30, 0.80)
  texture { Apatite_Texture }
  interior { Apatite_Interior }
  rotate x * 30
  rotate z * -10
  rotate y * -36
  translate <0.05, 0.95, 0.05>
}

object { Studio_Rock(<1.25, 0.42, 0.85>, 5) translate <0.05, 0.32, 0.2> }
