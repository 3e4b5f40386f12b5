#pragma once
// Lossless text conversion between UTF-16 (the platform's) and the UTF-8 used
// inside the program. Unpaired surrogates, which the platform allows in command
// lines and file names, are carried as their own three-byte sequences (WTF-8),
// so that every UTF-16 text comes back exactly as it went in.

#include <cstddef>
#include <string>
#include <string_view>

namespace zarn {

std::string Utf16ToWtf8(std::u16string_view utf16);

// Decodes WTF-8 (UTF-8 with surrogate code points allowed). Bytes that form no
// sequence at all become U+FFFD; the program itself never produces them.
std::u16string Wtf8ToUtf16(std::string_view wtf8);

// How many UTF-16 units the text takes, without converting it.
std::size_t Utf16Length(std::string_view wtf8);

// The code point whose sequence starts at wtf8[at], and the bytes it takes (at least
// one): U+FFFD for a byte that starts no sequence.
char32_t DecodeCodePoint(std::string_view wtf8, std::size_t at, std::size_t& length);

}  // namespace zarn
