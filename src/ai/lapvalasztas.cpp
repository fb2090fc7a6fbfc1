#include "ai/lapvalasztas.h"

#include <algorithm>
#include <iterator>

#include "ai/ertekeles.h"
#include "analysis/gyors_kereses.h"
#include "analysis/kereses.h"
#include "analysis/szabalyok.h"
#include "model/asztal.h"

namespace {

// Whether P holds the card in its table.
inline bool sajat(const Jatekos& P, int32_t s, int32_t r) { return P.hol[s][r] == P.sorszam; }
// Not located: any entry above 2.
inline bool ismeretlen(int32_t h) { return h > 2; }

// The card led to trick t, from the real hand of its seat.
const Kartyalap& hivott_lap(const Asztal& a, int32_t t) {
    const UtesLap& u = a.utes_lapok[t][0];
    return a.jatekosok[u.seat].lapok[u.slot];
}

// Everything the rules of one call share.
struct Helyzet {
    int32_t t, p;        // trick and P's position in it
    int32_t D, Q;        // declarer; a defender's partner
    bool felvevo;        // P is the declarer
    int32_t H, E;        // hivo_szin, ellenfel_szin
    int32_t ls, lr;      // the led card (p > 0)
    int32_t hivo;        // the leader of the trick
    int32_t W1;          // winning after two cards (p = 2)
    bool felulut;        // P's candidates beat the trick so far
    bool jelolt[4];      // the suit marks
};

bool adu_hetes(const Asztal& a, const Kartyalap& c) { return a.adu < 4 && c.szin == a.adu && c.ertek == HETES; }

// --- Case C: the colour game, one function per position in the trick ----------------

void pont_hivas(const Asztal& a, const Jatekos& P, Helyzet& h, const Kartyalap& c, int32_t& pont) {
    const int32_t s = c.szin, r = c.ertek;
    const Licit& j = a.jatek;
    const int32_t k = kinn_levo(P, s);
    // Lead the suit chosen to lead.
    if (s == h.H) pont += 3;
    // Late in the deal a defender keeps its trumps.
    if (!h.felvevo && h.t == 8 && s != a.adu) pont += 1;
    if (r == FELSO || r == KIRALY) {
        // Draw the Ász out from under a guarded 10.
        const int32_t asz = P.hol[s][ASZ];
        if (sajat(P, s, TIZES) && !sajat(P, s, ASZ) && (ismeretlen(asz) || asz == h.D) &&
            (!j.negy_asz || asz == h.D || h.D == kovetkezo(P.sorszam)))
            pont += 2;
    } else if (r == ASZ) {
        bool jo = false;
        if (h.felvevo)
            jo = k > 2;  // enough cards out for the Ász to stand
        else if (!j.negy_asz && !j.negyven_szaz && !j.husz_szaz)
            jo = k > 2;
        if (jo) {
            pont += 2;
            h.jelolt[s] = true;
        }
        // Against a hundred a defender cashes only in long suits.
        if (!h.felvevo && !j.negy_asz && (j.negyven_szaz || j.husz_szaz) && k > (j.husz_szaz ? 5 : 4)) {
            pont += 2;
            h.jelolt[s] = true;
        }
    } else if (r == TIZES) {
        const int32_t asz = P.hol[s][ASZ];
        if (h.felvevo) {
            // The 10 stands once its Ász is gone or our own.
            if ((asz < 0 || asz == P.sorszam) && k > (s == h.H ? 1 : 2)) {
                pont += 1;
                h.jelolt[s] = true;
            }
        } else if (asz < 3 && asz != h.D && k > 2) {
            pont += 1;
            h.jelolt[s] = true;
        }
    } else {
        // Small cards of suits not already opened by a high card.
        if (h.felvevo) {
            if (!h.jelolt[s] && !adu_hetes(a, c)) pont += 1;
        } else {
            if (!h.jelolt[s]) pont += 1;
            if (j.negy_asz) pont += 10;  // never lead an Ász into Négy Ász
        }
    }
}

void pont_masodik(const Asztal& a, const Jatekos& P, Helyzet& h, const Kartyalap& c, int32_t& pont,
                  bool ut) {
    const int32_t s = c.szin, r = c.ertek;
    const Licit& j = a.jatek;
    const bool hivo_d = h.hivo == h.D;
    auto jelol = [&](int32_t n) {
        pont += n;
        h.jelolt[s] = true;
    };
    if (r == ASZ) {
        const bool kovet = s == h.ls && s != a.adu;
        const bool nem_e = s != h.E || sajat(P, s, TIZES);
        if (h.felvevo) {
            if (kovet && nem_e) jelol(2);
        } else {
            if (!j.negy_asz && kovet && nem_e) jelol(2);
            if (j.negy_asz && kovet && hivo_d) jelol(10);  // take the declarer's lead
            if (hivo_d && s != a.adu && s != h.ls && ut) jelol(2);
        }
    } else if (r == TIZES) {
        if (h.felvevo) {
            const int32_t asz = P.hol[h.ls][ASZ];
            if (s == h.ls && s != a.adu && (asz == h.hivo || asz < 0)) jelol(1);
        } else {
            if (s == h.ls && h.lr == ASZ && !hivo_d && lehet_nala(P, h.D, h.ls) > 0) jelol(1);
            if (j.negy_asz && !hivo_d) pont += 1;
            if (hivo_d && h.lr != ASZ && s == h.ls && s != h.E) jelol(1);
            if (hivo_d && s != a.adu && s != h.ls && ut) jelol(1);
            if (hivo_d && !ut) pont += 1;
            if (hivo_d && s == a.adu && !sajat(P, a.adu, ASZ) &&
                P.hol[a.adu][ASZ] != kovetkezo(P.sorszam) && h.felulut)
                jelol(1);
        }
    } else {
        if (h.felvevo) {
            if (!h.jelolt[s] && !adu_hetes(a, c)) pont += 1;
        } else {
            if (!h.jelolt[s]) pont += 1;
            if (j.negy_asz && !hivo_d) pont += 2;
            if (hivo_d && !ut && !h.jelolt[s]) pont += 2;
        }
    }
}

void pont_harmadik(const Asztal& a, const Jatekos& P, Helyzet& h, const Kartyalap& c, int32_t& pont) {
    const int32_t s = c.szin, r = c.ertek;
    const Licit& j = a.jatek;
    const bool w1_d = h.W1 == h.D;
    auto jelol = [&](int32_t n) {
        pont += n;
        h.jelolt[s] = true;
    };
    if (r == ASZ) {
        if (h.felvevo) {
            if (s == h.ls && h.ls != h.E && h.ls != a.adu) jelol(2);
        } else {
            if (j.negy_asz && !w1_d) jelol(10);
            if (s != h.ls && !w1_d) jelol(2);  // the partner holds the trick: smear it
        }
    } else if (r == TIZES) {
        if (h.felvevo) {
            if (h.felulut && s == h.ls && s != a.adu) jelol(1);
        } else {
            if (!w1_d && s != a.adu) jelol(1);
            if (w1_d) pont += 1;
            if (h.felulut && s == a.adu && !sajat(P, a.adu, ASZ) && P.hol[a.adu][ASZ] != h.Q) jelol(1);
        }
    } else {
        if (h.felvevo) {
            if (!h.jelolt[s] && !adu_hetes(a, c)) pont += 1;
            if (s != h.ls && s == a.adu && r != HETES) pont += 1;
        } else {
            if (!h.jelolt[s]) pont += 1;
            if (w1_d) pont += 2;  // the declarer wins it anyway: keep the high cards
        }
    }
}

// Ulti and Négy Ász add to every position of a colour game.
void pont_szinjatek_vege(const Asztal& a, const Jatekos& P, const Helyzet& h, int32_t slot,
                         int32_t& pont) {
    const Kartyalap& c = P.lapok[slot];
    const int32_t s = c.szin;
    if (a.jatek.ulti) {
        if (h.felvevo) {
            // Keep the 7 of trumps for the last trick.
            if (!adu_hetes(a, c)) pont += 1;
            if (h.t == 7 && nyero_lap(a, P, slot) && !adu_hetes(a, c))
                pont += 2;
            else if (h.t == 7 && s != a.adu && kinn_levo(P, s) == 0)
                pont += 1;
            else if (h.t == 7 && s == a.adu && c.ertek != HETES)
                pont += 1;
            else if (h.t == 6 && s != a.adu)
                pont += 1;
        } else if (s != a.adu) {
            pont += 1;
        }
    }
    if (a.jatek.negy_asz && P.ellen_asz == 0) {
        if (h.felvevo && s != a.adu) pont += 1;
        if (!h.felvevo && s == a.adu) pont += 5;  // trump the declarer's Ászok
    }
}

// --- Case D: Betli -----------------------------------------------------------------

void pont_betli(const Asztal& a, Jatekos& P, const Helyzet& h, const Jeloltek& L) {
    int32_t* pont = P.lap_pont;
    if (h.felvevo) {
        if (h.t == 0) {
            // Open with the suit the bid was built on, with a card that can be beaten.
            for (int32_t i = 0; i < L.db; ++i) {
                const int32_t j = L.lap[i];
                if (!nyero_lap(a, P, j) && P.lapok[j].szin == P.betli_kezdo_szin) {
                    pont[j] += 1;
                    break;
                }
            }
            return;
        }
        if (h.p == 0) return;
        for (int32_t i = 0; i < L.db; ++i) {
            const int32_t j = L.lap[i];
            const Kartyalap& c = P.lapok[j];
            if (c.szin == h.ls) {
                // Follow with the highest card that stays under.
                if (!(h.p == 1 && h.felulut && nyero_lap(a, P, j))) pont[j] += c.ertek;
            } else {
                pont[j] += betli_lap_pont(a, P, j);
            }
        }
        return;
    }
    for (int32_t i = 0; i < L.db; ++i) {
        const int32_t j = L.lap[i];
        const Kartyalap& c = P.lapok[j];
        const int32_t s = c.szin, r = c.ertek;
        if (h.p == 0) {
            // Lead low where the declarer must follow and the partner cannot.
            if (lehet_nala(P, h.D, s) > 0 && lehet_nala(P, h.Q, s) == 0) pont[j] += 100 - r;
            if (lehet_nala(P, h.D, s) > 0 && h.D == elozo(P.sorszam)) pont[j] += 8 - r;
            pont[j] += 8 - r;
        } else if (s == h.ls) {
            if (h.p == 1)
                pont[j] += h.hivo == h.D ? r : 7 - r;
            else
                pont[j] += r;
        } else {
            pont[j] += betli_lap_pont(a, P, j);
        }
    }
}

}  // namespace

