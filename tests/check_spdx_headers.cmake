# SPDX-FileCopyrightText: The Unitavo developers
# SPDX-License-Identifier: GPL-3.0-or-later

cmake_minimum_required(VERSION 3.22)

# scripts/check/spdx-headers, run on a scratch repository: each kind of file gets the two lines in its
# own comment syntax and place, files covered by .reuse/dep5 or already headed stay as they were,
# an unknown kind is named and fails the run, and a second run changes nothing.
set(repo ${WORK_DIR}/spdx-headers)
file(REMOVE_RECURSE ${repo})
file(COPY ${SOURCE_DIR}/.reuse/templates DESTINATION ${repo}/.reuse)
# The tags are assembled so that this file does not read as declaring them.
set(s "SPDX-")
set(holder "${s}FileCopyrightText: The Unitavo developers")
set(gpl "${s}License-Identifier: GPL-3.0-or-later")

file(WRITE ${repo}/.reuse/dep5 "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n\n"
    "Files: *.png\nCopyright: The Unitavo developers\nLicense: GPL-3.0-or-later\n")
file(WRITE ${repo}/run "#!/bin/sh\necho 1\n")
file(WRITE ${repo}/data/icon.svg "<?xml version=\"1.0\"?>\n<svg/>\n")
file(WRITE ${repo}/data/app.metainfo.xml "<?xml version=\"1.0\"?>\n<component/>\n")
file(WRITE ${repo}/window.cpp "#include <QWidget>\n")
file(WRITE ${repo}/page.1 ".TH PAGE 1\n")
file(WRITE ${repo}/search.ini "[Shell Search Provider]\n")
file(WRITE ${repo}/headed.h "// ${holder}\n// ${gpl}\n#pragma once\n")
file(WRITE ${repo}/data/picture.png "not text at all\n")
file(WRITE ${repo}/odd.xyz "?\n")

execute_process(COMMAND git init -q WORKING_DIRECTORY ${repo} RESULT_VARIABLE result)
execute_process(COMMAND git add -A WORKING_DIRECTORY ${repo} RESULT_VARIABLE added)
if(NOT result EQUAL 0 OR NOT added EQUAL 0)
    message(FATAL_ERROR "cannot make a scratch git repository in ${repo}")
endif()

function(expect file content)
    file(READ ${repo}/${file} actual)
    if(NOT actual STREQUAL content)
        message(FATAL_ERROR "${file} reads:\n${actual}\ninstead of:\n${content}")
    endif()
endfunction()

foreach(run first second)
    execute_process(COMMAND ${SOURCE_DIR}/scripts/check/spdx-headers WORKING_DIRECTORY ${repo}
        RESULT_VARIABLE result OUTPUT_VARIABLE changed ERROR_VARIABLE complaint)
    if(result EQUAL 0 OR NOT complaint MATCHES "odd.xyz")
        message(FATAL_ERROR "${run} run: odd.xyz was not refused (${result}): ${complaint}")
    endif()
    if(run STREQUAL "second" AND NOT changed STREQUAL "")
        message(FATAL_ERROR "the second run changed files again:\n${changed}")
    endif()
    expect(run "#!/bin/sh\n\n# ${holder}\n# ${gpl}\n\necho 1\n")
    expect(data/icon.svg "<?xml version=\"1.0\"?>\n<svg/>\n")
    expect(data/icon.svg.license "${holder}\n${gpl}\n")
    expect(data/app.metainfo.xml
        "<?xml version=\"1.0\"?>\n\n<!--\n${holder}\n${s}License-Identifier: CC0-1.0\n-->\n\n<component/>\n")
    expect(window.cpp "// ${holder}\n// ${gpl}\n\n#include <QWidget>\n")
    expect(page.1 ".\\\" ${holder}\n.\\\" ${gpl}\n.TH PAGE 1\n")
    expect(search.ini "# ${holder}\n# ${gpl}\n\n[Shell Search Provider]\n")
    expect(headed.h "// ${holder}\n// ${gpl}\n#pragma once\n")
    expect(data/picture.png "not text at all\n")
    expect(odd.xyz "?\n")
endforeach()
