#include "scoring/elszamolas.h"

#include <cstdlib>

#include "model/asztal.h"

namespace {

// The card at position k of trick t, or nullptr when that position holds nothing
// sensible (a trick that was never played).
const Kartyalap* utes_lapja(const Asztal& a, int t, int k) {
    const UtesLap& u = a.utes_lapok[t][k];
    if (u.seat < 0 || u.seat > 2 || u.slot < 0 || u.slot > 11) return nullptr;
    return &a.jatekosok[u.seat].lapok[u.slot];
}

// The number of tricks that were completed in this deal (0..10).
int kesz_utesek(const Asztal& a) {
    if (a.utes_szam < 0) return 0;
    return a.utes_szam > 10 ? 10 : a.utes_szam;
}

// The winner of completed trick t, or -1.
int utes_nyertese(const Asztal& a, int t) {
    const int w = a.utes_nyero[t][2];
    return (w >= 0 && w <= 2) ? w : -1;
}

// Tricks won by one seat personally (not by its side).
int sajat_utesek(const Asztal& a, int seat) {
    int n = 0;
    for (int t = 0; t < kesz_utesek(a); ++t)
        if (utes_nyertese(a, t) == seat) ++n;
    return n;
}

// Ászok in the tricks one seat won personally; the talon's do not count.
int sajat_aszok(const Asztal& a, int seat) {
    int n = 0;
    for (int t = 0; t < kesz_utesek(a); ++t) {
        if (utes_nyertese(a, t) != seat) continue;
        for (int k = 0; k < 3; ++k) {
            const Kartyalap* l = utes_lapja(a, t, k);
            if (l && l->ertek == ASZ) ++n;
        }
    }
    return n;
}

// The card the seat played to the tenth trick, or nullptr if the deal stopped early.
const Kartyalap* utolso_lapja(const Asztal& a, int seat) {
    if (kesz_utesek(a) < 10) return nullptr;
    for (int k = 0; k < 3; ++k)
        if (a.utes_lapok[9][k].seat == seat) return utes_lapja(a, 9, k);
    return nullptr;
}

bool adu_hetes(const Asztal& a, const Kartyalap* l) {
    return l && a.adu < 4 && l->szin == a.adu && l->ertek == HETES;
}

// The declarer played both the Felső and the Király of a suit himself, as his own
// knowledge table records it (a card laid into the talon does not count).
bool par_kijatszva(const Asztal& a, int szin) {
    if (szin < 0 || szin > 3) return false;
    const int D = a.felvevo;
    const Jatekos& j = a.jatekosok[D];
    return j.hol[szin][FELSO] == HOL_JATSZOTT + D && j.hol[szin][KIRALY] == HOL_JATSZOTT + D;
}

// Contra words, by the declarer's multiplier and by a defender's.
const char* felvevo_kontra_szo(int M) {
    switch (M) {
        case 3: return " egyszeresen kontrázott";
        case 4: return " kontra";
        case 5: return " egyszeresen rekontrázott";
        case 8: return " rekontra";
        default: return "";
    }
}
const char* vedo_kontra_szo(int m) {
    switch (m) {
        case 2: return " kontra";
        case 4: return " rekontra";
        default: return "";
    }
}

// Writes the three lines of each settled row and keeps the running totals.
struct Konyveles {
    const Asztal& a;
    Elszamolas& e;
    int D, A, B;
    int R;               // 2 in a Piros contract
    std::string piros;   // the red word of the colour lines

    explicit Konyveles(const Asztal& asztal, Elszamolas& el)
        : a(asztal), e(el), D(asztal.felvevo), A(kovetkezo(asztal.felvevo)),
          B(elozo(asztal.felvevo)), R(asztal.adu == PIROS ? 2 : 1),
          piros(asztal.adu == PIROS ? " piros" : "") {}

    // The front of a line (verb, article, words) and the phrase ending in ": ", then
    // the sign and the amount.
    void sor(int seat, const std::string& eleje, const std::string& kifejezes, int32_t osszeg) {
        std::string s = eleje + kifejezes + (osszeg > 0 ? "+" : "-") +
                        std::to_string(std::abs(osszeg)) + " Ft";
        e.sorok[seat].push_back(std::move(s));
        e.osszeg[seat] += osszeg;
    }

