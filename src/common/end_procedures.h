#pragma once
// Procedures the process runs once on its way out, in registration order.

using EndProcedure = void (*)();

// Adds `procedure` unless it is registered already.
void registerEndProcedure(EndProcedure procedure);

// Runs every registered procedure in registration order, each at most once
// per process, so a fatal error inside an end procedure cannot loop.
void runEndProcedures();
