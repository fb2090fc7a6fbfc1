#include "ui/tform10.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "model/kartya.h"
#include "scoring/elszamolas.h"
#include "ui/kattinthato.h"
#include "ui/urlapok.h"

namespace {

QString u8(const std::string& s) { return QString::fromUtf8(s.c_str(), static_cast<qsizetype>(s.size())); }

}  // namespace

TForm10::TForm10(QWidget* szulo) : QDialog(szulo) {
    parbeszed_keret(this, "Form10", "Ütések", 641, 565, Qt::blue);
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, Qt::white);
    setPalette(pal);

    QLabel** cimkek[3] = {&Label1, &Label2, &Label3};
    for (int i = 0; i < 3; ++i) {
        QLabel* l = new QLabel(this);
        l->setObjectName(QString("Label%1").arg(i + 1));
        l->setGeometry(16 + 208 * i, 8, 185, 20);
        l->setAlignment(Qt::AlignCenter);
        *cimkek[i] = l;
    }
    // Created in number order, so each picture lies over the one before it and the
    // rows fan out downwards.
    for (int s = 0; s < 3; ++s)
        for (int k = 0; k < 10; ++k)
            for (int j = 0; j < 3; ++j) {
                const int n = 30 * s + 3 * k + j + 1;
                Kattinthato* kep = new Kattinthato(this);
                kep->setObjectName(QString("Image%1").arg(n));
                kep->setGeometry(40 + 208 * s + 40 * j, 32 + 40 * k, 64, 100);
                kep->hide();
                Image[n] = kep;
            }

    Button1 = new QPushButton(QString::fromUtf8("Kész"), this);
    Button1->setObjectName("Button1");
    Button1->setGeometry(272, 520, 97, 33);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &TForm10::Button1Click);
}

void TForm10::kitoltes(const Utesek& u) {
    // Step 1: the names.
    Label1->setText(u8(u.nev[0]));
    Label2->setText(u8(u.nev[1]));
    Label3->setText(u8(u.nev[2]));
    // Step 4: a row shows when the seat won that many tricks, else all three hide.
    for (int s = 0; s < 3; ++s)
        for (int k = 0; k < 10; ++k) {
            const bool van = u.db[s] >= 3 * k + 1;
            for (int j = 0; j < 3; ++j) {
                Kattinthato* kep = Image[30 * s + 3 * k + j + 1];
                if (van) {
                    const int p = u.kep[s][3 * k + j];
                    kep->kep_betoltes(QString::fromLatin1(kepfajlok[p >= 0 && p < 32 ? p : HATLAP]));
                }
                kep->setVisible(van);
            }
        }
    // Centred on the desktop.
    if (QScreen* k = screen()) move(k->availableGeometry().center() - rect().center());
}

void TForm10::Button1Click() { accept(); }
