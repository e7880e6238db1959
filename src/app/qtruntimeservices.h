#pragma once

#include "picturereader.h"
#include "runtimeservices.h"

#include <QPointer>
#include <QWidget>

#include <memory>

namespace velmo {

// The runtime services on the real desktop, with Qt's widgets, image reader
// and print support.
class QtRuntimeServices : public RuntimeServices {
public:
    // Pictures whose header claims more pixels than this are refused before
    // anything is decoded: 4096 x 4096 is far beyond any page picture.
    static constexpr qint64 MaxPicturePixels = 4096LL * 4096LL;

    QtRuntimeServices();
    ~QtRuntimeServices() override;

    // The window that message boxes are centred on; none before it exists.
    void setPageWindow(QWidget* window) { m_pageWindow = window; }

    MessageAnswer messageBox(const QString& prompt, MessageStyle style, const QString& title) override;
    void popupMenu(QMenu& menu) override;
    QString executableFolder() override;
    QImage loadPicture(const QString& fileName) override;
    QPrinter& currentPrinter() override;
    void showPrinterSetup(QWidget& parent) override;
    void printWindow(QWidget& window) override;
    void setBorderStyle(QWidget& window, BorderStyle style) override;
    void reportUnhandledError(const QString& message) override;

private:
    QPointer<QWidget> m_pageWindow;
    // Made on first use: looking up the system's printers takes time that the
    // start of the program should not pay.
    std::unique_ptr<QPrinter> m_printer;
};

} // namespace velmo
