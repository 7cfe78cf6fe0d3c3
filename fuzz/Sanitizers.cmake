# Sanitizer and fuzzing flags. Included by the top-level CMakeLists.txt before any library,
# so that every library of a sanitizer or fuzzing build is instrumented alike.
#   KORVEX_SANITIZE  AddressSanitizer + UndefinedBehaviorSanitizer, stopping at the first
#                    report (any compiler); the replay drivers run the corpora under it.
#   KORVEX_FUZZ      libFuzzer targets as well (clang only); implies KORVEX_SANITIZE.
option(KORVEX_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(KORVEX_FUZZ "Build the libFuzzer targets (clang)" OFF)
option(KORVEX_BUILD_FUZZ_DRIVERS "Build the fuzz replay drivers and the seed generator" OFF)

if(KORVEX_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "KORVEX_FUZZ needs clang (-DCMAKE_CXX_COMPILER=clang++)")
  endif()
  set(KORVEX_SANITIZE ON)
  set(KORVEX_BUILD_FUZZ_DRIVERS ON)
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

if(KORVEX_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)
endif()
