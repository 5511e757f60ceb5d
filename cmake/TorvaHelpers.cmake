# Build conventions shared by every area of the tree.

option(TORVA_SANITIZE "Build native code with AddressSanitizer and UndefinedBehaviorSanitizer" ON)
# The test build (scripts/build.sh cross, which the tests run) turns this on; the release build that
# users install (scripts/build.sh release) leaves it off, so the programs there ignore the variables
# tests use to redirect power requests and to shorten timed starts.
option(TORVA_TEST_HOOKS "Programs honour the test-only environment variables (test builds only)" OFF)
# Each libFuzzer target (clang builds) stops after this many seconds or its run count, whichever
# comes first, so a fuzz test stays bounded in the test command.
set(TORVA_FUZZ_SECONDS 20 CACHE STRING "Time limit of one libFuzzer test in seconds")

set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
set(CMAKE_LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/lib)
set(CMAKE_ARCHIVE_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/lib)

# A Windows build is one whose programs run on Windows, whether it is made there or cross-compiled.
if(WIN32)
    set(TORVA_WINDOWS ON)
    enable_language(RC)
    # Each program runs alone from its folder: no MinGW runtime DLLs beside it.
    add_link_options(-static -static-libgcc -static-libstdc++)
    add_compile_definitions(UNICODE _UNICODE NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
    if(NOT CMAKE_HOST_WIN32)
        # CTest runs Windows executables through this wrapper, which owns the Wine prefix of the build.
        set(TORVA_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
        configure_file(${CMAKE_SOURCE_DIR}/scripts/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run.sh
                       FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                        WORLD_READ WORLD_EXECUTE @ONLY)
        set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run.sh)
    endif()
else()
    set(TORVA_WINDOWS OFF)
    if(TORVA_SANITIZE)
        add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
        add_link_options(-fsanitize=address,undefined)
    endif()
endif()

# Our own targets are strict; third-party code is compiled with its own settings.
function(torva_strict target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
    if(TORVA_WINDOWS)
        # MinGW's GCC 12 reports impossible overlaps inside std::string concatenation at -O2
        # (a known false positive of its -Wrestrict); our own overlaps would be caught natively.
        target_compile_options(${target} PRIVATE -Wno-restrict)
    endif()
    target_include_directories(${target} PUBLIC ${CMAKE_SOURCE_DIR})
endfunction()

# Copies of short texts made inline in the Windows build: the C runtime's memcpy takes a string
# instruction per few bytes for them (under Wine it costs more than the rest of a definition field's
# reading), and most copies of the definition code are of a few bytes. Longer ones still call it.
function(torva_inline_short_copies target)
    if(TORVA_WINDOWS)
        target_compile_options(${target} PRIVATE -minline-stringops-dynamically
                               -mmemcpy-strategy=unrolled_loop:128:noalign,libcall:-1:noalign)
    endif()
endfunction()

# torva_library(NAME name SOURCES ... [LIBS ...]): a static library of our own code.
function(torva_library)
    cmake_parse_arguments(ARG "" "NAME" "SOURCES;LIBS" ${ARGN})
    add_library(${ARG_NAME} STATIC ${ARG_SOURCES})
    torva_strict(${ARG_NAME})
    if(ARG_LIBS)
        target_link_libraries(${ARG_NAME} PUBLIC ${ARG_LIBS})
    endif()
endfunction()

# torva_windows_program(NAME exe SOURCES ... [LIBS ...] [CONSOLE]): a shipped Windows program.
# GUI programs enter through wWinMain, console programs through wmain (-municode for both).
function(torva_windows_program)
    cmake_parse_arguments(ARG "CONSOLE" "NAME" "SOURCES;LIBS" ${ARGN})
    if(ARG_CONSOLE)
        add_executable(${ARG_NAME} ${ARG_SOURCES})
    else()
        add_executable(${ARG_NAME} WIN32 ${ARG_SOURCES})
    endif()
    torva_strict(${ARG_NAME})
    target_link_options(${ARG_NAME} PRIVATE -municode)
    target_link_libraries(${ARG_NAME} PRIVATE ${ARG_LIBS})
    torva_strip_release(${ARG_NAME})
endfunction()

# What users install carries no symbols: they only make the files larger (Tvtool by half) and load
# nothing a user needs. Debug builds keep them.
function(torva_strip_release target)
    target_link_options(${target} PRIVATE $<$<CONFIG:Release>:-s>)
endfunction()

# torva_unit_test(NAME name SOURCES ... [LIBS ...]): native GoogleTest executable, label "unit".
function(torva_unit_test)
    if(TORVA_WINDOWS)
        return()
    endif()
    cmake_parse_arguments(ARG "" "NAME" "SOURCES;LIBS" ${ARGN})
    add_executable(${ARG_NAME} ${ARG_SOURCES})
    torva_strict(${ARG_NAME})
    target_link_libraries(${ARG_NAME} PRIVATE ${ARG_LIBS} GTest::gmock GTest::gtest_main)
    add_test(NAME ${ARG_NAME} COMMAND ${ARG_NAME})
    set_tests_properties(${ARG_NAME} PROPERTIES LABELS unit TIMEOUT 300)
endfunction()

# torva_win32_test(NAME name SOURCES ... [LIBS ...] [LABEL win32|e2e] [TIMEOUT s]): a GoogleTest
# executable cross-compiled and run through Wine. e2e tests drive the real programs in bin/.
function(torva_win32_test)
    if(NOT TORVA_WINDOWS)
        return()
    endif()
    cmake_parse_arguments(ARG "" "NAME;LABEL;TIMEOUT" "SOURCES;LIBS;DEPENDS" ${ARGN})
    if(NOT ARG_LABEL)
        set(ARG_LABEL win32)
    endif()
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 600)
    endif()
    add_executable(${ARG_NAME} ${ARG_SOURCES})
    torva_strict(${ARG_NAME})
    target_link_libraries(${ARG_NAME} PRIVATE ${ARG_LIBS} GTest::gmock GTest::gtest)
    if(ARG_LABEL STREQUAL "e2e")
        # A faulting test ends with what it started instead of waiting on Wine's debugger.
        target_sources(${ARG_NAME} PRIVATE ${PROJECT_SOURCE_DIR}/tests/e2e/harness/crash_report.cpp)
        target_link_libraries(${ARG_NAME} PRIVATE torva_e2e_harness)
    endif()
    if(ARG_DEPENDS)
        add_dependencies(${ARG_NAME} ${ARG_DEPENDS})
    endif()
    add_test(NAME ${ARG_NAME} COMMAND ${ARG_NAME})
    set_tests_properties(${ARG_NAME} PROPERTIES LABELS ${ARG_LABEL} TIMEOUT ${ARG_TIMEOUT}
                         WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
endfunction()

# torva_fuzz_test(NAME name SOURCES ... REPLAY replay_main.cpp LIBS ... RUNS n MAX_LEN n TIMEOUT s
#                 [CORPUS seed-folder] [FOUND folder]): a native fuzz test, label "fuzz". With clang a
# libFuzzer program run for a bounded number of inputs; with other compilers the replay driver runs
# the seeds and mutations of them. New inputs go to FOUND (default corpus_found in the build), never
# to the seed folder.
function(torva_fuzz_test)
    if(TORVA_WINDOWS)
        return()
    endif()
    cmake_parse_arguments(ARG "" "NAME;REPLAY;RUNS;MAX_LEN;TIMEOUT;CORPUS;FOUND" "SOURCES;LIBS" ${ARGN})
    if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        add_executable(${ARG_NAME} ${ARG_SOURCES})
        target_compile_options(${ARG_NAME} PRIVATE -fsanitize=fuzzer)
        target_link_options(${ARG_NAME} PRIVATE -fsanitize=fuzzer)
        set(run_args -runs=${ARG_RUNS} -max_total_time=${TORVA_FUZZ_SECONDS} -max_len=${ARG_MAX_LEN})
        if(ARG_CORPUS)
            if(NOT ARG_FOUND)
                set(ARG_FOUND ${CMAKE_CURRENT_BINARY_DIR}/corpus_found)
            endif()
            file(MAKE_DIRECTORY ${ARG_FOUND})
            list(APPEND run_args -timeout=10 ${ARG_FOUND} ${ARG_CORPUS})
        endif()
    else()
        add_executable(${ARG_NAME} ${ARG_SOURCES} ${ARG_REPLAY})
        target_link_libraries(${ARG_NAME} PRIVATE torva_fuzz_replay)
        set(run_args ${ARG_CORPUS})
    endif()
    torva_strict(${ARG_NAME})
    target_link_libraries(${ARG_NAME} PRIVATE ${ARG_LIBS})
    add_test(NAME ${ARG_NAME} COMMAND ${ARG_NAME} ${run_args})
    set_tests_properties(${ARG_NAME} PROPERTIES LABELS fuzz TIMEOUT ${ARG_TIMEOUT})
endfunction()

# torva_delay_imports(TARGET exe DLLS shell32 ...): system libraries the program needs only for some
# commands (file dialogs, dropped files, help, OLE pictures) are loaded at the first call into them
# rather than at every start, where each costs the start its load and its own start-up. The
# functions taken that way are those cmake/delay/<dll>.def names; any other function of such a
# library is still imported as usual (and then loads it at start again).
function(torva_delay_imports)
    if(NOT TORVA_WINDOWS)
        return()
    endif()
    cmake_parse_arguments(ARG "" "TARGET" "DLLS" ${ARGN})
    set(dir ${CMAKE_CURRENT_BINARY_DIR}/${ARG_TARGET}_delay)
    set(libs)
    foreach(dll IN LISTS ARG_DLLS)
        set(def ${CMAKE_SOURCE_DIR}/cmake/delay/${dll}.def)
        set(lib ${dir}/lib${dll}_delay.a)
        add_custom_command(OUTPUT ${lib}
                           COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
                           COMMAND ${CMAKE_DLLTOOL} --input-def ${def} --dllname ${dll}.dll --output-delaylib ${lib}
                           DEPENDS ${def}
                           VERBATIM)
        list(APPEND libs ${lib})
    endforeach()
    add_custom_target(${ARG_TARGET}_delay_imports DEPENDS ${libs})
    add_dependencies(${ARG_TARGET} ${ARG_TARGET}_delay_imports)
    set_property(TARGET ${ARG_TARGET} APPEND PROPERTY LINK_DEPENDS ${libs})
    # Whole archives ahead of every object and library, so that their functions are taken before
    # the usual import libraries are searched.
    list(JOIN libs " " joined)
    target_link_options(${ARG_TARGET} PRIVATE "SHELL:-Wl,--whole-archive ${joined} -Wl,--no-whole-archive")
endfunction()
