#include "analysis/gyors_kereses.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <chrono>
#include <climits>
#include <condition_variable>
#include <cstdlib>
#include <exception>
#include <memory>
#include <mutex>
#include <numeric>
#include <new>
#include <thread>
#include <vector>

#include "analysis/kereses.h"

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace {

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
};

// An entry of the transposition table: a position at the start of a trick and its
// value, in sixteen bytes so that an entry never straddles a cache line. The three
// hands as two bits per card (0 out of play, 1, 2, 3 the hand of seat 0, 1, 2) and
// the counted cards among them (`kezek`); the leader and the counters the verdict
// reads (`kulcs`), and the value in bits 26-27 (1 made, 2 failed, 0 an empty entry).
struct Bejegyzes {
    uint64_t kezek;
    uint32_t adat;
    uint32_t jelek;
};

// The table's memory: zeroed pages from the system, on large pages where it has them
// (a probe of a large table misses the cache; with small pages it misses the address
// cache as well).
class TablaMemoria {
public:
    explicit TablaMemoria(size_t bajt) {
#if defined(__linux__)
        if (bajt >= NAGY_LAP) {
            void* m = mmap(nullptr, bajt + NAGY_LAP, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
            if (m == MAP_FAILED) throw std::bad_alloc();
            foglalt = m;
            foglalt_n = bajt + NAGY_LAP;
            const uintptr_t c = (reinterpret_cast<uintptr_t>(m) + NAGY_LAP - 1) & ~(uintptr_t{NAGY_LAP} - 1);
            p = reinterpret_cast<void*>(c);
            madvise(p, bajt, MADV_HUGEPAGE);
            return;
        }
#endif
        // calloc: the pages are zeroed by the system as they are first touched.
        p = std::calloc(1, bajt);
        if (!p) throw std::bad_alloc();
    }
    ~TablaMemoria() {
#if defined(__linux__)
        if (foglalt) {
            munmap(foglalt, foglalt_n);
            return;
        }
#endif
        std::free(p);
    }
    TablaMemoria(const TablaMemoria&) = delete;
    TablaMemoria& operator=(const TablaMemoria&) = delete;
    void* adat() const { return p; }

private:
    static constexpr size_t NAGY_LAP = size_t{2} << 20;
    void* p = nullptr;
    void* foglalt = nullptr;
    size_t foglalt_n = 0;
};

// The search of one thread. Its table is kept across the distributions it searches:
// a position reached from two distributions has the same value, since everything
// that decides the rest of the play is in the key.
class Kereso {
public:
    Kereso(const Allando& a, int32_t tabla_bitek)
        : A(a), tabla_mem((size_t{1} << tabla_bitek) * sizeof(Bejegyzes)), kis_mem(KIS * sizeof(Bejegyzes)) {
        tabla = static_cast<Bejegyzes*>(tabla_mem.adat());
        kis_tabla = static_cast<Bejegyzes*>(kis_mem.adat());
        tabla_maszk = (size_t{1} << tabla_bitek) - 1;
    }

    // Stopping: at every `ora_lepes` + 1 cards, the clock of `ora_asztal` when set,
    // else the shared flag.
    const Asztal* ora_asztal = nullptr;
    int64_t hatarido = LLONG_MAX;
    uint64_t ora_lepes = 1023;
    const std::atomic<bool>* allj = nullptr;
    std::atomic<uint64_t>* haladas = nullptr;  // cards played, for a driven clock
    bool megszakitva = false;
    uint64_t csomopontok = 0;

    // Searches the distribution with the hands h, the root candidates whose slot is in
    // `aktiv`. False when cut off; else `jo` holds a bit per owner's slot whose card
    // reaches the owner's goal.
    bool eloszlas(const Maszk h[3], uint32_t aktiv, uint32_t& jo) {
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
        const int32_t T = A.T, K = A.K;
        vezeto[T] = A.gy_vezeto;
        for (int32_t j = 0; j < K; ++j) {
            lap[T][j] = A.gy_lap[j];
            seat[T][j] = A.gy_seat[j];
            nyero[T][j] = A.gy_nyero[j];
        }
        jo = 0;
        int32_t lista[10], w = 0;
        const int32_t n = jeloltek(T, K, A.owner, lista, w);
        // Every root candidate is searched to its end, as the literal search does.
        for (int32_t i = 0; i < n; ++i) {
            if (!((aktiv >> A.slot[lista[i]]) & 1)) continue;
            if (lejart()) return false;
            const int32_t r = kovetkezmeny(T, K, A.owner, lista[i], w);
            if (r == 0) return false;
            if ((A.owner == A.D) == (r == 1)) jo |= 1u << A.slot[lista[i]];
        }
        return true;
    }

private:
    const Allando& A;
    TablaMemoria tabla_mem;
    Bejegyzes* tabla = nullptr;
    // The positions of the last tricks, many and cheap: a small table that stays in
    // the cache.
    static constexpr size_t KIS = size_t{1} << 14;
    TablaMemoria kis_mem;
    Bejegyzes* kis_tabla = nullptr;
    uint64_t tabla_maszk = 0;

