// Many distributions searched together. What the search asks of a distribution is a
// count, and the distributions of a call differ only in where the unseen cards lie:
// along a line of play, every distribution whose hands hold the cards played so far
// shares the line. So the line is played once for all of them, and each node carries
// the set of distributions that reach it, one bit each: the declarer's card keeps the
// distributions where it reaches his goal, a defender's card those where it does not.
// Which card a defender may play in a distribution follows from bit sets per card
// (who holds it), so a node costs a few word operations for all its distributions.
// At a trick's start each distribution still looks up its own position in the table,
// and a node reached by few distributions hands each to the search of one.

#include <algorithm>
#include <array>
#include <bit>
#include <vector>

#include "analysis/gyors_kereso.h"

namespace gyors {

namespace {

// Below this many distributions a node is searched for each on its own: the bit sets
// then cost more than they share.
constexpr int32_t ATADAS = 4;

}  // namespace

struct Kereso::Vilagok {
    int32_t n = 0, nw = 0;
    std::vector<std::array<Maszk, 3>> h;  // the hands of each distribution at the root
    std::vector<uint64_t> tart;           // [seat][card]: the distributions holding it
    std::vector<uint64_t> tar;            // [depth][8]: each node's sets
    std::vector<Kulcs> kulcsok;           // [trick][distribution]
    bool ismert[3] = {};                  // the seat's hand is the same in every distribution

    const uint64_t* T(int32_t s, int32_t p) const { return &tart[static_cast<size_t>(s * 32 + p) * nw]; }
    uint64_t* B(int32_t d, int32_t i) { return &tar[static_cast<size_t>(d * 8 + i) * nw]; }

    bool ures(const uint64_t* a) const {
        for (int32_t i = 0; i < nw; ++i)
            if (a[i]) return false;
        return true;
    }
    // Whether a holds at most m distributions (counted bit by bit: no popcount
    // instruction is assumed on every processor).
    bool legfeljebb(const uint64_t* a, int32_t m) const {
        for (int32_t i = 0; i < nw; ++i)
            for (uint64_t x = a[i]; x; x &= x - 1)
                if (--m < 0) return false;
        return true;
    }
    void masol(uint64_t* a, const uint64_t* b) const { std::copy(b, b + nw, a); }
    void nulla(uint64_t* a) const { std::fill(a, a + nw, 0); }
    template <typename F>
    void mindegyik(const uint64_t* a, F f) const {
        for (int32_t i = 0; i < nw; ++i)
            for (uint64_t m = a[i]; m; m &= m - 1) f(i * 64 + std::countr_zero(m));
    }

    // The hands of distribution i at the current node: its own cards still in play.
    static void sajat(Kereso& K, const Maszk u[3], const std::array<Maszk, 3>& hi) {
        for (int32_t s = 0; s < 3; ++s) K.kez[s] = hi[s] & u[s];
    }

