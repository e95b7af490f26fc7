# Cross-builds the Windows programs with Debian's MinGW-w64 (posix threads).
# The libraries come from scripts/windows-deps.sh; QUILLOX_WINDOWS_DEPS names
# their folder. Test programs run through Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(QUILLOX_MINGW_HOST x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${QUILLOX_MINGW_HOST}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUILLOX_MINGW_HOST}-g++-posix)
set(CMAKE_RC_COMPILER ${QUILLOX_MINGW_HOST}-windres)

if(NOT QUILLOX_WINDOWS_DEPS AND DEFINED ENV{QUILLOX_WINDOWS_DEPS})
    set(QUILLOX_WINDOWS_DEPS $ENV{QUILLOX_WINDOWS_DEPS})
endif()
set(CMAKE_FIND_ROOT_PATH /usr/${QUILLOX_MINGW_HOST} ${QUILLOX_WINDOWS_DEPS})
set(CMAKE_PREFIX_PATH ${QUILLOX_WINDOWS_DEPS})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# libxml2's own package file defines LIBXML_STATIC for a static library;
# CMake's FindLibXml2 does not.
set(CMAKE_FIND_PACKAGE_PREFER_CONFIG ON)

# wx-config of the cross-built wxWidgets, not the system's GTK one.
if(QUILLOX_WINDOWS_DEPS)
    set(wxWidgets_CONFIG_EXECUTABLE ${QUILLOX_WINDOWS_DEPS}/bin/wx-config CACHE FILEPATH "")
endif()

find_program(QUILLOX_WINE wine)
if(QUILLOX_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${QUILLOX_WINE})
endif()

# pkg-config finds the cross-built libraries (libsodium), never the system's.
if(QUILLOX_WINDOWS_DEPS)
    set(ENV{PKG_CONFIG_LIBDIR} ${QUILLOX_WINDOWS_DEPS}/lib/pkgconfig)
    set(ENV{PKG_CONFIG_PATH} "")
endif()
