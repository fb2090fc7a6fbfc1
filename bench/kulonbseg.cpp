// The differential check of the two engines behind `variacio`: before every computer
// card of all-computer deals, the literal engine (one `jatek_kereses` per
// distribution) and the fast one, on the caller's thread and on three threads, must
// give the same `teljesul`, `db`, per-slot `jo_lapok` and `szam`, and draw the same
// random numbers; and the card choice that stops early must play the card of the full
// count. The literal engine runs on a driven clock with a budget of clock reads (about
// one per card it plays): positions it cannot finish within it are left out.
// `--tricks A-B` checks only the positions of those tricks, so a large budget can go
// where the search is hardest (the first tricks) without paying for the rest;
// `--choice-only` checks only the early-stopping card choice against the full count,
// which at the first tricks the literal engine cannot reach.

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "ai/lapvalasztas.h"
#include "analysis/gyors_kereses.h"
#include "analysis/kereses.h"
#include "bench.h"
#include "gepi_partik.h"

namespace {

bool egyforma(const ElemzesEredmeny& x, const ElemzesEredmeny& y) {
    if (x.teljesul != y.teljesul || x.db != y.db || x.szam != y.szam) return false;
    for (int i = 0; i < 10; ++i)
        if (x.jo_lapok[i] != y.jo_lapok[i]) return false;
    return true;
}

std::string kiir(const ElemzesEredmeny& e) {
    std::string s = "teljesul " + std::to_string(e.teljesul) + " db " + std::to_string(e.db) + " szam " +
                    std::to_string(e.szam) + " jo_lapok";
    for (int v : e.jo_lapok) s += " " + std::to_string(v);
    return s;
}

void hajtott_ora(Asztal& a, long long per_ms) {
    auto n = std::make_shared<long long>(0);
    a.ora = [n, per_ms] { return ++*n / per_ms; };
}

int kulonbseg(const std::vector<std::string>& args) {
    long long partik = 20, keret = 2000000, per_ms = 50;
    uint64_t mag = 1;
    int32_t elso = 0, utolso = 9;
    bool csendes = false, csak_lap = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const bool van = i + 1 < args.size();
        if (args[i] == "--deals" && van) partik = std::atoll(args[++i].c_str());
        else if (args[i] == "--seed" && van) mag = std::strtoull(args[++i].c_str(), nullptr, 10);
        else if (args[i] == "--budget" && van) keret = std::atoll(args[++i].c_str());
        else if (args[i] == "--reads-per-ms" && van) per_ms = std::atoll(args[++i].c_str());
        else if (args[i] == "--tricks" && van) {
            const std::string r = args[++i];
            const auto k = r.find('-');
            elso = std::atoi(r.substr(0, k).c_str());
            utolso = k == std::string::npos ? elso : std::atoi(r.substr(k + 1).c_str());
        } else if (args[i] == "--quiet") csendes = true;
        else if (args[i] == "--choice-only") csak_lap = true;
        else {
            std::fprintf(stderr, "usage: ulti_bench diff [--deals N] [--seed S] [--budget READS] "
                                 "[--reads-per-ms R] [--tricks A-B] [--choice-only] [--quiet]\n");
            return 2;
        }
    }
    long long allas[10] = {}, osszevetve[10] = {}, elteres[10] = {};
    long long lapok = 0, lap_elteres = 0;
    const std::string hiba = bench::gepi_partik(mag, partik, per_ms, [&](const Asztal& a) {
        const int32_t t = a.utes_szam;
        if (t < elso || t > utolso) return;
        ++allas[t];
        // The card choice, stopping early and counting in full.
        auto valasztas = [&] {
            Asztal C = a, E = a;
            C.emberek_szama = E.emberek_szama = 2;
            if (csak_lap) C.kereses_szalak = E.kereses_szalak = 2;
            const int32_t c = lapvalasztas(C, C.jatekosok[C.soron], true);
            const int32_t e = lapvalasztas(E, E.jatekosok[E.soron], false);
            ++lapok;
            if (c != e) {
                std::printf("CARD DIFFERENCE at trick %d card %d: early stop %d, full count %d\n", t,
                            a.utes_lapszam, c, e);
                ++lap_elteres;
            }
        };
        if (csak_lap) return valasztas();
        // The literal engine, inside its budget.
        Asztal L = a;
        L.emberek_szama = 1;
        hajtott_ora(L, std::max(1LL, keret / 1000));
        const ElemzesEredmeny l = variacio_literalis(L, L.jatekosok[L.soron]);
        if (l.ido < 0) return;
        ++osszevetve[t];
        // The fast engine, unlimited, on this thread and on three.
        Asztal F = a, G = a;
        F.emberek_szama = G.emberek_szama = 2;
        hajtott_ora(F, 1);
        VariacioBeallitas harom;
        harom.szalak = 3;
        const ElemzesEredmeny f = gyors_variacio(F, F.jatekosok[F.soron], VariacioBeallitas{});
        const ElemzesEredmeny g = gyors_variacio(G, G.jatekosok[G.soron], harom);
        const bool jo = egyforma(l, f) && egyforma(l, g) && L.rng.allapot == F.rng.allapot &&
                        L.rng.allapot == G.rng.allapot;
        if (!jo) {
            if (elteres[t] < 3)
                std::printf("DIFFERENCE at trick %d card %d seat %d (declarer %d)\n  literal %s\n  fast    %s\n"
                            "  threads %s\n",
                            t, a.utes_lapszam, a.soron, a.felvevo, kiir(l).c_str(), kiir(f).c_str(),
                            kiir(g).c_str());
            ++elteres[t];
        }
        valasztas();
    });
    if (!hiba.empty()) {
        std::printf("error: %s\n", hiba.c_str());
        return 1;
    }
    long long ossz = 0, ossz_v = 0, ossz_e = 0;
    if (!csendes) std::printf("%5s %9s %9s %11s\n", "trick", "positions", "compared", "differences");
    for (int t = 0; t < 10; ++t) {
        if (!csendes) std::printf("%5d %9lld %9lld %11lld\n", t, allas[t], osszevetve[t], elteres[t]);
        ossz += allas[t];
        ossz_v += osszevetve[t];
        ossz_e += elteres[t];
    }
    std::printf("differential check, seed %llu, %lld deals: %lld positions, %lld compared, %lld differences; "
                "%lld card choices, %lld changed by the early stop\n",
                static_cast<unsigned long long>(mag), partik, ossz, ossz_v, ossz_e, lapok, lap_elteres);
    return ossz_e == 0 && lap_elteres == 0 ? 0 : 1;
}

const bool regisztralva = bench::regisztral(
    "diff", "the fast against the literal variacio before every computer card of self-play deals", kulonbseg);

}  // namespace
