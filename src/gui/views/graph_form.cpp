#include "gui/views/graph_form.hpp"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/app/app_state.hpp"
#include "core/views/graph.hpp"
#include "gui/platform/fonts.hpp"
#include "gui/platform/qt_text.hpp"
#include "gui/platform/widget_helpers.hpp"

namespace korvane::gui {

namespace {

QColor colour(GraphColour c) {
  switch (c) {
    case GraphColour::Olive: return QColor(0x80, 0x80, 0x00);
    case GraphColour::Black: return Qt::black;
    case GraphColour::White: return Qt::white;
    case GraphColour::Grey: return QColor(0x80, 0x80, 0x80);
    case GraphColour::Yellow: return QColor(0xff, 0xff, 0x00);
  }
  return Qt::black;
}

// The pictures' font; where the font it was drawn for is not installed, the fixed-pitch font
// of the lists stands in at the same pixel size.
QFont graphFont() {
  QFont font = fixedFont();
  font.setFamilies({QString::fromUtf8(kGraphFontUtf8), fixedFont().family()});
  font.setPixelSize(kGraphFontPixels);
  return font;
}

// One picture of the window, painted shape by shape exactly where the core put them.
class GraphCanvas : public QWidget {
 public:
  GraphCanvas(QWidget* parent, const char* name, GraphPicture picture)
      : QWidget(parent), picture_(std::move(picture)), font_(graphFont()) {
    setObjectName(name);
    setFixedSize(picture_.width, picture_.height);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setFont(font_);
    const int ascent = QFontMetrics(font_).ascent();
    for (const GraphShape& s : picture_.shapes) {
      painter.setPen(colour(s.pen));
      painter.setBrush(colour(s.fill));
      // Boxes name the pixel past their right and bottom edges.
      const QRect box(s.left, s.top, s.right - s.left - 1, s.bottom - s.top - 1);
      switch (s.kind) {
        case GraphShape::Kind::Rectangle: painter.drawRect(box); break;
        case GraphShape::Kind::Ellipse: painter.drawEllipse(box); break;
        case GraphShape::Kind::Line: painter.drawLine(s.left, s.top, s.right, s.bottom); break;
        case GraphShape::Kind::Text: painter.drawText(s.left, s.top + ascent, toQt(s.text)); break;
      }
    }
  }

 private:
  GraphPicture picture_;
  QFont font_;
};

// The scale beside the chart: 50.0 level with the 120th pixel above the bottom line, 38.0 at it.
QWidget* scale(QWidget* parent, int height) {
  auto* strip = new QWidget(parent);
  strip->setFixedSize(40, height);
  struct Mark {
    const char* name;
    const char* text;
    int y;  // the centre of the caption
  };
  for (const Mark& m : {Mark{"PtsLbl", "pts", 8}, Mark{"Label50", "50.0", height - 1 - 120},
                        Mark{"Label38", "38.0", height - 1}}) {
    QLabel* caption = label(strip, m.name, qs(m.text));
    caption->adjustSize();
    caption->move(strip->width() - caption->width() - 4,
                  std::max(0, std::min(height - caption->height(), m.y - caption->height() / 2)));
  }
  return strip;
}

}  // namespace

TGraphForm::TGraphForm(AppState& app, QWidget* owner) : BaseDialog(owner) {
  setObjectName("GraphForm");
  setWindowTitle(qs("グラフ表示"));

  GraphView view = buildGraph(app);
  auto* chart = new GraphCanvas(this, "ChartImg", std::move(view.chart));
  auto* axis = new GraphCanvas(this, "AxisImg", std::move(view.axis));

  auto* legend = new QVBoxLayout;
  const char* lines[][2] = {
      {"Label1", "黄色い●は"},         {"Label2", "ベストが５位以内の馬"},
      {nullptr, nullptr},               {"Label3", "白色の○は"},
      {"Label4", "負Ｐが５位以内の馬"}, {nullptr, nullptr},
      {"Label5", "白色の◎は"},         {"Label6", "負Ｐがゼロの馬"},
      {nullptr, nullptr},               {"Label7", "「逃」「先」の上の"},
      {"Label8", "黄色い数値は"},       {"Label9", "ベストの順位です。"},
  };
  for (const auto& line : lines) {
    if (line[0] == nullptr) {
      legend->addSpacing(10);
    } else {
      legend->addWidget(label(this, line[0], qs(line[1])));
    }
  }
  legend->addStretch();
  auto* tojiruBtn = button(this, "TojiruBtn", qs("閉じる"));
  tojiruBtn->setDefault(true);
  connect(tojiruBtn, &QPushButton::clicked, this, &TGraphForm::reject);
  legend->addWidget(tojiruBtn);

  auto* grid = new QGridLayout(this);
  grid->setHorizontalSpacing(4);
  grid->setVerticalSpacing(0);
  grid->addWidget(label(this, "TitleLbl", qs("コルバン指数の上位順グラフ")), 0, 1,
                  Qt::AlignHCenter);
  grid->addWidget(scale(this, chart->height()), 1, 0);
  grid->addWidget(chart, 1, 1);
  grid->addWidget(axis, 2, 1);
  grid->addLayout(legend, 1, 2, 2, 1);
  grid->setColumnMinimumWidth(2, 150);
  grid->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace korvane::gui
