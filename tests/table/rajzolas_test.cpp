#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/asztal.h"
#include "model/osztas.h"
#include "support/kezek.h"
#include "support/szkript_felulet.h"
#include "table/folyam.h"
#include "table/rajzolas.h"

namespace {

const char* const KEZ0 =
    "Piros Ász, Piros 10, Piros Király, Piros Felső, Piros Alsó, Piros 9, Piros 8, Piros 7, "
    "Tök Ász, Tök 10";
const char* const KEZ1 =
    "Tök Király, Tök Felső, Tök Alsó, Tök 9, Tök 8, Tök 7, Zöld Ász, Zöld 10, Zöld Király, "
    "Zöld Felső";
const char* const KEZ2 =
    "Zöld Alsó, Zöld 9, Zöld 8, Zöld 7, Makk Ász, Makk 10, Makk Király, Makk Felső, Makk Alsó, "
    "Makk 9";
const char* const TALON = "Makk 8, Makk 7";

int kep(const std::string& nev) { return teszt::lap(nev).kep; }

// A deal in play with seat 0 as the only human, seen from the bottom.
void jatekban(Asztal& a, int32_t hivo) {
    teszt::leosztas(a, KEZ0, KEZ1, KEZ2, TALON, 0, hivo);
    ablak_indulas(a);
    a.emberek_szama = 1;
    a.ember_helye = 0;
    a.fazis = F_JATEK_GEP;
    a.utes_nyero[0][0] = hivo;
}

// Records one card as the flow does, draws the table, then advances the turn.
// `nyero` is the winner when the card completes a trick.
void kijatszik(Asztal& a, int32_t seat, const std::string& nev, int32_t nyero = -1) {
    const int32_t t = a.utes_szam, p = a.utes_lapszam;
    const int32_t slot = teszt::slot(a, seat, nev);
    ASSERT_GE(slot, 0) << nev;
    if (p == 0) a.utes_nyero[t][0] = seat;
    a.utes_lapok[t][p] = UtesLap{seat, slot};
    const Kartyalap& k = a.jatekosok[seat].lapok[slot];
    for (Jatekos& j : a.jatekosok) j.hol[k.szin][k.ertek] = HOL_JATSZOTT + seat;
    asztal_rajzolas(a);
    if (p < 2) {
        a.utes_lapszam = p + 1;
    } else {
        a.utes_lapszam = 0;
        a.utes_szam = t + 1;
        a.utes_nyero[t][2] = nyero;
        if (t < 9) a.utes_nyero[t + 1][0] = nyero;
    }
}

std::vector<int> lathato_kepek(const Asztal& a, int elso, int utolso) {
    std::vector<int> v;
    for (int k = elso; k <= utolso; ++k)
        if (a.nezet.image[k].lathato) v.push_back(k);
    return v;
}

// The visible positions of the bottom row (Image11 and Image12 are the talon).
std::vector<int> kez_lathato(const Asztal& a) {
    std::vector<int> v;
    for (int k : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 13, 14})
        if (a.nezet.image[k].lathato) v.push_back(k);
    return v;
}

// --- Cards held while a trick is under way -----------------------------------

struct TartottEset {
    int32_t fazis, utes, lapszam, hivo;
    int32_t vart[3];
};

TEST(KezbenTartott, PerSeatDuringATrick) {
    const TartottEset esetek[] = {
        {F_NINCS_PARTI, 4, 1, 2, {10, 10, 10}},  // no deal: everyone shows ten
        {F_JATEK_GEP, 0, 0, 1, {10, 9, 10}},     // right seat led the first trick
        {F_JATEK_EMBER, 0, 1, 1, {10, 9, 9}},    // and the left seat followed
        {F_JATEK_GEP, 0, 2, 1, {9, 9, 9}},
        {F_JATEK_GEP, 3, 1, 2, {6, 7, 6}},       // fourth trick, two cards down
        {F_VEGE, 9, 2, 0, {0, 0, 0}},            // the last card of the deal
        {F_JATEK_GEP, 10, 0, 0, {0, 0, 0}},      // past the last trick: nothing held
    };
    for (const TartottEset& e : esetek) {
        Asztal a;
        asztal_indulas(a, 1);
        a.fazis = e.fazis;
        a.utes_szam = e.utes;
        a.utes_lapszam = e.lapszam;
        a.utes_nyero[std::min(e.utes, 9)][0] = e.hivo;
        for (int s = 0; s < 3; ++s)
            EXPECT_EQ(kezben_tartott(a, s), e.vart[s])
                << "trick " << e.utes << " position " << e.lapszam << " seat " << s;
    }
}

