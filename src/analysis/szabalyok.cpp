#include "analysis/szabalyok.h"

#include "model/asztal.h"

namespace {

// A card played earlier in trick t: inside the search it is in the working hands,
// at or before the root in the real hand of its seat.
const Kartyalap& utes_kartya(const Asztal& a, const Jatekos& rec, int32_t t, int32_t j) {
    const UtesLap& u = a.utes_lapok[t][j];
    if (t * 3 + j > a.utes_szam * 3 + a.utes_lapszam) return rec.elosztas[u.seat][u.slot];
    return a.jatekosok[u.seat].lapok[u.slot];
}

// The rule a card falls under at the examined position, with the seat that wins
// the trick if a card of that class is played.
struct Szabaly {
    int32_t ref_szin;   // suit of the card to beat
    int32_t ref_rang;   // its order
    bool lopott;        // the second card won by trumping a side suit
    int32_t vezeto_szin;
    int32_t nyero_ha_nem;  // the seat that keeps the trick for the losing classes
};

inline int32_t osztaly(const Szabaly& sz, const Kartyalap& c, int32_t adu, int32_t o) {
    const int32_t r = sorrend[c.ertek][o];
    if (!sz.lopott) {
        if (c.szin == sz.ref_szin) return r > sz.ref_rang ? 4 : 3;
        if (adu < 4 && c.szin == adu) return 2;
        return 1;
    }
    // The second card trumped: following cannot win; only a higher trump can.
    if (c.szin == sz.vezeto_szin) return 4;
    if (c.szin == adu) return r > sz.ref_rang ? 3 : 2;
    return 1;
}

// The seat winning after a card of class `cls` by `seat`.
inline int32_t nyero(const Szabaly& sz, int32_t cls, int32_t seat) {
    if (!sz.lopott) return (cls == 4 || cls == 2) ? seat : sz.nyero_ha_nem;
    return cls == 3 ? seat : sz.nyero_ha_nem;
}

// Sets up the rule at (t, k > 0).
Szabaly szabaly(const Asztal& a, const Jatekos& rec, int32_t t, int32_t k, int32_t o) {
    const Kartyalap& led = utes_kartya(a, rec, t, 0);
    const int32_t vezeto = a.utes_lapok[t][0].seat;
    Szabaly sz{led.szin, sorrend[led.ertek][o], false, led.szin, vezeto};
    if (k == 2 && a.utes_nyero[t][1] != vezeto) {
        const Kartyalap& masodik = utes_kartya(a, rec, t, 1);
        sz.nyero_ha_nem = a.utes_lapok[t][1].seat;
        sz.ref_szin = masodik.szin;
        sz.ref_rang = sorrend[masodik.ertek][o];
        sz.lopott = masodik.szin != led.szin;
    }
    return sz;
}

}  // namespace

bool egyenerteku(const Asztal& a, const Jatekos& rec, int32_t seat, int32_t also, int32_t felso) {
    const Kartyalap& A = rec.elosztas[seat][also];
    const Kartyalap& B = rec.elosztas[seat][felso];
    if (A.szin != B.szin) return false;
    const int32_t o = oszlop(a.adu);
    if (a.adu < 4 && (sorrend[B.ertek][1] > 5 || (A.szin == a.adu && A.ertek == HETES)))
        return false;
    const int32_t ra = sorrend[A.ertek][o];
    const int32_t rb = sorrend[B.ertek][o];
    for (int32_t r = ra + 1; r < rb; ++r) {
        const int32_t h = rec.hol[A.szin][sorrend_vissza[r][o]];
        if (!(h < 0 || h == seat || h == seat + 3)) return false;
    }
    return true;
}

int32_t lapjelolt(Asztal& a, Jatekos& rec, int32_t seat) {
    const int32_t t = a.vizsgalt_utes;
    const int32_t k = a.vizsgalt_lapszam;
    const int32_t o = oszlop(a.adu);
    Jeloltek& lista = a.jelolt_lapok[t][k];
    lista.db = 0;

    Szabaly sz{};
    if (k > 0) sz = szabaly(a, rec, t, k, o);

    int32_t legjobb = 0;  // class of the listed cards
    const Kartyalap* sor = rec.elosztas[seat];
    for (int32_t slot = 0; slot < 10; ++slot) {
        const Kartyalap& c = sor[slot];
        const int32_t h = rec.hol[c.szin][c.ertek];
        if (h != seat && h != seat + 3) continue;
        const int32_t cls = k == 0 ? 1 : osztaly(sz, c, a.adu, o);
        if (cls > legjobb) {
            // A higher class restarts the list.
            legjobb = cls;
            lista.lap[0] = slot;
            lista.db = 1;
        } else if (cls == legjobb) {
            // Of a run of touching cards keep the lowest.
            if (egyenerteku(a, rec, seat, slot, lista.lap[lista.db - 1]))
                lista.lap[lista.db - 1] = slot;
            else
                lista.lap[lista.db++] = slot;
        }
    }
    for (int32_t i = lista.db; i < 10; ++i) lista.lap[i] = -1;

    if (k == 0)
        a.utes_nyero[t][0] = seat;
    else if (legjobb > 0)
        a.utes_nyero[t][k] = nyero(sz, legjobb, seat);
    return lista.db;
}

void elosztas_masolas(Asztal& a, Jatekos& rec) {
    for (int s = 0; s < 3; ++s)
        for (int j = 0; j < 10; ++j) rec.elosztas[s][j] = a.jatekosok[s].lapok[j];
}

bool szabalyos_lap(Asztal& a, Jatekos& rec, int32_t slot) {
    const int32_t owner = rec.sorszam;
    const Kartyalap& c = a.jatekosok[owner].lapok[slot];
    if (rec.hol[c.szin][c.ertek] != owner) return false;
    elosztas_masolas(a, rec);
    const int32_t n = lapjelolt(a, rec, owner);
    const Jeloltek& lista = a.jelolt_lapok[a.vizsgalt_utes][a.vizsgalt_lapszam];
    for (int32_t i = 0; i < n; ++i)
        if (lista.lap[i] == slot) return true;
    // A card equal in value to a listed one is as good, but only within the listed
    // card's class: otherwise a card of the trick lying between the two (already
    // marked as played) would let a non-overtaking card pass as overtaking.
    const int32_t k = a.vizsgalt_lapszam;
    for (int32_t i = 0; i < n; ++i) {
        const int32_t q = lista.lap[i];
        if (q <= slot || !egyenerteku(a, rec, owner, q, slot)) continue;
        if (k == 0) return true;
        const int32_t o = oszlop(a.adu);
        const Szabaly sz = szabaly(a, rec, a.vizsgalt_utes, k, o);
        if (osztaly(sz, c, a.adu, o) == osztaly(sz, rec.elosztas[owner][q], a.adu, o)) return true;
    }
    return false;
}
