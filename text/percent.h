// URL percent-encoding and decoding.
//
// The encoded form of a byte is "%" and two upper-case hexadecimal digits
// (0x0A is "%0A"). There is no short form for the space and no "+".
#pragma once

#include <string_view>

#include "text/types.h"

namespace modian {

struct UrlEncodeOptions {
  // Leave "-", ".", 0-9, A-Z and a-z as they are; "_", "~", "/", "*" and the
  // space are encoded all the same.
  bool keepLettersAndDigits = false;
  // Encode the text's UTF-8 bytes instead of its GBK bytes.
  bool viaUtf8 = false;
};

// The encoded form of every byte of `text`; the empty text stays empty.
AnsiText UrlEncode(std::string_view text, UrlEncodeOptions options = {});

struct UrlDecodeOptions {
  // Read the decoded bytes as UTF-8 and return them as GBK.
  bool viaUtf8 = false;
};

// Decodes every "%" with two hexadecimal digits of either case; "%00" yields
// nothing, "+" stays "+", and a "%" without two digits after it stays a
// literal "%" (decoding goes on with the next byte). Linear in the input.
AnsiText UrlDecode(std::string_view text, UrlDecodeOptions options = {});

}  // namespace modian
