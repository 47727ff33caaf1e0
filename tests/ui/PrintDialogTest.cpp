// The print dialog: what each report kind hands the print job, the PDF file
// with its document information, the margins through the program's page
// setup, the page from the printer and its set-up, printing from the preview
// and on paper turned in Qt's print dialog, and the size of the save dialog.

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QPageLayout>
#include <QPrinter>
#include <QRadioButton>
#include <QScreen>
#include <QTreeView>

#include "../files/ExportFixture.h"
#include "../reports/PageDump.h"
#include "PrintQueue.h"
#include "PrnRand.h"
#include "RadioGroup.h"
#include "UiTestSupport.h"
#include "VkExportOptions.h"
#include "VkWMisc.h"
#include "VkWPrn.h"
#include "YrPDPDF.h"
#include "YrPrnDev.h"

namespace {

using writer_test::TempFile;

std::string Output(const std::string& command) { return writer_test::Run(command).output; }

// The competition of the export tests (classes "Kinder", "Jugend" with CPR
// and three participants, "Senioren"; heats and lanes set) with an organiser.
std::unique_ptr<TWettkampf> Competition(bool individual = true) {
  auto c = exporttest::Competition(individual);
  TWettkampfDaten h = c->Header();
  h.SetOrganiser(Oem("Kreisverband Göttingen"));
  c->SetHeader(h);
  return c;
}

// As the main window opens it: certificates of the whole age class in the
// third layout; "Jugend" (index 1) current, its participants 0 and 1 marked.
void SetUpAsMainWindow(TDruckenDlg& dlg, TWettkampf& c, int kind = 0) {
  dlg.TeilnehmerRadioGroup()->SetItemIndex(2);
  dlg.TeilnehmerWasEdit()->setCurrentIndex(2);
  dlg.Setup(c, 1, 0, 0, 1);
  Child<RadioGroup>(dlg, "RadioGroup1")->SetItemIndex(kind);
}

// The dialog on the competition, as the main window opens it.
class PrintDialog : public ::testing::Test {
 protected:
  PrintDialog() { SetUpAsMainWindow(dlg, *c); }

  std::unique_ptr<TWettkampf> c = Competition();
  TDruckenDlg dlg;
};

}  // namespace

