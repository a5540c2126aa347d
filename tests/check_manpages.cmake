# SPDX-FileCopyrightText: The Unitavo developers
# SPDX-License-Identifier: GPL-3.0-or-later

cmake_minimum_required(VERSION 3.22)

# Every manual page in MAN_DIR formats without a warning, as lintian formats it, and its NAME
# section gives the whatis line `man -k` shows for the program the page is named after.
file(GLOB pages ${MAN_DIR}/*.[1-8])
if(NOT pages)
    message(FATAL_ERROR "no manual pages in ${MAN_DIR}")
endif()
set(ENV{LC_ALL} C.UTF-8)
set(ENV{MANROFFSEQ} "")
foreach(page IN LISTS pages)
    get_filename_component(file_name ${page} NAME)
    string(REGEX MATCH "^(.+)\\.([1-8])$" _ ${file_name})
    set(program ${CMAKE_MATCH_1})
    set(section ${CMAKE_MATCH_2})

    execute_process(COMMAND ${MAN} --warnings -E UTF-8 -l -Tutf8 -Z ${page}
        RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE warnings)
    if(NOT result EQUAL 0 OR NOT warnings STREQUAL "")
        message(FATAL_ERROR "${file_name} does not format cleanly (${result}):\n${warnings}")
    endif()

    execute_process(COMMAND ${LEXGROG} ${page} RESULT_VARIABLE result OUTPUT_VARIABLE whatis)
    if(NOT result EQUAL 0 OR NOT whatis MATCHES ": \"${program} - [^\"]+\"")
        message(FATAL_ERROR "${file_name}: NAME section gives no whatis line for ${program}: ${whatis}")
    endif()

    file(STRINGS ${page} title REGEX "^\\.TH ")
    string(TOUPPER ${program} upper)
    if(NOT title MATCHES "^\\.TH ${upper} ${section} ")
        message(FATAL_ERROR "${file_name}: title '${title}' is not ${upper} in section ${section}")
    endif()
endforeach()
