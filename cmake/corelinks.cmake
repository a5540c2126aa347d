# SPDX-FileCopyrightText: The Unitavo developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The core stands on Qt Core alone, so that programs without windows can use it.
#   unitavo_core_only(<target>...)   marks targets that must link neither Qt Gui nor Qt Widgets
#   unitavo_check_core_only()        fails the configuration when a marked target links one of
#                                    them, directly or through any library it links; called once
#                                    every target has been defined
function(unitavo_core_only)
    set_property(GLOBAL APPEND PROPERTY UNITAVO_CORE_ONLY ${ARGN})
endfunction()

function(unitavo_check_core_only)
    get_property(targets GLOBAL PROPERTY UNITAVO_CORE_ONLY)
    foreach(target IN LISTS targets)
        set(pending ${target})
        set(seen "")
        while(pending)
            list(POP_FRONT pending current)
            if(current IN_LIST seen OR NOT TARGET ${current})
                continue()
            endif()
            list(APPEND seen ${current})
            set(links "")
            foreach(property ALIASED_TARGET LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
                get_target_property(value ${current} ${property})
                if(value)
                    list(APPEND links ${value})
                endif()
            endforeach()
            foreach(link IN LISTS links)
                # A private dependency of a static library; other generator expressions are left
                # alone (none of ours names a Qt module).
                if(link MATCHES "^\\$<LINK_ONLY:([^$]+)>$")
                    set(link ${CMAKE_MATCH_1})
                endif()
                if(link MATCHES "^Qt6?::(Gui|Widgets)$")
                    message(FATAL_ERROR "${target} must link Qt Core only, but ${current} links "
                        "${link}. Window code belongs in window/ or app/, and their tests link "
                        "unitavo_window or unitavo_app.")
                endif()
                list(APPEND pending ${link})
            endforeach()
        endwhile()
    endforeach()
    list(LENGTH targets count)
    message(STATUS "Core-only targets linking no Qt Gui or Widgets: ${count}")
endfunction()
