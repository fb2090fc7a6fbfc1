#include "model/asztal.h"

#include <time.h>

uint32_t Veletlen::kovetkezo() {
    // splitmix64, top 31 bits: a non-negative int32.
    uint64_t z = (allapot += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    return static_cast<uint32_t>(z >> 33);
}

int64_t valodi_ora() {
    // The coarse monotonic clock: a few milliseconds of resolution are plenty for a
    // one-second limit, and it costs a tenth of the precise clock per read, which
    // the search does once per step.
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC_COARSE, &t);
    return static_cast<int64_t>(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
}

int32_t veletlen(Asztal& a, int32_t n) {
    if (n <= 0) return 0;
    return static_cast<int32_t>(a.rng.kovetkezo() % static_cast<uint32_t>(n));
}

static void utes_rekordok_uritese(Asztal& a) {
    for (int t = 0; t < 10; ++t)
        for (int k = 0; k < 3; ++k) {
            a.utes_lapok[t][k] = UtesLap{};
            a.jelolt_lapok[t][k] = Jeloltek{};
            a.probalt[t][k] = -1;
        }
}

void asztal_indulas(Asztal& a, uint64_t seed) {
    a = Asztal{};
    a.rng.mag(seed);
    a.ora = valodi_ora;
    a.oszto = 1;
    a.adu = 0;
    a.fazis = F_NINCS_PARTI;
    static const char* const nevek[3] = {"Telmi", "Varko", "Rido"};
    for (int s = 0; s < 3; ++s) {
        Jatekos& j = a.jatekosok[s];
        j.ember = (s == 0);
        j.sorszam = s;
        j.nev = nevek[s];
        j.egyenleg = 0;
        for (int sz = 0; sz < 4; ++sz)
            for (int e = 0; e < 8; ++e) j.hol[sz][e] = HOL_NEM_TUDOTT;
    }
    for (int i = 0; i < 32; ++i) {
        a.pakli[i] = kartya(i / 8, i % 8);
        a.keveres[i] = i;
    }
    utes_rekordok_uritese(a);
}

void parti_alaphelyzet(Asztal& a) {
    // Step 1-3: auction and trick counters; the first bidder holds the talon.
    a.passzok = 0;
    a.licitek_szama = 0;
    a.licit_ertek = 0;
    a.uj_licit_ertek = 0;
    a.felvevo = a.soron;
    a.utes_szam = 0;
    a.utes_lapszam = 0;
    a.benyult = 0;
    // Step 4: only the open-contract flags, so no hand is shown face up.
    a.jatek.teritett_durchmars = 0;
    a.jatek.teritett_betli = 0;
    a.jatek.szinnelkuli_teritett_durchmars = 0;
    // Step 5: per seat.
    for (Jatekos& j : a.jatekosok) {
        j.felvevo_tizes = j.ellen_tizes = j.felvevo_asz = j.ellen_asz = 0;
        j.felvevo_utes = j.ellen_utes = 0;
        j.negyven = 0;
        j.husz_db = 0;
        j.bemondott = 0;
        for (int i = 0; i < LICIT_FLAGEK; ++i)
            if (i != L_PIROS) j.kontra[i] = 0;
    }
    // Step 6-7: trick records.
    for (int t = 0; t < 10; ++t) a.utes_tizes[t] = a.utes_asz[t] = 0;
    utes_rekordok_uritese(a);
}

std::string& nev_doboz(Asztal& a, int32_t seat) {
    if (seat == 0) return a.nezet.memo2;
    if (seat == 1) return a.nezet.memo3;
    return a.nezet.memo4;
}
