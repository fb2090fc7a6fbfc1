#pragma once
// Building test positions from named cards: "Piros Ász", "Tök 7", "Zöld Alsó".

#include <initializer_list>
#include <string>
#include <vector>

#include "model/asztal.h"

namespace teszt {

// The card of a name such as "Piros Ász" or "Makk 10". Throws on an unknown name.
Kartyalap lap(const std::string& nev);

// A comma-separated list of card names.
std::vector<Kartyalap> lapok(const std::string& lista);

// A fresh table (fixed seed, driven clock at 0) with three hands of ten and the
// talon laid out from named cards; all 32 cards must appear once. Hands are sorted
// under `adu`, every `hol` table knows its own cards, the talon is unknown to all.
// The first bidder `soron` and `felvevo` are `felvevo`.
void leosztas(Asztal& a, const std::string& kez0, const std::string& kez1,
              const std::string& kez2, const std::string& talon, int32_t adu = 0,
              int32_t felvevo = 0);

// Sets the contract for play: the flags named (" Ulti", "Piros", "Betli" ... as in
// `licit_dialogus_felirat`, colour names first), the trump, the declarer on lead,
// the phase of play and the talon out of play in the declarer's table.
void jatek(Asztal& a, std::initializer_list<int> flagek, int32_t adu, int32_t felvevo);

// An end position: the seats still hold the named cards (the same number each); every
// other card except the talon was played earlier by some seat. The seat `soron` leads.
void vegallas(Asztal& a, const std::string& k0, const std::string& k1, const std::string& k2,
              const std::string& talon, std::initializer_list<int> flagek, int32_t adu,
              int32_t felvevo, int32_t soron);

// The slot of a named card in a seat's hand; -1 if the seat does not hold it.
int32_t slot(const Asztal& a, int32_t seat, const std::string& nev);

// A driven clock: every call returns the current value; `leptet` moves it.
struct HajtottOra {
    long long ms = 0;
    long long lepes_per_ms = 0;  // > 0: one millisecond per this many reads
    long long olvasas = 0;
    long long operator()() {
        if (lepes_per_ms > 0 && ++olvasas % lepes_per_ms == 0) ++ms;
        return ms;
    }
};

}  // namespace teszt
