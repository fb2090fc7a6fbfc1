#include "table/folyam.h"

#include <algorithm>
#include <sstream>
#include <string>

#include "ai/ertekeles.h"
#include "ai/kovetes.h"
#include "ai/lapvalasztas.h"
#include "ai/talon.h"
#include "analysis/szabalyok.h"
#include "model/asztal.h"
#include "model/osztas.h"
#include "scoring/elszamolas.h"
#include "scoring/statisztika.h"
#include "table/dialogusok.h"
#include "table/felulet.h"
#include "table/rajzolas.h"
#include "table/rekordolas.h"
#include "table/utmutato.h"

static_assert(sizeof(Asztal::licitek) / sizeof(Licit) == LICIT_NAPLO_MERET);

namespace {

// Bid values differ by at least 0.1; this only absorbs rounding of the doubles.
constexpr double EPS = 1e-9;

void kep(Asztal& a, int i, int32_t kep_szam) {
    a.nezet.image[i].lathato = true;
    a.nezet.image[i].kep = kep_szam;
}

void talon_hattal(Asztal& a) {
    kep(a, 11, HATLAP);
    kep(a, 12, HATLAP);
}

void talon_nyitva(Asztal& a) {
    kep(a, 11, a.talon[0].kep);
    kep(a, 12, a.talon[1].kep);
}

void nevek_kiirasa(Asztal& a, int32_t also) {
    a.nezet.memo2 = a.jatekosok[also].nev;
    a.nezet.memo3 = a.jatekosok[kovetkezo(also)].nev;
    a.nezet.memo4 = a.jatekosok[elozo(also)].nev;
}

// A line of the log and the seat's name box: "Varko: Passz", then an empty line.
void bejegyzes_kiirasa(Asztal& a, int32_t seat, const std::string& szoveg) {
    a.nezet.memo1.push_back(szoveg);
    a.nezet.memo1.push_back("");
    nev_doboz(a, seat) = szoveg;
}

// A message of play: the log line, a line holding one blank, the name box.
void uzenet_kiirasa(Asztal& a, int32_t seat, const std::string& szoveg) {
    a.nezet.memo1.push_back(szoveg);
    a.nezet.memo1.push_back(" ");
    nev_doboz(a, seat) = szoveg;
}

// Why the deal ended, as a line of the log with what comes next.
void parti_vege_naplo(Asztal& a) {
    a.nezet.memo1.push_back(parti_vege_szoveg(a, true));
    a.nezet.memo1.push_back(" ");
}

void naplozas(Asztal& a, const Licit& l) {
    // The auction ends when the log is full, so this never runs past its end.
    if (a.licitek_szama < LICIT_NAPLO_MERET) a.licitek[a.licitek_szama++] = l;
    a.soron = kovetkezo(a.soron);
}

bool ember(const Asztal& a, int32_t seat) {
    return a.jatekosok[seat].ember != 0;
}

// With no human at the table each click shows the hand of the seat that just bid
// and the talon face up.
void gep_licit_nezet(Asztal& a) {
    a.adu = 0;
    kez_rajzolas(a, elozo(a.soron), 10);
    talon_nyitva(a);
}

std::string szam_szoveg(double v) {
    std::ostringstream ss;
    ss << v;
    return ss.str();
}

// The declarer names a free trump suit in one of two ways, chosen at random (in a
// replay, as recorded). Returns whether it said "Színe".
bool adu_bejelentes(Asztal& a) {
    if (a.adu < 0 || a.adu > 2) return false;
    const RekordLepes* l = eloirt(a);
    const bool szine = visszajatszas_fut(a) ? l && l->szine : veletlen(a, 2) != 0;
    const std::string szoveg = a.jatekosok[a.soron].nev + (szine ? ": Színe " : ": Az Adu ") + szinnevek[a.adu];
    uzenet_kiirasa(a, a.soron, szoveg);
    return szine;
}

// After a card: the end of the deal, or whose kind of turn comes next.
void kovetkezo_fazis(Asztal& a) {
    if (a.fazis == F_VEGE) {
        parti_vege_naplo(a);
        talon_nyitva(a);
        a.nezet.button1_lathato = true;
        a.nezet.button1_felirat = "Eredmény";
    } else {
        a.fazis = ember(a, a.soron) ? F_JATEK_EMBER : F_JATEK_GEP;
    }
}

// The announcements and contras of a human before his first card.
void kontra_ajanlat(Asztal& a, Felulet& f) {
    if (a.utes_szam == 0 && bejelentes_elokeszites(a, false)) {
        f.bejelentes_dialogus(a);
        bemondasok_kiirasa(a, f, false);
    }
}

// The recontras of a human declarer, once, as the second trick is about to be led.
void rekontra_ajanlat(Asztal& a, Felulet& f) {
    if (a.utes_szam != 1 || a.utes_lapszam != 0 || !ember(a, a.felvevo)) return;
    const int32_t soron = a.soron;
    a.soron = a.felvevo;
    if (bejelentes_elokeszites(a, true)) {
        f.bejelentes_dialogus(a);
        bemondasok_kiirasa(a, f, true);
    }
    a.soron = soron;
}

// Step 1-2 of the computer's card, and the hint: the choice for the seat on turn.
int32_t valasztas(Asztal& a) {
    a.vizsgalt_utes = a.utes_szam;
    a.vizsgalt_lapszam = a.utes_lapszam;
    kezben_levo(a, a.soron);
    return lapvalasztas(a, a.jatekosok[a.soron]);
}

// Takes over what a choice made on a copy wrote: the chooser's scores, suits and
// working hands, the candidate and trick tables (the search leaves its scratch in
// them), the counters and the random source. Everything else (names, the view, the
// dialogs) stays as the window has it; the differential test of the table flow
// holds this list to what the choice in place leaves.
int32_t dontes_atvetele(Asztal& a, const LapDontes& d) {
    const Asztal& b = d.tabla;
    Jatekos& p = a.jatekosok[b.soron];
    const Jatekos& q = b.jatekosok[b.soron];
    std::copy_n(&q.elosztas[0][0], 3 * 12, &p.elosztas[0][0]);
    std::copy_n(q.lap_pont, 10, p.lap_pont);
    p.hivo_szin = q.hivo_szin;
    p.ellenfel_szin = q.ellenfel_szin;
    a.heuferli = b.heuferli;
    std::copy_n(b.kezben, 10, a.kezben);
    a.vizsgalt_utes = b.vizsgalt_utes;
    a.vizsgalt_lapszam = b.vizsgalt_lapszam;
    std::copy_n(&b.utes_lapok[0][0], 10 * 3, &a.utes_lapok[0][0]);
    std::copy_n(&b.utes_nyero[0][0], 10 * 3, &a.utes_nyero[0][0]);
    std::copy_n(b.utes_tizes, 10, a.utes_tizes);
    std::copy_n(b.utes_asz, 10, a.utes_asz);
    std::copy_n(&b.jelolt_lapok[0][0], 10 * 3, &a.jelolt_lapok[0][0]);
    std::copy_n(&b.probalt[0][0], 10 * 3, &a.probalt[0][0]);
    a.keresett_lapok = b.keresett_lapok;
    a.rng = b.rng;
    return d.slot;
}

// The choice taken over when one was made beforehand and is still timely, else
// made now.
int32_t valasztas(Asztal& a, const LapDontes* kesz) {
    return kesz && dontes_idoszeru(a, *kesz) ? dontes_atvetele(a, *kesz) : valasztas(a);
}

// A hand card clicked when no card is to be played or laid back: why nothing happens.
void kep_elutasitas(Asztal& a) {
    switch (a.fazis) {
        case F_LICIT_EMBER:
            elutasitas(a, "Licit közben nem lehet lapot kijátszani: licitáljon vagy passzoljon.");
            break;
        case F_LICIT_GEP: elutasitas(a, "Most a gépek licitálnak."); break;
        case F_JATEK_GEP:
            elutasitas(a, "Most " + a.jatekosok[a.soron].nev + " jön: várja meg a lapját.");
            break;
        case F_VEGE: elutasitas(a, "A parti véget ért: kattintson az „Eredmény” gombra!"); break;
        case F_NINCS_PARTI: elutasitas(a, "Nincs parti: kattintson az „Új parti” gombra!"); break;
        default: break;
    }
}

}  // namespace

