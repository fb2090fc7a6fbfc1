// What the one-second limit still costs the play. All-computer deals, one per seed,
// and before every computer card of tricks 0-2 the card choice twice, each on a copy
// of the table: as the game makes it (real clock, one second, a worker per core) and
// as a long count makes it (the same choice with its second stretched to `--cap`
// seconds). The deal goes on with the long count's card, so a position depends on
// neither the machine nor the engine's speed except after a long count its cap cut
// off (that card is the scores' one). `--cpu-clock` counts both in the workers' CPU
// time, so other jobs on the machine do not shorten them. With `--driven R` both
// choices run on driven clocks (R reads per millisecond, the cap as many times
// longer) and every figure but the times is the same on every run.
//
// One line per card as it goes, and one per deal; `--resume FILE` takes the deals a
// log of an earlier run finished and goes on with the rest. At the end, per trick and
// side: the cards, how many the second cut off, how many the cap left open, and how
// many differ where the long count finished. A card can differ only where the second
// cut its search off; a difference anywhere else is a fault and fails the job.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include <time.h>

#include "ai/lapvalasztas.h"
#include "bench.h"
#include "gepi_partik.h"
#include "meres.h"
#include "model/asztal.h"
#include "model/osztas.h"
#include "table/folyam.h"

namespace {

struct Beallitas {
    long long partik = 4;
    uint64_t mag = 1;
    double sapka = 60;        // seconds of the long count
    int32_t szalak = 0;       // the long count's workers (0: one per core)
    long long hajtott = 0;    // > 0: driven clocks, this many reads per millisecond
    bool cpu = false;         // the seconds are the workers' CPU time
    std::string folytatas;    // the log to resume
    bool csendes = false;
};

// One computer card, as a line of the log writes it.
struct Lap {
    uint64_t mag = 0;
    int32_t t = 0, p = 0, seat = 0;
    bool felvevo = false;
    std::string fajta;                 // the contract's kind
    std::string mp_lap, hosszu_lap;    // the cards, "mz" = suit and rank letters
    bool mp_kesz = false, hosszu_kesz = false;
    double mp_ms = 0, hosszu_ms = 0;
};

struct Szamlalo {
    long long lapok = 0, elvagva = 0, nyitott = 0, osszevetve = 0, elvagva_dontott = 0, elter = 0,
              elter_kesz = 0;
    std::vector<double> hosszu_ms;
    void hozzaad(const Lap& l) {
        ++lapok;
        elvagva += !l.mp_kesz;
        nyitott += !l.hosszu_kesz;
        hosszu_ms.push_back(l.hosszu_ms);
        if (!l.hosszu_kesz) return;
        ++osszevetve;
        elvagva_dontott += !l.mp_kesz;
        if (l.mp_lap == l.hosszu_lap) return;
        ++elter;
        elter_kesz += l.mp_kesz;
    }
};

const char* const szin_betu = "mztp";
const char* const ertek_betu = "7890afkd";

std::string lap_betui(const Asztal& a, int32_t slot) {
    if (slot < 0 || slot > 9) return "--";
    const Kartyalap& k = a.jatekosok[a.soron].lapok[slot];
    return {szin_betu[k.szin], ertek_betu[k.ertek]};
}

// A clock that reaches the search's one-second limit after `mp` seconds: of real time,
// or with `szalak` > 0 of the process's CPU time shared out over that many workers
// (on an idle machine as fast as the real one; a loaded machine does not shorten it).
// It reads the time at every 64th call only: on worker threads the caller's thread
// reads the clock once per card the workers play.
std::function<int64_t()> nyujtott_ora(double mp, int32_t szalak = 0) {
    struct Allapot {
        double us0 = 0, us_per_egyseg = 1000;
        int32_t szalak = 0;
        long long olvasas = 0;
        int64_t ertek = 0;
        double us() const {
            if (szalak <= 0)
                return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now().time_since_epoch())
                    .count();
            timespec ts;
            clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
            return (ts.tv_sec * 1e6 + ts.tv_nsec / 1e3) / szalak;
        }
    };
    auto s = std::make_shared<Allapot>();
    s->szalak = szalak;
    s->us0 = s->us();
    s->us_per_egyseg = mp * 1000.0;
    return [s] {
        if (s->olvasas++ % 64 == 0) s->ertek = static_cast<int64_t>((s->us() - s->us0) / s->us_per_egyseg);
        return s->ertek;
    };
}

