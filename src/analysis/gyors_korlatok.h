#pragma once
// Bounds of the fast engine: positions whose value is known before their lines are
// searched. A bound decides only what the full line reaches: the declarer who can
// win every trick left, whatever the defenders play, and whose goal that line
// reaches, has made it (the line is one of the declarer's, and the search would
// find one that reaches the goal).

#include <algorithm>
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

// How many trumps the declarer on lead needs to draw the defenders' with his highest,
// each above all of theirs, the Ulti's 7 kept; -1 when he cannot.
inline int32_t adu_huzas(const Allando& A, Maszk H, Maszk v1, Maszk v2, Maszk adu) {
    const int32_t huzas = std::max(std::popcount(v1 & adu), std::popcount(v2 & adu));
    if (huzas == 0) return 0;
    Maszk hA = H & adu;
    if (A.k.ulti && A.hetes >= 0) hA &= ~(1u << A.hetes);
    if (std::popcount(hA) < huzas) return -1;
    // The declarer's huzas-th highest trump above the defenders' highest.
    for (int32_t i = 1; i < huzas; ++i) hA &= ~(1u << legfelso(hA));
    return legfelso(hA) > legfelso((v1 | v2) & adu) ? huzas : -1;
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
    return adu_huzas(A, H, v1, v2, adu) >= 0;
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

// The verdict after the declarer, on lead at the start of trick t, has led his sure
// winners: in each suit the run of his cards above all the defenders' (the trumps'
// always win), each of a suit other than trumps while every defender still follows
// it or has no trump to ruff with (a defender who has trumps and cards of the suit
// follows every suit he can, so he keeps them), or all of them once his trumps have
// drawn the defenders'. Only the counters of a goal that cannot be lost by the tricks
// after them count (Négy Ász, the hundreds): at least the cards he led are his. With
// an Ulti he leads only as many top trumps as draw the defenders', never the 7, and
// the 7 must be safe after his runs as `ulti_biztos` has it: one other trump fewer
// left than cards of other suits.
inline int32_t biztos_utesek_itelete(const Allas& p, int32_t t) {
    const Allando& A = p.A;
    Komponensek c = A.k;
    if (c.durchmars || c.betli || p.vezeto[t] != A.D) return 0;
    const Maszk H = p.kez[A.D];
    if (c.ulti && (A.adu >= 4 || !((H >> A.hetes) & 1))) return 0;
    const Maszk v1 = p.kez[(A.D + 1) % 3], v2 = p.kez[(A.D + 2) % 3];
    const Maszk adu = A.adu < 4 ? szin_maszk(A.adu) : 0;
    // The run of the declarer's cards at the top of the cards left of a suit.
    auto felso_sor = [&](Maszk szin) {
        Maszk bent = (H | v1 | v2) & szin, sor = 0;
        while (bent && (H >> legfelso(bent)) & 1) {
            sor |= 1u << legfelso(bent);
            bent &= ~(1u << legfelso(bent));
        }
        return sor;
    };
    Maszk biztos = adu ? felso_sor(adu) : 0;
    const int32_t huzas = std::max(std::popcount(v1 & adu), std::popcount(v2 & adu));
    if (c.ulti) {
        biztos &= ~(1u << A.hetes);
        if (std::popcount(biztos) < huzas) return 0;
        while (std::popcount(biztos) > huzas) biztos &= biztos - 1;
    }
    const bool huzott = std::popcount(biztos) >= huzas;
    for (int32_t sz = 0; sz < 4; ++sz) {
        const Maszk szin = szin_maszk(sz);
        if (szin & adu) continue;
        Maszk sor = felso_sor(szin);
        for (int32_t i = 1; sor; ++i) {
            if (!huzott && ((std::popcount(v1 & szin) < i && (v1 & adu)) || (std::popcount(v2 & szin) < i && (v2 & adu))))
                break;
            const Maszk b = 1u << legfelso(sor);
            biztos |= b;
            sor &= ~b;
        }
    }
    if (c.ulti) {
        const Maszk maradt = H & ~biztos;
        if (std::popcount(maradt & adu & ~(1u << A.hetes)) + 1 < std::popcount(maradt & ~adu)) return 0;
        c.ulti = false;
    }
    const int32_t n = std::popcount(biztos);
    const int32_t sz[6] = {p.fT + std::popcount(biztos & A.tizes), p.eT, p.fA + std::popcount(biztos & A.asz), p.eA,
                           p.fU + n, p.eU};
    return itelet(c, false, A.adu < 4, false, false, sz);
}

// Whether the declarer of a plain Ulti, at the start of trick t, keeps his 7 to the
// last trick, where it wins: the defenders have no trump (or he is on lead and draws
// them with his highest, as above), so the 7 can only be forced
// out early by a lead of a suit he has none of while it is his last trump. He plays
// his other suits' cards first and his other trumps only to ruff; each such lead comes
// after a trick the defenders won with one of his other suits' cards (or is this
// trick's lead), and after his last such card only the last trick is left when the
// 7 is all he has: one other trump fewer than those cards (as many when a defender
// leads now) always leave him one to ruff with before it.
inline bool ulti_biztos(const Allas& p, int32_t t) {
    const Allando& A = p.A;
    const Komponensek& c = A.k;
    if (!c.ulti || c.durchmars || c.betli || c.negy_asz || c.negyven_szaz || c.husz_szaz || A.adu >= 4) return false;
    const Maszk H = p.kez[A.D];
    const Maszk v1 = p.kez[(A.D + 1) % 3], v2 = p.kez[(A.D + 2) % 3];
    const Maszk adu = szin_maszk(A.adu);
    if (!((H >> A.hetes) & 1)) return false;
    // On lead he may first draw the defenders' trumps.
    const int32_t huzas = p.vezeto[t] == A.D ? adu_huzas(A, H, v1, v2, adu) : ((v1 | v2) & adu) ? -1 : 0;
    if (huzas < 0) return false;
    const int32_t tobbi_adu = std::popcount(H & adu) - 1 - huzas;
    return tobbi_adu + 1 >= std::popcount(H & ~adu) + (p.vezeto[t] != A.D);
}

// Whether a hundred is lost at the start of trick t whatever the declarer plays: the
// tens of the trumps that no card of his can beat go to the defenders, as every trick
// with a trump in it goes to its highest trump: a defender's trump Ász, and his
// trump 10 when the declarer has not the trump Ász. A defender on lead takes a side
// suit's Ász now if the declarer must follow it or has no trump (with the declarer's
// 10 when it is his only card of the suit). With the tens the defenders have, they
// reach more than the hundred leaves them.
inline bool szaz_bukik(const Allas& p, int32_t t) {
    const Allando& A = p.A;
    if (A.adu >= 4 || !(A.k.negyven_szaz || A.k.husz_szaz)) return false;
    const Maszk H = p.kez[A.D];
    const Maszk V = p.kez[(A.D + 1) % 3] | p.kez[(A.D + 2) % 3];
    const Maszk adu = szin_maszk(A.adu);
    const Maszk asz = A.asz & adu, tiz = A.tizes & adu & ~asz;
    int32_t biztos = ((V & asz) != 0) + ((V & tiz) != 0 && !(H & asz));
    if (p.vezeto[t] != A.D) {
        int32_t legtobb = 0;
        for (int32_t sz = 0; sz < 4; ++sz) {
            const Maszk szin = szin_maszk(sz);
            if ((szin & adu) || !(p.kez[p.vezeto[t]] & A.asz & szin) || (!(H & szin) && (H & adu))) continue;
            legtobb = std::max(legtobb, 1 + ((H & szin) != 0 && (H & szin) == (H & szin & A.tizes)));
        }
        biztos += legtobb;
    }
    return p.eT + biztos > (A.k.negyven_szaz ? 3 : 1);
}

}  // namespace gyors
