# Run as a test: every text the library's sources mark for translation has an
# entry in each of its catalogues. A text marked but missing from a catalogue
# shows in English among translated ones.
#   cmake -DLIBRARY_DIR=<library folder> -DWORK_DIR=<scratch folder>
#         -DKEYWORDS=<keywords;...> -P CheckCatalogue.cmake
find_program(XGETTEXT xgettext REQUIRED)
find_program(MSGCMP msgcmp REQUIRED)
file(GLOB_RECURSE sources LIST_DIRECTORIES false ${LIBRARY_DIR}/*.cpp ${LIBRARY_DIR}/*.h)
list(FILTER sources EXCLUDE REGEX "/(tests|fuzz|benchmarks)/")
list(SORT sources)
file(MAKE_DIRECTORY ${WORK_DIR})
string(REPLACE ";" "\n" source_lines "${sources}")
file(WRITE ${WORK_DIR}/sources.txt "${source_lines}\n")
set(keyword_options "")
foreach(keyword IN LISTS KEYWORDS)
  list(APPEND keyword_options -k${keyword})
endforeach()
execute_process(COMMAND ${XGETTEXT} -C --from-code=UTF-8 ${keyword_options} -o ${WORK_DIR}/marked.pot
    -f ${WORK_DIR}/sources.txt
  RESULT_VARIABLE extracted ERROR_VARIABLE extract_errors)
if(NOT extracted EQUAL 0)
  message(FATAL_ERROR "xgettext failed: ${extract_errors}")
endif()
file(GLOB catalogues ${LIBRARY_DIR}/i18n/*.po)
if(NOT catalogues)
  message(FATAL_ERROR "no catalogue in ${LIBRARY_DIR}/i18n")
endif()
set(failed "")
foreach(catalogue IN LISTS catalogues)
  execute_process(COMMAND ${MSGCMP} ${catalogue} ${WORK_DIR}/marked.pot
    RESULT_VARIABLE compared ERROR_VARIABLE report)
  if(NOT compared EQUAL 0)
    string(REGEX REPLACE "[^\n]*warning: this message is not used\n" "" report "${report}")
    message("${catalogue} lacks texts that the sources mark:\n${report}")
    list(APPEND failed ${catalogue})
  endif()
endforeach()
if(failed)
  message(FATAL_ERROR "incomplete catalogues: ${failed}")
endif()
