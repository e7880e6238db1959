#pragma once

namespace velmo {

// Exposes the page to assistive technology: the window as a frame named by
// its title and the labels as static text named by their caption. The
// picture boxes need nothing: Qt reports a label with a picture as a
// graphic, named by its accessible name.
void installPageAccessibility();

} // namespace velmo
