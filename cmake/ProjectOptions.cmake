# Compiler settings shared by every target of both trees.

# Source files are UTF-8; every narrow literal becomes GBK (code page 936) bytes,
# which is what the program's texts are. GB18030 gives the same bytes as GBK for
# every GBK character; it is named here because libstdc++'s C++20 <chrono> holds
# a literal that GBK cannot encode. tools/check_gbk_sources.py keeps our own
# literals inside GBK.
add_compile_options(-finput-charset=UTF-8 -fexec-charset=GB18030)
add_compile_options(-Wall -Wextra -Werror)
# -O2 rather than -O3 for releases: GCC 12 reports false -Wrestrict overlaps in
# std::string concatenation at -O3.
string(REPLACE "-O3" "-O2" CMAKE_CXX_FLAGS_RELEASE "${CMAKE_CXX_FLAGS_RELEASE}")

if(WIN32)
    add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
    # One self-contained executable: no mingw runtime DLLs beside it.
    add_link_options(-static -static-libgcc -static-libstdc++)
    # The linker's name of a stdcall function (an entry routine): decorated
    # with its argument bytes on i686, plain on x86-64, which has one convention.
    function(nuvri_stdcall_symbol variable name bytes)
        if(CMAKE_SIZEOF_VOID_P EQUAL 4)
            set(${variable} "_${name}@${bytes}" PARENT_SCOPE)
        else()
            set(${variable} "${name}" PARENT_SCOPE)
        endif()
    endfunction()
    # Libraries built without the C runtime (the skin library, the loader's
    # test DLLs) leave out unwind tables on i686, where code unwinds by
    # frames; x86-64 code keeps its tables, without which no exception or
    # stack walk passes through it.
    if(CMAKE_SIZEOF_VOID_P EQUAL 4)
        set(NUVRI_NO_UNWIND_TABLES -fno-asynchronous-unwind-tables)
    else()
        set(NUVRI_NO_UNWIND_TABLES)
    endif()
    # The Wine prefix architecture of this tree: the 32-bit build runs in a
    # win32 prefix, the 64-bit build in a win64 one.
    if(CMAKE_SIZEOF_VOID_P EQUAL 4)
        set(NUVRI_WINE_ARCH win32)
        set(NUVRI_BITS 32)
    else()
        set(NUVRI_WINE_ARCH win64)
        set(NUVRI_BITS 64)
    endif()
    # Test programs of the cross build run under Wine with a private prefix
    # inside the build tree; on Windows itself they run as they are.
    if(CMAKE_CROSSCOMPILING)
        set(CMAKE_CROSSCOMPILING_EMULATOR
            ${PROJECT_SOURCE_DIR}/tools/wine-exec.sh ${NUVRI_WINE_ARCH}
            ${CMAKE_BINARY_DIR}/wineprefix)
    endif()
else()
    option(NUVRI_SANITIZE "Build the native tree with AddressSanitizer and UBSan" ON)
    if(NUVRI_SANITIZE)
        add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                            -fno-sanitize-recover=all)
        add_link_options(-fsanitize=address,undefined)
    endif()
endif()
