#include "review/itelet.h"

#include <algorithm>

#include "analysis/gyors_kereses.h"
#include "analysis/szabalyok.h"
#include "scoring/elszamolas.h"

namespace {

bool jatek_allas(const Asztal& a) {
    return (a.fazis == F_JATEK_EMBER || a.fazis == F_JATEK_GEP) && a.utes_szam >= 0 && a.utes_szam <= 9 &&
           a.utes_lapszam >= 0 && a.utes_lapszam <= 2 && a.soron >= 0 && a.soron <= 2;
}

// The copy a count runs on. It reads the real clock: a clock a test drives may be
// shared with the caller's table, which another thread reads meanwhile. The engine
// chooses its own threads: one per core where the count is large.
Asztal szamolo_masolat(const Asztal& elotte) {
    Asztal a = elotte;
    a.ora = nullptr;
    a.kereses_szalak = 0;
    return a;
}

VariacioBeallitas beallitas(IteletVezerles* v, bool* vegig) {
    VariacioBeallitas b;
    b.korlat_nelkul = true;
    b.vegig = vegig;
    if (v) {
        b.leallitas = &v->leallitas;
        b.haladas = &v->kesz;
        b.osszes = &v->osszes;
    }
    return b;
}

// The card in `slot` is still in the hand, as its owner knows.
bool kezben(const Jatekos& j, int32_t seat, int32_t slot) {
    const Kartyalap& k = j.lapok[slot];
    return j.hol[k.szin][k.ertek] == seat;
}

// Thousands apart by a no-break space, so a number never breaks across lines.
std::string szam(int64_t n) {
    const std::string d = std::to_string(n);
    std::string r;
    for (size_t i = 0; i < d.size(); ++i) {
        if (i > 0 && d[0] != '-' && (d.size() - i) % 3 == 0) r += "\u00A0";
        r += d[i];
    }
    return r;
}

std::string nev(const Asztal& a, int32_t seat, int32_t slot) { return lap_nev(a.jatekosok[seat].lapok[slot]); }

// The count's sentence: the card played against the best one.
std::string szamlalas_sor(const Asztal& a, const LapItelet& l) {
    if (l.seat < 0 || l.seat > 2) return "";
    if (!l.kesz) return "A számolás félbeszakadt.";
    const int32_t n = l.elosztasok;
    if (n == 0) return "Nincs számolható elosztás.";
    const bool dekl = l.seat == a.felvevo;
    const std::string jelen = dekl ? " teljesül" : " bukik";
    const std::string mult = dekl ? " teljesült" : " bukott";
    // With one distribution the seat knew every card: no numbers then.
    const bool egy = n == 1;
    auto hany = [n](int32_t c) {
        const std::string ossz = szam(n) + " elosztásból ";
        return c == n ? ossz + "mindegyikben" : c == 0 ? ossz + "egyben sem" : ossz + szam(c) + " elosztásban";
    };
    if (l.legjobb_slotok.empty())
        return std::string("Egyik lappal sem ") + (dekl ? "teljesülhetett" : "bukhatott") + " a felvétel" +
               (egy ? "." : ": " + hany(0) + ".");
    const int32_t b = l.legjobb_slotok.front();
    int32_t m = 0;
    const LapSzamlalas* jatszott = nullptr;
    for (const LapSzamlalas& x : l.lapok) {
        m = std::max(m, x.jo);
        if (x.slot == l.jatszott_slot) jatszott = &x;
    }
    const std::string utana = egy ? "utána" : "utána " + hany(m);
    if (!jatszott) return "A legjobb lap: " + nev(a, l.seat, b) + ", " + utana + jelen + " a felvétel.";
    const std::string X = "A " + nev(a, l.seat, jatszott->slot);
    if (jatszott->jo == m) return X + " a legjobb lap volt: " + utana + jelen + " a felvétel.";
    const std::string helyette = ", a " + nev(a, l.seat, b) + " után" +
                                 (egy ? "" : m == n ? " mindegyikben" : " " + szam(m) + " elosztásban") + mult +
                                 " volna.";
    if (jatszott->jo > 0) return X + " után " + hany(jatszott->jo) + jelen + " a felvétel" + helyette;
    if (dekl) return X + " elvesztette a felvételt" + (egy ? "" : ": utána " + hany(0) + jelen) + helyette;
    return X + " után " + (egy ? "nem" : hany(0)) + jelen + " a felvétel" + helyette;
}

}  // namespace

