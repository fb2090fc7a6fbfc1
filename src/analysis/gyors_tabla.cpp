#include "analysis/gyors_tabla.h"

#include <cstdlib>
#include <cstring>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace gyors {

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
