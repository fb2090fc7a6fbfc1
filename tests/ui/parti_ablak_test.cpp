// A whole deal played through the main window: the human's dialogs are answered
// by the test as they open, the computer's pauses run on the window's own timer,
// and a watchdog closes any dialog the test did not expect.

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <string>
#include <vector>

#include "ablak_teszt.h"
#include "support/kezek.h"
#include "table/invariansok.h"
#include "ui/kattinthato.h"
#include "ui/tform2.h"
#include "ui/tform5.h"
#include "ui/tform6.h"
#include "ui/tform7.h"
#include "ui/tform8.h"

namespace {

using teszt::AblakTeszt;
using teszt::ModalFelelo;

void kattint(Kattinthato* k) {
    ASSERT_TRUE(k->isVisible()) << k->objectName().toStdString();
    QTest::mouseClick(k, Qt::LeftButton);
}

void gomb(QPushButton* b) {
    ASSERT_TRUE(b->isVisible()) << b->text().toStdString();
    QTest::mouseClick(b, Qt::LeftButton);
}

struct Naplo {
    int licit = 0, adu = 0, bejelentes = 0, eredmeny = 0;
    std::vector<std::string> uzenetek;
};

TEST_F(AblakTeszt, EgyTeljesPartiAParbeszedekkel) {
    Asztal& a = f->a;
    hajtott_parti(4242);

    Naplo n;
    ModalFelelo felelo(
        [&](QWidget* w) {
            if (auto* d = qobject_cast<TForm5*>(w)) {
                // The opening bid: "Négy Ász", worth 4+1.
                ++n.licit;
                if (!d->CheckBox[6]->isChecked()) d->CheckBox[6]->click();
                EXPECT_EQ(d->Edit1->text(), "4+1");
                EXPECT_FALSE(d->CheckBox[1]->isChecked());
                d->Button1->click();
            } else if (auto* d = qobject_cast<TForm6*>(w)) {
                ++n.adu;
                d->RadioButton[1]->click();  // Tök
                d->Button1->click();
            } else if (auto* d = qobject_cast<TForm7*>(w)) {
                ++n.bejelentes;
                d->Button1->click();
            } else if (auto* d = qobject_cast<TForm2*>(w)) {
                n.uzenetek.push_back(d->Label1->text().toStdString());
                d->Button1->click();
            } else if (auto* d = qobject_cast<TForm8*>(w)) {
                ++n.eredmeny;
                d->Button1->click();
            } else {
                ADD_FAILURE() << "unexpected dialog " << w->windowTitle().toStdString();
                w->close();
            }
        },
        60000);

    // "Új parti": the human bids first and holds twelve cards.
    gomb(f->Button1);
    ASSERT_EQ(a.fazis, F_ELSO_DOBAS);
    EXPECT_TRUE(f->Image[13]->isVisible());
    EXPECT_TRUE(f->Image[14]->isVisible());
    EXPECT_FALSE(f->Image[11]->isVisible());
    kattint(f->Image[1]);
    kattint(f->Image[1]);
    ASSERT_EQ(a.fazis, F_LICIT_EMBER);
    EXPECT_FALSE(f->Image[13]->isVisible());
    EXPECT_TRUE(f->Image[11]->isVisible());

    gomb(f->Button1);  // "Licitálás": the bidding dialog
    EXPECT_EQ(n.licit, 1);
    EXPECT_EQ(f->Memo1->toPlainText().split('\n').first(),
              QString::fromUtf8("Telmi: Négy Ász 4+1 Ft"));

    // Pass whenever the human is on turn again, until play starts.
    QElapsedTimer ido;
    ido.start();
    while (a.fazis == F_LICIT_EMBER && ido.elapsed() < 20000) gomb(f->Button2);
    ASSERT_GE(a.fazis, F_JATEK_EMBER);
    EXPECT_FALSE(f->Button1->isVisible());
    EXPECT_FALSE(f->Button2->isVisible());
    EXPECT_EQ(f->Label1->text().toStdString(), a.nezet.label1);
    if (a.felvevo == 0) {
        EXPECT_EQ(n.adu, 1);
        EXPECT_EQ(a.adu, TOK);
        EXPECT_EQ(a.nezet.label1, "Telmi: Tök Négy Ász 4+1 Ft");
    }

    // The play: a legal card for the human (a refusal is answered by the test), the
    // computers on the window's timer.
    int lapok = 0;
    while (a.fazis != F_VEGE && ido.elapsed() < 50000) {
        if (a.fazis == F_JATEK_EMBER) {
            const int32_t t = a.utes_szam, p = a.utes_lapszam;
            if (lapok == 0) {
                f->SpeedButton[5]->click();  // the hint comes from a worker
                EXPECT_TRUE(QTest::qWaitFor([&] { return a.nezet.hint_latszik; }, 5000));
                EXPECT_EQ(a.nezet.hint.rfind("Az ajánlott lap: ", 0), 0u) << a.nezet.hint;
            }
            for (int k = 1; k <= 10 - t && a.utes_szam == t && a.utes_lapszam == p; ++k)
                kattint(f->Image[k]);
            ASSERT_FALSE(a.utes_szam == t && a.utes_lapszam == p) << "no card was accepted";
            ++lapok;
            ASSERT_EQ(invarians_hiba(a), "");
        } else {
            QTest::qWait(5);
        }
    }
    ASSERT_EQ(a.fazis, F_VEGE) << "the deal did not end";
    EXPECT_GT(lapok, 0);
    EXPECT_TRUE(f->Button1->isVisible());
    EXPECT_EQ(f->Button1->text(), QString::fromUtf8("Eredmény"));
    EXPECT_TRUE(f->Image[11]->isVisible());
    EXPECT_EQ(f->Image[11]->betoltott().toStdString(), kepfajlok[a.talon[0].kep]);
    EXPECT_EQ(f->Image[12]->betoltott().toStdString(), kepfajlok[a.talon[1].kep]);
    for (const std::string& u : n.uzenetek)
        EXPECT_TRUE(u == "Renonsz!!!" || u.find(": ") != std::string::npos) << u;

    // "Eredmény": the result table, then the next deal in the same click.
    const uint32_t parti = a.parti_sorszam;
    gomb(f->Button1);
    EXPECT_EQ(n.eredmeny, 1);
    EXPECT_EQ(a.parti_sorszam, parti + 1);
    EXPECT_EQ(f->Button1->text(), QString::fromUtf8("Licitálás"));
    EXPECT_EQ(felelo.megvalaszolt(),
              n.licit + n.adu + n.bejelentes + n.eredmeny + static_cast<int>(n.uzenetek.size()));
}

TEST_F(AblakTeszt, FuggoKattintasElmaradUjPartinal) {
    Asztal& a = f->a;
    asztal_indulas(a, 7);
    for (Jatekos& j : a.jatekosok) j.ember = 0;
    teszt::HajtottOra ora;
    ora.lepes_per_ms = 50;
    a.ora = ora;
    f->felulet.szunet_ms = 30;
    f->nezet_frissites();
    // All computers: "Licitálás" steps the auction until play begins on the timer.
    QElapsedTimer ido;
    ido.start();
    while (a.fazis != F_JATEK_GEP && ido.elapsed() < 20000) {
        if (a.fazis == F_NINCS_PARTI || a.fazis == F_LICIT_GEP) gomb(f->Button1);
        if (a.fazis == F_VEGE) break;
    }
    ASSERT_EQ(a.fazis, F_JATEK_GEP);
    // "Új parti" from the tool bar while a computer card is pending: the pending
    // click must not play into the abandoned deal.
    const int32_t utes = a.utes_szam, lapszam = a.utes_lapszam;
    f->SpeedButton[1]->click();
    ASSERT_EQ(a.fazis, F_NINCS_PARTI);
    QTest::qWait(150);
    EXPECT_EQ(a.fazis, F_NINCS_PARTI);
    EXPECT_EQ(a.utes_szam, utes);
    EXPECT_EQ(a.utes_lapszam, lapszam);
}

}  // namespace