// --- The trick and the opponents' hands ---------------------------------------

TEST(AsztalRajzolas, RightSeatLeadsTheFirstTrick) {
    Asztal a;
    jatekban(a, 1);
    kijatszik(a, 1, "Zöld Ász");
    EXPECT_EQ(lathato_kepek(a, 15, 17), std::vector<int>{16});
    EXPECT_EQ(a.nezet.image[16].kep, kep("Zöld Ász"));
    // The right seat holds nine: its diagonal loses the picture at the far end.
    EXPECT_FALSE(a.nezet.image[18].lathato);
    EXPECT_EQ(lathato_kepek(a, 19, 27).size(), 9u);
    EXPECT_EQ(lathato_kepek(a, 28, 37).size(), 10u);
    for (int k = 19; k <= 37; ++k) EXPECT_EQ(a.nezet.image[k].kep, HATLAP) << k;
    EXPECT_EQ(a.nezet.memo2, "Telmi");
    EXPECT_EQ(a.nezet.memo3, "Varko");
    EXPECT_EQ(a.nezet.memo4, "Rido");

    // The left seat follows: its card at Image17, one back fewer on the left.
    kijatszik(a, 2, "Zöld 7");
    EXPECT_EQ(lathato_kepek(a, 15, 17), (std::vector<int>{16, 17}));
    EXPECT_EQ(a.nezet.image[17].kep, kep("Zöld 7"));
    EXPECT_FALSE(a.nezet.image[28].lathato);
    EXPECT_EQ(lathato_kepek(a, 29, 37).size(), 9u);

    kijatszik(a, 0, "Piros 7", 1);
    EXPECT_EQ(lathato_kepek(a, 15, 17), (std::vector<int>{15, 16, 17}));
    EXPECT_EQ(a.nezet.image[15].kep, kep("Piros 7"));

    // The next trick's lead clears the two other trick pictures.
    kijatszik(a, 1, "Zöld 10");
    EXPECT_EQ(lathato_kepek(a, 15, 17), std::vector<int>{16});
    EXPECT_EQ(lathato_kepek(a, 18, 27).size(), 8u);
    EXPECT_FALSE(a.nezet.image[19].lathato);
    EXPECT_EQ(lathato_kepek(a, 28, 37).size(), 9u);
}

TEST(AsztalRajzolas, NamesAreWrittenOnlyAtTheLead) {
    Asztal a;
    jatekban(a, 0);
    kijatszik(a, 0, "Piros Ász");
    a.nezet.memo3 = "Varko: Kontra Parti";
    kijatszik(a, 1, "Tök 7");
    EXPECT_EQ(a.nezet.memo3, "Varko: Kontra Parti");
}

TEST(AsztalRajzolas, NoDealShowsTwentyBacks) {
    Asztal a;
    jatekban(a, 0);
    for (int k = 18; k <= 37; ++k) a.nezet.image[k] = KepNezet{false, 5};
    a.fazis = F_NINCS_PARTI;
    asztal_rajzolas(a);
    for (int k = 18; k <= 37; ++k) {
        EXPECT_TRUE(a.nezet.image[k].lathato) << k;
        EXPECT_EQ(a.nezet.image[k].kep, HATLAP) << k;
    }
}

// The opponents' held cards in the order of their sorted hands.
std::vector<int> tartott_kepek(Asztal& a, int32_t seat) {
    std::vector<int> v;
    const int32_t n = kezben_levo(a, seat);
    for (int i = 0; i < n; ++i) v.push_back(a.jatekosok[seat].lapok[a.kezben[i]].kep);
    return v;
}

void elso_utes_es_masodik_hivas(Asztal& a) {
    kijatszik(a, 0, "Piros 7");
    kijatszik(a, 1, "Tök 7");
    kijatszik(a, 2, "Makk 9", 0);
    kijatszik(a, 0, "Piros 8");
}

