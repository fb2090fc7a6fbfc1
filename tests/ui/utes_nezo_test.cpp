// Holding the mouse on the trick area shows the last completed trick, and changes
// nothing in the table.

#include <QPushButton>
#include <QTest>
#include <array>

#include "ablak_teszt.h"
#include "support/kezek.h"
#include "table/rajzolas.h"
#include "ui/kattinthato.h"

namespace {

using teszt::AblakTeszt;
using teszt::allapot;

// What the three trick pictures show: file, or empty when hidden.
std::array<QString, 3> utes_kepek(TForm1* f) {
    std::array<QString, 3> v;
    for (int k = 15; k <= 17; ++k) v[k - 15] = f->Image[k]->isVisible() ? f->Image[k]->betoltott() : QString();
    return v;
}

// Presses on `hol` (a trick picture, or the bare table at `pont`), reads the trick
// pictures and the state while held, then releases.
std::array<QString, 3> tartva(TForm1* f, QWidget* hol, QPoint pont, std::string& kozben) {
    QTest::mousePress(hol, Qt::LeftButton, {}, pont);
    const std::array<QString, 3> v = utes_kepek(f);
    kozben = allapot(f->a);
    QTest::mouseRelease(hol, Qt::LeftButton, {}, pont);
    return v;
}

TEST_F(AblakTeszt, HoldingTheTrickAreaShowsTheLastTrick) {
    Asztal& a = f->a;
    const QPoint ures(330, 350);  // bare table inside the trick area
    std::string kozben;
    // No deal: nothing happens.
    auto elotte = utes_kepek(f);
    EXPECT_EQ(tartva(f, f->Tabla, ures, kozben), elotte);

    // Piros trump, the human declarer leads with the Piros Ász and wins the trick.
    teszt::leosztas(a, "Piros Ász, Piros 10, Piros Király, Piros Felső, Piros Alsó, Piros 9, Piros 8, "
                       "Piros 7, Tök Ász, Tök 10",
                    "Tök Király, Tök Felső, Tök Alsó, Tök 9, Tök 8, Tök 7, Zöld Ász, Zöld 10, Zöld Király, "
                    "Zöld Felső",
                    "Zöld Alsó, Zöld 9, Zöld 8, Zöld 7, Makk Ász, Makk 10, Makk Király, Makk Felső, Makk "
                    "Alsó, Makk 9",
                    "Makk 8, Makk 7", PIROS, 0);
    ablak_indulas(a);
    a.emberek_szama = 1;
    teszt::jatek(a, {L_PASSZ}, PIROS, 0);
    f->felulet.szunet_ms = 0;
    f->nezet_frissites();
    // The forty's announcement and any computer's message: "Kész" and "OK".
    teszt::ModalFelelo felelo([](QWidget* w) {
        for (QPushButton* b : w->findChildren<QPushButton*>())
            if (b->objectName() == "Button1") b->click();
    });
    // Before the first trick is complete: nothing happens.
    elotte = utes_kepek(f);
    const std::string most = allapot(a);
    EXPECT_EQ(tartva(f, f->Tabla, ures, kozben), elotte);
    EXPECT_EQ(kozben, most);

    QTest::mouseClick(f->Image[1], Qt::LeftButton);
    for (int i = 0; i < 200 && !(a.fazis == F_JATEK_EMBER && a.utes_szam == 1); ++i) QTest::qWait(1);
    ASSERT_EQ(a.fazis, F_JATEK_EMBER);
    ASSERT_EQ(a.utes_szam, 1);
    const std::array<QString, 3> elso_utes = utes_kepek(f);
    EXPECT_EQ(elso_utes[0], kepfajlok[teszt::lap("Piros Ász").kep]);
    // The next card leads trick 2; the computer's answer waits.
    f->felulet.szunet_ms = 60000;
    QTest::mouseClick(f->Image[1], Qt::LeftButton);
    ASSERT_EQ(a.utes_lapszam, 1);
    const auto most_lathato = utes_kepek(f);
    EXPECT_EQ(most_lathato, (std::array<QString, 3>{kepfajlok[teszt::lap("Piros 10").kep], "", ""}));

    // Held on the bare table and on a trick picture: trick 1 as it lay, no change.
    const std::string a_lenyomas_elott = allapot(a);
    EXPECT_EQ(tartva(f, f->Tabla, ures, kozben), elso_utes);
    EXPECT_EQ(kozben, a_lenyomas_elott);
    EXPECT_EQ(tartva(f, f->Image[15], QPoint(10, 10), kozben), elso_utes);
    EXPECT_EQ(kozben, a_lenyomas_elott);
    // Let go: the table as it is.
    EXPECT_EQ(utes_kepek(f), most_lathato);
    EXPECT_EQ(allapot(a), a_lenyomas_elott);
    // Outside the trick area, or with the right button: nothing.
    EXPECT_EQ(tartva(f, f->Tabla, QPoint(200, 200), kozben), most_lathato);
    QTest::mousePress(f->Tabla, Qt::RightButton, {}, ures);
    EXPECT_EQ(utes_kepek(f), most_lathato);
    QTest::mouseRelease(f->Tabla, Qt::RightButton, {}, ures);
}

}  // namespace
