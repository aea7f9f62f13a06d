# Silent-install tests: each Python file runs the real setup in throwaway prefixes.
find_program(PYTHON3 python3 REQUIRED)
file(GLOB SILENT_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/silent/test_*.py)
foreach(script ${SILENT_TESTS})
  get_filename_component(name ${script} NAME_WE)
  add_test(NAME silent.${name}
           COMMAND ${PYTHON3} -m unittest -v ${name}
           WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}/tests/silent)
  set_tests_properties(silent.${name} PROPERTIES LABELS silent TIMEOUT 900
    ENVIRONMENT "SETUP_EXE=${CMAKE_BINARY_DIR}/PictomazeSetup.exe;BUILD_DIR=${CMAKE_BINARY_DIR}")
endforeach()

# Wizard tests: a UI driver built for the target drives the real setup.
if(EXISTS ${CMAKE_SOURCE_DIR}/tests/wizard/wizard.cmake)
  include(${CMAKE_SOURCE_DIR}/tests/wizard/wizard.cmake)
endif()

# A window of the viewer's class, for the "viewer is running" cases.
add_executable(viewer_window WIN32 ${CMAKE_SOURCE_DIR}/tests/helpers/viewer_window.cpp)
target_link_options(viewer_window PRIVATE -municode -static)
set_target_properties(viewer_window PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
