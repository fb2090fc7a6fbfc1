#pragma once
// Settling a finished deal, and the tricks each player took.

#include <cstdint>
#include <string>
#include <vector>

struct Asztal;

// The settlement as plain data: the lines of each seat's column, its total, and the
// three labels with the new balances.
struct Elszamolas {
    std::vector<std::string> sorok[3];
    int32_t osszeg[3] = {};
    std::string cimke[3];
};

// Judges and prices every component of `jatek`, adds the totals to `egyenleg`.
Elszamolas elszamolas(Asztal& a);

// The cards of the tricks each seat won, in the order won, as picture numbers.
struct Utesek {
    std::string nev[3];
    int32_t db[3] = {};
    int32_t kep[3][30] = {};
};
Utesek utesek_gyujtese(const Asztal& a);
