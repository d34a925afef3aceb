// Orthoclase (hardness 6): a stout, blocky crystal of flesh-pink to salmon
// feldspar, a Carlsbad twin. Orthoclase grows as short, thick, box-like
// prisms whose faces meet at nearly right angles; in the Carlsbad twin two
// crystals are grown together side by side, turned end for end, so each end
// shows two slopes meeting at a seam. The crystal fills the frame and
// each face takes its own shade, so the box shape reads even at 1x. The top
// is a cleavage face with a soft, broad pearly sheen (feldspar is stony and
// opaque, never a metal-bright mirror); the crystal sits on a scrap of grey
// granite it grew in.

#include "studio.inc"

Studio_Camera(<0.0, 0.62, 0.1>, 13, 40, 0, 16.5)

#declare Tilt = 4;
#declare Turn = -26;

// A light panel seen only by the crystal: the flat top mirrors it as the
// broad sheen of a feldspar cleavage, fading across the face. It is kept
// dim and wide: a bright, narrow stripe makes the pink block look like copper.
#declare View = vrotate(-z, x * 40);
#macro Mirror_Of(N0)
  #local N = vrotate(vrotate(N0, x * Tilt), y * Turn);
  (2 * vdot(N, View) * N - View)
#end
box {
  <-2.5, -1.2, -0.05>, <2.5, 1.2, 0.05>
  pigment {
    gradient x
    color_map { [0 color rgb 0.6] [0.3 color rgb 4.5] [0.45 color rgb 3.0] [0.8 color rgb 0.8] [1 color rgb 0.3] }
    scale 5 translate -x * 2.5
  }
  finish { Softbox_Finish }
  Reorient_Trans(z, Mirror_Of(y))
  translate <0, 1.5, 0> + Mirror_Of(y) * 4
  no_image
  no_shadow
}

// light flesh pink, a little milky: saturated salmon-orange reads as copper
#declare Pink_A = srgb <0.88, 0.62, 0.53>;
#declare Pink_B = srgb <0.95, 0.77, 0.68>;
#declare Pink_C = srgb <0.74, 0.52, 0.46>;   // darker grains
// stony mottling: broad cloudy patches with a fine grain over them
#declare Mottle = pigment {
  granite
  pigment_map {
    [0.0 bozo color_map { [0 color Pink_A] [1 color Pink_B] } scale 0.4]
    [0.55 bozo color_map { [0 color Pink_A] [1 color Pink_B] } scale 0.4]
    [0.75 color Pink_C]
    [1.0 color Pink_B]
  }
  scale 0.5
}
#declare Feldspar_Pigment = pigment {
  // the body colour, mottled, with short paler wavy stringers of albite
  // (perthite) that tell a feldspar from a dyed or painted block
  gradient <1, 0.2, 0.1>
  pigment_map {
    [0.00 Mottle]
    [0.68 Mottle]
    [0.73 color srgb <0.98, 0.88, 0.82>]
    [0.78 Mottle]
  }
  warp { turbulence <0.4, 0.2, 0.4> octaves 4 }
  scale 0.3
}
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
  normal { average normal_map { [1 bumps 0.05 scale 0.6] [1 granite 0.06 scale 0.4] } }   // a little uneven, so the sheen breaks up
  finish {
    // dull-vitreous: a weak, wide highlight and only a little reflection
    ambient 0 diffuse 0.76 specular 0.22 roughness 0.05
    reflection { 0.03, 0.15 fresnel on }
    irid { 0.04 thickness 0.4 turbulence 0.3 }   // faint pearly play
    conserve_energy
  }
}
#declare Face = texture {   // the other faces: a little duller
  pigment { Feldspar_Pigment }
  normal { average normal_map { [1 granite 0.12 scale 0.5] [1 bumps 0.3 scale 0.9] } }   // not quite flat
  finish { ambient 0 diffuse 0.46 specular 0.12 roughness 0.08 reflection { 0.02, 0.1 fresnel on } conserve_energy }
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
// A corner broken away along the two cleavages at right angles leaves
// little stairs with pearly treads, and a few chips nick the edges.
difference {
  union {
    intersection { object { Individual } plane { z, 0 texture { Face } } }
    intersection { object { Individual scale <-1, 1, 1> } plane { -z, 0 texture { Face } } }
  }
  union {
    box { <-3, H - 0.07, -3>, <-L + 0.62, 3, -D + 0.36> }
    box { <-3, H - 0.15, -3>, <-L + 0.46, 3, -D + 0.25> }
    box { <-3, H - 0.23, -3>, <-L + 0.32, 3, -D + 0.15> }
    box { <-3, H - 0.31, -3>, <-L + 0.2, 3, -D + 0.07> }
    texture { Cleavage }
  }
  // chips
  box { -0.09, 0.09 rotate <35, 20, 40> translate <0.35, H, -D> texture { Face } }
  box { -0.08, 0.08 rotate <20, 45, 10> translate <0.9, 0.02, -D> texture { Face } }
  box { -0.07, 0.07 rotate <40, 10, 30> translate <-0.3, H, D> texture { Face } }
  interior { ior 1.52 }   // for the fresnel sheen
  rotate x * Tilt
  rotate y * Turn
  translate y * 0.14
}

// a scrap of the grey granite it grew in
object { Studio_Rock(<2.0, 0.6, 1.3>, 21) translate <0.25, 0.12, 0.35> }
// and a lump of it still holding the crystal's foot at the front
object { Studio_Rock(<0.9, 0.4, 0.55>, 7) translate <-0.9, 0.06, -0.75> }
