#pragma once
// Finished deals written as their tricks: each trick is three named cards in playing
// order, the declarer leads the first and the winner of each leads the next. The
// hands are what each seat played (plus any cards left unplayed when a deal ended
// early), so a case states only what happened at the table.

#include <array>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/asztal.h"
#include "support/kezek.h"

namespace teszt {

// Whether card x beats card y, the better card of the trick so far.
inline bool uti(const Kartyalap& x, const Kartyalap& y, int32_t adu) {
    if (x.szin == y.szin) return rang(x.ertek, adu) > rang(y.ertek, adu);
    return adu < 4 && x.szin == adu;
}

inline bool tizes(const Kartyalap& k) { return k.ertek == ASZ || k.ertek == TIZES; }

// The table at the end of play (phase 6): hands, trick records, every knowledge
// table with the played cards and the talon out of play, and the six deal counters
// as recording the cards would have left them (the talon's tens and Ászok on the
// defenders' side, the last trick's ten to its winner). The contract, melds and
// contras are the caller's to set.
inline void lejatszas(Asztal& a, int32_t adu, int32_t felvevo, const std::vector<std::string>& utesek,
                      const std::string& talon, const std::array<std::string, 3>& maradek = {}) {
    asztal_indulas(a, 1);
    a.ora = [] { return int64_t{0}; };
    a.adu = adu;
    a.felvevo = felvevo;
    if (utesek.size() > 10) throw std::invalid_argument("at most ten tricks");

    std::vector<Kartyalap> kez[3];
    struct Jatszott { int seat; int slot; };
    std::vector<std::array<Jatszott, 3>> menet;
    std::vector<std::array<int, 3>> nyero;
    int hiv = felvevo;
    for (const std::string& u : utesek) {
        const auto l = lapok(u);
        if (l.size() != 3) throw std::invalid_argument("a trick needs three cards: " + u);
        std::array<Jatszott, 3> m{};
        std::array<int, 3> ny{};
        int legjobb = 0;
        for (int k = 0; k < 3; ++k) {
            const int seat = (hiv + k) % 3;
            if (k > 0 && uti(l[k], l[legjobb], adu)) legjobb = k;
            ny[k] = (hiv + legjobb) % 3;
            m[k] = {seat, static_cast<int>(kez[seat].size())};
            kez[seat].push_back(l[k]);
        }
        menet.push_back(m);
        nyero.push_back(ny);
        hiv = ny[2];
    }
    for (int s = 0; s < 3; ++s)
        for (const Kartyalap& k : lapok(maradek[s])) kez[s].push_back(k);
    const auto t = lapok(talon);
    if (t.size() != 2) throw std::invalid_argument("the talon needs two cards");

    bool lattuk[32] = {};
    auto jegyez = [&](const Kartyalap& k) {
        if (lattuk[k.kep]) throw std::invalid_argument("card twice: " + lap_nev(k));
        lattuk[k.kep] = true;
    };
    for (int s = 0; s < 3; ++s) {
        if (kez[s].size() != 10) throw std::invalid_argument("a hand needs ten cards");
        for (int i = 0; i < 10; ++i) {
            jegyez(kez[s][i]);
            a.jatekosok[s].lapok[i] = kez[s][i];
            a.jatekosok[s].hol[kez[s][i].szin][kez[s][i].ertek] = s;
        }
    }
    for (int i = 0; i < 2; ++i) {
        jegyez(t[i]);
        a.talon[i] = t[i];
        for (Jatekos& j : a.jatekosok) j.hol[t[i].szin][t[i].ertek] = HOL_TALON;
    }

    int f_tizes = 0, e_tizes = 0, f_asz = 0, e_asz = 0, f_utes = 0, e_utes = 0;
    for (const Kartyalap& k : t) {
        e_tizes += tizes(k);
        e_asz += k.ertek == ASZ;
    }
    for (size_t u = 0; u < menet.size(); ++u) {
        int tiz = 0, asz = 0;
        for (int k = 0; k < 3; ++k) {
            const Jatszott& j = menet[u][k];
            const Kartyalap& l = a.jatekosok[j.seat].lapok[j.slot];
            a.utes_lapok[u][k] = UtesLap{j.seat, j.slot};
            a.utes_nyero[u][k] = nyero[u][k];
            tiz += tizes(l);
            asz += l.ertek == ASZ;
            for (Jatekos& jj : a.jatekosok) jj.hol[l.szin][l.ertek] = HOL_JATSZOTT + j.seat;
        }
        if (u == 9) ++tiz;
        a.utes_tizes[u] = tiz;
        a.utes_asz[u] = asz;
        if (nyero[u][2] == felvevo) {
            f_tizes += tiz; f_asz += asz; ++f_utes;
        } else {
            e_tizes += tiz; e_asz += asz; ++e_utes;
        }
    }
    for (Jatekos& j : a.jatekosok) {
        j.felvevo_tizes = f_tizes;
        j.ellen_tizes = e_tizes;
        j.felvevo_asz = f_asz;
        j.ellen_asz = e_asz;
        j.felvevo_utes = f_utes;
        j.ellen_utes = e_utes;
        j.talonnal = (j.sorszam == felvevo);
    }
    a.utes_szam = static_cast<int32_t>(menet.size());
    a.utes_lapszam = 0;
    a.soron = hiv;
    a.fazis = F_VEGE;
}

// The same deal with two suits' names exchanged, to replay a colour deal in Piros.
inline std::vector<std::string> szincsere(std::vector<std::string> utesek, const std::string& x,
                                          const std::string& y) {
    const std::string jel = "#";
    auto csere = [](std::string& s, const std::string& mit, const std::string& mire) {
        for (size_t p = s.find(mit); p != std::string::npos; p = s.find(mit, p + mire.size()))
            s.replace(p, mit.size(), mire);
    };
    for (std::string& u : utesek) {
        csere(u, x, jel);
        csere(u, y, x);
        csere(u, jel, y);
    }
    return utesek;
}

}  // namespace teszt
