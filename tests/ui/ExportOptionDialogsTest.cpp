// The option dialogs of the HTML, PDF and delimited-text exports: filled from
// their records and read back, what they show when opened again, the picture
// choice and opening the written PDF. (The text dialog's field chooser is
// not tested: the export does not read it.)

#include "OptHTML.h"
#include "OptPDF.h"
#include "Opttxt.h"
#include "UiTestSupport.h"

namespace {

std::string Fields(const TExportHtmlOptions& o) {
  return Line(o.TableForm, o.AgeClassLinks, o.DisciplineResults, FromOem(o.BodyColour.Str()),
              FromOem(o.BackgroundImage.Str()));
}

std::string Fields(const TExportTextOptions& o) {
  return Line(o.ConvertToWindows, o.QuoteFields, o.DisciplineResults, o.IncludeAbsent, int(uint8_t(o.Separator)),
              int(uint8_t(o.Quote)), o.HeaderLine);
}

// The texts are in the Windows code page.
std::string Fields(const TPdfOptions& o) {
  return Line(AnsiToUtf8(o.Title.Str()), AnsiToUtf8(o.Subject.Str()), AnsiToUtf8(o.Author.Str()),
              AnsiToUtf8(o.Keywords.Str()), AnsiToUtf8(o.Creator.Str()), o.CreationDate.Str(), o.Producer.Str(),
              o.Compress);
}

}  // namespace

TEST(ExportOptionDialogs, HtmlOptionsReadBackAndTheNextOpeningShowsThePreset) {
  ScriptedDesktop desk;
  TExportHtmlOptions chosen;
  chosen.DisciplineResults = true;
  chosen.BodyColour = Oem("grün");
  chosen.BackgroundImage = Oem("Wellen Ä.GIF");
  TOptHTMLDlg filled;
  filled.SetHtmlOptions(chosen);
  ASSERT_EQ(desk.Run(filled), mrOk);
  TExportHtmlOptions back;
  filled.GetHtmlOptions(back);
  EXPECT_EQ(Fields(back), Fields(chosen));

  TOptHTMLDlg dlg;
  desk.AnswerFile("/tmp/Bilder/Fotos/Becken.GIF", 4);
  ASSERT_EQ(desk.Run(dlg, [](QDialog& d) { Click(d, "Button1"); }), mrOk);
  dlg.GetHtmlOptions(back);
  ExpectSeen(Fields(back) + desk.Transcript(), "export-option-dialogs.txt");
}

TEST(ExportOptionDialogs, TextOptionsReadBackInTheFilesCodePage) {
  ScriptedDesktop desk;
  for (const QStringList& c : DataRows("text-separators.txt")) {
    TExportTextOptions chosen;
    chosen.ConvertToWindows = c[0] == "ja";
    chosen.IncludeAbsent = true;
    chosen.Separator = char(c[1].toInt());
    chosen.Quote = char(c[2].toInt());
    TOptTXTDlg dlg;
    dlg.SetTextOptions(chosen);
    ASSERT_EQ(desk.Run(dlg), mrOk);
    TExportTextOptions back;
    dlg.GetTextOptions(back);
    EXPECT_EQ(std::tuple(Fields(back), Text(dlg, "ComboBox1")), std::tuple(Fields(chosen), S(c[3])));
  }
}

// Typed over from the preset; an emptied quote field gives the preset quote,
// never a NUL byte between the cells.
TEST(ExportOptionDialogs, TextOptionsAsChosenAndAnEmptiedQuoteIsThePreset) {
  ScriptedDesktop desk;
  TOptTXTDlg dlg;
  ASSERT_EQ(desk.Run(dlg, [](QDialog& d) {
    Click(d, "RadioGroup1_0");
    Child<QComboBox>(d, "ComboBox1")->setCurrentIndex(4);  // "{TAB}"
    Child<QComboBox>(d, "ComboBox2")->lineEdit()->clear();
    Click(d, "CheckBox4");
  }), mrOk);
  TExportTextOptions chosen;
  dlg.GetTextOptions(chosen);
  ExpectSeen(Fields(PresetTextOptions()) + Fields(chosen), "export-option-dialogs.txt");
}

TEST(ExportOptionDialogs, PdfInfoReopensWithWhatWasTypedAndOpensTheFile) {
  ScriptedDesktop desk;
  const TPdfOptions saved = PdfExportInfo;
  // A subject longer than what can be typed, as the results export makes it.
  PdfExportInfo.Subject = Utf8ToAnsi(std::string(80, 'x') + " - Mannschaftswettbewerb");
  PdfExportInfo.CreationDate = "D:20070616103000";
  TOptPDFDlg first;
  first.SetPDFInfo(PdfExportInfo);
  ASSERT_EQ(desk.Run(first, [](QDialog& d) {
    Type(d, "Edit1", "Bezirksmeisterschaft Süd");
    Type(d, "Edit4", "Ergebnisse, Rettungssport");
    QTest::keyClicks(Child<QLineEdit>(d, "Edit3"), QString(75, u'a'));  // 80 characters are taken
    Click(d, "CheckBox1");
  }), mrOk);
  std::string seen = Fields(PdfExportInfo);
  first.GetPDFInfo(PdfExportInfo);
  TOptPDFDlg second;
  second.SetPDFInfo(PdfExportInfo);
  ASSERT_EQ(desk.Run(second), mrOk);
  TPdfOptions again = PdfExportInfo;
  second.GetPDFInfo(again);
  second.OpenPDF("/tmp/Ergebnisse Süd.pdf");
  PdfExportInfo = saved;
  ExpectSeen(seen + Fields(again) + Line(Text(second, "Edit1")) + desk.Transcript(), "export-option-dialogs.txt");
}
