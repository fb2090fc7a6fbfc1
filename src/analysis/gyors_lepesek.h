#pragma once
// The fast engine's moves: cards as bits, what stays the same for a whole call, and
// the position of one search with its candidate cards (as `lapjelolt` lists them),
// playing a card and taking it back, and the verdict of `kiertekeles` on it.

#include <bit>
#include <cstdint>

#include "analysis/kereses.h"
#include "model/asztal.h"

namespace gyors {

// One bit per card, at suit * 8 + order (the card's place in the play order of the
// deal: the trump column with a trump suit). Higher bits are higher cards, and the
// order of the bits from the top is the slot order of a sorted hand.
using Maszk = uint32_t;

inline Maszk szin_maszk(int32_t s) { return 0xFFu << (s * 8); }
inline int32_t legfelso(Maszk m) { return 31 - std::countl_zero(m); }

// What stays the same for the whole call.
struct Allando {
    int32_t adu = NINCS_ADU, D = 0, owner = 0, T = 0, K = 0;
    Komponensek k;
    int32_t bit[32] = {};   // card number (suit * 8 + rank) -> bit
    Maszk tizes = 0;        // the Ászok and 10s
    Maszk asz = 0;
    int32_t hetes = -1;     // bit of the trump 7; -1 without a trump suit
    // The root trick: its leader, and the cards and seats before position K.
    int32_t gy_vezeto = 0;
    int32_t gy_lap[3] = {-1, -1, -1};
    int32_t gy_seat[3] = {-1, -1, -1};
    int32_t gy_nyero[3] = {0, 0, 0};
    int32_t ut[10] = {}, ua[10] = {};  // `utes_tizes`, `utes_asz` at the root
    // felvevo_tizes, ellen_tizes, felvevo_asz, ellen_asz, felvevo_utes, ellen_utes
    int32_t szamlalo[6] = {};
    int32_t slot[32] = {};  // the owner's slot of each of its cards' bits
    // The counters the verdict reads: only they go into the table's key.
    bool kulcs_tizes = false, kulcs_asz = false, kulcs_utes = false;
    bool tizes_szamit = true;  // the verdict reads the tens or the Ászok
    Maszk szamolt = 0;         // the cards whose counts the verdict reads
    bool tomorit = true;       // the key closes up each suit's cards left
    bool asz_jel = false;      // the key marks the suits whose Ász is out of play
    // The table keeps, per position, the declarer's tens from which on he makes it
    // and up to which he fails, not one entry for each (see `Tabla`).
    bool tizes_hatar = false;
};

// The position of one search: the hands, the tricks from the root on, and the six
// counters (felvevo_tizes, ellen_tizes, felvevo_asz, ellen_asz, felvevo_utes,
// ellen_utes as fT, eT, fA, eA, fU, eU).
struct Allas {
    explicit Allas(const Allando& a) : A(a) {}

    const Allando& A;
    Maszk kez[3] = {};
    int32_t vezeto[10] = {};
    int32_t lap[10][3] = {}, seat[10][3] = {}, nyero[10][3] = {};
    int32_t ut[10] = {}, ua[10] = {};
    int32_t fT = 0, eT = 0, fA = 0, eA = 0, fU = 0, eU = 0;

    // The root position of the distribution with the hands h.
    void gyoker(const Maszk h[3]) {
        for (int32_t s = 0; s < 3; ++s) kez[s] = h[s];
        for (int32_t t = 0; t < 10; ++t) {
            ut[t] = A.ut[t];
            ua[t] = A.ua[t];
        }
        fT = A.szamlalo[0];
        eT = A.szamlalo[1];
        fA = A.szamlalo[2];
        eA = A.szamlalo[3];
        fU = A.szamlalo[4];
        eU = A.szamlalo[5];
        vezeto[A.T] = A.gy_vezeto;
        for (int32_t j = 0; j < A.K; ++j) {
            lap[A.T][j] = A.gy_lap[j];
            seat[A.T][j] = A.gy_seat[j];
            nyero[A.T][j] = A.gy_nyero[j];
        }
    }

    // Whether `also` (lower) and `felso` (the card listed last) are of equal value for
    // seat s, as `egyenerteku` decides: the same suit, no 10 or Ász above and no trump 7
    // below in a trump game, and nothing between them in another hand. Below the root
    // the 10s and Ászok merge too when no counter of tens or Ászok is read, and the
    // trump 7 when there is no Ulti: the cards are then of equal value for the verdict
    // as well, so the value of every position stays the same with fewer lines.
    bool egyenerteku(int32_t also, int32_t felso, Maszk masok, bool gyoker) const {
        if ((also >> 3) != (felso >> 3)) return false;
        if (A.adu < 4 && ((((A.tizes >> felso) & 1) && (gyoker || A.tizes_szamit)) ||
                          (also == A.hetes && (gyoker || A.k.ulti))))
            return false;
        const Maszk kozott = ((1u << felso) - 1) & ~((2u << also) - 1);
        return (kozott & masok) == 0;
    }

