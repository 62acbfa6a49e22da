# Builds for 64-bit Windows with Debian's mingw-w64, in its POSIX threading
# variant (the one whose C++ runtime has std::thread). Serves both the build of
# the toolkit for Windows and the program's own `windows` preset.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw_target x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw_target}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_target}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_target}-windres)

# The linker stamps the time of the link into every program and library it
# makes; without it, the same sources give the same bytes.
foreach(kind EXE SHARED MODULE)
  set(CMAKE_${kind}_LINKER_FLAGS_INIT "-Wl,--no-insert-timestamp")
endforeach()

# Libraries and headers come from the Windows side only, the toolkit for
# Windows included; programs (the host's moc, rcc, Wine) from this machine.
set(CMAKE_FIND_ROOT_PATH /usr/${mingw_target})
if(NUVESSA_QT_WINDOWS)
  list(APPEND CMAKE_FIND_ROOT_PATH ${NUVESSA_QT_WINDOWS})
  list(APPEND CMAKE_PREFIX_PATH ${NUVESSA_QT_WINDOWS})
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# The compiler checks read this file again in projects of their own.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES NUVESSA_QT_WINDOWS)

# The toolkit's code generators run on this machine: Debian's, of the same version.
set(QT_HOST_PATH /usr CACHE PATH "Where the host's Qt tools are")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "Where the host's Qt CMake files are")
