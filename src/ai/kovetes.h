#pragma once
// Card tracking: recording every card played, and what the other hands can be
// concluded to hold.

#include <cstdint>

struct Asztal;
class Jatekos;

// Records the card in slot j of `soron`'s hand at (`utes_szam`, `utes_lapszam`): the
// trick record, the tens and Ászok, the trick to its winner, the played marks in all
// three tables, the inferences; `fazis` = 6 when a Betli or colourless Durchmars is lost.
void lap_rogzites(Asztal& a, Jatekos& P, int32_t j);

// The inferences after the card just recorded, in all three tables.
void kovetkeztetes(Asztal& a, Jatekos& P);
