# Fails unless the README names the packages of this version and no other: the version is set once,
# in project(), and the README's install commands must follow it.
# Usage: cmake -DREADME=path -DVERSION=x.y.z -P check_readme_version.cmake
file(READ ${README} text)
string(REGEX MATCHALL "Torva-[0-9]+\\.[0-9]+\\.[0-9]+-x64" names "${text}")
if(NOT names)
    message(FATAL_ERROR "${README} names no package")
endif()
foreach(name ${names})
    if(NOT name STREQUAL "Torva-${VERSION}-x64")
        message(FATAL_ERROR "${README} names ${name}; the project version is ${VERSION}")
    endif()
endforeach()
string(FIND "${text}" "The version, ${VERSION}, is set once" at)
if(at EQUAL -1)
    message(FATAL_ERROR "${README} does not state the version ${VERSION}")
endif()
