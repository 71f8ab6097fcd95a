# Runs the generator into OUT_DIR and compares its tables byte for byte with
# the committed ones in COMMITTED_DIR.
file(MAKE_DIRECTORY "${OUT_DIR}")
execute_process(COMMAND "${GENERATOR}" "${OUT_DIR}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "gen_base_tables failed (${status})")
endif()
foreach(name base_normal.bin base_document.bin base_photo.bin)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${OUT_DIR}/${name}" "${COMMITTED_DIR}/${name}"
                  RESULT_VARIABLE differs)
  if(differs)
    message(FATAL_ERROR "${name}: the generator's output differs from color/data/${name}; "
                        "rerun gen_base_tables into color/data and commit the result")
  endif()
endforeach()