bool segitseg_kerese(Asztal& a) {
    if (segitseg_kerheto(a)) return true;
    elutasitas(a, "Ajánlott lapot akkor kérhet, amikor Ön jön a játékban.");
    return false;
}

void uj_jatek_kezdes(Asztal& a, Felulet& f) {
    uj_jatek(a);
    jatek_nullazas(a);
    // As at start-up: the first bidder of the first deal is the seat after dealer 2.
    a.oszto = 1;
    a.kezi_osztas = 0;
    button1_kattintas(a, f);
}

void lap_dontes(LapDontes& d) { d.slot = valasztas(d.tabla); }

DontesHelye dontes_helye(const Asztal& a) {
    return {a.parti_sorszam, a.fazis, a.soron, a.utes_szam, a.utes_lapszam};
}

bool dontes_idoszeru(const Asztal& a, const LapDontes& d) {
    return dontes_helye(a) == dontes_helye(d.tabla);
}

bool segitseg_kerheto(const Asztal& a) { return a.fazis == F_JATEK_EMBER; }

void tovabblepes(Asztal& a) {
    a.soron = kovetkezo(a.soron);
    if (a.utes_lapszam < 2) {
        ++a.utes_lapszam;
        return;
    }
    a.soron = a.utes_nyero[a.utes_szam][2];
    a.utes_lapszam = 0;
    if (a.utes_szam == 9) a.fazis = F_VEGE;
    ++a.utes_szam;
}

