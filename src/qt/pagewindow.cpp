#include "pagewindow.h"

#include "composer.h"
#include "errorguard.h"
#include "picturefiles.h"
#include "programinfo.h"
#include "pagefonts.h"
#include "pagelabel.h"
#include "picturereader.h"
#include "qttext.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QLabel>
#include <QMouseEvent>
#include <QShortcut>

#include <algorithm>

namespace velmo {

namespace {

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
    , m_platform(platform)
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

void PageWindow::createElements()
{
    // Created in the table's order, from the top of the page down: along the
    // one-pixel overlaps the later element is drawn on top, and the picture
    // boxes, the only elements that take the focus, get their tab order.
    for (const PageElement& row : PageElements) {
        QWidget* element = nullptr;
        if (row.kind == ElementKind::Label) {
            auto* label = new PageLabel(row.font, this);
            label->setCaption(qt(row.caption));
            element = label;
        } else {
            // A two-pixel sunken frame, as picture boxes have on the classic
            // desktop, around a picture at its natural size from the top-left
            // corner. Screen readers see a graphic named by its picture.
            auto* box = new QLabel(this);
            box->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
            box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            element = box;
        }
        element->setObjectName(qt(row.name));
        element->setGeometry(toQRect(row.rect));
        element->setFocusPolicy(row.focus == Focus::Tab ? Qt::StrongFocus : Qt::NoFocus);
        QPalette palette = element->palette();
        palette.setColor(QPalette::Window, colour(row.background));
        palette.setColor(QPalette::WindowText, colour(row.foreground));
        element->setPalette(palette);
        element->setAutoFillBackground(true);
        if (row.index >= 0) {
            element->setProperty("Index", static_cast<std::int16_t>(row.index));
        }
        element->installEventFilter(this);
        m_elements[static_cast<std::size_t>(row.id)] = element;
    }
}

void PageWindow::createMenu()
{
    m_menu.setObjectName(QString::fromLatin1(PageMenuName));
    m_menu.setTitle(QString::fromLatin1(PageMenuName));

    for (const MenuItem& item : PageMenu) {
        QAction* action = item.kind == MenuItemKind::Separator ? m_menu.addSeparator() : m_menu.addAction(qt(item.caption));
        action->setObjectName(QString::fromLatin1(item.name));
        if (item.kind == MenuItemKind::Separator) {
            continue;
        }
        const QKeySequence key(Qt::CTRL | Qt::Key(item.shortcutLetter));
        // Shown beside the caption; inside the open pop-up the access keys
        // choose, so the action's own shortcut stays with the menu.
        action->setShortcut(key);
        action->setShortcutContext(Qt::WidgetShortcut);
        action->setShortcutVisibleInContextMenu(true);
        // The shortcuts also work while the pop-up is closed.
        auto* shortcut = new QShortcut(key, this);
        shortcut->setObjectName(action->objectName());
        connect(shortcut, &QShortcut::activated, this, [this, command = item.command] {
            runGuardedEvent([this, command] { m_controller.runCommand(command); });
        });
    }
}

bool PageWindow::eventFilter(QObject* watched, QEvent* event)
{
    const auto found = std::find(m_elements.begin(), m_elements.end(), watched);
    // A press soon after the last one arrives as a double click; to the page
    // it is just the press of the next click.
    const bool press = event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    if (found == m_elements.end() || (!press && event->type() != QEvent::MouseButtonRelease)) {
        return QWidget::eventFilter(watched, event);
    }
    // A click is a press and a release of the left or the right button over
    // one element. An accepted press keeps the release with its element.
    const auto& mouse = static_cast<const QMouseEvent&>(*event);
    if (press) {
        const bool clickButton = mouse.button() == Qt::LeftButton || mouse.button() == Qt::RightButton;
        m_pressedButton = clickButton ? mouse.button() : m_pressedButton;
        return clickButton;
    }
    if (mouse.button() != m_pressedButton) {
        return false;
    }
    m_pressedButton = Qt::NoButton;
    if ((*found)->rect().contains(mouse.position().toPoint())) {
        runGuardedEvent([this, id = static_cast<ElementId>(found - m_elements.begin())] { m_controller.click(id); });
    }
    return false;
}

void PageWindow::runGuardedEvent(const std::function<void()>& event)
{
    if (!runGuarded(m_platform, event)) {
        // The box has been shown. exit() ends every loop of the thread,
        // also one still running below this event, and makes any later one
        // return at once, so that no further box opens.
        close();
        QCoreApplication::exit(1);
    }
}

PageWindow::Contents PageWindow::read(RandomSource& source, const QString& folder)
{
    Contents contents{composeFreshPage(source), {}};
    const std::array<PagePicture, 4> pictures = pagePictures(contents.page, u16(folder));
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        contents.pictures[i] = {pictures[i], readPictureFile(qt(hostFileName(pictures[i].fileName)))};
    }
    return contents;
}

void PageWindow::setContents(const Contents& contents)
{
    static_cast<PageLabel&>(element(ElementId::BigHeadline)).setCaption(qt(contents.page.headline));
    static_cast<PageLabel&>(element(ElementId::MainArticle)).setCaption(qt(contents.page.article));
    static_cast<PageLabel&>(element(ElementId::TopicColumn)).setCaption(qt(contents.page.topicColumn));
    for (const auto& [picture, image] : contents.pictures) {
        // Only the part inside the frame can ever be seen, so a large
        // picture keeps no more than that in memory; around a smaller one
        // the box's background shows.
        auto& box = static_cast<QLabel&>(element(picture.box));
        const QSize kept = image.size().boundedTo(box.contentsRect().size());
        box.setPixmap(QPixmap::fromImage(image.copy(QRect(QPoint(0, 0), kept))));
        box.setAccessibleName(qt(picture.name));
    }
}

} // namespace velmo
