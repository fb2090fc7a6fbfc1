#include "review/visszajatszas.h"

#include <algorithm>
#include <utility>

#include "analysis/szabalyok.h"
#include "model/osztas.h"
#include "save/mentes.h"
#include "table/dialogusok.h"
#include "table/felulet.h"
#include "table/folyam.h"
#include "table/jatekosok.h"
#include "table/rajzolas.h"
#include "table/rekordolas.h"
#include "table/utmutato.h"

namespace {

using F = RekordLepes::Fajta;

int32_t lepes_szama(const Asztal& a) {
    return static_cast<int32_t>(a.rekord.lepesek.size());
}

bool fejlec_egyezik(const PartiRekord& x, const PartiRekord& y) {
    PartiRekord a = x, b = y;
    a.lepesek.clear();
    b.lepesek.clear();
    a.lezart = b.lezart = false;
    return a == b;
}

// Plays a record through the table flow itself: the flow takes the computer seats'
// decisions from the record (`eloiras`), this answers the dialogs from it, and every
// step the flow records must be the record's own. The table is kept after each.
class Ujrajatszo final : public LepesFigyelo, public Felulet {
public:
    explicit Ujrajatszo(const PartiRekord& r) : r_(r) {}

    std::vector<Pillanat> p;

    const std::vector<RekordLepes>* eloiras() const override { return &r_.lepesek; }

    void rogzitve(const Asztal& a) override {
        const int32_t n = lepes_szama(a);
        Pillanat m;
        if (n == 0) {
            if (!fejlec_egyezik(a.rekord, r_)) throw VisszajatszasHiba(-1, "az osztás adatai nem illenek össze");
        } else {
            if (n > static_cast<int32_t>(r_.lepesek.size()) ||
                !(a.rekord.lepesek.back() == r_.lepesek[static_cast<size_t>(n - 1)]))
                throw VisszajatszasHiba(n - 1, "nem úgy történik, ahogy a feljegyzés mondja");
            const RekordLepes& l = r_.lepesek[static_cast<size_t>(n - 1)];
            m.lepes = n - 1;
            m.seat = l.seat;
            m.lap = l.fajta == F::lap;
            // Cards keep their hand slots in play, so the slot before is the slot now.
            if (m.lap) m.slot = tartott_slot(p.back().tabla, l.seat, l.lapok[0]);
        }
        m.tabla = a;
        m.tabla.figyelo = nullptr;
        m.tabla.rekordok.clear();
        p.push_back(std::move(m));
    }

    void uzenet(Asztal&, const std::string&) override {}

    void licit_dialogus(Asztal& a) override {
        const RekordLepes& l = eloirt(a, F::licit, a.soron);
        for (int i = 0; i < LICIT_FLAGEK; ++i) a.licit_dlg.doboz[i] = l.licit[i] != 0;
        a.uj_licit_ertek = licit_erteke(l.licit);
        a.licit_dlg.edit1 = ertek_szoveg(a.uj_licit_ertek);
        if (!licit_kesz(a).empty()) throw VisszajatszasHiba(lepes_szama(a), "licitje nem szabályos");
    }

    void adu_dialogus(Asztal& a) override {
        const RekordLepes& l = eloirt(a, F::adu, a.soron);
        // The dialog's buttons: 1 "Tök", 2 "Zöld", 3 "Makk".
        static const int32_t gomb[3] = {3, 2, 1};
        if (l.adu < MAKK || l.adu > TOK) throw VisszajatszasHiba(lepes_szama(a), "aduja nem választható");
        adu_kattintas(a, gomb[l.adu]);
    }

