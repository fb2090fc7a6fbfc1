// How often the computer's card is decided by a finished search: all-computer deals
// (played on a driven clock, so the positions are the same on every run), and before
// every computer card `variacio` with the real clock and its one-second limit, the
// literal and the fast engine side by side, and the card choice itself (its search
// stopping once the card is known; the time is the whole choice's). Per trick: the
// calls, the share finished and the median time of each, and the differences where
// both full counts finished.
// Then the card choice's search in tricks 0-2 by side: the defenders, the declarer,
// and the declarer by the kind of contract, with the median and 90th percentile time.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "ai/lapvalasztas.h"
#include "analysis/gyors_kereses.h"
#include "analysis/kereses.h"
#include "bench.h"
#include "gepi_partik.h"
#include "meres.h"

namespace {

using bench::median;

struct Meres {
    std::vector<double> ms;
    long long kesz = 0;
};

// The card choice's calls of one trick, by the side on turn.
struct Oldalak {
    Meres vedo, felvevo, nem_parti;
    std::map<std::string, Meres> fajta;  // the declarer's, by the kind of contract
};

void oldal_sor(int t, const std::string& nev, const Meres& m) {
    const size_t n = m.ms.size();
    std::printf("%5d %s %6zu %8lld %6.0f%% %10.1f %10.1f\n", t, bench::balra(nev, 32).c_str(), n, m.kesz,
                n ? 100.0 * m.kesz / n : 0.0, median(m.ms), bench::percentilis(m.ms, 0.9));
}

// One engine's run on a copy of the table, on the real clock; the time in ms.
template <class F>
ElemzesEredmeny fut(const Asztal& a, Meres& m, F kereses) {
    Asztal b = a;
    b.ora = valodi_ora;
    const auto t0 = std::chrono::steady_clock::now();
    const ElemzesEredmeny e = kereses(b, b.jatekosok[b.soron]);
    m.ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
    if (e.ido >= 0) ++m.kesz;
    return e;
}

int lefedettseg(const std::vector<std::string>& args) {
    long long partik = 60, per_ms = 50;
    uint64_t mag = 1;
    int32_t szalak = 0;
    bool literalis = true;
    for (size_t i = 0; i < args.size(); ++i) {
        const bool van = i + 1 < args.size();
        if (args[i] == "--deals" && van) partik = std::atoll(args[++i].c_str());
        else if (args[i] == "--seed" && van) mag = std::strtoull(args[++i].c_str(), nullptr, 10);
        else if (args[i] == "--threads" && van) szalak = std::atoi(args[++i].c_str());
        else if (args[i] == "--reads-per-ms" && van) per_ms = std::atoll(args[++i].c_str());
        else if (args[i] == "--fast-only") literalis = false;
        else {
            std::fprintf(stderr, "usage: ulti_bench coverage [--deals N] [--seed S] [--threads T] "
                                 "[--reads-per-ms R] [--fast-only]\n");
            return 2;
        }
    }
    Meres lit[10], gyors[10], valasztas[10];
    long long hivas[10] = {}, osszevetve[10] = {}, elteres[10] = {};
    Oldalak oldal[3];
    VariacioBeallitas vb;
    vb.szalak = szalak;
    VariacioBeallitas vk = vb;
    vk.korai_dontes = true;
    const std::string terheles_elotte = bench::terheles();
    const auto kezdes = std::chrono::steady_clock::now();
    const std::string hiba = bench::gepi_partik(mag, partik, per_ms, [&](const Asztal& a) {
        const int32_t t = a.utes_szam;
        ++hivas[t];
        const ElemzesEredmeny g =
            fut(a, gyors[t], [&](Asztal& b, Jatekos& p) { return gyors_variacio(b, p, vb); });
        const ElemzesEredmeny c =
            fut(a, valasztas[t], [&](Asztal& b, Jatekos& p) {
                ElemzesEredmeny e;
                lapvalasztas(b, p, vk, &e);
                return e;
            });
        if (t < 3) {
            // The same call once more in the rows of its side.
            const double ms = valasztas[t].ms.back();
            auto hozza = [&](Meres& m) {
                m.ms.push_back(ms);
                if (c.ido >= 0) ++m.kesz;
            };
            if (a.soron != a.felvevo) {
                hozza(oldal[t].vedo);
            } else {
                const std::string f = bench::szerzodes_fajta(a.jatek);
                hozza(oldal[t].felvevo);
                if (f != "Parti") hozza(oldal[t].nem_parti);
                hozza(oldal[t].fajta[f]);
            }
        }
        if (!literalis) return;
        const ElemzesEredmeny l = fut(a, lit[t], [](Asztal& b, Jatekos& p) { return variacio_literalis(b, p); });
        if (l.ido < 0 || g.ido < 0) return;
        ++osszevetve[t];
        bool egyezik = l.teljesul == g.teljesul && l.db == g.db && l.szam == g.szam;
        for (int i = 0; i < 10; ++i) egyezik = egyezik && l.jo_lapok[i] == g.jo_lapok[i];
        if (!egyezik) ++elteres[t];
    });
    if (!hiba.empty()) {
        std::printf("error: %s\n", hiba.c_str());
        return 1;
    }
    const double mp = std::chrono::duration<double>(std::chrono::steady_clock::now() - kezdes).count();
    std::printf("coverage: seed %llu, %lld deals played, fast engine on %s, %.0f s, load %s before, %s after\n",
                static_cast<unsigned long long>(mag), partik,
                szalak > 0 ? (std::to_string(szalak) + " threads").c_str() : "one thread per core", mp,
                terheles_elotte.c_str(), bench::terheles().c_str());
    std::printf("%5s %6s | %8s %10s | %8s %10s | %8s %10s | %8s %11s\n", "trick", "calls", "literal", "median ms",
                "fast", "median ms", "choice", "median ms", "compared", "differences");
    long long ossz_e = 0;
    for (int t = 0; t < 10; ++t) {
        auto arany = [&](const Meres& m) { return hivas[t] ? 100.0 * m.kesz / hivas[t] : 0.0; };
        std::printf("%5d %6lld | %7.0f%% %10.1f | %7.0f%% %10.1f | %7.0f%% %10.1f | %8lld %11lld\n", t, hivas[t],
                    arany(lit[t]), median(lit[t].ms), arany(gyors[t]), median(gyors[t].ms), arany(valasztas[t]),
                    median(valasztas[t].ms), osszevetve[t], elteres[t]);
        ossz_e += elteres[t];
    }
    // The tricks that decide most contracts together, as the floors are set.
    long long db = 0, l = 0, g = 0, v = 0;
    for (int t = 2; t < 10; ++t) {
        db += hivas[t];
        l += lit[t].kesz;
        g += gyors[t].kesz;
        v += valasztas[t].kesz;
    }
    if (db)
        std::printf("tricks 2-9: %lld calls, finished: literal %.1f%%, fast %.1f%%, card choice %.1f%%\n", db,
                    100.0 * l / db, 100.0 * g / db, 100.0 * v / db);
    std::printf("\nthe card choice's search in tricks 0-2 by side: finished inside the second, and ms\n");
    std::printf("%5s %-32s %6s %8s %7s %10s %10s\n", "trick", "side", "calls", "finished", "share", "median",
                "p90");
    for (int t = 0; t < 3; ++t) {
        oldal_sor(t, "defender", oldal[t].vedo);
        oldal_sor(t, "declarer", oldal[t].felvevo);
        oldal_sor(t, "declarer, not Parti", oldal[t].nem_parti);
        for (const auto& [f, m] : oldal[t].fajta) oldal_sor(t, "  " + f, m);
    }
    return ossz_e == 0 ? 0 : 1;
}

const bool regisztralva = bench::regisztral(
    "coverage",
    "variacio on the real clock before every computer card of self-play deals, literal and fast side by side",
    lefedettseg);

}  // namespace
