# Turns one file into a C++ source that returns its bytes as a span.
# cmake -DINPUT=<file> -DOUTPUT=<file.cpp> -DFUNCTION=<name> -P embed_bytes.cmake
if(NOT INPUT OR NOT OUTPUT OR NOT FUNCTION)
  message(FATAL_ERROR "embed_bytes: INPUT, OUTPUT and FUNCTION are required")
endif()

file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hex_length)
if(hex_length EQUAL 0)
  message(FATAL_ERROR "embed_bytes: ${INPUT} is empty")
endif()
# Sixteen bytes a line keeps the generated source readable in a diff viewer.
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x[0-9a-f][0-9a-f],){16})" "\\1\n  " bytes "${bytes}")

get_filename_component(input_name "${INPUT}" NAME)
set(content "// Generated from ${input_name}; do not edit.
#include <cstdint>
#include <span>

namespace assets::embedded {

namespace {
const uint8_t kBytes[] = {
  ${bytes}
};
}  // namespace

std::span<const uint8_t> ${FUNCTION}() { return kBytes; }

}  // namespace assets::embedded
")

# Rewrite only on change, so an unchanged picture does not rebuild its users.
if(EXISTS "${OUTPUT}")
  file(READ "${OUTPUT}" previous)
  if(previous STREQUAL content)
    return()
  endif()
endif()
file(WRITE "${OUTPUT}" "${content}")
