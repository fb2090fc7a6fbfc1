// The declarer's hardest searches: before every card of a declarer who plays more than
// the party (tricks 0 to --tricks - 1) in all-computer deals, the card choice's search
// (`variacio` stopping once the card is known). On a driven clock of one read per
// card (one thread, the same on every machine) up to --cap cards: the cards played,
// whether it finished, the time; with --real, on the real clock with its one-second
// limit and a thread per core: the time; --unlimited, the same without the limit (the
// time to the end); --threads N, that many threads instead. --separately searches
// each distribution on its own instead of together. One line per position and the
// medians per trick; and the computer cards whose position the fast engine leaves to
// the literal one. --kind TEXT keeps only the contracts whose name holds TEXT.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
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

bool tobb_mint_parti(const Licit& l) {
    const Komponensek k = komponensek(l);
    return k.durchmars || k.betli || k.ulti || k.negy_asz || k.negyven_szaz || k.husz_szaz;
}

int felvevo_bench(const std::vector<std::string>& args) {
    long long partik = 20, cap = 20000000;
    int32_t szalak = 0;
    uint64_t mag = 1;
    int32_t utesek = 1;
    bool valodi = false, csendes = false, kulon = false, korlat_nelkul = false;
    std::string fajta;
    for (size_t i = 0; i < args.size(); ++i) {
        const bool van = i + 1 < args.size();
        if (args[i] == "--deals" && van) partik = std::atoll(args[++i].c_str());
        else if (args[i] == "--seed" && van) mag = std::strtoull(args[++i].c_str(), nullptr, 10);
        else if (args[i] == "--cap" && van) cap = std::atoll(args[++i].c_str());
        else if (args[i] == "--tricks" && van) utesek = std::atoi(args[++i].c_str());
        else if (args[i] == "--real") valodi = true;
        else if (args[i] == "--unlimited") valodi = korlat_nelkul = true;
        else if (args[i] == "--quiet") csendes = true;
        else if (args[i] == "--kind" && van) fajta = args[++i];
        else if (args[i] == "--separately") kulon = true;
        else if (args[i] == "--threads" && van) szalak = std::atoi(args[++i].c_str());
        else {
            std::fprintf(stderr, "usage: ulti_bench declarer [--deals N] [--seed S] [--tricks T] [--cap CARDS] "
                                 "[--real] [--unlimited] [--threads N] [--separately] [--quiet] [--kind TEXT]\n");
            return 2;
        }
    }
    std::vector<double> ertek[10];
    long long kesz[10] = {}, db[10] = {};
    unsigned long long ossz_lapok = 0;
    long long allasok = 0, literalisnak = 0;
    const std::string hiba = bench::gepi_partik(mag, partik, 50, [&](const Asztal& a) {
        const int32_t t = a.utes_szam;
        // Every computer card: whether the fast engine answers it itself.
        ++allasok;
        if (!gyors_motor_veszi(a, a.soron)) {
            ++literalisnak;
            if (!csendes)
                std::printf("left to the literal engine: trick %d card %d seat %d, %s\n", t, a.utes_lapszam, a.soron,
                            licit_szoveg(a, a.felvevo, a.jatek, true).c_str());
        }
        if (t >= utesek || a.soron != a.felvevo || !tobb_mint_parti(a.jatek)) return;
        if (!fajta.empty() && licit_szoveg(a, a.felvevo, a.jatek, true).find(fajta) == std::string::npos) return;
        Asztal b = a;
        VariacioBeallitas vb;
        vb.korai_dontes = true;
        vb.egyutt = !kulon;
        vb.korlat_nelkul = korlat_nelkul;
        vb.szalak = szalak;
        if (valodi) {
            b.ora = valodi_ora;
            b.emberek_szama = 1;
        } else {
            auto n = std::make_shared<long long>(0);
            b.ora = [n, cap] { return ++*n * 1000 / cap; };
            b.emberek_szama = 1;
            vb.szalak = 0;
            b.kereses_szalak = 0;
        }
        const uint64_t elotte = b.keresett_lapok;
        const auto t0 = std::chrono::steady_clock::now();
        const std::clock_t c0 = std::clock();
        ElemzesEredmeny e;
        lapvalasztas(b, b.jatekosok[b.soron], vb, &e);
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
        const double cpu_ms = 1000.0 * static_cast<double>(std::clock() - c0) / CLOCKS_PER_SEC;
        const uint64_t lapok = b.keresett_lapok - elotte;
        ossz_lapok += lapok;
        ++db[t];
        if (e.ido >= 0) ++kesz[t];
        ertek[t].push_back(valodi ? ms : static_cast<double>(lapok));
        if (!csendes)
            std::printf("trick %d card %d contract %-30s %s %12llu cards %9.1f ms %9.1f cpu ms szam %d\n", t,
                        a.utes_lapszam, licit_szoveg(a, a.felvevo, a.jatek, true).c_str(),
                        e.ido >= 0 ? "finished" : "cut     ", static_cast<unsigned long long>(lapok), ms, cpu_ms,
                        e.szam);
    });
    if (!hiba.empty()) {
        std::printf("error: %s\n", hiba.c_str());
        return 1;
    }
    for (int t = 0; t < utesek; ++t) {
        std::vector<double> v = ertek[t];
        std::sort(v.begin(), v.end());
        const double med = v.empty() ? 0 : v[v.size() / 2];
        const double p90 = v.empty() ? 0 : v[std::min(v.size() - 1, v.size() * 9 / 10)];
        std::printf("trick %d: %lld positions, %lld finished, median %.1f, p90 %.1f %s\n", t, db[t], kesz[t], med, p90,
                    valodi ? "ms" : "cards");
    }
    std::printf("cards played in all: %llu; of %lld computer cards, %lld left to the literal engine\n", ossz_lapok,
                allasok, literalisnak);
    return 0;
}

const bool regisztralva = bench::regisztral(
    "declarer", "the card choice's search for the declarer of more than the party at the first tricks",
    felvevo_bench);

}  // namespace
