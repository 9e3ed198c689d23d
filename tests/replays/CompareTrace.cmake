# Plays SCRIPT in the stand-in host HOST (through the runner WINERUN, in BIN) on the room GAME
# with the module's options removed first, so no earlier test changes what it prints, writes its
# trace to TRACE and compares it line by line with REFERENCE.
file(MAKE_DIRECTORY "${OUT}")
execute_process(COMMAND "${WINERUN}" reg delete "HKCU\\Software\\Ostrel\\Vexor" /f
                WORKING_DIRECTORY "${BIN}" OUTPUT_QUIET ERROR_QUIET)
execute_process(COMMAND "${WINERUN}" "${HOST}" --game-dir "${GAME}" --trace "${TRACE}" --out "${OUT}" "${SCRIPT}"
                WORKING_DIRECTORY "${BIN}" RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "the replay failed (${rc}):\n${out}")
endif()
file(STRINGS "${TRACE}" got ENCODING UTF-8)
file(STRINGS "${REFERENCE}" want ENCODING UTF-8)
list(LENGTH got gotCount)
list(LENGTH want wantCount)
set(line 0)
foreach(expected IN LISTS want)
    if(line EQUAL gotCount)
        message(FATAL_ERROR "trace line ${line}: the trace ends, expected\n  ${expected}")
    endif()
    list(GET got ${line} came)
    math(EXPR line "${line} + 1")
    if(NOT came STREQUAL expected)
        message(FATAL_ERROR "trace line ${line} differs:\n  expected ${expected}\n  came     ${came}\n"
                            "(if the change is meant, copy ${TRACE} over ${REFERENCE})")
    endif()
endforeach()
if(NOT gotCount EQUAL wantCount)
    list(GET got ${wantCount} extra)
    message(FATAL_ERROR "the trace has ${gotCount} lines, the reference ${wantCount}; the first extra:\n  ${extra}")
endif()
