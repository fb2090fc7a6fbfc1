// The search benchmark: seeded deals of every kind of contract, played out card by
// card by the computer's card choice; at every trick `elemzes` and `variacio` run for
// the seat on turn. Prints each position's figures, then the totals: nodes (cards
// played inside the search), nodes per second, per trick the share of `variacio`
// calls that finished inside their second and their median time.
//
// Two clocks: the real one, to measure; and a driven one (one millisecond per N clock
// reads), on which every figure but the wall time is the same on every run and every
// machine. The signature test pins the driven run's node count and chosen cards.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include <time.h>

#include "ai/ertekeles.h"
#include "ai/kovetes.h"
#include "ai/lapvalasztas.h"
#include "ai/talon.h"
#include "analysis/kereses.h"
#include "analysis/szabalyok.h"
#include "bench.h"
#include "table/folyam.h"
#include "model/asztal.h"
#include "model/osztas.h"

namespace {

struct Szerzodes {
    const char* nev;
    int flag;
};

// The contracts the bench covers, in the order of the deals.
const Szerzodes szerzodesek[] = {
    {"Passz", L_PASSZ},          {"40-100", L_NEGYVEN_SZAZ},
    {"20-100", L_HUSZ_SZAZ},     {"Ulti", L_ULTI},
    {"Négy Ász", L_NEGY_ASZ},    {"Durchmars", L_DURCHMARS},
    {"Betli", L_BETLI},          {"Színnélküli Durchmars", L_SZINNELKULI_DURCHMARS},
};
constexpr int SZERZODES_DB = sizeof(szerzodesek) / sizeof(szerzodesek[0]);

bool tart(const Jatekos& P, int32_t s, int32_t r) { return P.hol[s][r] == P.sorszam; }

int32_t aszok(const Jatekos& P) {
    int32_t n = 0;
    for (int32_t s = 0; s < 4; ++s) n += tart(P, s, ASZ);
    return n;
}

// Whether seat P's dealt hand suits the contract with trump t (t = 4: colourless).
// Plain looks at the hand, so the deals stay the same whatever the evaluation does.
bool illik(const Jatekos& P, int flag, int32_t t) {
    if (flag == L_BETLI) {
        // Few cards above the Alsó, none of them an Ász.
        int32_t magas = 0;
        for (int32_t s = 0; s < 4; ++s)
            for (int32_t r = FELSO; r <= ASZ; ++r) magas += tart(P, s, r);
        return t == 4 && magas <= 1 && aszok(P) == 0;
    }
    if (flag == L_SZINNELKULI_DURCHMARS) {
        int32_t kiraly = 0;
        for (int32_t s = 0; s < 4; ++s) kiraly += tart(P, s, KIRALY);
        return t == 4 && aszok(P) >= 3 && kiraly >= 3;
    }
    if (t > 3) return false;
    const int32_t n = szin_lapszam(P, t);
    switch (flag) {
        case L_PASSZ:
            return n >= 4;
        case L_NEGYVEN_SZAZ:
            return n >= 4 && tart(P, t, FELSO) && tart(P, t, KIRALY) && tart(P, t, ASZ);
        case L_HUSZ_SZAZ: {
            bool par = false;
            for (int32_t s = 0; s < 4; ++s) par = par || (s != t && tart(P, s, FELSO) && tart(P, s, KIRALY));
            return n >= 5 && par && tart(P, t, ASZ);
        }
        case L_ULTI:
            return n >= 4 && tart(P, t, HETES) && tart(P, t, ASZ);
        case L_NEGY_ASZ:
            return tart(P, t, ASZ) && aszok(P) >= 3 && n >= 3;
        case L_DURCHMARS:
            return n >= 5 && tart(P, t, ASZ) && tart(P, t, TIZES) && aszok(P) >= 3;
    }
    return false;
}

// Deals from `mag` on until some seat's hand suits the contract; that seat declares
// and leads, keeping its ten cards and laying the talon back as it was dealt.
uint64_t leosztas(Asztal& a, const Szerzodes& sz, uint64_t mag) {
    for (;; ++mag) {
        asztal_indulas(a, mag);
        for (Jatekos& j : a.jatekosok) j.ember = 0;
        a.emberek_szama = 0;
        a.adu = 0;
        kevert_osztas(a);
        parti_alaphelyzet(a);
        for (int32_t s = 0; s < 3; ++s) {
            const int32_t d = (a.soron + s) % 3;
            for (int32_t t = 0; t < 5; ++t) {
                if (!illik(a.jatekosok[d], sz.flag, t)) continue;
                a.jatek = Licit{};
                a.jatek[sz.flag] = 1;
                a.adu = t;
                a.gep_adu = t;
                a.felvevo = d;
                a.soron = d;
                a.licit_ertek = licit_erteke(a.jatek);
                for (int32_t i = 0; i < 3; ++i) {
                    a.jatekosok[i].talonnal = i == d;
                    kez_rendezes(a, i, 10);
                }
                for (const Kartyalap& k : a.talon) {
                    a.jatekosok[d].hol[k.szin][k.ertek] = HOL_TALON;
                    for (Jatekos& j : a.jatekosok) {
                        j.ellen_tizes += (k.ertek == ASZ || k.ertek == TIZES) ? 1 : 0;
                        j.ellen_asz += k.ertek == ASZ ? 1 : 0;
                    }
                }
                a.fazis = F_JATEK_GEP;
                return mag;
            }
        }
    }
}

double ms_ota(std::chrono::steady_clock::time_point t0) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
}

