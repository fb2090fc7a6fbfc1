// The hand evaluation: the supporting counts, the component tests, the two
// simulations and the choice of a bid, on hands named card by card.

#include "ai/ertekeles.h"

#include <gtest/gtest.h>

#include "model/asztal.h"
#include "support/kezek.h"

namespace {

// Deals `kez0` to seat 0 and the rest of the deck, in deck order, to seats 1 and 2
// and the talon (or the talon named). Seat 0 does not hold the talon unless asked.
void egy_kez(Asztal& a, const std::string& kez0, const std::string& talon = "",
             bool talonnal = false) {
    bool foglalt[32] = {};
    for (const Kartyalap& k : teszt::lapok(kez0)) foglalt[k.kep] = true;
    for (const Kartyalap& k : teszt::lapok(talon)) foglalt[k.kep] = true;
    std::string tobbi[3];
    int db = 0;
    for (int i = 0; i < 32; ++i) {
        if (foglalt[i]) continue;
        const int hova = db < 10 ? 0 : db < 20 ? 1 : 2;
        tobbi[hova] += lap_nev(i / 8, i % 8) + ",";
        ++db;
    }
    teszt::leosztas(a, kez0, tobbi[0], tobbi[1], talon.empty() ? tobbi[2] : talon, MAKK, 1);
    for (Jatekos& j : a.jatekosok) j.talonnal = 0;
    a.jatekosok[0].talonnal = talonnal;
}

// In seat 0's table every card it does not hold is out of play, except those named.
void minden_kinn(Asztal& a, const std::string& elok = "") {
    Jatekos& P = a.jatekosok[0];
    for (int s = 0; s < 4; ++s)
        for (int r = 0; r < 8; ++r)
            if (P.hol[s][r] != 0) P.hol[s][r] = -9;
    for (const Kartyalap& k : teszt::lapok(elok)) P.hol[k.szin][k.ertek] = HOL_NEM_TUDOTT;
}

Jatekos& P0(Asztal& a) {
    return a.jatekosok[0];
}

TEST(Ertekeles, CountsOfASuit) {
    Asztal a;
    egy_kez(a,
            "Makk Ász, Makk 10, Makk 7, Zöld Király, Zöld Felső, Tök 9, Tök 8, Tök 7, Piros Ász, "
            "Piros Alsó",
            "Piros 10, Piros Király");
    Jatekos& P = P0(a);
    EXPECT_EQ(szin_lapszam(P, MAKK), 3);
    EXPECT_EQ(szin_lapszam(P, ZOLD), 2);
    EXPECT_EQ(kinn_levo(P, MAKK), 5);
    EXPECT_EQ(talon_lapszam(a, PIROS), 2);
    EXPECT_EQ(talon_lapszam(a, MAKK), 0);
    EXPECT_EQ(szin_maszk(P, MAKK), (1 << ASZ) | (1 << TIZES) | (1 << HETES));
    // A played card is neither held nor live.
    P.hol[MAKK][ASZ] = -10;
    P.hol[MAKK][KIRALY] = -9;
    EXPECT_EQ(szin_lapszam(P, MAKK), 2);
    EXPECT_EQ(kinn_levo(P, MAKK), 4);
    EXPECT_EQ(szin_maszk(P, MAKK), (1 << TIZES) | (1 << HETES));
}

TEST(Ertekeles, PairStateLooksAtTheTalonOnlyWhenHeld) {
    Asztal a;
    egy_kez(a,
            "Makk Ász, Makk 10, Makk 7, Zöld Király, Zöld Felső, Tök 9, Tök 8, Tök 7, Piros Ász, "
            "Piros Alsó",
            "Piros Király, Piros Felső");
    EXPECT_EQ(par_allapot(a, P0(a), ZOLD), 1);
    EXPECT_EQ(par_allapot(a, P0(a), MAKK), -1);
    EXPECT_EQ(par_allapot(a, P0(a), PIROS), -1);
    P0(a).talonnal = 1;
    EXPECT_EQ(par_allapot(a, P0(a), PIROS), 0);  // the pair lies in its own talon
    EXPECT_EQ(par_allapot(a, P0(a), MAKK), -1);
    P0(a).hol[ZOLD][FELSO] = -10;
    EXPECT_EQ(par_allapot(a, P0(a), ZOLD), 0);
}

TEST(Ertekeles, SideSuitsRankByOwnCardsLessLiveOnesThenByHighCards) {
    Asztal a;
    // Tök: 3 own, 5 live (-2); Zöld 2 own, 6 live (-4); Piros 2 own (-4) with the Ász.
    egy_kez(a,
            "Makk Ász, Makk 10, Makk 7, Zöld Király, Zöld Felső, Tök 9, Tök 8, Tök 7, Piros Ász, "
            "Piros Alsó");
    const Jatekos& P = P0(a);
    EXPECT_EQ(mellekszin(P, MAKK, 0), MAKK);
    EXPECT_EQ(mellekszin(P, MAKK, 1), TOK);
    EXPECT_EQ(mellekszin(P, MAKK, 2), PIROS);
    EXPECT_EQ(mellekszin(P, MAKK, 3), ZOLD);
    // With Piros as trump the list starts from the back.
    EXPECT_EQ(mellekszin(P, PIROS, 0), PIROS);
    EXPECT_EQ(mellekszin(P, PIROS, 1), MAKK);  // 3 own, 5 live, higher cards than Tök
    EXPECT_EQ(mellekszin(P, PIROS, 2), TOK);
    EXPECT_EQ(mellekszin(P, PIROS, 3), ZOLD);
}

struct Erosseg {
    const char* nev;
    const char* kez;
    const char* talon;
    bool talonnal;
    int32_t adu;
    double vart;
};

class ErossegTest : public ::testing::TestWithParam<Erosseg> {};

TEST_P(ErossegTest, PartyStrength) {
    const Erosseg& e = GetParam();
    Asztal a;
    egy_kez(a, e.kez, e.talon, e.talonnal);
    EXPECT_DOUBLE_EQ(parti_erosseg(a, P0(a), e.adu), e.vart);
}

INSTANTIATE_TEST_SUITE_P(
    Ertekeles, ErossegTest,
    ::testing::Values(
        // Trump Ász+10 and length 4 with them: 3; Zöld Ász+10: 2; Tök Ász in three
        // cards: 1; Piros void: 1.5.
        Erosseg{"Strong",
                "Makk Ász, Makk 10, Makk 9, Makk 8, Zöld Ász, Zöld 10, Zöld 7, Tök Ász, "
                "Tök 7, Tök 8",
                "", false, MAKK, 3 + 2 + 1 + 1.5},
        // Trump 10 in five cards: 1 + 1; side 10+Király: 1; a side 10 with company:
        // 0.5; a singleton without 10: 0.5.
        Erosseg{"Tens",
                "Makk 10, Makk 9, Makk 8, Makk 7, Zöld 10, Zöld Király, Tök 10, Tök 9, "
                "Piros 9, Makk Alsó",
                "", false, MAKK, 2 + 1 + 0.5 + 0.5},
        // Three trumps with the 10 only: 1, no length; Zöld Ász with the 9: 1; Tök 10
        // with the 9: 0.5; three small Piros: 0.
        Erosseg{"Short",
                "Makk 10, Makk 9, Makk 8, Zöld Ász, Tök 10, Piros 9, Piros 8, Piros 7, "
                "Tök 9, Zöld 9",
                "", false, MAKK, 1 + 1 + 0.5 + 0},
        // Ász seven long counts 2 even without the 10, plus length.
        Erosseg{"SevenLong",
                "Makk Ász, Makk Király, Makk Felső, Makk Alsó, Makk 9, Makk 8, Makk 7, "
                "Zöld 7, Zöld 8, Zöld 9",
                "", false, MAKK, 2 + 1 + 1.5 + 1.5 + 0},
        // Holding the talon: each Ász or 10 lying in it costs one.
        Erosseg{"TalonTens",
                "Makk Ász, Makk 10, Makk 9, Makk 8, Zöld Ász, Zöld 10, Zöld 7, Tök Ász, "
                "Tök 7, Tök 8",
                "Piros Ász, Piros 10", true, MAKK, 7.5 - 2},
        Erosseg{"TalonNotHeld",
                "Makk Ász, Makk 10, Makk 9, Makk 8, Zöld Ász, Zöld 10, Zöld 7, "
                "Tök Ász, Tök 7, Tök 8",
                "Piros Ász, Piros 10", false, MAKK, 7.5}),
    [](const auto& i) { return std::string(i.param.nev); });

// Three trumps rule out every trump-length test; four aces still give Négy Ász.
TEST(Ertekeles, ThreeTrumpsRuleOutPartyFortyTwentyAndUlti) {
    Asztal a;
    egy_kez(a,
            "Makk Ász, Makk Király, Makk 7, Zöld Ász, Zöld 10, Zöld Király, Zöld Felső, Tök Ász, "
            "Tök 10, Piros Ász");
    Jatekos& P = P0(a);
    P.adu_ertek[MAKK] = 1.0;
    EXPECT_FALSE(parti_jatszhato(a, P, MAKK));
    EXPECT_FALSE(negyven_szaz_ertekeles(a, P, MAKK));
    EXPECT_FALSE(husz_szaz_ertekeles(a, P, MAKK));
    EXPECT_FALSE(ulti_ertekeles(a, P, MAKK));
    EXPECT_DOUBLE_EQ(P.adu_ertek[MAKK], 1.0);
    EXPECT_TRUE(negy_asz_ertekeles(a, P, MAKK));
    EXPECT_DOUBLE_EQ(P.adu_ertek[MAKK], 1.0);  // 0.6 + 4 x 0.1
}

// The same kind of hand one trump longer passes, with the confidence it earns.
struct Komponens {
    const char* nev;
    const char* kez3;  // three trumps
    const char* kez4;  // one side card turned into a trump
    bool (*proba)(const Asztal&, Jatekos&, int32_t);
    double bizalom4;
};

bool parti_proba(const Asztal& a, Jatekos& P, int32_t t) {
    return parti_jatszhato(a, P, t);
}

class KomponensTest : public ::testing::TestWithParam<Komponens> {};

TEST_P(KomponensTest, OneMoreTrumpMakesItPass) {
    const Komponens& k = GetParam();
    Asztal a;
    egy_kez(a, k.kez3);
    P0(a).adu_ertek[MAKK] = 1.0;
    EXPECT_FALSE(k.proba(a, P0(a), MAKK));
    Asztal b;
    egy_kez(b, k.kez4);
    P0(b).adu_ertek[MAKK] = 1.0;
    EXPECT_TRUE(k.proba(b, P0(b), MAKK));
    EXPECT_NEAR(P0(b).adu_ertek[MAKK], k.bizalom4, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Ertekeles, KomponensTest,
    ::testing::Values(
        // The trump 7 carries the party.
        Komponens{"Party",
                  "Makk Ász, Makk Király, Makk 7, Zöld Ász, Zöld 10, Zöld Király, Zöld Felső, "
                  "Tök Ász, Tök 10, Piros Ász",
                  "Makk Ász, Makk Király, Makk 8, Makk 7, Zöld Ász, Zöld 10, Zöld Király, "
                  "Zöld Felső, Tök Ász, Piros Ász",
                  parti_proba, 1.0},
        // E = 2 + 2 + 1.5 + 1.5 = 7 with the trump pair: confidence 7/9.
        Komponens{"Forty",
                  "Makk Ász, Makk Király, Makk Felső, Zöld Ász, Zöld 10, Zöld Király, Zöld Felső, "
                  "Tök Ász, Tök 10, Piros Ász",
                  "Makk Ász, Makk Király, Makk Felső, Makk 7, Zöld Ász, Zöld 10, Zöld Király, "
                  "Zöld Felső, Tök Ász, Piros Ász",
                  negyven_szaz_ertekeles, 7.0 / 9},
        // e = 2 (trump Ász) + 3 (Zöld four long) + 1 + 1 + 1 + 1 = 9.
        Komponens{"Ulti",
                  "Makk Ász, Makk Király, Makk 7, Zöld Ász, Zöld 10, Zöld Király, Zöld Felső, "
                  "Tök Ász, Tök 10, Piros Ász",
                  "Makk Ász, Makk Király, Makk 8, Makk 7, Zöld Ász, Zöld 10, Zöld Király, "
                  "Zöld Felső, Tök Ász, Piros Ász",
                  ulti_ertekeles, 0.9},
        // E = 3 + 2 + 1.5 + 1.5 = 8 > 7.5 with the Zöld pair.
        Komponens{"Twenty",
                  "Makk Ász, Makk 10, Makk 9, Zöld Ász, Zöld 10, Zöld Király, Zöld Felső, Tök Ász, "
                  "Tök 7, Piros Ász",
                  "Makk Ász, Makk 10, Makk 9, Makk 8, Zöld Ász, Zöld 10, Zöld Király, Zöld Felső, "
                  "Tök Ász, Piros Ász",
                  husz_szaz_ertekeles, 8.0 / 9}),
    [](const auto& i) { return std::string(i.param.nev); });

TEST(Ertekeles, TheTrumpSevenMakesAWeakPartyPlayable) {
    Asztal a;
    egy_kez(a,
            "Zöld 7, Zöld 8, Zöld 9, Zöld Alsó, Makk Király, Makk 10, Tök Király, Tök 10, "
            "Piros Király, Piros 10");
    EXPECT_TRUE(parti_jatszhato(a, P0(a), ZOLD));
    Asztal b;
    egy_kez(b,
            "Zöld 10, Zöld 8, Zöld 9, Zöld Alsó, Makk Király, Makk 7, Tök Király, Tök 7, "
            "Piros Király, Piros 7");
    EXPECT_FALSE(parti_jatszhato(b, P0(b), ZOLD));
}

TEST(Ertekeles, FourAcesAndTheTalon) {
    Asztal a;
    // Four trumps, Ász of Makk and Zöld, void in Tök and Piros: covered in all four.
    egy_kez(a,
            "Makk Ász, Makk 9, Makk 8, Makk 7, Zöld Ász, Zöld 9, Zöld 8, Zöld 7, Makk Alsó, "
            "Zöld Alsó",
            "Tök 7, Piros 7");
    Jatekos& P = P0(a);
    P.adu_ertek[MAKK] = 1.0;
    EXPECT_TRUE(negy_asz_ertekeles(a, P, MAKK));
    EXPECT_NEAR(P.adu_ertek[MAKK], 0.8, 1e-12);
    EXPECT_FALSE(negy_asz_ertekeles(a, P, TOK));  // not holding the trump Ász
    // An Ász in its own talon spoils the covering.
    Asztal b;
    egy_kez(b,
            "Makk Ász, Makk 9, Makk 8, Makk 7, Zöld Ász, Zöld 9, Zöld 8, Zöld 7, Makk Alsó, "
            "Zöld Alsó",
            "Tök Ász, Piros 7", true);
    EXPECT_FALSE(negy_asz_ertekeles(b, P0(b), MAKK));
    // Four Ászok win alone, unless two Ászok lie in its talon.
    Asztal c;
    egy_kez(c,
            "Makk Ász, Zöld Ász, Tök Ász, Piros Ász, Makk 9, Makk 8, Zöld 9, Zöld 8, Tök 9, "
            "Tök 8",
            "Makk 7, Zöld 7", true);
    EXPECT_TRUE(negy_asz_ertekeles(c, P0(c), MAKK));
}

// Durchmars: level and confidence per trump choice.
struct Durchmars {
    const char* nev;
    const char* kez;
    const char* elok;  // live cards left in seat 0's table; null: the real deal
    int32_t c;
    int32_t szint;
    double bizalom;
};

class DurchmarsTest : public ::testing::TestWithParam<Durchmars> {};

TEST_P(DurchmarsTest, Level) {
    const Durchmars& d = GetParam();
    Asztal a;
    egy_kez(a, d.kez);
    if (d.elok) minden_kinn(a, d.elok);
    for (double& e : P0(a).adu_ertek) e = 1.0;
    EXPECT_EQ(durchmars_ertekeles(a, P0(a), d.c), d.szint);
    EXPECT_NEAR(P0(a).adu_ertek[d.c], d.bizalom, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Ertekeles, DurchmarsTest,
    ::testing::Values(
        // Everything own or out: certain without trump, and with Makk as trump
        // (eight trumps against none), but not in Zöld (two against six).
        Durchmars{"AllKnownNoTrump",
                  "Makk Ász, Makk 10, Makk Király, Makk Felső, Makk Alsó, Makk 9, "
                  "Makk 8, Makk 7, Zöld 7, Zöld 8",
                  "", NINCS_ADU, 5, 1.0},
        Durchmars{"AllKnownTrump",
                  "Makk Ász, Makk 10, Makk Király, Makk Felső, Makk Alsó, Makk 9, "
                  "Makk 8, Makk 7, Zöld 7, Zöld 8",
                  "", MAKK, 2, 1.0},
        Durchmars{"AllKnownFewTrumps",
                  "Makk Ász, Makk 10, Makk Király, Makk Felső, Makk Alsó, "
                  "Makk 9, Makk 8, Makk 7, Zöld 7, Zöld 8",
                  "", ZOLD, 0, 1.0},
        // Zöld Ász and 10 are the top two with a trump: the suit runs.
        Durchmars{"TopTwo",
                  "Makk Ász, Makk 10, Makk Király, Makk Felső, Makk Alsó, Makk 9, Makk 8, "
                  "Makk 7, Zöld Ász, Zöld 10",
                  nullptr, MAKK, 2, 1.0},
        // Without trump the 10 ranks low and is beaten: nothing.
        Durchmars{"TopTwoNoTrump",
                  "Makk Ász, Makk 10, Makk Király, Makk Felső, Makk Alsó, Makk 9, "
                  "Makk 8, Makk 7, Zöld Ász, Zöld 10",
                  nullptr, NINCS_ADU, 0, 1.0},
        // Zöld Ász, 10, 7 against the 8, 9, Alsó: fails only when one opponent holds all
        // three (2 of 8 splits), so p = 0.75 with certain trumps: level 1.
        Durchmars{"LevelOne",
                  "Makk Ász, Makk 10, Makk Király, Makk Felső, Makk Alsó, Makk 9, "
                  "Makk 8, Zöld Ász, Zöld 10, Zöld 7",
                  "Makk 7, Zöld 8, Zöld 9, Zöld Alsó", MAKK, 1, 0.75},
        // The same hand with the Zöld Király and Felső live too: too risky.
        Durchmars{"LevelOneMoreLive",
                  "Makk Ász, Makk 10, Makk Király, Makk Felső, Makk Alsó, "
                  "Makk 9, Makk 8, Zöld Ász, Zöld 10, Zöld 7",
                  "Makk 7, Zöld 8, Zöld 9, Zöld Alsó, Zöld Király, Zöld Felső", MAKK, 0, 1.0}),
    [](const auto& i) { return std::string(i.param.nev); });

TEST(Ertekeles, BetliTwoLiveCardsSplitEvenlyCountPointThree) {
    Asztal a;
    // Tök 9 and 10 against the live Tök 8 and Alsó: P leading wins half the splits
    // (a = 0.5 would give level 1); every other suit is known, so b = 1 there.
    egy_kez(a,
            "Tök 9, Tök 10, Makk Ász, Makk 10, Makk Király, Makk Felső, Makk Alsó, Makk 9, "
            "Makk 8, Makk 7");
    minden_kinn(a, "Tök 8, Tök Alsó");
    P0(a).adu_ertek[4] = 1.0;
    P0(a).betli_kezdo_szin = -1;
    EXPECT_EQ(betli_ertekeles(a, P0(a)), 0);
    EXPECT_DOUBLE_EQ(P0(a).adu_ertek[4], 1.0);
    EXPECT_EQ(P0(a).betli_kezdo_szin, TOK);
}

TEST(Ertekeles, BetliLowCards) {
    Asztal a;
    // Every suit's lowest cards: certain, whoever leads.
    egy_kez(a, "Makk 7, Makk 8, Makk 9, Zöld 7, Zöld 8, Zöld 9, Tök 7, Tök 8, Piros 7, Piros 8");
    EXPECT_EQ(betli_ertekeles(a, P0(a)), 3);
    EXPECT_DOUBLE_EQ(P0(a).adu_ertek[4], 1.0);
    EXPECT_EQ(P0(a).betli_kezdo_szin, MAKK);
    // High cards are no Betli.
    Asztal b;
    egy_kez(b,
            "Makk Ász, Makk Király, Zöld Ász, Zöld Király, Tök Ász, Tök Király, Piros Ász, "
            "Piros Király, Piros Felső, Tök Felső");
    EXPECT_EQ(betli_ertekeles(b, P0(b)), 0);
}

TEST(Ertekeles, AHandThatPassesNothingGivesThePassRecordAndTrumpZero) {
    Asztal a;
    egy_kez(a,
            "Makk 10, Makk Király, Makk 9, Zöld Felső, Zöld Alsó, Zöld 8, Tök Király, Tök 9, "
            "Piros Felső, Piros 8");
    a.adu = 2;
    a.licit_ertek = 0;
    const Licit l = licit_valasztas(a, P0(a));
    EXPECT_EQ(l, passz_licit());
    EXPECT_EQ(a.adu, 0);
    for (double e : P0(a).adu_ertek) EXPECT_DOUBLE_EQ(e, 1.0);
}

TEST(Ertekeles, AStrongHandBidsFortyAndUltiInItsLongSuit) {
    Asztal a;
    // The Piros 8 spoils every Durchmars and the fourth Ász.
    egy_kez(a,
            "Makk Ász, Makk Király, Makk Felső, Makk 7, Zöld Ász, Zöld 10, Zöld Király, "
            "Zöld Felső, Tök Ász, Piros 8");
    Licit vart;
    vart.negyven_szaz = vart.ulti = 1;
    EXPECT_EQ(licit_valasztas(a, P0(a)), vart);
    EXPECT_EQ(a.adu, MAKK);
    // E = 2 + 2 + 1.5 + 0.5 = 6; Ulti e = 2 + 3 + 1 + 1 + 1 = 8.
    EXPECT_NEAR(P0(a).adu_ertek[MAKK], 6.0 / 9 * 0.8, 1e-12);
}

TEST(Ertekeles, TopCardsInNaturalOrderBidRedurchmars) {
    Asztal a;
    // Without trump the 10 ranks below the Alsó: in Makk only one opponent holding all
    // four small cards beats the 7 (2 of 16 splits), in Zöld only one holding all four
    // keeps the Alsó over the 10; p = 0.875 x 0.875.
    egy_kez(a,
            "Makk Ász, Makk Király, Makk Felső, Makk 7, Zöld Ász, Zöld 10, Zöld Király, "
            "Zöld Felső, Tök Ász, Piros Ász");
    Licit vart;
    vart.redurchmars = 1;
    EXPECT_EQ(licit_valasztas(a, P0(a)), vart);
    EXPECT_EQ(a.adu, NINCS_ADU);
    EXPECT_DOUBLE_EQ(P0(a).adu_ertek[NINCS_ADU], 0.875 * 0.875);
}

// A candidate must beat the highest bid; `adu` follows the best candidate either way.
struct Valasztas {
    const char* nev;
    const char* kez;
    double licit_ertek;
    int32_t adu;
    bool passz;  // the pass record comes back
};

class ValasztasTest : public ::testing::TestWithParam<Valasztas> {};

TEST_P(ValasztasTest, AgainstTheHighestBid) {
    const Valasztas& v = GetParam();
    Asztal a;
    egy_kez(a, v.kez);
    a.adu = 2;
    a.licit_ertek = v.licit_ertek;
    const Licit l = licit_valasztas(a, P0(a));
    EXPECT_EQ(a.adu, v.adu);
    if (v.passz) {
        EXPECT_EQ(l, passz_licit());
        EXPECT_DOUBLE_EQ(P0(a).adu_ertek[v.adu], 1.0);
    } else {
        EXPECT_TRUE(l.passz);
        EXPECT_EQ(l.piros, v.adu == PIROS);
        EXPECT_GT(licit_erteke(l), v.licit_ertek);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Ertekeles, ValasztasTest,
    ::testing::Values(
        // A Zöld party (0.1): beats 0.05, not an equal 0.1.
        Valasztas{"PartyAbove",
                  "Zöld 7, Zöld 8, Zöld 9, Zöld Alsó, Makk Király, Makk 10, "
                  "Tök Király, Tök 10, Piros Király, Piros 10",
                  0.05, ZOLD, false},
        Valasztas{"PartyEqual",
                  "Zöld 7, Zöld 8, Zöld 9, Zöld Alsó, Makk Király, Makk 10, "
                  "Tök Király, Tök 10, Piros Király, Piros 10",
                  0.1, ZOLD, true},
        // A Piros party is worth 0.2.
        Valasztas{"RedAbove",
                  "Piros 7, Piros 8, Piros 9, Piros Alsó, Makk Király, Makk 10, "
                  "Tök Király, Tök 10, Zöld Király, Zöld 10",
                  0.1, PIROS, false},
        Valasztas{"RedEqual",
                  "Piros 7, Piros 8, Piros 9, Piros Alsó, Makk Király, Makk 10, "
                  "Tök Király, Tök 10, Zöld Király, Zöld 10",
                  0.2, PIROS, true}),
    [](const auto& i) { return std::string(i.param.nev); });

TEST(Ertekeles, EvaluationReadsOnlyTenSlots) {
    Asztal a;
    egy_kez(a,
            "Makk 10, Makk Király, Makk 9, Zöld Felső, Zöld Alsó, Zöld 8, Tök Király, Tök 9, "
            "Piros Felső, Piros 8");
    // Garbage in slots 10 and 11 must not count.
    P0(a).lapok[10] = kartya(MAKK, HETES);
    P0(a).lapok[11] = kartya(MAKK, ASZ);
    P0(a).hol[MAKK][HETES] = 0;
    P0(a).hol[MAKK][ASZ] = 0;
    EXPECT_EQ(szin_lapszam(P0(a), MAKK), 3);
}

}  // namespace
