#include "table/jatekosok.h"

#include "model/asztal.h"
#include "table/felulet.h"

void jatekosok_menu(Asztal& a, Felulet& f) {
    f.jatekosok_dialogus(a);
    nevdobozok_frissitese(a);
}

void nevdoboz_kattintas(Asztal& a, Felulet& f, int32_t seat) {
    if (seat < 0 || seat > 2) return;
    a.fokusz_jatekos = seat;
    jatekosok_menu(a, f);
}

int32_t fokusz_edit(const Asztal& a) {
    return (a.fokusz_jatekos >= 0 && a.fokusz_jatekos <= 2) ? a.fokusz_jatekos + 1 : 1;
}

void nev_beallitas(Asztal& a, int32_t seat, const std::string& nev) {
    if (seat < 0 || seat > 2) return;
    a.jatekosok[seat].nev = nev;
}

void tipus_kattintas(Asztal& a, int32_t radio) {
    if (radio < 1 || radio > 6) return;
    a.jatekosok[(radio - 1) / 2].ember = (radio % 2 == 1) ? 1 : 0;
}

void nevdobozok_frissitese(Asztal& a) {
    const int32_t b = (a.ember_helye >= 0 && a.ember_helye <= 2) ? a.ember_helye : 0;
    a.nezet.memo2 = a.jatekosok[b].nev;
    a.nezet.memo3 = a.jatekosok[(b + 1) % 3].nev;
    a.nezet.memo4 = a.jatekosok[(b + 2) % 3].nev;
}
