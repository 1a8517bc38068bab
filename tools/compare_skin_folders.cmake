# Runs GENERATOR with ARGS, which writes skin folders into SCRATCH, and
# compares every folder written there with the committed folder of the same
# name in COMMITTED: the same files, byte for byte, none more or less.
file(REMOVE_RECURSE "${SCRATCH}")
file(MAKE_DIRECTORY "${SCRATCH}")
separate_arguments(args UNIX_COMMAND "${ARGS}")
execute_process(COMMAND "${GENERATOR}" ${args} RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${GENERATOR} ${ARGS} failed (${result})")
endif()
file(GLOB folders LIST_DIRECTORIES true RELATIVE "${SCRATCH}" "${SCRATCH}/*")
if(NOT folders)
  message(FATAL_ERROR "${GENERATOR} wrote no skin folder")
endif()
foreach(folder IN LISTS folders)
  file(GLOB written RELATIVE "${SCRATCH}/${folder}" "${SCRATCH}/${folder}/*")
  file(GLOB committed RELATIVE "${COMMITTED}/${folder}" "${COMMITTED}/${folder}/*")
  list(SORT written)
  list(SORT committed)
  if(NOT written STREQUAL committed)
    message(FATAL_ERROR "skins/${folder} holds [${committed}] but the generator writes "
                        "[${written}]: build regenerate_skins")
  endif()
  foreach(name IN LISTS written)
    execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${SCRATCH}/${folder}/${name}"
                            "${COMMITTED}/${folder}/${name}" RESULT_VARIABLE differs)
    if(NOT differs EQUAL 0)
      message(FATAL_ERROR "skins/${folder}/${name} differs from what the generator writes: "
                          "build regenerate_skins")
    endif()
  endforeach()
endforeach()
