// A whole deal with the keyboard alone, through the real windows: the keys go to
// whatever holds the focus, in the main window and in every dialog.

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "ablak_teszt.h"
#include "support/kezek.h"
#include "table/billentyuzet.h"
#include "ui/kattinthato.h"
#include "ui/tform6.h"

namespace {

using teszt::AblakTeszt;
using teszt::ModalFelelo;

// A key as the person presses it: to the widget with the focus in the window on top.
void gomb(Qt::Key k) {
    QWidget* ablak = QApplication::activeModalWidget();
    if (!ablak) ablak = urlapok().Form1;
    QWidget* w = ablak->focusWidget();
    ASSERT_TRUE(w) << "nothing has the focus in " << ablak->windowTitle().toStdString();
    QTest::keyClick(w, k);
}

TEST_F(AblakTeszt, EgyTeljesPartiCsakBillentyuzettel) {
    Asztal& a = f->a;
    hajtott_parti(4242);
    f->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f));

    int dialogok = 0, adu = 0;
    ModalFelelo felelo(
        [&](QWidget* w) {
            // The person answers once the dialog is up and holds the focus.
            if (!w->focusWidget()) return;
            ++dialogok;
            // The trump dialog wants a choice: Space on the suit with the focus.
            if (auto* d = qobject_cast<TForm6*>(w)) {
                ++adu;
                gomb(Qt::Key_Space);
                EXPECT_TRUE(d->RadioButton[1]->isChecked() || d->RadioButton[2]->isChecked() ||
                            d->RadioButton[3]->isChecked());
            }
            // Everything else: Enter takes the dialog as it stands ("Passz", "Kész", "OK").
            gomb(Qt::Key_Return);
        },
        60000);

    // Enter deals; the human bids first and holds twelve cards.
    gomb(Qt::Key_Return);
    ASSERT_EQ(a.fazis, F_ELSO_DOBAS);
    // The last card (the talon's second) picked with Left, laid back with Enter;
    // then the first card with key 1 and Space.
    gomb(Qt::Key_Left);
    EXPECT_EQ(f->billentyuk.valasztott(), 14);
    EXPECT_TRUE(f->Valasztas->isVisible());
    EXPECT_EQ(f->Image[14]->y(), 398 - 14) << "the picked card stands out of the row";
    gomb(Qt::Key_Return);
    ASSERT_EQ(a.fazis, F_MASODIK_DOBAS);
    gomb(Qt::Key_1);
    gomb(Qt::Key_Space);
    ASSERT_EQ(a.fazis, F_LICIT_EMBER);
    EXPECT_EQ(f->Image[1]->accessibleName().toStdString(), kep_nev(a.nezet.image[1].kep));

    // Enter: "Licitálás", the bidding dialog, taken as it stands (Passz). A button
    // reached with Tab takes Enter itself: "Passz" refused before a bid.
    f->Button2->setFocus();
    gomb(Qt::Key_Return);
    EXPECT_EQ(a.fazis, F_LICIT_EMBER);
    f->Tabla->setFocus();
    gomb(Qt::Key_Return);
    QElapsedTimer ido;
    ido.start();
    while (a.fazis == F_LICIT_EMBER && ido.elapsed() < 20000) gomb(Qt::Key_Return);
    ASSERT_GE(a.fazis, F_JATEK_EMBER);

    // The play: Right walks along the hand until a card is taken.
    while (a.fazis != F_VEGE && ido.elapsed() < 50000) {
        if (a.fazis != F_JATEK_EMBER) {
            QTest::qWait(5);
            continue;
        }
        const int32_t t = a.utes_szam, p = a.utes_lapszam;
        for (int k = 0; k < 10 && a.utes_szam == t && a.utes_lapszam == p; ++k) {
            gomb(k == 0 ? Qt::Key_1 : Qt::Key_Right);
            gomb(Qt::Key_Return);
        }
        ASSERT_FALSE(a.utes_szam == t && a.utes_lapszam == p) << "no card was accepted";
    }
    ASSERT_EQ(a.fazis, F_VEGE);
    // Enter: "Eredmény", the result table closed with Enter, and the next deal.
    const uint32_t parti = a.parti_sorszam;
    gomb(Qt::Key_Return);
    EXPECT_EQ(a.parti_sorszam, parti + 1);
    EXPECT_EQ(a.naplo.size(), 1u);
    EXPECT_EQ(adu, a.felvevo == 0 && a.adu < 4 ? 1 : 0);
    EXPECT_GE(dialogok, 2);
}

}  // namespace
