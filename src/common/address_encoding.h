#pragma once
// Addresses as they travel: a web address may carry Chinese characters (the
// notice "/Nuvri公告.txt"), which the address line of a request cannot. As
// the system browser does by default, each such character is sent as its
// UTF-8 bytes, percent-encoded.

#include <string_view>

#include "value_types.h"

// `address` (GBK) with every character outside ASCII written as the
// percent-encoded bytes of its UTF-8 form ("公" -> "%E5%85%AC"); ASCII bytes,
// an existing "%XX" included, stay exactly as they are.
Text percentEncodeNonAscii(std::string_view address);

// The same for an address in UTF-8: each byte outside ASCII percent-encoded.
Text percentEncodeUtf8NonAscii(std::string_view utf8Address);
