#pragma once
// The fast engine's transposition table: positions at the start of a trick, keyed by
// the hands with each suit's cards closed up and by what the verdict reads, kept
// across the distributions of a call (a position reached from two distributions has
// the same value). Buckets of four entries, one cache line; of a bucket, the more
// expensive values stay.

#include <algorithm>
#include <atomic>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "analysis/gyors_lepesek.h"

namespace gyors {

// An entry of the transposition table: a position at the start of a trick and its
// value, kept in sixteen bytes (`Hely`) so that an entry never straddles a cache
// line. The three hands as two bits per card (0 out of play, 1, 2, 3 the hand of seat
// 0, 1, 2) and the counted cards among them (`kezek`); the leader and the counters
// the verdict reads, the value in bits 26-27 (1 made, 2 failed, 0 an empty entry) and
// in bits 28-31 how many cards it took to find, as a power of two (`adat`).
struct Bejegyzes {
    uint64_t kezek;
    uint32_t adat;
    uint32_t jelek;
};

// The table's memory, zeroed, each bucket in one cache line.
class TablaMemoria {
public:
    explicit TablaMemoria(size_t bajt);
    ~TablaMemoria();
    TablaMemoria(const TablaMemoria&) = delete;
    TablaMemoria& operator=(const TablaMemoria&) = delete;
    void* adat() const { return p; }

private:
    void* p = nullptr;
    size_t foglalt_n = 0;  // mapped from the system, else from the heap
};

// A position's key at the start of trick t: the hands, two bits per card, with the
// counted cards marked (`jelek`), and the leader and the counters the verdict reads
// (`tobbi`, 26 bits); `hasito` picks its bucket. Filled only by `kulcs`. With
// `tizes_hatar` the key holds the sum of both sides' tens instead of each side's, and
// `fT` the declarer's.
struct Kulcs {
    uint64_t kezek;
    uint32_t jelek;
    uint32_t tobbi;
    uint64_t hasito;
    uint32_t fT;
};

inline uint64_t kulcs_hasito(uint64_t kezek, uint32_t jelek, uint32_t tobbi) {
    uint64_t h = (kezek ^ (static_cast<uint64_t>(jelek) << 17)) * 0x9E3779B97F4A7C15ULL ^
                 (tobbi * 0xD6E8FEB86659FD93ULL);
    h ^= h >> 29;
    h *= 0xBF58476D1CE4E5B9ULL;
    h ^= h >> 32;
    return h;
}

// The three hands with each suit's cards in play closed up to the suit's lowest
// places: seats 0 or 2 (`h02`), seats 1 or 2 (`h12`), and the counted cards among
// them (`jelek`).
struct Tomoritett {
    Maszk h02 = 0, h12 = 0, jelek = 0;
};
// Card by card: on any processor.
Tomoritett tomorit_hordozhato(Maszk k0, Maszk k1, Maszk k2, Maszk szamolt);
// With the bit gathering and scattering of BMI2, the same bits in a few instructions;
// only where `pext_gyors` says the processor has them and runs them fast.
Tomoritett tomorit_pext(Maszk k0, Maszk k1, Maszk k2, Maszk szamolt);
extern const bool pext_gyors;

// Only the order of the cards left in each suit decides the play, not which of them
// were played: each suit's cards left close up to its lowest places, so that
// positions that differ only so share an entry. The cards the verdict counts (tens or
// Ászok) stay marked; the trump 7 of an Ulti is the lowest trump while it is in play.
inline Kulcs kulcs(const Allas& p, int32_t t) {
    const Allando& A = p.A;
    Kulcs k;
    k.tobbi = static_cast<uint32_t>(p.vezeto[t]);
    k.fT = static_cast<uint32_t>(p.fT);
    if (A.tizes_hatar)
        k.tobbi |= static_cast<uint32_t>(p.fT + p.eT) << 2;
    else if (A.kulcs_tizes)
        k.tobbi |= static_cast<uint32_t>(p.fT) << 2 | static_cast<uint32_t>(p.eT) << 7;
    if (A.kulcs_asz) k.tobbi |= static_cast<uint32_t>(p.fA) << 12 | static_cast<uint32_t>(p.eA) << 15;
    if (A.kulcs_utes) k.tobbi |= static_cast<uint32_t>(p.fU) << 18 | static_cast<uint32_t>(p.eU) << 22;
    Tomoritett h{p.kez[0] | p.kez[2], p.kez[1] | p.kez[2], 0};
    if (A.tomorit)
        h = pext_gyors ? tomorit_pext(p.kez[0], p.kez[1], p.kez[2], A.szamolt)
                       : tomorit_hordozhato(p.kez[0], p.kez[1], p.kez[2], A.szamolt);
    k.kezek = (static_cast<uint64_t>(h.h12) << 32) | h.h02;
    k.jelek = h.jelek;
    if (A.asz_jel) {
        // A suit without its Ász has at most seven cards left, so its eighth place is
        // free for the mark.
        const Maszk ki = A.asz & ~(p.kez[0] | p.kez[1] | p.kez[2]);
        for (int32_t sz = 0; sz < 4; ++sz)
            if (ki & szin_maszk(sz)) k.jelek |= 0x80u << (sz * 8);
    }
    k.hasito = kulcs_hasito(k.kezek, k.jelek, k.tobbi);
    return k;
}

// The bits of an entry's `adat` that hold the bound on the declarer's tens (with
// `hatar`), and those that are the key's.
inline constexpr uint32_t HATAR = 31u << 7;
inline constexpr uint32_t kulcs_bitek(bool hatar) { return hatar ? 0x3FFFFFFu & ~HATAR : 0x3FFFFFFu; }

// An entry as it lies in memory: two words, each read and written whole, so that
// threads may share a table without a lock. The first word holds the hands mixed with
// the second (`adat` and `jelek`), so a read that meets the halves of two different
// writes decodes to hands no position has, but with a chance of one in 2^64, and
// finds nothing, which costs only a search.
struct Hely {
    uint64_t w0, w1;
};
static_assert(sizeof(Hely) == 16);

// The large part of a table: buckets of four entries, a cache line each, for the
// positions up to the sixth trick. One thread's, or shared by the threads of one
// call; it grows, four times at a step, only while no thread uses it.
class Tar {
public:
    static constexpr int32_t UT = 4;
    Tar(int32_t bitek, int32_t legfeljebb, bool hatar) : max_bitek(legfeljebb), hatar(hatar) {
        foglal(std::min(bitek, legfeljebb));
    }
    Hely* vodor(uint64_t h) const { return &helyek[h & (maszk + 1 - UT)]; }
    // True once `tarolasok` entries stored since the last growth call for a larger
    // table.
    bool tele(uint64_t tarolasok) const { return tarolasok > maszk / 4 && bitek < max_bitek; }
    void novel();

private:
    int32_t bitek = 0, max_bitek = 0;
    bool hatar;
    std::unique_ptr<TablaMemoria> mem;
    Hely* helyek = nullptr;
    uint64_t maszk = 0;
    void foglal(int32_t b);
};

// One thread's table: the large part (its own, or one the threads of a call share),
// and the positions of the last tricks, many and cheap, in a small one of the thread's
// own that stays in the cache. A large part of its own starts small and grows, up to
// its full size, as it fills: a short search does not pay for memory it never uses.
//
// With `hatar` (the hundreds) an entry holds a bound on the declarer's tens instead
// of a value for one count of them: with the same hands and the same sum of both
// sides' tens, each ten more for him is one fewer for the defenders, and no verdict
// of `itelet` gets worse for him by it, so a position he makes with fT tens he makes
// with more, and one he fails with fT he fails with fewer. A made entry keeps the
// fewest tens he made it with, a failed one the most he failed with (in the bits of
// the defenders' count, which the key then leaves out).
class Tabla {
public:
    // A table with a large part of its own, of up to 2^legfeljebb entries; with
    // `kozos`, the large part is that one.
    explicit Tabla(int32_t legfeljebb, bool hatar = false, Tar* kozos = nullptr)
        : kulcs_maszk(kulcs_bitek(hatar)), hatar(hatar), kis_mem(KIS * sizeof(Hely)) {
        kis = static_cast<Hely*>(kis_mem.adat());
        if (!kozos) {
            sajat = std::make_unique<Tar>(KEZDO_BITEK, legfeljebb, hatar);
            kozos = sajat.get();
        }
        nagy = kozos;
    }

