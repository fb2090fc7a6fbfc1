// The click storm: the real main window takes thousands of random clicks on every
// picture, button, name box, menu item and tool-bar button, in every phase, with
// the modal dialogs answered at random, and presses held on the trick area; the
// table state is checked after each.
#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <memory>
#include <random>

#include "ablak_teszt.h"
#include "table/invariansok.h"
#include "table/rajzolas.h"
#include "ui/kattinthato.h"

namespace {

using teszt::AblakTeszt;

long long kornyezet(const char* nev, long long alap) {
    const QByteArray v = qgetenv(nev);
    return v.isEmpty() ? alap : v.toLongLong();
}

// One random action on the dialog on top: tick a box or press a button. A dialog
// without buttons (the about box) is closed as with its close box.
void veletlen_valasz(QWidget* w, std::mt19937& rng) {
    QList<QAbstractButton*> dobozok, gombok;
    for (QAbstractButton* b : w->findChildren<QAbstractButton*>()) {
        if (!b->isVisible() || !b->isEnabled()) continue;
        if (qobject_cast<QCheckBox*>(b) || qobject_cast<QRadioButton*>(b))
            dobozok.push_back(b);
        else
            gombok.push_back(b);
    }
    // The deal editor's cards are pictures.
    QList<Kattinthato*> kepek;
    for (Kattinthato* k : w->findChildren<Kattinthato*>())
        if (k->isVisible()) kepek.push_back(k);
    if (gombok.isEmpty() && dobozok.isEmpty()) {
        w->close();
        return;
    }
    if (!kepek.isEmpty() && rng() % 10 < 7) {
        QTest::mouseClick(kepek[static_cast<int>(rng() % kepek.size())], Qt::LeftButton);
        return;
    }
    if (!dobozok.isEmpty() && (gombok.isEmpty() || rng() % 10 < 6)) {
        dobozok[static_cast<int>(rng() % dobozok.size())]->click();
        return;
    }
    gombok[static_cast<int>(rng() % gombok.size())]->click();
}

TEST_F(AblakTeszt, ClickStormKeepsTheTableSound) {
    const unsigned mag = static_cast<unsigned>(kornyezet("ULTI_VIHAR_MAG", 20261208));
    const long long kattintasok = kornyezet("ULTI_VIHAR_KATTINTAS", 2500);
    std::mt19937 rng(mag);

    f->felulet.szunet_ms = 0;
    auto olvasas = std::make_shared<long long>(0);
    f->a.ora = [olvasas] { return ++*olvasas / 2; };  // searches stop after ~2000 steps

    // The answerer: polls for the dialog on top and makes one random move in it
    // from a fresh zero-time timer, so a dialog opened by that move (a refusal over
    // the bidding dialog, the tricks viewer over the result table) is answered too.
    long long valaszok = 0, valaszok_az_esemeny_elott = 0;
    bool foglalt = false;
    QTimer figyelo;
    figyelo.setInterval(1);
    QObject::connect(&figyelo, &QTimer::timeout, [&] {
        QWidget* w = QApplication::activeModalWidget();
        if (foglalt || !w || !w->isVisible()) return;
        foglalt = true;
        QTimer::singleShot(0, w, [&, w] {
            foglalt = false;
            if (QApplication::activeModalWidget() != w || !w->isVisible()) return;
            // A dialog that random answers cannot leave is a trap for a person too.
            if (++valaszok - valaszok_az_esemeny_elott > 20000) {
                std::string lanc;  // the open dialogs, the one on top last
                for (QWidget* t : QApplication::topLevelWidgets())
                    if (t->isVisible() && t->isModal()) lanc += t->windowTitle().toStdString() + " / ";
                ADD_FAILURE() << "no way out of " << w->windowTitle().toStdString() << " (" << lanc
                              << "phase " << f->a.fazis << "); click storm seed " << mag;
                while (QWidget* m = QApplication::activeModalWidget()) teszt::becsuk(m);
                return;
            }
            veletlen_valasz(w, rng);
        });
    });
    figyelo.start();

    // Everything a person can reach: shown pictures and buttons, enabled menu items
    // ("Kilépés" ends the process and stays out).
    std::vector<std::function<bool()>> celok;
    for (int k = 1; k <= 37; ++k)
        celok.push_back([this, k] {
            if (!f->Image[k]->isVisible()) return false;
            QTest::mouseClick(f->Image[k], Qt::LeftButton);
            return true;
        });
    for (QPushButton* b : {f->Button1, f->Button2})
        celok.push_back([b] {
            if (!b->isVisible() || !b->isEnabled()) return false;
            QTest::mouseClick(b, Qt::LeftButton);
            return true;
        });
    for (Kattinthato* m : {f->Memo2, f->Memo3, f->Memo4})
        celok.push_back([m] {
            QTest::mouseClick(m, Qt::LeftButton);
            return true;
        });
    for (int k = 1; k <= 7; ++k)
        celok.push_back([this, k] {
            QToolButton* b = f->SpeedButton[k];
            if (!b || !b->isVisible() || !b->isEnabled()) return false;
            b->click();
            return true;
        });
    for (QAction* m : {f->jjtk1, f->Ments1, f->Betlts1, f->Szerkeszts1, f->Szmll1, f->Varici1,
                       f->Jtkosok1, f->Lers1, f->Szerz1})
        celok.push_back([m] {
            if (!m->isEnabled()) return false;
            m->trigger();
            return true;
        });
    // Pressing and holding on the trick area: the press changes nothing, and the
    // trick pictures show the core's view of the last trick until the release.
    const QRect utes_terulet =
        f->Image[15]->geometry().united(f->Image[16]->geometry()).united(f->Image[17]->geometry());
    long long tartasok = 0, utes_mutatva = 0;
    // Its own random source, so the other events come as they always did.
    std::mt19937 tartas_rng(mag + 1);
    auto tartas = [&, this] {
        const QPoint p(utes_terulet.left() + static_cast<int>(tartas_rng() % utes_terulet.width()),
                       utes_terulet.top() + static_cast<int>(tartas_rng() % utes_terulet.height()));
        QWidget* cel = f->Tabla->childAt(p);
        if (!cel) cel = f->Tabla;
        const QPoint hely = cel->mapFrom(f->Tabla, p);
        const std::string elotte = teszt::allapot(f->a);
        QTest::mousePress(cel, Qt::LeftButton, {}, hely);
        ++tartasok;
        EXPECT_EQ(teszt::allapot(f->a), elotte) << "the press changed the table; seed " << mag;
        AsztalNezet v;
        if (utolso_utes_nezet(f->a, v)) {
            ++utes_mutatva;
            for (int k = 15; k <= 17; ++k) {
                EXPECT_EQ(f->Image[k]->isVisible(), v.image[k].lathato) << "Image" << k << "; seed " << mag;
                if (v.image[k].lathato) {
                    EXPECT_EQ(f->Image[k]->betoltott(), kepfajlok[v.image[k].kep]) << "Image" << k;
                }
            }
        }
        QTest::mouseRelease(cel, Qt::LeftButton, {}, hely);
        for (int k = 15; k <= 17; ++k) EXPECT_EQ(f->Image[k]->isVisible(), f->a.nezet.image[k].lathato);
    };
    // The bottom row, the talon and the main button come up far more often than
    // the menus: celok[0..13] are Image1 .. Image14, celok[37] is Button1.
    const int fo_gomb = 37;

    long long megtortent = 0, partik_elotte = f->a.parti_sorszam;
    for (long long i = 0; i < kattintasok; ++i) {
        valaszok_az_esemeny_elott = valaszok;
        const int r = static_cast<int>(rng() % 100);
        int cel;
        if (r < 45)
            cel = static_cast<int>(rng() % 14);  // the bottom row and the talon
        else if (r < 75)
            cel = fo_gomb;
        else
            cel = static_cast<int>(rng() % celok.size());
        if (celok[static_cast<size_t>(cel)]()) ++megtortent;
        if (tartas_rng() % 10 == 0) tartas();  // one event in ten, a hold on the trick
        // Let the computer's pending cards run, as the timer would; mostly with their
        // searches on the worker until a person is on turn again, sometimes not, so
        // the next click lands while a search runs.
        for (int n = 0; n < 4; ++n) QCoreApplication::processEvents();
        if (rng() % 4 != 0)
            for (int n = 0; n < 5000 && (f->kereses.fut(f->a) || f->a.fazis == F_JATEK_GEP); ++n)
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 2);
        const std::string hiba = invarians_hiba(f->a);
        ASSERT_EQ(hiba, "") << "click storm seed " << mag << ", event " << i << ", target " << cel
                            << ", phase " << f->a.fazis;
        ASSERT_EQ(QApplication::activeModalWidget(), nullptr)
            << "a dialog stayed open; seed " << mag << ", event " << i;
    }
    const long long partik = f->a.parti_sorszam - partik_elotte;
    std::printf("click storm: seed %u, %lld events, %lld reached a control, %lld dialog answers, "
                "%lld deals, %lld holds on the trick area (%lld views of a last trick)\n",
                mag, kattintasok, megtortent, valaszok, partik, tartasok, utes_mutatva);
    EXPECT_GT(partik, 3);
    EXPECT_GT(utes_mutatva, 0);
}

}  // namespace
