#include "end_procedures.h"

#include <algorithm>
#include <vector>

namespace {
std::vector<EndProcedure>& registered() {
    static std::vector<EndProcedure> procedures;
    return procedures;
}
}  // namespace

void registerEndProcedure(EndProcedure procedure) {
    auto& procedures = registered();
    if (std::find(procedures.begin(), procedures.end(), procedure) == procedures.end()) {
        procedures.push_back(procedure);
    }
}

void runEndProcedures() {
    auto& procedures = registered();
    // Take each one off the list before running it: a fatal error raised by an
    // end procedure must not run it (or its predecessors) a second time.
    while (!procedures.empty()) {
        EndProcedure procedure = procedures.front();
        procedures.erase(procedures.begin());
        procedure();
    }
}
