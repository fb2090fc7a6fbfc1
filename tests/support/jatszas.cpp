#include "support/jatszas.h"

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

}  // namespace teszt