    bool csucs(Kereso& K, int32_t t, int32_t k, const uint64_t* R, uint64_t* ki);
    bool kartya(Kereso& K, int32_t t, int32_t k, int32_t s, int32_t p, int32_t w, const uint64_t* R, uint64_t* ki);
};

// Here, where the joint search's state is complete.
Kereso::Kereso(const Allando& a, int32_t tabla_bitek, Tar* kozos)
    : Allas(a), tabla(tabla_bitek, a.tizes_hatar, kozos) {}
Kereso::~Kereso() = default;

// The node (t, k) for the distributions R: in `ki` those where the declarer reaches
// his goal. False when cut off.
bool Kereso::Vilagok::csucs(Kereso& K, int32_t t, int32_t k, const uint64_t* R, uint64_t* ki) {
    const Allando& A = K.A;
    const int32_t d = t * 3 + k;
    nulla(ki);
    const Maszk u[3] = {K.kez[0], K.kez[1], K.kez[2]};
    bool ok = true;
    if (legfeljebb(R, ATADAS)) {
        mindegyik(R, [&](int32_t i) {
            if (!ok) return;
            sajat(K, u, h[i]);
            Kulcs kk;
            if (k == 0) kk = kulcs(K, t);
            const int32_t v = K.megold(t, k, k == 0 ? &kk : nullptr);
            if (v == 0) ok = false;
            if (v == 1) ki[i >> 6] |= uint64_t{1} << (i & 63);
        });
        for (int32_t s = 0; s < 3; ++s) K.kez[s] = u[s];
        return ok;
    }
    // The clock counts a node as one card, however many distributions reach it.
    if (K.lejart()) return false;
    const uint64_t kezdet = K.csomopontok;
    uint64_t* Rv = B(d, 0);
    masol(Rv, R);
    if (k == 0) {
        // Each distribution's own position: a bound, or a value found before.
        Kulcs* kk = &kulcsok[static_cast<size_t>(t) * n];
        mindegyik(R, [&](int32_t i) {
            sajat(K, u, h[i]);
            if (const int32_t v = K.korlat(t)) {
                if (v == 1) ki[i >> 6] |= uint64_t{1} << (i & 63);
                Rv[i >> 6] &= ~(uint64_t{1} << (i & 63));
                return;
            }
            kk[i] = kulcs(K, t);
            K.tabla.elore(t, kk[i]);
        });
        mindegyik(Rv, [&](int32_t i) {
            if (const int32_t v = K.tabla.ertek(t, kk[i])) {
                if (v == 1) ki[i >> 6] |= uint64_t{1} << (i & 63);
                Rv[i >> 6] &= ~(uint64_t{1} << (i & 63));
            }
        });
        for (int32_t s = 0; s < 3; ++s) K.kez[s] = u[s];
        if (ures(Rv)) return true;
    }
    const int32_t s = (K.vezeto[t] + k) % 3;
    const bool felvevo = s == A.D;
    // The declarer's distributions not yet won, or the defenders' not yet refuted.
    uint64_t* E = B(d, 1);
    uint64_t* S = B(d, 2);
    uint64_t* gyk = B(d, 3);
    masol(E, Rv);
    auto gyerek = [&](int32_t p, int32_t w) {
        if (!kartya(K, t, k, s, p, w, S, gyk)) return false;
        if (felvevo) {
            for (int32_t j = 0; j < nw; ++j) {
                ki[j] |= gyk[j];
                E[j] &= ~gyk[j];
            }
        } else {
            for (int32_t j = 0; j < nw; ++j) E[j] &= ~(S[j] & ~gyk[j]);
        }
        return true;
    };
    if (ismert[s]) {
        // A hand known in every distribution: its candidates are those of each.
        int32_t lista[10], w = 0;
        const int32_t n_ = K.jeloltek(t, k, s, lista, w);
        const bool rendezett = k == 0 && felvevo && n_ > 1;
        if (rendezett) K.rendezes.rendez(t, s, lista, n_);
        for (int32_t i = 0; i < n_ && ok && !ures(E); ++i) {
            masol(S, E);
            ok = gyerek(lista[i], w);
            if (ok && rendezett && !ures(gyk)) K.rendezes.siker(t, s, lista[i]);
        }
    } else {
        // A hand that differs: card b is a candidate in the distributions that hold it
        // and no card of a higher class, and not the next lower card in play of its
        // suit when that one is of equal value (then that one stands for both).
        const Allas::Osztalyok o = K.osztalyok(t, k);
        const Maszk U = u[s], maradt = u[0] | u[1] | u[2];
        auto osztaly = [&](int32_t p) {
            int32_t j = 0;
            while (j < 3 && !((o.m[j] >> p) & 1)) ++j;
            return j;
        };
        uint64_t* van[3] = {B(d, 4), B(d, 5), B(d, 6)};
        for (int32_t j = 0; j < 3; ++j) {
            nulla(van[j]);
            for (Maszk m = U & o.m[j]; m; m &= m - 1) {
                const uint64_t* x = T(s, std::countr_zero(m));
                for (int32_t q = 0; q < nw; ++q) van[j][q] |= x[q];
            }
        }
        const bool gyoker = t == A.T && k == A.K;
        for (Maszk m = U; m && ok && !ures(E);) {
            const int32_t b = legfelso(m);
            m &= ~(1u << b);
            const int32_t j = osztaly(b);
            const uint64_t* tb = T(s, b);
            for (int32_t q = 0; q < nw; ++q) S[q] = tb[q] & E[q];
            for (int32_t i = 0; i < j; ++i)
                for (int32_t q = 0; q < nw; ++q) S[q] &= ~van[i][q];
            const Maszk lent = maradt & szin_maszk(b >> 3) & ((1u << b) - 1);
            if (lent) {
                const int32_t y = legfelso(lent);
                if (osztaly(y) == j && K.egyenerteku(y, b, 0, gyoker)) {
                    const uint64_t* ty = T(s, y);
                    for (int32_t q = 0; q < nw; ++q) S[q] &= ~ty[q];
                }
            }
            if (ures(S)) continue;
            ok = gyerek(b, k == 0 ? s : (o.nyer[j] ? s : o.ha_nem));
        }
    }
    if (!ok) return false;
    if (!felvevo)
        for (int32_t j = 0; j < nw; ++j) ki[j] |= E[j];
    if (k == 0) {
        const Kulcs* kk = &kulcsok[static_cast<size_t>(t) * n];
        uint64_t hany = 0;
        mindegyik(Rv, [&](int32_t) { ++hany; });
        const uint64_t munka = (K.csomopontok - kezdet) / hany;
        mindegyik(Rv, [&](int32_t i) { K.tabla.tarol(t, kk[i], (ki[i >> 6] >> (i & 63)) & 1 ? 1 : -1, munka); });
    }
    return true;
}

// Seat s plays p at (t, k) in the distributions R (all of which hold it): in `ki`
// those where the declarer reaches his goal. False when cut off.
bool Kereso::Vilagok::kartya(Kereso& K, int32_t t, int32_t k, int32_t s, int32_t p, int32_t w, const uint64_t* R,
                             uint64_t* ki) {
    const Allando& A = K.A;
    const Maszk u[3] = {K.kez[0], K.kez[1], K.kez[2]};
    for (int32_t x = 0; x < 3; ++x) K.kez[x] &= ~(1u << p);
    K.lerak(t, k, s, p, w);
    const int32_t r = k == 2 || p == A.hetes || (t == A.T && k == A.K) ? K.ertekel(t, k) : 0;
    bool ok = true;
    if (r == 1) {
        masol(ki, R);
    } else if (r == -1) {
        nulla(ki);
    } else if (k == 2) {
        K.vezeto[t + 1] = w;
        ok = csucs(K, t + 1, 0, R, ki);
    } else {
        ok = csucs(K, t, k + 1, R, ki);
    }
    K.visszavesz(t, k, s, p, w);
    for (int32_t x = 0; x < 3; ++x) K.kez[x] = u[x];
    return ok;
}

bool Kereso::vilagok(const std::array<Maszk, 3>* hk, int32_t n, uint32_t aktiv, uint32_t* jo, uint32_t* jelolt,
                     bool& alkalmas) {
    alkalmas = false;
    if (n <= 0) return false;
    // The distributions must leave the same cards in play, and the analysing seat's
    // hand the same.
    const Maszk mind = hk[0][0] | hk[0][1] | hk[0][2];
    bool ismert[3] = {true, true, true};
    Maszk u[3] = {};
    for (int32_t i = 0; i < n; ++i) {
        if ((hk[i][0] | hk[i][1] | hk[i][2]) != mind) return false;
        for (int32_t s = 0; s < 3; ++s) {
            ismert[s] = ismert[s] && hk[i][s] == hk[0][s];
            u[s] |= hk[i][s];
        }
    }
    if (!ismert[A.owner]) return false;
    alkalmas = true;
    if (!vilag) vilag = std::make_unique<Vilagok>();
    Vilagok& V = *vilag;
    V.n = n;
    V.nw = (n + 63) / 64;
    V.h.assign(static_cast<size_t>(n), {});
    V.tart.assign(static_cast<size_t>(3 * 32 * V.nw), 0);
    V.tar.assign(static_cast<size_t>(30 * 8 * V.nw), 0);
    V.kulcsok.resize(static_cast<size_t>(10 * n));
    for (int32_t s = 0; s < 3; ++s) V.ismert[s] = ismert[s];
    for (int32_t i = 0; i < n; ++i)
        for (int32_t s = 0; s < 3; ++s) {
            V.h[i][s] = hk[i][s];
            for (Maszk m = hk[i][s]; m; m &= m - 1)
                V.tart[static_cast<size_t>(s * 32 + std::countr_zero(m)) * V.nw + (i >> 6)] |= uint64_t{1}
                                                                                                << (i & 63);
        }
    gyoker(u);
    int32_t lista[10], w = 0;
    const int32_t nj = jeloltek(A.T, A.K, A.owner, lista, w);
    uint32_t jm = 0;
    for (int32_t i = 0; i < nj; ++i) jm |= 1u << A.slot[lista[i]];
    std::vector<uint64_t> R(static_cast<size_t>(V.nw), 0), ki(static_cast<size_t>(V.nw));
    for (int32_t i = 0; i < n; ++i) {
        R[i >> 6] |= uint64_t{1} << (i & 63);
        jo[i] = 0;
        if (jelolt) jelolt[i] = jm;
    }
    for (int32_t c = 0; c < nj; ++c) {
        if (!((aktiv >> A.slot[lista[c]]) & 1)) continue;
        if (lejart()) return false;
        if (!V.kartya(*this, A.T, A.K, A.owner, lista[c], w, R.data(), ki.data())) return false;
        for (int32_t i = 0; i < n; ++i)
            if ((A.owner == A.D) == (((ki[i >> 6] >> (i & 63)) & 1) == 1)) jo[i] |= 1u << A.slot[lista[c]];
    }
    return true;
}

}  // namespace gyors
