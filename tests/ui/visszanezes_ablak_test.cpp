// The review window over a deal played through the main window: every step shown
// as the core replays it, the verdicts' marks as the core counts them, the workers
// stopped when the window closes, and a damaged records file refused.

#include "ui/visszanezes_ablak.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <utility>

#include "ablak_teszt.h"
#include "review/itelet.h"
#include "review/visszajatszas.h"
#include "support/kezek.h"
#include "support/szkript_felulet.h"
#include "table/folyam.h"
#include "ui/kattinthato.h"
#include "ui/rekord_fajl.h"
#include "ui/tform2.h"
#include "ui/tform5.h"
#include "ui/tform6.h"
#include "ui/tform7.h"
#include "ui/tform8.h"

namespace {

using teszt::AblakTeszt;
using teszt::ModalFelelo;

// The deal of seed 4242 through the windows: the human opens "Négy Ász" and passes
// after, plays the first card he may; the result table opens `tabla` on it.
void parti_lejatszasa(TForm1* f, const std::function<void(TForm8*)>& tabla) {
    Asztal& a = f->a;
    ModalFelelo felelo(
        [&](QWidget* w) {
            if (auto* d = qobject_cast<TForm5*>(w)) {
                if (!d->CheckBox[6]->isChecked()) d->CheckBox[6]->click();
                d->Button1->click();
            } else if (auto* d = qobject_cast<TForm6*>(w)) {
                d->RadioButton[1]->click();
                d->Button1->click();
            } else if (auto* d = qobject_cast<TForm7*>(w)) {
                d->Button1->click();
            } else if (auto* d = qobject_cast<TForm2*>(w)) {
                d->Button1->click();
            } else if (auto* d = qobject_cast<TForm8*>(w)) {
                tabla(d);
                if (d->isVisible()) d->Button1->click();
            }
        },
        300000);
    f->Button1->click();
    QTest::mouseClick(f->Image[1], Qt::LeftButton);
    QTest::mouseClick(f->Image[1], Qt::LeftButton);
    f->Button1->click();
    QElapsedTimer ido;
    ido.start();
    while (a.fazis == F_LICIT_EMBER && ido.elapsed() < 20000) f->Button2->click();
    while (a.fazis != F_VEGE && ido.elapsed() < 60000) {
        if (a.fazis != F_JATEK_EMBER) {
            QTest::qWait(5);
            continue;
        }
        const int32_t t = a.utes_szam, p = a.utes_lapszam;
        for (int k = 1; k <= 10 - t && a.utes_szam == t && a.utes_lapszam == p; ++k)
            QTest::mouseClick(f->Image[k], Qt::LeftButton);
    }
    ASSERT_EQ(a.fazis, F_VEGE);
    f->Button1->click();  // "Eredmény"
}

// A records file of the test's own, forgotten again however the test ends.
struct SajatFajl {
    QTemporaryDir mappa;
    SajatFajl() { rekordok_fajl() = mappa.filePath("ulti/rekordok.txt"); }
    ~SajatFajl() { rekordok_fajl().clear(); }
};

// The review's slots of row `r` as shown.
std::vector<int> sor_slotjai(VisszanezesAblak* w, int r) {
    std::vector<int> v;
    for (Kattinthato* k : w->Lapok[r])
        if (!k->isHidden()) v.push_back(k->property("slot").toInt());
    return v;
}

// Steps through the whole review with the keyboard, checking it against the core.
void vizsgalat(VisszanezesAblak* v) {
    QElapsedTimer ido;
    ido.start();
    const PartiRekord& r = *v->rekord();
    const std::vector<Pillanat> p = visszajatszas(r);
    ASSERT_EQ(p.size(), v->pillanatok().size());
    std::vector<int> kartyak;
    for (int i = 1; i < static_cast<int>(p.size()); ++i)
        if (p[i].lap) kartyak.push_back(i);
    ASSERT_EQ(kartyak.size(), 30u) << "a deal of ten tricks";

    // Tricks 2-9 come first (the human's cards and every full verdict there), then
    // tricks 0-1, their progress in the bar.
    auto elso_korok = [&] {
        for (size_t k = 6; k < kartyak.size(); ++k)
            if (p[kartyak[k]].seat == r.ember_helye && !v->lap_iteletek().count(kartyak[k]))
                return false;
        return true;
    };
    ASSERT_TRUE(QTest::qWaitFor(elso_korok, 60000));
    const qint64 ms_2_9 = ido.elapsed();
    QString haladas;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            if (v->Haladas->text().contains(QString::fromUtf8("elosztás")))
                haladas = v->Haladas->text();
            return !v->munkak().fut();
        },
        120000));
    std::printf("[ review ] tricks 2-9: %lld ms, all: %lld ms; the bar at tricks 0-1: %s\n",
                static_cast<long long>(ms_2_9), static_cast<long long>(ido.elapsed()),
                haladas.toUtf8().constData());
    EXPECT_LT(ms_2_9, 10000);

    // Every step by the keyboard: the hands as the core replays them, and
    // where a verdict has come, its marks as the core counts them.
    QTest::keyClick(v, Qt::Key_End);
    EXPECT_EQ(v->most(), static_cast<int>(p.size()) - 1);
    QTest::keyClick(v, Qt::Key_Home);
    int jelolt = 0;
    for (int i = 0; i < static_cast<int>(p.size()); ++i) {
        ASSERT_EQ(v->most(), i);
        for (int sor = 0; sor < 3; ++sor) {
            const int s = (r.ember_helye + 2 - sor) % 3;
            std::vector<int> kez;
            for (int k = 0; k < 10; ++k) {
                const Kartyalap& c = p[i].tabla.jatekosok[s].lapok[k];
                if (p[i].tabla.jatekosok[s].hol[c.szin][c.ertek] == s) kez.push_back(k);
            }
            ASSERT_EQ(sor_slotjai(v, sor), kez) << "moment " << i << ", row " << sor;
        }
        const auto l = v->lap_iteletek().find(i + 1);
        if (l != v->lap_iteletek().end() && l->first > kartyak[5]) {
            const LapItelet mag = lap_itelet(p[i].tabla, p[i + 1].slot);
            const int sor = (r.ember_helye + 2 - p[i + 1].seat) % 3;
            for (int j = 0; j < 10; ++j) {
                if (v->Lapok[sor][j]->isHidden()) continue;
                const int slot = v->Lapok[sor][j]->property("slot").toInt();
                const bool legjobb =
                    std::count(mag.legjobb_slotok.begin(), mag.legjobb_slotok.end(), slot);
                EXPECT_EQ(!v->Legjobb[sor][j]->isHidden(), legjobb)
                    << "moment " << i << " slot " << slot;
                EXPECT_EQ(!v->Jatszott[sor][j]->isHidden(), slot == p[i + 1].slot);
            }
            ++jelolt;
        }
        QTest::keyClick(v, Qt::Key_Right);
    }
    EXPECT_GT(jelolt, 0);

    QTest::keyClick(v, Qt::Key_Escape);
    EXPECT_FALSE(v->isVisible());
}

