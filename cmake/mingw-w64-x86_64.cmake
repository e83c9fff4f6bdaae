# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (the -posix flavour, whose
# std::thread and std::mutex the solver and the online client use).
# SQW_WIN_TOOLCHAIN names the folder holding the Windows Qt and CBC; it is read from the
# environment so that try_compile projects inherit it.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(_sqw_triplet x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${_sqw_triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_sqw_triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${_sqw_triplet}-windres)
set(CMAKE_AR ${_sqw_triplet}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${_sqw_triplet}-gcc-ranlib-posix CACHE FILEPATH "")

if(NOT SQW_WIN_TOOLCHAIN AND DEFINED ENV{SQW_WIN_TOOLCHAIN})
  set(SQW_WIN_TOOLCHAIN $ENV{SQW_WIN_TOOLCHAIN})
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES SQW_WIN_TOOLCHAIN)

set(CMAKE_FIND_ROOT_PATH /usr/${_sqw_triplet})
if(SQW_WIN_TOOLCHAIN)
  list(APPEND CMAKE_FIND_ROOT_PATH ${SQW_WIN_TOOLCHAIN}/qt ${SQW_WIN_TOOLCHAIN}/coin)
endif()
# Programs (moc, rcc, the compilers) come from the build machine; headers, libraries and
# CMake packages only from the Windows side.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Building Qt itself looks up the build machine's Qt tools packages (QT_HOST_PATH), so it passes
# -DCMAKE_FIND_ROOT_PATH_MODE_PACKAGE=BOTH.
if(NOT DEFINED CMAKE_FIND_ROOT_PATH_MODE_PACKAGE)
  set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
endif()
