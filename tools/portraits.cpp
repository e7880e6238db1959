#include "portraits.h"

#include "drawingkit.h"

#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <cmath>
#include <numbers>
#include <utility>

namespace velmo::artwork {

namespace {

// The privacy bar: a solid black band, pixel-aligned, 9 pixels high, over the
// eyes of every portrait; the caption under the portrait explains it.
void privacyBar(QPainter& p, int top, int left, int right)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(left, top, right - left, 9), Qt::black);
    p.restore();
}

// Shoulders and chest of a figure, from the neck down to the bottom edge.
// neckLeft and neckRight are where the collar meets the neck at height top;
// spread is how far the shoulders reach out from the neck.
QPainterPath torso(qreal neckLeft, qreal neckRight, qreal top, qreal spread, qreal bottom)
{
    QPainterPath path;
    path.moveTo(neckLeft - spread - 4, bottom + 2);
    path.lineTo(neckLeft - spread, top + 14);
    path.quadTo(neckLeft - spread + 2, top + 2, neckLeft, top);
    path.lineTo(neckRight, top);
    path.quadTo(neckRight + spread - 2, top + 2, neckRight + spread, top + 14);
    path.lineTo(neckRight + spread + 4, bottom + 2);
    path.closeSubpath();
    return path;
}

// Hair that covers the top of a head: the outer oval minus the part of the
// face that stays bare.
QPainterPath hairCap(const QRectF& outer, const QRectF& bareFace)
{
    return ellipse(outer).subtracted(ellipse(bareFace));
}

const QColor kSkin(244, 204, 166);
const QColor kSkinShade(222, 170, 128);
const QColor kBlush(242, 150, 150, 150);
const QColor kMouth(150, 40, 45);

// Portrait 1: the prime minister at a press conference.
void drawPrimeMinister(QPainter& p)
{
    verticalGradient(p, QRectF(0, 0, 93, 101), QColor(58, 92, 160), QColor(30, 52, 104));
    // The national flag on its stand behind him.
    line(p, {10, 4}, {10, 101}, QColor(200, 170, 80), 2);
    inked(p, roundedRect(QRectF(11, 6, 22, 16), 0.5), QColor(250, 250, 250), 1);
    filledEllipse(p, QRectF(17.5, 9.5, 9, 9), QColor(210, 30, 45));

    const QColor suit(34, 40, 58);
    inked(p, torso(38, 55, 72, 24, 101), suit);
    inked(p, polygon({{37, 72}, {56, 72}, {46.5, 94}}), Qt::white, 1);
    // Tie with stripes.
    const QPainterPath tie = polygon({{43.5, 77}, {49.5, 77}, {52, 95}, {46.5, 101}, {41, 95}});
    inked(p, tie, QColor(200, 28, 45), 1);
    p.save();
    p.setClipPath(tie);
    for (int y = 74; y < 104; y += 5)
        line(p, {38, qreal(y)}, {56, qreal(y) - 6}, QColor(120, 10, 25), 1.5);
    p.restore();
    inked(p, polygon({{42.5, 72}, {50.5, 72}, {49.5, 78}, {43.5, 78}}), QColor(200, 28, 45), 1);
    // Lapels and the party pin.
    line(p, {36, 73}, {45, 100}, QColor(20, 24, 36), 1.2);
    line(p, {57, 73}, {48, 100}, QColor(20, 24, 36), 1.2);
    inkedEllipse(p, QRectF(26, 82, 4, 4), QColor(240, 200, 60), 0.8);

    // Neck, ears, face.
    p.setPen(inkPen());
    p.setBrush(kSkin);
    p.drawRect(QRectF(39, 60, 15, 13));
    inkedEllipse(p, QRectF(22, 37, 9, 13), kSkin);
    inkedEllipse(p, QRectF(62, 37, 9, 13), kSkin);
    inkedEllipse(p, QRectF(26, 17, 41, 49), kSkin);
    // Grey hair with a neat side parting.
    inked(p, hairCap(QRectF(23.5, 11, 46, 40), QRectF(29, 24, 35, 46)), QColor(150, 150, 155));
    line(p, {37, 13}, {33, 25}, QColor(95, 95, 100), 1.2);
    line(p, {42, 15}, {62, 19}, QColor(190, 190, 195), 1);
    // Stern eyebrows.
    line(p, {31, 33}, {41, 31.5}, QColor(70, 70, 75), 2.6);
    line(p, {52, 31.5}, {62, 33}, QColor(70, 70, 75), 2.6);
    privacyBar(p, 35, 21, 73);
    // Nose, cheek lines and the mouth in mid-sentence.
    stroked(p, arc({46, 46}, {43, 52}, {47.5, 52}), kSkinShade.darker(130), 1.2);
    stroked(p, arc({35, 50}, {34, 55}, {37, 59}), kSkinShade, 1);
    stroked(p, arc({58, 50}, {59, 55}, {56, 59}), kSkinShade, 1);
    inkedEllipse(p, QRectF(41, 55.5, 11, 6), kMouth, 1);

    // Microphones of the press.
    const std::array<std::pair<qreal, QColor>, 3> microphones = {{
        {24, QColor(230, 60, 60)}, {69, QColor(60, 170, 230)}, {80, QColor(250, 200, 40)}}};
    for (const auto& [x, flag] : microphones) {
        line(p, {x, 101}, {x + (x < 46 ? 4 : -4), 86}, QColor(60, 60, 60), 2);
        const QPointF head(x + (x < 46 ? 4.5 : -4.5), 83);
        inked(p, roundedRect(QRectF(head.x() - 4, head.y() - 1, 8, 6), 1), flag, 0.8);
        inkedEllipse(p, QRectF(head.x() - 3.5, head.y() - 8, 7, 8), QColor(45, 45, 45), 0.8);
    }
}

