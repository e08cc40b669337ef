# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (the -posix
# compilers, whose C++ runtime has std::thread). The libraries the program
# links are looked for in the folders of the Windows build's cache only, never
# among the Linux ones.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)
set(CMAKE_AR ${triple}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${triple}-gcc-ranlib-posix CACHE FILEPATH "")

# FONIKRA_WINDOWS_PREFIXES: the cache folders the libraries were installed to.
# An environment variable so that it also reaches try_compile's projects.
if(DEFINED ENV{FONIKRA_WINDOWS_PREFIXES})
  string(REPLACE ":" ";" prefixes "$ENV{FONIKRA_WINDOWS_PREFIXES}")
  list(APPEND CMAKE_FIND_ROOT_PATH ${prefixes})
endif()
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
