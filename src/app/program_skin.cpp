#include "program_skin.h"

#include "embedded_skin.h"
#include "skin_binding.h"

ProgramSkin loadProgramSkin() {
    return ProgramSkin(new SkinBinding(skinLibraryImage()), [](SkinBinding* skin) { delete skin; });
}
