#pragma once
// The deal editor "Kártyalap szerkesztő": the user lays out the first bidder's ten
// cards, the talon and optionally the other two hands; the rest is dealt at random
// and the next "Új parti" plays this deal. State: `valaszthato`, `szerk_sor`,
// `szerk_hely` of the table; the window only shows what `szerkeszto_nezet` says.

#include <cstdint>
#include <string>

struct Asztal;

inline constexpr const char* SZERK_NINCS_KESZ = "Nincs befejezve a kiválasztás!";

// Rows in filling order (`szerk_sor`).
enum : int32_t { SZ_ELSO_KEZ = 0, SZ_TALON = 1, SZ_MASODIK_KEZ = 2, SZ_HARMADIK_KEZ = 3,
                 SZ_KESZ = 4 };

// The 32 picker pictures in layout order: rows "Piros", "Tök", "Zöld", "Makk", each
// "Ász", "10", "Király", "Felső", "Alsó", "9", "8", "7". Index 0..31.
int32_t valaszto_szin(int32_t index);
int32_t valaszto_ertek(int32_t index);
// The control number of picker index 0..31: Image1 .. Image20, Image22 .. Image33.
int32_t valaszto_image(int32_t index);
// The picker index of a control number, -1 for 21 and anything outside 1..33.
int32_t valaszto_index(int32_t image);

// What the editor window shows: per picture the picture number (0..31 a face,
// `HATLAP` the back). `cel` is Image34 .. Image65 in control order: first hand
// 34..43, talon 44..45, second hand 46..55, third hand 56..65.
struct SzerkesztoNezet {
    int32_t valaszto[32];
    int32_t cel[32];
    std::string edit1;  // hidden: whole part of `licit_ertek`
};
SzerkesztoNezet szerkeszto_nezet(const Asztal& a);

// `Szerkeszts1Click`: only with no deal running. Marks every card choosable, starts
// at the first bidder's first slot, moves the dealer on, clears every `talonnal` and
// knowledge table and sets `kezi_osztas`. Returns whether the editor is to be shown.
bool szerkeszto_nyitas(Asztal& a);

// `Image1Click` .. `Image33Click`: the card goes to the next free place of the row
// being filled. A card already chosen, or every row full, changes nothing.
void szerkeszto_valasztas(Asztal& a, int32_t szin, int32_t ertek);

// What "Kész" decided.
enum class SzerkKesz {
    Marad,    // first hand done, talon not chosen yet: nothing happens
    Bezar,    // the deal is complete (the rest dealt at random): close
    Uzenet,   // show `SZERK_NINCS_KESZ` and stay open
};
// `Button1Click` ("Kész").
SzerkKesz szerkeszto_kesz(Asztal& a);

// The editor closed without "Kész" (Escape, the window manager): the half-laid
// cards must not reach the next deal, so it is shuffled as usual, from the dealer
// there was before the editor opened.
void szerkeszto_elvetes(Asztal& a);
