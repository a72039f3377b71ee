#pragma once

#include "util/Coding.h"

#include <string>
#include <string_view>
#include <vector>

namespace jet {

// Decodes a stored Text or Memo value: UCS-2 LE, or the compressed form that
// starts with FF FE (one byte per character, a 00 byte switching between
// one- and two-byte runs). A trailing odd byte is ignored.
std::u16string DecodeText(ByteView bytes);

// Whether DecodeText(bytes) == text, found without building the decoded text.
bool StoredTextEquals(ByteView bytes, std::u16string_view text);

// Encodes `text` for storage. With `allowCompression`, text of more than two
// characters all in U+0001..U+00FF is stored compressed; anything else, and
// a value starting with U+FEFF, is stored so that it cannot be mistaken for
// the compressed form. Returns nothing for the one text no stored form can
// hold: U+FEFF followed by a character whose low byte is zero.
std::vector<uint8_t> EncodeText(std::u16string_view text, bool allowCompression);

} // namespace jet