bool licit_lezarult(const Asztal& a) {
    return a.passzok >= 3 || a.licitek_szama >= LICIT_NAPLO_MERET;
}

void parti_inditas(Asztal& a, Felulet& f) {
    AsztalNezet& n = a.nezet;
    // Step 1: who sits at the table.
    a.emberek_szama = 0;
    for (int s = 2; s >= 0; --s)
        if (ember(a, s)) {
            ++a.emberek_szama;
            a.ember_helye = s;
        }
    // Step 2-6: the empty table.
    asztal_rajzolas(a);
    a.adu = 0;
    licit_dlg_passzra(a);
    talon_hattal(a);
    for (int i = 15; i <= 17; ++i) n.image[i].lathato = false;
    if (a.emberek_szama == 1) nevek_kiirasa(a, a.ember_helye);
    // Step 7-8: the cards, unless laid out by hand; the deal's reset.
    if (a.kezi_osztas == 0) kevert_osztas(a);
    a.kezi_osztas = 0;
    parti_alaphelyzet(a);
    ++a.parti_sorszam;
    // Step 9-13.
    a.licit_dlg.edit1 = szam_szoveg(a.licit_ertek);
    n.memo1.clear();
    n.label1.clear();
    n.button1_lathato = true;
    n.button1_felirat = "Licitálás";
    n.button2_lathato = true;
    if (!ember(a, a.soron)) a.fazis = F_LICIT_GEP;
    if (a.emberek_szama == 1 || a.emberek_szama == 3) kez_rajzolas(a, a.ember_helye, 10);
    rekord_kezdes(a);

    // Step 14.
    if (ember(a, a.soron)) {
        // A human first bidder takes the talon without asking, then lays two back.
        Jatekos& j = a.jatekosok[a.soron];
        a.fazis = F_ELSO_DOBAS;
        a.benyult = 1;
        a.felvevo = a.soron;
        for (int s = 0; s < 3; ++s) a.jatekosok[s].talonnal = (s == a.soron);
        for (int k = 0; k < 2; ++k) {
            j.lapok[10 + k] = a.talon[k];
            j.hol[a.talon[k].szin][a.talon[k].ertek] = a.soron;
        }
        kez_rendezes(a, a.soron, 12);
        n.image[11].lathato = false;
        n.image[12].lathato = false;
        kez_rajzolas(a, a.soron, 12);
    } else if (a.emberek_szama > 0) {
        while (!ember(a, a.soron) && !licit_lezarult(a)) gep_licitlepes(a);
        a.fazis = F_LICIT_EMBER;
        if (licit_lezarult(a)) {
            a.fazis = F_LICIT_GEP;
            licit_vege(a, f);
        }
    } else {
        gep_licitlepes(a);
        gep_licit_nezet(a);
    }
}

