#include "ui/tform5.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "model/asztal.h"
#include "table/dialogusok.h"
#include "table/felulet.h"
#include "ui/urlapok.h"

namespace {

// Sets a radio button without the group's exclusivity getting in the way, so all
// six can be clear.
void radio_allitas(QRadioButton* r, bool be) {
    if (r->isChecked() == be) return;
    r->setAutoExclusive(false);
    r->setChecked(be);
    r->setAutoExclusive(true);
}

}  // namespace

TForm5::TForm5(QWidget* szulo) : QDialog(szulo) {
    parbeszed_keret(this, "Form5", "Licitálás", 153, 391, LIME_HATTER);
    // The small font, so every caption fits its box.
    setFont(kis_betu());

    GroupBox1 = new QGroupBox(QString::fromUtf8("Színes bemondások"), this);
    GroupBox1->setObjectName("GroupBox1");
    GroupBox1->setGeometry(8, 4, 137, 198);
    GroupBox2 = new QGroupBox(QString::fromUtf8("Színnélküli bemondások"), this);
    GroupBox2->setObjectName("GroupBox2");
    GroupBox2->setGeometry(8, 206, 137, 150);

    CheckBox[0] = nullptr;
    for (int i = 0; i < 8; ++i) {
        QCheckBox* c = new QCheckBox(QString::fromUtf8(licit_dialogus_felirat[i]), GroupBox1);
        c->setObjectName(QString("CheckBox%1").arg(i + 1));
        c->setGeometry(10, 20 + 22 * i, 122, 20);
        connect(c, &QCheckBox::clicked, this, [this, i](bool be) { doboz_kattintas(i, be); });
        CheckBox[i + 1] = c;
    }
    RadioButton[0] = nullptr;
    for (int i = 0; i < 6; ++i) {
        QRadioButton* r =
            new QRadioButton(QString::fromUtf8(licit_dialogus_felirat[L_BETLI + i]), GroupBox2);
        r->setObjectName(QString("RadioButton%1").arg(i + 1));
        r->setGeometry(10, 20 + 21 * i, 122, 20);
        connect(r, &QRadioButton::clicked, this, [this, i] { doboz_kattintas(L_BETLI + i, true); });
        RadioButton[i + 1] = r;
    }

    Label1 = new QLabel(QString::fromUtf8("Érték:"), this);
    Label1->setObjectName("Label1");
    Label1->setGeometry(10, 362, 36, 21);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName("Edit1");
    Edit1->setGeometry(46, 362, 40, 21);
    Edit1->setReadOnly(true);
    Edit1->setFocusPolicy(Qt::NoFocus);
    Button1 = new QPushButton(QString::fromUtf8("Kész"), this);
    Button1->setObjectName("Button1");
    Button1->setGeometry(92, 360, 53, 25);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &TForm5::Button1Click);
}

void TForm5::licitalas(Asztal& a, Felulet& f) {
    a_ = &a;
    f_ = &f;
    frissites();
    exec();
}

void TForm5::doboz_kattintas(int i, bool bejelolve) {
    if (!a_) return;
    licit_kattintas(*a_, i, bejelolve);
    frissites();
}

void TForm5::frissites() {
    if (!a_) return;
    const LicitDialogus& d = a_->licit_dlg;
    for (int i = 0; i < 8; ++i) {
        const QSignalBlocker csend(CheckBox[i + 1]);
        CheckBox[i + 1]->setChecked(d.doboz[i]);
    }
    for (int i = 0; i < 6; ++i) {
        const QSignalBlocker csend(RadioButton[i + 1]);
        radio_allitas(RadioButton[i + 1], d.doboz[L_BETLI + i]);
    }
    Edit1->setText(QString::fromUtf8(d.edit1));
}

void TForm5::Button1Click() {
    if (!a_) return;
    const std::string hiba = licit_kesz(*a_);
    if (hiba.empty()) {
        accept();
        return;
    }
    // The message comes up over the dialog, which stays open. It opens once this
    // click is over, so whoever pressed "Kész" (a test's timer, say) is not left
    // waiting inside a second modal loop.
    QTimer::singleShot(0, this, [this, hiba] {
        if (a_ && f_ && isVisible()) f_->uzenet(*a_, hiba);
    });
}
