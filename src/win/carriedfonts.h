#pragma once

#include "handles.h"
#include "pagelayout.h"

#include <windows.h>

#include <array>
#include <string_view>

namespace velmo {

// The page's fonts that the executable carries, one a role (fontroles.h's
// carriedFamily), registered privately for this process: never installed
// into the system, and gone when the program ends. The fonts of a process
// registered from memory are not enumerated, so the families are answered
// here.
class CarriedFonts {
public:
    // Registers every carried font once, on the first call; later calls
    // answer the same. A font that cannot be registered is left out: the
    // page then falls back to the faces Windows ships.
    static const CarriedFonts& instance();

    // Whether family is one of the carried fonts, registered.
    bool has(std::u16string_view family) const;

private:
    CarriedFonts();

    // The registrations, by FontRole; null where one failed. They end with
    // the process, or with the program's static objects.
    std::array<Owned<HANDLE, RemoveFontMemResourceEx>, 5> m_fonts;
};

} // namespace velmo