// Portrait 2: a bald old man with a flowing white beard.
void drawOldMan(QPainter& p)
{
    QRadialGradient glow(QPointF(46, 40), 70);
    glow.setColorAt(0, QColor(214, 236, 190));
    glow.setColorAt(1, QColor(120, 170, 100));
    p.fillRect(QRectF(0, 0, 93, 101), glow);

    const QColor kimono(122, 80, 48);
    inked(p, torso(37, 56, 72, 26, 101), kimono);
    // Crossed kimono collar, left over right.
    inked(p, polygon({{37, 72}, {42, 72}, {56, 101}, {49, 101}}), QColor(240, 236, 220), 1);
    inked(p, polygon({{56, 72}, {51, 72}, {38, 101}, {45, 101}}), QColor(62, 40, 26), 1);

    const QColor skin(240, 200, 168);
    p.setPen(inkPen());
    p.setBrush(skin);
    p.drawRect(QRectF(39, 60, 15, 13));
    inkedEllipse(p, QRectF(19, 38, 10, 15), skin);
    inkedEllipse(p, QRectF(64, 38, 10, 15), skin);
    inkedEllipse(p, QRectF(24, 10, 45, 56), skin);
    // The shine of the bald head, and three deep wrinkles.
    filledEllipse(p, QRectF(36, 14, 12, 6), QColor(255, 255, 255, 190));
    for (int i = 0; i < 3; ++i) {
        const qreal y = 22 + i * 3.5;
        stroked(p, arc({36, y + 1}, {46.5, y - 2}, {57, y + 1}), QColor(190, 130, 100), 1);
    }
    // White tufts above the ears.
    const QColor white(250, 250, 246);
    for (const qreal side : {1.0, -1.0}) {
        const qreal x = side > 0 ? 22 : 71;
        for (int i = 0; i < 3; ++i)
            inkedEllipse(p, QRectF(x - 5 + side * i * 1.5, 26 + i * 5, 10, 8), white, 1);
    }
    // Bushy white eyebrows drooping over the bar.
    inked(p, polygon({{28, 35}, {34, 29}, {42, 31}, {41, 36}}), white, 1);
    inked(p, polygon({{65, 35}, {59, 29}, {51, 31}, {52, 36}}), white, 1);
    privacyBar(p, 36, 21, 72);
    // Round nose, rosy cheeks, then the beard and moustache.
    filledEllipse(p, QRectF(28, 46, 9, 6), kBlush);
    filledEllipse(p, QRectF(56, 46, 9, 6), kBlush);
    QPainterPath beard;
    beard.moveTo(29, 55);
    beard.quadTo(30, 70, 38, 80);
    beard.quadTo(44, 92, 46.5, 99);
    beard.quadTo(50, 92, 55, 80);
    beard.quadTo(63, 70, 64, 55);
    beard.quadTo(46.5, 66, 29, 55);
    inked(p, beard, white);
    for (const qreal x : {40.0, 46.5, 53.0})
        stroked(p, arc({x, 68}, {x + 1, 78}, {46.5 + (x - 46.5) * 0.3, 90}), QColor(200, 200, 196), 1);
    QPainterPath moustache;
    moustache.moveTo(46.5, 54);
    moustache.cubicTo(40, 50, 30, 54, 28, 63);
    moustache.cubicTo(34, 58, 42, 60, 46.5, 58);
    moustache.cubicTo(51, 60, 59, 58, 65, 63);
    moustache.cubicTo(63, 54, 53, 50, 46.5, 54);
    inked(p, moustache, white, 1.1);
    inkedEllipse(p, QRectF(41.5, 44, 10, 9), QColor(236, 170, 140), 1.1);
}

