# Cross-builds the Windows (x86-64) program on Debian with MinGW-w64:
#   cmake -S . -B build-win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
# The compilers are Debian's POSIX-thread flavour (g++-mingw-w64-x86-64-posix).
# The C and C++ runtimes and winpthread are linked in statically, so the
# program imports only DLLs that every Windows has.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VELMO_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VELMO_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VELMO_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${VELMO_MINGW_TRIPLET}-windres)
set(CMAKE_AR ${VELMO_MINGW_TRIPLET}-gcc-ar-posix CACHE FILEPATH "Archiver")
set(CMAKE_RANLIB ${VELMO_MINGW_TRIPLET}-gcc-ranlib-posix CACHE FILEPATH "Ranlib")

set(CMAKE_FIND_ROOT_PATH /usr/${VELMO_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Every Windows call the build makes takes UTF-16 text. The programs that
# start at wWinMain or wmain link with -municode themselves; the core's tests
# start at a plain main(), as they do on Linux.
set(CMAKE_CXX_FLAGS_INIT "-DUNICODE -D_UNICODE")
set(CMAKE_C_FLAGS_INIT "-DUNICODE -D_UNICODE")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Tests that run the Windows programs go through Wine.
find_program(VELMO_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(VELMO_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR "${VELMO_WINE}")
endif()
