# One ctest entry per test program. Each GUI program runs on an X display of
# its own, because simulated input breaks when several processes share one.
if(QUORVIN_TESTS AND NOT QUORVIN_FUZZ)
  enable_testing()
  find_package(GTest CONFIG REQUIRED)
endif()

# The time after which ctest stops a test as hung. The desktop tests walk the
# whole editor through the X server, which on a machine busy with other
# work takes many times as long as on an idle one. The other GUI programs
# build the editor's pages under the sanitizers: on two cores that another
# build keeps busy, about two and a half times as long as on idle ones.
function(quorvin_test_timeout out labels)
  if("desktop" IN_LIST labels)
    set(${out} 1500 PARENT_SCOPE)
  elseif("gui" IN_LIST labels)
    set(${out} 600 PARENT_SCOPE)
  else()
    set(${out} 300 PARENT_SCOPE)
  endif()
endfunction()

# quorvin_add_display_run(test program [ARGS ...] [ENVIRONMENT ...] [LABELS ...]
#   [WINDOW_MANAGER manager] [FIXTURES ...])
# Runs the GUI test program as the ctest entry <test> on an X display of its
# own, with the program's labels and these; a desktop program under openbox
# unless another window manager is named. A program split in parts (the PARTS
# of quorvin_add_test) runs as <test>_part1 to <test>_part<n> instead, each on
# a display of its own with its share of the tests (GoogleTest's shards): the
# parts run side by side, and each stays well within the time limit on a busy
# machine.
function(quorvin_add_display_run test program)
  cmake_parse_arguments(R "" "WINDOW_MANAGER" "ARGS;ENVIRONMENT;LABELS;FIXTURES" ${ARGN})
  get_target_property(labels ${program} QUORVIN_TEST_LABELS)
  list(APPEND labels ${R_LABELS})
  quorvin_test_timeout(timeout "${labels}")
  set(environment "QUORVIN_SOURCE_DIR=${PROJECT_SOURCE_DIR};NO_AT_BRIDGE=1" ${R_ENVIRONMENT})
  if(R_WINDOW_MANAGER)
    list(APPEND environment "QUORVIN_WINDOW_MANAGER=${R_WINDOW_MANAGER}")
  elseif("desktop" IN_LIST labels)
    list(APPEND environment "QUORVIN_WINDOW_MANAGER=openbox")
  endif()
  get_target_property(parts ${program} QUORVIN_TEST_PARTS)
  if(NOT parts GREATER 1)
    set(parts 1)
  endif()
  foreach(part RANGE 1 ${parts})
    set(name ${test})
    set(part_environment ${environment})
    if(parts GREATER 1)
      set(name ${test}_part${part})
      math(EXPR shard "${part} - 1")
      list(APPEND part_environment "GTEST_TOTAL_SHARDS=${parts}" "GTEST_SHARD_INDEX=${shard}")
    endif()
    add_test(NAME ${name} COMMAND ${PROJECT_SOURCE_DIR}/cmake/own-display.sh $<TARGET_FILE:${program}> ${R_ARGS})
    set_tests_properties(${name} PROPERTIES LABELS "${labels}" TIMEOUT ${timeout} ENVIRONMENT "${part_environment}")
    if(R_FIXTURES)
      set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED "${R_FIXTURES}")
    endif()
  endforeach()
endfunction()

# quorvin_add_test(name [GUI|TOOLKIT] SOURCES ... LIBS ... [LABELS ...] [PARTS n])
# GUI programs get a main that starts the toolkit on a display; TOOLKIT
# programs one that starts it without, with an event loop the tests run.
# A GUI program may run in n parts side by side (quorvin_add_display_run).
function(quorvin_add_test name)
  if(NOT QUORVIN_TESTS OR QUORVIN_FUZZ)
    return()
  endif()
  cmake_parse_arguments(T "GUI;TOOLKIT" "PARTS" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} quorvin_test_support quorvin_warnings GTest::gtest GTest::gmock)
  if(T_GUI)
    target_link_libraries(${name} PRIVATE quorvin_gui_test_main)
    set_target_properties(${name} PROPERTIES QUORVIN_TEST_LABELS "gui;${T_LABELS}" QUORVIN_TEST_PARTS "${T_PARTS}")
    quorvin_add_display_run(${name} ${name})
    return()
  endif()
  if(T_TOOLKIT)
    target_link_libraries(${name} PRIVATE quorvin_toolkit_test_main)
  else()
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  set(labels "headless;${T_LABELS}")
  # Kept for the program's other runs (quorvin_add_french_run).
  set_target_properties(${name} PROPERTIES QUORVIN_TEST_LABELS "${labels}")
  add_test(NAME ${name} COMMAND ${name})
  quorvin_test_timeout(timeout "${labels}")
  set_tests_properties(${name} PROPERTIES LABELS "${labels}" TIMEOUT ${timeout}
    ENVIRONMENT "QUORVIN_SOURCE_DIR=${PROJECT_SOURCE_DIR};NO_AT_BRIDGE=1")
