# Windows: Lapmark.exe with its resources (the toolkit's standard ones and manifest, the icon
# group, the version record), linked statically so that it needs only Windows' own DLLs, and its
# two packages: a portable zip and a per-user installer made with Debian's makensis.
enable_language(RC)
set_target_properties(lapmark PROPERTIES OUTPUT_NAME Lapmark WIN32_EXECUTABLE ON)
configure_file(data/windows/lapmark.rc.in ${CMAKE_BINARY_DIR}/generated/lapmark.rc @ONLY)
target_sources(lapmark PRIVATE ${CMAKE_BINARY_DIR}/generated/lapmark.rc)
set_property(SOURCE ${CMAKE_BINARY_DIR}/generated/lapmark.rc APPEND PROPERTY OBJECT_DEPENDS
  ${CMAKE_SOURCE_DIR}/img/Lapmrak_01.ico)

# Both packages hold the same folder: Lapmark.exe (stripped), locales\, img\ and the licence.
find_program(MAKENSIS makensis REQUIRED)
set(lapmark_package_dir ${CMAKE_BINARY_DIR}/package/Lapmark)
set(lapmark_zip ${CMAKE_BINARY_DIR}/Lapmark-${PROJECT_VERSION}-windows-x64.zip)
set(lapmark_installer ${CMAKE_BINARY_DIR}/Lapmark-${PROJECT_VERSION}-setup.exe)
set(wxWidgets_VERSION_STRING "${wxWidgets_VERSION_MAJOR}.${wxWidgets_VERSION_MINOR}.${wxWidgets_VERSION_PATCH}")
configure_file(data/windows/License.txt.in ${CMAKE_BINARY_DIR}/generated/License.txt @ONLY NEWLINE_STYLE CRLF)
configure_file(data/windows/lapmark.nsi.in ${CMAKE_BINARY_DIR}/generated/lapmark.nsi @ONLY)

set(lapmark_package_copies)
foreach(lang ${LAPMARK_LINGUAS})
  list(APPEND lapmark_package_copies COMMAND ${CMAKE_COMMAND} -E copy
    ${CMAKE_BINARY_DIR}/locales/${lang}/LC_MESSAGES/Lapmark.mo
    ${lapmark_package_dir}/locales/${lang}/LC_MESSAGES/Lapmark.mo)
  # The toolkit's own texts (Cancel, and the other standard buttons and boxes), compiled from the
  # same source as the toolkit itself.
  set(lapmark_toolkit_catalog ${LAPMARK_TOOLKIT}/share/locale/${lang}/LC_MESSAGES/wxstd-3.2.mo)
  if(NOT EXISTS ${lapmark_toolkit_catalog})
    message(FATAL_ERROR "The toolkit has no ${lang} catalog: ${lapmark_toolkit_catalog}")
  endif()
  list(APPEND lapmark_package_copies COMMAND ${CMAKE_COMMAND} -E copy ${lapmark_toolkit_catalog}
    ${lapmark_package_dir}/locales/${lang}/LC_MESSAGES/wxstd-3.2.mo)
  list(APPEND lapmark_toolkit_catalogs ${lapmark_toolkit_catalog})
endforeach()
add_custom_command(OUTPUT ${lapmark_package_dir}/Lapmark.exe
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${lapmark_package_dir}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${lapmark_package_dir}/img
  COMMAND ${CMAKE_STRIP} -o ${lapmark_package_dir}/Lapmark.exe $<TARGET_FILE:lapmark>
  COMMAND ${CMAKE_COMMAND} -E copy ${lapmark_pictures} ${lapmark_package_dir}/img/
  ${lapmark_package_copies}
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_BINARY_DIR}/generated/License.txt ${lapmark_package_dir}/
  DEPENDS lapmark ${lapmark_catalogs} ${lapmark_toolkit_catalogs} ${lapmark_pictures} ${CMAKE_BINARY_DIR}/generated/License.txt
  COMMENT "Gathering the Windows package")
add_custom_command(OUTPUT ${lapmark_zip}
  COMMAND ${CMAKE_COMMAND} -E rm -f ${lapmark_zip}
  COMMAND ${CMAKE_COMMAND} -E tar cf ${lapmark_zip} --format=zip Lapmark
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/package
  DEPENDS ${lapmark_package_dir}/Lapmark.exe
  COMMENT "Packing ${lapmark_zip}")
add_custom_command(OUTPUT ${lapmark_installer}
  COMMAND ${MAKENSIS} -V2 -NOCD ${CMAKE_BINARY_DIR}/generated/lapmark.nsi
  DEPENDS ${lapmark_package_dir}/Lapmark.exe ${CMAKE_BINARY_DIR}/generated/lapmark.nsi
  COMMENT "Making ${lapmark_installer}")
add_custom_target(windows_packages ALL DEPENDS ${lapmark_zip} ${lapmark_installer})
# scripts/windows tells where they are.
file(WRITE ${CMAKE_BINARY_DIR}/windows-packages.txt "${lapmark_zip}\n${lapmark_installer}\n")
