#include "ui/qt_felulet.h"

#include "model/asztal.h"
#include "ui/tform1.h"
#include "ui/tform2.h"
#include "ui/urlapok.h"

void QtFelulet::uzenet(Asztal&, const std::string& szoveg) {
    // The table first shows what led to the message (the card, the last bid).
    ablak_.nezet_frissites();
    if (TForm2* f = urlapok().Form2) f->uzenet(QString::fromUtf8(szoveg));
}

void QtFelulet::ujrarajzolas(Asztal&) {
    ablak_.nezet_frissites();
    ablak_.repaint();
}

// --- Filled by the features that bring these dialogs ---------------------------

// Not yet: the bidding dialog TForm5.
void QtFelulet::licit_dialogus(Asztal&) {}
// Not yet: the trump dialog TForm6.
void QtFelulet::adu_dialogus(Asztal&) {}
// Not yet: the announcements and contras dialog TForm7.
void QtFelulet::bejelentes_dialogus(Asztal&) {}
// Not yet: the result table TForm8.
void QtFelulet::eredmeny_tabla(Asztal&, const Elszamolas&) {}
// Not yet: the players dialog TForm4.
void QtFelulet::jatekosok_dialogus(Asztal&) {}
// Not yet: a single-shot 1000 ms timer that clicks Button1 (through
// `ablak_.Button1->click()`, so the view is refreshed) unless the phase or
// `a.parti_sorszam` changed meanwhile.
void QtFelulet::szunet_es_kattintas(Asztal&) {}
