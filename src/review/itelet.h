#pragma once
// The verdict of a card in review: from what its player knew then, in how many
// distributions of the unseen cards each legal card reaches the side's goal; and with
// every card where it really is, whether the goal could still be forced.

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "model/asztal.h"

// Lets a worker stop a count and the window show how far it is. A count stops within
// a few milliseconds of `leallitas`. The two counters only grow: each call adds the
// distributions it will look at to `osszes` when it starts and one to `kesz` per
// distribution looked at, so one of these may serve a single card or a whole review.
struct IteletVezerles {
    std::atomic<bool> leallitas{false};
    std::atomic<int64_t> kesz{0};    // distributions looked at so far
    std::atomic<int64_t> osszes{0};  // distributions the counts started will look at
};

struct LapSzamlalas {
    int32_t slot = -1;
    Kartyalap lap;
    int32_t jo = 0;  // favourable distributions with this card
};

// Counted from the knowledge of the seat on turn in `elotte`, without a time limit.
struct LapItelet {
    bool kesz = false;                    // false: stopped before its end
    int32_t seat = -1;
    int32_t elosztasok = 0;               // out of how many distributions
    std::vector<LapSzamlalas> lapok;      // every legal card, in hand slot order
    int32_t jatszott_slot = -1;
    std::vector<int32_t> legjobb_slotok;  // the legal cards with the highest count; empty
                                          // when no card reaches the goal anywhere
};

// With every card where it really is, before the card of the seat on turn; after the
// last card of a deal, whether the declarer's goal was reached.
struct TeljesItelet {
    bool kesz = false;
    bool felvevo_nyer = false;            // the declarer's goal can still be forced
    std::vector<int32_t> nyero_slotok;    // the cards of the seat on turn that keep its side's goal
};

LapItelet lap_itelet(const Asztal& elotte, int32_t jatszott_slot, IteletVezerles* v = nullptr);
TeljesItelet teljes_itelet(const Asztal& elotte, IteletVezerles* v = nullptr);

// One plain line for a card: which card it was, in how many distributions it kept or
// lost the goal, and which card would have done better; then, when `t` is done, the
// line of `teljes_sor`. Numbers are grouped by thousands with a no-break space.
std::string itelet_sor(const Asztal& elotte, const LapItelet& l, const TeljesItelet& t);

// With every card known: whether the goal could still be forced, and with which cards
// of the seat on turn. Empty while `t` is not done.
std::string teljes_sor(const Asztal& elotte, const TeljesItelet& t);

// The first card step whose card changed whether the declarer's goal can be forced:
// `felvevo_nyer[k]` is the full verdict before card k, the last entry after the last
// card. -1 when it never changed.
int32_t fordulo_lap(const std::vector<bool>& felvevo_nyer);
