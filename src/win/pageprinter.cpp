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
#include <string>

namespace velmo {

namespace {

constexpr std::u16string_view NoPrinter = u"プリンタがインストールされていません。";

void freeHandle(HGLOBAL& handle)
{
    if (handle != nullptr) {
        GlobalFree(handle);
        handle = nullptr;
    }
}

// Ends a print job that has not finished, so that no half job stays queued.
class PrintJob {
public:
    explicit PrintJob(HDC dc)
        : m_dc(dc)
    {
    }
    ~PrintJob()
    {
        if (m_started && !m_finished) {
            AbortDoc(m_dc);
        }
        DeleteDC(m_dc);
    }
    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;

    void start()
    {
        DOCINFOW document{};
        document.cbSize = sizeof document;
        document.lpszDocName = wide(ApplicationName);
        if (StartDocW(m_dc, &document) <= 0) {
            throw RuntimeError(u"印刷ジョブを開始できません。");
        }
        m_started = true;
        if (StartPage(m_dc) <= 0) {
            throw RuntimeError(u"印刷ジョブが失敗しました。");
        }
    }

    void finish()
    {
        if (EndPage(m_dc) <= 0 || EndDoc(m_dc) <= 0) {
            throw RuntimeError(u"印刷ジョブが失敗しました。");
        }
        m_finished = true;
    }

private:
    HDC m_dc;
    bool m_started = false;
    bool m_finished = false;
};

// Whether the system knows any printer, local or on the network.
bool anyPrinterInstalled()
{
    DWORD bytes = 0;
    DWORD count = 0;
    EnumPrintersW(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 4, nullptr, 0, &bytes, &count);
    return bytes > 0;
}

} // namespace

PagePrinter::~PagePrinter()
{
    freeHandle(m_devMode);
    freeHandle(m_devNames);
}

void PagePrinter::showSetup(HWND owner)
{
    // Without a printer the dialog would only say so in a box of its own
    // (Wine's even with PD_NOWARNING); the page says it in its own words.
    if (!anyPrinterInstalled()) {
        throw RuntimeError(std::u16string(NoPrinter));
    }
    // The dialog may change or replace the handles it is given even when the
    // user cancels, so it works on copies and only a confirmed choice
    // replaces the current one.
    const auto duplicate = [](HGLOBAL handle) -> HGLOBAL {
        if (handle == nullptr) {
            return nullptr;
        }
        const SIZE_T size = GlobalSize(handle);
        HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
        if (copy != nullptr) {
            void* to = GlobalLock(copy);
            const void* from = GlobalLock(handle);
            memcpy(to, from, size);
            GlobalUnlock(handle);
            GlobalUnlock(copy);
        }
        return copy;
    };

    PRINTDLGW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.hDevMode = duplicate(m_devMode);
    dialog.hDevNames = duplicate(m_devNames);
    dialog.Flags = PD_PRINTSETUP | PD_NOWARNING;
    if (PrintDlgW(&dialog)) {
        freeHandle(m_devMode);
        freeHandle(m_devNames);
        m_devMode = dialog.hDevMode;
        m_devNames = dialog.hDevNames;
        return;
    }
    freeHandle(dialog.hDevMode);
    freeHandle(dialog.hDevNames);
    const DWORD error = CommDlgExtendedError();
    if (error == 0) {
        return; // cancelled
    }
    if (error == PDERR_NODEFAULTPRN || error == PDERR_NODEVICES) {
        throw RuntimeError(std::u16string(NoPrinter));
    }
    throw RuntimeError(u"印刷設定の画面を表示できません（エラー " + u16(std::to_wstring(error)) + u"）。");
}

HDC PagePrinter::createPrinterDc() const
{
    if (m_devNames != nullptr) {
        const auto* names = static_cast<const DEVNAMES*>(GlobalLock(m_devNames));
        const auto* text = reinterpret_cast<const wchar_t*>(names);
        const auto* mode = m_devMode != nullptr ? static_cast<const DEVMODEW*>(GlobalLock(m_devMode)) : nullptr;
        HDC dc = CreateDCW(text + names->wDriverOffset, text + names->wDeviceOffset, nullptr, mode);
        if (m_devMode != nullptr) {
            GlobalUnlock(m_devMode);
        }
        GlobalUnlock(m_devNames);
        return dc;
    }
    DWORD length = 0;
    GetDefaultPrinterW(nullptr, &length);
    if (length == 0) {
        throw RuntimeError(std::u16string(NoPrinter));
    }
    std::wstring name(length, L'\0');
    if (!GetDefaultPrinterW(name.data(), &length)) {
        throw RuntimeError(std::u16string(NoPrinter));
    }
    name.resize(wcslen(name.c_str()));
    return CreateDCW(L"WINSPOOL", name.c_str(), nullptr, nullptr);
}

void PagePrinter::print(const PageWindow& page)
{
    HDC dc = createPrinterDc();
    if (dc == nullptr) {
        throw RuntimeError(u"プリンタを開けません。");
    }
    PrintJob job(dc);
    job.start();
    // The device context's origin is the printable area's corner.
    const double printableWidth = GetDeviceCaps(dc, HORZRES);
    const double printableHeight = GetDeviceCaps(dc, VERTRES);
    const RectF fitted = fittedPage(ClientWidth, ClientHeight, {0, 0, printableWidth, printableHeight});
    const POINT origin{static_cast<LONG>(std::lround(fitted.x)), static_cast<LONG>(std::lround(fitted.y))};
    // Text is set in fonts made at the printer's resolution and the pictures
    // go to the printer as they are, to be scaled there.
    page.drawPage(dc, origin, fitted.width / ClientWidth);
    job.finish();
}

} // namespace velmo
