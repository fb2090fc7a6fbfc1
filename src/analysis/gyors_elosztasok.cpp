#include "analysis/gyors_elosztasok.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

#include "analysis/gyors_kereso.h"
#include "analysis/gyors_tabla.h"

namespace gyors {

namespace {

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
    std::atomic<int64_t>* kulso_haladas = nullptr;
    std::exception_ptr hiba;

    // Adds a thread's counts to the sum; for the card choice, the slots still in the
    // race and whether the card is known.
    void kozzetesz(const Osszeg& o) {
        std::lock_guard<std::mutex> lk(mx);
        osszeg.hozzaad(o);
        if (korai) {
            aktiv = osszeg.esely(osszes);
            if (osszeg.eldontott(osszes)) allj = true;
        }
    }

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
                    if (kulso_haladas) kulso_haladas->fetch_add(1, std::memory_order_relaxed);
                    komb.leptet(kb);
                    // The card choice learns the counts every 256 distributions, not
                    // only at the end of a block, so that it stops as soon as it may.
                    if (korai && (o.atnezett & 255) == 0) {
                        kozzetesz(o);
                        o = Osszeg{};
                    }
                }
                kozzetesz(o);
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

Osszeg elosztasok_keresese(Asztal& a, const Allando& A, const Ter& ter, const Kombinaciok& komb,
                           const Blokkok& blokkok, int64_t hatarido, bool valodi, int32_t szalak, bool korai,
                           uint64_t& csomopontok, const Kulso& kulso) {
    const uint64_t osszes = komb.darab();
    auto leallitva = [&kulso] { return kulso.leallitas && kulso.leallitas->load(std::memory_order_relaxed); };
    Osszeg osszeg;
    if (szalak <= 0) {
        // On the caller's thread, reading the clock before every distribution and at
        // every card (every 256th with the real clock), as the literal engine does.
        Kereso k(A, tabla_bitek(A.T));
        k.allj = kulso.leallitas;
        if (kulso.ora_nelkul) {
            k.ora_lepes = 255;
        } else {
            k.ora_asztal = &a;
            k.hatarido = hatarido;
            k.ora_lepes = valodi ? 255 : 0;
        }
        bool vege = false;
        for (uint64_t j = 0; j < blokkok.db && !vege; ++j) {
            uint64_t eleje, utan;
            blokkok.tartomany(j, eleje, utan);
            int32_t kb[32];
            komb.kibont(eleje, kb);
            for (uint64_t r = eleje; r < utan && !vege; ++r) {
                if (leallitva() || (!kulso.ora_nelkul && ora_olvasas(a) >= hatarido)) {
                    vege = true;
                    break;
                }
                osszeg.utolso = std::max(osszeg.utolso, r);
                Maszk h[3];
                if (ter.kezek(kb, h)) {
                    uint32_t jo = 0;
                    if (!k.eloszlas(h, korai ? osszeg.esely(osszes) : 0x3FF, jo)) {
                        vege = true;
                        break;
                    }
                    osszeg.hozzaad(jo);
                }
                ++osszeg.atnezett;
                if (kulso.haladas) kulso.haladas->fetch_add(1, std::memory_order_relaxed);
                vege = korai && osszeg.eldontott(osszes);
                komb.leptet(kb);
            }
        }
        csomopontok = k.csomopontok;
        return osszeg;
    }
        // Worker threads; only this thread reads the clock, and tells them to stop.
        Munka m(A, ter, komb, blokkok);
        m.osszes = osszes;
        m.korai = korai;
        m.kulso_haladas = kulso.haladas;
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
                bool lejart = leallitva() || (!kulso.ora_nelkul && ora_olvasas(a) >= hatarido);
                for (const uint64_t n = m.haladas.load(std::memory_order_relaxed);
                     !valodi && !kulso.ora_nelkul && !lejart && olvasott < n; ++olvasott)
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
    return osszeg;
}

}  // namespace gyors
