#pragma once
// Taking the talon and laying two cards back; the computer's announcements and
// contras at its first card.

#include <cstdint>

#include "model/licit.h"

struct Asztal;

// Takes the talon for `taker` (= `soron`), lays back the best two of twelve cards and
// fixes the bid: leaves it in `jatek`, sets `adu`, `gep_adu`, `licit_ertek`, returns it.
Licit talonfelvetel(Asztal& a, int32_t taker);

// The forty and twenties of a computer player and, for a defender, its contras.
void bemondas_es_kontra(Asztal& a, int32_t seat);
