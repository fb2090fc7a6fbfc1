#include "meres.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "model/licit.h"

namespace bench {

std::string szerzodes_fajta(const Licit& l) {
    std::string s;
    for (int i = L_NEGYVEN_SZAZ; i < LICIT_FLAGEK; ++i)
        if (l[i]) s += licit_bid_szoveg[i];
    return s.empty() ? "Parti" : s.substr(1);
}

double median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double percentilis(std::vector<double> v, double hanyad) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    const auto n = static_cast<long long>(std::ceil(hanyad * static_cast<double>(v.size())));
    return v[static_cast<size_t>(std::clamp(n - 1, 0LL, static_cast<long long>(v.size()) - 1))];
}

std::string balra(const std::string& s, size_t szeles) {
    size_t betuk = 0;
    for (const char c : s) betuk += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return betuk >= szeles ? s : s + std::string(szeles - betuk, ' ');
}

std::string terheles() {
    double l[3] = {};
    if (getloadavg(l, 3) != 3) return "unknown";
    char s[64];
    std::snprintf(s, sizeof s, "%.2f %.2f %.2f", l[0], l[1], l[2]);
    return s;
}

}  // namespace bench
