// The table flow through the seam: deals, the auction, the play and their texts,
// with the dialogs answered and the one-second pauses run by the scripted stand-in.

#include "table/folyam.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <string>
#include <vector>

#include "model/asztal.h"
#include "model/osztas.h"
#include "support/jatszas.h"
#include "support/kezek.h"
#include "support/szkript_felulet.h"
#include "table/dialogusok.h"
#include "table/invariansok.h"
#include "table/rajzolas.h"

namespace {

using teszt::SzkriptFelulet;

// The search behind a computer card reads the clock once per step: a millisecond
// per 50 reads keeps its second short and the same on every machine.
void hajtott_ora(Asztal& a) {
    teszt::HajtottOra ora;
    ora.lepes_per_ms = 50;
    a.ora = ora;
}

// Weak computer hands: both computers pass whatever was bid. The human holds the
// Piros pair, and takes the Tök Király and Piros Felső with the talon.
const char* const EROS_EMBER =
    "Makk Ász, Makk 10, Makk Király, Zöld Ász, Zöld 10, Tök Ász, Tök 10, Piros Ász, Piros 10, "
    "Piros Király";
const char* const GYENGE1 =
    "Makk 7, Makk Felső, Zöld 8, Zöld Király, Tök 9, Tök Felső, Piros 8, Piros Alsó, Makk Alsó, "
    "Zöld 7";
const char* const GYENGE2 =
    "Makk 8, Makk 9, Zöld 9, Zöld Alsó, Tök 7, Tök 8, Tök Alsó, Piros 7, Piros 9, Zöld Felső";
const char* const TALON1 = "Tök Király, Piros Felső";

// A deal laid out by hand, started with "Új parti": `elso` bids first.
void kezi_parti(Asztal& a, SzkriptFelulet& f, const char* h0, const char* h1, const char* h2,
                const char* talon, int32_t elso) {
    teszt::leosztas(a, h0, h1, h2, talon, 0, elso);
    hajtott_ora(a);
    a.kezi_osztas = 1;
    a.fazis = F_NINCS_PARTI;
    button1_kattintas(a, f);
}

// The picture 1..10 showing a named card of `seat`: during the discards hand slot
// k - 1, during play the k-th card still held.
int32_t kep_szama(Asztal& a, int32_t seat, const std::string& nev) {
    const int32_t slot = teszt::slot(a, seat, nev);
    if (a.fazis == F_ELSO_DOBAS || a.fazis == F_MASODIK_DOBAS) return slot + 1;
    const int32_t n = kezben_levo(a, seat);
    for (int i = 0; i < n; ++i)
        if (a.kezben[i] == slot) return i + 1;
    return -1;
}

int lathato_kezlapok(const Asztal& a) {
    int n = 0;
    for (int i : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 13, 14}) n += a.nezet.image[i].lathato;
    return n;
}

// ---------------------------------------------------------------------------------

TEST(Parti, ElsoOsztasInditasUtan) {
    Asztal a;
    SzkriptFelulet f;
    asztal_indulas(a, 2024);
    hajtott_ora(a);
    button1_kattintas(a, f);
    EXPECT_EQ(a.oszto, 2);
    EXPECT_EQ(a.soron, 0);
    EXPECT_EQ(a.fazis, F_ELSO_DOBAS);
    EXPECT_EQ(a.parti_sorszam, 1u);
    EXPECT_EQ(a.emberek_szama, 1);
    EXPECT_EQ(a.ember_helye, 0);
    // The first bidder holds the talon from the start: twelve cards shown.
    EXPECT_TRUE(a.benyult);
    EXPECT_EQ(a.felvevo, 0);
    EXPECT_TRUE(a.jatekosok[0].talonnal);
    EXPECT_EQ(lathato_kezlapok(a), 12);
    EXPECT_FALSE(a.nezet.image[11].lathato);
    EXPECT_FALSE(a.nezet.image[12].lathato);
    for (int k = 10; k < 12; ++k) {
        const Kartyalap& c = a.jatekosok[0].lapok[k];
        EXPECT_EQ(a.jatekosok[0].hol[c.szin][c.ertek], 0);
    }
    for (int i = 15; i <= 17; ++i) EXPECT_FALSE(a.nezet.image[i].lathato);
    EXPECT_EQ(a.nezet.button1_felirat, "Licitálás");
    EXPECT_TRUE(a.nezet.button1_lathato);
    EXPECT_TRUE(a.nezet.button2_lathato);
    EXPECT_EQ(a.nezet.memo2, "Telmi");
    EXPECT_EQ(a.nezet.memo3, "Varko");
    EXPECT_EQ(a.nezet.memo4, "Rido");
    EXPECT_TRUE(a.nezet.memo1.empty());
    EXPECT_EQ(a.nezet.label1, "");
    EXPECT_EQ(a.licit_dlg.edit1, "0");
    EXPECT_EQ(invarians_hiba(a), "");
    // "Licitálás" while the human still has to discard changes nothing.
    const int32_t fazis = a.fazis;
    button1_kattintas(a, f);
    EXPECT_EQ(a.fazis, fazis);
    EXPECT_EQ(f.licit_hivas, 0);
}

