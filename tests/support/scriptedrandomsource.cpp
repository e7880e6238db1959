#include "scriptedrandomsource.h"

#include <QTest>

namespace velmo::test {

ScriptedRandomSource::ScriptedRandomSource(std::vector<float> values)
    : m_values(std::move(values))
{
}

ScriptedRandomSource ScriptedRandomSource::repeated(float value, int count)
{
    return ScriptedRandomSource(std::vector<float>(static_cast<std::size_t>(count), value));
}

float ScriptedRandomSource::nextValue()
{
    if (m_next >= static_cast<int>(m_values.size())) {
        QTest::qFail("the scripted random source ran out of values", __FILE__, __LINE__);
        return 0.0f;
    }
    return m_values[static_cast<std::size_t>(m_next++)];
}

} // namespace velmo::test
