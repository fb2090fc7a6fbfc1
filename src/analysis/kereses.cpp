#include "analysis/kereses.h"

#include <climits>

#include "analysis/szabalyok.h"

namespace {

// A card of trick t at position j: in the working hands when the search played it,
// in the real hand when it was played before the root.
inline const Kartyalap& utes_lapja(const Asztal& a, const Jatekos& rec, int32_t t, int32_t j) {
    const UtesLap& u = a.utes_lapok[t][j];
    if (t * 3 + j > a.utes_szam * 3 + a.utes_lapszam) return rec.elosztas[u.seat][u.slot];
    return a.jatekosok[u.seat].lapok[u.slot];
}

// The verdict after the card at search trick t, position k.
inline int32_t ertekel(const Asztal& a, const Jatekos& rec, const Komponensek& c, int32_t t, int32_t k) {
    const bool vege = t == 9 && k == 2;
    // The Ulti's last trick: the declarer won it with the trump 7.
    bool hetessel = false;
    if (c.ulti && vege && a.utes_nyero[9][2] == a.felvevo)
        for (int32_t j = 0; j < 3; ++j)
            if (a.utes_lapok[9][j].seat == a.felvevo) {
                const Kartyalap& l = utes_lapja(a, rec, 9, j);
                hetessel = l.szin == a.adu && l.ertek == HETES;
            }
    const bool hetes_oda = a.adu < 4 && t < 9 && rec.hol[a.adu][HETES] < 0;
    const int32_t sz[6] = {rec.felvevo_tizes, rec.ellen_tizes, rec.felvevo_asz,
                           rec.ellen_asz,     rec.felvevo_utes, rec.ellen_utes};
    return itelet(c, vege, a.adu < 4, hetessel, hetes_oda, sz);
}

// Plays the card in `slot` of seat s at (t, k) inside the search.
inline void lerak(Asztal& a, Jatekos& rec, int32_t D, int32_t t, int32_t k, int32_t s, int32_t slot) {
    const Kartyalap& c = rec.elosztas[s][slot];
    if (c.ertek == ASZ) {
        ++a.utes_asz[t];
        ++a.utes_tizes[t];
    } else if (c.ertek == TIZES) {
        ++a.utes_tizes[t];
    }
    if (k == 2) {
        if (t == 9) ++a.utes_tizes[9];
        if (a.utes_nyero[t][2] == D) {
            rec.felvevo_asz += a.utes_asz[t];
            rec.felvevo_tizes += a.utes_tizes[t];
            ++rec.felvevo_utes;
        } else {
            rec.ellen_asz += a.utes_asz[t];
            rec.ellen_tizes += a.utes_tizes[t];
            ++rec.ellen_utes;
        }
    }
    rec.hol[c.szin][c.ertek] -= 10;
    a.utes_lapok[t][k].seat = s;
    a.utes_lapok[t][k].slot = slot;
    ++a.keresett_lapok;
}

// Takes back the move at (t, k) and moves on to the next candidate there.
inline void visszavesz(Asztal& a, Jatekos& rec, int32_t D, int32_t t, int32_t k) {
    UtesLap& u = a.utes_lapok[t][k];
    const Kartyalap& c = rec.elosztas[u.seat][u.slot];
    rec.hol[c.szin][c.ertek] += 10;
    if (k == 2) {
        if (a.utes_nyero[t][2] == D) {
            rec.felvevo_asz -= a.utes_asz[t];
            rec.felvevo_tizes -= a.utes_tizes[t];
            --rec.felvevo_utes;
        } else {
            rec.ellen_asz -= a.utes_asz[t];
            rec.ellen_tizes -= a.utes_tizes[t];
            --rec.ellen_utes;
        }
        if (t == 9) --a.utes_tizes[9];
    }
    if (c.ertek == ASZ) {
        --a.utes_asz[t];
        --a.utes_tizes[t];
    } else if (c.ertek == TIZES) {
        --a.utes_tizes[t];
    }
    u.slot = -1;
    ++a.probalt[t][k];
}

inline int64_t ora_olvas(const Asztal& a) { return a.ora ? a.ora() : valodi_ora(); }

// Whether an outcome (1 made, -1 failed) is the goal of `seat`'s side.
inline bool javara(int32_t D, int32_t seat, int32_t r) { return (seat == D) == (r == 1); }

// The search proper. `hatarido` is the clock value at which it must stop (LLONG_MAX
// for none); `elvagva` tells whether it stopped there before the end.
ElemzesEredmeny kereses(Asztal& a, Jatekos& rec, int64_t kezdet, int64_t hatarido, bool& elvagva) {
    // Step 1: save what the search changes.
    int32_t ment_tizes[10], ment_asz[10], ment_nyero[10][3];
    for (int32_t t = 0; t < 10; ++t) {
        ment_tizes[t] = a.utes_tizes[t];
        ment_asz[t] = a.utes_asz[t];
        for (int32_t k = 0; k < 3; ++k) ment_nyero[t][k] = a.utes_nyero[t][k];
    }
    const int32_t ment_szamlalo[6] = {rec.felvevo_tizes, rec.ellen_tizes, rec.felvevo_asz,
                                      rec.ellen_asz,     rec.felvevo_utes, rec.ellen_utes};
    const int32_t ment_vt = a.vizsgalt_utes, ment_vk = a.vizsgalt_lapszam;

    ElemzesEredmeny e;
    const int32_t kezdo_teljesul = a.soron != a.felvevo ? 1 : 0;
    e.teljesul = kezdo_teljesul;
    int32_t valtozat = 0;
    int32_t c = 0;
    elvagva = false;

    const Komponensek komp = komponensek(a.jatek);
    const int32_t owner = rec.sorszam;
    const int32_t D = a.felvevo;
    const int32_t T = a.utes_szam, K = a.utes_lapszam;
    const int32_t gyoker = T * 3 + K;

    // Step 2: the root candidates of the record's owner.
    int32_t t = T, k = K, p = gyoker;
    if (T >= 0 && T < 10 && K >= 0 && K < 3) {
        a.vizsgalt_utes = T;
        a.vizsgalt_lapszam = K;
        const int32_t n = lapjelolt(a, rec, owner);
        a.probalt[T][K] = 0;
        if (n == 0)
            p = gyoker - 1;  // nothing to play: no line to search
        else
            lerak(a, rec, D, T, K, owner, a.jelolt_lapok[T][K].lap[0]);
    } else {
        p = gyoker - 1;
    }

    // Step 4: the loop; one clock read per step.
    while (p >= gyoker) {
        const int64_t most = ora_olvas(a);
        if (most >= hatarido) {
            elvagva = true;
            break;
        }
        int32_t r = ertekel(a, rec, komp, t, k);
        if (r == 0) {
            // Step 4.3: not decided yet, go one card deeper.
            if (k == 2) {
                ++t;
                k = 0;
                a.utes_nyero[t][0] = a.utes_nyero[t - 1][2];
            } else {
                ++k;
            }
            ++p;
            const int32_t seat = (a.utes_nyero[t][0] + k) % 3;
            a.vizsgalt_utes = t;
            a.vizsgalt_lapszam = k;
            const int32_t n = lapjelolt(a, rec, seat);
            a.probalt[t][k] = 0;
            if (n > 0) {
                lerak(a, rec, D, t, k, seat, a.jelolt_lapok[t][k].lap[0]);
                continue;
            }
            // A seat with no card to play (only in an inconsistent layout) loses the
            // line; nothing was played here, so back up to the last move first.
            r = seat == D ? -1 : 1;
            if (k == 0) {
                --t;
                k = 2;
            } else {
                --k;
            }
            --p;
        }
        // Step 4.2: a decided line.
        ++valtozat;
        if (c == 0) e.teljesul = r == 1 ? 1 : 0;
        const bool tulajnak = javara(D, owner, r);
        if (tulajnak) e.jo_lapok[c] = a.jelolt_lapok[T][K].lap[a.probalt[T][K]];
        visszavesz(a, rec, D, t, k);
        // Back up while this position is done: no candidates left, or (below the root)
        // the side to move here has what it wants.
        while (p >= gyoker) {
            const bool kifogyott = a.probalt[t][k] >= a.jelolt_lapok[t][k].db;
            const bool eleg = p > gyoker && javara(D, (a.utes_nyero[t][0] + k) % 3, r);
            if (!kifogyott && !eleg) break;
            if (k == 0) {
                --t;
                k = 2;
            } else {
                --k;
            }
            --p;
            if (p >= gyoker) visszavesz(a, rec, D, t, k);
        }
        if (p <= gyoker && tulajnak) ++c;
        if (p >= gyoker) {
            const int32_t seat = (a.utes_nyero[t][0] + k) % 3;
            lerak(a, rec, D, t, k, seat, a.jelolt_lapok[t][k].lap[a.probalt[t][k]]);
        }
    }

    // Step 5: restore and report.
    for (int32_t i = 0; i < 10; ++i) {
        a.utes_tizes[i] = ment_tizes[i];
        a.utes_asz[i] = ment_asz[i];
        for (int32_t j = 0; j < 3; ++j) a.utes_nyero[i][j] = ment_nyero[i][j];
    }
    rec.felvevo_tizes = ment_szamlalo[0];
    rec.ellen_tizes = ment_szamlalo[1];
    rec.felvevo_asz = ment_szamlalo[2];
    rec.ellen_asz = ment_szamlalo[3];
    rec.felvevo_utes = ment_szamlalo[4];
    rec.ellen_utes = ment_szamlalo[5];
    a.vizsgalt_utes = ment_vt;
    a.vizsgalt_lapszam = ment_vk;

    const int64_t eltelt = ora_olvas(a) - kezdet;
    e.ido = static_cast<int32_t>(eltelt / 1000);
    if (a.emberek_szama <= 1 && e.ido >= elemzes_idokorlat) {
        e.ido = -e.ido;
        e.teljesul = kezdo_teljesul;
    }
    e.db = c;
    // A correct card is only noted for good when its line came back to the root;
    // a slot written for a line that was refuted later must not show.
    for (int32_t i = c; i < 10; ++i) e.jo_lapok[i] = -1;
    e.szam = valtozat;
    return e;
}

inline bool korlatos(const Asztal& a) { return a.emberek_szama <= 1; }

}  // namespace

