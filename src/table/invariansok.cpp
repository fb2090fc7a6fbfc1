#include "table/invariansok.h"

#include "model/asztal.h"
#include "scoring/elszamolas.h"

namespace {

std::string szam(int64_t v) { return std::to_string(v); }

bool jatekban(int32_t fazis) {
    return fazis == F_JATEK_EMBER || fazis == F_JATEK_GEP || fazis == F_VEGE;
}

}  // namespace

std::string invarians_hiba(const Asztal& a) {
    // Step 1: counters in range.
    if (a.fazis < -1 || a.fazis > 7) return "fazis out of range: " + szam(a.fazis);
    if (a.soron < 0 || a.soron > 2) return "soron out of range: " + szam(a.soron);
    if (a.felvevo < 0 || a.felvevo > 2) return "felvevo out of range: " + szam(a.felvevo);
    if (a.utes_szam < 0 || a.utes_szam > 10) return "utes_szam out of range: " + szam(a.utes_szam);
    if (a.utes_lapszam < 0 || a.utes_lapszam > 2)
        return "utes_lapszam out of range: " + szam(a.utes_lapszam);
    if (a.utes_szam == 10 && a.utes_lapszam != 0) return "cards after the tenth trick";
    if (a.licitek_szama < 0 || a.licitek_szama > 100)
        return "auction log beyond its 100 entries: " + szam(a.licitek_szama);
    if (a.passzok < 0 || a.passzok > 3) return "passzok out of range: " + szam(a.passzok);
    // Nothing dealt yet: the hands still hold the blank cards of the start-up.
    if (a.jatekosok[0].lapok[0].kep == a.jatekosok[0].lapok[1].kep) return "";

    // Step 2: the deal counters are the same in all three records.
    const Jatekos& d = a.jatekosok[0];
    for (const Jatekos& j : a.jatekosok) {
        if (j.felvevo_tizes != d.felvevo_tizes || j.ellen_tizes != d.ellen_tizes ||
            j.felvevo_asz != d.felvevo_asz || j.ellen_asz != d.ellen_asz ||
            j.felvevo_utes != d.felvevo_utes || j.ellen_utes != d.ellen_utes)
            return "deal counters differ between seats";
    }
    if (d.felvevo_utes + d.ellen_utes != a.utes_szam)
        return "tricks booked " + szam(d.felvevo_utes + d.ellen_utes) + " but utes_szam " +
               szam(a.utes_szam);

    // Step 3: every card in exactly one place: held, in the talon, or in a trick.
    int32_t hely[32];
    for (int32_t& h : hely) h = 0;
    const bool jatek = jatekban(a.fazis);
    int32_t utes_tizes = 0, utes_asz = 0;
    for (int32_t t = 0; t <= a.utes_szam && t < 10; ++t) {
        const int32_t n = t < a.utes_szam ? 3 : a.utes_lapszam;
        for (int32_t k = 0; k < n; ++k) {
            const UtesLap& u = a.utes_lapok[t][k];
            if (u.seat < 0 || u.seat > 2 || u.slot < 0 || u.slot > 9)
                return "trick " + szam(t) + " position " + szam(k) + " is empty";
            const Kartyalap& c = a.jatekosok[u.seat].lapok[u.slot];
            ++hely[c.kep];
            if (a.jatekosok[u.seat].hol[c.szin][c.ertek] != u.seat - 10)
                return "played card not marked as played: " + lap_nev(c);
            if (t < a.utes_szam) {
                if (c.ertek == ASZ) ++utes_asz;
                if (c.ertek == ASZ || c.ertek == TIZES) ++utes_tizes;
            }
        }
    }
    for (int32_t s = 0; s < 3; ++s) {
        const Jatekos& j = a.jatekosok[s];
        int32_t lapszam = 10;
        if (j.talonnal && a.soron == s && a.fazis == F_ELSO_DOBAS) lapszam = 12;
        if (j.talonnal && a.soron == s && a.fazis == F_MASODIK_DOBAS) lapszam = 11;
        int32_t tartott = 0;
        for (int32_t k = 0; k < lapszam; ++k) {
            const Kartyalap& c = j.lapok[k];
            if (c.kep != c.szin * 8 + c.ertek || c.kep < 0 || c.kep > 31)
                return "malformed card in seat " + szam(s) + " slot " + szam(k);
            if (j.hol[c.szin][c.ertek] == s) {
                ++hely[c.kep];
                ++tartott;
            }
        }
        // Held count: 10 less the cards this seat has played.
        int32_t jatszott = 0;
        for (int32_t t = 0; t <= a.utes_szam && t < 10; ++t) {
            const int32_t n = t < a.utes_szam ? 3 : a.utes_lapszam;
            for (int32_t k = 0; k < n; ++k) jatszott += a.utes_lapok[t][k].seat == s;
        }
        if (tartott != lapszam - jatszott)
            return "seat " + szam(s) + " holds " + szam(tartott) + " cards, expected " +
                   szam(lapszam - jatszott);
        if (jatek && a.utes_szam < 10) {
            // Every seat has played one card per finished trick, plus one if it has
            // already played to the current trick.
            const int32_t vezeto = a.utes_lapszam > 0 ? a.utes_lapok[a.utes_szam][0].seat : a.soron;
            const int32_t poz = (s - vezeto + 3) % 3;
            if (jatszott != a.utes_szam + (poz < a.utes_lapszam ? 1 : 0))
                return "seat " + szam(s) + " played out of turn";
        }
    }
    // The talon holds two cards unless a human is laying back from twelve.
    int32_t talon_lapjai = 2;
    if (a.fazis == F_ELSO_DOBAS) talon_lapjai = 0;
    if (a.fazis == F_MASODIK_DOBAS) talon_lapjai = 1;
    for (int32_t k = 2 - talon_lapjai; k < 2; ++k) ++hely[a.talon[k].kep];
    for (int32_t c = 0; c < 32; ++c)
        if (hely[c] != 1)
            return lap_nev(c / 8, c % 8) + " is in " + szam(hely[c]) + " places";

    // Step 4: tens and Ászok booked match the completed tricks and the talon.
    if (jatek) {
        int32_t talon_tizes = 0, talon_asz = 0;
        for (const Kartyalap& c : a.talon) {
            talon_asz += c.ertek == ASZ;
            talon_tizes += c.ertek == ASZ || c.ertek == TIZES;
        }
        const int32_t utolso = a.utes_szam == 10 ? 1 : 0;
        if (d.felvevo_tizes + d.ellen_tizes != utes_tizes + talon_tizes + utolso)
            return "tens booked " + szam(d.felvevo_tizes + d.ellen_tizes) + ", in tricks and talon " +
                   szam(utes_tizes + talon_tizes + utolso);
        if (d.felvevo_asz + d.ellen_asz != utes_asz + talon_asz) return "Ászok booked wrongly";
        if (a.utes_szam == 10 && d.felvevo_tizes + d.ellen_tizes != 9)
            return "after ten tricks the tens add up to " + szam(d.felvevo_tizes + d.ellen_tizes);
    }
    return "";
}

std::string elszamolas_hiba(const Asztal& a, const Elszamolas& e, int64_t egyenleg_elotte) {
    if (e.osszeg[0] + e.osszeg[1] + e.osszeg[2] != 0) return "settlement totals do not sum to zero";
    int64_t most = 0;
    for (const Jatekos& j : a.jatekosok) most += j.egyenleg;
    if (most != egyenleg_elotte) return "balances changed their sum";
    return "";
}