// --- The supporting operations ----------------------------------------------------

int32_t lehet_nala(const Jatekos& P, int32_t x, int32_t s) {
    if (s < 0 || s > 3) return 0;
    int32_t n = 0;
    for (int32_t r = 0; r < 8; ++r) {
        const int32_t h = P.hol[s][r];
        if (h == x || ismeretlen(h)) ++n;
    }
    return n;
}

int32_t ellenfel_szin(const Asztal& a, const Jatekos& P) {
    const bool felvevo = P.sorszam == a.felvevo;
    int32_t db[4] = {0, 0, 0, 0};
    const int32_t utolso = a.utes_lapszam > 0 ? a.utes_szam : a.utes_szam - 1;
    for (int32_t t = 0; t <= utolso && t < 10; ++t) {
        const UtesLap& u = a.utes_lapok[t][0];
        if (u.seat < 0 || u.slot < 0) continue;
        const int32_t s = hivott_lap(a, t).szin;
        if (s == a.adu) continue;
        // The other side's leads: the declarer's for a defender, the defenders' for him.
        if (felvevo ? u.seat != a.felvevo : u.seat == a.felvevo) ++db[s];
    }
    int32_t best = 0;
    for (int32_t s = 1; s < 4; ++s)
        if (db[s] > db[best]) best = s;
    return db[best] > 0 ? best : -1;
}

