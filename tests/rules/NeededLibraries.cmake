# The rules' tests link nothing but the standard library: the shared libraries their executable
# needs (its ELF NEEDED entries, read with readelf) hold neither SQLCipher nor Qt. The same
# reading must find SQLCipher in an executable that does link it, so an empty or unread list
# cannot pass.
#
#   cmake -DREADELF=readelf -DALONE=rules_tests -DLINKED=store_tests -P NeededLibraries.cmake

set(FORBIDDEN "sqlcipher|^libQt6")

function(needed_libraries file out)
  execute_process(COMMAND ${READELF} -d ${file} RESULT_VARIABLE status OUTPUT_VARIABLE dynamic
                  ERROR_VARIABLE error)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "readelf cannot read ${file}: ${error}")
  endif()
  string(REGEX MATCHALL "\\(NEEDED\\)[^\n]*\\[[^]\n]+\\]" entries "${dynamic}")
  set(libraries)
  foreach(entry IN LISTS entries)
    string(REGEX REPLACE ".*\\[([^]\n]+)\\]$" "\\1" library "${entry}")
    list(APPEND libraries ${library})
  endforeach()
  if(NOT libraries)
    message(FATAL_ERROR "${file} names no shared library: not a dynamic executable?")
  endif()
  message("${file} needs: ${libraries}")
  set(${out} ${libraries} PARENT_SCOPE)
endfunction()

needed_libraries(${LINKED} linked)
list(FILTER linked INCLUDE REGEX "${FORBIDDEN}")
if(NOT linked MATCHES "sqlcipher")
  message(FATAL_ERROR "The check does not see SQLCipher in ${LINKED}, which links it")
endif()

needed_libraries(${ALONE} alone)
list(FILTER alone INCLUDE REGEX "${FORBIDDEN}")
if(alone)
  message(FATAL_ERROR "${ALONE} links ${alone}")
endif()
