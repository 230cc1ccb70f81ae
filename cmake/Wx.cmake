# CMake 3.25's FindwxWidgets defines no imported targets: wrap its variables in
# two interface targets, one that needs no display and one for windows.
function(quorvin_wx_target target)
  set(wxWidgets_FIND_COMPONENTS ${ARGN})
  find_package(wxWidgets 3.2 REQUIRED COMPONENTS ${ARGN})
  add_library(${target} INTERFACE)
  target_include_directories(${target} SYSTEM INTERFACE ${wxWidgets_INCLUDE_DIRS})
  target_compile_definitions(${target} INTERFACE ${wxWidgets_DEFINITIONS}
    $<$<CONFIG:Debug>:${wxWidgets_DEFINITIONS_DEBUG}>)
  target_compile_options(${target} INTERFACE ${wxWidgets_CXX_FLAGS})
  target_link_libraries(${target} INTERFACE ${wxWidgets_LIBRARIES})
endfunction()

quorvin_wx_target(quorvin_wx_base xml base)
quorvin_wx_target(quorvin_wx_gui adv html core xml base)