int32_t hivo_szin(const Asztal& a, const Jatekos& P) {
    const int32_t o = P.sorszam;
    int32_t best = -1, best_ertek = 0;
    if (o == a.felvevo) {
        // The side suit the defenders are shortest in.
        for (int32_t s = 0; s < 4; ++s) {
            if (s == a.adu || szin_lapszam(P, s) == 0) continue;
            const int32_t e = lehet_nala(P, kovetkezo(o), s) + lehet_nala(P, elozo(o), s);
            if (best < 0 || e < best_ertek) {
                best = s;
                best_ertek = e;
            }
        }
        return best;
    }
    // A defender: a suit the partner can follow (or ruff) and the declarer is short in.
    const int32_t D = a.felvevo, Q = 3 - o - D;
    const int32_t E = ellenfel_szin(a, P);
    const bool q_adu_nelkul = a.adu > 3 || lehet_nala(P, Q, a.adu) == 0;
    for (int32_t s = 0; s < 4; ++s) {
        if (s == E || s == a.adu || szin_lapszam(P, s) == 0) continue;
        if (!(q_adu_nelkul || lehet_nala(P, Q, s) > 0)) continue;
        const int32_t e = lehet_nala(P, D, s);
        if (best < 0 || e < best_ertek) {
            best = s;
            best_ertek = e;
        }
    }
    return best;
}

