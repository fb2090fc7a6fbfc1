#include "save/mentes.h"

#include <array>
#include <cctype>
#include <charconv>
#include <fstream>
#include <iterator>
#include <system_error>

namespace {

// A real file is well under a kilobyte; anything far larger is not ours.
constexpr std::size_t MAX_FAJL_MERET = 64 * 1024;

void ertek_ki(std::string& s, int32_t v) {
    s += std::to_string(v);
    s += ' ';
}

void lap_ki(std::string& s, const Kartyalap& k) {
    ertek_ki(s, k.szin);
    ertek_ki(s, k.ertek);
    ertek_ki(s, k.kep);
}

bool ter(unsigned char c) { return std::isspace(c) != 0; }

// Splits on whitespace; every token must be a whole int32 in decimal. Stops with
// false at the first bad token or at more than `MENTES_ERTEKEK` values.
bool szamok(std::string_view szoveg, std::array<int32_t, MENTES_ERTEKEK>& ki) {
    std::size_t n = 0;
    std::size_t i = 0;
    while (true) {
        while (i < szoveg.size() && ter(static_cast<unsigned char>(szoveg[i]))) ++i;
        if (i == szoveg.size()) break;
        std::size_t j = i;
        while (j < szoveg.size() && !ter(static_cast<unsigned char>(szoveg[j]))) ++j;
        if (n == MENTES_ERTEKEK) return false;
        int32_t v = 0;
        const char* eleje = szoveg.data() + i;
        const char* vege = szoveg.data() + j;
        const auto [p, ec] = std::from_chars(eleje, vege, v);
        if (ec != std::errc{} || p != vege) return false;
        ki[n++] = v;
        i = j;
    }
    return n == MENTES_ERTEKEK;
}

bool lap_be(const int32_t*& p, Kartyalap& k) {
    const int32_t szin = *p++, ertek = *p++, kep = *p++;
    if (szin < 0 || szin > 3 || ertek < 0 || ertek > 7 || kep != szin * 8 + ertek) return false;
    k.szin = szin;
    k.ertek = ertek;
    k.kep = kep;
    return true;
}

// Where each card lies: 0..2 a seat's hand, 3 the talon.
constexpr int32_t TALONBAN = 3;

// Step 3 of the check: the knowledge tables must describe a deal that can be played
// from its start. A seat knows its own ten cards as its own; any other entry that
// names a place must be where the card is; a card out of play must be in the talon.
// Played-card codes are refused: every seat must still hold all ten of its cards.
bool hol_rendben(const MentettOsztas& m, const int32_t (&hely)[32]) {
    for (int32_t s = 0; s < 3; ++s)
        for (int32_t c = 0; c < 32; ++c) {
            const int32_t h = m.ules[s].hol[c / 8][c % 8];
            if (hely[c] == s) {
                if (h != s) return false;
            } else if (h >= 0 && h <= 2) {
                if (hely[c] != h) return false;
            } else if (h == HOL_TALON) {
                if (hely[c] != TALONBAN) return false;
            } else if (h != HOL_NEM_TUDOTT) {
                return false;
            }
        }
    return true;
}

}  // namespace

std::string mentes_szoveg(const Asztal& a) {
    std::string s;
    s.reserve(640);
    ertek_ki(s, a.oszto);
    ertek_ki(s, (a.oszto + 1) % 3);
    s += '\n';
    for (const Jatekos& j : a.jatekosok) {
        ertek_ki(s, j.talonnal ? 1 : 0);
        for (int k = 0; k < 10; ++k) lap_ki(s, j.lapok[k]);
        for (const auto& sor : j.hol)
            for (int32_t h : sor) ertek_ki(s, h);
        s += '\n';
    }
    lap_ki(s, a.talon[0]);
    lap_ki(s, a.talon[1]);
    return s;
}

bool mentes(const Asztal& a, const std::string& utvonal) {
    const std::string s = mentes_szoveg(a);
    std::ofstream f(utvonal, std::ios::binary | std::ios::trunc);
    if (!f) return false;
    f.write(s.data(), static_cast<std::streamsize>(s.size()));
    f.flush();
    return static_cast<bool>(f);
}

std::optional<MentettOsztas> mentes_ertelmezes(std::string_view szoveg) {
    // Step 1: exactly 197 integers.
    std::array<int32_t, MENTES_ERTEKEK> v{};
    if (!szamok(szoveg, v)) return std::nullopt;

    // Step 2: each value in its range, in the file's order.
    MentettOsztas m;
    const int32_t* p = v.data();
    m.oszto = *p++;
    m.soron = *p++;
    if (m.oszto < 0 || m.oszto > 2 || m.soron != (m.oszto + 1) % 3) return std::nullopt;
    int32_t talonnal_db = 0;
    for (auto& u : m.ules) {
        const int32_t t = *p++;
        if (t != 0 && t != 1) return std::nullopt;
        u.talonnal = static_cast<uint8_t>(t);
        talonnal_db += t;
        for (auto& k : u.lapok)
            if (!lap_be(p, k)) return std::nullopt;
        for (auto& sor : u.hol)
            for (int32_t& h : sor) h = *p++;
    }
    for (auto& k : m.talon)
        if (!lap_be(p, k)) return std::nullopt;
    // Only one seat can be the last to have taken the talon.
    if (talonnal_db > 1) return std::nullopt;

    // Step 3: every card exactly once among the three hands and the talon.
    int32_t hely[32];
    for (int32_t& h : hely) h = -1;
    for (int32_t s = 0; s < 3; ++s)
        for (const auto& k : m.ules[s].lapok) {
            if (hely[k.kep] != -1) return std::nullopt;
            hely[k.kep] = s;
        }
    for (const auto& k : m.talon) {
        if (hely[k.kep] != -1) return std::nullopt;
        hely[k.kep] = TALONBAN;
    }
    // 32 distinct cards were placed, so none is missing.

    // Step 4: the knowledge tables agree with the cards.
    if (!hol_rendben(m, hely)) return std::nullopt;
    return m;
}

void mentett_osztas_beallitas(Asztal& a, const MentettOsztas& m) {
    a.oszto = m.oszto;
    a.soron = m.soron;
    for (int32_t s = 0; s < 3; ++s) {
        Jatekos& j = a.jatekosok[s];
        j.talonnal = m.ules[s].talonnal;
        for (int k = 0; k < 10; ++k) j.lapok[k] = m.ules[s].lapok[k];
        for (int sz = 0; sz < 4; ++sz)
            for (int e = 0; e < 8; ++e) j.hol[sz][e] = m.ules[s].hol[sz][e];
    }
    a.talon[0] = m.talon[0];
    a.talon[1] = m.talon[1];
    a.kezi_osztas = 1;
}

bool betoltes(Asztal& a, const std::string& utvonal) {
    if (a.fazis != F_NINCS_PARTI) return false;
    std::ifstream f(utvonal, std::ios::binary);
    if (!f) return false;
    std::string szoveg;
    char puffer[4096];
    while (f.read(puffer, sizeof puffer) || f.gcount() > 0) {
        szoveg.append(puffer, static_cast<std::size_t>(f.gcount()));
        if (szoveg.size() > MAX_FAJL_MERET) return false;
    }
    if (f.bad()) return false;
    const std::optional<MentettOsztas> m = mentes_ertelmezes(szoveg);
    if (!m) return false;
    mentett_osztas_beallitas(a, *m);
    return true;
}
