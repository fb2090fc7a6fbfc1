#include "ui/tform8.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

#include "model/asztal.h"
#include "scoring/elszamolas.h"
#include "ui/tform1.h"
#include "ui/tform10.h"
#include "ui/urlapok.h"
#include "ui/visszanezes_ablak.h"

namespace {

const QColor TENGERKEK(0, 128, 128);

QString u8(const std::string& s) { return QString::fromUtf8(s.c_str(), static_cast<qsizetype>(s.size())); }

}  // namespace

TForm8::TForm8(QWidget* szulo) : QDialog(szulo) {
    parbeszed_keret(this, "Form8", "Eredménytáblázat", 643, 255, TENGERKEK);
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, Qt::white);
    setPalette(pal);

    QLabel** cimkek[3] = {&Label1, &Label2, &Label3};
    QPlainTextEdit** memok[3] = {&Memo1, &Memo2, &Memo3};
    for (int i = 0; i < 3; ++i) {
        QLabel* l = new QLabel(this);
        l->setObjectName(QString("Label%1").arg(i + 1));
        l->setGeometry(16 + 208 * i, 8, 185, 24);
        l->setAlignment(Qt::AlignCenter);
        QFont f = l->font();
        f.setPixelSize(16);
        l->setFont(f);
        *cimkek[i] = l;

        QPlainTextEdit* m = new QPlainTextEdit(this);
        m->setObjectName(QString("Memo%1").arg(i + 1));
        m->setGeometry(8 + 208 * i, 40, 201, 145);
        m->setReadOnly(true);
        // The small font and a narrow margin: a deal of four components fits whole.
        m->setFont(kis_betu());
        m->document()->setDocumentMargin(2);
        // Long lines wrap between words, so the amount at the end stays in view.
        m->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        m->setWordWrapMode(QTextOption::WordWrap);
        m->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        *memok[i] = m;
    }

    Button2 = new QPushButton(QString::fromUtf8("Ütések"), this);
    Button2->setObjectName("Button2");
    Button2->setGeometry(8, 208, 97, 33);
    connect(Button2, &QPushButton::clicked, this, &TForm8::Button2Click);

    // Beside "Ütések": the deal step by step, with the verdict of each card.
    Button3 = new QPushButton(QString::fromUtf8("Visszanézés"), this);
    Button3->setObjectName("Button3");
    Button3->setGeometry(113, 208, 110, 33);
    Button3->setToolTip(QString::fromUtf8("A parti lépésről lépésre, minden lap ítéletével"));
    connect(Button3, &QPushButton::clicked, this, &TForm8::Button3Click);

    Button1 = new QPushButton(QString::fromUtf8("Kész"), this);
    Button1->setObjectName("Button1");
    Button1->setGeometry(536, 208, 97, 33);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &TForm8::Button1Click);
}

void TForm8::kitoltes(const Asztal& a, const Elszamolas& e) {
    asztal_ = &a;
    Button3->setEnabled(!a.rekordok.empty());
    QLabel* cimkek[3] = {Label1, Label2, Label3};
    QPlainTextEdit* memok[3] = {Memo1, Memo2, Memo3};
    for (int s = 0; s < 3; ++s) {
        cimkek[s]->setText(u8(e.cimke[s]));
        memok[s]->clear();
        for (const std::string& sor : e.sorok[s]) memok[s]->appendPlainText(kijelzett(sor, memok[s]->font()));
        memok[s]->moveCursor(QTextCursor::Start);
    }
}

void TForm8::Button1Click() { accept(); }

void TForm8::Button2Click() {
    TForm10* f = urlapok().Form10;
    if (!f || !asztal_) return;
    f->kitoltes(utesek_gyujtese(*asztal_));
    f->exec();
}

void TForm8::Button3Click() {
    if (TForm1* f = urlapok().Form1) visszanezes(*f, this);
}
