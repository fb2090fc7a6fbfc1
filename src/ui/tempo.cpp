#include "ui/tempo.h"

#include <QActionGroup>
#include <QMenu>

bool tempo_ervenyes(int ms) { return ms == TEMPO_GYORS || ms == TEMPO_NORMAL || ms == TEMPO_LASSU; }

QMenu* tempo_menu(QMenu* menu, std::function<int()> most, std::function<void(int)> valasztas) {
    QMenu* almenu = menu->addMenu(QString::fromUtf8("Tempó"));
    almenu->setObjectName("Tempo1");
    auto* csoport = new QActionGroup(almenu);
    struct Lepes {
        const char* felirat;
        int ms;
    };
    static const Lepes lepesek[] = {
        {"Gyors (0,3 mp)", TEMPO_GYORS}, {"Normál (1 mp)", TEMPO_NORMAL}, {"Lassú (2 mp)", TEMPO_LASSU}};
    for (const Lepes& l : lepesek) {
        QAction* t = almenu->addAction(QString::fromUtf8(l.felirat));
        t->setCheckable(true);
        t->setData(l.ms);
        csoport->addAction(t);
        QObject::connect(t, &QAction::triggered, almenu, [valasztas, ms = l.ms] { valasztas(ms); });
    }
    QObject::connect(almenu, &QMenu::aboutToShow, almenu, [almenu, most] {
        for (QAction* t : almenu->actions()) t->setChecked(t->data().toInt() == most());
    });
    return almenu;
}
