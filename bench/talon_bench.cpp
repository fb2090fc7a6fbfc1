// The talon search's speed: one `talonfelvetel` (66 discards plus the ten-card and
// the final evaluation) timed over many seeded deals; prints the median and the p90.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "ai/ertekeles.h"
#include "ai/talon.h"
#include "bench.h"
#include "model/asztal.h"
#include "model/osztas.h"

namespace {

int talon_bench(const std::vector<std::string>& args) {
    int deals = 2000;
    uint64_t seed = 1;
    for (size_t i = 0; i + 1 < args.size(); i += 2) {
        if (args[i] == "--deals") deals = std::atoi(args[i + 1].c_str());
        if (args[i] == "--seed") seed = std::strtoull(args[i + 1].c_str(), nullptr, 10);
    }
    if (deals < 1) deals = 1;

    Asztal a;
    asztal_indulas(a, seed);
    std::vector<double> us;
    us.reserve(deals);
    int bids = 0;
    double total_value = 0;
    for (int d = 0; d < deals; ++d) {
        a.adu = 0;
        kevert_osztas(a);
        parti_alaphelyzet(a);
        // Every other deal the second bidder takes the talon over an opening party.
        const bool masodik = d % 2 == 1;
        if (masodik) {
            a.licitek[0] = passz_licit();
            a.licitek_szama = 1;
            a.licit_ertek = 0.1;
            a.soron = kovetkezo(a.soron);
        }
        const int32_t taker = a.soron;
        const auto t0 = std::chrono::steady_clock::now();
        const Licit l = talonfelvetel(a, taker);
        const auto t1 = std::chrono::steady_clock::now();
        us.push_back(std::chrono::duration<double, std::micro>(t1 - t0).count());
        if (!(l == passz_licit())) ++bids;
        total_value += licit_erteke(l);
    }
    std::vector<double> s = us;
    std::sort(s.begin(), s.end());
    const double median = s[s.size() / 2];
    const double p90 = s[std::min(s.size() - 1, s.size() * 9 / 10)];
    std::printf("talonfelvetel over %d deals (seed %llu)\n", deals,
                static_cast<unsigned long long>(seed));
    std::printf("  median %.1f us (%.3f ms)\n", median, median / 1000);
    std::printf("  p90    %.1f us (%.3f ms)\n", p90, p90 / 1000);
    std::printf("  max    %.1f us\n", s.back());
    std::printf("  bids other than the pass record: %d, mean value %.3f\n", bids,
                total_value / deals);
    return 0;
}

const bool regisztralva = bench::regisztral(
    "talon", "time of one talonfelvetel over seeded deals (--deals N --seed S)", talon_bench);

}  // namespace
