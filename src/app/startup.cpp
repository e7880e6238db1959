#include "startup.h"

#include "composer/draws.h"
#include "pageaccessibility.h"
#include "pagefonts.h"
#include "pagewindow.h"
#include "runtimeservices.h"

#include <QApplication>
#include <QCursor>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTranslator>

namespace velmo {

void configureApplication(QApplication& application)
{
    application.setApplicationName(QString::fromLatin1(ApplicationName));
    application.setApplicationVersion(QString::fromLatin1(ApplicationVersion));
    // The name of the installed desktop entry, so that the desktop shows the
    // window with the entry's name and icon.
    application.setDesktopFileName(QStringLiteral(VELMO_APP_ID));
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

    installFontStandIns();
    installPageAccessibility();
}

bool loadPage(PageWindow& window, RandomSource& random, RuntimeServices& services)
{
    try {
        window.Form_Load(random);
        return true;
    } catch (const FloatingPointError& error) {
        services.reportUnhandledError(QStringLiteral("浮動小数点演算でエラーが発生しました（%1）。").arg(QString::fromUtf8(error.what())));
    } catch (const std::exception& error) {
        services.reportUnhandledError(QString::fromUtf8(error.what()));
    }
    return false;
}

void showCentred(PageWindow& window)
{
    QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen != nullptr) {
        QRect frame(QPoint(0, 0), window.size());
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
    window.show();
}

} // namespace velmo
