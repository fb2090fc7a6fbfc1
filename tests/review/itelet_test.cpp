// The review's verdicts against the analysis commands run on the same positions of
// seeded all-computer deals: each card's count against "Variáció", the verdict with
// every card known against "Elemzés". Both commands run without their time limit
// there (a table of two humans has none), so they always finish.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "analysis/jelentes.h"
#include "analysis/kereses.h"
#include "review/itelet.h"
#include "review/visszajatszas.h"
#include "support/szkript_felulet.h"
#include "table/folyam.h"

namespace {

// The tables before the computer cards of tricks `tol`..`ig` of `partik` deals from a
// seed, on a driven clock that keeps the computer's own search cheap.
std::vector<Asztal> allasok(uint64_t mag, int partik, int32_t tol, int32_t ig) {
    Asztal a;
    asztal_indulas(a, mag);
    for (Jatekos& j : a.jatekosok) j.ember = 0;
    auto n = std::make_shared<int64_t>(0);
    a.ora = [n] { return (*n)++ / 20; };
    teszt::SzkriptFelulet f;
    std::vector<Asztal> v;
    for (int lepes = 0; lepes < 3000 && partik > 0; ++lepes) {
        if (f.fuggo()) {
            if (a.fazis == F_JATEK_GEP && a.utes_szam >= tol && a.utes_szam <= ig) v.push_back(a);
            f.fuss(a, 1);
        } else {
            if (a.fazis == F_VEGE) --partik;
            button1_kattintas(a, f);
        }
    }
    return v;
}

std::vector<std::string> sorai(const std::vector<std::string>& memo, size_t tol) {
    return {memo.begin() + static_cast<long>(std::min(tol, memo.size())), memo.end()};
}

void osszevetes(const Asztal& p, const std::string& hol) {
    Asztal v = p;
    v.emberek_szama = 2;
    variacio_jelentes(v);
    const LapItelet l = lap_itelet(p, -1);
    ASSERT_TRUE(l.kesz) << hol;
    EXPECT_EQ(v.nezet.memo1.at(2), std::to_string(l.elosztasok)) << hol;
    std::vector<std::string> vart;
    for (const LapSzamlalas& x : l.lapok)
        if (x.jo > 0) vart.push_back(lap_nev(x.lap) + " " + std::to_string(x.jo));
    EXPECT_EQ(sorai(v.nezet.memo1, 6), vart) << hol;

    Asztal e = p;
    e.emberek_szama = 2;
    elemzes_jelentes(e);
    const TeljesItelet t = teljes_itelet(p);
    ASSERT_TRUE(t.kesz) << hol;
    EXPECT_EQ(e.nezet.memo1.at(3) == "Teljesül a felvétel", t.felvevo_nyer) << hol;
    vart.clear();
    for (int32_t s : t.nyero_slotok) vart.push_back(lap_nev(p.jatekosok[p.soron].lapok[s]));
    EXPECT_EQ(sorai(e.nezet.memo1, 5), vart) << hol;
}

TEST(Itelet, EachCardsCountAndTheFullVerdictAreTheAnalysisCommandsOnTheSamePosition) {
    // Seeds of several kinds of contract, from the first trick the checks stay cheap at.
    const struct {
        uint64_t mag;
        int32_t tol;
    } partik[] = {{1, 1}, {10, 1}, {43, 1}, {20, 2}, {9, 3}, {17, 3}, {51, 3}, {58, 5}};
    int n = 0;
    for (const auto& d : partik)
        for (const Asztal& p : allasok(d.mag, 1, d.tol, 9)) {
            // At trick 1 only the defenders: the declarer's count is the large one.
            if (p.utes_szam == 1 && p.soron == p.felvevo) continue;
            osszevetes(p, "seed " + std::to_string(d.mag) + ", trick " + std::to_string(p.utes_szam) + ", card " +
                              std::to_string(p.utes_lapszam));
            ++n;
        }
    EXPECT_GT(n, 150);
}

TEST(Itelet, AStoppedCountEndsAtOnceUnfinished) {
    // The declarer's lead of a contract with something to decide: the largest count.
    Asztal p;
    for (uint64_t mag = 1; mag < 40 && p.fazis != F_JATEK_GEP; ++mag)
        for (const Asztal& x : allasok(mag, 1, 0, 0)) {
            const Komponensek c = komponensek(x.jatek);
            if (x.soron == x.felvevo && x.utes_lapszam == 0 && (c.ulti || c.negyven_szaz || c.negy_asz)) {
                p = x;
                break;
            }
        }
    ASSERT_EQ(p.fazis, F_JATEK_GEP);
    IteletVezerles v;
    std::thread leallito([&v] {
        while (v.kesz.load() < 10) std::this_thread::yield();
        v.leallitas = true;
    });
    const auto kezdet = std::chrono::steady_clock::now();
    const LapItelet l = lap_itelet(p, -1, &v);
    const auto eltelt = std::chrono::steady_clock::now() - kezdet;
    leallito.join();
    EXPECT_FALSE(l.kesz);
    EXPECT_GT(v.osszes.load(), 10000);
    EXPECT_LT(v.kesz.load(), v.osszes.load());
    EXPECT_LT(eltelt, std::chrono::seconds(2));
}

TEST(Itelet, AfterTheLastCardTheFullVerdictIsTheDealsOutcome) {
    // The last card of ten tricks is its player's only one: it changes nothing. A deal
    // that ended early was decided against the declarer.
    Asztal a;
    asztal_indulas(a, 3);
    for (Jatekos& j : a.jatekosok) j.ember = 0;
    auto n = std::make_shared<int64_t>(0);
    a.ora = [n] { return (*n)++ / 20; };
    teszt::SzkriptFelulet f;
    for (int lepes = 0; lepes < 20000 && a.rekordok.size() < 12; ++lepes) {
        button1_kattintas(a, f);
        f.fuss(a);
    }
    int teljes = 0, korai = 0;
    for (const PartiRekord& r : a.rekordok) {
        const std::vector<Pillanat> p = visszajatszas(r);
        ASSERT_FALSE(p.empty());
        size_t utolso = 0, lapok = 0;
        for (size_t i = 1; i < p.size(); ++i)
            if (p[i].lap) utolso = i, ++lapok;
        if (lapok == 0) continue;
        const TeljesItelet vege = teljes_itelet(p.back().tabla);
        ASSERT_TRUE(vege.kesz);
        if (lapok == 30) {
            EXPECT_EQ(vege.felvevo_nyer, teljes_itelet(p[utolso - 1].tabla).felvevo_nyer);
            ++teljes;
        } else {
            EXPECT_FALSE(vege.felvevo_nyer);
            ++korai;
        }
    }
    EXPECT_GT(teljes, 5);
    std::printf("%d deals of ten tricks, %d ended early\n", teljes, korai);
}

TEST(Itelet, TheTurningCardIsTheFirstThatChangedTheFullVerdict) {
    const struct {
        std::vector<bool> v;
        int32_t fordulo;
    } esetek[] = {
        {{}, -1}, {{true}, -1}, {{true, true, true}, -1}, {{true, false, false}, 0},
        {{false, false, true, false}, 1}, {{true, true, true, false}, 2},
    };
    for (const auto& e : esetek) EXPECT_EQ(fordulo_lap(e.v), e.fordulo);
}

}  // namespace
