// The card choice made beforehand on a copy of the table, as the window makes it on
// its worker thread, against the choice made in place: seeded deals played through
// both side by side must leave the two tables equal after every step.

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <sstream>
#include <string>

#include "model/asztal.h"
#include "support/szkript_felulet.h"
#include "table/folyam.h"

namespace {

using teszt::SzkriptFelulet;

struct Oldal {
    Asztal a;
    SzkriptFelulet f;
};

void indulas(Asztal& a, uint64_t mag, bool ember) {
    asztal_indulas(a, mag);
    // One counter behind the table and every copy of it, as with the real clock: a
    // millisecond per 20 reads.
    auto n = std::make_shared<int64_t>(0);
    a.ora = [n] { return (*n)++ / 20; };
    for (Jatekos& j : a.jatekosok) j.ember = ember && j.sorszam == 0;
}

template <class T>
bool egyforma(const T& x, const T& y) {
    return std::memcmp(&x, &y, sizeof(T)) == 0;
}

bool egyforma(const Kartyalap& x, const Kartyalap& y) { return x.kep == y.kep; }
bool egyforma(const KepNezet& x, const KepNezet& y) { return x.lathato == y.lathato && x.kep == y.kep; }

template <class T, size_t N>
bool egyforma(const T (&x)[N], const T (&y)[N]) {
    for (size_t i = 0; i < N; ++i)
        if (!egyforma(x[i], y[i])) return false;
    return true;
}

// The fields in which the two tables differ, "" when none does (the clock and the
// dialogs' state aside).
std::string kulonbseg(const Asztal& x, const Asztal& y) {
    std::ostringstream o;
#define K(mezo) \
    if (!egyforma(x.mezo, y.mezo)) o << #mezo << ' ';
    for (int s = 0; s < 3; ++s) {
        K(jatekosok[s].lapok) K(jatekosok[s].elosztas) K(jatekosok[s].hol) K(jatekosok[s].adu_ertek)
        K(jatekosok[s].lap_pont) K(jatekosok[s].hivo_szin) K(jatekosok[s].ellenfel_szin)
        K(jatekosok[s].talonnal) K(jatekosok[s].negyven) K(jatekosok[s].husz_db) K(jatekosok[s].kontra)
        K(jatekosok[s].egyenleg) K(jatekosok[s].ellen_tizes) K(jatekosok[s].felvevo_utes)
        K(jatekosok[s].ellen_utes)
    }
    K(pakli) K(talon) K(keveres) K(fazis) K(oszto) K(soron) K(felvevo) K(passzok) K(licitek_szama)
    K(licit_ertek) K(jatek) K(adu) K(heuferli) K(kezben) K(utes_szam) K(utes_lapszam) K(vizsgalt_utes)
    K(vizsgalt_lapszam) K(utes_lapok) K(utes_nyero) K(utes_tizes) K(utes_asz) K(jelolt_lapok)
    K(probalt) K(keresett_lapok) K(parti_sorszam) K(rng.allapot) K(nezet.image) K(nezet.hint_latszik)
    K(nezet.ajanlott_kep)
#undef K
    const AsztalNezet &n = x.nezet, &m = y.nezet;
    if (n.memo1 != m.memo1 || n.memo2 != m.memo2 || n.memo3 != m.memo3 || n.memo4 != m.memo4 ||
        n.label1 != m.label1 || n.hint != m.hint)
        o << "nezet ";
    return o.str();
}

// Plays `partik` settled deals from one seed on both tables: x makes every choice in
// place, y takes it over from a copy made when the turn began. Seat 0 is human when
// `ember` is set: it passes in the auction and plays the card its hint recommends.
void parhuzamos_partik(uint64_t mag, bool ember, int partik, int& gep_lapok, int& tippek) {
    Oldal x, y;
    indulas(x.a, mag, ember);
    indulas(y.a, mag, ember);
    for (int lepes = 0; lepes < 3000 && partik > 0; ++lepes) {
        const int32_t fazis = x.a.fazis;
        if (fazis == F_JATEK_GEP && x.f.fuggo()) {
            LapDontes d{y.a};
            lap_dontes(d);
            x.f.fuss(x.a, 1);
            y.f.elvet();
            button1_kattintas(y.a, y.f, &d);
            ++gep_lapok;
        } else if (fazis == F_JATEK_EMBER) {
            LapDontes d{y.a};
            lap_dontes(d);
            segitseg_kattintas(x.a);
            segitseg_kattintas(y.a, &d);
            ASSERT_EQ(kulonbseg(x.a, y.a), "") << "hint, seed " << mag << ", step " << lepes;
            ASSERT_GT(x.a.nezet.ajanlott_kep, 0);
            const int32_t k = x.a.nezet.ajanlott_kep;
            kep_kattintas(x.a, x.f, k);
            kep_kattintas(y.a, y.f, k);
            ASSERT_TRUE(x.f.uzenetek.empty() || x.f.uzenetek.back() != "Renonsz!!!")
                << "the recommended card was refused";
            ++tippek;
        } else if (fazis == F_LICIT_EMBER) {
            button2_kattintas(x.a, x.f);
            button2_kattintas(y.a, y.f);
        } else {
            if (fazis == F_VEGE) --partik;
            // The computer bids first, so the human never holds the talon.
            if (fazis == F_VEGE || fazis == F_NINCS_PARTI) x.a.oszto = y.a.oszto = 0;
            button1_kattintas(x.a, x.f);
            button1_kattintas(y.a, y.f);
        }
        ASSERT_EQ(kulonbseg(x.a, y.a), "") << "seed " << mag << ", step " << lepes << ", phase " << fazis;
    }
    EXPECT_EQ(partik, 0) << "seed " << mag;
}

TEST(Elore, AChoiceMadeOnACopyPlaysWhatTheChoiceInPlacePlays) {
    int gep_lapok = 0, tippek = 0;
    for (uint64_t mag : {11u, 12u, 13u}) parhuzamos_partik(mag, false, 2, gep_lapok, tippek);
    for (uint64_t mag : {21u, 22u, 23u}) parhuzamos_partik(mag, true, 2, gep_lapok, tippek);
    EXPECT_GT(gep_lapok, 150);
    EXPECT_GT(tippek, 20);
}

}  // namespace
