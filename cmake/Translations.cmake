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

file(GLOB_RECURSE lapmark_translatable RELATIVE ${CMAKE_SOURCE_DIR} CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/src/*.cpp ${CMAKE_SOURCE_DIR}/src/*.h)
list(SORT lapmark_translatable)
if(XGETTEXT)
  add_custom_target(pot
    COMMAND ${XGETTEXT} -C -k_ -kwxTRANSLATE -kwxGetTranslation --add-comments=TRANSLATORS
            --from-code=UTF-8 --package-name=Lapmark --package-version=${PROJECT_VERSION}
            -o po/Lapmark.pot ${lapmark_translatable}
    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
    COMMENT "Regenerating po/Lapmark.pot")
endif()
if(MSGMERGE)
  set(lapmark_merge_commands)
  foreach(lang ${LAPMARK_LINGUAS})
    list(APPEND lapmark_merge_commands COMMAND ${MSGMERGE} --update --backup=none po/${lang}.po po/Lapmark.pot)
  endforeach()
  add_custom_target(update-po ${lapmark_merge_commands}
    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
    COMMENT "Merging po/Lapmark.pot into every catalog")
endif()