TEST_F(AblakTeszt, VisszanezesLeprolLepreAMagAlapjan) {
    hajtott_parti(4242);
    SajatFajl fajl;
    bool latta = false, vizsgalva = false;
    parti_lejatszasa(f, [&](TForm8* d) {
        ASSERT_TRUE(d->Button3->isEnabled());
        latta = true;
        ModalFelelo felelo(
            [&](QWidget* w) {
                auto* v = qobject_cast<VisszanezesAblak*>(w);
                ASSERT_NE(v, nullptr) << w->windowTitle().toStdString();
                if (std::exchange(vizsgalva, true)) return;
                vizsgalat(v);
                if (v->isVisible()) v->reject();
            },
            120000);
        d->Button3->click();
        EXPECT_EQ(felelo.megvalaszolt(), 1);
    });
    EXPECT_TRUE(latta);
    // The settled deal is kept for the next run.
    std::vector<PartiRekord> kept;
    std::string hiba;
    EXPECT_TRUE(rekordok_olvasasa(rekordok_fajl(), kept, hiba)) << hiba;
    EXPECT_EQ(kept.size(), f->a.rekordok.size());
    EXPECT_EQ(kept.size(), 1u);
}

// An Ulti the computers played: tricks 2-9 come at once, and a card asked for while
// the long counts of the first cards run (up to 184,756 distributions each); the bar
// shows those counts; closed meanwhile, the workers stop at once.
TEST_F(AblakTeszt, BezarasSzamolasKozbenLeall) {
    Asztal g;
    asztal_indulas(g, 5);
    for (Jatekos& j : g.jatekosok) j.ember = 0;
    teszt::HajtottOra ora;
    ora.lepes_per_ms = 50;
    g.ora = ora;
    teszt::SzkriptFelulet sf;
    auto ulti = [&] {
        if (g.rekordok.empty()) return false;
        const PartiRekord& r = g.rekordok.back();
        for (auto l = r.lepesek.rbegin(); l != r.lepesek.rend(); ++l)
            if (l->fajta == RekordLepes::Fajta::licit && !l->licit.passz) return l->licit.ulti != 0;
        return false;
    };
    for (int k = 0; k < 3000 && !ulti(); ++k) {
        button1_kattintas(g, sf);
        sf.fuss(g);
    }
    ASSERT_TRUE(ulti());
    const PartiRekord r = g.rekordok.back();

    QElapsedTimer ido;
    ido.start();
    VisszanezesAblak v(*f, f);
    v.rekordok_beallitasa({r}, 0);
    v.show();
    // Tricks 2-9 first: a full verdict per card and one after the last, and the
    // counts of the human's seat.
    const std::vector<Pillanat>& p = v.pillanatok();
    std::vector<int> kartyak;
    for (int i = 1; i < static_cast<int>(p.size()); ++i)
        if (p[i].lap) kartyak.push_back(i);
    ASSERT_EQ(kartyak.size(), 30u);
    int elso_korok = 1;
    for (size_t k = 6; k < kartyak.size(); ++k)
        elso_korok += 1 + (p[kartyak[k]].seat == r.ember_helye);
    ASSERT_TRUE(QTest::qWaitFor([&] { return v.munkak().haladas().kesz >= elso_korok; }, 60000));
    std::printf("[ review ] an Ulti of ten tricks: tricks 2-9 (%d verdicts) in %lld ms\n",
                elso_korok, static_cast<long long>(ido.elapsed()));
    EXPECT_LT(ido.elapsed(), 10000);
    // A computer's card asked for while the first cards count: it comes at once.
    int kert = 15;
    while (p[kartyak[kert]].seat == r.ember_helye) ++kert;
    v.ugras(kartyak[kert] - 1);
    ASSERT_TRUE(v.munkak().fut());
    QElapsedTimer valasz;
    valasz.start();
    QTest::mouseClick(v.Itelet, Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return v.lap_iteletek().count(kartyak[kert]) > 0; }, 5000));
    std::printf("[ review ] a computer's card asked for during the long counts: %lld ms\n",
                static_cast<long long>(valasz.elapsed()));
    v.ugras(kartyak[0] - 1);
    ASSERT_TRUE(v.Itelet->isEnabled());
    QTest::mouseClick(v.Itelet, Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return v.munkak().haladas().eloszt_kesz > 0; }, 3000));
    QTest::qWait(200);
    std::printf("[ review ] the bar at the declarer's first card: %s\n",
                v.Haladas->text().toUtf8().constData());
    ASSERT_TRUE(v.munkak().fut());
    QElapsedTimer zar;
    zar.start();
    QTest::keyClick(&v, Qt::Key_Escape);
    EXPECT_FALSE(v.isVisible());
    EXPECT_FALSE(v.munkak().fut());
    std::printf("[ review ] closed with a count running in %lld ms\n",
                static_cast<long long>(zar.elapsed()));
    EXPECT_LT(zar.elapsed(), 1000);
}

