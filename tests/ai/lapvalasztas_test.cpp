#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "ai/lapvalasztas.h"
#include "analysis/szabalyok.h"
#include "model/asztal.h"
#include "support/jatszas.h"
#include "support/kezek.h"

namespace {

using teszt::slot;

// An end position: the seats still hold the named cards (the same number each); all
// other cards but the talon were played earlier. Every table knows its own cards and
// the played ones; the talon is out of play. Seat `soron` is on lead.
void vegallas(Asztal& a, const std::string& k0, const std::string& k1, const std::string& k2,
              std::initializer_list<int> flagek, int32_t adu, int32_t felvevo, int32_t soron,
              const std::string& talon = "") {
    teszt::vegallas(a, k0, k1, k2, talon, flagek, adu, felvevo, soron);
    a.fazis = F_JATEK_GEP;
    for (Jatekos& j : a.jatekosok) j.felvevo_utes = a.utes_szam;  // the declarer took them
}

// Seat `kinek` learns where the named cards of seat `kie` are.
void megmutat(Asztal& a, int32_t kinek, int32_t kie, const std::string& lista) {
    for (const Kartyalap& k : teszt::lapok(lista)) a.jatekosok[kinek].hol[k.szin][k.ertek] = kie;
}

int32_t valaszt(Asztal& a) {
    a.vizsgalt_utes = a.utes_szam;
    a.vizsgalt_lapszam = a.utes_lapszam;
    return lapvalasztas(a, a.jatekosok[a.soron]);
}

int32_t pont(const Asztal& a, const char* nev) { return a.jatekosok[a.soron].lap_pont[slot(a, a.soron, nev)]; }

void jatszik(Asztal& a, const char* nev) { ASSERT_TRUE(teszt::kijatszas(a, nev)) << nev; }

// --- The final choice ------------------------------------------------------------

TEST(Lapvalasztas, WithoutScoresTheLastLegalCardIsPlayed) {
    Asztal a;
    vegallas(a, "Makk Ász, Zöld Ász", "Piros 7, Tök 7", "Makk 7, Zöld 8", {L_SZINNELKULI_DURCHMARS},
             NINCS_ADU, 0, 0);
    jatszik(a, "Makk Ász");
    // Seat 1 knows every card: one distribution, and the declarer makes it there.
    megmutat(a, 1, 0, "Zöld Ász");
    megmutat(a, 1, 2, "Makk 7, Zöld 8");
    a.heuferli = 1;
    const int32_t j = valaszt(a);
    EXPECT_EQ(j, slot(a, 1, "Tök 7"));
    for (int32_t p : a.jatekosok[1].lap_pont) EXPECT_EQ(p, 0);
    EXPECT_EQ(a.heuferli, 0);
}

TEST(Lapvalasztas, TheSearchDecidesWhenItFinishesAndTheScoresWhenItDoesNot) {
    // Durchmars, two tricks left: the Ász must go first, and only when the two Makk
    // cards out are split. The scores prefer the 7 (the suit to lead, a small card).
    for (bool ido_lejar : {false, true}) {
        Asztal a;
        vegallas(a, "Makk Ász, Makk 7", "Makk 8, Zöld 7", "Makk 9, Zöld 8", {L_DURCHMARS}, TOK, 0, 0);
        a.emberek_szama = 1;
        if (ido_lejar) {
            auto n = std::make_shared<int64_t>(0);
            a.ora = [n] { return (*n)++ * 1000; };  // a second passes at every read
        }
        const int32_t j = valaszt(a);
        EXPECT_EQ(pont(a, "Makk Ász"), 3);
        EXPECT_EQ(pont(a, "Makk 7"), 4);
        EXPECT_EQ(a.jatekosok[0].hivo_szin, MAKK);
        EXPECT_EQ(a.heuferli, 0);
        EXPECT_EQ(j, slot(a, 0, ido_lejar ? "Makk 7" : "Makk Ász")) << ido_lejar;
    }
}

TEST(Lapvalasztas, LeadingIntoASureDurchmarsIsHeuferli) {
    Asztal a;
    vegallas(a, "Piros Ász, Makk Ász", "Piros 7, Zöld 7", "Piros 8, Tök 7", {L_PASSZ}, MAKK, 0, 0);
    const int32_t j = valaszt(a);
    EXPECT_EQ(a.heuferli, 1);
    // A winner and not the trump 7: two points each; the later one is played.
    EXPECT_EQ(pont(a, "Piros Ász"), 2);
    EXPECT_EQ(pont(a, "Makk Ász"), 2);
    EXPECT_EQ(j, slot(a, 0, "Makk Ász"));
    // The confidence of the bid is left alone.
    for (double x : a.jatekosok[0].adu_ertek) EXPECT_EQ(x, 0.0);
}

// --- The Ulti and Négy Ász rules --------------------------------------------------

TEST(Lapvalasztas, UltiGivesTheTrumpSevenOnePointLess) {
    struct Eset {
        const char *k0, *k1, *k2;
        std::vector<std::pair<const char*, int>> kulonbseg;  // Ulti minus party
    };
    const Eset esetek[] = {
        // Trick 8: one point for every card but the 7.
        {"Tök 7, Makk 9", "Makk Ász, Zöld 7", "Makk 10, Zöld 8", {{"Tök 7", 0}, {"Makk 9", 1}}},
        // Trick 7: a sure winner gets two more, a card of a suit still out nothing.
        {"Tök 7, Makk 9, Zöld Ász",
         "Makk Ász, Zöld 7, Piros 7",
         "Makk 10, Zöld 8, Piros 8",
         {{"Tök 7", 0}, {"Makk 9", 1}, {"Zöld Ász", 3}}},
    };
    for (const Eset& e : esetek) {
        int32_t pontok[2][10];
        for (int u = 0; u < 2; ++u) {
            Asztal a;
            vegallas(a, e.k0, e.k1, e.k2, {u ? L_ULTI : L_PASSZ}, TOK, 0, 0);
            valaszt(a);
            ASSERT_EQ(a.heuferli, 0);
            for (int i = 0; i < 10; ++i) pontok[u][i] = a.jatekosok[0].lap_pont[i];
        }
        Asztal a;
        vegallas(a, e.k0, e.k1, e.k2, {L_ULTI}, TOK, 0, 0);
        for (const auto& [nev, d] : e.kulonbseg) {
            const int32_t j = slot(a, 0, nev);
            EXPECT_EQ(pontok[1][j] - pontok[0][j], d) << nev;
        }
    }
}

TEST(Lapvalasztas, AgainstNegyAszADefenderLeadsSmallCardsAndTrumps) {
    Asztal a;
    vegallas(a, "Tök Ász, Makk 7, Zöld Ász", "Zöld 9, Tök 8, Makk Ász", "Makk 8, Zöld 10, Piros 7",
             {L_NEGY_ASZ}, TOK, 0, 1, "Piros 9, Piros 8");
    valaszt(a);
    const int32_t H = a.jatekosok[1].hivo_szin;
    // +1 unmarked small card, +10 against Négy Ász, +5 a trump while no Ász is won.
    EXPECT_EQ(pont(a, "Zöld 9"), 11 + (H == ZOLD ? 3 : 0));
    EXPECT_EQ(pont(a, "Tök 8"), 16);
    // The Ász itself gets nothing against Négy Ász.
    EXPECT_EQ(pont(a, "Makk Ász"), H == MAKK ? 3 : 0);
}

TEST(Lapvalasztas, AgainstNegyAszADefenderTakesTheDeclarersLeadWithItsAsz) {
    Asztal a;
    vegallas(a, "Tök Ász, Makk 7, Zöld Ász", "Makk Ász, Makk 8, Zöld 9", "Makk 9, Zöld 10, Piros 7",
             {L_NEGY_ASZ}, TOK, 0, 0, "Piros 9, Piros 8");
    jatszik(a, "Makk 7");
    valaszt(a);
    EXPECT_EQ(pont(a, "Makk Ász"), 10);
    // The Ász marked the suit: the 8 behind it gets nothing.
    EXPECT_EQ(pont(a, "Makk 8"), 0);
    // Once the defenders have an Ász the trump bonus stops.
    Asztal b;
    vegallas(b, "Tök Ász, Makk 7, Zöld Ász", "Zöld 9, Tök 8, Makk Ász", "Makk 8, Zöld 10, Piros 7",
             {L_NEGY_ASZ}, TOK, 0, 1, "Piros 9, Piros 8");
    b.jatekosok[1].ellen_asz = 1;
    valaszt(b);
    EXPECT_EQ(pont(b, "Tök 8"), 11);
}

// --- Betli --------------------------------------------------------------------------

TEST(Lapvalasztas, BetliDeclarerOpensWithOneCardOfItsChosenSuit) {
    Asztal a;
    teszt::leosztas(
        a, "Makk Ász, Makk 10, Makk 9, Zöld Király, Zöld 8, Tök Ász, Tök Alsó, Tök 7, Piros Felső, Piros 8",
        "Makk Király, Makk 7, Zöld Ász, Zöld 10, Zöld 9, Tök Király, Tök 9, Piros Ász, Piros 10, Piros 7",
        "Makk Felső, Makk Alsó, Makk 8, Zöld Felső, Zöld Alsó, Zöld 7, Tök 10, Tök Felső, Tök 8, Piros Király",
        "Piros 9, Piros Alsó", NINCS_ADU, 0);
    teszt::jatek(a, {L_BETLI}, NINCS_ADU, 0);
    a.jatekosok[0].betli_kezdo_szin = TOK;
    // The search of a whole Betli would take long: a clock that runs out at once.
    auto n = std::make_shared<int64_t>(0);
    a.ora = [n] { return (*n)++ * 1000; };
    valaszt(a);
    // The Tök Ász would win the trick; the Alsó is the first that can be beaten.
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(a.jatekosok[0].lap_pont[i], i == slot(a, 0, "Tök Alsó") ? 1 : 0) << i;
}

// --- The supporting operations -----------------------------------------------------

TEST(LapvalasztasSegedek, KnowledgeQueries) {
    Asztal a;
    vegallas(a, "Makk Ász, Makk 7, Zöld 8", "Makk 8, Zöld 7, Tök 9", "Makk Király, Zöld 9, Tök 7",
             {L_PASSZ}, TOK, 0, 0);
    const Jatekos& p = a.jatekosok[0];
    // Seat 0 does not know the others' cards: Makk 8 and Király are open (6).
    EXPECT_EQ(lehet_nala(p, 1, MAKK), 2);
    EXPECT_EQ(lehet_nala(p, 0, MAKK), 4);  // its own two and the two open ones
    a.jatekosok[0].hol[MAKK][KIRALY] = 2;
    EXPECT_EQ(lehet_nala(a.jatekosok[0], 1, MAKK), 1);
    EXPECT_EQ(lehet_nala(a.jatekosok[0], 2, MAKK), 2);
    // The Makk Ász is a winner only without live trumps; seat 0 sees two (Tök 9, 7).
    EXPECT_FALSE(nyero_lap(a, p, slot(a, 0, "Makk Ász")));
    a.jatekosok[0].hol[TOK][KILENCES] = -9;
    a.jatekosok[0].hol[TOK][HETES] = -8;
    EXPECT_TRUE(nyero_lap(a, p, slot(a, 0, "Makk Ász")));
    EXPECT_FALSE(nyero_lap(a, p, slot(a, 0, "Zöld 8")));  // Zöld 9 is still out
}

TEST(LapvalasztasSegedek, BetliCountsOwnCardsAboveTheLowestOneOut) {
    Asztal a;
    vegallas(a, "Makk Ász, Makk 10, Makk 8", "Makk 9, Zöld 7, Tök 9", "Makk Király, Zöld 9, Tök 7",
             {L_BETLI}, NINCS_ADU, 0, 0);
    const Jatekos& d = a.jatekosok[0];
    // Lowest Makk not his and still out: the 9. Above it he holds the 10 and the Ász.
    EXPECT_EQ(betli_alatta(a, d, MAKK), 2);
    // (7 - 2) * 3 + rank.
    EXPECT_EQ(betli_lap_pont(a, d, slot(a, 0, "Makk Ász")), 15 + ASZ);
    EXPECT_EQ(betli_lap_pont(a, d, slot(a, 0, "Makk 8")), 15 + NYOLCAS);
    // A suit with nothing of his above the lowest open card scores nothing.
    EXPECT_EQ(betli_alatta(a, d, ZOLD), 0);
    // A defender does not count its partner's cards as a danger.
    // Seat 1: the lowest open Makk is the 8, and its own 9 lies above it...
    const Jatekos& v = a.jatekosok[1];
    EXPECT_EQ(betli_alatta(a, v, MAKK), 1);
    // ... unless it knows the 8 is its partner's: then the 10 is the lowest danger.
    a.jatekosok[1].hol[MAKK][NYOLCAS] = 2;
    EXPECT_EQ(betli_alatta(a, v, MAKK), 0);
}

TEST(LapvalasztasSegedek, TheOtherSidesLeadsAndTheSuitToLead) {
    Asztal a;
    teszt::leosztas(
        a, "Makk Ász, Makk 10, Makk 9, Zöld Király, Zöld 8, Tök Ász, Tök Alsó, Tök 7, Piros Felső, Piros 8",
        "Makk Király, Makk 7, Zöld Ász, Zöld 10, Zöld 9, Tök Király, Tök 9, Piros Ász, Piros 10, Piros 7",
        "Makk Felső, Makk Alsó, Makk 8, Zöld Felső, Zöld Alsó, Zöld 7, Tök 10, Tök Felső, Tök 8, Piros Király",
        "Piros 9, Piros Alsó", TOK, 0);
    teszt::jatek(a, {L_PASSZ}, TOK, 0);
    EXPECT_EQ(ellenfel_szin(a, a.jatekosok[1]), -1);
    jatszik(a, "Makk 9");
    // The declarer's lead counts for the defenders as soon as it is down.
    EXPECT_EQ(ellenfel_szin(a, a.jatekosok[1]), MAKK);
    EXPECT_EQ(ellenfel_szin(a, a.jatekosok[0]), -1);
    // Seat 1 must overtake the 9: the next seat may still hold a higher Makk.
    EXPECT_TRUE(utheto(a, a.jatekosok[1]));
    jatszik(a, "Makk Király");
    jatszik(a, "Makk 8");
    // Seat 1 won and leads Zöld: a defender's lead, for the declarer.
    jatszik(a, "Zöld 9");
    EXPECT_EQ(ellenfel_szin(a, a.jatekosok[0]), ZOLD);
    // The declarer's suit to lead: the side suit the others can hold least of.
    const int32_t h = hivo_szin(a, a.jatekosok[0]);
    EXPECT_NE(h, TOK);
    EXPECT_GE(h, 0);
}

}  // namespace