TEST(Parti, KetDobasUtanLicitalasTizLappal) {
    Asztal a;
    SzkriptFelulet f;
    asztal_indulas(a, 2024);
    hajtott_ora(a);
    button1_kattintas(a, f);
    const Kartyalap elso = a.jatekosok[0].lapok[0];
    kep_kattintas(a, f, 1);
    EXPECT_EQ(a.fazis, F_MASODIK_DOBAS);
    EXPECT_EQ(a.talon[1].kep, elso.kep);
    EXPECT_EQ(a.nezet.image[11].kep, elso.kep);
    EXPECT_TRUE(a.nezet.image[11].lathato);
    EXPECT_EQ(a.jatekosok[0].hol[elso.szin][elso.ertek], HOL_TALON);
    EXPECT_EQ(lathato_kezlapok(a), 11);

    const Kartyalap masodik = a.jatekosok[0].lapok[4];
    kep_kattintas(a, f, 5);
    EXPECT_EQ(a.fazis, F_LICIT_EMBER);
    EXPECT_EQ(a.talon[0].kep, masodik.kep);
    EXPECT_EQ(a.nezet.image[12].kep, masodik.kep);
    EXPECT_EQ(lathato_kezlapok(a), 10);
    EXPECT_FALSE(a.nezet.image[13].lathato);
    for (int k = 0; k < 10; ++k) {
        const Kartyalap& c = a.jatekosok[0].lapok[k];
        EXPECT_NE(c.kep, elso.kep);
        EXPECT_NE(c.kep, masodik.kep);
        EXPECT_EQ(a.jatekosok[0].hol[c.szin][c.ertek], 0);
    }
    EXPECT_EQ(invarians_hiba(a), "");
    // A hand card clicked in the auction is ignored.
    const Kartyalap elotte = a.jatekosok[0].lapok[0];
    kep_kattintas(a, f, 1);
    EXPECT_EQ(a.fazis, F_LICIT_EMBER);
    EXPECT_EQ(a.jatekosok[0].lapok[0].kep, elotte.kep);
}

TEST(Licit, GepElsoLicitaloMegElobbLicital) {
    Asztal a;
    SzkriptFelulet f;
    asztal_indulas(a, 99);
    hajtott_ora(a);
    a.oszto = 0;  // the deal moves it on to 1: seat 2 bids first
    button1_kattintas(a, f);
    ASSERT_EQ(a.soron, 0);
    EXPECT_EQ(a.fazis, F_LICIT_EMBER);
    EXPECT_EQ(a.licitek_szama, 1);
    EXPECT_EQ(f.licit_hivas, 0);
    ASSERT_EQ(a.nezet.memo1.size(), 2u);
    EXPECT_EQ(a.nezet.memo1[0].rfind("Rido:", 0), 0u);
    EXPECT_EQ(a.nezet.memo1[1], "");
    EXPECT_EQ(a.nezet.memo4, a.nezet.memo1[0]);
    EXPECT_EQ(a.nezet.label1, a.nezet.memo1[0]);
    // The opener took the talon: its cards are out of sight, the talon shows backs.
    EXPECT_EQ(a.felvevo, 2);
    EXPECT_TRUE(a.jatekosok[2].talonnal);
    EXPECT_FALSE(a.jatekosok[0].talonnal);
    EXPECT_EQ(a.nezet.image[11].kep, HATLAP);
    EXPECT_EQ(a.nezet.image[12].kep, HATLAP);
    EXPECT_EQ(lathato_kezlapok(a), 10);
    EXPECT_EQ(invarians_hiba(a), "");
    // "Licitálás" now opens the dialog; "Kész" at once is a pass.
    button1_kattintas(a, f);
    EXPECT_EQ(f.licit_hivas, 1);
    ASSERT_GE(a.licitek_szama, 2);
    EXPECT_EQ(a.licitek[1], passz_licit());
    EXPECT_EQ(a.nezet.memo1[2], "Telmi: Passz");
    EXPECT_EQ(a.nezet.memo1[3], "");
}

