# Message catalogues: a library keeps its translations as <language>.po files
# in its i18n folder. They are checked and compiled at build time into
# <library's build folder>/i18n/<language>/<domain>.mo, where the program
# looks for them from its executable's folder, and installed under
# share/locale.
#
# New texts marked with one of QUORVIN_TRANSLATION_KEYWORDS join a catalogue with
#   xgettext -C --from-code=UTF-8 -k_ -kwxTRANSLATE -kwxGetTranslation -ktr \
#     -kwxTRANSLATE_IN_CONTEXT:1c,2 -kwxGETTEXT_IN_CONTEXT:1c,2 -o new.pot <the library's sources>
#   msgmerge --update <library>/i18n/fr.po new.pot
# and a test (label "catalogues") fails while a catalogue lacks one of them.
#
# quorvin_add_catalogues(<domain>): the catalogues of the calling folder.
include(GNUInstallDirs)

# The functions and macros whose string argument is a text to translate; the
# context forms give the context first, as gettext's msgctxt.
set(QUORVIN_TRANSLATION_KEYWORDS _ wxTRANSLATE wxGetTranslation tr
  "wxTRANSLATE_IN_CONTEXT:1c,2" "wxGETTEXT_IN_CONTEXT:1c,2")

function(quorvin_add_catalogues domain)
  if(QUORVIN_FUZZ)
    return()
  endif()
  find_program(QUORVIN_MSGFMT msgfmt REQUIRED)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/i18n/*.po)
  set(catalogues "")
  foreach(source IN LISTS sources)
    get_filename_component(language ${source} NAME_WE)
    set(folder ${CMAKE_CURRENT_BINARY_DIR}/i18n/${language})
    add_custom_command(OUTPUT ${folder}/${domain}.mo
      COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
      COMMAND ${QUORVIN_MSGFMT} --check -o ${folder}/${domain}.mo ${source}
      DEPENDS ${source}
      COMMENT "Compiling the ${language} catalogue of ${domain}"
      VERBATIM)
    list(APPEND catalogues ${folder}/${domain}.mo)
    install(FILES ${folder}/${domain}.mo DESTINATION ${CMAKE_INSTALL_DATADIR}/locale/${language}/LC_MESSAGES)
  endforeach()
  add_custom_target(${domain}_catalogues ALL DEPENDS ${catalogues})
  if(QUORVIN_TESTS)
    add_test(NAME ${domain}_catalogues_complete
      COMMAND ${CMAKE_COMMAND} -DLIBRARY_DIR=${CMAKE_CURRENT_SOURCE_DIR}
        -DWORK_DIR=${CMAKE_CURRENT_BINARY_DIR}/i18n/check "-DKEYWORDS=${QUORVIN_TRANSLATION_KEYWORDS}"
        -P ${PROJECT_SOURCE_DIR}/cmake/CheckCatalogue.cmake)
    set_tests_properties(${domain}_catalogues_complete PROPERTIES LABELS "headless;catalogues")
  endif()
endfunction()