endfunction()

# Sources of a library folder, without its tests, fuzz targets or catalogues.
function(quorvin_sources out dir)
  file(GLOB_RECURSE found CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.h)
  list(FILTER found EXCLUDE REGEX "/(tests|fuzz|i18n|benchmarks)/")
  set(${out} ${found} PARENT_SCOPE)
endfunction()

# Every folder under <library>/tests becomes one test program named
# <library>_<folder>; folders whose name starts with "gui" need a display.
# Labels: "headless" or "gui", the library, and those of the folder's LABELS.
# A GUI program labelled "desktop" runs under a window manager, as on a
# user's desktop, and drives the editor through the X server (DesktopInput).
function(quorvin_add_test_folders library)
  cmake_parse_arguments(T "" "" "LIBS" ${ARGN})
  file(GLOB children RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*)
  foreach(child IN LISTS children)
    if(NOT IS_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/${child} OR child MATCHES "^(support|fuzz|benchmarks|data)$")
      continue()
    endif()
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${child}/*.cpp)
    if(NOT sources)
      continue()
    endif()
    set(main_flag "")
    if(child MATCHES "^gui")
      set(main_flag GUI)
    endif()
    # A LABELS file in the folder adds ctest labels, one a line ("tsan");
    # "toolkit" also starts the toolkit without a display for the tests.
    set(folder_labels "")
    set(labels_file ${CMAKE_CURRENT_SOURCE_DIR}/${child}/LABELS)
    if(EXISTS ${labels_file})
      file(STRINGS ${labels_file} folder_labels)
      set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${labels_file})
    endif()
    if(NOT main_flag AND "toolkit" IN_LIST folder_labels)
      set(main_flag TOOLKIT)
    endif()
    # A PARTS file holds the number of parts a slow GUI program runs in.
    set(parts "")
    set(parts_file ${CMAKE_CURRENT_SOURCE_DIR}/${child}/PARTS)
    if(EXISTS ${parts_file})
      file(STRINGS ${parts_file} parts LIMIT_COUNT 1)
      set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${parts_file})
    endif()
    quorvin_add_test(${library}_${child} ${main_flag} SOURCES ${sources} LIBS ${T_LIBS}
      LABELS ${library} ${folder_labels} PARTS ${parts})
  endforeach()
endfunction()

# A static library of the given sources; a library whose sources have not
# come yet still builds, from an empty file.
function(quorvin_library name)
  set(sources ${ARGN})
  list(FILTER sources INCLUDE REGEX "\\.cpp$")
  set(placeholder "")
  if(NOT sources)
    set(placeholder ${CMAKE_CURRENT_BINARY_DIR}/${name}_empty.cpp)
    file(WRITE ${placeholder} "")
  endif()
  add_library(${name} STATIC ${ARGN} ${placeholder})
  target_link_libraries(${name} PRIVATE quorvin_warnings)
endfunction()

# quorvin_add_window_manager_run(name manager filter): runs the desktop test
# program <name> again, as <name>_<manager>, under another window manager
# (QUORVIN_WINDOW_MANAGER), with the tests the GoogleTest filter names.
function(quorvin_add_window_manager_run name manager filter)
  if(NOT TARGET ${name})
    return()
  endif()
  quorvin_add_display_run(${name}_${manager} ${name} ARGS --gtest_filter=${filter} WINDOW_MANAGER ${manager})
endfunction()

# quorvin_add_french_run(name): runs the test program <name> a second time,
# as <name>_fr, with the interface in French (QUORVIN_TEST_LANGUAGE=fr tells
# the program to take the system's language, as the editor does). Machines
# often have no French locale, so a fixture makes one in the build folder,
# found through LOCPATH; the package "locales" provides localedef's data.
function(quorvin_add_french_run name)
  if(NOT TARGET ${name})
    return()
  endif()
  set(locales ${PROJECT_BINARY_DIR}/locale)
  if(NOT TEST quorvin_french_locale)
    find_program(QUORVIN_LOCALEDEF localedef REQUIRED)
    file(MAKE_DIRECTORY ${locales})
    add_test(NAME quorvin_french_locale
      COMMAND ${QUORVIN_LOCALEDEF} -i fr_FR -f UTF-8 ${locales}/fr_FR.UTF-8)
    set_tests_properties(quorvin_french_locale PROPERTIES FIXTURES_SETUP french_locale LABELS "headless;french")
  endif()
  quorvin_add_display_run(${name}_fr ${name} LABELS french FIXTURES french_locale
    ENVIRONMENT QUORVIN_TEST_LANGUAGE=fr LANG=fr_FR.UTF-8 LC_ALL=fr_FR.UTF-8 LANGUAGE=fr LOCPATH=${locales})
endfunction()
