// The record of a deal against the deal itself: seeded deals played through the real
// flow (computers alone, and beside a scripted person who bids, takes the talon,
// announces and plays) must come back table for table from their records, through
// the kept text as well; damaged texts are refused; and both kinds of "Újrajátszás"
// give the same cards again.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <sstream>

#include "review/rekord.h"
#include "review/visszajatszas.h"
#include "support/szkript_felulet.h"
#include "table/folyam.h"
#include "table/rajzolas.h"
#include "table/rekordolas.h"
#include "table/szerkeszto.h"

namespace {

using teszt::SzkriptFelulet;

// Keeps the live table at every recorded step, as the replay keeps its own.
struct Figyelo : LepesFigyelo {
    std::vector<Asztal> t;
    void rogzitve(const Asztal& a) override {
        if (a.rekord.lepesek.empty()) t.clear();
        t.push_back(a);
        t.back().figyelo = nullptr;
    }
};

// The fields that define the game at a moment, as text, so a difference reads well.
std::string allas(const Asztal& a) {
    std::ostringstream o;
    for (const Jatekos& j : a.jatekosok) {
        // Slots 10 and 11 hold the talon only while it is being laid back.
        const int db = a.fazis == F_ELSO_DOBAS || a.fazis == F_MASODIK_DOBAS ? 13 - a.fazis : 10;
        for (int k = 0; k < db; ++k) o << j.lapok[k].kep << ' ';
        for (const auto& sor : j.hol)
            for (int32_t h : sor) o << h << ' ';
        o << "| " << int(j.talonnal) << int(j.negyven) << j.husz_db << j.bemondott << ' ';
        for (int i = 0; i < LICIT_FLAGEK; ++i) o << int(j.kontra[i]);
        o << ' ' << j.felvevo_tizes << ' ' << j.ellen_tizes << ' ' << j.felvevo_asz << ' ' << j.ellen_asz << ' '
          << j.felvevo_utes << ' ' << j.ellen_utes << '\n';
    }
    o << "talon " << a.talon[0].kep << ' ' << a.talon[1].kep << " fazis " << a.fazis << " soron " << a.soron
      << " felvevo " << a.felvevo << " passzok " << a.passzok << " licit " << a.licit_ertek << " benyult "
      << int(a.benyult) << '\n';
    for (int i = 0; i < a.licitek_szama; ++i)
        for (int f = 0; f < LICIT_FLAGEK; ++f) o << int(a.licitek[i][f]);
    o << '\n';
    if (a.fazis >= F_JATEK_EMBER && a.fazis <= F_VEGE) {
        o << "adu " << a.adu << " jatek ";
        for (int f = 0; f < LICIT_FLAGEK; ++f) o << int(a.jatek[f]);
        o << " utes " << a.utes_szam << '/' << a.utes_lapszam << " kezben ";
        for (int32_t k : a.kezben) o << k << ' ';
        for (int t = 0; t <= std::min(a.utes_szam, 9); ++t) {
            o << "\n" << a.utes_tizes[t] << ' ' << a.utes_asz[t] << ':';
            for (int k = 0; k < 3 && (t < a.utes_szam || k < a.utes_lapszam); ++k)
                o << ' ' << a.utes_lapok[t][k].seat << ',' << a.utes_lapok[t][k].slot << ',' << a.utes_nyero[t][k];
        }
    }
    for (const std::string& s : a.nezet.memo1) o << '\n' << s;
    return o.str();
}

// A scripted person in seat 0: opens or passes, every third turn takes the talon (or
// only turns it up) and bids the least that is higher, announces what the dialog allows, plays the first
// card the rules accept.
void ember_lep(Asztal& a, SzkriptFelulet& f, int& fordulo) {
    if (a.fazis == F_ELSO_DOBAS || a.fazis == F_MASODIK_DOBAS) {
        kep_kattintas(a, f, a.fazis == F_ELSO_DOBAS ? 3 : 1);
    } else if (a.fazis == F_LICIT_EMBER && a.benyult) {
        const double v = a.licit_ertek;
        f.licitek.push_back(v < 0.15 ? std::vector<int>{L_PIROS} : v < 4 ? std::vector<int>{L_NEGYVEN_SZAZ}
                                                                          : std::vector<int>{L_BETLI});
        button1_kattintas(a, f);
    } else if (a.fazis == F_LICIT_EMBER) {
        if (++fordulo % 3 == 0 && a.licit_ertek < 5) {
            talon_kattintas(a);
            if (fordulo % 2 == 0) talon_kattintas(a);  // else only turned up, and bid on
        } else {
            button2_kattintas(a, f);
        }
    } else {
        const size_t n = a.rekord.lepesek.size();
        for (int k = 1; k <= 10 && a.rekord.lepesek.size() == n; ++k) kep_kattintas(a, f, k);
    }
}

struct Parti {
    PartiRekord rekord;
    std::vector<Asztal> tablak;  // at every step, the deal first; the last one at the end
};

// Plays `db` deals from a seed; seat 0 is the scripted person when `ember`. With
// `szerkesztett` the first deal is laid out in the deal editor: the first bidder's
// hand and the talon from the top of the deck, the rest at random.
std::vector<Parti> partik(uint64_t mag, bool ember, int db, bool szerkesztett = false) {
    Asztal a;
    asztal_indulas(a, mag);
    auto n = std::make_shared<int64_t>(0);
    a.ora = [n] { return (*n)++ / 20; };
    for (Jatekos& j : a.jatekosok) j.ember = ember && j.sorszam == 0;
    SzkriptFelulet f;
    for (int i = 0; i < 200; ++i) {
        f.aduk.push_back(1 + i % 3);
        f.bejelentesek.push_back({1, 2, 15, 5});
    }
    if (szerkesztett) {
        szerkeszto_nyitas(a);
        for (int32_t k = 0; k < 12; ++k) szerkeszto_valasztas(a, k / 8, k % 8);
        EXPECT_EQ(szerkeszto_kesz(a), SzerkKesz::Bezar);
    }
    Figyelo w;
    a.figyelo = &w;
    std::vector<Parti> ki;
    int fordulo = 0;
    for (int lepes = 0; lepes < 4000 && static_cast<int>(ki.size()) < db; ++lepes) {
        const size_t elotte = a.rekordok.size();
        // "Eredmény" settles the deal and deals the next one in the same click.
        std::vector<Asztal> tablak;
        if (a.fazis == F_VEGE) tablak = w.t, tablak.push_back(a);
        if (a.fazis == F_JATEK_GEP && f.fuggo())
            f.fuss(a, 1);
        else if (a.fazis == F_JATEK_EMBER || a.fazis == F_LICIT_EMBER || a.fazis == F_ELSO_DOBAS ||
                 a.fazis == F_MASODIK_DOBAS)
            ember_lep(a, f, fordulo);
        else
            button1_kattintas(a, f);
        if (a.rekordok.size() == elotte) continue;
        if (tablak.empty()) tablak = w.t, tablak.push_back(a);
        ki.push_back({a.rekordok.back(), std::move(tablak)});
    }
    EXPECT_EQ(static_cast<int>(ki.size()), db) << "seed " << mag;
    return ki;
}

std::vector<Parti>& minta() {
    static std::vector<Parti> p = [] {
        std::vector<Parti> v;
        for (uint64_t mag : {31u, 32u, 33u}) {
            for (Parti& x : partik(mag, false, 2)) v.push_back(std::move(x));
            for (Parti& x : partik(mag + 10, true, 3)) v.push_back(std::move(x));
        }
        for (Parti& x : partik(51, true, 1, true)) v.push_back(std::move(x));
        return v;
    }();
    return p;
}

TEST(Visszajatszas, RebuildsTheTableOfEveryStepOfSeededDeals) {
    int lapok = 0, emberi = 0, passz = 0;
    std::vector<double> ido;
    for (const Parti& x : minta()) {
        const auto t0 = std::chrono::steady_clock::now();
        const std::vector<Pillanat> p = visszajatszas(x.rekord);
        ido.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
        ASSERT_EQ(p.size(), x.rekord.lepesek.size() + 1);
        ASSERT_EQ(x.tablak.size(), p.size() + 1);
        for (size_t k = 0; k < p.size(); ++k) {
            // The last step is compared with the table as the deal ended.
            const Asztal& elo = x.tablak[k + 1 == p.size() ? k + 1 : k];
            ASSERT_EQ(allas(p[k].tabla), allas(elo)) << "step " << k << ": " << p[k].sor;
            EXPECT_EQ(p[k].lepes, static_cast<int32_t>(k) - 1);
            if (p[k].lap) {
                ++lapok;
                emberi += p[k].seat == 0 && x.rekord.ember[0];
                const Asztal& elotte = p[k - 1].tabla;
                EXPECT_EQ(elotte.jatekosok[p[k].seat].lapok[p[k].slot], x.rekord.lepesek[k - 1].lapok[0]);
            }
        }
        passz += x.rekord.lepesek.back().fajta == RekordLepes::Fajta::licit;
    }
    EXPECT_GT(lapok, 300);
    EXPECT_GT(emberi, 60);
    std::sort(ido.begin(), ido.end());
    EXPECT_LT(ido.back(), 50.0);
    std::printf("%d cards replayed, %d deals passed out; a deal's replay: median %.2f ms, slowest %.2f ms\n",
                lapok, passz, ido[ido.size() / 2], ido.back());
}

}  // namespace

