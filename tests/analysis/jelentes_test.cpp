// The analysis reports in the table log: every line as written, the widening of a
// correct card to the cards of equal value above it, and the phases they run in.

#include "analysis/jelentes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/asztal.h"
#include "support/jatszas.h"
#include "support/kezek.h"

namespace {

using Sorok = std::vector<std::string>;

// Plain party, trump Tök, seat 0 declarer. After two tricks seat 0 must beat the
// "Zöld 8" and holds "Zöld Király" and "Zöld Alsó", the "Zöld Felső" between them
// already played.
void felso_kiment(Asztal& a) {
    teszt::leosztas(a,
                    "Zöld Király, Zöld Alsó, Piros Ász, Piros 10, Piros Király, Piros Felső, "
                    "Piros Alsó, Piros 9, Piros 8, Piros 7",
                    "Zöld 7, Zöld 9, Zöld 10, Zöld Ász, Tök Ász, Tök 10, Tök Király, Tök Felső, "
                    "Tök Alsó, Tök 9",
                    "Zöld Felső, Zöld 8, Makk Ász, Makk 10, Makk Király, Makk Felső, Makk Alsó, "
                    "Makk 9, Makk 8, Makk 7",
                    "Tök 8, Tök 7", TOK, 0);
    teszt::jatek(a, {L_PASSZ}, TOK, 0);
    teszt::kijatszasok(a, "Piros 7, Tök 9, Zöld Felső");  // seat 1 trumps and wins
    teszt::kijatszasok(a, "Zöld 7, Zöld 8");
    ASSERT_EQ(a.soron, 0);
    a.fazis = F_JATEK_EMBER;
}

// Betli, seat 0 declarer with every "Piros" and the top two "Tök": whatever is led,
// the declarer takes the first trick.
void bukott_betli(Asztal& a) {
    teszt::leosztas(a,
                    "Piros Ász, Piros 10, Piros Király, Piros Felső, Piros Alsó, Piros 9, Piros 8, "
                    "Piros 7, Tök Ász, Tök Király",
                    "Tök Felső, Tök Alsó, Tök 10, Tök 9, Tök 8, Tök 7, Zöld Ász, Zöld Király, "
                    "Zöld Felső, Zöld 7",
                    "Zöld Alsó, Zöld 10, Zöld 9, Zöld 8, Makk Ász, Makk Király, Makk Felső, "
                    "Makk Alsó, Makk 9, Makk 8",
                    "Makk 10, Makk 7", NINCS_ADU, 0);
    teszt::jatek(a, {L_BETLI}, NINCS_ADU, 0);
    a.fazis = F_JATEK_EMBER;
}

Sorok kez_sorai(const Asztal& a, int32_t seat) {
    Sorok v;
    for (int k = 0; k < 10; ++k) v.push_back(lap_nev(a.jatekosok[seat].lapok[k]));
    return v;
}

TEST(Elemzes, DeclarerInAMadeContractGetsTheCorrectCardWidenedToItsEqualAbove) {
    Asztal a;
    felso_kiment(a);
    elemzes_jelentes(a);
    // Only one candidate at the root (the "Alsó", the engine's lowest of the two),
    // decided at once; the "Király" above it is as good.
    EXPECT_EQ(a.nezet.memo1, (Sorok{"Idő: 0", "A variációk száma:", "1", "Teljesül a felvétel",
                                    "A helyes laphívások:", "Zöld Király", "Zöld Alsó"}));
}

TEST(Elemzes, WideningNeedsTheCardBetweenToBeGone) {
    Asztal a;
    felso_kiment(a);
    // Pretend the "Zöld Felső" were still out: the two are no longer touching.
    a.jatekosok[0].hol[ZOLD][FELSO] = HOL_NEM_TUDOTT;
    elemzes_jelentes(a);
    const Sorok& m = a.nezet.memo1;
    ASSERT_GE(m.size(), 5u);
    EXPECT_EQ(m[4], "A helyes laphívások:");
    EXPECT_EQ(Sorok(m.begin() + 5, m.end()), (Sorok{"Zöld Király", "Zöld Alsó"}))
        << "both overtake, so both are candidates of their own";
    a.jatekosok[0].hol[ZOLD][FELSO] = HOL_JATSZOTT + 2;
    // An already played card is never listed, even when it would be equal.
    a.jatekosok[0].hol[ZOLD][KIRALY] = HOL_JATSZOTT;
    elemzes_jelentes(a);
    EXPECT_EQ(Sorok(a.nezet.memo1.begin() + 5, a.nezet.memo1.end()), (Sorok{"Zöld Alsó"}));
}

TEST(Elemzes, DefenderInAMadeContractGetsNothingAfterTheVerdict) {
    Asztal a;
    felso_kiment(a);
    // Step back to seat 2 on turn in trick 1: a defender.
    teszt::leosztas(a,
                    "Zöld Király, Zöld Alsó, Piros Ász, Piros 10, Piros Király, Piros Felső, "
                    "Piros Alsó, Piros 9, Piros 8, Piros 7",
                    "Zöld 7, Zöld 9, Zöld 10, Zöld Ász, Tök Ász, Tök 10, Tök Király, Tök Felső, "
                    "Tök Alsó, Tök 9",
                    "Zöld Felső, Zöld 8, Makk Ász, Makk 10, Makk Király, Makk Felső, Makk Alsó, "
                    "Makk 9, Makk 8, Makk 7",
                    "Tök 8, Tök 7", TOK, 0);
    teszt::jatek(a, {L_PASSZ}, TOK, 0);
    teszt::kijatszasok(a, "Piros 7, Tök 9, Zöld Felső, Zöld 7");
    ASSERT_EQ(a.soron, 2);
    a.fazis = F_JATEK_GEP;
    elemzes_jelentes(a);
    const Sorok& m = a.nezet.memo1;
    ASSERT_EQ(m.size(), 4u);
    EXPECT_EQ(m[0], "Idő: 0");
    EXPECT_EQ(m[1], "A variációk száma:");
    EXPECT_EQ(m[3], "Teljesül a felvétel");
}

TEST(Elemzes, FailedContractForTheDeclarerAndForADefender) {
    Asztal a;
    bukott_betli(a);
    elemzes_jelentes(a);
    ASSERT_EQ(a.nezet.memo1.size(), 4u);
    EXPECT_EQ(a.nezet.memo1[3], "Bukik a felvétel");

    teszt::kijatszasok(a, "Piros 7");
    ASSERT_EQ(a.soron, 1);
    elemzes_jelentes(a);
    const Sorok& m = a.nezet.memo1;
    ASSERT_GE(m.size(), 5u);
    EXPECT_EQ(m[0], "Idő: 0");
    EXPECT_EQ(m[1], "A variációk száma:");
    EXPECT_EQ(m[3], "Bukik a felvétel");
    EXPECT_EQ(m[4], "A helyes laphívások:");
    // Every card of the defender keeps the Betli failed; runs of touching cards
    // are one candidate each, widened back to the whole hand.
    EXPECT_EQ(Sorok(m.begin() + 5, m.end()), kez_sorai(a, 1));
    EXPECT_LT(std::stoi(m[2]), 10) << "touching cards are searched once";
}

TEST(Elemzes, TheReportReplacesTheLogAndTheDealIsUnchanged) {
    Asztal a;
    felso_kiment(a);
    a.nezet.memo1 = {"Varko: Passz", ""};
    const Asztal elotte = a;
    elemzes_jelentes(a);
    EXPECT_EQ(a.nezet.memo1.front(), "Idő: 0");
    for (int s = 0; s < 3; ++s) {
        for (int k = 0; k < 10; ++k)
            EXPECT_EQ(a.jatekosok[s].lapok[k].kep, elotte.jatekosok[s].lapok[k].kep);
        for (int i = 0; i < 32; ++i)
            EXPECT_EQ(a.jatekosok[s].hol[i / 8][i % 8], elotte.jatekosok[s].hol[i / 8][i % 8]);
        EXPECT_EQ(a.jatekosok[s].felvevo_utes, elotte.jatekosok[s].felvevo_utes);
    }
    EXPECT_EQ(a.soron, elotte.soron);
    EXPECT_EQ(a.utes_szam, elotte.utes_szam);
    EXPECT_EQ(a.utes_lapszam, elotte.utes_lapszam);
    EXPECT_EQ(a.fazis, elotte.fazis);
}

TEST(Elemzes, OutsidePlayBothCommandsAreIgnored) {
    for (int32_t f : {F_NINCS_PARTI, F_LICIT_EMBER, F_ELSO_DOBAS, F_MASODIK_DOBAS, F_LICIT_GEP,
                      F_VEGE, F_PASSZ}) {
        Asztal a;
        felso_kiment(a);
        a.fazis = f;
        a.nezet.memo1 = {"marad"};
        elemzes_jelentes(a);
        variacio_jelentes(a);
        EXPECT_EQ(a.nezet.memo1, Sorok{"marad"}) << f;
    }
}

TEST(Variacio, FavourableDistributionsAreCountedAndTheCountWidened) {
    Asztal a;
    felso_kiment(a);
    variacio_jelentes(a);
    const Sorok& m = a.nezet.memo1;
    ASSERT_EQ(m.size(), 8u);
    EXPECT_EQ(m[0], "Idő: 0");
    EXPECT_EQ(m[1], "Az elosztások száma:");
    // Seat 0 has not seen 16 cards. Seat 2 showed it has no trump, so the five
    // unseen "Tök" are seat 1's; with its two played cards seat 1 needs 3 of 11.
    EXPECT_EQ(m[2], "165");
    EXPECT_EQ(m[3], "Teljesül a felvétel");
    EXPECT_EQ(m[4], "165 elosztásban");
    EXPECT_EQ(m[5], "A helyes laphívások:");
    EXPECT_EQ(m[6], "Zöld Király 165");
    EXPECT_EQ(m[7], "Zöld Alsó 165");
}

TEST(Variacio, NoFavourableDistributionWritesFourLinesOnly) {
    Asztal a;
    bukott_betli(a);
    // The declarer knows where all but four of the others' cards are: 6 distributions.
    Jatekos& d = a.jatekosok[0];
    int rejtett = 0;
    for (int s = 1; s < 3; ++s)
        for (int k = 0; k < 10; ++k) {
            const Kartyalap& c = a.jatekosok[s].lapok[k];
            d.hol[c.szin][c.ertek] = (k < 2) ? HOL_NEM_TUDOTT : s;
            rejtett += k < 2;
        }
    ASSERT_EQ(rejtett, 4);
    variacio_jelentes(a);
    EXPECT_EQ(a.nezet.memo1,
              (Sorok{"Idő: 0", "Az elosztások száma:", "6", "Bukik a felvétel"}));
}

TEST(Kinel, EachPressAppends99LinesAtAnyPhase) {
    Asztal a;
    felso_kiment(a);
    a.fazis = F_NINCS_PARTI;
    a.nezet.memo1 = {"Telmi: Passz"};
    kinel_jelentes(a);
    kinel_jelentes(a);
    const Sorok& m = a.nezet.memo1;
    ASSERT_EQ(m.size(), 1u + 198u);
    EXPECT_EQ(m[0], "Telmi: Passz");
    for (int press = 0; press < 2; ++press)
        for (int n = 0; n < 3; ++n) {
            const std::size_t base = 1 + 99 * press + 33 * n;
            EXPECT_EQ(m[base], std::to_string(n));
            for (int i = 0; i < 32; ++i)
                EXPECT_EQ(m[base + 1 + i], lap_nev(i / 8, i % 8) + " " +
                                               std::to_string(a.jatekosok[n].hol[i / 8][i % 8]));
        }
    // Spot checks of the codes: own card, talon as seen by the declarer, played.
    EXPECT_EQ(m[1 + 1 + 8 * ZOLD + KIRALY], "Zöld Király 0");
    EXPECT_EQ(m[1 + 1 + 8 * TOK + HETES], "Tök 7 -1");
    EXPECT_EQ(m[1 + 1 + 8 * PIROS + HETES], "Piros 7 -10");
    EXPECT_EQ(m[1 + 34 + 8 * MAKK + ASZ], "Makk Ász 6");
}

}  // namespace
