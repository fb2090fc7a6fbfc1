// Taking the talon, the discard search and the final bid; the computer's
// announcements and contras.

#include "ai/talon.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "ai/ertekeles.h"
#include "analysis/szabalyok.h"
#include "model/asztal.h"
#include "model/osztas.h"
#include "support/jatszas.h"
#include "support/kezek.h"

namespace {

using teszt::kijatszas;

int32_t hol(const Asztal& a, int32_t kie, const std::string& nev) {
    const Kartyalap k = teszt::lap(nev);
    return a.jatekosok[kie].hol[k.szin][k.ertek];
}

// Twelve cards with no suit longer than three, no 7 and three Ászok at most: no ten
// of them pass any test, so every discard bids the same and the penalty decides.
void semmi_leosztas(Asztal& a) {
    teszt::leosztas(a,
                    "Makk Király, Makk Alsó, Makk 8, Zöld Király, Zöld Alsó, Zöld 8, Tök Király, "
                    "Tök Alsó, Tök 8, Piros Alsó",
                    "Makk Ász, Makk 10, Makk Felső, Makk 9, Zöld Ász, Zöld 10, Zöld Felső, Zöld 9, "
                    "Tök Ász, Tök 10",
                    "Tök Felső, Tök 9, Tök 7, Makk 7, Zöld 7, Piros Ász, Piros 10, Piros Felső, "
                    "Piros 9, Piros 7",
                    "Piros Király, Piros 8", MAKK, 0);
}

TEST(Talon, EqualBidsLayDownTheSmallestPenaltyThenTheEarliestPair) {
    Asztal a;
    semmi_leosztas(a);
    const Licit l = talonfelvetel(a, 0);
    EXPECT_EQ(l, passz_licit());
    EXPECT_EQ(a.adu, 0);
    EXPECT_DOUBLE_EQ(a.licit_ertek, 0.1);
    // Two Alsók of plain suits cost 22, the least; Tök (slot 2) and Zöld (slot 5)
    // come before Makk (slot 8).
    EXPECT_EQ(lap_nev(a.talon[0]), "Tök Alsó");
    EXPECT_EQ(lap_nev(a.talon[1]), "Zöld Alsó");
    // The taker's table follows the cards.
    EXPECT_EQ(hol(a, 0, "Tök Alsó"), HOL_TALON);
    EXPECT_EQ(hol(a, 0, "Piros Király"), 0);
    EXPECT_EQ(hol(a, 0, "Piros 8"), 0);
}

// Puts the cards of positions i and j into the talon as the search does.
void par(Asztal& a, int32_t i, int32_t j) {
    Jatekos& P = a.jatekosok[0];
    auto csere = [&](int32_t slot, int32_t tk) {
        std::swap(P.lapok[slot], a.talon[tk]);
        P.hol[P.lapok[slot].szin][P.lapok[slot].ertek] = 0;
        P.hol[a.talon[tk].szin][a.talon[tk].ertek] = HOL_TALON;
    };
    if (i < 10) csere(i, j == 10 ? 1 : 0);
    if (j < 10) csere(j, 1);
}

struct Buntetes {
    const char* nev;
    int32_t i, j;
    int32_t licitek_szama;
    bool jatek;  // B is a real game, not a pass
    int32_t adu;
    int32_t vart;
};

class BuntetesTest : public ::testing::TestWithParam<Buntetes> {};

TEST_P(BuntetesTest, Penalty) {
    const Buntetes& b = GetParam();
    Asztal a;
    semmi_leosztas(a);
    for (const Kartyalap& k : a.talon) a.jatekosok[0].hol[k.szin][k.ertek] = HOL_TALON;
    a.licitek_szama = b.licitek_szama;
    a.adu = b.adu;
    par(a, b.i, b.j);
    Licit B = passz_licit();
    if (b.jatek) {
        B.passz = 0;
        B.ulti = 1;
    }
    EXPECT_EQ(eldobasi_buntetes(a, a.jatekosok[0], b.i, b.j, B), b.vart);
}

// Hand slots: 0 Piros Alsó, 1 Tök Király, 2 Tök Alsó, 3 Tök 8, 4 Zöld Király,
// 5 Zöld Alsó, 6 Zöld 8, 7 Makk Király, 8 Makk Alsó, 9 Makk 8; talon Piros Király, 8.
INSTANTIATE_TEST_SUITE_P(
    Talon, BuntetesTest,
    ::testing::Values(
        // Alsó 1 + short suit 4 + no 7 4 + no Ász 2, twice.
        Buntetes{"TwoAlsok", 2, 5, 0, false, MAKK, 22},
        // One suit: the first card 1 + 6 + 4 + 2, the second 3 + 4 + 2 + 2 (short).
        Buntetes{"OneSuit", 2, 3, 0, false, MAKK, 13 + 11},
        // A Király without its Felső and without company: 5 + 4 + 1 + 1 + 4 + 2.
        Buntetes{"King", 1, 5, 0, false, MAKK, 17 + 11},
        // The talon given back: Piros Király 5+6+1+1+4+2+5, Piros 8 3+4+2+2+5.
        Buntetes{"TalonBackOpening", 10, 11, 0, false, MAKK, 24 + 16},
        Buntetes{"TalonBackLater", 10, 11, 1, false, MAKK, 24 + 16 - 10},
        // Talon card 1 with a hand card earns -5, talon card 0 with a hand card nothing.
        // (Tök Alsó 11; Piros 8 beside the Piros Király and Alsó 3+4+4+2+5; the Piros
        // Király beside the Alsó and the 8 5+4+1+1+4+2+5.)
        Buntetes{"TalonOneLater", 2, 11, 1, false, MAKK, 11 + 18 - 5},
        Buntetes{"TalonOneOpening", 2, 11, 0, false, MAKK, 11 + 18},
        Buntetes{"TalonZeroLater", 2, 10, 1, false, MAKK, 22 + 11},
        // A trump under a real game costs 20 more per card.
        Buntetes{"TrumpUnderAGame", 2, 5, 0, true, TOK, 22 + 20},
        Buntetes{"TrumpUnderAPass", 2, 5, 0, false, TOK, 22}),
    [](const auto& i) { return std::string(i.param.nev); });

TEST(Talon, TakingTheTalonMovesTheKnowledgeToTheTaker) {
    Asztal a;
    semmi_leosztas(a);
    // Seat 0 opened and still holds the talon in its own view; seat 1 takes it.
    a.licitek[0] = passz_licit();
    a.licitek_szama = 1;
    a.licit_ertek = 0.1;
    a.jatekosok[0].hol[PIROS][KIRALY] = HOL_TALON;
    a.soron = 1;
    talonfelvetel(a, 1);
    EXPECT_EQ(a.felvevo, 1);
    EXPECT_EQ(a.jatekosok[0].talonnal, 0);
    EXPECT_EQ(a.jatekosok[1].talonnal, 1);
    EXPECT_EQ(a.jatekosok[2].talonnal, 0);
    for (const Kartyalap& k : a.talon) {
        EXPECT_EQ(a.jatekosok[1].hol[k.szin][k.ertek], HOL_TALON) << lap_nev(k);
        EXPECT_EQ(a.jatekosok[0].hol[k.szin][k.ertek], HOL_NEM_TUDOTT) << lap_nev(k);
    }
}

TEST(Talon, APartyWithUltiIsStoredWithoutItsPasszFlag) {
    Asztal a;
    teszt::leosztas(a,
                    "Makk Ász, Makk Király, Makk 8, Makk 7, Zöld Ász, Zöld 10, Zöld Király, "
                    "Zöld Felső, Tök Ász, Tök 10",
                    "Makk 10, Makk Felső, Makk Alsó, Makk 9, Zöld Alsó, Zöld 9, Zöld 8, Zöld 7, "
                    "Piros Ász, Tök Király",
                    "Tök Felső, Tök Alsó, Tök 9, Tök 8, Piros 10, Piros Király, Piros Felső, "
                    "Piros Alsó, Piros 9, Piros 8",
                    "Tök 7, Piros 7", MAKK, 0);
    const Licit l = talonfelvetel(a, 0);
    // The evaluation of the kept cards says party, Ulti and Négy Ász in Makk ...
    Asztal b = a;
    b.licit_ertek = 0;
    Licit B = licit_valasztas(b, b.jatekosok[0]);
    ASSERT_TRUE(B.passz);
    ASSERT_TRUE(B.ulti);
    // ... and the bid keeps everything but the passz flag, at the same value.
    EXPECT_FALSE(l.passz);
    B.passz = 0;
    EXPECT_EQ(l, B);
    EXPECT_TRUE(van_parti(l));
    EXPECT_DOUBLE_EQ(licit_erteke(l), 8.1);
    EXPECT_EQ(a.jatek, l);
    EXPECT_DOUBLE_EQ(a.licit_ertek, 8.1);
    EXPECT_EQ(a.adu, MAKK);
    EXPECT_EQ(a.gep_adu, MAKK);
}

// The bidder who has taken the talon must not come back with the pass record: its
// ten cards were judged worth 40-100, and the Zöld 10 in the talon spoils every
// discard of the twelve. It keeps its ten cards and bids the 40-100.
TEST(Talon, ALaterBidderNeverFallsBelowItsTenCardBid) {
    Asztal a;
    teszt::leosztas(a,
                    "Piros Király, Piros 8, Tök Ász, Tök 10, Tök 9, Zöld Ász, Zöld Alsó, Zöld 8, "
                    "Makk Alsó, Makk 9",
                    "Piros Alsó, Piros 7, Tök Király, Tök Felső, Zöld Király, Zöld Felső, Zöld 9, "
                    "Zöld 7, Makk Ász, Makk 7",
                    "Piros Ász, Piros 10, Piros Felső, Piros 9, Tök Alsó, Tök 8, Makk 10, "
                    "Makk Király, Makk Felső, Makk 8",
                    "Tök 7, Zöld 10", MAKK, 1);
    a.licitek[0] = passz_licit();
    a.licitek_szama = 1;
    a.licit_ertek = 0.1;
    a.soron = 2;
    Asztal b = a;
    const Licit tiz = licit_valasztas(b, b.jatekosok[2]);
    ASSERT_TRUE(tiz.negyven_szaz);
    ASSERT_GT(licit_erteke(tiz), 0.1);

    const Licit l = talonfelvetel(a, 2);
    EXPECT_EQ(l, tiz);
    EXPECT_DOUBLE_EQ(a.licit_ertek, 4.0);
    EXPECT_EQ(a.adu, MAKK);
    EXPECT_EQ(a.gep_adu, MAKK);
    EXPECT_EQ(lap_nev(a.talon[0]), "Tök 7");
    EXPECT_EQ(lap_nev(a.talon[1]), "Zöld 10");
    EXPECT_EQ(a.felvevo, 2);
    EXPECT_EQ(hol(a, 2, "Zöld 10"), HOL_TALON);
}

// Over many seeded deals the opening computer always takes the talon and leaves a
// consistent table: the same twelve cards, the table following them, the bid fixed.
TEST(Talon, SeededDealsLeaveAConsistentBid) {
    Asztal a;
    asztal_indulas(a, 99);
    for (int d = 0; d < 60; ++d) {
        a.adu = 0;
        kevert_osztas(a);
        parti_alaphelyzet(a);
        const int32_t taker = a.soron;
        Jatekos& P = a.jatekosok[taker];
        std::vector<int> elotte;
        for (int i = 0; i < 10; ++i) elotte.push_back(P.lapok[i].kep);
        for (const Kartyalap& k : a.talon) elotte.push_back(k.kep);
        std::sort(elotte.begin(), elotte.end());

        const Licit l = talonfelvetel(a, taker);

        std::vector<int> utana;
        for (int i = 0; i < 10; ++i) {
            utana.push_back(P.lapok[i].kep);
            EXPECT_EQ(P.hol[P.lapok[i].szin][P.lapok[i].ertek], taker);
        }
        for (const Kartyalap& k : a.talon) {
            utana.push_back(k.kep);
            EXPECT_EQ(P.hol[k.szin][k.ertek], HOL_TALON);
        }
        std::sort(utana.begin(), utana.end());
        EXPECT_EQ(elotte, utana) << "deal " << d;
        EXPECT_EQ(a.jatek, l);
        EXPECT_DOUBLE_EQ(a.licit_ertek, licit_erteke(l));
        EXPECT_GE(licit_erteke(l), 0.1);
        EXPECT_EQ(a.gep_adu, a.adu);
        EXPECT_EQ(a.felvevo, taker);
        EXPECT_EQ(P.talonnal, 1);
        if (licit_erteke(l) > 0.2) {
            EXPECT_FALSE(l.passz) << "deal " << d;
        }
        if (licit_erteke(l) == 0.1) {
            EXPECT_EQ(a.adu, 0) << "deal " << d;
        }
        if (l.piros) {
            EXPECT_EQ(a.adu, PIROS) << "deal " << d;
        }
        if (szinnelkuli(l)) {
            EXPECT_EQ(a.adu, NINCS_ADU) << "deal " << d;
        }
    }
}

// --- Announcements and contras ------------------------------------------------

// Seat 0 declares; seat 1 holds the Makk Király alone in trumps, no Piros; seat 2
// three small trumps, no Zöld, the Piros Király and Felső.
void kontra_leosztas(Asztal& a) {
    teszt::leosztas(a,
                    "Makk Ász, Makk 10, Makk Felső, Makk 7, Zöld Ász, Zöld 7, Tök Ász, Tök 7, "
                    "Piros 7, Piros 8",
                    "Makk Király, Zöld 10, Zöld Király, Zöld Felső, Zöld Alsó, Zöld 9, Zöld 8, "
                    "Tök 10, Tök Király, Tök Felső",
                    "Makk Alsó, Makk 9, Makk 8, Tök Alsó, Tök 9, Tök 8, Piros Ász, Piros 10, "
                    "Piros Király, Piros Felső",
                    "Piros Alsó, Piros 9", MAKK, 0);
}

struct Kontra {
    const char* nev;
    std::vector<int> jatek;
    int32_t adu;
    const char* lapok;    // the cards before the judging seat's, from the declarer's lead
    const char* sajat;    // the judging seat's own card (sets the trick's winner)
    int flag;             // the contra looked at
    bool f1_adott;        // the first defender has already given it
    int32_t d_bemondott;  // the declarer's announced melds
    bool vart;
};

class KontraTest : public ::testing::TestWithParam<Kontra> {};

TEST_P(KontraTest, Contra) {
    const Kontra& k = GetParam();
    Asztal a;
    kontra_leosztas(a);
    teszt::jatek(a, {}, k.adu, 0);
    for (int f : k.jatek) a.jatek[f] = 1;
    a.jatekosok[0].bemondott = k.d_bemondott;
    teszt::kijatszasok(a, k.lapok);
    const int32_t seat = a.soron;
    if (k.f1_adott) a.jatekosok[1].kontra[k.flag] = 1;
    a.vizsgalt_utes = a.utes_szam;
    a.vizsgalt_lapszam = a.utes_lapszam;
    ASSERT_TRUE(szabalyos_lap(a, a.jatekosok[seat], teszt::slot(a, seat, k.sajat)));
    bemondas_es_kontra(a, seat);
    EXPECT_EQ(a.jatekosok[seat].kontra[k.flag] != 0, k.vart);
}

INSTANTIATE_TEST_SUITE_P(
    Talon, KontraTest,
    ::testing::Values(
        // 40-100: seat 1 holds the trump Király.
        Kontra{"FortyKingHeld",
               {L_NEGYVEN_SZAZ},
               MAKK,
               "Piros 7",
               "Makk Király",
               L_NEGYVEN_SZAZ,
               false,
               0,
               true},
        // Seat 2 sees the Király played by seat 1 (away from the declarer)...
        Kontra{"FortyKingPlayed",
               {L_NEGYVEN_SZAZ},
               MAKK,
               "Piros 7, Makk Király",
               "Piros Ász",
               L_NEGYVEN_SZAZ,
               false,
               0,
               true},
        // ... but not when seat 1 has given that contra already.
        Kontra{"FortyAfterPartner",
               {L_NEGYVEN_SZAZ},
               MAKK,
               "Piros 7, Makk Király",
               "Piros Ász",
               L_NEGYVEN_SZAZ,
               true,
               0,
               false},
        // Seat 2 cannot place the Király after a Zöld lead: no contra.
        Kontra{"FortyKingUnknown",
               {L_NEGYVEN_SZAZ},
               MAKK,
               "Zöld 7, Zöld 8",
               "Makk 8",
               L_NEGYVEN_SZAZ,
               false,
               0,
               false},
        // Betli: a void gives the contra even after the partner's.
        Kontra{
            "BetliVoid", {L_BETLI}, NINCS_ADU, "Zöld 7, Zöld 8", "Tök 8", L_BETLI, true, 0, true},
        Kontra{
            "BetliVoidFirst", {L_BETLI}, NINCS_ADU, "Piros 7", "Zöld 8", L_BETLI, false, 0, true},
        // The computer never doubles a Rebetli, void or not.
        Kontra{
            "RebetliVoid", {L_REBETLI}, NINCS_ADU, "Tök 7", "Tök 10", L_REBETLI, false, 0, false},
        // Durchmars: the declarer's own trump Ász is never away.
        Kontra{"DurchmarsAceWithDeclarer",
               {L_DURCHMARS},
               MAKK,
               "Piros 7",
               "Makk Király",
               L_DURCHMARS,
               false,
               0,
               false},
        // Ulti: three trumps and four of the led Piros, strength 3.5.
        Kontra{"UltiLong",
               {L_ULTI},
               MAKK,
               "Piros 7, Makk Király",
               "Piros Ász",
               L_ULTI,
               false,
               0,
               true},
        // After a Zöld lead seat 2 holds none of the led suit: 3 + 0 is not enough.
        Kontra{
            "UltiShortInLed", {L_ULTI}, MAKK, "Zöld 7, Zöld 8", "Makk 8", L_ULTI, false, 0, false},
        // Party, second card: seat 1 announces two twenties (4) and has strength 3.5:
        // (4 - declarer's) / 2 + 3.5 against 3, or 4 with Négy Ász in the contract.
        Kontra{"Party", {L_PASSZ}, MAKK, "Piros 7", "Makk Király", L_PASSZ, false, 0, true},
        Kontra{"PartyAgainstForty",
               {L_PASSZ},
               MAKK,
               "Piros 7",
               "Makk Király",
               L_PASSZ,
               false,
               4,
               true},
        Kontra{"PartyAgainstFortyTwenty",
               {L_PASSZ},
               MAKK,
               "Piros 7",
               "Makk Király",
               L_PASSZ,
               false,
               6,
               false},
        Kontra{
            "PartyFourAces", {L_NEGY_ASZ}, MAKK, "Piros 7", "Makk Király", L_PASSZ, false, 2, true},
        Kontra{"PartyFourAcesAgainstForty",
               {L_NEGY_ASZ},
               MAKK,
               "Piros 7",
               "Makk Király",
               L_PASSZ,
               false,
               4,
               false},
        Kontra{"PartyAfterPartner",
               {L_PASSZ},
               MAKK,
               "Piros 7, Makk Király",
               "Piros Ász",
               L_PASSZ,
               true,
               0,
               false},
        // Négy Ász: seat 2 has three trumps and a void.
        Kontra{"FourAcesVoid",
               {L_NEGY_ASZ},
               MAKK,
               "Piros 7, Makk Király",
               "Piros Ász",
               L_NEGY_ASZ,
               false,
               0,
               true},
        // Seat 1, a single trump and no void: no reason.
        Kontra{"FourAcesNoReason",
               {L_NEGY_ASZ},
               MAKK,
               "Zöld 7",
               "Zöld 8",
               L_NEGY_ASZ,
               false,
               0,
               false},
        // The declarer led the Tök Ász and seat 1 could not beat it ...
        Kontra{"FourAcesLedAceHolds",
               {L_NEGY_ASZ},
               MAKK,
               "Tök Ász",
               "Tök Felső",
               L_NEGY_ASZ,
               false,
               0,
               false},
        // Seat 2 trumps the declarer's led Zöld Ász.
        Kontra{"FourAcesLedAceTrumped",
               {L_NEGY_ASZ},
               MAKK,
               "Zöld Ász, Zöld 8",
               "Makk 8",
               L_NEGY_ASZ,
               false,
               0,
               true}),
    [](const auto& i) { return std::string(i.param.nev); });

TEST(Talon, TheDeclarerAnnouncesButNeverDoubles) {
    Asztal a;
    kontra_leosztas(a);
    teszt::jatek(a, {L_PASSZ}, PIROS, 2);
    // Seat 2 declares in Piros with the Király and Felső: a forty, no twenty.
    a.vizsgalt_utes = a.vizsgalt_lapszam = 0;
    bemondas_es_kontra(a, 2);
    const Jatekos& d = a.jatekosok[2];
    EXPECT_EQ(d.negyven, 1);
    EXPECT_EQ(d.husz_db, 0);
    EXPECT_EQ(d.bemondott, 4);
    EXPECT_EQ(d.kontra, Licit{});
}

TEST(Talon, TwentiesCountPerSideSuitOnlyInAPartyGame) {
    Asztal a;
    kontra_leosztas(a);
    teszt::jatek(a, {L_PASSZ}, MAKK, 0);
    kijatszas(a, "Piros 7");
    kijatszas(a, "Makk Király");
    bemondas_es_kontra(a, 2);
    EXPECT_EQ(a.jatekosok[2].negyven, 0);
    EXPECT_EQ(a.jatekosok[2].husz_db, 1);  // the Piros pair
    EXPECT_EQ(a.jatekosok[2].bemondott, 2);
    // Seat 1's Zöld and Tök pairs, but no announcements under a 40-100.
    Asztal b;
    kontra_leosztas(b);
    teszt::jatek(b, {L_NEGYVEN_SZAZ}, MAKK, 0);
    kijatszas(b, "Piros 7");
    bemondas_es_kontra(b, 1);
    EXPECT_EQ(b.jatekosok[1].husz_db, 0);
    EXPECT_EQ(b.jatekosok[1].bemondott, 0);
}

}  // namespace