namespace {

std::vector<PartiRekord> rekordok() {
    std::vector<PartiRekord> v;
    for (const Parti& x : minta()) v.push_back(x.rekord);
    return v;
}

TEST(Rekord, TheKeptTextGivesBackEveryRecord) {
    const std::vector<PartiRekord> v = rekordok();
    const std::string szoveg = rekordok_szoveg(v);
    EXPECT_EQ(szoveg.substr(0, szoveg.find('\n')), "ulti-partik 1");
    std::string hiba;
    const auto vissza = rekordok_ertelmezes(szoveg, &hiba);
    ASSERT_TRUE(vissza.has_value()) << hiba;
    EXPECT_TRUE(*vissza == v);
    EXPECT_NE(rekord_cim(v[0]).find(" — "), std::string::npos) << rekord_cim(v[0]);
}

// The text with the first `mit` at or after the first `utan` replaced.
std::string csere(std::string s, const std::string& utan, const std::string& mit, const std::string& mire) {
    const size_t i = s.find(mit, s.find(utan));
    if (i == std::string::npos) return "nincs ilyen: " + mit;
    return s.replace(i, mit.size(), mire);
}

TEST(Rekord, ADamagedTextIsRefusedWithItsReason) {
    const std::vector<PartiRekord> v = rekordok();
    const std::string jo = rekordok_szoveg({v[0], v[3]});
    // The second record's first card step, and a card its player does not hold.
    const RekordLepes* elso = nullptr;
    for (const RekordLepes& l : v[3].lepesek)
        if (!elso && l.fajta == RekordLepes::Fajta::lap) elso = &l;
    ASSERT_NE(elso, nullptr);
    const int idegen = v[3].kezek[(elso->seat + 1) % 3][0].kep;
    const std::string lap = "\nlap " + std::to_string(elso->seat) + " " + std::to_string(elso->lapok[0].kep) + " ";
    const std::string masodik = jo.substr(jo.find("parti\n", 20));
    const std::string eleje = jo.substr(0, jo.find("parti\n", 20));
    struct Eset {
        std::string szoveg, ok;
    } esetek[] = {
        {"ulti-partik 2" + jo.substr(13), "ismeretlen formátumú"},
        {jo.substr(0, jo.size() - 5), "A 2. parti feljegyzése sérült: a feljegyzés vége hiányzik."},
        {eleje + csere(masodik, "", "oszto ", "oszto 3"), "A 2. parti feljegyzése sérült: az osztó hibás"},
        {eleje + csere(masodik, "", "\nlicit ", "\nlicitt "), "ismeretlen sor: „licitt”"},
        {eleje + csere(masodik, "", "nev 1 ", "nev 1 \t"), "vezérlőkaraktert"},
        {eleje + csere(masodik, "", "\nlicit 0 ", "\nlicit 0 0"), "jelzői hibásak"},
        {eleje + csere(masodik, "", "\ntalon " + std::to_string(v[3].talon[0].kep) + " ",
                       "\ntalon " + std::to_string(v[3].kezek[0][0].kep) + " "),
         " szerepel."},
        {eleje + csere(masodik, "", lap, lap.substr(0, lap.size() - 1 - std::to_string(elso->lapok[0].kep).size()) +
                                             std::to_string(idegen) + " "),
         "lépés lapja nincs a kézben."},
        {eleje + csere(masodik, "", lap, "\nlap " + std::to_string((elso->seat + 1) % 3) + lap.substr(6)),
         "lépés nem a soron következő játékosé."},
    };
    for (const Eset& e : esetek) {
        std::string hiba;
        EXPECT_FALSE(rekordok_ertelmezes(e.szoveg, &hiba)) << e.ok;
        EXPECT_NE(hiba.find(e.ok), std::string::npos) << hiba;
        EXPECT_EQ(hiba.find('\n'), std::string::npos);
    }
}

TEST(Ujrajatszas, FromTheStartDealsTheSameCardsAgain) {
    const PartiRekord& r = minta()[3].rekord;
    Asztal a;
    asztal_indulas(a, 99);
    a.jatekosok[1].egyenleg = 25;
    SzkriptFelulet f;
    ujrajatszas_elejerol(a, r);
    button1_kattintas(a, f);
    PartiRekord uj = a.rekord;
    uj.lepesek.clear();
    PartiRekord regi = r;
    regi.lepesek.clear();
    regi.lezart = false;
    EXPECT_TRUE(uj == regi);
    EXPECT_EQ(a.jatekosok[1].egyenleg, 25);
}

TEST(Ujrajatszas, FromAMomentTheHumanPlaysOnToTheEnd) {
    // The human's second card of a deal with a person in seat 0.
    const Parti& x = minta()[3];
    const std::vector<Pillanat> p = visszajatszas(x.rekord);
    int32_t i = -1;
    for (int32_t k = 0, db = 0; k + 1 < static_cast<int32_t>(p.size()) && i < 0; ++k)
        if (p[k + 1].lap && p[k + 1].seat == 0 && ++db == 2) i = k;
    ASSERT_GE(i, 0);
    Asztal a = x.tablak.back();
    a.naplo.push_back(PartiEredmeny{});
    const size_t naplo = a.naplo.size();
    a.rekordok = {x.rekord};
    const uint32_t sorszam = a.parti_sorszam;
    EXPECT_FALSE(ujrajatszas_innen(a, p, 0));  // the auction
    EXPECT_FALSE(ujrajatszas_innen(a, p, static_cast<int32_t>(p.size()) - 1));  // the end
    EXPECT_EQ(a.parti_sorszam, sorszam);
    ASSERT_TRUE(ujrajatszas_innen(a, p, i));
    EXPECT_EQ(allas(a), allas(p[i].tabla));
    EXPECT_EQ(a.fazis, F_JATEK_EMBER);
    EXPECT_EQ(a.parti_sorszam, sorszam + 1);
    EXPECT_EQ(a.naplo.size(), naplo);
    EXPECT_EQ(a.rekord.lepesek.size(), static_cast<size_t>(i));

    SzkriptFelulet f;
    int fordulo = 0;
    for (int n = 0; n < 200 && a.rekordok.size() == 1; ++n) {
        if (a.fazis == F_JATEK_GEP && f.fuggo())
            f.fuss(a, 1);
        else if (a.fazis == F_JATEK_EMBER)
            ember_lep(a, f, fordulo);
        else
            button1_kattintas(a, f);
    }
    ASSERT_EQ(a.rekordok.size(), 2u);
    const PartiRekord& uj = a.rekordok.back();
    EXPECT_TRUE(std::equal(uj.lepesek.begin(), uj.lepesek.begin() + i, x.rekord.lepesek.begin()));
    EXPECT_EQ(visszajatszas(uj).size(), uj.lepesek.size() + 1);
}

TEST(Ujrajatszas, OnlyInPlaceOfADealNoPersonHasActedIn) {
    // Deals just dealt: the person to lay back the talon he opens with, or to bid after
    // the computers; once he has acted (a card laid back, the talon turned up), the
    // deal is his.
    for (uint64_t mag : {1, 2, 3}) {
        Asztal a;
        asztal_indulas(a, mag);
        SzkriptFelulet f;
        for (int32_t fazis : {F_ELSO_DOBAS, F_LICIT_EMBER}) {
            uj_parti_gomb(a);
            EXPECT_TRUE(ujrajatszhato(a));  // no deal running
            button1_kattintas(a, f);
            ASSERT_EQ(a.fazis, fazis) << "seed " << mag;
            EXPECT_TRUE(ujrajatszhato(a)) << "seed " << mag;
            if (fazis == F_ELSO_DOBAS)
                kep_kattintas(a, f, 1);  // the first card laid back
            else
                talon_kattintas(a);  // the talon turned up after the computers' bids
            EXPECT_FALSE(ujrajatszhato(a)) << "seed " << mag << ", phase " << a.fazis;
        }
    }
}

}  // namespace

TEST(Rekord, TheArticleBeforeANumberFollowsHowItIsRead) {
    for (int64_t n : {1, 5, 50, 55, 500, 1000, 1999, 5000, 1000000}) EXPECT_STREQ(nevelo(n), "az") << n;
    for (int64_t n : {2, 10, 16, 100, 150, 2000, 15000}) EXPECT_STREQ(nevelo(n), "a") << n;
}
