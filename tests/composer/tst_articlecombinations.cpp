#include "composer/composer.h"
#include "scriptedrandomsource.h"

#include <QTest>

#include <algorithm>
#include <limits>
#include <vector>

using namespace Qt::StringLiterals;
using velmo::test::ScriptedRandomSource;

// Composes every one of the 16^6 possible articles. It takes most of a minute,
// so it runs as a test of its own outside the unit label.
class TestArticleCombinations : public QObject {
    Q_OBJECT

private slots:
    void everyArticleFitsItsLabel();
};

void TestArticleCombinations::everyArticleFitsItsLabel()
{
    // Combination c selects entry (c >> 20) & 15 for the time phrase, and so
    // on down to c & 15 for the comment. Blocks of 16^3 combinations share
    // their first three phrases and one scripted source. i / 16 is exact in
    // single precision, so value i / 16 selects entry i.
    constexpr int BlockSize = 16 * 16 * 16;
    velmo::DrawRecord record;
    qsizetype shortest = std::numeric_limits<qsizetype>::max();
    qsizetype longest = 0;
    QString firstFault;
    for (int block = 0; block < BlockSize; ++block) {
        const int first = block * BlockSize;
        std::vector<float> values;
        values.reserve(6 * BlockSize);
        for (int combination = first; combination < first + BlockSize; ++combination) {
            for (int part = 0; part < 6; ++part) {
                values.push_back(static_cast<float>((combination >> (4 * (5 - part))) & 15) / 16.0f);
            }
        }

        ScriptedRandomSource source(std::move(values));
        for (int combination = first; combination < first + BlockSize; ++combination) {
            const QString article = velmo::composeArticle(source, record);
            shortest = std::min(shortest, article.size());
            longest = std::max(longest, article.size());
            const bool fault = article.size() < 55 || article.size() > 170 || article.contains(u'\r')
                || article.contains(u'\n')
                || source.consumed() != 6 * (combination - first + 1);
            if (fault && firstFault.isEmpty()) {
                firstFault = u"combination %1 gave \"%2\""_s.arg(combination, 6, 16, QChar(u'0')).arg(article);
            }
        }
    }
    QVERIFY2(firstFault.isEmpty(), qPrintable(firstFault));
    QCOMPARE(shortest, 55);
    QCOMPARE(longest, 170);
}

QTEST_GUILESS_MAIN(TestArticleCombinations)
#include "tst_articlecombinations.moc"
