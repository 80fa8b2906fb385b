#include "gui/custom/set_up_form.hpp"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <optional>

#include "core/app/app_state.hpp"
#include "core/app/settings_edit.hpp"
#include "core/flows/settings.hpp"
#include "gui/platform/fonts.hpp"
#include "gui/platform/qt_text.hpp"
#include "gui/platform/widget_helpers.hpp"

namespace korvane::gui {

namespace {

QGroupBox* groupBox(QWidget* parent, const char* name, const char* caption) {
  auto* box = new QGroupBox(qs(caption), parent);
  box->setObjectName(name);
  return box;
}

}  // namespace

TSetUpForm::TSetUpForm(AppState& app, QWidget* parent) : BaseDialog(parent), app_(app) {
  setObjectName("TSetUpForm");
  setWindowTitle(qs("設定"));

  QGroupBox* kidouGrp = groupBox(this, "KidouGrp", "起動");
  KidouChk = new QCheckBox(qs("起動時に全競走馬ファイルを読み込む"), kidouGrp);
  KidouChk->setObjectName("KidouChk");
  (new QVBoxLayout(kidouGrp))->addWidget(KidouChk);

  QGroupBox* kigouGrp = groupBox(this, "KigouGrp", "印に使う記号");
  auto* symbols = new QGridLayout(kigouGrp);
  const char* const names[] = {"本命", "対抗", "単穴", "連下", "連下", "注意"};
  for (int i = 0; i < 6; ++i) {
    KigouEdt[i] = new QLineEdit(kigouGrp);
    KigouEdt[i]->setObjectName(QStringLiteral("KigouEdt%1").arg(i + 1));
    // A symbol is two bytes; a little more room shows what the user typed beyond them.
    KigouEdt[i]->setFont(fixedFont());
    KigouEdt[i]->setFixedWidth(cellsWidth(6));
    KigouEdt[i]->setAlignment(Qt::AlignHCenter);
    symbols->addWidget(new QLabel(qs(names[i]), kigouGrp), 0, i, Qt::AlignHCenter);
    symbols->addWidget(KigouEdt[i], 1, i, Qt::AlignHCenter);
  }

  QGroupBox* shirushiBox = groupBox(this, "ShirushiGrpBox",
                                    "印の付け方（この設定は、起動時に、毎回、標準に戻ります）");
  ShirushiGrp = radioItems(shirushiBox, "ShirushiGrp",
                           {qs("「コルバン指数」を基本にした印付け（標準）"),
                            qs("「印を付けるカスタマイズ」にしたがって印付け")});
  QGroupBox* kaimeBox = groupBox(this, "KaimeGrpBox", "買い目表示");
  KaimeGrp = radioItems(kaimeBox, "KaimeGrp",
                        {qs("ボックス買い"), qs("「コルバン」にまかせる（標準）"),
                         qs("軸馬を決める（１頭か２頭）"), qs("軸馬を決める（常に１頭）")});

  QPushButton* kanryouBtn = button(this, "KanryouBtn", qs("完了"));
  QPushButton* hyoujunBtn = button(this, "HyoujunBtn", qs("標準に戻す"));
  QPushButton* modoruBtn = button(this, "ModoruBtn", qs("戻る"));
  // Enter in a symbol box presses nothing: a half-typed symbol is never stored by accident.
  for (QPushButton* b : {kanryouBtn, hyoujunBtn, modoruBtn}) b->setAutoDefault(false);
  connect(kanryouBtn, &QPushButton::clicked, this, &TSetUpForm::KanryouBtnClick);
  connect(hyoujunBtn, &QPushButton::clicked, this, &TSetUpForm::HyoujunBtnClick);
  connect(modoruBtn, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(kanryouBtn);
  buttons->addWidget(hyoujunBtn);
  buttons->addWidget(modoruBtn);
  auto* layout = new QVBoxLayout(this);
  for (QGroupBox* box : {kidouGrp, kigouGrp, shirushiBox, kaimeBox}) layout->addWidget(box);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  showChoice(currentChoice(app_.settings));
}

void TSetUpForm::showChoice(const SettingsChoice& choice) {
  KidouChk->setChecked(choice.load);
  for (std::size_t i = 0; i < KigouEdt.size(); ++i) KigouEdt[i]->setText(toQt(choice.symbols[i]));
  ShirushiGrp->button(static_cast<int>(choice.shirushi))->setChecked(true);
  KaimeGrp->button(static_cast<int>(choice.kaime))->setChecked(true);
}

void TSetUpForm::KanryouBtnClick() {
  SettingsChoice choice;
  choice.load = KidouChk->isChecked();
  for (std::size_t i = 0; i < KigouEdt.size(); ++i) {
    const std::optional<std::string> symbol = fromQt(KigouEdt[i]->text());
    if (!symbol) {
      app_.dialogs.message(refusedTextMessage());
      KigouEdt[i]->setFocus();
      return;
    }
    choice.symbols[i] = *symbol;
  }
  choice.shirushi = static_cast<MarkingMode>(ShirushiGrp->checkedId());
  choice.kaime = static_cast<BetDisplay>(KaimeGrp->checkedId());
  applySettings(app_.settings, choice);
  accept();
}

void TSetUpForm::HyoujunBtnClick() {
  if (resetSettings(app_.dialogs, app_.settings)) accept();
}

}  // namespace korvane::gui
