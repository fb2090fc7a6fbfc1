// The review's verdicts timed on the real clock: for all-computer deals, the count and
// the full verdict of every card of one seat (as the review window computes them for
// the human), summed per deal over tricks 2-9; the full verdict of every card of the
// deal (the timeline); and with --early each verdict of that seat at tricks 0 and 1.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "bench.h"
#include "gepi_partik.h"
#include "meres.h"
#include "review/itelet.h"

namespace {

double ms_ota(std::chrono::steady_clock::time_point t0) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
}

int itelet_bench(const std::vector<std::string>& args) {
    long long partik = 10;
    uint64_t mag = 1;
    int32_t seat = 0;
    bool korai = false, csendes = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const bool van = i + 1 < args.size();
        if (args[i] == "--deals" && van) partik = std::atoll(args[++i].c_str());
        else if (args[i] == "--seed" && van) mag = std::strtoull(args[++i].c_str(), nullptr, 10);
        else if (args[i] == "--seat" && van) seat = std::atoi(args[++i].c_str());
        else if (args[i] == "--early") korai = true;
        else if (args[i] == "--quiet") csendes = true;
        else {
            std::fprintf(stderr, "usage: ulti_bench review [--deals N] [--seed S] [--seat K] [--early] [--quiet]\n");
            return 2;
        }
    }
    // The tables before every card, by deal; the deals are played first, on the
    // driven clock, so they are the same on every machine.
    std::map<uint32_t, std::vector<Asztal>> allasok;
    const std::string hiba =
        bench::gepi_partik(mag, partik, 50, [&](const Asztal& a) { allasok[a.parti_sorszam].push_back(a); });
    if (!hiba.empty()) {
        std::printf("error: %s\n", hiba.c_str());
        return 1;
    }
    std::vector<double> seat_ms, idovonal_ms, korai_ms[2];
    for (const auto& [parti, v] : allasok) {
        double s_ms = 0, i_ms = 0;
        int32_t lapok = 0;
        for (const Asztal& p : v) {
            if (p.utes_szam < 2) {
                if (!korai || p.soron != seat) continue;
                const auto t0 = std::chrono::steady_clock::now();
                const LapItelet l = lap_itelet(p, -1);
                teljes_itelet(p);
                const double ms = ms_ota(t0);
                korai_ms[p.utes_szam].push_back(ms);
                if (!csendes)
                    std::printf("deal %u trick %d card %d %s: %d distributions, %.0f ms\n", parti, p.utes_szam,
                                p.utes_lapszam, p.soron == p.felvevo ? "declarer" : "defender", l.elosztasok, ms);
                continue;
            }
            auto t0 = std::chrono::steady_clock::now();
            teljes_itelet(p);
            const double t_ms = ms_ota(t0);
            i_ms += t_ms;
            if (p.soron != seat) continue;
            t0 = std::chrono::steady_clock::now();
            lap_itelet(p, -1);
            s_ms += t_ms + ms_ota(t0);
            ++lapok;
        }
        // A deal decided before trick 2 (a Betli lost early) has nothing to review there.
        if (lapok > 0) {
            seat_ms.push_back(s_ms);
            idovonal_ms.push_back(i_ms);
        }
        if (!csendes)
            std::printf("deal %u %-32s seat %d: %d cards at tricks 2-9 %.1f ms; every card's full verdict %.1f ms\n",
                        parti, bench::szerzodes_fajta(v.front().jatek).c_str(), seat, lapok, s_ms, i_ms);
    }
    auto sor = [](const char* mi, const std::vector<double>& v) {
        const double max = v.empty() ? 0 : *std::max_element(v.begin(), v.end());
        std::printf("%s: %zu, median %.1f ms, max %.1f ms\n", mi, v.size(), bench::median(v), max);
    };
    sor("deals, seat's verdicts at tricks 2-9", seat_ms);
    sor("deals, full verdict of every card at tricks 2-9", idovonal_ms);
    if (korai) {
        sor("trick 0 verdicts", korai_ms[0]);
        sor("trick 1 verdicts", korai_ms[1]);
    }
    std::printf("load %s\n", bench::terheles().c_str());
    return 0;
}

const bool regisztralva =
    bench::regisztral("review", "the review's verdicts of one seat's cards, timed per deal", itelet_bench);

}  // namespace
