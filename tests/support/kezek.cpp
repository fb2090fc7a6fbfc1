#include "support/kezek.h"

#include <memory>
#include <set>
#include <sstream>
#include <stdexcept>

#include "model/osztas.h"

namespace teszt {

static std::string trim(const std::string& s) {
    const auto b = s.find_first_not_of(" \t\n");
    if (b == std::string::npos) return "";
    const auto e = s.find_last_not_of(" \t\n");
    return s.substr(b, e - b + 1);
}

Kartyalap lap(const std::string& nev) {
    const std::string n = trim(nev);
    for (int s = 0; s < 4; ++s)
        for (int e = 0; e < 8; ++e)
            if (n == lap_nev(s, e)) return kartya(s, e);
    throw std::invalid_argument("unknown card: '" + n + "'");
}

std::vector<Kartyalap> lapok(const std::string& lista) {
    std::vector<Kartyalap> v;
    std::stringstream ss(lista);
    std::string darab;
    while (std::getline(ss, darab, ','))
        if (!trim(darab).empty()) v.push_back(lap(darab));
    return v;
}

void leosztas(Asztal& a, const std::string& kez0, const std::string& kez1,
              const std::string& kez2, const std::string& talon, int32_t adu, int32_t felvevo) {
    asztal_indulas(a, 12345);
    auto ora = std::make_shared<long long>(0);
    a.ora = [ora] { return *ora; };
    const std::string kezek[3] = {kez0, kez1, kez2};
    bool lattuk[32] = {};
    auto jegyez = [&](const Kartyalap& k) {
        if (lattuk[k.kep]) throw std::invalid_argument("card twice: " + lap_nev(k));
        lattuk[k.kep] = true;
    };
    for (int s = 0; s < 3; ++s) {
        const auto v = lapok(kezek[s]);
        if (v.size() != 10) throw std::invalid_argument("a hand needs ten cards");
        Jatekos& j = a.jatekosok[s];
        for (int k = 0; k < 10; ++k) {
            jegyez(v[k]);
            j.lapok[k] = v[k];
            j.hol[v[k].szin][v[k].ertek] = s;
        }
    }
    const auto t = lapok(talon);
    if (t.size() != 2) throw std::invalid_argument("the talon needs two cards");
    for (int k = 0; k < 2; ++k) {
        jegyez(t[k]);
        a.talon[k] = t[k];
    }
    a.adu = adu;
    for (int s = 0; s < 3; ++s) kez_rendezes(a, s, 10);
    a.oszto = elozo(felvevo);
    a.soron = felvevo;
    parti_alaphelyzet(a);
    a.felvevo = felvevo;
    a.jatekosok[felvevo].talonnal = 1;
}

void jatek(Asztal& a, std::initializer_list<int> flagek, int32_t adu, int32_t felvevo) {
    a.jatek = Licit{};
    for (int f : flagek) a.jatek[f] = 1;
    a.adu = adu;
    a.gep_adu = adu;
    a.felvevo = felvevo;
    a.soron = felvevo;
    for (int s = 0; s < 3; ++s) {
        a.jatekosok[s].talonnal = (s == felvevo);
        kez_rendezes(a, s, 10);
    }
    for (int k = 0; k < 2; ++k) a.jatekosok[felvevo].hol[a.talon[k].szin][a.talon[k].ertek] = -1;
    a.utes_szam = 0;
    a.utes_lapszam = 0;
    a.fazis = a.jatekosok[felvevo].ember ? F_JATEK_EMBER : F_JATEK_GEP;
}

void vegallas(Asztal& a, const std::string& k0, const std::string& k1, const std::string& k2,
              const std::string& talon, std::initializer_list<int> flagek, int32_t adu,
              int32_t felvevo, int32_t soron) {
    const std::vector<Kartyalap> tart[3] = {teszt::lapok(k0), teszt::lapok(k1), teszt::lapok(k2)};
    const size_t n = tart[0].size();
    if (tart[1].size() != n || tart[2].size() != n)
        throw std::invalid_argument("an end position needs hands of one length");
    bool foglalt[32] = {};
    for (const auto& v : tart)
        for (const Kartyalap& k : v) foglalt[k.kep] = true;
    std::vector<Kartyalap> t = teszt::lapok(talon);
    for (const Kartyalap& k : t) foglalt[k.kep] = true;
    // The rest, in deck order, fills the hands with cards already played.
    std::vector<Kartyalap> tobbi;
    for (int c = 0; c < 32; ++c)
        if (!foglalt[c]) tobbi.push_back(kartya(c / 8, c % 8));
    while (t.size() < 2) {
        t.push_back(tobbi.back());
        tobbi.pop_back();
    }
    std::string kez[3];
    size_t f = 0;
    for (int s = 0; s < 3; ++s) {
        for (const Kartyalap& k : tart[s]) kez[s] += lap_nev(k) + ",";
        for (size_t i = n; i < 10; ++i) kez[s] += lap_nev(tobbi[f++]) + ",";
    }
    teszt::leosztas(a, kez[0], kez[1], kez[2], lap_nev(t[0]) + "," + lap_nev(t[1]), adu, felvevo);
    teszt::jatek(a, flagek, adu, felvevo);
    // Every table: its own cards, the played ones below, the talon out of play.
    for (Jatekos& j : a.jatekosok)
        for (const Kartyalap& k : a.talon) j.hol[k.szin][k.ertek] = HOL_TALON;
    std::set<int> marad;
    for (const auto& v : tart)
        for (const Kartyalap& k : v) marad.insert(k.kep);
    for (int s = 0; s < 3; ++s)
        for (int i = 0; i < 10; ++i) {
            const Kartyalap& k = a.jatekosok[s].lapok[i];
            if (marad.count(k.kep)) continue;
            for (Jatekos& j : a.jatekosok) j.hol[k.szin][k.ertek] = s - 10;
        }
    a.utes_szam = static_cast<int32_t>(10 - n);
    a.utes_lapszam = 0;
    a.soron = soron;
    if (a.utes_szam > 0) a.utes_nyero[a.utes_szam - 1][2] = soron;
}

int32_t slot(const Asztal& a, int32_t seat, const std::string& nev) {
    const Kartyalap k = lap(nev);
    for (int i = 0; i < 12; ++i)
        if (a.jatekosok[seat].lapok[i].kep == k.kep) return i;
    return -1;
}

}  // namespace teszt