bool utheto(const Asztal& a, const Jatekos& P) {
    const Kartyalap& l = hivott_lap(a, a.utes_szam);
    const int32_t kov = kovetkezo(P.sorszam);
    for (int32_t r = 0; r < 8; ++r) {
        if (sorrend[r][1] <= sorrend[l.ertek][1]) continue;
        const int32_t h = P.hol[l.szin][r];
        if (h == kov || (l.szin != a.adu && ismeretlen(h))) return true;
    }
    return false;
}

bool nyero_lap(const Asztal& a, const Jatekos& P, int32_t slot) {
    const Kartyalap& c = P.lapok[slot];
    if (!(a.adu == 4 || c.szin == a.adu || kinn_levo(P, a.adu) == 0)) return false;
    const int32_t o = oszlop(a.adu);
    const bool masodik = a.utes_lapszam == 1;
    const int32_t hivo = masodik ? a.utes_lapok[a.utes_szam][0].seat : -1;
    for (int32_t r = 0; r < 8; ++r) {
        if (sorrend[r][o] <= sorrend[c.ertek][o]) continue;
        const int32_t h = P.hol[c.szin][r];
        if (h < 0 || h == P.sorszam || (masodik && h == hivo)) continue;
        return false;
    }
    return true;
}

int32_t betli_alatta(const Asztal& a, const Jatekos& P, int32_t s) {
    const int32_t o = oszlop(a.adu);
    const bool felvevo = P.sorszam == a.felvevo;
    const int32_t Q = 3 - P.sorszam - a.felvevo;
    // The lowest card of s someone else may still play.
    int32_t q = -1;
    for (int32_t rang = 0; rang < 8 && q < 0; ++rang) {
        const int32_t r = sorrend_vissza[rang][o];
        const int32_t h = P.hol[s][r];
        if (h == P.sorszam || h < 0 || (!felvevo && h == Q)) continue;
        q = rang;
    }
    if (q < 0) return 0;
    int32_t n = 0;
    for (int32_t rang = q + 1; rang < 8; ++rang)
        if (sajat(P, s, sorrend_vissza[rang][o])) ++n;
    return n;
}

int32_t betli_lap_pont(const Asztal& a, const Jatekos& P, int32_t slot) {
    const Kartyalap& c = P.lapok[slot];
    const int32_t k = betli_alatta(a, P, c.szin);
    if (k <= 0) return 0;
    if (P.sorszam == a.felvevo) return (7 - k) * 3 + c.ertek;
    // A defender discards from a suit where the declarer may still be caught.
    const int32_t o = oszlop(a.adu);
    const int32_t D = a.felvevo;
    int32_t q = -1;
    for (int32_t rang = 1; rang < 8 && q < 0; ++rang) {
        const int32_t h = P.hol[c.szin][sorrend_vissza[rang][o]];
        if (h >= 0 && h != D) q = rang;
    }
    if (q < 0) return 0;
    for (int32_t rang = q + 1; rang < 8; ++rang) {
        const int32_t h = P.hol[c.szin][sorrend_vissza[rang][o]];
        if (h == D || ismeretlen(h)) return (7 - k) * 3 + c.ertek;
    }
    return 0;
}

int32_t lapvalasztas(Asztal& a, Jatekos& P) { return lapvalasztas(a, P, true); }

int32_t lapvalasztas(Asztal& a, Jatekos& P, bool korai_dontes, ElemzesEredmeny* kereses) {
    VariacioBeallitas vb;
    vb.korai_dontes = korai_dontes;
    return lapvalasztas(a, P, vb, kereses);
}

