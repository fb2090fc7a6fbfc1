// Pictures of the real windows for the README and for looking at them: a deal
// played through the table with the mouse against the two computers, the last
// trick held, the table on the whole of a large screen, the announcements dialog,
// a meld announcement in the log, the result
// table of a contra'd Piros deal and the about box. Run in the build tree on a display (scripts/screenshot.sh runs
// it under Xvfb): `ulti_kepernyokep <folder>`.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include "scoring/elszamolas.h"
#include "scoring/lejatszas.h"
#include "scoring/partik.h"
#include "support/kezek.h"
#include "support/szkript_felulet.h"
#include "table/folyam.h"
#include "ui/kattinthato.h"
#include "ui/tform1.h"
#include "ui/tform2.h"
#include "ui/tform5.h"
#include "ui/tform6.h"
#include "ui/tform7.h"
#include "ui/tform8.h"
#include "ui/tform9.h"
#include "ui/statisztika_ablak.h"
#include "ui/urlapok.h"
#include "ui/visszanezes_ablak.h"

namespace {

QString mappa;

void ment(QWidget* w, const char* nev) {
    const QString ut = mappa + "/" + nev;
    if (w->grab().save(ut)) std::printf("%s\n", qPrintable(ut));
    else std::fprintf(stderr, "kepernyokep: cannot write %s\n", qPrintable(ut));
}

void var(int ms) { QTest::qWait(ms); }

// The first dialog of the play, with the main window beside it, as the screen shows
// them: the dialog stands beside the trick, not over it.
void mellette(QWidget* d) {
    static bool kesz = false;
    TForm1* f = urlapok().Form1;
    if (kesz || !f || f->a.fazis < F_JATEK_EMBER) return;
    kesz = true;
    const QRect r = f->frameGeometry().united(d->frameGeometry());
    const QString ut = mappa + "/parbeszed.png";
    if (d->screen()->grabWindow(0, r.x(), r.y(), r.width(), r.height()).save(ut)) std::printf("%s\n", qPrintable(ut));
}

void visszanezes_kepe(VisszanezesAblak* d);

// Answers each dialog as a player would; the first announcements dialog and the
// result table are photographed on the way.
void valasz(QWidget* w) {
    static bool kontrak = false;
    if (auto* d = qobject_cast<TForm5*>(w)) {
        d->Button1->click();  // the opening party, then passes
    } else if (auto* d = qobject_cast<TForm6*>(w)) {
        d->RadioButton[1]->click();
        d->Button1->click();
    } else if (auto* d = qobject_cast<TForm7*>(w)) {
        mellette(d);
        if (!kontrak) {
            kontrak = true;
            ment(d, "kontrak.png");
        }
        if (d->CheckBox[2]->isEnabled()) d->CheckBox[2]->click();  // "Parti"
        d->Button1->click();
    } else if (auto* d = qobject_cast<TForm2*>(w)) {
        mellette(d);
        d->Button1->click();
    } else if (auto* d = qobject_cast<TForm8*>(w)) {
        ment(d, "eredmeny.png");
        static bool visszanezve = false;
        if (!visszanezve && d->Button3->isEnabled()) {
            visszanezve = true;
            d->Button3->click();
        }
        if (d->isVisible()) d->Button1->click();
    } else if (auto* d = qobject_cast<VisszanezesAblak*>(w)) {
        visszanezes_kepe(d);
    } else if (auto* d = qobject_cast<StatisztikaAblak*>(w)) {
        ment(d, "statisztika.png");
        d->accept();
    } else if (auto* d = qobject_cast<TForm9*>(w)) {
        ment(d, "nevjegy.png");
        d->close();
    } else {
        w->close();
    }
}

// The review at the card that turned the deal once every verdict is in, that card's
// verdict asked for with "Ítélet ehhez a laphoz" when it is a computer's.
void visszanezes_kepe(VisszanezesAblak* d) {
    static bool bent = false;
    if (bent) return;
    bent = true;
    (void)QTest::qWaitFor([d] { return !d->munkak().fut(); }, 120000);
    if (d->fordulo_elem() > 0) {
        d->ugras(d->fordulo_elem() - 1);
        if (d->Itelet->isEnabled()) {
            d->Itelet->click();
            (void)QTest::qWaitFor([d] { return !d->munkak().fut(); }, 120000);
        }
        var(300);
        ment(d, "visszanezes.png");
    }
    d->reject();
    bent = false;
}

// The human on turn plays the first card the rules allow.
void ember_lapja(TForm1* f) {
    const int32_t t = f->a.utes_szam, p = f->a.utes_lapszam;
    for (int k = 1; k <= 10 - t && f->a.utes_szam == t && f->a.utes_lapszam == p; ++k) {
        QTest::mouseClick(f->Image[k], Qt::LeftButton);
        var(20);
    }
}

}  // namespace

