#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "ai/lapvalasztas.h"
#include "analysis/gyors_kereses.h"
#include "analysis/gyors_kereso.h"
#include "analysis/gyors_tabla.h"
#include "analysis/kereses.h"
#include "analysis/szabalyok.h"
#include "model/asztal.h"
#include "model/osztas.h"
#include "support/kezek.h"

namespace {

using teszt::lap;
using teszt::slot;

// --- Positions --------------------------------------------------------------------

// Every seat's table: its own cards, the played cards, the talon out of play.
void ismeretek(Asztal& a) {
    for (int s = 0; s < 3; ++s) {
        Jatekos& j = a.jatekosok[s];
        for (auto& sor : j.hol)
            for (int32_t& h : sor) h = HOL_NEM_TUDOTT;
    }
    for (int s = 0; s < 3; ++s)
        for (int i = 0; i < 10; ++i) {
            const Kartyalap& k = a.jatekosok[s].lapok[i];
            a.jatekosok[s].hol[k.szin][k.ertek] = s;
        }
    for (Jatekos& j : a.jatekosok)
        for (const Kartyalap& k : a.talon) j.hol[k.szin][k.ertek] = HOL_TALON;
}

using teszt::vegallas;

// The deal counters, the same in all three records.
void szamlalok(Asztal& a, int32_t f_utes, int32_t e_utes, int32_t f_tizes = 0, int32_t e_tizes = 0,
               int32_t f_asz = 0, int32_t e_asz = 0) {
    for (Jatekos& j : a.jatekosok) {
        j.felvevo_utes = f_utes;
        j.ellen_utes = e_utes;
        j.felvevo_tizes = f_tizes;
        j.ellen_tizes = e_tizes;
        j.felvevo_asz = f_asz;
        j.ellen_asz = e_asz;
    }
}

// Records the card in slot j of the seat on turn as the table does, and advances the
// turn. Returns false when the card is not legal.
bool rogzit(Asztal& a, int32_t j) {
    const int32_t s = a.soron, t = a.utes_szam, k = a.utes_lapszam;
    a.vizsgalt_utes = t;
    a.vizsgalt_lapszam = k;
    if (!szabalyos_lap(a, a.jatekosok[s], j)) return false;
    const Kartyalap c = a.jatekosok[s].lapok[j];
    a.utes_lapok[t][k] = {s, j};
    if (c.ertek == ASZ) ++a.utes_asz[t];
    if (c.ertek == ASZ || c.ertek == TIZES) ++a.utes_tizes[t];
    if (t == 9 && k == 2) ++a.utes_tizes[9];
    if (k == 2)
        for (Jatekos& x : a.jatekosok) {
            if (a.utes_nyero[t][2] == a.felvevo) {
                x.felvevo_asz += a.utes_asz[t];
                x.felvevo_tizes += a.utes_tizes[t];
                ++x.felvevo_utes;
            } else {
                x.ellen_asz += a.utes_asz[t];
                x.ellen_tizes += a.utes_tizes[t];
                ++x.ellen_utes;
            }
        }
    for (Jatekos& x : a.jatekosok) x.hol[c.szin][c.ertek] = s - 10;
    a.soron = kovetkezo(s);
    if (++a.utes_lapszam == 3) {
        a.soron = a.utes_nyero[t][2];
        a.utes_lapszam = 0;
        ++a.utes_szam;
    }
    return true;
}

bool rogzit(Asztal& a, const char* nev) { return rogzit(a, slot(a, a.soron, nev)); }

// --- An independent solver: every legal card, the game really played on copies ----

// The verdict after the card just played at (t, k): as the search would see it.
int32_t itelet(Asztal& b, int32_t t, int32_t k) {
    b.vizsgalt_utes = t;
    b.vizsgalt_lapszam = k;
    return kiertekeles(b, b.jatekosok[b.felvevo], b.jatek);
}

int32_t legjobb(const Asztal& a);

// The value (1 made, -1 failed) of playing slot j now, both sides playing best.
int32_t ertek(const Asztal& a, int32_t j) {
    Asztal b = a;
    const int32_t t = b.utes_szam, k = b.utes_lapszam;
    EXPECT_TRUE(rogzit(b, j));
    const int32_t v = itelet(b, t, k);
    return v != 0 ? v : legjobb(b);
}

int32_t legjobb(const Asztal& a) {
    const bool dekl = a.soron == a.felvevo;
    Asztal b = a;
    b.vizsgalt_utes = b.utes_szam;
    b.vizsgalt_lapszam = b.utes_lapszam;
    for (int32_t j = 0; j < 10; ++j) {
        if (!szabalyos_lap(b, b.jatekosok[b.soron], j)) continue;
        const int32_t v = ertek(a, j);
        if (dekl && v == 1) return 1;
        if (!dekl && v == -1) return -1;
    }
    return dekl ? -1 : 1;
}

// The root candidates of the seat on turn, as the search lists them.
std::vector<int32_t> gyokerlista(Asztal& a) {
    Jatekos& p = a.jatekosok[a.soron];
    a.vizsgalt_utes = a.utes_szam;
    a.vizsgalt_lapszam = a.utes_lapszam;
    elosztas_masolas(a, p);
    const int32_t n = lapjelolt(a, p, a.soron);
    std::vector<int32_t> v;
    for (int32_t i = 0; i < n; ++i) v.push_back(a.jelolt_lapok[a.utes_szam][a.utes_lapszam].lap[i]);
    return v;
}

// Everything the search promises to leave as it found it.
struct Pillanatkep {
    int32_t hol[3][4][8];
    int32_t szamlalo[3][6];
    int32_t nyero[10][3], tizes[10], asz[10];
    int32_t vt, vk, utes, lapszam, soron;