    void bejelentes_dialogus(Asztal& a) override {
        const RekordLepes* l = eloirt(a);
        if (l && l->fajta == F::bemondas && l->seat == a.soron) {
            // The boxes whose state differs from the record are clicked; a box the
            // dialog does not enable stays, and the step then differs from the record.
            const Jatekos& j = a.jatekosok[a.soron];
            if (l->negyven != j.negyven) bejelentes_kattintas(a, 1, l->negyven != 0);
            if (l->husz_db != j.husz_db) {
                if (l->husz_db > 0)
                    bejelentes_kattintas(a, 14 + l->husz_db, true);
                else
                    bejelentes_kattintas(a, 14 + j.husz_db, false);
            }
            for (int32_t doboz = 2; doboz <= 14; ++doboz) {
                const int32_t pos = kontra_pozicio(doboz);
                if (l->licit[pos] != j.kontra[pos]) bejelentes_kattintas(a, doboz, l->licit[pos] != 0);
            }
        }
        bejelentes_kesz(a);
    }

    void eredmeny_tabla(Asztal&, const Elszamolas&) override {}
    void jatekosok_dialogus(Asztal&) override {}
    void szunet_es_kattintas(Asztal&) override {}
    void ujrarajzolas(Asztal&) override {}

private:
    const PartiRekord& r_;
};

// The table as the record was dealt, the cards checked as a saved deal is.
bool kezdo_tabla(Asztal& a, const PartiRekord& r) {
    asztal_indulas(a, 1);
    if (r.oszto < 0 || r.oszto > 2 || r.ember_helye < 0 || r.ember_helye > 2) return false;
    a.oszto = r.oszto;
    a.soron = (r.oszto + 1) % 3;
    a.ember_helye = r.ember_helye;
    for (int32_t s = 0; s < 3; ++s) {
        Jatekos& j = a.jatekosok[s];
        j.nev = r.nevek[s];
        j.ember = r.ember[s] ? 1 : 0;
        j.talonnal = r.talonnal[s] ? 1 : 0;
        for (int32_t k = 0; k < 10; ++k) j.lapok[k] = r.kezek[s][k];
        std::copy_n(&r.hol[s][0][0], 32, &j.hol[0][0]);
    }
    a.talon[0] = r.talon[0];
    a.talon[1] = r.talon[1];
    if (!mentes_ertelmezes(mentes_szoveg(a))) return false;
    a.kezi_osztas = 1;
    return true;
}

// The next action of the person, or the click of the clock, that the record asks for.
void lepes(Asztal& a, Ujrajatszo& u) {
    const int32_t i = lepes_szama(a);
    const RekordLepes& e = u.eloiras()->at(static_cast<size_t>(i));
    switch (a.fazis) {
        case F_LICIT_GEP:
        case F_PASSZ:
        case F_JATEK_GEP: button1_kattintas(a, u); break;
        case F_LICIT_EMBER:
            if (e.fajta == F::lerakas && !a.benyult) {
                if (e.seat != a.soron) throw VisszajatszasHiba(i, "nem a soron következő játékosé");
                talon_kattintas(a);  // turned up
                if (!a.benyult) throw VisszajatszasHiba(i, "talonfelvétele itt nem lehetséges");
                // Taken into the hand, unless it went back as it lay.
                if (!(e.lapok[0] == a.talon[0] && e.lapok[1] == a.talon[1])) talon_kattintas(a);
            } else {
                button1_kattintas(a, u);
            }
            break;
        case F_ELSO_DOBAS:
        case F_MASODIK_DOBAS: {
            // The first card laid back lies in `talon[1]`, the second in `talon[0]`.
            const RekordLepes& l = eloirt(a, F::lerakas, a.soron);
            const int32_t slot = tartott_slot(a, a.soron, l.lapok[a.fazis == F_ELSO_DOBAS ? 1 : 0], 13 - a.fazis);
            if (slot < 0) throw VisszajatszasHiba(i, "a visszatett lap nincs a kézben");
            if (slot < 10)
                kep_kattintas(a, u, slot + 1);
            else if (slot == 10)
                image13_kattintas(a);
            else
                image14_kattintas(a);
            break;
        }
        case F_JATEK_EMBER: {
            const RekordLepes& l = eloirt(a, F::lap, a.soron);
            const int32_t slot = tartott_slot(a, a.soron, l.lapok[0]);
            if (slot < 0) throw VisszajatszasHiba(i, "lapja nincs a kézben");
            a.vizsgalt_utes = a.utes_szam;
            a.vizsgalt_lapszam = a.utes_lapszam;
            if (!szabalyos_lap(a, a.jatekosok[a.soron], slot)) throw VisszajatszasHiba(i, "lapja nem szabályos");
            // The k-th picture shows the k-th card still held.
            int32_t k = 1;
            for (int32_t j = 0; j < slot; ++j)
                if (tartott_slot(a, a.soron, a.jatekosok[a.soron].lapok[j]) >= 0) ++k;
            kep_kattintas(a, u, k);
            break;
        }
        default: throw VisszajatszasHiba(i, "a parti vége után jön");
    }
}

// The log line that says what happened at a step.
std::string lepes_sora(const Pillanat& m, const PartiRekord& r) {
    const Asztal& t = m.tabla;
    if (m.lepes < 0) return t.jatekosok[t.oszto].nev + " osztott, " + t.jatekosok[(t.oszto + 1) % 3].nev + " licitál elsőként.";
    const RekordLepes& l = r.lepesek[static_cast<size_t>(m.lepes)];
    const std::string nev = t.jatekosok[l.seat].nev;
    auto utolso_sor = [&] {
        for (auto s = t.nezet.memo1.rbegin(); s != t.nezet.memo1.rend(); ++s)
            if (s->find_first_not_of(' ') != std::string::npos) return *s;
        return std::string();
    };
    switch (l.fajta) {
        case F::licit:
        case F::bemondas: return utolso_sor();
        case F::adu:
            if (l.adu >= MAKK && l.adu <= TOK) return utolso_sor();
            return nev + (l.adu == PIROS ? ": Az Adu Piros" : ": Adu nélkül");
        case F::lerakas: return nev + " a talonba tette: " + lap_nev(l.lapok[0]) + ", " + lap_nev(l.lapok[1]);
        case F::lap: return nev + ": " + lap_nev(l.lapok[0]);
    }
    return "";
}

}  // namespace

