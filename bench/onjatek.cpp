// The headless self-play: N all-computer deals from a seed through the real phase
// machine, the invariants checked after every auction entry and every card.
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "bench.h"
#include "gepi_partik.h"
#include "model/asztal.h"
#include "scoring/elszamolas.h"
#include "table/felulet.h"
#include "table/folyam.h"
#include "table/invariansok.h"

namespace {

using bench::GepFelulet;

struct Statisztika {
    long long db = 0;
    long long teljesitett = 0;
};

struct Beallitas {
    long long partik = 1000;
    uint64_t mag = 1;
    long long lepes_per_ms = 20;
    int32_t szalak = 0;  // worker threads of the search (0: none on the driven clock)
    bool csendes = false;
};

Beallitas ertelmez(const std::vector<std::string>& args) {
    Beallitas b;
    for (size_t i = 0; i + 1 < args.size(); i += 2) {
        if (args[i] == "--deals") b.partik = std::atoll(args[i + 1].c_str());
        if (args[i] == "--seed") b.mag = std::strtoull(args[i + 1].c_str(), nullptr, 10);
        if (args[i] == "--reads-per-ms") b.lepes_per_ms = std::atoll(args[i + 1].c_str());
        if (args[i] == "--threads") b.szalak = std::atoi(args[i + 1].c_str());
    }
    for (const auto& s : args) b.csendes |= s == "--quiet";
    return b;
}

// The contract as the log writes it, without the player's name.
std::string szerzodes(const Asztal& a) {
    std::string s = licit_szoveg(a, a.felvevo, a.jatek, false);
    return s.substr(s.find(':') + 1);
}

int onjatek(const std::vector<std::string>& args) {
    const Beallitas b = ertelmez(args);
    Asztal a;
    asztal_indulas(a, b.mag);
    for (Jatekos& j : a.jatekosok) j.ember = 0;
    a.kereses_szalak = b.szalak;
    long long olvasas = 0;
    const long long per_ms = b.lepes_per_ms > 0 ? b.lepes_per_ms : 1;
    a.ora = [&olvasas, per_ms] { return ++olvasas / per_ms; };

    GepFelulet f;
    std::map<std::string, Statisztika> szerzodesek;
    long long lepes = 0, ellenorzes = 0, lejatszott = 0, eldobott = 0;
    std::string hiba;
    uint32_t parti_kezdete = 0;
    long long parti_lepes = 0;

    while (hiba.empty()) {
        const int32_t fazis_elotte = a.fazis;
        int64_t egyenleg_elotte = 0;
        for (const Jatekos& j : a.jatekosok) egyenleg_elotte += j.egyenleg;
        const std::string contract_elotte = fazis_elotte == F_VEGE ? szerzodes(a) : "";
        const int32_t felvevo_elotte = a.felvevo;

        // One step: the pending computer card, or a click on the main button.
        if (f.fuggo) {
            f.fuggo = false;
            if (a.fazis != f.fuggo_fazis || a.parti_sorszam != f.fuggo_parti) continue;
        }
        // Done once the last deal is settled or dropped (a settling click deals anew).
        const uint32_t n = static_cast<uint32_t>(b.partik);
        if (a.parti_sorszam > n || (fazis_elotte == F_NINCS_PARTI && a.parti_sorszam >= n)) break;
        button1_kattintas(a, f);
        ++lepes;
        ++parti_lepes;

        if (!f.hiba.empty()) hiba = f.hiba;
        if (f.van_eredmeny) {
            f.van_eredmeny = false;
            ++lejatszott;
            Statisztika& st = szerzodesek[contract_elotte];
            ++st.db;
            if (f.eredmeny.osszeg[felvevo_elotte] > 0) ++st.teljesitett;
            const std::string h = elszamolas_hiba(a, f.eredmeny, egyenleg_elotte);
            if (!h.empty() && hiba.empty()) hiba = h;
        }
        if (fazis_elotte != F_NINCS_PARTI && a.fazis == F_NINCS_PARTI) ++eldobott;
        if (hiba.empty()) {
            hiba = invarians_hiba(a);
            ++ellenorzes;
        }
        if (a.parti_sorszam != parti_kezdete) {
            parti_kezdete = a.parti_sorszam;
            parti_lepes = 0;
        }
        if (hiba.empty() && parti_lepes > 400) hiba = "a deal does not end";
        if (hiba.empty() && a.fazis != F_LICIT_GEP && a.fazis != F_JATEK_GEP && a.fazis != F_VEGE &&
            a.fazis != F_NINCS_PARTI)
            hiba = "the table waits for a human in phase " + std::to_string(a.fazis);
    }

    std::printf("self-play: seed %llu, %llu deals, %lld reads of the clock per ms\n",
                static_cast<unsigned long long>(b.mag), static_cast<unsigned long long>(b.partik),
                b.lepes_per_ms);
    std::printf("steps %lld, invariant checks %lld, settled %lld, dropped unplayed %lld, messages %lld\n",
                lepes, ellenorzes, lejatszott, eldobott, f.uzenetek);
    if (!b.csendes) {
        std::printf("%-40s %8s %8s %7s\n", "contract", "bid", "made", "share");
        for (const auto& [k, st] : szerzodesek)
            std::printf("%-44s %8lld %8lld %6.1f%%\n", k.c_str(), st.db, st.teljesitett,
                        st.db ? 100.0 * st.teljesitett / st.db : 0.0);
    }
    for (int s = 0; s < 3; ++s)
        std::printf("balance %s: %d Ft\n", a.jatekosok[s].nev.c_str(), a.jatekosok[s].egyenleg);
    if (!hiba.empty()) {
        std::printf("BROKEN INVARIANT at seed %llu, step %lld, deal %u: %s\n",
                    static_cast<unsigned long long>(b.mag), lepes, a.parti_sorszam, hiba.c_str());
        return 1;
    }
    std::printf("no broken invariant\n");
    return 0;
}

const bool regisztralva = bench::regisztral(
    "selfplay", "N all-computer deals through the phase machine: --deals N --seed S --reads-per-ms R [--threads T]",
    onjatek);

}  // namespace
