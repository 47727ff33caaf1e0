#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <string>
#include <tuple>
#include <vector>

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>

#include "PrintQueue.h"
#include "QtTestApp.h"
#include "ScriptedDesktop.h"
#include "TestData.h"
#include "YrPrnDev.h"
#include "YrPrnWin.h"

namespace {

namespace fs = std::filesystem;
using printqueue::PageTexts;

// Standard output of a reader program (its messages are dropped).
std::string Output(const std::string& command) { return writer_test::Run("(" + command + " 2>/dev/null)").output; }

std::string PdfInfo(const std::string& pdf, const std::string& field) {
  std::smatch m;
  const std::string info = Output("pdfinfo " + pdf);
  return std::regex_search(info, m, std::regex(field + R"(:\s*(.*))")) ? m[1].str() : "";
}

// Three pages, "Seite 1" to "Seite 3" at 10 mm from the left edge.
struct ThreePages : TYrPrintDoc {
  explicit ThreePages(const std::string& title = "Vk - Testausdruck") : TYrPrintDoc(title) {
    for (int p = 1; p <= 3; ++p)
      AppendPage().InsertText(100, 100, 1000, 150, "Seite " + std::to_string(p), kFaceArial, 50, kAlignDefault,
                              kColourBlack, kStylePlain, false);
  }
};

struct PdfPrinter : QPrinter {
  explicit PdfPrinter(const std::string& file) : QPrinter(QPrinter::HighResolution) {
    setOutputFormat(QPrinter::PdfFormat);
    setOutputFileName(QString::fromStdString(file));
  }
};

}  // namespace

TEST(PrinterInfos, WithoutAPrinterA4At600DpiAndFromAPrinterItsPaperAndMargins) {
  QPrinter none(QPrinter::HighResolution);
  none.setOutputFormat(QPrinter::PdfFormat);
  TYrPrinterInfos a(none);
  EXPECT_FALSE(a.Refresh(none));
  EXPECT_EQ(std::tuple(a.HasPrinter, a.PaperSize, a.PaperWidth, a.PaperLength, a.Orientation, a.LogPixelsY,
                       a.HorzRes, a.VertRes, a.HorzSize, a.VertSize, a.OffsetX, a.PhysWidth),
            std::tuple(false, 9, 2100, 2970, 1, 600, 4961, 7016, 210, 297, 0, 4961));

  // An A5 sheet across, on a printer that cannot print the outer 100
  // pixels at 600 dpi.
  PdfPrinter pdf("infos.pdf");  // never written
  pdf.setResolution(600);
  const QMarginsF unprintable(25.4 / 6, 25.4 / 6, 25.4 / 6, 25.4 / 6);
  pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A5), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10),
                                QPageLayout::Millimeter, unprintable));
  TYrPrinterInfos b(pdf);
  EXPECT_TRUE(b.Refresh(pdf));
  EXPECT_EQ(std::tuple(b.HasPrinter, b.PaperSize, b.PaperWidth, b.PaperLength, b.Orientation, b.PhysWidth,
                       b.PhysHeight, b.HorzSize, b.VertSize, b.OffsetXPx, b.OffsetYPx, b.OffsetX, b.OffsetY),
            std::tuple(false, 11, 1480, 2100, 2, 4961, 3496, 202, 140, 100, 100, 42, 42));
}

TEST(PrintDocument, PrintsTheChosenPagesAndCopiesInOneJob) {
  ThreePages doc;
  testdata::TempDir dir;
  const std::string pdf = dir / "print.pdf";
  const struct {
    PrintRequest::Range range;
    int from, to, copies;
    bool collate;
    std::vector<std::string> pages;
  } kCases[] = {
      {PrintRequest::AllPages, 0, 0, 1, true, {"Seite 1", "Seite 2", "Seite 3"}},
      {PrintRequest::PageRange, 2, 3, 2, false, {"Seite 2", "Seite 2", "Seite 3", "Seite 3"}},
      {PrintRequest::Selection, 0, 0, 1, true, {"Seite 2"}},
  };
  for (const auto& c : kCases) {
    ScriptedDesktop desk;
    PrintRequest asked;
    desk.AnswerPrint([&](PrintRequest& r) {
      asked = r;
      r.range = c.range, r.fromPage = c.from, r.toPage = c.to, r.copies = c.copies, r.collate = c.collate;
      return true;
    });
    PdfPrinter printer(pdf);
    EXPECT_TRUE(PrintDocument(doc, 0, 2, 0, true, printer));
    EXPECT_EQ(std::tuple(asked.minPage, asked.maxPage, asked.selectionEnabled, asked.range, asked.fromPage,
                         asked.toPage, asked.copies, asked.collate, asked.lastPageFirst),
              std::tuple(1, 3, true, PrintRequest::AllPages, 1, 3, 1, true, false));
    EXPECT_EQ(PageTexts(pdf), c.pages) << c.copies << c.collate;
  }
  EXPECT_EQ(PdfInfo(pdf, "Title"), "Vk - Testausdruck");
  // The text stands 10 mm (28.35 points) from the paper's left edge.
  std::smatch m;
  const std::string box = Output("pdftotext -bbox " + pdf + " -");
  ASSERT_TRUE(std::regex_search(box, m, std::regex(R"re(xMin="([0-9.]+)")re")));
  EXPECT_NEAR(std::stod(m[1]), 28.35, 0.3);
}

