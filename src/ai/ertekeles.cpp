#include "ai/ertekeles.h"

#include "model/asztal.h"

namespace {

inline bool birtokol(const Jatekos& P, int32_t s, int32_t r) {
    return P.hol[s][r] == P.sorszam;
}

// Highest and lowest set bit of a non-zero 8-bit mask.
inline int32_t felso_bit(uint32_t m) {
    return 31 - __builtin_clz(m);
}
inline int32_t also_bit(uint32_t m) {
    return __builtin_ctz(m);
}
// The bits strictly above position p.
inline uint32_t folotte(int32_t p) {
    return 0xFFu & ~((2u << p) - 1u);
}

// One suit as the simulations see it: P's own cards and the live cards, as bit masks
// over play-order positions 0..7, and the live positions from the lowest up.
struct SzinKep {
    uint32_t sajat = 0;
    int32_t elo[8] = {};
    int32_t n = 0;
};

SzinKep szin_kep(const Jatekos& P, int32_t s, int32_t o) {
    SzinKep k;
    for (int32_t pos = 0; pos < 8; ++pos) {
        const int32_t h = P.hol[s][sorrend_vissza[pos][o]];
        if (h == P.sorszam)
            k.sajat |= 1u << pos;
        else if (h >= 0)
            k.elo[k.n++] = pos;
    }
    return k;
}

// Split number m of the live cards: bit i clear gives live card i to the first
// opponent, set to the second.
inline void felosztas(const SzinKep& k, uint32_t m, uint32_t& e1, uint32_t& e2) {
    e1 = e2 = 0;
    for (int32_t i = 0; i < k.n; ++i) {
        if ((m >> i) & 1u)
            e2 |= 1u << k.elo[i];
        else
            e1 |= 1u << k.elo[i];
    }
}

// Durchmars play-out of one suit: P leads from the top; a way fails as soon as an
// opponent can beat the led card.
bool durchmars_kijatszas(uint32_t sajat, uint32_t e1, uint32_t e2) {
    for (;;) {
        if (sajat == 0) return true;
        const int32_t h = felso_bit(sajat);
        if ((e1 | e2) & folotte(h)) return false;
        if (e1 == 0 && e2 == 0) return true;  // both void: the rest is P's
        if (e1) e1 &= e1 - 1;                 // each plays its lowest
        if (e2) e2 &= e2 - 1;
        sajat &= ~(1u << h);
    }
}

// Betli play-out of one suit with leader `vezeto` (0 = P, 1 = first opponent, 2 =
// second). True when P never has to take a trick in the suit.
bool betli_kijatszas(uint32_t sajat, uint32_t e1, uint32_t e2, int32_t vezeto) {
    uint32_t kez[3] = {sajat, e1, e2};
    auto levesz = [&](int32_t s, int32_t p) { kez[s] &= ~(1u << p); };
    // P following: overtake with its lowest card if it can (and so take the lead of the
    // trick), else drop its highest; void means it can discard elsewhere.
    auto p_kovet = [&](int32_t& legjobb, int32_t& nyero) -> bool {
        if (kez[0] == 0) return false;
        const uint32_t fent = kez[0] & folotte(legjobb);
        const int32_t c = fent ? also_bit(fent) : felso_bit(kez[0]);
        if (fent) {
            legjobb = c;
            nyero = 0;
        }
        levesz(0, c);
        return true;
    };
    // An opponent playing its highest card.
    auto legmagasabb = [&](int32_t s, int32_t& legjobb, int32_t& nyero) {
        const int32_t c = felso_bit(kez[s]);
        levesz(s, c);
        if (c > legjobb) {
            legjobb = c;
            nyero = s;
        }
    };
    for (;;) {
        int32_t legjobb = 0, nyero = 0;
        if (vezeto == 0) {
            // P leads the highest card that still goes under an opponent's card.
            const uint32_t ellen = kez[1] | kez[2];
            if (ellen == 0) return false;
            const uint32_t alatta = kez[0] & ((1u << felso_bit(ellen)) - 1u);
            if (alatta == 0) return false;
            legjobb = felso_bit(alatta);
            levesz(0, legjobb);
            const bool ures1 = kez[1] == 0, ures2 = kez[2] == 0;
            if (ures1 && ures2) return true;
            if (!ures1) legmagasabb(1, legjobb, nyero);
            if (!ures2) legmagasabb(2, legjobb, nyero);
        } else {
            int32_t x = vezeto;
            if (kez[x] == 0) {
                x = 3 - x;  // the lead passes to the other opponent
                if (kez[x] == 0) return true;
            }
            legjobb = also_bit(kez[x]);
            nyero = x;
            levesz(x, legjobb);
            if (x == 1) {
                // The second opponent after the first one's lead: lowest card above,
                // else its lowest.
                if (kez[2]) {
                    const uint32_t fent = kez[2] & folotte(legjobb);
                    const int32_t c = fent ? also_bit(fent) : also_bit(kez[2]);
                    if (fent) {
                        legjobb = c;
                        nyero = 2;
                    }
                    levesz(2, c);
                }
                if (!p_kovet(legjobb, nyero)) return true;
            } else {
                if (!p_kovet(legjobb, nyero)) return true;
                if (kez[1]) legmagasabb(1, legjobb, nyero);
            }
        }
        if (nyero == 0) return false;
        vezeto = nyero;
    }
}

}  // namespace

