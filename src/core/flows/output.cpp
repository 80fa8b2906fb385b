#include "core/flows/output.hpp"

#include <utility>

#include "core/app/app_state.hpp"
#include "core/flows/file_dialogs.hpp"
#include "core/app/printer.hpp"
#include "core/output/detail_page.hpp"
#include "core/output/judgement_page.hpp"
#include "core/output/printed_lines.hpp"
#include "core/text/sjis.hpp"

namespace korvane {

PageBuilder predictionTablePage(PredictionColumns shown, PageFrame frame) {
  return [shown = std::move(shown), frame = std::move(frame)](OutputFormat format) {
    return format == OutputFormat::Csv ? predictionCsvPage(shown, frame)
                                       : predictionTextPage(shown, frame);
  };
}

PageBuilder predictionDetailPage(DetailColumns shown, PageFrame frame) {
  return [shown = std::move(shown), frame = std::move(frame)](OutputFormat format) {
    return format == OutputFormat::Csv ? detailCsvPage(shown) : detailTextPage(shown, frame);
  };
}

PageBuilder judgementPage(BetLists shown, PageFrame frame) {
  return [shown = std::move(shown), frame = std::move(frame)](OutputFormat) {
    return judgementTextPage(shown, frame);
  };
}

OutputFlow::OutputFlow(AppState& app, Printer& printer, OutputPage page, PageBuilder build)
    : app_(app), printer_(printer), page_(page), build_(std::move(build)) {}

void OutputFlow::choose(OutputMethod method) {
  if (method == OutputMethod::CsvFile && page_ == OutputPage::Judgement) {
    app_.dialogs.message(csvRefusedMessage(pageCaption(page_)));
    method = OutputMethod::TextFile;
  }
  method_ = method;
}

OutputResult OutputFlow::output() {
  switch (method_) {
    case OutputMethod::Printer:
      return print();
    case OutputMethod::TextFile:
      return saveFile(OutputFormat::Text);
    case OutputMethod::CsvFile:
      return saveFile(OutputFormat::Csv);
    case OutputMethod::PdfFile:
      return saveFile(OutputFormat::Pdf);
  }
  return OutputResult::Cancelled;
}

OutputResult OutputFlow::print() {
  if (!printer_.choosePrinter()) return OutputResult::Cancelled;
  if (!printer_.printLines(printedLines(build_(OutputFormat::Text)))) {
    app_.dialogs.message({sj("印刷できませんでした。"), sj("プリンタの状態を確かめて下さい。")});
    return OutputResult::Failed;
  }
  return OutputResult::Done;
}

OutputResult OutputFlow::saveFile(OutputFormat format) {
  const std::optional<std::filesystem::path> file =
      askSaveFile(app_.dialogs, outputSaveRequest(app_, page_, format));
  if (!file) return OutputResult::Cancelled;
  const bool written = format == OutputFormat::Pdf
                           ? printer_.savePdf(*file, printedLines(build_(OutputFormat::Text)))
                           : app_.writer.writeLines(*file, build_(format));
  if (!written) {
    app_.dialogs.message(notSavedMessage(*file));
    return OutputResult::Failed;
  }
  return OutputResult::Done;
}

}  // namespace korvane
