#include <ostream>

#include "core/betting/judgement.hpp"
#include "card_session.hpp"
#include "commands.hpp"
#include "core/output/judgement_page.hpp"
#include "core/output/output_names.hpp"
#include "core/views/user_evaluation.hpp"

namespace korvane::cli {

int judgeCommand(const std::vector<std::string_view>& args, std::ostream& out, std::ostream& err) {
  bool user = false;
  int maxBets = kStandardMaxBets;
  const ExtraFlag judgeFlags = [&](std::string_view flag,
                                   const TakeValue& takeValue) -> std::optional<std::string> {
    if (flag == "--user") {
      user = true;
      return "";
    }
    if (flag != "--max") return std::nullopt;
    const auto text = takeValue();
    const std::string_view value = text ? *text : std::string_view();
    static const std::string wrong = "--max（最大買い目数）は 1 から 11 までです。";
    if (value.empty() || value.size() > 2) return wrong;
    int number = 0;
    for (char c : value) {
      if (c < '0' || c > '9') return wrong;
      number = number * 10 + (c - '0');
    }
    if (number < kMinBets || number > kMaxBets) return wrong;
    maxBets = number;
    return "";
  };
  const std::optional<CardOptions> parsed = cardOptionsOrUsage(args, err, judgeFlags);
  if (!parsed) return kExitUsage;
  const CardOptions& options = *parsed;
  if (options.csv) {
    writeMessage(err, csvRefusedMessage(pageCaption(OutputPage::Judgement)));
    return kExitUsage;
  }

  CardSession session;
  if (const int status = predictCard(options, session, err)) return status;
  AppState& app = session.app;
  // The user evaluation screen opens the judgement only for a field it can narrow down.
  if (user && strongRatedCount(app.card) > kMaxStrongRated) {
    writeFileMessage(err, options.file, 0, tooManyStrongRatedMessage());
    return kExitData;
  }
  const Judgement judgement =
      judgeRace(app, user ? UserEvaluations::FromCard : UserEvaluations::Neutral);
  return emitPage(out, err,
                  judgementTextPage(computeBets(judgement, maxBets), predictionPageFrame(app)),
                  options.encoding);
}

}  // namespace korvane::cli
