#pragma once
// All registered horses, each one block of 42 lines kept as one text, behind the 61 header lines
// of the race card. In the files they stand in 16 pages of up to 750 blocks: horse n in block
// (n-1) mod 750 of page (n-1) div 750, page 0 starting with the header.

#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/database/horse_record.hpp"

namespace korvane {

// The 42 lines of one horse, as views.
class BlockLines {
 public:
  BlockLines() = default;
  // The first 42 of `lines`; lines it does not have are empty.
  explicit BlockLines(std::span<const std::string_view> lines);

  std::string_view operator[](std::size_t i) const { return lines_[i]; }
  std::string_view& operator[](std::size_t i) { return lines_[i]; }
  static constexpr std::size_t size() { return kBlockLines; }
  // Read as a span only while the block itself is kept in a variable: a span of a block that
  // store.block() has just returned would outlive it.
  operator std::span<const std::string_view>() const& { return lines_; }
  operator std::span<const std::string_view>() const&& = delete;

 private:
  std::array<std::string_view, kBlockLines> lines_{};
};

// The 42 lines of one horse as the store keeps them: one text with every line ended by CR LF or
// LF, as in the file it was read from (the last line of a file may have no end).
BlockLines splitBlock(std::string_view text);

class HorseStore {
 public:
  // Starts as an empty all-horses set behind the header of an empty race.
  HorseStore();

  int count = 0;           // mirrored in header line 61
  std::vector<int> order;  // display order: position -> horse index, `count` entries
  bool modified = false;   // store or race card changed since the last load or save
  // Whether `order` stands in name order. An older version's order file may not, so it is
  // checked when a horse is first put into the order, and every insertion keeps it.
  enum class OrderCheck { Unchecked, Sorted, Unsorted };
  OrderCheck orderCheck = OrderCheck::Unchecked;

  // Block line L (1..42) of horse n (1..count). The text of a horse never changes once kept, so
  // a view stays valid as long as the store or a copy of it lives, whatever is changed meanwhile.
  std::string_view line(int n, int L) const;
  // Replaces block line L of horse n; does not touch `modified` (the callers decide).
  void setLine(int n, int L, std::string_view text);
  // The 42 lines of horse n.
  BlockLines block(int n) const { return splitBlock(blocks_[n - 1]); }
  // The same lines, split once and kept with the store: for the runners of a race, whose lines
  // every prediction reads again. Valid as long as the store lives.
  std::span<const std::string_view> runnerBlock(int n) const;
  // Replaces the 42 lines of horse n at once.
  void setBlock(int n, std::span<const std::string_view> lines);

  // Header line L (1..61) of page 0.
  std::string_view headerLine(int L) const { return header_[L - 1]; }
  void setHeaderLine(int L, std::string_view text) { header_[L - 1] = text; }
  void setHeader(std::vector<std::string> header) { header_ = std::move(header); }

  // The lines of page p (0..15) as its set file holds them: page 0 begins with the header.
  std::vector<std::string_view> pageLines(int p) const;

  // Adds a horse block at the end with a copy of `lines`; `count` is the caller's.
  void pushBlock(std::span<const std::string_view> lines);
  // Adds a horse block whose text (as splitBlock reads it) lies in text kept with keepText().
  void pushBlockText(std::string_view text) { blocks_.push_back(text); }
  // Puts horse `from`'s block in place of horse `to`'s.
  void moveBlock(int from, int to) { blocks_[to - 1] = blocks_[from - 1]; }
  // Room for `horses` blocks, so that a load does not move them as it goes.
  void reserveBlocks(int horses);
  // Keeps the first `horses` blocks only.
  void keepBlocks(int horses);
  // Room for text that the store keeps for as long as it or a copy lives (a file read whole).
  std::string& keepText();

 private:
  // A copy of `lines` (the first 42; missing ones empty), each ended by CR LF, kept with the store.
  std::string_view keepBlock(std::span<const std::string_view> lines);

  std::vector<std::string> header_;
  std::vector<std::string_view> blocks_;
  // runnerBlock's lines by the text of the block; a block's text never changes, a changed horse
  // gets a new one.
  mutable std::unordered_map<const char*, BlockLines> runnerLines_;
  // Shared by copies of the store; only ever added to.
  std::shared_ptr<std::deque<std::string>> text_;
};

// Line 1 of every race file the program writes (a saved race, the moved old horses).
inline constexpr std::string_view kRaceFileBanner = "KORVANE DATA 1998-2009";

// The 61 header lines of an empty race: "KORVANE DATA 1998-2006" (or `banner`), distance 0,
// 東京 芝 良, "0,逃げ先行有利", 18 x "0", 18 x "0", 18 x "0.0,3", "0".
std::vector<std::string> emptyRaceHeader(std::string_view banner);

}  // namespace korvane
