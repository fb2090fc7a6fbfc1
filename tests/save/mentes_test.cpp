// The saved deal: the file's exact bytes, the round trip, and the loader refusing
// every file that does not describe a deal that can be played, without touching
// the table.

#include "save/mentes.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "model/osztas.h"

namespace {

namespace fs = std::filesystem;

// A fresh temporary directory per test, removed afterwards.
class MentesTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = fs::temp_directory_path() /
              (std::string("ulti_mentes_") + info->test_suite_name() + "_" + info->name() + "_" +
               std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        utvonal = (dir / "mentes.txt").string();
    }
    void TearDown() override { fs::remove_all(dir); }

    fs::path dir;
    std::string utvonal;
};

std::string beolvas(const std::string& p) {
    std::ifstream f(p, std::ios::binary);
    std::stringstream ss;
    ss << f.rdbuf();
    return ss.str();
}

void kiir(const std::string& p, const std::string& s) {
    std::ofstream f(p, std::ios::binary | std::ios::trunc);
    f << s;
}

// A dealt table, no deal running.
Asztal osztott(uint64_t mag) {
    Asztal a;
    asztal_indulas(a, mag);
    kevert_osztas(a);
    return a;
}

// Everything a load may change, in one comparable text.
std::string ujjlenyomat(const Asztal& a) {
    return mentes_szoveg(a) + "|soron=" + std::to_string(a.soron) +
           "|kezi=" + std::to_string(a.kezi_osztas) + "|fazis=" + std::to_string(a.fazis);
}

std::vector<std::string> tokenek(const std::string& s) {
    std::vector<std::string> v;
    std::stringstream ss(s);
    std::string t;
    while (ss >> t) v.push_back(t);
    return v;
}

// Lays tokens out as the writer does, whatever their number: 2, 63, 63, 63, rest.
std::string elrendez(const std::vector<std::string>& v) {
    std::string s;
    const std::size_t hatar[] = {2, 65, 128, 191};
    for (std::size_t i = 0; i < v.size(); ++i) {
        s += v[i] + ' ';
        for (std::size_t h : hatar)
            if (i + 1 == h && i + 1 < v.size()) s += '\n';
    }
    return s;
}

// Positions of values in the file.
constexpr int OSZTO = 0, ELSO = 1;
int talonnal_i(int seat) { return 2 + 63 * seat; }
int lap_i(int seat, int slot) { return 2 + 63 * seat + 1 + 3 * slot; }  // szin; +1 ertek; +2 kep
int hol_i(int seat, int kep) { return 2 + 63 * seat + 31 + kep; }
int talon_i(int k) { return 191 + 3 * k; }

TEST_F(MentesTest, FileHasFiveLinesABlankAfterEveryValueAndNoFinalLineEnd) {
    const Asztal a = osztott(7);
    ASSERT_TRUE(mentes(a, utvonal));
    const std::string s = beolvas(utvonal);
    EXPECT_EQ(s, mentes_szoveg(a));
    ASSERT_FALSE(s.empty());
    EXPECT_EQ(s.back(), ' ');

    std::vector<std::string> sorok;
    std::stringstream ss(s);
    std::string sor;
    while (std::getline(ss, sor, '\n')) sorok.push_back(sor);
    ASSERT_EQ(sorok.size(), 5u);
    const std::size_t db[] = {2, 63, 63, 63, 6};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(tokenek(sorok[i]).size(), db[i]) << "line " << i + 1;
        EXPECT_EQ(sorok[i].back(), ' ') << "line " << i + 1;
        EXPECT_EQ(sorok[i].find("  "), std::string::npos) << "line " << i + 1;
    }
    // Line 1: the dealer and the seat after him.
    EXPECT_EQ(sorok[0], std::to_string(a.oszto) + " " + std::to_string((a.oszto + 1) % 3) + " ");
    // The first card of seat 1 and the last talon value, where the table puts them.
    const auto v = tokenek(s);
    EXPECT_EQ(v[lap_i(1, 0) + 2], std::to_string(a.jatekosok[1].lapok[0].kep));
    EXPECT_EQ(v[talon_i(1) + 2], std::to_string(a.talon[1].kep));
}

TEST_F(MentesTest, FirstBidderIsWrittenFromTheDealerNotFromSoron) {
    Asztal a = osztott(7);
    a.soron = a.oszto;  // mid-auction, someone else is on turn
    const auto v = tokenek(mentes_szoveg(a));
    EXPECT_EQ(v[ELSO], std::to_string((a.oszto + 1) % 3));
}

