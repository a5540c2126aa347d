# SPDX-FileCopyrightText: The Unitavo developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the build into PREFIX and checks every file the desktop needs is where it looks for it.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
    RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(expected
    bin/unitavo
    bin/unitavo-converti
    share/bash-completion/completions/unitavo-converti
    share/man/man1/unitavo-converti.1
    share/applications/${APP_ID}.desktop
    share/metainfo/${APP_ID}.metainfo.xml
    share/icons/hicolor/scalable/apps/${APP_ID}.svg
    share/man/man1/unitavo.1)
if(SEARCH)
    list(APPEND expected
        libexec/unitavo-search
        share/man/man1/unitavo-search.1
        share/dbus-1/services/org.unitavo.Unitavo.SearchProvider.service
        share/gnome-shell/search-providers/org.unitavo.Unitavo.search-provider.ini
        share/krunner/dbusplugins/org.unitavo.Unitavo.desktop)
endif()
foreach(size 16 32 48 64 128 256)
    list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
foreach(path IN LISTS expected)
    if(NOT EXISTS ${PREFIX}/${path})
        message(FATAL_ERROR "missing from the installed tree: ${path}")
    endif()
endforeach()
if(NOT IS_DIRECTORY ${PREFIX}/bin OR NOT EXISTS ${PREFIX}/bin/unitavo)
    message(FATAL_ERROR "no program installed")
endif()

# Nothing but the two programs goes into bin: tests and tools stay in the build tree.
file(GLOB installed_programs RELATIVE ${PREFIX}/bin ${PREFIX}/bin/*)
list(SORT installed_programs)
if(NOT installed_programs STREQUAL "unitavo;unitavo-converti")
    message(FATAL_ERROR "unexpected programs installed: ${installed_programs}")
endif()

# The session bus starts the installed search service, which GNOME Shell and KRunner find by the
# bus name it owns.
if(SEARCH)
    file(READ ${PREFIX}/share/dbus-1/services/org.unitavo.Unitavo.SearchProvider.service service)
    if(NOT service MATCHES "\nName=org.unitavo.Unitavo.SearchProvider\n"
        OR NOT service MATCHES "\nExec=([^\n]+)\n")
        message(FATAL_ERROR "the search service's .service file names no service or program")
    endif()
    if(NOT CMAKE_MATCH_1 MATCHES "/libexec/unitavo-search$")
        message(FATAL_ERROR "the search service's .service file starts ${CMAKE_MATCH_1}")
    endif()
    foreach(file gnome-shell/search-providers/org.unitavo.Unitavo.search-provider.ini
            krunner/dbusplugins/org.unitavo.Unitavo.desktop)
        file(READ ${PREFIX}/share/${file} provider)
        if(NOT provider MATCHES "=org.unitavo.Unitavo.SearchProvider\n")
            message(FATAL_ERROR "${file} does not name the search service")
        endif()
    endforeach()
endif()

# The desktop entry starts the installed program by name and uses the installed icon.
file(READ ${PREFIX}/share/applications/${APP_ID}.desktop entry)
if(NOT entry MATCHES "\nExec=unitavo\n" OR NOT entry MATCHES "\nIcon=${APP_ID}\n")
    message(FATAL_ERROR "desktop entry does not name the program and its icon")
endif()
# Each PNG is the size its folder says.
foreach(size 16 32 48 64 128 256)
    file(READ ${PREFIX}/share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png header LIMIT 24 HEX)
    string(SUBSTRING ${header} 32 8 width_hex)
    math(EXPR width "0x${width_hex}")
    if(NOT width EQUAL size)
        message(FATAL_ERROR "${size}x${size} icon is ${width} wide")
    endif()
endforeach()
