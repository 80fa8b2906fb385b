#pragma once
// The commands of korvane-cli. Each returns the process exit status: 0 done, 1 the data could
// not be read or predicted, 2 wrong usage.

#include <iosfwd>
#include <string_view>
#include <vector>

namespace korvane::cli {

inline constexpr int kExitData = 1;
inline constexpr int kExitUsage = 2;

int predictCommand(const std::vector<std::string_view>& args, std::ostream& out, std::ostream& err);
int judgeCommand(const std::vector<std::string_view>& args, std::ostream& out, std::ostream& err);
int detailCommand(const std::vector<std::string_view>& args, std::ostream& out, std::ostream& err);
int marksCommand(const std::vector<std::string_view>& args, std::ostream& out, std::ostream& err);
int addLoadCommand(const std::vector<std::string_view>& args, std::ostream& out, std::ostream& err);
int checkCommand(const std::vector<std::string_view>& args, std::ostream& out, std::ostream& err);
int benchCommand(const std::vector<std::string_view>& args, std::ostream& out, std::ostream& err);

// The short usage text for standard error.
void printUsage(std::ostream& err);

}  // namespace korvane::cli
