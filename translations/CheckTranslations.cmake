# Fails when a shipped translation is not complete: an entry lrelease would leave in English
# ("unfinished"), an entry whose text the sources no longer have ("vanished", "obsolete"), or a .ts file
# that lupdate would change, because the sources have texts it does not hold yet.
# cmake -DLUPDATE=... -DSOURCE_LIST=... -DINCLUDE_DIR=... -DOPTIONS=... -DTS_FILES=... -DWORK_DIR=... -P
set(failures "")
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
foreach(ts IN LISTS TS_FILES)
  get_filename_component(name "${ts}" NAME)
  file(READ "${ts}" shipped)
  foreach(kind unfinished vanished obsolete)
    string(REGEX MATCHALL "type=\"${kind}\"" found "${shipped}")
    list(LENGTH found count)
    if(count GREATER 0)
      string(APPEND failures "${name}: ${count} ${kind} entries\n")
    endif()
  endforeach()

  set(copy "${WORK_DIR}/${name}")
  file(COPY_FILE "${ts}" "${copy}")
  execute_process(COMMAND "${LUPDATE}" ${OPTIONS} -I "${INCLUDE_DIR}" "@${SOURCE_LIST}" -ts "${copy}"
                  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT result EQUAL 0)
    string(APPEND failures "${name}: lupdate failed: ${output}\n")
    continue()
  endif()
  file(READ "${copy}" updated)
  if(NOT updated STREQUAL shipped)
    execute_process(COMMAND diff -u "${ts}" "${copy}" OUTPUT_VARIABLE difference)
    string(APPEND failures "${name} is behind the sources:\n${difference}\n")
  endif()
endforeach()

if(failures)
  message(FATAL_ERROR "${failures}Bring the .ts files up to date with `cmake --build <build> --target "
                      "update_translations`, then translate every new text in Qt Linguist.")
endif()
message(STATUS "Every text has a finished translation in: ${TS_FILES}")
