#include "ui/qt_felulet.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include "model/asztal.h"
#include "ui/tform1.h"
#include "ui/tform2.h"
#include "ui/tform4.h"
#include "ui/tform5.h"
#include "ui/tform6.h"
#include "ui/tform7.h"
#include "ui/tform8.h"
#include "ui/urlapok.h"
#include "ui/utmutato_nezet.h"

void QtFelulet::uzenet(Asztal&, const std::string& szoveg) {
    // The table first shows what led to the message (the card, the last bid).
    ablak_.nezet_frissites();
    if (TForm2* f = urlapok().Form2) {
        UtmutatoNezet::Alatt alatt(*ablak_.utmutato, Parbeszed::uzenet, f);
        f->uzenet(QString::fromUtf8(szoveg));
    }
}

void QtFelulet::ujrarajzolas(Asztal&) {
    ablak_.nezet_frissites();
    ablak_.repaint();
}

// --- Filled by the features that bring these dialogs ---------------------------

void QtFelulet::licit_dialogus(Asztal& a) {
    ablak_.nezet_frissites();
    if (TForm5* f = urlapok().Form5) {
        UtmutatoNezet::Alatt alatt(*ablak_.utmutato, Parbeszed::licit, f);
        f->licitalas(a, *this);
    }
}

void QtFelulet::adu_dialogus(Asztal& a) {
    ablak_.nezet_frissites();
    if (TForm6* f = urlapok().Form6) {
        UtmutatoNezet::Alatt alatt(*ablak_.utmutato, Parbeszed::adu, f);
        f->valasztas(a, *this);
    }
}

void QtFelulet::bejelentes_dialogus(Asztal& a) {
    ablak_.nezet_frissites();
    if (TForm7* f = urlapok().Form7) {
        // The recontras are offered with the declarer on turn in the second trick.
        const Parbeszed p = a.bej_dlg.groupbox3.rfind("Rekontr", 0) == 0 ? Parbeszed::rekontra : Parbeszed::bejelentes;
        UtmutatoNezet::Alatt alatt(*ablak_.utmutato, p, f);
        f->bejelentes(a);
    }
}

// The result table, modal; the table behind it shows the finished deal.
void QtFelulet::eredmeny_tabla(Asztal& a, const Elszamolas& e) {
    ablak_.nezet_frissites();
    if (TForm8* f = urlapok().Form8) {
        f->kitoltes(a, e);
        UtmutatoNezet::Alatt alatt(*ablak_.utmutato, Parbeszed::eredmeny, f);
        f->exec();
    }
}
void QtFelulet::jatekosok_dialogus(Asztal& a) {
    ablak_.nezet_frissites();
    if (TForm4* f = urlapok().Form4) f->megnyitas(a);
}

void QtFelulet::szunet_es_kattintas(Asztal& a) {
    // The last card shows while the window waits; it stays responsive meanwhile.
    ablak_.nezet_frissites();
    ablak_.repaint();
    // The choice is made on a worker meanwhile: the card comes when the pause is
    // over, or when the search ends if that is later.
    ablak_.kereses.inditas(a);
    var_ = false;
    const int fazis = a.fazis;
    const unsigned parti = a.parti_sorszam;
    QTimer::singleShot(szunet_ms, &ablak_,
                       [this, &a, fazis, parti] { fuggo_kattintas(a, fazis, parti); });
}

void QtFelulet::fuggo_kattintas(Asztal& a, int fazis, unsigned parti) {
    if (a.fazis != fazis || a.parti_sorszam != parti) return;
    // A dialog the person opened meanwhile (players, help) is closed first.
    if (QApplication::activeModalWidget()) {
        QTimer::singleShot(100, &ablak_,
                           [this, &a, fazis, parti] { fuggo_kattintas(a, fazis, parti); });
        return;
    }
    if (ablak_.kereses.fut(a)) {
        var_ = true;
        var_fazis_ = fazis;
        var_parti_ = parti;
        return;
    }
    // Through the button, so the window shows the table afterwards as after any click.
    ablak_.Button1->click();
}

void QtFelulet::kereses_kesz(Asztal& a) {
    if (!var_) return;
    var_ = false;
    fuggo_kattintas(a, var_fazis_, var_parti_);
}
