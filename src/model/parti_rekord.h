#pragma once
// A deal's record: the cards as dealt and every decision in order, enough to rebuild
// the table at any step, to play the deal again, and to keep it in a file. The flow
// writes it as the deal goes; review and replay (src/review/) read it.

#include <cstdint>
#include <string>
#include <vector>

#include "model/kartya.h"
#include "model/licit.h"

// One decision of the deal, in the order it was made.
struct RekordLepes {
    enum class Fajta : int32_t {
        licit,     // an auction entry (`licit`; a pass has `licit.passz`)
        lerakas,   // two cards laid back after taking up the talon (`lapok`)
        adu,       // the trump suit chosen (`adu`)
        bemondas,  // announcements and contras of `seat` (`licit` holds the flags)
        lap,       // a card played (`lapok[0]`)
    };
    Fajta fajta = Fajta::lap;
    int32_t seat = 0;
    Licit licit;
    Kartyalap lapok[2];
    int32_t adu = 0;
    bool operator==(const RekordLepes&) const = default;
};

// A whole deal: who sat where, the cards as dealt, and every decision.
struct PartiRekord {
    std::string nevek[3];
    int32_t ember_helye = 0;
    int32_t emberek_szama = 1;
    int32_t oszto = 0;
    Kartyalap kezek[3][10];  // as dealt, before any talon was taken up
    Kartyalap talon[2];
    std::vector<RekordLepes> lepesek;
    bool lezart = false;     // settled: the deal ran to its result
    bool operator==(const PartiRekord&) const = default;
};
