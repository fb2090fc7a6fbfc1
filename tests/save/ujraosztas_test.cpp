// A loaded or hand-laid deal through "Új parti": the next deal plays exactly these
// cards; after a refused load the next deal is shuffled as usual.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "model/asztal.h"
#include "model/osztas.h"
#include "save/mentes.h"
#include "support/kezek.h"
#include "support/szkript_felulet.h"
#include "table/folyam.h"
#include "table/szerkeszto.h"

namespace {

namespace fs = std::filesystem;

class Ujraosztas : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("ulti_ujraosztas_" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "_" +
               std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        utvonal = (dir / "mentes.txt").string();
    }
    void TearDown() override { fs::remove_all(dir); }
    fs::path dir;
    std::string utvonal;
};

// All twelve slots of every hand, the talon, who deals, who bids and the phase.
std::string asztal_kepe(const Asztal& a) {
    std::string s = mentes_szoveg(a) + "|";
    for (const Jatekos& j : a.jatekosok)
        for (const Kartyalap& k : j.lapok) s += std::to_string(k.kep) + ",";
    s += "|oszto=" + std::to_string(a.oszto) + " soron=" + std::to_string(a.soron) +
         " felvevo=" + std::to_string(a.felvevo) + " fazis=" + std::to_string(a.fazis) +
         " kezi=" + std::to_string(a.kezi_osztas);
    return s;
}

Asztal indulo(uint64_t mag) {
    Asztal a;
    asztal_indulas(a, mag);
    a.ora = [] { return 0LL; };
    return a;
}

// The dealing step alone, as "Új parti" runs it before anyone touches the cards.
Asztal leosztott(uint64_t mag, int osztasok) {
    Asztal a = indulo(mag);
    for (int i = 0; i < osztasok; ++i) kevert_osztas(a);
    return a;
}

TEST_F(Ujraosztas, SavedDealReplaysWithTheSameHandsTalonDealerAndFirstBidder) {
    // Dealer 2 (seat 0, the human, bids first) and dealer 0 (a computer bids first).
    for (int osztasok : {1, 2}) {
        Asztal a = leosztott(31, osztasok);
        ASSERT_TRUE(mentes(a, utvonal));

        // The same deal continued without saving: what "Új parti" must reproduce.
        Asztal vart = a;
        vart.kezi_osztas = 1;
        teszt::SzkriptFelulet fv;

        // Another table, with its own history, loads the file.
        Asztal b = leosztott(77, 5);
        b.fazis = F_NINCS_PARTI;
        ASSERT_TRUE(betoltes(b, utvonal));
        b.rng = vart.rng;  // the computers' choices draw from the same source

        teszt::SzkriptFelulet fb;
        button1_kattintas(vart, fv);
        button1_kattintas(b, fb);
        EXPECT_EQ(b.oszto, a.oszto) << osztasok;
        EXPECT_EQ(b.felvevo, (a.oszto + 1) % 3) << osztasok;
        EXPECT_EQ(asztal_kepe(b), asztal_kepe(vart)) << osztasok;
        EXPECT_EQ(b.kezi_osztas, 0) << "the load is used once";
        if (osztasok == 1) {
            // The human first bidder took exactly the saved talon.
            EXPECT_EQ(b.fazis, F_ELSO_DOBAS);
            for (int k = 0; k < 2; ++k)
                EXPECT_GE(teszt::slot(b, 0, lap_nev(a.talon[k])), 0);
            for (int k = 0; k < 10; ++k)
                EXPECT_GE(teszt::slot(b, 0, lap_nev(a.jatekosok[0].lapok[k])), 0);
        }
    }
}

TEST_F(Ujraosztas, AfterARefusedLoadTheNextDealIsShuffled) {
    Asztal a = leosztott(5, 1);
    std::string s = mentes_szoveg(a);
    s.pop_back();
    s += "x";  // the last value spoilt
    {
        std::FILE* f = std::fopen(utvonal.c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fwrite(s.data(), 1, s.size(), f);
        std::fclose(f);
    }
    Asztal b = leosztott(6, 1);
    const std::string regi = mentes_szoveg(b);
    const int32_t oszto = b.oszto;
    EXPECT_FALSE(betoltes(b, utvonal));
    teszt::SzkriptFelulet f;
    button1_kattintas(b, f);
    EXPECT_EQ(b.oszto, (oszto + 1) % 3) << "a shuffled deal moves the dealer on";
    EXPECT_NE(mentes_szoveg(b), regi);
}

TEST_F(Ujraosztas, AHandLaidDealIsSavedLoadedAndPlayed) {
    Asztal a = indulo(8);
    ASSERT_TRUE(szerkeszto_nyitas(a));
    const int32_t elso = (a.oszto + 1) % 3;
    for (const Kartyalap& k : teszt::lapok(
             "Piros Ász, Piros 10, Piros Király, Piros Felső, Piros Alsó, Piros 9, Piros 8, "
             "Piros 7, Tök Ász, Tök 10, Makk Ász, Makk 10"))
        szerkeszto_valasztas(a, k.szin, k.ertek);
    ASSERT_EQ(szerkeszto_kesz(a), SzerkKesz::Bezar);
    // The editor's deal passes every check of the loader.
    ASSERT_TRUE(mentes(a, utvonal));
    Asztal b = indulo(9);
    ASSERT_TRUE(betoltes(b, utvonal));
    EXPECT_EQ(mentes_szoveg(b), mentes_szoveg(a));

    teszt::SzkriptFelulet f;
    b.rng = a.rng;
    button1_kattintas(a, f);
    button1_kattintas(b, f);
    EXPECT_EQ(asztal_kepe(b), asztal_kepe(a));
    EXPECT_EQ(a.felvevo, elso);
    for (const char* nev : {"Piros Ász", "Piros 7", "Tök 10"})
        EXPECT_GE(teszt::slot(a, elso, nev), 0) << nev;
}

}  // namespace
