# Compiler options shared by every target of ours: link lumenrest_options to each.

option(LUMENREST_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(LUMENREST_FUZZ "Build the libFuzzer targets in tests/fuzz (clang only)" OFF)

add_library(lumenrest_options INTERFACE)

if(MSVC)
  target_compile_options(lumenrest_options INTERFACE /W4 /permissive- /utf-8)
elseif(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  target_compile_options(lumenrest_options INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wconversion)
  # clang's -Wconversion also covers signedness, which GCC's leaves to -Wsign-conversion:
  # the same set on both compilers.
  if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    target_compile_options(lumenrest_options INTERFACE -Wno-sign-conversion)
  endif()
endif()

# Qt hygiene: no silent conversions between QString and 8-bit text or URLs, no narrowing
# between a signal's and a slot's arguments, and `+` on strings builds each result once.
target_compile_definitions(lumenrest_options INTERFACE
  QT_NO_CAST_TO_ASCII QT_NO_URL_CAST_FROM_STRING QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
  QT_USE_QSTRINGBUILDER QT_NO_FOREACH)

if(LUMENREST_SANITIZE OR LUMENREST_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    message(FATAL_ERROR "LUMENREST_SANITIZE and LUMENREST_FUZZ need GCC or clang")
  endif()
  set(lumenrest_sanitizers -fsanitize=address,undefined -fno-omit-frame-pointer
      -fno-sanitize-recover=undefined)
  # The level the sanitizers are made for, whatever the build type: quick to build and
  # run, with line numbers in every report.
  target_compile_options(lumenrest_options INTERFACE ${lumenrest_sanitizers} -O1 -g1)
  target_link_options(lumenrest_options INTERFACE ${lumenrest_sanitizers})
endif()

if(LUMENREST_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "LUMENREST_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
  endif()
  # Coverage for the fuzzer in all our code; only the fuzz targets link its main().
  target_compile_options(lumenrest_options INTERFACE -fsanitize=fuzzer-no-link)
endif()
