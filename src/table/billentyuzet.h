#pragma once
// Playing from the keyboard: which card of the bottom row a key picks, and what
// Enter and Space do. The window marks the picked card and presses what these say.

#include <cstdint>
#include <vector>

struct Asztal;
struct AsztalNezet;

// The bottom row's pictures a key can pick, left to right as they lie: Image1 ..
// Image10, then Image13 and Image14 (the talon's cards during the exchange), each
// shown face up.
std::vector<int32_t> valaszthato_kepek(const AsztalNezet& n);

// The picture picked by Left (`irany` -1) or Right (+1) from `most` (0: none picked;
// then Right picks the first card and Left the last). The row's ends stop it.
int32_t leptetes(const AsztalNezet& n, int32_t most, int32_t irany);

// Key 1..9 picks Image1 .. Image9, key 0 Image10, when that card can be picked; 0 if not.
int32_t szamgomb(const AsztalNezet& n, int32_t szam);

// The pick after the table changed: none while the table waits for no card of the
// human's (a mark would claim a card can act); else `most` while it can still be
// picked, else the nearest card left of it (the row closes up when a card leaves it).
int32_t igazitas(const Asztal& a, int32_t most);

// What Enter does: the picked card (its picture, 1..14) while the table waits for
// one of the human's cards (a discard or a card to play), else 0 for the main
// button when it shows, else -1 for nothing. Space is the same without the button.
int32_t enter_celja(const Asztal& a, int32_t valasztott);
