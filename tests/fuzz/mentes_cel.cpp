#include "mentes_cel.h"

#include <string_view>

#include "model/asztal.h"
#include "save/mentes.h"
#include "table/invariansok.h"

std::string mentes_bemenet_probaja(const uint8_t* adat, size_t meret) {
    const std::string_view szoveg(reinterpret_cast<const char*>(adat), meret);
    const auto m = mentes_ertelmezes(szoveg);
    if (!m) return "";  // refused: the table is never touched
    Asztal a;
    asztal_indulas(a, 1);
    mentett_osztas_beallitas(a, *m);
    const std::string hiba = invarians_hiba(a);
    if (!hiba.empty()) return "accepted a file that breaks the table: " + hiba;
    const std::string ujra = mentes_szoveg(a);
    const auto m2 = mentes_ertelmezes(ujra);
    if (!m2) return "the saved form of an accepted file is refused";
    if (mentes_szoveg(a) != ujra) return "saving is not stable";
    Asztal b;
    asztal_indulas(b, 1);
    mentett_osztas_beallitas(b, *m2);
    if (mentes_szoveg(b) != ujra) return "save, load, save changed the file";
    return "";
}
