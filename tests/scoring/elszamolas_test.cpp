// The settlement of whole deals with known outcomes: every line of all three
// columns, the totals, the balances and the labels.

#include "scoring/elszamolas.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "model/asztal.h"
#include "scoring/lejatszas.h"
#include "scoring/partik.h"

using namespace teszt;
using Sorok = std::vector<std::string>;

namespace {

// A contract from flag positions.
Licit szerzodes(std::initializer_list<int> flagek) {
    Licit l;
    for (int f : flagek) l[f] = 1;
    return l;
}

void parti(Asztal& a, const std::vector<std::string>& utesek, const char* talon, int32_t adu,
           int32_t felvevo, std::initializer_list<int> flagek) {
    lejatszas(a, adu, felvevo, utesek, talon);
    a.jatek = szerzodes(flagek);
}

// The same colour deal with Piros as trump in place of the given suit.
void piros_parti(Asztal& a, const std::vector<std::string>& utesek, const char* talon,
                 const std::string& helyett, int32_t felvevo, std::initializer_list<int> flagek) {
    const auto t = szincsere({talon}, helyett, "Piros");
    lejatszas(a, PIROS, felvevo, szincsere(utesek, helyett, "Piros"), t[0]);
    a.jatek = szerzodes(flagek);
}

struct Eset {
    const char* nev;
    std::function<void(Asztal&)> felallas;
    Sorok sorok[3];  // seat 0, 1, 2, each ending in the empty line and the total line
    int32_t osszeg[3];
};

// Everything the settlement must leave alone, as one comparable text.
std::string lenyomat(const Asztal& a) {
    std::ostringstream o;
    for (const Jatekos& j : a.jatekosok) {
        o << j.nev << '|' << j.felvevo_tizes << ' ' << j.ellen_tizes << ' ' << j.felvevo_asz << ' '
          << j.ellen_asz << ' ' << j.felvevo_utes << ' ' << j.ellen_utes << ' ' << j.bemondott
          << ' ' << int(j.negyven) << ' ' << j.husz_db << ' ' << int(j.talonnal) << '|';
        for (int i = 0; i < LICIT_FLAGEK; ++i) o << int(j.kontra[i]);
        for (int s = 0; s < 4; ++s)
            for (int e = 0; e < 8; ++e) o << ' ' << j.hol[s][e];
        for (const Kartyalap& k : j.lapok) o << ' ' << k.kep;
        o << '\n';
    }
    for (int i = 0; i < LICIT_FLAGEK; ++i) o << int(a.jatek[i]);
    o << ' ' << a.adu << ' ' << a.felvevo << ' ' << a.fazis << ' ' << a.soron << ' ' << a.utes_szam
      << ' ' << a.utes_lapszam << ' ' << a.oszto << '\n';
    for (int t = 0; t < 10; ++t) {
        for (int k = 0; k < 3; ++k)
            o << a.utes_lapok[t][k].seat << ',' << a.utes_lapok[t][k].slot << ','
              << a.utes_nyero[t][k] << ' ';
        o << a.utes_tizes[t] << ' ' << a.utes_asz[t] << '\n';
    }
    for (const Kartyalap& k : a.talon) o << k.kep << ' ';
    return o.str();
}

const std::vector<Eset>& esetek() {
    static const std::vector<Eset> v = {
        // A tie cannot arise from play (the tens always add up to 9 and melds are even),
        // so the counters are set by hand to check that a tie fails.
        {"parti_50_50_elbukik",
         [](Asztal& a) {
             parti(a, partik::negyven_szaz, partik::negyven_szaz_talon, TOK, 1, {L_PASSZ});
             for (Jatekos& j : a.jatekosok) j.felvevo_tizes = j.ellen_tizes = 5;
         },
         {{"Elbuktatta a partit 50 50 arányban: +1 Ft", "", "Összesen : +1 Ft"},
          {"Elbukta a partit 50 50 arányban: -2 Ft", "", "Összesen : -2 Ft"},
          {"Elbuktatta a partit 50 50 arányban: +1 Ft", "", "Összesen : +1 Ft"}},
         {1, -2, 1}},

        {"ulti_tokben",
         [](Asztal& a) { parti(a, partik::tok_ulti, partik::tok_ulti_talon, TOK, 1, {L_ULTI}); },
         {{"Elbukta a partit 30 60 arányban: -1 Ft", "Kifizeti az ultit: -4 Ft", "",
           "Összesen : -5 Ft"},
          {"Teljesítette a partit 60 30 arányban: +2 Ft", "Teljesítette az ultit: +8 Ft", "",
           "Összesen : +10 Ft"},
          {"Elbukta a partit 30 60 arányban: -1 Ft", "Kifizeti az ultit: -4 Ft", "",
           "Összesen : -5 Ft"}},
         {-5, 10, -5}},

        {"ulti_elbukva_kontra_nelkul",
         [](Asztal& a) {
             parti(a, partik::elbukott_ulti, partik::elbukott_ulti_talon, TOK, 1, {L_ULTI});
         },
         {{"Elbukta a partit 40 50 arányban: -1 Ft", "Elbuktatta az ultit: +8 Ft", "",
           "Összesen : +7 Ft"},
          {"Teljesítette a partit 50 40 arányban: +2 Ft", "Elbukta az ultit: -16 Ft", "",
           "Összesen : -14 Ft"},
          {"Elbukta a partit 40 50 arányban: -1 Ft", "Elbuktatta az ultit: +8 Ft", "",
           "Összesen : +7 Ft"}},
         {7, -14, 7}},

        {"ulti_elbukva_egy_kontraval",
         [](Asztal& a) {
             parti(a, partik::elbukott_ulti, partik::elbukott_ulti_talon, TOK, 1, {L_ULTI});
             a.jatekosok[2].kontra[L_ULTI] = 1;
         },
         {{"Elbukta a partit 40 50 arányban: -1 Ft", "Elbuktatta a kontra ultit: +12 Ft", "",
           "Összesen : +11 Ft"},
          {"Teljesítette a partit 50 40 arányban: +2 Ft", "Elbukta a kontra ultit: -24 Ft", "",
           "Összesen : -22 Ft"},
          {"Elbukta a partit 40 50 arányban: -1 Ft", "Elbuktatta a kontra ultit: +12 Ft", "",
           "Összesen : +11 Ft"}},
         {11, -22, 11}},

        // Seat 0 contras the party and the declarer answers; seat 2 contras the Ulti.
        {"parti_rekontra_ulti_kontra",
         [](Asztal& a) {
             parti(a, partik::tok_ulti, partik::tok_ulti_talon, TOK, 1, {L_ULTI});
             a.jatekosok[0].kontra[L_PASSZ] = 1;
             a.jatekosok[1].kontra[L_PASSZ] = 1;
             a.jatekosok[2].kontra[L_ULTI] = 1;
         },
         {{"Elbukta a rekontra partit 30 60 arányban: -4 Ft", "Kifizeti a kontra ultit: -8 Ft", "",
           "Összesen : -12 Ft"},
          {"Teljesítette a rekontra partit 60 30 arányban: +8 Ft",
           "Teljesítette a kontra ultit: +16 Ft", "", "Összesen : +24 Ft"},
          {"Elbukta a rekontra partit 30 60 arányban: -4 Ft", "Kifizeti a kontra ultit: -8 Ft", "",
           "Összesen : -12 Ft"}},
         {-12, 24, -12}},

        {"piros_ulti",
         [](Asztal& a) {
             piros_parti(a, partik::tok_ulti, partik::tok_ulti_talon, "Tök", 1, {L_PIROS, L_ULTI});
         },
         {{"Elbukta a piros partit 30 60 arányban: -2 Ft", "Kifizeti a piros ultit: -8 Ft", "",
           "Összesen : -10 Ft"},
          {"Teljesítette a piros partit 60 30 arányban: +4 Ft",
           "Teljesítette a piros ultit: +16 Ft", "", "Összesen : +20 Ft"},
          {"Elbukta a piros partit 30 60 arányban: -2 Ft", "Kifizeti a piros ultit: -8 Ft", "",
           "Összesen : -10 Ft"}},
         {-10, 20, -10}},

        {"kontra_piros_parti_es_a_felvevo_csendes_ultija",
         [](Asztal& a) {
             piros_parti(a, partik::tok_ulti, partik::tok_ulti_talon, "Tök", 1, {L_PASSZ, L_PIROS});
             a.jatekosok[2].kontra[L_PASSZ] = 1;
         },
         {{"Elbukta a kontra piros partit 30 60 arányban: -4 Ft",
           "Kifizeti a csendes piros ultit: -4 Ft", "", "Összesen : -8 Ft"},
          {"Teljesítette a kontra piros partit 60 30 arányban: +8 Ft",
           "Teljesítette a csendes piros ultit: +8 Ft", "", "Összesen : +16 Ft"},
          {"Elbukta a kontra piros partit 30 60 arányban: -4 Ft",
           "Kifizeti a csendes piros ultit: -4 Ft", "", "Összesen : -8 Ft"}},
         {-8, 16, -8}},

        {"felvevo_csendes_ultija",
         [](Asztal& a) { parti(a, partik::tok_ulti, partik::tok_ulti_talon, TOK, 1, {L_PASSZ}); },
         {{"Elbukta a partit 30 60 arányban: -1 Ft", "Kifizeti a csendes ultit: -2 Ft", "",
           "Összesen : -3 Ft"},
          {"Teljesítette a partit 60 30 arányban: +2 Ft", "Teljesítette a csendes ultit: +4 Ft", "",
           "Összesen : +6 Ft"},
          {"Elbukta a partit 30 60 arányban: -1 Ft", "Kifizeti a csendes ultit: -2 Ft", "",
           "Összesen : -3 Ft"}},
         {-3, 6, -3}},

        // The declarer's Tök 7 falls in the last trick: the silent Ulti is lost.
        {"elbukott_csendes_ulti",
         [](Asztal& a) {
             parti(a, partik::elbukott_ulti, partik::elbukott_ulti_talon, TOK, 1, {L_PASSZ});
         },
         {{"Elbukta a partit 40 50 arányban: -1 Ft", "Elbuktatta a csendes ultit: +4 Ft", "",
           "Összesen : +3 Ft"},
          {"Teljesítette a partit 50 40 arányban: +2 Ft", "Elbukta a csendes ultit: -8 Ft", "",
           "Összesen : -6 Ft"},
          {"Elbukta a partit 40 50 arányban: -1 Ft", "Elbuktatta a csendes ultit: +4 Ft", "",
           "Összesen : +3 Ft"}},
         {3, -6, 3}},

        // Seat 1 defends and wins the last trick with the Zöld 7; the declarer's total
        // comes to nothing.
        {"vedo_csendes_ultija_nulla_osszeg",
         [](Asztal& a) {
             parti(a, partik::vedo_ultija, partik::vedo_ultija_talon, ZOLD, 0, {L_PASSZ});
         },
         {{"Teljesítette a partit 50 40 arányban: +2 Ft", "Kifizeti a csendes ultit: -2 Ft", "",
           "Pénz az ablakban!"},
          {"Elbukta a partit 40 50 arányban: -1 Ft", "Teljesítette a csendes ultit: +4 Ft", "",
           "Összesen : +3 Ft"},
          {"Elbukta a partit 40 50 arányban: -1 Ft", "Kifizeti a csendes ultit: -2 Ft", "",
           "Összesen : -3 Ft"}},
         {0, 3, -3}},

        {"vedo_csendes_ultija_pirosban",
         [](Asztal& a) {
             piros_parti(a, partik::vedo_ultija, partik::vedo_ultija_talon, "Zöld", 0,
                         {L_PASSZ, L_PIROS});
         },
         {{"Teljesítette a piros partit 50 40 arányban: +4 Ft",
           "Kifizeti a csendes piros ultit: -4 Ft", "", "Pénz az ablakban!"},
          {"Elbukta a piros partit 40 50 arányban: -2 Ft",
           "Teljesítette a csendes piros ultit: +8 Ft", "", "Összesen : +6 Ft"},
          {"Elbukta a piros partit 40 50 arányban: -2 Ft", "Kifizeti a csendes piros ultit: -4 Ft",
           "", "Összesen : -6 Ft"}},
         {0, 6, -6}},

        {"csendes_durchmars_pirosban",
         [](Asztal& a) {
             parti(a, partik::durchmars, partik::durchmars_talon, PIROS, 2, {L_PASSZ, L_PIROS});
         },
         {{"Elbukta a piros partit 10 80 arányban: -2 Ft",
           "Kifizeti a csendes piros durchmarsot: -7 Ft", "", "Összesen : -9 Ft"},
          {"Elbukta a piros partit 10 80 arányban: -2 Ft",
           "Kifizeti a csendes piros durchmarsot: -7 Ft", "", "Összesen : -9 Ft"},
          {"Teljesítette a piros partit 80 10 arányban: +4 Ft",
           "Teljesítette a csendes piros durchmarsot: +14 Ft", "", "Összesen : +18 Ft"}},
         {-9, -9, 18}},

        // The same with the declarer's forty announced: 120 points bring the silent 100.
        {"felvevo_csendes_szaza",
         [](Asztal& a) {
             parti(a, partik::durchmars, partik::durchmars_talon, PIROS, 2, {L_PASSZ, L_PIROS});
             a.jatekosok[2].negyven = 1;
             a.jatekosok[2].bemondott = 4;
         },
         {{"Elbukta a piros partit 10 120 arányban: -2 Ft", "Kifizeti a csendes piros 100-at: -2 Ft",
           "Kifizeti a csendes piros durchmarsot: -7 Ft", "", "Összesen : -11 Ft"},
          {"Elbukta a piros partit 10 120 arányban: -2 Ft", "Kifizeti a csendes piros 100-at: -2 Ft",
           "Kifizeti a csendes piros durchmarsot: -7 Ft", "", "Összesen : -11 Ft"},
          {"Teljesítette a piros partit 120 10 arányban: +4 Ft",
           "Teljesítette a csendes piros 100-at: +4 Ft",
           "Teljesítette a csendes piros durchmarsot: +14 Ft", "", "Összesen : +22 Ft"}},
         {-11, -11, 22}},

        {"vedok_csendes_szaza",
         [](Asztal& a) {
             parti(a, partik::vedok_szaza, partik::vedok_szaza_talon, MAKK, 0, {L_PASSZ});
             a.jatekosok[2].negyven = 1;
             a.jatekosok[2].bemondott = 4;
         },
         {{"Elbukta a partit 10 120 arányban: -2 Ft", "Kifizeti a csendes 100-at: -2 Ft", "",
           "Összesen : -4 Ft"},
          {"Elbuktatta a partit 120 10 arányban: +1 Ft", "Teljesítette a csendes 100-at: +1 Ft", "",
           "Összesen : +2 Ft"},
          {"Elbuktatta a partit 120 10 arányban: +1 Ft", "Teljesítette a csendes 100-at: +1 Ft", "",
           "Összesen : +2 Ft"}},
         {-4, 2, 2}},

        {"negyven_szaz_teljesitve",
         [](Asztal& a) {
             parti(a, partik::negyven_szaz, partik::negyven_szaz_talon, TOK, 1, {L_NEGYVEN_SZAZ});
         },
         {{"Kifizeti a 40-100-at 30 fogással: -4 Ft", "", "Összesen : -4 Ft"},
          {"Teljesítette a 40-100-at 100 fogással: +8 Ft", "", "Összesen : +8 Ft"},
          {"Kifizeti a 40-100-at 30 fogással: -4 Ft", "", "Összesen : -4 Ft"}},
         {-4, 8, -4}},

        {"negyven_szaz_rekontra",
         [](Asztal& a) {
             parti(a, partik::negyven_szaz, partik::negyven_szaz_talon, TOK, 1, {L_NEGYVEN_SZAZ});
             a.jatekosok[0].kontra[L_NEGYVEN_SZAZ] = 1;
             a.jatekosok[1].kontra[L_NEGYVEN_SZAZ] = 1;
         },
         {{"Kifizeti a rekontra 40-100-at 30 fogással: -16 Ft", "", "Összesen : -16 Ft"},
          {"Teljesítette a rekontra 40-100-at 100 fogással: +32 Ft", "", "Összesen : +32 Ft"},
          {"Kifizeti a rekontra 40-100-at 30 fogással: -16 Ft", "", "Összesen : -16 Ft"}},
         {-16, 32, -16}},

        {"negyven_szaz_keves_ponttal",
         [](Asztal& a) {
             parti(a, partik::negyven_szaz_keves, partik::negyven_szaz_keves_talon, TOK, 1,
                   {L_NEGYVEN_SZAZ});
         },
         {{"Elbuktatta a 40-100-at 40 fogással: +4 Ft", "", "Összesen : +4 Ft"},
          {"Elbukta a 40-100-at 90 fogással: -8 Ft", "", "Összesen : -8 Ft"},
          {"Elbuktatta a 40-100-at 40 fogással: +4 Ft", "", "Összesen : +4 Ft"}},
         {4, -8, 4}},

        // 60 points but the Tök Felső was never his: the 40-100 fails "40 nélküli", and
        // the Tök 7 in the last trick is his silent Ulti.
        {"negyven_nelkuli",
         [](Asztal& a) {
             parti(a, partik::tok_ulti, partik::tok_ulti_talon, TOK, 1, {L_NEGYVEN_SZAZ});
         },
         {{"Elbuktatta a 40 nélküli 40-100-at: +4 Ft", "Kifizeti a csendes ultit: -2 Ft", "",
           "Összesen : +2 Ft"},
          {"Elbukta a 40 nélküli 40-100-at: -8 Ft", "Teljesítette a csendes ultit: +4 Ft", "",
           "Összesen : -4 Ft"},
          {"Elbuktatta a 40 nélküli 40-100-at: +4 Ft", "Kifizeti a csendes ultit: -2 Ft", "",
           "Összesen : +2 Ft"}},
         {2, -4, 2}},

        // A Felső laid into the talon is not a Felső played.
        {"negyven_nelkuli_felso_a_talonban_kontraval",
         [](Asztal& a) {
             parti(a, partik::felso_a_talonban, partik::felso_a_talonban_talon, TOK, 1,
                   {L_NEGYVEN_SZAZ});
             a.jatekosok[2].kontra[L_NEGYVEN_SZAZ] = 1;
         },
         {{"Elbuktatta a 40 nélküli kontra 40-100-at: +8 Ft", "", "Összesen : +8 Ft"},
          {"Elbukta a 40 nélküli kontra 40-100-at: -16 Ft", "", "Összesen : -16 Ft"},
          {"Elbuktatta a 40 nélküli kontra 40-100-at: +8 Ft", "", "Összesen : +8 Ft"}},
         {8, -16, 8}},

        {"husz_szaz_pirosban",
         [](Asztal& a) {
             parti(a, partik::husz_szaz, partik::husz_szaz_talon, PIROS, 2, {L_PIROS, L_HUSZ_SZAZ});
         },
         {{"Kifizeti a piros 20-100-at 10 fogással: -12 Ft",
           "Kifizeti a csendes piros durchmarsot: -7 Ft", "", "Összesen : -19 Ft"},
          {"Kifizeti a piros 20-100-at 10 fogással: -12 Ft",
           "Kifizeti a csendes piros durchmarsot: -7 Ft", "", "Összesen : -19 Ft"},
          {"Teljesítette a piros 20-100-at 100 fogással: +24 Ft",
           "Teljesítette a csendes piros durchmarsot: +14 Ft", "", "Összesen : +38 Ft"}},
         {-19, -19, 38}},

        // His only pair is in trumps, which is a forty and not a twenty.
        {"husz_nelkuli",
         [](Asztal& a) {
             parti(a, partik::durchmars, partik::durchmars_talon, PIROS, 2, {L_PIROS, L_HUSZ_SZAZ});
         },
         {{"Elbuktatta a 20 nélküli piros 20-100-at: +12 Ft",
           "Kifizeti a csendes piros durchmarsot: -7 Ft", "", "Összesen : +5 Ft"},
          {"Elbuktatta a 20 nélküli piros 20-100-at: +12 Ft",
           "Kifizeti a csendes piros durchmarsot: -7 Ft", "", "Összesen : +5 Ft"},
          {"Elbukta a 20 nélküli piros 20-100-at: -24 Ft",
           "Teljesítette a csendes piros durchmarsot: +14 Ft", "", "Összesen : -10 Ft"}},
         {5, 5, -10}},

        {"piros_negy_asz",
         [](Asztal& a) {
             parti(a, partik::durchmars_negy_asz, partik::durchmars_negy_asz_talon, PIROS, 2,
                   {L_PIROS, L_NEGY_ASZ});
         },
         {{"Elbukta a piros partit 0 90 arányban: -2 Ft", "Kifizeti a piros négy ászt: -8 Ft",
           "Kifizeti a csendes piros durchmarsot: -7 Ft", "", "Összesen : -17 Ft"},
          {"Elbukta a piros partit 0 90 arányban: -2 Ft", "Kifizeti a piros négy ászt: -8 Ft",
           "Kifizeti a csendes piros durchmarsot: -7 Ft", "", "Összesen : -17 Ft"},
          {"Teljesítette a piros partit 90 0 arányban: +4 Ft", "Teljesítette a piros négy ászt: +16 Ft",
           "Teljesítette a csendes piros durchmarsot: +14 Ft", "", "Összesen : +34 Ft"}},
         {-17, -17, 34}},

        // One Ász in the talon: the announced Négy Ász fails.
        {"negy_asz_elbukva",
         [](Asztal& a) {
             parti(a, partik::durchmars, partik::durchmars_talon, PIROS, 2, {L_PIROS, L_NEGY_ASZ});
         },
         {{"Elbukta a piros partit 10 80 arányban: -2 Ft", "Elbuktatta a piros négy ászt: +8 Ft",
           "Kifizeti a csendes piros durchmarsot: -7 Ft", "", "Összesen : -1 Ft"},
          {"Elbukta a piros partit 10 80 arányban: -2 Ft", "Elbuktatta a piros négy ászt: +8 Ft",
           "Kifizeti a csendes piros durchmarsot: -7 Ft", "", "Összesen : -1 Ft"},
          {"Teljesítette a piros partit 80 10 arányban: +4 Ft", "Elbukta a piros négy ászt: -16 Ft",
           "Teljesítette a csendes piros durchmarsot: +14 Ft", "", "Összesen : +2 Ft"}},
         {-1, -1, 2}},

        {"csendes_negy_asz",
         [](Asztal& a) {
             parti(a, partik::durchmars_negy_asz, partik::durchmars_negy_asz_talon, PIROS, 2,
                   {L_PASSZ, L_PIROS});
         },
         {{"Elbukta a piros partit 0 90 arányban: -2 Ft", "Kifizeti a csendes piros négy ászt: -4 Ft",
           "Kifizeti a csendes piros durchmarsot: -7 Ft", "", "Összesen : -13 Ft"},
          {"Elbukta a piros partit 0 90 arányban: -2 Ft", "Kifizeti a csendes piros négy ászt: -4 Ft",
           "Kifizeti a csendes piros durchmarsot: -7 Ft", "", "Összesen : -13 Ft"},
          {"Teljesítette a piros partit 90 0 arányban: +4 Ft",
           "Teljesítette a csendes piros négy ászt: +8 Ft",
           "Teljesítette a csendes piros durchmarsot: +14 Ft", "", "Összesen : +26 Ft"}},
         {-13, -13, 26}},

        {"piros_durchmars",
         [](Asztal& a) {
             parti(a, partik::durchmars, partik::durchmars_talon, PIROS, 2, {L_PIROS, L_DURCHMARS});
         },
         {{"Kifizeti a piros durchmarsot: -14 Ft", "", "Összesen : -14 Ft"},
          {"Kifizeti a piros durchmarsot: -14 Ft", "", "Összesen : -14 Ft"},
          {"Teljesítette a piros durchmarsot: +28 Ft", "", "Összesen : +28 Ft"}},
         {-14, -14, 28}},

        {"piros_teritett_durchmars",
         [](Asztal& a) {
             parti(a, partik::durchmars, partik::durchmars_talon, PIROS, 2,
                   {L_PIROS, L_TERITETT_DURCHMARS});
         },
         {{"Kifizeti a piros terített durchmarsot: -28 Ft", "", "Összesen : -28 Ft"},
          {"Kifizeti a piros terített durchmarsot: -28 Ft", "", "Összesen : -28 Ft"},
          {"Teljesítette a piros terített durchmarsot: +56 Ft", "", "Összesen : +56 Ft"}},
         {-28, -28, 56}},

        // The silent Ulti's row comes before the Durchmars row.
        {"durchmars_elbukva",
         [](Asztal& a) {
             parti(a, partik::tok_ulti, partik::tok_ulti_talon, TOK, 1, {L_DURCHMARS});
         },
         {{"Kifizeti a csendes ultit: -2 Ft", "Elbuktatta a durchmarsot: +7 Ft", "",
           "Összesen : +5 Ft"},
          {"Teljesítette a csendes ultit: +4 Ft", "Elbukta a durchmarsot: -14 Ft", "",
           "Összesen : -10 Ft"},
          {"Kifizeti a csendes ultit: -2 Ft", "Elbuktatta a durchmarsot: +7 Ft", "",
           "Összesen : +5 Ft"}},
         {5, -10, 5}},

        // Colourless: each defender his own contra. Seat 2 takes every trick, which
        // is no silent Durchmars without a trump.
        {"betli_egy_kontraval",
         [](Asztal& a) {
             parti(a, partik::betli, partik::betli_talon, NINCS_ADU, 0, {L_BETLI});
             a.jatekosok[1].kontra[L_BETLI] = 1;
         },
         {{"Teljesítette az egyszeresen kontrázott betlit: +15 Ft", "", "Összesen : +15 Ft"},
          {"Kifizeti a kontra betlit: -10 Ft", "", "Összesen : -10 Ft"},
          {"Kifizeti a betlit: -5 Ft", "", "Összesen : -5 Ft"}},
         {15, -10, -5}},

        {"betli_kontra_nelkul",
         [](Asztal& a) { parti(a, partik::betli, partik::betli_talon, NINCS_ADU, 0, {L_BETLI}); },
         {{"Teljesítette a betlit: +10 Ft", "", "Összesen : +10 Ft"},
          {"Kifizeti a betlit: -5 Ft", "", "Összesen : -5 Ft"},
          {"Kifizeti a betlit: -5 Ft", "", "Összesen : -5 Ft"}},
         {10, -5, -5}},

        {"betli_ket_kontraval",
         [](Asztal& a) {
             parti(a, partik::betli, partik::betli_talon, NINCS_ADU, 0, {L_BETLI});
             a.jatekosok[1].kontra[L_BETLI] = 1;
             a.jatekosok[2].kontra[L_BETLI] = 1;
         },
         {{"Teljesítette a kontra betlit: +20 Ft", "", "Összesen : +20 Ft"},
          {"Kifizeti a kontra betlit: -10 Ft", "", "Összesen : -10 Ft"},
          {"Kifizeti a kontra betlit: -10 Ft", "", "Összesen : -10 Ft"}},
         {20, -10, -10}},

        // The recontra answers only the defender who gave a contra.
        {"betli_egy_kontra_rekontra",
         [](Asztal& a) {
             parti(a, partik::betli, partik::betli_talon, NINCS_ADU, 0, {L_BETLI});
             a.jatekosok[1].kontra[L_BETLI] = 1;
             a.jatekosok[0].kontra[L_BETLI] = 1;
         },
         {{"Teljesítette az egyszeresen rekontrázott betlit: +25 Ft", "", "Összesen : +25 Ft"},
          {"Kifizeti a rekontra betlit: -20 Ft", "", "Összesen : -20 Ft"},
          {"Kifizeti a betlit: -5 Ft", "", "Összesen : -5 Ft"}},
         {25, -20, -5}},

        {"betli_ket_kontra_rekontra",
         [](Asztal& a) {
             parti(a, partik::betli, partik::betli_talon, NINCS_ADU, 0, {L_BETLI});
             for (Jatekos& j : a.jatekosok) j.kontra[L_BETLI] = 1;
         },
         {{"Teljesítette a rekontra betlit: +40 Ft", "", "Összesen : +40 Ft"},
          {"Kifizeti a rekontra betlit: -20 Ft", "", "Összesen : -20 Ft"},
          {"Kifizeti a rekontra betlit: -20 Ft", "", "Összesen : -20 Ft"}},
         {40, -20, -20}},

        {"rebetli_a_masodik_vedo_kontrajaval",
         [](Asztal& a) {
             parti(a, partik::betli, partik::betli_talon, NINCS_ADU, 0, {L_REBETLI});
             a.jatekosok[2].kontra[L_REBETLI] = 1;
         },
         {{"Teljesítette az egyszeresen kontrázott rebetlit: +30 Ft", "", "Összesen : +30 Ft"},
          {"Kifizeti a rebetlit: -10 Ft", "", "Összesen : -10 Ft"},
          {"Kifizeti a kontra rebetlit: -20 Ft", "", "Összesen : -20 Ft"}},
         {30, -10, -20}},

        {"teritett_betli_ket_kontraval",
         [](Asztal& a) {
             parti(a, partik::betli, partik::betli_talon, NINCS_ADU, 0, {L_TERITETT_BETLI});
             a.jatekosok[1].kontra[L_TERITETT_BETLI] = 1;
             a.jatekosok[2].kontra[L_TERITETT_BETLI] = 1;
         },
         {{"Teljesítette a kontra terített betlit: +80 Ft", "", "Összesen : +80 Ft"},
          {"Kifizeti a kontra terített betlit: -40 Ft", "", "Összesen : -40 Ft"},
          {"Kifizeti a kontra terített betlit: -40 Ft", "", "Összesen : -40 Ft"}},
         {80, -40, -40}},

        // Play stopped after the third trick: only the Betli row and the totals.
        {"betli_korai_vege",
         [](Asztal& a) {
             lejatszas(a, NINCS_ADU, 0, partik::betli_korai, partik::betli_korai_talon,
                       {partik::betli_korai_maradek[0], partik::betli_korai_maradek[1],
                        partik::betli_korai_maradek[2]});
             a.jatek = szerzodes({L_BETLI});
         },
         {{"Elbukta a betlit: -10 Ft", "", "Összesen : -10 Ft"},
          {"Elbuktatta a betlit: +5 Ft", "", "Összesen : +5 Ft"},
          {"Elbuktatta a betlit: +5 Ft", "", "Összesen : +5 Ft"}},
         {-10, 5, 5}},

        {"betli_korai_vege_kontraval",
         [](Asztal& a) {
             lejatszas(a, NINCS_ADU, 0, partik::betli_korai, partik::betli_korai_talon,
                       {partik::betli_korai_maradek[0], partik::betli_korai_maradek[1],
                        partik::betli_korai_maradek[2]});
             a.jatek = szerzodes({L_BETLI});
             a.jatekosok[2].kontra[L_BETLI] = 1;
         },
         {{"Elbukta az egyszeresen kontrázott betlit: -15 Ft", "", "Összesen : -15 Ft"},
          {"Elbuktatta a betlit: +5 Ft", "", "Összesen : +5 Ft"},
          {"Elbuktatta a kontra betlit: +10 Ft", "", "Összesen : +10 Ft"}},
         {-15, 5, 10}},

        {"szinnelkuli_durchmars",
         [](Asztal& a) {
             parti(a, partik::szinnelkuli_durchmars, partik::szinnelkuli_durchmars_talon, NINCS_ADU,
                   1, {L_SZINNELKULI_DURCHMARS});
         },
         {{"Kifizeti a színnélküli durchmarsot: -7 Ft", "", "Összesen : -7 Ft"},
          {"Teljesítette a színnélküli durchmarsot: +14 Ft", "", "Összesen : +14 Ft"},
          {"Kifizeti a színnélküli durchmarsot: -7 Ft", "", "Összesen : -7 Ft"}},
         {-7, 14, -7}},

        {"redurchmars_kontra_rekontra",
         [](Asztal& a) {
             parti(a, partik::szinnelkuli_durchmars, partik::szinnelkuli_durchmars_talon, NINCS_ADU,
                   1, {L_REDURCHMARS});
             a.jatekosok[0].kontra[L_REDURCHMARS] = 1;
             a.jatekosok[1].kontra[L_REDURCHMARS] = 1;
         },
         {{"Kifizeti a rekontra redurchmarsot: -56 Ft", "", "Összesen : -56 Ft"},
          {"Teljesítette az egyszeresen rekontrázott redurchmarsot: +70 Ft", "",
           "Összesen : +70 Ft"},
          {"Kifizeti a redurchmarsot: -14 Ft", "", "Összesen : -14 Ft"}},
         {-56, 70, -14}},

        {"szinnelkuli_teritett_durchmars_korai_vege",
         [](Asztal& a) {
             lejatszas(a, NINCS_ADU, 1, partik::durchmars_korai, partik::durchmars_korai_talon,
                       {partik::durchmars_korai_maradek[0], partik::durchmars_korai_maradek[1],
                        partik::durchmars_korai_maradek[2]});
             a.jatek = szerzodes({L_SZINNELKULI_TERITETT_DURCHMARS});
         },
         {{"Elbuktatta a színnélküli terített durchmarsot: +28 Ft", "", "Összesen : +28 Ft"},
          {"Elbukta a színnélküli terített durchmarsot: -56 Ft", "", "Összesen : -56 Ft"},
          {"Elbuktatta a színnélküli terített durchmarsot: +28 Ft", "", "Összesen : +28 Ft"}},
         {28, -56, 28}},
    };
    return v;
}

class Elszamolas_tabla : public ::testing::TestWithParam<size_t> {};

TEST_P(Elszamolas_tabla, MindenSorEsOsszeg) {
    const Eset& e = esetek()[GetParam()];
    Asztal a;
    e.felallas(a);
    if (a.utes_szam == 10) {
        ASSERT_EQ(a.jatekosok[0].felvevo_tizes + a.jatekosok[0].ellen_tizes,
                  std::string(e.nev) == "parti_50_50_elbukik" ? 10 : 9);
    }
    const int32_t kezdo[3] = {7, -3, 0};
    for (int s = 0; s < 3; ++s) a.jatekosok[s].egyenleg = kezdo[s];
    const std::string elotte = lenyomat(a);

    const Elszamolas r = elszamolas(a);

    for (int s = 0; s < 3; ++s) {
        EXPECT_EQ(r.sorok[s], e.sorok[s]) << "seat " << s;
        EXPECT_EQ(r.osszeg[s], e.osszeg[s]) << "seat " << s;
        EXPECT_EQ(a.jatekosok[s].egyenleg, kezdo[s] + e.osszeg[s]) << "seat " << s;
    }
    EXPECT_EQ(r.osszeg[0] + r.osszeg[1] + r.osszeg[2], 0);
    EXPECT_EQ(lenyomat(a), elotte) << "only the balances may change";
}

// The made flags the statistics count agree with the declarer's own lines: made
// where his line of that component reads "Teljesítette".
TEST_P(Elszamolas_tabla, TeljesultJelzokASorokSzerint) {
    const Eset& e = esetek()[GetParam()];
    Asztal a;
    e.felallas(a);
    const Elszamolas r = elszamolas(a);
    static const char* const kifejezes[LICIT_FLAGEK] = {
        " partit ", nullptr, " 40-100-at", " 20-100-at", " ultit: ", " négy ászt: ", " durchmarsot: ",
        " terített durchmarsot: ", " betlit: ", " rebetlit: ", " terített betlit: ",
        " színnélküli durchmarsot: ", " redurchmarsot: ", " színnélküli terített durchmarsot: "};
    bool mind = true;
    for (const std::string& sor : r.sorok[a.felvevo]) {
        if (sor.find("csendes") != std::string::npos) continue;
        int flag = -1;
        size_t hossz = 0;
        for (int i = 0; i < LICIT_FLAGEK; ++i)
            if (kifejezes[i] && sor.find(kifejezes[i]) != std::string::npos &&
                std::string(kifejezes[i]).size() > hossz)
                flag = i, hossz = std::string(kifejezes[i]).size();
        if (flag < 0) continue;
        const bool teljesult = sor.rfind("Teljesítette", 0) == 0;
        EXPECT_EQ(bool(r.teljesult[flag]), teljesult) << sor;
        mind = mind && teljesult;
    }
    EXPECT_EQ(bool(r.teljesult[L_PIROS]), a.jatek.piros && mind);
}

INSTANTIATE_TEST_SUITE_P(Partik, Elszamolas_tabla, ::testing::Range<size_t>(0, esetek().size()),
                         [](const ::testing::TestParamInfo<size_t>& i) {
                             return std::string(esetek()[i.param].nev);
                         });

// The labels carry the new balance: "+" only above zero, a minus of its own below.
TEST(Elszamolas, CimkekAzUjEgyenleggel) {
    Asztal a;
    parti(a, partik::tok_ulti, partik::tok_ulti_talon, TOK, 1, {L_ULTI});
    a.jatekosok[0].egyenleg = 5;   // 5 - 5 = 0
    a.jatekosok[1].egyenleg = -30; // -30 + 10 = -20
    a.jatekosok[2].egyenleg = 12;  // 12 - 5 = 7
    const Elszamolas r = elszamolas(a);
    EXPECT_EQ(r.cimke[0], "Telmi 0 Ft");
    EXPECT_EQ(r.cimke[1], "Varko -20 Ft");
    EXPECT_EQ(r.cimke[2], "Rido +7 Ft");
}

TEST(Elszamolas, CimkekANevekkel) {
    Asztal a;
    parti(a, partik::betli, partik::betli_talon, NINCS_ADU, 0, {L_BETLI});
    a.jatekosok[0].nev = "Anna";
    a.jatekosok[2].nev = "Béla";
    const Elszamolas r = elszamolas(a);
    EXPECT_EQ(r.cimke[0], "Anna +10 Ft");
    EXPECT_EQ(r.cimke[1], "Varko -5 Ft");
    EXPECT_EQ(r.cimke[2], "Béla -5 Ft");
}

// Balances started at zero stay a zero sum over several deals, and each deal's lines
// start afresh.
TEST(Elszamolas, EgymasUtaniPartikEgyenlegeNullaOsszegu) {
    Asztal a;
    parti(a, partik::tok_ulti, partik::tok_ulti_talon, TOK, 1, {L_ULTI});
    elszamolas(a);
    int32_t egyenleg[3];
    for (int s = 0; s < 3; ++s) egyenleg[s] = a.jatekosok[s].egyenleg;

    Asztal b;
    parti(b, partik::betli, partik::betli_talon, NINCS_ADU, 0, {L_BETLI});
    for (int s = 0; s < 3; ++s) b.jatekosok[s].egyenleg = egyenleg[s];
    const Elszamolas r = elszamolas(b);
    EXPECT_EQ(r.sorok[0].size(), 3u);
    EXPECT_EQ(b.jatekosok[0].egyenleg, -5 + 10);
    EXPECT_EQ(b.jatekosok[1].egyenleg, 10 - 5);
    EXPECT_EQ(b.jatekosok[2].egyenleg, -5 - 5);
    EXPECT_EQ(b.jatekosok[0].egyenleg + b.jatekosok[1].egyenleg + b.jatekosok[2].egyenleg, 0);
}

// The Ulti row must see the tenth trick; a colour deal cut short (never by the
// rules, but a table state can say so) simply fails it and reads nothing beyond.
TEST(Elszamolas, UltiCsonkaPartinEgyszeruenElbukik) {
    Asztal a;
    parti(a, partik::tok_ulti, partik::tok_ulti_talon, TOK, 1, {L_ULTI});
    a.utes_szam = 9;
    for (int k = 0; k < 3; ++k) a.utes_lapok[9][k] = UtesLap{};
    const Elszamolas r = elszamolas(a);
    EXPECT_EQ(r.sorok[1][1], "Elbukta az ultit: -16 Ft");
    EXPECT_EQ(r.osszeg[0] + r.osszeg[1] + r.osszeg[2], 0);
}

// ---------------------------------------------------------------------------------
// The tricks viewer's collection.

TEST(UtesekGyujtese, AkiMindetVitteTeleOszlop) {
    Asztal a;
    parti(a, partik::betli, partik::betli_talon, NINCS_ADU, 0, {L_BETLI});
    const Utesek u = utesek_gyujtese(a);
    EXPECT_EQ(u.db[0], 0);
    EXPECT_EQ(u.db[1], 0);
    ASSERT_EQ(u.db[2], 30);
    // Rows in the order won, each trick in playing order.
    EXPECT_EQ(u.kep[2][0], lap("Makk 7").kep);
    EXPECT_EQ(u.kep[2][1], lap("Makk 10").kep);
    EXPECT_EQ(u.kep[2][2], lap("Makk Felső").kep);
    EXPECT_EQ(u.kep[2][3], lap("Makk Király").kep);
    EXPECT_EQ(u.kep[2][27], lap("Piros Király").kep);
    EXPECT_EQ(u.kep[2][28], lap("Piros 8").kep);
    EXPECT_EQ(u.kep[2][29], lap("Piros Alsó").kep);
    EXPECT_EQ(u.nev[0], "Telmi");
    EXPECT_EQ(u.nev[1], "Varko");
    EXPECT_EQ(u.nev[2], "Rido");
}

TEST(UtesekGyujtese, KoraiBetliCsakAJatszottUtesek) {
    Asztal a;
    lejatszas(a, NINCS_ADU, 0, partik::betli_korai, partik::betli_korai_talon,
              {partik::betli_korai_maradek[0], partik::betli_korai_maradek[1],
               partik::betli_korai_maradek[2]});
    // A fourth trick's lead, as if begun: only completed tricks are collected.
    a.utes_lapok[3][0] = UtesLap{0, 5};
    const Utesek u = utesek_gyujtese(a);
    EXPECT_EQ(u.db[0], 3);
    EXPECT_EQ(u.db[1], 0);
    EXPECT_EQ(u.db[2], 6);
    EXPECT_EQ(u.kep[0][0], lap("Tök 7").kep);
    EXPECT_EQ(u.kep[0][1], lap("Tök Ász").kep);
    EXPECT_EQ(u.kep[0][2], lap("Tök 8").kep);
    EXPECT_EQ(u.kep[2][3], lap("Makk Király").kep);
}

TEST(UtesekGyujtese, OszloponkentAzElnyertUtesek) {
    Asztal a;
    parti(a, partik::tok_ulti, partik::tok_ulti_talon, TOK, 1, {L_ULTI});
    const Utesek u = utesek_gyujtese(a);
    EXPECT_EQ(u.db[0], 0);
    EXPECT_EQ(u.db[1], 21);
    EXPECT_EQ(u.db[2], 9);
    // Seat 1's sixth row is trick 8, which he won by trumping.
    EXPECT_EQ(u.kep[1][15], lap("Piros Felső").kep);
    EXPECT_EQ(u.kep[1][17], lap("Tök Király").kep);
    EXPECT_EQ(u.kep[2][0], lap("Zöld 9").kep);
}

TEST(UtesekGyujtese, UresAsztalonSemmi) {
    Asztal a;
    asztal_indulas(a, 3);
    const Utesek u = utesek_gyujtese(a);
    EXPECT_EQ(u.db[0] + u.db[1] + u.db[2], 0);
}

}  // namespace
