# SPDX-FileCopyrightText: The Unitavo developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Fails when one of the programs named after "--" loads Qt Gui or Qt Widgets, as ldd lists the
# libraries it loads.
#   cmake -P check_core_links.cmake -- PROGRAM...
set(programs "")
set(listed FALSE)
math(EXPR last "${CMAKE_ARGC} - 1")
foreach(i RANGE ${last})
    if(listed)
        list(APPEND programs "${CMAKE_ARGV${i}}")
    elseif(CMAKE_ARGV${i} STREQUAL "--")
        set(listed TRUE)
    endif()
endforeach()
if(NOT programs)
    message(FATAL_ERROR "no program named")
endif()

set(offenders "")
foreach(program IN LISTS programs)
    execute_process(COMMAND ldd ${program} OUTPUT_VARIABLE loaded RESULT_VARIABLE status)
    if(NOT status EQUAL 0 OR NOT loaded MATCHES "libQt6Core")
        message(FATAL_ERROR "ldd cannot tell what ${program} loads: ${loaded}")
    endif()
    string(REGEX MATCHALL "libQt6(Gui|Widgets)\\.so[.0-9]*" gui "${loaded}")
    list(REMOVE_DUPLICATES gui)
    if(gui)
        list(JOIN gui ", " gui)
        list(APPEND offenders "${program} loads ${gui}")
    endif()
endforeach()
if(offenders)
    list(JOIN offenders "\n" text)
    message(FATAL_ERROR "Core programs must load Qt Core only:\n${text}")
endif()
list(LENGTH programs count)
message("${count} core programs load Qt Core and neither Qt Gui nor Qt Widgets")
