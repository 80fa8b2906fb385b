#include "core/text/file_set.hpp"

#include <sys/stat.h>

namespace korvane {

namespace fs = std::filesystem;

namespace {

constexpr const char* kStagingName = ".korvane-saving";
constexpr const char* kMarkerName = "commit";
// The marker's first line; the names of the staged files follow, one a line.
constexpr const char* kMarkerBanner = "KORVANE SAVE";

// Only plain names inside the folder are ever moved, whatever a damaged marker says.
bool plainName(const std::string& name) {
  return !name.empty() && name != "." && name != ".." && name != kMarkerName &&
         name.find('/') == std::string::npos && name.find('\0') == std::string::npos;
}

bool standsThere(const fs::path& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0;
}

// Moves the staged files named in the marker into the folder; a file already moved is not in
// the staging folder any more and is passed over, so a second try goes on where the first one
// stopped.
std::vector<fs::path> moveIntoPlace(LineWriter& writer, const fs::path& folder,
                                    const std::vector<std::string>& names) {
  const fs::path staging = folder / kStagingName;
  std::vector<fs::path> failed;
  for (const std::string& name : names) {
    const fs::path staged = staging / name;
    if (standsThere(staged) && !writer.moveFile(staged, folder / name)) failed.push_back(name);
  }
  if (!failed.empty()) return failed;
  // Until the folder is on disk a power cut could undo the moves; the marker stays till then.
  if (!writer.syncFolder(folder)) return {folder.filename()};
  // A staging folder left behind holds only the marker of a finished save: harmless.
  writer.removeAll(staging);
  return {};
}

}  // namespace

SetSave saveFileSet(LineWriter& writer, const fs::path& folder, std::span<const SetFile> files) {
  SetSave save;
  std::vector<fs::path> allNames;
  for (const SetFile& file : files) allNames.push_back(file.name);

  // A committed save of another run is finished first: its staging folder must not be reused.
  if (!finishInterruptedSave(writer, folder).empty()) {
    save.failed = allNames;
    return save;
  }
  const fs::path staging = folder / kStagingName;
  if (!writer.removeAll(staging) || !writer.makeFolder(staging)) {
    save.failed = allNames;
    return save;
  }
  // Every file is tried, so that the message can name all that did not fit on the disk.
  for (const SetFile& file : files) {
    if (!writer.writeStaged(staging / file.name, file.lines)) save.failed.push_back(file.name);
  }
  // The staged files' names reach the disk before the marker that vouches for them.
  std::vector<std::string> marker{kMarkerBanner};
  for (const SetFile& file : files) marker.push_back(file.name.string());
  if (save.failed.empty() &&
      (!writer.syncFolder(staging) || !writer.writeLines(staging / kMarkerName, marker))) {
    save.failed = allNames;
  }
  if (!save.failed.empty()) {
    writer.removeAll(staging);
    return save;
  }

  save.committed = true;
  marker.erase(marker.begin());
  save.failed = moveIntoPlace(writer, folder, marker);
  return save;
}

std::vector<fs::path> finishInterruptedSave(LineWriter& writer, const fs::path& folder) {
  const fs::path staging = folder / kStagingName;
  if (!standsThere(staging)) return {};
  const fs::path markerPath = staging / kMarkerName;
  if (!standsThere(markerPath)) {
    // Killed before the commit: the old set is the set, and the staged files are nothing.
    writer.removeAll(staging);
    return {};
  }
  const LinesRead marker = readLines(markerPath, kMaxSmallFileBytes);
  if (!marker.lines || marker.lines->empty() || (*marker.lines)[0] != kMarkerBanner) {
    return {markerPath.filename()};
  }
  std::vector<std::string> names;
  for (std::size_t i = 1; i < marker.lines->size(); ++i) {
    if (plainName((*marker.lines)[i])) names.push_back((*marker.lines)[i]);
  }
  return moveIntoPlace(writer, folder, names);
}

}  // namespace korvane
