#pragma once
// Review and replay of a recorded deal: the table rebuilt at every step, and the
// live table set up to play the same cards again.

#include <cstdint>
#include <string>
#include <vector>

#include "model/asztal.h"
#include "review/rekord.h"

// One moment of the review: the table just after a step of the record.
struct Pillanat {
    Asztal tabla;          // the whole table just after the step (its own `rekordok` empty)
    std::string sor;       // the log line of this moment
    int32_t lepes = -1;    // index into the record's steps; -1 the deal itself
    int32_t seat = -1;     // who acted (-1 for the deal)
    bool lap = false;      // the step played a card
    int32_t slot = -1;     // that card's hand slot in the table before it
};

// Every moment, the deal first: element 0 is the table as dealt, element k + 1 the table
// after step k. For a card shown by element j, element j - 1 holds the table its player
// chose from, as the card choice (or the hint) saw it: card tracking, counters, trick
// tables, phase, seat on turn and log. (A computer's announcements at its first card
// come just before the card, though it chose the card first.) Empty when the record
// does not replay (cards that were not in the hand, a step out of turn). No search runs.
std::vector<Pillanat> visszajatszas(const PartiRekord& r);
// The same; when the record does not replay, `hiba` says at which step and why
// ("a 12. lépés lapja nincs a kézben").
std::vector<Pillanat> visszajatszas(const PartiRekord& r, std::string* hiba);

// "Újrajátszás" from the start: the next "Új parti" deals the record's cards again
// (names, balances and the game's record stay), and the computers choose anew. A deal
// still running is dropped first, as the tool bar's "Új parti" drops it.
void ujrajatszas_elejerol(Asztal& a, const PartiRekord& r);

// "Újrajátszás" from a moment: the live table becomes the table of `p[i]` with the
// human on turn to play a card. Only where the human plays the next card; false
// (and nothing touched) elsewhere.
bool ujrajatszas_innen(Asztal& a, const std::vector<Pillanat>& p, int32_t i);

// Whether the live table may give way to "Újrajátszás" now: no deal runs, or the deal
// was just dealt and no person has acted in it yet (it is dropped as the tool bar's
// "Új parti" drops a deal). A person's deal in progress is never dropped for it.
bool ujrajatszhato(const Asztal& a);
