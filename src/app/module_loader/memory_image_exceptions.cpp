// The exception table of a PE32+ image: x86-64 code unwinds by tables, not by
// frames, so the system must know the image's table before an exception can
// pass through its code or a stack walk can step over it. A PE32 image has
// none to register.
#include <cstring>

#include "memory_image_steps.h"

bool registerExceptionTable(MemoryImage& image, const ImageLayout& layout,
                            ImageServices& services) {
    const pe::DataDirectory directory = layout.directories[pe::kExceptionDirectory];
    const std::uint32_t count = directory.Size / sizeof(pe::RuntimeFunction);
    if (!layout.wide || count == 0) {
        return true;
    }
    // The system reads the table whenever an exception passes; a table in a
    // section that is unreadable or given back after loading would fault there.
    if (!fitsInside(directory.VirtualAddress, directory.Size, layout.sizeOfImage) ||
        !staysReadable(image, layout, directory.VirtualAddress, directory.Size)) {
        return false;
    }
    // The system follows each entry into the image; none may lead outside it.
    std::uint8_t* table = imageBytes(image) + directory.VirtualAddress;
    for (std::uint32_t index = 0; index < count; ++index) {
        pe::RuntimeFunction function;
        std::memcpy(&function, table + index * sizeof function, sizeof function);
        if (function.BeginAddress >= function.EndAddress ||
            function.EndAddress > layout.sizeOfImage ||
            !fitsInside(function.UnwindData, 4, layout.sizeOfImage)) {
            return false;
        }
    }
    if (!services.addFunctionTable(table, count, image.codeBase)) {
        return false;
    }
    image.exceptionTable = table;
    return true;
}
