// Orthoclase (hardness 6): a stout crystal of flesh-pink to salmon
// feldspar, with a smaller one grown against it, bedded in the grey
// granite they grew in. Orthoclase grows as short, thick prisms with faces
// at many angles: prism faces bevelling the long edges, steep and shallow
// sloping end faces, and two good cleavages nearly at right angles. Here
// no two faces are quite parallel, the far end is broken off, a small chip
// is missing from one edge, and the faces are a little wavy, as on a
// natural crystal. The cleavage faces have a glassy to pearly lustre and
// catch the light; the other faces are glassy too, but uneven.

#include "studio.inc"

Studio_Camera(<0.0, 0.75, 0.1>, 12, 30, 0, 19.5)

// pale flesh pink to salmon, cloudy, with faint paler wavy stringers
// (perthite); saturated orange-red with specks reads as brick
#declare Pink_A = srgb <0.88, 0.63, 0.52>;
#declare Pink_B = srgb <0.95, 0.77, 0.67>;
#declare Feldspar_Pigment = pigment {
  gradient <1, 0.2, 0.1>
  pigment_map {
    [0.00 bozo color_map { [0 color Pink_A] [1 color Pink_B] } scale 0.5]
    [0.70 bozo color_map { [0 color Pink_A] [1 color Pink_B] } scale 0.5]
    [0.75 color srgb <0.93, 0.76, 0.67>]
    [0.80 bozo color_map { [0 color Pink_A] [1 color Pink_B] } scale 0.5]
  }
  warp { turbulence <0.4, 0.2, 0.4> octaves 4 }
  scale 0.35
}
// Cleavage faces: glassy to pearly, smooth but not machined - a faint
// waviness breaks up the reflection of the light.
#declare Cleavage = texture {
  pigment { Feldspar_Pigment }
  normal { bumps 0.015 scale 0.5 }
  finish {
    ambient 0 diffuse 0.6 specular 0.8 roughness 0.006
    reflection { 0.07, 0.5 fresnel on }
    irid { 0.05 thickness 0.45 turbulence 0.3 }   // the pearly play
    conserve_energy
  }
}
// Natural crystal faces: vitreous too, but uneven, so their highlights
// break up into broad, soft patches.
#declare Face = texture {
  pigment { Feldspar_Pigment }
  normal { average normal_map { [1 bumps 0.06 scale 0.5] [1 wrinkles 0.05 scale 0.8] } }
  finish { ambient 0 diffuse 0.6 specular 0.5 roughness 0.015
           reflection { 0.04, 0.3 fresnel on } conserve_energy }
}

// A plane through point P with normal N, the normal nudged by a few
// degrees (Wob) so that faces of a form are not machined-parallel.
#macro Pl(N, P, Wob, Tex)
  #local M = vnormalize(vrotate(vnormalize(N), Wob));
  plane { M, vdot(M, P) texture { Tex } }
#end

// The crystal, long along x: side faces b (normal z) and prism faces m
// bevelling the upright edges, the basal cleavage c on top, a steep end
// face at the near end; the far end is broken.
#declare L = 1.35;   // half length
#declare H = 1.15;   // height
#declare D = 0.62;   // half depth
#declare Crystal = intersection {
  Pl(y, <0, H, 0>, <2, 0, -3>, Cleavage)                       // c, cleavage
  Pl(-y, <0, -0.4, 0>, 0, Face)
  Pl(-z, <0, 0, -D>, <0, 4, 0>, Cleavage)                      // b, cleavage
  Pl(z, <0, 0, D>, <0, -3, 2>, Face)
  Pl(<-1, 0, -0.9>, <-L * 0.62, 0, -D>, <0, 5, 3>, Face)       // m
  Pl(<-1, 0, 0.9>, <-L * 0.62, 0, D>, <3, -4, 0>, Face)
  Pl(<1, 0, -0.8>, <L * 0.7, 0, -D>, <0, -3, -2>, Face)
  Pl(<1, 0, 0.8>, <L * 0.7, 0, D>, <-2, 4, 0>, Face)
  Pl(<-1, 0.8, 0>, <-L, H * 0.45, 0>, <0, 0, 3>, Face)         // the sloping end
  Pl(<-0.5, 1, -0.35>, <-L + 0.55, H, 0>, 0, Face)             // a bevel above it
  Pl(<0, 1, -0.8>, <0, H, -D>, <0, 6, 0>, Face)                 // a face along the top edge
  // the far end, broken along the two cleavages in uneven steps
  Pl(<1, 0.15, 0.1>, <L * 0.93, 0, 0>, 0, Face)
}
// a small chip off the front top edge, and a step where a thin sheet
// broke away along the top cleavage, leaving a lower, parallel terrace
#declare Broken = union {
  box { -0.11, 0.11 rotate <35, 20, 40> translate <-0.25, H, -D> }
  intersection {
    Pl(-y, <0, H - 0.12, 0>, <2, 0, -3>, Cleavage)                   // the terrace
    plane { vnormalize(<0.3, 0, 1>), -0.22 }                        // the riser
    plane { vnormalize(<-1, 0.1, 0.2>), -0.1 }
  }
  texture { Face }
}

// A broad panel seen only by the crystal, where the top cleavage face
// mirrors it towards the camera: the glassy-pearly flash of a cleavage.
#declare Pose = transform { rotate z * -6 rotate x * 5 rotate y * -36 scale 0.72 translate <-0.3, 0.66, -0.15> }
#declare View = vrotate(-z, x * 30);
#declare Nc = vnormalize(vtransform(vnormalize(vrotate(y, <2, 0, -3>)), Pose) - vtransform(<0, 0, 0>, Pose));
#declare Mc = 2 * vdot(Nc, View) * Nc - View;
box {
  <-2.2, -1.2, -0.05>, <2.2, 1.2, 0.05>
  pigment { gradient x color_map { [0 color rgb 0.4] [0.36 color rgb 0.6] [0.46 color rgb 7] [0.56 color rgb 0.6] [1 color rgb 0.4] } scale 4.4 translate -x * 2.2 }
  finish { Softbox_Finish }
  Reorient_Trans(z, Mc)
  translate <0, 1.5, 0> + Mc * 5
  no_image
  no_shadow
}

// and one for the broad side face, which is a cleavage too
#declare Nb = vnormalize(vtransform(vnormalize(vrotate(-z, <0, 4, 0>)), Pose) - vtransform(<0, 0, 0>, Pose));
#declare Mb = 2 * vdot(Nb, View) * Nb - View;
box {
  <-1.6, -1.6, -0.05>, <1.6, 1.6, 0.05>
  pigment { gradient y color_map { [0 color rgb 0.5] [0.6 color rgb 5] [1 color rgb 1] } scale 3.2 translate -y * 1.6 }
  finish { Softbox_Finish }
  Reorient_Trans(z, Mb)
  translate <0, 0.9, 0> + Mb * 5
  no_image
  no_shadow
}

object {
  difference { object { Crystal } object { Broken } }
  interior { ior 1.52 }   // for the fresnel sheen
  transform { Pose }
}
// a smaller crystal grown against it at the back, half buried in the rock
object {
  Crystal
  interior { ior 1.52 }
  rotate z * 70 rotate y * 20 scale 0.5 translate <0.85, 0.75, 0.45>
}

// the grey granite it grew in, holding the crystal's foot
object { Studio_Rock(<1.9, 1.0, 1.3>, 1) translate <0.05, 0.45, 0.2> }
