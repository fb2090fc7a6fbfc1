#pragma once
// The players dialog "Játékosok": names edited in place, the human/computer choice
// shown but disabled, and which name field gets the focus when it opens.

#include <cstdint>
#include <string>

struct Asztal;
class Felulet;

// `Jtkosok1Click`: opens the dialog with the focus left as it was, then refreshes
// the table's name boxes.
void jatekosok_menu(Asztal& a, Felulet& f);

// `Memo2Click` .. `Memo4Click`: the focus goes to `seat`'s name field (Memo2 seat 0,
// Memo3 seat 1, Memo4 seat 2), then as `jatekosok_menu`.
void nevdoboz_kattintas(Asztal& a, Felulet& f, int32_t seat);

// The name field `FormActivate` focuses: 1..3 for `Edit1` .. `Edit3`.
int32_t fokusz_edit(const Asztal& a);

// `Edit1Exit` .. `Edit3Exit`: the field's text becomes the seat's name, as typed.
void nev_beallitas(Asztal& a, int32_t seat, const std::string& nev);

// `RadioButton1Click` .. `RadioButton6Click`: odd buttons "ember", even " gép";
// 1/2 seat 0, 3/4 seat 1, 5/6 seat 2.
void tipus_kattintas(Asztal& a, int32_t radio);

// After the dialog closes: Memo2 the bottom seat `ember_helye`, Memo3 the next,
// Memo4 the one after.
void nevdobozok_frissitese(Asztal& a);