void gep_licitlepes(Asztal& a) {
    using F = RekordLepes::Fajta;
    const int32_t seat = a.soron;
    // Step 1-2 (in a replay the record says whether the seat takes the talon).
    kez_rendezes(a, seat, 10);
    const RekordLepes* eloirt_lepes = eloirt(a);
    const bool ismetles = visszajatszas_fut(a);
    if (ismetles && !eloirt_lepes) eloirt(a, F::licit, seat);  // throws: the record ends here
    Licit l = ismetles ? Licit{} : licit_valasztas(a, a.jatekosok[seat]);
    const bool felvesz = ismetles ? eloirt_lepes->fajta == F::lerakas
                                  : a.licitek_szama == 0 || licit_erteke(l) > a.licit_ertek + EPS;
    // Step 3: the opening entry, or a higher bid, takes the talon.
    if (felvesz) {
        a.passzok = 0;
        l = ismetles ? eloirt_talonfelvetel(a, seat) : talonfelvetel(a, seat);
        kez_rendezes(a, seat, 10);
        RekordLepes d;
        d.fajta = F::lerakas;
        d.seat = seat;
        std::copy_n(a.talon, 2, d.lapok);
        rekord_lepes(a, d);
        a.licit_ertek = licit_erteke(l);
        a.nezet.label1 = licit_szoveg(a, seat, l, false);
    } else {
        // Step 4.
        if (ismetles) {
            if (a.licitek_szama == 0)
                throw VisszajatszasHiba(static_cast<int32_t>(a.rekord.lepesek.size()),
                                        "passz, pedig a licitet nyitni kell");
            const RekordLepes& l = eloirt(a, F::licit, seat);
            if (l.adu < 0 || l.adu > NINCS_ADU)
                throw VisszajatszasHiba(static_cast<int32_t>(a.rekord.lepesek.size()), "adu színe hibás");
            a.adu = l.adu;
        }
        ++a.passzok;
        l = passz_licit();
    }
    // Step 5.
    bejegyzes_kiirasa(a, seat, licit_szoveg(a, seat, l, false));
    naplozas(a, l);
    RekordLepes b;
    b.fajta = F::licit;
    b.seat = seat;
    b.licit = l;
    b.adu = a.adu;
    rekord_lepes(a, b);
}

