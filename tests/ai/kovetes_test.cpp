// Card tracking: the trick record, the counters, the played marks and what each
// table concludes from the cards of a trick.

#include "ai/kovetes.h"

#include <gtest/gtest.h>

#include "model/asztal.h"
#include "support/jatszas.h"
#include "support/kezek.h"

namespace {

using teszt::kijatszas;
using teszt::kijatszasok;

int32_t hol(const Asztal& a, int32_t kie, const std::string& nev) {
    const Kartyalap k = teszt::lap(nev);
    return a.jatekosok[kie].hol[k.szin][k.ertek];
}

// Seat 1 holds neither Piros nor Makk; seat 2 holds the top Piros and four trumps.
void k2_leosztas(Asztal& a) {
    teszt::leosztas(a,
                    "Makk Ász, Makk 10, Makk Király, Makk 7, Zöld Ász, Zöld 7, Tök Ász, Tök 7, "
                    "Piros 7, Piros 8",
                    "Zöld 10, Zöld Király, Zöld Felső, Zöld Alsó, Zöld 9, Zöld 8, Tök 10, "
                    "Tök Király, Tök Felső, Tök Alsó",
                    "Makk Felső, Makk Alsó, Makk 9, Makk 8, Tök 9, Tök 8, Piros Ász, Piros 10, "
                    "Piros Király, Piros Felső",
                    "Piros Alsó, Piros 9");
}

// Seat 0 holds all Piros; seat 1 the high trumps, seat 2 two low ones.
void k4_leosztas(Asztal& a) {
    teszt::leosztas(a,
                    "Piros 7, Piros 8, Piros 9, Piros 10, Piros Alsó, Piros Felső, Piros Király, "
                    "Piros Ász, Makk 7, Zöld 7",
                    "Makk Ász, Makk 10, Makk Király, Makk Felső, Zöld Ász, Zöld 10, Zöld Király, "
                    "Tök Ász, Tök 10, Tök Király",
                    "Makk Alsó, Makk 9, Zöld Felső, Zöld Alsó, Zöld 9, Zöld 8, Tök Felső, "
                    "Tök Alsó, Tök 9, Tök 8",
                    "Makk 8, Tök 7");
}

TEST(Kovetes, AFirstCardPutsTheTalonOutOfPlayForEveryone) {
    Asztal a;
    k2_leosztas(a);
    teszt::jatek(a, {L_PASSZ}, MAKK, 0);
    ASSERT_EQ(hol(a, 1, "Piros Alsó"), HOL_NEM_TUDOTT);
    ASSERT_TRUE(kijatszas(a, "Piros 7"));
    for (int s = 0; s < 3; ++s) {
        EXPECT_EQ(hol(a, s, "Piros Alsó"), HOL_TALON) << s;
        EXPECT_EQ(hol(a, s, "Piros 9"), HOL_TALON) << s;
        EXPECT_EQ(hol(a, s, "Piros 7"), HOL_JATSZOTT + 0) << s;
    }
    EXPECT_EQ(a.utes_lapok[0][0].seat, 0);
    EXPECT_EQ(a.utes_lapok[0][0].slot, teszt::slot(a, 0, "Piros 7"));
}

TEST(Kovetes, ADiscardInAColourGameShowsAVoidInTheSuitAndInTrumps) {
    Asztal a;
    k2_leosztas(a);
    teszt::jatek(a, {L_PASSZ}, MAKK, 0);
    kijatszasok(a, "Piros 7, Zöld 8");
    // Seat 0 now places the other Piros and the trumps it cannot see with seat 2.
    for (const char* n : {"Piros Ász", "Piros 10", "Piros Király", "Piros Felső", "Makk Felső",
                          "Makk Alsó", "Makk 9", "Makk 8"})
        EXPECT_EQ(hol(a, 0, n), 2) << n;
    // Seat 2 places seat 0's Piros 8 and its trumps with seat 0.
    for (const char* n : {"Piros 8", "Makk Ász", "Makk 10", "Makk Király", "Makk 7"})
        EXPECT_EQ(hol(a, 2, n), 0) << n;
    // Other suits stay open, and seat 1 itself learnt nothing.
    EXPECT_EQ(hol(a, 0, "Tök 9"), HOL_NEM_TUDOTT);
    EXPECT_EQ(hol(a, 1, "Piros Ász"), HOL_NEM_TUDOTT);
    EXPECT_EQ(hol(a, 1, "Makk 7"), HOL_NEM_TUDOTT);
}

TEST(Kovetes, ADiscardWithoutTrumpConcludesOnlyTheLedSuit) {
    Asztal a;
    k2_leosztas(a);
    teszt::jatek(a, {L_BETLI}, NINCS_ADU, 0);
    kijatszasok(a, "Piros 7, Zöld 8");
    EXPECT_EQ(hol(a, 0, "Piros Ász"), 2);
    EXPECT_EQ(hol(a, 0, "Makk Felső"), HOL_NEM_TUDOTT);
    EXPECT_EQ(hol(a, 2, "Piros 8"), 0);
    EXPECT_EQ(hol(a, 2, "Makk Ász"), HOL_NEM_TUDOTT);
}

TEST(Kovetes, ATrumpOnTheSecondCardShowsAVoidInTheLedSuitOnly) {
    Asztal a;
    k4_leosztas(a);
    teszt::jatek(a, {L_PASSZ}, MAKK, 0);
    kijatszasok(a, "Piros 7, Makk Felső");
    EXPECT_EQ(hol(a, 2, "Piros Ász"), 0);
    EXPECT_EQ(hol(a, 2, "Makk 7"), HOL_NEM_TUDOTT);  // trumps are not concluded
}

TEST(Kovetes, FollowingBelowTheLedCardPlacesTheHigherOnesWithTheThirdSeat) {
    Asztal a;
    teszt::leosztas(a,
                    "Zöld Felső, Zöld 7, Makk Ász, Makk 10, Makk Király, Makk Felső, Tök Ász, "
                    "Tök 7, Piros 7, Piros 8",
                    "Zöld Alsó, Zöld 9, Zöld 8, Tök 10, Tök Király, Tök Felső, Tök Alsó, "
                    "Piros Ász, Piros 10, Piros Király",
                    "Zöld Ász, Zöld 10, Zöld Király, Makk Alsó, Makk 9, Makk 8, Makk 7, Tök 9, "
                    "Tök 8, Piros Felső",
                    "Piros Alsó, Piros 9");
    teszt::jatek(a, {L_PASSZ}, MAKK, 0);
    kijatszasok(a, "Zöld Felső, Zöld 8");
    for (const char* n : {"Zöld Király", "Zöld 10", "Zöld Ász"}) EXPECT_EQ(hol(a, 0, n), 2) << n;
    // Lower cards stay open: seat 1 may still hold them.
    EXPECT_EQ(hol(a, 0, "Zöld Alsó"), HOL_NEM_TUDOTT);
    EXPECT_EQ(hol(a, 0, "Zöld 9"), HOL_NEM_TUDOTT);
    // The third card beats the lead: nothing more is concluded.
    kijatszasok(a, "Zöld Ász");
    EXPECT_EQ(hol(a, 1, "Zöld Király"), HOL_NEM_TUDOTT);
    EXPECT_EQ(hol(a, 1, "Zöld 7"), HOL_NEM_TUDOTT);
}

TEST(Kovetes, TrumpingUnderTheWinningTrumpPlacesTheHigherTrumps) {
    Asztal a;
    k4_leosztas(a);
    teszt::jatek(a, {L_PASSZ}, MAKK, 0);
    kijatszasok(a, "Piros 7, Makk Felső, Makk 9");
    // Seat 2 could not overtrump the Felső: the trumps above it are with seat 1.
    for (const char* n : {"Makk Király", "Makk 10", "Makk Ász"}) EXPECT_EQ(hol(a, 0, n), 1) << n;
    EXPECT_EQ(hol(a, 0, "Makk Alsó"), HOL_NEM_TUDOTT);
    EXPECT_EQ(a.utes_nyero[0][2], 1);
    EXPECT_EQ(a.soron, 1);
    EXPECT_EQ(a.utes_szam, 1);
}

TEST(Kovetes, TheTrickGoesToItsWinnersSideInAllThreeRecords) {
    Asztal a;
    k2_leosztas(a);
    teszt::jatek(a, {L_PASSZ}, MAKK, 0);
    // Piros 7, a discard, and the Piros Ász takes it for the defenders.
    kijatszasok(a, "Piros 7, Zöld 8, Piros Ász");
    EXPECT_EQ(a.utes_asz[0], 1);
    EXPECT_EQ(a.utes_tizes[0], 1);
    for (const Jatekos& j : a.jatekosok) {
        EXPECT_EQ(j.ellen_utes, 1);
        EXPECT_EQ(j.ellen_asz, 1);
        EXPECT_EQ(j.ellen_tizes, 1);
        EXPECT_EQ(j.felvevo_utes, 0);
    }
    // Seat 2 leads Tök 9, seat 0 must take it with the Ász, seat 1 adds its 10.
    kijatszasok(a, "Tök 9, Tök Ász, Tök 10");
    EXPECT_EQ(a.utes_tizes[1], 2);
    for (const Jatekos& j : a.jatekosok) {
        EXPECT_EQ(j.felvevo_utes, 1);
        EXPECT_EQ(j.felvevo_tizes, 2);
        EXPECT_EQ(j.felvevo_asz, 1);
    }
    EXPECT_NE(a.fazis, F_VEGE);
}

TEST(Kovetes, TheLastTrickCountsOneTenMore) {
    Asztal a;
    k2_leosztas(a);
    teszt::jatek(a, {L_PASSZ}, MAKK, 0);
    // Jump to the tenth trick: seat 0 leads Zöld 7, seat 1 takes it with its 8.
    a.utes_szam = 9;
    kijatszasok(a, "Zöld 7, Zöld 8, Makk 8");
    EXPECT_EQ(a.utes_tizes[9], 1);
    EXPECT_EQ(a.utes_nyero[9][2], 2);
    for (const Jatekos& j : a.jatekosok) EXPECT_EQ(j.ellen_tizes, 1);
    EXPECT_EQ(a.fazis, F_VEGE);
}

TEST(Kovetes, AnOpenContractShowsEveryHandAfterTheFirstTrick) {
    Asztal a;
    k2_leosztas(a);
    teszt::jatek(a, {L_TERITETT_BETLI}, NINCS_ADU, 0);
    kijatszasok(a, "Piros 7, Zöld 8");
    EXPECT_EQ(hol(a, 0, "Tök 10"), HOL_NEM_TUDOTT);  // not yet, after two cards
    kijatszasok(a, "Piros Ász");
    for (int x = 0; x < 3; ++x)
        for (int s = 0; s < 3; ++s)
            for (int i = 0; i < 10; ++i) {
                const Kartyalap& k = a.jatekosok[s].lapok[i];
                EXPECT_EQ(a.jatekosok[x].hol[k.szin][k.ertek], a.jatekosok[s].hol[k.szin][k.ertek])
                    << "table " << x << " card " << lap_nev(k);
            }
}

// The early end: the first trick that loses the contract ends the play at once.
struct KoraiVeg {
    const char* nev;
    int flag;
    const char* elso_utes;     // first trick, led by the declarer (seat 0)
    const char* masodik_utes;  // second trick; empty when the first already ends it
    bool vege_elso;
    bool vege_masodik;
};

class KoraiVegTest : public ::testing::TestWithParam<KoraiVeg> {};

TEST_P(KoraiVegTest, EndsInTheTrickThatLosesTheContract) {
    const KoraiVeg& k = GetParam();
    Asztal a;
    k2_leosztas(a);
    teszt::jatek(a, {k.flag}, NINCS_ADU, 0);
    kijatszasok(a, k.elso_utes);
    EXPECT_EQ(a.fazis == F_VEGE, k.vege_elso);
    if (*k.masodik_utes) {
        kijatszasok(a, k.masodik_utes);
        EXPECT_EQ(a.fazis == F_VEGE, k.vege_masodik);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Kovetes, KoraiVegTest,
    ::testing::Values(
        // The defenders take trick 1, the declarer trick 2 with the Tök Ász.
        KoraiVeg{"Betli", L_BETLI, "Piros 7, Zöld 8, Piros Ász", "Tök 8, Tök Ász, Tök Alsó", false,
                 true},
        KoraiVeg{"Rebetli", L_REBETLI, "Piros 7, Zöld 8, Piros Ász", "Tök 8, Tök Ász, Tök Alsó",
                 false, true},
        KoraiVeg{"TeritettBetli", L_TERITETT_BETLI, "Piros 7, Zöld 8, Piros Ász",
                 "Tök 8, Tök Ász, Tök Alsó", false, true},
        KoraiVeg{"Durchmars", L_SZINNELKULI_DURCHMARS, "Piros 7, Zöld 8, Piros Ász", "", true,
                 false},
        KoraiVeg{"Redurchmars", L_REDURCHMARS, "Piros 7, Zöld 8, Piros Ász", "", true, false},
        // A colour game never ends early.
        KoraiVeg{"Parti", L_PASSZ, "Piros 7, Zöld 8, Piros Ász", "Tök 8, Tök Ász, Tök Alsó", false,
                 false}),
    [](const auto& i) { return std::string(i.param.nev); });

}  // namespace
