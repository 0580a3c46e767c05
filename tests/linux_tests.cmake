# The Linux build's tests: the test programs under Xvfb, the whole program driven, the
# catalogs, the floors, installing and the package. Included from tests/CMakeLists.txt.

gtest_discover_tests(logic_tests DISCOVERY_TIMEOUT 30)
# DISPLAY cleared: these tests prove they need no display. gtest_discover_tests would split an
# ENVIRONMENT of several variables apart, so a script that ctest reads after the discovered list
# sets it on every test of that list, with a time limit that only ends a hang.
file(CONFIGURE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/logic_tests_environment.cmake CONTENT
  "set_tests_properties(\${logic_tests_TESTS} PROPERTIES ENVIRONMENT \"DISPLAY=;${LAPMARK_TEST_ENV}\" LABELS logic TIMEOUT 60)\n"
  @ONLY)
set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES
  ${CMAKE_CURRENT_BINARY_DIR}/logic_tests_environment.cmake)

add_test(NAME gui_tests COMMAND ${LAPMARK_XVFB} $<TARGET_FILE:gui_tests>)
set_tests_properties(gui_tests PROPERTIES
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
  ENVIRONMENT "${LAPMARK_TEST_ENV}"
  TIMEOUT 300 COST 30)

# Every screen: the windows again with large text (text scale 1.25 and 1.5) and at 200 %.
foreach(scale text_1.25:GDK_DPI_SCALE=1.25 text_1.5:GDK_DPI_SCALE=1.5 screen_2:GDK_SCALE=2)
  string(REPLACE ":" ";" scale ${scale})
  list(GET scale 0 name)
  list(GET scale 1 variable)
  add_test(NAME screens_${name} COMMAND ${LAPMARK_XVFB} $<TARGET_FILE:gui_tests> --gtest_filter=Screens.*)
  set_tests_properties(screens_${name} PROPERTIES WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    ENVIRONMENT "${LAPMARK_TEST_ENV};${variable}" TIMEOUT 900 LABELS gui)
endforeach()

# Whole-program runs: start the real executable, close its window, look at how it ended.
add_executable(window_driver gui/window_driver.cpp)
find_package(X11 REQUIRED)
target_include_directories(window_driver PRIVATE support)
target_link_libraries(window_driver PRIVATE X11::X11 X11::Xtst)
# A clipboard manager for the test that copies laps and then ends the program.
add_executable(clipboard_keeper gui/clipboard_keeper.c)
target_link_libraries(clipboard_keeper PRIVATE X11::X11)
# Moves the boot-time clock and the wall clock of the real program, as a suspend and a clock
# change do, and slows its disk. Plain C without the sanitizers: it is loaded before their runtime.
add_library(clock_shift MODULE gui/clock_shift.c)
target_compile_options(clock_shift PRIVATE -fno-sanitize=all)
target_link_options(clock_shift PRIVATE -fno-sanitize=all)
target_link_libraries(clock_shift PRIVATE ${CMAKE_DL_LIBS})
add_test(NAME program_runs COMMAND ${LAPMARK_XVFB} ${CMAKE_CURRENT_SOURCE_DIR}/gui/program_runs.sh
  $<TARGET_FILE:lapmark> $<TARGET_FILE:window_driver> ${CMAKE_BINARY_DIR} $<TARGET_FILE:clock_shift>
  $<TARGET_FILE:clipboard_keeper>)
add_test(NAME program_starts COMMAND ${LAPMARK_XVFB} ${CMAKE_CURRENT_SOURCE_DIR}/gui/program_starts.sh
  $<TARGET_FILE:lapmark> $<TARGET_FILE:window_driver> ${CMAKE_BINARY_DIR})
add_test(NAME program_keys COMMAND ${LAPMARK_XVFB} ${CMAKE_CURRENT_SOURCE_DIR}/gui/program_keys.sh
  $<TARGET_FILE:lapmark> $<TARGET_FILE:window_driver> ${CMAKE_BINARY_DIR} $<TARGET_FILE:clock_shift>)
# The split list through a screen reader's eyes and a saved file: a session bus of its own, where
# the accessibility bus starts.
find_program(DBUS_RUN_SESSION dbus-run-session REQUIRED)
add_test(NAME program_list COMMAND ${LAPMARK_XVFB} ${DBUS_RUN_SESSION} -- ${CMAKE_CURRENT_SOURCE_DIR}/gui/program_list.sh
  $<TARGET_FILE:lapmark> $<TARGET_FILE:window_driver> ${CMAKE_BINARY_DIR} $<TARGET_FILE:clock_shift>)
