# `cmake --install`: the program, its catalogs and pictures, and what a desktop needs to list it,
# all named by one application id. `cpack -G DEB` packages the same.
install(TARGETS lapmark RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
foreach(lang ${LAPMARK_LINGUAS})
  install(FILES ${CMAKE_BINARY_DIR}/locales/${lang}/LC_MESSAGES/Lapmark.mo
          DESTINATION ${CMAKE_INSTALL_LOCALEDIR}/${lang}/LC_MESSAGES)
endforeach()
install(FILES ${lapmark_pictures} DESTINATION ${CMAKE_INSTALL_DATADIR}/lapmark/img)
install(FILES data/${LAPMARK_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/${LAPMARK_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 32 48 64 128 256)
  install(FILES data/icons/lapmark-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${LAPMARK_APP_ID}.png)
endforeach()
install(FILES data/icons/lapmark.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${LAPMARK_APP_ID}.svg)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lapmark)
set(CPACK_PACKAGE_VENDOR Quillora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Lap timer exact to the tenth of a second")
set(CPACK_PACKAGE_CONTACT "Quillora <support@quillora.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://quillora.example/)
# The toolkit's runtime libraries, as dpkg-shlibdeps finds them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
