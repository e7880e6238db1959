#pragma once

#include "picturereading.h"

#include <emscripten/val.h>

#include <string>

namespace velmo::web {

// One of the page's pictures, fetched from the site's folder. The request
// starts when the object is made, so the four pictures of a page come in
// together; receive() starts reading the body once the response is there,
// and read() then waits for this one.
class PictureFetch {
public:
    explicit PictureFetch(std::u16string address);

    // Waits for the response and starts reading its body. Calling it for
    // every picture before reading the first lets their bodies come in
    // together rather than one after the other.
    void receive();

    // The picture's bytes as the core's check has read them: a 404 (or 410)
    // is a missing file, any other failed request a file that cannot be
    // opened, a body that does not arrive one that cannot be read. Throws
    // RuntimeError naming the address, as readPicture does.
    CheckedPicture read();

    const std::u16string& address() const { return m_address; }

private:
    std::u16string m_address;
    emscripten::val m_response;                         // the settled request's promise, then its value
    emscripten::val m_body = emscripten::val::null();   // the settled body's promise, for a response that is ok
    bool m_received = false;
};

// A blob: address of the checked bytes, for an <img>: the browser decodes
// only what the check has passed.
emscripten::val pictureUrl(const CheckedPicture& picture);

} // namespace velmo::web
