# One ctest entry per test program. Each GUI program runs on an X display of
# its own, because simulated input breaks when several processes share one.
if(QUORVIN_TESTS AND NOT QUORVIN_FUZZ)
  enable_testing()
  find_package(GTest CONFIG REQUIRED)
endif()

# The time after which ctest stops a test as hung. The desktop tests walk the
# whole editor through the X server, which on a machine busy with other
# work takes many times as long as on an idle one.
function(quorvin_test_timeout out labels)
  if("desktop" IN_LIST labels)
    set(${out} 1500 PARENT_SCOPE)
  else()
    set(${out} 300 PARENT_SCOPE)
  endif()
endfunction()

# quorvin_add_test(name [GUI|TOOLKIT] SOURCES ... LIBS ... [LABELS ...])
# GUI programs get a main that starts the toolkit on a display; TOOLKIT
# programs one that starts it without, with an event loop the tests run.
function(quorvin_add_test name)
  if(NOT QUORVIN_TESTS OR QUORVIN_FUZZ)
    return()
  endif()
  cmake_parse_arguments(T "GUI;TOOLKIT" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} quorvin_test_support quorvin_warnings GTest::gtest GTest::gmock)
  if(T_GUI)
    target_link_libraries(${name} PRIVATE quorvin_gui_test_main)
    add_test(NAME ${name} COMMAND ${PROJECT_SOURCE_DIR}/cmake/own-display.sh $<TARGET_FILE:${name}>)
    set_tests_properties(${name} PROPERTIES LABELS "gui;${T_LABELS}")
  else()
    if(T_TOOLKIT)
      target_link_libraries(${name} PRIVATE quorvin_toolkit_test_main)
    else()
      target_link_libraries(${name} PRIVATE GTest::gtest_main)
    endif()
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES LABELS "headless;${T_LABELS}")
  endif()
  set(environment "QUORVIN_SOURCE_DIR=${PROJECT_SOURCE_DIR};NO_AT_BRIDGE=1")
  quorvin_test_timeout(timeout "${T_LABELS}")
  if("desktop" IN_LIST T_LABELS)
    list(APPEND environment "QUORVIN_WINDOW_MANAGER=openbox")
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT ${timeout} ENVIRONMENT "${environment}")
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
    quorvin_add_test(${library}_${child} ${main_flag} SOURCES ${sources} LIBS ${T_LIBS}
      LABELS ${library} ${folder_labels})
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
  get_test_property(${name} LABELS labels)
  quorvin_test_timeout(timeout "${labels}")
  add_test(NAME ${name}_${manager}
    COMMAND ${PROJECT_SOURCE_DIR}/cmake/own-display.sh $<TARGET_FILE:${name}> --gtest_filter=${filter})
  set_tests_properties(${name}_${manager} PROPERTIES LABELS "${labels}" TIMEOUT ${timeout}
    ENVIRONMENT "QUORVIN_SOURCE_DIR=${PROJECT_SOURCE_DIR};NO_AT_BRIDGE=1;QUORVIN_WINDOW_MANAGER=${manager}")
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
  get_test_property(${name} LABELS labels)
  quorvin_test_timeout(timeout "${labels}")
  add_test(NAME ${name}_fr COMMAND ${PROJECT_SOURCE_DIR}/cmake/own-display.sh $<TARGET_FILE:${name}>)
  set_tests_properties(${name}_fr PROPERTIES LABELS "${labels};french" TIMEOUT ${timeout}
    FIXTURES_REQUIRED french_locale
    ENVIRONMENT "QUORVIN_SOURCE_DIR=${PROJECT_SOURCE_DIR};NO_AT_BRIDGE=1;QUORVIN_TEST_LANGUAGE=fr;LANG=fr_FR.UTF-8;LC_ALL=fr_FR.UTF-8;LANGUAGE=fr;LOCPATH=${locales}")
  if("desktop" IN_LIST labels)
    set_property(TEST ${name}_fr APPEND PROPERTY ENVIRONMENT "QUORVIN_WINDOW_MANAGER=openbox")
  endif()
endfunction()