TEST_F(PrintDialog, EachKindCallsItsEntryPointWithTheControlsInTheEntryPointsOrder) {
  const TYrClock clock = SetClock([] { return MakeDateTime(2024, 3, 12, 18, 5); });
  struct Case {
    int kind;
    std::vector<const char*> flip;  // check boxes changed from their defaults
    std::function<void(TDruckenDlg&)> choose;
    std::function<void(TDruckauftrag&)> build;
  };
  const std::vector<Case> cases = {
      {0, {"ErgAKDatenCB", "ErgZweizeiligCB", "MitLeerenAkCB", "MitLegendeCB", "MitBlock5CB", "AlleAKCB"}, {},
       [&](TDruckauftrag& j) {
         c->SetAllMarks(false);  // the current class alone
         c->SetMark(1, true);
         j.BuildResultList({.selection = 2, .withAgeClassData = true, .withHead = true, .twoLines = true,
                            .withFooter = true, .withEmptyAgeClasses = true, .singleDisciplineRanking = 1});
       }},
      {0, {"ErgAKNeueSeiteCB", "ErgGliederungenCB", "MitBlock5CB", "EinzelwertungCB", "AlleAKCB"},
       [](TDruckenDlg& d) { d.findChild<QListWidget*>("ListBox1")->item(2)->setSelected(true); },
       [&](TDruckauftrag& j) {
         c->SetAllMarks(false);
         c->SetMark(1, true);
         c->SetMark(2, true);
         j.BuildResultList({.selection = 2, .withLegend = true, .withHead = true, .newPagePerAgeClass = true,
                            .withFooter = true, .withStatistics = true});
       }},
      {1, {"QualAKDatenCB", "QualGliederungenCB", "MitDruckkopfCB", "MitBlock5CB"}, {},
       [&](TDruckauftrag& j) {
         c->SetAllMarks(true);
         j.BuildQualificationList({.selection = 2, .withAgeClassData = true, .withLegend = true, .withFooter = true,
                                   .withOrganisations = true});
       }},
      {2, {"LaufGliederungenCB", "LaufAlleDiszCB", "MitLegendeCB", "MitBlock5CB"}, {},
       [](TDruckauftrag& j) {
         j.BuildHeatList({.withHead = true, .withFooter = true, .withOrganisations = true, .allDisciplines = true});
       }},
      {3, {"MitLegendeCB", "MitBlock5CB"}, {},
       [](TDruckauftrag& j) { j.BuildCprStartList({.withHead = true, .withFooter = true}); }},
      {4, {"MitLegendeCB", "MitFusszeileCB"},
       [](TDruckenDlg& d) { d.findChild<RadioGroup*>("StatistikRadioGroup")->SetItemIndex(1); },
       [](TDruckauftrag& j) { j.BuildStatistics({.form = 1, .withHead = true, .statisticsBlock5 = true}); }},
      {5, {}, {}, [](TDruckauftrag& j) { j.BuildCertificates({.layout = 2, .mode = 2}); }},
      {5, {"TeilnehmerMitErgebnisCB"},
       [](TDruckenDlg& d) {
         d.TeilnehmerRadioGroup()->SetItemIndex(1);
         d.TeilnehmerWasEdit()->setCurrentIndex(0);
       },
       [](TDruckauftrag& j) { j.BuildCertificates({.layout = 0, .mode = 1, .withResult = true}); }},
  };
  for (size_t i = 0; i < cases.size(); ++i) {
    TDruckenDlg fresh;
    SetUpAsMainWindow(fresh, *c, cases[i].kind);
    for (const char* name : cases[i].flip) fresh.findChild<QCheckBox*>(name)->toggle();
    if (cases[i].choose) cases[i].choose(fresh);
    const TAusdruck* built = fresh.BuildDocument();
    ASSERT_NE(built, nullptr);
    const auto got = std::tuple(built->Title(), fresh.Job()->PageSize.Width, fresh.Job()->PageSize.Height,
                                built->PageCount() > 0, pagedump::Dump(*built));
    TDruckauftrag direct(*c, 1, 0, 0, 1);
    cases[i].build(direct);
    const TAusdruck& want = *direct.Report();
    EXPECT_EQ(got, std::tuple(want.Title(), 2100, 2970, true, pagedump::Dump(want))) << "case " << i;
  }
  SetClock(clock);
}

// "PDF...": the file, the document information as the options dialog
// leaves it, the written file opened; Cancel in the options writes nothing; a
// file that cannot be written is reported and not opened. A team
// competition names its kind.
TEST_F(PrintDialog, WritesThePdfAndOpensOnlyAFileThatWasWritten) {
  ScriptedDesktop desk;
  const TPdfOptions saved = PdfExportInfo;
  Child<RadioGroup>(dlg, "RadioGroup1")->SetItemIndex(5);
  TempFile file(".pdf");
  desk.AnswerFile(QString::fromStdString(file.Path()));
  desk.AnswerDialog("TOptPDFDlg", mrOk);
  Click(dlg, "PDFBtn");
  const std::string text = Output("pdftotext -layout " + file.Path() + " -"), info = Output("pdfinfo " + file.Path());
  EXPECT_NE(text.find("Jörg Müller & Söhne"), std::string::npos) << text;
  EXPECT_NE(info.find("Subject:         Landesmeisterschaft Süd & <Nord> - Einzelwettbewerb\n"
                      "Keywords:        KRVB, Rettungssport, Ergebnis\n"
                      "Author:          Kreisverband Göttingen\n"), std::string::npos) << info;
  auto teams = Competition(false);
  TDruckenDlg teamDlg;
  SetUpAsMainWindow(teamDlg, *teams);
  TempFile cancelled(".pdf");
  desk.AnswerFile(QString::fromStdString(cancelled.Path()));
  desk.AnswerDialog("TOptPDFDlg", mrCancel);
  Click(teamDlg, "PDFBtn");
  QString subject;
  desk.AnswerFile("/nonexistent-folder/Ergebnis.PDF");
  desk.AnswerDialog("TOptPDFDlg", mrOk, [&](QDialog& d) { subject = Child<QLineEdit>(d, "Edit2")->text(); });
  Click(teamDlg, "PDFBtn");
  PdfExportInfo = saved;
  EXPECT_TRUE(desk.Used());
  const QString asked = QString::fromStdString(desk.Transcript()).replace(QString::fromStdString(file.Path()), "$PDF");
  ExpectSeen(Line(std::filesystem::exists(cancelled.Path()), subject) + S(asked), "print-dialog.txt");
}

