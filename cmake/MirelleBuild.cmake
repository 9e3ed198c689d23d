# Compiler settings and the helpers every subsystem folder uses.

set(MIRELLE_COMMON_FLAGS
    -Wall -Wextra -Wshadow -Wnon-virtual-dtor -Wno-missing-field-initializers
    -Werror)
# Narrow literals are CP949 at run time. TRANSLIT: libstdc++'s <chrono> holds a "µ" that CP949 lacks.
# Clang only knows UTF-8; it builds the fuzz targets, which compare no Korean text.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    list(APPEND MIRELLE_COMMON_FLAGS -finput-charset=UTF-8 -fexec-charset=CP949//TRANSLIT)
endif()

# GCC 12 at -O3 (the bench build) reports a false -Wrestrict inside std::string's assign.
if(MIRELLE_BENCH AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    list(APPEND MIRELLE_COMMON_FLAGS -Wno-restrict)
endif()

if(MIRELLE_WIN32)
    # COM-style interfaces have no virtual destructor by design.
    list(REMOVE_ITEM MIRELLE_COMMON_FLAGS -Wnon-virtual-dtor)
    add_compile_definitions(NOMINMAX _WIN32_WINNT=0x0501 WINVER=0x0501 DIRECTDRAW_VERSION=0x0700 DIRECTSOUND_VERSION=0x0700)
    set(CMAKE_EXE_LINKER_FLAGS "${CMAKE_EXE_LINKER_FLAGS} -static -static-libgcc -static-libstdc++")
    set(CMAKE_SHARED_LINKER_FLAGS "${CMAKE_SHARED_LINKER_FLAGS} -static -static-libgcc -static-libstdc++")
else()
    list(REMOVE_ITEM MIRELLE_COMMON_FLAGS -Wnon-virtual-dtor)
endif()

function(mirelle_flags target)
    target_compile_options(${target} PRIVATE ${MIRELLE_COMMON_FLAGS})
    target_include_directories(${target} PUBLIC "${CMAKE_SOURCE_DIR}/src")
endfunction()

# Portable library: builds with both toolchains. LIBS are the libraries it uses, which lie below it.
function(mirelle_core_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    mirelle_flags(${name})
    target_link_libraries(${name} PUBLIC ${ARG_LIBS})
    set_property(GLOBAL APPEND PROPERTY MIRELLE_LIBRARIES ${name})
endfunction()

# Win32 library: only in the win32 build.
function(mirelle_win32_library name)
    if(NOT MIRELLE_WIN32)
        return()
    endif()
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    mirelle_flags(${name})
    target_link_libraries(${name} PUBLIC ${ARG_LIBS})
    set_property(GLOBAL APPEND PROPERTY MIRELLE_LIBRARIES ${name})
endfunction()

# A GoogleTest program, registered once per colour depth under Wine (DEPTHS 16 24),
# once natively. WIN32_ONLY skips it in the native build.
function(mirelle_test name)
    cmake_parse_arguments(ARG "WIN32_ONLY" "TIMEOUT" "SOURCES;LIBS;DEPTHS" ${ARGN})
    if((ARG_WIN32_ONLY AND NOT MIRELLE_WIN32) OR MIRELLE_FUZZ OR MIRELLE_BENCH)
        return()
    endif()
    add_executable(${name} ${ARG_SOURCES})
    mirelle_flags(${name})
    target_include_directories(${name} PRIVATE "${CMAKE_SOURCE_DIR}/tests")
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 300)
    endif()
    if(MIRELLE_WIN32 AND ARG_DEPTHS)
        foreach(depth IN LISTS ARG_DEPTHS)
            add_test(NAME ${name}.depth${depth} COMMAND ${name})
            set_tests_properties(${name}.depth${depth} PROPERTIES
                ENVIRONMENT "MIRELLE_DEPTH=${depth}" TIMEOUT ${ARG_TIMEOUT} RESOURCE_LOCK screen${depth})
        endforeach()
    elseif(MIRELLE_WIN32)
        # Under Wine two programs drawing on one display can stall each other: one at a time.
        add_test(NAME ${name} COMMAND ${name})
        set_tests_properties(${name} PROPERTIES TIMEOUT ${ARG_TIMEOUT} RESOURCE_LOCK screen24)
    else()
        add_test(NAME ${name} COMMAND ${name})
        set_tests_properties(${name} PROPERTIES TIMEOUT ${ARG_TIMEOUT})
    endif()
endfunction()

# A libFuzzer target (clang, fuzz preset only).
function(mirelle_fuzzer name)
    if(NOT MIRELLE_FUZZ)
        return()
    endif()
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    mirelle_flags(${name})
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_libraries(${name} PRIVATE ${ARG_LIBS})
    set_property(GLOBAL APPEND PROPERTY MIRELLE_FUZZERS ${name})
endfunction()

# A Google Benchmark program (native bench builds only).
function(mirelle_benchmark name)
    if(MIRELLE_WIN32 OR NOT MIRELLE_BENCH)
        return()
    endif()
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    mirelle_flags(${name})
    target_include_directories(${name} PRIVATE "${CMAKE_SOURCE_DIR}/tests/support")
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} benchmark::benchmark)
endfunction()

