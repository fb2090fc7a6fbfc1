#include "model/licit.h"

#include <cmath>
#include <cstring>

#include "model/asztal.h"

const char* const licit_dialogus_felirat[LICIT_FLAGEK] = {
    "Passz", "Piros",   "40-100",         "20-100",    "Ulti",        "Négy Ász",
    "Durchmars", "Terített Durchmars", "Betli", "Rebetli", "Terített Betli", "Durchmars",
    "Redurchmars", "Terített Durchmars"};

const char* const licit_bid_szoveg[LICIT_FLAGEK] = {" Passz",
                                                     " Piros",
                                                     " 40-100",
                                                     " 20-100",
                                                     " Ulti",
                                                     " Négy Ász",
                                                     " Durchmars",
                                                     " Terített Durchmars",
                                                     " Betli",
                                                     " Rebetli",
                                                     " Terített Betli",
                                                     " Színnélküli Durchmars",
                                                     " Redurchmars",
                                                     " Színnélküli Terített Durchmars"};

const char* const licit_kontra_szoveg[LICIT_FLAGEK] = {"Parti ",
                                                        "Piros ",
                                                        " 40-100 ",
                                                        " 20-100 ",
                                                        " Ulti ",
                                                        " Négy Ász ",
                                                        " Durchmars ",
                                                        " Terített Durchmars ",
                                                        " Betli ",
                                                        " Rebetli ",
                                                        " Terített Betli ",
                                                        " Színnélküli Durchmars ",
                                                        " Redurchmars ",
                                                        " Színnélküli Terített Durchmars "};

bool Licit::operator==(const Licit& o) const { return std::memcmp(this, &o, sizeof(Licit)) == 0; }

Licit passz_licit() {
    Licit l;
    l.passz = 1;
    return l;
}

bool van_parti(const Licit& l) {
    return l.passz || ((l.ulti || l.negy_asz) && !l.negyven_szaz && !l.husz_szaz && !l.durchmars &&
                       !l.teritett_durchmars);
}

bool betli_fele(const Licit& l) { return l.betli || l.rebetli || l.teritett_betli; }

bool szinnelkuli_durchmars_fele(const Licit& l) {
    return l.szinnelkuli_durchmars || l.redurchmars || l.szinnelkuli_teritett_durchmars;
}

bool szinnelkuli(const Licit& l) { return betli_fele(l) || szinnelkuli_durchmars_fele(l); }

bool teritett(const Licit& l) {
    return l.teritett_durchmars || l.teritett_betli || l.szinnelkuli_teritett_durchmars;
}

double licit_erteke(const Licit& l) {
    // Step 1-2: the colour part; step 3: Piros doubles only what stands before it.
    double v = van_parti(l) ? 0.1 : 0.0;
    if (l.negyven_szaz) v += 4;
    if (l.husz_szaz) v += 6;
    if (l.ulti) v += 4;
    if (l.negy_asz) v += 4;
    if (l.durchmars) v += 7;
    if (l.teritett_durchmars) v += 14;
    if (l.piros) v = v + v;
    // Step 4: the colourless games are never doubled.
    if (l.betli) v += 5;
    if (l.rebetli) v += 10;
    if (l.teritett_betli) v += 20;
    if (l.szinnelkuli_durchmars) v += 7;
    if (l.redurchmars) v += 14;
    if (l.szinnelkuli_teritett_durchmars) v += 28;
    return v;
}

bool licit_emelheto(double v) {
    Licit max;
    max.piros = max.husz_szaz = max.ulti = max.negy_asz = max.teritett_durchmars = 1;
    return v < licit_erteke(max) - 1e-9;
}

std::string ertek_szoveg(double v) {
    if (v > 0 && v < 0.15) return "1";
    if (v > 0 && v < 0.25) return "2";
    std::string s = std::to_string(static_cast<long long>(v));  // truncated toward zero
    double f = std::floor(v);
    if (f < v) s += (v < f + 0.15) ? "+1" : "+2";
    return s;
}

std::string licit_szoveg(const Asztal& a, int32_t seat, const Licit& l, bool with_trump) {
    std::string s = a.jatekosok[seat].nev + ":";
    if (l.passz) s += licit_bid_szoveg[L_PASSZ];
    if (l.piros) s += licit_bid_szoveg[L_PIROS];
    if (with_trump && !l.piros && a.adu < 4) s += " " + szinnevek[a.adu];
    for (int i = L_NEGYVEN_SZAZ; i < LICIT_FLAGEK; ++i)
        if (l[i]) s += licit_bid_szoveg[i];
    const bool pass_entry = l.passz && !l.piros && a.licitek_szama > 0;
    if (!pass_entry) s += " " + ertek_szoveg(licit_erteke(l)) + " Ft";
    return s;
}
