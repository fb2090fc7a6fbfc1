#include <gtest/gtest.h>

#include "model/asztal.h"
#include "model/osztas.h"
#include "scoring/elszamolas.h"
#include "support/kezek.h"
#include "table/invariansok.h"

namespace {

Asztal kiosztva() {
    Asztal a;
    asztal_indulas(a, 77);
    kevert_osztas(a);
    parti_alaphelyzet(a);
    a.fazis = F_LICIT_GEP;
    return a;
}

TEST(Invariansok, FreshTableAndFreshDealAreSound) {
    Asztal a;
    asztal_indulas(a, 1);
    EXPECT_EQ(invarians_hiba(a), "");
    Asztal b = kiosztva();
    EXPECT_EQ(invarians_hiba(b), "");
}

TEST(Invariansok, EachBrokenRuleIsReported) {
    struct Eset {
        const char* nev;
        void (*ront)(Asztal&);
        const char* hiba_eleje;
    };
    const Eset esetek[] = {
        {"card twice", [](Asztal& a) { a.jatekosok[1].lapok[3] = a.jatekosok[0].lapok[0];
                                       a.jatekosok[1].hol[a.jatekosok[0].lapok[0].szin][a.jatekosok[0].lapok[0].ertek] = 1; },
         ""},
        {"talon lost", [](Asztal& a) { a.talon[0] = a.talon[1]; }, ""},
        {"counter differs", [](Asztal& a) { a.jatekosok[2].ellen_asz = 1; },
         "deal counters differ"},
        {"phase", [](Asztal& a) { a.fazis = 8; }, "fazis out of range"},
        {"auction log", [](Asztal& a) { a.licitek_szama = 101; }, "auction log beyond"},
        {"trick count", [](Asztal& a) { a.utes_szam = 11; }, "utes_szam out of range"},
        {"kep", [](Asztal& a) { a.jatekosok[2].lapok[4].kep = 40; }, "malformed card"},
    };
    for (const Eset& e : esetek) {
        Asztal a = kiosztva();
        e.ront(a);
        const std::string h = invarians_hiba(a);
        EXPECT_NE(h, "") << e.nev;
        EXPECT_EQ(h.rfind(e.hiba_eleje, 0), 0u) << e.nev << ": " << h;
    }
}

TEST(Invariansok, SettlementMustSumToZero) {
    Asztal a = kiosztva();
    Elszamolas e;
    e.osszeg[0] = 4;
    e.osszeg[1] = -2;
    e.osszeg[2] = -2;
    a.jatekosok[0].egyenleg = 4;
    a.jatekosok[1].egyenleg = -2;
    a.jatekosok[2].egyenleg = -2;
    EXPECT_EQ(elszamolas_hiba(a, e, 0), "");
    e.osszeg[2] = -1;
    EXPECT_NE(elszamolas_hiba(a, e, 0), "");
    e.osszeg[2] = -2;
    EXPECT_NE(elszamolas_hiba(a, e, 5), "");
}

}  // namespace
