#include "picturefetch.h"

#include "browserevents.h"
#include "text.h"

#include <emscripten/val.h>


namespace velmo::web {

namespace {

using emscripten::val;

// The host's file calls answered from a finished request: the bytes of its
// body (body, the settled promise of an ok response's body), or how it failed.
class FetchedFile : public PictureFile {
public:
    FetchedFile(const val& response, const val& body)
    {
        if (BrowserEvents::failed(response)) {
            m_failure = {FileProblem::CannotOpen, {}};
            return;
        }
        const int status = response["status"].as<int>();
        if (status == 404 || status == 410) {
            return; // m_file stays a missing file
        }
        if (!response["ok"].as<bool>()) {
            m_failure = {FileProblem::CannotOpen, u"HTTP " + fromUtf8(std::to_string(status))};
            return;
        }
        const val bytes = body.await();
        if (BrowserEvents::failed(bytes)) {
            m_failure = {FileProblem::CannotRead, {}};
            return;
        }
        m_file = MemoryPictureFile(emscripten::convertJSArrayToNumberVector<std::uint8_t>(val::global("Uint8Array").new_(bytes)));
    }

    FileStatus open(std::u16string_view name, std::uint64_t& size) override
    {
        return m_failure.problem != FileProblem::None ? m_failure : m_file.open(name, size);
    }

    FileStatus read(std::span<std::uint8_t> into) override { return m_file.read(into); }

private:
    FileStatus m_failure;
    MemoryPictureFile m_file;
};

} // namespace

PictureFetch::PictureFetch(std::u16string address)
    : m_address(std::move(address))
    , m_response(BrowserEvents::settled(val::global("fetch")(val(m_address))))
{
}

void PictureFetch::receive()
{
    if (m_received) {
        return;
    }
    m_received = true;
    m_response = m_response.await();
    if (!BrowserEvents::failed(m_response) && m_response["ok"].as<bool>()) {
        m_body = BrowserEvents::settled(m_response.call<val>("arrayBuffer"));
    }
}

CheckedPicture PictureFetch::read()
{
    receive();
    FetchedFile file(m_response, m_body);
    return readPicture(file, m_address);
}

val pictureUrl(const CheckedPicture& picture)
{
    // The view onto the program's memory is copied into the blob at once.
    const val bytes = val(emscripten::typed_memory_view(picture.bytes.size(), picture.bytes.data()));
    val parts = val::array();
    parts.call<void>("push", bytes);
    val options = val::object();
    options.set("type", val("image/bmp"));
    const val blob = val::global("Blob").new_(parts, options);
    return val::global("URL").call<val>("createObjectURL", blob);
}

} // namespace velmo::web