TEST(AsztalRajzolas, OpenContractShowsBothHandsFromTheSecondTrick) {
    Asztal a;
    jatekban(a, 0);
    a.jatek.teritett_betli = 1;
    a.adu = NINCS_ADU;
    kijatszik(a, 0, "Piros 7");
    kijatszik(a, 1, "Tök 7");
    kijatszik(a, 2, "Makk 9", 0);
    // The first trick shows backs only.
    for (int k = 18; k <= 37; ++k)
        if (a.nezet.image[k].lathato) {
            EXPECT_EQ(a.nezet.image[k].kep, HATLAP) << k;
        }

    kijatszik(a, 0, "Piros 8");
    const std::vector<int> jobb = tartott_kepek(a, 1), bal = tartott_kepek(a, 2);
    ASSERT_EQ(jobb.size(), 9u);
    ASSERT_EQ(bal.size(), 9u);
    for (int j = 0; j < 9; ++j) {
        EXPECT_TRUE(a.nezet.image[27 - j].lathato);
        EXPECT_EQ(a.nezet.image[27 - j].kep, jobb[j]) << "right, picture " << 27 - j;
        EXPECT_TRUE(a.nezet.image[37 - j].lathato);
        EXPECT_EQ(a.nezet.image[37 - j].kep, bal[j]) << "left, picture " << 37 - j;
    }
    EXPECT_EQ(a.nezet.image[27].kep, kep("Tök Király"));
    EXPECT_FALSE(a.nezet.image[18].lathato);
    EXPECT_FALSE(a.nezet.image[28].lathato);

    // The right seat plays from its open hand: its row closes up, one shorter.
    kijatszik(a, 1, "Tök Király");
    EXPECT_EQ(a.nezet.image[27].kep, kep("Tök Felső"));
    EXPECT_FALSE(a.nezet.image[19].lathato);
    EXPECT_EQ(lathato_kepek(a, 18, 27).size(), 8u);
}

TEST(AsztalRajzolas, ClosedContractKeepsBacksAtTheSecondTrick) {
    Asztal a;
    jatekban(a, 0);
    a.jatek.betli = 1;
    elso_utes_es_masodik_hivas(a);
    for (int k = 18; k <= 37; ++k)
        if (a.nezet.image[k].lathato) {
            EXPECT_EQ(a.nezet.image[k].kep, HATLAP) << k;
        }
}

TEST(AsztalRajzolas, TwoHumansDrawNeitherTrickNorNames) {
    Asztal a;
    jatekban(a, 0);
    a.emberek_szama = 2;
    for (int k = 15; k <= 37; ++k) a.nezet.image[k] = KepNezet{true, 7};
    a.nezet.memo2 = a.nezet.memo3 = a.nezet.memo4 = "x";
    kijatszik(a, 0, "Piros Ász");
    kijatszik(a, 1, "Tök 7");
    for (int k = 15; k <= 37; ++k) {
        EXPECT_TRUE(a.nezet.image[k].lathato) << k;
        EXPECT_EQ(a.nezet.image[k].kep, 7) << k;
    }
    EXPECT_EQ(a.nezet.memo2 + a.nezet.memo3 + a.nezet.memo4, "xxx");
}

// With no human the bottom is the player of the last card; with three humans the
// player after him. The earlier cards of the trick follow round the table.
struct ForgoEset {
    int32_t emberek;
    const char* also;
    int32_t friss, elozo, ket_elozo;  // pictures of the last card and the two before
};

