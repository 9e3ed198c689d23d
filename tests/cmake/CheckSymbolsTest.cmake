# Runs cmake/CheckSymbols.cmake on the fixture libraries, case by case.
cmake_minimum_required(VERSION 3.25)

file(WRITE "${WORK}/allow_up.txt" "# the middle may still call the top\nsymfix_middle_up symfix_top_up\n")
file(WRITE "${WORK}/allow_clean.txt" "symfix_middle symfix_top\n")
file(WRITE "${WORK}/allow_other.txt" "symfix_base symfix_top_up\n")

# name | graph | allowlist | passes | what the output must hold
set(cases
    "a clean stack and shared copies pass with one line|${CLEAN}||1|^-- Symbols: each of 4 libraries refers only to itself and the libraries it links\n$"
    "an up-call fails, named with its library and owner, alone|${UP}||0|defines:\n+ +symfix_middle_up: TopValue\\(int\\) \\(defined in symfix_top_up\\)\n+ +Move"
    "an allowed pair still lists its up-calls but passes|${UP}|allow_up.txt|1|still allowed by [^\n]*allow_up.txt:\n  symfix_middle_up: TopValue\\(int\\) \\(defined in symfix_top_up\\)"
    "an allowlist for another pair does not excuse|${UP}|allow_other.txt|0|symfix_middle_up: TopValue\\(int\\)"
    "an allowed pair without up-calls is pointed out|${CLEAN}|allow_clean.txt|1|symfix_middle uses nothing of symfix_top any more")

set(failures "")
foreach(case IN LISTS cases)
    string(REPLACE "|" ";" fields "${case}")
    list(GET fields 0 name)
    list(GET fields 1 graph)
    list(GET fields 2 allow)
    list(GET fields 3 passes)
    list(GET fields 4 expected)
    set(allowed "")
    if(allow)
        set(allowed "${WORK}/${allow}")
    endif()
    file(REMOVE "${WORK}/stamp")
    execute_process(COMMAND "${CMAKE_COMMAND}" -DLIBRARIES=${graph} -DNM=${NM} -DCXXFILT=${CXXFILT}
            -DALLOWED=${allowed} -DSTAMP=${WORK}/stamp -P "${CHECK}"
        OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
    set(text "${out}${err}")
    set(passed 0)
    if(rc EQUAL 0)
        set(passed 1)
    endif()
    set(stamped 0)
    if(EXISTS "${WORK}/stamp")
        set(stamped 1)
    endif()
    if(NOT passed EQUAL passes OR NOT stamped EQUAL passes OR NOT text MATCHES "${expected}")
        list(APPEND failures "${name}: exit ${rc}, stamp ${stamped}, expected to pass: ${passes}, "
            "expected output /${expected}/, came:\n${text}")
    endif()
endforeach()
if(failures)
    list(JOIN failures "\n" text)
    message(FATAL_ERROR "${text}")
endif()
list(LENGTH cases n)
message(STATUS "${n} cases passed")
