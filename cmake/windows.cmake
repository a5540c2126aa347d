# SPDX-FileCopyrightText: The Unitavo developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# What a Windows build adds to a program: the application icon, made from the PNG renderings in
# data/icons, and a version resource. Deployment is scripts/windows/build's, packaging
# scripts/windows/package's.

enable_language(RC)
find_program(ICOTOOL icotool NO_CMAKE_FIND_ROOT_PATH REQUIRED)
set(unitavo_ico ${CMAKE_CURRENT_BINARY_DIR}/generated/unitavo.ico)
set(unitavo_ico_images)
foreach(size IN ITEMS 16 32 48 64 128)
    list(APPEND unitavo_ico_images ${PROJECT_SOURCE_DIR}/data/icons/unitavo-${size}.png)
endforeach()
# The 256-pixel image stays a PNG inside the icon, as Windows expects for that size.
add_custom_command(OUTPUT ${unitavo_ico}
    COMMAND ${ICOTOOL} -c -o ${unitavo_ico} ${unitavo_ico_images}
        -r ${PROJECT_SOURCE_DIR}/data/icons/unitavo-256.png
    DEPENDS ${unitavo_ico_images} ${PROJECT_SOURCE_DIR}/data/icons/unitavo-256.png
    COMMENT "Making unitavo.ico"
    VERBATIM)
add_custom_target(unitavo_windows_icon DEPENDS ${unitavo_ico})

# unitavo_windows_program(TARGET DESCRIPTION [CONSOLE]): icon and version resource for a program,
# which may be defined in any folder. Without CONSOLE it is a windowed program that opens no
# console; with CONSOLE it is a console program whose manifest makes UTF-8 its code page.
function(unitavo_windows_program target description)
    cmake_parse_arguments(arg "CONSOLE" "" "" ${ARGN})
    set(UNITAVO_RC_DESCRIPTION "${description}")
    set(UNITAVO_RC_FILENAME "$<TARGET_FILE_NAME:${target}>")
    set(UNITAVO_RC_NAME ${target})
    set(UNITAVO_RC_ICON ${unitavo_ico})
    set(UNITAVO_RC_MANIFEST "")
    set(depends ${unitavo_ico})
    if(arg_CONSOLE)
        set(manifest ${CMAKE_CURRENT_BINARY_DIR}/generated/${target}.manifest)
        configure_file(${PROJECT_SOURCE_DIR}/data/windows/console.manifest.in ${manifest} @ONLY)
        # CREATEPROCESS_MANIFEST_RESOURCE_ID (1) of type RT_MANIFEST (24)
        set(UNITAVO_RC_MANIFEST "1 24 \"${manifest}\"")
        list(APPEND depends ${manifest})
    endif()
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/generated/${target}.rc)
    configure_file(${PROJECT_SOURCE_DIR}/data/windows/program.rc.in ${rc}.in @ONLY)
    file(GENERATE OUTPUT ${rc} INPUT ${rc}.in)
    # Source properties belong to the target's folder, which need not be this one.
    set_source_files_properties(${rc} TARGET_DIRECTORY ${target}
        PROPERTIES OBJECT_DEPENDS "${depends}" GENERATED TRUE)
    target_sources(${target} PRIVATE ${rc})
    add_dependencies(${target} unitavo_windows_icon)
    if(NOT arg_CONSOLE)
        set_target_properties(${target} PROPERTIES WIN32_EXECUTABLE ON)
    endif()
endfunction()