# A run kept across a kill, a close and a reset, and a slow disk: read through AT-SPI too.
add_test(NAME program_keeps COMMAND ${LAPMARK_XVFB} ${DBUS_RUN_SESSION} -- ${CMAKE_CURRENT_SOURCE_DIR}/gui/program_keeps.sh
  $<TARGET_FILE:lapmark> $<TARGET_FILE:window_driver> ${CMAKE_BINARY_DIR} $<TARGET_FILE:clock_shift>)
# On a Wayland session: sway, headless, with Xwayland; the accessibility bus in a session bus.
add_executable(x11_state_recorder gui/x11_state_recorder.c)
target_link_libraries(x11_state_recorder PRIVATE X11::X11 X11::Xtst)
add_test(NAME program_wayland COMMAND ${DBUS_RUN_SESSION} -- ${CMAKE_CURRENT_SOURCE_DIR}/gui/program_wayland.sh
  $<TARGET_FILE:lapmark> ${CMAKE_BINARY_DIR} $<TARGET_FILE:clock_shift> $<TARGET_FILE:x11_state_recorder>
  ${CMAKE_BINARY_DIR}/${LAPMARK_APP_ID}.desktop $<TARGET_FILE:window_driver>)
set_tests_properties(program_wayland PROPERTIES SKIP_RETURN_CODE 77)
# The whole-program tests start first (a higher cost), so the short ones fill in beside them.
# Their TIMEOUTs, like every one here, only end a hang; none is a verdict on speed.
set_tests_properties(program_runs program_starts program_keys program_list program_keeps program_wayland PROPERTIES TIMEOUT 900 COST 40
  ENVIRONMENT "${LAPMARK_TEST_ENV}")

# Every catalog of po/LINGUAS passes gettext's own checks and translates every text the sources use.
add_test(NAME catalogs COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/catalogs.sh ${CMAKE_SOURCE_DIR} ${CMAKE_BINARY_DIR})
set_tests_properties(catalogs PROPERTIES ENVIRONMENT "${LAPMARK_TEST_ENV}")

# Installing: the staged file list, the validators, and the installed program finding its data.
add_test(NAME install COMMAND ${LAPMARK_XVFB} ${CMAKE_CURRENT_SOURCE_DIR}/install_test.sh
  ${CMAKE_BINARY_DIR} ${CMAKE_SOURCE_DIR} $<TARGET_FILE:window_driver>)
set_tests_properties(install PROPERTIES TIMEOUT 900 ENVIRONMENT "${LAPMARK_TEST_ENV}")

# The whole program against damaged pictures, catalogs and settings: four groups, each on a
# display of its own, so ctest runs them side by side.
foreach(group pictures catalogs-ja catalogs-zh_CN settings)
  add_test(NAME robustness_${group} COMMAND ${LAPMARK_XVFB} ${CMAKE_CURRENT_SOURCE_DIR}/robustness.sh
    ${group} $<TARGET_FILE:lapmark> $<TARGET_FILE:window_driver> ${CMAKE_BINARY_DIR})
  set_tests_properties(robustness_${group} PROPERTIES TIMEOUT 900 COST 40
    ENVIRONMENT "${LAPMARK_TEST_ENV}")
endforeach()

# Rooms include only the floors below them.
add_test(NAME include_floors COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/include_floors.sh ${CMAKE_SOURCE_DIR})
set_tests_properties(include_floors PROPERTIES ENVIRONMENT "${LAPMARK_TEST_ENV}")

# The Debian package, as lintian sees it.
add_test(NAME package COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/package_test.sh ${CMAKE_BINARY_DIR})
set_tests_properties(package PROPERTIES TIMEOUT 600 SKIP_RETURN_CODE 77 ENVIRONMENT "${LAPMARK_TEST_ENV}")

# Labels for running a part alone (ctest -L): logic (no display), gui, program (the real program,
# driven), package (installing and packaging).
set_property(TEST catalogs include_floors PROPERTY LABELS logic)
set_property(TEST gui_tests PROPERTY LABELS gui)
set_property(TEST program_runs program_starts program_keys program_list program_keeps program_wayland robustness_pictures
  robustness_catalogs-ja robustness_catalogs-zh_CN robustness_settings PROPERTY LABELS program)
set_property(TEST install package PROPERTY LABELS package)
