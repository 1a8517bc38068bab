# Writes one file's bytes as a C++ array (run by embed_files at build time).
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hex_length)
math(EXPR size "${hex_length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
file(WRITE "${OUTPUT}"
  "#include \"${HEADER}\"\n\nnamespace au {\nnamespace {\nconst unsigned char kBytes[${size}] = {\n${bytes}};\n}\n"
  "const std::span<const unsigned char> ${SYMBOL}{kBytes, ${size}};\n}\n")