TEST_F(MentesTest, LoadCopiesEveryStoredValueAndSetsKeziOsztas) {
    const Asztal forras = osztott(11);
    ASSERT_TRUE(mentes(forras, utvonal));

    Asztal b = osztott(99);
    b.jatekosok[2].nev = "Valaki";
    b.jatekosok[1].egyenleg = 120;
    ASSERT_TRUE(betoltes(b, utvonal));
    EXPECT_EQ(b.kezi_osztas, 1);
    EXPECT_EQ(b.oszto, forras.oszto);
    EXPECT_EQ(b.soron, (forras.oszto + 1) % 3);
    EXPECT_EQ(mentes_szoveg(b), mentes_szoveg(forras));
    // What the file does not hold stays.
    EXPECT_EQ(b.jatekosok[2].nev, "Valaki");
    EXPECT_EQ(b.jatekosok[1].egyenleg, 120);
    EXPECT_EQ(b.fazis, F_NINCS_PARTI);
}

// Save, load, save: the same bytes, for a fresh deal and for one in which a seat
// took the talon and laid two other cards back.
TEST_F(MentesTest, SaveLoadSaveGivesTheSameBytes) {
    for (int eset = 0; eset < 2; ++eset) {
        Asztal a = osztott(21 + eset);
        if (eset == 1) {
            // Seat 1 takes the talon and lays back its slots 0 and 1.
            Jatekos& j = a.jatekosok[1];
            j.talonnal = 1;
            for (int k = 0; k < 2; ++k) {
                const Kartyalap vissza = j.lapok[k];
                j.lapok[k] = a.talon[k];
                j.hol[a.talon[k].szin][a.talon[k].ertek] = 1;
                a.talon[k] = vissza;
                j.hol[vissza.szin][vissza.ertek] = HOL_TALON;
            }
        }
        ASSERT_TRUE(mentes(a, utvonal));
        const std::string elso = beolvas(utvonal);
        Asztal b = osztott(500);
        ASSERT_TRUE(betoltes(b, utvonal)) << "case " << eset;
        ASSERT_TRUE(mentes(b, utvonal));
        EXPECT_EQ(beolvas(utvonal), elso) << "case " << eset;
    }
}

TEST_F(MentesTest, SaveTruncatesAnOlderLongerFile) {
    kiir(utvonal, std::string(5000, '9'));
    const Asztal a = osztott(3);
    ASSERT_TRUE(mentes(a, utvonal));
    EXPECT_EQ(beolvas(utvonal), mentes_szoveg(a));
}

TEST_F(MentesTest, LoadDuringADealChangesNothing) {
    ASSERT_TRUE(mentes(osztott(5), utvonal));
    for (int32_t f : {F_LICIT_EMBER, F_ELSO_DOBAS, F_MASODIK_DOBAS, F_LICIT_GEP, F_JATEK_EMBER,
                      F_JATEK_GEP, F_VEGE, F_PASSZ}) {
        Asztal b = osztott(77);
        b.fazis = f;
        const std::string elotte = ujjlenyomat(b);
        EXPECT_FALSE(betoltes(b, utvonal)) << "fazis " << f;
        EXPECT_EQ(ujjlenyomat(b), elotte) << "fazis " << f;
    }
}

TEST_F(MentesTest, AnyWhitespaceLayoutIsRead) {
    const Asztal a = osztott(9);
    const auto v = tokenek(mentes_szoveg(a));
    std::string egy_sorban;
    for (const auto& t : v) egy_sorban += t + "\t\r\n";
    kiir(utvonal, egy_sorban);
    Asztal b = osztott(10);
    ASSERT_TRUE(betoltes(b, utvonal));
    EXPECT_EQ(mentes_szoveg(b), mentes_szoveg(a));
}

