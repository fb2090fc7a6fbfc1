#pragma once
// Recording the deal as the flow plays it (`Asztal::rekord`), and, while a record is
// replayed, taking its decisions where the computer would compute its own.

#include <cstdint>
#include <stdexcept>
#include <string>

#include "model/asztal.h"

// A record that does not fit the deal it replays: the step (-1 the deal) and why,
// in words that follow "a 12. lépés" ("lapja nincs a kézben").
struct VisszajatszasHiba : std::runtime_error {
    VisszajatszasHiba(int32_t lepes_, const std::string& ok) : std::runtime_error(ok), lepes(lepes_) {}
    int32_t lepes;
};

// The deal just dealt starts the record: names, seats, dealer, hands, talon, knowledge.
void rekord_kezdes(Asztal& a);
// A step joins the record; the watcher is told.
void rekord_lepes(Asztal& a, const RekordLepes& l);
// The deal reached its end: the record joins `rekordok`, the oldest beyond
// `REKORDOK_MAX` dropped.
void rekord_lezaras(Asztal& a);

// Whether a record is being replayed at this table.
bool visszajatszas_fut(const Asztal& a);
// Replaying: the step `elore` places after those recorded so far, when the record has
// it; null otherwise, and always null in play.
const RekordLepes* eloirt(const Asztal& a, int32_t elore = 0);
// Replaying: that step, which must be of kind `f` and of `seat`; throws otherwise.
const RekordLepes& eloirt(const Asztal& a, RekordLepes::Fajta f, int32_t seat, int32_t elore = 0);

// "a" or "az", the article before the number `n` read out in Hungarian.
const char* nevelo(int64_t n);

// The slot (below `db`) of a card the seat holds; -1 when it does not hold it.
int32_t tartott_slot(const Asztal& a, int32_t seat, const Kartyalap& k, int32_t db = 10);

// A computer taking the talon, as its recorded lerakas and bid (the next two steps)
// say: the talon passes to it, the two recorded cards are laid back, and the bid with
// its trump is set as `talonfelvetel` sets it. Returns the bid.
Licit eloirt_talonfelvetel(Asztal& a, int32_t taker);

// The computer's announcements and contras at its first card, as recorded: the next
// step when it is this seat's bemondas, otherwise none.
void eloirt_bemondas(Asztal& a, int32_t seat);
