#pragma once
// What one input of the saved-deal loader must survive: either it is refused, or
// it loads into a table that passes every invariant and saves back to a file that
// loads to the same deal.

#include <cstddef>
#include <cstdint>
#include <string>

// Empty when the input was handled soundly; else what went wrong.
std::string mentes_bemenet_probaja(const uint8_t* adat, size_t meret);
