#include <ostream>

#include "card_session.hpp"
#include "commands.hpp"
#include "core/text/sjis.hpp"
#include "core/views/development_marks.hpp"

namespace korvane::cli {

int marksCommand(const std::vector<std::string_view>& args, std::ostream& out, std::ostream& err) {
  const std::optional<CardOptions> parsed = cardOptionsOrUsage(args, err);
  if (!parsed) return kExitUsage;
  const CardOptions& options = *parsed;
  // The marks screen has no output page; its lines are tab-separated already.
  if (options.csv) {
    err << "korvane-cli: marks の結果はタブ区切りで書き出すので、--csv は指定できません。\n";
    return kExitUsage;
  }
  CardSession session;
  if (const int status = predictCard(options, session, err)) return status;

  const DevelopmentMarks marks = buildDevelopmentMarks(session.app);
  std::vector<std::string> lines;
  for (std::size_t row = 0; row < marks.name.size(); ++row) {
    std::string line = marks.umaban[row] + "\t" + marks.name[row] + "\t" + marks.style[row];
    for (const auto& column : marks.marks) line += "\t" + column[row];
    lines.push_back(std::move(line));
  }
  std::string reliability = sj("信頼度");
  for (const auto& field : marks.reliability) reliability += "\t" + field;
  lines.push_back(std::move(reliability));
  return emitPage(out, err, lines, options.encoding);
}

}  // namespace korvane::cli
