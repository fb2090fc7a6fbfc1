#pragma once
// The distributions of one call of the fast engine: the combinations of the unseen
// cards, the hands they make, what their searches add up to, and how they are shared
// out, pass by pass: on the caller's thread or over worker threads, whose results are
// merged so that they never depend on the number of threads or their timing.

#include <algorithm>
#include <atomic>
#include <bit>
#include <cstdint>
#include <functional>
#include <memory>
#include <numeric>
#include <vector>

#include "analysis/gyors_lepesek.h"
#include "analysis/kereses.h"
#include "model/asztal.h"

namespace gyors {

// The combinations of N unseen indices out of U, in the literal engine's
// lexicographic order, by rank.
class Kombinaciok {
public:
    Kombinaciok(int32_t U, int32_t N) : U_(U), N_(N) {
        for (int32_t n = 0; n <= 32; ++n) {
            c[n][0] = 1;
            for (int32_t k = 1; k <= 32; ++k) c[n][k] = n == 0 ? 0 : c[n - 1][k - 1] + c[n - 1][k];
        }
    }
    uint64_t darab() const { return c[U_][N_]; }
    // The combination of the given rank.
    void kibont(uint64_t rang, int32_t* komb) const {
        int32_t v = 0;
        for (int32_t i = 0; i < N_; ++i) {
            for (;; ++v) {
                const uint64_t ennyi = c[U_ - 1 - v][N_ - 1 - i];
                if (rang < ennyi) break;
                rang -= ennyi;
            }
            komb[i] = v++;
        }
    }
    // The next combination (the odometer); false after the last.
    bool leptet(int32_t* komb) const {
        int32_t i = N_ - 1;
        while (i >= 0 && komb[i] == U_ - N_ + i) --i;
        if (i < 0) return false;
        ++komb[i];
        for (int32_t m = i + 1; m < N_; ++m) komb[m] = komb[m - 1] + 1;
        return true;
    }

private:
    int32_t U_, N_;
    uint64_t c[33][33] = {};
};

// The layout of one call: what each seat holds for sure and where each unseen index's
// card lies.
struct Ter {
    const ElosztasTer* x = nullptr;
    Maszk ismert[3] = {};     // cards known in each hand
    int32_t rejtett[32] = {}; // bit of the unseen card with index j
    int32_t rejtett_kep[32] = {};
    bool szures = false;      // Ulti: the trump 7 must lie with the declarer
    int32_t hetes_kep = -1;
    int32_t D = 0;

    // The hands of the combination; false when `elosztas_szures` refuses it.
    bool kezek(const int32_t* komb, Maszk h[3]) const {
        h[0] = ismert[0];
        h[1] = ismert[1];
        h[2] = ismert[2];
        int32_t hetes_kod = szures ? x->ment_hol[hetes_kep / 8][hetes_kep % 8] : 0;
        int32_t i = 0, L_db = 0;
        for (int32_t j = 0; j < x->U; ++j) {
            int32_t kod;
            if (i < x->N && komb[i] == j) {
                ++i;
                h[x->R] |= 1u << rejtett[j];
                kod = x->R + 3;
            } else if (++L_db > x->L_kell) {
                kod = HOL_TALON;
            } else {
                h[x->L] |= 1u << rejtett[j];
                kod = x->L + 3;
            }
            if (rejtett_kep[j] == hetes_kep) hetes_kod = kod;
        }
        return !szures || hetes_kod == D || hetes_kod == D + 3 || hetes_kod == D - 10;
    }
};

// What the distributions searched so far add up to.
struct Osszeg {
    int64_t kesz = 0;       // admitted distributions searched to the end
    int64_t jo = 0;         // of them, favourable to the analysing player
    int64_t per_slot[10] = {};
    uint64_t atnezett = 0;  // combinations looked at (filtered, searched or cut)
    uint64_t utolso = 0;    // the highest rank looked at