TEST(PrintDocument, NoPageNoPrinterOrCancelPrintsNothing) {
  ScriptedDesktop desk;
  ThreePages doc;
  testdata::TempDir dir;
  const std::string pdf = dir / "nothing.pdf";
  PdfPrinter printer(pdf);
  EXPECT_FALSE(PrintDocument(TYrPrintDoc("leer"), 0, 0, 0, true, printer));
  EXPECT_TRUE(desk.asked.empty());
  // A printer that neither reaches a queue nor writes a file: said once.
  QPrinter none(QPrinter::HighResolution);
  none.setOutputFormat(QPrinter::PdfFormat);
  EXPECT_FALSE(PrintDocument(doc, 0, 0, 0, true, none));
  EXPECT_EQ(desk.Transcript(), "message | Information OK | Information | Printer driver error (no handle).\n");
  desk.AnswerPrint([](PrintRequest&) { return false; });
  EXPECT_FALSE(PrintDocument(doc, 0, 0, 0, true, printer));
  EXPECT_EQ(std::tuple(desk.asked.size(), fs::exists(pdf)), std::tuple(2u, false));
  // Without the dialog the given range goes out once.
  EXPECT_TRUE(PrintDocument(doc, 2, 0, 9, false, printer));
  EXPECT_EQ(PageTexts(pdf), (std::vector<std::string>{"Seite 2", "Seite 3"}));
}

// On a desktop that reaches no printer, before the print dialog or once the
// printer went away while it was open, the program's error routine says
// "Printer driver error (no handle)." once, with or without the dialog and
// also for a document without pages; nothing else is asked or printed.
TEST(PrintDocument, WithoutAPrinterTheErrorRoutineSaysSoOnceAndNothingIsPrinted) {
  constexpr char kSaid[] = "message | Information OK | Information | Printer driver error (no handle).\n";
  const struct {
    bool reachable, goneInDialog, pages, showDialog;
    std::string transcript;
  } kCases[] = {
      {false, false, true, true, kSaid},
      {false, false, false, true, kSaid},
      {false, false, true, false, kSaid},
      {true, true, true, true, std::string("print\n") + kSaid},
  };
  testdata::TempDir dir;
  for (const auto& c : kCases) {
    ScriptedDesktop desk;
    if (!c.reachable) desk.NoPrinter();
    if (c.goneInDialog) desk.AnswerPrint([&desk](PrintRequest&) { return desk.NoPrinter(), true; });
    PdfPrinter printer(dir / "never.pdf");
    const bool printed = c.pages ? PrintDocument(ThreePages(), 1, 0, 3, c.showDialog, printer)
                                 : PrintDocument(TYrPrintDoc("leer"), 1, 0, 3, c.showDialog, printer);
    EXPECT_EQ(std::tuple(printed, desk.Transcript(), fs::exists(dir / "never.pdf"), desk.Used()),
              std::tuple(false, c.transcript, false, true)) << &c - kCases;
  }
}

// The program's desktop reaches a printer that writes a file and a queue the
// printer system lists, never a printer without either.
TEST(PrintDocument, TheProgramsDesktopReachesAFileOrAListedQueue) {
  QPrinter none(QPrinter::HighResolution);
  none.setOutputFormat(QPrinter::PdfFormat);
  const QPrinterInfo queue = printqueue::Queue();
  EXPECT_EQ(std::tuple(PrinterReachableNow(PdfPrinter("never.pdf")), PrinterReachableNow(none),
                       queue.isNull() || PrinterReachableNow(QPrinter(queue))),
            std::tuple(true, false, true));
}

