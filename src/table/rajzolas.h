#pragma once
// Drawing the table into its plain description (`Asztal::nezet`), and the clicks
// that only change what the table holds in the auction: the talon, the eleventh and
// twelfth hand positions, and the re-sorting of the bottom hand.

#include <cstdint>

struct Asztal;
struct AsztalNezet;

// What the main window shows when it opens: card backs in the bottom row and the
// talon, positions 11 and 12 hidden, an empty log and "Új parti" on the main button.
void ablak_indulas(Asztal& a);

// The current trick, the seat names and the opponents' hands.
void asztal_rajzolas(Asztal& a);
// What the table shows while the person holds the mouse on the trick area: the
// table as it is, with the last completed trick on the trick pictures (and, with no
// human or three, the names turned as when its last card fell). False, and `ki`
// untouched, outside play or before the first trick is complete.
bool utolso_utes_nezet(const Asztal& a, AsztalNezet& ki);

// `db` cards (0..12) of `seat`'s hand face up in the bottom row.
void kez_rajzolas(Asztal& a, int32_t seat, int32_t db);

// How many cards `seat` still holds while the current trick is under way
// (10 for everyone while no deal runs).
int32_t kezben_tartott(const Asztal& a, int32_t seat);

// `Image11Click` / `Image12Click`: the talon, in the auction only.
void talon_kattintas(Asztal& a);
// `Image13Click`: discard the eleventh card (phases 1 and 2).
void image13_kattintas(Asztal& a);
// `Image14Click`: discard the twelfth card (phase 1).
void image14_kattintas(Asztal& a);
// `SpeedButton7Click` ("Átrendezés"): toggles colour-game and no-trump order.
void atrendezes(Asztal& a);

// "Új játék" (menu): the running deal is dropped unsettled; the main button reads
// "Új parti" again but keeps its visibility. (A new game's balances and record of
// deals go back to nothing through `jatek_nullazas`, scoring/statisztika.h; the
// window writes the kept file after the handler.)
void uj_jatek(Asztal& a);
// The tool-bar "Új parti": the same, with the main button shown and "Passz" hidden.
void uj_parti_gomb(Asztal& a);
