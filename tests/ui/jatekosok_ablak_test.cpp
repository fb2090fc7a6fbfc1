// The players dialog and the deal editor as windows: the focus a name-box click
// chooses, a rename showing at once, the disabled kind boxes; the editor's picker,
// "Kész" and its refusal.

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <string>
#include <vector>

#include "ablak_teszt.h"
#include "table/szerkeszto.h"
#include "ui/kattinthato.h"
#include "ui/tform2.h"
#include "ui/tform3.h"
#include "ui/tform4.h"

namespace {

using teszt::AblakTeszt;
using teszt::ModalFelelo;

QString u8(const char* s) { return QString::fromUtf8(s); }

TForm4* form4() { return urlapok().Form4; }

// What the players dialog looked like when it was answered.
struct Latott {
    QString cim;
    QWidget* fokusz = nullptr;
    QString nevek[3];
};

// Answers the players dialog: notes what it shows, runs `szerkeszt`, presses "OK".
ModalFelelo jatekosok_felelo(std::vector<Latott>& latott,
                             std::function<void(TForm4*)> szerkeszt = nullptr) {
    return ModalFelelo([&latott, szerkeszt](QWidget* w) {
        auto* d = qobject_cast<TForm4*>(w);
        if (!d) {
            ADD_FAILURE() << "unexpected dialog " << w->windowTitle().toStdString();
            w->close();
            return;
        }
        Latott l;
        l.cim = d->windowTitle();
        l.fokusz = d->focusWidget();
        l.nevek[0] = d->Edit1->text();
        l.nevek[1] = d->Edit2->text();
        l.nevek[2] = d->Edit3->text();
        latott.push_back(l);
        if (szerkeszt) szerkeszt(d);
        QTest::mouseClick(d->Button1, Qt::LeftButton);
    });
}

TEST_F(AblakTeszt, PlayersDialogLayoutAndDisabledKinds) {
    TForm4* d = form4();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->windowTitle(), u8("Játékosok"));
    EXPECT_EQ(d->size(), QSize(544, 245));
    EXPECT_EQ(d->Label1->text(), u8("1. játékos"));
    EXPECT_EQ(d->Label3->text(), u8("3. játékos"));
    EXPECT_EQ(d->Label5->text(), u8("Név:"));
    EXPECT_EQ(d->Edit2->geometry(), QRect(232, 52, 105, 21));
    EXPECT_EQ(d->Button1->text(), "OK");
    EXPECT_EQ(d->Button1->geometry(), QRect(248, 176, 75, 25));
    for (QGroupBox* g : {d->GroupBox1, d->GroupBox2, d->GroupBox3}) {
        EXPECT_EQ(g->title(), "Tipus");
        EXPECT_FALSE(g->isEnabled());
        EXPECT_EQ(g->toolTip(), "Letiltva");
    }
    EXPECT_EQ(d->RadioButton1->text(), "ember");
    EXPECT_EQ(d->RadioButton2->text(), u8(" gép"));
    EXPECT_EQ(d->RadioButton3->parentWidget(), d->GroupBox2);
    EXPECT_FALSE(d->windowFlags() & Qt::WindowCloseButtonHint);
}

TEST_F(AblakTeszt, NameBoxClickChoosesTheFocusAndTheMenuKeepsIt) {
    std::vector<Latott> latott;
    {
        ModalFelelo felelo = jatekosok_felelo(latott);
        QTest::mouseClick(f->Memo3, Qt::LeftButton);  // the right-hand box: seat 1
        f->Jtkosok1->trigger();                       // the menu leaves the focus alone
        QTest::mouseClick(f->Memo4, Qt::LeftButton);  // the left-hand box: seat 2
        f->Jtkosok1->trigger();
    }
    ASSERT_EQ(latott.size(), 4u);
    EXPECT_EQ(latott[0].cim, u8("Játékosok"));
    EXPECT_EQ(latott[0].fokusz, form4()->Edit2);
    EXPECT_EQ(latott[1].fokusz, form4()->Edit2);
    EXPECT_EQ(latott[2].fokusz, form4()->Edit3);
    EXPECT_EQ(latott[3].fokusz, form4()->Edit3);
    EXPECT_EQ(latott[0].nevek[0], "Telmi");
    EXPECT_EQ(latott[0].nevek[1], "Varko");
    EXPECT_EQ(latott[0].nevek[2], "Rido");
}

