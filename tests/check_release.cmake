# SPDX-FileCopyrightText: The Unitavo developers
# SPDX-License-Identifier: GPL-3.0-or-later

cmake_minimum_required(VERSION 3.22)

# The release is named alike everywhere it is written down: the project's version, the Debian
# changelog's newest entry, the metainfo's newest release, the manual pages' footers and the
# version the built programs show (the main window's title, --version); and the changelog and the
# metainfo date it the same day.
if(VERSION MATCHES "^[0-9]+\\.[0-9]+$")
    set(VERSION ${VERSION}.0)
endif()

file(READ ${SOURCE_DIR}/debian/changelog changelog)
if(NOT changelog MATCHES "^unitavo \\(([^)]+)\\) ")
    message(FATAL_ERROR "debian/changelog does not start with an entry for unitavo")
endif()
set(changelog_version ${CMAKE_MATCH_1})
set(months_of_year Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
# The newest entry's trailer: " -- name <address>  Tue, 08 Dec 2026 18:00:00 +0000".
if(NOT changelog MATCHES "\n -- [^\n]*>  [A-Z][a-z][a-z], ([0-9]+) ([A-Z][a-z][a-z]) ([0-9]+) ")
    message(FATAL_ERROR "debian/changelog's newest entry has no date")
endif()
set(day ${CMAKE_MATCH_1})
set(year ${CMAKE_MATCH_3})
list(FIND months_of_year ${CMAKE_MATCH_2} month)
math(EXPR month "${month} + 1")
foreach(part day month)
    string(LENGTH "${${part}}" digits)
    if(digits EQUAL 1)
        set(${part} 0${${part}})
    endif()
endforeach()
set(changelog_date ${year}-${month}-${day})

file(READ ${METAINFO} metainfo)
if(NOT metainfo MATCHES "<release version=\"([^\"]+)\" date=\"([^\"]+)\"")
    message(FATAL_ERROR "the metainfo names no release")
endif()
set(metainfo_version ${CMAKE_MATCH_1})
set(metainfo_date ${CMAKE_MATCH_2})

if(NOT changelog_version STREQUAL VERSION OR NOT metainfo_version STREQUAL VERSION)
    message(FATAL_ERROR "release ${VERSION}: debian/changelog says ${changelog_version}, "
        "the metainfo ${metainfo_version}")
endif()
if(NOT changelog_date STREQUAL metainfo_date)
    message(FATAL_ERROR "debian/changelog dates the release ${changelog_date}, "
        "the metainfo ${metainfo_date}")
endif()

file(GLOB pages ${SOURCE_DIR}/docs/man/*.[1-8])
foreach(page IN LISTS pages)
    file(STRINGS ${page} title REGEX "^\\.TH ")
    if(NOT title MATCHES "\"Unitavo ${VERSION}\"")
        message(FATAL_ERROR "${page}: footer does not name Unitavo ${VERSION}: ${title}")
    endif()
endforeach()

# The configuration the programs are built with: the main window's title ("Unitavo 3.3") names
# the release without a zero patch level, --version names it whole.
file(READ ${CONFIG} config)
foreach(name VERSION RELEASE)
    if(NOT config MATCHES "\n#define UNITAVO_${name} \"([^\"]*)\"")
        message(FATAL_ERROR "${CONFIG} does not define UNITAVO_${name}")
    endif()
    set(shown_${name} ${CMAKE_MATCH_1})
endforeach()
set(title_release ${shown_VERSION})
if(title_release MATCHES "^[0-9]+\\.[0-9]+$")
    set(title_release ${title_release}.0)
endif()
if(NOT title_release STREQUAL VERSION OR NOT shown_RELEASE STREQUAL VERSION)
    message(FATAL_ERROR "release ${VERSION}: the title shows Unitavo ${shown_VERSION}, "
        "--version ${shown_RELEASE}")
endif()
