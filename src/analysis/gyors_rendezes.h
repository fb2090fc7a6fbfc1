#pragma once
// The fast engine's move ordering: the side to move needs one card that reaches its
// goal, so the sooner that card is tried the fewer lines are searched. Which lead
// does it for the declarer depends little on the distribution: the same cards win
// the same tricks in most of them. Each thread counts, per trick, how often each of
// the declarer's leads was the one that reached his goal, and tries the likeliest
// first. The value of a position does not depend on the order, only the work does.
// Ordering the defenders' cards, or the cards that follow, did worse than the
// candidates' own order (highest first).

#include <cstdint>

namespace gyors {

class Rendezes {
public:
    // Reorders the n leads of seat s at trick t by their counts, the most often
    // successful first; equal counts keep the order of the list.
    void rendez(int32_t t, int32_t s, int32_t* lista, int32_t n) const {
        const uint32_t* h = szamlalo[t][s];
        for (int32_t i = 1; i < n; ++i) {
            const int32_t p = lista[i];
            const uint32_t v = h[p];
            int32_t j = i;
            for (; j > 0 && h[lista[j - 1]] < v; --j) lista[j] = lista[j - 1];
            lista[j] = p;
        }
    }
    // The lead p reached its side's goal at trick t; a success near the root saves
    // more, so it weighs more.
    void siker(int32_t t, int32_t s, int32_t p) { szamlalo[t][s][p] += (10 - t) * (10 - t); }

private:
    uint32_t szamlalo[10][3][32] = {};
};

}  // namespace gyors
