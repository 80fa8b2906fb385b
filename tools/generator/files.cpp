#include "generator/files.hpp"

#include <algorithm>

#include "core/database/store_edit.hpp"
#include "core/text/line_file.hpp"
#include "core/text/sjis.hpp"

namespace korvane::gen {

namespace {

std::string oddsText(double odds) {
  const long tenths = static_cast<long>(odds * 10.0 + 0.5);
  return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

std::string disregardText(const TRaceCard& card, int k) {
  std::string digits;
  for (int r = 1; r <= kRuns; ++r) {
    if (card.disregard[k][r]) digits += static_cast<char>('0' + r);
  }
  return digits.empty() ? "0" : digits;
}

// The card with its slots renumbered by block position, as a race file stores it.
TRaceCard renumbered(const TRaceCard& card, std::vector<int>& horses) {
  TRaceCard out = card;
  for (int k = 1; k <= kMaxRunners; ++k) {
    if (k <= card.runnerCount && card.runner[k] > 0) {
      horses.push_back(card.runner[k]);
      out.runner[k] = static_cast<int>(horses.size());
    } else {
      out.runner[k] = 0;
    }
  }
  return out;
}

HorseStore storeOf(std::vector<std::string> header, const std::vector<const GenHorse*>& horses) {
  HorseStore store;
  store.setHeader(std::move(header));
  for (const GenHorse* horse : horses) appendBlock(store, horse->block);
  sortOrderByName(store);
  return store;
}

}  // namespace

std::vector<std::string> headerLines(const TRaceCard& card, std::string_view banner,
                                     int blockCount) {
  std::vector<std::string> lines;
  lines.reserve(kHeaderLines);
  lines.emplace_back(banner);
  lines.push_back(std::to_string(card.distance));
  lines.push_back(card.course);
  lines.push_back(card.surface);
  lines.push_back(card.going);
  lines.push_back(std::to_string(card.runnerCount) + "," + card.development);
  for (int k = 1; k <= kMaxRunners; ++k) {
    lines.push_back(k <= card.runnerCount ? std::to_string(card.runner[k]) : "0");
  }
  for (int k = 1; k <= kMaxRunners; ++k) {
    lines.push_back(k <= card.runnerCount ? disregardText(card, k) : "0");
  }
  for (int k = 1; k <= kMaxRunners; ++k) {
    lines.push_back(k <= card.runnerCount
                        ? oddsText(card.winOdds[k]) + "," + std::to_string(card.userRank[k])
                        : "0.0,3");
  }
  lines.push_back(std::to_string(blockCount));
  return lines;
}

AllHorsesFiles allHorsesFiles(const World& world, const TRaceCard& card, std::string_view banner) {
  std::vector<const GenHorse*> horses;
  for (const GenHorse& h : world.horses) horses.push_back(&h);
  const HorseStore store =
      storeOf(headerLines(card, banner, static_cast<int>(horses.size())), horses);
  AllHorsesFiles files;
  for (int p = 0; p < kPageCount && (p == 0 || kHorsesPerPage * p < store.count); ++p) {
    const std::vector<std::string_view> lines = store.pageLines(p);
    files.pages.emplace_back(lines.begin(), lines.end());
  }
  for (int i = 0; i < store.count; ++i) files.order.push_back(std::to_string(store.order[i]));
  return files;
}

std::vector<std::string> raceFileLines(const World& world, const TRaceCard& card) {
  std::vector<int> horses;
  const TRaceCard fileCard = renumbered(card, horses);
  std::vector<std::string> lines =
      headerLines(fileCard, kRaceFileBanner, static_cast<int>(horses.size()));
  for (int h : horses) {
    const auto& block = world.horses[h - 1].block;
    lines.insert(lines.end(), block.begin(), block.end());
  }
  return lines;
}

std::filesystem::path mainFileName() {
  return std::filesystem::path(u8"全競走馬.um0");
}

std::filesystem::path continuationFileName(int page) {
  return std::filesystem::path(u8"全競走馬") += std::to_string(page + 1) + ".um0";
}

std::filesystem::path orderFileName() {
  return std::filesystem::path(u8"馬並び順.um0");
}

bool writeAllHorses(const AllHorsesFiles& files, const std::filesystem::path& folder,
                    LineWriter& writer) {
  for (std::size_t p = 0; p < files.pages.size(); ++p) {
    const auto name = p == 0 ? mainFileName() : continuationFileName(static_cast<int>(p));
    if (!writer.writeLines(folder / name, files.pages[p])) return false;
  }
  return writer.writeLines(folder / orderFileName(), files.order);
}

bool writeFullSet(const std::filesystem::path& folder, LineWriter& writer) {
  WorldOptions options;
  options.horses = kMaxHorses;
  options.fullRecords = true;
  const World world = generateWorld(options);
  Rng rng(7);
  const TRaceCard card = makeCard(world, rng, CardOptions{});
  return writeAllHorses(allHorsesFiles(world, card), folder, writer);
}

RaceSet raceSet(const World& world, const TRaceCard& card) {
  std::vector<int> indexes;
  RaceSet set;
  set.card = renumbered(card, indexes);
  std::vector<const GenHorse*> horses;
  for (int h : indexes) horses.push_back(&world.horses[h - 1]);
  set.store =
      storeOf(headerLines(set.card, kRaceFileBanner, static_cast<int>(horses.size())), horses);
  recomputeOdds(set.card);
  recomputeAnyDisregard(set.card);
  return set;
}

}  // namespace korvane::gen
