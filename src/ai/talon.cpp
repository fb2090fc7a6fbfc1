#include "ai/talon.h"

#include "ai/ertekeles.h"
#include "model/asztal.h"

const int32_t lap_buntetes[8] = {11, 3, 2, 8, 1, 4, 5, 9};

namespace {

inline bool birtokol(const Jatekos& P, int32_t s, int32_t r) {
    return P.hol[s][r] == P.sorszam;
}

// Exchanges hand slot `slot` with talon card `tk`; the taker's table follows the cards.
void csere(Asztal& a, Jatekos& P, int32_t slot, int32_t tk) {
    const Kartyalap kez = P.lapok[slot];
    P.lapok[slot] = a.talon[tk];
    a.talon[tk] = kez;
    P.hol[P.lapok[slot].szin][P.lapok[slot].ertek] = P.sorszam;
    P.hol[kez.szin][kez.ertek] = HOL_TALON;
}

// Puts the cards of positions i and j into the talon; made a second time it undoes
// itself.
void par_csere(Asztal& a, Jatekos& P, int32_t i, int32_t j) {
    if (i < 10) csere(a, P, i, j == 10 ? 1 : 0);
    if (j < 10) csere(a, P, j, 1);
}

// Copies of what an evaluation writes, to put back the ten-card judgement.
struct Ertekeles {
    Licit licit;
    int32_t adu = 0;
    double adu_ertek[5] = {};
    int32_t betli_kezdo_szin = 0;
};

Ertekeles mentes(const Asztal& a, const Jatekos& P, const Licit& l) {
    Ertekeles e;
    e.licit = l;
    e.adu = a.adu;
    for (int32_t c = 0; c < 5; ++c) e.adu_ertek[c] = P.adu_ertek[c];
    e.betli_kezdo_szin = P.betli_kezdo_szin;
    return e;
}

}  // namespace

int32_t eldobasi_buntetes(const Asztal& a, const Jatekos& P, int32_t i, int32_t j, const Licit& B) {
    const bool egy_szin = a.talon[0].szin == a.talon[1].szin;
    int32_t p = 0;
    for (int32_t k = 0; k < 2; ++k) {
        const int32_t s = a.talon[k].szin, r = a.talon[k].ertek;
        const int32_t n = szin_lapszam(P, s);
        // Giving the talon back as it came is cheap once the auction is running.
        if (a.licitek_szama != 0 && ((k == 0 && i == 10) || (k == 1 && j == 11))) p -= 5;
        p += lap_buntetes[r];
        if (k == 0 || !egy_szin) {
            if (n < 4) p += 2 * (4 - n);                  // shortens a short suit
            if (birtokol(P, s, TIZES) && n == 1) p += 2;  // leaves the 10 bare
            if (!birtokol(P, s, FELSO) && !birtokol(P, s, KIRALY)) p += 1;
        }
        if (r == FELSO && !birtokol(P, s, KIRALY)) p += 1;  // half of a twenty
        if (r == KIRALY && !birtokol(P, s, FELSO)) p += 1;
        if (!birtokol(P, s, HETES)) p += 4;
        if (!birtokol(P, s, ASZ)) p += 2;
        if (k == 1 && egy_szin) {
            if (P.hol[s][KIRALY] == HOL_TALON && P.hol[s][FELSO] == HOL_TALON) p += 1;
            if (n < 4) p += 2;
        }
        if (s == a.adu && !B.passz) p += 20;  // never a trump under a real game
        if (s == PIROS) p += 5;
    }
    return p;
}

void talon_atvetel(Asztal& a, int32_t taker) {
    // The former holder no longer knows the talon, the taker does.
    Jatekos& P = a.jatekosok[taker];
    for (Jatekos& j : a.jatekosok) j.talonnal = 0;
    P.talonnal = 1;
    for (const Kartyalap& k : a.talon) {
        a.jatekosok[a.felvevo].hol[k.szin][k.ertek] = HOL_NEM_TUDOTT;
        P.hol[k.szin][k.ertek] = HOL_TALON;
    }
    a.felvevo = taker;
}

