#pragma once
// The saved deal "mentes.txt": dealer, first bidder, each seat's talon flag, ten
// hand cards and knowledge table, and the two talon cards; 197 integers in five
// lines. Loading prepares the next "Új parti" to replay these cards.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/asztal.h"

inline constexpr int32_t MENTES_ERTEKEK = 197;
inline constexpr const char* MENTES_FAJL = "mentes.txt";

// One deal as the file holds it, checked and ready to copy into the table.
struct MentettOsztas {
    struct Ules {
        uint8_t talonnal = 0;
        Kartyalap lapok[10];
        int32_t hol[4][8] = {};
    };
    int32_t oszto = 0;
    int32_t soron = 0;  // the first bidder, (oszto + 1) mod 3
    Ules ules[3];
    Kartyalap talon[2];
};

// The file's text for the live table: a blank after every value, a line feed after
// lines 1 to 4, none after the last.
std::string mentes_szoveg(const Asztal& a);

// `Ments1Click`: writes the file at any phase, truncating an old one. Returns
// whether every byte reached the file.
bool mentes(const Asztal& a, const std::string& utvonal = MENTES_FAJL);

// Reads and checks a whole file's text: exactly 197 whitespace-separated decimal
// integers, each in its range, every `kep` matching its suit and rank, the 32 cards
// each once among the hands and the talon, the first bidder after the dealer, and
// knowledge tables that agree with where the cards are. Nothing otherwise.
std::optional<MentettOsztas> mentes_ertelmezes(std::string_view szoveg);

// Copies a checked deal into the table and sets `kezi_osztas`.
void mentett_osztas_beallitas(Asztal& a, const MentettOsztas& m);

// `Betlts1Click`: only with no deal running. Reads the whole file and checks it
// before touching the table; a missing or bad file leaves the table exactly as it
// was, `kezi_osztas` included. Returns whether the deal was loaded.
bool betoltes(Asztal& a, const std::string& utvonal = MENTES_FAJL);
