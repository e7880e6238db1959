#pragma once

namespace velmo {

// Exposes the page's labels to assistive technology as static text named by
// their caption, and its picture boxes as graphics named by what they show.
void installPageAccessibility();

} // namespace velmo
