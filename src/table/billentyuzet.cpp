#include "table/billentyuzet.h"

#include <algorithm>
#include <cstddef>

#include "model/asztal.h"

std::vector<int32_t> valaszthato_kepek(const AsztalNezet& n) {
    static const int32_t sor[12] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 13, 14};
    std::vector<int32_t> v;
    for (int32_t k : sor)
        if (n.image[k].lathato && n.image[k].kep >= 0 && n.image[k].kep < HATLAP) v.push_back(k);
    return v;
}

int32_t leptetes(const AsztalNezet& n, int32_t most, int32_t irany) {
    const std::vector<int32_t> v = valaszthato_kepek(n);
    if (v.empty()) return 0;
    const auto it = std::find(v.begin(), v.end(), most);
    if (it == v.end()) return irany < 0 ? v.back() : v.front();
    const auto i = static_cast<std::ptrdiff_t>(it - v.begin()) + (irany < 0 ? -1 : 1);
    return v[static_cast<size_t>(std::clamp<std::ptrdiff_t>(i, 0, static_cast<std::ptrdiff_t>(v.size()) - 1))];
}

int32_t szamgomb(const AsztalNezet& n, int32_t szam) {
    if (szam < 0 || szam > 9) return 0;
    const int32_t k = szam == 0 ? 10 : szam;
    const std::vector<int32_t> v = valaszthato_kepek(n);
    return std::find(v.begin(), v.end(), k) != v.end() ? k : 0;
}

namespace {
bool lapra_var(const Asztal& a) {
    return a.fazis == F_ELSO_DOBAS || a.fazis == F_MASODIK_DOBAS || a.fazis == F_JATEK_EMBER;
}
}  // namespace

int32_t igazitas(const Asztal& a, int32_t most) {
    if (most <= 0 || !lapra_var(a)) return 0;
    const AsztalNezet& n = a.nezet;
    int32_t legjobb = 0;
    // The row's order: 1..10, 13, 14; the nearest pickable card at or before `most`.
    auto helye = [](int32_t k) { return k <= 10 ? k : k - 2; };
    for (int32_t k : valaszthato_kepek(n))
        if (helye(k) <= helye(most)) legjobb = k;
    return legjobb;
}

int32_t enter_celja(const Asztal& a, int32_t valasztott) {
    const std::vector<int32_t> v = valaszthato_kepek(a.nezet);
    if (lapra_var(a) && std::find(v.begin(), v.end(), valasztott) != v.end()) return valasztott;
    return a.nezet.button1_lathato ? 0 : -1;
}
