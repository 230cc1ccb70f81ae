# Binary files (images, animations) compiled into the program as byte arrays.
#
# quorvin_embed(<target> <symbol> <file>)
#   Compiles the bytes of <file> into <target>. Code includes
#   "embedded/<symbol>.h", which declares embedded::<symbol> (the bytes) and
#   embedded::<symbol>Size (their count). <file> may be made at build time.
# quorvin_embed_generated(<target> <symbol> SCRIPT <script.py> [ARGS ...]
#                         [DEPENDS ...] [EXTENSION <ext>])
#   Runs "python3 <script.py> <output file> ARGS..." at build time and embeds
#   the file it writes (named <symbol>.<ext>, png by default, in the build
#   folder); it is drawn again when the script or a DEPENDS file changes.
#
# The arrays go into a helper library <target>_embedded made in the directory
# of the first call, so every call for one target must come from one folder.
#
# Run with "cmake -P" this file is also the converter itself.

if(CMAKE_SCRIPT_MODE_FILE)
  # Script mode: -DINPUT=<file> -DOUTPUT=<source.cpp> -DSYMBOL=<name> -DHEADER=<include>
  file(READ "${INPUT}" hex HEX)
  string(LENGTH "${hex}" digits)
  math(EXPR size "${digits} / 2")
  if(size EQUAL 0)
    set(bytes "0")
  else()
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    # Sixteen bytes a line keeps the generated file readable in a diff tool.
    string(REGEX REPLACE "((0x..,){16})" "\\1\n" bytes "${bytes}")
  endif()
  file(WRITE "${OUTPUT}.tmp"
    "// Generated from ${INPUT}; do not edit.\n"
    "#include \"${HEADER}\"\n\n"
    "namespace embedded {\n"
    "const unsigned char ${SYMBOL}[] = {\n${bytes}\n};\n"
    "const std::size_t ${SYMBOL}Size = ${size};\n"
    "} // namespace embedded\n")
  file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
  return()
endif()

set(QUORVIN_EMBED_SCRIPT ${CMAKE_CURRENT_LIST_FILE})

function(quorvin_embed target symbol file)
  set(lib ${target}_embedded)
  set(include_dir ${CMAKE_CURRENT_BINARY_DIR}/${lib}_include)
  set(header embedded/${symbol}.h)
  set(source ${CMAKE_CURRENT_BINARY_DIR}/${lib}/${symbol}.cpp)
  get_filename_component(file ${file} ABSOLUTE)

  file(CONFIGURE OUTPUT ${include_dir}/${header} CONTENT
"#pragma once
// Bytes of ${file}, compiled in at build time.
#include <cstddef>

namespace embedded {
extern const unsigned char ${symbol}[];
extern const std::size_t ${symbol}Size;
} // namespace embedded
")
  add_custom_command(OUTPUT ${source}
    COMMAND ${CMAKE_COMMAND} -DINPUT=${file} -DOUTPUT=${source} -DSYMBOL=${symbol} -DHEADER=${header}
            -P ${QUORVIN_EMBED_SCRIPT}
    DEPENDS ${file} ${QUORVIN_EMBED_SCRIPT}
    COMMENT "Embedding ${symbol}"
    VERBATIM)

  if(NOT TARGET ${lib})
    add_library(${lib} STATIC)
    target_include_directories(${lib} PUBLIC ${include_dir})
    target_link_libraries(${target} PUBLIC ${lib})
  endif()
  target_sources(${lib} PRIVATE ${source})
endfunction()

function(quorvin_embed_generated target symbol)
  cmake_parse_arguments(G "" "SCRIPT;EXTENSION" "ARGS;DEPENDS" ${ARGN})
  if(NOT G_EXTENSION)
    set(G_EXTENSION png)
  endif()
  find_package(Python3 REQUIRED COMPONENTS Interpreter)
  get_filename_component(script ${G_SCRIPT} ABSOLUTE)
  set(picture ${CMAKE_CURRENT_BINARY_DIR}/${target}_embedded/${symbol}.${G_EXTENSION})
  # No bytecode caches: generator scripts and their helpers live in the sources.
  add_custom_command(OUTPUT ${picture}
    COMMAND ${CMAKE_COMMAND} -E env PYTHONDONTWRITEBYTECODE=1
            ${Python3_EXECUTABLE} ${script} ${picture} ${G_ARGS}
    DEPENDS ${script} ${G_DEPENDS}
    COMMENT "Drawing ${symbol}"
    VERBATIM)
  quorvin_embed(${target} ${symbol} ${picture})
endfunction()
