#pragma once
// All-computer deals through the real phase machine, for the bench's jobs.

#include <cstdint>
#include <functional>
#include <string>

#include "model/asztal.h"
#include "scoring/elszamolas.h"
#include "table/felulet.h"

namespace bench {

// No seat is human, so no dialog may open; the pause is kept as a pending click
// that the driver runs at once, as the window's timer would a second later.
class GepFelulet : public Felulet {
public:
    bool fuggo = false;
    int32_t fuggo_fazis = 0;
    uint32_t fuggo_parti = 0;
    long long uzenetek = 0;
    std::string hiba;
    Elszamolas eredmeny;
    bool van_eredmeny = false;

    void uzenet(Asztal&, const std::string&) override { ++uzenetek; }
    void licit_dialogus(Asztal&) override { hiba = "the bidding dialog opened"; }
    void adu_dialogus(Asztal&) override { hiba = "the trump dialog opened"; }
    void bejelentes_dialogus(Asztal&) override { hiba = "the announcements dialog opened"; }
    void jatekosok_dialogus(Asztal&) override { hiba = "the players dialog opened"; }
    void eredmeny_tabla(Asztal&, const Elszamolas& e) override {
        eredmeny = e;
        van_eredmeny = true;
    }
    void szunet_es_kattintas(Asztal& a) override {
        fuggo = true;
        fuggo_fazis = a.fazis;
        fuggo_parti = a.parti_sorszam;
    }
    void ujrarajzolas(Asztal&) override {}
};

// Plays all-computer deals from `mag` until `partik` deals have been played out (the
// ones dropped in the auction not counted), on a driven clock of `olvasas_per_ms`
// reads per millisecond, so the same seed gives the same deals and cards anywhere.
// `lap_elott` sees the table before every computer card. Returns an error text,
// empty when every deal ran.
std::string gepi_partik(uint64_t mag, long long partik, long long olvasas_per_ms,
                        const std::function<void(const Asztal&)>& lap_elott);

}  // namespace bench
