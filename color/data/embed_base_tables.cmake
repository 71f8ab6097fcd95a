# Turns the committed base tables (raw 14,739-byte files) into a C++ source of
# constant arrays, so the module carries them without reading files at run
# time. Run as: cmake -DDATA_DIR=... -DOUT=... -P embed_base_tables.cmake
set(body "// Generated from color/data/*.bin by embed_base_tables.cmake; do not edit.\n")
string(APPEND body "#include \"color/base_table_data.h\"\n\nnamespace velko::color {\n")
foreach(name normal document photo)
  set(file "${DATA_DIR}/base_${name}.bin")
  file(SIZE "${file}" size)
  if(NOT size EQUAL 14739)
    message(FATAL_ERROR "${file}: ${size} bytes, expected 14739 (17 x 17 x 17 x 3)")
  endif()
  file(READ "${file}" hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(REPEAT "0x..," 24 row)  # CMake regexes have no {n}: 24 bytes a line
  string(REGEX REPLACE "(${row})" "\\1\n  " bytes "${bytes}")
  string(SUBSTRING ${name} 0 1 first)
  string(TOUPPER ${first} first)
  string(SUBSTRING ${name} 1 -1 rest)
  string(APPEND body "\nconst uint8_t kBaseTable${first}${rest}[kColorTableBytes] = {\n  ${bytes}\n};\n")
endforeach()
string(APPEND body "\n}  // namespace velko::color\n")
file(WRITE "${OUT}.tmp" "${body}")
file(COPY_FILE "${OUT}.tmp" "${OUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUT}.tmp")
