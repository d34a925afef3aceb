// Orthoclase (hardness 6): a stout, blocky crystal of flesh-pink to salmon
// feldspar, a Carlsbad twin. Orthoclase grows as short, thick, box-like
// prisms whose faces meet at nearly right angles; in the Carlsbad twin two
// crystals are grown together side by side, turned end for end, so each end
// shows two slopes meeting at a seam. The crystal fills the frame and
// each face takes its own shade, so the box shape reads even at 1x. The top
// is a cleavage face with a soft pearly sheen; the crystal sits on a scrap
// of grey granite it grew in.

#include "studio.inc"

Studio_Camera(<0.0, 0.62, 0.1>, 13, 40, 0, 16.5)

#declare Tilt = 4;
#declare Turn = -26;

// A light panel seen only by the crystal: the flat top mirrors it as the
// broad sheen of a feldspar cleavage, fading across the face.
#declare View = vrotate(-z, x * 40);
#macro Mirror_Of(N0)
  #local N = vrotate(vrotate(N0, x * Tilt), y * Turn);
  (2 * vdot(N, View) * N - View)
#end
box {
  <-2.5, -1.2, -0.05>, <2.5, 1.2, 0.05>
  pigment {
    gradient x
    color_map { [0 color rgb 3.0] [1 color rgb 0.3] }
    scale 5 translate -x * 2.5
  }
  finish { Softbox_Finish }
  Reorient_Trans(z, Mirror_Of(y))
  translate <0, 1.5, 0> + Mirror_Of(y) * 4
  no_image
  no_shadow
}

#declare Pink_A = srgb <0.90, 0.58, 0.46>;
#declare Pink_B = srgb <0.95, 0.70, 0.58>;
#declare Feldspar_Pigment = pigment {
  // the body colour, mottled, with short paler wavy stringers of albite
  // (perthite) that tell a feldspar from a dyed or painted block
  gradient <1, 0.2, 0.1>
  pigment_map {
    [0.00 bozo color_map { [0 color Pink_A] [1 color Pink_B] } scale 0.4]
    [0.72 bozo color_map { [0 color Pink_A] [1 color Pink_B] } scale 0.4]
    [0.75 color srgb <0.95, 0.76, 0.66>]
    [0.78 bozo color_map { [0 color Pink_A] [1 color Pink_B] } scale 0.4]
  }
  warp { turbulence <0.4, 0.2, 0.4> octaves 4 }
  scale 0.3
}
// Each face keeps one finish, so the faces differ cleanly in shade.
// Each face keeps one finish, so the faces differ cleanly in shade.
// fine, straight cleavage cracks, paler where they catch the light: the
// two cleavages at right angles show as sets of straight lines
#declare Crack_Colour = color srgb <0.99, 0.86, 0.78>;
#declare Cracked_1 = pigment {
  gradient z
  pigment_map {
    [0.00 Crack_Colour] [0.05 Crack_Colour]
    [0.05 Feldspar_Pigment scale 1 / 0.43] [1.00 Feldspar_Pigment scale 1 / 0.43]
  }
  scale 0.43
}
#declare Body_Pigment = pigment {
  gradient y
  pigment_map {
    [0.00 Crack_Colour] [0.04 Crack_Colour]
    [0.04 Cracked_1 scale 1 / 0.31] [1.00 Cracked_1 scale 1 / 0.31]
  }
  scale 0.31
  warp { turbulence 0.03 }
  translate <0, 0.1, 0.05>
}
#declare Cleavage = texture {
  pigment { Feldspar_Pigment }
  normal { bumps 0.01 scale 0.5 }
  finish {
    ambient 0 diffuse 0.80 specular 0.6 roughness 0.006
    reflection { 0.06, 0.35 fresnel on }
    irid { 0.03 thickness 0.4 turbulence 0.3 }   // faint pearly play
    conserve_energy
  }
}
#declare Face = texture {   // the other faces: flat, a little duller
  pigment { Feldspar_Pigment }
  normal { granite 0.12 scale 0.5 }
  finish { ambient 0 diffuse 0.46 specular 0.5 roughness 0.006 reflection { 0.04, 0.25 fresnel on } conserve_energy }
}


// One individual of the twin, long along x: side pinacoid b (z), prism
// faces m bevelling the upright edges, basal cleavage c on top, and the
// two sloping end faces of the monoclinic crystal, a broad, shallow one at
// one end and a steep one at the other.
#declare L = 1.45;   // half length
#declare H = 1.25;   // height
#declare D = 0.66;   // half depth
#declare Individual = intersection {
  plane { y, H texture { Cleavage } }
  plane { -y, 0 texture { Face } }
  plane { z, D texture { Face } }
  plane { -z, D texture { Face } }
  plane { vnormalize(<1, 0, -0.6>), L * 0.86 texture { Face } }
  plane { vnormalize(<1, 0, 0.6>), L * 0.86 texture { Face } }
  plane { vnormalize(<-1, 0, -0.6>), L * 0.86 texture { Face } }
  plane { vnormalize(<-1, 0, 0.6>), L * 0.86 texture { Face } }
  #local N = vnormalize(<1, 0.8, 0>);  plane { N, vdot(N, <L - 0.55, H, 0>) texture { Face } }
  #local N = vnormalize(<-1, 0.2, 0>); plane { N, vdot(N, <-L, H, 0>) texture { Face } }
  // slightly worn edges, which catch thin highlights along the box
  #local N = vnormalize(<0, 1, -1>);   plane { N, vdot(N, <0, H, -D>) - 0.025 texture { Cleavage } }
  #local N = vnormalize(<0.4, 0, -1>); plane { N, vdot(N, <L * 0.86 / 0.857, 0, -D>) - 0.03 texture { Face } }
}

// Carlsbad twin: the back individual is the front one turned end for end,
// so their end faces slope opposite ways and meet in a re-entrant seam.
union {
  intersection { object { Individual } plane { z, 0 texture { Face } } }
  intersection { object { Individual scale <-1, 1, 1> } plane { -z, 0 texture { Face } } }
  interior { ior 1.52 }   // for the fresnel sheen
  rotate x * Tilt
  rotate y * Turn
  translate y * 0.14
}

// a scrap of the grey granite it grew in
object { Studio_Rock(<1.5, 0.35, 1.0>, 21) translate <0.1, 0.08, 0.3> }
