# Resources shared by the Windows programs: the icon set of Torva.exe, the application manifest and
# the version information. Include this file from any area's CMakeLists.txt that needs it (every
# include sets the variables in that directory; the icon target is made once for the whole build).
#
#   torva_add_version_resource(target "Description" [NO_MANIFEST])
#       version information (FileDescription, file and product version from the project version)
#       and, unless NO_MANIFEST, the common manifest (common controls 6, asInvoker) as resource 1
#   torva_add_icon_resources(target)
#       the 28 icons of Torva.exe (extraction indices 0..27, group icon ids 1..28); the icons are
#       drawn at build time by resources/make_icons.py
#   TORVA_ICON_RC      the icon resource script itself, for targets that include it another way
#   TORVA_ICON_DIR     where the generated .ico files are written
set(TORVA_RESOURCES_DIR ${CMAKE_CURRENT_LIST_DIR})
set(TORVA_ICON_RC ${TORVA_RESOURCES_DIR}/torva_icons.rc)
set(TORVA_ICON_DIR ${CMAKE_BINARY_DIR}/resources/icons)
set(TORVA_MANIFEST ${TORVA_RESOURCES_DIR}/torva.manifest)

set(TORVA_ICON_FILES)
foreach(i RANGE 0 27)
    string(LENGTH "${i}" len)
    if(len EQUAL 1)
        set(i "0${i}")
    endif()
    list(APPEND TORVA_ICON_FILES ${TORVA_ICON_DIR}/torva_${i}.ico)
endforeach()

get_property(torva_icons_defined GLOBAL PROPERTY TORVA_ICONS_DEFINED)
if(TORVA_WINDOWS AND NOT torva_icons_defined)
    set_property(GLOBAL PROPERTY TORVA_ICONS_DEFINED ON)
    find_program(TORVA_PYTHON NAMES python3 REQUIRED)
    add_custom_command(OUTPUT ${TORVA_ICON_FILES}
                       COMMAND ${TORVA_PYTHON} ${TORVA_RESOURCES_DIR}/make_icons.py ${TORVA_ICON_DIR}
                       DEPENDS ${TORVA_RESOURCES_DIR}/make_icons.py
                       COMMENT "Drawing the Torva icon set"
                       VERBATIM)
    add_custom_target(torva_icons DEPENDS ${TORVA_ICON_FILES})
endif()

function(torva_add_icon_resources target)
    if(NOT TORVA_WINDOWS)
        return()
    endif()
    target_sources(${target} PRIVATE ${TORVA_ICON_RC})
    add_dependencies(${target} torva_icons)
    set_source_files_properties(${TORVA_ICON_RC} TARGET_DIRECTORY ${target} PROPERTIES
                                OBJECT_DEPENDS "${TORVA_ICON_FILES}"
                                INCLUDE_DIRECTORIES ${TORVA_ICON_DIR})
endfunction()

function(torva_add_version_resource target description)
    if(NOT TORVA_WINDOWS)
        return()
    endif()
    cmake_parse_arguments(ARG "NO_MANIFEST" "" "" ${ARGN})
    set(TORVA_RC_NAME ${target})
    get_target_property(output_name ${target} OUTPUT_NAME)
    if(output_name)
        set(TORVA_RC_NAME ${output_name})
    endif()
    set(TORVA_RC_FILE ${TORVA_RC_NAME}.exe)
    set(TORVA_RC_DESCRIPTION "${description}")
    set(TORVA_RC_VERSION "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0")
    set(TORVA_RC_VERSION_COMMAS "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},${PROJECT_VERSION_PATCH},0")
    set(TORVA_RC_MANIFEST "")
    if(NOT ARG_NO_MANIFEST)
        # 1 = the process's own manifest, 24 = RT_MANIFEST.
        set(TORVA_RC_MANIFEST "1 24 \"${TORVA_MANIFEST}\"")
    endif()
    set(rc ${CMAKE_BINARY_DIR}/resources/version/${target}_version.rc)
    configure_file(${TORVA_RESOURCES_DIR}/version.rc.in ${rc} @ONLY)
    target_sources(${target} PRIVATE ${rc})
    if(NOT ARG_NO_MANIFEST)
        set_source_files_properties(${rc} TARGET_DIRECTORY ${target} PROPERTIES OBJECT_DEPENDS ${TORVA_MANIFEST})
    endif()
endfunction()
