// The edge between cp932 and the screen: what the user types and what the lists show.

#include <QFontMetrics>
#include <QtTest>

#include "gui/platform/fonts.hpp"
#include "gui/platform/qt_text.hpp"
#include "core/text/sjis.hpp"

using namespace korvane;
using namespace korvane::gui;

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
    if (!metrics.inFont(QChar(0x99AC))) QSKIP("no CJK font on this machine");
    QCOMPARE(metrics.horizontalAdvance(QString::fromUtf8("馬名")),
             metrics.horizontalAdvance(QString("abcd")));
  }
};

QTEST_MAIN(PlatformTest)
#include "platform_test.moc"
