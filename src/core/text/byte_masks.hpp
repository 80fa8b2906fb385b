#pragma once
// Sixty-four bytes of a text looked at in one go: which of them are line feeds, which have their
// top bit set (the bytes of Japanese characters). Most lines of the files are a few digits, so the
// line readers and the Shift-JIS check go from one marked byte to the next instead of byte by byte.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace korvane {

inline constexpr std::size_t kMaskBytes = 64;

// The top bit of each of the eight bytes of a word, as the eight low bits of the result: the
// byte in bits 8j..8j+7 gives bit j.
inline std::uint32_t topBitsOfWord(std::uint64_t word) {
  return static_cast<std::uint32_t>(((word & 0x8080808080808080ull) >> 7) * 0x0102040810204080ull >>
                                    56);
}

#if !defined(__SSE2__)
// The words below are read from memory: the first byte must be the lowest.
static_assert(std::endian::native == std::endian::little, "the first byte is the lowest");
#endif

// Bit i is set when p[i] is a line feed, for the 64 bytes from p on.
inline std::uint64_t lineFeedBits(const char* p) {
  std::uint64_t bits = 0;
#if defined(__SSE2__)
  const __m128i feed = _mm_set1_epi8('\n');
  for (int i = 0; i < 4; ++i) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * i));
    const auto feeds = static_cast<std::uint16_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, feed)));
    bits |= static_cast<std::uint64_t>(feeds) << (16 * i);
  }
#else
  constexpr std::uint64_t kEveryByte = 0x0101010101010101ull;
  constexpr std::uint64_t kLowBits = 0x7F7F7F7F7F7F7F7Full;
  for (int i = 0; i < 8; ++i) {
    std::uint64_t word;
    std::memcpy(&word, p + 8 * i, 8);
    // The top bit of every byte that is a line feed, and no other bit.
    const std::uint64_t x = word ^ (kEveryByte * '\n');
    const std::uint64_t feeds = ~(((x & kLowBits) + kLowBits) | x | kLowBits);
    bits |= std::uint64_t{topBitsOfWord(feeds)} << (8 * i);
  }
#endif
  return bits;
}

// Bit i is set when p[i] is 0x80 or above, for the 64 bytes from p on.
inline std::uint64_t highByteBits(const char* p) {
  std::uint64_t bits = 0;
#if defined(__SSE2__)
  for (int i = 0; i < 4; ++i) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * i));
    bits |= static_cast<std::uint64_t>(static_cast<std::uint16_t>(_mm_movemask_epi8(bytes)))
            << (16 * i);
  }
#else
  for (int i = 0; i < 8; ++i) {
    std::uint64_t word;
    std::memcpy(&word, p + 8 * i, 8);
    bits |= std::uint64_t{topBitsOfWord(word)} << (8 * i);
  }
#endif
  return bits;
}

// The bits of `mask` (lineFeedBits or highByteBits) for the bytes of text[from, from + 64), where
// bytes past the end of the text count as neither.
template <std::uint64_t (*mask)(const char*)>
std::uint64_t bitsOfTail(const char* text, std::size_t size, std::size_t from) {
  char end[kMaskBytes] = {};
  if (size > from) std::memcpy(end, text + from, size - from);
  return mask(end);
}
template <std::uint64_t (*mask)(const char*)>
inline std::uint64_t bitsAt(const char* text, std::size_t size, std::size_t from) {
  return size - from >= kMaskBytes ? mask(text + from) : bitsOfTail<mask>(text, size, from);
}

}  // namespace korvane