// The human opens; the two discards, then the dialog.
void nyitas(Asztal& a, SzkriptFelulet& f) {
    kezi_parti(a, f, EROS_EMBER, GYENGE1, GYENGE2, TALON1, 0);
    ASSERT_EQ(a.fazis, F_ELSO_DOBAS);
    kep_kattintas(a, f, kep_szama(a, 0, "Zöld Ász"));
    kep_kattintas(a, f, kep_szama(a, 0, "Makk Ász"));
    ASSERT_EQ(a.fazis, F_LICIT_EMBER);
}

TEST(Licit, NyitoPasszUtanHaromPasszLeteszi) {
    Asztal a;
    SzkriptFelulet f;
    nyitas(a, f);
    button1_kattintas(a, f);  // "Kész" at once: the plain party bid
    EXPECT_EQ(f.licit_hivas, 1);
    const std::vector<std::string> naplo = {"Telmi: Passz 1 Ft", "", "Varko: Passz", "",
                                            "Rido: Passz",       ""};
    EXPECT_EQ(a.nezet.memo1, naplo);
    EXPECT_EQ(a.nezet.label1, "Telmi: Passz 1 Ft");
    EXPECT_EQ(a.nezet.memo2, "Telmi: Passz 1 Ft");
    EXPECT_EQ(a.nezet.memo3, "Varko: Passz");
    EXPECT_EQ(a.nezet.memo4, "Rido: Passz");
    EXPECT_EQ(a.fazis, F_LICIT_EMBER);
    EXPECT_EQ(a.passzok, 2);
    EXPECT_NEAR(a.licit_ertek, 0.1, 1e-12);
    EXPECT_EQ(a.licit_dlg.edit1, "1");
    EXPECT_FALSE(a.benyult);
    // The human's own pass is the third: the deal ends unplayed.
    button2_kattintas(a, f);
    EXPECT_EQ(f.licit_hivas, 1);
    EXPECT_EQ(a.licitek_szama, 4);
    EXPECT_EQ(a.fazis, F_NINCS_PARTI);
    EXPECT_TRUE(a.nezet.button1_lathato);
    EXPECT_EQ(a.nezet.button1_felirat, "Új parti");
    EXPECT_FALSE(a.nezet.button2_lathato);
    EXPECT_TRUE(f.elszamolasok.empty());
    // The next click deals anew.
    button1_kattintas(a, f);
    EXPECT_EQ(a.parti_sorszam, 2u);
    EXPECT_EQ(a.licitek_szama == 0 ? a.fazis == F_ELSO_DOBAS : a.fazis == F_LICIT_EMBER, true);
}

TEST(Licit, PirosPartiPirosAdubanBemondasNelkul) {
    Asztal a;
    SzkriptFelulet f;
    nyitas(a, f);
    f.licitek.push_back({L_PIROS});
    button1_kattintas(a, f);
    EXPECT_EQ(a.nezet.memo1[0], "Telmi: Passz Piros 2 Ft");
    EXPECT_EQ(a.licit_dlg.edit1, "2");
    ASSERT_EQ(a.fazis, F_LICIT_EMBER);
    f.bejelentesek.push_back({1});  // the forty of Piros
    button2_kattintas(a, f);

    EXPECT_EQ(a.fazis, F_JATEK_EMBER);
    EXPECT_EQ(a.soron, 0);
    EXPECT_EQ(a.felvevo, 0);
    EXPECT_EQ(a.adu, PIROS);
    EXPECT_EQ(f.adu_hivas, 0);
    Licit piros_parti;
    piros_parti.passz = piros_parti.piros = 1;
    EXPECT_EQ(a.jatek, piros_parti);
    EXPECT_EQ(a.nezet.label1, "Telmi: Passz Piros 2 Ft");
    for (const std::string& sor : a.nezet.memo1) {
        EXPECT_EQ(sor.find("Az Adu"), std::string::npos) << sor;
        EXPECT_EQ(sor.find("Színe"), std::string::npos) << sor;
    }
    EXPECT_FALSE(a.nezet.button1_lathato);
    EXPECT_FALSE(a.nezet.button2_lathato);
    // The talon's two tens (both Ász) count for the defenders in every record.
    for (const Jatekos& j : a.jatekosok) {
        EXPECT_EQ(j.ellen_tizes, 2);
        EXPECT_EQ(j.ellen_asz, 2);
    }
    // Before his first card the declarer announced his forty.
    ASSERT_EQ(f.bej_hivas, 1);
    EXPECT_TRUE(f.bej_allapotok[0].enabled[1]);
    EXPECT_FALSE(f.bej_allapotok[0].enabled[2]);
    EXPECT_EQ(a.jatekosok[0].bemondott, 4);
    ASSERT_GE(a.nezet.memo1.size(), 2u);
    EXPECT_EQ(a.nezet.memo1[a.nezet.memo1.size() - 2], "Telmi: Van egy 40-em.");
    EXPECT_EQ(a.nezet.memo1.back(), " ");
    EXPECT_EQ(a.nezet.memo2, "Telmi: Van egy 40-em.");
    EXPECT_TRUE(f.uzenetek.empty());  // a human's own line needs no message
    EXPECT_EQ(lathato_kezlapok(a), 10);
    EXPECT_FALSE(f.fuggo());
    EXPECT_EQ(invarians_hiba(a), "");
}