// "Újrajátszás": from the start the next deal has the record's cards; from a moment
// the table shows that moment's hand, the human to play. From the result table's
// review, and from the menu in place of the deal just dealt.
TEST_F(AblakTeszt, Ujrajatszas) {
    enum Eset { elejerol, innen, menubol_innen };
    for (const Eset eset : {elejerol, innen, menubol_innen}) {
        hajtott_parti(4242);
        PartiRekord r;
        std::vector<Pillanat> p;
        int i = -1;
        auto valasz = [&](QWidget* w) {
            auto* v = qobject_cast<VisszanezesAblak*>(w);
            ASSERT_NE(v, nullptr);
            r = *v->rekord();
            p = v->pillanatok();
            if (eset == elejerol) {
                ASSERT_TRUE(v->Elejerol->isEnabled());
                v->Elejerol->click();
                return;
            }
            // The human's last card of the deal.
            for (int k = static_cast<int>(p.size()) - 2; k >= 0 && i < 0; --k)
                if (p[k + 1].lap && p[k + 1].seat == r.ember_helye) i = k;
            v->ugras(0);
            EXPECT_FALSE(v->Innen->isEnabled());
            EXPECT_FALSE(v->Innen->toolTip().isEmpty());
            v->ugras(i);
            ASSERT_TRUE(v->Innen->isEnabled());
            v->Innen->click();
        };
        parti_lejatszasa(f, [&](TForm8* d) {
            if (eset == menubol_innen) return;
            ModalFelelo felelo(valasz);
            d->Button3->click();
            EXPECT_FALSE(d->isVisible());
        });
        if (eset == menubol_innen) {
            ASSERT_TRUE(ujrajatszhato(f->a)) << "the next deal was just dealt";
            QAction* t = f->findChild<QAction*>("Visszanezes1");
            ASSERT_NE(t, nullptr);
            emit f->Jtk1->aboutToShow();
            ModalFelelo felelo(valasz);
            t->trigger();
            EXPECT_EQ(felelo.megvalaszolt(), 1);
        }
        QTest::qWait(20);
        const Asztal& a = f->a;
        if (eset == elejerol) {
            ASSERT_NE(a.fazis, F_NINCS_PARTI);
            for (int s = 0; s < 3; ++s)
                for (const Kartyalap& c : r.kezek[s])
                    EXPECT_TRUE(std::any_of(std::begin(a.jatekosok[s].lapok),
                                            std::end(a.jatekosok[s].lapok),
                                            [&](const Kartyalap& x) { return x.kep == c.kep; }))
                        << "seat " << s << ": " << lap_nev(c);
            continue;
        }
        ASSERT_GE(i, 0);
        ASSERT_EQ(a.fazis, F_JATEK_EMBER);
        EXPECT_EQ(a.soron, r.ember_helye);
        EXPECT_EQ(a.utes_szam, p[i].tabla.utes_szam);
        // The bottom row of the main window holds that moment's hand.
        int lathato = 0;
        for (int k = 1; k <= 10; ++k) lathato += f->Image[k]->isVisible() ? 1 : 0;
        EXPECT_EQ(lathato, 10 - p[i].tabla.utes_szam);
    }
}

TEST_F(AblakTeszt, SerultRekordFajlUzenetetAdEsAJatekMegy) {
    SajatFajl sajat;
    QDir().mkpath(QFileInfo(rekordok_fajl()).absolutePath());
    QFile ki(rekordok_fajl());
    ASSERT_TRUE(ki.open(QIODevice::WriteOnly));
    ki.write("ez nem rekord\n");
    ki.close();
    QString uzenet;
    {
        ModalFelelo felelo([&](QWidget* w) {
            auto* m = qobject_cast<QMessageBox*>(w);
            ASSERT_NE(m, nullptr);
            uzenet = m->text();
            m->accept();
        });
        f->rekord_megorzes.visszatoltes(f->a, f);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !uzenet.isEmpty(); }, 3000));
    }
    EXPECT_TRUE(uzenet.contains("rekordok.txt")) << uzenet.toStdString();
    EXPECT_TRUE(f->a.rekordok.empty());
    // The game goes on.
    f->Button1->click();
    EXPECT_NE(f->a.fazis, F_NINCS_PARTI);
}

}  // namespace
