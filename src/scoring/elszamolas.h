#pragma once
// Settling a finished deal, and the tricks each player took.

#include <cstdint>
#include <string>
#include <vector>

#include "model/licit.h"

struct Asztal;

// The settlement as plain data, ready for the result table: for each seat the lines
// of its column (one per settled item, then an empty line and the total line), the
// deal total in Ft, and the label with the name and the new balance.
struct Elszamolas {
    std::vector<std::string> sorok[3];
    int32_t osszeg[3] = {};
    std::string cimke[3];
    // The flags of the contract whose component was made (the party at `passz`;
    // `piros` when every settled component of a Piros contract was made).
    Licit teljesult;
};

// Judges and prices every component of `jatek` and the silent achievements of the
// deal, then adds each seat's total to its `egyenleg`; nothing else in the table
// changes. Call once per played deal, in phase 6. The three totals sum to zero.
Elszamolas elszamolas(Asztal& a);

// The cards of the tricks each seat won, in the order won, as picture numbers
// (suit * 8 + rank), three per trick; only the completed tricks (below `utes_szam`)
// count. `db[s]` is always a multiple of three.
struct Utesek {
    std::string nev[3];
    int32_t db[3] = {};
    int32_t kep[3][30] = {};
};
Utesek utesek_gyujtese(const Asztal& a);
