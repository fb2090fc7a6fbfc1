#include "ui/tform4.h"

#include <QEvent>
#include <functional>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "model/asztal.h"
#include "table/jatekosok.h"
#include "ui/urlapok.h"

namespace {

// A line edit that tells when it loses the focus, as the form's OnExit does.
class KilepoEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    std::function<void()> kilepes;

protected:
    void focusOutEvent(QFocusEvent* e) override {
        QLineEdit::focusOutEvent(e);
        if (kilepes) kilepes();
    }
};

}  // namespace

TForm4::TForm4(QWidget* szulo) : QDialog(szulo) {
    parbeszed_keret(this, "Form4", "Játékosok", 544, 245, QColor(0, 128, 0));

    const int bal[3] = {56, 232, 408};
    QLabel** fej[3] = {&Label1, &Label2, &Label3};
    QLabel** nev[3] = {&Label4, &Label5, &Label6};
    QLineEdit** ed[3] = {&Edit1, &Edit2, &Edit3};
    QGroupBox** gb[3] = {&GroupBox1, &GroupBox2, &GroupBox3};
    QRadioButton** rb[6] = {&RadioButton1, &RadioButton2, &RadioButton3,
                            &RadioButton4, &RadioButton5, &RadioButton6};
    for (int s = 0; s < 3; ++s) {
        QLabel* l = new QLabel(QString::fromUtf8("%1. játékos").arg(s + 1), this);
        l->setObjectName(QString("Label%1").arg(s + 1));
        QFont f = l->font();
        f.setPointSize(12);
        l->setFont(f);
        l->adjustSize();
        l->move(bal[s], 10);
        *fej[s] = l;

        QLabel* n = new QLabel(QString::fromUtf8("Név:"), this);
        n->setObjectName(QString("Label%1").arg(s + 4));
        n->adjustSize();
        n->move(bal[s] - 32, 56);
        *nev[s] = n;

        auto* e = new KilepoEdit(this);
        e->setObjectName(QString("Edit%1").arg(s + 1));
        e->setGeometry(bal[s], 52, 105, 21);
        *ed[s] = e;

        QGroupBox* g = new QGroupBox(QString::fromUtf8("Tipus"), this);
        g->setObjectName(QString("GroupBox%1").arg(s + 1));
        g->setGeometry(bal[s], 88, 105, 65);
        g->setToolTip(QString::fromUtf8("Letiltva"));
        g->setEnabled(false);  // the kinds stay as they were at start-up
        *gb[s] = g;

        QRadioButton* em = new QRadioButton(QString::fromUtf8("ember"), g);
        em->setObjectName(QString("RadioButton%1").arg(2 * s + 1));
        em->move(24, 16);
        em->adjustSize();
        QRadioButton* gep = new QRadioButton(QString::fromUtf8(" gép"), g);
        gep->setObjectName(QString("RadioButton%1").arg(2 * s + 2));
        gep->move(24, 40);
        gep->adjustSize();
        *rb[2 * s] = em;
        *rb[2 * s + 1] = gep;
    }
    static_cast<KilepoEdit*>(Edit1)->kilepes = [this] { Edit1Exit(); };
    static_cast<KilepoEdit*>(Edit2)->kilepes = [this] { Edit2Exit(); };
    static_cast<KilepoEdit*>(Edit3)->kilepes = [this] { Edit3Exit(); };
    connect(RadioButton1, &QRadioButton::clicked, this, &TForm4::RadioButton1Click);
    connect(RadioButton2, &QRadioButton::clicked, this, &TForm4::RadioButton2Click);
    connect(RadioButton3, &QRadioButton::clicked, this, &TForm4::RadioButton3Click);
    connect(RadioButton4, &QRadioButton::clicked, this, &TForm4::RadioButton4Click);
    connect(RadioButton5, &QRadioButton::clicked, this, &TForm4::RadioButton5Click);
    connect(RadioButton6, &QRadioButton::clicked, this, &TForm4::RadioButton6Click);

    Button1 = new QPushButton("OK", this);
    Button1->setObjectName("Button1");
    Button1->setGeometry(248, 176, 75, 25);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &TForm4::Button1Click);

    // Tab order: the three names, the three kind boxes, "OK".
    setTabOrder(Edit1, Edit2);
    setTabOrder(Edit2, Edit3);
    setTabOrder(Edit3, GroupBox1);
    setTabOrder(GroupBox1, GroupBox2);
    setTabOrder(GroupBox2, GroupBox3);
    setTabOrder(GroupBox3, Button1);
}

QLineEdit* TForm4::edit(int seat) const {
    return seat == 0 ? Edit1 : (seat == 1 ? Edit2 : Edit3);
}

void TForm4::megnyitas(Asztal& a) {
    a_ = &a;
    QRadioButton* em[3] = {RadioButton1, RadioButton3, RadioButton5};
    QRadioButton* gep[3] = {RadioButton2, RadioButton4, RadioButton6};
    for (int s = 0; s < 3; ++s) {
        edit(s)->setText(QString::fromStdString(a.jatekosok[s].nev));
        em[s]->setChecked(a.jatekosok[s].ember == 1);
        gep[s]->setChecked(a.jatekosok[s].ember == 0);
    }
    exec();
    a_ = nullptr;
}

void TForm4::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    FormActivate();
    // The window system may hand the focus around while the window comes up.
    QTimer::singleShot(0, this, [this] {
        if (isVisible()) FormActivate();
    });
}

void TForm4::changeEvent(QEvent* e) {
    QDialog::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}

void TForm4::FormActivate() {
    if (!a_) return;
    edit(fokusz_edit(*a_) - 1)->setFocus(Qt::OtherFocusReason);
}

void TForm4::nev_kilepes(int seat) {
    if (a_) nev_beallitas(*a_, seat, edit(seat)->text().toStdString());
}

void TForm4::Edit1Exit() { nev_kilepes(0); }
void TForm4::Edit2Exit() { nev_kilepes(1); }
void TForm4::Edit3Exit() { nev_kilepes(2); }

void TForm4::tipus(int radio) {
    if (a_) tipus_kattintas(*a_, radio);
}

void TForm4::RadioButton1Click() { tipus(1); }
void TForm4::RadioButton2Click() { tipus(2); }
void TForm4::RadioButton3Click() { tipus(3); }
void TForm4::RadioButton4Click() { tipus(4); }
void TForm4::RadioButton5Click() { tipus(5); }
void TForm4::RadioButton6Click() { tipus(6); }

void TForm4::Button1Click() {
    // The field with the focus is left as the dialog closes; the others hold what
    // they stored when they were left.
    for (int s = 0; s < 3; ++s)
        if (edit(s)->hasFocus() || focusWidget() == edit(s)) nev_kilepes(s);
    accept();
}
