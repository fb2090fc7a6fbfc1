#pragma once
// The rules of play: the legal cards of the seat to move (following, overtaking,
// trumping), of each run of equal cards only the lowest, and the trick's winner.

#include <cstdint>

struct Asztal;
class Jatekos;
class Kartyalap;

// Lists into `jelolt_lapok[t][k]` the slots of `seat` in `rec.elosztas` that may be
// played at the examined position (t, k) = (`vizsgalt_utes`, `vizsgalt_lapszam`), and
// writes `utes_nyero[t][k]`. Returns the count.
int32_t lapjelolt(Asztal& a, Jatekos& rec, int32_t seat);

// Whether the cards in slots `also` (later, lower) and `felso` (earlier, higher) of
// the seat's row of `rec.elosztas` are of equal value for the play.
bool egyenerteku(const Asztal& a, const Jatekos& rec, int32_t seat, int32_t also, int32_t felso);

// Whether the owner of `rec` may play the card in `slot` of its real hand now. The
// caller sets `vizsgalt_utes` and `vizsgalt_lapszam` first.
bool szabalyos_lap(Asztal& a, Jatekos& rec, int32_t slot);

// Copies the three real hands (slots 0..9) into the record's working hands.
void elosztas_masolas(Asztal& a, Jatekos& rec);
