// The table at three window sizes (default, 150 %, maximised on a large screen): every
// element keeps its place on the table, fonts grow with it, and the cards are drawn at
// the size they are shown. The dialogs take the table's scale, and the zoom keys step it.

#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <QToolButton>
#include <cmath>
#include <vector>

#include "ablak_teszt.h"
#include "scoring/elszamolas.h"
#include "scoring/lejatszas.h"
#include "scoring/partik.h"
#include "ui/adat_mappa.h"
#include "ui/elrendezes.h"
#include "ui/kattinthato.h"
#include "ui/tform10.h"
#include "ui/tform2.h"
#include "ui/tform5.h"
#include "ui/utmutato_nezet.h"
#include "ui/tform8.h"

namespace {

using teszt::AblakTeszt;
using teszt::ModalFelelo;

// A card picture as many pixels as its label shows on this screen, and not the
// 64 x 100 file stretched to them.
void rajzolt_lap(const Kattinthato* k) {
    const QImage kep = k->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(kep.size(), (QSizeF(k->size()) * k->devicePixelRatioF()).toSize()) << k->objectName().toStdString();
    const QImage fajl = QImage(adat_utvonal(k->betoltott())).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(fajl.isNull());
    if (kep.size() == fajl.size()) return;
    for (auto mod : {Qt::FastTransformation, Qt::SmoothTransformation})
        EXPECT_NE(kep, fajl.scaled(kep.size(), Qt::IgnoreAspectRatio, mod)) << k->objectName().toStdString();
}

// `w` where the table at scale `s`, its corner at `o`, puts `alap`: within a pixel.
void helyen(const QWidget* w, const QRect& alap, double s, QPoint o) {
    const QRect g = w->geometry();
    const std::string nev = w->objectName().toStdString();
    EXPECT_NEAR(g.x(), o.x() + alap.x() * s, 1) << nev;
    EXPECT_NEAR(g.y(), o.y() + alap.y() * s, 1) << nev;
    EXPECT_NEAR(g.width(), alap.width() * s, 1) << nev;
    EXPECT_NEAR(g.height(), alap.height() * s, 1) << nev;
}

TEST_F(AblakTeszt, TheTableKeepsItsPlacesAtThreeSizes) {
    f->Button1->click();  // a deal: the human's hand lies face up
    std::vector<QWidget*> elemek = {f->Memo1, f->Memo2, f->Memo3, f->Memo4, f->Label1, f->Button1, f->StaticText1};
    for (int k : {1, 5, 10, 11, 12, 15, 16, 17, 18, 27, 28, 37}) elemek.push_back(f->Image[k]);
    // Widgets of the guide, made in their own file, follow the scale as well.
    for (int d = 0; d < 3; ++d) elemek.push_back(f->utmutato->egyenleg(d));
    std::vector<QRect> alap;
    std::vector<double> betu;
    for (QWidget* w : elemek) {
        alap.push_back(w->geometry());
        betu.push_back(w->font().pointSizeF());
    }
    const QRect kerdes = f->SpeedButton[5]->geometry(), sor = f->utmutato->sor_cimke()->geometry();

    for (int eset = 0; eset < 3; ++eset) {
        SCOPED_TRACE(eset);
        if (eset == 1) f->nagyitas_beallitas(150);
        if (eset == 2) {
            f->showMaximized();
            ASSERT_TRUE(QTest::qWaitFor([&] { return f->Tabla->width() > 1188; }));
        }
        QApplication::processEvents();
        const double s = f->elrendezes->arany();
        const QSize m = f->Tabla->size();
        EXPECT_NEAR(s, std::min(m.width() / 792.0, m.height() / 504.0), 1e-9);
        if (eset < 2) {
            EXPECT_EQ(m, QSize(792, 504) * (1 + eset * 0.5));
        }
        // Centred on the green.
        const QPoint o = f->elrendezes->eltolas();
        EXPECT_NEAR(o.x(), (m.width() - 792 * s) / 2, 1);
        EXPECT_NEAR(o.y(), (m.height() - 504 * s) / 2, 1);
        for (size_t i = 0; i < elemek.size(); ++i) {
            helyen(elemek[i], alap[i], s, o);
            EXPECT_NEAR(elemek[i]->font().pointSizeF(), betu[i] * s, 0.01) << elemek[i]->objectName().toStdString();
        }
        // The tool bar spans the window; its buttons scale from its left edge.
        EXPECT_EQ(f->ToolBar1->width(), m.width());
        helyen(f->SpeedButton[5], kerdes, s, {});
        helyen(f->utmutato->sor_cimke(), sor, s, {});
        for (int k = 1; k <= 37; ++k) {
            if (f->Image[k]->isVisible()) rajzolt_lap(f->Image[k]);
        }
    }
}

TEST_F(AblakTeszt, DialogsTakeTheTablesScale) {
    teszt::lejatszas(f->a, TOK, 1, teszt::partik::tok_ulti, teszt::partik::tok_ulti_talon);
    f->nagyitas_beallitas(150);
    QApplication::processEvents();
    // Sized before it is shown, so whoever places a dialog sees its size.
    EXPECT_EQ(urlapok().Form2->size(), QSize(606, 155));  // 404 x 103
    // Back and forth: a tick box's box is still the style's own times the scale.
    f->nagyitas_beallitas(200);
    f->nagyitas_beallitas(150);
    const auto* negyzet = urlapok().Form5->findChild<QCheckBox*>();
    ASSERT_TRUE(negyzet);
    EXPECT_EQ(negyzet->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, negyzet),
              std::lround(QApplication::style()->pixelMetric(QStyle::PM_IndicatorWidth) * 1.5));
    int latott = 0;
    ModalFelelo felelo([&](QWidget* w) {
        if (auto* d = qobject_cast<TForm10*>(w)) {
            EXPECT_EQ(d->size(), QSize(962, 848));  // 641 x 565
            EXPECT_EQ(d->Image[1]->geometry(), QRect(60, 48, 96, 150));
            for (int k = 1; k <= 90; ++k) {
                if (d->Image[k]->isVisible()) rajzolt_lap(d->Image[k]);
            }
        } else if (auto* d = qobject_cast<TForm8*>(w)) {
            EXPECT_EQ(d->size(), QSize(965, 383));  // 643 x 255
            EXPECT_EQ(d->Label1->font().pixelSize(), 24);
        }
        ++latott;
        teszt::becsuk(w);
    });
    urlapok().Form8->kitoltes(f->a, elszamolas(f->a));
    urlapok().Form8->exec();
    urlapok().Form10->kitoltes(utesek_gyujtese(f->a));
    urlapok().Form10->exec();
    EXPECT_EQ(latott, 2);
}

TEST_F(AblakTeszt, NagyitasStepsAndKeys) {
    const struct {
        int most, irany, uj;
    } lepesek[] = {{100, 1, 125}, {125, 1, 150}, {150, 1, 200}, {200, 1, 200}, {137, 1, 150},
                   {200, -1, 150}, {137, -1, 125}, {100, -1, 100}, {60, 1, 100}, {101, -1, 100}};
    for (const auto& l : lepesek) EXPECT_EQ(kovetkezo_nagyitas(l.most, l.irany), l.uj) << l.most << " " << l.irany;

    QTest::keyClick(f, Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(f->nagyitas(), 125);
    EXPECT_EQ(f->Tabla->size(), QSize(990, 630));
    QTest::keyClick(f, Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(f->nagyitas(), 100);
    EXPECT_EQ(f->Tabla->size(), QSize(792, 504));
}

}  // namespace