// Every one of these must be refused and leave the table exactly as it was, with
// `kezi_osztas` still 0 so that the next deal is shuffled.
TEST_F(MentesTest, BadFilesAreRefusedWithoutChangingTheTable) {
    const Asztal jo = osztott(13);
    const std::vector<std::string> v = tokenek(mentes_szoveg(jo));
    ASSERT_EQ(v.size(), 197u);

    using Valtozas = std::function<void(std::vector<std::string>&)>;
    auto cserel = [](int i, std::string uj) -> Valtozas {
        return [i, uj](std::vector<std::string>& t) { t[i] = uj; };
    };
    // Seat 0's slot 0 card written as seat 1's slot 0 card: that card is then twice.
    auto ketszer = [&](std::vector<std::string>& t) {
        for (int k = 0; k < 3; ++k) t[lap_i(0, 0) + k] = t[lap_i(1, 0) + k];
    };
    const Kartyalap& l00 = jo.jatekosok[0].lapok[0];
    const Kartyalap& l10 = jo.jatekosok[1].lapok[0];

    struct Eset {
        const char* nev;
        std::function<std::string()> szoveg;  // empty: no file at all
    };
    auto valtozat = [&](Valtozas f) {
        return [&v, f] {
            auto t = v;
            f(t);
            return elrendez(t);
        };
    };
    const std::vector<Eset> esetek = {
        {"196 values", valtozat([](auto& t) { t.pop_back(); })},
        {"198 values", valtozat([](auto& t) { t.push_back("0"); })},
        {"a non-number", valtozat(cserel(hol_i(1, 5), "x"))},
        {"a number with trailing text", valtozat(cserel(lap_i(2, 3), "1a"))},
        {"a decimal fraction", valtozat(cserel(OSZTO, "1.0"))},
        {"a lone minus", valtozat(cserel(hol_i(0, 0), "-"))},
        {"a huge number", valtozat(cserel(hol_i(2, 31), "99999999999999999999"))},
        {"just past int32", valtozat(cserel(talon_i(0), "2147483648"))},
        {"a card twice", valtozat(ketszer)},
        {"a kep that does not match", valtozat(cserel(lap_i(0, 4) + 2, std::to_string((std::stoi(v[lap_i(0, 4) + 2]) + 1) % 32)))},
        {"a kep beyond the deck", valtozat(cserel(lap_i(1, 2) + 2, "40"))},
        {"a suit out of range", valtozat([](auto& t) { t[talon_i(1)] = "4"; t[talon_i(1) + 2] = std::to_string(32 + std::stoi(t[talon_i(1) + 1])); })},
        {"a rank out of range", valtozat([](auto& t) { t[talon_i(1) + 1] = "8"; t[talon_i(1) + 2] = std::to_string(std::stoi(t[talon_i(1)]) * 8 + 8); })},
        {"a negative suit", valtozat([](auto& t) { t[lap_i(2, 9)] = "-1"; t[lap_i(2, 9) + 2] = std::to_string(-8 + std::stoi(t[lap_i(2, 9) + 1])); })},
        {"dealer 3", valtozat([](auto& t) { t[OSZTO] = "3"; t[ELSO] = "1"; })},
        {"dealer -1", valtozat([](auto& t) { t[OSZTO] = "-1"; t[ELSO] = "0"; })},
        {"first bidder not after the dealer", valtozat([&](auto& t) { t[ELSO] = std::to_string((jo.oszto + 2) % 3); })},
        {"talonnal 2", valtozat(cserel(talonnal_i(1), "2"))},
        {"two seats holding the talon", valtozat([](auto& t) { t[talonnal_i(0)] = "1"; t[talonnal_i(2)] = "1"; })},
        {"a hol value out of range", valtozat(cserel(hol_i(0, l10.kep), "7"))},
        {"a hol value below range", valtozat(cserel(hol_i(0, l10.kep), "-11"))},
        {"a search-only hol code", valtozat(cserel(hol_i(0, l10.kep), "4"))},
        {"a played card", valtozat(cserel(hol_i(0, l00.kep), "-10"))},
        {"an own card not known as own", valtozat(cserel(hol_i(0, l00.kep), "6"))},
        {"another seat's card claimed as own", valtozat(cserel(hol_i(0, l10.kep), "0"))},
        {"a card placed with the wrong seat", valtozat(cserel(hol_i(0, l10.kep), "2"))},
        {"a hand card marked as in the talon", valtozat(cserel(hol_i(2, l10.kep), "-1"))},
        {"an empty file", [] { return std::string(); }},
        {"only blanks", [] { return std::string("   \n  \n"); }},
        {"a NUL byte", valtozat(cserel(OSZTO, std::string("1\0", 2)))},
        {"no file", nullptr},
    };

    for (const Eset& e : esetek) {
        fs::remove_all(utvonal);
        if (e.szoveg) kiir(utvonal, e.szoveg());
        Asztal b = osztott(1234);
        const std::string elotte = ujjlenyomat(b);
        EXPECT_FALSE(betoltes(b, utvonal)) << e.nev;
        EXPECT_EQ(ujjlenyomat(b), elotte) << e.nev;
        EXPECT_EQ(b.kezi_osztas, 0) << e.nev;
        if (e.szoveg) {
            EXPECT_FALSE(mentes_ertelmezes(e.szoveg()).has_value()) << e.nev;
        }
    }
    // And the unchanged file is read: the table above is what made the refusals.
    kiir(utvonal, elrendez(v));
    Asztal b = osztott(1234);
    EXPECT_TRUE(betoltes(b, utvonal));
}

TEST_F(MentesTest, ADirectoryOrAnOversizedFileIsRefused) {
    fs::create_directories(utvonal);
    Asztal b = osztott(1);
    const std::string elotte = ujjlenyomat(b);
    EXPECT_FALSE(betoltes(b, utvonal));
    EXPECT_EQ(ujjlenyomat(b), elotte);
    fs::remove_all(utvonal);

    // A valid deal drowned in a megabyte of blanks.
    kiir(utvonal, mentes_szoveg(osztott(2)) + std::string(1 << 20, ' '));
    EXPECT_FALSE(betoltes(b, utvonal));
    EXPECT_EQ(ujjlenyomat(b), elotte);
}

}  // namespace
