// libFuzzer entry for the saved-deal loader (built with clang, see CMakeLists.txt).
#include <cstdio>
#include <cstdlib>

#include "mentes_cel.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* adat, size_t meret) {
    const std::string hiba = mentes_bemenet_probaja(adat, meret);
    if (!hiba.empty()) {
        std::fprintf(stderr, "%s\n", hiba.c_str());
        std::abort();
    }
    return 0;
}
