// Printed pages as PDF files, read back with poppler's pdftotext: every line of the page in its
// order, the columns of a full field in line, and page breaks between lines, never through one.

#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>
#include <cmath>

#include "core/database/store_files.hpp"
#include "core/flows/prediction.hpp"
#include "core/flows/store_files.hpp"
#include "core/output/detail_page.hpp"
#include "core/output/prediction_page.hpp"
#include "core/output/printed_lines.hpp"
#include "core/text/sjis.hpp"
#include "core/views/detail_columns.hpp"
#include "core/views/prediction_columns.hpp"
#include "generator/bench.hpp"
#include "gui/platform/qt_printer.hpp"
#include "gui/platform/qt_text.hpp"
#include "tests/gui/support/gui_world.hpp"

using namespace korvane;
using namespace korvane::gui;
using korvane::testing::GuiWorld;

namespace {

// A word of the PDF as pdftotext -bbox finds it, in points from the top left of its page.
struct Word {
  int page = 0;
  double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
  QString text;
};

struct PdfText {
  QStringList layoutLines;  // pdftotext -layout, blank lines and page feeds dropped
  QList<QList<Word>> rows;  // pdftotext -bbox, the words of each printed line in order
  double pageHeight = 0;
  int pages = 0;
};

QString run(const QStringList& arguments) {
  QProcess process;
  process.start("pdftotext", arguments);
  if (!process.waitForFinished(20000) || process.exitStatus() != QProcess::NormalExit ||
      process.exitCode() != 0) {
    return {};
  }
  return QString::fromUtf8(process.readAllStandardOutput());
}

PdfText readPdf(const std::filesystem::path& file) {
  PdfText pdf;
  for (const QString& line : run({"-layout", pathToQt(file), "-"}).split('\n')) {
    QString text = line;
    text.remove('\f');
    if (!text.trimmed().isEmpty()) pdf.layoutLines << text;
  }
  QXmlStreamReader xml(run({"-bbox", pathToQt(file), "-"}));
  double lastY = -1;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    const auto attributes = xml.attributes();
    if (xml.name() == u"page") {
      ++pdf.pages;
      pdf.pageHeight = attributes.value("height").toDouble();
      lastY = -1;
    } else if (xml.name() == u"word") {
      Word word{pdf.pages,
                attributes.value("xMin").toDouble(),
                attributes.value("yMin").toDouble(),
                attributes.value("xMax").toDouble(),
                attributes.value("yMax").toDouble(),
                xml.readElementText()};
      if (std::abs(word.yMin - lastY) > 0.5) pdf.rows.append(QList<Word>());
      lastY = word.yMin;
      pdf.rows.last().append(word);
    }
  }
  return pdf;
}

// The words of a line, compared as characters whatever code points the PDF's font maps its
// glyphs back to (a kanji may come back as its radical, a full-width digit as a digit).
QStringList words(const QString& line) {
  return line.normalized(QString::NormalizationForm_KC).split(' ', Qt::SkipEmptyParts);
}

QList<QStringList> pageWords(const std::vector<std::string>& page) {
  QList<QStringList> lines;
  for (const std::string& line : page) {
    const QStringList w = words(toQt(line));
    if (!w.isEmpty()) lines << w;
  }
  return lines;
}

// Byte offsets (from the start of the printed line) where its words begin.
QList<int> wordStarts(const std::string& printedLine) {
  const std::string blank = sj("　");
  QList<int> starts;
  bool inWord = false;
  for (std::size_t i = 0; i < printedLine.size();) {
    const bool space = printedLine[i] == ' ' || printedLine.compare(i, 2, blank) == 0;
    if (!space && !inWord) starts << static_cast<int>(i);
    inWord = !space;
    i += charBytesAt(printedLine, i);
  }
  return starts;
}

// A generated full field with win odds, predicted.
bool predictFullField(AppState& app) {
  for (int i = 0; i < 200; ++i) {
    const gen::RaceSet race = gen::benchRace(i);
    if (race.card.runnerCount != 18) continue;
    gen::loadInto(app, race);
    predictRace(app);
    return true;
  }
  return false;
}

std::filesystem::path savedPdf(const QTemporaryDir& dir, const std::vector<std::string>& page) {
  const std::filesystem::path file = pathFromQt(dir.filePath("page.pdf"));
  QtPrinter printer(nullptr);
  return printer.savePdf(file, printedLines(page)) ? file : std::filesystem::path();
}

}  // namespace

class PrintingTest : public QObject {
  Q_OBJECT

  GuiWorld world_;
  QTemporaryDir dir_;

 private slots:
  void initTestCase() {
    QProcess version;
    version.start("pdftotext", {"-v"});
    QVERIFY2(version.waitForFinished(20000) && version.exitCode() == 0,
             "pdftotext (poppler-utils, installed by scripts/setup) is needed");
    QVERIFY(predictFullField(world_.app));
  }

