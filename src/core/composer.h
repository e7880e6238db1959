#pragma once

#include "pagecontent.h"

namespace velmo {

class RandomSource;

// Composes one whole page with exactly thirteen draws, in this order:
// portrait, headline, the six article phrases (time, place, subject, action,
// commenter, comment), topic, topic word, and the three advertisements. The
// same thirteen values always give the same page. Throws FloatingPointError,
// with nothing drawn after it, when a value breaks a draw's arithmetic.
PageContent composePage(RandomSource& source);

// The page of a new run: seeds the source from the clock, so that separate
// starts of the program normally show different pages, and composes it.
PageContent composeFreshPage(RandomSource& source);

} // namespace velmo
