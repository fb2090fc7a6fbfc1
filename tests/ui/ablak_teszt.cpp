#include "ablak_teszt.h"

#include <QDialog>
#include <QTest>

#include "support/kezek.h"

namespace teszt {

ModalFelelo::ModalFelelo(std::function<void(QWidget*)> valasz, int ms)
    : valasz_(std::move(valasz)), figyelo_(new QTimer), orkutya_(new QTimer) {
    // Polls from inside the modal loop: the first tick after the dialog opened
    // answers it; each answer re-arms for the next dialog.
    figyelo_->setInterval(0);
    QObject::connect(figyelo_.get(), &QTimer::timeout, [this] {
        QWidget* w = QApplication::activeModalWidget();
        if (!w || !w->isVisible()) return;
        ++db_;
        valasz_(w);
    });
    figyelo_->start();
    orkutya_->setSingleShot(true);
    QObject::connect(orkutya_.get(), &QTimer::timeout, [] {
        while (QWidget* w = QApplication::activeModalWidget()) {
            ADD_FAILURE() << "a dialog was left open: " << w->windowTitle().toStdString();
            becsuk(w);
        }
    });
    orkutya_->start(ms);
}

ModalFelelo::~ModalFelelo() = default;

std::string allapot(const Asztal& a) {
    std::string s = std::to_string(a.fazis) + " " + std::to_string(a.utes_szam) + " " +
                    std::to_string(a.utes_lapszam) + " " + std::to_string(a.soron) + " " +
                    std::to_string(a.parti_sorszam);
    for (const KepNezet& k : a.nezet.image) s += " " + std::to_string(k.lathato) + std::to_string(k.kep);
    return s;
}

void becsuk(QWidget* w) {
    if (auto* d = qobject_cast<QDialog*>(w))
        d->done(QDialog::Rejected);
    else
        w->close();
}

void AblakTeszt::SetUp() {
    urlapok_letrehozasa();
    f = urlapok().Form1;
    f->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f));
}

void AblakTeszt::TearDown() { urlapok_torlese(); }

void AblakTeszt::hajtott_parti(uint64_t mag) {
    asztal_indulas(f->a, mag);
    HajtottOra ora;
    ora.lepes_per_ms = 50;
    f->a.ora = ora;
    f->felulet.szunet_ms = 5;
    f->nezet_frissites();
}

}  // namespace teszt
