# Cross-builds the game for 64-bit Windows with Debian's mingw-w64 g++
# (package g++-mingw-w64-x86-64): `make windows`, `make test-windows`.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(AE_MINGW_PREFIX x86_64-w64-mingw32)
# The POSIX thread model: GoogleTest needs std::mutex, which GCC 12 has
# only there. The game starts no thread, and -static links winpthread in.
set(CMAKE_C_COMPILER ${AE_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${AE_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${AE_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${AE_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One self-contained .exe: the C++ runtime and libgcc linked in, so that it
# needs nothing but the DLLs every Windows has.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT "-s")  # no symbol table in what players download
