// Picking the bottom row's cards with keys: the row's order with the talon's two
// cards at its end, the ends, and what Enter presses in each phase.

#include "table/billentyuzet.h"

#include <gtest/gtest.h>

#include "model/asztal.h"

namespace {

// A row of `db` face-up hand cards, and the talon's two at Image13, Image14 if asked.
Asztal sor(int db, bool talon) {
    Asztal a;
    for (int k = 1; k <= 14; ++k) a.nezet.image[k] = KepNezet{k <= db || (talon && k >= 13), k};
    a.nezet.image[11] = a.nezet.image[12] = KepNezet{true, HATLAP};
    return a;
}

TEST(Billentyuzet, LeptetesSzamgombEsIgazitas) {
    const Asztal tizenketto = sor(10, true);
    Asztal het = sor(7, false);
    het.fazis = F_JATEK_EMBER;
    const AsztalNezet& n = tizenketto.nezet;
    EXPECT_EQ(valaszthato_kepek(n), (std::vector<int32_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 13, 14}));
    EXPECT_EQ(leptetes(n, 0, +1), 1);
    EXPECT_EQ(leptetes(n, 0, -1), 14);
    EXPECT_EQ(leptetes(n, 10, +1), 13);
    EXPECT_EQ(leptetes(n, 14, +1), 14);
    EXPECT_EQ(leptetes(n, 1, -1), 1);
    EXPECT_EQ(szamgomb(n, 0), 10);
    EXPECT_EQ(szamgomb(het.nezet, 8), 0);
    EXPECT_EQ(igazitas(het, 9), 7) << "the last card left, when the picked one went";
    EXPECT_EQ(igazitas(het, 3), 3);
    for (int32_t f : {F_LICIT_EMBER, F_LICIT_GEP, F_JATEK_GEP, F_VEGE}) {
        het.fazis = f;
        EXPECT_EQ(igazitas(het, 3), 0) << "no card marked while none can act, phase " << f;
    }
    EXPECT_EQ(valaszthato_kepek(sor(0, false).nezet).size(), 0u) << "backs are not picked";
}

TEST(Billentyuzet, EnterAFazisSzerint) {
    struct Eset {
        int32_t fazis;
        bool gomb;
        int32_t valasztott, cel;
    } esetek[] = {
        {F_JATEK_EMBER, false, 3, 3},  {F_ELSO_DOBAS, true, 13, 13}, {F_MASODIK_DOBAS, true, 0, 0},
        {F_LICIT_EMBER, true, 3, 0},   {F_NINCS_PARTI, true, 2, 0},  {F_VEGE, true, 2, 0},
        {F_JATEK_GEP, false, 3, -1},   {F_JATEK_EMBER, false, 9, -1},
    };
    for (const Eset& e : esetek) {
        Asztal a = sor(7, true);
        a.fazis = e.fazis;
        a.nezet.button1_lathato = e.gomb;
        EXPECT_EQ(enter_celja(a, e.valasztott), e.cel) << e.fazis << " " << e.valasztott;
    }
}

}  // namespace