// Seat 1 is strong enough to bid over anything; the human passes.
const char* const EROS_GEP =
    "Makk Ász, Makk 10, Makk Király, Makk Felső, Makk Alsó, Makk 9, Makk 8, Makk 7, Zöld Ász, "
    "Tök Ász";
const char* const KOZEPES_EMBER =
    "Zöld 10, Zöld Király, Zöld Felső, Tök 10, Tök Király, Piros Ász, Piros 10, Piros Király, "
    "Piros Felső, Piros Alsó";
const char* const GYENGE3 =
    "Zöld 7, Zöld 8, Zöld 9, Zöld Alsó, Tök 7, Tök 8, Tök 9, Tök Alsó, Piros 7, Piros 8";

TEST(Licit, HaromPasszUtanGepLeszAFelvevo) {
    Asztal a;
    SzkriptFelulet f;
    kezi_parti(a, f, KOZEPES_EMBER, EROS_GEP, GYENGE3, "Tök Felső, Piros 9", 1);
    for (int i = 0; i < 6 && a.fazis == F_LICIT_EMBER; ++i) button2_kattintas(a, f);
    ASSERT_EQ(a.fazis, F_JATEK_GEP);
    EXPECT_EQ(a.passzok, 3);
    for (int k = 1; k <= 3; ++k) EXPECT_EQ(a.licitek[a.licitek_szama - k], passz_licit());
    EXPECT_FALSE(a.jatekosok[a.soron].ember);
    EXPECT_EQ(a.felvevo, a.soron);
    EXPECT_EQ(a.jatek, a.licitek[a.licitek_szama - 4]);
    EXPECT_EQ(a.adu, a.gep_adu);
    EXPECT_EQ(a.nezet.label1, licit_szoveg(a, a.soron, a.jatek, true));
    EXPECT_FALSE(a.nezet.button1_lathato);
    EXPECT_EQ(f.adu_hivas, 0);
    // Play starts a second later, with the declarer's lead.
    EXPECT_TRUE(f.fuggo());
    const int32_t felvevo = a.felvevo;
    EXPECT_EQ(f.fuss(a, 1), 1);
    EXPECT_EQ(a.utes_lapok[0][0].seat, felvevo);
    EXPECT_EQ(a.utes_lapszam, 1);
    EXPECT_EQ(invarians_hiba(a), "");
    // Then the computers play on by themselves until the human is on turn.
    f.fuss(a);
    EXPECT_EQ(a.fazis, F_JATEK_EMBER);
    EXPECT_EQ(a.soron, 0);
    EXPECT_FALSE(f.fuggo());
}

TEST(Licit, TalonFelvetelUtanNemLehetPasszolni) {
    Asztal a;
    SzkriptFelulet f;
    kezi_parti(a, f, KOZEPES_EMBER, EROS_GEP, GYENGE3, "Tök Felső, Piros 9", 1);
    ASSERT_EQ(a.fazis, F_LICIT_EMBER);
    const int32_t n = a.licitek_szama;
    talon_kattintas(a);
    ASSERT_TRUE(a.benyult);
    button2_kattintas(a, f);
    EXPECT_EQ(f.uzenetek, std::vector<std::string>{"Benyúlás után nem lehet passzolni!"});
    EXPECT_EQ(a.fazis, F_LICIT_EMBER);
    EXPECT_EQ(a.licitek_szama, n);
    // The dialog refuses the pass as well.
    f.licitek.push_back({});
    f.licitek.push_back({L_BETLI});
    a.licit_ertek = 4.1;
    button1_kattintas(a, f);
    EXPECT_EQ(f.uzenetek.back(), "Túl kicsi a vállalás!");
    EXPECT_TRUE(a.licitek[n].betli);
}

// Seat 2 leads in a Makk game; the human follows (`teszt::tok9_hivas`).