Komponensek komponensek(const Licit& f) {
    Komponensek c;
    c.durchmars = f.durchmars || f.teritett_durchmars || f.szinnelkuli_durchmars || f.redurchmars ||
                  f.szinnelkuli_teritett_durchmars;
    c.betli = f.betli || f.rebetli || f.teritett_betli;
    c.ulti = f.ulti;
    c.negy_asz = f.negy_asz;
    c.negyven_szaz = f.negyven_szaz;
    c.husz_szaz = f.husz_szaz;
    return c;
}

int32_t kiertekeles(const Asztal& a, const Jatekos& rec, const Licit& flagek) {
    return ertekel(a, rec, komponensek(flagek), a.vizsgalt_utes, a.vizsgalt_lapszam);
}

ElemzesEredmeny jatek_kereses(Asztal& a, Jatekos& rec) {
    const int64_t kezdet = ora_olvas(a);
    const int64_t hatarido = korlatos(a) ? kezdet + elemzes_idokorlat * 1000LL : LLONG_MAX;
    bool elvagva = false;
    return kereses(a, rec, kezdet, hatarido, elvagva);
}

ElemzesEredmeny elemzes(Asztal& a, Jatekos& rec) {
    // Step 1.
    const int64_t kezdet = ora_olvas(a);
    int32_t ment_hol[4][8];
    for (int32_t s = 0; s < 4; ++s)
        for (int32_t r = 0; r < 8; ++r) ment_hol[s][r] = rec.hol[s][r];
    // Step 2: the real hands; cards the owner has not located are marked with their
    // real holder as unseen.
    for (int32_t s = 0; s < 3; ++s)
        for (int32_t j = 0; j < 10; ++j) {
            const Kartyalap& l = a.jatekosok[s].lapok[j];
            Kartyalap& e = rec.elosztas[s][j];
            e.szin = l.szin;
            e.ertek = l.ertek;
            e.kep = l.kep;
            int32_t& h = rec.hol[l.szin][l.ertek];
            if (h > 2) h = s != rec.sorszam ? s + 3 : s;
        }
    // Step 3.
    for (int32_t i = 0; i < 2; ++i) rec.hol[a.talon[i].szin][a.talon[i].ertek] = HOL_TALON;
    // Step 4.
    ElemzesEredmeny e = jatek_kereses(a, rec);
    for (int32_t s = 0; s < 4; ++s)
        for (int32_t r = 0; r < 8; ++r) rec.hol[s][r] = ment_hol[s][r];
    // Step 5: the time over the whole call.
    const int32_t ido = static_cast<int32_t>((ora_olvas(a) - kezdet) / 1000);
    e.ido = korlatos(a) && ido >= elemzes_idokorlat ? -ido : ido;
    return e;
}

