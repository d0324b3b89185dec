# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a shipped catalogue has an unfinished or empty translation, or when it is stale:
# lupdate, run over the sources into a copy of it, marks a text the catalogue lacks as
# unfinished and one the sources no longer have as vanished. Without lupdate only the first
# check runs and the test reports itself skipped.
# Usage: cmake -DLUPDATE=<lupdate, or empty> -DSOURCES=<src> -DTRANSLATIONS=<folder of .ts>
#   -DWORK=<folder> -P CataloguesCheck.cmake

# Adds "<what>: context: source" to `problems` for each entry of `catalogue` whose translation
# line matches `pattern`.
function(note_entries catalogue pattern what)
  file(STRINGS ${catalogue} lines REGEX "<name>|<source>|${pattern}")
  foreach(line IN LISTS lines)
    if(line MATCHES "<name>(.*)</name>")
      set(context ${CMAKE_MATCH_1})
    elseif(line MATCHES "<source>([^<]*)")
      set(source ${CMAKE_MATCH_1})
    elseif(line MATCHES "${pattern}")
      list(APPEND problems "${what}: ${context}: ${source}")
    endif()
  endforeach()
  set(problems "${problems}" PARENT_SCOPE)
endfunction()

file(GLOB catalogues ${TRANSLATIONS}/tallyburrow_*.ts)
if(NOT catalogues)
  message(FATAL_ERROR "no catalogue in ${TRANSLATIONS}")
endif()
set(problems "")
foreach(catalogue IN LISTS catalogues)
  get_filename_component(name ${catalogue} NAME)
  note_entries(${catalogue}
    "type=\"unfinished\"|<(translation|numerusform)>[ ]*</|<(translation|numerusform)/>"
    "${name} has no translation of")
endforeach()
if(problems)
  list(JOIN problems "\n" report)
  message(FATAL_ERROR "${report}")
endif()

if(NOT LUPDATE OR NOT EXISTS "${LUPDATE}")
  message(STATUS "lupdate is not installed: whether the catalogues are current is not checked")
  return()
endif()
file(MAKE_DIRECTORY ${WORK})
foreach(catalogue IN LISTS catalogues)
  get_filename_component(name ${catalogue} NAME)
  file(COPY_FILE ${catalogue} ${WORK}/${name})
  execute_process(COMMAND ${LUPDATE} -silent -locations none -extensions cpp,h -I ${SOURCES}
    ${SOURCES} -ts ${WORK}/${name} RESULT_VARIABLE updated)
  if(NOT updated EQUAL 0)
    message(FATAL_ERROR "lupdate failed on ${name}")
  endif()
  note_entries(${WORK}/${name} "type=\"unfinished\"" "${name} lacks the sources' text")
  note_entries(${WORK}/${name} "type=\"(vanished|obsolete)\"" "${name} has a text no source has")
endforeach()
if(problems)
  list(JOIN problems "\n" report)
  message(FATAL_ERROR "${report}\n(cmake --build <build> --target update_translations, "
    "then translate)")
endif()