TEST(Utes, RenonszNemValtoztatSemmit) {
    Asztal a;
    SzkriptFelulet f;
    teszt::tok9_hivas(a);
    const Asztal elotte = a;
    for (const char* rossz : {"Tök 8", "Makk 7", "Piros 9"}) {
        kep_kattintas(a, f, kep_szama(a, 0, rossz));
        ASSERT_EQ(f.uzenetek.back(), "Renonsz!!!") << rossz;
        EXPECT_EQ(a.fazis, F_JATEK_EMBER);
        EXPECT_EQ(a.soron, 0);
        EXPECT_EQ(a.utes_lapszam, 1);
        EXPECT_EQ(a.utes_lapok[0][1].seat, -1);
        for (int s = 0; s < 3; ++s)
            for (int c = 0; c < 32; ++c)
                EXPECT_EQ(a.jatekosok[s].hol[c / 8][c % 8], elotte.jatekosok[s].hol[c / 8][c % 8]);
        for (int i = 1; i <= 37; ++i) {
            EXPECT_EQ(a.nezet.image[i].lathato, elotte.nezet.image[i].lathato);
            EXPECT_EQ(a.nezet.image[i].kep, elotte.nezet.image[i].kep);
        }
        EXPECT_FALSE(f.fuggo());
    }
    EXPECT_EQ(f.uzenetek.size(), 3u);
    // A picture beyond the cards held is ignored.
    kep_kattintas(a, f, 11);
    EXPECT_EQ(f.uzenetek.size(), 3u);
    // The Király follows and beats the 9: accepted, the computer answers later.
    const int32_t kiraly = teszt::slot(a, 0, "Tök Király");
    kep_kattintas(a, f, kep_szama(a, 0, "Tök Király"));
    EXPECT_EQ(f.uzenetek.size(), 3u);
    EXPECT_EQ(a.utes_lapok[0][1].seat, 0);
    EXPECT_EQ(a.utes_lapok[0][1].slot, kiraly);
    EXPECT_EQ(a.jatekosok[1].hol[TOK][KIRALY], HOL_JATSZOTT + 0);
    EXPECT_EQ(a.utes_lapszam, 2);
    EXPECT_EQ(a.soron, 1);
    EXPECT_EQ(a.fazis, F_JATEK_GEP);
    EXPECT_TRUE(f.fuggo());
    EXPECT_EQ(lathato_kezlapok(a), 9);
    // Clicks during the pause belong to no phase that takes them.
    kep_kattintas(a, f, 1);
    EXPECT_EQ(a.utes_lapszam, 2);
    EXPECT_EQ(invarians_hiba(a), "");
}

TEST(Utes, SegitsegAzAjanlottLap) {
    Asztal a;
    SzkriptFelulet f;
    teszt::tok9_hivas(a);
    // Only the Tök Király follows and beats the 9.
    segitseg_kattintas(a);
    EXPECT_EQ(a.nezet.hint, "Az ajánlott lap: Tök Király");
    EXPECT_TRUE(a.nezet.hint_latszik);
    EXPECT_EQ(a.utes_lapszam, 1);
    EXPECT_EQ(a.jatekosok[0].hol[TOK][KIRALY], 0);
    // Any click switches the hint off again; outside phase 4 there is no hint.
    kep_kattintas(a, f, kep_szama(a, 0, "Tök Király"));
    EXPECT_FALSE(a.nezet.hint_latszik);
    a.nezet.hint.clear();
    segitseg_kattintas(a);
    EXPECT_EQ(a.nezet.hint, "");
    EXPECT_FALSE(a.nezet.hint_latszik);
}

TEST(Utes, RekontraEgyszerAMasodikUtesElott) {
    Asztal a;
    SzkriptFelulet f;
    teszt::leosztas(
        a, "Makk Ász, Makk 9, Zöld 7, Zöld 8, Zöld 9, Tök 7, Tök 8, Tök 9, Piros 7, Piros 8",
        "Makk 7, Makk 10, Zöld 10, Zöld Alsó, Zöld Felső, Tök 10, Tök Ász, Piros 9, "
        "Piros 10, Piros Ász",
        "Makk 8, Makk Alsó, Makk Felső, Makk Király, Zöld Király, Zöld Ász, Tök Felső, "
        "Tök Király, Piros Felső, Piros Király",
        "Tök Alsó, Piros Alsó", MAKK, 0);
    hajtott_ora(a);
    teszt::jatek(a, {L_PASSZ}, MAKK, 0);
    a.emberek_szama = 1;
    a.ember_helye = 0;
    // The first defender doubled the party before the trick was over.
    a.jatekosok[1].kontra[L_PASSZ] = 1;
    f.bejelentesek.push_back({2});
    kep_kattintas(a, f, kep_szama(a, 0, "Makk Ász"));
    f.fuss(a);
    ASSERT_GE(a.utes_szam, 1);
    ASSERT_EQ(f.bej_hivas, 1);
    const BejelentesDialogus& d = f.bej_allapotok[0];
    EXPECT_EQ(d.groupbox3, "Rekontrák színjátékban");
    EXPECT_EQ(d.groupbox4, "Rekontrák színnélküli játékban");
    EXPECT_TRUE(d.enabled[2]);
    EXPECT_FALSE(d.enabled[1]);
    EXPECT_EQ(a.jatekosok[0].kontra[L_PASSZ], 1);
    const auto& naplo = a.nezet.memo1;
    EXPECT_NE(std::find(naplo.begin(), naplo.end(), "Telmi: Rekontra Parti "), naplo.end());
    // The seat on turn is back where it was, and the offer is not repeated.
    for (int i = 0; i < 3 && a.fazis != F_VEGE; ++i) {
        if (a.fazis == F_JATEK_EMBER) {
            kezben_levo(a, 0);
            for (int k = 1; k <= 10 - a.utes_szam && a.fazis == F_JATEK_EMBER; ++k)
                kep_kattintas(a, f, k);
        }
        f.fuss(a);
    }
    EXPECT_EQ(f.bej_hivas, 1);
    EXPECT_EQ(invarians_hiba(a), "");
}

