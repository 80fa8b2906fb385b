#include "core/text/sjis.hpp"

#include <bit>
#include <cstdint>
#include <cstring>
#include <stdexcept>

#include "core/text/encoding.hpp"

namespace korvane {

// The first byte of a word read from memory is its lowest.
static_assert(std::endian::native == std::endian::little);

namespace {
constexpr std::string_view kZenSpace = "\x81\x40";  // "　" in cp932
}

bool isWellFormedCp932(std::string_view s) {
  constexpr std::uint64_t kHighBits = 0x8080808080808080ull;
  const auto* const data = reinterpret_cast<const unsigned char*>(s.data());
  const std::size_t size = s.size();
  std::size_t pos = 0;
  while (true) {
    // Digits, letters and blanks, most bytes of a file, pass eight at a time, and up to the
    // first byte of a character that is not one of them.
    for (; pos + 8 <= size; pos += 8) {
      std::uint64_t word;
      std::memcpy(&word, data + pos, 8);
      if (const std::uint64_t high = word & kHighBits; high != 0) {
        pos += static_cast<std::size_t>(std::countr_zero(high)) / 8;
        break;
      }
    }
    while (pos < size && data[pos] < 0x80) ++pos;
    if (pos == size) return true;
    // Then the characters that are not, one after another (a name is a run of them).
    do {
      const unsigned char c = data[pos];
      if (isLeadByte(c)) {
        if (pos + 1 == size || !isAssignedCp932Pair(c, data[pos + 1])) return false;
        pos += 2;
      } else if (c >= 0xA1 && c <= 0xDF) {
        ++pos;  // half-width katakana
      } else {
        return false;
      }
    } while (pos < size && data[pos] >= 0x80);
  }
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
