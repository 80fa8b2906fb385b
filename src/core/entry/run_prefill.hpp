#pragma once
// What the past-run entry screen shows when the horse record editor opens it: the lists set from
// the stored run, or for a new run from the run next to it, and the dates of the neighbouring
// runs.

#include "core/database/horse_store.hpp"
#include "core/entry/run_entry.hpp"

namespace korvane {

// The `NenLst` item of a stored two-digit year: this year's last two digits minus YY (plus 100
// across a century), kNoPick outside the ten years the list holds.
int yearIndexOf(int yy, int currentYear);

// The entry screen for slot 0 (a new newest run, 前走追加) or slot 1..5 (変更) of horse n.
RunEntry openRunEntry(const HorseStore& store, int n, int slot, YearMonth today);

}  // namespace korvane
