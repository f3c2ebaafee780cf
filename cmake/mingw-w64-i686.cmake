# Cross build for Windows with MinGW-w64 (Debian's g++-mingw-w64-i686-posix),
# as a 32-bit x86 program like the game: Direct3D 8 and the DirectX setup
# library exist only as 32-bit libraries, so a 64-bit program could never load
# them on a real Windows machine. The posix thread model, so that std::thread
# and std::mutex work, and the C++ runtime, libgcc and winpthread linked in,
# so that the programs need no DLL that Windows lacks.
#   cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)

set(QV_MINGW_TRIPLE i686-w64-mingw32)
set(CMAKE_C_COMPILER ${QV_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QV_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${QV_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${QV_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# -static, for programs and libraries alike, takes winpthread's archive instead of its DLL; the system DLLs
# (KERNEL32, USER32, DINPUT8) are still reached through their import
# libraries. Nothing is built for SSE: the processor probes enable it on their
# own functions alone, so that the program starts on any x86 processor.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
