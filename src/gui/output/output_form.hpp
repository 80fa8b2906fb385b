#pragma once
// The output window (出力): one page of the screen that opened it, printed or written to a text,
// CSV or PDF file.

#include <memory>

#include "core/flows/output.hpp"
#include "gui/platform/base_dialog.hpp"

class QButtonGroup;

namespace korvane {
struct AppState;
class Printer;
}  // namespace korvane

namespace korvane::gui {

class TOutputForm : public BaseDialog {
  Q_OBJECT

 public:
  // The page's caption as the window's. Printing goes to `printer`, or, without one, to the
  // desktop's printers through one print dialog kept for the window's life.
  TOutputForm(AppState& app, OutputPage page, PageBuilder build, QWidget* owner,
              Printer* printer = nullptr);
  ~TOutputForm() override;

 private:
  void HouhouGrpClick(int item);
  void ShutsuryokuBtnClick();
  void ModoruBtnClick();

  std::unique_ptr<Printer> ownPrinter_;
  OutputFlow flow_;
  QButtonGroup* HouhouGrp;
};

}  // namespace korvane::gui