// End to end through a CUPS queue of the CUPS-PDF printer (PrintQueue.h):
// the user chooses pages, copies, collation and page order in Qt's print
// dialog. Each dialog opens with one copy, collated, first page first. A
// range without a page of the document prints nothing and says so.
TEST(PrintDocument, ThroughACupsQueueExactlyThePagesAndCopiesChosen) {
  const QPrinterInfo queue = printqueue::Queue();
  if (queue.isNull())
    GTEST_SKIP() << "no CUPS-PDF print queue: apt-get install cups printer-driver-cups-pdf, then tools/cups.sh";
  QPrinter printer(queue, QPrinter::HighResolution);
  const TYrPrinterInfos infos(printer);
  EXPECT_EQ(std::tuple(infos.HasPrinter, infos.Device), std::tuple(true, queue.printerName()));
  const struct {
    const char* pages;
    const char* copies;
    bool collate, reverse;  // "Sortieren", "Umgekehrt"
    std::vector<std::string> printed;
  } kCases[] = {
      {"1-2", "2", true, false, {"Seite 1", "Seite 2", "Seite 1", "Seite 2"}},
      {"1-2", "2", false, false, {"Seite 1", "Seite 1", "Seite 2", "Seite 2"}},
      {"2", "1", true, false, {"Seite 2"}},
      {"3,1", "2", false, false, {"Seite 1", "Seite 1", "Seite 3", "Seite 3"}},
      {"1-2", "1", true, true, {"Seite 2", "Seite 1"}},
      {"1-2", "2", true, true, {"Seite 2", "Seite 1", "Seite 2", "Seite 1"}},
      {"5", "1", true, false, {}},  // no page: a box says so, no job
  };
  for (const auto& c : kCases) {
    // The queue names its file after the job's title.
    const std::string title = "VkDruck" + std::to_string(getpid()) + "-" + std::to_string(&c - kCases);
    std::string opened, said;
    QTimer::singleShot(0, [&] {
      auto* d = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
      ASSERT_TRUE(d);
      auto* copies = d->findChild<QSpinBox*>("copies");
      auto* collate = d->findChild<QCheckBox*>("collate");
      auto* reverse = d->findChild<QCheckBox*>("reverse");
      auto* pages = d->findChild<QLineEdit*>("pagesLineEdit");
      opened = copies->text().toStdString() + (collate->isChecked() ? " sortiert" : "") +
               (reverse->isChecked() ? " umgekehrt" : "");
      for (QPushButton* b : d->findChildren<QPushButton*>())
        if (b->text().endsWith(u" >>")) QTest::mouseClick(b, Qt::LeftButton);  // "Einstellungen >>"
      QTest::mouseClick(d->findChild<QRadioButton*>("pagesRadioButton"), Qt::LeftButton);
      QTest::mouseClick(pages, Qt::LeftButton, {}, QPoint(pages->width() - 2, pages->height() / 2));
      QTest::keyClicks(pages, c.pages);
      QTest::keyClick(copies, Qt::Key_A, Qt::ControlModifier);
      QTest::keyClicks(copies, c.copies);
      for (auto [box, on] : {std::pair(collate, c.collate), {reverse, c.reverse}})
        if (box->isChecked() != on) QTest::mouseClick(box, Qt::LeftButton);
      QTimer::singleShot(0, [&] {
        if (auto* b = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) said = b->text().toStdString(), b->accept();
      });
      d->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    const std::set<std::string> earlier = printqueue::Files();
    const bool printed = PrintDocument(ThreePages(title), 0, 0, 0, true, printer);
    if (c.printed.empty()) {
      EXPECT_EQ(std::tuple(printed, said), std::tuple(false, "Der gewählte Seitenbereich enthält keine Seite des Ausdrucks."));
      continue;
    }
    ASSERT_TRUE(printed);
    const std::string written = printqueue::JobFile(title, c.printed.size(), earlier);
    // The queue's converter writes the title in parentheses.
    EXPECT_EQ(std::tuple(opened, PageTexts(written), PdfInfo(written, "Title")),
              std::tuple("1 sortiert", c.printed, "(" + title + ")"));
    fs::remove(written);
  }
}
