#include "pageprinter.h"

#include "placement.h"
#include "platform.h"
#include "programinfo.h"
#include "pagewindow.h"
#include "wintext.h"

#include <cderr.h>
#include <commdlg.h>
#include <winspool.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

namespace velmo {

namespace {

constexpr std::u16string_view NoPrinter = u"プリンタがインストールされていません。";

// The bytes of a movable memory block.
std::vector<std::uint8_t> bytesOf(HGLOBAL memory)
{
    std::vector<std::uint8_t> bytes(memory != nullptr ? GlobalSize(memory) : 0);
    if (const void* data = bytes.empty() ? nullptr : GlobalLock(memory)) {
        std::memcpy(bytes.data(), data, bytes.size());
        GlobalUnlock(memory);
    }
    return bytes;
}

// A movable memory block with the bytes; null for none.
HGLOBAL globalOf(const std::vector<std::uint8_t>& bytes)
{
    HGLOBAL memory = bytes.empty() ? nullptr : GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    if (void* data = memory != nullptr ? GlobalLock(memory) : nullptr) {
        std::memcpy(data, bytes.data(), bytes.size());
        GlobalUnlock(memory);
    }
    return memory;
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
        throw RuntimeError(std::u16string(NoPrinter));
    }
    // The dialog may change or replace the blocks it is given even when the
    // user cancels; only a confirmed choice replaces the current one.
    PRINTDLGW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.hDevMode = globalOf(m_devMode);
    dialog.hDevNames = globalOf(m_devNames);
    dialog.Flags = PD_PRINTSETUP | PD_NOWARNING;
    const bool confirmed = PrintDlgW(&dialog) != 0;
    const GlobalMemory devMode(dialog.hDevMode);
    const GlobalMemory devNames(dialog.hDevNames);
    if (confirmed) {
        m_devMode = bytesOf(devMode.get());
        m_devNames = bytesOf(devNames.get());
        return;
    }
    const DWORD error = CommDlgExtendedError();
    if (error == 0) {
        return; // cancelled
    }
    if (error == PDERR_NODEFAULTPRN || error == PDERR_NODEVICES) {
        throw RuntimeError(std::u16string(NoPrinter));
    }
    throw RuntimeError(u"印刷設定の画面を表示できません（エラー " + u16(std::to_wstring(error)) + u"）。");
}

std::wstring PagePrinter::printerName() const
{
    if (!m_devNames.empty()) {
        return reinterpret_cast<const wchar_t*>(m_devNames.data()) + reinterpret_cast<const DEVNAMES*>(m_devNames.data())->wDeviceOffset;
    }
    DWORD length = 0;
    GetDefaultPrinterW(nullptr, &length);
    std::wstring name(length, L'\0');
    if (length == 0 || !GetDefaultPrinterW(name.data(), &length)) {
        throw RuntimeError(std::u16string(NoPrinter));
    }
    return name.c_str();
}

void PagePrinter::print(const PageWindow& page)
{
    const std::wstring name = printerName();
    const auto failed = [&name](std::u16string_view what) {
        const std::u16string message = systemMessage(GetLastError());
        return RuntimeError(u"プリンタ「" + u16(name) + u"」" + std::u16string(what) + (message.empty() ? u"" : u"（" + message + u"）") + u"。");
    };
    const auto* devMode = m_devMode.empty() ? nullptr : reinterpret_cast<const DEVMODEW*>(m_devMode.data());
    const OwnedDc dc(CreateDCW(L"WINSPOOL", name.c_str(), nullptr, devMode));
    if (!dc) {
        throw failed(u"を開けません");
    }
    DOCINFOW document{};
    document.cbSize = sizeof document;
    document.lpszDocName = wide(ApplicationName);
    if (StartDocW(dc.get(), &document) <= 0) {
        // A printer that prints to a file asks for the file's name first.
        if (GetLastError() == ERROR_CANCELLED) {
            throw PrintCancelled();
        }
        throw failed(u"で印刷を開始できません");
    }
    PrintJob job(dc.get());
    if (StartPage(dc.get()) <= 0) {
        throw failed(u"で印刷できません");
    }
    // The device context's origin is the printable area's corner.
    const RectF fitted = fittedPage(ClientWidth, ClientHeight, {0, 0, double(GetDeviceCaps(dc.get(), HORZRES)), double(GetDeviceCaps(dc.get(), VERTRES))});
    const POINT origin{static_cast<LONG>(std::lround(fitted.x)), static_cast<LONG>(std::lround(fitted.y))};
    // Text is set in fonts made at the printer's resolution and the pictures
    // go to the printer as they are, to be scaled there.
    page.drawPage(dc.get(), origin, fitted.width / ClientWidth);
    if (EndPage(dc.get()) <= 0 || EndDoc(dc.get()) <= 0) {
        throw failed(u"で印刷できません");
    }
    job.release();
}

} // namespace velmo
