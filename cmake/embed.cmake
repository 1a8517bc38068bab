# embed_files(<target> <namespace-qualified header name> FILES <file>...)
# Turns each file into a byte array compiled into <target>, so that the program
# carries its pictures without reading anything from disk.
#   res/elegant_master.bmp  ->  extern const std::span<const unsigned char> kElegantMasterBmp;
function(embed_files target header)
  cmake_parse_arguments(EMBED "" "" "FILES" ${ARGN})
  set(out_dir "${CMAKE_CURRENT_BINARY_DIR}/embedded")
  set(header_path "${out_dir}/${header}")
  set(decls "")
  foreach(file IN LISTS EMBED_FILES)
    get_filename_component(abs "${file}" ABSOLUTE)
    get_filename_component(stem "${file}" NAME)
    string(MAKE_C_IDENTIFIER "${stem}" ident)
    string(REPLACE "_" ";" parts "${ident}")
    set(symbol "k")
    foreach(part IN LISTS parts)
      string(SUBSTRING "${part}" 0 1 first)
      string(SUBSTRING "${part}" 1 -1 rest)
      string(TOUPPER "${first}" first)
      string(APPEND symbol "${first}${rest}")
    endforeach()
    set(cpp "${out_dir}/${ident}.cpp")
    add_custom_command(OUTPUT "${cpp}"
      COMMAND ${CMAKE_COMMAND} -DINPUT=${abs} -DOUTPUT=${cpp} -DSYMBOL=${symbol}
              -DHEADER=${header} -P ${PROJECT_SOURCE_DIR}/cmake/embed_one.cmake
      DEPENDS "${abs}" ${PROJECT_SOURCE_DIR}/cmake/embed_one.cmake
      COMMENT "Embedding ${stem}")
    target_sources(${target} PRIVATE "${cpp}")
    string(APPEND decls "extern const std::span<const unsigned char> ${symbol};\n")
  endforeach()
  file(WRITE "${header_path}.tmp"
    "// Generated from res/ at build time.\n#pragma once\n#include <span>\n\nnamespace au {\n${decls}}\n")
  file(COPY_FILE "${header_path}.tmp" "${header_path}" ONLY_IF_DIFFERENT)
  target_include_directories(${target} PUBLIC "${out_dir}")
endfunction()
