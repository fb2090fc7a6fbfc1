// The game's record of deals: the counts of the statistics window, the balance
// line, and which kept games are taken over at start.

#include "scoring/statisztika.h"

#include <gtest/gtest.h>

namespace {

PartiEredmeny deal(int32_t felvevo, std::initializer_list<int> jatek, std::initializer_list<int> teljesult,
                   int32_t o0, int32_t o1, int32_t o2) {
    PartiEredmeny p;
    p.felvevo = felvevo;
    for (int f : jatek) p.jatek[f] = 1;
    for (int f : teljesult) p.teljesult[f] = 1;
    p.osszeg[0] = o0, p.osszeg[1] = o1, p.osszeg[2] = o2;
    return p;
}

const std::vector<PartiEredmeny> harom = {
    deal(1, {L_PASSZ}, {L_PASSZ}, -1, 2, -1),
    deal(1, {L_ULTI}, {}, 12, -24, 12),
    deal(0, {L_PIROS, L_PASSZ}, {L_PIROS, L_PASSZ}, 4, -2, -2),
};

}  // namespace

TEST(Statisztika, VallalasokTeljesitesekEsEgyenlegek) {
    const Statisztika st = statisztika(harom);
    EXPECT_EQ(st.partik, 3);
    EXPECT_EQ(st.vallalt[1][L_PASSZ], 1);
    EXPECT_EQ(st.teljesitett[1][L_PASSZ], 1);
    EXPECT_EQ(st.vallalt[1][L_ULTI], 1);
    EXPECT_EQ(st.teljesitett[1][L_ULTI], 0);
    EXPECT_EQ(st.vallalt[0][L_PIROS], 1);
    EXPECT_EQ(st.vallalt[2][L_PASSZ], 0);

    const auto menet = egyenleg_menet(harom);
    ASSERT_EQ(menet.size(), 4u);
    EXPECT_EQ(menet[0], (std::array<int32_t, 3>{0, 0, 0}));
    EXPECT_EQ(menet[3], (std::array<int32_t, 3>{15, -24, 9}));
}

// A kept game is taken over only when it holds together; otherwise nothing changes.
TEST(Statisztika, MegorzottJatekCsakEgeszebenJonVissza) {
    struct Eset {
        const char* nev;
        std::vector<PartiEredmeny> naplo;
        std::array<int32_t, 3> egyenleg;
        bool jo;
    };
    const Eset esetek[] = {
        {"harom_parti", harom, {15, -24, 9}, true},
        {"ures", {}, {0, 0, 0}, true},
        {"egyenleg_mas", harom, {15, -23, 8}, false},
        {"parti_nem_nulla", {deal(0, {L_PASSZ}, {}, 2, -1, 0)}, {2, -1, 0}, false},
        {"teljesult_a_jatekon_kivul", {deal(0, {L_PASSZ}, {L_ULTI}, 2, -1, -1)}, {2, -1, -1}, false},
        {"felvevo_kivul", {deal(3, {L_PASSZ}, {}, 2, -1, -1)}, {2, -1, -1}, false},
    };
    for (const Eset& e : esetek) {
        Asztal a;
        a.jatekosok[0].nev = "Telmi";
        const bool jo = jatek_visszaallitas(a, {"Anna", "Béla", "Cili"}, e.egyenleg, e.naplo);
        EXPECT_EQ(jo, e.jo) << e.nev;
        EXPECT_EQ(a.jatekosok[0].nev, jo ? "Anna" : "Telmi") << e.nev;
        EXPECT_EQ(a.jatekosok[1].egyenleg, jo ? e.egyenleg[1] : 0) << e.nev;
        EXPECT_EQ(a.naplo.size(), jo ? e.naplo.size() : 0u) << e.nev;
    }
    Asztal a;
    ASSERT_TRUE(jatek_visszaallitas(a, {"A", "B", "C"}, {15, -24, 9}, harom));
    jatek_nullazas(a);
    EXPECT_EQ(a.jatekosok[1].egyenleg, 0);
    EXPECT_TRUE(a.naplo.empty());
    EXPECT_EQ(a.jatekosok[1].nev, "B");
}