TEST(AsztalRajzolas, ViewTurnsWithThePlayerWithoutOneHuman) {
    const ForgoEset esetek[] = {{0, "Rido", 15, 17, 16}, {3, "Telmi", 17, 16, 15}};
    for (const ForgoEset& e : esetek) {
        Asztal a;
        jatekban(a, 0);
        a.emberek_szama = e.emberek;
        kijatszik(a, 0, "Piros Ász");
        EXPECT_EQ(lathato_kepek(a, 15, 17), std::vector<int>{e.friss}) << e.emberek;
        kijatszik(a, 1, "Tök 7");
        EXPECT_EQ(a.nezet.image[e.friss].kep, kep("Tök 7"));
        EXPECT_EQ(a.nezet.image[e.elozo].kep, kep("Piros Ász"));
        EXPECT_FALSE(a.nezet.image[e.ket_elozo].lathato);
        kijatszik(a, 2, "Makk 9", 0);
        EXPECT_EQ(a.nezet.image[e.friss].kep, kep("Makk 9"));
        EXPECT_EQ(a.nezet.image[e.elozo].kep, kep("Tök 7"));
        EXPECT_EQ(a.nezet.image[e.ket_elozo].kep, kep("Piros Ász"));
        EXPECT_EQ(a.nezet.memo2, e.also) << e.emberek;
        EXPECT_EQ(lathato_kepek(a, 15, 17).size(), 3u);
    }
}

// --- The bottom row -----------------------------------------------------------

