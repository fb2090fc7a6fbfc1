#include "analysis/jelentes.h"

#include <string>

#include "analysis/kereses.h"
#include "analysis/szabalyok.h"
#include "model/asztal.h"

namespace {

bool jatek_folyik(const Asztal& a) {
    return a.fazis == F_JATEK_EMBER || a.fazis == F_JATEK_GEP;
}

// The verdict favours the seat on turn: made for the declarer, failed for a defender.
bool kedvezo(const Asztal& a, const ElemzesEredmeny& e) {
    return (e.teljesul != 0) == (a.soron == a.felvevo);
}

// The card in `slot` is still in the hand, as its owner knows.
bool kezben(const Jatekos& j, int32_t seat, int32_t slot) {
    const Kartyalap& k = j.lapok[slot];
    return j.hol[k.szin][k.ertek] == seat;
}

void fejlec(Asztal& a, const ElemzesEredmeny& e, const char* szam_cim) {
    auto& m = a.nezet.memo1;
    m.push_back("Idő: " + std::to_string(e.ido));
    m.push_back(szam_cim);
    m.push_back(std::to_string(e.szam));
    m.push_back(e.teljesul ? "Teljesül a felvétel" : "Bukik a felvétel");
}

}  // namespace

void elemzes_jelentes(Asztal& a) {
    if (!jatek_folyik(a)) return;
    a.nezet.memo1.clear();
    const int32_t s = a.soron;
    Jatekos& j = a.jatekosok[s];
    const ElemzesEredmeny e = elemzes(a, j);
    fejlec(a, e, "A variációk száma:");
    if (!kedvezo(a, e)) return;

    a.nezet.memo1.push_back("A helyes laphívások:");
    const int32_t db = e.db < 0 ? 0 : (e.db > 10 ? 10 : e.db);
    for (int32_t p = 0; p < 10; ++p) {
        bool jo = false;
        for (int32_t i = 0; i < db && !jo; ++i) jo = e.jo_lapok[i] == p;
        // The search keeps the lowest of touching cards; the ones of equal value
        // above it are just as correct.
        if (!jo && kezben(j, s, p))
            for (int32_t i = 0; i < db && !jo; ++i) {
                const int32_t q = e.jo_lapok[i];
                jo = q > p && q < 10 && egyenerteku(a, j, s, q, p);
            }
        if (jo) a.nezet.memo1.push_back(lap_nev(j.lapok[p]));
    }
}

void variacio_jelentes(Asztal& a) {
    if (!jatek_folyik(a)) return;
    a.nezet.memo1.clear();
    const int32_t s = a.soron;
    Jatekos& j = a.jatekosok[s];
    ElemzesEredmeny e = variacio(a, j);
    fejlec(a, e, "Az elosztások száma:");
    if (!kedvezo(a, e)) return;

    a.nezet.memo1.push_back(std::to_string(e.db) + " elosztásban");
    a.nezet.memo1.push_back("A helyes laphívások:");
    a.vizsgalt_utes = a.utes_szam;
    a.vizsgalt_lapszam = a.utes_lapszam;
    // A card as good as a higher legal one of equal value gets that card's count;
    // the last such card wins.
    for (int32_t l = 0; l < 10; ++l)
        for (int32_t i = l + 1; i < 10; ++i)
            if (szabalyos_lap(a, j, i) && kezben(j, s, l) && egyenerteku(a, j, s, i, l))
                e.jo_lapok[l] = e.jo_lapok[i];
    for (int32_t p = 0; p < 10; ++p)
        if (e.jo_lapok[p] > 0)
            a.nezet.memo1.push_back(lap_nev(j.lapok[p]) + " " + std::to_string(e.jo_lapok[p]));
}

void kinel_jelentes(Asztal& a) {
    auto& m = a.nezet.memo1;
    for (int32_t n = 0; n < 3; ++n) {
        m.push_back(std::to_string(n));
        for (int32_t i = 0; i < 4; ++i)
            for (int32_t r = 0; r < 8; ++r)
                m.push_back(szinnevek[i] + " " + lapnevek[r] + " " +
                            std::to_string(a.jatekosok[n].hol[i][r]));
    }
}
