#include "table/rajzolas.h"

#include <algorithm>

#include "model/asztal.h"
#include "model/osztas.h"
#include "table/utmutato.h"

namespace {

// The trick being drawn: `utes_szam` stays at 9 until the flow has advanced past
// the last card, but never read trick 10's entries.
int32_t rajzolt_utes(const Asztal& a) { return std::clamp(a.utes_szam, 0, 9); }

int32_t ervenyes_ules(int32_t s) { return (s >= 0 && s <= 2) ? s : 0; }

// The seat that led trick t.
int32_t hivo(const Asztal& a, int32_t t) {
    const UtesLap& elso = a.utes_lapok[t][0];
    if (elso.seat >= 0 && elso.seat <= 2) return elso.seat;
    return ervenyes_ules(a.utes_nyero[t][0]);
}

// Picture number of the card at position k of trick t, or -1 when none lies there.
int32_t utes_kep(const Asztal& a, int32_t t, int32_t k) {
    const UtesLap& u = a.utes_lapok[t][k];
    if (u.seat < 0 || u.seat > 2 || u.slot < 0 || u.slot > 11) return -1;
    return a.jatekosok[u.seat].lapok[u.slot].kep;
}

// Shows the card of trick position k face up on picture `image`, or hides the
// picture when the position is still empty.
void utes_lap_mutatasa(const Asztal& a, AsztalNezet& n, int32_t image, int32_t t, int32_t k) {
    const int32_t kep = utes_kep(a, t, k);
    n.image[image].lathato = kep >= 0;
    if (kep >= 0) n.image[image].kep = kep;
}

void rejt(AsztalNezet& n, int32_t image) { n.image[image].lathato = false; }
void rejt(Asztal& a, int32_t image) { rejt(a.nezet, image); }

// Step 1 of the drawing: trick t up to position p and the names, seen from the seat
// at the bottom, written into `n`.
void utes_es_nevek(const Asztal& a, AsztalNezet& n, int32_t t, int32_t p) {
    if (a.fazis < 0) return;
    auto nev = [&](int32_t s) { return a.jatekosok[(s % 3 + 3) % 3].nev; };

    if (a.emberek_szama == 1) {
        const int32_t b = ervenyes_ules(a.ember_helye);
        if (p == 0) {
            n.memo2 = nev(b);
            n.memo3 = nev(b + 1);
            n.memo4 = nev(b + 2);
        }
        // Picture of a seat: the bottom seat's card lies at Image15, the right's
        // at Image16, the left's at Image17.
        const int32_t elso = hivo(a, t);
        for (int32_t k = 0; k < 3; ++k) {
            const int32_t ules = (elso + k) % 3;
            const int32_t image = 15 + (ules - b + 3) % 3;
            if (k <= p)
                utes_lap_mutatasa(a, n, image, t, k);
            else
                rejt(n, image);
        }
        return;
    }

    // With no human or three, the view turns with the player P of the last card.
    if (a.emberek_szama != 0 && a.emberek_szama != 3) return;
    const UtesLap& utolso = a.utes_lapok[t][p];
    const int32_t P = (utolso.seat >= 0 && utolso.seat <= 2) ? utolso.seat : (hivo(a, t) + p) % 3;
    // Pictures of the card just played, the one before it, and the one before that.
    int32_t most, elotte, ket_elotte;
    if (a.emberek_szama == 0) {
        n.memo2 = nev(P);
        n.memo3 = nev(P + 1);
        n.memo4 = nev(P + 2);
        most = 15, elotte = 17, ket_elotte = 16;
    } else {
        n.memo4 = nev(P);
        n.memo2 = nev(P + 1);
        n.memo3 = nev(P + 2);
        most = 17, elotte = 16, ket_elotte = 15;
    }
    utes_lap_mutatasa(a, n, most, t, p);
    if (p > 0)
        utes_lap_mutatasa(a, n, elotte, t, (p + 2) % 3);
    else
        rejt(n, elotte);
    if (p > 1)
        utes_lap_mutatasa(a, n, ket_elotte, t, (p + 1) % 3);
    else
        rejt(n, ket_elotte);
}

// Step 3 for one opponent X whose diagonal ends at picture `utolso` (Image27 for
// the right seat, Image37 for the left): the hand shrinks from that end, and in an
// open contract it lies face up from the second trick on.
void ellenfel_keze(Asztal& a, int32_t X, int32_t utolso) {
    const int32_t t = rajzolt_utes(a);
    const int32_t p = std::clamp(a.utes_lapszam, 0, 2);
    const bool nyitott = teritett(a.jatek);
    const bool most_jatszott = (X - hivo(a, t) + 3) % 3 == p;
    const bool masodik_kezdete = t == 1 && p == 0;
    if (!most_jatszott && !(nyitott && masodik_kezdete)) return;

    const int32_t tart = kezben_tartott(a, X);
    for (int32_t j = 0; j < 10; ++j)
        if (tart < j + 1) rejt(a, utolso - j);

    if (nyitott && (masodik_kezdete || (t > 0 && most_jatszott))) {
        const int32_t n = kezben_levo(a, X);
        for (int32_t j = 0; j < std::min(tart, n); ++j)
            a.nezet.image[utolso - j].kep = a.jatekosok[X].lapok[a.kezben[j]].kep;
    }
}

}  // namespace

