// Prints, for each of the page's five font roles, every character that the
// Windows page can set in it, so that the build subsets the fonts the program
// carries to exactly these (tools/web/makewebfonts --format ttf). It prints
// the lines of velmo-page-characters, one UTF-8 line per role, fields
// separated by tabs:
//
//   carried family, stem of its file name, face the page names, 1 if the
//   stand-ins are drawn bold else 0, the Linux faces it is made from
//   separated by commas, the share of an em above the baseline, the characters
//
// The characters are the labels' captions and the tables the headline,
// article and topic column are drawn from. Windows draws the menu and the
// message boxes in its own font; the gothic carries printable ASCII besides.
//
// Usage: velmo-win-font-characters   (run by the build under Wine)

#include "fontroles.h"
#include "pagelayout.h"
#include "pagetexts.h"
#include "text.h"
#include "textlayout.h"

#include <array>
#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <string>

namespace {

using namespace velmo;

// What the Windows page sets in each role: what its labels can show, and
// in the gothic printable ASCII besides; Windows draws the menu and the
// message boxes in its own font.
std::array<std::u16string, 5> roleTexts()
{
    std::array<std::u16string, 5> texts = labelTextsByRole();
    for (char16_t c = u' '; c <= u'~'; ++c) {
        texts[static_cast<std::size_t>(WindowFont.role)] += c;
    }
    return texts;
}

// "Velmo Article Mincho" gives "article-mincho".
std::u16string fileStem(std::u16string_view family)
{
    std::u16string stem(family.substr(family.find(u' ') + 1));
    for (char16_t& c : stem) {
        c = c == u' ' ? u'-' : (c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c);
    }
    return stem;
}

} // namespace

int main()
{
    // The lines end in a line feed alone, as the Linux tool's do.
    _setmode(_fileno(stdout), _O_BINARY);
    const std::array<std::u16string, 5> texts = roleTexts();
    for (const FontFamily& named : FontFamilies) {
        const std::vector<FaceCandidate> linux = faceCandidates(named.role, FontSystem::Linux);
        std::u16string standIns;
        for (std::size_t i = 1; i < linux.size(); ++i) {
            standIns += (i == 1 ? u"" : u",") + std::u16string(linux[i].family);
        }
        const std::u16string_view family = carriedFamily(named.role);
        const std::u16string line = std::u16string(family) + u'\t' + fileStem(family) + u'\t' + std::u16string(named.family)
            + u'\t' + (named.heavyDesign ? u"1" : u"0") + u'\t' + standIns + u'\t' + fromUtf8(std::to_string(EmAscent))
            + u'\t' + distinctCharacters(texts[static_cast<std::size_t>(named.role)]) + u'\n';
        const std::string utf8 = toUtf8(line);
        std::fwrite(utf8.data(), 1, utf8.size(), stdout);
    }
    return 0;
}
