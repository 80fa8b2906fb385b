#include "core/database/store_edit.hpp"

#include <algorithm>
#include <array>
#include <iterator>
#include <numeric>
#include <string_view>

#include "core/text/sjis.hpp"

namespace korvane {

namespace {

constexpr std::size_t kNameBytes = 18;
using NameKey = std::array<unsigned char, kNameBytes>;

std::string_view nameField(std::string_view line1) {
  return line1.substr(0, std::min(line1.size(), kNameBytes));
}

// The display form of a name (pairs of half-width spaces as "　", padded with "　"), produced
// one byte at a time so that a comparison can stop at the first differing byte: the horse list
// is searched this way for every new horse, across up to 12000 names.
class DisplayBytes {
 public:
  explicit DisplayBytes(std::string_view line1) : name_(nameField(line1)) {}

  // The next byte of the 18; call at most 18 times.
  unsigned char next() {
    if (pendingTrail_) {
      pendingTrail_ = false;
      ++out_;
      return trail_;
    }
    if (pos_ < name_.size()) {
      if (name_[pos_] == ' ' && pos_ + 1 < name_.size() && name_[pos_ + 1] == ' ') {
        pos_ += 2;
        return emit2(0x81, 0x40);
      }
      if (charBytesAt(name_, pos_) == 2) {
        const auto lead = static_cast<unsigned char>(name_[pos_]);
        const auto trail = static_cast<unsigned char>(name_[pos_ + 1]);
        pos_ += 2;
        return emit2(lead, trail);
      }
      ++out_;
      return static_cast<unsigned char>(name_[pos_++]);
    }
    // Padding: full-width spaces, and a half-width one for a last odd byte.
    if (out_ + 2 <= kNameBytes) return emit2(0x81, 0x40);
    ++out_;
    return ' ';
  }

 private:
  unsigned char emit2(unsigned char lead, unsigned char trail) {
    pendingTrail_ = true;
    trail_ = trail;
    ++out_;
    return lead;
  }

