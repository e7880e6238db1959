#pragma once

#include "app/runtimeservices.h"

#include <QHash>
#include <QImage>
#include <QPrinter>
#include <QSize>
#include <QStringList>

#include <deque>
#include <functional>
#include <memory>

namespace velmo::test {

// Runtime services for tests. Every call is appended to calls() as one line
// ("messageBox|<title>|<style>|<prompt>", "popupMenu", "loadPicture|<file>",
// "showPrinterSetup", "printWindow", "setBorderStyle|<n>",
// "reportUnhandledError|<message>") and answered from what the test scripted.
class ScriptedRuntimeServices : public RuntimeServices {
public:
    ScriptedRuntimeServices();
    ~ScriptedRuntimeServices() override;

    QStringList calls;

    // Answers of the next message boxes, in order; OK once they run out.
    std::deque<MessageAnswer> answers;
    // Runs inside popupMenu, for example to trigger one of the menu's items.
    std::function<void(QMenu&)> onPopupMenu;
    // Runs inside showPrinterSetup in place of the dialog.
    std::function<void(QPrinter&)> onPrinterSetup;
    // Runs inside printWindow; by default the window is printed for real on
    // the current printer.
    std::function<void(QWidget&)> onPrintWindow;

    QString folder = QStringLiteral("/velmo");
    // Pictures by file name; a name not listed gets a plain picture of
    // defaultPictureSize. Names in failingPictures throw like a missing file.
    QHash<QString, QImage> pictures;
    QStringList failingPictures;
    QSize defaultPictureSize{93, 101};

    MessageAnswer messageBox(const QString& prompt, MessageStyle style, const QString& title) override;
    void popupMenu(QMenu& menu) override;
    QString executableFolder() override;
    QImage loadPicture(const QString& fileName) override;
    QPrinter& currentPrinter() override;
    void showPrinterSetup(QWidget& parent) override;
    void printWindow(QWidget& window) override;
    void setBorderStyle(QWidget& window, int style) override;
    void reportUnhandledError(const QString& message) override;

    // The calls whose line starts with prefix.
    QStringList callsStartingWith(const QString& prefix) const;

private:
    std::unique_ptr<QPrinter> m_printer;
};

} // namespace velmo::test
