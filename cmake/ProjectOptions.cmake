# Compiler settings for the project's own targets. Third-party code (GoogleTest)
# is built without them so that its warnings never break our build.
option(ZELVAN_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

if(ZELVAN_SANITIZE)
  set(_san -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  add_compile_options(${_san})
  add_link_options(${_san})
endif()

# Line counts for scripts/coverage; only the fuzz targets are run this way.
option(ZELVAN_COVERAGE "Build with clang's source-based coverage" OFF)
if(ZELVAN_COVERAGE)
  add_compile_options(-fprofile-instr-generate -fcoverage-mapping)
  add_link_options(-fprofile-instr-generate)
endif()

if(WIN32)
  # Unicode everywhere; the runtime linked in so the .exe needs no DLL of ours.
  add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
  add_link_options(-static -static-libgcc -static-libstdc++)
  # GCC for Windows cannot align the stack to 32 bytes, yet spills AVX
  # registers with aligned moves; the assembler makes those moves unaligned.
  add_compile_options($<$<COMPILE_LANGUAGE:C,CXX>:-Wa,-muse-unaligned-vector-move>)
endif()

function(zelvan_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Werror)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    # GCC 12 reports false overlaps and overflows inside std::basic_string and
    # std::vector at -O2 and above; the sanitized native build checks for real ones.
    target_compile_options(${target} PRIVATE -Wno-restrict -Wno-stringop-overflow -Wno-stringop-overread)
  endif()
endfunction()