std::function<int64_t()> hajtott_ora(long long per_ms) {
    auto n = std::make_shared<long long>(0);
    return [n, per_ms] { return ++*n / per_ms; };
}

// The choice of the seat on turn on the copy `d.tabla`, as the table makes it; the
// search's result and the wall time in `e` and `ms`.
void dontes(LapDontes& d, ElemzesEredmeny& e, double& ms) {
    Asztal& b = d.tabla;
    const auto t0 = std::chrono::steady_clock::now();
    b.vizsgalt_utes = b.utes_szam;
    b.vizsgalt_lapszam = b.utes_lapszam;
    kezben_levo(b, b.soron);
    d.slot = lapvalasztas(b, b.jatekosok[b.soron], true, &e);
    ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
}

void sor_kiiras(const Lap& l) {
    std::printf("card seed %llu trick %d pos %d seat %d %s | second %s %s %.1f ms | long %s %s %.1f ms | %s | %s\n",
                static_cast<unsigned long long>(l.mag), l.t, l.p, l.seat, l.felvevo ? "declarer" : "defender",
                l.mp_lap.c_str(), l.mp_kesz ? "done" : "cut", l.mp_ms, l.hosszu_lap.c_str(),
                l.hosszu_kesz ? "done" : "open", l.hosszu_ms,
                !l.hosszu_kesz ? "-" : l.mp_lap == l.hosszu_lap ? "same" : "DIFFERENT", l.fajta.c_str());
    std::fflush(stdout);
}

bool sor_olvasas(const std::string& s, Lap& l) {
    unsigned long long mag = 0;
    char oldal[16], mp[4], mk[8], hl[4], hk[8], ossz[16];
    int n = 0;
    if (std::sscanf(s.c_str(), "card seed %llu trick %d pos %d seat %d %15s | second %3s %7s %lf ms | long %3s %7s %lf ms | %15s | %n",
                    &mag, &l.t, &l.p, &l.seat, oldal, mp, mk, &l.mp_ms, hl, hk, &l.hosszu_ms, ossz, &n) < 12 ||
        n == 0)
        return false;
    l.mag = mag;
    l.felvevo = std::string(oldal) == "declarer";
    l.mp_lap = mp;
    l.hosszu_lap = hl;
    l.mp_kesz = std::string(mk) == "done";
    l.hosszu_kesz = std::string(hk) == "done";
    l.fajta = s.substr(static_cast<size_t>(n));
    return l.t >= 0 && l.t < 3;
}

// One deal from seed `mag` up to the end of trick 2. Returns false for a deal dropped
// in the auction; `hiba` gets what went wrong.
bool parti(const Beallitas& b, uint64_t mag, std::vector<Lap>& lapok, std::string& hiba) {
    Asztal a;
    asztal_indulas(a, mag);
    for (Jatekos& j : a.jatekosok) j.ember = 0;
    a.ora = hajtott_ora(1000);  // nothing outside the copies below reads it
    bench::GepFelulet f;
    button1_kattintas(a, f);
    for (long long lepes = 0; hiba.empty(); ++lepes) {
        if (a.fazis == F_NINCS_PARTI) return false;
        if (a.fazis == F_VEGE || (a.fazis == F_JATEK_GEP && a.utes_szam >= 3)) return true;
        if (f.fuggo) {
            f.fuggo = false;
            if (a.fazis != f.fuggo_fazis || a.parti_sorszam != f.fuggo_parti) continue;
        }
        if (lepes > 1000) {
            hiba = "the deal does not reach its fourth trick";
            break;
        }
        if (a.fazis != F_JATEK_GEP) {
            button1_kattintas(a, f);
        } else {
            Lap l;
            l.mag = mag;
            l.t = a.utes_szam;
            l.p = a.utes_lapszam;
            l.seat = a.soron;
            l.felvevo = a.soron == a.felvevo;
            l.fajta = bench::szerzodes_fajta(a.jatek);
            ElemzesEredmeny e;
            LapDontes mp{a, -1};
            // The game's choice: the real clock and a worker per core; or the same
            // workers on their CPU time.
            const int32_t magok = static_cast<int32_t>(std::max(1u, std::thread::hardware_concurrency()));
            mp.tabla.ora = b.hajtott > 0 ? hajtott_ora(b.hajtott)
                           : b.cpu       ? nyujtott_ora(1, magok)
                                         : std::function<int64_t()>(valodi_ora);
            if (b.cpu) mp.tabla.kereses_szalak = magok;
            dontes(mp, e, l.mp_ms);
            l.mp_kesz = e.ido >= 0;
            l.mp_lap = lap_betui(mp.tabla, mp.slot);
            LapDontes hosszu{a, -1};
            const int32_t szalak = b.hajtott > 0 ? 0 : b.szalak > 0 ? b.szalak : magok;
            hosszu.tabla.ora = b.hajtott > 0 ? hajtott_ora(static_cast<long long>(b.hajtott * b.sapka))
                                             : nyujtott_ora(b.sapka, b.cpu ? szalak : 0);
            hosszu.tabla.kereses_szalak = szalak;
            dontes(hosszu, e, l.hosszu_ms);
            l.hosszu_kesz = e.ido >= 0;
            l.hosszu_lap = lap_betui(hosszu.tabla, hosszu.slot);
            if (!b.csendes) sor_kiiras(l);
            lapok.push_back(l);
            button1_kattintas(a, f, &hosszu);
        }
        if (!f.hiba.empty()) hiba = f.hiba;
    }
    return false;
}