bool elosztas_szures(const Asztal& a, const Jatekos& rec) {
    if (!a.jatek.ulti || a.adu >= 4) return true;
    const int32_t h = rec.hol[a.adu][HETES];
    return h == a.felvevo || h == a.felvevo + 3 || h == a.felvevo - 10;
}

void elosztas_rendezes(const Asztal& a, Jatekos& rec) {
    const int32_t o = oszlop(a.adu);
    for (int32_t s = 0; s < 3; ++s) {
        Kartyalap* sor = rec.elosztas[s];
        // Insertion sort on one key: suit first, then order, both falling. The cards
        // are distinct, so this gives the same order as the exchange sort of a hand.
        for (int32_t i = 1; i < 10; ++i) {
            const Kartyalap c = sor[i];
            const int32_t kulcs = c.szin * 8 + sorrend[c.ertek][o];
            int32_t j = i - 1;
            while (j >= 0 && sor[j].szin * 8 + sorrend[sor[j].ertek][o] < kulcs) {
                sor[j + 1] = sor[j];
                --j;
            }
            sor[j + 1] = c;
        }
    }
}

ElosztasTer elosztas_ter(Asztal& a, const Jatekos& rec) {
    ElosztasTer x;
    for (int32_t s = 0; s < 4; ++s)
        for (int32_t r = 0; r < 8; ++r) x.ment_hol[s][r] = rec.hol[s][r];
    // Step 2: who still needs what.
    x.o = rec.sorszam;
    x.R = (x.o + 1) % 3;
    x.L = (x.o + 2) % 3;
    int32_t R_ismert = 0, L_ismert = 0, o_ismert = 0;
    for (int32_t s = 0; s < 4; ++s)
        for (int32_t r = 0; r < 8; ++r) {
            const int32_t h = rec.hol[s][r];
            if (h >= 3)
                ++x.U;
            else if (h == x.R || h == x.R - 10)
                ++R_ismert;
            else if (h == x.L || h == x.L - 10)
                ++L_ismert;
            else if (h == x.o || h == x.o - 10)
                ++o_ismert;
        }
    x.N = 10 - R_ismert;
    // L takes the rest; two more than it needs when the talon is among the unseen.
    x.L_kell = 10 - L_ismert;
    x.rendben = o_ismert == 10 && x.N >= 0 && x.N <= x.U && x.L_kell >= 0 &&
                (x.U - x.N == x.L_kell || x.U - x.N == x.L_kell + 2);

    // Step 4: a random scan order of the 32 cards.
    for (int32_t i = 0; i < 32; ++i) x.sorrend_lapok[i] = i;
    for (int32_t n = 0; n < 96; ++n) {
        const int32_t i = veletlen(a, 32);
        const int32_t j = veletlen(a, 32);
        const int32_t t = x.sorrend_lapok[i];
        x.sorrend_lapok[i] = x.sorrend_lapok[j];
        x.sorrend_lapok[j] = t;
    }
    return x;
}