    // Shared multipliers of component i: each defender's m, the declarer's M = 2m.
    int kozos_m(int i) const {
        const int c = (a.jatekosok[A].kontra[i] || a.jatekosok[B].kontra[i]) ? 1 : 0;
        const int r = a.jatekosok[D].kontra[i] ? 1 : 0;
        return 1 + c + 2 * r;
    }

    // One row with the shared contra of component i. `d_osszeg` and `v_osszeg` are the
    // declarer's and each defender's signed amounts; the phrases are per side.
    void kozos_sor(int i, bool teljesult, const std::string& d_kifejezes,
                   const std::string& v_kifejezes, int32_t d_osszeg, int32_t v_osszeg,
                   const std::string& nelkuli = "") {
        const int m = kozos_m(i);
        const std::string d_szo = felvevo_kontra_szo(2 * m);
        const std::string v_szo = vedo_kontra_szo(m);
        const bool ulti = (i == L_ULTI);
        // Only the announced Ulti turns the article into "az", and only when no word
        // stands between the article and "ultit".
        auto z = [&](const std::string& szo) {
            return (ulti && R == 1 && szo.empty()) ? "z" : "";
        };
        const std::string d_ige = teljesult ? "Teljesítette a" : "Elbukta a";
        const std::string v_ige =
            teljesult ? (i == L_PASSZ ? "Elbukta a" : "Kifizeti a") : "Elbuktatta a";
        const std::string d_eleje = d_ige + z(d_szo) + nelkuli + d_szo + piros;
        const std::string v_eleje = v_ige + z(v_szo) + nelkuli + v_szo + piros;
        // Seat order 0, 1, 2 keeps the columns aligned; each writes its own line.
        for (int s = 0; s < 3; ++s) {
            if (s == D) sor(s, d_eleje, d_kifejezes, d_osszeg);
            else sor(s, v_eleje, v_kifejezes, v_osszeg);
        }
    }

    // A row with the shared contra and one phrase for everyone: each defender pays
    // (or, failed, receives) egyseg * m * R, the declarer twice that.
    void egyszeru_sor(int i, bool teljesult, int egyseg, const std::string& kifejezes) {
        e.teljesult[i] = teljesult;
        const int m = kozos_m(i);
        const int32_t v = egyseg * m * R;
        const int32_t elojel = teljesult ? 1 : -1;
        kozos_sor(i, teljesult, kifejezes, kifejezes, elojel * 2 * v, -elojel * v);
    }

    // A colourless row: each defender's own contra, answered by the declarer's recontra.
    void szinnelkuli_sor(int i, bool teljesult, int egyseg, const std::string& kifejezes) {
        e.teljesult[i] = teljesult;
        const int r = a.jatekosok[D].kontra[i] ? 1 : 0;
        int m[3] = {};
        for (int x : {A, B}) {
            const int c = a.jatekosok[x].kontra[i] ? 1 : 0;
            m[x] = 1 + c + 2 * (c & r);
        }
        const int M = m[A] + m[B];
        const int32_t elojel = teljesult ? 1 : -1;
        for (int s = 0; s < 3; ++s) {
            if (s == D) {
                const std::string szo = felvevo_kontra_szo(M);
                const std::string eleje = std::string(teljesult ? "Teljesítette a" : "Elbukta a") +
                                          ((M == 3 || M == 5) ? "z" : "") + szo;
                sor(s, eleje, kifejezes, elojel * egyseg * M);
            } else {
                const std::string eleje =
                    std::string(teljesult ? "Kifizeti a" : "Elbuktatta a") + vedo_kontra_szo(m[s]);
                sor(s, eleje, kifejezes, -elojel * egyseg * m[s]);
            }
        }
    }

    // A silent item of one holder, settled with each of the two other players.
    void csendes_sor(int birtokos, bool teljesult, const std::string& kifejezes,
                     int32_t birtokos_osszeg, int32_t masik_osszeg) {
        for (int s = 0; s < 3; ++s) {
            if (s == birtokos) {
                sor(s, std::string(teljesult ? "Teljesítette a csendes" : "Elbukta a csendes") + piros,
                    kifejezes, birtokos_osszeg);
            } else {
                sor(s, std::string(teljesult ? "Kifizeti a csendes" : "Elbuktatta a csendes") + piros,
                    kifejezes, masik_osszeg);
            }
        }
    }
};

std::string osszesen_sor(int32_t osszeg) {
    if (osszeg == 0) return "Pénz az ablakban!";
    return "Összesen : " + std::string(osszeg > 0 ? "+" : "-") + std::to_string(std::abs(osszeg)) +
           " Ft";
}

}  // namespace