// Portrait 3: a schoolgirl in a sailor uniform.
void drawSchoolgirl(QPainter& p)
{
    p.fillRect(QRectF(0, 0, 93, 101), QColor(250, 190, 210));
    // Little hearts in the background.
    const std::array<QPointF, 6> hearts = {{{9, 12}, {82, 10}, {8, 58}, {85, 52}, {14, 36}, {79, 32}}};
    for (const QPointF& h : hearts) {
        QPainterPath heart;
        heart.moveTo(h + QPointF(0, 4));
        heart.cubicTo(h + QPointF(-7, -1), h + QPointF(-3, -6), h + QPointF(0, -2));
        heart.cubicTo(h + QPointF(3, -6), h + QPointF(7, -1), h + QPointF(0, 4));
        filled(p, heart, QColor(255, 255, 255, 200));
    }

    const QColor hair(30, 28, 36);
    // Long hair falling behind the shoulders.
    QPainterPath backHair = ellipse(QRectF(19, 9, 55, 50));
    backHair.addRoundedRect(QRectF(19, 32, 55, 60), 12, 12);
    inked(p, backHair.simplified(), hair);

    const QColor blouse(250, 250, 252);
    const QColor navy(28, 40, 92);
    inked(p, torso(39, 54, 74, 22, 101), blouse);
    // Sailor collar: a navy V with two white stripes, and a red scarf.
    const QPainterPath collar = polygon({{17, 101}, {20, 84}, {36, 74}, {46.5, 97}, {57, 74}, {73, 84},
                                         {76, 101}, {66, 101}, {58, 86}, {46.5, 101}, {35, 86}, {27, 101}});
    inked(p, collar, navy, 1.1);
    line(p, {24, 84}, {35.5, 79}, Qt::white, 1);
    line(p, {69, 84}, {57.5, 79}, Qt::white, 1);
    line(p, {35.5, 79}, {46.5, 101}, Qt::white, 1);
    line(p, {57.5, 79}, {46.5, 101}, Qt::white, 1);
    inked(p, polygon({{46.5, 88}, {36, 84}, {38, 94}}), QColor(220, 30, 50), 1);
    inked(p, polygon({{46.5, 88}, {57, 84}, {55, 94}}), QColor(220, 30, 50), 1);
    inked(p, polygon({{46.5, 88}, {42, 101}, {51, 101}}), QColor(200, 20, 40), 1);
    inkedEllipse(p, QRectF(43.5, 85.5, 6, 5), QColor(230, 40, 60), 1);

    p.setPen(inkPen());
    p.setBrush(kSkin);
    p.drawRect(QRectF(41, 60, 11, 15));
    inkedEllipse(p, QRectF(28, 21, 37, 44), kSkin);
    // Blunt-cut fringe.
    QPainterPath fringe;
    fringe.moveTo(27, 44);
    fringe.cubicTo(24, 14, 69, 14, 66, 44);
    fringe.lineTo(63, 35);
    fringe.lineTo(30, 35);
    fringe.closeSubpath();
    filled(p, fringe, hair);
    stroked(p, arc({30, 35}, {46.5, 35}, {63, 35}), kInk, 1.2);
    line(p, {37, 20}, {43, 18}, QColor(120, 120, 140), 1.2);
    // Red hair bow.
    inked(p, polygon({{60, 19}, {54, 13}, {54, 25}}), QColor(230, 40, 70), 1);
    inked(p, polygon({{60, 19}, {66, 13}, {66, 25}}), QColor(230, 40, 70), 1);
    inkedEllipse(p, QRectF(57.5, 16.5, 5, 5), QColor(250, 80, 100), 1);
    privacyBar(p, 37, 23, 70);
    filledEllipse(p, QRectF(30, 48, 9, 5), kBlush);
    filledEllipse(p, QRectF(54, 48, 9, 5), kBlush);
    stroked(p, arc({46, 50}, {45, 52}, {47, 52}), kSkinShade.darker(120), 1);
    QPainterPath mouth = arc({41, 56}, {46.5, 62}, {52, 56});
    mouth.closeSubpath();
    inked(p, mouth, QColor(200, 60, 70), 1);
}

// Portrait 4: a company president with a cigar, in front of the city.
void drawPresident(QPainter& p)
{
    p.fillRect(QRectF(0, 0, 93, 101), QColor(180, 222, 245));
    // Office towers seen through the window.
    const std::array<QRectF, 7> towers = {{{0, 40, 14, 61}, {12, 22, 16, 79}, {27, 50, 12, 51},
                                           {56, 30, 14, 71}, {69, 12, 13, 89}, {81, 44, 12, 57},
                                           {38, 58, 20, 43}}};
    for (int i = 0; i < int(towers.size()); ++i) {
        const QRectF& tower = towers[i];
        p.fillRect(tower, i % 2 == 0 ? QColor(120, 140, 170) : QColor(96, 116, 150));
        for (qreal y = tower.top() + 3; y < 101; y += 5) {
            for (qreal x = tower.left() + 2; x < tower.right() - 2; x += 4)
                p.fillRect(QRectF(x, y, 2, 2), QColor(230, 236, 180));
        }
    }
    // Window frame.
    p.fillRect(QRectF(0, 0, 93, 3), QColor(120, 84, 50));
    p.fillRect(QRectF(45, 0, 3, 101), QColor(120, 84, 50));

    const QColor suit(92, 96, 104);
    const QPainterPath body = torso(36, 57, 72, 30, 101);
    inked(p, body, suit);
    p.save();
    p.setClipPath(body);
    for (int x = 2; x < 93; x += 5)
        line(p, {qreal(x), 70}, {qreal(x), 101}, QColor(150, 154, 162), 0.8);
    p.restore();
    inked(p, polygon({{35, 72}, {58, 72}, {46.5, 96}}), Qt::white, 1);
    const QPainterPath tie = polygon({{43, 77}, {50, 77}, {53, 94}, {46.5, 101}, {40, 94}});
    inked(p, tie, QColor(30, 90, 200), 1);
    p.save();
    p.setClipPath(tie);
    for (int y = 80; y < 101; y += 5) {
        filledEllipse(p, QRectF(43.5, y, 2.4, 2.4), QColor(250, 220, 60));
        filledEllipse(p, QRectF(48, y + 2.5, 2.4, 2.4), QColor(250, 220, 60));
    }
    p.restore();
    inked(p, polygon({{42, 72}, {51, 72}, {50, 78}, {43, 78}}), QColor(30, 90, 200), 1);
    line(p, {33, 73}, {44, 100}, QColor(60, 62, 70), 1.3);
    line(p, {60, 73}, {49, 100}, QColor(60, 62, 70), 1.3);
    // A red handkerchief in the breast pocket.
    inked(p, polygon({{63, 84}, {67, 80}, {70, 84}, {73, 80}, {74, 86}, {62, 86}}), QColor(220, 40, 40), 0.8);

    p.setPen(inkPen());
    p.setBrush(kSkin);
    p.drawRect(QRectF(37, 60, 19, 13));
    inkedEllipse(p, QRectF(18, 38, 9, 13), kSkin);
    inkedEllipse(p, QRectF(66, 38, 9, 13), kSkin);
    // A wide, well-fed face with a double chin.
    inkedEllipse(p, QRectF(21, 16, 51, 52), kSkin);
    stroked(p, arc({36, 65}, {46.5, 71}, {57, 65}), kSkinShade, 1.2);
    // Slicked-back black hair with a shine.
    inked(p, hairCap(QRectF(20, 10, 53, 40), QRectF(25, 24, 43, 50)), QColor(26, 26, 30));
    stroked(p, arc({31, 18}, {44, 11}, {60, 16}), QColor(150, 150, 170), 1.3);
    // Proud eyebrows.
    line(p, {29, 34}, {41, 30}, kInk, 3);
    line(p, {52, 30}, {64, 34}, kInk, 3);
    privacyBar(p, 36, 19, 74);
    stroked(p, arc({46, 47}, {42, 53}, {48, 53}), kSkinShade.darker(130), 1.2);
    // Curled moustache.
    QPainterPath moustache;
    moustache.moveTo(46.5, 55);
    moustache.cubicTo(40, 53, 34, 57, 31, 53);
    moustache.cubicTo(31, 60, 41, 60, 46.5, 58);
    moustache.cubicTo(52, 60, 62, 60, 62, 53);
    moustache.cubicTo(59, 57, 53, 53, 46.5, 55);
    inked(p, moustache, QColor(30, 30, 34), 1);
    stroked(p, arc({40, 62}, {46.5, 64}, {52, 61}), kInk, 1.3);
    // The cigar with its glowing tip and smoke.
    p.save();
    p.translate(52, 61);
    p.rotate(-14);
    inked(p, roundedRect(QRectF(0, -2.5, 20, 5), 2), QColor(130, 80, 40), 1);
    p.fillRect(QRectF(4, -2.2, 2.5, 4.4), QColor(220, 40, 40));
    filledEllipse(p, QRectF(18, -2.2, 4, 4.4), QColor(255, 120, 40));
    p.restore();
    for (int i = 0; i < 4; ++i)
        inkedEllipse(p, QRectF(74 + i * 2.5 - (i % 2) * 4, 46 - i * 8, 7 + i, 6 + i), QColor(235, 235, 240), 0.8);
}