std::vector<Pillanat> visszajatszas(const PartiRekord& r, std::string* hiba) {
    Ujrajatszo u(r);
    Asztal a;
    try {
        if (!kezdo_tabla(a, r)) throw VisszajatszasHiba(-1, "a kiosztott lapok vagy az ismert lapok hibásak");
        a.figyelo = &u;
        button1_kattintas(a, u);
        const int32_t n = static_cast<int32_t>(r.lepesek.size());
        // Each action records at most a few steps; a record that stops advancing is bad.
        for (int32_t ures = 0; lepes_szama(a) < n;) {
            const int32_t elotte = lepes_szama(a);
            lepes(a, u);
            ures = lepes_szama(a) == elotte ? ures + 1 : 0;
            if (ures > 4) throw VisszajatszasHiba(elotte, "után a parti nem folytatható");
        }
        // The end of the deal as the table showed it: after everybody passed, the
        // click that closes the auction comes after the last step.
        if (a.fazis == F_LICIT_GEP && licit_lezarult(a)) button1_kattintas(a, u);
        u.p.back().tabla = a;
        u.p.back().tabla.figyelo = nullptr;
        u.p.back().tabla.rekordok.clear();
    } catch (const VisszajatszasHiba& h) {
        // A record of a deal cut short ends where the flow asks for the step after its
        // last one; anything else is a record that does not replay.
        const bool vege = h.lepes == static_cast<int32_t>(r.lepesek.size()) && !u.p.empty() &&
                          lepes_szama(a) == h.lepes;
        if (!vege) {
            if (hiba)
                *hiba = h.lepes < 0 ? std::string(h.what())
                                    : std::string(nevelo(h.lepes + 1)) + " " + std::to_string(h.lepes + 1) +
                                          ". lépés " + h.what();
            return {};
        }
    }
    for (Pillanat& m : u.p) m.sor = lepes_sora(m, r);
    return std::move(u.p);
}

