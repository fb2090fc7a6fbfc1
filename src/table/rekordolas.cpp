#include "table/rekordolas.h"

#include <algorithm>

#include "ai/talon.h"

void rekord_kezdes(Asztal& a) {
    PartiRekord& r = a.rekord;
    r.lepesek.clear();
    r.lezart = false;
    r.ember_helye = a.ember_helye;
    r.emberek_szama = a.emberek_szama;
    r.oszto = a.oszto;
    for (int32_t s = 0; s < 3; ++s) {
        const Jatekos& j = a.jatekosok[s];
        r.nevek[s] = j.nev;
        r.ember[s] = j.ember != 0;
        r.talonnal[s] = j.talonnal != 0;
        std::copy_n(j.lapok, 10, r.kezek[s]);
        std::copy_n(&j.hol[0][0], 32, &r.hol[s][0][0]);
    }
    std::copy_n(a.talon, 2, r.talon);
    if (a.figyelo) a.figyelo->rogzitve(a);
}

void rekord_lepes(Asztal& a, const RekordLepes& l) {
    a.rekord.lepesek.push_back(l);
    if (a.figyelo) a.figyelo->rogzitve(a);
}

void rekord_lezaras(Asztal& a) {
    a.rekord.lezart = true;
    if (visszajatszas_fut(a)) return;  // a replay only rebuilds tables
    if (a.rekordok.size() >= REKORDOK_MAX)
        a.rekordok.erase(a.rekordok.begin(), a.rekordok.end() - (REKORDOK_MAX - 1));
    a.rekordok.push_back(a.rekord);
}

bool visszajatszas_fut(const Asztal& a) {
    return a.figyelo && a.figyelo->eloiras();
}

const RekordLepes* eloirt(const Asztal& a, int32_t elore) {
    if (!visszajatszas_fut(a)) return nullptr;
    const std::vector<RekordLepes>& v = *a.figyelo->eloiras();
    const size_t i = a.rekord.lepesek.size() + static_cast<size_t>(elore);
    return i < v.size() ? &v[i] : nullptr;
}

const RekordLepes& eloirt(const Asztal& a, RekordLepes::Fajta f, int32_t seat, int32_t elore) {
    const RekordLepes* l = eloirt(a, elore);
    const int32_t i = static_cast<int32_t>(a.rekord.lepesek.size()) + elore;
    if (!l) throw VisszajatszasHiba(i, "hiányzik");
    if (l->seat != seat) throw VisszajatszasHiba(i, "nem a soron következő játékosé");
    if (l->fajta != f) throw VisszajatszasHiba(i, "nem az a fajta lépés, amely itt következhet");
    return *l;
}

const char* nevelo(int64_t n) {
    // Read aloud, "egy", "öt..", "ötven..", "ötszáz.." and "ezer.." begin with a vowel;
    // above a thousand the leading group is read first.
    for (; n >= 1000; n /= 1000)
        if (n < 2000) return "az";
    if (n == 1) return "az";
    while (n >= 10) n /= 10;
    return n == 5 ? "az" : "a";
}

int32_t tartott_slot(const Asztal& a, int32_t seat, const Kartyalap& k, int32_t db) {
    const Jatekos& j = a.jatekosok[seat];
    if (k.kep < 0 || k.kep > 31 || j.hol[k.szin][k.ertek] != seat) return -1;
    for (int32_t i = 0; i < db; ++i)
        if (j.lapok[i] == k) return i;
    return -1;
}

Licit eloirt_talonfelvetel(Asztal& a, int32_t taker) {
    const int32_t i = static_cast<int32_t>(a.rekord.lepesek.size());
    const RekordLepes& d = eloirt(a, RekordLepes::Fajta::lerakas, taker);
    const RekordLepes& b = eloirt(a, RekordLepes::Fajta::licit, taker, 1);
    if (b.adu < 0 || b.adu > NINCS_ADU) throw VisszajatszasHiba(i + 1, "adu színe hibás");
    // Only a higher bid takes the talon once the auction is open.
    if (a.licitek_szama > 0 && !(licit_erteke(b.licit) > a.licit_ertek + 1e-9))
        throw VisszajatszasHiba(i + 1, "licitje nem magasabb az eddiginél");
    Jatekos& P = a.jatekosok[taker];
    // The twelve cards: the ten held (slots 0..9) and the talon.
    Kartyalap tizenketto[12];
    std::copy_n(P.lapok, 10, tizenketto);
    std::copy_n(a.talon, 2, tizenketto + 10);
    const auto hely = [&](const Kartyalap& k) {
        return static_cast<int32_t>(std::find(tizenketto, tizenketto + 12, k) - tizenketto);
    };
    const int32_t h0 = hely(d.lapok[0]), h1 = hely(d.lapok[1]);
    if (h0 == 12 || h1 == 12 || h0 == h1) throw VisszajatszasHiba(i, "visszatett lapja nincs a kézben");
    talon_atvetel(a, taker);
    // The kept talon cards fill the slots of the cards laid back; what lies in the talon
    // is the taker's `HOL_TALON`, his own cards his.
    int32_t ures[2], n = 0;
    for (int32_t h : {h0, h1})
        if (h < 10) ures[n++] = h;
    int32_t m = 0;
    for (int32_t k = 10; k < 12; ++k)
        if (k != h0 && k != h1) P.lapok[ures[m++]] = tizenketto[k];
    a.talon[0] = d.lapok[0];
    a.talon[1] = d.lapok[1];
    for (int32_t k = 0; k < 10; ++k) P.hol[P.lapok[k].szin][P.lapok[k].ertek] = taker;
    for (const Kartyalap& k : a.talon) P.hol[k.szin][k.ertek] = HOL_TALON;
    a.adu = b.adu;
    a.gep_adu = a.adu;
    a.jatek = b.licit;
    a.licit_ertek = licit_erteke(b.licit);
    return b.licit;
}

void eloirt_bemondas(Asztal& a, int32_t seat) {
    const RekordLepes* l = eloirt(a);
    if (!l || l->fajta != RekordLepes::Fajta::bemondas || l->seat != seat) return;
    Jatekos& P = a.jatekosok[seat];
    P.kontra = l->licit;
    P.negyven = static_cast<uint8_t>(l->negyven);
    P.husz_db = l->husz_db;
    P.bemondott = 4 * P.negyven + 2 * P.husz_db;
}
