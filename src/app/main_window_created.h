#pragma once
// What the main window does once all its controls exist: check that those the
// handlers name are there, put on the skin, bound the size the user can drag
// it to, and keep its children in proportion when it is resized.

void onMainWindowCreated();
