#pragma once
// The analysis commands of the main window: "Elemzés" and "Variáció" run the search
// for the seat on turn and write a report into the table log `Memo1`; "Kinél" dumps
// every seat's card-location table.

struct Asztal;

// `Szmll1Click` / `SpeedButton2Click`: in play only; the search of the actual deal.
void elemzes_jelentes(Asztal& a);

// `Varici1Click` / `SpeedButton3Click`: in play only; the search over every
// distribution of the cards the player on turn has not seen.
void variacio_jelentes(Asztal& a);

// `SpeedButton4Click` ("Kinél"): at any phase, appends 99 lines (per seat its number
// and 32 lines "suit rank value") without clearing the log.
void kinel_jelentes(Asztal& a);
