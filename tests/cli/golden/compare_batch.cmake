# Runs `CALC batch` on the golden requests and fails unless its records, its
# standard error and its exit code are the committed ones, byte for byte.
# -DCALC=<vapentis-calc> -DGOLDEN=<this folder> -DOUT=<folder for what it printed>
file(MAKE_DIRECTORY "${OUT}")
execute_process(
  COMMAND "${CALC}" batch
  INPUT_FILE "${GOLDEN}/batch_requests.jsonl"
  OUTPUT_FILE "${OUT}/batch_records.jsonl"
  ERROR_VARIABLE err
  RESULT_VARIABLE code)
file(WRITE "${OUT}/batch_summary.txt" "exit ${code}\n${err}")

set(differ "")
foreach(name batch_records.jsonl batch_summary.txt)
  execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${GOLDEN}/${name}" "${OUT}/${name}"
                  RESULT_VARIABLE same)
  if(NOT same EQUAL 0)
    list(APPEND differ "${OUT}/${name}")
  endif()
endforeach()
if(differ)
  message(FATAL_ERROR
    "vapentis-calc batch no longer prints the golden records: ${differ} differ from "
    "${GOLDEN}. If the change is meant, rewrite them with make_batch.py --expect.")
endif()
message(STATUS "vapentis-calc batch: the golden records, byte for byte")
