#pragma once
// The exhaustive search: the play of the remaining tricks, for the actual deal or
// over every distribution of the cards the player has not seen.

#include <cstdint>

#include "model/asztal.h"

// 1 made, -1 failed, 0 not yet decided, at the search position.
int32_t kiertekeles(const Asztal& a, const Jatekos& rec, const Licit& flagek);

// The AND-OR search from the real position over `rec.elosztas` and `rec.hol`, which
// the caller prepares. Restores the trick tables and counters.
ElemzesEredmeny jatek_kereses(Asztal& a, Jatekos& rec);

// The search of the actual deal, every card where it really is.
ElemzesEredmeny elemzes(Asztal& a, Jatekos& rec);

// The search over every distribution of the unseen cards: the fast engine
// (gyors_kereses.h), which answers exactly as `variacio_literalis` does.
ElemzesEredmeny variacio(Asztal& a, Jatekos& rec);

// The same over the literal engine, one `jatek_kereses` per distribution: the oracle
// of the fast one.
ElemzesEredmeny variacio_literalis(Asztal& a, Jatekos& rec);

// Whether a distribution is admitted (Ulti: the trump 7 with the declarer).
bool elosztas_szures(const Asztal& a, const Jatekos& rec);
// Sorts the three working hands like `kez_rendezes`.
void elosztas_rendezes(const Asztal& a, Jatekos& rec);

// --- What both engines of `variacio` share ---------------------------------------

// The space of distributions of one call: the analysing seat o, the next seat R and
// the last L; U unseen cards, of which R takes N and L the rest (the last two in scan
// order out of play when L_kell is two fewer); the saved knowledge table and the
// random scan order of the 32 cards.
struct ElosztasTer {
    int32_t o = 0, R = 1, L = 2;
    int32_t U = 0, N = 0, L_kell = 0;
    bool rendben = false;  // the counts fit: some distribution exists
    int32_t ment_hol[4][8] = {};
    int32_t sorrend_lapok[32] = {};
};

// Counts the cards and draws the scan order (192 numbers from `veletlen`).
ElosztasTer elosztas_ter(Asztal& a, const Jatekos& rec);
// Lays out the distribution in which the unseen cards with R_nal[j] go to R: the
// record's three rows and the unseen cards' entries of its `hol`.
void elosztas_epites(Jatekos& rec, const ElosztasTer& x, const bool R_nal[32]);
// The literal engine over a space already drawn, from the clock value `kezdet`.
ElemzesEredmeny variacio_literalis(Asztal& a, Jatekos& rec, int64_t kezdet, const ElosztasTer& x);
// The clock value at which `variacio` stops: a second with at most one human, an hour
// with three, never with two.
int64_t variacio_hatarido(const Asztal& a, int64_t kezdet);
// The table's clock (the real one when none is set).
int64_t ora_olvasas(const Asztal& a);