// The job's margins are tenths of a millimetre; "&einrichten..." shows them
// in the page set-up in millimetres with two decimals (15 as "1,50") and
// takes back the hundredths divided by 10, cut towards zero: "1,57" gives 15,
// "10" 100, "2.5" (the point typed for the comma) 25, "0,19" 1; a field left
// alone keeps its value. Cancel, and OK over a value beyond 999,99 (warned,
// then given up), change nothing. Margins that leave no room on the page
// are refused.
TEST_F(PrintDialog, MarginsGoThroughThePageSetupInHundredthsOfAMillimetre) {
  ScriptedDesktop desk;
  dlg.Job()->Margins = {15, 157, 150, 25};
  std::string seen;
  auto margins = [&] {
    const TMargins& m = dlg.Job()->Margins;
    seen += Line(m.Left, m.Top, m.Right, m.Bottom);
  };
  desk.AnswerDialog("PageSetupDialog1", mrOk, [&](QDialog& d) {
    seen += Line(Child<QGroupBox>(d, "MarginsGroup")->title(), d.focusWidget()->objectName());
    for (const char* name : {"LeftEdit", "TopEdit", "RightEdit", "BottomEdit"})
      for (QLabel* label : d.findChildren<QLabel*>())
        if (label->buddy() == Child<QLineEdit>(d, name)) seen += Line(label->text(), Text(d, name));
    for (int tab = 0; tab < 4; ++tab) {
      QTest::keyClick(d.focusWidget(), Qt::Key_Tab);
      seen += Line("Tab", d.focusWidget()->objectName());
    }
    Type(d, "LeftEdit", "1,57");
    Type(d, "RightEdit", "10");
    Type(d, "BottomEdit", "2.5");
    seen += Line(Text(d, "LeftEdit"), Text(d, "RightEdit"), Text(d, "BottomEdit"));
    Click(d, "OKBtn");
  });
  Click(dlg, "MarginsBtn");
  margins();
  desk.AnswerDialog("PageSetupDialog1", mrOk, [&](QDialog& d) {
    seen += Line(Text(d, "LeftEdit"), Text(d, "TopEdit"), Text(d, "RightEdit"), Text(d, "BottomEdit"));
    Type(d, "TopEdit", "0,19");
    Click(d, "OKBtn");
  });
  Click(dlg, "MarginsBtn");
  margins();
  desk.AnswerDialog("PageSetupDialog1", mrCancel, [&](QDialog& d) { Type(d, "LeftEdit", "5"); });
  Click(dlg, "MarginsBtn");
  margins();
  desk.AnswerDialog("PageSetupDialog1", mrCancel, [&](QDialog& d) {
    Type(d, "LeftEdit", "1000");
    Click(d, "OKBtn");
    seen += Line(d.isVisible(), d.focusWidget()->objectName());
  });
  Click(dlg, "MarginsBtn");
  margins();
  // Without a printer the page is A4, 210 by 297 mm: margins that meet or
  // cross on it are refused with one box each time, the dialog staying open
  // with the focus in the first field of the pair and every entry kept; a
  // hundredth less passes.
  desk.NoPrinter();
  desk.AnswerDialog("PageSetupDialog1", mrCancel, [&](QDialog& d) {
    const std::vector<std::vector<std::pair<const char*, const char*>>> tries = {
        {{"TopEdit", "999,90"}},
        {{"TopEdit", "148,5"}, {"BottomEdit", "148,5"}},
        {{"LeftEdit", "105"}, {"RightEdit", "105"}},
        {{"RightEdit", "104,99"}},
        {{"BottomEdit", "148.49"}}};
    for (const auto& entries : tries) {
      for (auto [field, typed] : entries) Type(d, field, typed);
      Click(d, "OKBtn");
      seen += Line(d.isVisible(), d.focusWidget()->objectName(), Text(d, "LeftEdit"), Text(d, "TopEdit"),
                   Text(d, "RightEdit"), Text(d, "BottomEdit"));
    }
  });
  Click(dlg, "MarginsBtn");
  margins();
  EXPECT_TRUE(desk.Used());
  ExpectSeen(seen + desk.Transcript(), "print-dialog.txt");
}

