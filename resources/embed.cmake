# cmake -DINPUT=file -DOUTPUT=file.inc -P embed.cmake
# Writes the bytes of INPUT as C byte literals separated by commas, to be included inside an array
# initialiser. Only CMake is needed at build time, no xxd or resource compiler.
file(READ "${INPUT}" hex HEX)
if(hex STREQUAL "")
  message(FATAL_ERROR "embed.cmake: ${INPUT} is empty")
endif()
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
# Sixteen bytes a line (CMake's regular expressions have no {n}).
string(REPEAT "0x..," 16 line)
string(REGEX REPLACE "(${line})" "\\1\n" bytes "${bytes}")
file(WRITE "${OUTPUT}" "${bytes}\n")