void ablak_indulas(Asztal& a) {
    AsztalNezet& n = a.nezet;
    n.memo1.clear();
    n.button1_lathato = true;
    n.button1_felirat = "Új parti";
    for (int k = 1; k <= 12; ++k) n.image[k] = KepNezet{true, HATLAP};
    rejt(a, 13);
    rejt(a, 14);
    // No deal yet: an empty trick, the opponents' backs, no "Passz" to press.
    for (int k = 15; k <= 17; ++k) rejt(a, k);
    for (int k = 18; k <= 37; ++k) n.image[k] = KepNezet{true, HATLAP};
    n.button2_lathato = false;
    n.hint_latszik = false;
    n.memo2 = a.jatekosok[0].nev;
    n.memo3 = a.jatekosok[1].nev;
    n.memo4 = a.jatekosok[2].nev;
}

int32_t kezben_tartott(const Asztal& a, int32_t seat) {
    if (a.fazis == F_NINCS_PARTI) return 10;
    if (a.utes_szam > 9) return 0;
    const int32_t t = rajzolt_utes(a);
    const int32_t k = (seat - hivo(a, t) + 3) % 3;
    return 9 - t + (k > a.utes_lapszam ? 1 : 0);
}

void asztal_rajzolas(Asztal& a) {
    // Step 1: trick and names.
    utes_es_nevek(a, a.nezet, rajzolt_utes(a), std::clamp(a.utes_lapszam, 0, 2));
    // Step 2 is `kezben_tartott`; step 3: the opponents' hands, for one human only.
    if (a.emberek_szama != 1) return;
    if (a.fazis < 0) {
        for (int k = 18; k <= 37; ++k) a.nezet.image[k] = KepNezet{true, HATLAP};
        return;
    }
    const int32_t b = ervenyes_ules(a.ember_helye);
    ellenfel_keze(a, kovetkezo(b), 27);
    ellenfel_keze(a, elozo(b), 37);
}

bool utolso_utes_nezet(const Asztal& a, AsztalNezet& ki) {
    if (a.fazis != F_JATEK_EMBER && a.fazis != F_JATEK_GEP) return false;
    if (a.utes_szam < 1 || a.utes_szam > 10) return false;
    ki = a.nezet;
    // The trick as step 1 drew it when its third card fell.
    utes_es_nevek(a, ki, a.utes_szam - 1, 2);
    return true;
}

void kez_rajzolas(Asztal& a, int32_t seat, int32_t db) {
    const int32_t n = kezben_levo(a, seat);
    // Positions 1..9 follow the held-slot list, so played cards leave no gap.
    for (int32_t k = 1; k <= 9; ++k) {
        KepNezet& kep = a.nezet.image[k];
        kep.lathato = true;
        if (db < k || k > n) {
            kep.lathato = false;
            continue;
        }
        kep.kep = a.jatekosok[seat].lapok[a.kezben[k - 1]].kep;
    }
    // Positions 10..12 are reached only by full hands: slots 9..11 directly.
    static const int32_t kepek[3] = {10, 13, 14};
    for (int32_t k = 10; k <= 12; ++k) {
        KepNezet& kep = a.nezet.image[kepek[k - 10]];
        kep.lathato = db >= k;
        if (kep.lathato) kep.kep = a.jatekosok[seat].lapok[k - 1].kep;
    }
}