Licit talonfelvetel(Asztal& a, int32_t taker) {
    Jatekos& P = a.jatekosok[taker];
    const bool elso = a.licitek_szama == 0;
    const double elozo_ertek = a.licit_ertek;
    // The ten-card judgement that made the caller bid, kept for a later bidder whose
    // twelve cards find nothing worth more than the bid already standing.
    const Licit tiz = licit_valasztas(a, P);
    const Ertekeles tiz_ertekeles = mentes(a, P, tiz);

    talon_atvetel(a, taker);

    // The discard search over all 66 pairs of the twelve cards.
    int32_t bi = 10, bj = 11;
    double b_ertek = -1.0, b_bizalom = 0.0;
    int32_t b_buntetes = 0;
    for (int32_t i = 0; i < 12; ++i)
        for (int32_t j = i + 1; j < 12; ++j) {
            par_csere(a, P, i, j);
            const Licit B = licit_valasztas(a, P);
            const double v = licit_erteke(B);
            const double biz = P.adu_ertek[a.adu];
            const int32_t bunt = eldobasi_buntetes(a, P, i, j, B);
            if (v > b_ertek || (v == b_ertek && biz > b_bizalom) ||
                (v == b_ertek && biz == b_bizalom && bunt < b_buntetes)) {
                bi = i;
                bj = j;
                b_ertek = v;
                b_bizalom = biz;
                b_buntetes = bunt;
            }
            par_csere(a, P, i, j);
        }

    // Fixing the bid on the chosen discard.
    par_csere(a, P, bi, bj);
    Licit F = licit_valasztas(a, P);
    if (!elso && !(licit_erteke(F) > elozo_ertek) && licit_erteke(tiz) > elozo_ertek) {
        // Having taken the talon the computer may not pass: it keeps its ten cards
        // and bids what they were judged worth.
        par_csere(a, P, bi, bj);
        F = tiz;
        a.adu = tiz_ertekeles.adu;
        for (int32_t c = 0; c < 5; ++c) P.adu_ertek[c] = tiz_ertekeles.adu_ertek[c];
        P.betli_kezdo_szin = tiz_ertekeles.betli_kezdo_szin;
    }
    if (licit_erteke(F) == 0.1) a.adu = 0;
    if (licit_erteke(F) > 0.2) F.passz = 0;
    a.gep_adu = a.adu;
    a.jatek = F;
    a.licit_ertek = licit_erteke(F);
    return F;
}