TEST(KezRajzolas, PlayedCardsLeaveNoGap) {
    Asztal a;
    jatekban(a, 0);
    kijatszik(a, 0, "Piros Király");
    kez_rajzolas(a, 0, 9);
    EXPECT_EQ(a.nezet.image[1].kep, kep("Piros Ász"));
    EXPECT_EQ(a.nezet.image[2].kep, kep("Piros 10"));
    EXPECT_EQ(a.nezet.image[3].kep, kep("Piros Felső"));
    EXPECT_EQ(a.nezet.image[9].kep, kep("Tök 10"));
    EXPECT_EQ(kez_lathato(a), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST(KezRajzolas, CountDecidesThePositionsShown) {
    const struct {
        int32_t db;
        std::vector<int> lathato;
    } esetek[] = {
        {12, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 13, 14}},
        {11, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 13}},
        {10, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        {3, {1, 2, 3}},
        {0, {}},
    };
    for (const auto& e : esetek) {
        Asztal a;
        jatekban(a, 0);
        a.jatekosok[0].lapok[10] = teszt::lap("Makk 8");
        a.jatekosok[0].lapok[11] = teszt::lap("Makk 7");
        a.jatekosok[0].hol[MAKK][NYOLCAS] = a.jatekosok[0].hol[MAKK][HETES] = 0;
        kez_rajzolas(a, 0, e.db);
        EXPECT_EQ(kez_lathato(a), e.lathato) << e.db;
        if (e.db == 12) {
            EXPECT_EQ(a.nezet.image[14].kep, kep("Makk 7"));
        }
    }
}

// --- The talon and the discards -------------------------------------------------

// Seat 0 on turn in the auction after seat 1 had bid with the talon.
void licitben(Asztal& a) {
    jatekban(a, 1);
    a.fazis = F_LICIT_EMBER;
    a.soron = 0;
    a.felvevo = 1;
    a.licitek_szama = 1;
    a.benyult = 0;
    a.jatekosok[1].talonnal = 1;
    for (const Kartyalap& k : a.talon) a.jatekosok[1].hol[k.szin][k.ertek] = HOL_TALON;
    a.nezet.button2_lathato = true;
    a.nezet.hint_latszik = true;
    kez_rajzolas(a, 0, 10);
}

TEST(Talon, IgnoredOutsideTheAuction) {
    for (int32_t fazis : {F_NINCS_PARTI, F_ELSO_DOBAS, F_LICIT_GEP, F_JATEK_EMBER, F_VEGE}) {
        Asztal a;
        licitben(a);
        a.fazis = fazis;
        talon_kattintas(a);
        EXPECT_EQ(a.fazis, fazis);
        EXPECT_EQ(a.benyult, 0);
        EXPECT_EQ(a.nezet.image[11].kep, HATLAP);
        EXPECT_TRUE(a.nezet.button2_lathato);
        EXPECT_EQ(a.felvevo, 1);
    }
}

TEST(Talon, StaysPutWhenNoBidCanBeatTheHighest) {
    // After Piros 20-100 Ulti Négy Ász Terített Durchmars (56) nothing is higher: a
    // person who took the talon could neither pass nor bid, so it cannot be taken.
    Asztal a;
    licitben(a);
    a.licit_ertek = 56;
    talon_kattintas(a);
    talon_kattintas(a);
    EXPECT_EQ(a.fazis, F_LICIT_EMBER);
    EXPECT_EQ(a.benyult, 0);
    EXPECT_EQ(a.felvevo, 1);
    EXPECT_TRUE(a.nezet.button2_lathato);
    a.licit_ertek = 52;
    talon_kattintas(a);
    EXPECT_EQ(a.benyult, 1);
    EXPECT_TRUE(licit_emelheto(28));
    EXPECT_FALSE(licit_emelheto(56));
}

TEST(Talon, FirstClickTurnsItUpSecondTakesIt) {
    Asztal a;
    licitben(a);
    talon_kattintas(a);
    EXPECT_EQ(a.fazis, F_LICIT_EMBER);
    EXPECT_EQ(a.benyult, 1);
    EXPECT_EQ(a.felvevo, 0);
    EXPECT_FALSE(a.nezet.button2_lathato);
    EXPECT_FALSE(a.nezet.hint_latszik);
    EXPECT_EQ(a.nezet.image[11].kep, kep("Makk 8"));
    EXPECT_EQ(a.nezet.image[12].kep, kep("Makk 7"));
    EXPECT_EQ(a.jatekosok[0].talonnal, 1);
    EXPECT_EQ(a.jatekosok[1].talonnal, 0);
    // The previous taker loses sight of the talon; the new one knows it lies there.
    EXPECT_EQ(a.jatekosok[1].hol[MAKK][NYOLCAS], HOL_NEM_TUDOTT);
    EXPECT_EQ(a.jatekosok[0].hol[MAKK][HETES], HOL_TALON);
    EXPECT_EQ(kez_lathato(a).size(), 10u);

    talon_kattintas(a);
    EXPECT_EQ(a.fazis, F_ELSO_DOBAS);
    EXPECT_FALSE(a.nezet.image[11].lathato);
    EXPECT_FALSE(a.nezet.image[12].lathato);
    EXPECT_EQ(kez_lathato(a).size(), 12u);
    EXPECT_EQ(a.jatekosok[0].hol[MAKK][NYOLCAS], 0);
    // Sorted: the two Makk cards of the talon now stand at the end of the hand.
    EXPECT_EQ(a.nezet.image[13].kep, kep("Makk 8"));
    EXPECT_EQ(a.nezet.image[14].kep, kep("Makk 7"));
}

TEST(Talon, OpeningBidderKeepsPasszButtonOnFirstClick) {
    Asztal a;
    licitben(a);
    a.licitek_szama = 0;
    talon_kattintas(a);
    EXPECT_TRUE(a.nezet.button2_lathato);
}

// Takes the talon and checks every card is in exactly one place afterwards.
void talon_felvetele(Asztal& a) {
    licitben(a);
    talon_kattintas(a);
    talon_kattintas(a);
}

void egy_helyen_minden_lap(const Asztal& a, int32_t db) {
    int hanyszor[32] = {};
    for (int k = 0; k < db; ++k) ++hanyszor[a.jatekosok[0].lapok[k].kep];
    for (int s = 1; s < 3; ++s)
        for (int k = 0; k < 10; ++k) ++hanyszor[a.jatekosok[s].lapok[k].kep];
    if (db < 12) ++hanyszor[a.talon[1].kep];
    if (db < 11) ++hanyszor[a.talon[0].kep];
    for (int i = 0; i < 32; ++i) EXPECT_EQ(hanyszor[i], 1) << lap_nev(a.pakli[i]);
}

TEST(Dobas, TwoDiscardsFromPositionsElevenReturnToTheAuction) {
    Asztal a;
    talon_felvetele(a);
    const Kartyalap elso = a.jatekosok[0].lapok[10], masodik = a.jatekosok[0].lapok[11];

    image13_kattintas(a);
    EXPECT_EQ(a.fazis, F_MASODIK_DOBAS);
    EXPECT_EQ(a.talon[1].kep, elso.kep);
    EXPECT_TRUE(a.nezet.image[11].lathato);
    EXPECT_EQ(a.nezet.image[11].kep, elso.kep);
    EXPECT_EQ(a.jatekosok[0].hol[elso.szin][elso.ertek], HOL_TALON);
    EXPECT_EQ(a.jatekosok[0].lapok[10].kep, masodik.kep);
    EXPECT_EQ(kez_lathato(a).size(), 11u);
    EXPECT_FALSE(a.nezet.image[14].lathato);
    egy_helyen_minden_lap(a, 11);

    image14_kattintas(a);  // only the first discard may come from position 12
    EXPECT_EQ(a.fazis, F_MASODIK_DOBAS);

    image13_kattintas(a);
    EXPECT_EQ(a.fazis, F_LICIT_EMBER);
    EXPECT_EQ(a.talon[0].kep, masodik.kep);
    EXPECT_TRUE(a.nezet.image[12].lathato);
    EXPECT_EQ(a.nezet.image[12].kep, masodik.kep);
    EXPECT_EQ(kez_lathato(a).size(), 10u);
    egy_helyen_minden_lap(a, 10);

    image13_kattintas(a);  // back in the auction: nothing to lay down
    EXPECT_EQ(a.fazis, F_LICIT_EMBER);
}

TEST(Dobas, TwelfthPositionFirst) {
    Asztal a;
    talon_felvetele(a);
    const Kartyalap tizenkettedik = a.jatekosok[0].lapok[11];
    image14_kattintas(a);
    EXPECT_EQ(a.fazis, F_MASODIK_DOBAS);
    EXPECT_EQ(a.talon[1].kep, tizenkettedik.kep);
    EXPECT_EQ(a.nezet.image[11].kep, tizenkettedik.kep);
    EXPECT_EQ(a.jatekosok[0].hol[tizenkettedik.szin][tizenkettedik.ertek], HOL_TALON);
    EXPECT_EQ(kez_lathato(a).size(), 11u);
    egy_helyen_minden_lap(a, 11);
}

// --- Re-sorting ---------------------------------------------------------------

std::vector<int> also_sor(const Asztal& a) {
    std::vector<int> v;
    for (int k : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 13, 14})
        if (a.nezet.image[k].lathato) v.push_back(a.nezet.image[k].kep);
    return v;
}

