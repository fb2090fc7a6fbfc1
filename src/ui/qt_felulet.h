#pragma once
// The seam's half that waits for the person or the clock, done with the real
// dialogs of the program.

#include "table/felulet.h"

class TForm1;

class QtFelulet : public Felulet {
public:
    explicit QtFelulet(TForm1& ablak) : ablak_(ablak) {}

    void uzenet(Asztal& a, const std::string& szoveg) override;
    void licit_dialogus(Asztal& a) override;
    void adu_dialogus(Asztal& a) override;
    void bejelentes_dialogus(Asztal& a) override;
    void eredmeny_tabla(Asztal& a, const Elszamolas& e) override;
    void jatekosok_dialogus(Asztal& a) override;
    void szunet_es_kattintas(Asztal& a) override;
    void ujrarajzolas(Asztal& a) override;

    // The pause before a computer card; window tests shorten it.
    int szunet_ms = 1000;

    // The computer's choice has come back from its worker: a card whose pause is
    // over comes now.
    void kereses_kesz(Asztal& a);

private:
    // The click a pause left pending: dropped when the phase or the deal changed,
    // held back while a modal dialog is open or the choice is still being made.
    void fuggo_kattintas(Asztal& a, int fazis, unsigned parti);

    TForm1& ablak_;
    // The pause is over and the click waits for the search.
    bool var_ = false;
    int var_fazis_ = 0;
    unsigned var_parti_ = 0;
};