void ember_licitlepes(Asztal& a, Felulet& f) {
    // Step 1-2: the dialog opens on "Passz" alone; "Passz" on the table skips it.
    a.nezet.button2_lathato = true;
    a.uj_licit_ertek = 0.1;
    licit_dlg_passzra(a);
    a.licit_dlg.edit1 = ertek_szoveg(0.1);
    const int32_t seat = a.soron;
    // The talon taken up in this turn: the two cards now lying in it.
    if (a.benyult) {
        RekordLepes d;
        d.fajta = RekordLepes::Fajta::lerakas;
        d.seat = seat;
        std::copy_n(a.talon, 2, d.lapok);
        rekord_lepes(a, d);
    }
    if (a.fazis == F_LICIT_EMBER) f.licit_dialogus(a);
    a.fazis = F_LICIT_EMBER;

    const bool pass = a.uj_licit_ertek > 0.1 - EPS && a.uj_licit_ertek < 0.1 + EPS;
    RekordLepes lepes;
    lepes.fajta = RekordLepes::Fajta::licit;
    lepes.seat = seat;
    lepes.licit = passz_licit();
    if (!pass || a.licitek_szama == 0) {
        // Step 4: a bid; the first entry is one even when it is the plain party.
        a.passzok = 0;
        const Licit l = licit_dlg_licit(a);
        lepes.licit = l;
        const std::string szoveg = licit_szoveg(a, seat, l, false);
        a.nezet.label1 = szoveg;
        bejegyzes_kiirasa(a, seat, szoveg);
        naplozas(a, l);
        a.licit_ertek = a.uj_licit_ertek;
    } else {
        // Step 5.
        ++a.passzok;
        const Licit l = passz_licit();
        bejegyzes_kiirasa(a, seat, licit_szoveg(a, seat, l, false));
        naplozas(a, l);
    }
    // Step 6-9.
    a.benyult = 0;
    if (a.emberek_szama == 1) talon_hattal(a);
    licit_dlg_passzra(a);
    a.licit_dlg.edit1 = ertek_szoveg(a.licit_ertek);
    if (a.emberek_szama == 3 && !licit_lezarult(a)) kez_rajzolas(a, a.soron, 10);
    rekord_lepes(a, lepes);
    // Step 10: the computers that follow.
    if (a.emberek_szama > 0) {
        while (!ember(a, a.soron) && !licit_lezarult(a)) gep_licitlepes(a);
    } else if (!licit_lezarult(a)) {
        gep_licitlepes(a);
        gep_licit_nezet(a);
    }
    // Step 11.
    if (licit_lezarult(a))
        licit_vege(a, f);
    else if (!ember(a, a.soron))
        a.fazis = F_LICIT_GEP;
}

void licit_vege(Asztal& a, Felulet& f) {
    AsztalNezet& n = a.nezet;
    // Step 1: nothing above the plain party was bid.
    if (a.licit_ertek < 0.15) {
        a.fazis = F_NINCS_PARTI;
        n.button1_lathato = true;
        n.button1_felirat = "Új parti";
        n.button2_lathato = false;
        parti_vege_naplo(a);
        rekord_lezaras(a);
        return;
    }
    n.button1_lathato = false;
    n.button2_lathato = false;
    // Step 3-6: the last bid is the contract, its bidder the declarer. Normally three
    // passes follow it; when the log filled up first, fewer do.
    const int32_t utana = a.passzok < 3 ? a.passzok : 3;
    a.soron = ((a.soron - 1 - utana) % 3 + 3) % 3;
    a.fazis = ember(a, a.soron) ? F_JATEK_EMBER : F_JATEK_GEP;
    a.adu = a.gep_adu;
    a.jatek = a.licitek[a.licitek_szama - 1 - utana];
    // Step 7: a human declarer names the trump of a plain colour contract.
    if (ember(a, a.soron)) {
        const Licit& j = a.jatek;
        if (!j.piros && !szinnelkuli(j)) {
            adu_dlg_uritese(a);
            f.adu_dialogus(a);
        } else if (j.piros) {
            a.adu = PIROS;
        } else {
            a.adu = NINCS_ADU;
        }
    }
    // Step 8-12.
    n.memo2 = a.jatekosok[0].nev;
    n.memo3 = a.jatekosok[1].nev;
    n.memo4 = a.jatekosok[2].nev;
    const bool szine = adu_bejelentes(a);
    for (int s = 0; s < 3; ++s) kez_rendezes(a, s, 10);
    for (const Kartyalap& t : a.talon) {
        const int tizes = (t.ertek == ASZ || t.ertek == TIZES) ? 1 : 0;
        const int asz = t.ertek == ASZ ? 1 : 0;
        for (Jatekos& j : a.jatekosok) {
            j.ellen_tizes += tizes;
            j.ellen_asz += asz;
        }
    }
    n.label1 = licit_szoveg(a, a.soron, a.jatek, true);
    RekordLepes lepes;
    lepes.fajta = RekordLepes::Fajta::adu;
    lepes.seat = a.soron;
    lepes.adu = a.adu;
    lepes.szine = szine;
    rekord_lepes(a, lepes);
}

