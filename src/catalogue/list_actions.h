#pragma once
// The user actions that decide what the main list, browser view 1 and the
// download list show are numbered as they begin, each in the scope it
// decides: a catalogue fill decides the main list's rows and browser view 1
// (it ends on the information page), a route the rows alone, a television or
// music-box entry browser view 1 alone, a download source the download list.
// A fill lets the window process messages part-way, so a later action can
// begin and end inside it; whatever a later action of a scope decides, the
// earlier one leaves alone: an overtaken fill writes no rows, and a fill ends
// on the information page only when no later action took browser view 1 or
// the rows.

#include <cstdint>

enum class ActionScope { CatalogueRows, PlayerView, DownloadRows };

// Begins an action in `scope`; returns its number.
std::uint32_t beginAction(ActionScope scope);

// The number of the latest action begun in `scope`.
std::uint32_t latestAction(ActionScope scope);
