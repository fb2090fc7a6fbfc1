#pragma once
// Playing named cards the way the table flow does: the legality check, the record of
// the card, then the turn advance (the winner of a full trick leads the next).

#include <cstdint>
#include <string>

#include "model/asztal.h"

namespace teszt {

// Plays the named card for the seat on turn (`soron`): checks it with `szabalyos_lap`,
// records it with `lap_rogzites`, advances `soron`, `utes_lapszam` and `utes_szam`
// (phase 6 after the tenth trick). Returns false and changes nothing when the seat
// does not hold the card, the card is not legal, or the deal is already over.
bool kijatszas(Asztal& a, const std::string& nev);

// Plays a comma-separated list of cards in turn; throws std::logic_error naming the
// first card that cannot be played.
void kijatszasok(Asztal& a, const std::string& lista);

// The first trick of a Makk party of seat 2, who has led the Tök 9; the human in
// seat 0 is to play (phase 4) and only his Tök Király follows and beats it. The
// search's clock is driven: a millisecond per 50 reads.
void tok9_hivas(Asztal& a);

}  // namespace teszt
