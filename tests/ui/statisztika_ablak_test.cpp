// "Statisztika" from the menu: the deals of the game, the counts per player and
// kind as the core counts them, and the window closed with Enter.

#include <QAction>
#include <QLabel>
#include <QTableWidget>
#include <QTest>

#include "ablak_teszt.h"
#include "scoring/statisztika.h"
#include "ui/statisztika_ablak.h"

namespace {

using teszt::AblakTeszt;
using teszt::ModalFelelo;

TEST_F(AblakTeszt, StatisztikaAJatekPartijaibol) {
    PartiEredmeny p;
    p.felvevo = 2;
    p.jatek[L_BETLI] = p.teljesult[L_BETLI] = 1;
    p.osszeg[0] = -5, p.osszeg[1] = -5, p.osszeg[2] = 10;
    f->a.naplo = {p, p};
    QString partik, betli;
    QStringList fejlec;
    ModalFelelo felelo([&](QWidget* w) {
        auto* d = qobject_cast<StatisztikaAblak*>(w);
        ASSERT_TRUE(d);
        partik = d->Partik->text();
        for (int s = 0; s < 3; ++s) fejlec << d->Tablazat->horizontalHeaderItem(s)->text();
        // Betli is the first colourless kind, below the two headings and eight colour kinds.
        betli = d->Tablazat->item(2 + L_BETLI, 2)->text();
        QTest::keyClick(d->focusWidget() ? d->focusWidget() : d, Qt::Key_Return);
    });
    f->findChild<QAction*>("Statisztika1")->trigger();
    EXPECT_EQ(felelo.megvalaszolt(), 1);
    EXPECT_EQ(partik, QString::fromUtf8("Lejátszott partik: 2"));
    EXPECT_EQ(fejlec, (QStringList{"Telmi", "Varko", "Rido"}));
    EXPECT_EQ(betli, "2 / 2");
}

}  // namespace
