#pragma once
// The resource number of the program's icon: the program file's first icon,
// the one Explorer shows. A macro, as the resource compiler reads it too.
#define NUVRI_PROGRAM_ICON 1
