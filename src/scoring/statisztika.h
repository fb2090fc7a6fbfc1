#pragma once
// The game's record of settled deals (`Asztal::naplo`) and what the statistics
// window reads from it: per seat and contract kind how often it was bid and made,
// and the balances after each deal.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/asztal.h"

struct Elszamolas;

// Adds the deal just settled by `elszamolas` to `a.naplo`.
void naplo_bejegyzes(Asztal& a, const Elszamolas& e);

// A new game: balances back to zero, the record emptied. Names and seats stay.
void jatek_nullazas(Asztal& a);

// Takes over a game kept from an earlier run, when it holds together: every deal's
// totals sum to zero, its made flags lie inside its contract, and the balances are
// the sums of the deals. Otherwise returns false and leaves `a` untouched.
bool jatek_visszaallitas(Asztal& a, const std::array<std::string, 3>& nevek,
                         const std::array<int32_t, 3>& egyenleg, const std::vector<PartiEredmeny>& naplo);

// Per seat and flag position: deals in which the seat declared a contract with
// that flag (`passz`: the plain party), and in how many of them it was made.
struct Statisztika {
    int32_t partik = 0;
    int32_t vallalt[3][LICIT_FLAGEK] = {};
    int32_t teljesitett[3][LICIT_FLAGEK] = {};
};
Statisztika statisztika(const std::vector<PartiEredmeny>& naplo);

// The three balances before the first deal (zero) and after each deal.
std::vector<std::array<int32_t, 3>> egyenleg_menet(const std::vector<PartiEredmeny>& naplo);
