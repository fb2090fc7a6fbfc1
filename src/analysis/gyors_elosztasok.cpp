#include "analysis/gyors_elosztasok.h"

#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>

#include "analysis/gyors_kereso.h"
#include "analysis/gyors_tabla.h"

namespace gyors {

namespace {

// The distributions of a piece gathered to be searched together: the admitted ones'
// hands and ranks, and how many ranks they stand for.
struct Koteg {
    explicit Koteg(int32_t m)
        : meret(static_cast<size_t>(std::max(1, m))), h(meret), rang(meret), jo(meret), jelolt(meret) {}
    size_t meret, n = 0;
    uint64_t nezett = 0, utolso = 0;
    std::vector<std::array<Maszk, 3>> h;
    std::vector<uint64_t> rang;
    std::vector<uint32_t> jo, jelolt;
    int32_t kb[32] = {};  // the combination of the last rank taken
    uint64_t elozo_rang = 0;

    // Takes item i of the piece [eleje, vege) of s; true when the batch is due: full,
    // or the piece's last item taken.
    bool vesz(const Kombinaciok& komb, const Ter& ter, const Sorrend& s, uint64_t i, uint64_t eleje, uint64_t vege) {
        const uint64_t r = s.rang(i);
        if (i > eleje && r == elozo_rang + 1)
            komb.leptet(kb);
        else
            komb.kibont(r, kb);
        elozo_rang = r;
        ++nezett;
        utolso = std::max(utolso, r);
        if (ter.kezek(kb, h[n].data())) rang[n++] = r;
        return n == meret || i + 1 == vege;
    }
    // Searches them into r and empties the batch; false when cut off.
    bool keres(Kereso& k, uint32_t aktiv, bool jegyzek, Resz& r) {
        // Looked at, even when cut off: the record shows the last distribution looked at.
        r.o.utolso = std::max(r.o.utolso, utolso);
        bool alkalmas = false;
        if (n > 1 && !k.vilagok(h.data(), static_cast<int32_t>(n), aktiv, jo.data(), jelolt.data(), alkalmas) &&
            alkalmas)
            return false;
        if (!alkalmas)
            for (size_t i = 0; i < n; ++i)
                if (!k.eloszlas(h[i].data(), aktiv, jo[i], &jelolt[i])) return false;
        for (size_t i = 0; i < n; ++i) {
            r.o.hozzaad(jo[i]);
            if (jegyzek) r.jegyzek.push_back(rang[i] << 20 | jelolt[i] << 10 | jo[i]);
        }
        r.o.atnezett += nezett;
        n = 0;
        nezett = 0;
        return true;
    }
};

// The shared state of the worker threads of one pass.
struct Munka {
    Munka(const Ter& t, const Kombinaciok& k, const Sorrend& s) : ter(t), komb(k), sorrend(s) {}
    const Ter& ter;
    const Kombinaciok& komb;
    const Sorrend& sorrend;
    uint32_t aktiv = 0;
    int32_t koteg = 1;
    const Fogado* fogado = nullptr;
    bool jegyzek = false;
    std::atomic<uint64_t> kovetkezo{0};
    std::atomic<bool> allj{false};
    std::atomic<uint64_t> haladas{0};
    std::mutex mx;
    std::condition_variable cv;
    Osszeg osszeg;     // under mx
    bool eleg = false; // under mx: the receiver has what it needs
    int32_t futo = 0;  // under mx
    std::atomic<int64_t>* kulso_haladas = nullptr;
    std::exception_ptr hiba;

    void kozzetesz(Resz& r) {
        std::lock_guard<std::mutex> lk(mx);
        osszeg.hozzaad(r.o);
        if (fogado && !eleg && (*fogado)(r)) {
            eleg = true;
            allj = true;
        }
        r = Resz{};
    }

