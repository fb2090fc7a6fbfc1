#pragma once
// The exhaustive search: the play of the remaining tricks, for the actual deal or
// over every distribution of the cards the player has not seen.

#include <cstdint>

#include "model/asztal.h"

// 1 made, -1 failed, 0 not yet decided, at the search position.
int32_t kiertekeles(const Asztal& a, const Jatekos& rec, const Licit& flagek);

// The components that `kiertekeles` looks at, decoded once per search instead of at
// every node.
struct Komponensek {
    bool durchmars = false;
    bool betli = false;
    bool ulti = false;
    bool negy_asz = false;
    bool negyven_szaz = false;
    bool husz_szaz = false;
};
Komponensek komponensek(const Licit& f);

// `kiertekeles` from what it reads, for both engines: whether the last card is down,
// whether a suit is trump, whether the declarer won the last trick with the trump 7,
// whether that 7 left play before the last trick, and the six counters (felvevo_tizes,
// ellen_tizes, felvevo_asz, ellen_asz, felvevo_utes, ellen_utes).
inline int32_t itelet(const Komponensek& c, bool vege, bool van_adu, bool hetessel, bool hetes_oda,
                      const int32_t sz[6]) {
    int32_t r = 1;
    // Step 1: a Durchmars is lost with the defenders' first trick.
    if (c.durchmars) {
        if (vege && sz[4] == 10)
            r = 1;
        else if (sz[5] >= 1)
            r = -1;
        else
            r = 0;
    }
    // Step 2: a Betli is lost with the declarer's first trick.
    if (c.betli) {
        if (vege && sz[4] == 0)
            r = 1;
        else if (sz[4] >= 1)
            r = -1;
        else if (r != -1)
            r = 0;
    }
    // Step 3: the Ulti needs the trump 7 to win the last trick, and fails the moment
    // it is gone earlier.
    if (c.ulti) {
        if (r == 1 && hetessel)
            r = 1;
        else if (hetes_oda || vege || !van_adu)
            r = -1;
        else if (r != -1)
            r = 0;
    }
    // Steps 4-6 share one shape: made only if everything so far is made, failed as
    // soon as the defenders have too much, else open unless already failed.
    auto resz = [&r](bool teljesult, bool bukott) {
        if (r == 1 && teljesult)
            r = 1;
        else if (bukott)
            r = -1;
        else if (r != -1)
            r = 0;
    };
    // Step 4: all four Ászok to the declarer.
    if (c.negy_asz) resz(sz[2] == 4, sz[3] >= 1);
    // Step 5-6: the hundred, with a forty or a twenty announced.
    if (c.negyven_szaz) resz(sz[0] > 5, sz[1] > 3);
    if (c.husz_szaz) resz(sz[0] > 7, sz[1] > 1);
    // After the last card nothing is open any more: a goal not reached is missed
    // (the counters may leave a component undecided when talon cards are not booked).
    if (vege && r == 0) r = -1;
    return r;
}

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