// The form "Seitenränder einstellen" keeps its spin edits of whole
// millimetres: it shows hundredths cut to millimetres, gives back what the
// user left alone as it was and takes no negative margin.
TEST_F(PrintDialog, PageMarginsFormKeepsItsWholeMillimetres) {
  ScriptedDesktop desk;
  TRaenderDlg form;
  form.SetMargins({1570, 1500, 1500, 250});
  std::string seen;
  desk.Run(form, [&](QDialog& d) {
    seen = Line(d.windowTitle(), Child<QGroupBox>(d, "GroupBox1")->title(), d.focusWidget()->objectName());
    for (const char* name : {"LeftSE", "TopSE", "RightSE", "BottomSE"}) {
      auto* edit = Child<QSpinBox>(d, name);
      for (QLabel* label : d.findChildren<QLabel*>())
        if (label->buddy() == edit) seen += Line(label->text(), edit->value());
    }
    Child<QSpinBox>(d, "TopSE")->setValue(12);
    Child<QSpinBox>(d, "BottomSE")->setValue(-5);  // no negative margin
    Click(d, "OKBtn");
  });
  const PageMargins m = form.Margins();
  ExpectSeen(seen + Line(m.left, m.top, m.right, m.bottom), "print-dialog.txt");
}

// A desktop without a printer, while the program's printer holds A5 across:
// "OK" on the results and on the certificates and the preview's "Drucken"
// each say "Printer driver error (no handle)." once through the program's
// error routine (each click a command of its own, although the main
// window's command that opened the dialog still runs), print nothing and
// leave the dialog open; "Ansicht" and "PDF..." lay the report out on A4
// upright.
TEST_F(PrintDialog, WithoutAPrinterPrintingSaysSoOnceAndPreviewAndPdfWorkOnA4) {
  ScriptedDesktop desk;
  desk.NoPrinter();
  const TPdfOptions saved = PdfExportInfo;
  TempFile printed(".pdf"), written(".pdf");
  QPrinter& printer = CurrentPrinter();
  const auto format = printer.outputFormat();
  const QPageLayout layout = printer.pageLayout();
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(printed.Path()));
  printer.setPageSize(QPageSize(QPageSize::A5));
  printer.setPageOrientation(QPageLayout::Landscape);

  std::string seen;
  auto after = [&](const QDialog& d, const char* what) {
    seen += Line(what, d.isVisible(), dlg.Job()->PageSize.Width, dlg.Job()->PageSize.Height);
  };
  desk.AnswerDialog("TDruckenDlg", mrCancel, [&](QDialog& d) {
    Click(d, "OKBtn");
    after(d, "OK");
    QTest::mouseClick(Child<RadioGroup>(d, "RadioGroup1")->Button(5), Qt::LeftButton);  // "Urkunden"
    Click(d, "OKBtn");
    after(d, "OK Urkunden");
    QTest::mouseClick(Child<RadioGroup>(d, "RadioGroup1")->Button(0), Qt::LeftButton);
    Click(d, "PreviewBtn");
    after(d, "Ansicht, Drucken");
    Click(d, "PDFBtn");
    after(d, "PDF...");
  });
  desk.AnswerDialog("TPreviewForm", mrCancel, [&](QDialog& p) {
    seen += Line(Text(p, "InfoLabel").substr(0, Text(p, "InfoLabel").find(')') + 1));
    Click(p, "PrintBtn");
  });
  desk.AnswerFile(QString::fromStdString(written.Path()));
  desk.AnswerDialog("TOptPDFDlg", mrOk);
  int result = mrNone;
  {
    CommandScope filePrint;  // the main window's File > Print, open while the dialog is
    result = TheDesktop().RunModal(dlg);
  }
  printer.setOutputFileName(QString());
  printer.setOutputFormat(format);
  printer.setPageLayout(layout);
  PdfExportInfo = saved;

  const std::string info = Output("pdfinfo " + written.Path());
  const size_t size = info.find("Page size:");
  seen += Line(result == mrOk, std::filesystem::exists(printed.Path()),
               size == std::string::npos ? "" : info.substr(size, info.find('\n', size) - size));
  EXPECT_TRUE(desk.Used());
  ExpectSeen(seen + S(QString::fromStdString(desk.Transcript()).replace(QString::fromStdString(written.Path()), "$PDF")),
             "print-dialog.txt");
}

