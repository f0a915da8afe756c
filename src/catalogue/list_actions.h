#pragma once
// The user actions that decide what the main list and browser view 1 show
// (a category entry other than a notice, a route) are numbered as they
// begin. A fill lets the window process messages part-way, so a later action
// can begin and end inside it; the fill then stops: it writes no more rows
// and leaves browser view 1 alone, and the list ends with the rows of the
// last action.

#include <cstdint>

// Begins an action; returns its number.
std::uint32_t beginListAction();

// The number of the latest action begun.
std::uint32_t latestListAction();
