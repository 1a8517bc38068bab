# Draws the pictures afresh into SCRATCH and compares them byte for byte with
# the committed ones in COMMITTED.
file(REMOVE_RECURSE "${SCRATCH}")
file(MAKE_DIRECTORY "${SCRATCH}")
execute_process(COMMAND "${GENERATOR}" "${SCRATCH}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the artwork generator failed (${result})")
endif()
foreach(name elegant_master.bmp button_huge.bmp)
  execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${SCRATCH}/${name}" "${COMMITTED}/${name}"
                  RESULT_VARIABLE differs)
  if(NOT differs EQUAL 0)
    message(FATAL_ERROR "res/${name} differs from what the generator draws: build regenerate_artwork")
  endif()
endforeach()
