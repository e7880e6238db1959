#include "pageprinter.h"

#include "placement.h"
#include "platform.h"
#include "printcommands.h"
#include "programinfo.h"
#include "pagewindow.h"
#include "wintext.h"

#include <cderr.h>
#include <commdlg.h>
#include <winspool.h>

#include <cmath>
#include <cstring>
#include <utility>

namespace velmo {

namespace {

// A copy of a movable memory block; null for none, or when either block
// cannot be locked.
HGLOBAL copyOf(HGLOBAL memory)
{
    const SIZE_T size = memory != nullptr ? GlobalSize(memory) : 0;
    GlobalMemory copy(size > 0 ? GlobalAlloc(GMEM_MOVEABLE, size) : nullptr);
    void* to = copy ? GlobalLock(copy.get()) : nullptr;
    const void* from = to != nullptr ? GlobalLock(memory) : nullptr;
    if (from != nullptr) {
        std::memcpy(to, from, size);
        GlobalUnlock(memory);
    }
    if (to != nullptr) {
        GlobalUnlock(copy.get());
    }
    return from != nullptr ? copy.release() : nullptr;
}

// Whether the system knows any printer, local or on the network.
bool anyPrinterInstalled()
{
    DWORD bytes = 0;
    DWORD count = 0;
    EnumPrintersW(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 4, nullptr, 0, &bytes, &count);
    return bytes > 0;
}

// A started print job, aborted unless it is released at its end, so that no
// half job stays queued.
using PrintJob = Owned<HDC, AbortDoc>;

} // namespace

void PagePrinter::showSetup(HWND owner)
{
    // Without a printer the dialog would only say so in a box of its own
    // (Wine's even with PD_NOWARNING); the page says it in its own words.
    if (!anyPrinterInstalled()) {
        throw RuntimeError(printerFailureText(PrinterFailure::NoneInstalled));
    }
    // The dialog may change or replace the blocks it is given even when the
    // user cancels; only a confirmed choice replaces the current one.
    PRINTDLGW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.hDevMode = copyOf(m_devMode.get());
    dialog.hDevNames = copyOf(m_devNames.get());
    dialog.Flags = PD_PRINTSETUP | PD_NOWARNING;
    const bool confirmed = PrintDlgW(&dialog) != 0;
    GlobalMemory devMode(dialog.hDevMode);
    GlobalMemory devNames(dialog.hDevNames);
    if (confirmed) {
        m_devMode = std::move(devMode);
        m_devNames = std::move(devNames);
        return;
    }
    const DWORD error = CommDlgExtendedError();
    if (error == 0) {
        return; // cancelled
    }
    if (error == PDERR_NODEFAULTPRN || error == PDERR_NODEVICES) {
        throw RuntimeError(printerFailureText(PrinterFailure::NoneInstalled));
    }
    throw RuntimeError(u"印刷設定の画面を表示できません（エラー " + u16(std::to_wstring(error)) + u"）。");
}

std::wstring PagePrinter::printerName() const
{
    if (const auto* names = m_devNames ? static_cast<const DEVNAMES*>(GlobalLock(m_devNames.get())) : nullptr) {
        const std::wstring name = reinterpret_cast<const wchar_t*>(names) + names->wDeviceOffset;
        GlobalUnlock(m_devNames.get());
        return name;
    }
    DWORD length = 0;
    GetDefaultPrinterW(nullptr, &length);
    std::wstring name(length, L'\0');
    if (length == 0 || !GetDefaultPrinterW(name.data(), &length)) {
        throw RuntimeError(printerFailureText(PrinterFailure::NoneInstalled));
    }
    return name.c_str();
}

void PagePrinter::print(const PageWindow& page)
{
    const std::wstring name = printerName();
    const auto failed = [&name](PrinterFailure failure) {
        return RuntimeError(printerFailureText(failure, u16(name), systemMessage(GetLastError())));
    };
    const auto* devMode = m_devMode ? static_cast<const DEVMODEW*>(GlobalLock(m_devMode.get())) : nullptr;
    const OwnedDc dc(CreateDCW(L"WINSPOOL", name.c_str(), nullptr, devMode));
    if (devMode != nullptr) {
        GlobalUnlock(m_devMode.get());
    }
    if (!dc) {
        throw failed(PrinterFailure::CannotOpen);
    }
    DOCINFOW document{};
    document.cbSize = sizeof document;
    document.lpszDocName = wide(ApplicationName);
    if (StartDocW(dc.get(), &document) <= 0) {
        // A printer that prints to a file asks for the file's name first.
        if (GetLastError() == ERROR_CANCELLED) {
            throw PrintCancelled();
        }
        throw failed(PrinterFailure::CannotStart);
    }
    PrintJob job(dc.get());
    if (StartPage(dc.get()) <= 0) {
        throw failed(PrinterFailure::CannotPrint);
    }
    // The device context's origin is the printable area's corner.
    const RectF fitted = fittedPage(ClientWidth, ClientHeight, {0, 0, double(GetDeviceCaps(dc.get(), HORZRES)), double(GetDeviceCaps(dc.get(), VERTRES))});
    const POINT origin{static_cast<LONG>(std::lround(fitted.x)), static_cast<LONG>(std::lround(fitted.y))};
    // Text is set in fonts made at the printer's resolution and the pictures
    // go to the printer as they are, to be scaled there.
    page.drawPage(dc.get(), origin, fitted.width / ClientWidth);
    if (EndPage(dc.get()) <= 0 || EndDoc(dc.get()) <= 0) {
        throw failed(PrinterFailure::CannotPrint);
    }
    job.release();
}

} // namespace velmo