  std::string_view name_;
  std::size_t pos_ = 0;
  std::size_t out_ = 0;
  bool pendingTrail_ = false;
  unsigned char trail_ = 0;
};

NameKey displayKey(std::string_view line1) {
  NameKey key;
  DisplayBytes bytes(line1);
  for (unsigned char& b : key) b = bytes.next();
  return key;
}

bool displayGreater(std::string_view line1, const NameKey& than) {
  // Most names already differ in their first character, which the display form keeps as it is
  // unless the name opens with a space.
  if (!line1.empty() && line1[0] != ' ') {
    const auto first = static_cast<unsigned char>(line1[0]);
    if (first != than[0]) return first > than[0];
    if (charBytesAt(line1, 0) == 2) {
      const auto second = static_cast<unsigned char>(line1[1]);
      if (second != than[1]) return second > than[1];
    }
  }
  DisplayBytes bytes(line1);
  for (unsigned char b : than) {
    const unsigned char mine = bytes.next();
    if (mine != b) return mine > b;
  }
  return false;
}

void setCountLine(HorseStore& store) {
  store.setHeaderLine(kHeaderLines, std::to_string(store.count));
}

// Whether the display order stands in name order, equal names in any order.
bool inNameOrder(const HorseStore& store) {
  NameKey previous{};
  for (int n : store.order) {
    const NameKey key = displayKey(store.line(n, 1));
    if (key < previous) return false;
    previous = key;
  }
  return true;
}

}  // namespace

int appendBlock(HorseStore& store, std::span<const std::string_view> record) {
  if (store.count >= kMaxHorses) return 0;
  // Whatever the caller gives, the block stays 42 lines: missing lines keep the empty-run text.
  const std::vector<std::string> placeholder = placeholderRecord({});
  BlockLines block(lineViews(placeholder));
  const std::size_t given = std::min<std::size_t>(record.size(), kRecordLines);
  for (std::size_t i = 0; i < given; ++i) block[i] = record[i];
  const std::string style = computeStyle(block);
  block[kStyleLine - 1] = style;

  store.pushBlock(block);
  const int n = ++store.count;
  setCountLine(store);
  return n;
}

int appendHorse(HorseStore& store, std::span<const std::string_view> record) {
  const int n = appendBlock(store, record);
  if (n == 0) return 0;
  store.order.push_back(n);
  insertIntoOrder(store, n);
  store.modified = true;
  return n;
}

std::vector<std::string> tooManyHorsesMessage() {
  return {sj("登録馬が12000頭を越えています。"), sj("古い馬を削除してからお願いします。")};
}

void insertIntoOrder(HorseStore& store, int n) {
  if (n < 1 || n > store.count) return;
  std::vector<int>& order = store.order;
  // The newest horse normally stands last; taking it out wherever it is keeps a repeated call
  // from listing it twice.
  if (auto it = std::find(order.rbegin(), order.rend(), n); it != order.rend()) {
    order.erase(std::next(it).base());
  }
  // Both sides in display form, the form the list is sorted by, so that a name with a space or a
  // name that begins another one lands where sortOrderByName would put it.
  const NameKey name = displayKey(store.line(n, 1));
  auto greater = [&](int other) { return displayGreater(store.line(other, 1), name); };
  if (store.orderCheck == HorseStore::OrderCheck::Unchecked) {
    store.orderCheck =
        inNameOrder(store) ? HorseStore::OrderCheck::Sorted : HorseStore::OrderCheck::Unsorted;
  }
  // In name order the first greater name is found by halving; in an unsorted order it is the
  // first one in the list, where the horse has always gone.
  const auto at = store.orderCheck == HorseStore::OrderCheck::Sorted
                      ? std::partition_point(order.begin(), order.end(),
                                             [&](int other) { return !greater(other); })
                      : std::find_if(order.begin(), order.end(), greater);
  order.insert(at, n);
}

void sortOrderByName(HorseStore& store) {
  std::vector<NameKey> keys(static_cast<std::size_t>(store.count));
  for (int n = 1; n <= store.count; ++n) keys[n - 1] = displayKey(store.line(n, 1));
  store.order.resize(keys.size());
  std::iota(store.order.begin(), store.order.end(), 1);
  std::stable_sort(store.order.begin(), store.order.end(),
                   [&](int a, int b) { return keys[a - 1] < keys[b - 1]; });
  store.orderCheck = HorseStore::OrderCheck::Sorted;
}

void replaceHorse(HorseStore& store, int n, std::span<const std::string_view> record) {
  if (n < 1 || n > store.count) return;
  BlockLines block = store.block(n);
  const std::size_t given = std::min<std::size_t>(record.size(), kRecordLines);
  for (std::size_t i = 0; i < given; ++i) block[i] = record[i];
  const std::string style = computeStyle(block);
  block[kStyleLine - 1] = style;
  store.setBlock(n, block);
  store.modified = true;
}

int deleteHorse(HorseStore& store, TRaceCard& card, int n) {
  if (n < 1 || n > store.count) return 0;
  const auto at = std::find(store.order.begin(), store.order.end(), n);
  const auto q = static_cast<std::size_t>(at - store.order.begin());
  const int gone[] = {n};
  deleteHorses(store, card, gone);
  return q < store.order.size() ? store.order[q] : 0;
}

void deleteHorses(HorseStore& store, TRaceCard& card, std::span<const int> gone) {
  // newIndex[n]: where horse n stands afterwards, 0 when it goes.
  std::vector<int> newIndex(static_cast<std::size_t>(store.count) + 1);
  std::iota(newIndex.begin(), newIndex.end(), 0);
  std::size_t removed = 0;
  for (int n : gone) {
    if (n < 1 || n > store.count || newIndex[n] == 0) continue;
    newIndex[n] = 0;
    ++removed;
  }
  if (removed == 0) return;

  // Every kept horse slides down over the gaps in front of it; a block only ever moves to an
  // earlier place, so the lines it lands on belong to a horse already moved or removed.
  int kept = 0;
  for (int n = 1; n <= store.count; ++n) {
    if (newIndex[n] == 0) continue;
    newIndex[n] = ++kept;
    if (kept == n) continue;
    store.moveBlock(n, kept);
  }
  store.keepBlocks(kept);

  std::erase_if(store.order, [&](int n) { return n < 1 || n > store.count || newIndex[n] == 0; });
  for (int& n : store.order) n = newIndex[n];

  // A runner that was a removed horse is scratched (odds 9999.0, no disregarded runs, as a
  // scratch from the runner list gives), so the prediction and the bets never count a horse that
  // is gone.
  for (int slot = 1; slot <= kMaxRunners; ++slot) {
    const int n = card.runner[slot];
    if (n < 1 || n > store.count) continue;
    if (newIndex[n] != 0) {
      card.runner[slot] = newIndex[n];
    } else if (slot <= card.runnerCount) {
      scratch(card, slot);
    } else {
      card.runner[slot] = 0;
    }
  }

  store.count = kept;
  setCountLine(store);
  store.modified = true;
}

}  // namespace korvane
