#pragma once
// Shift-JIS (cp932) byte helpers. Every width and position in the program's files and columns is
// counted in these bytes: a full-width character is two bytes, a half-width one (ASCII or
// half-width katakana) one byte.

#include <cstddef>
#include <string>
#include <string_view>

namespace korvane {

// True for the first byte of a double-byte cp932 character (0x81-0x9F, 0xE0-0xFC).
inline bool isLeadByte(unsigned char c) {
  // With bit 5 flipped the two ranges are one: 0xA1-0xBF and 0xC0-0xDC.
  return static_cast<unsigned char>((c ^ 0x20) - 0xA1) <= 0xDC - 0xA1;
}

// Bytes of the character that starts at pos: 2 for a lead byte followed by another byte, else 1.
inline std::size_t charBytesAt(std::string_view s, std::size_t pos) {
  return (isLeadByte(static_cast<unsigned char>(s[pos])) && pos + 1 < s.size()) ? 2 : 1;
}

// True when every byte belongs to a cp932 character: a single byte 0x00-0x7F or 0xA1-0xDF, or a
// lead byte followed by a trail byte that together are an assigned character.
bool isWellFormedCp932(std::string_view s);

// The longest prefix of at most n bytes that does not split a double-byte character.
std::string cutBytes(std::string_view s, std::size_t n);

// Exactly n bytes: cut as cutBytes, then padded with half-width spaces (so a character that
// would have been split leaves a blank in its place).
std::string fitBytes(std::string_view s, std::size_t n);

// Exactly n bytes: cut as cutBytes, then padded with full-width spaces "　" (a half-width space
// fills a last odd byte).
std::string fitBytesZen(std::string_view s, std::size_t n);

// Text right-aligned in n bytes with half-width spaces in front; longer text is kept whole.
std::string padLeft(std::string_view s, std::size_t n);

// Every pair of half-width spaces becomes one full-width space "　", character by character.
std::string halfSpacesToZen(std::string_view s);

// Every full-width space "　" becomes two half-width spaces.
std::string zenToHalfSpaces(std::string_view s);

// Every hiragana ぁ .. ん becomes its katakana ァ .. ン, character by character; the rest stays.
std::string hiraganaToKatakana(std::string_view s);

// "０" .. "９" for 0..9.
std::string fullWidthDigit(int digit);

// A runner slot number as shown in every list: "１" .. "９", then "10" .. "18".
std::string slotNumber(int slot);

// A UTF-8 literal of the program (messages, captions, file texts) in cp932. The literal must be
// representable; the program's own literals always are.
std::string sj(std::string_view utf8);

}  // namespace korvane
