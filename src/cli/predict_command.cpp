#include <ostream>

#include "card_session.hpp"
#include "commands.hpp"
#include "core/output/prediction_page.hpp"
#include "core/views/prediction_columns.hpp"

namespace korvane::cli {

int predictCommand(const std::vector<std::string_view>& args, std::ostream& out,
                   std::ostream& err) {
  const std::optional<CardOptions> parsed = cardOptionsOrUsage(args, err);
  if (!parsed) return kExitUsage;
  const CardOptions& options = *parsed;
  CardSession session;
  if (const int status = predictCard(options, session, err)) return status;

  const PredictionColumns columns = buildPredictionColumns(session.app);
  const PageFrame frame = predictionPageFrame(session.app);
  return emitPage(
      out, err,
      options.csv ? predictionCsvPage(columns, frame) : predictionTextPage(columns, frame),
      options.encoding);
}

}  // namespace korvane::cli
