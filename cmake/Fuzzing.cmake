# libFuzzer targets: every .cpp under <library>/tests/fuzz is one fuzzer,
# built only in a clang configuration with QUORVIN_FUZZ on. The libraries are
# then built with coverage instrumentation too.
if(QUORVIN_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "QUORVIN_FUZZ needs clang (CXX=clang++)")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

# quorvin_add_fuzzers(LIBS ...): one fuzzer per source file in ./fuzz.
function(quorvin_add_fuzzers)
  if(NOT QUORVIN_FUZZ)
    return()
  endif()
  cmake_parse_arguments(F "" "" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/*.cpp)
  foreach(source IN LISTS sources)
    get_filename_component(name ${source} NAME_WE)
    add_executable(${name} ${source})
    target_link_libraries(${name} PRIVATE ${F_LIBS} quorvin_warnings)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    set_property(GLOBAL APPEND PROPERTY QUORVIN_FUZZERS ${name})
  endforeach()
endfunction()