TEST(Atrendezes, TogglesOrderAndTwiceRestoresIt) {
    for (int32_t fazis : {F_LICIT_EMBER, F_ELSO_DOBAS, F_MASODIK_DOBAS}) {
        Asztal a;
        talon_felvetele(a);
        if (fazis == F_MASODIK_DOBAS) image13_kattintas(a);
        if (fazis == F_LICIT_EMBER) {
            image13_kattintas(a);
            image13_kattintas(a);
        }
        ASSERT_EQ(a.fazis, fazis);
        const std::vector<int> elotte = also_sor(a);
        atrendezes(a);
        EXPECT_EQ(a.adu, NINCS_ADU);
        const std::vector<int> utana = also_sor(a);
        EXPECT_EQ(utana.size(), elotte.size()) << fazis;
        EXPECT_NE(utana, elotte) << fazis;
        // Without trump the Piros 10 stands after the Alsó.
        EXPECT_EQ(utana[1], kep("Piros Király"));
        EXPECT_EQ(utana[4], kep("Piros 10"));
        atrendezes(a);
        EXPECT_EQ(a.adu, 0);
        EXPECT_EQ(also_sor(a), elotte) << fazis;
    }
}

TEST(Atrendezes, IgnoredDuringPlay) {
    Asztal a;
    jatekban(a, 0);
    a.fazis = F_JATEK_EMBER;
    a.adu = 2;
    kez_rajzolas(a, 0, 10);
    const std::vector<int> elotte = also_sor(a);
    atrendezes(a);
    EXPECT_EQ(a.adu, 2);
    EXPECT_EQ(also_sor(a), elotte);
}

// --- The window at start-up ---------------------------------------------------

