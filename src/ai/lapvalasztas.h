#pragma once
// The computer's card in play: heuristic scores checked against the search.

#include <cstdint>

struct Asztal;
class Jatekos;

// The hand slot (0..9) that P, on turn, should play. Fills `lap_pont`, `hivo_szin`,
// `ellenfel_szin`, `elosztas`; sets or clears `heuferli`.
int32_t lapvalasztas(Asztal& a, Jatekos& P);
