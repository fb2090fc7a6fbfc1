#include "ui/tform2.h"

#include <QLabel>
#include <QPushButton>

TForm2::TForm2(QWidget* szulo) : QDialog(szulo) {
    setObjectName("Form2");
    setWindowTitle(QString::fromUtf8("Hellóbelló"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(404, 103);

    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    Label1->setGeometry(8, 8, 393, 25);
    Label1->setAlignment(Qt::AlignCenter);
    QFont f = Label1->font();
    f.setPointSize(12);
    Label1->setFont(f);

    Button1 = new QPushButton("OK", this);
    Button1->setObjectName("Button1");
    Button1->setGeometry(168, 64, 75, 25);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &TForm2::Button1Click);
}

void TForm2::uzenet(const QString& szoveg) {
    Label1->setText(szoveg);
    exec();
}

void TForm2::Button1Click() { accept(); }