    void hozzaad(uint32_t jo_slotok) {
        ++kesz;
        if (!jo_slotok) return;
        ++jo;
        for (int32_t i = 0; i < 10; ++i) per_slot[i] += (jo_slotok >> i) & 1;
    }
    void hozzaad(const Osszeg& o) {
        kesz += o.kesz;
        jo += o.jo;
        for (int32_t i = 0; i < 10; ++i) per_slot[i] += o.per_slot[i];
        atnezett += o.atnezett;
        utolso = std::max(utolso, o.utolso);
    }
};

// The combinations in blocks of consecutive ranks (neighbouring distributions share
// positions in the table, so long blocks: a sixteenth of the whole), the blocks
// visited in a spread order: a stride coprime with their number, so that the counts
// of the first blocks already look like the whole.
struct Blokkok {
    uint64_t osszes = 0, meret = 1, db = 1, lepes = 1;
    Blokkok(uint64_t n, uint64_t m) : osszes(n), meret(std::max<uint64_t>(1, m)) {
        db = std::max<uint64_t>(1, (osszes + meret - 1) / meret);
        lepes = std::max<uint64_t>(1, db * 5 / 8);
        while (std::gcd(lepes, db) != 1) ++lepes;
    }
    // The ranks [eleje, vege) of the j-th block visited.
    void tartomany(uint64_t j, uint64_t& eleje, uint64_t& vege) const {
        eleje = (j * lepes % db) * meret;
        vege = std::min(osszes, eleje + meret);
    }
};

// A count after the deal: stopped by `leallitas`, the combinations looked at added to
// `haladas`; `ora_nelkul`: no limit, so the clock is not read at all.
struct Kulso {
    const std::atomic<bool>* leallitas = nullptr;
    std::atomic<int64_t>* haladas = nullptr;
    bool ora_nelkul = false;
};

// The order of one pass over the distributions, in pieces a thread takes one at a
// time: every rank in the order of `blokkok`, or the ranks of `lista` `darab_meret`
// at a time.
struct Sorrend {
    const Blokkok* blokkok = nullptr;
    const std::vector<uint32_t>* lista = nullptr;
    uint64_t darab_meret = 256;
    uint64_t darabok() const { return blokkok ? blokkok->db : (lista->size() + darab_meret - 1) / darab_meret; }
    // The items [eleje, vege) of the j-th piece; item i is the rank `rang(i)`.
    void darab(uint64_t j, uint64_t& eleje, uint64_t& vege) const {
        if (blokkok) return blokkok->tartomany(j, eleje, vege);
        eleje = j * darab_meret;
        vege = std::min<uint64_t>(lista->size(), eleje + darab_meret);
    }
    uint64_t rang(uint64_t i) const { return lista ? (*lista)[i] : i; }
};

// What a thread hands over from a pass: the sums and, when the pass asks for it, each
// admitted distribution's rank, its root candidates' slots and its good slots
// (`jegyzek`, rank << 20 | candidates << 10 | good).
struct Resz {
    Osszeg o;
    std::vector<uint64_t> jegyzek;
};

// Takes a thread's results under the pass's lock; true once the pass has found what
// it is for, so that it stops.
using Fogado = std::function<bool(const Resz&)>;

class Kereso;
class Tar;

// One call's distributions, searched in passes that share the threads' tables, up to
// `koteg` of them together: on the caller's thread when `szalak` is 0, reading the
// clock before every distribution and at every card (every 256th with the real clock;
// a node of distributions searched together counts as one card), as the literal
// engine does; else on that many worker threads, the caller reading the clock and
// telling them to stop.
class Futas {
public:
    Futas(Asztal& a, const Allando& A, const Ter& ter, const Kombinaciok& komb, int64_t hatarido, bool valodi,
          int32_t szalak, const Kulso& kulso);
    ~Futas();

    // Searches the slots `aktiv` in the distributions of `s`, handing the results to
    // `fogado` when given (with the list of each distribution when `jegyzek`).
    Osszeg menet(const Sorrend& s, uint32_t aktiv, const Fogado* fogado = nullptr, bool jegyzek = false);
    // The slots that may be a root candidate in some distribution.
    uint32_t lehetseges_slotok();

    const Kombinaciok& komb;
    const Ter& ter;
    bool lejart = false;       // the clock or `leallitas` stopped a pass: nothing more to do
    // How many distributions of a piece are searched together (gyors_vilagok.cpp); 1:
    // each on its own. The counts are the same.
    int32_t koteg = 256;
    uint64_t csomopontok() const;
    int32_t szalak_szama() const { return szalak; }  // worker threads; 0: the caller's own

private:
    Asztal& a;
    const Allando& A;
    int64_t hatarido;
    bool valodi;
    int32_t szalak;
    Kulso kulso;
    std::unique_ptr<Tar> kozos_tar;  // with worker threads, the large table they share
    std::vector<std::unique_ptr<Kereso>> keresok;  // one per thread, kept across passes

    Osszeg helyben(const Sorrend& s, uint32_t aktiv, const Fogado* fogado, bool jegyzek);
    Osszeg szalakon(const Sorrend& s, uint32_t aktiv, const Fogado* fogado, bool jegyzek);
};

}  // namespace gyors
