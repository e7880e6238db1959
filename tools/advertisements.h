#pragma once

// The advertisements of the page's ad column, shown in its three ad boxes.

#include <QPainter>
#include <QSize>

namespace velmo::artwork {

// Each advertisement box shows 93 x 109 pixels inside its frame.
inline constexpr QSize kAdvertisementSize(93, 109);
inline constexpr int kAdvertisementCount = 12;

// Draws advertisement number (1 to kAdvertisementCount) over the whole of a
// kAdvertisementSize picture.
void drawAdvertisement(QPainter& p, int number);

} // namespace velmo::artwork
