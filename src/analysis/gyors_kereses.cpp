#include "analysis/gyors_kereses.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <thread>

#include "analysis/gyors_elosztasok.h"
#include "analysis/gyors_lepesek.h"
#include "analysis/gyors_verseny.h"
#include "analysis/kereses.h"

using namespace gyors;

namespace {

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
    // Ászok and 10s count alike for the hundreds; with Négy Ász too the key marks the
    // tens and, apart, the suits whose Ász has left play (the Ász is its suit's top
    // card, so the tens' marks tell which is the Ász while it is in play).
    A.tomorit = true;
    A.asz_jel = A.kulcs_asz && A.kulcs_tizes;
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
    // The declarer's tens and the sum of both sides' must fit the key's five bits.
    A.tizes_hatar = A.kulcs_tizes && A.szamlalo[0] + A.szamlalo[1] + 9 <= 31;
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

}  // namespace

ElemzesEredmeny gyors_variacio(Asztal& a, Jatekos& rec, const VariacioBeallitas& b) {
    // Step 1: the start time and the space of distributions (the random scan order
    // is drawn here, as the literal engine draws it).
    const int64_t kezdet = ora_olvasas(a);
    const ElosztasTer x = elosztas_ter(a, rec);
    Allando A;
    Ter ter;
    if (!elokeszites(a, rec, x, A, ter)) {
        if (!b.korlat_nelkul) return variacio_literalis(a, rec, kezdet, x);
        // A table the fast engine does not read: the literal engine, with two humans'
        // lack of a limit and without a stop.
        if (b.osszes) b.osszes->fetch_add(1);
        const int32_t emberek = a.emberek_szama;
        a.emberek_szama = 2;
        const ElemzesEredmeny e = variacio_literalis(a, rec, kezdet, x);
        a.emberek_szama = emberek;
        if (b.haladas) b.haladas->fetch_add(1);
        if (b.vegig) *b.vegig = true;
        return e;
    }
    const int64_t hatarido = b.korlat_nelkul ? LLONG_MAX : variacio_hatarido(a, kezdet);
    const Kombinaciok komb(x.U, x.N);
    const uint64_t osszes = komb.darab();
    if (b.osszes) b.osszes->fetch_add(static_cast<int64_t>(osszes));

    const bool valodi = valodi_ora_e(a);
    int32_t szalak = b.szalak > 0 ? b.szalak : a.kereses_szalak;
    // Late in the deal a search takes well under a millisecond: no threads to start.
    if (szalak <= 0 && (valodi || b.korlat_nelkul) && osszes >= 8 && A.T <= 4)
        szalak = static_cast<int32_t>(std::max(1u, std::thread::hardware_concurrency()));

    const Blokkok blokkok(osszes, std::clamp<uint64_t>(osszes / 16, 8, 65536));
    Futas futas(a, A, ter, komb, hatarido, valodi, szalak, Kulso{b.leallitas, b.haladas, b.korlat_nelkul});
    if (!b.egyutt) futas.koteg = 1;
    Osszeg osszeg;
    if (b.korai_dontes) {
        osszeg = verseny(futas, b.elsobbseg);
    } else {
        Sorrend s;
        s.blokkok = &blokkok;
        osszeg = futas.menet(s, 0x3FF);
    }
    const uint64_t csomopontok = futas.csomopontok();
    a.keresett_lapok += csomopontok;
    if (b.vegig) *b.vegig = osszeg.atnezett == osszes;

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
    e.ido = !b.korlat_nelkul && a.emberek_szama <= 1 && ido >= elemzes_idokorlat ? -ido : ido;
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