int32_t szin_lapszam(const Jatekos& P, int32_t s) {
    int32_t n = 0;
    for (int32_t i = 0; i < 10; ++i) {
        const Kartyalap& c = P.lapok[i];
        if (c.szin == s && P.hol[c.szin][c.ertek] == P.sorszam) ++n;
    }
    return n;
}

int32_t talon_lapszam(const Asztal& a, int32_t s) {
    return (a.talon[0].szin == s) + (a.talon[1].szin == s);
}

int32_t kinn_levo(const Jatekos& P, int32_t s) {
    int32_t n = 0;
    for (int32_t r = 0; r < 8; ++r)
        if (P.hol[s][r] >= 0 && P.hol[s][r] != P.sorszam) ++n;
    return n;
}

int32_t par_allapot(const Asztal& a, const Jatekos& P, int32_t s) {
    const bool f = birtokol(P, s, FELSO), k = birtokol(P, s, KIRALY);
    if (f && k) return 1;
    if (f || k) return 0;
    if (P.talonnal) {
        const Kartyalap& t0 = a.talon[0];
        const Kartyalap& t1 = a.talon[1];
        const bool par = t0.szin == s && t1.szin == s &&
                         ((t0.ertek == FELSO && t1.ertek == KIRALY) ||
                          (t0.ertek == KIRALY && t1.ertek == FELSO));
        if (par) return 0;
    }
    return -1;
}

int32_t szin_maszk(const Jatekos& P, int32_t s) {
    int32_t m = 0;
    for (int32_t r = 0; r < 8; ++r)
        if (birtokol(P, s, r)) m |= 1 << r;
    return m;
}

int32_t mellekszin(const Jatekos& P, int32_t t, int32_t k) {
    int32_t lista[4] = {0, 1, 2, 3};
    int32_t d[4];
    for (int32_t s = 0; s < 4; ++s) d[s] = szin_lapszam(P, s) - kinn_levo(P, s);
    for (int32_t i = 0; i < 3; ++i)
        for (int32_t j = i + 1; j < 4; ++j) {
            const int32_t x = lista[i], y = lista[j];
            bool csere = false;
            if (y == t)
                csere = true;  // the trump goes to the front
            else if (x != t && d[x] < d[y])
                csere = true;  // more own cards than live ones ranks higher
            else if (x != t && d[x] == d[y] && szin_maszk(P, x) < szin_maszk(P, y))
                csere = true;  // then the higher cards
            if (csere) {
                lista[i] = y;
                lista[j] = x;
            }
        }
    return lista[k];
}

