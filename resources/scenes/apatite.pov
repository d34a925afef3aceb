// Apatite (hardness 5): a glassy, softly yellow-green ("asparagus") apatite
// crystal lying on a piece of host rock: a six-sided prism with a six-faced
// pyramid and a flat tip at each end, as apatite grows. One end points
// towards the camera, so its six-sided outline shows even in a small
// picture. A second, smaller crystal leans against it.

#include "studio.inc"

Studio_Camera(<0.1, 0.75, 0>, 11, 28, 0, 18.5)

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
  pigment { color rgbf <0.80, 0.88, 0.52, 0.72> }
  normal { gradient x 0.04 scale 0.09 turbulence 0.2 }   // growth lines along the prism
  finish {
    ambient 0 diffuse 0.32
    specular 0.9 roughness 0.006
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
  fade_color srgb <0.58, 0.76, 0.34>
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

// the big crystal, its end turned towards the camera so the six-sided
// prism and the pyramid round the flat tip show
object {
  Apatite_Crystal(0.46, 1.85, 0.55)
  texture { Apatite_Texture }
  interior { Apatite_Interior }
  rotate x * 30
  rotate z * -16
  rotate y * -58
  translate <0.2, 0.9, 0.1>
}
// a small one lying against its foot
object {
  Apatite_Crystal(0.22, 0.62, 0.3)
  texture { Apatite_Texture }
  interior { Apatite_Interior }
  rotate z * -15
  rotate y * 40
  translate <1.05, 0.42, -0.45>
}

object { Studio_Rock(<1.55, 0.5, 0.95>, 5) translate <0.1, 0.36, 0.2> }