TEST_F(PrintDialog, PageFromThePrinterTurnedForLandscapeAndA4WhenItsSizeIsUnknown) {
  QPrinter none;
  TYrPrinterInfos info(none);
  for (const QStringList& c : DataRows("printer-pages.txt")) {
    info.PaperWidth = c[1].toInt();
    info.PaperLength = c[2].toInt();
    info.Orientation = c[3].toInt();
    const TPageSize page = TDruckenDlg::PrinterPageSize(info, c[0] == "ja");
    EXPECT_EQ(std::pair(page.Width, page.Height), std::pair(c[4].toInt(), c[5].toInt())) << S(c.join(" | "));
  }
}

TEST_F(PrintDialog, ThePreviewsPrintButtonPrintsOnThePrintersPaperAndClosesTheDialog) {
  ScriptedDesktop desk;
  TempFile out(".pdf");
  QPrinter& printer = CurrentPrinter();
  const auto format = printer.outputFormat();
  const QPageLayout layout = printer.pageLayout();
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(out.Path()));
  printer.setPageSize(QPageSize(QPageSize::A5));
  printer.setPageOrientation(QPageLayout::Landscape);

  int pages = 0;
  desk.AnswerDialog("TDruckenDlg", mrCancel, [](QDialog& d) { Click(d, "PreviewBtn"); });
  desk.AnswerDialog("TPreviewForm", mrCancel, [](QDialog& d) { Click(d, "PrintBtn"); });
  desk.AnswerPrint([&](PrintRequest& r) {
    pages = r.maxPage;
    return true;
  });
  const int result = TheDesktop().RunModal(dlg);
  const std::string text = Output("pdftotext -layout " + out.Path() + " -");
  printer.setOutputFileName(QString());
  printer.setOutputFormat(format);
  printer.setPageLayout(layout);

  EXPECT_NE(text.find("Disziplinenergebnis"), std::string::npos) << text;
  EXPECT_TRUE(desk.Used());
  EXPECT_EQ(pages, dlg.Job()->Report()->PageCount());
  ExpectSeen(Line(result == mrOk, dlg.Job()->PageSize.Width, dlg.Job()->PageSize.Height) + desk.Transcript(),
             "print-dialog.txt");
}

