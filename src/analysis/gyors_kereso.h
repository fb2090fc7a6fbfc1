#pragma once
// The fast engine's search of one distribution on one thread: the AND-OR search of
// the literal engine over the moves of `Allas`, with the table of `Tabla`.

#include <array>
#include <atomic>
#include <climits>
#include <cstdint>
#include <memory>

#include "analysis/gyors_lepesek.h"
#include "analysis/gyors_rendezes.h"
#include "analysis/gyors_tabla.h"
#include "model/asztal.h"

namespace gyors {

// The search of one thread. Its table is kept across the distributions it searches.
class Kereso : private Allas {
public:
    // `kozos`: the large part of the table, shared with the other threads of the call.
    Kereso(const Allando& a, int32_t tabla_bitek, Tar* kozos = nullptr);
    ~Kereso();

    // Stopping: at every `ora_lepes` + 1 cards, the clock of `ora_asztal` when set,
    // and the flag `allj` when set.
    const Asztal* ora_asztal = nullptr;
    int64_t hatarido = LLONG_MAX;
    uint64_t ora_lepes = 1023;
    const std::atomic<bool>* allj = nullptr;
    std::atomic<uint64_t>* haladas = nullptr;  // cards played, for a driven clock
    bool megszakitva = false;
    bool korlatok = true;  // the bounds of gyors_korlatok.h (off: every line searched)
    uint64_t csomopontok = 0;
    uint64_t& tarolasok() { return tabla.tarolasok; }

    // Searches the distribution with the hands h, the root candidates whose slot is in
    // `aktiv`. False when cut off; else `jo` holds a bit per owner's slot whose card
    // reaches the owner's goal, and `jelolt` (when given) the slots of every root
    // candidate of this distribution.
    bool eloszlas(const Maszk h[3], uint32_t aktiv, uint32_t& jo, uint32_t* jelolt = nullptr);
    // The slots of the root candidates with the hands h.
    uint32_t gyoker_slotok(const Maszk h[3]);
    // The n distributions with the hands h[i] searched together (gyors_vilagok.cpp):
    // for each, `jo[i]` and `jelolt[i]` as `eloszlas` gives them. False when cut off,
    // or (with `alkalmas` false) when the distributions do not share what the joint
    // search needs; then nothing is filled.
    bool vilagok(const std::array<Maszk, 3>* h, int32_t n, uint32_t aktiv, uint32_t* jo, uint32_t* jelolt,
                 bool& alkalmas);

private:
    Tabla tabla;
    Rendezes rendezes;
    struct Vilagok;
    std::unique_ptr<Vilagok> vilag;
    friend struct Vilagok;

    bool lejart();
    // The bounds of gyors_korlatok.h at the start of trick t: 1 when the declarer has
    // surely reached his goal, -1 when he surely cannot, else 0.
    int32_t korlat(int32_t t) const;
    // Before a trick's last card: the keys of the next trick's positions after each of
    // the n candidates, their buckets asked for all at once so that their cache misses
    // overlap; null before any other card.
    const Kulcs* kovetkezo_kulcsok(int32_t t, int32_t k, int32_t s, const int32_t* lista, int32_t n, int32_t w,
                                   Kulcs* kulcsok);
    // Plays p for seat s at (t, k) and returns the value of the line: the verdict when
    // it decides, else the value of the position after it; 0 when cut off. `kk`: the
    // key of the next trick's start, after a trick's last card.
    int32_t kovetkezmeny(int32_t t, int32_t k, int32_t s, int32_t p, int32_t w, const Kulcs* kk = nullptr);
    // The value of the position with the next card at (t, k): the side to move needs
    // one card that reaches its goal. 0 when cut off. `kk`: the position's key, at the
    // start of a trick.
    int32_t megold(int32_t t, int32_t k, const Kulcs* kk = nullptr);
};

}  // namespace gyors
