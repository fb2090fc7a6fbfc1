#include "gepi_partik.h"

#include <memory>

#include "table/folyam.h"

namespace bench {

std::string gepi_partik(uint64_t mag, long long partik, long long olvasas_per_ms,
                        const std::function<void(const Asztal&)>& lap_elott) {
    Asztal a;
    asztal_indulas(a, mag);
    for (Jatekos& j : a.jatekosok) j.ember = 0;
    auto olvasas = std::make_shared<long long>(0);
    const long long per_ms = olvasas_per_ms > 0 ? olvasas_per_ms : 1;
    a.ora = [olvasas, per_ms] { return ++*olvasas / per_ms; };
    GepFelulet f;
    long long lejatszott = 0, lepes = 0;
    while (lejatszott < partik) {
        if (f.fuggo) {
            f.fuggo = false;
            if (a.fazis != f.fuggo_fazis || a.parti_sorszam != f.fuggo_parti) continue;
        }
        if (a.fazis == F_JATEK_GEP && a.utes_szam < 10) lap_elott(a);
        button1_kattintas(a, f);
        if (!f.hiba.empty()) return f.hiba;
        if (f.van_eredmeny) {
            f.van_eredmeny = false;
            ++lejatszott;
        }
        if (++lepes > 1000 * (partik + 10)) return "the deals do not end";
    }
    return "";
}

}  // namespace bench
