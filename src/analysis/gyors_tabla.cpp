#include "analysis/gyors_tabla.h"

#include <cstdlib>
#include <cstring>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif
#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#endif

namespace gyors {

Tomoritett tomorit_hordozhato(Maszk k0, Maszk k1, Maszk k2, Maszk szamolt) {
    Maszk h[3] = {0, 0, 0}, jelek = 0;
    for (int32_t sz = 0; sz < 4; ++sz) {
        Maszk bent = (k0 | k1 | k2) & szin_maszk(sz);
        Maszk hely = 1u << (sz * 8);
        for (; bent; bent &= bent - 1, hely <<= 1) {
            const Maszk b = bent & (0u - bent);
            h[(k1 & b) ? 1 : (k2 & b) ? 2 : 0] |= hely;
            if (szamolt & b) jelek |= hely;
        }
    }
    return {h[0] | h[2], h[1] | h[2], jelek};
}

#if defined(__x86_64__) && defined(__GNUC__)
// The cards in play gathered to the low bits, then scattered to the lowest places of
// each suit (as many as the suit has in play).
__attribute__((target("bmi2,popcnt"))) Tomoritett tomorit_pext(Maszk k0, Maszk k1, Maszk k2, Maszk szamolt) {
    const Maszk bent = k0 | k1 | k2;
    Maszk hely = 0;
    for (int32_t sz = 0; sz < 4; ++sz)
        hely |= ((1u << __builtin_popcount((bent >> (sz * 8)) & 0xFFu)) - 1) << (sz * 8);
    return {_pdep_u32(_pext_u32(k0 | k2, bent), hely), _pdep_u32(_pext_u32(k1 | k2, bent), hely),
            _pdep_u32(_pext_u32(szamolt, bent), hely)};
}

// Zen 1 and 2 run pext and pdep in microcode, slower than the card-by-card loop.
static bool pext_valasztas() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("bmi2") && __builtin_cpu_supports("popcnt") && !__builtin_cpu_is("znver1") &&
           !__builtin_cpu_is("znver2");
}
const bool pext_gyors = pext_valasztas();
#else
Tomoritett tomorit_pext(Maszk k0, Maszk k1, Maszk k2, Maszk szamolt) {
    return tomorit_hordozhato(k0, k1, k2, szamolt);
}
const bool pext_gyors = false;
#endif

void Tar::foglal(int32_t b) {
    bitek = b;
    mem = std::make_unique<TablaMemoria>((size_t{1} << b) * sizeof(Hely));
    helyek = static_cast<Hely*>(mem->adat());
    maszk = (size_t{1} << b) - 1;
}

// Four times the size, with the entries it holds.
void Tar::novel() {
    std::unique_ptr<TablaMemoria> regi = std::move(mem);
    Hely* r = helyek;
    const uint64_t n = maszk + 1;
    foglal(std::min(max_bitek, bitek + 2));
    const uint32_t kulcs_maszk = kulcs_bitek(hatar);
    for (uint64_t i = 0; i < n; ++i) {
        const Bejegyzes b = Tabla::olvas(r[i]);
        if (((b.adat >> 26) & 3) != 0)
            Tabla::beir(vodor(kulcs_hasito(b.kezek, b.jelek, b.adat & kulcs_maszk)), b.kezek, b.jelek, b.adat, hatar);
    }
}

// Large tables straight from the system: zeroed pages as they are first touched, and
// aligned, so that a bucket never straddles two cache lines. (Large pages were
// tried: the kernel may compact memory to make one, and a window thread that needs
// the address space meanwhile waits.)
TablaMemoria::TablaMemoria(size_t bajt) {
#if defined(__linux__)
    if (bajt >= (size_t{1} << 20)) {
        void* m = mmap(nullptr, bajt, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (m == MAP_FAILED) throw std::bad_alloc();
        p = m;
        foglalt_n = bajt;
        return;
    }
#endif
    p = std::aligned_alloc(64, (bajt + 63) & ~size_t{63});
    if (!p) throw std::bad_alloc();
    std::memset(p, 0, bajt);
}

TablaMemoria::~TablaMemoria() {
#if defined(__linux__)
    if (foglalt_n) {
        munmap(p, foglalt_n);
        return;
    }
#endif
    std::free(p);
}

}  // namespace gyors