void bemondas_es_kontra(Asztal& a, int32_t seat) {
    Jatekos& P = a.jatekosok[seat];
    const Licit& l = a.jatek;
    const int32_t adu = a.adu;

    // Announcements: a forty and the twenties, only in a game with the party.
    if (van_parti(l) && adu < 4) {
        if (par_allapot(a, P, adu) == 1) P.negyven = 1;
        P.husz_db = 0;
        for (int32_t s = 0; s < 4; ++s)
            if (s != adu && par_allapot(a, P, s) == 1) ++P.husz_db;
        P.bemondott = 4 * P.negyven + 2 * P.husz_db;
    }

    if (seat == a.felvevo) return;  // the declarer only announces
    const int32_t D = a.felvevo;
    const Jatekos& F1 = a.jatekosok[kovetkezo(D)];
    const Jatekos& Dj = a.jatekosok[D];
    // Known to be with a defender, in the talon, or played by a defender.
    auto tavol = [&](int32_t s, int32_t r) {
        const int32_t h = P.hol[s][r];
        return h < 3 && h != D && h != D + HOL_JATSZOTT;
    };
    auto szabad = [&](int flag) { return !F1.kontra[flag]; };
    const int32_t k = a.utes_lapszam;
    const UtesLap& elso = a.utes_lapok[0][0];
    const Kartyalap* hivas = elso.seat >= 0 ? &a.jatekosok[elso.seat].lapok[elso.slot] : nullptr;
    const bool durch = l.durchmars || l.teritett_durchmars;

    if (adu < 4) {
        // Party: the melds announced so far plus the strength of the hand.
        if (van_parti(l) && szabad(L_PASSZ)) {
            const double e = parti_erosseg(a, P, adu);
            const double kuszob = 3 + (l.negy_asz ? 1 : 0);
            bool kontra = false;
            if (k == 2)
                kontra = (F1.bemondott + P.bemondott - Dj.bemondott) / 2 + e > kuszob;
            else if (k == 1)
                kontra = (P.bemondott - Dj.bemondott) / 2 + e > kuszob;
            if (kontra) P.kontra[L_PASSZ] = 1;
        }
        // 40-100: the declarer lacks half of the trump pair.
        if (l.negyven_szaz && szabad(L_NEGYVEN_SZAZ) && (tavol(adu, KIRALY) || tavol(adu, FELSO)))
            P.kontra[L_NEGYVEN_SZAZ] = 1;
        // 20-100: the declarer lacks half of every side pair.
        if (l.husz_szaz && szabad(L_HUSZ_SZAZ)) {
            bool mind = true;
            for (int32_t s = 0; s < 4; ++s)
                if (s != adu && !(tavol(s, KIRALY) || tavol(s, FELSO))) mind = false;
            if (mind) P.kontra[L_HUSZ_SZAZ] = 1;
        }
        // Ulti: the trump 7 is elsewhere, or P is long in trumps and in the led suit.
        if (l.ulti && szabad(L_ULTI)) {
            const int32_t h7 = P.hol[adu][HETES];
            bool kontra = h7 < 3 && h7 != D;
            if (!kontra && !durch && hivas) {
                auto szamol = [&](int32_t s) {
                    int32_t n = 0;
                    for (int32_t r = 0; r < 8; ++r)
                        if (P.hol[s][r] == seat || P.hol[s][r] == seat + HOL_JATSZOTT) ++n;
                    return n;
                };
                const int32_t L = hivas->szin;
                const int32_t aa = szamol(adu), bb = szamol(L);
                kontra =
                    L != adu && aa > 2 && aa + bb > 5 && (parti_erosseg(a, P, adu) > 1 || aa > 3);
            }
            if (kontra) P.kontra[L_ULTI] = 1;
        }
        // Négy Ász.
        if (l.negy_asz && szabad(L_NEGY_ASZ)) {
            bool kontra = tavol(adu, ASZ);
            if (!kontra && !durch) {
                const int32_t n = szin_lapszam(P, adu);
                if (n == 0) {
                    for (int32_t s = 0; s < 4; ++s)
                        if (birtokol(P, s, ASZ)) kontra = true;
                } else if (n >= 2) {
                    for (int32_t s = 0; s < 4; ++s)
                        if (szin_lapszam(P, s) == 0) kontra = true;
                }
            }
            // The declarer led an Ász and the trick is not going its way.
            if (hivas && hivas->ertek == ASZ) {
                if (k == 1 && a.utes_nyero[0][1] != D) kontra = true;
                if (k == 2 && (P.ellen_asz > 0 || a.utes_nyero[0][2] != D)) kontra = true;
            }
            if (kontra) P.kontra[L_NEGY_ASZ] = 1;
        }
        if (l.durchmars && szabad(L_DURCHMARS) && tavol(adu, ASZ)) P.kontra[L_DURCHMARS] = 1;
        if (l.teritett_durchmars && szabad(L_TERITETT_DURCHMARS) && tavol(adu, ASZ))
            P.kontra[L_TERITETT_DURCHMARS] = 1;
    }
    // Betli: a void lets the defender throw its high cards; the partner's contra does
    // not matter here.
    if (l.betli)
        for (int32_t s = 0; s < 4; ++s)
            if (szin_lapszam(P, s) == 0) P.kontra[L_BETLI] = 1;
}
