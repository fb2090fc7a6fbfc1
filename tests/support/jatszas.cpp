#include "support/jatszas.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "ai/kovetes.h"
#include "analysis/szabalyok.h"
#include "support/kezek.h"
#include "table/folyam.h"

namespace teszt {

bool kijatszas(Asztal& a, const std::string& nev) {
    if (a.fazis == F_VEGE || a.utes_szam > 9) return false;
    const int32_t slot = teszt::slot(a, a.soron, nev);
    if (slot < 0 || slot > 9) return false;
    Jatekos& P = a.jatekosok[a.soron];
    a.vizsgalt_utes = a.utes_szam;
    a.vizsgalt_lapszam = a.utes_lapszam;
    if (!szabalyos_lap(a, P, slot)) return false;
    lap_rogzites(a, P, slot);
    tovabblepes(a);
    return true;
}

void kijatszasok(Asztal& a, const std::string& lista) {
    for (const Kartyalap& k : lapok(lista)) {
        const std::string nev = lap_nev(k);
        if (!kijatszas(a, nev)) throw std::logic_error("cannot play " + nev);
    }
}

void tok9_hivas(Asztal& a) {
    leosztas(a,
             "Tök Király, Tök 8, Makk 7, Makk 8, Zöld 7, Zöld 8, Zöld 9, Piros 7, Piros 8, Piros 9",
             "Tök Ász, Tök 10, Makk 9, Makk 10, Zöld 10, Zöld Alsó, Piros 10, Piros Alsó, "
             "Piros Felső, Piros Király",
             "Tök 9, Tök 7, Tök Alsó, Makk Ász, Makk Király, Makk Felső, Makk Alsó, Zöld Ász, "
             "Zöld Király, Piros Ász",
             "Zöld Felső, Tök Felső", MAKK, 2);
    HajtottOra ora;
    ora.lepes_per_ms = 50;
    a.ora = ora;
    jatek(a, {L_PASSZ}, MAKK, 2);
    a.emberek_szama = 1;
    a.ember_helye = 0;
    ASSERT_TRUE(kijatszas(a, "Tök 9"));
    ASSERT_EQ(a.soron, 0);
    a.fazis = F_JATEK_EMBER;
}

}  // namespace teszt
