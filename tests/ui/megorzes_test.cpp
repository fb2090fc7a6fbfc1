// What the program keeps between runs, in a settings file of the test's own (the
// user's file is never touched: without `megorzes_fajl` nothing is read or written).

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

#include "ablak_teszt.h"
#include "scoring/statisztika.h"
#include "ui/kattinthato.h"
#include "ui/megorzes.h"
#include "ui/tempo.h"

namespace {

class MegorzesTeszt : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(mappa.isValid());
        megorzes_fajl() = mappa.filePath("ulti.conf");
    }
    void TearDown() override {
        urlapok_torlese();
        megorzes_fajl().clear();
    }
    // A fresh start of the program's windows, as after a restart.
    TForm1* inditas() {
        urlapok_torlese();
        urlapok_letrehozasa();
        TForm1* f = urlapok().Form1;
        f->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(f));
        return f;
    }
    void tempo_valasztas(TForm1* f, int ms) {
        QMenu* m = f->Belltsok1->findChild<QMenu*>("Tempo1");
        ASSERT_TRUE(m);
        for (QAction* t : m->actions())
            if (t->data().toInt() == ms) t->trigger();
    }
    QTemporaryDir mappa;
};

TEST_F(MegorzesTeszt, NevekEgyenlegekTempoEsHelyUjrainditasUtan) {
    TForm1* f = inditas();
    EXPECT_EQ(f->a.jatekosok[0].nev, "Telmi");
    EXPECT_EQ(f->felulet.szunet_ms, TEMPO_NORMAL);
    // A game of two deals, as the settlements would have left it.
    Asztal& a = f->a;
    a.jatekosok[0].nev = "Éva";
    PartiEredmeny p;
    p.felvevo = 1;
    p.jatek[L_ULTI] = p.teljesult[L_ULTI] = 1;
    p.osszeg[0] = -4, p.osszeg[1] = 8, p.osszeg[2] = -4;
    a.naplo = {p, p};
    a.jatekosok[0].egyenleg = -8, a.jatekosok[1].egyenleg = 16, a.jatekosok[2].egyenleg = -8;
    tempo_valasztas(f, TEMPO_LASSU);  // a handler: the file is written after it
    f->nagyitas_beallitas(150);
    f->move(40, 30);
    const QPoint hely = f->pos();
    f->close();

    f = inditas();
    EXPECT_EQ(f->a.jatekosok[0].nev, "Éva");
    EXPECT_EQ(f->Memo2->text(), QString::fromUtf8("Éva"));
    EXPECT_EQ(f->a.jatekosok[1].egyenleg, 16);
    EXPECT_EQ(statisztika(f->a.naplo).teljesitett[1][L_ULTI], 2);
    EXPECT_EQ(f->felulet.szunet_ms, TEMPO_LASSU);
    EXPECT_EQ(f->pos(), hely);
    EXPECT_EQ(f->nagyitas(), 150);
}

// A file that cannot be read, of another version, or whose game does not add up
// starts the program with its defaults; the next change writes a sound file.
TEST_F(MegorzesTeszt, SerultFajlhelyettAlapertekek) {
    const QByteArray jo =
        "[General]\nvaltozat=1\npartik=\"1 16 16 -4 8 -4\"\ntempo=300\n"
        "[jatekos0]\nnev=Anna\negyenleg=-4\n[jatekos1]\nnev=Bea\negyenleg=8\n[jatekos2]\nnev=Cili\negyenleg=-4\n";
    const struct {
        const char* nev;
        QByteArray tartalom;
    } esetek[] = {
        {"szemet", QByteArray("\x00\xff\xfe[[=\n\x01zz", 11) + QByteArray(3000, '\xc3')},
        {"csonka", jo.left(jo.indexOf("[jatekos1]") + 12)},
        {"mas_valtozat", QByteArray(jo).replace("valtozat=1", "valtozat=7")},
        {"egyenleg_nem_stimmel", QByteArray(jo).replace("egyenleg=8", "egyenleg=9")},
    };
    {
        QFile ki(megorzes_fajl());
        ASSERT_TRUE(ki.open(QIODevice::WriteOnly));
        ki.write(jo);
    }
    TForm1* f = inditas();
    ASSERT_EQ(f->a.jatekosok[1].nev, "Bea") << "the sound file itself is read";
    ASSERT_EQ(f->felulet.szunet_ms, TEMPO_GYORS);
    for (const auto& e : esetek) {
        {
            QFile ki(megorzes_fajl());
            ASSERT_TRUE(ki.open(QIODevice::WriteOnly | QIODevice::Truncate));
            ki.write(e.tartalom);
        }
        f = inditas();
        EXPECT_EQ(f->a.jatekosok[1].nev, "Varko") << e.nev;
        EXPECT_EQ(f->a.jatekosok[1].egyenleg, 0) << e.nev;
        EXPECT_TRUE(f->a.naplo.empty()) << e.nev;
        EXPECT_EQ(f->felulet.szunet_ms, TEMPO_NORMAL) << e.nev;
    }
    tempo_valasztas(f, TEMPO_GYORS);
    f = inditas();
    EXPECT_EQ(f->felulet.szunet_ms, TEMPO_GYORS);
}

}  // namespace
