#include "analysis/gyors_verseny.h"

#include <algorithm>
#include <bit>
#include <vector>

namespace gyors {

namespace {

// One bit per rank.
struct Bitek {
    std::vector<uint64_t> w;
    explicit Bitek(uint64_t n) : w((n + 63) / 64) {}
    bool operator[](uint64_t i) const { return (w[i >> 6] >> (i & 63)) & 1; }
    void be(uint64_t i) { w[i >> 6] |= uint64_t{1} << (i & 63); }
};

// What is known of each slot's count: the admitted distributions where it is
// favourable (`nyero`, counted in `also`) and where it is not or is no candidate
// (counted in `buk`); `ismert` marks both, the rest is unknown.
struct Allapot {
    uint64_t osszes, bent_db;
    Bitek latott, ismert[10], nyero[10];
    int64_t also[10] = {}, buk[10] = {};
    Osszeg osszeg;

    Allapot(uint64_t n, uint64_t bent)
        : osszes(n), bent_db(bent), latott(n),
          ismert{Bitek(n), Bitek(n), Bitek(n), Bitek(n), Bitek(n), Bitek(n), Bitek(n), Bitek(n), Bitek(n), Bitek(n)},
          nyero{Bitek(n), Bitek(n), Bitek(n), Bitek(n), Bitek(n), Bitek(n), Bitek(n), Bitek(n), Bitek(n), Bitek(n)} {}

    int64_t felso(int32_t c) const { return static_cast<int64_t>(bent_db) - buk[c]; }
    bool pontos(int32_t c) const { return also[c] == felso(c); }
    int64_t elso() const {
        int64_t m = 0;
        for (int64_t v : also) m = std::max(m, v);
        return m;
    }
    // Whether slot d wins a tie with slot c, as the choice settles it.
    const int32_t* elsobbseg = nullptr;
    bool elobb(int32_t d, int32_t c) const {
        return elsobbseg && (elsobbseg[d] > elsobbseg[c] || (elsobbseg[d] == elsobbseg[c] && d > c));
    }
    // The slots that may still be the one the choice picks: whose count may still be
    // the highest, and when it can at most tie, win the tie. (With no count above 0 yet
    // every slot stays: the choice reads the counts only when one is.)
    uint32_t versenyben() const {
        const int64_t m = elso();
        uint32_t r = 0;
        for (int32_t c = 0; c < 10; ++c) {
            bool benne = felso(c) >= m;
            if (felso(c) == m && m > 0)
                for (int32_t d = 0; d < 10; ++d) benne = benne && !(d != c && also[d] == m && elobb(d, c));
            if (benne) r |= 1u << c;
        }
        return r;
    }
    // The choice is known: one slot is left, or those left are counted to the end (and
    // so equal).
    bool eldontott() const {
        const uint32_t v = versenyben();
        if (std::popcount(v) == 1) return true;
        for (uint32_t m = v; m; m &= m - 1)
            if (!pontos(std::countr_zero(m))) return false;
        return true;
    }

