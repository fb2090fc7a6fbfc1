#pragma once
// Shuffle, deal and the sorting of a hand.

#include <cstdint>

struct Asztal;

// 96 exchanges of two random positions of `keveres`, continuing from its last order.
void keveres_96(Asztal& a);

// Advances the dealer, shuffles and deals ten cards to each seat and two to the
// talon; every `hol` table is reset and knows only its own ten cards.
void kevert_osztas(Asztal& a);

// Sorts the first `db` slots of a seat's hand: suits by falling number, then by
// falling order under the current trump column.
void kez_rendezes(Asztal& a, int32_t seat, int32_t db);

// Fills `kezben` with the slots 0..9 the seat still holds (own `hol` entry is the
// seat), ascending. Returns how many.
int32_t kezben_levo(Asztal& a, int32_t seat);