// The CPU time of this thread in milliseconds: the speed figures should not depend
// on what else the machine runs.
double cpu_ms() {
    timespec ts;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1000.0 + ts.tv_nsec / 1e6;
}

// A cheaper process clock (a few milliseconds' resolution), to show what the search
// pays for reading the clock at every step.
int64_t durva_ora() {
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC_COARSE, &ts);
    return static_cast<int64_t>(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}

double median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

const char* const szin_betu = "mztp";
const char* const ertek_betu = "7890afkd";

struct Beallitas {
    long long hajtott = 0;  // > 0: the driven clock, N reads per millisecond
    int deals = 1;          // deals per contract
    int elso = 0, utolso = SZERZODES_DB - 1;  // contracts to run
    uint64_t mag = 1;
    bool minden_lap = false;  // a position at every card instead of one per trick
    bool csendes = false;
    bool durva = false;       // the coarse clock instead of the program's
    long long vart_lapok = -1;           // signature: expected nodes
    std::string vart_kartyak;            // signature: expected chosen cards
};

int kereses_bench(const std::vector<std::string>& args) {
    Beallitas b;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& x = args[i];
        const bool van = i + 1 < args.size();
        if (x == "--driven" && van) b.hajtott = std::atoll(args[++i].c_str());
        else if (x == "--deals" && van) b.deals = std::atoi(args[++i].c_str());
        else if (x == "--contracts" && van) {
            const std::string r = args[++i];
            const auto k = r.find('-');
            b.elso = std::atoi(r.substr(0, k).c_str());
            b.utolso = k == std::string::npos ? b.elso : std::atoi(r.substr(k + 1).c_str());
        } else if (x == "--seed" && van) b.mag = std::strtoull(args[++i].c_str(), nullptr, 10);
        else if (x == "--every-card") b.minden_lap = true;
        else if (x == "--quiet") b.csendes = true;
        else if (x == "--coarse-clock") b.durva = true;
        else if (x == "--expect-nodes" && van) b.vart_lapok = std::atoll(args[++i].c_str());
        else if (x == "--expect-cards" && van) b.vart_kartyak = args[++i];
        else {
            std::fprintf(stderr,
                         "usage: ulti_bench search [--driven N] [--deals K] [--contracts A-B] [--seed S]\n"
                         "       [--every-card] [--quiet] [--coarse-clock] [--expect-nodes X] [--expect-cards C]\n");
            return 2;
        }
    }
    b.elso = std::clamp(b.elso, 0, SZERZODES_DB - 1);
    b.utolso = std::clamp(b.utolso, b.elso, SZERZODES_DB - 1);

    std::printf("search bench, %s clock", b.hajtott > 0 ? "driven" : b.durva ? "real (coarse)" : "real");
    if (b.hajtott > 0) std::printf(" (1 ms per %lld reads)", b.hajtott);
    std::printf("\n");
    if (!b.csendes)
        std::printf("%-22s %4s %5s %2s %3s %4s | %9s %6s %3s %11s %8s | %9s %6s %4s %11s %8s\n", "contract",
                    "seed", "trick", "p", "seat", "", "e.szam", "e.ido", "db", "nodes", "ms", "v.szam",
                    "v.ido", "db", "nodes", "ms");

    uint64_t osszes_lapok = 0;   // nodes in the bench's own elemzes/variacio calls
    double osszes_ms = 0;        // their wall time
    double osszes_cpu = 0;       // and CPU time
    uint64_t jatek_lapok = 0;    // nodes inside the card choice
    std::vector<double> var_ms[10];
    int var_db[10] = {}, var_kesz[10] = {};
    std::string kartyak;         // every card chosen, in order
    std::vector<double> talon_ms;

    for (int c = b.elso; c <= b.utolso; ++c) {
        uint64_t mag = b.mag + static_cast<uint64_t>(c) * 1000;
        for (int d = 0; d < b.deals; ++d) {
            Asztal a;
            mag = leosztas(a, szerzodesek[c], mag);
            const uint64_t ez_a_mag = mag++;
            {
                // The same deal as dealt, the first bidder taking the talon: one
                // talonfelvetel, timed (its table is thrown away).
                Asztal m;
                asztal_indulas(m, ez_a_mag);
                for (Jatekos& j : m.jatekosok) j.ember = 0;
                m.adu = 0;
                kevert_osztas(m);
                parti_alaphelyzet(m);
                const auto t0 = std::chrono::steady_clock::now();
                talonfelvetel(m, m.soron);
                talon_ms.push_back(ms_ota(t0));
            }
            auto olvasas = std::make_shared<long long>(0);
            if (b.hajtott > 0) {
                const long long n = b.hajtott;
                a.ora = [olvasas, n] { return static_cast<int64_t>((*olvasas)++ / n); };
            } else if (b.durva) {
                a.ora = durva_ora;
            }
            while (a.fazis == F_JATEK_GEP && a.utes_szam < 10) {
                const int32_t t = a.utes_szam, p = a.utes_lapszam;
                Jatekos& P = a.jatekosok[a.soron];
                // The bench position of this trick.
                if (b.minden_lap || p == (d + t + c) % 3) {
                    a.vizsgalt_utes = t;
                    a.vizsgalt_lapszam = p;
                    uint64_t n0 = a.keresett_lapok;
                    const double c0 = cpu_ms();
                    auto t0 = std::chrono::steady_clock::now();
                    const ElemzesEredmeny e = elemzes(a, P);
                    const double e_ms = ms_ota(t0);
                    const uint64_t e_n = a.keresett_lapok - n0;
                    n0 = a.keresett_lapok;
                    t0 = std::chrono::steady_clock::now();
                    const ElemzesEredmeny v = variacio(a, P);
                    const double v_ms = ms_ota(t0);
                    const uint64_t v_n = a.keresett_lapok - n0;
                    osszes_lapok += e_n + v_n;
                    osszes_ms += e_ms + v_ms;
                    osszes_cpu += cpu_ms() - c0;
                    var_ms[t].push_back(v_ms);
                    ++var_db[t];
                    if (v.ido >= 0) ++var_kesz[t];
                    if (!b.csendes)
                        std::printf("%-22s %4llu %5d %2d %3d %4s | %9d %6d %3d %11llu %8.1f | %9d %6d %4d %11llu %8.1f\n",
                                    szerzodesek[c].nev, static_cast<unsigned long long>(ez_a_mag), t, p,
                                    P.sorszam, P.sorszam == a.felvevo ? "decl" : "def", e.szam, e.ido, e.db,
                                    static_cast<unsigned long long>(e_n), e_ms, v.szam, v.ido, v.db,
                                    static_cast<unsigned long long>(v_n), v_ms);
                }
                // The computer's card, recorded as the table does it.
                a.vizsgalt_utes = t;
                a.vizsgalt_lapszam = p;
                kezben_levo(a, P.sorszam);
                const uint64_t n0 = a.keresett_lapok;
                int32_t slot = lapvalasztas(a, P);
                jatek_lapok += a.keresett_lapok - n0;
                a.vizsgalt_utes = t;
                a.vizsgalt_lapszam = p;
                if (slot < 0 || slot > 9 || !szabalyos_lap(a, P, slot)) {
                    std::printf("error: the card choice gave an illegal slot %d\n", slot);
                    return 1;
                }
                const Kartyalap& k = P.lapok[slot];
                kartyak += szin_betu[k.szin];
                kartyak += ertek_betu[k.ertek];
                lap_rogzites(a, P, slot);
                if (a.fazis == F_VEGE) {
                    // A Betli or a colourless Durchmars lost early ends the deal.
                    ++a.utes_szam;
                    break;
                }
                tovabblepes(a);
            }
            kartyak += '|';
        }
    }

    std::printf("\ntotal nodes in elemzes + variacio: %llu in %.1f ms", static_cast<unsigned long long>(osszes_lapok),
                osszes_ms);
    if (osszes_ms > 0) std::printf(" = %.2f million nodes/s", osszes_lapok / osszes_ms / 1000.0);
    std::printf("\n    on CPU time: %.1f ms", osszes_cpu);
    if (osszes_cpu > 0) std::printf(" = %.2f million nodes/s", osszes_lapok / osszes_cpu / 1000.0);
    std::printf("\nnodes inside the card choice: %llu\n", static_cast<unsigned long long>(jatek_lapok));
    std::printf("\n%5s %6s %10s %10s\n", "trick", "calls", "in 1 s", "median ms");
    int kesobbi = 0, kesobbi_kesz = 0;
    for (int t = 0; t < 10; ++t) {
        const double arany = var_db[t] ? 100.0 * var_kesz[t] / var_db[t] : 0;
        std::printf("%5d %6d %9.0f%% %10.1f\n", t, var_db[t], arany, median(var_ms[t]));
        if (t >= 5) {
            kesobbi += var_db[t];
            kesobbi_kesz += var_kesz[t];
        }
    }
    if (kesobbi)
        std::printf("from trick 5 on: %d of %d variacio calls in their second (%.0f%%)\n", kesobbi_kesz,
                    kesobbi, 100.0 * kesobbi_kesz / kesobbi);
    std::printf("talonfelvetel: median %.2f ms over %zu deals (the bench job \"talon\" times many more)\n",
                median(talon_ms), talon_ms.size());

    const unsigned long long lapok = osszes_lapok + jatek_lapok;
    std::printf("\nsignature: nodes %llu cards %s\n", lapok, kartyak.c_str());
    int rc = 0;
    if (b.vart_lapok >= 0 && static_cast<unsigned long long>(b.vart_lapok) != lapok) {
        std::printf("SIGNATURE MISMATCH: expected %lld nodes, got %llu\n", b.vart_lapok, lapok);
        rc = 1;
    }
    if (!b.vart_kartyak.empty() && b.vart_kartyak != kartyak) {
        std::printf("SIGNATURE MISMATCH: expected cards %s\n", b.vart_kartyak.c_str());
        rc = 1;
    }
    return rc;
}

const bool regisztralva = bench::regisztral(
    "search", "the search over seeded deals of every contract (--driven N for the fixed clock)", kereses_bench);

}  // namespace
