#include "model/osztas.h"

#include "model/asztal.h"

void keveres_96(Asztal& a) {
    for (int n = 0; n < 96; ++n) {
        const int32_t i = veletlen(a, 32);
        const int32_t j = veletlen(a, 32);
        const int32_t t = a.keveres[i];
        a.keveres[i] = a.keveres[j];
        a.keveres[j] = t;
    }
}

void kevert_osztas(Asztal& a) {
    // Step 1: the dealer advances; the seat after him bids first.
    a.oszto = (a.oszto + 1) % 3;
    a.soron = (a.oszto + 1) % 3;
    // Step 2-3: shuffle, the talon.
    keveres_96(a);
    for (int k = 0; k < 2; ++k) a.talon[k] = a.pakli[a.keveres[30 + k]];
    // Step 4: hands and knowledge tables.
    for (int i = 0; i < 3; ++i) {
        Jatekos& j = a.jatekosok[i];
        j.talonnal = 0;
        for (auto& sor : j.hol)
            for (int32_t& h : sor) h = HOL_NEM_TUDOTT;
        for (int k = 0; k < 10; ++k) {
            j.lapok[k] = a.pakli[a.keveres[10 * i + k]];
            j.hol[j.lapok[k].szin][j.lapok[k].ertek] = i;
        }
    }
    // Step 5.
    for (int i = 0; i < 3; ++i) kez_rendezes(a, i, 10);
}

void kez_rendezes(Asztal& a, int32_t seat, int32_t db) {
    Kartyalap* l = a.jatekosok[seat].lapok;
    const int32_t o = oszlop(a.adu);
    for (int i = 0; i < db - 1; ++i)
        for (int j = i + 1; j < db; ++j) {
            if (l[i].szin < l[j].szin ||
                (l[i].szin == l[j].szin && sorrend[l[i].ertek][o] < sorrend[l[j].ertek][o])) {
                const Kartyalap t = l[i];
                l[i] = l[j];
                l[j] = t;
            }
        }
}

int32_t kezben_levo(Asztal& a, int32_t seat) {
    const Jatekos& j = a.jatekosok[seat];
    int32_t n = 0;
    for (int k = 0; k < 10; ++k)
        if (j.hol[j.lapok[k].szin][j.lapok[k].ertek] == seat) a.kezben[n++] = k;
    for (int k = n; k < 10; ++k) a.kezben[k] = -1;
    return n;
}