// Portrait 5: the personal computer that keeps making the news.
void drawComputer(QPainter& p)
{
    p.fillRect(QRectF(0, 0, 93, 101), QColor(255, 214, 70));
    p.save();
    p.setClipRect(QRectF(0, 0, 93, 101));
    for (int x = -101; x < 93; x += 12)
        line(p, {qreal(x), 101}, {qreal(x) + 101, 0}, QColor(255, 232, 140), 4);
    p.restore();

    const QColor beige(232, 224, 198);
    const QColor beigeShade(200, 190, 160);
    // Little waving arms with white gloves.
    stroked(p, arc({18, 50}, {8, 50}, {9, 34}), kInk, 3.5);
    stroked(p, arc({18, 50}, {8, 50}, {9, 34}), QColor(150, 150, 150), 2);
    stroked(p, arc({75, 50}, {86, 54}, {84, 68}), kInk, 3.5);
    stroked(p, arc({75, 50}, {86, 54}, {84, 68}), QColor(150, 150, 150), 2);
    inkedEllipse(p, QRectF(4, 26, 10, 10), Qt::white, 1.1);
    inkedEllipse(p, QRectF(79, 66, 10, 10), Qt::white, 1.1);
    // Stand and monitor.
    inked(p, polygon({{38, 70}, {55, 70}, {58, 80}, {35, 80}}), beigeShade);
    inked(p, roundedRect(QRectF(16, 9, 61, 62), 6), beige);
    inked(p, roundedRect(QRectF(22, 15, 49, 42), 5), QColor(14, 48, 40), 1.2);
    // The face on the screen, drawn in green screen pixels.
    const QColor phosphor(90, 255, 120);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    const std::array<QPoint, 11> smile = {{{32, 43}, {35, 46}, {38, 48}, {41, 49}, {44, 49}, {47, 49},
                                           {50, 49}, {53, 48}, {56, 46}, {59, 43}, {45, 44}}};
    for (int i = 0; i < int(smile.size()) - 1; ++i)
        p.fillRect(QRect(smile[i], QSize(3, 3)), phosphor);
    p.fillRect(QRect(smile.back(), QSize(3, 3)), phosphor.darker(140));
    for (int y = 17; y < 56; y += 3)
        p.fillRect(QRect(23, y, 47, 1), QColor(255, 255, 255, 18));
    p.restore();
    privacyBar(p, 26, 14, 79);
    // Floppy slot, power lamp and a sticky note on the bezel.
    p.fillRect(QRectF(24, 61, 20, 2), QColor(90, 86, 76));
    inkedEllipse(p, QRectF(65, 60, 4, 4), QColor(60, 220, 80), 0.8);
    // Keyboard.
    inked(p, polygon({{14, 86}, {79, 86}, {86, 100}, {7, 100}}), beige);
    for (int row = 0; row < 3; ++row) {
        const qreal y = 88 + row * 4;
        const qreal left = 15 - row * 2.3;
        for (int key = 0; key < 11 + row; ++key)
            p.fillRect(QRectF(left + key * 5.6, y, 4, 2.6), QColor(150, 144, 124));
    }
}

