#pragma once
// The card choice's count: not every root card's count, only enough of them to know
// which card the full counts would choose (the highest count, equal counts settled by
// the choice's own scores). One card is counted over every distribution; every other
// card only until its count can no longer reach it (or only tie it, where the scores
// settle the tie against it), trying first the distributions
// where the leading card fails, since that is where the others fail too.

#include "analysis/gyors_elosztasok.h"

namespace gyors {

// The counts the choice reads: per slot, the distributions found favourable so far,
// such that the slots with the highest count are those of the full counts, each with
// its full count; `jo` is that count, `kesz` the distributions looked at. When
// `f.lejart` comes back set, the clock cut the count off and the counts are partial.
// `elsobbseg`: see `VariacioBeallitas`.
Osszeg verseny(Futas& f, const int32_t* elsobbseg = nullptr);

}  // namespace gyors
