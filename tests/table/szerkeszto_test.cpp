// The deal editor: the rows filled in order, "Kész" in each state, the random
// completion, and what the window is told to show.

#include "table/szerkeszto.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/asztal.h"
#include "model/osztas.h"
#include "support/kezek.h"

namespace {

// Everything the editor may touch, as one comparable text.
std::string allapot(const Asztal& a) {
    std::string s = std::to_string(a.szerk_sor) + "/" + std::to_string(a.szerk_hely) + "/" +
                    std::to_string(a.soron) + "/" + std::to_string(a.oszto) + "/" +
                    std::to_string(a.kezi_osztas) + "|";
    for (uint8_t v : a.valaszthato) s += v ? '1' : '0';
    for (const Jatekos& j : a.jatekosok) {
        s += "|" + std::to_string(j.talonnal) + ":";
        for (const Kartyalap& k : j.lapok) s += std::to_string(k.kep) + ",";
        for (const auto& sor : j.hol)
            for (int32_t h : sor) s += std::to_string(h) + ",";
    }
    for (const Kartyalap& k : a.talon) s += "|" + std::to_string(k.kep);
    for (int32_t k : a.keveres) s += "," + std::to_string(k);
    return s;
}

class Szerkeszto : public ::testing::Test {
protected:
    void SetUp() override {
        asztal_indulas(a, 4242);
        kevert_osztas(a);  // a previous deal is on the table
        ASSERT_TRUE(szerkeszto_nyitas(a));
        elso = (a.oszto + 1) % 3;
    }
    void valaszt(const std::string& lista) {
        for (const Kartyalap& k : teszt::lapok(lista)) szerkeszto_valasztas(a, k.szin, k.ertek);
    }
    Asztal a;
    int32_t elso = 0;
};

const char* const KEZ1 =
    "Piros Ász, Piros 10, Piros Király, Piros 7, Tök Ász, Tök 9, Zöld Alsó, Zöld 8, Makk 10, Makk 7";
const char* const TALON = "Tök 10, Makk Ász";
const char* const KEZ2 =
    "Piros Felső, Piros Alsó, Tök Király, Tök Felső, Tök 8, Zöld Ász, Zöld 10, Zöld 7, Makk Király, Makk 9";
const char* const KEZ3 =
    "Piros 9, Piros 8, Tök Alsó, Tök 7, Zöld Király, Zöld Felső, Zöld 9, Makk Felső, Makk Alsó, Makk 8";

TEST(SzerkesztoValaszto, PickerLayoutSkipsImage21) {
    EXPECT_EQ(valaszto_image(0), 1);
    EXPECT_EQ(lap_nev(valaszto_szin(0), valaszto_ertek(0)), "Piros Ász");
    EXPECT_EQ(lap_nev(valaszto_szin(7), valaszto_ertek(7)), "Piros 7");
    EXPECT_EQ(lap_nev(valaszto_szin(9), valaszto_ertek(9)), "Tök 10");
    EXPECT_EQ(valaszto_image(19), 20);
    EXPECT_EQ(lap_nev(valaszto_szin(19), valaszto_ertek(19)), "Zöld Felső");
    EXPECT_EQ(valaszto_image(20), 22);
    EXPECT_EQ(lap_nev(valaszto_szin(20), valaszto_ertek(20)), "Zöld Alsó");
    EXPECT_EQ(valaszto_image(31), 33);
    EXPECT_EQ(lap_nev(valaszto_szin(31), valaszto_ertek(31)), "Makk 7");
    EXPECT_EQ(valaszto_index(21), -1);
    EXPECT_EQ(valaszto_index(0), -1);
    EXPECT_EQ(valaszto_index(34), -1);
    bool lattuk[32] = {};
    for (int i = 0; i < 32; ++i) {
        EXPECT_EQ(valaszto_index(valaszto_image(i)), i);
        const int kep = valaszto_szin(i) * 8 + valaszto_ertek(i);
        EXPECT_FALSE(lattuk[kep]);
        lattuk[kep] = true;
    }
}

TEST(SzerkesztoNyitas, OnlyWithNoDealRunning) {
    for (int32_t f : {F_LICIT_EMBER, F_ELSO_DOBAS, F_LICIT_GEP, F_JATEK_EMBER, F_JATEK_GEP, F_VEGE}) {
        Asztal a;
        asztal_indulas(a, 1);
        kevert_osztas(a);
        a.fazis = f;
        const std::string elotte = allapot(a);
        EXPECT_FALSE(szerkeszto_nyitas(a)) << f;
        EXPECT_EQ(allapot(a), elotte) << f;
    }
}

TEST_F(Szerkeszto, OpeningMovesTheDealerAndForgetsTheOldDeal) {
    // Start-up dealer 1, one shuffled deal (dealer 2), then the editor: dealer 0.
    EXPECT_EQ(a.oszto, 0);
    EXPECT_EQ(a.soron, 1);
    EXPECT_EQ(a.kezi_osztas, 1);
    EXPECT_EQ(a.szerk_sor, SZ_ELSO_KEZ);
    EXPECT_EQ(a.szerk_hely, 0);
    for (const Jatekos& j : a.jatekosok) {
        EXPECT_EQ(j.talonnal, 0);
        for (const auto& sor : j.hol)
            for (int32_t h : sor) EXPECT_EQ(h, HOL_NEM_TUDOTT);
    }
    const SzerkesztoNezet n = szerkeszto_nezet(a);
    for (int i = 0; i < 32; ++i) {
        EXPECT_EQ(n.valaszto[i], valaszto_szin(i) * 8 + valaszto_ertek(i));
        EXPECT_EQ(n.cel[i], HATLAP);
    }
}

TEST_F(Szerkeszto, Edit1GetsTheWholePartOfTheLastBidValue) {
    a.licit_ertek = 8.2;
    EXPECT_EQ(szerkeszto_nezet(a).edit1, "8");
    a.licit_ertek = 0;
    EXPECT_EQ(szerkeszto_nezet(a).edit1, "0");
}

TEST_F(Szerkeszto, KeszWithNothingChosenShowsTheMessage) {
    const std::string elotte = allapot(a);
    EXPECT_EQ(szerkeszto_kesz(a), SzerkKesz::Uzenet);
    EXPECT_EQ(allapot(a), elotte);
    EXPECT_STREQ(SZERK_NINCS_KESZ, "Nincs befejezve a kiválasztás!");
}

TEST_F(Szerkeszto, KeszAfterTheFirstHandBeforeTheTalonDoesNothing) {
    valaszt(KEZ1);
    ASSERT_EQ(a.szerk_sor, SZ_TALON);
    const std::string elotte = allapot(a);
    EXPECT_EQ(szerkeszto_kesz(a), SzerkKesz::Marad);
    EXPECT_EQ(allapot(a), elotte);
}

// "Kész" in the states where the layout is unfinished: part of any row.
TEST_F(Szerkeszto, KeszInAnUnfinishedRowShowsTheMessage) {
    struct Eset {
        const char* nev;
        std::string lapok;
    };
    const std::vector<Eset> esetek = {
        {"one card of the first hand", "Piros Ász"},
        {"nine cards of the first hand",
         "Piros Ász, Piros 10, Piros Király, Piros 7, Tök Ász, Tök 9, Zöld Alsó, Zöld 8, Makk 10"},
        {"one talon card", std::string(KEZ1) + ", Tök 10"},
        {"one card of the second hand", std::string(KEZ1) + ", " + TALON + ", Piros Felső"},
        {"first two hands and the talon", std::string(KEZ1) + ", " + TALON + ", " + KEZ2},
        {"all but one", std::string(KEZ1) + ", " + TALON + ", " + KEZ2 +
                            ", Piros 9, Piros 8, Tök Alsó, Tök 7, Zöld Király, Zöld Felső, Zöld 9, Makk Felső, Makk Alsó"},
    };
    for (const Eset& e : esetek) {
        SetUp();
        valaszt(e.lapok);
        const std::string elotte = allapot(a);
        EXPECT_EQ(szerkeszto_kesz(a), SzerkKesz::Uzenet) << e.nev;
        EXPECT_EQ(allapot(a), elotte) << e.nev;
    }
}

TEST_F(Szerkeszto, ClickingAChosenCardDoesNothing) {
    valaszt("Piros Ász, Tök 7");
    const std::string elotte = allapot(a);
    valaszt("Piros Ász");
    EXPECT_EQ(allapot(a), elotte);
    // Also once the card sits in the talon and the row has moved on.
    valaszt("Piros 10, Piros Király, Piros 7, Tök Ász, Tök 9, Zöld Alsó, Zöld 8, Makk 10");
    valaszt("Makk Ász");
    const std::string utana = allapot(a);
    valaszt("Makk Ász, Tök 7");
    EXPECT_EQ(allapot(a), utana);
}

TEST_F(Szerkeszto, RowsFillInOrderAndTheWindowShowsEachCardInItsPlace) {
    valaszt(KEZ1);
    EXPECT_EQ(a.soron, (elso + 1) % 3);  // the hand row passed on
    valaszt("Tök 10");
    SzerkesztoNezet n = szerkeszto_nezet(a);
    EXPECT_EQ(n.cel[0], teszt::lap("Piros Ász").kep);     // Image34
    EXPECT_EQ(n.cel[9], teszt::lap("Makk 7").kep);        // Image43
    EXPECT_EQ(n.cel[10], teszt::lap("Tök 10").kep);       // Image44
    EXPECT_EQ(n.cel[11], HATLAP);                         // Image45 not yet
    EXPECT_EQ(n.valaszto[9], HATLAP);                     // Tök 10's picker turned over
    EXPECT_EQ(n.valaszto[8], HATLAP);                     // Tök Ász chosen too
    EXPECT_EQ(n.valaszto[10], teszt::lap("Tök Király").kep);           // still free
    // The talon card is known to the first bidder only, as out of play.
    EXPECT_EQ(a.jatekosok[elso].hol[TOK][TIZES], HOL_TALON);
    EXPECT_EQ(a.jatekosok[(elso + 1) % 3].hol[TOK][TIZES], HOL_NEM_TUDOTT);
    valaszt("Makk Ász, Piros Felső");
    n = szerkeszto_nezet(a);
    EXPECT_EQ(n.cel[11], teszt::lap("Makk Ász").kep);     // Image45
    EXPECT_EQ(n.cel[12], teszt::lap("Piros Felső").kep);  // Image46
    EXPECT_EQ(n.cel[13], HATLAP);
    EXPECT_EQ(a.jatekosok[(elso + 1) % 3].lapok[0].kep, teszt::lap("Piros Felső").kep);
    EXPECT_EQ(a.jatekosok[(elso + 1) % 3].hol[PIROS][FELSO], (elso + 1) % 3);
    valaszt("Piros Alsó, Tök Király, Tök Felső, Tök 8, Zöld Ász, Zöld 10, Zöld 7, Makk Király, Makk 9");
    valaszt("Piros 9");
    n = szerkeszto_nezet(a);
    EXPECT_EQ(n.cel[21], teszt::lap("Makk 9").kep);  // Image55
    EXPECT_EQ(n.cel[22], teszt::lap("Piros 9").kep); // Image56
    EXPECT_EQ(a.jatekosok[(elso + 2) % 3].lapok[0].kep, teszt::lap("Piros 9").kep);
}

// After "Kész" the layout must be a whole deal: 32 cards once each, every seat
// knowing its own ten, the first bidder holding and knowing the talon.
void egesz_osztas(const Asztal& a, int32_t elso) {
    int32_t hany[32] = {};
    for (int32_t s = 0; s < 3; ++s) {
        const Jatekos& j = a.jatekosok[s];
        EXPECT_EQ(j.talonnal, s == elso ? 1 : 0) << s;
        int32_t sajat = 0;
        for (int k = 0; k < 10; ++k) {
            ++hany[j.lapok[k].kep];
            EXPECT_EQ(j.hol[j.lapok[k].szin][j.lapok[k].ertek], s);
        }
        for (const auto& sor : j.hol)
            for (int32_t h : sor) sajat += h == s;
        EXPECT_EQ(sajat, 10) << s;
        // Sorted: suits falling, then order falling.
        for (int k = 0; k + 1 < 10; ++k) {
            const Kartyalap& x = j.lapok[k];
            const Kartyalap& y = j.lapok[k + 1];
            EXPECT_TRUE(x.szin > y.szin ||
                        (x.szin == y.szin && rang(x.ertek, a.adu) > rang(y.ertek, a.adu)))
                << "seat " << s << " slot " << k;
        }
    }
    for (const Kartyalap& k : a.talon) {
        ++hany[k.kep];
        EXPECT_EQ(a.jatekosok[elso].hol[k.szin][k.ertek], HOL_TALON);
    }
    for (int32_t c = 0; c < 32; ++c) EXPECT_EQ(hany[c], 1) << c;
    EXPECT_EQ(a.soron, elso);
    EXPECT_EQ(a.kezi_osztas, 1);
    for (uint8_t v : a.valaszthato) EXPECT_EQ(v, 0);
}

TEST_F(Szerkeszto, KeszAfterFirstHandAndTalonDealsTheRestAtRandom) {
    valaszt(KEZ1);
    valaszt(TALON);
    ASSERT_EQ(szerkeszto_kesz(a), SzerkKesz::Bezar);
    egesz_osztas(a, elso);
    // The chosen cards stay where they were put.
    for (const Kartyalap& k : teszt::lapok(KEZ1)) EXPECT_GE(teszt::slot(a, elso, lap_nev(k)), 0);
    EXPECT_EQ(a.talon[0].kep, teszt::lap("Tök 10").kep);
    EXPECT_EQ(a.talon[1].kep, teszt::lap("Makk Ász").kep);
    for (int32_t s : {(elso + 1) % 3, (elso + 2) % 3})
        for (const auto& sor : a.jatekosok[s].hol)
            for (int32_t h : sor) EXPECT_TRUE(h == s || h == HOL_NEM_TUDOTT);
}

TEST_F(Szerkeszto, RandomCompletionFollowsTheStirredPermutation) {
    // Two editors from the same table state deal the same rest; another seed deals
    // another rest.
    Asztal b = a;
    Asztal c = a;
    c.rng.mag(999);
    for (Asztal* t : {&a, &b, &c}) {
        for (const Kartyalap& k : teszt::lapok(std::string(KEZ1) + ", " + TALON))
            szerkeszto_valasztas(*t, k.szin, k.ertek);
        ASSERT_EQ(szerkeszto_kesz(*t), SzerkKesz::Bezar);
    }
    EXPECT_EQ(allapot(a), allapot(b));
    EXPECT_NE(allapot(a), allapot(c));
}

TEST_F(Szerkeszto, KeszWithEveryRowChosenKeepsTheLayoutAndSortsIt) {
    valaszt(KEZ1);
    valaszt(TALON);
    valaszt(KEZ2);
    valaszt(KEZ3);
    ASSERT_EQ(a.szerk_sor, SZ_KESZ);
    const std::string keveres_elotte = [&] {
        std::string s;
        for (int32_t k : a.keveres) s += std::to_string(k) + ",";
        return s;
    }();
    ASSERT_EQ(szerkeszto_kesz(a), SzerkKesz::Bezar);
    egesz_osztas(a, elso);
    const char* const kezek[3] = {KEZ1, KEZ2, KEZ3};
    for (int r = 0; r < 3; ++r)
        for (const Kartyalap& k : teszt::lapok(kezek[r]))
            EXPECT_GE(teszt::slot(a, (elso + r) % 3, lap_nev(k)), 0) << lap_nev(k);
    // Nothing was dealt at random, so the permutation did not move.
    std::string keveres_utana;
    for (int32_t k : a.keveres) keveres_utana += std::to_string(k) + ",";
    EXPECT_EQ(keveres_utana, keveres_elotte);
}

TEST_F(Szerkeszto, AFullLayoutTakesNoMoreCards) {
    valaszt(KEZ1);
    valaszt(TALON);
    valaszt(KEZ2);
    valaszt(KEZ3);
    // Every card is chosen; even a card made choosable again finds no free place.
    a.valaszthato[0] = 1;
    const std::string elotte = allapot(a);
    szerkeszto_valasztas(a, MAKK, HETES);
    EXPECT_EQ(allapot(a), elotte);
}

TEST_F(Szerkeszto, ClosingWithoutKeszLeavesTheNextDealToTheShuffle) {
    // Opening moved the dealer from 2 to 0; a shuffled deal after closing must come
    // from dealer 2 again, as if the editor had never opened.
    valaszt("Piros Ász, Tök 7, Zöld 9");
    szerkeszto_elvetes(a);
    EXPECT_EQ(a.kezi_osztas, 0);
    EXPECT_EQ(a.oszto, 2);
    kevert_osztas(a);
    EXPECT_EQ(a.oszto, 0);
    // Once the deal is complete and accepted there is nothing to abandon.
    ASSERT_TRUE(szerkeszto_nyitas(a));
    valaszt(KEZ1);
    valaszt(TALON);
    ASSERT_EQ(szerkeszto_kesz(a), SzerkKesz::Bezar);
    const std::string kesz = allapot(a);
    a.kezi_osztas = 0;  // the deal was played
    szerkeszto_elvetes(a);
    a.kezi_osztas = 1;
    EXPECT_EQ(allapot(a), kesz);
}

}  // namespace
