#include <gtest/gtest.h>

#include "analysis/szabalyok.h"
#include "model/asztal.h"
#include "support/kezek.h"

namespace {

using teszt::slot;

// Records a card as the table would: trick record, played marks, turn advance.
void letesz(Asztal& a, int32_t seat, int32_t j) {
    const Kartyalap c = a.jatekosok[seat].lapok[j];
    a.utes_lapok[a.utes_szam][a.utes_lapszam] = {seat, j};
    for (Jatekos& p : a.jatekosok) p.hol[c.szin][c.ertek] = seat - 10;
    a.soron = kovetkezo(seat);
    if (++a.utes_lapszam == 3) {
        a.soron = a.utes_nyero[a.utes_szam][2];
        a.utes_lapszam = 0;
        ++a.utes_szam;
    }
}

void visszavesz(Asztal& a, int32_t seat, int32_t j, int32_t soron, int32_t t, int32_t k) {
    const Kartyalap c = a.jatekosok[seat].lapok[j];
    a.utes_szam = t;
    a.utes_lapszam = k;
    a.soron = soron;
    a.utes_lapok[t][k] = UtesLap{};
    for (Jatekos& p : a.jatekosok) p.hol[c.szin][c.ertek] = HOL_NEM_TUDOTT;
    a.jatekosok[seat].hol[c.szin][c.ertek] = seat;
}

bool szabalyos(Asztal& a, int32_t j) {
    a.vizsgalt_utes = a.utes_szam;
    a.vizsgalt_lapszam = a.utes_lapszam;
    return szabalyos_lap(a, a.jatekosok[a.soron], j);
}

// Plays a named card for the seat on turn, which must be legal.
void jatszik(Asztal& a, const char* nev) {
    const int32_t j = slot(a, a.soron, nev);
    ASSERT_GE(j, 0) << nev;
    ASSERT_TRUE(szabalyos(a, j)) << nev;
    letesz(a, a.soron, j);
}

// The legal cards of the seat on turn, by name, in slot order.
std::string szabalyosak(Asztal& a) {
    std::string s;
    for (int32_t j = 0; j < 10; ++j)
        if (szabalyos(a, j)) s += lap_nev(a.jatekosok[a.soron].lapok[j]) + ",";
    return s;
}

// The candidate list of the seat on turn, by name.
std::string jeloltek(Asztal& a) {
    Jatekos& p = a.jatekosok[a.soron];
    a.vizsgalt_utes = a.utes_szam;
    a.vizsgalt_lapszam = a.utes_lapszam;
    elosztas_masolas(a, p);
    const int32_t n = lapjelolt(a, p, a.soron);
    std::string s;
    for (int32_t i = 0; i < n; ++i)
        s += lap_nev(p.lapok[a.jelolt_lapok[a.utes_szam][a.utes_lapszam].lap[i]]) + ",";
    return s;
}

// Counts play sequences `depth` cards deep: every legal card, or (merged) only the
// candidates the search would try.
long long perft(Asztal& a, int depth, bool merged) {
    if (depth == 0) return 1;
    const int32_t seat = a.soron, t = a.utes_szam, k = a.utes_lapszam;
    int32_t cards[10], n = 0;
    if (merged) {
        Jatekos& p = a.jatekosok[seat];
        a.vizsgalt_utes = t;
        a.vizsgalt_lapszam = k;
        elosztas_masolas(a, p);
        n = lapjelolt(a, p, seat);
        for (int32_t i = 0; i < n; ++i) cards[i] = a.jelolt_lapok[t][k].lap[i];
    } else {
        for (int32_t j = 0; j < 10; ++j)
            if (szabalyos(a, j)) cards[n++] = j;
    }
    long long total = 0;
    for (int32_t i = 0; i < n; ++i) {
        // The winner entry belongs to this card's class: set it again before recording.
        a.vizsgalt_utes = t;
        a.vizsgalt_lapszam = k;
        EXPECT_TRUE(szabalyos(a, cards[i]));
        letesz(a, seat, cards[i]);
        total += perft(a, depth - 1, merged);
        visszavesz(a, seat, cards[i], seat, t, k);
    }
    return total;
}

// Trump Tök, seat 0 declares and leads.
void tok_parti(Asztal& a) {
    teszt::leosztas(
        a, "Makk Ász, Makk 10, Makk 9, Zöld Király, Zöld 8, Tök Ász, Tök Alsó, Tök 7, Piros Felső, Piros 8",
        "Makk Király, Makk 7, Zöld Ász, Zöld 10, Zöld 9, Tök Király, Tök 9, Piros Ász, Piros 10, Piros 7",
        "Makk Felső, Makk Alsó, Makk 8, Zöld Felső, Zöld Alsó, Zöld 7, Tök 10, Tök Felső, Tök 8, Piros Király",
        "Piros 9, Piros Alsó", TOK, 0);
    teszt::jatek(a, {L_PASSZ}, TOK, 0);
}

TEST(Szabalyok, FollowMustOvertakeWhenItCan) {
    Asztal a;
    tok_parti(a);
    jatszik(a, "Makk 9");
    // Makk Király beats the 9; the 7 does not, so only the Király may be played.
    EXPECT_EQ(szabalyosak(a), "Makk Király,");
    EXPECT_EQ(a.utes_nyero[0][1], 1);
    jatszik(a, "Makk Király");
    // Against the winning Király seat 2 has only lower Makk cards: all of them.
    EXPECT_EQ(szabalyosak(a), "Makk Felső,Makk Alsó,Makk 8,");
    jatszik(a, "Makk 8");
    EXPECT_EQ(a.utes_nyero[0][2], 1);
    EXPECT_EQ(a.soron, 1);
}

TEST(Szabalyok, VoidMustTrumpAndOvertrump) {
    Asztal a;
    tok_parti(a);
    // Trick 0: seat 0 leads Makk Ász, the others follow.
    jatszik(a, "Makk Ász");
    jatszik(a, "Makk 7");
    jatszik(a, "Makk Alsó");
    ASSERT_EQ(a.soron, 0);
    jatszik(a, "Makk 10");
    // Seat 1 still has Makk Király, which does not beat the 10: any Makk card (only one).
    EXPECT_EQ(szabalyosak(a), "Makk Király,");
    jatszik(a, "Makk Király");
    jatszik(a, "Makk Felső");
    // Trick 2: seat 0 leads Makk 9; seat 1 is void in Makk and must trump.
    ASSERT_EQ(a.soron, 0);
    jatszik(a, "Makk 9");
    EXPECT_EQ(szabalyosak(a), "Tök Király,Tök 9,");
    jatszik(a, "Tök 9");
    EXPECT_EQ(a.utes_nyero[2][1], 1);
    // Seat 2 follows with the Makk 8: following comes before overtrumping.
    EXPECT_EQ(szabalyosak(a), "Makk 8,");
}

TEST(Szabalyok, ThirdHandMustOvertrumpWhenVoid) {
    Asztal a;
    teszt::leosztas(
        a, "Makk Ász, Makk 10, Makk 9, Zöld Király, Zöld 8, Tök Ász, Tök Alsó, Tök 7, Piros Felső, Piros 8",
        "Makk 7, Makk Király, Zöld Ász, Zöld 10, Zöld 9, Tök Király, Tök 9, Piros Ász, Piros 10, Piros 7",
        "Makk Felső, Makk Alsó, Makk 8, Zöld Felső, Zöld Alsó, Zöld 7, Tök 10, Tök Felső, Tök 8, Piros Király",
        "Piros 9, Piros Alsó", TOK, 1);
    teszt::jatek(a, {L_PASSZ}, TOK, 1);
    // Trick 0: seat 1 leads the Piros 10.
    jatszik(a, "Piros 10");
    // Seat 2 holds only the Piros Király, lower: it must follow.
    EXPECT_EQ(szabalyosak(a), "Piros Király,");
    jatszik(a, "Piros Király");
    // Seat 0 holds Piros Felső and 8, both lower than the 10: either.
    EXPECT_EQ(szabalyosak(a), "Piros Felső,Piros 8,");
    jatszik(a, "Piros 8");
    ASSERT_EQ(a.soron, 1);
    jatszik(a, "Piros Ász");
    jatszik(a, "Tök 8");  // seat 2 is void: it trumps
    EXPECT_EQ(a.utes_nyero[1][1], 2);
    // Seat 0 still follows suit although it cannot win.
    EXPECT_EQ(szabalyosak(a), "Piros Felső,");
    jatszik(a, "Piros Felső");
    EXPECT_EQ(a.utes_nyero[1][2], 2);
    // Trick 2 goes round in Zöld; then seat 1 leads Piros into two void hands.
    ASSERT_EQ(a.soron, 2);
    jatszik(a, "Zöld 7");
    jatszik(a, "Zöld 8");
    jatszik(a, "Zöld 9");
    ASSERT_EQ(a.soron, 1);
    jatszik(a, "Piros 7");
    // Seat 2 is void in Piros and trumps; seat 0 is void too and must overtrump.
    jatszik(a, "Tök Felső");
    EXPECT_EQ(szabalyosak(a), "Tök Ász,");
    // Overtrumping wins the trick for the third hand.
    jatszik(a, "Tök Ász");
    EXPECT_EQ(a.utes_nyero[3][2], 0);
}

TEST(Szabalyok, NoTrumpOrderAndFreeDiscards) {
    Asztal a;
    tok_parti(a);
    teszt::jatek(a, {L_BETLI}, NINCS_ADU, 0);
    jatszik(a, "Piros 8");
    EXPECT_EQ(szabalyosak(a), "Piros Ász,Piros 10,");
    jatszik(a, "Piros 10");
    // Without trump the 10 stands below the Király, so the Király must beat it.
    EXPECT_EQ(szabalyosak(a), "Piros Király,");
    jatszik(a, "Piros Király");
    ASSERT_EQ(a.soron, 2);
    jatszik(a, "Makk 8");
    EXPECT_EQ(szabalyosak(a), "Makk Ász,Makk 10,Makk 9,");
    jatszik(a, "Makk 9");
    jatszik(a, "Makk Király");
    ASSERT_EQ(a.soron, 1);
    jatszik(a, "Piros Ász");
    // Seat 2 has no Piros and there is no trump: any card.
    EXPECT_EQ(szabalyosak(a).size(), std::string("Tök 10,Tök Felső,Tök 8,Zöld Felső,Zöld Alsó,"
                                                 "Zöld 7,Makk Felső,Makk Alsó,").size());
    jatszik(a, "Zöld Felső");
    EXPECT_EQ(szabalyosak(a), "Piros Felső,");
}

TEST(Szabalyok, TouchingCardsMergeToTheLowest) {
    Asztal a;
    tok_parti(a);
    // Piros Felső and 8 touch (9 and Alsó lie in the talon); Makk Ász/10 never merge,
    // nor the trump 7 with the card above it.
    EXPECT_EQ(jeloltek(a),
              "Piros 8,Tök Ász,Tök Alsó,Tök 7,Zöld Király,Zöld 8,Makk Ász,Makk 10,Makk 9,");
    const int32_t felso = slot(a, 0, "Piros Felső");
    EXPECT_TRUE(szabalyos(a, felso));
    EXPECT_TRUE(egyenerteku(a, a.jatekosok[0], 0, slot(a, 0, "Piros 8"), felso));

    // Without trump the Ász and the Király below it do merge.
    Asztal b;
    teszt::leosztas(
        b, "Makk Ász, Makk Király, Makk 8, Zöld Király, Zöld 8, Tök Ász, Tök Alsó, Tök 7, Piros Felső, Piros 8",
        "Makk 10, Makk 7, Zöld Ász, Zöld 10, Zöld 9, Tök Király, Tök 9, Piros Ász, Piros 10, Piros 7",
        "Makk Felső, Makk Alsó, Makk 9, Zöld Felső, Zöld Alsó, Zöld 7, Tök 10, Tök Felső, Tök 8, Piros Király",
        "Piros 9, Piros Alsó", NINCS_ADU, 0);
    teszt::jatek(b, {L_BETLI}, NINCS_ADU, 0);
    // Piros Felső and 8 stay apart here: the 10 lies between them without trump.
    EXPECT_EQ(jeloltek(b), "Piros Felső,Piros 8,Tök Ász,Tök Alsó,Tök 7,Zöld Király,Zöld 8,Makk Király,Makk 8,");
    // In a trump game the same Ász and Király stay apart.
    teszt::jatek(b, {L_PASSZ}, ZOLD, 0);
    EXPECT_NE(jeloltek(b).find("Makk Ász,Makk Király,"), std::string::npos);
}

TEST(Szabalyok, MergedRunAcceptsItsHigherCards) {
    Asztal a;
    tok_parti(a);
    // Both touching cards of seat 0's lead are legal though only the lower is listed.
    jatszik(a, "Piros Felső");
    EXPECT_EQ(szabalyosak(a), "Piros Ász,Piros 10,");
}

TEST(Szabalyok, ACardBelowTheLedOneIsNotMadeLegalByTheTrickCard) {
    // Seat 1 holds Piros Király and Piros Alsó; the led Piros Felső lies between them,
    // marked as played. Only the Király beats it.
    Asztal a;
    teszt::leosztas(
        a, "Piros Felső, Makk 10, Makk 9, Zöld Király, Zöld 8, Tök Ász, Tök Alsó, Tök 7, Piros Ász, Piros 8",
        "Piros Király, Piros Alsó, Makk 7, Zöld Ász, Zöld 10, Zöld 9, Tök Király, Tök 9, Piros 10, Piros 7",
        "Makk Felső, Makk Alsó, Makk 8, Zöld Felső, Zöld Alsó, Zöld 7, Tök 10, Tök Felső, Tök 8, Makk Király",
        "Piros 9, Makk Ász", TOK, 0);
    teszt::jatek(a, {L_PASSZ}, TOK, 0);
    jatszik(a, "Piros Felső");
    EXPECT_EQ(szabalyosak(a), "Piros 10,Piros Király,");
    EXPECT_FALSE(szabalyos(a, slot(a, 1, "Piros Alsó")));
}

TEST(Szabalyok, PlayedCardIsNeverLegal) {
    Asztal a;
    tok_parti(a);
    const int32_t j = slot(a, 0, "Makk Ász");
    jatszik(a, "Makk Ász");
    jatszik(a, "Makk 7");
    jatszik(a, "Makk Alsó");
    EXPECT_FALSE(szabalyos(a, j));
}

// The play-count check: every change to the rules of play moves these numbers.
TEST(Perft, OneTrickCountedByHand) {
    Asztal a;
    tok_parti(a);
    // Per lead: Makk Ász 2x3, Makk 10 2x3, Makk 9 1x3, Zöld Király 2x3, Zöld 8 3+3+2,
    // Tök Ász 2x3, Tök Alsó 1x1, Tök 7 1+2, Piros Felső 2x1, Piros 8 2x1.
    EXPECT_EQ(perft(a, 3, false), 43);
}

TEST(Perft, PinnedCounts) {
    Asztal a;
    tok_parti(a);
    EXPECT_EQ(perft(a, 3, true), 30);
    EXPECT_EQ(perft(a, 6, false), 1294);
    EXPECT_EQ(perft(a, 6, true), 637);
    Asztal b;
    tok_parti(b);
    teszt::jatek(b, {L_BETLI}, NINCS_ADU, 0);
    EXPECT_EQ(perft(b, 6, false), 1015);
}

}  // namespace