Elszamolas elszamolas(Asztal& a) {
    Elszamolas e;
    Konyveles k(a, e);
    const Licit& j = a.jatek;
    const Jatekos& d = a.jatekosok[k.D];
    const int D = k.D, A = k.A, B = k.B, R = k.R;
    const int tizes_d = d.felvevo_tizes;
    const int tizes_v = d.ellen_tizes;
    const bool szines = a.adu < 4;

    // Row 1: the party, on points (tens plus announced melds); a tie fails.
    const int pont_d = tizes_d + a.jatekosok[D].bemondott;
    const int pont_v = tizes_v + a.jatekosok[A].bemondott + a.jatekosok[B].bemondott;
    if (van_parti(j)) {
        const bool teljesult = pont_d > pont_v;
        e.teljesult[L_PASSZ] = teljesult;
        const int m = k.kozos_m(L_PASSZ);
        const int32_t elojel = teljesult ? 1 : -1;
        const std::string d_kif = " partit " + std::to_string(pont_d * 10) + " " +
                                  std::to_string(pont_v * 10) + " arányban: ";
        const std::string v_kif = " partit " + std::to_string(pont_v * 10) + " " +
                                  std::to_string(pont_d * 10) + " arányban: ";
        k.kozos_sor(L_PASSZ, teljesult, d_kif, v_kif, elojel * 2 * m * R, -elojel * m * R);

        // Rows 2 and 3: a side reaching 100 gets its silent 100, without contra.
        if (pont_d > 9) k.csendes_sor(D, true, " 100-at: ", 2 * R, -R);
        if (pont_v > 9) {
            for (int s = 0; s < 3; ++s) {
                if (s == D) k.sor(s, "Kifizeti a csendes" + k.piros, " 100-at: ", -2 * R);
                else k.sor(s, "Teljesítette a csendes" + k.piros, " 100-at: ", R);
            }
        }
    }

    // Rows 4 and 5: the 100 games need the pair played by the declarer himself.
    // One shape for both: the meld's name and points, the base amount, the tens needed.
    auto szaz_sor = [&](int flag, const std::string& nev, int meld, int alap, int kuszob,
                        bool par) {
        const bool teljesult = tizes_d > kuszob && par;
        e.teljesult[flag] = teljesult;
        const int m = k.kozos_m(flag);
        const int32_t elojel = teljesult ? 1 : -1;
        const std::string jatek = " " + nev + "-100-at";
        if (par) {
            k.kozos_sor(flag, teljesult,
                        jatek + " " + std::to_string(tizes_d * 10 + meld) + " fogással: ",
                        jatek + " " + std::to_string(tizes_v * 10) + " fogással: ",
                        elojel * alap * 2 * m * R, -elojel * alap * m * R);
        } else {
            k.kozos_sor(flag, false, jatek + ": ", jatek + ": ", -alap * 2 * m * R,
                        alap * m * R, " " + nev + " nélküli");
        }
    };
    if (j.negyven_szaz)
        szaz_sor(L_NEGYVEN_SZAZ, "40", 40, 4, 5, szines && par_kijatszva(a, a.adu));
    if (j.husz_szaz) {
        bool par = false;
        for (int sz = 0; sz < 4 && !par; ++sz)
            if (sz != a.adu && par_kijatszva(a, sz)) par = true;
        szaz_sor(L_HUSZ_SZAZ, "20", 20, 6, 7, par);
    }

    // Row 6: Ulti, won with the trump 7 in the last trick; failing costs 4 more per
    // defender.
    if (j.ulti) {
        const bool teljesult = kesz_utesek(a) == 10 && utes_nyertese(a, 9) == D &&
                               adu_hetes(a, utolso_lapja(a, D));
        e.teljesult[L_ULTI] = teljesult;
        const int m = k.kozos_m(L_ULTI);
        if (teljesult)
            k.kozos_sor(L_ULTI, true, " ultit: ", " ultit: ", 4 * 2 * m * R, -4 * m * R);
        else
            k.kozos_sor(L_ULTI, false, " ultit: ", " ultit: ", -(4 * 2 * m + 8) * R,
                        (4 * m + 4) * R);
    }

    // Row 7: a silent Ulti of whoever played the trump 7 to the last trick.
    if (!j.ulti && szines) {
        for (int s : {D, A, B}) {
            if (!adu_hetes(a, utolso_lapja(a, s))) continue;
            if (utes_nyertese(a, 9) == s) k.csendes_sor(s, true, " ultit: ", 4 * R, -2 * R);
            else k.csendes_sor(s, false, " ultit: ", -8 * R, 4 * R);
        }
    }

    // Row 8 and 9: Négy Ász, announced on the side's Ászok, silent on one player's.
    if (j.negy_asz) k.egyszeru_sor(L_NEGY_ASZ, d.felvevo_asz == 4, 4, " négy ászt: ");
    if (!j.negy_asz && szines) {
        for (int s : {D, A, B})
            if (sajat_aszok(a, s) == 4) k.csendes_sor(s, true, " négy ászt: ", 4 * R, -2 * R);
    }

    // Rows 10 to 12: Durchmars; the silent one pays 7 in Piros, not 8.
    if (j.durchmars) k.egyszeru_sor(L_DURCHMARS, d.felvevo_utes == 10, 7, " durchmarsot: ");
    if (!j.durchmars && !j.teritett_durchmars && szines) {
        for (int s : {D, A, B})
            if (sajat_utesek(a, s) == 10)
                k.csendes_sor(s, true, " durchmarsot: ", R == 2 ? 14 : 8, R == 2 ? -7 : -4);
    }
    if (j.teritett_durchmars)
        k.egyszeru_sor(L_TERITETT_DURCHMARS, d.felvevo_utes == 10, 14, " terített durchmarsot: ");

    // Rows 13 to 18: the colourless games, each defender with his own contra.
    if (j.betli) k.szinnelkuli_sor(L_BETLI, d.felvevo_utes == 0, 5, " betlit: ");
    if (j.rebetli) k.szinnelkuli_sor(L_REBETLI, d.felvevo_utes == 0, 10, " rebetlit: ");
    if (j.teritett_betli)
        k.szinnelkuli_sor(L_TERITETT_BETLI, d.felvevo_utes == 0, 20, " terített betlit: ");
    if (j.szinnelkuli_durchmars)
        k.szinnelkuli_sor(L_SZINNELKULI_DURCHMARS, d.felvevo_utes == 10, 7,
                          " színnélküli durchmarsot: ");
    if (j.redurchmars)
        k.szinnelkuli_sor(L_REDURCHMARS, d.felvevo_utes == 10, 14, " redurchmarsot: ");
    if (j.szinnelkuli_teritett_durchmars)
        k.szinnelkuli_sor(L_SZINNELKULI_TERITETT_DURCHMARS, d.felvevo_utes == 10, 28,
                          " színnélküli terített durchmarsot: ");

    // Piros is made with the whole contract: every settled component of it made.
    if (j.piros) {
        bool mind = true;
        for (int i = 0; i < LICIT_FLAGEK; ++i) {
            const bool jatszott = (i == L_PASSZ) ? van_parti(j) : (i != L_PIROS && j[i]);
            if (jatszott && !e.teljesult[i]) mind = false;
        }
        e.teljesult[L_PIROS] = mind;
    }

    // Totals: an empty line, the total line, the balances and the labels.
    for (int s = 0; s < 3; ++s) {
        e.sorok[s].push_back("");
        e.sorok[s].push_back(osszesen_sor(e.osszeg[s]));
        a.jatekosok[s].egyenleg += e.osszeg[s];
    }
    for (int s = 0; s < 3; ++s) {
        const int32_t b = a.jatekosok[s].egyenleg;
        e.cimke[s] = a.jatekosok[s].nev + " " + (b > 0 ? "+" : "") + std::to_string(b) + " Ft";
    }
    return e;
}

Utesek utesek_gyujtese(const Asztal& a) {
    Utesek u;
    for (int s = 0; s < 3; ++s) u.nev[s] = a.jatekosok[s].nev;
    // Each completed trick goes whole to its winner, so a column never ends mid-row.
    for (int t = 0; t < kesz_utesek(a); ++t) {
        const int w = utes_nyertese(a, t);
        const Kartyalap* l[3] = {utes_lapja(a, t, 0), utes_lapja(a, t, 1), utes_lapja(a, t, 2)};
        if (w < 0 || !l[0] || !l[1] || !l[2] || u.db[w] > 27) continue;
        for (int k = 0; k < 3; ++k) u.kep[w][u.db[w]++] = l[k]->kep;
    }
    return u;
}