// Portrait 6: a stray researcher with wild hair and a bubbling flask.
void drawScientist(QPainter& p)
{
    p.fillRect(QRectF(0, 0, 93, 101), QColor(210, 228, 230));
    for (int i = 0; i < 93; i += 10)
        p.fillRect(QRectF(i, 0, 1, 101), QColor(184, 204, 208));
    for (int i = 0; i < 101; i += 10)
        p.fillRect(QRectF(0, i, 93, 1), QColor(184, 204, 208));

    // Lab coat over a blue shirt, with pens in the pocket.
    const QColor coat(250, 250, 250);
    inked(p, torso(37, 56, 72, 26, 101), coat);
    inked(p, polygon({{38, 72}, {55, 72}, {46.5, 90}}), QColor(120, 170, 230), 1);
    inked(p, polygon({{37, 72}, {46.5, 90}, {40, 101}, {31, 80}}), coat, 1.1);
    inked(p, polygon({{56, 72}, {46.5, 90}, {53, 101}, {62, 80}}), coat, 1.1);
    p.fillRect(QRectF(20, 84, 2, 8), QColor(220, 40, 40));
    p.fillRect(QRectF(23, 83, 2, 9), QColor(40, 80, 220));
    inked(p, roundedRect(QRectF(17, 88, 11, 10), 1), coat, 1);

    // Wild white hair standing out in every direction.
    QPainterPath hair;
    Scatter scatter(7);
    const QPointF centre(46.5, 40);
    for (int i = 0; i < 26; ++i) {
        const qreal angle = std::numbers::pi * (0.85 + 1.3 * i / 25.0);
        const qreal radius = (i % 2 == 0) ? scatter.next(33, 40) : scatter.next(22, 26);
        const QPointF point = centre + QPointF(radius * std::cos(angle) * 1.05, radius * std::sin(angle) * 0.9);
        if (i == 0)
            hair.moveTo(point);
        else
            hair.lineTo(point);
    }
    hair.lineTo(centre + QPointF(0, 12));
    hair.closeSubpath();
    inked(p, hair, QColor(246, 246, 250));

    p.setPen(inkPen());
    p.setBrush(kSkin);
    p.drawRect(QRectF(40, 60, 13, 13));
    inkedEllipse(p, QRectF(23, 37, 8, 12), kSkin);
    inkedEllipse(p, QRectF(62, 37, 8, 12), kSkin);
    inkedEllipse(p, QRectF(27, 21, 39, 46), kSkin);
    // A receding hairline: hair only at the temples.
    inked(p, hairCap(QRectF(25, 19, 43, 34), QRectF(31, 17, 31, 50)), QColor(246, 246, 250), 1);
    // Thick round glasses: their rims show above and below the bar.
    p.setPen(QPen(kInk, 2));
    p.setBrush(QColor(220, 240, 255));
    p.drawEllipse(QPointF(37.5, 40), 7.5, 7.5);
    p.drawEllipse(QPointF(55.5, 40), 7.5, 7.5);
    line(p, {30, 39}, {24, 41}, kInk, 1.6);
    line(p, {63, 39}, {69, 41}, kInk, 1.6);
    privacyBar(p, 36, 25, 68);
    stroked(p, arc({46, 48}, {43, 54}, {48, 54}), kSkinShade.darker(130), 1.2);
    QPainterPath moustache;
    moustache.moveTo(46.5, 56);
    moustache.cubicTo(40, 54, 35, 57, 35, 61);
    moustache.cubicTo(40, 58, 44, 60, 46.5, 59);
    moustache.cubicTo(49, 60, 53, 58, 58, 61);
    moustache.cubicTo(58, 57, 53, 54, 46.5, 56);
    inked(p, moustache, QColor(246, 246, 250), 1);
    inkedEllipse(p, QRectF(43, 60.5, 7, 5), kMouth, 1);

    // The flask, with something green bubbling over.
    QPainterPath flask;
    flask.moveTo(72, 70);
    flask.lineTo(78, 70);
    flask.lineTo(78, 79);
    flask.lineTo(88, 98);
    flask.lineTo(62, 98);
    flask.lineTo(72, 79);
    flask.closeSubpath();
    inked(p, flask, QColor(235, 250, 255));
    p.save();
    p.setClipPath(flask);
    p.fillRect(QRectF(60, 86, 30, 14), QColor(90, 220, 60));
    p.restore();
    p.setPen(inkPen(1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(flask);
    inkedEllipse(p, QRectF(72, 62, 6, 6), QColor(140, 240, 100), 0.9);
    inkedEllipse(p, QRectF(77, 55, 5, 5), QColor(140, 240, 100), 0.9);
    inkedEllipse(p, QRectF(73, 49, 4, 4), QColor(140, 240, 100), 0.9);
}

// Portrait 7: a very rich man with a crown.
void drawRichMan(QPainter& p)
{
    // Sunburst of gold.
    p.fillRect(QRectF(0, 0, 93, 101), QColor(250, 204, 70));
    for (int i = 0; i < 16; i += 2) {
        const qreal a = i * std::numbers::pi / 8;
        const qreal b = (i + 1) * std::numbers::pi / 8;
        const QPointF c(46.5, 40);
        filled(p, polygon({c, c + QPointF(120 * std::cos(a), 120 * std::sin(a)),
                           c + QPointF(120 * std::cos(b), 120 * std::sin(b))}),
               QColor(255, 226, 120));
    }
    // Gold coins.
    const std::array<QPointF, 4> coins = {{{10, 14}, {82, 18}, {7, 62}, {86, 64}}};
    for (const QPointF& coin : coins) {
        inkedEllipse(p, QRectF(coin.x() - 6, coin.y() - 6, 12, 12), QColor(240, 180, 30), 1);
        inkedEllipse(p, QRectF(coin.x() - 3.5, coin.y() - 3.5, 7, 7), QColor(255, 214, 80), 0.7);
    }

    // Red velvet cape with an ermine collar.
    inked(p, torso(36, 57, 73, 30, 101), QColor(180, 20, 40));
    const QPainterPath fur = polygon({{14, 88}, {22, 76}, {36, 72}, {46.5, 84}, {57, 72}, {71, 76}, {79, 88},
                                      {68, 90}, {57, 80}, {46.5, 92}, {36, 80}, {25, 90}});
    inked(p, fur, Qt::white, 1.1);
    for (const QPointF& spot : {QPointF(23, 82), QPointF(32, 78), QPointF(70, 82), QPointF(61, 78),
                                QPointF(43, 85), QPointF(51, 85)})
        p.fillRect(QRectF(spot.x() - 0.8, spot.y() - 1.5, 1.6, 3), kInk);
    // Gold chain and medallion.
    stroked(p, arc({34, 74}, {46.5, 100}, {59, 74}), QColor(200, 150, 20), 2.2);
    inkedEllipse(p, QRectF(40, 86, 13, 13), QColor(250, 200, 40), 1.1);
    sparkle(p, {46.5, 92.5}, 4, Qt::white);

    p.setPen(inkPen());
    p.setBrush(kSkin);
    p.drawRect(QRectF(38, 62, 17, 12));
    // Curly brown hair at the sides.
    for (const qreal x : {22.0, 64.0}) {
        for (int i = 0; i < 3; ++i)
            inkedEllipse(p, QRectF(x - 1 + (x < 46 ? -i : i), 28 + i * 7, 9, 9), QColor(140, 80, 40), 1);
    }
    inkedEllipse(p, QRectF(23, 20, 47, 50), kSkin);
    stroked(p, arc({36, 67}, {46.5, 73}, {57, 67}), kSkinShade, 1.2);
    // The crown.
    const QPainterPath crown = polygon({{27, 27}, {25, 8}, {34, 17}, {40, 3}, {46.5, 14}, {53, 3}, {59, 17},
                                        {68, 8}, {66, 27}});
    inked(p, crown, QColor(250, 196, 30));
    p.fillRect(QRectF(27, 21, 39, 1.2), QColor(200, 140, 20));
    for (const QPointF& gem : {QPointF(33, 24), QPointF(46.5, 24), QPointF(60, 24)})
        inkedEllipse(p, QRectF(gem.x() - 2.5, gem.y() - 2.5, 5, 5), gem.x() == 46.5 ? QColor(30, 90, 220) : QColor(220, 30, 50), 0.8);
    for (const QPointF& pearl : {QPointF(25, 8), QPointF(40, 3), QPointF(53, 3), QPointF(68, 8)})
        inkedEllipse(p, QRectF(pearl.x() - 2, pearl.y() - 2, 4, 4), Qt::white, 0.8);
    // Raised eyebrows, a laugh with a gold tooth.
    stroked(p, arc({31, 34}, {36, 29}, {41, 33}), QColor(120, 70, 40), 2.4);
    stroked(p, arc({52, 33}, {57, 29}, {62, 34}), QColor(120, 70, 40), 2.4);
    privacyBar(p, 36, 20, 73);
    filledEllipse(p, QRectF(27, 48, 10, 6), kBlush);
    filledEllipse(p, QRectF(56, 48, 10, 6), kBlush);
    stroked(p, arc({46, 47}, {42, 53}, {48, 53}), kSkinShade.darker(130), 1.2);
    QPainterPath mouth;
    mouth.moveTo(36, 56);
    mouth.lineTo(57, 56);
    mouth.quadTo(55, 68, 46.5, 68);
    mouth.quadTo(38, 68, 36, 56);
    inked(p, mouth, kMouth, 1.2);
    p.fillRect(QRectF(38, 56.6, 17, 3), Qt::white);
    p.fillRect(QRectF(48, 56.6, 3.5, 3), QColor(250, 200, 30));
}

// Portrait 8: the boy idol of the pop group ﾓｰﾆﾝｸﾞ息子, singing.
void drawIdol(QPainter& p)
{
    verticalGradient(p, QRectF(0, 0, 93, 101), QColor(70, 20, 110), QColor(150, 40, 140));
    filled(p, polygon({{30, 0}, {63, 0}, {93, 101}, {0, 101}}), QColor(255, 255, 255, 40));
    Scatter scatter(11);
    for (int i = 0; i < 9; ++i) {
        const QPointF at(scatter.next(3, 90), scatter.next(3, 60));
        if (QRectF(18, 5, 58, 70).contains(at))
            continue;
        filled(p, star(at, 4.5, 1.9), QColor(255, 236, 90));
    }

    // Sparkly jacket with a popped collar.
    const QPainterPath jacket = torso(39, 54, 73, 26, 101);
    inked(p, jacket, QColor(40, 170, 230));
    p.save();
    p.setClipPath(jacket);
    Scatter sequins(3);
    for (int i = 0; i < 40; ++i)
        filledEllipse(p, QRectF(sequins.next(0, 93), sequins.next(72, 101), 1.6, 1.6), QColor(230, 250, 255));
    p.restore();
    inked(p, polygon({{39, 73}, {54, 73}, {46.5, 96}}), QColor(250, 250, 250), 1);
    inked(p, polygon({{39, 73}, {30, 66}, {33, 82}, {44, 88}}), QColor(30, 130, 200), 1.1);
    inked(p, polygon({{54, 73}, {63, 66}, {60, 82}, {49, 88}}), QColor(30, 130, 200), 1.1);
    inked(p, star({26, 88}, 5, 2.2), QColor(255, 220, 40), 0.8);

    p.setPen(inkPen());
    p.setBrush(kSkin);
    p.drawRect(QRectF(41, 60, 11, 14));
    // Spiky orange hair.
    const QPainterPath spikes = polygon({{22, 44}, {16, 30}, {23, 28}, {18, 14}, {30, 18}, {31, 4}, {41, 13},
                                         {48, 1}, {54, 12}, {64, 3}, {64, 17}, {77, 14}, {70, 28}, {77, 31},
                                         {71, 44}});
    inked(p, spikes, QColor(240, 140, 40));
    inkedEllipse(p, QRectF(24, 37, 8, 12), kSkin);
    inkedEllipse(p, QRectF(61, 37, 8, 12), kSkin);
    // A gold earring.
    p.setPen(QPen(QColor(230, 180, 30), 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(24, 47, 4, 5));
    // Slim face with a pointed chin.
    QPainterPath face;
    face.moveTo(29, 30);
    face.cubicTo(28, 52, 38, 66, 46.5, 68);
    face.cubicTo(55, 66, 65, 52, 64, 30);
    face.cubicTo(58, 18, 35, 18, 29, 30);
    inked(p, face, kSkin);
    // Fringe falling over the forehead.
    inked(p, polygon({{27, 34}, {30, 20}, {62, 19}, {67, 34}, {58, 27}, {55, 36}, {48, 27}, {42, 37},
                      {38, 27}, {31, 38}}),
          QColor(240, 140, 40));
    line(p, {40, 16}, {52, 14}, QColor(255, 200, 120), 1.3);
    privacyBar(p, 37, 24, 70);
    stroked(p, arc({46, 48}, {44, 53}, {48, 53}), kSkinShade.darker(130), 1.1);
    // Singing mouth and a hand microphone.
    QPainterPath mouth;
    mouth.moveTo(41, 56);
    mouth.quadTo(46.5, 54, 51, 56);
    mouth.quadTo(50, 64, 46, 63);
    mouth.quadTo(41, 62, 41, 56);
    inked(p, mouth, kMouth, 1);
    filledEllipse(p, QRectF(43, 59.5, 5, 3), QColor(230, 110, 120));
    line(p, {60, 66}, {72, 92}, kInk, 5);
    line(p, {60, 66}, {72, 92}, QColor(60, 60, 66), 3);
    inkedEllipse(p, QRectF(54, 57, 11, 11), QColor(200, 200, 210), 1.1);
    line(p, {56, 60}, {62, 66}, QColor(140, 140, 150), 0.8);
    line(p, {61, 59}, {57, 66}, QColor(140, 140, 150), 0.8);
    inkedEllipse(p, QRectF(62, 76, 12, 11), kSkin, 1.1);
    // Musical notes.
    for (const QPointF& note : {QPointF(78, 50), QPointF(12, 56)}) {
        inkedEllipse(p, QRectF(note.x() - 3, note.y() + 6, 5, 4), Qt::white, 0.8);
        line(p, note + QPointF(1.8, 8), note + QPointF(1.8, -2), Qt::white, 1.2);
        line(p, note + QPointF(1.8, -2), note + QPointF(6, 1), Qt::white, 1.2);
    }
}

// Portrait 9: the lady from next door, with her purple perm.
void drawNeighbourLady(QPainter& p)
{
    p.fillRect(QRectF(0, 0, 93, 101), QColor(255, 210, 140));
    for (int y = 0; y < 101; y += 14)
        p.fillRect(QRectF(0, y, 93, 7), QColor(255, 196, 118));

    // Leopard-print top and a pearl necklace.
    const QPainterPath top = torso(38, 55, 73, 27, 101);
    inked(p, top, QColor(236, 168, 60));
    p.save();
    p.setClipPath(top);
    Scatter scatter(5);
    for (int i = 0; i < 22; ++i) {
        const QRectF spot(scatter.next(4, 88), scatter.next(74, 100), 5, 4);
        p.setPen(QPen(QColor(60, 30, 10), 1.3));
        p.setBrush(QColor(180, 100, 30));
        p.drawEllipse(spot);
    }
    p.restore();
    p.setPen(inkPen());
    p.setBrush(kSkin);
    p.drawRect(QRectF(39, 60, 15, 14));
    inked(p, arc({38, 73}, {46.5, 84}, {55, 73}), kSkin);
    for (int i = 0; i <= 8; ++i) {
        const qreal t = i / 8.0;
        const qreal x = 35 + 23 * t;
        const qreal y = 74 + 16 * (1 - (2 * t - 1) * (2 * t - 1));
        inkedEllipse(p, QRectF(x - 2, y - 2, 4, 4), Qt::white, 0.7);
    }

    // The perm: rows of tight purple curls.
    const QColor perm(150, 80, 180);
    for (const QPointF& curl :
         {QPointF(26, 40), QPointF(67, 40), QPointF(24, 31), QPointF(69, 31), QPointF(25, 22), QPointF(68, 22),
          QPointF(31, 14), QPointF(62, 14), QPointF(40, 9), QPointF(53, 9), QPointF(46.5, 8), QPointF(35, 21),
          QPointF(58, 21), QPointF(46.5, 17)})
        inkedEllipse(p, QRectF(curl.x() - 6.5, curl.y() - 6.5, 13, 13), perm, 1.1);
    for (const QPointF& curl : {QPointF(26, 40), QPointF(67, 40), QPointF(24, 31), QPointF(69, 31), QPointF(25, 22),
                                QPointF(68, 22), QPointF(31, 14), QPointF(62, 14), QPointF(40, 9), QPointF(53, 9),
                                QPointF(46.5, 8)})
        stroked(p, arc(curl + QPointF(-3, 1), curl + QPointF(0, -3.5), curl + QPointF(3, 1)), perm.lighter(140), 1);
    QPainterPath face;
    face.addEllipse(QRectF(28, 25, 37, 43));
    inked(p, face, kSkin);
    for (const QPointF& curl : {QPointF(33, 26), QPointF(42, 23), QPointF(51, 23), QPointF(60, 26)}) {
        inkedEllipse(p, QRectF(curl.x() - 5.5, curl.y() - 5.5, 11, 11), perm, 1.1);
        stroked(p, arc(curl + QPointF(-2.5, 1), curl + QPointF(0, -3), curl + QPointF(2.5, 1)), perm.lighter(140), 1);
    }
    // Big gold hoop earrings.
    p.setPen(QPen(QColor(230, 170, 20), 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(21, 48, 9, 10));
    p.drawEllipse(QRectF(63, 48, 9, 10));
    privacyBar(p, 37, 24, 69);
    filledEllipse(p, QRectF(29, 48, 10, 7), QColor(250, 120, 140, 170));
    filledEllipse(p, QRectF(54, 48, 10, 7), QColor(250, 120, 140, 170));
    stroked(p, arc({46, 48}, {44, 53}, {48, 53}), kSkinShade.darker(130), 1.1);
    // A loud laugh in bright red lipstick.
    QPainterPath mouth;
    mouth.moveTo(37, 56);
    mouth.quadTo(46.5, 53, 56, 56);
    mouth.quadTo(53, 67, 46.5, 67);
    mouth.quadTo(40, 67, 37, 56);
    inked(p, mouth, QColor(120, 20, 30), 1);
    p.setPen(QPen(QColor(230, 20, 50), 2.4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(mouth);
    p.fillRect(QRectF(40, 56.5, 13, 2.2), Qt::white);
}

// Portrait 10: a visitor from Mars.
void drawMartian(QPainter& p)
{
    p.fillRect(QRectF(0, 0, 93, 101), QColor(12, 16, 44));
    Scatter scatter(42);
    for (int i = 0; i < 28; ++i) {
        const qreal size = scatter.next(0.8, 2.0);
        filledEllipse(p, QRectF(scatter.next(0, 93), scatter.next(0, 101), size, size), QColor(255, 255, 230));
    }
    // Mars on the horizon.
    inkedEllipse(p, QRectF(64, 62, 44, 44), QColor(200, 80, 30), 1);
    filledEllipse(p, QRectF(72, 70, 6, 4), QColor(160, 60, 20));
    filledEllipse(p, QRectF(80, 82, 8, 5), QColor(160, 60, 20));
    sparkle(p, {14, 14}, 4, QColor(255, 255, 200));
    sparkle(p, {80, 20}, 3, QColor(255, 255, 200));

    // Silver space suit with a helmet ring and buttons.
    const QColor silver(196, 202, 214);
    inked(p, torso(37, 56, 76, 25, 101), silver);
    inked(p, roundedRect(QRectF(33, 70, 27, 8), 4), QColor(150, 156, 170));
    inked(p, roundedRect(QRectF(35, 84, 23, 13), 2), QColor(90, 96, 110), 1);
    p.fillRect(QRectF(38, 87, 4, 3), QColor(240, 60, 60));
    p.fillRect(QRectF(44.5, 87, 4, 3), QColor(250, 210, 40));
    p.fillRect(QRectF(51, 87, 4, 3), QColor(60, 160, 250));
    p.fillRect(QRectF(38, 92, 17, 2), QColor(90, 250, 120));

    const QColor green(130, 214, 90);
    // Antennae.
    line(p, {38, 18}, {28, 5}, kInk, 1.6);
    line(p, {55, 18}, {65, 5}, kInk, 1.6);
    inkedEllipse(p, QRectF(24, 1, 7, 7), QColor(255, 230, 60), 1);
    inkedEllipse(p, QRectF(62, 1, 7, 7), QColor(255, 230, 60), 1);
    // A light-bulb head: wide at the top, narrow at the chin.
    QPainterPath head;
    head.moveTo(46.5, 12);
    head.cubicTo(76, 12, 78, 42, 64, 54);
    head.cubicTo(58, 60, 54, 72, 46.5, 72);
    head.cubicTo(39, 72, 35, 60, 29, 54);
    head.cubicTo(15, 42, 17, 12, 46.5, 12);
    inked(p, head, green);
    filledEllipse(p, QRectF(34, 16, 10, 5), QColor(200, 250, 170));
    for (const QPointF& spot : {QPointF(30, 26), QPointF(62, 24), QPointF(57, 30)})
        filledEllipse(p, QRectF(spot.x(), spot.y(), 3.5, 3.5), QColor(90, 170, 60));
    // Huge eyes need a wider bar.
    privacyBar(p, 33, 16, 77);
    p.fillRect(QRectF(16, 42, 61, 2), Qt::black);
    // A small wavy smile.
    QPainterPath smile(QPointF(40, 58));
    smile.quadTo(43, 62, 46.5, 58);
    smile.quadTo(50, 62, 53, 58);
    stroked(p, smile, kInk, 1.4);
}

using Drawing = void (*)(QPainter&);

constexpr std::array<Drawing, kPortraitCount> kPortraits = {
    drawPrimeMinister, drawOldMan, drawSchoolgirl, drawPresident, drawComputer,
    drawScientist, drawRichMan, drawIdol, drawNeighbourLady, drawMartian,
};

} // namespace

void drawPortrait(QPainter& p, int number)
{
    Q_ASSERT(number >= 1 && number <= kPortraitCount);
    kPortraits[std::size_t(number - 1)](p);
}

} // namespace velmo::artwork
