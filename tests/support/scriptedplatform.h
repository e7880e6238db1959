#pragma once

#include "platform.h"
#include "text.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace velmo::test {

// A platform for tests. Every call is appended to calls as one line
// ("messageBox|<title>|<style>|<prompt>", "popupMenu", "setBorderStyle|<n>",
// "printPage", "showPrinterSetup", "closeWindow",
// "reportUnhandledError|<message>") and answered from what the test scripted.
class ScriptedPlatform : public Platform {
public:
    std::vector<std::string> calls;

    // Answers of the next message boxes and pop-ups, in order; once they run
    // out, boxes answer OK and pop-ups are dismissed.
    std::deque<MessageAnswer> answers;
    std::deque<std::optional<Command>> choices;
    // Run in place of printing and of the setup dialog; they may throw.
    std::function<void()> onPrintPage;
    std::function<void()> onPrinterSetup;

    MessageAnswer messageBox(std::u16string_view prompt, MessageStyle style, std::u16string_view title) override
    {
        calls.push_back("messageBox|" + toUtf8(title) + '|' + std::to_string(static_cast<int>(style)) + '|' + toUtf8(prompt));
        return next(answers, MessageAnswer::Ok);
    }

    std::optional<Command> popupMenu() override
    {
        calls.push_back("popupMenu");
        return next(choices, std::optional<Command>());
    }

    void setBorderStyle(BorderStyle style) override
    {
        calls.push_back("setBorderStyle|" + std::to_string(static_cast<int>(style)));
    }

    void printPage() override
    {
        calls.push_back("printPage");
        if (onPrintPage) {
            onPrintPage();
        }
    }

    void showPrinterSetup() override
    {
        calls.push_back("showPrinterSetup");
        if (onPrinterSetup) {
            onPrinterSetup();
        }
    }

    void closeWindow() override { calls.push_back("closeWindow"); }

    void reportUnhandledError(std::u16string_view message) override
    {
        calls.push_back("reportUnhandledError|" + toUtf8(message));
    }

private:
    template <typename T>
    static T next(std::deque<T>& queue, T otherwise)
    {
        if (queue.empty()) {
            return otherwise;
        }
        T value = queue.front();
        queue.pop_front();
        return value;
    }
};

} // namespace velmo::test
