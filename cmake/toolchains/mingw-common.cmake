# Shared part of the two mingw-w64 toolchains (posix thread variant).
set(CMAKE_C_COMPILER ${ZELVAN_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZELVAN_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${ZELVAN_TRIPLET}-windres)

get_filename_component(_zelvan_root "${CMAKE_CURRENT_LIST_DIR}/../.." ABSOLUTE)
# libjpeg is built by scripts/setup into its cache (ZELVAN_CACHE, or .cache
# of the tree); zlib comes packaged.
if(DEFINED ENV{ZELVAN_CACHE} AND NOT "$ENV{ZELVAN_CACHE}" STREQUAL "")
  set(_zelvan_cache "$ENV{ZELVAN_CACHE}")
else()
  set(_zelvan_cache "${_zelvan_root}/.cache")
endif()
set(ZELVAN_JPEG_ROOT "${_zelvan_cache}/jpeg/${ZELVAN_TRIPLET}")
set(CMAKE_FIND_ROOT_PATH /usr/${ZELVAN_TRIPLET} "${ZELVAN_JPEG_ROOT}")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Static archives only: the .exe must run on a bare Windows.
set(CMAKE_FIND_LIBRARY_SUFFIXES .a)

set(CMAKE_CROSSCOMPILING_EMULATOR "${_zelvan_root}/scripts/wine-run")
