#pragma once
// The exhaustive search: the play of the remaining tricks, for the actual deal or
// over every distribution of the cards the player has not seen.

#include <cstdint>

#include "model/asztal.h"

// 1 made, -1 failed, 0 not yet decided, at the search position.
int32_t kiertekeles(const Asztal& a, const Jatekos& rec, const Licit& flagek);

// The AND-OR search from the real position over `rec.elosztas` and `rec.hol`, which
// the caller prepares. Restores the trick tables and counters.
ElemzesEredmeny jatek_kereses(Asztal& a, Jatekos& rec);

// The search of the actual deal, every card where it really is.
ElemzesEredmeny elemzes(Asztal& a, Jatekos& rec);

// The search over every distribution of the unseen cards.
ElemzesEredmeny variacio(Asztal& a, Jatekos& rec);

// Whether a distribution is admitted (Ulti: the trump 7 with the declarer).
bool elosztas_szures(const Asztal& a, const Jatekos& rec);
// Sorts the three working hands like `kez_rendezes`.
void elosztas_rendezes(const Asztal& a, Jatekos& rec);
