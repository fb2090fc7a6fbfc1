// The decisions of the bidding, trump and announcements dialogs.

#include "table/dialogusok.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/asztal.h"
#include "support/kezek.h"

namespace {

// Controls by flag position, as the test names them.
enum {
    K_PASSZ,
    K_PIROS,
    K_NEGYVEN,
    K_HUSZ,
    K_ULTI,
    K_NEGY_ASZ,
    K_DURCH,
    K_TER_DURCH,
    K_BETLI,
    K_REBETLI,
    K_TER_BETLI,
    K_SZN_DURCH,
    K_REDURCH,
    K_SZN_TER_DURCH
};

// A click as the window delivers it: a check box toggles, a radio button is checked.
void katt(Asztal& a, int i) {
    licit_kattintas(a, i, i >= K_BETLI ? true : !a.licit_dlg.doboz[i]);
}

std::string allapot(const Asztal& a) {
    std::string s;
    for (int i = 0; i < LICIT_FLAGEK; ++i) s += a.licit_dlg.doboz[i] ? '1' : '0';
    return s;
}

struct KattintasEset {
    const char* nev;
    std::vector<int> kattintasok;  // starting from "Passz" alone
    const char* dobozok;           // flags 0..13 afterwards
    const char* ertek;             // the value field
};

class LicitKattintas : public ::testing::TestWithParam<KattintasEset> {};

TEST_P(LicitKattintas, KizarasokEsErtek) {
    const KattintasEset& e = GetParam();
    Asztal a;
    licit_dlg_passzra(a);
    for (int i : e.kattintasok) katt(a, i);
    EXPECT_EQ(allapot(a), e.dobozok);
    EXPECT_EQ(a.licit_dlg.edit1, e.ertek);
    EXPECT_NEAR(a.uj_licit_ertek, licit_erteke(licit_dlg_licit(a)), 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Tablazat, LicitKattintas,
    ::testing::Values(
        KattintasEset{"UltiLeveszi_Passzt", {K_ULTI}, "00001000000000", "4+1"},
        KattintasEset{"PirosUlti", {K_ULTI, K_PIROS}, "01001000000000", "8+2"},
        KattintasEset{"PasszVisszaLeveszi_Ultit_dePirostNem",
                      {K_PIROS, K_ULTI, K_NEGY_ASZ, K_PASSZ},
                      "11000000000000",
                      "2"},
        KattintasEset{"PasszLevetelUres", {K_PASSZ}, "00000000000000", "0"},
        KattintasEset{"PirosEgyedulNulla", {K_PASSZ, K_PIROS}, "01000000000000", "0"},
        KattintasEset{"BetliMindentLevesz", {K_PIROS, K_ULTI, K_BETLI}, "00000000100000", "5"},
        KattintasEset{"BetliUtanPirosLeveszi_aRadiot", {K_BETLI, K_PIROS}, "01000000000000", "0"},
        KattintasEset{"RadioEgyCsoport", {K_BETLI, K_REDURCH}, "00000000000010", "14"},
        KattintasEset{"NegyvenHuszKizarja", {K_NEGYVEN, K_HUSZ}, "00010000000000", "6"},
        KattintasEset{"HuszNegyvenKizarja", {K_HUSZ, K_NEGYVEN}, "00100000000000", "4"},
        KattintasEset{"DurchmarsTeritettKizarja", {K_DURCH, K_TER_DURCH}, "00000001000000", "14"},
        KattintasEset{"TeritettDurchmarsKizarja", {K_TER_DURCH, K_DURCH}, "00000010000000", "7"},
        KattintasEset{"NegyvenUlti", {K_NEGYVEN, K_ULTI}, "00101000000000", "8"},
        KattintasEset{"UltiNegyAszParti", {K_ULTI, K_NEGY_ASZ}, "00001100000000", "8+1"},
        KattintasEset{"LevetelNemTorol", {K_ULTI, K_NEGY_ASZ, K_ULTI}, "00000100000000", "4+1"},
        KattintasEset{"Legnagyobb",
                      {K_PIROS, K_HUSZ, K_ULTI, K_NEGY_ASZ, K_TER_DURCH},
                      "01011101000000",
                      "56"},
        KattintasEset{"SzinnelkuliTeritettDurchmars", {K_SZN_TER_DURCH}, "00000000000001", "28"},
        KattintasEset{"PasszLeveszi_aRadiot", {K_REBETLI, K_PASSZ}, "10000000000000", "1"}),
    [](const auto& info) { return std::string(info.param.nev); });

struct KeszEset {
    const char* nev;
    std::vector<int> kattintasok;
    double licit_ertek;
    bool benyult;
    const char* valasz;  // "" = closes
};

class LicitKesz : public ::testing::TestWithParam<KeszEset> {};

TEST_P(LicitKesz, ZarasiSzabalyok) {
    const KeszEset& e = GetParam();
    Asztal a;
    licit_dlg_passzra(a);
    a.uj_licit_ertek = 0.1;
    a.licit_ertek = e.licit_ertek;
    a.benyult = e.benyult;
    for (int i : e.kattintasok) katt(a, i);
    EXPECT_EQ(licit_kesz(a), e.valasz);
}

INSTANTIATE_TEST_SUITE_P(
    Tablazat, LicitKesz,
    ::testing::Values(
        KeszEset{"AzonnalPassz", {}, 4.1, false, ""},
        KeszEset{"AzonnalNyitoPassz", {}, 0, false, ""},
        KeszEset{"NyitoPasszTalonnalIs", {}, 0, true, ""},
        KeszEset{"PasszTalonUtan", {}, 0.1, true, "Túl kicsi a vállalás!"},
        KeszEset{"Ures", {K_PASSZ}, 0.1, false, "Valamit licitálni kell!"},
        KeszEset{"PirosEgyedul", {K_PASSZ, K_PIROS}, 0.1, false, "Valamit licitálni kell!"},
        KeszEset{"EgyenloErtek", {K_ULTI}, 4.1, false, "Túl kicsi a vállalás!"},
        KeszEset{"EgyenloMasOsszetevokkel", {K_NEGY_ASZ}, 4.1, true, "Túl kicsi a vállalás!"},
        KeszEset{"Kisebb", {K_NEGYVEN}, 4.1, false, "Túl kicsi a vállalás!"},
        KeszEset{"Nagyobb", {K_BETLI}, 4.1, true, ""},
        KeszEset{"PirosPartiNyit", {K_PIROS}, 0.1, true, ""}),
    [](const auto& info) { return std::string(info.param.nev); });

TEST(AduDialogus, SzinNelkulNemZarEsTokKettes) {
    Asztal a;
    a.adu = MAKK;
    adu_dlg_uritese(a);
    EXPECT_EQ(adu_kesz(a), "Válassza ki az adu színét!");
    adu_kattintas(a, 1);
    EXPECT_EQ(a.adu, TOK);
    EXPECT_EQ(adu_kesz(a), "");
    adu_kattintas(a, 2);
    EXPECT_EQ(a.adu, ZOLD);
    EXPECT_FALSE(a.adu_dlg.radio[1]);
    adu_kattintas(a, 3);
    EXPECT_EQ(a.adu, MAKK);
    adu_dlg_uritese(a);
    EXPECT_EQ(adu_kesz(a), "Válassza ki az adu színét!");
}

// Seat 1 holds the pairs of Tök (trump), Makk and Zöld; seat 2 the Piros pair.
void pozicio(Asztal& a) {
    teszt::leosztas(a,
                    "Makk 7, Makk 8, Makk 9, Zöld 7, Zöld 8, Zöld 9, Tök 7, Tök 8, Tök 9, Piros 7",
                    "Makk Felső, Makk Király, Zöld Felső, Zöld Király, Tök Felső, Tök Király, "
                    "Makk Ász, Zöld Ász, Tök Ász, Piros Ász",
                    "Piros Felső, Piros Király, Makk 10, Zöld 10, Tök 10, Piros 10, Makk Alsó, "
                    "Zöld Alsó, Tök Alsó, Piros Alsó",
                    "Piros 8, Piros 9");
}

std::string engedett(const Asztal& a) {
    std::string s;
    for (int d = 1; d <= 17; ++d) s += a.bej_dlg.enabled[d] ? '1' : '0';
    return s;
}

TEST(Bejelentes, PartiNelkulNincsBemondas) {
    Asztal a;
    pozicio(a);
    teszt::jatek(a, {L_NEGYVEN_SZAZ, L_ULTI}, TOK, 1);
    // The declarer: no party, so no meld box; no contra for himself.
    a.soron = 1;
    EXPECT_FALSE(bejelentes_elokeszites(a, false));
    // A defender may double both components.
    a.soron = 2;
    EXPECT_TRUE(bejelentes_elokeszites(a, false));
    EXPECT_EQ(engedett(a), "00101000000000000");
    EXPECT_EQ(a.bej_dlg.groupbox3, "Kontrák színjátékban");
    EXPECT_EQ(a.bej_dlg.groupbox4, "Kontrák színnélküli játékban");
}

TEST(Bejelentes, FelvevoCsakBemondast) {
    Asztal a;
    pozicio(a);
    teszt::jatek(a, {L_PASSZ}, TOK, 1);
    a.soron = 1;
    ASSERT_TRUE(bejelentes_elokeszites(a, false));
    // Forty of Tök and two twenties (Makk, Zöld); nothing else.
    EXPECT_EQ(engedett(a), "10000000000000110");
    // Seat 2 is a defender with a pair of Piros: one twenty, and the party contra.
    a.soron = 2;
    ASSERT_TRUE(bejelentes_elokeszites(a, false));
    EXPECT_EQ(engedett(a), "01000000000000100");
    // A pair of which a card lies in the talon does not count.
    a.jatekosok[2].hol[PIROS][FELSO] = HOL_TALON;
    ASSERT_TRUE(bejelentes_elokeszites(a, false));
    EXPECT_EQ(engedett(a), "01000000000000000");
}

TEST(Bejelentes, FelvevoParNelkulNemLatja) {
    Asztal a;
    pozicio(a);
    teszt::jatek(a, {L_PASSZ}, TOK, 0);
    a.soron = 0;
    EXPECT_FALSE(bejelentes_elokeszites(a, false));
}

TEST(Bejelentes, MasodikVedoNemKontrazhatjaUjraSzinest) {
    Asztal a;
    pozicio(a);
    teszt::jatek(a, {L_ULTI, L_NEGY_ASZ}, TOK, 0);
    // The first defender (seat 1) doubled the party and the Ulti.
    a.jatekosok[1].kontra[L_PASSZ] = 1;
    a.jatekosok[1].kontra[L_ULTI] = 1;
    a.soron = 2;
    ASSERT_TRUE(bejelentes_elokeszites(a, false));
    EXPECT_FALSE(a.bej_dlg.enabled[2]);  // Parti
    EXPECT_FALSE(a.bej_dlg.enabled[5]);  // Ulti
    EXPECT_TRUE(a.bej_dlg.enabled[6]);   // Négy Ász
}

TEST(Bejelentes, SzinnelkulitMindketVedoKulonKontrazhat) {
    Asztal a;
    pozicio(a);
    teszt::jatek(a, {L_BETLI}, NINCS_ADU, 0);
    a.jatekosok[1].kontra[L_BETLI] = 1;
    a.soron = 2;
    ASSERT_TRUE(bejelentes_elokeszites(a, false));
    EXPECT_EQ(engedett(a), "00000000100000000");
}

TEST(Bejelentes, RekontraCsakAmitKontraztak) {
    Asztal a;
    pozicio(a);
    teszt::jatek(a, {L_PASSZ}, TOK, 1);
    a.soron = 1;
    a.jatekosok[1].negyven = 1;
    a.jatekosok[1].husz_db = 2;
    EXPECT_FALSE(bejelentes_elokeszites(a, true));
    a.jatekosok[0].kontra[L_PASSZ] = 1;
    ASSERT_TRUE(bejelentes_elokeszites(a, true));
    EXPECT_EQ(engedett(a), "01000000000000000");
    EXPECT_EQ(a.bej_dlg.groupbox3, "Rekontrák színjátékban");
    EXPECT_EQ(a.bej_dlg.groupbox4, "Rekontrák színnélküli játékban");
    // The melds are shown as announced, and stay unchangeable.
    EXPECT_TRUE(a.bej_dlg.checked[1]);
    EXPECT_TRUE(a.bej_dlg.checked[16]);
    EXPECT_FALSE(a.bej_dlg.checked[15]);
    bejelentes_kattintas(a, 16, false);
    EXPECT_EQ(a.jatekosok[1].husz_db, 2);
    // The recontra is the declarer's own flag.
    bejelentes_kattintas(a, 2, true);
    EXPECT_EQ(a.jatekosok[1].kontra[L_PASSZ], 1);
    bejelentes_kesz(a);
    EXPECT_EQ(a.jatekosok[1].bemondott, 8);
}

TEST(Bejelentes, HuszasDobozokEgyValasztas) {
    Asztal a;
    pozicio(a);
    teszt::jatek(a, {L_PASSZ}, TOK, 1);
    a.soron = 1;
    ASSERT_TRUE(bejelentes_elokeszites(a, false));
    bejelentes_kattintas(a, 15, true);
    EXPECT_EQ(a.jatekosok[1].husz_db, 1);
    bejelentes_kattintas(a, 16, true);
    EXPECT_FALSE(a.bej_dlg.checked[15]);
    EXPECT_TRUE(a.bej_dlg.checked[16]);
    EXPECT_EQ(a.jatekosok[1].husz_db, 2);
    bejelentes_kattintas(a, 1, true);
    bejelentes_kesz(a);
    EXPECT_EQ(a.jatekosok[1].bemondott, 8);
    bejelentes_kattintas(a, 16, false);
    EXPECT_EQ(a.jatekosok[1].husz_db, 0);
    bejelentes_kesz(a);
    EXPECT_EQ(a.jatekosok[1].bemondott, 4);
    // A disabled box changes nothing.
    bejelentes_kattintas(a, 17, true);
    EXPECT_EQ(a.jatekosok[1].husz_db, 0);
    bejelentes_kattintas(a, 2, true);
    EXPECT_EQ(a.jatekosok[1].kontra[L_PASSZ], 0);
}

TEST(Bejelentes, ElokeszitesMindigKontraNelkulIndul) {
    Asztal a;
    pozicio(a);
    teszt::jatek(a, {L_PASSZ}, TOK, 1);
    a.soron = 2;
    a.bej_dlg.checked[2] = true;
    a.bej_dlg.checked[9] = true;
    a.jatekosok[2].husz_db = 1;
    ASSERT_TRUE(bejelentes_elokeszites(a, false));
    EXPECT_FALSE(a.bej_dlg.checked[2]);
    EXPECT_FALSE(a.bej_dlg.checked[9]);
    EXPECT_TRUE(a.bej_dlg.checked[15]);
    EXPECT_FALSE(a.bej_dlg.checked[1]);
}

}  // namespace
