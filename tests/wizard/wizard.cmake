# Wizard tests: a UI driver built for the target runs the real setup under
# Wine, one ctest entry per suite, each in a prefix and on a screen of its own.
file(GLOB WIZARD_DRIVER_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/wizard/*.cpp)
list(REMOVE_ITEM WIZARD_DRIVER_SOURCES ${CMAKE_SOURCE_DIR}/tests/wizard/FakeViewer.cpp)

add_executable(wizard_driver ${WIZARD_DRIVER_SOURCES})
target_include_directories(wizard_driver PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/tests/wizard)
target_compile_options(wizard_driver PRIVATE -Wall -Wextra)
target_link_options(wizard_driver PRIVATE ${STATIC_LINK})
target_link_libraries(wizard_driver PRIVATE gtest comctl32 user32 gdi32 advapi32 shell32)
set_target_properties(wizard_driver PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)

add_executable(fake_viewer WIN32 ${CMAKE_SOURCE_DIR}/tests/wizard/FakeViewer.cpp)
target_compile_options(fake_viewer PRIVATE -Wall -Wextra)
target_link_options(fake_viewer PRIVATE ${STATIC_LINK})
set_target_properties(fake_viewer PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
add_dependencies(wizard_driver fake_viewer PictomazeSetup)

foreach(suite WelcomePage QuitQuestion ViewerRunning HyperLinkUi BrowseFolder FinishActions)
  add_test(NAME wizard.${suite}
           COMMAND ${PYTHON3} ${CMAKE_SOURCE_DIR}/tests/wizard/run_driver.py ${suite})
  set_tests_properties(wizard.${suite} PROPERTIES LABELS wizard TIMEOUT 1500
    ENVIRONMENT "SETUP_EXE=${CMAKE_BINARY_DIR}/PictomazeSetup.exe;BUILD_DIR=${CMAKE_BINARY_DIR}")
endforeach()

# Whole guided installs, each compared with a silent install of the same choices.
target_sources(wizard_driver PRIVATE ${CMAKE_SOURCE_DIR}/src/integration/FileTypeCatalogue.cpp)
target_include_directories(wizard_driver PRIVATE ${CMAKE_SOURCE_DIR}/src)
foreach(scenario XpAssociationsLocked XpImagesForAllUsers Win7RowsTwoAndTwentyThree Win10FailureViewerAndNo
                 Win10AllGroups)
  add_test(NAME guided.${scenario}
           COMMAND ${PYTHON3} ${CMAKE_SOURCE_DIR}/tests/wizard/guided_install.py ${scenario})
  set_tests_properties(guided.${scenario} PROPERTIES LABELS wizard TIMEOUT 1500
    ENVIRONMENT "SETUP_EXE=${CMAKE_BINARY_DIR}/PictomazeSetup.exe;BUILD_DIR=${CMAKE_BINARY_DIR}")
endforeach()
