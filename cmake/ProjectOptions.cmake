# Compiler settings shared by every target of both trees.

# Source files are UTF-8; every narrow literal becomes GBK (code page 936) bytes,
# which is what the program's texts are.
add_compile_options(-finput-charset=UTF-8 -fexec-charset=GBK)
add_compile_options(-Wall -Wextra -Werror)

if(WIN32)
    add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
    # One self-contained executable: no mingw runtime DLLs beside it.
    add_link_options(-static -static-libgcc -static-libstdc++)
else()
    option(NUVRI_SANITIZE "Build the native tree with AddressSanitizer and UBSan" ON)
    if(NUVRI_SANITIZE)
        add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                            -fno-sanitize-recover=all)
        add_link_options(-fsanitize=address,undefined)
    endif()
endif()