TEST_F(AblakTeszt, ARenameShowsInTheNameBoxAtOnce) {
    std::vector<Latott> latott;
    {
        ModalFelelo felelo = jatekosok_felelo(latott, [](TForm4* d) {
            // Typed over the focused field's text, then "OK" (which takes the focus).
            d->Edit2->selectAll();
            QTest::keyClicks(d->Edit2, "J");
            d->Edit2->insert(u8("ózsi"));
        });
        QTest::mouseClick(f->Memo3, Qt::LeftButton);
    }
    ASSERT_EQ(latott.size(), 1u);
    EXPECT_EQ(f->a.jatekosok[1].nev, "Józsi");
    EXPECT_EQ(f->Memo3->text(), u8("Józsi"));
    EXPECT_EQ(f->Memo2->text(), "Telmi");
    EXPECT_EQ(f->Memo4->text(), "Rido");
    // The dialog shows the new name when opened again.
    {
        ModalFelelo felelo = jatekosok_felelo(latott);
        f->Jtkosok1->trigger();
    }
    ASSERT_EQ(latott.size(), 2u);
    EXPECT_EQ(latott[1].nevek[1], u8("Józsi"));
}

TEST_F(AblakTeszt, AFieldLeftWithTheKeyboardStoresItsName) {
    std::vector<Latott> latott;
    {
        ModalFelelo felelo = jatekosok_felelo(latott, [](TForm4* d) {
            d->Edit1->clear();  // an empty field stores an empty name
            QTest::keyClick(d->Edit1, Qt::Key_Tab);
        });
        QTest::mouseClick(f->Memo2, Qt::LeftButton);
    }
    EXPECT_EQ(f->a.jatekosok[0].nev, "");
    EXPECT_EQ(f->Memo2->text(), "");
}

TEST_F(AblakTeszt, EscapeAndTheCloseRequestLeaveThePlayersDialogOpen) {
    bool nyitva_maradt = false;
    {
        ModalFelelo felelo([&](QWidget* w) {
            auto* d = qobject_cast<TForm4*>(w);
            ASSERT_NE(d, nullptr);
            d->Edit2->setText(u8("Béla"));
            QTest::keyClick(d, Qt::Key_Escape);
            QTest::keyClick(d->Edit2, Qt::Key_Escape);
            d->close();
            nyitva_maradt = d->isVisible() && QApplication::activeModalWidget() == d;
            QTest::mouseClick(d->Button1, Qt::LeftButton);  // "OK" still closes it
        });
        QTest::mouseClick(f->Memo3, Qt::LeftButton);
    }
    EXPECT_TRUE(nyitva_maradt);
    EXPECT_FALSE(form4()->isVisible());
    EXPECT_EQ(f->Memo3->text(), u8("Béla"));
}

// --- The deal editor -------------------------------------------------------------

