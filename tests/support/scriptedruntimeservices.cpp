#include "scriptedruntimeservices.h"

#include "printing/pageprinter.h"

#include <QWidget>

namespace velmo::test {

ScriptedRuntimeServices::ScriptedRuntimeServices() = default;
ScriptedRuntimeServices::~ScriptedRuntimeServices() = default;

MessageAnswer ScriptedRuntimeServices::messageBox(const QString& prompt, MessageStyle style, const QString& title)
{
    calls.append(QStringLiteral("messageBox|%1|%2|%3").arg(title).arg(static_cast<int>(style)).arg(prompt));
    if (answers.empty()) {
        return MessageAnswer::Ok;
    }
    const MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

void ScriptedRuntimeServices::popupMenu(QMenu& menu)
{
    calls.append(QStringLiteral("popupMenu"));
    if (onPopupMenu) {
        onPopupMenu(menu);
    }
}

QString ScriptedRuntimeServices::executableFolder()
{
    return folder;
}

QImage ScriptedRuntimeServices::loadPicture(const QString& fileName)
{
    calls.append(QStringLiteral("loadPicture|") + fileName);
    if (failingPictures.contains(fileName)) {
        throw RuntimeError(("画像ファイルが見つかりません。\n" + fileName).toStdString());
    }
    const auto found = pictures.constFind(fileName);
    if (found != pictures.constEnd()) {
        return *found;
    }
    QImage picture(defaultPictureSize, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    return picture;
}

QPrinter& ScriptedRuntimeServices::currentPrinter()
{
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    return *m_printer;
}

void ScriptedRuntimeServices::showPrinterSetup(QWidget&)
{
    calls.append(QStringLiteral("showPrinterSetup"));
    if (onPrinterSetup) {
        onPrinterSetup(currentPrinter());
    }
}

void ScriptedRuntimeServices::printWindow(QWidget& window)
{
    calls.append(QStringLiteral("printWindow"));
    if (onPrintWindow) {
        onPrintWindow(window);
    } else {
        printPage(window, currentPrinter());
    }
}

void ScriptedRuntimeServices::setBorderStyle(QWidget& window, int style)
{
    calls.append(QStringLiteral("setBorderStyle|%1").arg(style));
    window.setProperty("borderStyle", style);
}

void ScriptedRuntimeServices::reportUnhandledError(const QString& message)
{
    calls.append(QStringLiteral("reportUnhandledError|") + message);
}

QStringList ScriptedRuntimeServices::callsStartingWith(const QString& prefix) const
{
    QStringList matching;
    for (const QString& call : calls) {
        if (call.startsWith(prefix)) {
            matching.append(call);
        }
    }
    return matching;
}

} // namespace velmo::test
