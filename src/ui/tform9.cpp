#include "ui/tform9.h"

#include <QLabel>
#include <QPixmap>

#include "ui/kattinthato.h"

TForm9::TForm9(QWidget* szulo) : QDialog(szulo) {
    setObjectName("Form9");
    setWindowTitle(QString::fromUtf8("Névjegy"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(414, 328);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);

    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setGeometry(8, 8, 390, 300);
    Image1->setPixmap(kep_fajlbol("kartya/nevjegy.jpg", devicePixelRatioF()));

    // The texts stand on the white half of the picture, beside the cards.
    static const char* const sorok[8] = {nullptr,
                                         "Kotlan",
                                         "Ulti kártyajáték",
                                         "három játékosnak, talonnal",
                                         "Verzió 1.0",
                                         "Program: a Kotlan fejlesztői",
                                         "Kártyalapok: saját rajzok",
                                         "Jó szórakozást!"};
    static const int teteje[8] = {0, 30, 80, 104, 140, 190, 214, 262};
    Label[0] = nullptr;
    for (int i = 1; i <= 7; ++i) {
        Label[i] = new QLabel(QString::fromUtf8(sorok[i]), this);
        Label[i]->setObjectName(QString("Label%1").arg(i));
        Label[i]->setGeometry(214, teteje[i], 184, i == 1 ? 32 : 20);
        Label[i]->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        Label[i]->setAttribute(Qt::WA_TranslucentBackground);
        QFont f = Label[i]->font();
        if (i == 1) {
            f.setPointSize(18);
            f.setBold(true);
        } else {
            f.setPointSize(i == 2 ? 11 : 9);
        }
        Label[i]->setFont(f);
    }
}
