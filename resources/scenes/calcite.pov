// Calcite (hardness 3): a water-clear cleavage rhombohedron ("Iceland
// spar") lying on a printed word on a white card, which it shows doubled -
// the classic classroom demonstration of double refraction. Seen from a
// lower angle, the rhomb's slanted faces and edges show its shape; the card
// lies on the same grey backdrop as the other photos.

#include "studio.inc"

Studio_Camera(<0, 0.3, 0.1>, 11, 42, -8, 21.5)

// Edge vectors of the rhomb: three equal edges meeting at 101.9 degrees
// around the three-fold axis (y), like a real cleavage piece.
#declare CosT = sqrt((1 + 2 * cos(radians(101.9))) / 3);
#declare SinT = sqrt(1 - CosT * CosT);
#declare A = <SinT, CosT, 0>;
#declare B = vrotate(A, <0, 120, 0>);
#declare C = vrotate(A, <0, 240, 0>);

#declare Rhomb_Raw = box {
  <0, 0, 0>, <1, 1, 1>
  // a cleavage piece: edges of a little different length, as pieces break
  matrix <A.x * 1.5, A.y * 1.5, A.z * 1.5,  B.x * 1.25, B.y * 1.25, B.z * 1.25,
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
  rotate y * 100
  translate <0.15, 0, 0.05>
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
        [0.50 color rgbt <1, 0.97, 0.92, 0.96>]
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
  pigment { color rgb 0.35 }
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

// A white card printed with a bold word (all its letters are the same
// in Cyrillic; the font comes with POV-Ray's include files). Seen through
// the crystal, the word appears twice, both images a little fainter.
#declare Paper = srgb <0.90, 0.90, 0.88>;
#declare Ink = srgb <0.06, 0.06, 0.07>;
#declare Word = text { ttf "timrom.ttf" "KOTKA" 1, 0
                       scale <0.8, 0.9, 1> translate <-1.35, -0.3, -0.5>
                       rotate x * 90 }
#declare Shift = <0.2, 0, 0.17>;   // the second image's offset
#declare Single = pigment { object { Word color Paper color Ink } }
#declare Doubled = pigment {
  object {
    union { object { Word } object { Word translate Shift } }
    color Paper
    color srgb <0.14, 0.14, 0.15>
  }
}
box {
  <-2.0, 0, -1.05>, <2.0, 0.01, 1.2>
  texture {
    pigment {
      object {
        Under_Crystal
        pigment { Single }
        pigment { Doubled }
      }
    }
    finish { ambient 0 diffuse 0.85 }
  }
  rotate y * -6
}
