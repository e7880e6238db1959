#include "check.h"
#include "errorguard.h"
#include "pagecontroller.h"
#include "placement.h"
#include "text.h"
#include "scriptedplatform.h"

#include <climits>
#include <functional>
#include <new>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

using namespace velmo;
using velmo::test::ScriptedPlatform;
using Calls = std::vector<std::string>;

namespace {

const std::string ConfirmBox = "messageBox|印刷|33|印刷を開始します。いいですか？";
const std::string FailureBox = "messageBox|印刷エラー|48|エラーです。プリンタの電源、インク、用紙などをチェックしてください。";
const Calls Printed = {ConfirmBox, "setBorderStyle|0", "printPage", "setBorderStyle|1"};
const Calls Greeting = {
    "messageBox|秘密…|48|おお！すごいすごい！よくここがわかったねぇ。",
    "messageBox|秘密…|48|いちおう裏技なんだ。コレ。",
    "messageBox|秘密…|48|ま、これからもこのソフトを愛用してね。",
    "messageBox|秘密…|48|by.Pellam(Velmo)より",
};

void everyElementOpensTheMenuOnce()
{
    for (const PageElement& element : PageElements) {
        ScriptedPlatform platform;
        PageController page(platform);
        page.click(element.id);
        CHECK_EQ(platform.calls, Calls{"popupMenu"});
        // Only the big headline counts its clicks.
        CHECK_EQ(page.hiddenMessage().headlineClickCount(), element.id == ElementId::BigHeadline ? 1 : 0);
    }
}

void hiddenGreetingAfterExactlySevenHeadlineClicks()
{
    for (const int clicks : {6, 7, 8}) {
        ScriptedPlatform platform;
        PageController page(platform);
        for (int i = 0; i < clicks; ++i) {
            page.click(ElementId::BigHeadline);
        }
        // Clicks elsewhere, a dismissed menu and the greeting itself leave
        // the count alone.
        page.click(ElementId::MainArticle);
        platform.calls.clear();
        page.click(ElementId::SmallHeadline);
        page.click(ElementId::SmallHeadline);
        const Calls expected = clicks == 7 ? [] { Calls twice = Greeting; twice.insert(twice.end(), Greeting.begin(), Greeting.end()); return twice; }()
                                           : Calls{"popupMenu", "popupMenu"};
        CHECK_EQ(platform.calls, expected);
        CHECK_EQ(page.hiddenMessage().headlineClickCount(), clicks);
    }

    // The count stops at its top instead of wrapping round (some two
    // thousand million clicks, a second or two).
    HiddenMessage hidden;
    for (long long click = 0; click <= INT_MAX; ++click) {
        hidden.countHeadlineClick();
    }
    CHECK_EQ(hidden.headlineClickCount(), INT_MAX);
    CHECK(!hidden.isDue());
}

void printAsksFirstAndRestoresTheBorder()
{
    ScriptedPlatform platform;
    PageController page(platform);
    platform.answers = {MessageAnswer::Cancel};
    page.runCommand(Command::Print);
    CHECK_EQ(platform.calls, Calls{ConfirmBox});

    platform.calls.clear();
    page.runCommand(Command::Print);
    CHECK_EQ(platform.calls, Printed);

    // A failing print is reported once, the border comes back either way,
    // and the next print works again.
    Calls failed = Printed;
    failed.push_back(FailureBox);
    const std::vector<std::pair<std::function<void()>, Calls>> outcomes = {
        {[] { throw RuntimeError(u"プリンタが見つかりません。"); }, failed},
        {[] { throw std::bad_alloc(); }, failed},
        // Cancelled on the way (the file name of a print to a file): no box.
        {[] { throw PrintCancelled(); }, Printed},
        {nullptr, Printed},
    };
    for (const auto& [onPrintPage, expected] : outcomes) {
        platform.calls.clear();
        platform.onPrintPage = onPrintPage;
        page.runCommand(Command::Print);
        CHECK_EQ(platform.calls, expected);
    }
}

void guardReportsWhatEscapesOnce()
{
    ScriptedPlatform platform;
    CHECK(runGuarded(platform, [] {}));
    CHECK(platform.calls.empty());
    CHECK(!runGuarded(platform, [] { throw RuntimeError(u"画像ファイルが見つかりません。\n/x/広告7.bmp"); }));
    CHECK(!runGuarded(platform, [] { throw std::bad_alloc(); }));
    CHECK(!runGuarded(platform, [] { throw 7; }));
    CHECK_EQ(platform.calls, (Calls{"reportUnhandledError|画像ファイルが見つかりません。\n/x/広告7.bmp",
                                    "reportUnhandledError|std::bad_alloc", "reportUnhandledError|不明なエラーです。"}));
    // A command that fails inside the guard ends there too.
    platform.calls.clear();
    platform.choices = {Command::PrintOption};
    platform.onPrinterSetup = [] { throw std::logic_error("dialog"); };
    PageController page(platform);
    CHECK(!runGuarded(platform, [&page] { page.click(ElementId::Caption); }));
    CHECK_EQ(platform.calls, (Calls{"popupMenu", "showPrinterSetup", "reportUnhandledError|dialog"}));
}

void setupThatCannotBeShownIsReported()
{
    ScriptedPlatform platform;
    PageController page(platform);
    platform.onPrinterSetup = [] { throw RuntimeError(u"プリンタがインストールされていません。"); };
    page.runCommand(Command::PrintOption);
    CHECK_EQ(platform.calls, (Calls{"showPrinterSetup", "messageBox|印刷設定|48|プリンタがインストールされていません。"}));
}

void windowPlacement()
{
    // Centred on the available area, wherever on the desktop it lies.
    CHECK_EQ(centredFramePosition({0, 0, 1024, 768}, 337, 470), (Point{343, 149}));
    CHECK_EQ(centredFramePosition({1920, 40, 1280, 984}, 337, 470), (Point{2391, 297}));
    // A frame larger than the area keeps its title bar and left edge on it,
    // below a top panel and right of a left one.
    CHECK_EQ(centredFramePosition({1920, 40, 300, 400}, 337, 470), (Point{1920, 40}));
    CHECK_EQ(centredFramePosition({-1280, -200, 300, 400}, 337, 470), (Point{-1280, -200}));
}

void printedPagePlacement()
{
    // 327 x 440 pixels scaled by 2 and by 3, centred on the printable area
    // wherever it starts.
    CHECK_EQ(fittedPage(327, 440, {0, 0, 654, 1000}), (RectF{0, 60, 654, 880}));
    CHECK_EQ(fittedPage(327, 440, {100, 50, 1500, 1320}), (RectF{359.5, 50, 981, 1320}));
    // At 1.25 dots a page pixel, a box that starts where the portrait ends
    // (105) still starts where it ends (131), and characters 3 pixels wide
    // start at their rounded places: 0, 4, 8 (7.5) and end at 11.
    CHECK_EQ(scaledRect({8, 80, 97, 105}, 1.25), (Rect{10, 100, 121, 131}));
    CHECK_EQ(scaledRect({105, 185, 7, 7}, 1.25), (Rect{131, 231, 9, 9}));
    CHECK_EQ(scaledAdvances({3, 3, 3}, 1.25), (std::vector<int>{4, 4, 3}));
}

void tabGoesRoundThePictureBoxes()
{
    using enum ElementId;
    CHECK(nextTabStop(std::nullopt, TabDirection::Forward) == Portrait);
    CHECK(nextTabStop(std::nullopt, TabDirection::Backward) == Ad2);
    CHECK(nextTabStop(Portrait, TabDirection::Forward) == Ad0);
    CHECK(nextTabStop(Ad2, TabDirection::Forward) == Portrait);
    CHECK(nextTabStop(Portrait, TabDirection::Backward) == Ad2);
    CHECK(nextTabStop(MainArticle, TabDirection::Forward) == Portrait);
}

void textConversions()
{
    // The printer's failures name the printer and give the system's words.
    CHECK_EQ(printerFailureText(PrinterFailure::CannotStart, u"PDF", u"拒否"), std::u16string(u"プリンタ「PDF」で印刷を開始できません（拒否）。"));
    CHECK_EQ(printerFailureText(PrinterFailure::NotFound), std::u16string(u"プリンタが見つかりません。"));
    const std::u16string text = u"印刷\r𠀋a";
    CHECK_EQ(fromUtf8(toUtf8(text)), text);
    CHECK_EQ(toUtf8(u"\xD800x"), std::string("\xEF\xBF\xBDx"));
    CHECK_EQ(fromUtf8("\xC0\xAF\xE3\x81"), std::u16string(u"\xFFFD\xFFFD\xFFFD\xFFFD"));
    CHECK_EQ(std::string(RuntimeError(u"画像").what()), std::string("画像"));
}

} // namespace

int main()
{
    return velmo::test::runTests({
        TEST_CASE(everyElementOpensTheMenuOnce),
        TEST_CASE(hiddenGreetingAfterExactlySevenHeadlineClicks),
        TEST_CASE(printAsksFirstAndRestoresTheBorder),
        TEST_CASE(setupThatCannotBeShownIsReported),
        TEST_CASE(guardReportsWhatEscapesOnce),
        TEST_CASE(windowPlacement),
        TEST_CASE(printedPagePlacement),
        TEST_CASE(tabGoesRoundThePictureBoxes),
        TEST_CASE(textConversions),
    });
}
