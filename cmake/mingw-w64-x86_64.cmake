# Cross-build for 64-bit Windows with mingw-w64 (posix thread model) on Debian.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KOVA_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER   ${KOVA_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KOVA_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER  ${KOVA_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${KOVA_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Test executables run under Wine through the project's runner.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)
