// Program start: the application, the ten windows in order, the event loop.

#include <QIcon>
#include <exception>

#include "ui/adat_mappa.h"
#include "ui/megorzes.h"
#include "ui/rekord_fajl.h"
#include "ui/tform1.h"
#include "ui/urlapok.h"

int main(int argc, char** argv) {
    UltiAlkalmazas app(argc, argv);
    sugo_fajl() = QString::fromUtf8(SUGO_FAJL);
    megorzes_fajl() = megorzes_alap_fajl();
    rekordok_fajl() = rekordok_alap_fajl();
    app.setWindowIcon(QIcon(adat_utvonal("kartya/ikon.png")));
    try {
        urlapok_letrehozasa();
    } catch (const std::exception& e) {
        vegzetes_hiba(QString::fromUtf8(e.what()));
    }
    urlapok().Form1->show();
    const int eredmeny = app.exec();
    urlapok_torlese();
    return eredmeny;
}
