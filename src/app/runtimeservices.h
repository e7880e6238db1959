#pragma once

#include <QImage>
#include <QString>

#include <stdexcept>

class QMenu;
class QPrinter;
class QWidget;

namespace velmo {

// Message box styles: a button set plus an icon.
enum class MessageStyle {
    OkCancelQuestion = 33, // OK and Cancel, question-mark icon
    OkExclamation = 48,    // OK alone, exclamation icon
};

// The page window's border. A print switches it off and back on again; the
// value is kept on the window, and the printed image is the client area
// whichever it is, so the native frame itself is left as it is.
enum class BorderStyle { None = 0, FixedSingle = 1 };

// The button that closed a message box. Closing a box any other way than with
// OK (Esc, the close button) answers Cancel.
enum class MessageAnswer { Ok = 1, Cancel = 2 };

// An environment failure that the page reports to the user: a picture that
// cannot be loaded, a printer that cannot be reached. The message is Japanese
// and names the file or the cause.
class RuntimeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
    QString message() const { return QString::fromUtf8(what()); }
};

// What the page needs of the platform. The Qt implementation talks to the
// real desktop; tests use a scripted one that records every call. Every call
// is made on the user-interface thread; the modal ones return when the user
// has answered.
class RuntimeServices {
public:
    virtual ~RuntimeServices() = default;

    virtual MessageAnswer messageBox(const QString& prompt, MessageStyle style, const QString& title) = 0;

    // Shows the menu as a pop-up at the mouse pointer and returns when it has
    // closed; a chosen item's handler has run to its end by then.
    virtual void popupMenu(QMenu& menu) = 0;

    // The folder that holds the running executable. The working directory
    // plays no part in finding the pictures.
    virtual QString executableFolder() = 0;

    // Loads one picture file. Throws RuntimeError when the file is missing,
    // unreadable, not a picture or too large to decode safely.
    virtual QImage loadPicture(const QString& fileName) = 0;

    // The program's one current printer, used by every print of the run. A
    // confirmed printer setup may put another printer in its place, so no
    // reference to it is kept across showPrinterSetup.
    virtual QPrinter& currentPrinter() = 0;

    // Shows the standard printer setup dialog with the current printer's
    // setup. What the user confirms becomes the current printer's setup and
    // stays until the next confirmed setup; Cancel changes nothing, whatever
    // was chosen in the dialog before it. Throws RuntimeError if the dialog
    // cannot be shown.
    virtual void showPrinterSetup(QWidget& parent) = 0;

    // Prints an image of the window as one job on the current printer.
    // Throws RuntimeError when the job cannot be done.
    virtual void printWindow(QWidget& window) = 0;

    // Stores the window's "borderStyle" property.
    virtual void setBorderStyle(QWidget& window, BorderStyle style) = 0;

    // Reports an error that no handler deals with; the caller then ends the
    // program with a non-zero status.
    virtual void reportUnhandledError(const QString& message) = 0;
};

} // namespace velmo
