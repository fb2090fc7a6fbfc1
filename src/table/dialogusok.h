#pragma once
// The decisions of the three modal dialogs of a deal, on their plain state in the
// table (`licit_dlg`, `adu_dlg`, `bej_dlg`). The windows only mirror these states.

#include <cstdint>
#include <string>

#include "model/licit.h"

struct Asztal;

// --- "Licitálás" ---------------------------------------------------------------
// Controls by flag position: 0..7 the check boxes "Passz" .. "Terített Durchmars",
// 8..13 the radio buttons "Betli" .. "Terített Durchmars" (one group).

// "Passz" ticked and every other control clear, as the auction leaves the dialog
// before and after each human turn. Writes neither the value nor the value field.
void licit_dlg_passzra(Asztal& a);

// A click on control `i`, which is now checked or not (a radio button is always
// checked by its click). Applies the exclusions when the control became checked,
// then writes the value of the choice into `uj_licit_ertek` and the value field.
void licit_kattintas(Asztal& a, int32_t i, bool bejelolve);

// The fourteen controls read as a bid.
Licit licit_dlg_licit(const Asztal& a);

// "Kész": empty when the dialog may close, otherwise the refusal to show
// ("Valamit licitálni kell!", "Túl kicsi a vállalás!").
std::string licit_kesz(const Asztal& a);

// --- "Tromfolósdi" -------------------------------------------------------------
// RadioButton1 "Tök" (adu 2), RadioButton2 "Zöld" (1), RadioButton3 "Makk" (0).

void adu_dlg_uritese(Asztal& a);
// A click on radio button 1..3: checks it alone and sets the trump at once.
void adu_kattintas(Asztal& a, int32_t radio);
// "Kész": empty when a suit is chosen, else "Válassza ki az adu színét!".
std::string adu_kesz(const Asztal& a);

// --- "Jelentések és kontrák" ---------------------------------------------------
// CheckBox1 "40", CheckBox15..17 "1/2/3 darab 20", CheckBox2 "Parti",
// CheckBox3..14 the components of positions 2..13; all act on the seat `soron`.

// Prepares the dialog for `soron` (the declarer when `rekontra`) and tells whether
// any box is enabled, i.e. whether the dialog is worth showing.
bool bejelentes_elokeszites(Asztal& a, bool rekontra);

// A click on an enabled box 1..17, now checked or not; writes the seat's field.
// The three twenty boxes act as one choice. Clicks on disabled boxes are ignored.
void bejelentes_kattintas(Asztal& a, int32_t doboz, bool bejelolve);

// "Kész": the announced melds in tens, `bemondott` = 4 x forty + 2 x twenties.
void bejelentes_kesz(Asztal& a);

// The contra position (0, 2..13) of boxes 2..14.
inline int32_t kontra_pozicio(int32_t doboz) {
    return doboz == 2 ? 0 : doboz - 1;
}
