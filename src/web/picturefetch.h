#pragma once

#include "picturereading.h"

#include <emscripten/val.h>

#include <string>

namespace velmo::web {

// One of the page's pictures, fetched from the site's folder. The request
// starts when the object is made, so the four pictures of a page come in
// together; read() then waits for this one.
class PictureFetch {
public:
    explicit PictureFetch(std::u16string address);

    // The picture's bytes as the core's check has read them: a 404 (or 410)
    // is a missing file, any other failed request a file that cannot be
    // opened, a body that does not arrive one that cannot be read. Throws
    // RuntimeError naming the address, as readPicture does.
    CheckedPicture read();

    const std::u16string& address() const { return m_address; }

private:
    std::u16string m_address;
    emscripten::val m_response;
};

// A blob: address of the checked bytes, for an <img>: the browser decodes
// only what the check has passed.
emscripten::val pictureUrl(const CheckedPicture& picture);

} // namespace velmo::web