  void everyLineOfThePredictionTable() {
    const auto page =
        predictionTextPage(buildPredictionColumns(world_.app), predictionPageFrame(world_.app));
    const auto file = savedPdf(dir_, page);
    QVERIFY(!file.empty());
    const PdfText pdf = readPdf(file);
    const QList<QStringList> expected = pageWords(page);
    QCOMPARE(pdf.layoutLines.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i) QCOMPARE(words(pdf.layoutLines[i]), expected[i]);
  }

  void detailColumnsOfAFullFieldInLine() {
    const auto page =
        detailTextPage(buildDetailColumns(world_.app, nullptr), predictionPageFrame(world_.app));
    const auto file = savedPdf(dir_, page);
    QVERIFY(!file.empty());
    const PdfText pdf = readPdf(file);
    const std::vector<std::string> printed = printedLines(page);
    std::vector<std::string> lines;
    for (const std::string& line : printed) {
      if (!pageWords({line}).isEmpty()) lines.push_back(line);
    }
    QCOMPARE(pdf.rows.size(), static_cast<qsizetype>(lines.size()));

    // The footer "KORVANE DATA 1997-2009" gives the width of a half-width cell, and the left
    // margin where the ideographic space of every line begins.
    const Word& korvane = pdf.rows.last().first();
    QCOMPARE(korvane.text, QString("KORVANE"));
    const double cell = (korvane.xMax - korvane.xMin) / 7;
    const double left = korvane.xMin - 2 * cell;
    // Every word of every line, the 18 runners' included, starts at its byte's cell.
    for (qsizetype row = 0; row < pdf.rows.size(); ++row) {
      const QList<int> starts = wordStarts(lines[row]);
      QCOMPARE(pdf.rows[row].size(), starts.size());
      for (qsizetype w = 0; w < starts.size(); ++w) {
        const double expectedX = left + starts[w] * cell;
        if (std::abs(pdf.rows[row][w].xMin - expectedX) > 0.5) {
          QFAIL(qPrintable(QString("line %1, word %2 (%3) at %4, its column at %5")
                               .arg(row + 1)
                               .arg(w + 1)
                               .arg(pdf.rows[row][w].text)
                               .arg(pdf.rows[row][w].xMin)
                               .arg(expectedX)));
        }
      }
    }
  }

  void pageBreaksFallBetweenLines() {
    std::vector<std::string> page;
    for (int i = 1; i <= 130; ++i) page.push_back(sj("行") + std::to_string(i));
    const auto file = savedPdf(dir_, page);
    QVERIFY(!file.empty());
    const PdfText pdf = readPdf(file);
    QVERIFY(pdf.pages >= 3);
    QCOMPARE(pdf.rows.size(), qsizetype{130});
    const double bottomMargin = 15 / 25.4 * 72;
    for (qsizetype i = 0; i < pdf.rows.size(); ++i) {
      const Word& word = pdf.rows[i].first();
      QCOMPARE(words(word.text), words(QString("行%1").arg(i + 1)));
      QVERIFY(word.yMax <= pdf.pageHeight - bottomMargin + 0.5);
    }
  }

  // With KORVANE_SCREENSHOTS set (scripts/screenshots): the sample race's table as printed, the
  // first page as a picture for the README.
  void printedPageForTheReadme() {
    const QString folder = qEnvironmentVariable("KORVANE_SCREENSHOTS");
    if (folder.isEmpty()) QSKIP("pictures only for scripts/screenshots");
    GuiWorld sample;
    QVERIFY(loadPageZeroFile(sample.app, GuiWorld::sampleFile()));
    sample.app.editedFile = GuiWorld::sampleFile();
    predictRace(sample.app);
    const auto file = savedPdf(dir_, predictionTextPage(buildPredictionColumns(sample.app),
                                                        predictionPageFrame(sample.app)));
    QVERIFY(!file.empty());
    QCOMPARE(QProcess::execute("pdftoppm", {"-png", "-r", "70", "-singlefile", pathToQt(file),
                                            folder + "/printed_page"}),
             0);
  }

  void failedSaveKeepsTheOldFile() {
    const std::filesystem::path file = pathFromQt(dir_.filePath("kept.pdf"));
    {
      QFile old(pathToQt(file));
      QVERIFY(old.open(QIODevice::WriteOnly));
      old.write("old");
    }
    QtPrinter printer(nullptr);
    QVERIFY(!printer.savePdf(file / "in_a_file", {"x"}));
    QVERIFY(!printer.savePdf(pathFromQt(dir_.filePath("no_folder/new.pdf")), {"x"}));
    QFile old(pathToQt(file));
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("old"));
  }
};

QTEST_MAIN(PrintingTest)
#include "printing_test.moc"
