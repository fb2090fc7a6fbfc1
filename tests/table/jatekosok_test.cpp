// The players dialog through the seam: the focus a name-box click chooses, names
// taking effect when the dialog closes, the kind buttons.

#include "table/jatekosok.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "model/asztal.h"
#include "table/felulet.h"

namespace {

// Answers only the players dialog, with a script; anything else is a test failure.
class JatekosokFelulet : public Felulet {
public:
    std::function<void(Asztal&)> dialogus;
    std::vector<int32_t> fokuszok;  // the Edit focused at each opening
    int nyitasok = 0;

    void jatekosok_dialogus(Asztal& a) override {
        ++nyitasok;
        fokuszok.push_back(fokusz_edit(a));
        if (dialogus) dialogus(a);
    }
    void uzenet(Asztal&, const std::string& s) override { ADD_FAILURE() << "message: " << s; }
    void licit_dialogus(Asztal&) override { ADD_FAILURE(); }
    void adu_dialogus(Asztal&) override { ADD_FAILURE(); }
    void bejelentes_dialogus(Asztal&) override { ADD_FAILURE(); }
    void eredmeny_tabla(Asztal&, const Elszamolas&) override { ADD_FAILURE(); }
    void szunet_es_kattintas(Asztal&) override { ADD_FAILURE(); }
    void ujrarajzolas(Asztal&) override {}
};

class Jatekosok : public ::testing::Test {
protected:
    void SetUp() override { asztal_indulas(a, 1); }
    Asztal a;
    JatekosokFelulet f;
};

TEST_F(Jatekosok, TheMenuStartsWithTheFirstNameField) {
    jatekosok_menu(a, f);
    ASSERT_EQ(f.fokuszok.size(), 1u);
    EXPECT_EQ(f.fokuszok[0], 1);
}

TEST_F(Jatekosok, ANameBoxClickChoosesTheFocusAndTheMenuKeepsIt) {
    // Memo3 (seat 1, the right-hand box), then the menu twice, then Memo4, Memo2.
    nevdoboz_kattintas(a, f, 1);
    jatekosok_menu(a, f);
    jatekosok_menu(a, f);
    nevdoboz_kattintas(a, f, 2);
    jatekosok_menu(a, f);
    nevdoboz_kattintas(a, f, 0);
    EXPECT_EQ(f.fokuszok, (std::vector<int32_t>{2, 2, 2, 3, 3, 1}));
    EXPECT_EQ(a.fokusz_jatekos, 0);
}

TEST_F(Jatekosok, ARenameShowsInTheNameBoxAsSoonAsTheDialogCloses) {
    a.nezet.memo3 = "Varko: Passz";  // the box showed the last bid
    f.dialogus = [](Asztal& t) { nev_beallitas(t, 1, "Józsi"); };
    nevdoboz_kattintas(a, f, 1);
    EXPECT_EQ(a.jatekosok[1].nev, "Józsi");
    EXPECT_EQ(a.nezet.memo2, "Telmi");
    EXPECT_EQ(a.nezet.memo3, "Józsi");
    EXPECT_EQ(a.nezet.memo4, "Rido");
}

TEST_F(Jatekosok, NameBoxesFollowTheBottomSeat) {
    struct Eset {
        int32_t ember_helye;
        const char* memo2;
        const char* memo3;
        const char* memo4;
    };
    for (const Eset& e : {Eset{0, "Telmi", "Varko", "Rido"}, Eset{1, "Varko", "Rido", "Telmi"},
                          Eset{2, "Rido", "Telmi", "Varko"}}) {
        a.ember_helye = e.ember_helye;
        jatekosok_menu(a, f);
        EXPECT_EQ(a.nezet.memo2, e.memo2) << e.ember_helye;
        EXPECT_EQ(a.nezet.memo3, e.memo3) << e.ember_helye;
        EXPECT_EQ(a.nezet.memo4, e.memo4) << e.ember_helye;
    }
}

TEST_F(Jatekosok, AnEmptyFieldStoresAnEmptyNameAndTheCountsStay) {
    a.emberek_szama = 1;
    f.dialogus = [](Asztal& t) {
        nev_beallitas(t, 0, "");
        nev_beallitas(t, 2, "  Rido II ");
    };
    jatekosok_menu(a, f);
    EXPECT_EQ(a.jatekosok[0].nev, "");
    EXPECT_EQ(a.jatekosok[2].nev, "  Rido II ");
    EXPECT_EQ(a.nezet.memo2, "");
    EXPECT_EQ(a.emberek_szama, 1);
}

TEST_F(Jatekosok, KindButtonsSetTheirSeatsFlag) {
    struct Eset {
        int32_t radio;
        int32_t seat;
        uint8_t ember;
    };
    for (const Eset& e : {Eset{1, 0, 1}, Eset{2, 0, 0}, Eset{3, 1, 1}, Eset{4, 1, 0}, Eset{5, 2, 1},
                          Eset{6, 2, 0}}) {
        for (Jatekos& j : a.jatekosok) j.ember = e.ember ? 0 : 1;
        tipus_kattintas(a, e.radio);
        for (int32_t s = 0; s < 3; ++s)
            EXPECT_EQ(a.jatekosok[s].ember, s == e.seat ? e.ember : (e.ember ? 0 : 1))
                << "radio " << e.radio << " seat " << s;
    }
}

TEST_F(Jatekosok, OutOfRangeSeatsAndButtonsChangeNothing) {
    nevdoboz_kattintas(a, f, 3);
    nevdoboz_kattintas(a, f, -1);
    EXPECT_EQ(f.nyitasok, 0);
    nev_beallitas(a, 3, "x");
    tipus_kattintas(a, 0);
    tipus_kattintas(a, 7);
    EXPECT_EQ(a.jatekosok[0].ember, 1);
    EXPECT_EQ(a.jatekosok[1].ember, 0);
    EXPECT_EQ(a.jatekosok[2].ember, 0);
    a.fokusz_jatekos = 9;
    EXPECT_EQ(fokusz_edit(a), 1);
}

}  // namespace
