#pragma once

#include "clickgesture.h"
#include "core/pagecontroller.h"
#include "core/pagelayout.h"
#include "core/platform.h"

#include <QMenu>
#include <QWidget>

#include <array>
#include <optional>

namespace velmo {

class PageLabel;
class PictureBox;
class RandomSource;

// The page window: one fixed 327 x 440 page laid out like a newspaper's front
// page, built from the page layout table. It is filled once by load() and
// never changes afterwards. The window only draws and reports what the user
// does: a click on an element or a menu shortcut goes to the page
// controller, which decides what happens.
class PageWindow : public QWidget {
    Q_OBJECT
    Q_PROPERTY(velmo::BorderStyle borderStyle READ borderStyle WRITE setBorderStyle)

public:
    explicit PageWindow(Platform& platform, QWidget* parent = nullptr);
    ~PageWindow() override;

    // Seeds the source from the clock, composes the page and puts it in
    // place: the three texts, then the four pictures, read from folder, in
    // the order portrait, advertisement 0, 1, 2. Throws RuntimeError on the
    // first picture that cannot be loaded; the boxes after it stay empty and
    // the window must not be shown.
    void load(RandomSource& source, const QString& folder);

    BorderStyle borderStyle() const { return m_borderStyle; }
    void setBorderStyle(BorderStyle style) { m_borderStyle = style; }

    PageController& controller() { return m_controller; }
    QMenu& menu() { return m_menu; }
    // The command of one of the menu's actions, or nothing for the separator.
    std::optional<Command> commandOf(const QAction* action) const;

    QWidget& element(ElementId id) const { return *m_elements[static_cast<std::size_t>(id)]; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createElements();
    void createMenu();

    PageController m_controller;
    BorderStyle m_borderStyle = BorderStyle::FixedSingle;
    std::array<QWidget*, PageElements.size()> m_elements{};
    std::array<ClickGesture, PageElements.size()> m_clicks;
    QMenu m_menu;
};

} // namespace velmo
