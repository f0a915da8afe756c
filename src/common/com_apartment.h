#pragma once
// The calling thread's COM apartment, entered for the life of a scope so that
// no return path leaves it unbalanced. Scopes nest: each one pairs its own
// entry with its own exit.

// Platform edge: enters and leaves a COM apartment on the calling thread
// (CoInitialize with a null argument, CoUninitialize); calls pair up.
void enterComApartment();
void leaveComApartment();

class ComApartment {
  public:
    ComApartment() { enterComApartment(); }
    ~ComApartment() { leaveComApartment(); }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
};
