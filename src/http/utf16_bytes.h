#pragma once
// GBK texts as the UTF-16LE byte arrays that the system's wide functions take.

#include "common/value_types.h"

// The UTF-16LE bytes of `text` with the two zero bytes of the terminator,
// which are left off when `dropTerminator` is true; the empty text gives the
// empty array.
Bytes gbkToUtf16(const Text& text, bool dropTerminator = false);

// UTF-16LE bytes (an odd last byte is ignored) as GBK, up to the first zero
// character.
Text utf16ToGbk(const Bytes& bytes);
