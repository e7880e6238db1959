#pragma once

#include "pagecontent.h"
#include "pagecontroller.h"
#include "pagelayout.h"
#include "picturefiles.h"
#include "platform.h"

#include <QImage>
#include <QMenu>
#include <QWidget>

#include <array>
#include <functional>
#include <utility>

namespace velmo {

class RandomSource;

// The page window: one fixed 327 x 440 page laid out like a newspaper's front
// page, built from the page layout table. It is filled once by setContents() and
// never changes afterwards. The window only draws and reports what the user
// does: a click on an element or a menu shortcut goes to the page
// controller, which decides what happens. Every event it passes on runs
// under the one error guard: an error that no command deals with is
// reported, the window closes and the program ends with status 1.
class PageWindow : public QWidget {
    Q_OBJECT

public:
    explicit PageWindow(Platform& platform, QWidget* parent = nullptr);

    // One page's texts and its four pictures, in the order portrait,
    // advertisement 0, 1, 2.
    struct Contents {
        PageContent page;
        std::array<std::pair<PagePicture, QImage>, 4> pictures;
    };

    // Seeds the source from the clock, composes a page and reads its
    // pictures from folder. Touches no widget, so it may run on another
    // thread while the window is made. Throws RuntimeError on the first
    // picture that cannot be loaded.
    static Contents read(RandomSource& source, const QString& folder);

    // Puts the page in place: the three texts, then the four pictures.
    void setContents(const Contents& contents);

    PageController& controller() { return m_controller; }
    // The pop-up menu, its actions in the order of PageMenu.
    QMenu& menu() { return m_menu; }

    QWidget& element(ElementId id) const { return *m_elements[static_cast<std::size_t>(id)]; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createElements();
    void createMenu();
    void runGuardedEvent(const std::function<void()>& event);

    Platform& m_platform;
    PageController m_controller;
    std::array<QWidget*, PageElements.size()> m_elements{};
    Qt::MouseButton m_pressedButton = Qt::NoButton;
    QMenu m_menu;
};

} // namespace velmo