void talon_kattintas(Asztal& a) {
    // Taking the talon commits to a higher bid; when none exists the person would be
    // left in the bidding dialog with no way out.
    if (a.fazis != F_LICIT_EMBER || !licit_emelheto(a.licit_ertek)) {
        if (a.fazis != F_ELSO_DOBAS && a.fazis != F_MASODIK_DOBAS)
            elutasitas(a, a.fazis == F_LICIT_EMBER ? "Ennél magasabb licit nincs: a talont nem veheti fel."
                                                   : "A talont csak licit közben, a saját körében veheti fel.");
        return;
    }
    a.nezet.hint_latszik = false;
    if (a.licitek_szama > 0) a.nezet.button2_lathato = false;
    const int32_t s = a.soron;
    Jatekos& j = a.jatekosok[s];

    if (!a.benyult) {
        // Step 1: turn the talon up; the previous taker no longer knows where it is.
        a.benyult = 1;
        for (int i = 0; i < 3; ++i) a.jatekosok[i].talonnal = (i == s);
        for (const Kartyalap& k : a.talon) a.jatekosok[a.felvevo].hol[k.szin][k.ertek] = HOL_NEM_TUDOTT;
        for (const Kartyalap& k : a.talon) j.hol[k.szin][k.ertek] = HOL_TALON;
        a.felvevo = s;
        a.nezet.image[11].kep = a.talon[0].kep;
        a.nezet.image[12].kep = a.talon[1].kep;
        return;
    }
    // Step 2: take it into the hand.
    a.fazis = F_ELSO_DOBAS;
    j.lapok[10] = a.talon[0];
    j.lapok[11] = a.talon[1];
    for (const Kartyalap& k : a.talon) j.hol[k.szin][k.ertek] = s;
    kez_rendezes(a, s, 12);
    rejt(a, 11);
    rejt(a, 12);
    kez_rajzolas(a, s, 12);
}

void image13_kattintas(Asztal& a) {
    if (a.fazis != F_ELSO_DOBAS && a.fazis != F_MASODIK_DOBAS) return;
    a.nezet.hint_latszik = false;
    const int32_t s = a.soron;
    Jatekos& j = a.jatekosok[s];
    const Kartyalap lap = j.lapok[10];
    // The first card laid back lies at Image11, the second at Image12.
    const int32_t hely = a.fazis == F_ELSO_DOBAS ? 1 : 0;
    a.talon[hely] = lap;
    a.nezet.image[hely == 1 ? 11 : 12] = KepNezet{true, lap.kep};
    j.hol[lap.szin][lap.ertek] = HOL_TALON;
    if (a.fazis == F_ELSO_DOBAS) j.lapok[10] = j.lapok[11];
    const int32_t db = 12 - a.fazis;
    kez_rendezes(a, s, db);
    kez_rajzolas(a, s, db);
    a.fazis = (a.fazis + 1) % 3;
}

void image14_kattintas(Asztal& a) {
    if (a.fazis != F_ELSO_DOBAS) return;
    a.nezet.hint_latszik = false;
    const int32_t s = a.soron;
    Jatekos& j = a.jatekosok[s];
    const Kartyalap lap = j.lapok[11];
    a.talon[1] = lap;
    a.nezet.image[11] = KepNezet{true, lap.kep};
    j.hol[lap.szin][lap.ertek] = HOL_TALON;
    kez_rendezes(a, s, 11);
    kez_rajzolas(a, s, 11);
    a.fazis = F_MASODIK_DOBAS;
}

void atrendezes(Asztal& a) {
    if (a.fazis < F_LICIT_EMBER || a.fazis > F_MASODIK_DOBAS) {
        elutasitas(a, "Átrendezni licit közben lehet; játék közben a lapok az adu szerint állnak.");
        return;
    }
    a.adu = a.adu > 3 ? 0 : NINCS_ADU;
    const int32_t db = a.fazis == F_LICIT_EMBER ? 10 : 10 + (3 - a.fazis);
    kez_rendezes(a, a.soron, db);
    kez_rajzolas(a, a.soron, db);
}

void uj_jatek(Asztal& a) {
    a.fazis = F_NINCS_PARTI;
    a.nezet.button1_felirat = "Új parti";
}

void uj_parti_gomb(Asztal& a) {
    uj_jatek(a);
    a.nezet.button1_lathato = true;
    a.nezet.button2_lathato = false;
}