int main(int argc, char** argv) {
    UltiAlkalmazas app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: ulti_kepernyokep <folder>\n");
        return 2;
    }
    mappa = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(mappa);
    urlapok_letrehozasa();
    TForm1* f = urlapok().Form1;
    f->show();
    if (!QTest::qWaitForWindowExposed(f)) return 1;
    QTimer figyelo;
    QObject::connect(&figyelo, &QTimer::timeout, [] {
        QWidget* w = QApplication::activeModalWidget();
        if (w && w->isVisible()) QTimer::singleShot(50, w, [w] { if (w->isVisible()) valasz(w); });
    });
    figyelo.start(200);

    // A deal with a fixed seed: "Új parti", two cards laid back, the opening party,
    // then passes; the computers bid and play on the table's own timer.
    Asztal& a = f->a;
    asztal_indulas(a, 20261208);
    f->felulet.szunet_ms = 400;
    f->nezet_frissites();
    QElapsedTimer ido;
    ido.start();
    bool fenykep = false, osztas = false;
    while (a.fazis != F_VEGE && ido.elapsed() < 120000) {
        if (a.fazis == F_NINCS_PARTI) {
            QTest::mouseClick(f->Button1, Qt::LeftButton);  // "Új parti" (again when all passed)
            var(300);
            if (!osztas) ment(f, "osztas.png");
            osztas = true;
        } else if (a.fazis == F_ELSO_DOBAS || a.fazis == F_MASODIK_DOBAS) {
            QTest::mouseClick(f->Image[1], Qt::LeftButton);
        } else if (a.fazis == F_LICIT_EMBER || a.fazis == F_LICIT_GEP) {
            QTest::mouseClick(f->Button2->isVisible() && a.fazis == F_LICIT_EMBER ? f->Button2 : f->Button1,
                              Qt::LeftButton);
        } else if (a.fazis == F_JATEK_EMBER) {
            // The table mid-trick in the second half of the deal, then held.
            if (!fenykep && a.utes_szam >= 3 && a.utes_lapszam >= 1) {
                fenykep = true;
                var(300);
                ment(f, "asztal.png");
                // The same table on the whole of a large screen (as maximised: Xvfb
                // has no window manager to do it), then back to its default size.
                f->setGeometry(f->screen()->availableGeometry());
                var(500);
                ment(f, "asztal_nagy.png");
                f->nagyitas_beallitas(100);
                var(300);
                const QPoint hol = f->Image[15]->geometry().topLeft() - QPoint(10, -90);
                QTest::mousePress(f->Tabla, Qt::LeftButton, {}, hol);
                var(100);
                ment(f, "utolso_utes.png");
                QTest::mouseRelease(f->Tabla, Qt::LeftButton, {}, hol);
            }
            // The keys' pick: the third card raised and framed as the hint's card.
            if (fenykep && a.utes_szam == 4 && a.utes_lapszam >= 1) {
                f->activateWindow();
                for (Qt::Key k : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Right}) QTest::keyClick(f->Tabla, k);
                var(300);
                ment(f, "billentyu.png");
            }
            ember_lapja(f);
        }
        var(50);
    }
    var(300);
    ment(f, "vege.png");
    // The finished deal, kept for its settlement after the made-up meld below.
    const Asztal vege = a;
    // A meld announcement as the core writes it, in the log and the name box (the
    // right-hand player, as if at his first card).
    if (a.fazis == F_VEGE) {
        const int32_t soron = a.soron;
        a.soron = 1;
        a.jatekosok[1].negyven = 1;
        a.jatekosok[1].husz_db = 2;
        bemondasok_kiirasa(a, f->felulet, false);
        a.soron = soron;
        f->nezet_frissites();
        var(800);
        ment(f, "bemondas.png");
        asztal_indulas(a, 1);  // the made-up announcement goes no further
        a.fazis = F_NINCS_PARTI;
    }
    // "Eredmény" on the finished deal: the result table, and from it the review.
    if (vege.fazis == F_VEGE) {
        a = vege;
        f->nezet_frissites();
        QTest::mouseClick(f->Button1, Qt::LeftButton);
        var(300);
    }

    // The result table of a Piros deal with contras, recontras and a silent 100.
    Asztal b;
    const auto t = teszt::szincsere({teszt::partik::tok_ulti_talon}, "Tök", "Piros");
    teszt::lejatszas(b, PIROS, 1, teszt::szincsere(teszt::partik::tok_ulti, "Tök", "Piros"), t[0]);
    for (int fl : {L_PASSZ, L_PIROS, L_ULTI, L_NEGYVEN_SZAZ}) b.jatek[fl] = 1;
    for (int fl : {L_PASSZ, L_ULTI, L_NEGYVEN_SZAZ}) b.jatekosok[0].kontra[fl] = 1;
    b.jatekosok[1].kontra[L_PASSZ] = 1;
    b.jatekosok[1].bemondott = 4;
    b.jatekosok[0].nev = "Telmi";
    const Elszamolas e = elszamolas(b);
    TForm8* d = urlapok().Form8;
    d->kitoltes(b, e);
    d->exec();
    // "Statisztika" over a game of twelve deals the computers played among themselves.
    {
        Asztal g;
        asztal_indulas(g, 777);
        for (Jatekos& j : g.jatekosok) j.ember = 0;
        teszt::HajtottOra ora;
        ora.lepes_per_ms = 50;
        g.ora = ora;
        teszt::SzkriptFelulet sf;
        for (int kattintas = 0; g.naplo.size() < 12 && kattintas < 5000; ++kattintas) {
            button1_kattintas(g, sf);
            sf.fuss(g);
        }
        f->a.naplo = g.naplo;
        for (int s = 0; s < 3; ++s) f->a.jatekosok[s].egyenleg = g.jatekosok[s].egyenleg;
        if (QAction* t = f->findChild<QAction*>("Statisztika1")) t->trigger();
        var(500);
    }
    QTimer::singleShot(0, f, [f] { f->Szerz1Click(); });
    var(800);
    urlapok_torlese();
    return fenykep ? 0 : 1;
}
