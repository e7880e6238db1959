#pragma once

namespace velmo {

// Exposes the page to assistive technology: the window as a frame named by
// its title, the labels as static text named by their caption and the
// picture boxes as graphics named by what they show.
void installPageAccessibility();

} // namespace velmo
