#pragma once
// A deal's record: the cards as dealt and every decision in order, enough to rebuild
// the table at any step, to play the deal again, and to keep it in a file. The flow
// writes it as the deal goes; review and replay (src/review/) read it.

#include <cstdint>
#include <string>
#include <vector>

#include "model/kartya.h"
#include "model/licit.h"

struct Asztal;

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
    // lerakas: the talon as it lies afterwards (`talon[0]`, `talon[1]`).
    Kartyalap lapok[2];
    // adu: the trump. A computer's licit: the trump its judgement left in the table
    // (the hands of the auction are sorted by it).
    int32_t adu = 0;
    // adu: the declarer said "Színe" rather than "Az Adu".
    bool szine = false;
    // bemondas: the forty and the number of twenties announced.
    int32_t negyven = 0;
    int32_t husz_db = 0;
    // A computer's card: it said "Heuferli!"; and, at a table without a human (where
    // the log lists them), its scores per hand slot.
    bool heuferli = false;
    int32_t pont[10] = {};
    bool operator==(const RekordLepes&) const = default;
};

// A whole deal: who sat where, the cards as dealt, and every decision.
struct PartiRekord {
    std::string nevek[3];
    int32_t ember_helye = 0;
    int32_t emberek_szama = 1;
    bool ember[3] = {};      // which seats a person played
    int32_t oszto = 0;
    Kartyalap kezek[3][10];  // as dealt, before any talon was taken up
    Kartyalap talon[2];
    // What each seat knew as the deal began, and who last held the talon (a loaded
    // deal may bring more than the own ten cards).
    int32_t hol[3][4][8] = {};
    bool talonnal[3] = {};
    std::vector<RekordLepes> lepesek;
    bool lezart = false;     // settled: the deal ran to its result
    bool operator==(const PartiRekord&) const = default;
};

// Told of the deal and of every step as the flow records them (`Asztal::figyelo`).
// While a record is replayed it also hands the flow the decisions to take instead of
// computing them.
class LepesFigyelo {
public:
    virtual ~LepesFigyelo() = default;
    // The deal (no step yet) or the step just recorded, with the table after it.
    virtual void rogzitve(const Asztal& a) = 0;
    // The steps to take, in replay; null in play.
    virtual const std::vector<RekordLepes>* eloiras() const { return nullptr; }
};
