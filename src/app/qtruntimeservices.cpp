#include "qtruntimeservices.h"

#include "printing/pageprinter.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

#include <cstdio>

namespace velmo {

namespace {

RuntimeError pictureError(const QString& cause, const QString& fileName)
{
    const QString message = cause + u'\n' + QDir::toNativeSeparators(fileName);
    return RuntimeError(message.toStdString());
}

} // namespace

QtRuntimeServices::QtRuntimeServices() = default;
QtRuntimeServices::~QtRuntimeServices() = default;

MessageAnswer QtRuntimeServices::messageBox(const QString& prompt, MessageStyle style, const QString& title)
{
    QMessageBox box(m_pageWindow);
    box.setWindowTitle(title);
    box.setText(prompt);
    QPushButton* ok = nullptr;
    if (style == MessageStyle::OkCancelQuestion) {
        box.setIcon(QMessageBox::Question);
        ok = box.addButton(QMessageBox::Ok);
        QPushButton* cancel = box.addButton(QMessageBox::Cancel);
        box.setDefaultButton(ok);
        box.setEscapeButton(cancel);
    } else {
        box.setIcon(QMessageBox::Warning);
        ok = box.addButton(QMessageBox::Ok);
        box.setDefaultButton(ok);
        box.setEscapeButton(ok);
    }
    box.exec();
    if (style == MessageStyle::OkExclamation) {
        return MessageAnswer::Ok;
    }
    // Esc and the close button answer Cancel.
    return box.clickedButton() == ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

void QtRuntimeServices::popupMenu(QMenu& menu)
{
    menu.exec(QCursor::pos());
}

QString QtRuntimeServices::executableFolder()
{
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
}

QImage QtRuntimeServices::loadPicture(const QString& fileName)
{
    return readPictureFile(fileName, MaxPicturePixels);
}

QImage readPictureFile(const QString& fileName, qint64 maxPixels)
{
    const QFileInfo info(fileName);
    if (!info.exists()) {
        throw pictureError(QStringLiteral("画像ファイルが見つかりません。"), fileName);
    }
    if (!info.isFile()) {
        throw pictureError(QStringLiteral("画像ファイルの代わりにフォルダなどがあり、読み込めません。"), fileName);
    }
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        throw pictureError(QStringLiteral("画像ファイルを開けません（%1）。").arg(file.errorString()), fileName);
    }

    QImageReader reader(&file);
    // The decoder may not allocate more than a picture of the largest
    // accepted size needs, whatever the file claims.
    reader.setAllocationLimit(static_cast<int>((maxPixels * 4) / (1024 * 1024)) + 1);
    const QSize claimed = reader.size();
    if (claimed.isValid() && static_cast<qint64>(claimed.width()) * claimed.height() > maxPixels) {
        throw pictureError(QStringLiteral("画像が大きすぎるため読み込めません（%1 × %2 ピクセル）。")
                               .arg(claimed.width())
                               .arg(claimed.height()),
                           fileName);
    }
    QImage picture;
    if (!reader.read(&picture) || picture.isNull()) {
        throw pictureError(QStringLiteral("画像ファイルとして読み込めません（%1）。").arg(reader.errorString()), fileName);
    }
    return picture;
}

QPrinter& QtRuntimeServices::currentPrinter()
{
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    return *m_printer;
}

void QtRuntimeServices::showPrinterSetup(QWidget& parent)
{
    QPrintDialog dialog(&currentPrinter(), &parent);
    dialog.setWindowTitle(QStringLiteral("印刷設定"));
    // The dialog writes what the user confirms into the printer only when it
    // is accepted; Cancel leaves it as it was.
    dialog.exec();
}

void QtRuntimeServices::printWindow(QWidget& window)
{
    printPage(window, currentPrinter());
}

void QtRuntimeServices::setBorderStyle(QWidget& window, int style)
{
    window.setProperty("borderStyle", style);
}

void QtRuntimeServices::reportUnhandledError(const QString& message)
{
    const QString text = QStringLiteral("エラーが発生したため、Velmo NewsPaper を終了します。\n\n") + message;
    std::fprintf(stderr, "velmo-newspaper: %s\n", message.toUtf8().constData());
    std::fflush(stderr);
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Velmo NewsPaper"), text, QMessageBox::Ok);
    box.exec();
}

} // namespace velmo
