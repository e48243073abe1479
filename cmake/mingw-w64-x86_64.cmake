# Cross-compiles for 64-bit Windows with Debian's MinGW-w64, in its posix thread model (Qt 6
# needs std::thread). Give the Qt for Windows prefix as CMAKE_FIND_ROOT_PATH on the command
# line; the MinGW sysroot is added to it here.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KEYMINT_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KEYMINT_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KEYMINT_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${KEYMINT_MINGW_TRIPLET}-windres)

list(APPEND CMAKE_FIND_ROOT_PATH /usr/${KEYMINT_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Where Wine is at hand, CTest runs the Windows programs under it.
find_program(KEYMINT_WINE wine)
if(KEYMINT_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${KEYMINT_WINE})
endif()
