#pragma once
// Bounds of the fast engine: positions whose value is known before their lines are
// searched. A bound decides only what the full line reaches: the declarer who can
// win every trick left, whatever the defenders play, and whose goal that line
// reaches, has made it (the line is one of the declarer's, and the search would
// find one that reaches the goal).

#include <bit>
#include <cstdint>

#include "analysis/gyors_lepesek.h"

namespace gyors {

// Whether the defenders hold a suit the declarer has none of.
inline bool kell_szin(const Allas&, Maszk H, Maszk V) {
    for (int32_t sz = 0; sz < 4; ++sz)
        if ((V & szin_maszk(sz)) && !(H & szin_maszk(sz))) return true;
    return false;
}

// Whether the declarer, on lead at the start of trick t, wins every trick left by
// sure winners: first the trumps, highest first, until the defenders have none (the
// Ulti's 7 kept for the last trick), then the other suits, each of whose cards is
// above every defender's card of the suit. Must-follow, overtaking and trumping
// cannot take such a trick: a defender follows below, and has no trump left to ruff.
inline bool felvevo_mindet_viszi(const Allas& p, int32_t t) {
    const Allando& A = p.A;
    const Maszk H = p.kez[A.D];
    const Maszk v1 = p.kez[(A.D + 1) % 3], v2 = p.kez[(A.D + 2) % 3];
    const Maszk V = v1 | v2;
    const Maszk adu = A.adu < 4 ? szin_maszk(A.adu) : 0;
    for (int32_t sz = 0; sz < 4; ++sz) {
        const Maszk m = szin_maszk(sz);
        if ((m & adu) || !(V & m) || !(H & m)) continue;
        // The declarer's lowest card of the suit above the defenders' highest.
        if (std::countr_zero(H & m) < legfelso(V & m)) return false;
    }
    if (!adu) return p.vezeto[t] == A.D || !kell_szin(p, H, V);
    if (p.vezeto[t] != A.D) {
        // A defender leads: the declarer takes the trick if the defenders have no
        // trump and he follows above them or trumps (not with the Ulti's 7), and
        // leads the rest.
        if (V & adu) return false;
        Maszk ruff = H & adu;
        if (A.k.ulti && A.hetes >= 0) ruff &= ~(1u << A.hetes);
        return ruff || !kell_szin(p, H, V);
    }
    const int32_t huzas = std::max(std::popcount(v1 & adu), std::popcount(v2 & adu));
    if (huzas == 0) return true;
    Maszk hA = H & adu;
    if (A.k.ulti && A.hetes >= 0) hA &= ~(1u << A.hetes);
    if (std::popcount(hA) < huzas) return false;
    // The declarer's huzas-th highest trump above the defenders' highest.
    for (int32_t i = 1; i < huzas; ++i) hA &= ~(1u << legfelso(hA));
    return legfelso(hA) > legfelso(V & adu);
}

// The verdict at the end of the line in which the declarer wins every trick left
// from the start of trick t: every counted card of the hands and the last trick to
// the declarer, the Ulti's 7 (when in the declarer's hand) winning the last trick.
inline int32_t mindet_viszi_itelet(const Allas& p, int32_t t) {
    const Allando& A = p.A;
    const Maszk bent = p.kez[0] | p.kez[1] | p.kez[2];
    const bool hetessel = A.k.ulti && A.hetes >= 0 && ((p.kez[A.D] >> A.hetes) & 1);
    if (A.k.ulti && !hetessel) return 0;
    const int32_t sz[6] = {p.fT + std::popcount(bent & A.tizes) + 1,
                           p.eT,
                           p.fA + std::popcount(bent & A.asz),
                           p.eA,
                           p.fU + (10 - t),
                           p.eU};
    return itelet(A.k, true, A.adu < 4, hetessel, false, sz);
}

}  // namespace gyors
