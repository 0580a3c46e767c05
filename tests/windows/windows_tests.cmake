# The Windows build's tests, run by Wine (the toolchain's emulator) in a throwaway Wine prefix of
# the build tree, whose registry stands in for the user's. Included from tests/CMakeLists.txt.
set(lapmark_wine_prefix ${CMAKE_BINARY_DIR}/wine-prefix)
# No Mono or Gecko installer at the prefix's first start, and no debug chatter.
set(LAPMARK_WINE_ENV WINEPREFIX=${lapmark_wine_prefix} WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=)
set(LAPMARK_TEST_ENV ${LAPMARK_TEST_ENV} ${LAPMARK_WINE_ENV})

set(lapmark_under_wine ${CMAKE_CURRENT_SOURCE_DIR}/windows/under_wine.sh)

# The prefix is made once (12 to 16 s), before any test uses it; the tests that use it take
# turns, each with the prefix's Wine to itself.
add_test(NAME wine_prefix COMMAND sh -c "rm -rf '${lapmark_wine_prefix}' && wineboot --init && wineserver --wait")
set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wine RESOURCE_LOCK wine_prefix
  ENVIRONMENT "${LAPMARK_TEST_ENV}" TIMEOUT 120)

# One Wine process for all of them: a start of Wine costs about a second.
add_test(NAME logic_tests COMMAND ${lapmark_under_wine} wine $<TARGET_FILE:logic_tests>)
set_tests_properties(logic_tests PROPERTIES FIXTURES_REQUIRED wine RESOURCE_LOCK wine_prefix
  TIMEOUT 300 ENVIRONMENT "DISPLAY=;${LAPMARK_TEST_ENV}")

add_test(NAME gui_tests COMMAND ${LAPMARK_XVFB} ${lapmark_under_wine} wine $<TARGET_FILE:gui_tests>)
set_tests_properties(gui_tests PROPERTIES FIXTURES_REQUIRED wine RESOURCE_LOCK wine_prefix
  TIMEOUT 300 WORKING_DIRECTORY ${CMAKE_BINARY_DIR} ENVIRONMENT "${LAPMARK_TEST_ENV}")

# Every screen: the windows at 100 %, 125 %, 150 % and 200 % (the prefix's DPI).
foreach(dpi 96 120 144 192)
  add_test(NAME screens_${dpi}dpi COMMAND ${LAPMARK_XVFB} ${CMAKE_CURRENT_SOURCE_DIR}/windows/at_dpi.sh ${dpi}
    wine $<TARGET_FILE:gui_tests> --gtest_filter=Screens.*)
  set_tests_properties(screens_${dpi}dpi PROPERTIES FIXTURES_REQUIRED wine RESOURCE_LOCK wine_prefix
    TIMEOUT 900 WORKING_DIRECTORY ${CMAKE_BINARY_DIR} ENVIRONMENT "${LAPMARK_TEST_ENV}")
endforeach()

# Lapmark.exe's resources and imports, as Windows reads them.
add_test(NAME exe_resources COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/windows/check_exe.py
  ${lapmark_package_dir}/Lapmark.exe ${PROJECT_VERSION})

# The whole program from the portable zip, driven through its windows (the window driver is
# the Linux build's: Wine's windows are X11 windows), and read from the Windows side.
add_executable(window_state windows/window_state.cpp)
# uuid before oleacc: the interface ids are data, and oleacc's import library has them only as
# thunks into the DLL.
target_link_libraries(window_state PRIVATE shell32 uuid oleacc ole32 oleaut32)
target_link_options(window_state PRIVATE -static)
if(LAPMARK_WINDOW_DRIVER)
  add_test(NAME program_runs COMMAND ${LAPMARK_XVFB} ${lapmark_under_wine}
    ${CMAKE_CURRENT_SOURCE_DIR}/windows/program_runs.sh ${lapmark_zip} ${LAPMARK_WINDOW_DRIVER}
    $<TARGET_FILE:window_state>)
  # The same program with damaged pictures and catalogs and unusable stored languages.
  add_test(NAME robustness COMMAND ${LAPMARK_XVFB} ${lapmark_under_wine}
    ${CMAKE_CURRENT_SOURCE_DIR}/windows/robustness.sh ${lapmark_zip} ${LAPMARK_WINDOW_DRIVER})
  set_tests_properties(program_runs robustness PROPERTIES FIXTURES_REQUIRED wine
    RESOURCE_LOCK wine_prefix TIMEOUT 600 ENVIRONMENT "${LAPMARK_TEST_ENV}")
else()
  message(STATUS "No LAPMARK_WINDOW_DRIVER (the Linux build's tests/window_driver): the whole-program test under Wine is left out")
endif()

# The installer, silently in and out.
add_test(NAME installer COMMAND ${LAPMARK_XVFB} ${lapmark_under_wine}
  ${CMAKE_CURRENT_SOURCE_DIR}/windows/installer.sh ${lapmark_installer})
set_tests_properties(installer PROPERTIES FIXTURES_REQUIRED wine RESOURCE_LOCK wine_prefix
  TIMEOUT 300 ENVIRONMENT "${LAPMARK_TEST_ENV}")

# Every test of the Windows build is labelled windows (ctest -L windows).
get_property(lapmark_windows_tests DIRECTORY PROPERTY TESTS)
set_property(TEST ${lapmark_windows_tests} PROPERTY LABELS windows)
