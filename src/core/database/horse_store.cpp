#include "core/database/horse_store.hpp"

#include <string_view>

#include "core/text/sjis.hpp"

namespace korvane {

namespace {

// Where horse n's block starts in its page: page 0 carries the race header in front.
std::size_t blockStart(int n) {
  const int k = (n - 1) % kHorsesPerPage;
  const int offset = (n - 1) / kHorsesPerPage == 0 ? kHeaderLines : 0;
  return static_cast<std::size_t>(offset + kBlockLines * k);
}

int pageOf(int n) {
  return (n - 1) / kHorsesPerPage;
}

}  // namespace

HorseStore::HorseStore() {
  page[0] = emptyRaceHeader({});
}

const std::string& HorseStore::line(int n, int L) const {
  return page[pageOf(n)][blockStart(n) + static_cast<std::size_t>(L - 1)];
}

void HorseStore::setLine(int n, int L, std::string text) {
  page[pageOf(n)][blockStart(n) + static_cast<std::size_t>(L - 1)] = std::move(text);
}

std::span<const std::string> HorseStore::block(int n) const {
  const std::vector<std::string>& lines = page[pageOf(n)];
  return std::span<const std::string>(lines).subspan(blockStart(n), kBlockLines);
}

std::span<std::string> HorseStore::block(int n) {
  std::vector<std::string>& lines = page[pageOf(n)];
  return std::span<std::string>(lines).subspan(blockStart(n), kBlockLines);
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
