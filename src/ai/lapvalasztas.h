#pragma once
// The computer's card in play: heuristic scores checked against the search.

#include <cstdint>

#include "analysis/gyors_kereses.h"

struct Asztal;
class Jatekos;

// The hand slot (0..9) that P, on turn, should play. Fills `lap_pont`, `hivo_szin`,
// `ellenfel_szin`, `elosztas`; sets or clears `heuferli`. Runs `variacio` every time;
// its verdict decides when it finished in time and found P's side a way to its goal.
// Returns -1 only when P has no card to play.
int32_t lapvalasztas(Asztal& a, Jatekos& P);
// The same; with `korai_dontes` false the search counts every distribution (the bench
// checks that the early stop changes no card). `kereses`, when given, receives the
// search's result (the bench tells a choice the clock cut off from a finished one).
int32_t lapvalasztas(Asztal& a, Jatekos& P, bool korai_dontes, ElemzesEredmeny* kereses = nullptr);
// The same with the search's settings (threads, the clock's limit) given; the choice
// sets its own tie-break scores.
int32_t lapvalasztas(Asztal& a, Jatekos& P, VariacioBeallitas vb, ElemzesEredmeny* kereses = nullptr);

// --- What the scoring rules ask of P's knowledge table ---------------------------

// Ranks of suit s that, in P's table, are seat x's or not located.
int32_t lehet_nala(const Jatekos& P, int32_t x, int32_t s);
// The suit the other side has led most (trumps not counted), lowest on ties; -1 if none.
int32_t ellenfel_szin(const Asztal& a, const Jatekos& P);
// The side suit P would like to lead (see the scoring of a lead); -1 if none.
int32_t hivo_szin(const Asztal& a, const Jatekos& P);
// Whether the next seat may hold, or (led side suit) someone may hold, a card above
// the led card in the colour order.
bool utheto(const Asztal& a, const Jatekos& P);
// Whether the card in P's slot is the highest one left of its suit, where that matters
// (no trump, a trump card, or no trump left out).
bool nyero_lap(const Asztal& a, const Jatekos& P, int32_t slot);
// Betli: P's own cards of suit s above the lowest card of s that can still beat them.
int32_t betli_alatta(const Asztal& a, const Jatekos& P, int32_t s);
// Betli: the score of discarding the card in P's slot.
int32_t betli_lap_pont(const Asztal& a, const Jatekos& P, int32_t slot);
