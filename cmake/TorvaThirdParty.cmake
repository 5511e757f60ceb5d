# Test and JSON libraries. A Windows build on Linux has no Windows builds of them installed:
# it compiles GoogleTest from the source that Debian ships, and uses the header-only JSON library
# through a private include folder (adding /usr/include itself would drag Linux headers into the
# Windows build). Every other build takes the installed packages (Debian's, or MSYS2's on Windows).
if(TORVA_WINDOWS AND NOT CMAKE_HOST_WIN32)
    set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/third_party/googletest EXCLUDE_FROM_ALL)

    set(TORVA_JSON_INCLUDE ${CMAKE_BINARY_DIR}/third_party/json_include)
    file(MAKE_DIRECTORY ${TORVA_JSON_INCLUDE})
    file(COPY /usr/include/nlohmann DESTINATION ${TORVA_JSON_INCLUDE})
    add_library(torva_json INTERFACE)
    target_include_directories(torva_json SYSTEM INTERFACE ${TORVA_JSON_INCLUDE})
else()
    find_package(GTest REQUIRED)
    find_package(nlohmann_json REQUIRED)
    add_library(torva_json INTERFACE)
    target_link_libraries(torva_json INTERFACE nlohmann_json::nlohmann_json)
endif()
