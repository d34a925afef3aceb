// Program icon: a deep violet fluorite cube on a transparent background.
// Drawn like a badge rather than a photo, so that it still reads at 32 x 32
// pixels on light and dark panels alike: three clearly different face
// tones (bright top, mid left, dark right), a dark outline round the
// silhouette and a light line on the edges facing the viewer.

#include "studio.inc"

#declare Cam_Elev = 30;
#declare Cam_Turn = 0;
Studio_Camera(<0, 0, 0>, 10, Cam_Elev, Cam_Turn, 20.5)

#declare Turn = 38;             // of the cube about the vertical axis
#declare Edge_R = 0.15;         // outline: about 1.5 px at 32 x 32
#declare Bevel_R = 0.06;        // light edges inside the outline

// Flat face tones, set by the direction each face looks in rather than by
// the studio lights, so the three visible faces always differ clearly.
#macro Face(Normal, Colour, Sheen)
  polygon {
    5,
    #local U = <Normal.y, Normal.z, Normal.x>;
    #local V = vcross(Normal, U);
    Normal + U + V, Normal + U - V, Normal - U - V, Normal - U + V, Normal + U + V
    texture {
      // colour zoning: faces a touch deeper towards their rims
      pigment {
        boxed
        color_map {
          [0.00 color srgb Colour * 0.80]
          [0.30 color srgb Colour]
          [1.00 color srgb Colour * 1.06]
        }
        translate Normal
      }
      finish { ambient 0 diffuse 0 emission 1 }
    }
    #if (Sheen)
    texture {
      // a glassy sheen: one light band slanting across the lit face
      pigment {
        gradient vnormalize(U + V)
        color_map {
          [0.00 color rgbt <1, 1, 1, 1>]
          [0.27 color rgbt <1, 1, 1, 1>]
          [0.27 color rgbt <1, 0.95, 1, 0.70>]
          [0.42 color rgbt <1, 0.95, 1, 0.70>]
          [0.42 color rgbt <1, 1, 1, 1>]
          [1.00 color rgbt <1, 1, 1, 1>]
        }
        scale 4
        translate Normal - vnormalize(U + V) * 2
      }
      finish { ambient 0 diffuse 0 emission 1 }
    }
    #end
  }
#end

// Which way the camera looks from, for telling the outline from the inner
// edges.
#declare To_Camera = vrotate(<0, 0, -1>, <Cam_Elev, Cam_Turn, 0>);
#macro Seen(N) (vdot(vrotate(N, y * Turn), To_Camera) > 0) #end

#declare Faces = array[6] { y, -y, x, -x, z, -z }

union {
  // faces: top bright lilac-pink, the side towards the key light mid
  // violet, the other side deep purple; hidden faces just close the solid
  Face(y,  <0.92, 0.60, 1.00>, 0)
  Face(-z, <0.58, 0.24, 0.88>, 1)
  Face(-x, <0.30, 0.08, 0.52>, 0)
  Face(x,  <0.30, 0.08, 0.52>, 0)
  Face(z,  <0.30, 0.08, 0.52>, 0)
  Face(-y, <0.30, 0.08, 0.52>, 0)

  // the twelve edges: dark where one face is seen (the silhouette), light
  // where both are (the edges facing the viewer), none where neither is
  #for (I, 0, 5)
    #for (J, I + 1, 5)
      #local A = Faces[I];
      #local B = Faces[J];
      #if (vdot(A, B) = 0)
        #local C = vcross(A, B);
        #local N = Seen(A) + Seen(B);
        #if (N = 1)
          cylinder { A + B - C, A + B + C, Edge_R
                     pigment { color srgb <0.10, 0.02, 0.18> }
                     finish { ambient 0 diffuse 0 emission 1 } }
          sphere { A + B - C, Edge_R
                   pigment { color srgb <0.10, 0.02, 0.18> }
                   finish { ambient 0 diffuse 0 emission 1 } }
          sphere { A + B + C, Edge_R
                   pigment { color srgb <0.10, 0.02, 0.18> }
                   finish { ambient 0 diffuse 0 emission 1 } }
        #end
        #if (N = 2)
          cylinder { A + B - C, A + B + C, Bevel_R
                     pigment { color srgb <1.00, 0.90, 1.00> }
                     finish { ambient 0 diffuse 0 emission 1 } }
        #end
      #end
    #end
  #end
  rotate y * Turn
}
