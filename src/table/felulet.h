#pragma once
// The other half of the seam: what the table flow must wait for, the person or the
// clock. The main window implements it with the real dialogs and a single-shot
// timer; tests implement it with a script.

#include <string>

struct Asztal;
struct Elszamolas;

class Felulet {
public:
    virtual ~Felulet() = default;

    // "Hellóbelló": one line of text and "OK", modal.
    virtual void uzenet(Asztal& a, const std::string& szoveg) = 0;
    // "Licitálás", modal. Returns when "Kész" was accepted; `a.licit_dlg` then
    // holds the choice and `a.uj_licit_ertek` its value.
    virtual void licit_dialogus(Asztal& a) = 0;
    // "Tromfolósdi", modal. Returns with `a.adu` set to the chosen suit.
    virtual void adu_dialogus(Asztal& a) = 0;
    // "Jelentések és kontrák", modal, prepared in `a.bej_dlg`. Returns after "Kész".
    virtual void bejelentes_dialogus(Asztal& a) = 0;
    // "Eredménytáblázat", modal: the settlement just made.
    virtual void eredmeny_tabla(Asztal& a, const Elszamolas& e) = 0;
    // "Játékosok", modal.
    virtual void jatekosok_dialogus(Asztal& a) = 0;
    // Show the table as it is now, wait 1000 ms, then click `Button1`. The window
    // drops the click when the phase or the deal changed meanwhile.
    virtual void szunet_es_kattintas(Asztal& a) = 0;
    // Repaint the window now (before a computer announcement, say).
    virtual void ujrarajzolas(Asztal& a) = 0;
};
