# Turns a file into a C++ source holding its bytes, run as a script:
#   cmake -DINPUT=FILE -DOUTPUT=SOURCE -DFUNCTION=NAME -DHEADER=INCLUDE -P EmbedBytes.cmake
# The source defines `std::span<const std::uint8_t> NAME()`, declared in the
# header HEADER, returning the bytes.
foreach(variable INPUT OUTPUT FUNCTION HEADER)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "EmbedBytes.cmake needs -D${variable}=...")
    endif()
endforeach()

file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hex_length)
if(hex_length EQUAL 0)
    message(FATAL_ERROR "${INPUT} is empty")
endif()
# Sixteen bytes a line.
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REPEAT "0x..," 16 line)
string(REGEX REPLACE "(${line})" "\\1\n    " bytes "${bytes}")

get_filename_component(input_name "${INPUT}" NAME)
set(content "// Made by cmake/EmbedBytes.cmake from ${input_name}; do not edit.
#include \"${HEADER}\"

namespace {

const std::uint8_t kBytes[] = {
    ${bytes}
};

}  // namespace

std::span<const std::uint8_t> ${FUNCTION}() {
    return kBytes;
}
")
file(WRITE "${OUTPUT}" "${content}")
