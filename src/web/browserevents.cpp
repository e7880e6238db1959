#include "browserevents.h"

#include <emscripten/bind.h>

#include <algorithm>
#include <cassert>

namespace velmo::web {

namespace {

bool g_ended = false;
val g_wake = val::undefined(); // the resolve function of the promise the program waits on

void onEvent(val event)
{
    BrowserEvents::dispatch(event);
}

void keepWake(val resolve, val)
{
    g_wake = resolve;
}

} // namespace

EMSCRIPTEN_BINDINGS(velmo_browser_events)
{
    emscripten::function("velmoEvent", &onEvent);
    emscripten::function("velmoKeepWake", &keepWake);
}

std::vector<EventReceiver*>& BrowserEvents::receivers()
{
    static std::vector<EventReceiver*> stack;
    return stack;
}

void BrowserEvents::listen(const val& target, const char* type)
{
    target.call<void>("addEventListener", val(type), val::module_property("velmoEvent"));
}

void BrowserEvents::unlisten(const val& target, const char* type)
{
    target.call<void>("removeEventListener", val(type), val::module_property("velmoEvent"));
}

void BrowserEvents::end()
{
    g_ended = true;
    receivers().clear();
}

void BrowserEvents::waitForWake()
{
    val promise = val::global("Promise").new_(val::module_property("velmoKeepWake"));
    promise.await();
}

void BrowserEvents::wake()
{
    if (!g_wake.isUndefined()) {
        val resolve = g_wake;
        g_wake = val::undefined();
        // The promise settles after this listener has returned, and only
        // then does the program go on.
        resolve();
    }
}

val BrowserEvents::settled(const val& promise)
{
    // A function of the program's own would not do: while the program is
    // suspended, Asyncify makes every exported function return a promise of
    // its result instead of the result.
    return promise.call<val>("catch", val::global("String"));
}

void BrowserEvents::dispatch(const val& event)
{
    if (g_ended) {
        return;
    }
    if (event["type"].as<std::string>() == "contextmenu") {
        event.call<void>("preventDefault");
    }
    if (!receivers().empty()) {
        receivers().back()->handleEvent(event);
    }
}

ModalLayer::ModalLayer(EventReceiver& receiver)
    : m_receiver(receiver)
{
    BrowserEvents::receivers().push_back(&receiver);
}

ModalLayer::~ModalLayer()
{
    auto& stack = BrowserEvents::receivers();
    // end() may have emptied the stack while this layer was open; otherwise
    // the layers close in the reverse order of their opening.
    assert(stack.empty() || stack.back() == &m_receiver);
    if (!stack.empty() && stack.back() == &m_receiver) {
        stack.pop_back();
    }
}

} // namespace velmo::web
