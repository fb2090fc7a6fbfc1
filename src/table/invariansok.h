#pragma once
// Checks that the table state is sound after any step of a deal. Used by the
// self-play, the click storm and tests; returns the first broken rule as text.

#include <cstdint>
#include <string>

struct Asztal;
struct Elszamolas;

// Empty when every rule holds: each card in exactly one place, the held counts, the
// deal counters equal in all three records and consistent with the tricks, the
// counters in range, the auction log within its 100 entries.
std::string invarians_hiba(const Asztal& a);

// After a settlement: the three totals sum to zero and the balances moved by them.
std::string elszamolas_hiba(const Asztal& a, const Elszamolas& e, int64_t egyenleg_elotte);
