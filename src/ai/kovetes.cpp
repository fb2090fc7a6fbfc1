#include "ai/kovetes.h"

#include "model/asztal.h"

namespace {

// Gives the not-located cards of suit x whose play-order position is at least `tol`
// to seat y in seat z's table.
void odaad(Asztal& a, int32_t z, int32_t x, int32_t y, int32_t tol = 0) {
    Jatekos& Z = a.jatekosok[z];
    const int32_t o = oszlop(a.adu);
    for (int32_t pos = tol; pos < 8; ++pos) {
        int32_t& h = Z.hol[x][sorrend_vissza[pos][o]];
        if (h > 2) h = y;
    }
}

// The cards above c: from the "9" up, every position higher than c's.
inline int32_t felette(int32_t o_c) {
    return o_c + 1 > 2 ? o_c + 1 : 2;
}

inline bool adu_szin(const Asztal& a, int32_t s) {
    return a.adu < 4 && s == a.adu;
}

// A void in suit x shown by seat v: in both other tables the not-located cards of x
// go to the third seat; with `adu_is`, trumps likewise (a discard in a trump game).
void ures_szin(Asztal& a, int32_t z1, int32_t z2, int32_t x, bool adu_is) {
    odaad(a, z1, x, z2);
    odaad(a, z2, x, z1);
    if (adu_is && a.adu < 4) {
        odaad(a, z1, a.adu, z2);
        odaad(a, z2, a.adu, z1);
    }
}

// Sets a card's entry in all three tables.
void mindenkinel(Asztal& a, int32_t s, int32_t r, int32_t ertek) {
    for (Jatekos& j : a.jatekosok) j.hol[s][r] = ertek;
}

}  // namespace

void lap_rogzites(Asztal& a, Jatekos& /*P*/, int32_t j) {
    const int32_t t = a.utes_szam;
    const int32_t p = a.utes_lapszam;
    const int32_t seat = a.soron;
    const Kartyalap c = a.jatekosok[seat].lapok[j];

    // Step 1-3: the trick record and its tens; the last trick counts as a ten.
    a.utes_lapok[t][p] = UtesLap{seat, j};
    if (c.ertek == ASZ) {
        ++a.utes_asz[t];
        ++a.utes_tizes[t];
    }
    if (c.ertek == TIZES) ++a.utes_tizes[t];
    if (t == 9 && p == 2) ++a.utes_tizes[9];

    // Step 4: a complete trick goes to its winner's side, in every record.
    if (p == 2) {
        const bool felvevoe = a.utes_nyero[t][2] == a.felvevo;
        for (Jatekos& x : a.jatekosok) {
            if (felvevoe) {
                x.felvevo_asz += a.utes_asz[t];
                x.felvevo_tizes += a.utes_tizes[t];
                x.felvevo_utes += 1;
            } else {
                x.ellen_asz += a.utes_asz[t];
                x.ellen_tizes += a.utes_tizes[t];
                x.ellen_utes += 1;
            }
        }
    }

    // Step 5-6: played, as everyone sees it; then what follows from it.
    mindenkinel(a, c.szin, c.ertek, seat + HOL_JATSZOTT);
    kovetkeztetes(a, a.jatekosok[seat]);

    // Step 7: a Betli is lost by the declarer's first trick, a colourless Durchmars by
    // the defenders' first.
    const Jatekos& j0 = a.jatekosok[0];
    if ((betli_fele(a.jatek) && j0.felvevo_utes > 0) ||
        (szinnelkuli_durchmars_fele(a.jatek) && j0.ellen_utes > 0))
        a.fazis = F_VEGE;
}

