// Which installed face draws each page font (src/core/fontroles.h).

#include "check.h"
#include "fontroles.h"

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace velmo;

void choicesAskEachFamilyOnceAndStopAtTheFirstInstalled()
{
    std::vector<std::u16string> asked;
    const std::set<std::u16string_view> installed = {u"IPAPGothic", u"IPAMincho", u"Noto Sans CJK JP"};
    const FontChoices choices(FontSystem::Linux, [&](std::u16string_view family) {
        asked.emplace_back(family);
        return installed.contains(family);
    });
    CHECK(choices.anyInstalled());
    // IPAPGothic stands in for both brush faces and the heavy mincho, and is
    // asked about once; nothing after a role's first installed face is asked.
    CHECK_EQ(std::set<std::u16string>(asked.begin(), asked.end()).size(), asked.size());
    CHECK(std::find(asked.begin(), asked.end(), u"Ume Mincho") == asked.end());

    // A stand-in for an extra-bold design is drawn bold; a style that asks
    // for bold is bold whatever draws it.
    const ResolvedFont heavy = choices.resolve({FontRole::ArticleHeavyMincho, 15, FontWeight::Regular});
    CHECK(heavy.family == u"IPAPGothic" && heavy.bold && heavy.pixelSize == 15);
    const ResolvedFont mincho = choices.resolve({FontRole::Mincho, 12, FontWeight::Regular});
    CHECK(mincho.family == u"IPAMincho" && !mincho.bold);
    CHECK(choices.resolve({FontRole::EdoBrush, 16, FontWeight::Bold}).bold);
}

void withNothingInstalledTheNamedFaceIsLeftToTheSystem()
{
    const FontChoices choices(FontSystem::Windows, [](std::u16string_view) { return false; });
    CHECK(!choices.anyInstalled());
    const ResolvedFont heavy = choices.resolve({FontRole::ArticleHeavyMincho, 15, FontWeight::Regular});
    CHECK(heavy.family == u"HGP創英ﾌﾟﾚｾﾞﾝｽEB" && heavy.bold);
    CHECK(!choices.resolve({FontRole::Mincho, 12, FontWeight::Regular}).bold);
}

} // namespace

int main()
{
    return velmo::test::runTests({
        TEST_CASE(choicesAskEachFamilyOnceAndStopAtTheFirstInstalled),
        TEST_CASE(withNothingInstalledTheNamedFaceIsLeftToTheSystem),
    });
}