TEST(Utes, BetliAFelvevoElsoUtesenelVeget) {
    Asztal a;
    SzkriptFelulet f;
    teszt::leosztas(
        a, "Makk Ász, Makk 9, Zöld 7, Zöld 8, Zöld 9, Tök 7, Tök 8, Tök 9, Piros 7, Piros 8",
        "Makk 7, Makk 10, Zöld 10, Zöld Alsó, Zöld Felső, Tök 10, Tök Ász, Piros 9, "
        "Piros 10, Piros Ász",
        "Makk 8, Makk Alsó, Makk Felső, Makk Király, Zöld Király, Zöld Ász, Tök Felső, "
        "Tök Király, Piros Felső, Piros Király",
        "Tök Alsó, Piros Alsó", NINCS_ADU, 0);
    hajtott_ora(a);
    teszt::jatek(a, {L_BETLI}, NINCS_ADU, 0);
    a.emberek_szama = 1;
    a.ember_helye = 0;
    a.nezet.button1_lathato = false;
    kep_kattintas(a, f, kep_szama(a, 0, "Makk Ász"));
    ASSERT_EQ(a.fazis, F_JATEK_GEP);
    f.fuss(a);
    EXPECT_EQ(a.fazis, F_VEGE);
    EXPECT_EQ(a.utes_szam, 1);
    EXPECT_EQ(a.jatekosok[0].felvevo_utes, 1);
    EXPECT_EQ(f.szunetek, 2);
    EXPECT_EQ(a.nezet.image[11].kep, a.talon[0].kep);
    EXPECT_EQ(a.nezet.image[12].kep, a.talon[1].kep);
    EXPECT_TRUE(a.nezet.image[11].lathato);
    EXPECT_TRUE(a.nezet.image[12].lathato);
    EXPECT_TRUE(a.nezet.button1_lathato);
    EXPECT_EQ(a.nezet.button1_felirat, "Eredmény");
    EXPECT_EQ(invarians_hiba(a), "");
    // "Eredmény": the settlement, then the next deal in the same click.
    const uint32_t parti = a.parti_sorszam;
    button1_kattintas(a, f);
    EXPECT_EQ(f.elszamolasok.size(), 1u);
    EXPECT_EQ(a.parti_sorszam, parti + 1);
    EXPECT_EQ(a.nezet.button1_felirat, "Licitálás");
    EXPECT_TRUE(a.fazis == F_LICIT_EMBER || a.fazis == F_ELSO_DOBAS);
}

TEST(Parti, GepekEgymagukbanVegigjatszanak) {
    Asztal a;
    SzkriptFelulet f;
    asztal_indulas(a, 31337);
    hajtott_ora(a);
    for (Jatekos& j : a.jatekosok) j.ember = 0;
    const std::regex indoklas("(Makk|Zöld|Tök|Piros) (7|8|9|10|Alsó|Felső|Király|Ász) [1-9][0-9]*");
    int kattintas = 0, indoklas_sor = 0;
    bool jatszott = false;
    while (kattintas < 400 && a.fazis != F_VEGE) {
        const int32_t fazis = a.fazis;
        button1_kattintas(a, f);
        ++kattintas;
        ASSERT_EQ(invarians_hiba(a), "") << "after click " << kattintas;
        if (a.fazis == F_LICIT_GEP) {
            // Each auction click shows the bidder's hand and the talon face up.
            EXPECT_EQ(a.nezet.image[11].kep, a.talon[0].kep);
            EXPECT_EQ(a.nezet.image[12].kep, a.talon[1].kep);
        }
        EXPECT_TRUE(fazis != F_NINCS_PARTI || a.emberek_szama == 0);
        while (f.fuggo()) {
            f.fuss(a, 1);
            jatszott = true;
            ASSERT_EQ(invarians_hiba(a), "") << "card " << a.utes_szam << "/" << a.utes_lapszam;
            for (const std::string& sor : a.nezet.memo1)
                if (std::regex_match(sor, indoklas)) ++indoklas_sor;
        }
    }
    ASSERT_EQ(a.fazis, F_VEGE);
    EXPECT_TRUE(jatszott);
    EXPECT_TRUE(a.utes_szam == 10 || betli_fele(a.jatek) || szinnelkuli_durchmars_fele(a.jatek));
    EXPECT_GT(indoklas_sor, 0);
    EXPECT_EQ(a.nezet.button1_felirat, "Eredmény");
    EXPECT_EQ(f.licit_hivas + f.adu_hivas + f.bej_hivas, 0);
}

