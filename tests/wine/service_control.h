#pragma once
// The reference list service's control endpoints, as the Wine tests use them:
// faults on a path, the recorded requests, the rows an answer must give.

#include <string_view>

#include "common/value_types.h"

// The body of /__control/<command> on the list service.
Text serviceControl(std::string_view command);

// `text` with every byte but ASCII letters and digits percent-encoded, for a
// path handed to the service inside a query.
Text percentEncoded(std::string_view text);
