#include "support/szkript_felulet.h"

#include "table/dialogusok.h"
#include "table/folyam.h"

namespace teszt {

void SzkriptFelulet::uzenet(Asztal&, const std::string& szoveg) {
    uzenetek.push_back(szoveg);
}

void SzkriptFelulet::licit_dialogus(Asztal& a) {
    ++licit_hivas;
    for (;;) {
        const bool volt_valasz = !licitek.empty();
        if (volt_valasz) {
            for (int i : licitek.front())
                licit_kattintas(a, i, i >= L_BETLI ? true : !a.licit_dlg.doboz[i]);
            licitek.pop_front();
        }
        const std::string hiba = licit_kesz(a);
        if (hiba.empty()) return;
        uzenet(a, hiba);
        if (!volt_valasz) throw SzkriptHiba("bidding dialog refused with no answer left: " + hiba);
    }
}

void SzkriptFelulet::adu_dialogus(Asztal& a) {
    ++adu_hivas;
    for (;;) {
        if (aduk.empty()) throw SzkriptHiba("trump dialog with no answer");
        const int r = aduk.front();
        aduk.pop_front();
        if (r != 0) adu_kattintas(a, r);
        const std::string hiba = adu_kesz(a);
        if (hiba.empty()) return;
        uzenet(a, hiba);
    }
}

void SzkriptFelulet::bejelentes_dialogus(Asztal& a) {
    ++bej_hivas;
    bej_allapotok.push_back(a.bej_dlg);
    if (!bejelentesek.empty()) {
        for (int d : bejelentesek.front()) bejelentes_kattintas(a, d, !a.bej_dlg.checked[d]);
        bejelentesek.pop_front();
    }
    bejelentes_kesz(a);
}

void SzkriptFelulet::eredmeny_tabla(Asztal&, const Elszamolas& e) {
    elszamolasok.push_back(e);
}

void SzkriptFelulet::jatekosok_dialogus(Asztal& a) {
    ++jatekos_hivas;
    fokusz = a.fokusz_jatekos;
}

void SzkriptFelulet::szunet_es_kattintas(Asztal& a) {
    ++szunetek;
    fuggo_ = true;
    fuggo_fazis_ = a.fazis;
    fuggo_parti_ = a.parti_sorszam;
}

void SzkriptFelulet::ujrarajzolas(Asztal&) {
    ++ujrarajzolasok;
}

int SzkriptFelulet::fuss(Asztal& a, int max) {
    int n = 0;
    while (fuggo_ && n < max) {
        fuggo_ = false;
        if (a.fazis != fuggo_fazis_ || a.parti_sorszam != fuggo_parti_) continue;
        button1_kattintas(a, *this);
        ++n;
    }
    return n;
}

}  // namespace teszt