void adu_bemondas(Asztal& a) { adu_bejelentes(a); }

void bemondasok_kiirasa(Asztal& a, Felulet& f, bool rekontra) {
    static const char* const darab[4] = {"", "egy ", "két ", "három "};
    const Jatekos& p = a.jatekosok[a.soron];
    std::string szoveg = p.nev + ": ";
    bool bejelentett = false;
    // Step 2: the melds, at the first trick only.
    if (!rekontra) {
        const int db = (p.husz_db >= 0 && p.husz_db <= 3) ? p.husz_db : 0;
        if (p.negyven) {
            szoveg += "Van egy 40-em";
            szoveg += db <= 0 ? std::string(".") : std::string(", és ") + darab[db] + "20-am.";
            bejelentett = true;
        } else if (db > 0) {
            szoveg += std::string("Van ") + darab[db] + "20-am.";
            bejelentett = true;
        }
    }
    // Step 3: the contra list, appended only when it names something.
    std::string lista = rekontra ? "Rekontra " : "Kontra ";
    if (a.jatek.piros) lista += "Piros ";
    bool kontrazott = false;
    for (int pos = 0; pos < LICIT_FLAGEK; ++pos) {
        if (pos == L_PIROS || !p.kontra[pos]) continue;
        lista += licit_kontra_szoveg[pos];
        kontrazott = true;
    }
    if (kontrazott) szoveg += lista;
    // Step 4.
    if (!bejelentett && !kontrazott) return;
    uzenet_kiirasa(a, a.soron, szoveg);
    RekordLepes lepes;
    lepes.fajta = RekordLepes::Fajta::bemondas;
    lepes.seat = a.soron;
    lepes.licit = p.kontra;
    lepes.negyven = p.negyven;
    lepes.husz_db = p.husz_db;
    rekord_lepes(a, lepes);
    if (!p.ember) {
        f.ujrarajzolas(a);
        f.uzenet(a, szoveg);
    }
}

void gep_lapja(Asztal& a, Felulet& f, const LapDontes* kesz) {
    // Two human seats: the computer plays as it does beside one human, so the deal
    // can go on (nothing else would move it).
    const bool indoklas = a.emberek_szama == 0 || a.emberek_szama == 3;
    const int32_t seat = a.soron;
    Jatekos& p = a.jatekosok[seat];
    // Step 1-2 (in a replay the recorded card, after the seat's announcements).
    const bool ismetles = visszajatszas_fut(a);
    const RekordLepes* elotte = eloirt(a);
    const int32_t bem = a.utes_szam == 0 && elotte && elotte->fajta == RekordLepes::Fajta::bemondas &&
                                elotte->seat == seat
                            ? 1
                            : 0;
    const int32_t lepes_sz = static_cast<int32_t>(a.rekord.lepesek.size()) + bem;
    int32_t slot = -1;
    if (ismetles) {
        const RekordLepes& l = eloirt(a, RekordLepes::Fajta::lap, seat, bem);
        a.vizsgalt_utes = a.utes_szam;
        a.vizsgalt_lapszam = a.utes_lapszam;
        kezben_levo(a, seat);
        slot = tartott_slot(a, seat, l.lapok[0]);
        if (slot < 0) throw VisszajatszasHiba(lepes_sz, "lapja nincs a kézben");
        a.heuferli = l.heuferli ? 1 : 0;
        if (indoklas) std::copy_n(l.pont, 10, p.lap_pont);
    } else {
        slot = valasztas(a, kesz);
    }
    // Step 3.
    if (a.utes_szam == 0) {
        if (ismetles)
            eloirt_bemondas(a, seat);
        else
            bemondas_es_kontra(a, seat);
        bemondasok_kiirasa(a, f, false);
    }
    if (indoklas) a.nezet.memo1.clear();
    // Step 4.
    if (a.heuferli) uzenet_kiirasa(a, seat, p.nev + ": Heuferli!");
    if (indoklas) {
        const int32_t db = kezben_levo(a, seat);
        for (int i = 0; i < db && i < 10 - a.utes_szam; ++i) {
            const int32_t j = a.kezben[i];
            if (p.lap_pont[j] > 0)
                a.nezet.memo1.push_back(lap_nev(p.lapok[j]) + " " + std::to_string(p.lap_pont[j]));
        }
    }
    // The legality check also fixes who is winning the trick, which the recording
    // of a third card needs; a card the rules refuse is replaced by the first legal.
    a.vizsgalt_utes = a.utes_szam;
    a.vizsgalt_lapszam = a.utes_lapszam;
    if (slot < 0 || slot > 9 || !szabalyos_lap(a, p, slot)) {
        if (ismetles) throw VisszajatszasHiba(lepes_sz, "lapja nem szabályos");
        elosztas_masolas(a, p);
        lapjelolt(a, p, seat);
        slot = a.jelolt_lapok[a.utes_szam][a.utes_lapszam].lap[0];
    }
    // Step 5-7.
    RekordLepes lepes;
    lepes.fajta = RekordLepes::Fajta::lap;
    lepes.seat = seat;
    lepes.lapok[0] = p.lapok[slot];
    lepes.heuferli = a.heuferli != 0;
    if (indoklas) std::copy_n(p.lap_pont, 10, lepes.pont);
    lap_rogzites(a, p, slot);
    asztal_rajzolas(a);
    if (indoklas) kez_rajzolas(a, seat, 9 - a.utes_szam);
    tovabblepes(a);
    kovetkezo_fazis(a);
    rekord_lepes(a, lepes);
}

