# cmake -DINPUT=file -DOUTPUT=file.cpp -DSYMBOL=name -P embed.cmake
# Writes a C++ source holding the bytes of INPUT as the array SYMBOL.
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" digits)
math(EXPR size "${digits} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
file(WRITE "${OUTPUT}"
"// Generated from ${INPUT} at build time; do not edit.\n"
"#include <cstddef>\n\n"
"namespace res::embedded {\n"
"extern const unsigned char ${SYMBOL}[];\n"
"extern const std::size_t ${SYMBOL}Size;\n"
"const unsigned char ${SYMBOL}[] = {\n    ${bytes}\n};\n"
"const std::size_t ${SYMBOL}Size = ${size};\n"
"}  // namespace res::embedded\n")
