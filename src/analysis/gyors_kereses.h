#pragma once
// The fast engine behind `variacio`: for each distribution of the unseen cards, which
// root candidates of the analysing player reach its side's goal with best play by
// both sides. It answers exactly as `jatek_kereses` does (the same candidates and
// merging of `lapjelolt`, the same early decisions of `kiertekeles`), with a
// transposition table, move ordering and the distributions spread over threads.
// One concern per file: the moves (gyors_lepesek.h), the table (gyors_tabla.*), the
// search of one distribution (gyors_kereso.*), the distributions in passes over the
// threads (gyors_elosztasok.*), the card choice's race (gyors_verseny.*); this file's
// source sets up a call and reads its result.

#include <atomic>
#include <cstdint>

#include "model/asztal.h"

struct VariacioBeallitas {
    // Worker threads. 0: the table's `kereses_szalak`, and when that is 0 too, one per
    // core with the real clock up to the fifth trick, and none later or with a clock a
    // test drives (the caller's thread searches and reads the clock at every card
    // played or taken back, so where it stops depends on the reads alone).
    int32_t szalak = 0;
    // For the card choice: the leading card is counted to the end, every other card
    // only until its count can no longer reach or tie the leader's (gyors_verseny.h).
    // The card the choice picks from the counts is the one it picks from the full
    // counts; the other cards' counts are partial.
    bool korai_dontes = false;
    // With `korai_dontes`: per slot, the score the card choice settles equal counts by
    // (the higher wins, and of equal scores the later slot), so that a card that would
    // lose a tie leaves the race once its count can at most tie. Without it, cards of
    // equal count are each counted to the end.
    const int32_t* elsobbseg = nullptr;
    // Distributions searched together, a line played once for all that share it; off,
    // each on its own. The counts are the same either way (tests compare them).
    bool egyutt = true;
    // A count after the deal: no time limit and no clock read while it runs, so it
    // ends only at its end or when `leallitas` is set (looked at every few
    // milliseconds). `osszes` grows by the number of combinations of the unseen cards
    // when the call starts, `haladas` by one per combination looked at, so one pair
    // may serve many calls. `vegig` tells on return whether every combination was
    // looked at. None of this changes the count itself.
    bool korlat_nelkul = false;
    const std::atomic<bool>* leallitas = nullptr;
    std::atomic<int64_t>* haladas = nullptr;
    std::atomic<int64_t>* osszes = nullptr;
    bool* vegig = nullptr;
};

// `variacio` with explicit settings; the result does not depend on the threads.
ElemzesEredmeny gyors_variacio(Asztal& a, Jatekos& rec, const VariacioBeallitas& b);

// Whether the fast engine answers the position of `seat` itself; it hands only tables
// it cannot read (counters out of range, a trick record that does not fit the hands)
// to the literal engine.
bool gyors_motor_veszi(const Asztal& a, int32_t seat);
