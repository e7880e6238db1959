#include "advertisements.h"

#include "drawingkit.h"

#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <cmath>

namespace velmo::artwork {

namespace {

// Ad 1: a ramen shop where the noodle-less bowl costs more.
void drawRamenAd(QPainter& p)
{
    p.fillRect(QRectF(0, 0, 93, 109), QColor(200, 28, 30));
    text(p, QRectF(0, 0, 93, 22), QStringLiteral("麺屋ずるずる"), style(14, QColor(255, 226, 70), kInk));
    // Steam.
    for (const qreal x : {34.0, 46.0, 58.0}) {
        QPainterPath steam(QPointF(x, 36));
        steam.cubicTo(x - 4, 32, x + 4, 29, x, 24);
        stroked(p, steam, QColor(255, 255, 255, 200), 1.6);
    }
    // Chopsticks behind the bowl.
    line(p, {58, 42}, {86, 24}, QColor(90, 50, 20), 3.2);
    line(p, {58, 42}, {86, 24}, QColor(230, 190, 120), 2);
    line(p, {60, 45}, {89, 29}, QColor(90, 50, 20), 3.2);
    line(p, {60, 45}, {89, 29}, QColor(230, 190, 120), 2);
    // The bowl, its soup and toppings.
    QPainterPath bowl;
    bowl.moveTo(14, 44);
    bowl.cubicTo(16, 62, 30, 68, 46.5, 68);
    bowl.cubicTo(63, 68, 77, 62, 79, 44);
    bowl.closeSubpath();
    inked(p, bowl, QColor(255, 250, 236));
    p.save();
    p.setClipPath(bowl);
    QPainterPath fret(QPointF(14, 52));
    for (int x = 14; x < 80; x += 6) {
        fret.lineTo(x + 3, 52);
        fret.lineTo(x + 3, 56);
        fret.lineTo(x + 6, 56);
        fret.lineTo(x + 6, 52);
    }
    stroked(p, fret, QColor(210, 30, 30), 1.3);
    p.restore();
    inkedEllipse(p, QRectF(14, 38, 65, 12), QColor(236, 180, 80));
    for (int i = 0; i < 3; ++i) {
        QPainterPath noodle(QPointF(22, 44 + i * 1.6));
        for (int x = 22; x < 70; x += 6)
            noodle.quadTo(x + 3, 41 + i * 1.6, x + 6, 44 + i * 1.6);
        stroked(p, noodle, QColor(255, 236, 140), 1.2);
    }
    inked(p, roundedRect(QRectF(56, 30, 9, 14), 1), QColor(30, 60, 40), 1);
    inkedEllipse(p, QRectF(42, 38.5, 13, 8), QColor(200, 130, 90), 1);
    inkedEllipse(p, QRectF(26, 38.5, 10, 8), Qt::white, 1);
    stroked(p, arc({28, 42.5}, {31, 39}, {34, 42.5}), QColor(240, 90, 140), 1.2);
    // The price list.
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(255, 248, 226));
    p.drawRect(QRectF(4.5, 72.5, 84, 33));
    text(p, QRectF(5, 73, 83, 16), QStringLiteral("ラーメン 680円"), style(12, kInk));
    text(p, QRectF(5, 89, 83, 16), QStringLiteral("麺ぬき 1200円"), style(12, QColor(210, 20, 20)));
}

// Ad 2: the Velmo personal computer, which boots in only three days.
void drawComputerAd(QPainter& p)
{
    p.fillRect(QRectF(0, 0, 93, 109), QColor(24, 46, 110));
    text(p, QRectF(0, 0, 93, 21), QStringLiteral("Velmo PC"), style(16, Qt::white, QColor(10, 20, 60)));
    const QColor beige(232, 224, 198);
    inked(p, roundedRect(QRectF(27, 21, 39, 32), 3), beige);
    inked(p, roundedRect(QRectF(31, 24, 31, 22), 2), QColor(40, 90, 200), 1);
    // An hourglass on the screen: it is still starting up.
    inked(p, polygon({{41, 27.5}, {52, 27.5}, {46.5, 35}, {52, 42.5}, {41, 42.5}, {46.5, 35}}), Qt::white, 1);
    filled(p, polygon({{43.5, 41.5}, {49.5, 41.5}, {46.5, 37.5}}), QColor(250, 220, 80));
    inked(p, polygon({{22, 55}, {71, 55}, {75, 62}, {18, 62}}), beige, 1.1);
    for (int key = 0; key < 10; ++key)
        p.fillRect(QRectF(23 + key * 5, 57, 3.5, 1.8), QColor(150, 144, 124));
    text(p, QRectF(0, 63, 93, 16), QStringLiteral("起動わずか"), style(12, Qt::white));
    text(p, QRectF(0, 77, 93, 19), QStringLiteral("3日！"), style(16, QColor(255, 226, 60), QColor(10, 20, 60)));
    text(p, QRectF(0, 94, 93, 14), QStringLiteral("税込98万円"), style(11, QColor(140, 220, 255)));
}

// Ad 3: a detergent so strong that it washes the clothes away too.
void drawDetergentAd(QPainter& p)
{
    p.fillRect(QRectF(0, 0, 93, 109), QColor(190, 232, 255));
    Scatter scatter(21);
    for (int i = 0; i < 12; ++i) {
        const qreal size = scatter.next(4, 10);
        QRectF bubble(scatter.next(0, 88), scatter.next(20, 66), size, size);
        p.setPen(QPen(QColor(90, 160, 220), 1));
        p.setBrush(QColor(255, 255, 255, 150));
        p.drawEllipse(bubble);
    }
    text(p, QRectF(0, 0, 93, 22), QStringLiteral("洗剤マッシロ"), style(14, QColor(20, 50, 150), Qt::white));
    // The box.
    inked(p, polygon({{12, 30}, {36, 30}, {36, 66}, {12, 66}}), Qt::white);
    p.fillRect(QRectF(12.6, 30.6, 22.8, 9), QColor(20, 90, 210));
    inked(p, star({24, 52}, 8, 4), QColor(250, 60, 60), 1);
    sparkle(p, {24, 52}, 3, Qt::white);
    // The shirt that was washed: only a dotted outline is left.
    QPainterPath shirt = polygon({{50, 34}, {58, 30}, {64, 33}, {70, 30}, {78, 34}, {84, 42}, {78, 45},
                                  {77, 64}, {51, 64}, {50, 45}, {44, 42}});
    QPen dotted(QColor(70, 120, 170), 1.2, Qt::DotLine);
    p.setPen(dotted);
    p.setBrush(Qt::NoBrush);
    p.drawPath(shirt);
    sparkle(p, {64, 48}, 6, Qt::white);
    sparkle(p, {74, 38}, 3, Qt::white);
    sparkle(p, {55, 58}, 3, Qt::white);
    p.fillRect(QRectF(0, 70, 93, 39), QColor(255, 255, 255));
    p.fillRect(QRectF(0, 70, 93, 1), QColor(20, 50, 150));
    text(p, QRectF(0, 71, 93, 17), QStringLiteral("汚れと一緒に"), style(12, QColor(20, 50, 150)));
    text(p, QRectF(0, 88, 93, 19), QStringLiteral("服も落ちます"), style(13, QColor(220, 20, 40)));
}

// Ad 4: a driving school for people who never stop.
void drawDrivingSchoolAd(QPainter& p)
{
    p.fillRect(QRectF(0, 0, 93, 109), QColor(40, 150, 70));
    text(p, QRectF(0, 0, 93, 18), QStringLiteral("ノンストップ"), style(13, Qt::white, QColor(10, 60, 20)));
    text(p, QRectF(0, 16, 93, 18), QStringLiteral("自動車学校"), style(13, QColor(255, 236, 70), QColor(10, 60, 20)));
    // A red car racing off, with speed lines.
    for (int i = 0; i < 3; ++i)
        line(p, {4, 46.0 + i * 5}, {20, 46.0 + i * 5}, QColor(220, 255, 220), 1.5);
    QPainterPath car;
    car.moveTo(22, 60);
    car.lineTo(22, 50);
    car.lineTo(34, 47);
    car.lineTo(42, 38);
    car.lineTo(64, 38);
    car.lineTo(74, 47);
    car.lineTo(86, 50);
    car.lineTo(86, 60);
    car.closeSubpath();
    inked(p, car, QColor(230, 40, 40));
    inked(p, polygon({{37, 47}, {44, 40.5}, {52, 40.5}, {52, 47}}), QColor(190, 230, 255), 1);
    inked(p, polygon({{55, 47}, {55, 40.5}, {62, 40.5}, {69, 47}}), QColor(190, 230, 255), 1);
    inkedEllipse(p, QRectF(28, 54, 12, 12), QColor(40, 40, 40));
    inkedEllipse(p, QRectF(66, 54, 12, 12), QColor(40, 40, 40));
    filledEllipse(p, QRectF(31.5, 57.5, 5, 5), QColor(200, 200, 200));
    filledEllipse(p, QRectF(69.5, 57.5, 5, 5), QColor(200, 200, 200));
    inkedEllipse(p, QRectF(82, 51, 5, 4), QColor(255, 240, 120), 0.8);
    // The small print is not small.
    p.setPen(QPen(kInk, 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(4.5, 70.5, 84, 35), 4, 4);
    text(p, QRectF(5, 71, 83, 17), QStringLiteral("ブレーキは"), style(12, kInk));
    text(p, QRectF(5, 88, 83, 17), QStringLiteral("別売りです"), style(12, QColor(220, 20, 30)));
}

// Ad 5: a real-estate agent selling homes on Mars.
void drawRealEstateAd(QPainter& p)
{
    p.fillRect(QRectF(0, 0, 93, 109), QColor(22, 22, 60));
    Scatter scatter(9);
    for (int i = 0; i < 18; ++i)
        filledEllipse(p, QRectF(scatter.next(0, 93), scatter.next(20, 72), 1.5, 1.5), QColor(255, 255, 220));
    text(p, QRectF(0, 0, 93, 22), QStringLiteral("火星不動産"), style(15, Qt::white, QColor(200, 60, 20)));
    // The planet, with a lone house for sale on top.
    inkedEllipse(p, QRectF(20, 38, 54, 54), QColor(210, 90, 40));
    filledEllipse(p, QRectF(30, 56, 10, 6), QColor(170, 64, 24));
    filledEllipse(p, QRectF(52, 48, 12, 7), QColor(170, 64, 24));
    inked(p, polygon({{39, 40}, {39, 32}, {55, 32}, {55, 40}}), Qt::white, 1);
    inked(p, polygon({{36, 33}, {47, 24}, {58, 33}}), QColor(40, 120, 220), 1);
    p.fillRect(QRectF(45, 35, 4, 5), QColor(120, 80, 40));
    p.fillRect(QRectF(0, 72, 93, 37), QColor(255, 226, 60));
    text(p, QRectF(0, 73, 93, 17), QStringLiteral("駅から徒歩3年"), style(12, kInk));
    text(p, QRectF(0, 90, 93, 18), QStringLiteral("3LDK 月1円"), style(13, QColor(210, 20, 20)));
}

// Ad 6: the department store's tea sale, where the tea stalk always stands.
void drawTeaAd(QPainter& p)
{
    p.fillRect(QRectF(0, 0, 93, 109), QColor(248, 240, 210));
    p.fillRect(QRectF(0, 0, 93, 22), QColor(40, 110, 50));
    text(p, QRectF(0, 0, 93, 22), QStringLiteral("お茶大売出し"), style(13, Qt::white));
    // A teacup with a standing tea stalk: a sign of good luck.
    for (const qreal x : {36.0, 57.0}) {
        QPainterPath steam(QPointF(x, 34));
        steam.cubicTo(x - 4, 30, x + 4, 27, x, 23);
        stroked(p, steam, QColor(170, 170, 160), 1.4);
    }
    QPainterPath cup;
    cup.moveTo(26, 38);
    cup.lineTo(67, 38);
    cup.quadTo(66, 62, 58, 64);
    cup.lineTo(35, 64);
    cup.quadTo(27, 62, 26, 38);
    inked(p, cup, QColor(110, 160, 90));
    p.fillRect(QRectF(30, 50, 33, 2), QColor(70, 120, 60));
    inkedEllipse(p, QRectF(26, 34, 41, 8), QColor(200, 220, 110));
    inked(p, roundedRect(QRectF(45, 27, 3, 11), 1.2), QColor(120, 170, 70), 0.9);
    sparkle(p, {52.5, 28}, 4, QColor(240, 190, 20));
    sparkle(p, {41, 26}, 3, QColor(240, 190, 20));
    text(p, QRectF(0, 64, 93, 15), QStringLiteral("茶柱が必ず"), style(12, kInk));
    text(p, QRectF(0, 78, 93, 16), QStringLiteral("立ちます！"), style(13, QColor(210, 20, 20)));
    text(p, QRectF(3, 93, 87, 13), QStringLiteral("京玉デパートB1"), style(10, QColor(40, 110, 50)));
    p.setPen(QPen(QColor(40, 110, 50), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, 91, 107));
}

// Ad 7: a hair tonic so strong that the bottle grew hair.
void drawHairTonicAd(QPainter& p)
{
    p.fillRect(QRectF(0, 0, 93, 109), QColor(46, 24, 70));
    text(p, QRectF(0, 1, 93, 14), QStringLiteral("育毛剤"), style(11, QColor(250, 210, 90)));
    text(p, QRectF(0, 13, 93, 22), QStringLiteral("ハエール"), style(16, Qt::white, QColor(160, 100, 20)));
    // A spotlight on the bottle, which has grown hair of its own.
    QRadialGradient halo(QPointF(46.5, 58), 30);
    halo.setColorAt(0, QColor(255, 246, 200));
    halo.setColorAt(0.75, QColor(250, 220, 140));
    halo.setColorAt(1, QColor(46, 24, 70, 0));
    p.fillRect(QRectF(10, 28, 73, 58), halo);
    inked(p, roundedRect(QRectF(34, 52, 25, 31), 4), QColor(150, 80, 30));
    inked(p, roundedRect(QRectF(40, 44, 13, 9), 1), QColor(120, 60, 20));
    inked(p, roundedRect(QRectF(37, 60, 19, 15), 1), QColor(255, 246, 220), 1);
    filled(p, star({46.5, 67.5}, 5, 2), QColor(220, 150, 30));
    // Thick hair sprouting from the cap and flowing down both sides.
    for (int i = 0; i < 9; ++i) {
        const qreal x = 41 + i * 1.4;
        const qreal side = (i < 4) ? -1 : (i > 4 ? 1 : 0);
        const qreal reach = 6 + std::abs(i - 4) * 3.2;
        QPainterPath strand(QPointF(x, 45));
        strand.cubicTo(x + side * 2, 32, x + side * (reach + 4), 34 - std::abs(i - 4), x + side * reach,
                       44 + std::abs(i - 4) * 3.5);
        stroked(p, strand, QColor(15, 12, 10), 1.8);
    }
    sparkle(p, {24, 44}, 5, QColor(250, 220, 110));
    sparkle(p, {70, 56}, 4, QColor(250, 220, 110));
    sparkle(p, {22, 72}, 3, QColor(250, 220, 110));
    text(p, QRectF(0, 84, 93, 13), QStringLiteral("ビンにも"), style(12, Qt::white));
    text(p, QRectF(0, 95, 93, 14), QStringLiteral("生えました！"), style(12, QColor(255, 226, 60)));
}

// Ad 8: a virtual pet toy with a real egg inside.
void drawEggToyAd(QPainter& p)
{
    p.fillRect(QRectF(0, 0, 93, 109), QColor(255, 214, 232));
    Scatter scatter(13);
    for (int i = 0; i < 16; ++i)
        filledEllipse(p, QRectF(scatter.next(0, 90), scatter.next(34, 70), 3, 3), QColor(255, 240, 150));
    text(p, QRectF(0, 1, 93, 14), QStringLiteral("育成ゲーム"), style(11, QColor(150, 30, 90)));
    text(p, QRectF(0, 13, 93, 22), QStringLiteral("たまごち"), style(16, QColor(230, 40, 120), Qt::white));
    // Key chain and the egg itself.
    p.setPen(QPen(QColor(150, 150, 160), 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(43, 34, 7, 6));
    inkedEllipse(p, QRectF(32, 39, 29, 34), QColor(255, 252, 240));
    filledEllipse(p, QRectF(38, 44, 7, 9), QColor(255, 255, 255));
    QPainterPath crack(QPointF(33, 58));
    for (int i = 1; i <= 9; ++i)
        crack.lineTo(33 + i * 3, (i % 2 == 0) ? 58 : 54.5);
    stroked(p, crack, kInk, 1);
    // Three buttons, as on the real toy.
    inkedEllipse(p, QRectF(34, 75, 6, 6), QColor(250, 220, 60), 0.9);
    inkedEllipse(p, QRectF(43.5, 77, 6, 6), QColor(80, 190, 250), 0.9);
    inkedEllipse(p, QRectF(53, 75, 6, 6), QColor(250, 90, 120), 0.9);
    text(p, QRectF(0, 83, 93, 13), QStringLiteral("本物の卵を使用"), style(11, kInk));
    text(p, QRectF(0, 95, 93, 14), QStringLiteral("落とすと割れます"), style(11, QColor(210, 20, 60)));
}

// Ad 9: the burger chain whose smile is no longer free.
void drawBurgerAd(QPainter& p)
{
    p.fillRect(QRectF(0, 0, 93, 109), QColor(214, 36, 30));
    // Golden arches turned upside down.
    QPainterPath arches(QPointF(28, 5));
    arches.cubicTo(29, 30, 38, 30, 40, 16);
    arches.cubicTo(42, 30, 51, 30, 52, 16);
    arches.cubicTo(54, 30, 63, 30, 65, 5);
    stroked(p, arches, QColor(120, 20, 10), 6);
    stroked(p, arches, QColor(255, 200, 30), 4);
    text(p, QRectF(0, 24, 93, 18), QStringLiteral("ワクドナルド"), style(13, Qt::white));
    // The burger.
    QPainterPath bunTop;
    bunTop.moveTo(28, 54);
    bunTop.cubicTo(28, 40, 65, 40, 65, 54);
    bunTop.closeSubpath();
    inked(p, bunTop, QColor(230, 160, 60));
    for (const QPointF& seed : {QPointF(38, 47), QPointF(46, 45), QPointF(54, 47), QPointF(42, 51), QPointF(51, 51)})
        filledEllipse(p, QRectF(seed.x(), seed.y(), 2.4, 1.4), QColor(255, 246, 210));
    QPainterPath lettuce(QPointF(26, 55));
    for (int x = 26; x < 67; x += 4)
        lettuce.quadTo(x + 2, 59, x + 4, 55);
    stroked(p, lettuce, QColor(60, 170, 50), 2.4);
    inked(p, polygon({{30, 57}, {63, 57}, {58, 63}}), QColor(255, 210, 40), 0.9);
    inked(p, roundedRect(QRectF(28, 59, 37, 5), 2.5), QColor(110, 60, 30), 1);
    inked(p, roundedRect(QRectF(29, 64, 35, 6), 3), QColor(225, 150, 60), 1);
    p.fillRect(QRectF(0, 74, 93, 35), QColor(255, 210, 40));
    text(p, QRectF(0, 74, 93, 16), QStringLiteral("スマイル"), style(12, QColor(180, 20, 20)));
    text(p, QRectF(0, 89, 93, 19), QStringLiteral("1000円"), style(16, QColor(200, 20, 20), Qt::white));
}

// Ad 10: the convenience store that is open all year, except on weekends.
void drawConvenienceStoreAd(QPainter& p)
{
    p.fillRect(QRectF(0, 0, 93, 109), Qt::white);
    const QColor orange(246, 140, 30);
    const QColor green(20, 140, 80);
    const QColor red(220, 30, 40);
    p.fillRect(QRectF(0, 0, 93, 4), orange);
    p.fillRect(QRectF(0, 4, 93, 4), green);
    p.fillRect(QRectF(0, 8, 93, 4), red);
    p.fillRect(QRectF(0, 97, 93, 4), orange);
    p.fillRect(QRectF(0, 101, 93, 4), green);
    p.fillRect(QRectF(0, 105, 93, 4), red);
    // The store's sign: a big eight and a small eleven.
    inked(p, roundedRect(QRectF(20, 15, 53, 34), 4), QColor(250, 250, 250), 1.2);
    text(p, QRectF(20, 10, 32, 42), QStringLiteral("8"), style(34, orange, green));
    text(p, QRectF(48, 18, 24, 28), QStringLiteral("11"), style(16, red));
    text(p, QRectF(0, 50, 93, 16), QStringLiteral("エイトイレブン"), style(12, green));
    text(p, QRectF(0, 64, 93, 18), QStringLiteral("年中無休"), style(16, red));
    text(p, QRectF(0, 82, 93, 14), QStringLiteral("※土日祝は休み"), style(10, kInk));
}

// Ad 11: the electronics store with more points back than it takes in.
void drawElectronicsAd(QPainter& p)
{
    p.fillRect(QRectF(0, 0, 93, 109), QColor(16, 70, 170));
    p.fillRect(QRectF(0, 2, 93, 18), Qt::white);
    text(p, QRectF(0, 2, 93, 18), QStringLiteral("ヨドバツカメラ"), style(12, QColor(16, 70, 170)));
    // A camera.
    inked(p, roundedRect(QRectF(24, 31, 45, 28), 3), QColor(40, 40, 46));
    inked(p, polygon({{32, 31}, {35, 25}, {48, 25}, {51, 31}}), QColor(40, 40, 46));
    inkedEllipse(p, QRectF(36, 33, 23, 23), QColor(180, 184, 196));
    inkedEllipse(p, QRectF(40, 37, 15, 15), QColor(30, 40, 80));
    filledEllipse(p, QRectF(43, 40, 4, 4), QColor(200, 220, 255));
    p.fillRect(QRectF(60, 34, 6, 4), QColor(255, 250, 200));
    sparkle(p, {72, 28}, 5, QColor(255, 250, 170));
    text(p, QRectF(0, 60, 93, 15), QStringLiteral("ポイント"), style(12, Qt::white));
    text(p, QRectF(0, 74, 93, 19), QStringLiteral("110%還元！"), style(15, QColor(255, 226, 60), QColor(6, 30, 90)));
    text(p, QRectF(0, 93, 93, 14), QStringLiteral("※本日閉店"), style(11, Qt::white));
}

// Ad 12: the newspaper's own subscription drive, with a generous gift.
void drawSubscriptionAd(QPainter& p)
{
    p.fillRect(QRectF(0, 0, 93, 109), QColor(252, 249, 238));
    text(p, QRectF(0, 1, 93, 20), QStringLiteral("Velmo新聞"), style(15, kInk, Qt::transparent, Face::SerifBold));
    p.fillRect(QRectF(0, 22, 93, 18), QColor(210, 30, 40));
    text(p, QRectF(0, 22, 93, 18), QStringLiteral("購読者募集"), style(13, Qt::white));
    // A folded newspaper, and the gift: one grain of detergent with a bow.
    inked(p, polygon({{10, 46}, {40, 46}, {40, 68}, {10, 68}}), Qt::white, 1);
    p.fillRect(QRectF(13, 49, 18, 3), kInk);
    for (int i = 0; i < 4; ++i)
        p.fillRect(QRectF(13, 55 + i * 3.2, 24, 1.2), QColor(140, 140, 140));
    line(p, {72, 60}, {84, 68}, kInk, 4.5);
    line(p, {72, 60}, {84, 68}, QColor(170, 100, 40), 2.5);
    inkedEllipse(p, QRectF(51, 42, 24, 24), QColor(220, 240, 255), 2);
    inkedEllipse(p, QRectF(61.5, 52.5, 3, 3), Qt::white, 0.8);
    sparkle(p, {58, 50}, 3, QColor(240, 190, 20));
    sparkle(p, {68, 60}, 2.5, QColor(240, 190, 20));
    text(p, QRectF(0, 70, 93, 16), QStringLiteral("今なら洗剤"), style(12, kInk));
    text(p, QRectF(0, 86, 93, 20), QStringLiteral("1粒進呈！"), style(15, QColor(210, 20, 30)));
    p.setPen(QPen(kInk, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, 92, 108));
}

using Drawing = void (*)(QPainter&);

constexpr std::array<Drawing, kAdvertisementCount> kAdvertisements = {
    drawRamenAd, drawComputerAd, drawDetergentAd, drawDrivingSchoolAd,
    drawRealEstateAd, drawTeaAd, drawHairTonicAd, drawEggToyAd,
    drawBurgerAd, drawConvenienceStoreAd, drawElectronicsAd, drawSubscriptionAd,
};

} // namespace

void drawAdvertisement(QPainter& p, int number)
{
    Q_ASSERT(number >= 1 && number <= kAdvertisementCount);
    kAdvertisements[std::size_t(number - 1)](p);
}

} // namespace velmo::artwork
