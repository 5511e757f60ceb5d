# The installer and the portable zip of the programs this Windows build makes, written to
# <build>/packaging: Torva-<version>-x64.msi, Torva-<version>-x64.zip and manifest.txt (the files both
# hold). Included from packaging/CMakeLists.txt, after every program's folder has been added.
#
# Targets:
#   torva_package       the installer, the zip and the manifest (part of the default build)
#   torva_package_next  for the upgrade tests: the same installer one patch version up, and a
#                       rebuild of this version (a new product code)
# Help pages: every file below the program folder's "TvsetupHelp" folder (<build>/bin/TvsetupHelp,
# where the editor's build puts them and where it looks for them) when it exists.

# The programs of the suite. Each one whose target exists in this tree is packaged; one that is not
# built here is named when configuring, and the manifest and the packaging output list what went in.
set(TORVA_SHIPPED_PROGRAMS Torva Tvsetup Tvscript Tvshell Tvrmsg SMPTVS Tvtool)
set(TORVA_PACKAGED_PROGRAMS)
set(torva_unbuilt_programs)
foreach(program ${TORVA_SHIPPED_PROGRAMS})
    if(TARGET ${program})
        list(APPEND TORVA_PACKAGED_PROGRAMS ${program})
    else()
        list(APPEND torva_unbuilt_programs ${program})
    endif()
endforeach()
if(torva_unbuilt_programs)
    message(STATUS "Packaging: not built in this tree, so not packaged: ${torva_unbuilt_programs}")
endif()

set(TORVA_PACKAGE_DIR ${CMAKE_BINARY_DIR}/packaging)
set(TORVA_MSI ${TORVA_PACKAGE_DIR}/Torva-${PROJECT_VERSION}-x64.msi)
set(TORVA_ZIP ${TORVA_PACKAGE_DIR}/Torva-${PROJECT_VERSION}-x64.zip)
set(TORVA_PACKAGE_MANIFEST ${TORVA_PACKAGE_DIR}/manifest.txt)
math(EXPR torva_next_patch "${PROJECT_VERSION_PATCH} + 1")
set(TORVA_NEXT_VERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${torva_next_patch})
set(TORVA_NEXT_MSI ${TORVA_PACKAGE_DIR}/next/Torva-${TORVA_NEXT_VERSION}-x64.msi)
set(TORVA_REBUILT_MSI ${TORVA_PACKAGE_DIR}/next/Torva-${PROJECT_VERSION}-rebuilt-x64.msi)

if(NOT CMAKE_HOST_UNIX)
    # The MSI builder and the Wine test run on the Linux build machine only.
    message(STATUS "Packaging: the installer is built on Linux (wixl); none in this build")
    return()
endif()
find_program(TORVA_WIXL wixl)
find_program(TORVA_MSIBUILD msibuild)
find_program(TORVA_MSIINFO msiinfo)
find_program(TORVA_PYTHON NAMES python3 REQUIRED)
if(NOT TORVA_WIXL OR NOT TORVA_MSIBUILD OR NOT TORVA_MSIINFO)
    # No installer without the tools; the test command says so instead of passing quietly.
    message(WARNING "Packaging: wixl, msibuild or msiinfo is missing (Debian packages wixl and msitools)")
    add_test(NAME package_tools COMMAND ${CMAKE_COMMAND} -E false)
    set_tests_properties(package_tools PROPERTIES LABELS e2e)
    return()
endif()

set(torva_package_inputs)
foreach(program ${TORVA_PACKAGED_PROGRAMS})
    list(APPEND torva_package_inputs --program $<TARGET_FILE:${program}>)
endforeach()
list(APPEND torva_package_inputs
     --sample-script ${CMAKE_SOURCE_DIR}/script/samples/SMPTVS.TVS
     --sample-menu ${CMAKE_SOURCE_DIR}/runtime/samples/TORVA.TVX
     --sample-picture ${CMAKE_SOURCE_DIR}/runtime/samples/TORVABG.BMP
     --actions-dll $<TARGET_FILE:TvMsiActions>
     --data ${TORVA_DEFINITION_SCHEMA}
     --help-folder ${CMAKE_BINARY_DIR}/bin/TvsetupHelp)
set(torva_package_script ${CMAKE_SOURCE_DIR}/packaging/package.py)

# The script runs on every build: it finds the help pages only then, and rebuilds nothing when no
# input changed.
add_custom_target(torva_package ALL
                  COMMAND ${TORVA_PYTHON} ${torva_package_script} --version ${PROJECT_VERSION}
                          ${torva_package_inputs} --msi ${TORVA_MSI} --zip ${TORVA_ZIP}
                          --manifest ${TORVA_PACKAGE_MANIFEST}
                  BYPRODUCTS ${TORVA_MSI} ${TORVA_ZIP} ${TORVA_PACKAGE_MANIFEST}
                  COMMENT "Packaging Torva ${PROJECT_VERSION}"
                  VERBATIM)
add_dependencies(torva_package ${TORVA_PACKAGED_PROGRAMS} TvMsiActions)

add_custom_target(torva_package_next
                  COMMAND ${TORVA_PYTHON} ${torva_package_script} --version ${TORVA_NEXT_VERSION}
                          ${torva_package_inputs} --msi ${TORVA_NEXT_MSI}
                  COMMAND ${TORVA_PYTHON} ${torva_package_script} --version ${PROJECT_VERSION}
                          ${torva_package_inputs} --msi ${TORVA_REBUILT_MSI}
                  BYPRODUCTS ${TORVA_NEXT_MSI} ${TORVA_REBUILT_MSI}
                  COMMENT "Packaging Torva ${TORVA_NEXT_VERSION} and a rebuild of ${PROJECT_VERSION} for the upgrade tests"
                  VERBATIM)
add_dependencies(torva_package_next ${TORVA_PACKAGED_PROGRAMS} TvMsiActions)

# For the tests, which live in other folders.
set_property(GLOBAL PROPERTY TORVA_MSI ${TORVA_MSI})
set_property(GLOBAL PROPERTY TORVA_ZIP ${TORVA_ZIP})
set_property(GLOBAL PROPERTY TORVA_NEXT_MSI ${TORVA_NEXT_MSI})
set_property(GLOBAL PROPERTY TORVA_REBUILT_MSI ${TORVA_REBUILT_MSI})
set_property(GLOBAL PROPERTY TORVA_PACKAGE_MANIFEST ${TORVA_PACKAGE_MANIFEST})

# The installer and the zip hold the same files, the ones the manifest lists.
add_test(NAME package_contents
         COMMAND ${TORVA_PYTHON} ${CMAKE_SOURCE_DIR}/packaging/check_package.py ${TORVA_MSI} ${TORVA_ZIP}
                 ${TORVA_PACKAGE_MANIFEST})
set_tests_properties(package_contents PROPERTIES LABELS e2e)
