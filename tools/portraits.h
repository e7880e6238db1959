#pragma once

// The portraits of the people in the news, shown in the page's portrait box.

#include <QPainter>
#include <QSize>

namespace velmo::artwork {

// The portrait box shows 93 x 101 pixels inside its frame.
inline constexpr QSize kPortraitSize(93, 101);
inline constexpr int kPortraitCount = 10;

// Draws portrait number (1 to kPortraitCount) over the whole of a
// kPortraitSize picture. Every portrait has a black privacy bar over the eyes.
void drawPortrait(QPainter& p, int number);

} // namespace velmo::artwork
