#include "composer/draws.h"
#include "composer/randomsource.h"
#include "scriptedrandomsource.h"

#include <QTest>

#include <array>
#include <cfenv>
#include <chrono>
#include <limits>
#include <thread>

using velmo::test::LargestValue;
using velmo::test::ScriptedRandomSource;

class TestDraws : public QObject {
    Q_OBJECT

private slots:
    void drawIndexSelectsEntry_data();
    void drawIndexSelectsEntry();
    void drawNumberStaysInRange_data();
    void drawNumberStaysInRange();
    void brokenValueRaisesError_data();
    void brokenValueRaisesError();
    void callerFlagsSurviveADraw();
    void sourceValuesStayBelowOne();
    void clockSeedsDiffer();
};

void TestDraws::drawIndexSelectsEntry_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("expected");

    for (const auto& [count, middle] : {std::pair{22, 11}, std::pair{16, 8}, std::pair{5, 2}}) {
        const QByteArray table = QByteArray::number(count) + " entries";
        QTest::newRow(table + ", r = 0") << 0.0f << count << 0;
        QTest::newRow(table + ", r = 0.5") << 0.5f << count << middle;
    }
    for (int count = 1; count <= 22; ++count) {
        QTest::newRow(QByteArray::number(count) + " entries, largest r") << LargestValue << count << count - 1;
    }
}

void TestDraws::drawIndexSelectsEntry()
{
    QFETCH(float, value);
    QFETCH(int, count);
    QFETCH(int, expected);

    ScriptedRandomSource source({value, 0.25f});
    QCOMPARE(velmo::drawIndex(source, count), expected);
    QCOMPARE(source.consumed(), 1);
}

void TestDraws::drawNumberStaysInRange_data()
{
    QTest::addColumn<int>("span");
    QTest::addColumn<int>("base");
    QTest::addColumn<float>("value");
    QTest::addColumn<int>("expected");

    // In single precision r * 4 + 9 rounds up to 13 for the largest r.
    for (const auto& [name, span, base] : {std::tuple{"portrait", 10, 1}, std::tuple{"ad slot 0", 4, 1},
                                           std::tuple{"ad slot 1", 4, 5}, std::tuple{"ad slot 2", 4, 9}}) {
        QTest::newRow(name + QByteArray(", r = 0")) << span << base << 0.0f << base;
        QTest::newRow(name + QByteArray(", r = 0.5")) << span << base << 0.5f << base + span / 2;
        QTest::newRow(name + QByteArray(", largest r")) << span << base << LargestValue << base + span - 1;
    }
}

void TestDraws::drawNumberStaysInRange()
{
    QFETCH(int, span);
    QFETCH(int, base);
    QFETCH(float, value);
    QFETCH(int, expected);

    ScriptedRandomSource source({value, 0.25f});
    QCOMPARE(velmo::drawNumber(source, span, base), expected);
    QCOMPARE(source.consumed(), 1);
}

void TestDraws::brokenValueRaisesError_data()
{
    QTest::addColumn<float>("value");

    QTest::newRow("quiet NaN") << std::numeric_limits<float>::quiet_NaN();
    QTest::newRow("signalling NaN") << std::numeric_limits<float>::signaling_NaN();
    QTest::newRow("+infinity") << std::numeric_limits<float>::infinity();
    QTest::newRow("-infinity") << -std::numeric_limits<float>::infinity();
    QTest::newRow("largest float") << std::numeric_limits<float>::max();
}

void TestDraws::brokenValueRaisesError()
{
    QFETCH(float, value);

    ScriptedRandomSource indexSource({value, 0.25f});
    QVERIFY_THROWS_EXCEPTION(velmo::FloatingPointError, velmo::drawIndex(indexSource, 22));
    QCOMPARE(indexSource.consumed(), 1);

    ScriptedRandomSource numberSource({value, 0.25f});
    QVERIFY_THROWS_EXCEPTION(velmo::FloatingPointError, velmo::drawNumber(numberSource, 4, 9));
    QCOMPARE(numberSource.consumed(), 1);
}

void TestDraws::callerFlagsSurviveADraw()
{
    // A flag raised before the draw by someone else is neither blamed on the
    // draw nor wiped out by it.
    std::feclearexcept(FE_ALL_EXCEPT);
    std::feraiseexcept(FE_DIVBYZERO);

    ScriptedRandomSource source({0.5f, 0.5f});
    int index = -1;
    int number = -1;
    try {
        index = velmo::drawIndex(source, 16);
        number = velmo::drawNumber(source, 4, 9);
    } catch (const velmo::FloatingPointError&) {
        std::feclearexcept(FE_ALL_EXCEPT);
        QFAIL("a flag raised before the draw made the draw fail");
    }
    const bool flagKept = std::fetestexcept(FE_DIVBYZERO) != 0;
    std::feclearexcept(FE_ALL_EXCEPT);

    QCOMPARE(index, 8);
    QCOMPARE(number, 11);
    QVERIFY(flagKept);
}

void TestDraws::sourceValuesStayBelowOne()
{
    velmo::RandomSource source;
    source.seed(20240601);

    constexpr int Draws = 1 << 20;
    constexpr int Bins = 16;
    std::array<int, Bins> histogram{};
    for (int i = 0; i < Draws; ++i) {
        const float r = source.nextValue();
        if (!(r >= 0.0f && r < 1.0f)) {
            QFAIL(qPrintable(QStringLiteral("draw %1 gave %2").arg(i).arg(double(r), 0, 'g', 9)));
        }
        ++histogram[static_cast<std::size_t>(r * Bins)];
    }

    // Each sixteenth of [0, 1) gets its share within 10 %, far beyond the
    // spread of a uniform source, so only a skewed source fails.
    constexpr int Share = Draws / Bins;
    for (int bin = 0; bin < Bins; ++bin) {
        const int hits = histogram[static_cast<std::size_t>(bin)];
        QVERIFY2(hits > Share * 9 / 10 && hits < Share * 11 / 10,
                 qPrintable(QStringLiteral("bin %1 holds %2 of %3 values").arg(bin).arg(hits).arg(Draws)));
    }
}

void TestDraws::clockSeedsDiffer()
{
    velmo::RandomSource first;
    velmo::RandomSource second;
    first.seedFromClock();
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    second.seedFromClock();

    // Eight values of 24 bits each: equal sequences from different seeds are
    // practically impossible.
    bool differ = false;
    for (int i = 0; i < 8; ++i) {
        differ = first.nextValue() != second.nextValue() || differ;
    }
    QVERIFY(differ);
}

QTEST_GUILESS_MAIN(TestDraws)
#include "tst_draws.moc"
