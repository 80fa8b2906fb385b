#include "core/text/sjis.hpp"

#include <bit>
#include <cstdint>
#include <cstring>
#include <stdexcept>

#include "core/text/byte_masks.hpp"
#include "core/text/encoding.hpp"

namespace korvane {

namespace {
constexpr std::string_view kZenSpace = "\x81\x40";  // "　" in cp932
}

bool isWellFormedCp932(std::string_view s) {
  const char* const text = s.data();
  const std::size_t size = s.size();
  // Digits, letters and blanks, most bytes of a file, are passed 64 at a time; only the bytes of
  // Japanese characters are looked at one by one.
  std::uint64_t trailInFront = 0;  // 1 when the window begins with the trail byte of a character
  char end[kMaskBytes];            // the last bytes of the text, then zeros (which end no pair)
  for (std::size_t window = 0; window < size; window += kMaskBytes) {
    const char* bytes = text + window;
    if (size - window < kMaskBytes) {
      std::memset(end, 0, sizeof end);
      std::memcpy(end, bytes, size - window);
      bytes = end;
    }
    std::uint64_t high = highByteBits(bytes) & ~trailInFront;
    trailInFront = 0;
    while (high != 0) {
      const auto at = static_cast<unsigned>(std::countr_zero(high));
      const auto c = static_cast<unsigned char>(bytes[at]);
      if (isLeadByte(c)) {
        unsigned char trail = 0;
        if (at + 1 < kMaskBytes) {
          trail = static_cast<unsigned char>(bytes[at + 1]);
        } else if (window + kMaskBytes < size) {
          trail = static_cast<unsigned char>(text[window + kMaskBytes]);
          trailInFront = 1;
        }
        if (!isAssignedCp932Pair(c, trail)) return false;
        high &= ~(std::uint64_t{3} << at);  // the character and its trail byte
      } else if (static_cast<unsigned char>(c - 0xA1) <= 0xDF - 0xA1) {
        high &= high - 1;  // half-width katakana
      } else {
        return false;
      }
    }
  }
  return true;
}

std::string cutBytes(std::string_view s, std::size_t n) {
  std::size_t pos = 0;
  while (pos < s.size()) {
    const std::size_t width = charBytesAt(s, pos);
    if (pos + width > n) break;
    pos += width;
  }
  return std::string(s.substr(0, pos));
}

std::string fitBytes(std::string_view s, std::size_t n) {
  std::string out = cutBytes(s, n);
  out.append(n - out.size(), ' ');
  return out;
}

std::string fitBytesZen(std::string_view s, std::size_t n) {
  std::string out = cutBytes(s, n);
  while (out.size() + 2 <= n) out += kZenSpace;
  if (out.size() < n) out += ' ';
  return out;
}

std::string padLeft(std::string_view s, std::size_t n) {
  std::string out;
  if (s.size() < n) out.assign(n - s.size(), ' ');
  out += s;
  return out;
}

std::string halfSpacesToZen(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  std::size_t pos = 0;
  while (pos < s.size()) {
    if (s[pos] == ' ' && pos + 1 < s.size() && s[pos + 1] == ' ') {
      out += kZenSpace;
      pos += 2;
      continue;
    }
    const std::size_t width = charBytesAt(s, pos);
    out.append(s.substr(pos, width));
    pos += width;
  }
  return out;
}

std::string zenToHalfSpaces(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  std::size_t pos = 0;
  while (pos < s.size()) {
    const std::size_t width = charBytesAt(s, pos);
    if (s.substr(pos, width) == kZenSpace) {
      out += "  ";
    } else {
      out.append(s.substr(pos, width));
    }
    pos += width;
  }
  return out;
}

std::string hiraganaToKatakana(std::string_view s) {
  // cp932 keeps both syllabaries in order: ぁ .. み (0x829F .. 0x82DD) face ァ .. ミ (0x8340 ..
  // 0x837E); katakana skips the trail byte 0x7F, so む .. ん (0x82DE .. 0x82F1) face ム .. ン
  // (0x8380 .. 0x8393).
  std::string out(s);
  for (std::size_t pos = 0; pos < out.size(); pos += charBytesAt(out, pos)) {
    if (charBytesAt(out, pos) != 2 || static_cast<unsigned char>(out[pos]) != 0x82) continue;
    const auto trail = static_cast<unsigned char>(out[pos + 1]);
    if (trail < 0x9F || trail > 0xF1) continue;
    out[pos] = static_cast<char>(0x83);
    out[pos + 1] = static_cast<char>(trail <= 0xDD ? trail - 0x5F : trail - 0x5E);
  }
  return out;
}

std::string fullWidthDigit(int digit) {
  // "０" is 0x82 0x4F; the digits follow in order.
  return std::string{'\x82', static_cast<char>(0x4F + digit)};
}

std::string slotNumber(int slot) {
  return slot <= 9 ? fullWidthDigit(slot) : std::to_string(slot);
}

std::string sj(std::string_view utf8) {
  Converted c = utf8ToCp932(utf8);
  if (!c.ok) throw std::invalid_argument("literal not representable in cp932");
  return std::move(c.text);
}

}  // namespace korvane