void kovetkeztetes(Asztal& a, Jatekos& /*P*/) {
    const int32_t t = a.utes_szam;
    const int32_t p = a.utes_lapszam;
    const int32_t D = a.felvevo;
    const int32_t adu = a.adu;
    const Licit& l = a.jatek;

    // Step 1: in the first trick the talon is out of play for all, and the cards the
    // contract itself announces the declarer holds become known.
    if (t == 0) {
        for (const Kartyalap& k : a.talon) mindenkinel(a, k.szin, k.ertek, HOL_TALON);
        if (adu < 4) {
            const Jatekos& d = a.jatekosok[D];
            if (l.ulti && d.hol[adu][HETES] == D) mindenkinel(a, adu, HETES, D);
            if ((l.negy_asz || l.durchmars || l.teritett_durchmars) && d.hol[adu][ASZ] == D)
                mindenkinel(a, adu, ASZ, D);
            if (l.negyven_szaz) {
                if (d.hol[adu][KIRALY] == D) mindenkinel(a, adu, KIRALY, D);
                if (d.hol[adu][FELSO] == D) mindenkinel(a, adu, FELSO, D);
            }
        }
    }

    // Step 2: open contracts show every hand once the first trick is complete.
    if (t == 0 && p == 2 &&
        (l.teritett_durchmars || l.teritett_betli || l.szinnelkuli_teritett_durchmars)) {
        for (int32_t x = 0; x < 3; ++x) {
            const Jatekos& X = a.jatekosok[x];
            for (int32_t i = 0; i < 10; ++i) {
                const Kartyalap& k = X.lapok[i];
                mindenkinel(a, k.szin, k.ertek, X.hol[k.szin][k.ertek]);
            }
        }
    }

    if (p == 0) return;
    const int32_t o = oszlop(adu);
    const int32_t L0 = a.utes_lapok[t][0].seat;
    const int32_t L1 = kovetkezo(L0);
    const int32_t L2 = kovetkezo(L1);
    auto lap = [&](int32_t k) -> const Kartyalap& {
        const UtesLap& u = a.utes_lapok[t][k];
        return a.jatekosok[u.seat].lapok[u.slot];
    };
    const Kartyalap& c0 = lap(0);
    const Kartyalap& c1 = lap(1);
    const int32_t s0 = c0.szin, s1 = c1.szin;
    const int32_t o0 = sorrend[c0.ertek][o], o1 = sorrend[c1.ertek][o];

    // Step 3: the second card.
    if (p == 1) {
        if (s1 == s0) {
            // Followed below: nothing above the led card in L1's hand.
            if (o1 < o0) {
                odaad(a, L0, s0, L2, felette(o0));
                odaad(a, L2, s0, L0, felette(o0));
            }
        } else if (!adu_szin(a, s1)) {
            ures_szin(a, L0, L2, s0, true);  // neither the suit nor trump
        } else {
            ures_szin(a, L0, L2, s0, false);  // trumped: void in the suit
        }
        return;
    }

    // Step 4: the third card, read against the card that was winning after two.
    const Kartyalap& c2 = lap(2);
    const int32_t s2 = c2.szin;
    const int32_t o2 = sorrend[c2.ertek][o];
    const int32_t W1 = a.utes_nyero[t][1];
    if (W1 == L0) {
        if (s2 == s0) {
            if (o2 < o0) odaad(a, L1, s0, L0, felette(o0));
        } else {
            ures_szin(a, L0, L1, s0, !adu_szin(a, s2));
        }
    } else if (W1 == L1 && s1 == s0) {
        if (s2 == s1) {
            if (o2 < o1) odaad(a, L0, s1, L1, felette(o1));
        } else {
            ures_szin(a, L0, L1, s1, !adu_szin(a, s2));
        }
    } else if (W1 == L1 && adu_szin(a, s1)) {
        if (adu_szin(a, s2)) {
            // Trumped lower: no trump above the winning one.
            if (o2 < o1) {
                odaad(a, L0, adu, L1, felette(o1));
                odaad(a, L1, adu, L0, felette(o1));
            }
        } else if (s2 != s0) {
            ures_szin(a, L0, L1, s0, true);
        }
    }
}
