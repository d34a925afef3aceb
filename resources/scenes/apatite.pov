// Apatite (hardness 5): a small group of glassy yellow-green ("asparagus
// stone") apatite crystals on a piece of host rock. Each is a six-sided
// prism ending in a broad, FLAT six-sided face with a narrow ring of bevels
// round it, as apatite grows; the flat ends are a little etched and frosted,
// so they show as pale hexagons, which tells apatite from quartz, whose
// prisms end in points. Fine growth lines run along the prisms, not across
// them as on quartz. The yellow-green keeps it from fluorite's purple cubes
// and from emerald-like green glass.

// a lighter ground and lifted shadows, as for the other clear crystals
#declare Studio_Backdrop = <0.50, 0.52, 0.55>;
#declare Studio_Shadow_Fill = 0.2;
#include "studio.inc"

#declare Elev = 28;
Studio_Camera(<0.1, 0.98, 0>, 11, Elev, 0, 17.5)

// A light panel seen by nothing but the crystals, placed where a face with
// normal N at point P mirrors it towards the camera: a window-like
// reflection that makes the face look like glass.
#declare View = vrotate(-z, x * Elev);   // towards the camera
#macro Face_Panel(N, P, Size, Bright)
  #local M = 2 * vdot(N, View) * N - View;
  box {
    <-Size, -Size, -0.05>, <Size, Size, 0.05>
    pigment { color rgb Bright }
    finish { Softbox_Finish }
    Reorient_Trans(z, M)
    translate P + M * 6
    no_image
    no_shadow
  }
#end

#declare Apatite_Finish = finish {
  ambient 0 diffuse 0.32     // a little light scattered inside: greasy, not water-clear
  specular 0.7 roughness 0.015
  reflection { 0.06, 0.7 fresnel on }
  conserve_energy
}
#declare Apatite_Pigment = pigment { color rgbf <0.86, 1.0, 0.15, 0.65> }
// prism faces: fine growth lines along the length of the crystal
#declare Prism_Texture = texture {
  pigment { Apatite_Pigment }
  normal {
    average
    normal_map {
      [1 bumps 0.12 scale <0.8, 0.03, 0.03>]
      [1 bumps 0.02 scale 0.12]
    }
  }
  finish { Apatite_Finish }
}
// the bevels round the ends: smooth and bright
#declare Bevel_Texture = texture {
  pigment { Apatite_Pigment }
  finish { Apatite_Finish }
}
// the flat ends: etched to a frosted, paler hexagon
#declare End_Texture = texture {
  pigment { color rgbf <0.88, 1.0, 0.45, 0.3> }
  normal { bumps 0.3 scale 0.02 }
  finish { ambient 0 diffuse 0.7 specular 0.3 roughness 0.05 }
}
#declare Apatite_Interior = interior {
  ior 1.63
  fade_distance 0.6
  fade_power 1001
  fade_color srgb <0.74, 0.82, 0.10>
}

// A crystal along +x, centred on the origin: prism faces at distance R
// from the axis, half length L (to where the tips would be). The bevels
// lean 40 degrees from the end face, as the {10-11} faces of apatite do;
// Cap is the share of that pyramid cut off by the flat end (near 1: a broad
// end with narrow bevels).
#macro Apatite_Crystal(R, L, Cap)
  #local Rho = 40;
  #local H = R * tan(radians(Rho));     // height of the full pyramid
  intersection {
    #for (I, 0, 5)
      #local N = vrotate(y, x * (I * 60 + 30));
      plane { N, R texture { Prism_Texture } }
      #local Np = vnormalize(x * cos(radians(Rho)) + N * sin(radians(Rho)));
      plane { Np, vdot(Np, x * (L - H) + N * R) texture { Bevel_Texture } }
      #local Nm = vnormalize(-x * cos(radians(Rho)) + N * sin(radians(Rho)));
      plane { Nm, vdot(Nm, -x * (L - H) + N * R) texture { Bevel_Texture } }
    #end
    plane { x, L - H * Cap texture { End_Texture } }
    plane { -x, L - H * Cap texture { End_Texture } }
    interior { Apatite_Interior }
  }
#end

// the big crystal, lying across the front with one flat end turned
// towards the camera
#declare Big = transform { rotate z * -8 rotate y * -40 translate <-0.15, 0.92, -0.15> }
object { Apatite_Crystal(0.36, 1.25, 0.75) transform { Big } }
// its upper front prism face mirrors a panel, as a glassy face would
#declare Nf = vrotate(y, x * 330);
Face_Panel(vnormalize(vtransform(Nf, Big) - vtransform(<0, 0, 0>, Big)),
           vtransform(Nf * 0.36, Big), 0.35, 3)
// a stubby one standing up behind it, its flat top catching the light
object {
  Apatite_Crystal(0.30, 0.55, 0.85)
  rotate x * 10 rotate z * 90 rotate x * -12 rotate z * -10
  translate <0.80, 1.0, 0.35>
}
// a thinner one leaning back on the left
object {
  Apatite_Crystal(0.22, 0.7, 0.8)
  rotate x * 30 rotate z * 50 rotate y * -30
  translate <-0.6, 0.95, 0.55>
}

object { Studio_Rock(<1.25, 0.42, 0.85>, 5) translate <0.05, 0.32, 0.2> }
