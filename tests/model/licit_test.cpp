#include <gtest/gtest.h>

#include "model/asztal.h"
#include "model/licit.h"

namespace {

Licit licit(std::initializer_list<int> flagek) {
    Licit l;
    for (int f : flagek) l[f] = 1;
    return l;
}

TEST(Licit, IsAFourteenByteBlockInFlagOrder) {
    Licit l;
    l.ulti = 1;
    l.szinnelkuli_teritett_durchmars = 1;
    EXPECT_EQ(l[L_ULTI], 1);
    EXPECT_EQ(l[13], 1);
    EXPECT_EQ(reinterpret_cast<const uint8_t*>(&l)[4], 1);
    Licit m = l;
    EXPECT_TRUE(m == l);
    m[L_PASSZ] = 1;
    EXPECT_FALSE(m == l);
}

struct ErtekEset {
    std::initializer_list<int> flagek;
    double ertek;
    const char* szoveg;
};

TEST(Licit, ValuesAndValueTexts) {
    const ErtekEset esetek[] = {
        {{L_PASSZ}, 0.1, "1"},
        {{L_PASSZ, L_PIROS}, 0.2, "2"},
        {{L_ULTI}, 4.1, "4+1"},
        {{L_PIROS, L_ULTI}, 8.2, "8+2"},
        {{L_NEGYVEN_SZAZ, L_ULTI}, 8, "8"},
        {{L_PIROS, L_HUSZ_SZAZ, L_ULTI, L_NEGY_ASZ, L_TERITETT_DURCHMARS}, 56, "56"},
        {{L_SZINNELKULI_TERITETT_DURCHMARS}, 28, "28"},
        {{L_PIROS}, 0, "0"},
        {{L_BETLI}, 5, "5"},
        {{}, 0, "0"},
        {{L_NEGY_ASZ, L_ULTI}, 8.1, "8+1"},
        {{L_PIROS, L_DURCHMARS}, 14, "14"},
        {{L_PIROS, L_NEGY_ASZ}, 8.2, "8+2"},
    };
    for (const auto& e : esetek) {
        const Licit l = licit(e.flagek);
        EXPECT_NEAR(licit_erteke(l), e.ertek, 1e-9) << e.szoveg;
        EXPECT_EQ(ertek_szoveg(licit_erteke(l)), e.szoveg);
    }
    EXPECT_EQ(ertek_szoveg(0.30000000000000004), "0+2");
}

TEST(Licit, PartyPredicate) {
    EXPECT_TRUE(van_parti(licit({L_PASSZ})));
    EXPECT_TRUE(van_parti(licit({L_ULTI})));
    EXPECT_TRUE(van_parti(licit({L_NEGY_ASZ, L_PIROS})));
    EXPECT_FALSE(van_parti(licit({L_ULTI, L_NEGYVEN_SZAZ})));
    EXPECT_FALSE(van_parti(licit({L_NEGY_ASZ, L_DURCHMARS})));
    EXPECT_FALSE(van_parti(licit({L_ULTI, L_TERITETT_DURCHMARS})));
    EXPECT_FALSE(van_parti(licit({L_BETLI})));
    EXPECT_FALSE(van_parti(licit({})));
}

TEST(Licit, BidTexts) {
    Asztal a;
    asztal_indulas(a, 1);
    a.licitek_szama = 0;
    EXPECT_EQ(licit_szoveg(a, 1, licit({L_PASSZ}), false), "Varko: Passz 1 Ft");
    a.licitek_szama = 3;
    EXPECT_EQ(licit_szoveg(a, 1, licit({L_PASSZ}), false), "Varko: Passz");
    EXPECT_EQ(licit_szoveg(a, 1, licit({L_PASSZ, L_PIROS}), false), "Varko: Passz Piros 2 Ft");
    EXPECT_EQ(licit_szoveg(a, 1,
                           licit({L_PIROS, L_HUSZ_SZAZ, L_ULTI, L_NEGY_ASZ, L_TERITETT_DURCHMARS}),
                           false),
              "Varko: Piros 20-100 Ulti Négy Ász Terített Durchmars 56 Ft");
    a.adu = TOK;
    EXPECT_EQ(licit_szoveg(a, 1, licit({L_ULTI}), true), "Varko: Tök Ulti 4+1 Ft");
    EXPECT_EQ(licit_szoveg(a, 1, licit({L_ULTI}), false), "Varko: Ulti 4+1 Ft");
    // Piros names its colour once; no trump names none.
    a.adu = PIROS;
    EXPECT_EQ(licit_szoveg(a, 0, licit({L_PIROS, L_ULTI}), true), "Telmi: Piros Ulti 8+2 Ft");
    a.adu = NINCS_ADU;
    EXPECT_EQ(licit_szoveg(a, 2, licit({L_SZINNELKULI_DURCHMARS}), true),
              "Rido: Színnélküli Durchmars 7 Ft");
    EXPECT_EQ(licit_szoveg(a, 2, licit({L_SZINNELKULI_TERITETT_DURCHMARS}), true),
              "Rido: Színnélküli Terített Durchmars 28 Ft");
}

TEST(Licit, DialogAndContraTexts) {
    EXPECT_STREQ(licit_dialogus_felirat[L_SZINNELKULI_DURCHMARS], "Durchmars");
    EXPECT_STREQ(licit_dialogus_felirat[L_SZINNELKULI_TERITETT_DURCHMARS], "Terített Durchmars");
    EXPECT_STREQ(licit_dialogus_felirat[L_NEGY_ASZ], "Négy Ász");
    EXPECT_STREQ(licit_kontra_szoveg[L_PASSZ], "Parti ");
    EXPECT_STREQ(licit_kontra_szoveg[L_NEGY_ASZ], " Négy Ász ");
}

}  // namespace
