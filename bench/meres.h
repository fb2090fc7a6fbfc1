#pragma once
// What the search jobs share when they sort and sum their figures: the contract's
// kind, the side on turn, the median and the 90th percentile, the machine's load.

#include <string>
#include <vector>

#include "model/asztal.h"

namespace bench {

// The contract's components as the bid names them ("40-100 Ulti", "Betli"), without
// "Piros" and the trump; "Parti" for the plain party game.
std::string szerzodes_fajta(const Licit& l);

// The middle value of `v` (the upper one of an even count); 0 for nothing.
double median(std::vector<double> v);
// The value of `v` at or below which the share `hanyad` (0..1) of it lies (the
// nearest rank); 0 for nothing.
double percentilis(std::vector<double> v, double hanyad);

// `s` padded with blanks to `szeles` letters (UTF-8 letters, not bytes) for a table.
std::string balra(const std::string& s, size_t szeles);

// "1.52 1.20 0.80": the load averages over 1, 5 and 15 minutes.
std::string terheles();

}  // namespace bench