void elosztas_epites(Jatekos& rec, const ElosztasTer& x, const bool R_nal[32]) {
    int32_t db[3] = {0, 0, 0};
    int32_t j = 0, L_rejtett = 0;
    for (int32_t i = 0; i < 32; ++i) {
        const int32_t lap = x.sorrend_lapok[i];
        const int32_t sz = lap / 8, er = lap % 8;
        const int32_t eredeti = x.ment_hol[sz][er];
        int32_t& h = rec.hol[sz][er];
        int32_t sor, hely;
        if (eredeti == HOL_TALON) continue;
        if (eredeti >= 3) {
            if (R_nal[j]) {
                sor = x.R;
                h = x.R + 3;
            } else {
                sor = x.L;
                h = x.L + 3;
                // The talon's two cards, unseen by a defender, take L's slots 10
                // and 11 and stay out of the play.
                if (++L_rejtett > x.L_kell) {
                    h = HOL_TALON;
                    hely = 10 + (L_rejtett - x.L_kell - 1);
                    Kartyalap& c = rec.elosztas[x.L][hely];
                    c.szin = sz;
                    c.ertek = er;
                    c.kep = lap;
                    ++j;
                    continue;
                }
            }
            ++j;
        } else if (h == x.o || h == x.o - 10) {
            sor = x.o;
        } else if (h == x.R || h == x.R - 10) {
            sor = x.R;
        } else {
            sor = x.L;
        }
        hely = db[sor]++;
        Kartyalap& c = rec.elosztas[sor][hely];
        c.szin = sz;
        c.ertek = er;
        c.kep = lap;
    }
}

