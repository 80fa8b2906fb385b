#include "core/database/horse_store.hpp"

#include <algorithm>
#include <string_view>

#include "core/text/line_file.hpp"
#include "core/text/sjis.hpp"

namespace korvane {

BlockLines::BlockLines(std::span<const std::string_view> lines) {
  std::copy_n(lines.begin(), std::min<std::size_t>(lines.size(), kBlockLines), lines_.begin());
}

BlockLines splitBlock(std::string_view text) {
  BlockLines lines;
  LineCursor cursor(text);
  for (std::size_t i = 0; i < kBlockLines && cursor.next(lines[i]); ++i) {
  }
  return lines;
}

HorseStore::HorseStore()
    : header_(emptyRaceHeader({})), text_(std::make_shared<std::deque<std::string>>()) {}

std::string_view HorseStore::line(int n, int L) const {
  LineCursor cursor(blocks_[static_cast<std::size_t>(n - 1)]);
  std::string_view line;
  for (int i = 1; i <= L; ++i) {
    if (!cursor.next(line)) return {};
  }
  return line;
}

std::span<const std::string_view> HorseStore::runnerBlock(int n) const {
  const std::string_view text = blocks_[static_cast<std::size_t>(n - 1)];
  auto [at, added] = runnerLines_.try_emplace(text.data());
  if (added) at->second = splitBlock(text);
  return at->second;
}

void HorseStore::setLine(int n, int L, std::string_view text) {
  // Most changes leave most lines as they were; those keep no second copy.
  if (line(n, L) == text) return;
  BlockLines lines = block(n);
  lines[static_cast<std::size_t>(L - 1)] = text;
  setBlock(n, lines);
}

void HorseStore::setBlock(int n, std::span<const std::string_view> lines) {
  blocks_[static_cast<std::size_t>(n - 1)] = keepBlock(lines);
}

std::vector<std::string_view> HorseStore::pageLines(int p) const {
  std::vector<std::string_view> lines;
  if (p == 0) lines.assign(header_.begin(), header_.end());
  const std::size_t first = static_cast<std::size_t>(kHorsesPerPage) * p;
  const std::size_t last = std::min(first + kHorsesPerPage, blocks_.size());
  if (first >= last) return lines;
  lines.reserve(lines.size() + (last - first) * kBlockLines);
  for (std::size_t b = first; b < last; ++b) {
    const BlockLines block = splitBlock(blocks_[b]);
    const std::span<const std::string_view> blockLines = block;
    lines.insert(lines.end(), blockLines.begin(), blockLines.end());
  }
  return lines;
}

void HorseStore::pushBlock(std::span<const std::string_view> lines) {
  blocks_.push_back(keepBlock(lines));
}

std::string_view HorseStore::keepBlock(std::span<const std::string_view> lines) {
  std::string& joined = keepText();
  std::size_t size = 0;
  for (std::size_t i = 0; i < kBlockLines; ++i) size += (i < lines.size() ? lines[i].size() : 0) + 2;
  joined.reserve(size);
  for (std::size_t i = 0; i < kBlockLines; ++i) {
    if (i < lines.size()) joined += lines[i];
    joined += "\r\n";
  }
  return joined;
}

void HorseStore::reserveBlocks(int horses) {
  blocks_.reserve(static_cast<std::size_t>(std::max(horses, 0)));
}

void HorseStore::keepBlocks(int horses) {
  blocks_.resize(std::min(blocks_.size(), static_cast<std::size_t>(std::max(horses, 0))));
}

std::string& HorseStore::keepText() {
  // A store that was moved from gets text of its own.
  if (!text_) text_ = std::make_shared<std::deque<std::string>>();
  return text_->emplace_back();
}

std::vector<std::string> emptyRaceHeader(std::string_view banner) {
  std::vector<std::string> header;
  header.reserve(kHeaderLines);
  header.emplace_back(banner.empty() ? std::string_view("KORVANE DATA 1998-2006") : banner);
  header.emplace_back("0");
  header.push_back(sj("東京"));
  header.push_back(sj("芝"));
  header.push_back(sj("良"));
  header.push_back("0," + sj("逃げ先行有利"));
  header.insert(header.end(), 18, "0");      // runner slots
  header.insert(header.end(), 18, "0");      // disregarded runs
  header.insert(header.end(), 18, "0.0,3");  // win odds and the user's evaluation
  header.emplace_back("0");                  // horse blocks that follow
  return header;
}

}  // namespace korvane
