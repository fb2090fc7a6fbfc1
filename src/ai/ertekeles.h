#pragma once
// The computer's judgement of a hand: component tests, the Durchmars and Betli
// simulations, and the choice of a bid.

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
// 1: holds Felső and Király of s; -1: holds neither (and the talon is not that pair); 0.
int32_t par_allapot(const Asztal& a, const Jatekos& P, int32_t s);
// Bit r set when P holds rank r of s.
int32_t szin_maszk(const Jatekos& P, int32_t s);
// The k-th side suit (1 best .. 3 worst) for trump t.
int32_t mellekszin(const Jatekos& P, int32_t t, int32_t k);
// Strength of the hand for the party game with trump t.
double parti_erosseg(const Asztal& a, const Jatekos& P, int32_t t);

// Durchmars simulation for trump choice c (0..3, or 4 for no trump): level 0..2
// for a suit, 0 or 3..5 without trump.
int32_t durchmars_ertekeles(Asztal& a, Jatekos& P, int32_t c);
// Betli simulation: level 0..3; writes `betli_kezdo_szin`.
int32_t betli_ertekeles(Asztal& a, Jatekos& P);

// The bid for P's ten cards, or the pass record. Writes `adu`, `adu_ertek`,
// `betli_kezdo_szin`.
Licit licit_valasztas(Asztal& a, Jatekos& P);