TEST(Licit, KetEmberNemCsinalSemmitHarmasFazisban) {
    Asztal a;
    SzkriptFelulet f;
    asztal_indulas(a, 5);
    hajtott_ora(a);
    a.jatekosok[1].ember = 1;
    button1_kattintas(a, f);
    ASSERT_EQ(a.emberek_szama, 2);
    a.fazis = F_LICIT_GEP;
    a.soron = 2;
    const Asztal elotte = a;
    button1_kattintas(a, f);
    EXPECT_EQ(a.fazis, F_LICIT_GEP);
    EXPECT_EQ(a.licitek_szama, elotte.licitek_szama);
    EXPECT_EQ(a.soron, 2);
    EXPECT_EQ(a.nezet.memo1, elotte.nezet.memo1);
    for (int i = 1; i <= 37; ++i) EXPECT_EQ(a.nezet.image[i].kep, elotte.nezet.image[i].kep);
    EXPECT_EQ(f.licit_hivas, 0);
}

TEST(Licit, TeleNaploAzUtolsoLicittelZarul) {
    Asztal a;
    SzkriptFelulet f;
    nyitas(a, f);
    // An auction that has gone on for 99 entries, the last bid worth 4.1.
    a.licitek_szama = 99;
    for (int i = 0; i < 99; ++i) a.licitek[i] = passz_licit();
    a.licit_ertek = 4.1;
    a.passzok = 2;
    a.benyult = 0;
    f.licitek.push_back({L_BETLI});
    button1_kattintas(a, f);
    EXPECT_EQ(a.licitek_szama, LICIT_NAPLO_MERET);
    EXPECT_EQ(a.fazis, F_JATEK_EMBER);
    EXPECT_EQ(a.soron, 0);
    EXPECT_TRUE(a.jatek.betli);
    EXPECT_EQ(a.adu, NINCS_ADU);
    EXPECT_EQ(a.nezet.label1, "Telmi: Betli 5 Ft");
}

TEST(Licit, TeleNaploGepPasszaval) {
    Asztal a;
    SzkriptFelulet f;
    kezi_parti(a, f, EROS_EMBER, GYENGE1, GYENGE2, TALON1, 1);
    ASSERT_EQ(a.fazis, F_LICIT_EMBER);
    // As if the log held 98 entries ending in Rido's bid: the human's pass and
    // Varko's pass fill it, and Rido's bid stands.
    Licit l;
    l.szinnelkuli_teritett_durchmars = 1;
    a.licitek_szama = 98;
    for (int i = 0; i < 97; ++i) a.licitek[i] = passz_licit();
    a.licitek[97] = l;
    a.licit_ertek = licit_erteke(l);
    a.passzok = 0;
    a.felvevo = 2;
    a.gep_adu = NINCS_ADU;
    button2_kattintas(a, f);
    EXPECT_EQ(a.licitek_szama, LICIT_NAPLO_MERET);
    EXPECT_EQ(a.passzok, 2);
    EXPECT_EQ(a.fazis, F_JATEK_GEP);
    EXPECT_EQ(a.soron, 2);
    EXPECT_EQ(a.jatek, l);
    EXPECT_EQ(a.adu, NINCS_ADU);
    EXPECT_EQ(a.nezet.label1, "Rido: Színnélküli Terített Durchmars 28 Ft");
    EXPECT_TRUE(f.fuggo());
}

// ---------------------------------------------------------------------------------

struct BemondasEset {
    const char* nev;
    int32_t seat;
    bool rekontra;
    uint8_t negyven;
    int32_t husz_db;
    std::vector<int> kontrak;
    bool piros;
    const char* szoveg;  // "" = nothing written
};

class Bemondasok : public ::testing::TestWithParam<BemondasEset> {};

