#pragma once
// Letting the window process what is waiting while a long operation runs, so
// the program stays responsive. Portable code calls it; the Windows build
// implements it in win32/message_pump.cpp.

// The GUI thread dispatches every message already queued for it and returns
// when the queue is empty. Any handler may run inside this call. A call within
// a millisecond of the last one that looked at the queue returns at once:
// looking costs a round trip to the window system (tens of microseconds under
// Wine), and long operations ask thousands of times a second.
void processPendingEvents();
