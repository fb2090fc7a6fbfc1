#include "table/dialogusok.h"

#include "model/asztal.h"

namespace {

// Bid values differ by at least 0.1; this only absorbs rounding of the doubles.
constexpr double EPS = 1e-9;

constexpr int32_t ELSO_RADIO = L_BETLI;

void radiok_torlese(LicitDialogus& d) {
    for (int i = ELSO_RADIO; i < LICIT_FLAGEK; ++i) d.doboz[i] = false;
}

void torol(LicitDialogus& d, std::initializer_list<int> dobozok) {
    for (int i : dobozok) d.doboz[i] = false;
}

// A pair: the seat's own table gives it both the Felső and the Király of the suit.
bool par(const Jatekos& p, int32_t szin) {
    return p.hol[szin][FELSO] == p.sorszam && p.hol[szin][KIRALY] == p.sorszam;
}

}  // namespace

void licit_dlg_passzra(Asztal& a) {
    for (bool& b : a.licit_dlg.doboz) b = false;
    a.licit_dlg.doboz[L_PASSZ] = true;
}

void licit_kattintas(Asztal& a, int32_t i, bool bejelolve) {
    if (i < 0 || i >= LICIT_FLAGEK) return;
    LicitDialogus& d = a.licit_dlg;
    if (i >= ELSO_RADIO) bejelolve = true;  // a radio button is checked by its click
    d.doboz[i] = bejelolve;
    if (bejelolve) {
        switch (i) {
            case L_PASSZ:
                torol(d, {L_NEGYVEN_SZAZ, L_HUSZ_SZAZ, L_ULTI, L_NEGY_ASZ, L_DURCHMARS,
                          L_TERITETT_DURCHMARS});
                radiok_torlese(d);
                break;
            case L_PIROS:
                radiok_torlese(d);
                break;
            case L_NEGYVEN_SZAZ:
                torol(d, {L_PASSZ, L_HUSZ_SZAZ});
                radiok_torlese(d);
                break;
            case L_HUSZ_SZAZ:
                torol(d, {L_PASSZ, L_NEGYVEN_SZAZ});
                radiok_torlese(d);
                break;
            case L_ULTI:
            case L_NEGY_ASZ:
                torol(d, {L_PASSZ});
                radiok_torlese(d);
                break;
            case L_DURCHMARS:
                torol(d, {L_PASSZ, L_TERITETT_DURCHMARS});
                radiok_torlese(d);
                break;
            case L_TERITETT_DURCHMARS:
                torol(d, {L_PASSZ, L_DURCHMARS});
                radiok_torlese(d);
                break;
            default:
                // One of the colourless games: it stands alone.
                for (int k = 0; k < LICIT_FLAGEK; ++k) d.doboz[k] = (k == i);
                break;
        }
    }
    a.uj_licit_ertek = licit_erteke(licit_dlg_licit(a));
    d.edit1 = ertek_szoveg(a.uj_licit_ertek);
}

Licit licit_dlg_licit(const Asztal& a) {
    Licit l;
    for (int i = 0; i < LICIT_FLAGEK; ++i) l[i] = a.licit_dlg.doboz[i] ? 1 : 0;
    return l;
}

std::string licit_kesz(const Asztal& a) {
    const double v = a.uj_licit_ertek;
    if (v < EPS) return "Valamit licitálni kell!";
    if (v > a.licit_ertek + EPS) return "";
    if (v < 0.15 && !a.benyult) return "";  // only "Passz": a pass, or the opening bid
    return "Túl kicsi a vállalás!";
}

void adu_dlg_uritese(Asztal& a) {
    for (bool& b : a.adu_dlg.radio) b = false;
}

void adu_kattintas(Asztal& a, int32_t radio) {
    static const int32_t szin[4] = {-1, TOK, ZOLD, MAKK};
    if (radio < 1 || radio > 3) return;
    for (int k = 1; k <= 3; ++k) a.adu_dlg.radio[k] = (k == radio);
    a.adu = szin[radio];
}

std::string adu_kesz(const Asztal& a) {
    for (int k = 1; k <= 3; ++k)
        if (a.adu_dlg.radio[k]) return "";
    return "Válassza ki az adu színét!";
}

bool bejelentes_elokeszites(Asztal& a, bool rekontra) {
    BejelentesDialogus& d = a.bej_dlg;
    Jatekos& p = a.jatekosok[a.soron];
    const int32_t felvevo = a.felvevo;
    const Jatekos& elso = a.jatekosok[kovetkezo(felvevo)];
    const Jatekos& masodik = a.jatekosok[elozo(felvevo)];
    for (bool& e : d.enabled) e = false;

    if (!rekontra) {
        d.groupbox3 = "Kontrák színjátékban";
        d.groupbox4 = "Kontrák színnélküli játékban";
        const bool parti = van_parti(a.jatek);
        const bool szines = a.adu >= 0 && a.adu < 4;
        // Melds count only in a party game with a trump suit.
        if (parti && szines) {
            d.enabled[1] = par(p, a.adu);
            int n = 0;
            for (int s = 0; s < 4; ++s)
                if (s != a.adu && par(p, s)) ++n;
            d.enabled[15] = n >= 1;
            d.enabled[16] = n >= 2;
            d.enabled[17] = n >= 3;
        }
        // Contras: only a defender; a colour component once for both defenders,
        // a colourless one for each defender on his own.
        const bool vedo = a.soron != felvevo;
        d.enabled[2] = vedo && parti && !elso.kontra[L_PASSZ];
        for (int pos = L_NEGYVEN_SZAZ; pos <= L_TERITETT_DURCHMARS; ++pos)
            d.enabled[pos + 1] = vedo && a.jatek[pos] && !elso.kontra[pos];
        for (int pos = L_BETLI; pos < LICIT_FLAGEK; ++pos)
            d.enabled[pos + 1] = vedo && a.jatek[pos];
    } else {
        d.groupbox3 = "Rekontrák színjátékban";
        d.groupbox4 = "Rekontrák színnélküli játékban";
        // Only what a defender doubled can be redoubled; melds stay as announced.
        for (int doboz = 2; doboz <= 14; ++doboz) {
            const int32_t pos = kontra_pozicio(doboz);
            d.enabled[doboz] = elso.kontra[pos] || masodik.kontra[pos];
        }
    }

    d.checked[1] = p.negyven != 0;
    for (int doboz = 2; doboz <= 14; ++doboz) d.checked[doboz] = false;
    for (int k = 1; k <= 3; ++k) d.checked[14 + k] = p.husz_db == k;

    for (int doboz = 1; doboz <= 17; ++doboz)
        if (d.enabled[doboz]) return true;
    return false;
}

void bejelentes_kattintas(Asztal& a, int32_t doboz, bool bejelolve) {
    BejelentesDialogus& d = a.bej_dlg;
    if (doboz < 1 || doboz > 17 || !d.enabled[doboz]) return;
    Jatekos& p = a.jatekosok[a.soron];
    d.checked[doboz] = bejelolve;
    if (doboz == 1) {
        p.negyven = bejelolve ? 1 : 0;
    } else if (doboz >= 15) {
        if (bejelolve)
            for (int k = 15; k <= 17; ++k)
                if (k != doboz) d.checked[k] = false;
        p.husz_db = bejelolve ? doboz - 14 : 0;
    } else {
        p.kontra[kontra_pozicio(doboz)] = bejelolve ? 1 : 0;
    }
}

void bejelentes_kesz(Asztal& a) {
    Jatekos& p = a.jatekosok[a.soron];
    p.bemondott = 4 * p.negyven + 2 * p.husz_db;
}
