#include "ui/tform7.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>

#include "model/asztal.h"
#include "table/dialogusok.h"
#include "ui/urlapok.h"

TForm7::TForm7(QWidget* szulo) : QDialog(szulo) {
    parbeszed_keret(this, "Form7", "Jelentések és kontrák", 401, 201, LIME_HATTER);
    // The small font, so every caption fits its box.
    setFont(kis_betu());
    // A box that does not apply must look it on the lime: hollow, with muted text.
    QPalette pal = palette();
    pal.setColor(QPalette::Disabled, QPalette::Base, LIME_HATTER);
    pal.setColor(QPalette::Disabled, QPalette::WindowText, TILTOTT_SZOVEG);
    pal.setColor(QPalette::Disabled, QPalette::Text, TILTOTT_SZOVEG);
    setPalette(pal);

    GroupBox1 = new QGroupBox(QString::fromUtf8("Negyven"), this);
    GroupBox1->setGeometry(8, 4, 89, 45);
    GroupBox2 = new QGroupBox(QString::fromUtf8("Húsz"), this);
    GroupBox2->setGeometry(8, 54, 89, 89);
    GroupBox3 = new QGroupBox(QString::fromUtf8("Kontrák színjátékban"), this);
    GroupBox3->setGeometry(104, 4, 141, 189);
    GroupBox4 = new QGroupBox(QString::fromUtf8("Kontrák színnélküli játékban"), this);
    GroupBox4->setGeometry(252, 4, 141, 160);
    // The recontra captions are the longest: the two contra boxes take the room the
    // meld boxes do not need, and set their titles a little narrower.
    GroupBox1->setGeometry(4, 4, 88, 45);
    GroupBox2->setGeometry(4, 54, 88, 89);
    GroupBox3->setGeometry(96, 4, 141, 189);
    GroupBox4->setGeometry(241, 4, 156, 160);
    for (QGroupBox* g : {GroupBox3, GroupBox4}) {
        QFont cim = font();
        cim.setStretch(QFont::SemiCondensed);
        g->setFont(cim);
    }
    GroupBox1->setObjectName("GroupBox1");
    GroupBox2->setObjectName("GroupBox2");
    GroupBox3->setObjectName("GroupBox3");
    GroupBox4->setObjectName("GroupBox4");

    struct Hely {
        QGroupBox* doboz;
        int sor;
        const char* felirat;
    };
    const Hely helyek[18] = {{nullptr, 0, ""},
                             {GroupBox1, 0, "40"},
                             {GroupBox3, 0, "Parti"},
                             {GroupBox3, 1, "40-100"},
                             {GroupBox3, 2, "20-100"},
                             {GroupBox3, 3, "Ulti"},
                             {GroupBox3, 4, "Négy Ász"},
                             {GroupBox3, 5, "Durchmars"},
                             {GroupBox3, 6, "Terített Durchmars"},
                             {GroupBox4, 0, "Betli"},
                             {GroupBox4, 1, "Rebetli"},
                             {GroupBox4, 2, "Terített Betli"},
                             {GroupBox4, 3, "Durchmars"},
                             {GroupBox4, 4, "Redurchmars"},
                             {GroupBox4, 5, "Terített Durchmars"},
                             {GroupBox2, 0, "1 darab 20"},
                             {GroupBox2, 1, "2 darab 20"},
                             {GroupBox2, 2, "3 darab 20"}};
    CheckBox[0] = nullptr;
    for (int k = 1; k <= 17; ++k) {
        QCheckBox* c = new QCheckBox(QString::fromUtf8(helyek[k].felirat), helyek[k].doboz);
        c->setObjectName(QString("CheckBox%1").arg(k));
        c->setGeometry(6, 20 + 23 * helyek[k].sor, 132, 20);
        c->setFont(font());
        connect(c, &QCheckBox::clicked, this, [this, k](bool be) {
            if (!a_) return;
            bejelentes_kattintas(*a_, k, be);
            frissites();
        });
        CheckBox[k] = c;
    }
    Button1 = new QPushButton(QString::fromUtf8("Kész"), this);
    Button1->setObjectName("Button1");
    Button1->setGeometry(318, 170, 75, 25);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &TForm7::Button1Click);
}

void TForm7::bejelentes(Asztal& a) {
    a_ = &a;
    frissites();
    exec();
}

void TForm7::frissites() {
    if (!a_) return;
    const BejelentesDialogus& d = a_->bej_dlg;
    GroupBox3->setTitle(QString::fromUtf8(d.groupbox3));
    GroupBox4->setTitle(QString::fromUtf8(d.groupbox4));
    for (int k = 1; k <= 17; ++k) {
        const QSignalBlocker csend(CheckBox[k]);
        CheckBox[k]->setChecked(d.checked[k]);
        CheckBox[k]->setEnabled(d.enabled[k]);
    }
}

void TForm7::Button1Click() {
    if (a_) bejelentes_kesz(*a_);
    accept();
}
