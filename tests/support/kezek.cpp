#include "support/kezek.h"

#include <memory>
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

int32_t slot(const Asztal& a, int32_t seat, const std::string& nev) {
    const Kartyalap k = lap(nev);
    for (int i = 0; i < 12; ++i)
        if (a.jatekosok[seat].lapok[i].kep == k.kep) return i;
    return -1;
}

}  // namespace teszt
