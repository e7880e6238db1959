#pragma once

#include <emscripten/val.h>

#include <vector>

namespace velmo::web {

using emscripten::val;

// Receives the browser's events while it is the innermost of the page's
// modal layers: the page itself, an open pop-up menu, a message box.
class EventReceiver {
public:
    virtual ~EventReceiver() = default;
    virtual void handleEvent(const val& event) = 0;
};

// The one road of the browser's events into the program. Every listener the
// page adds is the same exported function, which hands the event to the
// innermost receiver; so a menu or a box, while it is open, alone gets the
// keys, and nothing reaches the page beneath it. A context-menu event on
// anything the page listens on is always cancelled: the browser's own menu
// never shows over the page.
//
// Listeners run between the program's waits and must not wait themselves:
// they note what happened and wake the program (wake()), which is suspended
// in waitForWake() and goes on once the listener has returned. Whatever they
// return is lost: while the program is suspended, Asyncify turns the result
// of every exported function into a promise.
class BrowserEvents {
public:
    static void listen(const val& target, const char* type);
    static void unlisten(const val& target, const char* type);

    // Stops delivering events for good: the page is gone.
    static void end();

    // Suspends the program (Asyncify) until wake() is called. Callers check
    // their own condition around it.
    static void waitForWake();
    static void wake();

    // A promise that settles like promise but never rejects: a rejection
    // settles it with the reason as a string (failed()). A rejected promise
    // would leave the program suspended for ever.
    static val settled(const val& promise);
    static bool failed(const val& settledValue) { return settledValue.isString(); }

    // Called by the exported listener.
    static void dispatch(const val& event);

private:
    friend class ModalLayer;
    static std::vector<EventReceiver*>& receivers();
};

// Makes receiver the innermost layer for its lifetime.
class ModalLayer {
public:
    explicit ModalLayer(EventReceiver& receiver);
    ~ModalLayer();
    ModalLayer(const ModalLayer&) = delete;
    ModalLayer& operator=(const ModalLayer&) = delete;

private:
    EventReceiver& m_receiver;
};

} // namespace velmo::web