    explicit Pillanatkep(const Asztal& a) {
        for (int s = 0; s < 3; ++s) {
            const Jatekos& j = a.jatekosok[s];
            std::copy(&j.hol[0][0], &j.hol[0][0] + 32, &hol[s][0][0]);
            const int32_t c[6] = {j.felvevo_tizes, j.ellen_tizes, j.felvevo_asz,
                                  j.ellen_asz,     j.felvevo_utes, j.ellen_utes};
            std::copy(c, c + 6, szamlalo[s]);
        }
        std::copy(&a.utes_nyero[0][0], &a.utes_nyero[0][0] + 30, &nyero[0][0]);
        std::copy(a.utes_tizes, a.utes_tizes + 10, tizes);
        std::copy(a.utes_asz, a.utes_asz + 10, asz);
        vt = a.vizsgalt_utes;
        vk = a.vizsgalt_lapszam;
        utes = a.utes_szam;
        lapszam = a.utes_lapszam;
        soron = a.soron;
    }
    bool operator==(const Pillanatkep& o) const {
        return std::equal(&hol[0][0][0], &hol[0][0][0] + 96, &o.hol[0][0][0]) &&
               std::equal(&szamlalo[0][0], &szamlalo[0][0] + 18, &o.szamlalo[0][0]) &&
               std::equal(&nyero[0][0], &nyero[0][0] + 30, &o.nyero[0][0]) &&
               std::equal(tizes, tizes + 10, o.tizes) && std::equal(asz, asz + 10, o.asz) &&
               vt == o.vt && vk == o.vk && utes == o.utes && lapszam == o.lapszam &&
               soron == o.soron;
    }
};

ElemzesEredmeny elemzes_soron(Asztal& a) { return elemzes(a, a.jatekosok[a.soron]); }

// --- kiertekeles ------------------------------------------------------------------

struct IteletEset {
    const char* nev;
    std::vector<int> flagek;
    int32_t utes, lapszam;  // search position
    int32_t f_utes, e_utes, f_tizes, e_tizes, f_asz, e_asz;
    int32_t vart;
};

TEST(Kiertekeles, ComponentsDecideAsSoonAsTheirOutcomeIsFixed) {
    const std::vector<IteletEset> esetek = {
        {"party is made at once", {L_PASSZ}, 0, 0, 0, 0, 0, 0, 0, 0, 1},
        {"piros party too", {L_PASSZ, L_PIROS}, 3, 1, 0, 3, 0, 4, 0, 2, 1},
        {"betli open", {L_BETLI}, 4, 2, 0, 5, 0, 0, 0, 0, 0},
        {"betli lost by one trick", {L_BETLI}, 2, 2, 1, 2, 0, 0, 0, 0, -1},
        {"rebetli lost by one trick", {L_REBETLI}, 0, 2, 1, 0, 0, 0, 0, 0, -1},
        {"betli made at the end", {L_BETLI}, 9, 2, 0, 10, 0, 0, 0, 0, 1},
        {"durchmars open", {L_DURCHMARS}, 5, 2, 6, 0, 0, 0, 0, 0, 0},
        {"durchmars lost by one trick", {L_DURCHMARS}, 5, 2, 5, 1, 0, 0, 0, 0, -1},
        {"colourless durchmars lost", {L_SZINNELKULI_DURCHMARS}, 0, 2, 0, 1, 0, 0, 0, 0, -1},
        {"durchmars made at the end", {L_DURCHMARS}, 9, 2, 10, 0, 0, 0, 0, 0, 1},
        {"four aces made early", {L_NEGY_ASZ}, 4, 2, 5, 0, 0, 0, 4, 0, 1},
        {"four aces lost by one ace", {L_NEGY_ASZ}, 1, 0, 1, 1, 0, 0, 1, 1, -1},
        {"four aces open", {L_NEGY_ASZ}, 1, 0, 1, 1, 0, 0, 3, 0, 0},
        {"40-100 made with six tens", {L_NEGYVEN_SZAZ}, 6, 2, 7, 0, 6, 0, 0, 0, 1},
        {"40-100 open with five", {L_NEGYVEN_SZAZ}, 6, 2, 7, 0, 5, 3, 0, 0, 0},
        {"40-100 lost with four against", {L_NEGYVEN_SZAZ}, 6, 2, 3, 4, 2, 4, 0, 0, -1},
        {"20-100 needs eight", {L_HUSZ_SZAZ}, 8, 2, 9, 0, 7, 1, 0, 0, 0},
        {"20-100 made with eight", {L_HUSZ_SZAZ}, 8, 2, 9, 0, 8, 0, 0, 0, 1},
        {"20-100 lost with two against", {L_HUSZ_SZAZ}, 2, 2, 2, 1, 0, 2, 0, 0, -1},
        // Both components must be made; one lost loses the contract.
        {"40-100 made, four aces open", {L_NEGYVEN_SZAZ, L_NEGY_ASZ}, 5, 2, 6, 0, 6, 0, 3, 0, 0},
        {"four aces made, 40-100 lost", {L_NEGYVEN_SZAZ, L_NEGY_ASZ}, 5, 2, 4, 2, 4, 4, 4, 0, -1},
        {"durchmars lost, 40-100 made", {L_DURCHMARS, L_NEGYVEN_SZAZ}, 5, 2, 5, 1, 6, 0, 0, 0, -1},
        // After the last card an open goal has been missed.
        {"four aces missed at the end", {L_NEGY_ASZ}, 9, 2, 10, 0, 7, 0, 3, 0, -1},
    };
    for (const auto& e : esetek) {
        Asztal a;
        vegallas(a, "Makk 7", "Makk 8", "Makk 9", "", {}, TOK, 0, 0);
        a.jatek = Licit{};
        for (int f : e.flagek) a.jatek[f] = 1;
        szamlalok(a, e.f_utes, e.e_utes, e.f_tizes, e.e_tizes, e.f_asz, e.e_asz);
        a.vizsgalt_utes = e.utes;
        a.vizsgalt_lapszam = e.lapszam;
        EXPECT_EQ(kiertekeles(a, a.jatekosok[0], a.jatek), e.vart) << e.nev;
    }
}

TEST(Kiertekeles, UltiNeedsTheTrumpSevenInTheLastTrick) {
    Asztal a;
    vegallas(a, "Tök 7", "Makk 8", "Makk 9", "", {L_ULTI}, TOK, 0, 0);
    Jatekos& d = a.jatekosok[0];
    a.vizsgalt_utes = 9;
    a.vizsgalt_lapszam = 0;
    EXPECT_EQ(kiertekeles(a, d, a.jatek), 0);
    // The 7 played before the last trick: lost at once.
    d.hol[TOK][HETES] = -10;
    a.vizsgalt_utes = 8;
    a.vizsgalt_lapszam = 1;
    EXPECT_EQ(kiertekeles(a, d, a.jatek), -1);
    // ... or lying in the talon.
    d.hol[TOK][HETES] = HOL_TALON;
    a.vizsgalt_utes = 0;
    a.vizsgalt_lapszam = 0;
    EXPECT_EQ(kiertekeles(a, d, a.jatek), -1);
    // Played in the last trick and winning it: made.
    d.hol[TOK][HETES] = 0;
    ASSERT_TRUE(rogzit(a, "Tök 7"));
    ASSERT_TRUE(rogzit(a, "Makk 8"));
    ASSERT_TRUE(rogzit(a, "Makk 9"));
    EXPECT_EQ(a.utes_nyero[9][2], 0);
    EXPECT_EQ(itelet(a, 9, 2), 1);
    // The same trick won by a defender's card fails.
    Asztal b;
    vegallas(b, "Tök 7", "Tök 8", "Makk 9", "", {L_ULTI}, TOK, 0, 0);
    ASSERT_TRUE(rogzit(b, "Tök 7"));
    ASSERT_TRUE(rogzit(b, "Tök 8"));
    ASSERT_TRUE(rogzit(b, "Makk 9"));
    EXPECT_EQ(itelet(b, 9, 2), -1);
}

// --- elemzes on positions worked out by hand --------------------------------------

TEST(ElemzesKereses, BetliLostTheMomentTheDeclarerTakesATrick) {
    Asztal a;
    vegallas(a, "Makk Ász, Zöld Ász", "Makk 7, Zöld 7", "Makk 8, Zöld 8", "", {L_BETLI}, NINCS_ADU, 0,
             0);
    const uint64_t n0 = a.keresett_lapok;
    const ElemzesEredmeny e = elemzes_soron(a);
    EXPECT_EQ(e.teljesul, 0);
    EXPECT_EQ(e.db, 0);
    EXPECT_EQ(e.jo_lapok[0], -1);
    // Each lead is one line of three cards, decided with the first trick.
    EXPECT_EQ(e.szam, 2);
    EXPECT_EQ(a.keresett_lapok - n0, 6u);
    EXPECT_EQ(e.ido, 0);
}

TEST(ElemzesKereses, BetliMadeListsEveryLeadInSlotOrder) {
    Asztal a;
    vegallas(a, "Makk 7, Zöld 7", "Makk 8, Zöld 8", "Makk 9, Zöld 9", "", {L_BETLI}, NINCS_ADU, 0, 0);
    const ElemzesEredmeny e = elemzes_soron(a);
    EXPECT_EQ(e.teljesul, 1);
    EXPECT_EQ(e.szam, 2);
    ASSERT_EQ(e.db, 2);
    EXPECT_EQ(e.jo_lapok[0], slot(a, 0, "Zöld 7"));
    EXPECT_EQ(e.jo_lapok[1], slot(a, 0, "Makk 7"));
    EXPECT_EQ(e.jo_lapok[2], -1);
}

TEST(ElemzesKereses, DurchmarsLostTheMomentADefenderTakesOne) {
    Asztal a;
    vegallas(a, "Makk Ász, Makk 7", "Makk 8, Zöld 7", "Makk 9, Zöld 8", "", {L_DURCHMARS}, TOK, 0, 0);
    szamlalok(a, 8, 0);
    const uint64_t n0 = a.keresett_lapok;
    const ElemzesEredmeny e = elemzes_soron(a);
    EXPECT_EQ(e.teljesul, 1);
    ASSERT_EQ(e.db, 1);
    EXPECT_EQ(e.jo_lapok[0], slot(a, 0, "Makk Ász"));
    EXPECT_EQ(e.szam, 2);
    // The Ász line runs six cards; the 7 is decided after three.
    EXPECT_EQ(a.keresett_lapok - n0, 9u);

    // The same seen by a defender: the contract is made whatever it does.
    Asztal b;
    vegallas(b, "Makk 7, Makk Ász", "Makk 8, Zöld 7", "Makk 9, Zöld 8", "", {L_DURCHMARS}, TOK, 0, 0);
    szamlalok(b, 8, 0);
    ASSERT_TRUE(rogzit(b, "Makk Ász"));
    const ElemzesEredmeny v = elemzes_soron(b);
    EXPECT_EQ(b.soron, 1);
    EXPECT_EQ(v.teljesul, 1);
    EXPECT_EQ(v.db, 0);
}

TEST(ElemzesKereses, UltiFailsWhenTheSevenGoesEarly) {
    Asztal a;
    vegallas(a, "Tök Ász, Tök 7", "Makk 8, Zöld 7", "Makk 9, Zöld 8", "", {L_ULTI}, TOK, 0, 0);
    const ElemzesEredmeny e = elemzes_soron(a);
    EXPECT_EQ(e.teljesul, 1);
    ASSERT_EQ(e.db, 1);
    EXPECT_EQ(e.jo_lapok[0], slot(a, 0, "Tök Ász"));
    // Four defender answers to the Ász, all made; the 7 first fails on its own.
    EXPECT_EQ(e.szam, 5);
}

TEST(ElemzesKereses, UltiWithTheSevenInTheTalonIsLostAtEveryLead) {
    Asztal a;
    vegallas(a, "Tök Ász, Makk Ász", "Makk 8, Zöld 7", "Makk 9, Zöld 8", "Tök 7, Piros 7", {L_ULTI},
             TOK, 0, 0);
    const ElemzesEredmeny e = elemzes_soron(a);
    EXPECT_EQ(e.teljesul, 0);
    EXPECT_EQ(e.db, 0);
    EXPECT_EQ(e.szam, 2);
}

TEST(ElemzesKereses, PartyIsMadeWithOneLinePerRootCandidate) {
    Asztal a;
    teszt::leosztas(
        a, "Makk Ász, Makk 10, Makk 9, Zöld Király, Zöld 8, Tök Ász, Tök Alsó, Tök 7, Piros Felső, Piros 8",
        "Makk Király, Makk 7, Zöld Ász, Zöld 10, Zöld 9, Tök Király, Tök 9, Piros Ász, Piros 10, Piros 7",
        "Makk Felső, Makk Alsó, Makk 8, Zöld Felső, Zöld Alsó, Zöld 7, Tök 10, Tök Felső, Tök 8, Piros Király",
        "Piros 9, Piros Alsó", TOK, 0);
    teszt::jatek(a, {L_PASSZ}, TOK, 0);
    const std::vector<int32_t> lista = gyokerlista(a);
    ASSERT_EQ(lista.size(), 9u);  // Piros Felső and 8 touch across the talon
    const ElemzesEredmeny e = elemzes_soron(a);
    EXPECT_EQ(e.teljesul, 1);
    EXPECT_EQ(e.szam, 9);
    ASSERT_EQ(e.db, 9);
    for (size_t i = 0; i < lista.size(); ++i) EXPECT_EQ(e.jo_lapok[i], lista[i]);
    EXPECT_EQ(e.jo_lapok[9], -1);

    // A defender in the party has nothing to find.
    ASSERT_TRUE(rogzit(a, "Makk 9"));
    const ElemzesEredmeny v = elemzes_soron(a);
    EXPECT_EQ(v.teljesul, 1);
    EXPECT_EQ(v.db, 0);
    EXPECT_EQ(v.szam, 1);  // Makk Király is seat 1's only card
}

// A seeded deal played at random for `lejatszott` cards, then searched from there.
void veletlen_allas(Asztal& a, uint64_t mag, int jatek, int lejatszott) {
    asztal_indulas(a, mag);
    a.ora = [] { return int64_t{0}; };
    kevert_osztas(a);
    a.soron = (a.oszto + 1) % 3;
    parti_alaphelyzet(a);
    const int32_t dekl = a.felvevo;
    static const std::vector<std::vector<int>> szerzodesek = {
        {L_PASSZ}, {L_BETLI}, {L_DURCHMARS}, {L_ULTI}, {L_NEGYVEN_SZAZ}, {L_SZINNELKULI_DURCHMARS},
        {L_NEGY_ASZ}, {L_HUSZ_SZAZ, L_ULTI}};
    const auto& f = szerzodesek[jatek % szerzodesek.size()];
    const int32_t adu = (f[0] == L_BETLI || f[0] == L_SZINNELKULI_DURCHMARS) ? NINCS_ADU
                                                                             : static_cast<int32_t>(mag % 4);
    a.jatek = Licit{};
    for (int x : f) a.jatek[x] = 1;
    a.adu = adu;
    for (int s = 0; s < 3; ++s) kez_rendezes(a, s, 10);
    ismeretek(a);
    a.soron = dekl;
    for (int n = 0; n < lejatszott; ++n) {
        std::vector<int32_t> l;
        for (int32_t j = 0; j < 10; ++j) {
            a.vizsgalt_utes = a.utes_szam;
            a.vizsgalt_lapszam = a.utes_lapszam;
            if (szabalyos_lap(a, a.jatekosok[a.soron], j)) l.push_back(j);
        }
        ASSERT_FALSE(l.empty());
        ASSERT_TRUE(rogzit(a, l[veletlen(a, static_cast<int32_t>(l.size()))]));
    }
}

// --- The time limit and what the search leaves behind -------------------------------

void betli_nyitas(Asztal& a) {
    teszt::leosztas(
        a, "Makk Ász, Makk 10, Makk 9, Zöld Király, Zöld 8, Tök Ász, Tök Alsó, Tök 7, Piros Felső, Piros 8",
        "Makk Király, Makk 7, Zöld Ász, Zöld 10, Zöld 9, Tök Király, Tök 9, Piros Ász, Piros 10, Piros 7",
        "Makk Felső, Makk Alsó, Makk 8, Zöld Felső, Zöld Alsó, Zöld 7, Tök 10, Tök Felső, Tök 8, Piros Király",
        "Piros 9, Piros Alsó", NINCS_ADU, 0);
    teszt::jatek(a, {L_DURCHMARS, L_ULTI}, TOK, 0);
    ismeretek(a);
}

TEST(Idokorlat, OneHumanCutsTheSearchWithThePessimisticVerdict) {
    for (int32_t ki : {0, 1}) {
        Asztal a;
        betli_nyitas(a);
        a.jatek = Licit{};
        a.jatek.ulti = 1;  // decided only in the last trick: deep lines
        if (ki == 1) {
            ASSERT_TRUE(rogzit(a, "Makk 9"));
        }
        a.emberek_szama = 1;
        auto ora = std::make_shared<teszt::HajtottOra>();
        ora->lepes_per_ms = 1;
        a.ora = [ora] { return ora->operator()(); };
        const Pillanatkep elotte(a);
        const uint64_t n0 = a.keresett_lapok;
        const ElemzesEredmeny e = elemzes_soron(a);
        EXPECT_EQ(e.ido, -1) << ki;
        // The pessimistic verdict for the seat on turn.
        EXPECT_EQ(e.teljesul, ki == 0 ? 0 : 1) << ki;
        // About one card per clock read, a thousand reads.
        EXPECT_GT(a.keresett_lapok - n0, 900u);
        EXPECT_LT(a.keresett_lapok - n0, 1100u);
        EXPECT_TRUE(Pillanatkep(a) == elotte) << ki;
    }
}

// The Ulti of the opening deal after two tricks of first legal cards.
void ulti_kozep(Asztal& a) {
    betli_nyitas(a);
    a.jatek = Licit{};
    a.jatek.ulti = 1;
    for (int n = 0; n < 6; ++n) {
        a.vizsgalt_utes = a.utes_szam;
        a.vizsgalt_lapszam = a.utes_lapszam;
        int32_t j = 0;
        while (!szabalyos_lap(a, a.jatekosok[a.soron], j)) ++j;
        ASSERT_TRUE(rogzit(a, j));
    }
    ASSERT_EQ(a.jatekosok[0].hol[TOK][HETES], 0);
}

TEST(Idokorlat, TwoHumansSearchToTheEnd) {
    Asztal a;
    ulti_kozep(a);
    a.emberek_szama = 2;
    auto ora = std::make_shared<teszt::HajtottOra>();
    ora->lepes_per_ms = 1;
    a.ora = [ora] { return ora->operator()(); };
    const uint64_t n0 = a.keresett_lapok;
    const ElemzesEredmeny f = elemzes_soron(a);
    EXPECT_GE(f.ido, 10);
    EXPECT_GT(a.keresett_lapok - n0, 10000u);
    // The same search on a still clock gives the same verdict.
    Asztal b;
    ulti_kozep(b);
    const ElemzesEredmeny g = elemzes_soron(b);
    EXPECT_EQ(g.ido, 0);
    EXPECT_EQ(g.teljesul, f.teljesul);
    EXPECT_EQ(g.db, f.db);
    EXPECT_EQ(g.szam, f.szam);
}

// A 40-100 from the opening, all computers, one clock read per millisecond.
void negyven_szaz_hajtott_oran(Asztal& a) {
    betli_nyitas(a);
    a.emberek_szama = 0;
    a.jatek = Licit{};
    a.jatek.negyven_szaz = 1;
    auto ora = std::make_shared<teszt::HajtottOra>();
    ora->lepes_per_ms = 1;
    a.ora = [ora] { return ora->operator()(); };
}

TEST(Idokorlat, VariacioCutOffReportsNegativeTimeAndCountsNoPartialDistribution) {
    Asztal a;
    negyven_szaz_hajtott_oran(a);
    const Pillanatkep elotte(a);
    const ElemzesEredmeny e = variacio(a, a.jatekosok[0]);
    EXPECT_LT(e.ido, 0);
    EXPECT_EQ(e.teljesul, 0);
    // A thousand reads cannot finish one search of a whole 40-100 from the opening.
    EXPECT_EQ(e.szam, 0);
    EXPECT_TRUE(Pillanatkep(a) == elotte);
}

// --- Cross-check against the independent solver ----------------------------------

// Random end positions in which the contract is still open at the root and the
// search needs more than one line per root card.
TEST(ElemzesKereses, AgreesWithPlayingEveryLegalCard) {
    static const int jatekok[] = {3, 4, 6, 7, 1, 2, 5};  // Ulti, 40-100, Négy Ász, ...
    int esetek = 0, lepett = 0;
    for (uint64_t mag = 1; mag <= 6000 && esetek < 80; ++mag) {
        const int lejatszott = 18 + static_cast<int>(mag % 6);  // 4 or 3 tricks left
        Asztal a;
        veletlen_allas(a, mag, jatekok[mag % 7], lejatszott);
        const int32_t seat = a.soron;
        const std::vector<int32_t> lista = gyokerlista(a);
        const ElemzesEredmeny e = elemzes_soron(a);
        if (e.szam <= static_cast<int32_t>(lista.size())) continue;
        ++esetek;
        const bool dekl = seat == a.felvevo;
        std::set<int32_t> jok(e.jo_lapok, e.jo_lapok + e.db);
        EXPECT_EQ(static_cast<int>(jok.size()), e.db);
        bool van = false;
        for (int32_t j : lista) {
            const int32_t v = ertek(a, j);
            const bool jo = (v == 1) == dekl;
            van = van || jo;
            EXPECT_EQ(jo, jok.count(j) == 1) << "seed " << mag << " slot " << j;
        }
        if (van && e.db < static_cast<int32_t>(lista.size())) ++lepett;
        EXPECT_EQ(e.teljesul == 1, van == dekl) << "seed " << mag;
    }
    EXPECT_EQ(esetek, 80);
    // Some of them have both right and wrong cards at the root.
    EXPECT_GE(lepett, 6);
}

// --- variacio -------------------------------------------------------------------

TEST(VariacioKereses, CountsTheSplitsInWhichTheDurchmarsIsMade) {
    Asztal a;
    vegallas(a, "Makk Ász, Makk 7", "Makk 8, Zöld 7", "Makk 9, Zöld 8", "", {L_DURCHMARS}, TOK, 0, 0);
    szamlalok(a, 8, 0);
    const Pillanatkep elotte(a);
    const ElemzesEredmeny e = variacio(a, a.jatekosok[0]);
    // Four unseen cards, two to each defender: six splits; the Ász first wins
    // exactly when the two Makk cards lie in different hands.
    EXPECT_EQ(e.szam, 6);
    EXPECT_EQ(e.db, 4);
    EXPECT_EQ(e.teljesul, 1);
    EXPECT_EQ(e.jo_lapok[slot(a, 0, "Makk Ász")], 4);
    EXPECT_EQ(e.jo_lapok[slot(a, 0, "Makk 7")], 0);
    EXPECT_EQ(e.ido, 0);
    EXPECT_TRUE(Pillanatkep(a) == elotte);
}

TEST(VariacioKereses, AllOfTheNextSeatSeenMeansExactlyOneDistribution) {
    Asztal a;
    vegallas(a, "Makk Ász, Makk 7", "Makk 8, Zöld 7", "Makk 9, Zöld 8", "", {L_DURCHMARS}, TOK, 0, 0);
    szamlalok(a, 8, 0);
    Jatekos& p = a.jatekosok[0];
    p.hol[MAKK][NYOLCAS] = 1;
    p.hol[ZOLD][HETES] = 1;
    const ElemzesEredmeny e = variacio(a, p);
    EXPECT_EQ(e.szam, 1);
    EXPECT_EQ(e.db, 1);
    EXPECT_EQ(e.jo_lapok[slot(a, 0, "Makk Ász")], 1);
    EXPECT_EQ(p.hol[MAKK][NYOLCAS], 1);
    EXPECT_EQ(p.hol[MAKK][KILENCES], HOL_NEM_TUDOTT);
}

TEST(VariacioKereses, UltiAdmitsOnlyDistributionsWithTheSevenAtTheDeclarer) {
    // A defender analyses: the trump 7 is unseen and must be the declarer's.
    Asztal a;
    vegallas(a, "Tök 7, Makk Ász", "Makk 8, Zöld 7", "Makk 9, Zöld 8", "", {L_ULTI}, TOK, 0, 1);
    Jatekos& p = a.jatekosok[1];
    ASSERT_EQ(p.hol[TOK][HETES], HOL_NEM_TUDOTT);
    // Seat 1 analyses as if on lead (root seat = its own).
    a.soron = 1;
    const ElemzesEredmeny e = variacio(a, p);
    // Four unseen (Tök 7, Makk Ász, Makk 9, Zöld 8), two to seat 2: C(4,2) = 6, of
    // which the three that leave the 7 with seat 0 are searched.
    EXPECT_EQ(e.szam, 3);
}

TEST(VariacioKereses, ATalonNotSeenGoesToTheLastSeatsSpareSlots) {
    Asztal a;
    vegallas(a, "Makk Ász, Makk 7", "Makk 8, Zöld 7", "Makk 9, Zöld 8", "Piros 7, Piros 8",
             {L_DURCHMARS}, TOK, 0, 1);
    Jatekos& p = a.jatekosok[1];
    p.hol[PIROS][HETES] = HOL_NEM_TUDOTT;
    p.hol[PIROS][NYOLCAS] = HOL_NEM_TUDOTT;
    const Pillanatkep elotte(a);
    const ElemzesEredmeny e = variacio(a, p);
    // Six unseen cards, two of them to seat 2: fifteen distributions; seat 0 takes
    // the other four, two of which lie out of play.
    EXPECT_EQ(e.szam, 15);
    EXPECT_TRUE(Pillanatkep(a) == elotte);
    std::set<int> sor0;
    for (int j = 0; j < 12; ++j) sor0.insert(p.elosztas[0][j].kep);
    EXPECT_EQ(sor0.size(), 12u);
    // Seat 0's eight played cards stay in the slots that take part.
    for (int j = 0; j < 10; ++j) {
        const Kartyalap& k = a.jatekosok[0].lapok[j];
        if (p.hol[k.szin][k.ertek] != -10) continue;
        bool bent = false;
        for (int i = 0; i < 10; ++i) bent = bent || p.elosztas[0][i].kep == k.kep;
        EXPECT_TRUE(bent) << lap_nev(k);
    }
    for (int j : {10, 11}) EXPECT_GE(p.hol[p.elosztas[0][j].szin][p.elosztas[0][j].ertek], 3);
}

// Every distribution the knowledge allows, laid out for real and searched with
// `elemzes`, gives the counts `variacio` reports.
TEST(VariacioKereses, AgreesWithElemzesOverEveryDistribution) {
    static const int jatekok[] = {3, 4, 6, 7, 1, 2, 5};
    int esetek = 0, vegyes = 0;
    for (uint64_t mag = 31; mag <= 3000 && esetek < 40; ++mag) {
        Asztal a;
        veletlen_allas(a, mag, jatekok[mag % 7], 18 + static_cast<int>(mag % 3) * 3);
        const int32_t o = a.soron, R = kovetkezo(o), L = elozo(o);
        Jatekos& p = a.jatekosok[o];
        // The unseen cards and R's and L's known ones.
        std::vector<Kartyalap> rejtett, ismert[3];
        for (int s = 0; s < 4; ++s)
            for (int r = 0; r < 8; ++r) {
                const int32_t h = p.hol[s][r];
                if (h >= 3) rejtett.push_back(kartya(s, r));
                for (int x : {R, L})
                    if (h == x || h == x - 10) ismert[x].push_back(kartya(s, r));
            }
        const size_t N = 10 - ismert[R].size();
        int elosztasok = 0, jo = 0;
        int per_slot[10] = {};
        const std::vector<bool> kezdo = [&] {
            std::vector<bool> v(rejtett.size(), false);
            std::fill(v.begin(), v.begin() + static_cast<long>(N), true);
            return v;
        }();
        std::vector<bool> kiv = kezdo;
        do {
            Asztal b = a;
            std::vector<Kartyalap> sor[3] = {{}, {}, {}};
            sor[R] = ismert[R];
            sor[L] = ismert[L];
            for (size_t i = 0; i < rejtett.size(); ++i) sor[kiv[i] ? R : L].push_back(rejtett[i]);
            bool ok = true;
            for (int x : {R, L}) {
                ASSERT_EQ(sor[x].size(), 10u);
                for (int i = 0; i < 10; ++i) b.jatekosok[x].lapok[i] = sor[x][i];
                kez_rendezes(b, x, 10);
            }
            if (b.jatek.ulti) {
                const int32_t h = p.hol[b.adu][HETES];
                bool nala = h == b.felvevo || h == b.felvevo - 10;
                for (const Kartyalap& k : sor[b.felvevo]) nala = nala || (k.szin == b.adu && k.ertek == HETES);
                if (b.felvevo == o) nala = nala || h == o;
                ok = ok && nala;
            }
            if (!ok) continue;
            const ElemzesEredmeny e = elemzes(b, b.jatekosok[o]);
            ++elosztasok;
            if ((e.teljesul == 1) == (o == b.felvevo)) {
                ++jo;
                for (int i = 0; i < e.db; ++i) ++per_slot[e.jo_lapok[i]];
            }
        } while (std::prev_permutation(kiv.begin(), kiv.end()));

        ASSERT_EQ(a.utes_lapszam, 0);
        // Only positions where the distribution matters.
        if (jo == 0 || jo == elosztasok) continue;
        ++esetek;
        const ElemzesEredmeny v = variacio(a, p);
        EXPECT_EQ(v.szam, elosztasok) << "seed " << mag;
        EXPECT_EQ(v.db, jo) << "seed " << mag;
        for (int i = 0; i < 10; ++i) EXPECT_EQ(v.jo_lapok[i], per_slot[i]) << "seed " << mag << " slot " << i;
        EXPECT_EQ(v.teljesul == 1, jo > 0 ? o == a.felvevo : o != a.felvevo) << "seed " << mag;
        int helyes = 0;
        for (int i = 0; i < 10; ++i) helyes += per_slot[i] > 0;
        if (helyes > 1) ++vegyes;
    }
    EXPECT_EQ(esetek, 40);
    // Some with more than one card right in some distribution.
    EXPECT_GE(vegyes, 5);
}

// --- The fast engine ---------------------------------------------------------------

// Seeded positions of every contract: the fast engine on one, two and four threads,
// its distributions searched together or each on its own, answers as the literal
// one, draws the same random numbers and leaves the table as it found it, and the
// card choice stopping early plays the card of the full count.
// (ulti_bench diff does the same before every card of self-play deals.)
TEST(GyorsVariacio, AnswersAsTheLiteralEngineOnAnyNumberOfThreads) {
    static const int jatekok[] = {3, 4, 6, 7, 1, 2, 5};
    int vegyes = 0;
    for (uint64_t mag = 101; mag <= 170; ++mag) {
        Asztal a;
        veletlen_allas(a, mag, jatekok[mag % 7], 9 + static_cast<int>(mag % 9));
        a.emberek_szama = 2;
        Asztal l = a;
        const ElemzesEredmeny v = variacio_literalis(l, l.jatekosok[l.soron]);
        vegyes += v.db > 0 && v.db < v.szam;
        for (const auto& [szalak, egyutt] :
             {std::pair{1, true}, std::pair{2, true}, std::pair{4, true}, std::pair{1, false}}) {
            Asztal b = a;
            VariacioBeallitas vb;
            vb.szalak = szalak;
            vb.egyutt = egyutt;
            const ElemzesEredmeny g = gyors_variacio(b, b.jatekosok[b.soron], vb);
            EXPECT_EQ(g.teljesul, v.teljesul) << "seed " << mag << " threads " << szalak;
            EXPECT_EQ(g.db, v.db) << "seed " << mag << " threads " << szalak;
            EXPECT_EQ(g.szam, v.szam) << "seed " << mag << " threads " << szalak;
            for (int i = 0; i < 10; ++i) EXPECT_EQ(g.jo_lapok[i], v.jo_lapok[i]) << "seed " << mag << " slot " << i;
            EXPECT_EQ(b.rng.allapot, l.rng.allapot);
            EXPECT_TRUE(Pillanatkep(b) == Pillanatkep(a)) << "seed " << mag;
        }
        // The card choice that stops early plays the card of the full count.
        Asztal c = a, d = a;
        EXPECT_EQ(lapvalasztas(c, c.jatekosok[c.soron], true), lapvalasztas(d, d.jatekosok[d.soron], false))
            << "seed " << mag;
    }
    // Some where the distribution decides.
    EXPECT_GE(vegyes, 4);
}

// Early in the deal, where the literal engine is too slow to compare and the joint
// search shares the most: its counts are those of each distribution searched on its
// own, on any number of threads.
TEST(GyorsVariacio, DistributionsSearchedTogetherCountAsEachOnItsOwn) {
    static const int jatekok[] = {3, 4, 6, 7, 1, 2, 5};
    for (uint64_t mag = 201; mag <= 228; ++mag) {
        Asztal a;
        veletlen_allas(a, mag, jatekok[mag % 7], 5 + static_cast<int>(mag % 4));
        a.emberek_szama = 2;
        ElemzesEredmeny e[3];
        for (int i = 0; i < 3; ++i) {
            Asztal b = a;
            VariacioBeallitas vb;
            vb.szalak = i == 2 ? 2 : 1;
            vb.egyutt = i != 0;
            e[i] = gyors_variacio(b, b.jatekosok[b.soron], vb);
        }
        for (int i = 1; i < 3; ++i) {
            EXPECT_EQ(e[i].szam, e[0].szam) << "seed " << mag;
            EXPECT_EQ(e[i].db, e[0].db) << "seed " << mag;
            for (int c = 0; c < 10; ++c)
                EXPECT_EQ(e[i].jo_lapok[c], e[0].jo_lapok[c]) << "seed " << mag << " slot " << c;
        }
    }
}

// A Négy Ász whose Ászok are all taken (here, alone and beside a 40-100): the fast
// engine answers it itself, as the literal one does.
TEST(GyorsVariacio, TakesTheNegyAszWhoseAszokAreAllTaken) {
    int esetek = 0;
    for (uint64_t mag = 1; mag <= 400 && esetek < 6; ++mag) {
        Asztal a;
        veletlen_allas(a, mag, 6, 15 + static_cast<int>(mag % 10));
        if (mag % 2) a.jatek[L_NEGYVEN_SZAZ] = 1;
        int32_t bent = 0;
        for (int s = 0; s < 4; ++s) bent += a.jatekosok[0].hol[s][ASZ] >= 0;
        if (bent > 0) continue;
        for (Jatekos& j : a.jatekosok) {
            j.felvevo_asz = 4;
            j.ellen_asz = 0;
        }
        ++esetek;
        a.emberek_szama = 2;
        EXPECT_TRUE(gyors_motor_veszi(a, a.soron)) << "seed " << mag;
        Asztal l = a, g = a;
        const ElemzesEredmeny v = variacio_literalis(l, l.jatekosok[l.soron]);
        const ElemzesEredmeny e = variacio(g, g.jatekosok[g.soron]);
        EXPECT_EQ(e.teljesul, v.teljesul) << "seed " << mag;
        EXPECT_EQ(e.db, v.db) << "seed " << mag;
        EXPECT_EQ(e.szam, v.szam) << "seed " << mag;
        for (int i = 0; i < 10; ++i) EXPECT_EQ(e.jo_lapok[i], v.jo_lapok[i]) << "seed " << mag << " slot " << i;
    }
    EXPECT_EQ(esetek, 6);
}

TEST(GyorsVariacio, WorkerThreadsStopOnADrivenClock) {
    Asztal a;
    negyven_szaz_hajtott_oran(a);
    a.kereses_szalak = 2;
    const Pillanatkep elotte(a);
    const ElemzesEredmeny e = variacio(a, a.jatekosok[0]);
    // The clock advances with the cards the workers play: the second runs out long
    // before the opening's distributions are searched.
    EXPECT_LT(e.ido, 0);
    EXPECT_LT(e.szam, 100);
    EXPECT_TRUE(Pillanatkep(a) == elotte);
}

// --- Sorting and filtering -------------------------------------------------------

TEST(ElosztasRendezes, SortsEachRowLikeAHand) {
    for (uint64_t mag = 1; mag <= 8; ++mag)
        for (int32_t adu : {TOK, NINCS_ADU}) {
            Asztal a;
            asztal_indulas(a, mag);
            kevert_osztas(a);
            a.adu = adu;
            Jatekos& p = a.jatekosok[0];
            for (int s = 0; s < 3; ++s)
                for (int j = 0; j < 10; ++j) p.elosztas[s][j] = a.jatekosok[s].lapok[9 - j];
            elosztas_rendezes(a, p);
            for (int s = 0; s < 3; ++s) {
                kez_rendezes(a, s, 10);
                for (int j = 0; j < 10; ++j) EXPECT_EQ(p.elosztas[s][j].kep, a.jatekosok[s].lapok[j].kep);
            }
        }
}

TEST(ElosztasSzures, UltiWantsTheSevenWithTheDeclarer) {
    Asztal a;
    vegallas(a, "Tök 7", "Makk 8", "Makk 9", "", {L_ULTI}, TOK, 1, 1);
    Jatekos& p = a.jatekosok[0];
    struct {
        int32_t hol;
        bool vart;
    } const esetek[] = {{1, true}, {4, true}, {-9, true}, {0, false}, {3, false}, {5, false},
                        {-10, false}, {HOL_TALON, false}, {HOL_NEM_TUDOTT, false}};
    for (const auto& e : esetek) {
        p.hol[TOK][HETES] = e.hol;
        EXPECT_EQ(elosztas_szures(a, p), e.vart) << e.hol;
    }
    a.jatek.ulti = 0;
    a.jatek.passz = 1;
    p.hol[TOK][HETES] = 0;
    EXPECT_TRUE(elosztas_szures(a, p));
}

// The table's key closes up each suit with BMI2 where the processor runs it fast, and
// card by card elsewhere: both must give the same bits, or a machine's counts differ.
TEST(GyorsKulcs, ClosingUpWithPextGivesTheBitsOfTheLoop) {
    if (!gyors::pext_gyors) GTEST_SKIP() << "no fast pext here";
    std::mt19937 rng(5);
    for (int i = 0; i < 20000; ++i) {
        gyors::Maszk k[3] = {0, 0, 0};
        const uint32_t hol = rng(), hol2 = rng();
        for (int32_t b = 0; b < 32; ++b)
            if (const uint32_t s = ((hol >> b) & 1) | ((hol2 >> b) & 1) << 1; s > 0) k[s - 1] |= 1u << b;
        const gyors::Maszk szamolt = rng();
        const gyors::Tomoritett x = gyors::tomorit_hordozhato(k[0], k[1], k[2], szamolt);
        const gyors::Tomoritett y = gyors::tomorit_pext(k[0], k[1], k[2], szamolt);
        ASSERT_EQ(x.h02, y.h02) << i;
        ASSERT_EQ(x.h12, y.h12) << i;
        ASSERT_EQ(x.jelek, y.jelek) << i;
    }
}

// An entry answers only its own position: the same hands with another leader, other
// counters or other counted cards, even in the same bucket, find nothing. Tables that
// share their large part find each other's entries, also after it grows.
TEST(GyorsTabla, FindsOnlyItsOwnPositionAndSharesItsLargePart) {
    gyors::Kulcs k{0x5A5A'1234'9876'0F0Full, 0x21u, 1u | 3u << 2 | 2u << 7, 0, 0};
    k.hasito = gyors::kulcs_hasito(k.kezek, k.jelek, k.tobbi);
    gyors::Tar kozos(16, 18, false);
    gyors::Tabla sajat(20), egyik(20, false, &kozos), masik(20, false, &kozos);
    for (gyors::Tabla* t : {&sajat, &egyik}) t->tarol(2, k, -1, 1000);
    EXPECT_EQ(sajat.ertek(2, k), -1);
    EXPECT_EQ(masik.ertek(2, k), -1);
    for (const auto& [kezek, jelek, tobbi] : std::initializer_list<std::tuple<uint64_t, uint32_t, uint32_t>>{
             {k.kezek, k.jelek, k.tobbi ^ 1u},          // another leader
             {k.kezek, k.jelek, k.tobbi ^ 1u << 2},     // another count of the declarer's tens
             {k.kezek, k.jelek, k.tobbi ^ 1u << 7},     // of the defenders' tens
             {k.kezek, k.jelek ^ 0x20u, k.tobbi},       // other counted cards
             {k.kezek ^ 0x300ull, k.jelek, k.tobbi}}) { // a card in another hand
        const gyors::Kulcs m{kezek, jelek, tobbi, k.hasito, 0};
        EXPECT_EQ(sajat.ertek(2, m), 0) << std::hex << kezek << ' ' << jelek << ' ' << tobbi;
        EXPECT_EQ(masik.ertek(2, m), 0) << std::hex << kezek << ' ' << jelek << ' ' << tobbi;
    }
    kozos.novel();
    EXPECT_EQ(masik.ertek(2, k), -1);
}

// The bounds decide a position only as its full search does: random endings of
// every kind of contract, the declarer on lead with strong cards (where the bounds
// act), searched with and without them; without them the table keeps one value per
// count of tens, and with both Ászok and tens counted the cards themselves, each
// ending on a table of its own. With them one table serves every ending of a kind
// and declarer, as the distributions of a call share theirs: what the key leaves out
// shows as another ending's value.
TEST(GyorsKorlatok, DecideAsTheFullSearch) {
    std::mt19937 rng(3);
    Komponensek fajtak[8];
    fajtak[0].ulti = true;
    fajtak[1].negy_asz = true;
    fajtak[2].negyven_szaz = true;
    fajtak[3].ulti = fajtak[3].negy_asz = true;
    fajtak[4].durchmars = true;
    fajtak[5].negyven_szaz = fajtak[5].negy_asz = true;
    fajtak[6].negyven_szaz = fajtak[6].ulti = true;
    fajtak[7].negyven_szaz = fajtak[7].negy_asz = fajtak[7].durchmars = true;
    uint64_t kartyak[2] = {0, 0};
    std::unique_ptr<gyors::Allando> kozos_A[8][3];
    std::unique_ptr<gyors::Kereso> kozos[8][3];
    for (int32_t i = 0; i < 1600; ++i) {
        gyors::Allando A;
        A.k = fajtak[i % 8];
        A.adu = 0;
        A.T = 5 + static_cast<int32_t>(rng() % 5);
        A.D = A.owner = A.gy_vezeto = static_cast<int32_t>(rng() % 3);
        A.hetes = 0;
        for (int32_t sz = 0; sz < 4; ++sz) {
            A.asz |= 1u << (sz * 8 + 7);
            A.tizes |= 3u << (sz * 8 + 6);
        }
        A.kulcs_tizes = A.k.negyven_szaz;
        A.kulcs_asz = A.k.negy_asz;
        A.kulcs_utes = A.k.durchmars;
        A.tizes_szamit = A.kulcs_tizes || A.kulcs_asz;
        A.szamolt = A.kulcs_tizes ? A.tizes : A.kulcs_asz ? A.asz : 0;
        // The declarer's cards mostly high, the rest anywhere; the counters as far as
        // the tricks played allow.
        const int32_t r = 10 - A.T;
        gyors::Maszk h[3] = {0, 0, 0}, vett = 0;
        for (int32_t s = 0; s < 3; ++s)
            while (std::popcount(h[s]) < r) {
                const int32_t b = static_cast<int32_t>(rng() % 32);
                if ((vett >> b) & 1 || (s == A.D && (b & 7) < 4 && b != A.hetes && rng() % 4)) continue;
                h[s] |= 1u << b;
                vett |= 1u << b;
            }
        // With Ászok counted, the ending and its twin with each suit's Ász and 10
        // changed over: where one of them is out of play, their positions close up
        // alike, and only which suit's Ász has gone tells them apart.
        for (int32_t iker = 0; iker < (A.kulcs_asz ? 2 : 1); ++iker) {
            if (iker == 1)
                for (gyors::Maszk* m : {&h[0], &h[1], &h[2], &vett})
                    *m = (*m & ~0xC0C0C0C0u) | ((*m >> 1) & 0x40404040u) | ((*m << 1) & 0x80808080u);
            const int32_t kint = std::popcount(A.tizes & ~vett);
            A.szamlalo[0] = static_cast<int32_t>(rng() % (kint + 1));
            A.szamlalo[1] = kint - A.szamlalo[0];
            A.szamlalo[2] = std::popcount(A.asz & ~vett);
            A.szamlalo[4] = A.T;
            for (int32_t p = 0, n = 0; p < 32; ++p)
                if ((h[A.D] >> p) & 1) A.slot[p] = n++;
            // With tens counted, every split of the tens taken so far on one table, upwards
            // or downwards: the same hands meet the entries of other counts.
            const int32_t n_oszt = A.kulcs_tizes ? kint + 1 : 1;
            uint32_t jo[2][10];
            for (int32_t b = 0; b < 2; ++b) {
                auto& B = kozos_A[i % 8][A.D];
                auto& k = kozos[i % 8][A.D];
                gyors::Allando sajat_A = A;
                gyors::Allando* P = &sajat_A;
                std::unique_ptr<gyors::Kereso> sajat;
                if (b == 1) {
                    if (!B) B = std::make_unique<gyors::Allando>();
                    P = B.get();
                    *P = A;
                }
                P->tizes_hatar = b == 1 && P->kulcs_tizes;
                P->asz_jel = b == 1 && P->kulcs_tizes && P->kulcs_asz;
                P->tomorit = b == 1 || !(P->kulcs_tizes && P->kulcs_asz);
                if (b == 0) sajat = std::make_unique<gyors::Kereso>(*P, 14);
                else if (!k) k = std::make_unique<gyors::Kereso>(*P, 14);
                gyors::Kereso& K = b == 0 ? *sajat : *k;
                K.korlatok = b == 1;
                const uint64_t elotte = K.csomopontok;
                for (int32_t j = 0; j < n_oszt; ++j) {
                    const int32_t f = (i / 8) % 2 ? n_oszt - 1 - j : j;
                    if (A.kulcs_tizes) {
                        P->szamlalo[0] = f;
                        P->szamlalo[1] = kint - f;
                    }
                    ASSERT_TRUE(K.eloszlas(h, 0x3FF, jo[b][f]));
                }
                kartyak[b] += K.csomopontok - elotte;
            }
            for (int32_t f = 0; f < n_oszt; ++f) ASSERT_EQ(jo[0][f], jo[1][f]) << "position " << i << " twin " << iker << " tens " << f;
        }
    }
    EXPECT_LT(kartyak[1], kartyak[0]);  // the bounds did act
}

}  // namespace