double parti_erosseg(const Asztal& a, const Jatekos& P, int32_t t) {
    double e = 0;
    for (int32_t s = 0; s < 4; ++s) {
        const int32_t n = szin_lapszam(P, s);
        const bool asz = birtokol(P, s, ASZ), tizes = birtokol(P, s, TIZES);
        if (s == t) {
            if (asz && tizes)
                e += 2;
            else if (asz && n == 7)
                e += 2;
            else if (asz || tizes)
                e += 1;
            if (n >= 5 || (n == 4 && (asz || tizes))) e += 1;
            // Tens laid in the talon count for the defenders.
            if (P.talonnal)
                for (const Kartyalap& c : a.talon)
                    if (c.ertek == TIZES || c.ertek == ASZ) e -= 1;
        } else {
            if (n == 0)
                e += 1.5;  // can trump from the first round
            else if (asz && n == 1)
                e += 1.5;
            else if (asz && tizes)
                e += 2;
            else if (asz || (tizes && birtokol(P, s, KIRALY)))
                e += 1;
            else if (tizes && n >= 2)
                e += 0.5;
            else if (!tizes && n == 1)
                e += 0.5;  // a singleton without a ten to lose
        }
    }
    return e;
}

const int32_t ulti_suly[7][3] = {{0, 0, 0}, {0, 0, 0}, {0, 0, 1}, {2, 2, 3},
                                 {3, 4, 4}, {5, 5, 6}, {6, 7, 7}};

bool parti_jatszhato(const Asztal& a, const Jatekos& P, int32_t t) {
    if (szin_lapszam(P, t) < 4) return false;
    int32_t m = 2 * par_allapot(a, P, t);
    for (int32_t s = 0; s < 4; ++s)
        if (s != t) m += par_allapot(a, P, s);
    return parti_erosseg(a, P, t) >= 5 - m || birtokol(P, t, HETES);
}

bool negyven_szaz_ertekeles(const Asztal& a, Jatekos& P, int32_t t) {
    const double e = parti_erosseg(a, P, t);
    if (par_allapot(a, P, t) != 1 || szin_lapszam(P, t) < 4 || !(e > 5)) return false;
    P.adu_ertek[t] *= e / 9;
    return true;
}

bool husz_szaz_ertekeles(const Asztal& a, Jatekos& P, int32_t t) {
    bool husz = false;
    for (int32_t s = 0; s < 4; ++s)
        if (s != t && par_allapot(a, P, s) == 1) husz = true;
    const double e = parti_erosseg(a, P, t);
    if (!husz || szin_lapszam(P, t) < 4 || !(e > 7.5)) return false;
    P.adu_ertek[t] *= e / 9;
    return true;
}

bool ulti_ertekeles(const Asztal& a, Jatekos& P, int32_t t) {
    const int32_t nt = szin_lapszam(P, t);
    if (!birtokol(P, t, HETES) || nt < 4) return false;
    const int32_t s1 = mellekszin(P, t, 1), s2 = mellekszin(P, t, 2), s3 = mellekszin(P, t, 3);
    const int32_t n1 = szin_lapszam(P, s1), n2 = szin_lapszam(P, s2), n3 = szin_lapszam(P, s3);
    const int32_t t1 = P.talonnal ? talon_lapszam(a, s1) : 0;
    auto van = [&](int32_t s, int32_t r) { return birtokol(P, s, r); };
    // A "10" kept safe by the Ász or the Király above it.
    auto vedett_tizes = [&](int32_t s) { return van(s, TIZES) && (van(s, ASZ) || van(s, KIRALY)); };

    int32_t e = 0;
    if (nt == 5) e += 3;
    if (nt == 6) e += 5;
    if (nt >= 7) e += 10;
    if (van(t, ASZ)) e += 2;
    if (van(t, TIZES) && !van(t, ASZ)) e += 1;
    e += ulti_suly[n1 > 6 ? 6 : n1][t1];
    if (n1 + t1 < 6 && van(s1, ASZ)) e += 1;
    if (n1 + t1 < 4 && vedett_tizes(s1)) e += 1;
    if (van(s2, ASZ)) e += 1;
    if (vedett_tizes(s2)) e += 1;
    if (van(s3, ASZ)) e += 1;
    if (vedett_tizes(s3)) e += 1;
    if (n2 >= 1 && n3 >= 1) e += 1;
    if (n2 >= 2 && n3 >= 2) e += 1;
    if (van(s2, TIZES) && van(s3, TIZES) && n2 >= 2 && n3 >= 2 && !van(s2, ASZ) &&
        !van(s2, KIRALY) && !van(s3, ASZ) && !van(s3, KIRALY))
        e += 1;
    if (e <= 6) return false;
    P.adu_ertek[t] *= (e < 10 ? e : 10) * 0.1;
    return true;
}

