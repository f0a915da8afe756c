#pragma once
// Decoding a web page's bytes by the character set its meta tag declares.

#include <optional>
#include <string_view>

#include "common/value_types.h"

// The code page a charset name stands for (compared ignoring case); 0 when
// none is known.
unsigned charsetCodePage(std::string_view charset);

// `body` read as `charset` and given back as GBK: through the system's
// "Adodb.Stream", or, where that object is missing or cannot decode, through
// the code page the charset names. nullopt when neither can.
std::optional<Text> decodeCharset(const Bytes& body, const Text& charset);
