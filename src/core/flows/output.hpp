#pragma once
// The output window (出力): one page of the screen that opened it, to the printer, a text file,
// a CSV file or a PDF file laid out as printed.

#include <functional>
#include <string>
#include <vector>

#include "core/betting/judgement.hpp"
#include "core/output/output_names.hpp"
#include "core/output/prediction_page.hpp"
#include "core/views/detail_columns.hpp"
#include "core/views/prediction_columns.hpp"

namespace korvane {

struct AppState;
class Printer;

// The items of 出力方法, in their order on the window.
enum class OutputMethod { Printer, TextFile, CsvFile, PdfFile };

// The lines of the page in one form (text or CSV), built when the user confirms the output.
using PageBuilder = std::function<std::vector<std::string>(OutputFormat)>;

// The three pages, from the strings their screens show.
PageBuilder predictionTablePage(PredictionColumns shown, PageFrame frame);
PageBuilder predictionDetailPage(DetailColumns shown, PageFrame frame);
PageBuilder judgementPage(BetLists shown, PageFrame frame);  // text only

enum class OutputResult { Done, Cancelled, Failed };

class OutputFlow {
 public:
  // The window opens with プリンタで印刷 chosen.
  OutputFlow(AppState& app, Printer& printer, OutputPage page, PageBuilder build);

  OutputPage page() const { return page_; }
  OutputMethod method() const { return method_; }

  // A choice in 出力方法. The judgement page has no CSV form: that choice is refused with
  // "このページ（総合判定結果の出力）は、" / "ＣＳＶ形式での出力に対応していません。" and the
  // text file is chosen instead.
  void choose(OutputMethod method);

  // 出力: carries out the chosen method. A cancelled dialog outputs nothing; a failed print or
  // write is reported, naming the file, and the file that stood there stays as it was. The
  // window closes afterwards, whatever the result.
  OutputResult output();

 private:
  OutputResult print();
  OutputResult saveFile(OutputFormat format);

  AppState& app_;
  Printer& printer_;
  OutputPage page_;
  PageBuilder build_;
  OutputMethod method_ = OutputMethod::Printer;
};

}  // namespace korvane
