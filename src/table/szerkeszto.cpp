#include "table/szerkeszto.h"

#include <cmath>

#include "model/asztal.h"
#include "model/osztas.h"

namespace {

// Column order of the picker: "Ász", "10", "Király", "Felső", "Alsó", "9", "8", "7".
constexpr int32_t oszlop_ertek[8] = {ASZ, TIZES, KIRALY, FELSO, ALSO, KILENCES, NYOLCAS, HETES};

int32_t elso_licitalo(const Asztal& a) { return (a.oszto + 1) % 3; }

// The seat whose hand row `sor` is (rows 0, 2, 3), counted from the first bidder.
int32_t sor_jatekosa(const Asztal& a, int32_t sor) {
    const int32_t e = elso_licitalo(a);
    return sor == SZ_ELSO_KEZ ? e : (e + sor - 1) % 3;
}

// Index into `SzerkesztoNezet::cel` of a row and position.
int32_t cel_index(int32_t sor, int32_t hely) {
    switch (sor) {
        case SZ_ELSO_KEZ: return hely;
        case SZ_TALON: return 10 + hely;
        case SZ_MASODIK_KEZ: return 12 + hely;
        default: return 22 + hely;
    }
}

int32_t sor_hossza(int32_t sor) { return sor == SZ_TALON ? 2 : 10; }

}  // namespace

int32_t valaszto_szin(int32_t index) { return PIROS - index / 8; }
int32_t valaszto_ertek(int32_t index) { return oszlop_ertek[index % 8]; }
int32_t valaszto_image(int32_t index) { return index < 20 ? index + 1 : index + 2; }

int32_t valaszto_index(int32_t image) {
    if (image < 1 || image > 33 || image == 21) return -1;
    return image < 21 ? image - 1 : image - 2;
}

SzerkesztoNezet szerkeszto_nezet(const Asztal& a) {
    SzerkesztoNezet n{};
    for (int32_t i = 0; i < 32; ++i) {
        const int32_t kep = valaszto_szin(i) * 8 + valaszto_ertek(i);
        n.valaszto[i] = a.valaszthato[kep] ? kep : HATLAP;
    }
    for (int32_t& c : n.cel) c = HATLAP;
    for (int32_t sor = SZ_ELSO_KEZ; sor <= SZ_HARMADIK_KEZ; ++sor) {
        if (a.szerk_sor < sor) break;
        const int32_t kitoltve = a.szerk_sor > sor ? sor_hossza(sor) : a.szerk_hely;
        for (int32_t h = 0; h < kitoltve; ++h) {
            const Kartyalap& k =
                sor == SZ_TALON ? a.talon[h] : a.jatekosok[sor_jatekosa(a, sor)].lapok[h];
            n.cel[cel_index(sor, h)] = k.kep;
        }
    }
    n.edit1 = std::to_string(static_cast<long long>(std::trunc(a.licit_ertek)));
    return n;
}

bool szerkeszto_nyitas(Asztal& a) {
    if (a.fazis != F_NINCS_PARTI) return false;
    // Step 2: every card free, the first slot of the first row.
    for (uint8_t& v : a.valaszthato) v = 1;
    a.szerk_sor = SZ_ELSO_KEZ;
    a.szerk_hely = 0;
    a.kezi_osztas = 1;
    // Step 3: the dealer moves on as at a shuffled deal; the first bidder is filled first.
    a.oszto = (a.oszto + 1) % 3;
    a.soron = (a.oszto + 1) % 3;
    // Step 4: nobody holds the talon or knows any card yet.
    for (Jatekos& j : a.jatekosok) {
        j.talonnal = 0;
        for (auto& sor : j.hol)
            for (int32_t& h : sor) h = HOL_NEM_TUDOTT;
    }
    return true;
}

void szerkeszto_valasztas(Asztal& a, int32_t szin, int32_t ertek) {
    if (szin < 0 || szin > 3 || ertek < 0 || ertek > 7) return;
    const Kartyalap k = kartya(szin, ertek);
    // Step 1: a chosen card stays where it went; a full layout takes nothing more.
    if (!a.valaszthato[k.kep] || a.szerk_sor > SZ_HARMADIK_KEZ) return;
    // Step 2: into the talon (known to the first bidder, who is one seat back by
    // now) or into the hand of the seat being filled.
    if (a.szerk_sor == SZ_TALON) {
        a.talon[a.szerk_hely] = k;
        a.jatekosok[(a.soron + 2) % 3].hol[szin][ertek] = HOL_TALON;
    } else {
        Jatekos& j = a.jatekosok[a.soron];
        j.lapok[a.szerk_hely] = k;
        j.hol[szin][ertek] = a.soron;
    }
    // Step 4: the next place; a full hand row passes to the next seat.
    ++a.szerk_hely;
    if (a.szerk_hely == sor_hossza(a.szerk_sor)) {
        a.szerk_hely = 0;
        if (a.szerk_sor != SZ_TALON) a.soron = (a.soron + 1) % 3;
        ++a.szerk_sor;
    }
    a.valaszthato[k.kep] = 0;
}

SzerkKesz szerkeszto_kesz(Asztal& a) {
    if (a.szerk_hely != 0) return SzerkKesz::Uzenet;
    if (a.szerk_sor == SZ_TALON) return SzerkKesz::Marad;
    if (a.szerk_sor == SZ_MASODIK_KEZ) {
        // The first bidder holds the talon; the other twenty cards are dealt at random
        // in the order of the stirred permutation, ten to each of the next two seats.
        a.jatekosok[elso_licitalo(a)].talonnal = 1;
        keveres_96(a);
        int32_t db = 0;
        for (int32_t i = 0; i < 32; ++i) {
            const Kartyalap& k = a.pakli[a.keveres[i]];
            if (!a.valaszthato[k.kep]) continue;
            Jatekos& j = a.jatekosok[a.soron];
            j.lapok[db] = k;
            j.hol[k.szin][k.ertek] = a.soron;
            a.valaszthato[k.kep] = 0;
            if (++db == 10) {
                db = 0;
                a.soron = (a.soron + 1) % 3;
            }
        }
        for (int32_t s = 0; s < 3; ++s) kez_rendezes(a, s, 10);
    } else if (a.szerk_sor == SZ_KESZ) {
        for (int32_t s = 0; s < 3; ++s) kez_rendezes(a, s, 10);
        a.jatekosok[a.soron].talonnal = 1;
    } else {
        return SzerkKesz::Uzenet;
    }
    a.soron = elso_licitalo(a);
    return SzerkKesz::Bezar;
}

void szerkeszto_elvetes(Asztal& a) {
    if (!a.kezi_osztas) return;
    a.kezi_osztas = 0;
    a.oszto = (a.oszto + 2) % 3;
    a.soron = (a.oszto + 1) % 3;
}
