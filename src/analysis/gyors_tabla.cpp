#include "analysis/gyors_tabla.h"

#include <cstdlib>
#include <cstring>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace gyors {

namespace {
constexpr size_t NAGY_LAP = size_t{2} << 20;
}

TablaMemoria::TablaMemoria(size_t bajt) {
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
    // Whole cache lines, so that a bucket of entries never straddles two.
    p = std::aligned_alloc(64, (bajt + 63) & ~size_t{63});
    if (!p) throw std::bad_alloc();
    std::memset(p, 0, bajt);
}

TablaMemoria::~TablaMemoria() {
#if defined(__linux__)
    if (foglalt) {
        munmap(foglalt, foglalt_n);
        return;
    }
#endif
    std::free(p);
}

}  // namespace gyors