bool negy_asz_ertekeles(const Asztal& a, Jatekos& P, int32_t t) {
    if (!birtokol(P, t, ASZ)) return false;
    const bool talon_asz = P.talonnal && (a.talon[0].ertek == ASZ || a.talon[1].ertek == ASZ);
    const bool ket_talon_asz = P.talonnal && a.talon[0].ertek == ASZ && a.talon[1].ertek == ASZ;
    int32_t aszok = 0, fedett = 0;
    for (int32_t s = 0; s < 4; ++s) {
        const bool asz = birtokol(P, s, ASZ);
        if (asz) ++aszok;
        if (!talon_asz && (asz || szin_lapszam(P, s) == 0)) ++fedett;
    }
    const bool jo = (szin_lapszam(P, t) >= 4 && fedett == 4) || aszok == 4;
    if (!jo || ket_talon_asz) return false;
    P.adu_ertek[t] *= 0.6 + 0.1 * aszok;
    return true;
}

int32_t durchmars_ertekeles(const Asztal& a, Jatekos& P, int32_t c) {
    // Step 1-3: every split of every suit's live cards, played out from the top.
    const int32_t o = oszlop(c);
    double p = 1.0, p_adu = 1.0;
    for (int32_t s = 0; s < 4; ++s) {
        const SzinKep k = szin_kep(P, s, o);
        const uint32_t db = 1u << k.n;
        uint32_t siker = 0;
        for (uint32_t m = 0; m < db; ++m) {
            uint32_t e1, e2;
            felosztas(k, m, e1, e2);
            if (durchmars_kijatszas(k.sajat, e1, e2)) ++siker;
        }
        const double ps = static_cast<double>(siker) / db;
        p *= ps;
        if (s == c) p_adu = ps;
    }
    // Step 4: no trump.
    if (c == 4) {
        int32_t szint = 0;
        if (p == 1.0)
            szint = 5;
        else if (p > 0.75)
            szint = 4;
        else if (p > 0.5)
            szint = 3;
        if (szint) P.adu_ertek[4] = p;
        return szint;
    }
    // Step 5: a trump suit also needs at least as many trumps as the other two hold.
    const int32_t sajat = szin_lapszam(P, c);
    int32_t masok = 0;
    for (int32_t x = 0; x < 3; ++x)
        if (x != P.sorszam) masok += szin_lapszam(a.jatekosok[x], c);
    int32_t szint = 0;
    if (p == 1.0 && sajat >= masok)
        szint = 2;
    else if (p_adu == 1.0 && p > 0.5 && sajat >= masok)
        szint = 1;
    if (szint) P.adu_ertek[c] *= p;
    return szint;
}