    void dolgozik(Kereso& k) {
        try {
            k.allj = &allj;
            k.haladas = &haladas;
            for (;;) {
                const uint64_t j = kovetkezo.fetch_add(1);
                if (j >= sorrend.darabok() || allj.load(std::memory_order_relaxed)) break;
                uint64_t eleje, vege;
                sorrend.darab(j, eleje, vege);
                Resz r;
                bool vagva = false;
                Koteg kt(koteg);
                for (uint64_t i = eleje; i < vege; ++i) {
                    if (!kt.vesz(komb, ter, sorrend, i, eleje, vege)) continue;
                    const uint64_t nezett = kt.nezett;
                    if (!kt.keres(k, aktiv, jegyzek, r)) {
                        vagva = true;
                        break;
                    }
                    if (kulso_haladas) kulso_haladas->fetch_add(nezett, std::memory_order_relaxed);
                    // The receiver learns the counts every 256 distributions, not only
                    // at the end of a piece, so that a pass stops as soon as it may.
                    if (r.o.atnezett >= 256) kozzetesz(r);
                }
                kozzetesz(r);
                if (vagva) break;
            }
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

Futas::Futas(Asztal& a_, const Allando& A_, const Ter& ter_, const Kombinaciok& komb_, int64_t hatarido_,
             bool valodi_, int32_t szalak_, const Kulso& kulso_)
    : komb(komb_), ter(ter_), a(a_), A(A_), hatarido(hatarido_), valodi(valodi_), szalak(szalak_), kulso(kulso_) {
    // Worker threads share one large table, twice the size of one thread's, so that
    // each finds what the others stored: with a table each, two threads played half as
    // many cards again as one. Sized for the distributions at the start (a search that
    // grows its table mid-way pays for moving the entries, and for a small table in the
    // meantime), it may grow between passes.
    if (szalak > 0) {
        const int32_t bitek = static_cast<int32_t>(std::bit_width(komb.darab())) + 3;
        kozos_tar = std::make_unique<Tar>(std::max(16, bitek), tabla_bitek(A.T) + 1, A.tizes_hatar);
    }
    for (int32_t i = 0; i < std::max(1, szalak); ++i)
        keresok.push_back(std::make_unique<Kereso>(A, tabla_bitek(A.T), kozos_tar.get()));
    if (szalak <= 0) {
        Kereso& k = *keresok[0];
        k.allj = kulso.leallitas;
        if (kulso.ora_nelkul) {
            k.ora_lepes = 255;
        } else {
            k.ora_asztal = &a;
            k.hatarido = hatarido;
            k.ora_lepes = valodi ? 255 : 0;
        }
    }
}

Futas::~Futas() = default;

uint64_t Futas::csomopontok() const {
    uint64_t n = 0;
    for (const auto& k : keresok) n += k->csomopontok;
    return n;
}

uint32_t Futas::lehetseges_slotok() {
    // Every unseen card in play: no card of the owner merges across one of them, so
    // every candidate of any distribution is listed.
    Maszk h[3] = {ter.ismert[0], ter.ismert[1], ter.ismert[2]};
    for (int32_t j = 0; j < ter.x->U; ++j) h[ter.x->R] |= 1u << ter.rejtett[j];
    return keresok[0]->gyoker_slotok(h);
}

Osszeg Futas::menet(const Sorrend& s, uint32_t aktiv, const Fogado* fogado, bool jegyzek) {
    if (lejart) return Osszeg{};
    return szalak <= 0 ? helyben(s, aktiv, fogado, jegyzek) : szalakon(s, aktiv, fogado, jegyzek);
}

Osszeg Futas::helyben(const Sorrend& s, uint32_t aktiv, const Fogado* fogado, bool jegyzek) {
    Kereso& k = *keresok[0];
    auto leallitva = [this] { return kulso.leallitas && kulso.leallitas->load(std::memory_order_relaxed); };
    Osszeg osszeg;
    for (uint64_t j = 0; j < s.darabok(); ++j) {
        uint64_t eleje, utan;
        s.darab(j, eleje, utan);
        Koteg kt(koteg);
        for (uint64_t i = eleje; i < utan; ++i) {
            if (leallitva() || (!kulso.ora_nelkul && ora_olvasas(a) >= hatarido)) {
                osszeg.utolso = std::max(osszeg.utolso, kt.utolso);
                lejart = true;
                return osszeg;
            }
            if (!kt.vesz(komb, ter, s, i, eleje, utan)) continue;
            const uint64_t nezett = kt.nezett;
            Resz r;
            if (!kt.keres(k, aktiv, jegyzek, r)) {
                osszeg.utolso = std::max(osszeg.utolso, r.o.utolso);
                lejart = true;
                return osszeg;
            }
            osszeg.hozzaad(r.o);
            if (kulso.haladas) kulso.haladas->fetch_add(nezett, std::memory_order_relaxed);
            if (fogado && (*fogado)(r)) return osszeg;
        }
    }
    return osszeg;
}

Osszeg Futas::szalakon(const Sorrend& s, uint32_t aktiv, const Fogado* fogado, bool jegyzek) {
    auto leallitva = [this] { return kulso.leallitas && kulso.leallitas->load(std::memory_order_relaxed); };
    // Worker threads; only this thread reads the clock, and tells them to stop.
    Munka m(ter, komb, s);
    m.aktiv = aktiv;
    m.koteg = koteg;
    m.fogado = fogado;
    m.jegyzek = jegyzek;
    m.kulso_haladas = kulso.haladas;
    m.futo = szalak;
    {
        uint64_t tarolasok = 0;
        for (auto& k : keresok) tarolasok += k->tarolasok();
        if (kozos_tar->tele(tarolasok)) {
            while (kozos_tar->tele(tarolasok)) kozos_tar->novel();
            for (auto& k : keresok) k->tarolasok() = 0;
        }
    }
    for (auto& k : keresok) k->megszakitva = false;
    std::vector<std::thread> dolgozok;
    // However this block is left (a thread that cannot start, a clock that throws),
    // the workers are told to stop and waited for.
    struct Leallito {
        Munka& m;
        std::vector<std::thread>& d;
        ~Leallito() {
            m.allj = true;
            for (std::thread& t : d) t.join();
        }
    } leallito{m, dolgozok};
    for (int32_t i = 0; i < szalak; ++i) dolgozok.emplace_back([&m, k = keresok[i].get()] { m.dolgozik(*k); });
    {
        // The real clock is read every two milliseconds; a driven one once per card
        // the workers played, so that its limit means as many cards as on one thread.
        uint64_t olvasott = 0;
        std::unique_lock<std::mutex> lk(m.mx);
        while (m.futo > 0) {
            m.cv.wait_for(lk, valodi ? std::chrono::microseconds(2000) : std::chrono::microseconds(100));
            if (m.futo == 0) break;
            lk.unlock();
            bool vege = leallitva() || (!kulso.ora_nelkul && ora_olvasas(a) >= hatarido);
            for (const uint64_t n = m.haladas.load(std::memory_order_relaxed);
                 !valodi && !kulso.ora_nelkul && !vege && olvasott < n; ++olvasott)
                vege = ora_olvasas(a) >= hatarido;
            lk.lock();
            if (vege) {
                m.allj = true;
                lejart = !m.eleg;
                break;
            }
        }
    }
    for (std::thread& d : dolgozok) d.join();
    dolgozok.clear();
    if (m.hiba) std::rethrow_exception(m.hiba);
    // A pass whose workers were cut off without the receiver's word did not finish.
    if (!m.eleg && m.osszeg.atnezett < (s.blokkok ? s.blokkok->osszes : s.lista->size())) lejart = true;
    return m.osszeg;
}

}  // namespace gyors
