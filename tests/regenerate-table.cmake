# Regenerates the conversion pairs into OUT and compares them with the committed file.
execute_process(COMMAND ${PYTHON} ${SOURCE}/tools/gen_traditional.py --out ${OUT}
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "tools/gen_traditional.py failed (are libopencc-data, opencc and unicode-data installed?)")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT} ${SOURCE}/engine/src/traditional_pairs.inc
                RESULT_VARIABLE differ)
if(differ)
  message(FATAL_ERROR "engine/src/traditional_pairs.inc is not what tools/gen_traditional.py makes: regenerate it")
endif()