void tabla_sor(const std::string& t, const std::string& nev, const Szamlalo& s) {
    auto arany = [](long long x, long long y) { return y ? 100.0 * x / y : 0.0; };
    std::printf("%5s %s %5lld %5lld %5lld %8lld %7lld %6lld %6.1f%% %6.1f%% %8.1f %8.1f\n", t.c_str(),
                bench::balra(nev, 30).c_str(), s.lapok, s.elvagva, s.nyitott, s.osszevetve, s.elvagva_dontott, s.elter,
                arany(s.elter, s.osszevetve), arany(s.elter, s.elvagva_dontott),
                bench::median(s.hosszu_ms) / 1000, bench::percentilis(s.hosszu_ms, 1.0) / 1000);
}

int egyezes(const std::vector<std::string>& args) {
    Beallitas b;
    for (size_t i = 0; i < args.size(); ++i) {
        const bool van = i + 1 < args.size();
        if (args[i] == "--deals" && van) b.partik = std::atoll(args[++i].c_str());
        else if (args[i] == "--seed" && van) b.mag = std::strtoull(args[++i].c_str(), nullptr, 10);
        else if (args[i] == "--cap" && van) b.sapka = std::atof(args[++i].c_str());
        else if (args[i] == "--threads" && van) b.szalak = std::atoi(args[++i].c_str());
        else if (args[i] == "--driven" && van) b.hajtott = std::atoll(args[++i].c_str());
        else if (args[i] == "--cpu-clock") b.cpu = true;
        else if (args[i] == "--resume" && van) b.folytatas = args[++i];
        else if (args[i] == "--quiet") b.csendes = true;
        else {
            std::fprintf(stderr, "usage: ulti_bench agreement [--deals N] [--seed S] [--cap SECONDS] [--threads T]\n"
                                 "       [--cpu-clock] [--driven READS_PER_MS] [--resume LOG] [--quiet]\n");
            return 2;
        }
    }
    if (b.sapka < 1) b.sapka = 1;

    // The deals an earlier run finished: their cards count, their seeds are skipped.
    std::vector<Lap> lapok;
    std::set<uint64_t> kesz_magok;
    long long lejatszott = 0;
    if (!b.folytatas.empty()) {
        std::ifstream be(b.folytatas);
        if (!be) {
            std::fprintf(stderr, "cannot read %s\n", b.folytatas.c_str());
            return 2;
        }
        std::map<uint64_t, std::vector<Lap>> fuggo;
        std::string sor;
        while (std::getline(be, sor)) {
            Lap l;
            unsigned long long m = 0;
            char mi[16];
            if (sor_olvasas(sor, l)) {
                fuggo[l.mag].push_back(l);
            } else if (std::sscanf(sor.c_str(), "deal seed %llu %15s", &m, mi) == 2 && !kesz_magok.count(m)) {
                kesz_magok.insert(m);
                if (std::string(mi) == "played") {
                    ++lejatszott;
                    lapok.insert(lapok.end(), fuggo[m].begin(), fuggo[m].end());
                }
            }
        }
        std::printf("resumed: %lld deals, %zu cards from %s\n", lejatszott, lapok.size(), b.folytatas.c_str());
    }

    const std::string terheles_elotte = bench::terheles();
    const auto kezdes = std::chrono::steady_clock::now();
    uint64_t mag = b.mag;
    for (; lejatszott < b.partik; ++mag) {
        if (kesz_magok.count(mag)) continue;
        std::string hiba;
        std::vector<Lap> uj;
        const bool lejatszva = parti(b, mag, uj, hiba);
        if (!hiba.empty()) {
            std::printf("error at seed %llu: %s\n", static_cast<unsigned long long>(mag), hiba.c_str());
            return 1;
        }
        if (lejatszva) {
            ++lejatszott;
            lapok.insert(lapok.end(), uj.begin(), uj.end());
        }
        if (!b.csendes) {
            std::printf("deal seed %llu %s\n", static_cast<unsigned long long>(mag), lejatszva ? "played" : "dropped");
            std::fflush(stdout);
        }
    }
    const double mp = std::chrono::duration<double>(std::chrono::steady_clock::now() - kezdes).count();

    // Per trick (and tricks 0-1, 0-2 together) and side; the declarer's also by kind.
    const char* const tricks[] = {"0", "1", "2", "0-1", "0-2"};
    const char* const oldalak[] = {"defender", "declarer", "declarer, not Parti", "all"};
    std::map<std::string, std::map<std::string, Szamlalo>> sorok, fajtak;
    for (const Lap& l : lapok) {
        for (const std::string& t : {std::to_string(l.t), std::string(l.t < 2 ? "0-1" : ""), std::string("0-2")}) {
            if (t.empty()) continue;
            sorok[t]["all"].hozzaad(l);
            sorok[t][l.felvevo ? "declarer" : "defender"].hozzaad(l);
            if (l.felvevo && l.fajta != "Parti") sorok[t]["declarer, not Parti"].hozzaad(l);
            if (l.felvevo && t.size() == 1) fajtak[t]["  " + l.fajta].hozzaad(l);
        }
    }
    std::printf("agreement: seeds from %llu, %lld deals, %s, long count cap %.0f s on %s; %.0f s, load %s before, "
                "%s after\n",
                static_cast<unsigned long long>(b.mag), lejatszott,
                b.hajtott > 0 ? ("driven clocks, " + std::to_string(b.hajtott) + " reads per ms").c_str()
                : b.cpu       ? "the workers' CPU time"
                              : "real clock",
                b.sapka,
                b.hajtott > 0 ? "the caller's thread"
                : b.szalak > 0 ? (std::to_string(b.szalak) + " threads").c_str()
                               : "one thread per core",
                mp, terheles_elotte.c_str(), bench::terheles().c_str());
    std::printf("columns: cards, the computer cards; cut: the second cut the choice's search off; open: the cap cut the long "
                "count off;\nsettled: the long count finished; cut+set: cut and settled, the only cards that may "
                "differ;\ndiffer: of the settled, a card other than the long count's; long s: median and longest\n");
    std::printf("%5s %-30s %5s %5s %5s %8s %7s %6s %7s %7s %8s %8s\n", "trick", "side", "cards", "cut", "open",
                "settled", "cut+set", "differ", "of set", "of c+s", "long s", "max s");
    long long hiba = 0;
    for (const char* t : tricks) {
        for (const char* nev : oldalak) tabla_sor(t, nev, sorok[t][nev]);
        for (const auto& [nev, sz] : fajtak[t]) tabla_sor(t, nev, sz);
        if (std::string(t).size() == 1) hiba += sorok[t]["all"].elter_kesz;
    }
    if (hiba) std::printf("FAULT: %lld cards differ where the one-second search finished\n", hiba);
    return hiba == 0 ? 0 : 1;
}

const bool regisztralva = bench::regisztral(
    "agreement",
    "the card choice in one second against a long count, tricks 0-2 of self-play deals: --deals N --seed S --cap SEC",
    egyezes);

}  // namespace
