// Apatite (hardness 5): a glassy yellow-green ("asparagus stone") apatite
// crystal on a piece of host rock, framed close. It is a six-sided prism
// ending in a broad, FLAT six-sided face with a narrow ring of bevels
// round it, as apatite grows; the end is turned nearly to the camera so
// it shows as a sharp hexagon even in the small photo, which tells apatite
// from quartz, whose prisms end in points, and from rounded green glass. Fine growth lines run along the prisms, not across
// them as on quartz. The yellow-green keeps it from fluorite's purple cubes
// and from emerald-like green glass.

#include "studio.inc"

#declare Elev = 28;
Studio_Camera(<-0.05, 1.0, 0>, 11, Elev, 0, 16)

// Glassy: ordinary reflections and little light scattered inside, so it
// looks translucent rather than glowing like candy.
#declare Apatite_Finish = finish {
  ambient 0 diffuse 0.25
  specular 0.6 roughness 0.01
  reflection { 0.05, 1 fresnel on }
  conserve_energy
}
// a muted yellow-green, leaning to sea-green
#declare Apatite_Pigment = pigment { color rgbft <0.86, 0.96, 0.58, 0.45, 0.04> }
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
// the bevels round the ends: smooth and mirror-bright, a thin ring that
// draws the hexagon's edges
#declare Bevel_Texture = texture {
  pigment { Apatite_Pigment }
  finish { Apatite_Finish reflection { 0.2, 1 fresnel on } }
}
// the flat ends: a little etched and less clear than the body, so the end
// shows as a paler hexagon with the bevel ring round it
#declare End_Texture = texture {
  pigment { color rgbft <0.90, 0.98, 0.62, 0.35, 0.03> }
  normal { bumps 0.08 scale 0.05 }
  finish { Apatite_Finish diffuse 0.45 }
}
#declare Apatite_Interior = interior {
  ior 1.63
  fade_distance 1.1
  fade_power 1001
  fade_color srgb <0.78, 0.88, 0.42>
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

// the crystal, its base in the rock, its flat end raised and turned about
// 35 degrees from the camera: a clear hexagon with the prism running back
// from it
#declare Big = transform { rotate x * 30 Reorient_Trans(x, <0.6, 0.38, -0.7>) translate <-0.6, 0.7, 0.5> }
object { Apatite_Crystal(0.42, 1.25, 0.75) transform { Big } }
object { Studio_Rock(<1.25, 0.6, 0.85>, 5) translate <0.05, 0.32, 0.2> }
