// The page in the browser: composes one page, fetches its four pictures from
// the site's folder and checks them with the core before the browser decodes
// them, sets the labels in the core's lines, shows the page, and then runs
// the page's one loop over the user's clicks and shortcuts until the page is
// closed or an error no command deals with ends it. The site's address with
// ?fixed shows the fixed page of the screenshots (tools/fixedrandomsource.h)
// instead of a random one.

#include "browserevents.h"
#include "canvasmeasurer.h"
#include "composer.h"
#include "dom.h"
#include "errorguard.h"
#include "fixedrandomsource.h"
#include "pagecontroller.h"
#include "picturefetch.h"
#include "picturefiles.h"
#include "pageview.h"
#include "randomsource.h"
#include "uitexts.h"
#include "webfonts.h"
#include "webplatform.h"

#include <vector>

namespace {

using namespace velmo;
using namespace velmo::web;

bool fixedPageAsked()
{
    const val query = val::global("URLSearchParams").new_(val::global("location")["search"]);
    return query.call<bool>("has", val("fixed"));
}

PageContent composeNewPage()
{
    if (fixedPageAsked()) {
        FixedRandomSource values(ScreenshotPageValues);
        return composePage(values);
    }
    RandomSource source;
    return composeFreshPage(source);
}

// The folder the page was loaded from, without the slash at its end: the
// pictures lie there, as on the desktop they lie beside the program.
std::u16string siteFolder()
{
    std::u16string folder = asText(val::global("URL").new_(val("."), document()["baseURI"])["href"]);
    if (!folder.empty() && folder.back() == u'/') {
        folder.pop_back();
    }
    return folder;
}

// The caption each label shows on this page.
std::u16string_view captionOf(const PageElement& label, const PageContent& page)
{
    switch (label.id) {
    case ElementId::BigHeadline:
        return page.headline;
    case ElementId::MainArticle:
        return page.article;
    case ElementId::TopicColumn:
        return page.topicColumn;
    default:
        return label.caption;
    }
}

// Starts loading what the page's texts need of the web fonts, and of the face
// the page names where the browser has it: each family on its own, so that a
// face that is not installed does not cut the waiting for the others short.
val loadFonts(const PageContent& page)
{
    val loads = val::array();
    const auto load = [&loads](const FontStyle& style, std::u16string_view text) {
        for (const std::u16string_view family : {fontFamily(style.role), webFontRole(style.role).family}) {
            const std::u16string font = (cssBold(style) ? u"bold " : u"") + cssPixels(style.pixelSize) + u" \"" + std::u16string(family) + u'"';
            loads.call<void>("push", BrowserEvents::settled(document()["fonts"].call<val>("load", val(font), val(std::u16string(text)))));
        }
    };
    for (const PageElement& row : PageElements) {
        if (row.kind == ElementKind::Label) {
            load(row.font, captionOf(row, page));
        }
    }
    std::u16string menu;
    for (const MenuItem& item : PageMenu) {
        menu += item.caption;
    }
    load(WindowFont, menu + std::u16string(ShortcutPrefix) + std::u16string(OkButton) + std::u16string(CancelButton));
    return val::global("Promise").call<val>("all", loads);
}

// Composes the page and fills it in; the page stays hidden. A picture that
// is missing or is no bitmap the page can draw throws, naming its file, and
// the page is never shown.
void loadPage(PageView& view)
{
    const PageContent page = composeNewPage();
    const std::array<PagePicture, 4> pictures = pagePictures(page, siteFolder());
    std::vector<PictureFetch> fetches;
    fetches.reserve(pictures.size());
    for (const PagePicture& picture : pictures) {
        fetches.emplace_back(hostFileName(picture.fileName));
    }
    const val fonts = loadFonts(page);
    for (PictureFetch& fetch : fetches) {
        fetch.receive();
    }

    // In the desktop's loading order, so that the first picture that fails
    // is the one reported.
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const CheckedPicture checked = fetches[i].read();
        view.setPicture(pictures[i].box, pictureUrl(checked), checked.layout.width, checked.layout.height, pictures[i].name);
    }
    std::vector<val> decoded;
    for (const PagePicture& picture : pictures) {
        decoded.push_back(BrowserEvents::settled(view.picture(picture.box).call<val>("decode")));
    }

    // The browser decodes the pictures off the page's thread, so the labels
    // are measured and set meanwhile rather than after.
    fonts.await();
    CanvasMeasurer measurer;
    for (const PageElement& row : PageElements) {
        if (row.kind == ElementKind::Label) {
            view.setCaption(row.id, captionOf(row, page), measurer);
        }
    }

    for (std::size_t i = 0; i < pictures.size(); ++i) {
        if (BrowserEvents::failed(decoded[i].await())) {
            throw RuntimeError(pictureErrorText(PictureNotDecoded, fetches[i].address()));
        }
    }
}

} // namespace

int main()
{
    PageView view;
    WebPlatform platform(view);
    PageController controller(platform);
    const bool loaded = runGuarded(platform, [&view] { loadPage(view); });
    if (loaded) {
        view.show();
        while (!platform.closed()) {
            const PageInput input = view.nextInput();
            const bool handled = runGuarded(platform, [&controller, &input] {
                if (input.kind == PageInput::Kind::Click) {
                    controller.click(input.element);
                } else {
                    controller.runCommand(input.command);
                }
            });
            if (!handled) {
                break;
            }
        }
    }
    // Closed, or ended by an error: the page is gone, and the window stays
    // empty until it is reloaded.
    view.remove();
    return loaded && platform.closed() ? 0 : 1;
}
