// Prints, for each of the page's five font roles, every character that the
// page can ever set in it, so that the build subsets the role's web fonts to
// exactly these (tools/web/makewebfonts). One UTF-8 line per role, fields
// separated by tabs:
//
//   web family, stem of its file names, face the page names, 1 if the
//   stand-ins are drawn bold else 0, the Linux stand-ins separated by commas,
//   the share of an em above the baseline (EmAscent), the characters
//
// The characters come from the core itself: the fixed captions of the layout,
// the tables the headline, article and topic column are drawn from, the menu,
// and the texts of the message boxes, which the tool gathers by running the
// core's commands against a platform that only records. The window's font (the
// gothic) also sets the menu, the boxes and their buttons, and printable ASCII
// for the file addresses that an error box may name.
//
// Usage: velmo-page-characters   (built with Emscripten and run under Node.js)

#include "fontroles.h"
#include "hiddenmessage.h"
#include "pagelayout.h"
#include "pagemenu.h"
#include "pagetexts.h"
#include "picturereading.h"
#include "platform.h"
#include "printcommands.h"
#include "textlayout.h"
#include "programinfo.h"
#include "text.h"
#include "uitexts.h"
#include "webfonts.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

using namespace velmo;

// Answers every box with OK and fails every print and printer setup, so that
// each of the commands shows every box it has; keeps each text shown.
class RecordingPlatform : public Platform {
public:
    std::u16string texts;

    MessageAnswer messageBox(std::u16string_view prompt, MessageStyle, std::u16string_view title) override
    {
        texts += prompt;
        texts += title;
        return MessageAnswer::Ok;
    }
    std::optional<Command> popupMenu() override { return std::nullopt; }
    void setBorderStyle(BorderStyle) override {}
    void printPage() override { throw RuntimeError(u""); }
    void showPrinterSetup() override { throw RuntimeError(u""); }
    void closeWindow() override {}
    void reportUnhandledError(std::u16string_view message) override { texts += message; }
};

std::u16string boxTexts()
{
    RecordingPlatform platform;
    // The failing commands write their cause to standard error, which has
    // nothing to say here; the tool writes nothing else there. Should it
    // stay open, the lines only end up in the build's log.
    static_cast<void>(std::freopen("/dev/null", "w", stderr));
    HiddenMessage().showGreeting(platform);
    PrintCommands commands(platform);
    commands.print();
    commands.printerSetup();

    std::u16string texts = platform.texts + unhandledErrorText(u"") + std::u16string(ApplicationName);
    // The causes of the two picture failures a user meets most: a missing
    // file, and a file that is no bitmap.
    const std::vector<std::vector<std::uint8_t>> pictures = {{}, {'G', 'I', 'F', '8', '9', 'a', 0, 0, 0, 0}};
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        MemoryPictureFile file = i == 0 ? MemoryPictureFile() : MemoryPictureFile(pictures[i]);
        try {
            readPicture(file, u"");
        } catch (const RuntimeError& error) {
            texts += error.message();
        }
    }
    return texts;
}

std::u16string menuTexts()
{
    std::u16string texts;
    for (const MenuItem& item : PageMenu) {
        texts += item.caption;
        if (item.shortcutLetter != 0) {
            texts += std::u16string(web::ShortcutPrefix) + item.shortcutLetter;
        }
    }
    return texts + fromUtf8(PageMenuName);
}

// Everything the page may set in each role: what its labels can show, and
// in the window's font the menu, the boxes and their buttons.
std::array<std::u16string, 5> roleTexts()
{
    std::array<std::u16string, 5> texts = labelTextsByRole();
    std::u16string window = menuTexts() + boxTexts();
    for (const std::u16string_view text : {web::OkButton, web::CancelButton, web::CloseButtonName, web::PrinterSetupTitle,
                                           web::PrinterSetupNote, web::PictureNotDecoded,
                                           web::PrintingUnavailable}) {
        window += text;
    }
    for (char16_t c = u' '; c <= u'~'; ++c) {
        window += c;
    }
    texts[static_cast<std::size_t>(WindowFont.role)] += window;
    return texts;
}

} // namespace

int main()
{
    const std::array<std::u16string, 5> texts = roleTexts();
    for (const web::WebFontRole& role : web::WebFontRoles) {
        const std::vector<FaceCandidate> candidates = faceCandidates(role.role, FontSystem::Linux);
        std::u16string standIns;
        for (std::size_t i = 1; i < candidates.size(); ++i) {
            standIns += (i == 1 ? u"" : u",") + std::u16string(candidates[i].family);
        }
        const std::u16string line = std::u16string(role.family) + u'\t' + std::u16string(role.fileStem) + u'\t'
            + std::u16string(candidates.front().family) + u'\t'
            + (web::standInsDrawnBold(role.role) ? u"1" : u"0") + u'\t' + standIns + u'\t' + fromUtf8(std::to_string(EmAscent)) + u'\t'
            + distinctCharacters(texts[static_cast<std::size_t>(role.role)]) + u'\n';
        const std::string utf8 = toUtf8(line);
        std::fwrite(utf8.data(), 1, utf8.size(), stdout);
    }
    return 0;
}