    Maszk kez[3] = {};
    int32_t vezeto[10] = {};
    int32_t lap[10][3] = {}, seat[10][3] = {}, nyero[10][3] = {};
    int32_t ut[10] = {}, ua[10] = {};
    int32_t fT = 0, eT = 0, fA = 0, eA = 0, fU = 0, eU = 0;

    bool lejart() {
        if (megszakitva) return true;
        if ((++csomopontok & ora_lepes) == 0) {
            if (ora_asztal) {
                if (ora_olvasas(*ora_asztal) >= hatarido) megszakitva = true;
            } else {
                if (haladas) haladas->fetch_add(ora_lepes + 1, std::memory_order_relaxed);
                if (allj && allj->load(std::memory_order_relaxed)) megszakitva = true;
            }
        }
        return megszakitva;
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

    // The candidates of seat s at (t, k), as `lapjelolt` lists them: the highest class
    // of following, overtaking and trumping present, of each run of equal cards the
    // lowest, in slot order. `uj_nyero` is the seat winning the trick after any of them.
    int32_t jeloltek(int32_t t, int32_t k, int32_t s, int32_t* lista, int32_t& uj_nyero) const {
        const Maszk H = kez[s];
        Maszk valasztott = H;
        uj_nyero = s;
        if (k > 0) {
            const int32_t hivott = lap[t][0];
            int32_t ref = hivott, ha_nem = seat[t][0];
            bool lopott = false;
            if (k == 2 && nyero[t][1] != seat[t][0]) {
                // The second card won: it is the card to beat.
                ref = lap[t][1];
                ha_nem = seat[t][1];
                lopott = (ref >> 3) != (hivott >> 3);
            }
            const int32_t rs = ref >> 3, rr = ref & 7;
            const Maszk felett = ((0xFFu << (rr + 1)) & 0xFFu) << (rs * 8);
            const Maszk alatta = ((1u << rr) - 1) << (rs * 8);
            const Maszk adu = A.adu < 4 ? szin_maszk(A.adu) : 0;
            Maszk o4, o3, o2;
            if (!lopott) {
                o4 = H & felett;
                o3 = H & alatta;
                o2 = A.adu != rs ? H & adu : 0;
            } else {
                // The second card trumped: following cannot win, only a higher trump.
                o4 = H & szin_maszk(hivott >> 3);
                o3 = H & felett;
                o2 = H & adu & ~felett;
            }
            const Maszk o1 = H & ~(o4 | o3 | o2);
            int32_t osztaly;
            if (o4) {
                valasztott = o4;
                osztaly = 4;
            } else if (o3) {
                valasztott = o3;
                osztaly = 3;
            } else if (o2) {
                valasztott = o2;
                osztaly = 2;
            } else {
                valasztott = o1;
                osztaly = 1;
            }
            const bool nyer = lopott ? osztaly == 3 : (osztaly == 4 || osztaly == 2);
            uj_nyero = nyer ? s : ha_nem;
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

    // Plays p for seat s at (t, k) and returns the value of the line: the verdict when
    // it decides, else the value of the position after it; 0 when cut off.
    int32_t kovetkezmeny(int32_t t, int32_t k, int32_t s, int32_t p, int32_t w) {
        lerak(t, k, s, p, w);
        int32_t r = ertekel(t, k);
        if (r == 0) {
            if (k == 2) {
                vezeto[t + 1] = w;
                r = megold(t + 1, 0);
            } else {
                r = megold(t, k + 1);
            }
        }
        visszavesz(t, k, s, p, w);
        // A driven clock counts the steps of the search: every card played and every
        // card taken back, as the literal engine's loop does.
        if (ora_lepes == 0 && ora_asztal && ora_olvasas(*ora_asztal) >= hatarido) megszakitva = true;
        return r;
    }

    // The leader and the counters the verdict reads, in 26 bits.
    uint32_t kulcs(int32_t t) const {
        uint32_t x = static_cast<uint32_t>(vezeto[t]);
        if (A.kulcs_tizes) x |= static_cast<uint32_t>(fT) << 2 | static_cast<uint32_t>(eT) << 7;
        if (A.kulcs_asz) x |= static_cast<uint32_t>(fA) << 12 | static_cast<uint32_t>(eA) << 15;
        if (A.kulcs_utes) x |= static_cast<uint32_t>(fU) << 18 | static_cast<uint32_t>(eU) << 22;
        return x;
    }
    // The hands for the key, two bits per card. Only the order of the cards left in
    // each suit decides the play, not which of them were played: each suit's cards
    // left close up to its lowest places, so that positions that differ only so share
    // an entry. The cards the verdict counts (tens or Ászok) stay marked in `jelek`;
    // the trump 7 of an Ulti is the lowest trump while it is in play.
    uint64_t kezek(uint32_t& jelek) const {
        Maszk t[3] = {kez[0], kez[1], kez[2]};
        jelek = 0;
        if (A.tomorit) t[0] = t[1] = t[2] = 0;
        for (int32_t sz = 0; sz < 4 && A.tomorit; ++sz) {
            Maszk bent = (kez[0] | kez[1] | kez[2]) & szin_maszk(sz);
            Maszk hely = 1u << (sz * 8);
            for (; bent; bent &= bent - 1, hely <<= 1) {
                const Maszk b = bent & (0u - bent);
                t[(kez[1] & b) ? 1 : (kez[2] & b) ? 2 : 0] |= hely;
                if (A.szamolt & b) jelek |= hely;
            }
        }
        return (static_cast<uint64_t>(t[1] | t[2]) << 32) | (t[0] | t[2]);
    }

    // The two entries a position may take: a pair in one cache line.
    Bejegyzes* hely(int32_t t, uint64_t kk, uint32_t tobbi) const {
        uint64_t h = kk * 0x9E3779B97F4A7C15ULL ^ (tobbi * 0xD6E8FEB86659FD93ULL);
        h ^= h >> 29;
        h *= 0xBF58476D1CE4E5B9ULL;
        h ^= h >> 32;
        // The positions of the last tricks are many and cheap: a small table of their
        // own stays in the cache.
        if (t >= 7) return &kis_tabla[h & (KIS - 2)];
        return &tabla[h & (tabla_maszk - 1)];
    }

    // The value of the position with the next card at (t, k): the side to move needs
    // one card that reaches its goal. 0 when cut off.
    int32_t megold(int32_t t, int32_t k) {
        Bejegyzes* e = nullptr;
        uint32_t tobbi = 0;
        uint64_t kk = 0;
        uint32_t jelek = 0;
        const uint64_t kezdet = csomopontok;
        if (k == 0) {
            tobbi = kulcs(t);
            kk = kezek(jelek);
            e = hely(t, kk ^ (static_cast<uint64_t>(jelek) << 17), tobbi);
            for (int32_t i = 0; i < 2; ++i)
                if (e[i].kezek == kk && e[i].jelek == jelek && (e[i].adat & 0x3FFFFFFu) == tobbi &&
                    ((e[i].adat >> 26) & 3) != 0)
                    return ((e[i].adat >> 26) & 3) == 1 ? 1 : -1;
        }
        const int32_t s = (vezeto[t] + k) % 3;
        const int32_t akar = s == A.D ? 1 : -1;
        int32_t lista[10], w = 0;
        const int32_t n = jeloltek(t, k, s, lista, w);
        // A seat with no card (only in an inconsistent layout) loses the line.
        int32_t ertek = -akar;
        for (int32_t i = 0; i < n; ++i) {
            if (lejart()) return 0;
            const int32_t r = kovetkezmeny(t, k, s, lista[i], w);
            if (r == 0) return 0;
            if (r == akar) {
                ertek = akar;
                break;
            }
        }
        if (e) {
            // Of the pair, the entry that holds this position or is empty, else the one
            // that was cheaper to find: the expensive values stay.
            const uint32_t munka = static_cast<uint32_t>(std::min<int32_t>(15, static_cast<int32_t>(std::bit_width(csomopontok - kezdet))));
            auto olcso = [](const Bejegyzes& b) { return ((b.adat >> 26) & 3) == 0 ? 0u : 1u + (b.adat >> 28); };
            Bejegyzes* c = &e[olcso(e[1]) < olcso(e[0]) ? 1 : 0];
            for (int32_t i = 0; i < 2; ++i)
                if (e[i].kezek == kk && e[i].jelek == jelek && (e[i].adat & 0x3FFFFFFu) == tobbi) c = &e[i];
            c->kezek = kk;
            c->jelek = jelek;
            c->adat = tobbi | (ertek == 1 ? 1u : 2u) << 26 | munka << 28;
        }
        return ertek;
    }
};

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
    // The slots whose count may still reach or tie the leading count if every
    // distribution left went to them; all ten while no slot has a count. A slot out
    // of the race stays out, so the card choice need not search it any more.
    uint32_t esely(uint64_t osszes) const {
        const int64_t hatra = static_cast<int64_t>(osszes - atnezett);
        int64_t elso = 0;
        for (int64_t v : per_slot) elso = std::max(elso, v);
        uint32_t m = 0;
        for (int32_t i = 0; i < 10; ++i)
            if (per_slot[i] + hatra >= elso) m |= 1u << i;
        return m;
    }
    // The card choice is known: one slot's count beats every other's even if all the
    // distributions left went to the other.
    bool eldontott(uint64_t osszes) const {
        const uint32_t m = esely(osszes);
        return std::popcount(m) == 1 && per_slot[std::countr_zero(m)] > 0;
    }
};

bool valodi_ora_e(const Asztal& a) {
    if (!a.ora) return true;
    auto* f = a.ora.target<int64_t (*)()>();
    return f && *f == &valodi_ora;
}

// Sets up the constants; false when the position is not one the fast engine takes
// (then the literal engine answers).
bool elokeszites(const Asztal& a, const Jatekos& rec, const ElosztasTer& x, Allando& A, Ter& ter) {
    if (!x.rendben || x.U > 31 || rec.sorszam != a.soron) return false;
    const int32_t T = a.utes_szam, K = a.utes_lapszam;
    if (T < 0 || T > 9 || K < 0 || K > 2) return false;
    // At a lead the owner leads (its candidate list writes the leader); after it the
    // trick's record names the leader.
    const int32_t vezeto = K == 0 ? rec.sorszam : a.utes_nyero[T][0];
    if (vezeto < 0 || vezeto > 2 || (vezeto + K) % 3 != rec.sorszam) return false;
    A.adu = a.adu;
    A.D = a.felvevo;
    A.owner = rec.sorszam;
    A.T = T;
    A.K = K;
    A.k = komponensek(a.jatek);
    A.kulcs_tizes = A.k.negyven_szaz || A.k.husz_szaz;
    A.kulcs_asz = A.k.negy_asz;
    A.kulcs_utes = A.k.durchmars || A.k.betli;
    A.tizes_szamit = A.kulcs_tizes || A.kulcs_asz;
    const int32_t o = oszlop(a.adu);
    for (int32_t c = 0; c < 32; ++c) {
        const int32_t p = (c / 8) * 8 + sorrend[c % 8][o];
        A.bit[c] = p;
        if (c % 8 == ASZ) A.asz |= 1u << p;
        if (c % 8 == ASZ || c % 8 == TIZES) A.tizes |= 1u << p;
    }
    A.hetes = a.adu < 4 ? A.bit[a.adu * 8 + HETES] : -1;
    // Ászok and 10s count alike for the hundreds; with Négy Ász too the two kinds
    // would need two marks, so there the key keeps the cards themselves.
    A.tomorit = !(A.kulcs_asz && A.kulcs_tizes);
    A.szamolt = A.kulcs_tizes ? A.tizes : A.kulcs_asz ? A.asz : 0;

    // The root trick's cards, from the real hands.
    A.gy_vezeto = vezeto;
    for (int32_t j = 0; j < K; ++j) {
        const UtesLap& u = a.utes_lapok[T][j];
        if (u.seat != (vezeto + j) % 3 || u.slot < 0 || u.slot > 9) return false;
        const Kartyalap& c = a.jatekosok[u.seat].lapok[u.slot];
        if (c.szin < 0 || c.szin > 3 || c.ertek < 0 || c.ertek > 7) return false;
        if (x.ment_hol[c.szin][c.ertek] >= 0) return false;  // on the table, so played
        A.gy_lap[j] = A.bit[c.kep];
        A.gy_seat[j] = u.seat;
        A.gy_nyero[j] = j == 0 ? vezeto : a.utes_nyero[T][j];
    }
    if (K == 2 && A.gy_nyero[1] != vezeto && A.gy_nyero[1] != (vezeto + 1) % 3) return false;
    for (int32_t t = 0; t < 10; ++t) {
        A.ut[t] = a.utes_tizes[t];
        A.ua[t] = a.utes_asz[t];
    }
    const int32_t sz[6] = {rec.felvevo_tizes, rec.ellen_tizes, rec.felvevo_asz,
                           rec.ellen_asz,     rec.felvevo_utes, rec.ellen_utes};
    // The key has room for the counters it holds, with what the search may add: nine
    // tens (the last trick's one among them), the Ászok still in a hand or in the root
    // trick (none once all four are taken), ten tricks.
    int32_t asz_bent = A.ua[T];
    for (int32_t sz_ = 0; sz_ < 4; ++sz_) asz_bent += x.ment_hol[sz_][ASZ] >= 0;
    const int32_t felso[6] = {A.kulcs_tizes ? 22 : 1000,       A.kulcs_tizes ? 22 : 1000,
                              A.kulcs_asz ? 7 - asz_bent : 1000, A.kulcs_asz ? 7 - asz_bent : 1000,
                              A.kulcs_utes ? 5 + T : 1000,     A.kulcs_utes ? 5 + T : 1000};
    for (int32_t i = 0; i < 6; ++i) {
        if (sz[i] < 0 || sz[i] > felso[i]) return false;
        A.szamlalo[i] = sz[i];
    }
    for (int32_t t = 0; t < 10; ++t)
        if (a.utes_tizes[t] < 0 || a.utes_tizes[t] > 4 || a.utes_asz[t] < 0 || a.utes_asz[t] > 3) return false;

    // The owner's slots: its ten cards (held or played) in the order of a sorted hand.
    Maszk sajat = 0;
    ter.x = &x;
    ter.D = a.felvevo;
    int32_t j = 0;
    for (int32_t i = 0; i < 32; ++i) {
        const int32_t c = x.sorrend_lapok[i];
        const int32_t h = x.ment_hol[c / 8][c % 8];
        if (h == HOL_TALON) continue;
        if (h >= 3) {
            ter.rejtett[j] = A.bit[c];
            ter.rejtett_kep[j] = c;
            ++j;
        } else if (h == x.o || h == x.o - 10) {
            sajat |= 1u << A.bit[c];
            if (h == x.o) ter.ismert[x.o] |= 1u << A.bit[c];
        } else if (h == x.R) {
            ter.ismert[x.R] |= 1u << A.bit[c];
        } else if (h == x.L) {
            ter.ismert[x.L] |= 1u << A.bit[c];
        }
    }
    if (j != x.U || std::popcount(sajat) != 10) return false;
    for (int32_t p = 0; p < 32; ++p)
        A.slot[p] = ((sajat >> p) & 1) ? std::popcount(static_cast<uint64_t>(sajat) >> (p + 1)) : 0;
    ter.szures = a.jatek.ulti && a.adu < 4;
    ter.hetes_kep = a.adu < 4 ? a.adu * 8 + HETES : -1;

    // Every hand the size the position asks for (those who played to the root trick
    // one card fewer), so a seat never runs out of cards.
    int32_t komb[32];
    for (int32_t i = 0; i < x.N; ++i) komb[i] = i;
    Maszk h[3];
    ter.kezek(komb, h);
    for (int32_t s = 0; s < 3; ++s) {
        int32_t kell = 10 - T;
        for (int32_t i = 0; i < K; ++i) kell -= A.gy_seat[i] == s;
        if (std::popcount(h[s]) != kell) return false;
    }
    return true;
}

// Table size per thread: enough for the positions of the tricks left.
int32_t tabla_bitek(int32_t T) { return T >= 7 ? 10 : T >= 5 ? 14 : T >= 3 ? 18 : 20; }

// The combinations in blocks of consecutive ranks (neighbouring distributions share
// positions in the table), the blocks visited in a spread order: a stride coprime
// with their number, so that the counts of the first blocks already look like the
// whole and the card choice can stop sooner.
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

// The shared state of the worker threads.
struct Munka {
    Munka(const Allando& a, const Ter& t, const Kombinaciok& k, const Blokkok& b)
        : A(a), ter(t), komb(k), blokkok(b) {}
    const Allando& A;
    const Ter& ter;
    const Kombinaciok& komb;
    const Blokkok& blokkok;
    uint64_t osszes = 0;
    bool korai = false;
    std::atomic<uint64_t> kovetkezo{0};
    std::atomic<bool> allj{false};
    std::atomic<uint64_t> haladas{0};
    std::atomic<uint32_t> aktiv{0x3FF};  // the slots still in the race (card choice)
    std::mutex mx;
    std::condition_variable cv;
    Osszeg osszeg;        // under mx
    int32_t futo = 0;     // under mx
    uint64_t csomopontok = 0;
    std::exception_ptr hiba;

    void dolgozik() {
        try {
            Kereso k(A, tabla_bitek(A.T));
            k.allj = &allj;
            k.haladas = &haladas;
            for (;;) {
                const uint64_t j = kovetkezo.fetch_add(1);
                if (j >= blokkok.db || allj.load(std::memory_order_relaxed)) break;
                uint64_t eleje, vege;
                blokkok.tartomany(j, eleje, vege);
                int32_t kb[32];
                komb.kibont(eleje, kb);
                Osszeg o;
                bool vagva = false;
                for (uint64_t r = eleje; r < vege; ++r) {
                    Maszk h[3];
                    o.utolso = r;
                    if (ter.kezek(kb, h)) {
                        uint32_t jo = 0;
                        if (!k.eloszlas(h, aktiv.load(std::memory_order_relaxed), jo)) {
                            vagva = true;
                            break;
                        }
                        o.hozzaad(jo);
                    }
                    ++o.atnezett;
                    komb.leptet(kb);
                }
                std::lock_guard<std::mutex> lk(mx);
                osszeg.hozzaad(o);
                if (korai) {
                    aktiv = osszeg.esely(osszes);
                    if (osszeg.eldontott(osszes)) allj = true;
                }
                if (vagva) break;
            }
            std::lock_guard<std::mutex> lk(mx);
            csomopontok += k.csomopontok;
        } catch (...) {
            std::lock_guard<std::mutex> lk(mx);
            if (!hiba) hiba = std::current_exception();
            allj = true;
        }
        std::lock_guard<std::mutex> lk(mx);
        --futo;
        cv.notify_all();
    }
};

}  // namespace

ElemzesEredmeny gyors_variacio(Asztal& a, Jatekos& rec, const VariacioBeallitas& b) {
    // Step 1: the start time and the space of distributions (the random scan order
    // is drawn here, as the literal engine draws it).
    const int64_t kezdet = ora_olvasas(a);
    const ElosztasTer x = elosztas_ter(a, rec);
    Allando A;
    Ter ter;
    if (!elokeszites(a, rec, x, A, ter)) return variacio_literalis(a, rec, kezdet, x);
    const int64_t hatarido = variacio_hatarido(a, kezdet);
    const Kombinaciok komb(x.U, x.N);
    const uint64_t osszes = komb.darab();

    const bool valodi = valodi_ora_e(a);
    int32_t szalak = b.szalak > 0 ? b.szalak : a.kereses_szalak;
    // Late in the deal a search takes well under a millisecond: no threads to start.
    if (szalak <= 0 && valodi && osszes >= 8 && A.T <= 4)
        szalak = static_cast<int32_t>(std::max(1u, std::thread::hardware_concurrency()));

    const Blokkok blokkok(osszes, std::clamp<uint64_t>(osszes / 64, 8, 512));
    Osszeg osszeg;
    uint64_t csomopontok = 0;
    if (szalak <= 0) {
        // On the caller's thread, reading the clock before every distribution and at
        // every card (every 256th with the real clock), as the literal engine does.
        Kereso k(A, tabla_bitek(A.T));
        k.ora_asztal = &a;
        k.hatarido = hatarido;
        k.ora_lepes = valodi ? 255 : 0;
        bool vege = false;
        for (uint64_t j = 0; j < blokkok.db && !vege; ++j) {
            uint64_t eleje, utan;
            blokkok.tartomany(j, eleje, utan);
            int32_t kb[32];
            komb.kibont(eleje, kb);
            for (uint64_t r = eleje; r < utan && !vege; ++r) {
                if (ora_olvasas(a) >= hatarido) {
                    vege = true;
                    break;
                }
                osszeg.utolso = std::max(osszeg.utolso, r);
                Maszk h[3];
                if (ter.kezek(kb, h)) {
                    uint32_t jo = 0;
                    if (!k.eloszlas(h, b.korai_dontes ? osszeg.esely(osszes) : 0x3FF, jo)) {
                        vege = true;
                        break;
                    }
                    osszeg.hozzaad(jo);
                }
                ++osszeg.atnezett;
                vege = b.korai_dontes && osszeg.eldontott(osszes);
                komb.leptet(kb);
            }
        }
        csomopontok = k.csomopontok;
    } else {
        // Worker threads; only this thread reads the clock, and tells them to stop.
        Munka m(A, ter, komb, blokkok);
        m.osszes = osszes;
        m.korai = b.korai_dontes;
        m.futo = szalak;
        std::vector<std::thread> dolgozok;
        // However this block is left (a thread that cannot start, a clock that
        // throws), the workers are told to stop and waited for.
        struct Leallito {
            Munka& m;
            std::vector<std::thread>& d;
            ~Leallito() {
                m.allj = true;
                for (std::thread& t : d) t.join();
            }
        } leallito{m, dolgozok};
        for (int32_t i = 0; i < szalak; ++i) dolgozok.emplace_back([&m] { m.dolgozik(); });
        {
            // The real clock is read every two milliseconds; a driven one once per card
            // the workers played, so that its limit means as many cards as on one thread.
            uint64_t olvasott = 0;
            std::unique_lock<std::mutex> lk(m.mx);
            while (m.futo > 0) {
                m.cv.wait_for(lk, valodi ? std::chrono::microseconds(2000) : std::chrono::microseconds(100));
                if (m.futo == 0) break;
                lk.unlock();
                bool lejart = ora_olvasas(a) >= hatarido;
                for (const uint64_t n = m.haladas.load(std::memory_order_relaxed); !valodi && !lejart && olvasott < n;
                     ++olvasott)
                    lejart = ora_olvasas(a) >= hatarido;
                lk.lock();
                if (lejart) {
                    m.allj = true;
                    break;
                }
            }
        }
        for (std::thread& d : dolgozok) d.join();
        dolgozok.clear();
        if (m.hiba) std::rethrow_exception(m.hiba);
        osszeg = m.osszeg;
        csomopontok = m.csomopontok;
    }
    a.keresett_lapok += csomopontok;

    // The record's rows keep the last distribution looked at, as in the literal engine.
    {
        bool R_nal[32] = {};
        int32_t kb[32];
        komb.kibont(osszeg.utolso, kb);
        for (int32_t i = 0; i < x.N; ++i) R_nal[kb[i]] = true;
        elosztas_epites(rec, x, R_nal);
        if (elosztas_szures(a, rec)) elosztas_rendezes(a, rec);
        for (int32_t s = 0; s < 4; ++s)
            for (int32_t r = 0; r < 8; ++r) rec.hol[s][r] = x.ment_hol[s][r];
    }

    ElemzesEredmeny e;
    const bool dekl = a.soron == a.felvevo;
    e.teljesul = osszeg.jo > 0 ? (dekl ? 1 : 0) : (dekl ? 0 : 1);
    e.db = static_cast<int32_t>(osszeg.jo);
    for (int32_t i = 0; i < 10; ++i) e.jo_lapok[i] = static_cast<int32_t>(osszeg.per_slot[i]);
    e.szam = static_cast<int32_t>(osszeg.kesz);
    const int32_t ido = static_cast<int32_t>((ora_olvasas(a) - kezdet) / 1000);
    e.ido = a.emberek_szama <= 1 && ido >= elemzes_idokorlat ? -ido : ido;
    return e;
}

bool gyors_motor_veszi(const Asztal& a, int32_t seat) {
    Asztal b = a;
    const ElosztasTer x = elosztas_ter(b, b.jatekosok[seat]);
    Allando A;
    Ter ter;
    return elokeszites(b, b.jatekosok[seat], x, A, ter);
}

ElemzesEredmeny variacio(Asztal& a, Jatekos& rec) { return gyors_variacio(a, rec, VariacioBeallitas{}); }