TEST_F(AblakTeszt, EditorPicksCardsAndClosesOnKesz) {
    TForm3* e = urlapok().Form3;
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->windowTitle(), u8("Kártyalap szerkesztő"));
    EXPECT_EQ(e->size(), QSize(638, 576));
    EXPECT_EQ(e->Image[21], nullptr);
    EXPECT_EQ(e->Image[22]->geometry(), QRect(260, 102, 64, 50));  // Zöld Alsó
    EXPECT_EQ(e->Image[45]->geometry(), QRect(547, 331, 64, 100));
    EXPECT_FALSE(e->Edit1->isVisible());

    std::vector<std::string> uzenetek;
    bool ures_kesz = false, kivalasztva = false;
    // "Kész" is pressed from the editor's own loop, so the message it may raise is
    // answered here like any other dialog.
    auto kesz = [](TForm3* d) {
        QTimer::singleShot(0, d, [d] { QTest::mouseClick(d->Button1, Qt::LeftButton); });
    };
    {
        ModalFelelo felelo([&](QWidget* w) {
            if (auto* m = qobject_cast<TForm2*>(w)) {
                uzenetek.push_back(m->Label1->text().toStdString());
                QTest::mouseClick(m->Button1, Qt::LeftButton);
                return;
            }
            auto* d = qobject_cast<TForm3*>(w);
            ASSERT_NE(d, nullptr);
            if (!ures_kesz) {
                // Nothing chosen: refused with the message.
                ures_kesz = true;
                kesz(d);
            } else if (uzenetek.size() == 1 && !kivalasztva) {
                kivalasztva = true;
                // The first hand: the "Piros" row, "Tök Ász" and "Tök 10"; then the
                // talon: "Tök Király", "Tök Felső".
                for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}) {
                    EXPECT_TRUE(d->Image[n]->isVisible());
                    QTest::mouseClick(d->Image[n], Qt::LeftButton);
                }
                // Clicking a chosen card again changes nothing.
                QTest::mouseClick(d->Image[1], Qt::LeftButton);
                EXPECT_EQ(d->Image[1]->betoltott(), QString::fromLatin1(kepfajlok[HATLAP]));
                EXPECT_EQ(d->Image[34]->betoltott(),
                          QString::fromLatin1(kepfajlok[PIROS * 8 + ASZ]));
                EXPECT_EQ(d->Image[44]->betoltott(),
                          QString::fromLatin1(kepfajlok[TOK * 8 + KIRALY]));
                EXPECT_EQ(d->Image[46]->betoltott(), QString::fromLatin1(kepfajlok[HATLAP]));
                kesz(d);
            }
        });
        f->Szerkeszts1Click();
    }
    EXPECT_EQ(uzenetek, std::vector<std::string>{"Nincs befejezve a kiválasztás!"});
    EXPECT_FALSE(e->isVisible());
    EXPECT_EQ(f->a.kezi_osztas, 1);
    const int32_t elso = (f->a.oszto + 1) % 3;
    EXPECT_EQ(f->a.soron, elso);
    EXPECT_EQ(f->a.jatekosok[elso].talonnal, 1);
    EXPECT_EQ(f->a.talon[0].kep, TOK * 8 + KIRALY);
    EXPECT_EQ(f->a.talon[1].kep, TOK * 8 + FELSO);
}

TEST_F(AblakTeszt, EditorOpensOnlyWithNoDealRunningAndEscapeAbandonsIt) {
    f->a.fazis = F_JATEK_EMBER;
    f->Szerkeszts1Click();  // no dialog: a watchdog-free call would hang otherwise
    EXPECT_EQ(f->a.kezi_osztas, 0);
    f->a.fazis = F_NINCS_PARTI;
    const int32_t oszto = f->a.oszto;
    {
        ModalFelelo felelo([](QWidget* w) {
            auto* d = qobject_cast<TForm3*>(w);
            ASSERT_NE(d, nullptr);
            QTest::mouseClick(d->Image[33], Qt::LeftButton);
            QTest::keyClick(d, Qt::Key_Escape);
        });
        f->Szerkeszts1Click();
    }
    EXPECT_FALSE(urlapok().Form3->isVisible());
    EXPECT_EQ(f->a.kezi_osztas, 0);
    EXPECT_EQ(f->a.oszto, oszto);
}

// The analysis tool-bar buttons stay hidden; their handlers work.
TEST_F(AblakTeszt, DisabledCommandsStillHaveWorkingHandlers) {
    for (int i : {2, 3, 4}) EXPECT_FALSE(f->SpeedButton[i]->isVisible()) << i;
    f->SpeedButton4Click();
    f->nezet_frissites();
    EXPECT_EQ(f->a.nezet.memo1.size(), 99u);
    EXPECT_EQ(f->a.nezet.memo1[0], "0");
    EXPECT_EQ(f->a.nezet.memo1[1], "Makk 7 6");
}

}  // namespace
