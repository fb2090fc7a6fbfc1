#include "ui/tform6.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "model/asztal.h"
#include "table/dialogusok.h"
#include "table/felulet.h"
#include "ui/urlapok.h"

TForm6::TForm6(QWidget* szulo) : QDialog(szulo) {
    parbeszed_keret(this, "Form6", "Tromfolósdi", 200, 136, LIME_HATTER);
    // The small font, so every caption fits its box.
    setFont(kis_betu());

    GroupBox1 = new QGroupBox(QString::fromUtf8("Az adu színe"), this);
    GroupBox1->setObjectName("GroupBox1");
    GroupBox1->setGeometry(8, 4, 105, 89);
    static const char* const feliratok[4] = {"", "Tök", "Zöld", "Makk"};
    RadioButton[0] = nullptr;
    for (int k = 1; k <= 3; ++k) {
        QRadioButton* r = new QRadioButton(QString::fromUtf8(feliratok[k]), GroupBox1);
        r->setObjectName(QString("RadioButton%1").arg(k));
        r->setGeometry(12, 20 + 22 * (k - 1), 85, 20);
        connect(r, &QRadioButton::clicked, this, [this, k] {
            if (!a_) return;
            adu_kattintas(*a_, k);
            frissites();
        });
        RadioButton[k] = r;
    }
    Button1 = new QPushButton(QString::fromUtf8("Kész"), this);
    Button1->setObjectName("Button1");
    Button1->setGeometry(120, 100, 72, 25);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &TForm6::Button1Click);
}

void TForm6::valasztas(Asztal& a, Felulet& f) {
    a_ = &a;
    f_ = &f;
    frissites();
    exec();
}

void TForm6::frissites() {
    if (!a_) return;
    for (int k = 1; k <= 3; ++k) {
        QRadioButton* r = RadioButton[k];
        const bool be = a_->adu_dlg.radio[k];
        if (r->isChecked() == be) continue;
        const QSignalBlocker csend(r);
        r->setAutoExclusive(false);
        r->setChecked(be);
        r->setAutoExclusive(true);
    }
}

void TForm6::Button1Click() {
    if (!a_) return;
    const std::string hiba = adu_kesz(*a_);
    if (hiba.empty()) {
        accept();
        return;
    }
    // As in the bidding dialog: the message opens once this click is over.
    QTimer::singleShot(0, this, [this, hiba] {
        if (a_ && f_ && isVisible()) f_->uzenet(*a_, hiba);
    });
}
