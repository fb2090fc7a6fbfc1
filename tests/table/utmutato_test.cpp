// The guide of the table: its words against the rules of play, the turn and trick
// marks, why a click could not act and why a deal ended.

#include "table/utmutato.h"

#include <gtest/gtest.h>

#include <string>

#include "analysis/szabalyok.h"
#include "model/asztal.h"
#include "model/osztas.h"
#include "support/jatszas.h"
#include "support/kezek.h"
#include "support/szkript_felulet.h"
#include "table/folyam.h"

namespace {

using teszt::SzkriptFelulet;

bool van(const std::string& sor, const std::string& resz) { return sor.find(resz) != std::string::npos; }

// The card of the seat that lies in trick t, among its first db cards.
Kartyalap utes_lap(const Asztal& a, int32_t t, int32_t seat, int32_t db) {
    for (int k = 0; k < db; ++k)
        if (a.utes_lapok[t][k].seat == seat) return a.jatekosok[seat].lapok[a.utes_lapok[t][k].slot];
    return {};
}

// What the words of the requirement allow for card c.
bool szavak_szerint(const Asztal& a, const std::string& k, const Kartyalap& c) {
    const int32_t t = a.utes_szam, p = a.utes_lapszam;
    const Kartyalap hivott = utes_lap(a, t, a.utes_lapok[t][0].seat, 1);
    const Kartyalap nyero = utes_lap(a, t, a.utes_nyero[t][p - 1], p);
    const bool magasabb = rang(c.ertek, a.adu) > rang(nyero.ertek, a.adu);
    if (van(k, "bármelyik")) return true;
    if (van(k, "adut")) return c.szin == a.adu && (!van(k, "magasabbat") || magasabb);
    return c.szin == hivott.szin && (!van(k, "magasabbat") || magasabb);
}

// Over seeded deals, colour games and Betli, at every second and third card: the
// cards the guide's words allow are exactly the cards the rules accept.
TEST(Utmutato, KovetelmenyASzabalyokSzerint) {
    int eset = 0;
    for (uint64_t mag = 1; mag <= 24; ++mag) {
        Asztal a;
        asztal_indulas(a, mag);
        kevert_osztas(a);
        const int32_t adu = static_cast<int32_t>(mag % 5);  // 4: Betli without trump
        teszt::jatek(a, {adu == NINCS_ADU ? L_BETLI : L_PASSZ}, adu, a.soron);
        while (a.fazis != F_VEGE && a.utes_szam < 10) {
            const int32_t s = a.soron;
            Jatekos& p = a.jatekosok[s];
            const int32_t n = kezben_levo(a, s);
            const int32_t kezben[10] = {a.kezben[0], a.kezben[1], a.kezben[2], a.kezben[3], a.kezben[4],
                                        a.kezben[5], a.kezben[6], a.kezben[7], a.kezben[8], a.kezben[9]};
            int32_t jatszhato = -1;
            const std::string k = kovetelmeny(a);
            for (int i = 0; i < n; ++i) {
                a.vizsgalt_utes = a.utes_szam;
                a.vizsgalt_lapszam = a.utes_lapszam;
                const bool szabalyos = szabalyos_lap(a, p, kezben[i]);
                if (szabalyos && jatszhato < 0) jatszhato = kezben[i];
                if (a.utes_lapszam == 0) continue;
                ++eset;
                EXPECT_EQ(szabalyos, szavak_szerint(a, k, p.lapok[kezben[i]]))
                    << "seed " << mag << ", " << lap_nev(p.lapok[kezben[i]]) << ": " << k;
            }
            ASSERT_GE(jatszhato, 0);
            ASSERT_TRUE(teszt::kijatszas(a, lap_nev(p.lapok[jatszhato])));
        }
    }
    EXPECT_GT(eset, 1000);
}

// Weak computer hands: both pass whatever is bid.
const char* const EMBER = "Makk Ász, Makk 10, Makk Király, Zöld Ász, Zöld 10, Tök Ász, Tök 10, Piros Ász, "
                          "Piros 10, Piros Király";
const char* const GEP1 = "Makk 7, Makk Felső, Zöld 8, Zöld Király, Tök 9, Tök Felső, Piros 8, Piros Alsó, "
                         "Makk Alsó, Zöld 7";
const char* const GEP2 = "Makk 8, Makk 9, Zöld 9, Zöld Alsó, Tök 7, Tök 8, Tök Alsó, Piros 7, Piros 9, Zöld Felső";

// The guide along an auction in which everybody passes, with the clicks that
// cannot act saying why.
TEST(Utmutato, MindenkiPasszolLicit) {
    Asztal a;
    SzkriptFelulet f;
    EXPECT_TRUE(van(utmutatas(a).sor, "„Új parti”"));
    teszt::leosztas(a, EMBER, GEP1, GEP2, "Tök Király, Piros Felső", 0, 0);
    a.kezi_osztas = 1;
    a.fazis = F_NINCS_PARTI;
    EXPECT_TRUE(van(utmutatas(a).sor, "kirakott lapokat"));
    button1_kattintas(a, f);
    const struct {
        std::function<void()> lepes;
        const char* sor;
        int32_t soron;
    } lepesek[] = {
        {[] {}, "licitál elsőként, a talon már a kezében van", 0},
        {[&] { button1_kattintas(a, f); }, "Előbb tegyen vissza két lapot", 0},
        {[&] { kep_kattintas(a, f, 1); }, "Még egy lapot", 0},
        {[&] { kep_kattintas(a, f, 1); }, "Ön licitál elsőként: a „Licitálás”", 0},
        {[&] { kep_kattintas(a, f, 3); }, "Licit közben nem lehet lapot kijátszani", 0},
        {[&] { button2_kattintas(a, f); }, "Az Ön licitje áll (1 Ft), de a sima partit nem játsszák", 0},
        {[&] { button2_kattintas(a, f); }, "Mindenki passzolt: ebből a partiból nem lesz játék.", -1},
    };
    for (const auto& l : lepesek) {
        l.lepes();
        const Utmutatas u = utmutatas(a);
        EXPECT_TRUE(van(u.sor, l.sor)) << u.sor;
        EXPECT_EQ(u.soron, l.soron) << l.sor;
    }
    ASSERT_GE(a.nezet.memo1.size(), 2u);
    EXPECT_EQ(a.nezet.memo1[a.nezet.memo1.size() - 2],
              "Mindenki passzolt: ebből a partiból nem lesz játék. Jöhet az új parti.");
}

// A refused card says what the rules ask; the winning card and the early end of a
// Betli are marked and told.
TEST(Utmutato, RenonszEsKoraiBetliVege) {
    Asztal a;
    SzkriptFelulet f;
    teszt::tok9_hivas(a);
    EXPECT_EQ(utmutatas(a).sor, "Ön jön: Tököt kell adnia, magasabbat, mint a Tök 9. Kattintson a lapra.");
    a.nezet.image[17] = KepNezet{true, teszt::lap("Tök 9").kep};
    EXPECT_EQ(utmutatas(a).nyero_kep, 17);
    kep_kattintas(a, f, 2);  // Tök 8
    ASSERT_EQ(f.uzenetek.back(), "Renonsz!!!");
    EXPECT_EQ(utmutatas(a).sor, "Renonsz: Tököt kell adnia, magasabbat, mint a Tök 9.");

    Asztal b;
    teszt::leosztas(b, "Makk Ász, Makk 9, Zöld 7, Zöld 8, Zöld 9, Tök 7, Tök 8, Tök 9, Piros 7, Piros 8",
                    "Makk 7, Makk 10, Zöld 10, Zöld Alsó, Zöld Felső, Tök 10, Tök Ász, Piros 9, Piros 10, Piros Ász",
                    "Makk 8, Makk Alsó, Makk Felső, Makk Király, Zöld Király, Zöld Ász, Tök Felső, Tök Király, "
                    "Piros Felső, Piros Király",
                    "Tök Alsó, Piros Alsó", NINCS_ADU, 0);
    teszt::jatek(b, {L_BETLI}, NINCS_ADU, 0);
    b.emberek_szama = 1;
    b.ember_helye = 0;
    teszt::HajtottOra ora;
    ora.lepes_per_ms = 50;
    b.ora = ora;
    EXPECT_EQ(utmutatas(b).soron, 0);
    const int32_t n = kezben_levo(b, 0);
    for (int k = 0; k < n; ++k)
        if (b.kezben[k] == teszt::slot(b, 0, "Makk Ász")) kep_kattintas(b, f, k + 1);  // nobody can take it
    f.fuss(b);
    ASSERT_EQ(b.fazis, F_VEGE);
    const Utmutatas u = utmutatas(b);
    EXPECT_EQ(u.soron, -1);
    EXPECT_EQ(u.nyero_kep, 15);
    EXPECT_EQ(u.sor, "Bukott a Betli: Telmi vitt egy ütést, a többi lapot nem kell lejátszani. Kattintson az "
                     "„Eredmény” gombra!");
    EXPECT_EQ(b.nezet.memo1[b.nezet.memo1.size() - 2],
              "Bukott a Betli: Telmi vitt egy ütést, a többi lapot nem kell lejátszani. Jöhet az eredmény.");
}

}  // namespace
