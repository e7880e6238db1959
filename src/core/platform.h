#pragma once

#include "pagemenu.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace velmo {

// Message box styles: a button set plus an icon.
enum class MessageStyle {
    OkCancelQuestion = 33, // OK and Cancel, question-mark icon
    OkExclamation = 48,    // OK alone, exclamation icon
};

// The button that closed a message box. Closing a box any other way than with
// OK (Esc, the close button) answers Cancel.
enum class MessageAnswer { Ok = 1, Cancel = 2 };

// The page window's border. A print switches it off and back on again; the
// value is kept on the window, and the printed image is the client area
// whichever it is, so the native frame itself is left as it is.
enum class BorderStyle { None = 0, FixedSingle = 1 };

// An environment failure that the page reports to the user: a picture that
// cannot be loaded, a printer that cannot be reached. The message is Japanese
// and names the file or the cause; what() gives it in UTF-8.
class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(std::u16string message);
    const std::u16string& message() const { return m_message; }

private:
    std::u16string m_message;
};

// Thrown by Platform::printPage when the user has cancelled the print on the
// way, for example in the file dialog of a printer that prints to a file.
// Nothing has been printed; it is no failure and nothing is reported.
class PrintCancelled : public std::exception {
public:
    const char* what() const noexcept override { return "the print was cancelled"; }
};

// What the page's commands need of the desktop. Each front end answers these
// calls with its own widgets and dialogs; tests answer them from a script.
// Every call is made on the user-interface thread, and the modal ones return
// only when the user has answered.
class Platform {
public:
    virtual ~Platform() = default;

    virtual MessageAnswer messageBox(std::u16string_view prompt, MessageStyle style, std::u16string_view title) = 0;

    // Shows the page's menu (PageMenu) as a pop-up at the mouse pointer and
    // returns once it has closed: the command chosen, or nothing when it was
    // dismissed. The chosen command has not run yet.
    virtual std::optional<Command> popupMenu() = 0;

    // Stores the page window's border style.
    virtual void setBorderStyle(BorderStyle style) = 0;

    // Prints an image of the page window as one job on the current printer.
    // Throws PrintCancelled when the user cancels it on the way, and
    // RuntimeError (or any other exception) when it cannot be done.
    virtual void printPage() = 0;

    // Shows the standard printer setup dialog with the current printer's
    // setup. What the user confirms becomes the current printer's setup;
    // Cancel changes nothing. Throws RuntimeError when the dialog cannot be
    // shown at all, for example when the system knows no printer.
    virtual void showPrinterSetup() = 0;

    // Closes the page window, which ends the program with status 0.
    virtual void closeWindow() = 0;

    // Shows the box of an error that no command deals with (the text comes
    // from unhandledErrorText); the caller then ends the program with a
    // non-zero status. Called by runGuarded, which has written the cause to
    // standard error already.
    virtual void reportUnhandledError(std::u16string_view message) = 0;
};

} // namespace velmo
