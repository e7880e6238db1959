#include "pagewindow.h"

#include "composer.h"
#include "picturefiles.h"
#include "programinfo.h"
#include "randomsource.h"
#include "pagefonts.h"
#include "pagelabel.h"
#include "picturebox.h"
#include "picturereader.h"
#include "qttext.h"

#include <QAction>
#include <QDir>
#include <QKeySequence>
#include <QMouseEvent>
#include <QShortcut>

namespace velmo {

namespace {

// Pictures whose header claims more pixels than this are refused before
// anything is decoded: 4096 x 4096 is far beyond any page picture.
constexpr qint64 MaxPicturePixels = 4096LL * 4096LL;

QColor colour(Rgb rgb)
{
    return QColor(rgb.red, rgb.green, rgb.blue);
}

QRect toQRect(const Rect& r)
{
    return QRect(r.x, r.y, r.width, r.height);
}

} // namespace

PageWindow::PageWindow(Platform& platform, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint)
    , m_controller(platform)
    , m_menu(this)
{
    setObjectName(QStringLiteral("frmVelmoNewsPaper"));
    setWindowTitle(qt(ApplicationName));
    setAccessibleDescription(qt(ApplicationDescription));
    setFixedSize(ClientWidth, ClientHeight);

    QPalette page = palette();
    page.setColor(QPalette::Window, colour(PageBackground));
    setPalette(page);
    setAutoFillBackground(true);
    // The window's default font, used by the menu and by every element
    // without a font of its own.
    setFont(pageFont(WindowFont));

    createElements();
    createMenu();
}

PageWindow::~PageWindow() = default;

void PageWindow::createElements()
{
    // Created in the table's order, from the top of the page down: along the
    // one-pixel overlaps the later element is drawn on top, and the picture
    // boxes, the only elements that take the focus, get their tab order.
    for (const PageElement& row : PageElements) {
        QWidget* element = nullptr;
        if (row.kind == ElementKind::Label) {
            auto* label = new PageLabel(this);
            label->setFont(pageFont(row.font));
            label->setCaption(qt(row.caption));
            element = label;
        } else {
            element = new PictureBox(this);
        }
        element->setObjectName(qt(row.name));
        element->setGeometry(toQRect(row.rect));
        element->setFocusPolicy(row.focus == Focus::Tab ? Qt::StrongFocus : Qt::NoFocus);
        QPalette palette = element->palette();
        palette.setColor(QPalette::Window, colour(row.background));
        palette.setColor(QPalette::WindowText, colour(row.foreground));
        element->setPalette(palette);
        if (row.index >= 0) {
            element->setProperty("Index", static_cast<std::int16_t>(row.index));
        }
        element->installEventFilter(this);
        m_elements[static_cast<std::size_t>(row.id)] = element;
    }
}

void PageWindow::createMenu()
{
    m_menu.setObjectName(QString::fromLatin1(PageMenuName.data(), static_cast<qsizetype>(PageMenuName.size())));
    m_menu.setTitle(QString::fromLatin1(PageMenuName.data(), static_cast<qsizetype>(PageMenuName.size())));

    for (const MenuItem& item : PageMenu) {
        QAction* action = item.kind == MenuItemKind::Separator ? m_menu.addSeparator() : m_menu.addAction(qt(item.caption));
        action->setObjectName(QString::fromLatin1(item.name.data(), static_cast<qsizetype>(item.name.size())));
        if (item.kind == MenuItemKind::Separator) {
            continue;
        }
        const QKeySequence key(Qt::CTRL | Qt::Key(item.shortcutLetter));
        // Shown beside the caption; inside the open pop-up the access keys
        // choose, so the action's own shortcut stays with the menu.
        action->setShortcut(key);
        action->setShortcutContext(Qt::WidgetShortcut);
        action->setShortcutVisibleInContextMenu(true);
        action->setData(static_cast<int>(item.command));
        // The shortcuts also work while the pop-up is closed.
        auto* shortcut = new QShortcut(key, this);
        shortcut->setObjectName(action->objectName());
        connect(shortcut, &QShortcut::activated, this, [this, command = item.command] { m_controller.runCommand(command); });
    }
}

std::optional<Command> PageWindow::commandOf(const QAction* action) const
{
    if (action == nullptr || action->isSeparator() || !action->data().isValid()) {
        return std::nullopt;
    }
    return static_cast<Command>(action->data().toInt());
}

bool PageWindow::eventFilter(QObject* watched, QEvent* event)
{
    // A press soon after the last one arrives as a double click; to the page
    // it is just the press of the next click.
    const bool press = event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    if (!press && event->type() != QEvent::MouseButtonRelease) {
        return QWidget::eventFilter(watched, event);
    }
    for (const PageElement& row : PageElements) {
        QWidget* element = m_elements[static_cast<std::size_t>(row.id)];
        if (element != watched) {
            continue;
        }
        ClickGesture& click = m_clicks[static_cast<std::size_t>(row.id)];
        const auto& mouse = static_cast<const QMouseEvent&>(*event);
        if (press) {
            // An accepted press keeps the release with this element.
            return click.press(mouse);
        }
        if (click.release(mouse, element->rect())) {
            m_controller.click(row.id);
        }
        return false;
    }
    return QWidget::eventFilter(watched, event);
}

PageWindow::Contents PageWindow::read(RandomSource& source, const QString& folder)
{
    Contents contents{composeFreshPage(source), {}};
    const std::array<PagePicture, 4> pictures = pagePictures(contents.page, u16(folder));
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        contents.pictures[i] = {pictures[i], readPictureFile(qt(hostFileName(pictures[i].fileName)), MaxPicturePixels)};
    }
    return contents;
}

void PageWindow::setContents(const Contents& contents)
{
    static_cast<PageLabel&>(element(ElementId::BigHeadline)).setCaption(qt(contents.page.headline));
    static_cast<PageLabel&>(element(ElementId::MainArticle)).setCaption(qt(contents.page.article));
    static_cast<PageLabel&>(element(ElementId::TopicColumn)).setCaption(qt(contents.page.topicColumn));
    for (const auto& [picture, image] : contents.pictures) {
        static_cast<PictureBox&>(element(picture.box)).setPicture(image, qt(picture.name));
    }
}

} // namespace velmo