void button1_kattintas(Asztal& a, Felulet& f, const LapDontes* kesz) {
    AsztalNezet& n = a.nezet;
    // Step 1-2.
    n.hint_latszik = false;
    if (a.fazis == F_VEGE) {
        const Elszamolas e = elszamolas(a);
        naplo_bejegyzes(a, e);
        rekord_lezaras(a);
        f.eredmeny_tabla(a, e);
        n.button1_lathato = true;
        n.button1_felirat = "Új parti";
        a.fazis = F_NINCS_PARTI;
    }
    // "Licitálás" before the two cards are laid back does nothing; the guide says why.
    if (a.fazis == F_ELSO_DOBAS || a.fazis == F_MASODIK_DOBAS)
        elutasitas(a, "Előbb tegyen vissza két lapot a talonba: kattintson rájuk, utána licitálhat.");
    // Step 3-5.
    if (a.fazis == F_NINCS_PARTI) {
        parti_inditas(a, f);
    } else if (a.fazis == F_LICIT_GEP && !licit_lezarult(a)) {
        if (a.emberek_szama > 0 || ember(a, a.soron)) {
            if (a.emberek_szama == 1 || a.emberek_szama == 3) {
                a.fazis = F_LICIT_EMBER;
                kez_rajzolas(a, a.soron, 10);
            }
        } else {
            gep_licitlepes(a);
            gep_licit_nezet(a);
        }
    } else if (a.fazis == F_LICIT_GEP) {
        licit_vege(a, f);
    } else if (a.fazis == F_LICIT_EMBER || a.fazis == F_PASSZ) {
        ember_licitlepes(a, f);
    } else if (a.fazis == F_JATEK_GEP) {
        gep_lapja(a, f, kesz);
    }
    // Step 6: a human to play; before his first card, his announcements.
    if (a.fazis == F_JATEK_EMBER) {
        kez_rajzolas(a, a.soron, 10 - a.utes_szam);
        kontra_ajanlat(a, f);
    }
    // Step 7.
    if (a.fazis == F_JATEK_EMBER || a.fazis == F_JATEK_GEP) rekontra_ajanlat(a, f);
    // Step 8: the next computer card a second from now.
    if (a.fazis == F_JATEK_GEP) f.szunet_es_kattintas(a);
}