// Landscape chosen in Qt's print dialog ("&Eigenschaften", its page "Seite",
// "Querformat") for a report of two upright pages: the CUPS-PDF queue
// (PrintQueue.h) gets the report laid out again across, every row and footer
// on its page as the PDF device writes the same report. The footers' time
// stands still and the job's file is told from earlier ones: the queue's
// folder may hold the same report printed by another run in another second.
TEST_F(PrintDialog, LandscapeChosenInQtsPrintDialogPrintsTheReportLaidOutAcross) {
  const QPrinterInfo queue = printqueue::Queue();
  if (queue.isNull()) GTEST_SKIP() << "no CUPS-PDF print queue (tools/cups.sh)";
  const printqueue::FixedClock clock;
  QPrinter& printer = CurrentPrinter();
  const QString before = printer.printerName();
  const QPageLayout layout = printer.pageLayout();
  printer.setPrinterName(queue.printerName());
  const auto many = Jugend(1, 70);
  dlg.Setup(*many, 0, 0, 0, 0);
  const int upright = dlg.BuildDocument()->PageCount();
  QTimer::singleShot(0, [] {
    QWidget* print = QApplication::activeModalWidget();
    QTimer::singleShot(0, [] {  // the printer's properties open at their page "Seite"
      QWidget* properties = QApplication::activeModalWidget();
      QTest::mouseClick(Child<QRadioButton>(*properties, "landscape"), Qt::LeftButton, {}, QPoint(8, 8));  // its circle
      properties->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    QTest::mouseClick(Child<QPushButton>(*print, "properties"), Qt::LeftButton);
    print->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
  });
  const std::set<std::string> earlier = printqueue::Files();
  Click(dlg, "OKBtn");
  printer.setPrinterName(before);
  printer.setPageLayout(layout);
  const TAusdruck& across = *dlg.Job()->Report();
  TempFile direct(".pdf");
  EXPECT_TRUE(PrintDocToPdf(across, direct.Path(), 2970, 2100, nullptr));
  const std::string written = printqueue::JobFile("Vk_-_Ausdruck_des_Ergebnisses", across.PageCount(), earlier);
  EXPECT_EQ(std::tuple(upright, across.PageCount(), printqueue::PageTexts(written)),
            std::tuple(2, 3, printqueue::PageTexts(direct.Path())));
  std::filesystem::remove(written);
}

// The desktop's own dialogs behind "PDF..." and "&Drucker...": the save
// dialog opens at about 900 by 600 pixels within the screen with every
// column whole; the printer set-up, confirmed with "OK", chooses printer,
// paper and orientation for the printouts that follow.
TEST_F(PrintDialog, SaveDialogWithEveryColumnWholeAndPrinterSetupWithOK) {
  QPrinter& printer = CurrentPrinter();
  const QPageLayout layout = printer.pageLayout();
  const QString before = printer.printerName();
  std::ofstream("Spalten.pdf") << std::string(25000, 'x');  // Qt's own size column shows "24....KiB"
  Texts seen;
  auto answer = [&] {
    QWidget* w = QApplication::activeModalWidget();
    if (auto* d = qobject_cast<QFileDialog*>(w)) {
      seen.push_back(std::to_string(d->width()) + "x" + std::to_string(d->height()));
      const QAbstractItemView* files = Child<QTreeView>(*d, "treeView");  // column hints are public here
      const QHeaderView* header = Child<QTreeView>(*d, "treeView")->header();
      EXPECT_TRUE(QTest::qWaitFor([&] { return files->model()->rowCount(files->rootIndex()) > 0; }));
      for (int i = 0; i < header->count(); ++i)
        if (header->sectionSize(i) < std::max(files->sizeHintForColumn(i), header->sectionSizeHint(i)))
          seen.push_back("column " + std::to_string(i) + " cut");
      d->reject();
    } else if (w && w->objectName() == "PrinterSetupDlg") {
      seen.push_back(w->windowTitle().toStdString());
      seen.push_back(Child<QComboBox>(*w, "NameCB")->currentText().toStdString());
      for (const QAbstractButton* b : w->findChildren<QAbstractButton*>()) seen.push_back(b->text().toStdString());
      QTest::keyClicks(Child<QComboBox>(*w, "PaperCB"), "A5");
      QTest::mouseClick(Child<QRadioButton>(*w, "LandscapeRB"), Qt::LeftButton);
      Click(*w, "OKBtn");
    }
  };
  QTimer::singleShot(0, answer);
  Click(dlg, "PDFBtn");
  std::filesystem::remove("Spalten.pdf");
  QTimer::singleShot(0, answer);
  Click(dlg, "PrinterSetupBtn");
  const QPageLayout chosen = printer.pageLayout();
  const std::string name = printer.printerName().toStdString();
  printer.setPrinterName(before);
  printer.setPageLayout(layout);
  const QSize size = QSize(900, 600).boundedTo(QApplication::primaryScreen()->availableGeometry().size());
  EXPECT_EQ(std::tuple(seen, chosen.pageSize().id(), chosen.orientation()),
            std::tuple(Texts{std::to_string(size.width()) + "x" + std::to_string(size.height()),
                                                "Drucker einrichten", name, "&Hochformat", "&Querformat", "OK",
                                                "Abbrechen"},
                       QPageSize::A5, QPageLayout::Landscape));
}
