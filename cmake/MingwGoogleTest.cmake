# GoogleTest for the Windows tree, built from Debian's sources with the cross
# compiler (package googletest installs them under /usr/src/googletest). A
# build on Windows itself (MSYS2) takes the toolchain's own GoogleTest
# (mingw-w64-i686-gtest) when it is there, and leaves the tests out without it.
if(NOT CMAKE_CROSSCOMPILING)
    find_package(GTest)
    if(NOT GTest_FOUND)
        message(STATUS "No GoogleTest (mingw-w64-i686-gtest): the tests are left out")
    endif()
    return()
endif()
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
# GoogleTest's own sources are not held to our warning set.
target_compile_options(gtest PRIVATE -Wno-error)
target_compile_options(gtest_main PRIVATE -Wno-error)