    // The classes of the cards that may follow at (t, k), highest first: the card the
    // seat must play comes from the highest class its hand has (`m[0]` to `m[2]`, the
    // rest after them), and `nyer[i]` says whether a card of class i takes the trick
    // from `ha_nem`, the seat winning it so far.
    struct Osztalyok {
        Maszk m[3] = {};
        bool nyer[4] = {};
        int32_t ha_nem = -1;
    };
    Osztalyok osztalyok(int32_t t, int32_t k) const {
        Osztalyok o;
        if (k == 0) return o;
        const int32_t hivott = lap[t][0];
        int32_t ref = hivott;
        o.ha_nem = seat[t][0];
        bool lopott = false;
        if (k == 2 && nyero[t][1] != seat[t][0]) {
            // The second card won: it is the card to beat.
            ref = lap[t][1];
            o.ha_nem = seat[t][1];
            lopott = (ref >> 3) != (hivott >> 3);
        }
        const int32_t rs = ref >> 3, rr = ref & 7;
        const Maszk felett = ((0xFFu << (rr + 1)) & 0xFFu) << (rs * 8);
        const Maszk alatta = ((1u << rr) - 1) << (rs * 8);
        const Maszk adu = A.adu < 4 ? szin_maszk(A.adu) : 0;
        if (!lopott) {
            o.m[0] = felett;
            o.m[1] = alatta;
            o.m[2] = A.adu != rs ? adu : 0;
            o.nyer[0] = o.nyer[2] = true;
        } else {
            // The second card trumped: following cannot win, only a higher trump.
            o.m[0] = szin_maszk(hivott >> 3);
            o.m[1] = felett;
            o.m[2] = adu & ~felett;
            o.nyer[1] = true;
        }
        return o;
    }

    // The candidates of seat s at (t, k), as `lapjelolt` lists them: the highest class
    // of following, overtaking and trumping present, of each run of equal cards the
    // lowest, in slot order. `uj_nyero` is the seat winning the trick after any of them.
    int32_t jeloltek(int32_t t, int32_t k, int32_t s, int32_t* lista, int32_t& uj_nyero) const {
        const Maszk H = kez[s];
        Maszk valasztott = H;
        uj_nyero = s;
        if (k > 0) {
            const Osztalyok o = osztalyok(t, k);
            int32_t i = 0;
            while (i < 3 && !(H & o.m[i])) ++i;
            if (i < 3) valasztott = H & o.m[i];
            else valasztott = H & ~(o.m[0] | o.m[1] | o.m[2]);
            uj_nyero = o.nyer[i] ? s : o.ha_nem;
        }
        const Maszk masok = kez[(s + 1) % 3] | kez[(s + 2) % 3];
        int32_t n = 0;
        while (valasztott) {
            const int32_t p = legfelso(valasztott);
            valasztott &= ~(1u << p);
            if (n > 0 && egyenerteku(p, lista[n - 1], masok, t == A.T && k == A.K))
                lista[n - 1] = p;
            else
                lista[n++] = p;
        }
        return n;
    }

    void lerak(int32_t t, int32_t k, int32_t s, int32_t p, int32_t w) {
        kez[s] &= ~(1u << p);
        lap[t][k] = p;
        seat[t][k] = s;
        nyero[t][k] = w;
        if ((A.asz >> p) & 1) {
            ++ua[t];
            ++ut[t];
        } else if ((A.tizes >> p) & 1) {
            ++ut[t];
        }
        if (k == 2) {
            if (t == 9) ++ut[9];
            if (w == A.D) {
                fA += ua[t];
                fT += ut[t];
                ++fU;
            } else {
                eA += ua[t];
                eT += ut[t];
                ++eU;
            }
        }
    }

    void visszavesz(int32_t t, int32_t k, int32_t s, int32_t p, int32_t w) {
        if (k == 2) {
            if (w == A.D) {
                fA -= ua[t];
                fT -= ut[t];
                --fU;
            } else {
                eA -= ua[t];
                eT -= ut[t];
                --eU;
            }
            if (t == 9) --ut[9];
        }
        if ((A.asz >> p) & 1) {
            --ua[t];
            --ut[t];
        } else if ((A.tizes >> p) & 1) {
            --ut[t];
        }
        kez[s] |= 1u << p;
    }

    // `kiertekeles` after the card at (t, k).
    int32_t ertekel(int32_t t, int32_t k) const {
        const bool vege = t == 9 && k == 2;
        bool hetessel = false;
        if (A.k.ulti && vege && nyero[9][2] == A.D)
            for (int32_t j = 0; j < 3; ++j)
                if (seat[9][j] == A.D) hetessel = lap[9][j] == A.hetes;
        // The trump 7 is out of play once no hand holds it.
        const bool oda = A.adu < 4 && t < 9 && !(((kez[0] | kez[1] | kez[2]) >> A.hetes) & 1);
        const int32_t sz[6] = {fT, eT, fA, eA, fU, eU};
        return itelet(A.k, vege, A.adu < 4, hetessel, oda, sz);
    }
};

}  // namespace gyors
