#pragma once
// A set of line files that replaces its previous version in one folder as a whole (the
// all-horses set: main file, continuation files, order file).
//
// The save is one transaction: every file is written complete and flushed into a staging folder
// beside the data, then one flushed commit marker decides that the new set is the set, then the
// files are moved into place and the folder is flushed. Whoever finds a staging folder later
// finishes the moves when it holds the marker and throws it away when it does not, so a kill or a
// failed call at any instant leaves exactly the old or exactly the new set.

#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "core/text/line_file.hpp"

namespace korvane {

struct SetFile {
  std::filesystem::path name;  // a plain file name inside the folder
  std::span<const std::string_view> lines;
};

struct SetSave {
  bool committed = false;  // the new set is what every later load reads
  // Files that could not be written (before the commit; the old set stands) or put in place
  // (after it; the next load or save puts them there). Empty when the save is complete.
  std::vector<std::filesystem::path> failed;
};

SetSave saveFileSet(LineWriter& writer, const std::filesystem::path& folder,
                    std::span<const SetFile> files);

// Finishes a committed save that was interrupted, or discards an uncommitted one. Returns the
// files that could not be put in place; while any remain the folder holds no whole set.
std::vector<std::filesystem::path> finishInterruptedSave(LineWriter& writer,
                                                         const std::filesystem::path& folder);

}  // namespace korvane
