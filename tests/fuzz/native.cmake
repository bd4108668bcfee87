# The fuzzers need clang's libFuzzer (Debian: clang, libclang-rt-14-dev), so
# they are built as a project of their own. ctest gives them a short run;
# `cmake --build --preset native --target fuzz` (make fuzz) a long one that
# keeps its corpus in the build tree.
include(ExternalProject)
find_program(GLYPHOR_CLANGXX NAMES clang++ clang++-14 REQUIRED)
set(GLYPHOR_FUZZ_SECONDS 600 CACHE STRING "How long the fuzz target runs each fuzzer")

set(fuzz_build ${CMAKE_BINARY_DIR}/fuzz)
ExternalProject_Add(glyphor_fuzzers
  SOURCE_DIR ${CMAKE_CURRENT_LIST_DIR}
  BINARY_DIR ${fuzz_build}
  CMAKE_ARGS -DCMAKE_CXX_COMPILER=${GLYPHOR_CLANGXX} -DCMAKE_BUILD_TYPE=Debug
  BUILD_ALWAYS ON
  INSTALL_COMMAND "")

# A failing input is written to build/native/fuzz-artefacts/.
set(fuzz_options -dict=${CMAKE_CURRENT_LIST_DIR}/font_coverage.dict -artifact_prefix=${CMAKE_BINARY_DIR}/fuzz-artefacts/)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz-artefacts)
add_test(NAME font_coverage_fuzz COMMAND ${fuzz_build}/font_coverage_fuzz -max_total_time=10 -seed=1 ${fuzz_options})

set(emf_options -dict=${CMAKE_CURRENT_LIST_DIR}/emf_records.dict -artifact_prefix=${CMAKE_BINARY_DIR}/fuzz-artefacts/)
add_test(NAME emf_records_fuzz COMMAND ${fuzz_build}/emf_records_fuzz -max_total_time=10 -seed=1 ${emf_options})

file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz-corpus/font_coverage ${CMAKE_BINARY_DIR}/fuzz-corpus/emf_records)
add_custom_target(fuzz
  COMMAND ${fuzz_build}/font_coverage_fuzz -max_total_time=${GLYPHOR_FUZZ_SECONDS} ${fuzz_options}
          ${CMAKE_BINARY_DIR}/fuzz-corpus/font_coverage
  COMMAND ${fuzz_build}/emf_records_fuzz -max_total_time=${GLYPHOR_FUZZ_SECONDS} ${emf_options}
          ${CMAKE_BINARY_DIR}/fuzz-corpus/emf_records
  DEPENDS glyphor_fuzzers
  USES_TERMINAL)
