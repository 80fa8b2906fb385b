#include "core/database/race_files.hpp"

#include <algorithm>
#include <new>
#include <string_view>
#include <system_error>
#include <unordered_map>
#include <utility>

#include "core/database/horse_record.hpp"
#include "core/database/store_edit.hpp"
#include "core/text/encoding.hpp"
#include "core/text/line_file.hpp"
#include "core/text/sjis.hpp"

namespace korvane {

namespace {

namespace fs = std::filesystem;

constexpr int kFirstRunnerLine = 7;  // header lines 7-24: the horse of each slot

// ---- the add-load ----

// Whether the file's block carries newer form than the stored horse: the first meeting month in
// which the two histories part decides, with two-digit years read in a 50-year window.
bool fileIsNewer(std::span<const std::string_view> fileBlock,
                 std::span<const std::string_view> stored) {
  static constexpr std::string_view kNoDate = "0000";
  const std::vector<std::string_view> file = presentMonths(fileBlock);
  const std::vector<std::string_view> kept = presentMonths(stored);
  std::size_t i = 0;
  while (i < file.size() && i < kept.size() && file[i] == kept[i]) ++i;
  const std::string_view f = i < file.size() ? file[i] : kNoDate;
  const std::string_view d = i < kept.size() ? kept[i] : kNoDate;
  if (d == kNoDate) return true;
  if (f == kNoDate) return false;
  const int fy = meetingYear(f), dy = meetingYear(d);
  if (fy == dy) return f > d;
  return (dy < fy && fy < dy + 50) || fy < dy - 50;
}

// The name by which a block is matched: line 1 bytes 1-18 in stored form.
std::string matchName(std::string_view identity) {
  return storedName(identity.substr(0, std::min<std::size_t>(identity.size(), 18)));
}

}  // namespace

std::vector<std::string> raceFileLines(const HorseStore& store, const TRaceCard& card) {
  std::vector<std::string> lines = emptyRaceHeader(kRaceFileBanner);
  writeRaceHeader(card, lines);
  // In a race file a slot points at its runner's block inside the file, counted in slot order.
  std::vector<int> horses;
  for (int k = 1; k <= kMaxRunners; ++k) {
    const int n = k <= card.runnerCount ? card.runner[k] : 0;
    // A slot that points past the store has no block to copy; it goes out as scratched.
    const bool runs = n >= 1 && n <= store.count;
    if (runs) horses.push_back(n);
    lines[kFirstRunnerLine + k - 2] = runs ? std::to_string(static_cast<int>(horses.size())) : "0";
  }
  return raceFileOf(store, std::move(lines), horses);
}

std::vector<std::string> raceFileOf(const HorseStore& store, std::vector<std::string> header,
                                    std::span<const int> horses) {
  std::vector<std::string> lines = std::move(header);
  lines[kHeaderLines - 1] = std::to_string(horses.size());
  lines.reserve(lines.size() + horses.size() * kBlockLines);
  for (int n : horses) {
    const BlockLines block = store.block(n);
    const std::span<const std::string_view> blockLines = block;
    lines.insert(lines.end(), blockLines.begin(), blockLines.end());
  }
  return lines;
}

std::variant<std::vector<std::string_view>, LoadError> readRaceFileBlocks(std::string_view text,
                                                                          const fs::path& file) {
  LineCursor cursor(text);
  auto headerRead = readHeaderLines(cursor, file);
  if (auto* error = std::get_if<LoadError>(&headerRead)) return std::move(*error);
  const auto& header = std::get<std::vector<std::string_view>>(headerRead);
  const std::optional<int> count = parseStrict(header.back());
  if (!count) return LoadError{file, kHeaderLines, sj("数字ではありません。")};
  std::vector<std::string_view> blocks;
  const auto keep = [&](const ReadBlock& block) { blocks.push_back(block.text()); };
  if (auto error = readHorseBlocks(cursor, kHeaderLines, *count, file, keep)) return *error;
  return blocks;
}

AddLoadTally mergeRaceBlocks(HorseStore& store, std::span<const std::string_view> blocks) {
  AddLoadTally tally;
  // The first stored horse of every name, so that a name is found without a scan of the store.
  std::unordered_map<std::string, int> byName;
  byName.reserve(static_cast<std::size_t>(store.count) + blocks.size());
  for (int n = 1; n <= store.count; ++n) byName.emplace(matchName(store.line(n, 1)), n);

  for (const std::string_view text : blocks) {
    BlockLines block = splitBlock(text);
    // A name cut in half a character is mended before it is matched.
    const std::optional<std::string> mended = repairedCutName(block[0]);
    if (mended) block[0] = *mended;
    const std::span<const std::string_view> record =
        std::span<const std::string_view>(block).first(kRecordLines);
    const std::string name = matchName(block[0]);
    if (const auto found = byName.find(name); found != byName.end()) {
      const BlockLines stored = store.block(found->second);
      if (fileIsNewer(block, stored)) {
        replaceHorse(store, found->second, record);
        ++tally.replaced;
      } else {
        ++tally.kept;
      }
      continue;
    }
    if (store.count >= kMaxHorses) {
      ++tally.refused;
      continue;
    }
    byName.emplace(name, appendHorse(store, record));
    ++tally.appended;
  }
  store.setHeaderLine(kHeaderLines, std::to_string(store.count));
  return tally;
}

std::variant<AddLoadTally, LoadError> addLoadFile(HorseStore& store, const fs::path& file) {
  try {
    // The whole file is read and checked before the store changes, so a damaged file adds
    // nothing rather than half of its horses.
    std::string text;
    const ReadStatus read = readText(file, text);
    if (read.fault != ReadFault::None) return unreadableFile(file, read.fault, read.systemError);
    auto blocks = readRaceFileBlocks(text, file);
    if (LoadError* fault = std::get_if<LoadError>(&blocks)) return std::move(*fault);
    return mergeRaceBlocks(store, std::get<std::vector<std::string_view>>(blocks));
  } catch (const std::bad_alloc&) {
    return unreadableFile(file, ReadFault::OutOfMemory);
  }
}

}  // namespace korvane
