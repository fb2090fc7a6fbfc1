#pragma once
// Taking the talon and laying two cards back; the computer's announcements and
// contras at its first card.

#include <cstdint>

#include "model/licit.h"

struct Asztal;
class Jatekos;

// What laying back a card of each rank costs ("7" .. Ász).
extern const int32_t lap_buntetes[8];

// The penalty of the discard now lying in the talon, for the pair (i, j) of the
// search (positions 0..9 hand slots, 10 and 11 the talon cards) and the bid B it gives.
int32_t eldobasi_buntetes(const Asztal& a, const Jatekos& P, int32_t i, int32_t j, const Licit& B);

// The talon goes to `taker`: the talon flags, both seats' knowledge of its two cards,
// `felvevo`. The cards stay where they are.
void talon_atvetel(Asztal& a, int32_t taker);

// Takes the talon for `taker` (= `soron`), lays back the best two of twelve cards and
// fixes the bid: leaves it in `jatek`, sets `adu`, `gep_adu`, `licit_ertek`, returns it.
// The caller has found the ten-card bid worth more than `licit_ertek` (or opens the
// auction). A later bidder never comes back with less than that ten-card bid.
Licit talonfelvetel(Asztal& a, int32_t taker);

// The forty and twenties of a computer player and, for a defender, its contras.
// Called at the player's first card, after it is chosen and before it is recorded.
void bemondas_es_kontra(Asztal& a, int32_t seat);