void button2_kattintas(Asztal& a, Felulet& f) {
    if (a.fazis == F_LICIT_EMBER && (a.benyult == 0 || a.licitek_szama == 0)) {
        a.fazis = F_PASSZ;
        button1_kattintas(a, f);
    } else if (a.benyult) {
        elutasitas(a, "A talon felvétele után licitálni kell: „Licitálás”, és vállaljon többet, mint " +
                          ertek_szoveg(a.licit_ertek) + " Ft.");
        f.uzenet(a, "Benyúlás után nem lehet passzolni!");
    }
}

void kep_kattintas(Asztal& a, Felulet& f, int32_t k) {
    a.nezet.hint_latszik = false;
    if (k < 1 || k > 10) return;
    const int32_t seat = a.soron;
    Jatekos& p = a.jatekosok[seat];

    if (a.fazis == F_ELSO_DOBAS || a.fazis == F_MASODIK_DOBAS) {
        // Step 1: the card goes to the talon, face up.
        const Kartyalap lap = p.lapok[k - 1];
        if (a.fazis == F_ELSO_DOBAS) {
            a.talon[1] = lap;
            kep(a, 11, lap.kep);
        } else {
            a.talon[0] = lap;
            kep(a, 12, lap.kep);
        }
        p.hol[lap.szin][lap.ertek] = HOL_TALON;
        // Step 2-4: close the gap, sort, draw; the second discard ends in phase 0.
        const int32_t db = 12 - a.fazis;
        for (int i = k; i <= db; ++i) p.lapok[i - 1] = p.lapok[i];
        kez_rendezes(a, seat, db);
        kez_rajzolas(a, seat, db);
        a.fazis = (a.fazis + 1) % 3;
        return;
    }
    if (a.fazis != F_JATEK_EMBER) {
        kep_elutasitas(a);
        return;
    }

    // Step 1-3: a held card that follows the rules.
    if (a.utes_szam > 10 - k) return;
    a.vizsgalt_utes = a.utes_szam;
    a.vizsgalt_lapszam = a.utes_lapszam;
    kezben_levo(a, seat);
    const int32_t slot = a.kezben[k - 1];
    if (slot < 0) return;
    if (!szabalyos_lap(a, p, slot)) {
        elutasitas(a, "Renonsz: " + kovetelmeny(a));
        f.uzenet(a, "Renonsz!!!");
        return;
    }
    // Step 4-7.
    RekordLepes lepes;
    lepes.fajta = RekordLepes::Fajta::lap;
    lepes.seat = seat;
    lepes.lapok[0] = p.lapok[slot];
    lap_rogzites(a, p, slot);
    asztal_rajzolas(a);
    kez_rajzolas(a, seat, 9 - a.utes_szam);
    tovabblepes(a);
    kovetkezo_fazis(a);
    rekord_lepes(a, lepes);
    // Step 8-9.
    if (a.fazis == F_JATEK_EMBER) {
        kez_rajzolas(a, a.soron, 10 - a.utes_szam);
        kontra_ajanlat(a, f);
    }
    rekontra_ajanlat(a, f);
    // Step 10.
    if (a.fazis == F_JATEK_GEP) f.szunet_es_kattintas(a);
}

void segitseg_kattintas(Asztal& a, const LapDontes* kesz) {
    if (!segitseg_kerheto(a)) return;
    if (kesz && !dontes_idoszeru(a, *kesz)) return;
    const int32_t slot = valasztas(a, kesz);
    if (slot < 0 || slot > 9) return;
    const Jatekos& p = a.jatekosok[a.soron];
    a.nezet.hint = "Az ajánlott lap: " + lap_nev(p.lapok[slot]);
    a.nezet.hint_latszik = true;
    // The k-th picture shows the k-th card still held.
    int32_t k = 1;
    for (int32_t j = 0; j < slot; ++j)
        if (p.hol[p.lapok[j].szin][p.lapok[j].ertek] == a.soron) ++k;
    a.nezet.ajanlott_kep = k;
}