    void feljegyez(const Resz& r, uint32_t aktiv) {
        osszeg.atnezett += r.o.atnezett;
        osszeg.utolso = std::max(osszeg.utolso, r.o.utolso);
        for (const uint64_t e : r.jegyzek) {
            const uint64_t rang = e >> 20;
            const uint32_t jelolt = (e >> 10) & 0x3FF, jo = e & 0x3FF;
            if (!latott[rang]) {
                latott.be(rang);
                ++osszeg.kesz;
            }
            for (int32_t c = 0; c < 10; ++c) {
                // A slot that is no candidate here is known not to count here.
                if (ismert[c][rang] || (((aktiv >> c) & 1) == 0 && ((jelolt >> c) & 1))) continue;
                ismert[c].be(rang);
                if ((jo >> c) & 1) {
                    nyero[c].be(rang);
                    ++also[c];
                } else {
                    ++buk[c];
                }
            }
        }
    }
};

}  // namespace

Osszeg verseny(Futas& f, const int32_t* elsobbseg) {
    const Kombinaciok& komb = f.komb;
    const uint64_t osszes = komb.darab();
    // The distributions the filter admits.
    uint64_t bent_db = osszes;
    if (f.ter.szures) {
        bent_db = 0;
        int32_t kb[32];
        komb.kibont(0, kb);
        for (uint64_t r = 0; r < osszes; ++r, komb.leptet(kb)) {
            Maszk h[3];
            bent_db += f.ter.kezek(kb, h);
        }
    }
    Allapot all(osszes, bent_db);
    all.elsobbseg = elsobbseg;
    const uint32_t lehet = f.lehetseges_slotok();
    for (int32_t c = 0; c < 10; ++c)
        if (!((lehet >> c) & 1)) all.buk[c] = static_cast<int64_t>(bent_db);

    auto menet = [&](const std::vector<uint32_t>& lista, uint32_t aktiv, uint32_t figyelt, uint64_t darab = 256) {
        const Fogado fogado = [&](const Resz& r) {
            all.feljegyez(r, aktiv);
            // Enough once the choice is known, or the slot looked at is out of the race
            // or counted to the end.
            if (all.eldontott()) return true;
            return figyelt && (!(all.versenyben() & figyelt) || all.pontos(std::countr_zero(figyelt)));
        };
        Sorrend s;
        s.lista = &lista;
        s.darab_meret = darab;
        f.menet(s, aktiv, &fogado, true);
    };

    // A sample spread over the whole, every card: which card leads. One in 256, in
    // some 22 runs of neighbouring distributions, which share the table's positions:
    // a distribution searched alone costs many times one searched after its neighbour,
    // so that one in 64 taken one by one cost a quarter of the whole count.
    std::vector<uint32_t> lista;
    {
        const uint64_t minta = std::min<uint64_t>(osszes, std::max<uint64_t>(64, osszes / 256));
        const uint64_t hossz = std::clamp<uint64_t>(minta / 22, 1, 32), futamok = minta / hossz;
        for (uint64_t i = 0; i < futamok; ++i)
            for (uint64_t j = 0; j < hossz; ++j) {
                const uint64_t r = i * osszes / futamok + j;
                if (r < osszes && (lista.empty() || r > lista.back())) lista.push_back(static_cast<uint32_t>(r));
            }
        // As many pieces as threads: the whole sample waits for its slowest piece.
        const uint64_t n = static_cast<uint64_t>(std::max(1, f.szalak_szama()));
        menet(lista, lehet, 0, n > 1 ? (lista.size() + n - 1) / n : 256);
    }
    // Then, while the choice is not known, the slot in the race with the highest count
    // so far (of equal counts, the one that wins the tie) to the end (or out of the
    // race): over the distributions where the leading card counted to the end fails
    // first.
    while (!f.lejart && !all.eldontott()) {
        const uint32_t v = all.versenyben();
        int32_t b = -1;
        uint32_t pontosak = 0;
        for (int32_t c = 0; c < 10; ++c) {
            if (((v >> c) & 1) && !all.pontos(c) &&
                (b < 0 || all.also[c] > all.also[b] || (all.also[c] == all.also[b] && all.elobb(c, b))))
                b = c;
            if (all.pontos(c) && ((lehet >> c) & 1)) pontosak |= 1u << c;
        }
        // The distributions where the most cards counted to the end fail come first,
        // and among them those where the most other cards were seen to fail.
        std::vector<uint32_t> szint[11 * 11];
        for (uint64_t r = 0; r < osszes; ++r) {
            if (all.ismert[b][r]) continue;
            int32_t n[2] = {0, 0};
            for (uint32_t m = lehet; m; m &= m - 1) {
                const int32_t c = std::countr_zero(m);
                n[(pontosak >> c) & 1] += all.ismert[c][r] && !all.nyero[c][r];
            }
            szint[n[1] * 11 + n[0]].push_back(static_cast<uint32_t>(r));
        }
        lista.clear();
        for (int32_t n = 11 * 11 - 1; n >= 0; --n) lista.insert(lista.end(), szint[n].begin(), szint[n].end());
        menet(lista, 1u << b, 1u << b);
    }
    Osszeg o = all.osszeg;
    for (int32_t c = 0; c < 10; ++c) o.per_slot[c] = all.also[c];
    o.jo = all.elso();
    return o;
}

}  // namespace gyors
