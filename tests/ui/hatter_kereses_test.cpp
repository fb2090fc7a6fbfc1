// The computer's search on its worker thread: the window keeps answering while it
// runs, a choice for a deal already left is dropped, a fault on the worker reaches
// the exception box, closing stops it; and the hint shows beside "?" with its card
// marked until the next press.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <atomic>
#include <chrono>
#include <stdexcept>
#include <thread>

#include "ablak_teszt.h"
#include "support/jatszas.h"
#include "support/kezek.h"
#include "table/rajzolas.h"
#include "ui/kattinthato.h"

namespace {

using teszt::AblakTeszt;
using teszt::ModalFelelo;
using Ora = std::chrono::steady_clock;

// All seats computer, a seeded deal, the auction clicked through until the first
// computer card is pending (its search already on the worker).
void gep_jatekig(TForm1* f, uint64_t mag) {
    Asztal& a = f->a;
    asztal_indulas(a, mag);
    for (Jatekos& j : a.jatekosok) j.ember = 0;
    teszt::HajtottOra ora;
    ora.lepes_per_ms = 50;
    a.ora = ora;
    f->nezet_frissites();
    for (int i = 0; i < 200 && a.fazis != F_JATEK_GEP; ++i) f->Button1->click();
    ASSERT_EQ(a.fazis, F_JATEK_GEP);
}

int lapok(const Asztal& a) { return a.utes_szam * 3 + a.utes_lapszam; }

// Computer announcements come in message dialogs: each is closed as it opens.
ModalFelelo bezaro() {
    return ModalFelelo([](QWidget* w) { w->close(); }, 60000);
}

void lassu_kereses(TForm1* f, int ms) {
    f->kereses.munka = [ms](LapDontes& d) {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
        lap_dontes(d);
    };
}

// Events posted from another thread every few milliseconds; each measures how long
// it waited for the window's thread.
struct Szonda : QObject {
    struct Esemeny : QEvent {
        Esemeny() : QEvent(QEvent::User) {}
        Ora::time_point kuldve = Ora::now();
    };
    bool event(QEvent* e) override {
        if (e->type() != QEvent::User) return QObject::event(e);
        const auto v = Ora::now() - static_cast<Esemeny*>(e)->kuldve;
        leghosszabb = std::max<long long>(leghosszabb, v / std::chrono::milliseconds(1));
        return ++db;
    }
    void leallit() {
        vege = true;
        if (kuldo.joinable()) kuldo.join();
    }
    ~Szonda() override { leallit(); }
    long long leghosszabb = 0;
    int db = 0;
    std::atomic<bool> vege{false};
    std::thread kuldo{[this] {
        for (; !vege; std::this_thread::sleep_for(std::chrono::milliseconds(4)))
            QCoreApplication::postEvent(this, new Esemeny);
    }};
};

TEST_F(AblakTeszt, TheWindowAnswersWithinFiftyMsWhileTheComputerSearches) {
    auto felelo = bezaro();
    lassu_kereses(f, 300);
    f->felulet.szunet_ms = 100;
    gep_jatekig(f, 7);
    const int elso = lapok(f->a);
    QElapsedTimer ido;
    ido.start();
    Szonda szonda;
    // Six computer cards; each waits for its search, longer than for its pause.
    ASSERT_TRUE(QTest::qWaitFor([&] { return lapok(f->a) >= elso + 6; }, 20000));
    szonda.leallit();
    std::printf("worst event latency over 6 computer cards: %lld ms (%d events)\n",
                szonda.leghosszabb, szonda.db);
    EXPECT_GE(ido.elapsed(), 5 * 300);  // the first search began before the clock
    EXPECT_GT(szonda.db, 6 * 300 / 10);
    EXPECT_LE(szonda.leghosszabb, 50);
}

TEST_F(AblakTeszt, AChoiceThatComesBackAfterANewDealIsDropped) {
    auto felelo = bezaro();
    lassu_kereses(f, 300);
    f->felulet.szunet_ms = 0;
    gep_jatekig(f, 7);
    ASSERT_TRUE(f->kereses.fut(f->a));
    f->SpeedButton[1]->click();  // "Új parti" while the computer thinks
    f->Button1->click();         // and the next deal
    const Asztal elotte = f->a;
    ASSERT_EQ(elotte.parti_sorszam, 2u);
    QTest::qWait(600);
    EXPECT_EQ(f->kereses.feladatok(), 0u);
    EXPECT_EQ(f->a.fazis, elotte.fazis);
    EXPECT_EQ(lapok(f->a), 0);
    EXPECT_EQ(f->a.utes_lapok[0][0].seat, -1);
    EXPECT_EQ(f->a.rng.allapot, elotte.rng.allapot);
    EXPECT_EQ(f->a.nezet.memo1, elotte.nezet.memo1);
}

TEST_F(AblakTeszt, AFaultOnTheWorkerReachesTheExceptionBox) {
    EXPECT_EXIT(
        {
            ModalFelelo felelo([](QWidget* w) {
                if (auto* b = qobject_cast<QMessageBox*>(w))
                    std::fprintf(stderr, "box: %s\n", qPrintable(b->text()));
                w->close();
            });
            f->kereses.munka = [](LapDontes&) { throw std::runtime_error("a search broke"); };
            gep_jatekig(f, 7);
            QTest::qWait(3000);
        },
        testing::ExitedWithCode(1), "box: a search broke");
}

TEST_F(AblakTeszt, ClosingStopsARunningSearchAtOnce) {
    auto felelo = bezaro();
    // A search with an hour to go, reading its clock as the real one does.
    f->kereses.munka = [](LapDontes& d) {
        const int64_t kezdet = d.tabla.ora();
        while (d.tabla.ora() < kezdet + 3600 * 1000)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        lap_dontes(d);
    };
    gep_jatekig(f, 7);
    ASSERT_TRUE(f->kereses.fut(f->a));
    QElapsedTimer ido;
    ido.start();
    urlapok_torlese();
    f = nullptr;
    EXPECT_LT(ido.elapsed(), 500);
}

TEST_F(AblakTeszt, TheHintStandsBesideTheButtonAndMarksItsCard) {
    Asztal& a = f->a;
    teszt::tok9_hivas(a);  // only the Tök Király follows and beats the led Tök 9
    kez_rajzolas(a, 0, 10);
    f->nezet_frissites();

    QTest::mouseClick(f->SpeedButton[5], Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return f->Tipp->isVisible(); }, 5000));
    const QString szoveg = QString::fromUtf8("Az ajánlott lap: Tök Király");
    EXPECT_EQ(f->Tipp->text(), szoveg);
    EXPECT_EQ(f->Tabla->toolTip(), szoveg);
    EXPECT_LT(f->Tipp->x() - (f->SpeedButton[5]->x() + f->SpeedButton[5]->width()), 10);
    const int k = a.nezet.ajanlott_kep;
    ASSERT_GE(k, 1);
    EXPECT_EQ(f->Image[k]->betoltott().toStdString(), kepfajlok[teszt::lap("Tök Király").kep]);
    for (int i = 1; i <= 10; ++i)
        EXPECT_EQ(f->Image[i]->y(), i == k ? 398 - 14 : 398) << "Image" << i;
    EXPECT_EQ(f->Tabla->children().indexOf(f->Image[k]), f->Tabla->children().size() - 1);
    EXPECT_TRUE(f->Jelolo->isVisible());
    EXPECT_EQ(f->Jelolo->parentWidget(), f->Image[k]);

    // A press on the bare table ends the mark; the window's hint stays.
    QTest::mouseClick(f->Tabla, Qt::LeftButton, {}, QPoint(300, 330));
    EXPECT_FALSE(f->Tipp->isVisible());
    EXPECT_FALSE(f->Jelolo->isVisible());
    EXPECT_EQ(f->Image[k]->y(), 398);
    EXPECT_EQ(f->Tabla->toolTip(), szoveg);
    const QObjectList gyerekek = f->Tabla->children();
    for (int i = 1; i < 10; ++i)
        EXPECT_LT(gyerekek.indexOf(f->Image[i]), gyerekek.indexOf(f->Image[i + 1]));
}

}  // namespace