LapItelet lap_itelet(const Asztal& elotte, int32_t jatszott_slot, IteletVezerles* v) {
    LapItelet l;
    l.jatszott_slot = jatszott_slot;
    if (!jatek_allas(elotte)) {
        l.kesz = true;
        return l;
    }
    Asztal a = szamolo_masolat(elotte);
    const int32_t s = a.soron;
    Jatekos& j = a.jatekosok[s];
    l.seat = s;

    // Step 1: the count over every distribution of the cards the seat has not seen,
    // as the card choice and the hint make it, but to its end.
    bool vegig = false;
    const ElemzesEredmeny e = gyors_variacio(a, j, beallitas(v, &vegig));
    l.kesz = vegig;
    l.elosztasok = e.szam;

    // Step 2: widen the counts as "Variáció" does: the search counts the lowest of a
    // run of equal cards, and a card as good as a higher legal one of equal value gets
    // that card's count (the last such card wins).
    a.vizsgalt_utes = a.utes_szam;
    a.vizsgalt_lapszam = a.utes_lapszam;
    bool szabalyos[10];
    for (int32_t i = 0; i < 10; ++i) szabalyos[i] = szabalyos_lap(a, j, i);
    elosztas_masolas(a, j);
    int32_t jo[10];
    for (int32_t i = 0; i < 10; ++i) jo[i] = e.jo_lapok[i];
    for (int32_t p = 0; p < 10; ++p)
        for (int32_t i = p + 1; i < 10; ++i)
            if (szabalyos[i] && kezben(j, s, p) && egyenerteku(a, j, s, i, p)) jo[p] = jo[i];

    // Step 3: the legal cards and the best of them.
    int32_t legjobb = 0;
    for (int32_t i = 0; i < 10; ++i)
        if (szabalyos[i]) {
            l.lapok.push_back({i, j.lapok[i], jo[i]});
            legjobb = std::max(legjobb, jo[i]);
        }
    if (legjobb > 0)
        for (const LapSzamlalas& x : l.lapok)
            if (x.jo == legjobb) l.legjobb_slotok.push_back(x.slot);
    return l;
}

TeljesItelet teljes_itelet(const Asztal& elotte, IteletVezerles* v) {
    TeljesItelet t;
    if (!jatek_allas(elotte)) {
        t.kesz = true;
        // After the last card: every component the search looks at was made (the
        // party and the Piros are not among them).
        if (elotte.fazis == F_VEGE) {
            Asztal a = elotte;
            const Elszamolas e = elszamolas(a);
            t.felvevo_nyer = true;
            for (int f = 0; f < LICIT_FLAGEK; ++f)
                if (f != L_PASSZ && f != L_PIROS && a.jatek[f] && !e.teljesult[f]) t.felvevo_nyer = false;
        }
        return t;
    }
    Asztal a = szamolo_masolat(elotte);
    const int32_t s = a.soron;
    Jatekos& j = a.jatekosok[s];

    // Step 1: every card where it really is, as "Elemzés" lays it out, but marked as
    // known to the seat, so the count has one distribution: the real one. The fast
    // engine then answers for each card as the literal search of the real deal does.
    for (int32_t x = 0; x < 3; ++x)
        for (int32_t i = 0; i < 10; ++i) {
            const Kartyalap& c = a.jatekosok[x].lapok[i];
            int32_t& h = j.hol[c.szin][c.ertek];
            if (h > 2) h = x;
        }
    for (const Kartyalap& c : a.talon) j.hol[c.szin][c.ertek] = HOL_TALON;
    bool vegig = false;
    const ElemzesEredmeny e = gyors_variacio(a, j, beallitas(v, &vegig));
    t.kesz = vegig;
    const bool dekl = s == a.felvevo;
    t.felvevo_nyer = dekl ? e.db > 0 : e.db == 0;
    if (e.db == 0) return t;

    // Step 2: the correct cards, widened as "Elemzés" widens them: the search keeps
    // the lowest of touching cards; the ones of equal value above it are as correct.
    for (int32_t x = 0; x < 4; ++x)
        for (int32_t r = 0; r < 8; ++r) j.hol[x][r] = elotte.jatekosok[s].hol[x][r];
    elosztas_masolas(a, j);
    for (int32_t p = 0; p < 10; ++p) {
        bool jo = e.jo_lapok[p] > 0;
        if (!jo && kezben(j, s, p))
            for (int32_t q = p + 1; q < 10 && !jo; ++q) jo = e.jo_lapok[q] > 0 && egyenerteku(a, j, s, q, p);
        if (jo) t.nyero_slotok.push_back(p);
    }
    return t;
}

std::string teljes_sor(const Asztal& elotte, const TeljesItelet& t) {
    if (!t.kesz || elotte.soron < 0 || elotte.soron > 2) return "";
    std::string lapok;
    for (int32_t p : t.nyero_slotok) lapok += (lapok.empty() ? ": " : ", ") + nev(elotte, elotte.soron, p);
    if (elotte.soron == elotte.felvevo)
        return t.felvevo_nyer ? "Minden lapot ismerve a felvétel még teljesíthető volt" + lapok + "."
                              : "Minden lapot ismerve a felvétel már nem volt teljesíthető.";
    return !t.felvevo_nyer ? "Minden lapot ismerve a felvétel megbuktatható volt" + lapok + "."
                           : "Minden lapot ismerve a felvétel már nem volt megbuktatható.";
}

std::string itelet_sor(const Asztal& elotte, const LapItelet& l, const TeljesItelet& t) {
    std::string s = szamlalas_sor(elotte, l);
    const std::string m = teljes_sor(elotte, t);
    if (!m.empty()) s += (s.empty() ? "" : " ") + m;
    return s;
}

int32_t fordulo_lap(const std::vector<bool>& felvevo_nyer) {
    for (size_t k = 0; k + 1 < felvevo_nyer.size(); ++k)
        if (felvevo_nyer[k] != felvevo_nyer[k + 1]) return static_cast<int32_t>(k);
    return -1;
}
