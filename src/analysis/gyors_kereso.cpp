#include "analysis/gyors_kereso.h"

#include "analysis/gyors_korlatok.h"
#include "analysis/kereses.h"

namespace gyors {

uint32_t Kereso::gyoker_slotok(const Maszk h[3]) {
    gyoker(h);
    int32_t lista[10], w = 0;
    const int32_t n = jeloltek(A.T, A.K, A.owner, lista, w);
    uint32_t m = 0;
    for (int32_t i = 0; i < n; ++i) m |= 1u << A.slot[lista[i]];
    return m;
}

bool Kereso::eloszlas(const Maszk h[3], uint32_t aktiv, uint32_t& jo, uint32_t* jelolt) {
    gyoker(h);
    jo = 0;
    // Zeroed only for GCC's sake: at -O3 it takes the list for maybe unset past n.
    int32_t lista[10] = {}, w = 0;
    const int32_t n = jeloltek(A.T, A.K, A.owner, lista, w);
    Kulcs kulcsok[10];
    const Kulcs* kk = kovetkezo_kulcsok(A.T, A.K, A.owner, lista, n, w, kulcsok);
    if (jelolt) {
        *jelolt = 0;
        for (int32_t i = 0; i < n; ++i) *jelolt |= 1u << A.slot[lista[i]];
    }
    // Every root candidate is searched to its end, as the literal search does.
    for (int32_t i = 0; i < n; ++i) {
        if (!((aktiv >> A.slot[lista[i]]) & 1)) continue;
        if (lejart()) return false;
        const int32_t r = kovetkezmeny(A.T, A.K, A.owner, lista[i], w, kk ? &kk[i] : nullptr);
        if (r == 0) return false;
        if ((A.owner == A.D) == (r == 1)) jo |= 1u << A.slot[lista[i]];
    }
    return true;
}

const Kulcs* Kereso::kovetkezo_kulcsok(int32_t t, int32_t k, int32_t s, const int32_t* lista, int32_t n,
                                       int32_t w, Kulcs* kulcsok) {
    if (k != 2 || t == 9) return nullptr;
    vezeto[t + 1] = w;
    for (int32_t i = 0; i < n; ++i) {
        lerak(t, k, s, lista[i], w);
        kulcsok[i] = kulcs(*this, t + 1);
        tabla.elore(t + 1, kulcsok[i]);
        visszavesz(t, k, s, lista[i], w);
    }
    return kulcsok;
}

int32_t Kereso::korlat(int32_t t) const {
    if (!korlatok) return 0;
    if ((felvevo_mindet_viszi(*this, t) && mindet_viszi_itelet(*this, t) == 1) ||
        biztos_utesek_itelete(*this, t) == 1 || ulti_biztos(*this, t))
        return 1;
    return szaz_bukik(*this, t) ? -1 : 0;
}

bool Kereso::lejart() {
    if (megszakitva) return true;
    if ((++csomopontok & ora_lepes) == 0) {
        if (ora_asztal) {
            if (ora_olvasas(*ora_asztal) >= hatarido) megszakitva = true;
        } else if (haladas) {
            haladas->fetch_add(ora_lepes + 1, std::memory_order_relaxed);
        }
        if (allj && allj->load(std::memory_order_relaxed)) megszakitva = true;
    }
    return megszakitva;
}

int32_t Kereso::kovetkezmeny(int32_t t, int32_t k, int32_t s, int32_t p, int32_t w, const Kulcs* kk) {
    lerak(t, k, s, p, w);
    // Before a trick's last card only the trump 7 leaving play changes what the verdict
    // reads, and every line below the root card got here with the verdict open.
    int32_t r = k == 2 || p == A.hetes || (t == A.T && k == A.K) ? ertekel(t, k) : 0;
    if (r == 0) {
        if (k == 2) {
            vezeto[t + 1] = w;
            r = megold(t + 1, 0, kk);
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

int32_t Kereso::megold(int32_t t, int32_t k, const Kulcs* kk) {
    // Step 1: at the start of a trick, a value found before.
    const uint64_t kezdet = csomopontok;
    if (k == 0) {
        // The bounds: the declarer who reaches his goal whatever the defenders play
        // (every trick left by sure winners, the Ászok or tens his sure winners bring,
        // the 7 of a plain Ulti kept), a hundred the defenders' sure tens defeat.
        if (const int32_t v = korlat(t)) return v;
        if (const int32_t v = tabla.ertek(t, *kk)) return v;
    }
    // Step 2: the side to move needs one card that reaches its goal. A seat with no
    // card (only in an inconsistent layout) loses the line.
    const int32_t s = (vezeto[t] + k) % 3;
    const int32_t akar = s == A.D ? 1 : -1;
    int32_t lista[10] = {}, w = 0;  // zeroed for GCC's sake, as in `eloszlas`
    const int32_t n = jeloltek(t, k, s, lista, w);
    const bool rendezett = k == 0 && s == A.D && n > 1;
    if (rendezett) rendezes.rendez(t, s, lista, n);
    int32_t ertek = -akar;
    Kulcs kulcsok[10];
    const Kulcs* kk2 = kovetkezo_kulcsok(t, k, s, lista, n, w, kulcsok);
    for (int32_t i = 0; i < n; ++i) {
        if (lejart()) return 0;
        const int32_t r = kovetkezmeny(t, k, s, lista[i], w, kk2 ? &kk2[i] : nullptr);
        if (r == 0) return 0;
        if (r == akar) {
            if (rendezett) rendezes.siker(t, s, lista[i]);
            ertek = akar;
            break;
        }
    }
    // Step 3: the value for later.
    if (k == 0) tabla.tarol(t, *kk, ertek, csomopontok - kezdet);
    return ertek;
}

}  // namespace gyors
