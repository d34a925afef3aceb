// Calcite (hardness 3): a clear, faintly honey-coloured cleavage rhombohedron
// lying on a card with a printed line, which it shows doubled - the classic
// classroom demonstration of double refraction.

#include "studio.inc"

Studio_Camera(<0, 0.35, 0.1>, 11, 58, -8, 24)

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
  matrix <A.x * 2.0, A.y * 2.0, A.z * 2.0,  B.x * 1.6, B.y * 1.6, B.z * 1.6,
          C.x * 0.8, C.y * 0.8, C.z * 0.8,  0, 0, 0>
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

// The crystal: clear calcite with a touch of honey colour and a faint
// internal cleavage veil, which real pieces nearly always have.
object {
  Rhomb
  texture {
    pigment { color rgbf <1.0, 0.96, 0.86, 0.97> }
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
    fade_distance 5
    fade_power 1001
    fade_color srgb <1.0, 0.78, 0.45>
  }
}

// Where the card is seen through the crystal, the line appears twice.
#declare Under_Crystal = union {
  #local I = 0;
  #while (I < 24)
    object { Rhomb translate -y * I * 0.09 }
    #local I = I + 1;
  #end
}

#declare Line_Dir = 25;
#declare Line = pigment {
  gradient x
  pigment_map {
    [0.000 color srgb <0.06, 0.06, 0.07>]
    [0.018 color srgb <0.06, 0.06, 0.07>]
    [0.022 color srgb <0.80, 0.80, 0.77>]
    [1.000 color srgb <0.80, 0.80, 0.77>]
  }
  translate -x * 0.02
  scale 6
}
#declare Line_Doubled = pigment {
  gradient x
  pigment_map {
    [0.000 color srgb <0.06, 0.06, 0.07>]
    [0.018 color srgb <0.06, 0.06, 0.07>]
    [0.022 color srgb <0.80, 0.80, 0.77>]
    [0.050 color srgb <0.80, 0.80, 0.77>]
    [0.050 color srgb <0.16, 0.16, 0.17>]
    [0.068 color srgb <0.16, 0.16, 0.17>]
    [0.072 color srgb <0.80, 0.80, 0.77>]
    [1.000 color srgb <0.80, 0.80, 0.77>]
  }
  translate -x * 0.02
  scale 6
}

// The card with the printed line.
box {
  <-2.1, 0, -1.5>, <2.1, 0.01, 1.5>
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
