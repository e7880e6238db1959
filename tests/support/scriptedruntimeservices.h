#pragma once

#include "app/runtimeservices.h"
#include "printing/pageprinter.h"

#include <QPrinter>
#include <QStringList>
#include <QWidget>

#include <deque>
#include <functional>
#include <memory>

namespace velmo::test {

// What ScriptedRuntimeServices records for the print command's confirmation.
inline const QString ConfirmBox = QStringLiteral("messageBox|印刷|33|印刷を開始します。いいですか？");

// Runtime services for tests. Every call is appended to calls as one line
// ("messageBox|<title>|<style>|<prompt>", "popupMenu", "loadPicture|<file>",
// "showPrinterSetup", "printWindow", "setBorderStyle|<n>",
// "reportUnhandledError|<message>") and answered from what the test scripted.
// The executable's folder is "/velmo".
class ScriptedRuntimeServices : public RuntimeServices {
public:
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
    MessageAnswer messageBox(const QString& prompt, MessageStyle style, const QString& title) override
    {
        calls.append(QStringLiteral("messageBox|%1|%2|%3").arg(title).arg(static_cast<int>(style)).arg(prompt));
        const MessageAnswer answer = answers.empty() ? MessageAnswer::Ok : answers.front();
        if (!answers.empty()) {
            answers.pop_front();
        }
        return answer;
    }

    void popupMenu(QMenu& menu) override
    {
        calls.append(QStringLiteral("popupMenu"));
        if (onPopupMenu) {
            onPopupMenu(menu);
        }
    }

    QString executableFolder() override { return QStringLiteral("/velmo"); }

    QImage loadPicture(const QString& fileName) override
    {
        calls.append(QStringLiteral("loadPicture|") + fileName);
        QImage picture(93, 101, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        return picture;
    }

    QPrinter& currentPrinter() override
    {
        if (!m_printer) {
            m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        }
        return *m_printer;
    }

    void showPrinterSetup(QWidget&) override
    {
        calls.append(QStringLiteral("showPrinterSetup"));
        if (onPrinterSetup) {
            onPrinterSetup(currentPrinter());
        }
    }

    void printWindow(QWidget& window) override
    {
        calls.append(QStringLiteral("printWindow"));
        onPrintWindow ? onPrintWindow(window) : printPage(window, currentPrinter());
    }

    void setBorderStyle(QWidget& window, BorderStyle style) override
    {
        calls.append(QStringLiteral("setBorderStyle|%1").arg(static_cast<int>(style)));
        window.setProperty("borderStyle", QVariant::fromValue(style));
    }

    void reportUnhandledError(const QString& message) override
    {
        calls.append(QStringLiteral("reportUnhandledError|") + message);
    }

private:
    std::unique_ptr<QPrinter> m_printer;
};

} // namespace velmo::test
