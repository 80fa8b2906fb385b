#include <ostream>

#include "card_session.hpp"
#include "commands.hpp"
#include "core/output/detail_page.hpp"
#include "core/views/detail_columns.hpp"

namespace korvane::cli {

int detailCommand(const std::vector<std::string_view>& args, std::ostream& out, std::ostream& err) {
  bool noOdds = false;
  const ExtraFlag detailFlags = [&noOdds](std::string_view flag,
                                          const TakeValue&) -> std::optional<std::string> {
    if (flag != "--no-odds") return std::nullopt;
    noOdds = true;
    return "";
  };
  const std::optional<CardOptions> parsed = cardOptionsOrUsage(args, err, detailFlags);
  if (!parsed) return kExitUsage;
  const CardOptions& options = *parsed;
  CardSession session;
  if (const int status = predictCard(options, session, err)) return status;

  AppState& app = session.app;
  // 穴馬度 as before the odds entry: the column reads オッズ未入力.
  if (noOdds) {
    app.card.winOdds.fill(0.0);
    recomputeOdds(app.card);
  }
  const DetailColumns columns = buildDetailColumns(app, nullptr);
  const PageFrame frame = predictionPageFrame(app);
  return emitPage(out, err, options.csv ? detailCsvPage(columns) : detailTextPage(columns, frame),
                  options.encoding);
}

}  // namespace korvane::cli
