// The edge between cp932 and the screen (what the user types and what the lists show), and what
// every secondary window shares: its place over its owner, the way Escape leaves it, its hints.

#include <QFontMetrics>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "core/text/sjis.hpp"
#include "gui/platform/base_dialog.hpp"
#include "gui/platform/fonts.hpp"
#include "gui/platform/qt_text.hpp"
#include "gui/platform/widget_helpers.hpp"
#include "tests/gui/support/modal_driver.hpp"

using namespace korvane;
using namespace korvane::gui;
using korvane::testing::onNextModal;

namespace {

// A window with 完了 that accepts, placed over `over` instead of its owner when given.
class SampleDialog : public BaseDialog {
 public:
  SampleDialog(QWidget* owner, QWidget* over) : BaseDialog(owner) {
    if (over != owner) centreOver(over);
    auto* done = button(this, "KanryouBtn", qs("完了"));
    connect(done, &QPushButton::clicked, this, &QDialog::accept);
    resize(200, 100);
  }
};

}  // namespace

class PlatformTest : public QObject {
  Q_OBJECT

 private slots:
  void japaneseTextRoundTrips() {
    const std::string name = sj("ハルウララ　①");  // NEC special character in cp932
    QCOMPARE(fromQt(toQt(name)).value(), name);
  }

  void textShiftJisCannotHoldIsRefused() {
    QVERIFY(!fromQt(QString::fromUtf8("馬😀")).has_value());
    QVERIFY(!fromQt(QString::fromUtf8("한국")).has_value());
  }

  void damagedBytesStillShow() {
    const std::string damaged = std::string("AB\x81") + "\xFF" + "C";
    const QString shown = toQt(damaged);
    QVERIFY(shown.startsWith("AB"));
    QVERIFY(shown.endsWith("C"));
    QVERIFY(shown.contains(QChar::ReplacementCharacter));
  }

  void fullWidthIsTwoCells() {
    const QFontMetrics metrics(fixedFont());
    // Without a CJK font every column of the program is out of line: a machine that builds the
    // program must have one.
    QVERIFY2(metrics.inFont(QChar(0x99AC)), "no CJK font on this machine");
    QCOMPARE(metrics.horizontalAdvance(QString::fromUtf8("馬名")),
             metrics.horizontalAdvance(QString("abcd")));
  }

  void secondaryWindowsCentreOnTheirOwnerOrTheWindowNamed() {
    QWidget owner;
    owner.setGeometry(100, 80, 800, 600);
    owner.show();
    QWidget other;
    other.setGeometry(500, 400, 300, 200);
    other.show();
    for (QWidget* over : {&owner, &other}) {
      SampleDialog dialog(&owner, over);
      QPoint centre;
      onNextModal([&](QWidget* modal) {
        centre = modal->frameGeometry().center();
        modal->findChild<QPushButton*>("KanryouBtn")->click();
      });
      QVERIFY(dialog.showModal());
      QVERIFY((centre - over->frameGeometry().center()).manhattanLength() <= 2);
    }
    // A window that places itself stays where it was put.
    SampleDialog placed(&owner, nullptr);
    placed.move(7, 9);
    placed.show();
    QCOMPARE(placed.pos(), QPoint(7, 9));
  }

  void escapeLeavesAWindowAsItsReturnButtonDoes() {
    QWidget owner;
    owner.show();
    SampleDialog dialog(&owner, &owner);
    onNextModal([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
    QVERIFY(!dialog.showModal());
    QVERIFY(!dialog.isVisible());
  }

  void choiceListShowsEveryChoiceAtOnce() {
    QWidget window;
    const std::vector<std::string> items{sj(" 札幌"), sj(" 函館"), sj(" 福島"), sj(" 新潟"),
                                         sj(" 東京"), sj(" 中山"), sj(" 中京"), sj(" 京都")};
    QListWidget* list = choiceList(&window, "KeibajouLst", items);
    QCOMPARE(list->count(), 8);
    QCOMPARE(list->item(4)->text(), qs(" 東京"));
    window.show();
    // The last choice lies wholly inside the list, and the widest is not cut.
    const QRect last = list->visualItemRect(list->item(7));
    QVERIFY(list->viewport()->rect().contains(last));
    QVERIFY(list->viewport()->width() >= list->sizeHintForColumn(0));
  }
};

QTEST_MAIN(PlatformTest)
#include "platform_test.moc"