TEST_P(Bemondasok, Szovegek) {
    const BemondasEset& e = GetParam();
    Asztal a;
    SzkriptFelulet f;
    asztal_indulas(a, 1);
    a.soron = e.seat;
    a.jatek.piros = e.piros;
    Jatekos& p = a.jatekosok[e.seat];
    p.negyven = e.negyven;
    p.husz_db = e.husz_db;
    for (int k : e.kontrak) p.kontra[k] = 1;
    a.nezet.memo1 = {"elotte"};
    bemondasok_kiirasa(a, f, e.rekontra);
    const std::string varhato = e.szoveg;
    if (varhato.empty()) {
        EXPECT_EQ(a.nezet.memo1, std::vector<std::string>{"elotte"});
        EXPECT_TRUE(f.uzenetek.empty());
        return;
    }
    EXPECT_EQ(a.nezet.memo1, (std::vector<std::string>{"elotte", varhato, " "}));
    EXPECT_EQ(nev_doboz(a, e.seat), varhato);
    // Every computer announcement is shown in a message before play goes on.
    if (p.ember)
        EXPECT_TRUE(f.uzenetek.empty());
    else
        EXPECT_EQ(f.uzenetek, std::vector<std::string>{varhato});
}

INSTANTIATE_TEST_SUITE_P(
    Tablazat, Bemondasok,
    ::testing::Values(
        BemondasEset{
            "NegyvenKetHusz", 1, false, 1, 2, {}, false, "Varko: Van egy 40-em, és két 20-am."},
        BemondasEset{"CsakNegyven", 2, false, 1, 0, {}, false, "Rido: Van egy 40-em."},
        BemondasEset{"HaromHusz", 1, false, 0, 3, {}, false, "Varko: Van három 20-am."},
        BemondasEset{"EgyHuszEmber", 0, false, 0, 1, {}, false, "Telmi: Van egy 20-am."},
        BemondasEset{"PirosKontra",
                     1,
                     false,
                     0,
                     0,
                     {L_PASSZ, L_ULTI},
                     true,
                     "Varko: Kontra Piros Parti  Ulti "},
        BemondasEset{"NegyvenEsKontra",
                     2,
                     false,
                     1,
                     1,
                     {L_BETLI},
                     false,
                     "Rido: Van egy 40-em, és egy 20-am.Kontra  Betli "},
        BemondasEset{"MindenSzinnelkuli",
                     1,
                     false,
                     0,
                     0,
                     {L_REBETLI, L_TERITETT_BETLI, L_SZINNELKULI_DURCHMARS, L_REDURCHMARS,
                      L_SZINNELKULI_TERITETT_DURCHMARS},
                     false,
                     "Varko: Kontra  Rebetli  Terített Betli  Színnélküli Durchmars  "
                     "Redurchmars  Színnélküli Terített Durchmars "},
        BemondasEset{"SzinesOsszetevok",
                     2,
                     false,
                     0,
                     0,
                     {L_NEGYVEN_SZAZ, L_HUSZ_SZAZ, L_NEGY_ASZ, L_DURCHMARS, L_TERITETT_DURCHMARS},
                     false,
                     "Rido: Kontra  40-100  20-100  Négy Ász  Durchmars  Terített Durchmars "},
        BemondasEset{
            "RekontraBemondasNelkul", 0, true, 1, 2, {L_PASSZ}, false, "Telmi: Rekontra Parti "},
        BemondasEset{"RekontraSemmi", 0, true, 1, 2, {}, false, ""},
        BemondasEset{"Semmi", 1, false, 0, 0, {}, true, ""}),
    [](const auto& info) { return std::string(info.param.nev); });

TEST(AduBemondas, KetMegfogalmazasEsCsakSzabadSzinben) {
    for (int32_t adu = 0; adu <= 4; ++adu) {
        for (uint64_t mag = 1; mag <= 8; ++mag) {
            Asztal a;
            asztal_indulas(a, mag);
            a.soron = 1;
            a.adu = adu;
            Asztal josolt = a;
            const int32_t v = veletlen(josolt, 2);
            adu_bemondas(a);
            if (adu > 2) {
                EXPECT_TRUE(a.nezet.memo1.empty());
                Asztal b;
                asztal_indulas(b, mag);
                EXPECT_EQ(a.rng.allapot, b.rng.allapot);  // no random draw
                continue;
            }
            const std::string szoveg =
                std::string("Varko") + (v == 0 ? ": Az Adu " : ": Színe ") + szinnevek[adu];
            EXPECT_EQ(a.nezet.memo1, (std::vector<std::string>{szoveg, " "}));
            EXPECT_EQ(a.nezet.memo3, szoveg);
        }
    }
}

}  // namespace
