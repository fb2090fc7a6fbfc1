#pragma once
// The computer's judgement of a hand: component tests, the Durchmars and Betli
// simulations, and the choice of a bid. Everything here reads only the player's own
// cards, its knowledge table and the talon (the colour Durchmars test also counts the
// trumps the other two really hold) and allocates nothing.

#include <cstdint>

#include "model/licit.h"

struct Asztal;
class Jatekos;

// Cards of suit s in slots 0..9 that P still holds.
int32_t szin_lapszam(const Jatekos& P, int32_t s);
// Talon cards of suit s.
int32_t talon_lapszam(const Asztal& a, int32_t s);
// Live cards of suit s for P: entry >= 0 and not P's own.
int32_t kinn_levo(const Jatekos& P, int32_t s);
// 1: holds Felső and Király of s; -1: holds neither (and P does not hold a talon that
// is exactly that pair); 0 otherwise.
int32_t par_allapot(const Asztal& a, const Jatekos& P, int32_t s);
// Bit r set when P holds rank r of s (bit 7 = Ász).
int32_t szin_maszk(const Jatekos& P, int32_t s);
// The k-th side suit (1 best .. 3 worst) for trump t; k = 0 gives t itself.
int32_t mellekszin(const Jatekos& P, int32_t t, int32_t k);
// Strength of the hand for the party game with trump t.
double parti_erosseg(const Asztal& a, const Jatekos& P, int32_t t);

// Weight of the best side suit in the Ulti test, by its length (0..6) and the number
// of its cards in the talon (0..2).
extern const int32_t ulti_suly[7][3];

// Component tests for a trump suit t (0..3). Those that succeed scale `adu_ertek[t]`.
bool parti_jatszhato(const Asztal& a, const Jatekos& P, int32_t t);
bool negyven_szaz_ertekeles(const Asztal& a, Jatekos& P, int32_t t);
bool husz_szaz_ertekeles(const Asztal& a, Jatekos& P, int32_t t);
bool ulti_ertekeles(const Asztal& a, Jatekos& P, int32_t t);
bool negy_asz_ertekeles(const Asztal& a, Jatekos& P, int32_t t);

// Durchmars simulation for trump choice c (0..3, or 4 for no trump): level 0..2
// for a suit, 0 or 3..5 without trump. Scales (suit) or sets (no trump) `adu_ertek[c]`.
int32_t durchmars_ertekeles(const Asztal& a, Jatekos& P, int32_t c);
// Betli simulation: level 0..3; writes `betli_kezdo_szin`, and `adu_ertek[4]` from
// level 1 up.
int32_t betli_ertekeles(const Asztal& a, Jatekos& P);

// The bid for P's ten cards, or the pass record when the best candidate is not worth
// more than `licit_ertek`. Writes `adu`, `adu_ertek`, `betli_kezdo_szin`.
Licit licit_valasztas(Asztal& a, Jatekos& P);