    // The value stored for the position: 1 made, -1 failed, 0 none.
    int32_t ertek(int32_t t, const Kulcs& k) const {
        Hely* e = vodor(t, k);
        for (int32_t i = 0; i < Tar::UT; ++i) {
            const Bejegyzes b = olvas(e[i]);
            if (!egyezik(b, k)) continue;
            const uint32_t v = (b.adat >> 26) & 3;
            if (v == 0) continue;
            if (!hatar) return v == 1 ? 1 : -1;
            const uint32_t x = (b.adat & HATAR) >> 7;
            if (v == 1 && k.fT >= x) return 1;
            if (v == 2 && k.fT <= x) return -1;
        }
        return 0;
    }

    // Asks for the position's bucket ahead of its probe: the probe's cache miss is the
    // search's largest cost.
    void elore(int32_t t, const Kulcs& k) const { __builtin_prefetch(vodor(t, k)); }

    // Stores the value found with `munka` cards played: in the entry that holds the
    // position, else in the empty or the cheapest one of its bucket.
    void tarol(int32_t t, const Kulcs& k, int32_t ertek, uint64_t munka) {
        const uint32_t m = static_cast<uint32_t>(std::min<int32_t>(15, static_cast<int32_t>(std::bit_width(munka))));
        const uint32_t adat = k.tobbi | (hatar ? k.fT << 7 : 0) | (ertek == 1 ? 1u : 2u) << 26 | m << 28;
        beir(vodor(t, k), k.kezek, k.jelek, adat, hatar);
        if (t >= 7) return;
        ++tarolasok;
        if (sajat && sajat->tele(tarolasok)) {
            sajat->novel();
            tarolasok = 0;
        }
    }
    // Entries stored in the large part since the count was last cleared; a shared
    // part grows on the count of all its threads.
    uint64_t tarolasok = 0;

private:
    friend class Tar;
    static Bejegyzes olvas(Hely& h) {
        const uint64_t w1 = std::atomic_ref<uint64_t>(h.w1).load(std::memory_order_relaxed);
        const uint64_t w0 = std::atomic_ref<uint64_t>(h.w0).load(std::memory_order_relaxed);
        return {w0 ^ kever(w1), static_cast<uint32_t>(w1), static_cast<uint32_t>(w1 >> 32)};
    }
    static void ir(Hely& h, uint64_t kezek, uint32_t jelek, uint32_t adat) {
        const uint64_t w1 = static_cast<uint64_t>(jelek) << 32 | adat;
        std::atomic_ref<uint64_t>(h.w0).store(kezek ^ kever(w1), std::memory_order_relaxed);
        std::atomic_ref<uint64_t>(h.w1).store(w1, std::memory_order_relaxed);
    }
    static void beir(Hely* e, uint64_t kezek, uint32_t jelek, uint32_t adat, bool hatar) {
        const uint32_t kulcs_maszk = kulcs_bitek(hatar);
        Bejegyzes b[Tar::UT];
        for (int32_t i = 0; i < Tar::UT; ++i) b[i] = olvas(e[i]);
        auto ar = [](const Bejegyzes& x) { return ((x.adat >> 26) & 3) == 0 ? 0u : 1u + (x.adat >> 28); };
        int32_t c = 0;
        for (int32_t i = 1; i < Tar::UT; ++i)
            if (ar(b[i]) < ar(b[c])) c = i;
        // The position's entry; with bounds, its entry of the same value, whose bound
        // the new one widens.
        const uint32_t egyezo = hatar ? kulcs_maszk | 3u << 26 : kulcs_maszk;
        for (int32_t i = 0; i < Tar::UT; ++i)
            if (b[i].kezek == kezek && b[i].jelek == jelek && (b[i].adat & egyezo) == (adat & egyezo)) {
                c = i;
                if (hatar) {
                    const uint32_t regi = (b[i].adat & HATAR) >> 7, uj = (adat & HATAR) >> 7;
                    const uint32_t x = ((adat >> 26) & 3) == 1 ? std::min(regi, uj) : std::max(regi, uj);
                    adat = (adat & ~HATAR & 0x0FFFFFFFu) | x << 7 | std::max(adat >> 28, b[i].adat >> 28) << 28;
                }
            }
        ir(e[c], kezek, jelek, adat);
    }

    static constexpr size_t KIS = size_t{1} << 14;
    static constexpr int32_t KEZDO_BITEK = 16;
    uint32_t kulcs_maszk;  // the bits of `adat` that are the key's
    bool hatar;
    std::unique_ptr<Tar> sajat;
    Tar* nagy = nullptr;
    TablaMemoria kis_mem;
    Hely* kis = nullptr;

    static uint64_t kever(uint64_t x) {
        x *= 0x9E3779B97F4A7C15ULL;
        return x ^ (x >> 31);
    }
    bool egyezik(const Bejegyzes& b, const Kulcs& k) const {
        return b.kezek == k.kezek && b.jelek == k.jelek && (b.adat & kulcs_maszk) == k.tobbi;
    }
    // The bucket of entries the position may take.
    Hely* vodor(int32_t t, const Kulcs& k) const {
        if (t >= 7) return &kis[k.hasito & (KIS - Tar::UT)];
        return nagy->vodor(k.hasito);
    }
};

// Table size per thread: enough for the positions of the tricks left.
inline int32_t tabla_bitek(int32_t T) { return T >= 7 ? 10 : T >= 5 ? 14 : T >= 3 ? 18 : 20; }

}  // namespace gyors
