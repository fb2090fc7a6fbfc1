#include "ui/tform3.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "model/asztal.h"
#include "table/felulet.h"
#include "table/szerkeszto.h"
#include "ui/kattinthato.h"
#include "ui/urlapok.h"

namespace {

QString kep_utvonal(int32_t kep) { return QString::fromLatin1(kepfajlok[kep]); }

// The picker's handlers in layout order (there is no Image21).
using Kezelo = void (TForm3::*)();
const Kezelo valaszto_kezelok[32] = {
    &TForm3::Image1Click,  &TForm3::Image2Click,  &TForm3::Image3Click,  &TForm3::Image4Click,
    &TForm3::Image5Click,  &TForm3::Image6Click,  &TForm3::Image7Click,  &TForm3::Image8Click,
    &TForm3::Image9Click,  &TForm3::Image10Click, &TForm3::Image11Click, &TForm3::Image12Click,
    &TForm3::Image13Click, &TForm3::Image14Click, &TForm3::Image15Click, &TForm3::Image16Click,
    &TForm3::Image17Click, &TForm3::Image18Click, &TForm3::Image19Click, &TForm3::Image20Click,
    &TForm3::Image22Click, &TForm3::Image23Click, &TForm3::Image24Click, &TForm3::Image25Click,
    &TForm3::Image26Click, &TForm3::Image27Click, &TForm3::Image28Click, &TForm3::Image29Click,
    &TForm3::Image30Click, &TForm3::Image31Click, &TForm3::Image32Click, &TForm3::Image33Click,
};

}  // namespace

TForm3::TForm3(QWidget* szulo) : QDialog(szulo) {
    parbeszed_keret(this, "Form3", "Kártyalap szerkesztő", 638, 576, QColor(0, 128, 0));

    // The picker: four rows of eight, 64 x 50, showing the top of each card.
    for (int i = 0; i < 32; ++i) {
        const int n = valaszto_image(i);
        auto* k = new Kattinthato(this);
        k->setObjectName(QString("Image%1").arg(n));
        k->setGeometry(65 * (i % 8), 51 * (i / 8), 64, 50);
        k->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        connect(k, &Kattinthato::clicked, this, valaszto_kezelok[i]);
        Image[n] = k;
    }
    // The rows the cards go to, 64 x 100, 41 apart.
    auto cel = [this](int n, int x, int y) {
        auto* k = new Kattinthato(this);
        k->setObjectName(QString("Image%1").arg(n));
        k->setGeometry(x, y, 64, 100);
        Image[n] = k;
    };
    for (int i = 0; i < 10; ++i) {
        cel(34 + i, 24 + 41 * i, 214);
        cel(46 + i, 24 + 41 * i, 331);
        cel(56 + i, 24 + 41 * i, 448);
    }
    cel(44, 506, 331);
    cel(45, 547, 331);
    // Later pictures overlap earlier ones, as on the form.
    for (int n = 34; n <= 65; ++n) Image[n]->raise();

    Label1 = new QLabel("Talon", this);
    Label1->setObjectName("Label1");
    Label1->move(528, 288);
    Label1->adjustSize();

    Button1 = new QPushButton(QString::fromUtf8("Kész"), this);
    Button1->setObjectName("Button1");
    Button1->setGeometry(536, 40, 75, 25);
    connect(Button1, &QPushButton::clicked, this, &TForm3::Button1Click);

    StaticText1 = new QLabel(QString::fromUtf8("Érték:"), this);
    StaticText1->setObjectName("StaticText1");
    StaticText1->hide();
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName("Edit1");
    Edit1->hide();
    Button2 = new QPushButton("-", this);
    Button2->setObjectName("Button2");
    Button2->hide();
    Button3 = new QPushButton("+", this);
    Button3->setObjectName("Button3");
    Button3->hide();
}

void TForm3::szerkesztes(Asztal& a, Felulet& f) {
    a_ = &a;
    f_ = &f;
    nezet_frissites();
    exec();
    a_ = nullptr;
    f_ = nullptr;
}

void TForm3::nezet_frissites() {
    if (!a_) return;
    const SzerkesztoNezet n = szerkeszto_nezet(*a_);
    for (int i = 0; i < 32; ++i) {
        Image[valaszto_image(i)]->kep_betoltes(kep_utvonal(n.valaszto[i]));
        Image[34 + i]->kep_betoltes(kep_utvonal(n.cel[i]));
    }
    Edit1->setText(QString::fromStdString(n.edit1));
}

void TForm3::valasztas(int image) {
    const int i = valaszto_index(image);
    if (!a_ || i < 0) return;
    szerkeszto_valasztas(*a_, valaszto_szin(i), valaszto_ertek(i));
    nezet_frissites();
}

void TForm3::Button1Click() {
    if (!a_) return;
    switch (szerkeszto_kesz(*a_)) {
        case SzerkKesz::Bezar: accept(); break;
        case SzerkKesz::Uzenet: f_->uzenet(*a_, SZERK_NINCS_KESZ); break;
        case SzerkKesz::Marad: break;
    }
}

void TForm3::reject() {
    if (a_) szerkeszto_elvetes(*a_);
    QDialog::reject();
}

void TForm3::Image1Click() { valasztas(1); }
void TForm3::Image2Click() { valasztas(2); }
void TForm3::Image3Click() { valasztas(3); }
void TForm3::Image4Click() { valasztas(4); }
void TForm3::Image5Click() { valasztas(5); }
void TForm3::Image6Click() { valasztas(6); }
void TForm3::Image7Click() { valasztas(7); }
void TForm3::Image8Click() { valasztas(8); }
void TForm3::Image9Click() { valasztas(9); }
void TForm3::Image10Click() { valasztas(10); }
void TForm3::Image11Click() { valasztas(11); }
void TForm3::Image12Click() { valasztas(12); }
void TForm3::Image13Click() { valasztas(13); }
void TForm3::Image14Click() { valasztas(14); }
void TForm3::Image15Click() { valasztas(15); }
void TForm3::Image16Click() { valasztas(16); }
void TForm3::Image17Click() { valasztas(17); }
void TForm3::Image18Click() { valasztas(18); }
void TForm3::Image19Click() { valasztas(19); }
void TForm3::Image20Click() { valasztas(20); }
void TForm3::Image22Click() { valasztas(22); }
void TForm3::Image23Click() { valasztas(23); }
void TForm3::Image24Click() { valasztas(24); }
void TForm3::Image25Click() { valasztas(25); }
void TForm3::Image26Click() { valasztas(26); }
void TForm3::Image27Click() { valasztas(27); }
void TForm3::Image28Click() { valasztas(28); }
void TForm3::Image29Click() { valasztas(29); }
void TForm3::Image30Click() { valasztas(30); }
void TForm3::Image31Click() { valasztas(31); }
void TForm3::Image32Click() { valasztas(32); }
void TForm3::Image33Click() { valasztas(33); }