# Adds every subsystem folder below `dir` that has its own CMakeLists.txt.
function(mirelle_add_subsystems dir)
    file(GLOB_RECURSE lists RELATIVE "${dir}" "${dir}/*/CMakeLists.txt")
    list(SORT lists)
    foreach(lst IN LISTS lists)
        get_filename_component(sub "${lst}" DIRECTORY)
        # Only the top folder of a nested tree; its own list adds the rest.
        get_filename_component(parent "${sub}" DIRECTORY)
        if(parent AND EXISTS "${dir}/${parent}/CMakeLists.txt")
            continue()
        endif()
        add_subdirectory("${dir}/${sub}")
    endforeach()
endfunction()

# Writes, at generate time, the file cmake/CheckSymbols.cmake reads: each of LIBS with its archive and
# every library of LIBS it links, directly or through another.
function(mirelle_library_graph out)
    set(libs ${ARGN})
    set(text "set(libraries \"${libs}\")\n")
    foreach(lib IN LISTS libs)
        set(deps "")
        set(todo ${lib})
        while(todo)
            list(POP_FRONT todo current)
            get_target_property(links ${current} LINK_LIBRARIES)
            foreach(link IN LISTS links)
                if(link IN_LIST libs AND NOT link IN_LIST deps)
                    list(APPEND deps ${link})
                    list(APPEND todo ${link})
                endif()
            endforeach()
        endwhile()
        string(APPEND text "set(file_${lib} \"$<TARGET_FILE:${lib}>\")\nset(deps_${lib} \"${deps}\")\n")
    endforeach()
    file(GENERATE OUTPUT "${out}" CONTENT "${text}")
endfunction()

# A step of the ALL build that fails when a library refers to a symbol defined only in a library it
# does not link (cmake/CheckSymbols.cmake). It reruns when a library, the graph or ALLOWED changes.
function(mirelle_symbol_check target)
    cmake_parse_arguments(ARG "" "ALLOWED" "LIBS" ${ARGN})
    if(NOT CMAKE_NM)
        message(WARNING "No nm found: the build does not check the libraries' symbols")
        return()
    endif()
    set(dir "${CMAKE_CURRENT_BINARY_DIR}/${target}")
    mirelle_library_graph("${dir}/libraries.cmake" ${ARG_LIBS})
    # c++filt of the same binutils as nm (i686-w64-mingw32-nm → i686-w64-mingw32-c++filt).
    get_filename_component(nm_name "${CMAKE_NM}" NAME)
    string(REGEX REPLACE "nm(-[0-9.]+)?$" "c++filt" filt_name "${nm_name}")
    find_program(MIRELLE_CXXFILT NAMES ${filt_name} c++filt)
    set(script "${CMAKE_SOURCE_DIR}/cmake/CheckSymbols.cmake")
    add_custom_command(OUTPUT "${dir}/checked"
        COMMAND "${CMAKE_COMMAND}" -DLIBRARIES=${dir}/libraries.cmake -DNM=${CMAKE_NM}
            -DCXXFILT=${MIRELLE_CXXFILT} -DALLOWED=${ARG_ALLOWED} -DSTAMP=${dir}/checked -P "${script}"
        DEPENDS ${ARG_LIBS} "${dir}/libraries.cmake" "${script}" ${ARG_ALLOWED}
        COMMENT "Checking that each library uses only symbols of the libraries it links"
        VERBATIM)
    add_custom_target(${target} ALL DEPENDS "${dir}/checked")
endfunction()
