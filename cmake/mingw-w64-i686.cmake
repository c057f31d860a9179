# Cross-building the 32-bit Windows programs with Debian's MinGW-w64 compiler, in its posix thread
# model: its libstdc++ has std::thread and std::mutex (on winpthreads), which Google Benchmark needs.
# 32-bit on purpose: the IDE is a 32-bit program, and on 64-bit Windows both then see the same
# (WOW64) view of HKEY_CLASSES_ROOT\CLSID.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)

set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# No DLLs beyond Windows' own: the C and C++ runtimes and winpthreads go into each .exe.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Test programs (and GoogleTest's discovery) run under Wine through a wrapper that sets up the
# build's own Wine prefix; see wine-run.sh.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh)