int32_t lapvalasztas(Asztal& a, Jatekos& P, VariacioBeallitas vb, ElemzesEredmeny* kereses) {
    // Preparation.
    a.heuferli = 0;
    for (int32_t& x : P.lap_pont) x = 0;
    elosztas_masolas(a, P);
    Helyzet h{};
    h.t = a.utes_szam;
    h.p = a.utes_lapszam;
    if (h.t < 0 || h.t > 9) return -1;
    a.vizsgalt_utes = h.t;
    a.vizsgalt_lapszam = h.p;
    lapjelolt(a, P, P.sorszam);
    // The search rewrites the candidate tables: keep our own copy of the list.
    const Jeloltek L = a.jelolt_lapok[h.t][h.p];
    if (L.db == 0) return -1;
    h.felulut = a.utes_nyero[h.t][h.p] == P.sorszam;
    P.hivo_szin = hivo_szin(a, P);
    P.ellenfel_szin = ellenfel_szin(a, P);
    h.D = a.felvevo;
    h.Q = 3 - P.sorszam - h.D;
    h.felvevo = P.sorszam == h.D;
    h.H = P.hivo_szin;
    h.E = P.ellenfel_szin;
    if (h.p > 0) {
        const Kartyalap& l = hivott_lap(a, h.t);
        h.ls = l.szin;
        h.lr = l.ertek;
        h.hivo = a.utes_lapok[h.t][0].seat;
        h.W1 = a.utes_nyero[h.t][1];
    }
    const bool betli = betli_fele(a.jatek);

    // Cases A and B: a Durchmars at the lead. The simulation's confidence is not ours
    // to change here.
    int32_t dm = 0;
    if (h.p == 0 && !betli) {
        double ment[5];
        for (int32_t i = 0; i < 5; ++i) ment[i] = P.adu_ertek[i];
        dm = durchmars_ertekeles(a, P, a.adu);
        for (int32_t i = 0; i < 5; ++i) P.adu_ertek[i] = ment[i];
    }
    if (dm > 0) {
        if (dm == 2 || dm == 5) a.heuferli = 1;
        for (int32_t i = 0; i < L.db; ++i) {
            const int32_t j = L.lap[i];
            if (nyero_lap(a, P, j)) P.lap_pont[j] += 1;
            if (!adu_hetes(a, P.lapok[j])) P.lap_pont[j] += 1;
        }
    } else if (a.adu < 4) {
        // Case C.
        const bool ut = h.p == 1 && utheto(a, P);
        for (int32_t i = 0; i < L.db; ++i) {
            const int32_t j = L.lap[i];
            const Kartyalap& c = P.lapok[j];
            if (h.p == 0)
                pont_hivas(a, P, h, c, P.lap_pont[j]);
            else if (h.p == 1)
                pont_masodik(a, P, h, c, P.lap_pont[j], ut);
            else
                pont_harmadik(a, P, h, c, P.lap_pont[j]);
            pont_szinjatek_vege(a, P, h, j, P.lap_pont[j]);
        }
    } else if (betli) {
        // Case D.
        pont_betli(a, P, h, L);
    }

    // Choosing: the search's counts where it finished and found a way, else the scores.
    // The search may stop once one card's count is out of every other's reach: the
    // scan below then picks that card, as it would over the full counts.
    // An early stop settles equal counts by the scores, as the scan below does.
    int32_t pontok[10];
    std::copy(std::begin(P.lap_pont), std::end(P.lap_pont), pontok);
    vb.elsobbseg = pontok;
    const ElemzesEredmeny v = gyors_variacio(a, P, vb);
    if (kereses) *kereses = v;
    const bool van_ut = (v.teljesul == 1) == h.felvevo;
    int32_t best = L.lap[0];
    if (!a.heuferli && v.ido >= 0 && van_ut) {
        best = 0;
        for (int32_t j = 1; j < 10; ++j)
            if (v.jo_lapok[j] > v.jo_lapok[best] ||
                (v.jo_lapok[j] == v.jo_lapok[best] && P.lap_pont[j] >= P.lap_pont[best]))
                best = j;
    } else {
        for (int32_t i = 1; i < L.db; ++i)
            if (P.lap_pont[L.lap[i]] >= P.lap_pont[best]) best = L.lap[i];
    }
    return best;
}