std::vector<Pillanat> visszajatszas(const PartiRekord& r) { return visszajatszas(r, nullptr); }

void ujrajatszas_elejerol(Asztal& a, const PartiRekord& r) {
    if (a.fazis != F_NINCS_PARTI) uj_parti_gomb(a);
    MentettOsztas m;
    m.oszto = r.oszto;
    m.soron = (r.oszto + 1) % 3;
    for (int32_t s = 0; s < 3; ++s) {
        m.ules[s].talonnal = r.talonnal[s] ? 1 : 0;
        for (int32_t k = 0; k < 10; ++k) m.ules[s].lapok[k] = r.kezek[s][k];
        std::copy_n(&r.hol[s][0][0], 32, &m.ules[s].hol[0][0]);
    }
    m.talon[0] = r.talon[0];
    m.talon[1] = r.talon[1];
    mentett_osztas_beallitas(a, m);
}

bool ujrajatszas_innen(Asztal& a, const std::vector<Pillanat>& p, int32_t i) {
    if (i < 0 || i + 1 >= static_cast<int32_t>(p.size())) return false;
    const Asztal& t = p[static_cast<size_t>(i)].tabla;
    const Pillanat& kov = p[static_cast<size_t>(i) + 1];
    if (t.fazis != F_JATEK_EMBER || !kov.lap || kov.seat != t.soron || !a.jatekosok[t.soron].ember) return false;
    Asztal b = t;
    // What belongs to the game and the program, not to the deal, stays.
    for (int32_t s = 0; s < 3; ++s) {
        b.jatekosok[s].nev = a.jatekosok[s].nev;
        b.jatekosok[s].egyenleg = a.jatekosok[s].egyenleg;
        b.jatekosok[s].ember = a.jatekosok[s].ember;
    }
    b.emberek_szama = a.emberek_szama;
    b.ember_helye = a.ember_helye;
    b.naplo = std::move(a.naplo);
    b.rekordok = std::move(a.rekordok);
    b.ora = std::move(a.ora);
    b.rng = a.rng;
    b.kereses_szalak = a.kereses_szalak;
    b.fokusz_jatekos = a.fokusz_jatekos;
    b.parti_sorszam = a.parti_sorszam + 1;
    b.kezi_osztas = 0;
    b.figyelo = nullptr;
    b.rekord.lezart = false;
    for (int32_t s = 0; s < 3; ++s) b.rekord.nevek[s] = b.jatekosok[s].nev;
    b.nezet.hint_latszik = false;
    b.nezet.elutasitas.clear();
    asztal_rajzolas(b);
    kez_rajzolas(b, b.soron, 10 - b.utes_szam);
    if (b.emberek_szama == 1) nevdobozok_frissitese(b);
    a = std::move(b);
    return true;
}

bool ujrajatszhato(const Asztal& a) {
    if (a.fazis == F_NINCS_PARTI) return true;
    // A deal just dealt in which no person has acted: the human to bid (the talon not
    // yet turned up) or to lay back the talon dealt to him, and no step of a person
    // recorded.
    const bool kezdet = (a.fazis == F_LICIT_EMBER && !a.benyult) || a.fazis == F_LICIT_GEP ||
                        (a.fazis == F_ELSO_DOBAS && a.rekord.lepesek.empty());
    return kezdet && std::none_of(a.rekord.lepesek.begin(), a.rekord.lepesek.end(), [&](const RekordLepes& l) {
               return l.seat < 0 || l.seat > 2 || a.jatekosok[l.seat].ember || l.fajta == RekordLepes::Fajta::lap;
           });
}
