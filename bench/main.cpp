#include <cstdio>
#include <map>

#include "bench.h"

namespace bench {

struct Bejegyzes {
    std::string leiras;
    Feladat f;
};

static std::map<std::string, Bejegyzes>& feladatok() {
    static std::map<std::string, Bejegyzes> m;
    return m;
}

bool regisztral(const std::string& nev, const std::string& leiras, Feladat f) {
    feladatok()[nev] = {leiras, std::move(f)};
    return true;
}

}  // namespace bench

int main(int argc, char** argv) {
    auto& m = bench::feladatok();
    if (argc < 2 || !m.count(argv[1])) {
        std::printf("usage: ulti_bench <job> [options]\njobs:\n");
        for (const auto& [nev, b] : m) std::printf("  %-10s %s\n", nev.c_str(), b.leiras.c_str());
        return argc < 2 ? 0 : 2;
    }
    std::vector<std::string> args(argv + 2, argv + argc);
    return m[argv[1]].f(args);
}
