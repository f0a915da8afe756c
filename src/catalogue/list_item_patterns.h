#pragma once
// The regular expressions that find the items of a list-service answer:
// group 1 is the address, group 2 the title.

// Game services and the film list: one blank before "/>".
inline constexpr char kPatternA[] = "<m type=\"2\" src=\"(.*?)\" label=\"(.*?)\" />";
// The two show services: two blanks before "/>".
inline constexpr char kPatternB[] = "<m type=\"2\" src=\"(.*?)\" label=\"(.*?)\"  />";
