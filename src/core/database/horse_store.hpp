#pragma once
// All registered horses: 16 pages of up to 750 blocks. Page 0 starts with the 61 header lines of
// the race card; horse n lies in block (n-1) mod 750 of page (n-1) div 750.

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/database/horse_record.hpp"

namespace korvane {

class HorseStore {
 public:
  // Starts as an empty all-horses set behind the header of an empty race.
  HorseStore();

  std::array<std::vector<std::string>, kPageCount> page;
  int count = 0;           // mirrored in header line 61
  std::vector<int> order;  // display order: position -> horse index, `count` entries
  bool modified = false;   // store or race card changed since the last load or save
  // Whether `order` stands in name order. An older version's order file may not, so it is
  // checked when a horse is first put into the order, and every insertion keeps it.
  enum class OrderCheck { Unchecked, Sorted, Unsorted };
  OrderCheck orderCheck = OrderCheck::Unchecked;

  // Block line L (1..42) of horse n (1..count).
  const std::string& line(int n, int L) const;
  // Replaces block line L of horse n; does not touch `modified` (the callers decide).
  void setLine(int n, int L, std::string text);
  // The 42 lines of horse n.
  std::span<const std::string> block(int n) const;
  std::span<std::string> block(int n);

  // Header line L (1..61) of page 0.
  const std::string& headerLine(int L) const { return page[0][L - 1]; }
  std::string& headerLine(int L) { return page[0][L - 1]; }
};

// Line 1 of every race file the program writes (a saved race, the moved old horses).
inline constexpr std::string_view kRaceFileBanner = "KORVANE DATA 1998-2009";

// The 61 header lines of an empty race: "KORVANE DATA 1998-2006" (or `banner`), distance 0,
// 東京 芝 良, "0,逃げ先行有利", 18 x "0", 18 x "0", 18 x "0.0,3", "0".
std::vector<std::string> emptyRaceHeader(std::string_view banner);

}  // namespace korvane
