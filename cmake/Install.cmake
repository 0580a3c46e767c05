# `cmake --install`: the program, its catalogs and pictures, and what a desktop needs to list it,
# all named by one application id. `cpack -G DEB` packages the same.
install(TARGETS lapmark RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
foreach(lang ${LAPMARK_LINGUAS})
  install(FILES ${CMAKE_BINARY_DIR}/locales/${lang}/LC_MESSAGES/Lapmark.mo
          DESTINATION ${CMAKE_INSTALL_LOCALEDIR}/${lang}/LC_MESSAGES)
endforeach()
install(FILES ${lapmark_pictures} DESTINATION ${CMAKE_INSTALL_DATADIR}/lapmark/img)
install(FILES ${CMAKE_BINARY_DIR}/${LAPMARK_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/${LAPMARK_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 32 48 64 128 256)
  install(FILES data/icons/lapmark-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${LAPMARK_APP_ID}.png)
endforeach()
install(FILES data/icons/lapmark.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${LAPMARK_APP_ID}.svg)


# The manual page, made from --help and --version by help2man (the program answers both without
# a display) when the program is installed or packaged: only that needs help2man.
find_program(HELP2MAN help2man)
find_program(GZIP gzip REQUIRED)
install(CODE "
  if(NOT EXISTS \"${HELP2MAN}\")
    message(FATAL_ERROR \"Installing the manual page needs help2man (apt install help2man).\")
  endif()
  execute_process(COMMAND \"${CMAKE_COMMAND}\" -E env ASAN_OPTIONS=detect_leaks=0
                          \"${HELP2MAN}\" --no-info --include=${CMAKE_SOURCE_DIR}/data/lapmark.h2m
                          --output=${CMAKE_BINARY_DIR}/lapmark.1 \"$<TARGET_FILE:lapmark>\"
                  COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND \"${GZIP}\" -9nf ${CMAKE_BINARY_DIR}/lapmark.1 COMMAND_ERROR_IS_FATAL ANY)
")
install(FILES ${CMAKE_BINARY_DIR}/lapmark.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
configure_file(data/debian/changelog.in ${CMAKE_BINARY_DIR}/changelog @ONLY)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/changelog.gz
  COMMAND ${GZIP} -9n < ${CMAKE_BINARY_DIR}/changelog > ${CMAKE_BINARY_DIR}/changelog.gz
  DEPENDS ${CMAKE_BINARY_DIR}/changelog)
add_custom_target(documentation ALL DEPENDS ${CMAKE_BINARY_DIR}/changelog.gz)
install(FILES data/debian/copyright ${CMAKE_BINARY_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/lapmark)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lapmark)
set(CPACK_PACKAGE_VENDOR Quillora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "lap timer exact to the tenth of a second")
set(CPACK_PACKAGE_DESCRIPTION "Lapmark is a small desktop lap timer for one person. One window shows the
total running time in a large readout and the current lap in a small one, with
Start/Stop and Reset/Split buttons and a list of every split and stop with its
number and the total time at that moment.
.
Times are truncated to the tenth of a second and count real elapsed time,
time asleep included; a change of the system clock never makes them wrong.
The laps can be copied as tab-separated text with each row's lap time. The
interface speaks English, Chinese (Simplified) and Japanese.")
set(CPACK_PACKAGE_CONTACT "Quillora <support@quillora.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://quillora.example/)
# The toolkit's runtime libraries, as dpkg-shlibdeps finds them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The toolkit's own texts (stock buttons, its messages) in the interface's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS wx3.2-i18n)
set(CPACK_STRIP_FILES ON)
include(CPack)
