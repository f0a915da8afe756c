#pragma once
// Find as you type in the main list.

// Opens the find field under the main list with the focus in it (its text
// selected when it is open already). Each change of its text leaves only the
// rows whose title (column 0) contains the text (title_filter.h), in their
// order; an empty text shows every row. Esc closes the field, brings every
// row back and puts the focus in the list; Enter puts the focus in the list,
// on its first row when none is selected. A change to the list by anything
// else, such as a new fill, brings every row back first and closes the field.
void openTitleFind();

// Puts an open find field back under the main list, which the window's
// layout has moved.
void placeTitleFind();