ElemzesEredmeny variacio_literalis(Asztal& a, Jatekos& rec) {
    // Step 1.
    const int64_t kezdet = ora_olvas(a);
    const ElosztasTer x = elosztas_ter(a, rec);
    return variacio_literalis(a, rec, kezdet, x);
}

ElemzesEredmeny variacio_literalis(Asztal& a, Jatekos& rec, int64_t kezdet, const ElosztasTer& x) {
    ElemzesEredmeny e;
    e.teljesul = a.soron != a.felvevo ? 1 : 0;
    e.db = 0;
    for (int32_t& j : e.jo_lapok) j = 0;
    int32_t elosztasok = 0;
    const int32_t N = x.N, U = x.U;

    // Step 3: the first combination: unseen indices 0..N-1 go to R.
    int32_t komb[32];
    for (int32_t i = 0; i < N && i < 32; ++i) komb[i] = i;

    // Time: one second with at most one human, an hour with three, none with two.
    const int64_t hatarido = variacio_hatarido(a, kezdet);

    bool van_meg = x.rendben;
    while (van_meg) {
        if (ora_olvas(a) >= hatarido) break;
        // Step 5.1: the three rows in scan order.
        bool R_nal[32] = {};
        for (int32_t i = 0; i < N; ++i) R_nal[komb[i]] = true;
        elosztas_epites(rec, x, R_nal);
        // Step 5.2: search the admitted ones.
        if (elosztas_szures(a, rec)) {
            elosztas_rendezes(a, rec);
            const int64_t k0 = ora_olvas(a);
            const int64_t sajat = a.emberek_szama <= 1 ? k0 + elemzes_idokorlat * 1000LL : LLONG_MAX;
            bool elvagva = false;
            const ElemzesEredmeny r = kereses(a, rec, k0, sajat < hatarido ? sajat : hatarido, elvagva);
            if (!elvagva && r.ido >= 0) {
                ++elosztasok;
                if ((r.teljesul == 1) == (a.soron == a.felvevo)) {
                    ++e.db;
                    e.teljesul = a.soron == a.felvevo ? 1 : 0;
                    for (int32_t i = 0; i < r.db; ++i)
                        if (r.jo_lapok[i] >= 0 && r.jo_lapok[i] < 10) ++e.jo_lapok[r.jo_lapok[i]];
                }
            }
        }
        // Step 5.3: the next combination (odometer).
        int32_t i = N - 1;
        while (i >= 0 && komb[i] == U - N + i) --i;
        if (i < 0) {
            van_meg = false;
        } else {
            ++komb[i];
            for (int32_t m = i + 1; m < N; ++m) komb[m] = komb[m - 1] + 1;
        }
    }

    // Step 6.
    for (int32_t s = 0; s < 4; ++s)
        for (int32_t r = 0; r < 8; ++r) rec.hol[s][r] = x.ment_hol[s][r];
    const int32_t ido = static_cast<int32_t>((ora_olvas(a) - kezdet) / 1000);
    e.ido = korlatos(a) && ido >= elemzes_idokorlat ? -ido : ido;
    e.szam = elosztasok;
    return e;
}

int64_t variacio_hatarido(const Asztal& a, int64_t kezdet) {
    if (a.emberek_szama <= 1) return kezdet + elemzes_idokorlat * 1000LL;
    if (a.emberek_szama == 3) return kezdet + 3600 * 1000LL;
    return LLONG_MAX;
}

int64_t ora_olvasas(const Asztal& a) { return ora_olvas(a); }
