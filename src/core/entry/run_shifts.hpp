#pragma once
// Moving a horse's five past runs as the horse record editor does: a new newest run pushes the
// others back, an inserted blank run drops the oldest, a deleted run lets the older ones move
// up. Every change writes whole run lines, stores the running style again and marks the store
// modified.

#include <array>
#include <string>

#include "core/database/horse_store.hpp"

namespace korvane {

// The eight lines of one run, in block-line order (surface, distance, course and month, time,
// corners, last 3F, going, finish).
using RunRecord = std::array<std::string, 8>;

// The run the editor writes into an emptied slot: "無", "9999", "東0000", "0000", " 0 0 0",
// "999", "無", "99".
const RunRecord& blankRun();

// Run r (1..5) of horse n as stored.
RunRecord readRun(const HorseStore& store, int n, int r);

// 前走追加: the oldest run drops out, runs 1..4 become 2..5, `run` becomes the newest.
void addNewestRun(HorseStore& store, int n, const RunRecord& run);
// 挿入 at slot k (2..4): the oldest run drops out, runs k..4 move back, slot k becomes blank.
void insertBlankRun(HorseStore& store, int n, int k);
// 削除 of slot k (1..4): runs k+1..5 move up, slot 5 becomes blank.
void deleteRun(HorseStore& store, int n, int k);
// 変更 of slot k (1..5): `run` replaces it, nothing moves.
void replaceRun(HorseStore& store, int n, int k, const RunRecord& run);

}  // namespace korvane
