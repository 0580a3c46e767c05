# Compiles po/<lang>.po into <build>/locales/<lang>/LC_MESSAGES/Lapmark.mo, the layout the program
# loads from. The normal build never rewrites tracked files; `pot` and `update-po` do, on request.
find_program(MSGFMT msgfmt REQUIRED)
find_program(XGETTEXT xgettext)
find_program(MSGMERGE msgmerge)

# Adding a language to po/LINGUAS reconfigures the build.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/po/LINGUAS)
file(STRINGS ${CMAKE_SOURCE_DIR}/po/LINGUAS lapmark_linguas REGEX "^[^#]")
string(REPLACE " " ";" lapmark_linguas "${lapmark_linguas}")
set(LAPMARK_LINGUAS ${lapmark_linguas} CACHE INTERNAL "Languages with a catalog")

set(lapmark_catalogs)
foreach(lang ${LAPMARK_LINGUAS})
  set(po ${CMAKE_SOURCE_DIR}/po/${lang}.po)
  set(mo ${CMAKE_BINARY_DIR}/locales/${lang}/LC_MESSAGES/Lapmark.mo)
  add_custom_command(OUTPUT ${mo}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/locales/${lang}/LC_MESSAGES
    COMMAND ${MSGFMT} --check -o ${mo} ${po}
    DEPENDS ${po}
    COMMENT "Compiling the ${lang} catalog")
  list(APPEND lapmark_catalogs ${mo})
endforeach()
add_custom_target(catalogs ALL DEPENDS ${lapmark_catalogs})

# The desktop entry and the metainfo carry every catalog's translations (msgfmt reads po/LINGUAS).
set(lapmark_po_files)
foreach(lang ${LAPMARK_LINGUAS})
  list(APPEND lapmark_po_files ${CMAKE_SOURCE_DIR}/po/${lang}.po)
endforeach()
set(lapmark_desktop_entry ${CMAKE_BINARY_DIR}/${LAPMARK_APP_ID}.desktop)
set(lapmark_metainfo ${CMAKE_BINARY_DIR}/${LAPMARK_APP_ID}.metainfo.xml)
add_custom_command(OUTPUT ${lapmark_desktop_entry}
  COMMAND ${MSGFMT} --desktop --template=${CMAKE_SOURCE_DIR}/data/${LAPMARK_APP_ID}.desktop.in
          -d ${CMAKE_SOURCE_DIR}/po -o ${lapmark_desktop_entry}
  DEPENDS ${CMAKE_SOURCE_DIR}/data/${LAPMARK_APP_ID}.desktop.in ${lapmark_po_files} ${CMAKE_SOURCE_DIR}/po/LINGUAS
  COMMENT "Translating the desktop entry")
add_custom_command(OUTPUT ${lapmark_metainfo}
  COMMAND ${MSGFMT} --xml --template=${CMAKE_BINARY_DIR}/generated/${LAPMARK_APP_ID}.metainfo.xml
          -d ${CMAKE_SOURCE_DIR}/po -o ${lapmark_metainfo}
  DEPENDS ${CMAKE_BINARY_DIR}/generated/${LAPMARK_APP_ID}.metainfo.xml ${lapmark_po_files} ${CMAKE_SOURCE_DIR}/po/LINGUAS
  COMMENT "Translating the metainfo")
add_custom_target(desktop_files ALL DEPENDS ${lapmark_desktop_entry} ${lapmark_metainfo})

if(XGETTEXT)
  add_custom_target(pot
    COMMAND ${CMAKE_SOURCE_DIR}/po/extract.sh ${CMAKE_SOURCE_DIR} po/Lapmark.pot ${PROJECT_VERSION}
    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
    COMMENT "Regenerating po/Lapmark.pot")
endif()
if(MSGMERGE)
  set(lapmark_merge_commands)
  foreach(lang ${LAPMARK_LINGUAS})
    list(APPEND lapmark_merge_commands COMMAND ${MSGMERGE} --update --backup=none --add-location=file po/${lang}.po po/Lapmark.pot)
  endforeach()
  add_custom_target(update-po ${lapmark_merge_commands}
    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
    COMMENT "Merging po/Lapmark.pot into every catalog")
endif()
