#include "scoring/statisztika.h"

#include "scoring/elszamolas.h"

void naplo_bejegyzes(Asztal& a, const Elszamolas& e) {
    PartiEredmeny p;
    p.felvevo = a.felvevo;
    p.jatek = a.jatek;
    for (int i = 0; i < LICIT_FLAGEK; ++i) p.teljesult[i] = (a.jatek[i] && e.teljesult[i]) ? 1 : 0;
    for (int s = 0; s < 3; ++s) p.osszeg[s] = e.osszeg[s];
    a.naplo.push_back(p);
}

void jatek_nullazas(Asztal& a) {
    for (Jatekos& j : a.jatekosok) j.egyenleg = 0;
    a.naplo.clear();
}

bool jatek_visszaallitas(Asztal& a, const std::array<std::string, 3>& nevek,
                         const std::array<int32_t, 3>& egyenleg, const std::vector<PartiEredmeny>& naplo) {
    // Sums in 64 bits: a damaged record must not overflow into agreement.
    int64_t osszeg[3] = {};
    for (const PartiEredmeny& p : naplo) {
        if (p.felvevo < 0 || p.felvevo > 2) return false;
        if (static_cast<int64_t>(p.osszeg[0]) + p.osszeg[1] + p.osszeg[2] != 0) return false;
        for (int i = 0; i < LICIT_FLAGEK; ++i)
            if (p.jatek[i] > 1 || p.teljesult[i] > 1 || (p.teljesult[i] && !p.jatek[i])) return false;
        for (int s = 0; s < 3; ++s) osszeg[s] += p.osszeg[s];
    }
    for (int s = 0; s < 3; ++s)
        if (osszeg[s] != egyenleg[s]) return false;
    for (int s = 0; s < 3; ++s) {
        a.jatekosok[s].nev = nevek[s];
        a.jatekosok[s].egyenleg = egyenleg[s];
    }
    a.naplo = naplo;
    return true;
}

Statisztika statisztika(const std::vector<PartiEredmeny>& naplo) {
    Statisztika st;
    st.partik = static_cast<int32_t>(naplo.size());
    for (const PartiEredmeny& p : naplo) {
        if (p.felvevo < 0 || p.felvevo > 2) continue;
        for (int i = 0; i < LICIT_FLAGEK; ++i) {
            if (!p.jatek[i]) continue;
            ++st.vallalt[p.felvevo][i];
            if (p.teljesult[i]) ++st.teljesitett[p.felvevo][i];
        }
    }
    return st;
}

std::vector<std::array<int32_t, 3>> egyenleg_menet(const std::vector<PartiEredmeny>& naplo) {
    std::vector<std::array<int32_t, 3>> menet(1, {0, 0, 0});
    for (const PartiEredmeny& p : naplo) {
        std::array<int32_t, 3> b = menet.back();
        for (int s = 0; s < 3; ++s) b[s] += p.osszeg[s];
        menet.push_back(b);
    }
    return menet;
}
