// Calcite (hardness 3): a water-clear cleavage rhombohedron ("Iceland
// spar") lying on a pale blue-grey card with a bold printed line, which it
// shows doubled - the classic classroom demonstration of double refraction.
// The view is close, so the doubled line is the first thing one sees.

#include "studio.inc"

Studio_Camera(<0, 0.35, 0.05>, 11, 66, -8, 21)

// Edge vectors of the rhomb: three equal edges meeting at 101.9 degrees
// around the three-fold axis (y), like a real cleavage piece.
#declare CosT = sqrt((1 + 2 * cos(radians(101.9))) / 3);
#declare SinT = sqrt(1 - CosT * CosT);
#declare A = <SinT, CosT, 0>;
#declare B = vrotate(A, <0, 120, 0>);
#declare C = vrotate(A, <0, 240, 0>);

#declare Rhomb_Raw = box {
  <0, 0, 0>, <1, 1, 1>
  // a cleavage slab: two long edges and a short one, as pieces usually break
  matrix <A.x * 2.0, A.y * 2.0, A.z * 2.0,  B.x * 1.7, B.y * 1.7, B.z * 1.7,
          C.x * 1.0, C.y * 1.0, C.z * 1.0,  0, 0, 0>
}
// Lay it on a cleavage face (the one spanned by A and B), face up.
#declare Face_N = vnormalize(vcross(A, B));
#declare Rhomb_Placed = object {
  Rhomb_Raw
  Reorient_Trans(Face_N, -y)
}
#declare Mn = min_extent(Rhomb_Placed);
#declare Mx = max_extent(Rhomb_Placed);
#declare Rhomb = object {
  Rhomb_Placed
  translate <-(Mn.x + Mx.x) / 2, -Mn.y + 0.011, -(Mn.z + Mx.z) / 2>
  rotate y * 30
}

// The crystal: clear calcite, a touch grey-yellow in its thickness, with a
// faint internal cleavage veil, which real pieces nearly always have.
object {
  Rhomb
  texture {
    pigment { color rgbf <1.0, 0.99, 0.96, 0.98> }
    finish {
      ambient 0 diffuse 0.02
      reflection { 0.02, 1 fresnel on }
      specular 0.7 roughness 0.002
      conserve_energy
    }
  }
  texture {
    pigment {
      gradient <0.3, 1, 0.2>
      color_map {
        [0.00 color rgbt <1, 1, 1, 1>]
        [0.46 color rgbt <1, 1, 1, 1>]
        [0.50 color rgbt <1, 0.95, 0.85, 0.8>]
        [0.54 color rgbt <1, 1, 1, 1>]
        [1.00 color rgbt <1, 1, 1, 1>]
      }
      warp { turbulence 0.2 }
      scale 0.9
    }
    finish { ambient 0 diffuse 0 }
  }
  interior {
    ior 1.60
    fade_distance 6
    fade_power 1001
    fade_color srgb <0.92, 0.86, 0.74>
  }
}

// A light room all round, seen by nothing but the crystal: the steep inner
// faces mirror it, instead of the dark studio, so the crystal stays clear.
sphere {
  0, 40
  hollow
  pigment { color rgb 0.55 }
  finish { Softbox_Finish }
  no_image
  no_shadow
}

// Where the card is seen through the crystal, the line appears twice.
#declare Under_Crystal = union {
  #local I = 0;
  #while (I < 24)
    object { Rhomb translate -y * I * 0.09 }
    #local I = I + 1;
  #end
}

// A pale blue-grey card rather than a white one: against white the clear
// crystal, which shows the card through itself, has almost no outline.
#declare Card = <0.50, 0.58, 0.67>;
#declare Line_Dir = 25;
#declare Line = pigment {
  gradient x
  pigment_map {
    [0.000 color srgb <0.04, 0.04, 0.05>]
    [0.030 color srgb <0.04, 0.04, 0.05>]
    [0.033 color srgb Card]
    [1.000 color srgb Card]
  }
  translate -x * 0.02
  scale 6
}
#declare Line_Doubled = pigment {
  gradient x
  pigment_map {
    [0.000 color srgb <0.07, 0.07, 0.08>]
    [0.030 color srgb <0.07, 0.07, 0.08>]
    [0.033 color srgb Card]
    [0.070 color srgb Card]
    [0.073 color srgb <0.10, 0.10, 0.11>]
    [0.103 color srgb <0.10, 0.10, 0.11>]
    [0.106 color srgb Card]
    [1.000 color srgb Card]
  }
  translate -x * 0.02
  scale 6
}

// The card with the printed line.
box {
  <-3.2, 0, -2.6>, <3.2, 0.01, 3.6>
  texture {
    pigment {
      object {
        Under_Crystal
        pigment { Line rotate y * Line_Dir }
        pigment { Line_Doubled rotate y * Line_Dir }
      }
    }
    finish { ambient 0 diffuse 0.9 }
  }
  rotate y * -6
}