int32_t betli_ertekeles(const Asztal& /*a*/, Jatekos& P) {
    // Step 1-3: per suit, the chance with P leading it first (a) and with an opponent
    // leading it (b).
    double as[4], bs[4];
    for (int32_t s = 0; s < 4; ++s) {
        const SzinKep k = szin_kep(P, s, 0);
        const uint32_t db = 1u << k.n;
        uint32_t sa = 0, sb = 0;
        for (uint32_t m = 0; m < db; ++m) {
            uint32_t e1, e2;
            felosztas(k, m, e1, e2);
            sa += betli_kijatszas(k.sajat, e1, e2, 0);
            sb += betli_kijatszas(k.sajat, e1, e2, 1);
            sb += betli_kijatszas(k.sajat, e1, e2, 2);
        }
        as[s] = static_cast<double>(sa) / db;
        bs[s] = static_cast<double>(sb) / (2.0 * db);
        // Two live cards split evenly are worse than the plain half suggests.
        if (k.n == 2 && 2 * sa == db) as[s] = 0.3;
        if (k.n == 2 && sb == db) bs[s] = 0.3;
    }
    // Step 4: the suit to lead first.
    int32_t legjobb = 0;
    double q_legjobb = -1.0;
    for (int32_t f = 0; f < 4; ++f) {
        double q = as[f];
        for (int32_t s = 0; s < 4; ++s)
            if (s != f) q *= bs[s];
        if (q > q_legjobb) {
            q_legjobb = q;
            legjobb = f;
        }
    }
    P.betli_kezdo_szin = legjobb;
    // Step 5: level.
    const double q = q_legjobb;
    int32_t szint = 0;
    if (q >= 0.9)
        szint = 3;
    else if (q > 0.5)
        szint = 2;
    else if (q > 0.3)
        szint = 1;
    if (szint) P.adu_ertek[4] = q;
    return szint;
}

Licit licit_valasztas(Asztal& a, Jatekos& P) {
    Licit jelolt[5];
    // Step 1: one candidate per trump choice.
    for (int32_t c = 0; c < 5; ++c) {
        P.adu_ertek[c] = 1.0;
        jelolt[c] = Licit{};
        Licit& l = jelolt[c];
        if (c == PIROS) l.piros = 1;
        if (c < 4) {
            const int32_t d = durchmars_ertekeles(a, P, c);
            if (d == 2) l.teritett_durchmars = 1;
            if (d == 1) l.durchmars = 1;
            l.husz_szaz = husz_szaz_ertekeles(a, P, c);
            if (!l.husz_szaz) l.negyven_szaz = negyven_szaz_ertekeles(a, P, c);
            l.ulti = ulti_ertekeles(a, P, c);
            l.negy_asz = negy_asz_ertekeles(a, P, c);
            if (d == 0 && !l.husz_szaz && !l.negyven_szaz) l.passz = parti_jatszhato(a, P, c);
        } else {
            const int32_t d = durchmars_ertekeles(a, P, 4);
            const int32_t b = betli_ertekeles(a, P);
            if (d == 5)
                l.szinnelkuli_teritett_durchmars = 1;
            else if (b == 3)
                l.teritett_betli = 1;
            else if (d == 4)
                l.redurchmars = 1;
            else if (b == 2)
                l.rebetli = 1;
            else if (d == 3)
                l.szinnelkuli_durchmars = 1;
            else if (b == 1)
                l.betli = 1;
        }
    }
    // Step 2: the best candidate. The running best is held in whole numbers, so a
    // later candidate with a fractional part wins inside the same whole band.
    int32_t legjobb = 0;
    double ertek = static_cast<int64_t>(licit_erteke(jelolt[0]));
    double bizalom = static_cast<int64_t>(P.adu_ertek[0]);
    for (int32_t c = 1; c < 5; ++c) {
        const double v = licit_erteke(jelolt[c]);
        if (v > ertek || (v == ertek && P.adu_ertek[c] > bizalom)) {
            legjobb = c;
            ertek = static_cast<int64_t>(v);
            bizalom = static_cast<int64_t>(P.adu_ertek[c]);
        }
    }
    a.adu = legjobb;
    if (licit_erteke(jelolt[legjobb]) > a.licit_ertek) return jelolt[legjobb];
    P.adu_ertek[legjobb] = 1.0;
    return passz_licit();
}
