# Third-party libraries, all from the distribution: zlib, libjpeg, GoogleTest,
# and Google Benchmark for the native build.
find_package(ZLIB REQUIRED)
find_package(JPEG REQUIRED)

set(ZELVAN_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources (Debian's googletest package)")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
add_subdirectory(${ZELVAN_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/third_party/googletest EXCLUDE_FROM_ALL)

if(ZELVAN_CONFIG STREQUAL "native")
  find_package(benchmark REQUIRED)
endif()
