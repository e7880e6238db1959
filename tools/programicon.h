#pragma once

// The program's icon: a small stack of white paper sheets with black
// outlines, grey text lines and a curled lower-right corner.

#include <QDir>

namespace velmo::artwork {

// Writes into folder: velmo-newspaper-16.png and -32.png (16-colour pixel
// art), -48.png, -64.png and -128.png (full colour), velmo-newspaper.ico
// (the 16 and 32 pixel images) and velmo-newspaper.svg. Returns false if a
// file could not be written.
bool writeProgramIcon(const QDir& folder);

} // namespace velmo::artwork