TEST(AblakIndulas, BacksAndHiddenPositions) {
    Asztal a;
    asztal_indulas(a, 3);
    a.nezet.memo1 = {"régi"};
    a.nezet.button1_felirat = "Eredmény";
    ablak_indulas(a);
    EXPECT_TRUE(a.nezet.memo1.empty());
    EXPECT_EQ(a.nezet.button1_felirat, "Új parti");
    for (int k = 1; k <= 12; ++k) {
        EXPECT_TRUE(a.nezet.image[k].lathato) << k;
        EXPECT_EQ(a.nezet.image[k].kep, HATLAP) << k;
    }
    EXPECT_FALSE(a.nezet.image[13].lathato);
    EXPECT_FALSE(a.nezet.image[14].lathato);
}

// --- The last trick held ------------------------------------------------------

// Whole deals through the table flow, card by card. After the card that completes a
// trick the table shows that trick; from then until the next trick completes, the
// held view must show exactly that (trick pictures and names) over the table as it
// is, and nothing before the first trick is complete or outside play.
void utolso_utes_osszevetes(uint64_t mag, bool egy_ember) {
    Asztal a;
    teszt::SzkriptFelulet f;
    asztal_indulas(a, mag);
    teszt::HajtottOra ora;
    ora.lepes_per_ms = 50;
    a.ora = ora;
    for (int s = 0; s < 3; ++s) a.jatekosok[s].ember = egy_ember && s == 0;
    f.aduk = {1, 1, 1, 1};

    AsztalNezet kesz;  // the table as the last completed trick left it
    int32_t utes = -1, ellenorzes = 0;
    auto ellenoriz = [&] {
        AsztalNezet v;
        v.memo2 = "?";
        const bool jatek = a.fazis == F_JATEK_EMBER || a.fazis == F_JATEK_GEP;
        if (a.utes_szam != utes && a.utes_lapszam == 0 && a.utes_szam > 0) {
            utes = a.utes_szam;
            kesz = a.nezet;
        }
        ASSERT_EQ(utolso_utes_nezet(a, v), jatek && a.utes_szam > 0) << a.fazis << " " << a.utes_szam;
        if (!jatek || a.utes_szam == 0) {
            EXPECT_EQ(v.memo2, "?");  // untouched
            return;
        }
        ++ellenorzes;
        for (int k = 1; k <= 37; ++k) {
            const KepNezet& vart = (k >= 15 && k <= 17) ? kesz.image[k] : a.nezet.image[k];
            EXPECT_EQ(v.image[k].lathato, vart.lathato) << "Image" << k << " trick " << a.utes_szam;
            if (vart.lathato) {
                EXPECT_EQ(v.image[k].kep, vart.kep) << "Image" << k;
            }
        }
        // Beside one human the names stay put; otherwise they turn with the trick.
        const AsztalNezet& nevek = egy_ember ? a.nezet : kesz;
        EXPECT_EQ(std::vector<std::string>({v.memo2, v.memo3, v.memo4}),
                  std::vector<std::string>({nevek.memo2, nevek.memo3, nevek.memo4}));
        EXPECT_EQ(v.memo1, a.nezet.memo1);
    };
    for (int lepes = 0; lepes < 2000 && a.fazis != F_VEGE; ++lepes) {
        if (a.fazis == F_ELSO_DOBAS || a.fazis == F_MASODIK_DOBAS) {
            kep_kattintas(a, f, 1);  // lays the first card back
        } else if (a.fazis == F_LICIT_EMBER) {
            button2_kattintas(a, f);
        } else if (a.fazis == F_JATEK_EMBER) {
            // The first card the rules allow.
            const int32_t utes_elotte = a.utes_szam, lap_elotte = a.utes_lapszam;
            for (int k = 1; k <= 10 - a.utes_szam; ++k) {
                kep_kattintas(a, f, k);
                if (a.utes_szam != utes_elotte || a.utes_lapszam != lap_elotte) break;
            }
        } else if (f.fuggo()) {
            f.fuss(a, 1);
        } else {
            button1_kattintas(a, f);
        }
        ellenoriz();
    }
    ASSERT_EQ(a.fazis, F_VEGE) << "seed " << mag;
    EXPECT_GT(ellenorzes, 10);
}

TEST(UtolsoUtes, HeldViewIsTheTrickAsItLayWhenComplete) {
    for (uint64_t mag : {1u, 7u, 2026u}) {
        utolso_utes_osszevetes(mag, true);
        utolso_utes_osszevetes(mag, false);
    }
}

}  // namespace
