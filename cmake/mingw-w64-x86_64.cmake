# Cross-building for 64-bit Windows with MinGW-w64 (Debian: g++-mingw-w64-x86-64-posix, whose posix
# thread model gives std::thread and std::mutex). Programs and tests run under wine64.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# The runtime libraries are linked in, so the .exe files run without MinGW DLLs beside them. GCC 12
# emits std::type_info::operator== inline in C++23 code while the static libstdc++ also defines it
# (the same function): the linker is told to take the first.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++ -Wl,--allow-multiple-definition")
find_program(LUMIO_WINE wine64 PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(LUMIO_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${LUMIO_WINE})
endif()
