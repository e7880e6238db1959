#include "startup.h"

#include "errorguard.h"
#include "placement.h"
#include "programinfo.h"
#include "pagefonts.h"
#include "pagewindow.h"
#include "qttext.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QIcon>
#include <QImageReader>
#include <QLibraryInfo>
#include <QLocale>
#include <QPixmap>
#include <QScreen>
#include <QThread>
#include <QTranslator>
#include <QtGui/qguiapplication_platform.h>
#include <QtMath>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>
#include <xcb/xcb.h>

namespace velmo {

namespace {

// The page's roles for assistive technology: the labels are static text
// named by their caption, the window a frame named by its title (left to
// Qt it would be an anonymous filler). Qt reports a picture box, a label
// with a picture, as a graphic named by its accessible name.
QAccessibleInterface* pageElementInterface(const QString& className, QObject* object)
{
    if (className == QLatin1String("velmo::PageLabel")) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::StaticText);
    }
    if (className == QLatin1String("velmo::PageWindow")) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    }
    return nullptr;
}

} // namespace

void configureApplication(QApplication& application)
{
    application.setApplicationName(qt(ApplicationName));
    application.setApplicationVersion(qt(ApplicationVersion));
    // The name of the installed desktop entry, so that the desktop shows the
    // window with the entry's name and icon.
    application.setDesktopFileName(QString::fromLatin1(ApplicationId));
    // Read as PNG by name: QIcon::addFile would have Qt load every image
    // format plugin to find out what the files are.
    QIcon icon;
    for (const QString& file : {QStringLiteral(":/icons/velmo-newspaper-16.png"), QStringLiteral(":/icons/velmo-newspaper-32.png")}) {
        QImageReader reader(file, "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    application.setWindowIcon(icon);

    // The whole page is Japanese, so the standard dialogs are too, whatever
    // the user's own language.
    auto* translator = new QTranslator(&application);
    if (translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator);
    }

    QAccessible::installFactory(pageElementInterface);
    // Without a Japanese font the page, its menu and its dialogs show empty
    // boxes. The line is in English as well: the terminal may lack the font too.
    if (!japaneseFontInstalled()) {
        qWarning("velmo-newspaper: 日本語のフォントがありません (no Japanese font is installed): "
                 "install the package fonts-ipafont-gothic");
    }
}

std::future<PageWindow::Contents> readPageInBackground(RandomSource& random)
{
    const QString folder = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    return std::async(std::launch::async, [&random, folder] {
        // Qt's list of installed fonts is shared by every thread and made on
        // first use, which would otherwise be in the page's first paint.
        QFontDatabase::families();
        return PageWindow::read(random, folder);
    });
}

bool loadPage(PageWindow& window, std::future<PageWindow::Contents>& pending, Platform& platform)
{
    return runGuarded(platform, [&] { window.setContents(pending.get()); });
}

namespace {

// The window manager's frame around the window, in X11 pixels, asked for
// before the window is mapped. Under X11 the manager draws the frame, and its
// size is known only once the manager has framed the window; moving the
// window after it has appeared would make it jump before the user's eyes.
// Instead the window asks for its frame extents with
// _NET_REQUEST_FRAME_EXTENTS, which the manager answers by setting
// _NET_FRAME_EXTENTS on the still unmapped window, and the window is mapped
// once, where it belongs. Managers that do not offer this (and a display
// without a manager) get no frame: the client area itself is centred then.
QMargins requestFrameExtents(QWidget& window)
{
    // Other platforms, the offscreen one among them, may offer the X11
    // interface without an X connection behind it.
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    if (connection == nullptr) {
        return {};
    }
    const auto atom = [connection](const char* name) {
        const xcb_intern_atom_cookie_t cookie = xcb_intern_atom(connection, 0, std::strlen(name), name);
        const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
            xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
        return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    };
    const auto property = [connection](xcb_window_t owner, xcb_atom_t name, xcb_atom_t type, std::uint32_t length) {
        const xcb_get_property_cookie_t cookie = xcb_get_property(connection, 0, owner, name, type, 0, length);
        std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
            xcb_get_property_reply(connection, cookie, nullptr), &std::free);
        std::vector<std::uint32_t> values;
        if (reply && reply->format == 32) {
            const auto* data = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
            values.assign(data, data + xcb_get_property_value_length(reply.get()) / 4);
        }
        return values;
    };

    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const xcb_atom_t request = atom("_NET_REQUEST_FRAME_EXTENTS");
    const std::vector<std::uint32_t> supported = property(root, atom("_NET_SUPPORTED"), XCB_ATOM_ATOM, 1024);
    if (request == XCB_ATOM_NONE || std::find(supported.begin(), supported.end(), request) == supported.end()) {
        return {};
    }

    const auto id = static_cast<xcb_window_t>(window.winId());
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = id;
    message.type = request;
    xcb_send_event(connection, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);

    // The manager answers within a millisecond or two; a manager that has
    // gone away but left its list of features behind never does.
    const xcb_atom_t extents = atom("_NET_FRAME_EXTENTS");
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 200) {
        const std::vector<std::uint32_t> sides = property(id, extents, XCB_ATOM_CARDINAL, 4);
        if (sides.size() == 4) {
            return {int(sides[0]), int(sides[2]), int(sides[1]), int(sides[3])};
        }
        QThread::usleep(250);
    }
    return {};
}

} // namespace

void showCentred(PageWindow& window)
{
    // Wayland compositors place windows themselves.
    if (QGuiApplication::platformName() == u"wayland") {
        window.show();
        return;
    }
    QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen != nullptr) {
        const QMargins native = requestFrameExtents(window);
        const qreal ratio = screen->devicePixelRatio();
        const QMargins frame(qCeil(native.left() / ratio), qCeil(native.top() / ratio), qCeil(native.right() / ratio),
                             qCeil(native.bottom() / ratio));
        const QRect area = screen->availableGeometry();
        const QSize framed = window.size().grownBy(frame);
        const Point placed = centredFramePosition({area.x(), area.y(), area.width(), area.height()}, framed.width(), framed.height());
        const QPoint frameTopLeft(placed.x, placed.y);
        // The client area's place: with its frame known, the position does
        // not depend on how the manager reads a frame-inclusive one.
        window.setGeometry(QRect(frameTopLeft + QPoint(frame.left(), frame.top()), window.size()));
    }
    window.show();
}

} // namespace velmo
