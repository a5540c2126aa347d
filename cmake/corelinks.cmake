# SPDX-FileCopyrightText: The Unitavo developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The core stands on Qt Core alone, so that programs without windows can use it, and its layers
# stand on one another one way only: the rules, then the tables and the words, then the services.
#   unitavo_core_only(<target>...)   marks targets that must link neither Qt Gui nor Qt Widgets
#   unitavo_check_core_only()        fails the configuration when a marked target links one of
#                                    them, directly or through any library it links
#   unitavo_layer(<target> BELOW <higher>...)
#                                    marks a layer and the layers above it, none of which it may
#                                    link
#   unitavo_check_layers()           fails the configuration when a layer links one above it,
#                                    directly or through any library it links
# The checks are called once every target has been defined.
function(unitavo_core_only)
    set_property(GLOBAL APPEND PROPERTY UNITAVO_CORE_ONLY ${ARGN})
endfunction()

function(unitavo_layer target)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "BELOW")
    if(arg_UNPARSED_ARGUMENTS OR NOT arg_BELOW)
        message(FATAL_ERROR "unitavo_layer(<target> BELOW <higher>...)")
    endif()
    set_property(GLOBAL APPEND PROPERTY UNITAVO_LAYERS ${target})
    set_property(GLOBAL PROPERTY UNITAVO_ABOVE_${target} ${arg_BELOW})
endfunction()

# Every link reached from `target`, directly or through the libraries it links, as
# "<linking target>@<linked library>".
function(unitavo_link_edges target out)
    set(pending ${target})
    set(seen "")
    set(edges "")
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
            # alone (none of ours names a Qt module or a layer).
            if(link MATCHES "^\\$<LINK_ONLY:([^$]+)>$")
                set(link ${CMAKE_MATCH_1})
            endif()
            list(APPEND edges "${current}@${link}")
            list(APPEND pending ${link})
        endforeach()
    endwhile()
    set(${out} ${edges} PARENT_SCOPE)
endfunction()

function(unitavo_check_core_only)
    get_property(targets GLOBAL PROPERTY UNITAVO_CORE_ONLY)
    foreach(target IN LISTS targets)
        unitavo_link_edges(${target} edges)
        foreach(edge IN LISTS edges)
            if(edge MATCHES "^([^@]+)@(Qt6?::(Gui|Widgets))$")
                message(FATAL_ERROR "${target} must link Qt Core only, but ${CMAKE_MATCH_1} links "
                    "${CMAKE_MATCH_2}. Window code belongs in window/ or app/, and their tests "
                    "link unitavo_window or unitavo_app.")
            endif()
        endforeach()
    endforeach()
    list(LENGTH targets count)
    message(STATUS "Core-only targets linking no Qt Gui or Widgets: ${count}")
endfunction()

function(unitavo_check_layers)
    get_property(layers GLOBAL PROPERTY UNITAVO_LAYERS)
    foreach(layer IN LISTS layers)
        get_property(above GLOBAL PROPERTY UNITAVO_ABOVE_${layer})
        unitavo_link_edges(${layer} edges)
        foreach(edge IN LISTS edges)
            string(FIND "${edge}" "@" at)
            string(SUBSTRING "${edge}" 0 ${at} current)
            math(EXPR at "${at} + 1")
            string(SUBSTRING "${edge}" ${at} -1 link)
            if(link IN_LIST above)
                message(FATAL_ERROR "${layer} must not link ${link}: a layer links only the "
                    "layers below it, but ${current} links ${link}. Code that needs ${link} "
                    "belongs in its layer or above.")
            endif()
        endforeach()
    endforeach()
    list(LENGTH layers count)
    message(STATUS "Layers of the core linking none above them: ${count}")
endfunction()
