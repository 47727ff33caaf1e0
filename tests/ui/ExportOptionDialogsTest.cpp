// The option dialogs of the HTML, PDF and delimited-text exports: filled from
// their records and read back, what they show when opened again, the picture
// choice and opening the written PDF. (The text dialog's field chooser is
// not tested: the export does not read it.)

#include "OptHTML.h"
#include "OptPDF.h"
#include "Opttxt.h"
#include "UiTestSupport.h"

namespace {

auto Fields(const TExportHtmlOptions& o) {
  return std::tuple(o.TableForm, o.AgeClassLinks, o.DisciplineResults, o.BodyColour.Str(), o.BackgroundImage.Str());
}

auto Fields(const TExportTextOptions& o) {
  return std::tuple(o.ConvertToWindows, o.QuoteFields, o.DisciplineResults, o.IncludeAbsent, o.Separator, o.Quote,
                    o.HeaderLine);
}

auto Fields(const TPdfOptions& o) {
  return std::tuple(o.Title.Str(), o.Subject.Str(), o.Author.Str(), o.Keywords.Str(), o.Creator.Str(),
                    o.CreationDate.Str(), o.Producer.Str(), o.Compress);
}

// Runs the dialog through the desktop with `act`; true on OK.
template <typename Dlg>
bool RunOk(ScriptedDesktop& desk, Dlg& dlg, std::function<void(QDialog&)> act = {}) {
  desk.AnswerDialog(dlg.objectName().toStdString(), mrOk, std::move(act));
  return TheDesktop().RunModal(dlg) == mrOk;
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
  ASSERT_TRUE(RunOk(desk, filled));
  TExportHtmlOptions back;
  filled.GetHtmlOptions(back);
  EXPECT_EQ(Fields(back), Fields(chosen));

  TOptHTMLDlg dlg;
  desk.AnswerFile("/tmp/Bilder/Fotos/Becken.GIF", 4);
  ASSERT_TRUE(RunOk(desk, dlg, [](QDialog& d) { Click(d, "Button1"); }));
  dlg.GetHtmlOptions(back);
  TExportHtmlOptions expected = PresetHtmlOptions();
  expected.BackgroundImage = "Becken.GIF";
  EXPECT_EQ(std::tuple(Fields(back), desk.asked.back().what, desk.asked.back().name),
            std::tuple(Fields(expected), "open", TOptHTMLDlg::PictureFilter().toStdString()));
}

TEST(ExportOptionDialogs, TextOptionsReadBackInTheFilesCodePage) {
  ScriptedDesktop desk;
  struct Case {
    bool windows;
    char separator, quote;
    const char* shown;
  };
  const Case cases[] = {{false, '\t', '\'', "{TAB}"}, {true, ' ', '*', "{LEER}"},
                        {true, '\xA7', '"', "§"},     {false, '\xF5', '"', "§"}};
  for (const Case& c : cases) {
    TExportTextOptions chosen;
    chosen.ConvertToWindows = c.windows;
    chosen.IncludeAbsent = true;
    chosen.Separator = c.separator;
    chosen.Quote = c.quote;
    TOptTXTDlg dlg;
    dlg.SetTextOptions(chosen);
    ASSERT_TRUE(RunOk(desk, dlg));
    TExportTextOptions back;
    dlg.GetTextOptions(back);
    EXPECT_EQ(std::tuple(Fields(back), Child<QComboBox>(dlg, "ComboBox1")->currentText().toStdString()),
              std::tuple(Fields(chosen), c.shown));
  }
}

// Typed over from the preset; an emptied quote field gives the preset quote,
// never a NUL byte between the cells.
TEST(ExportOptionDialogs, TextOptionsAsChosenAndAnEmptiedQuoteIsThePreset) {
  ScriptedDesktop desk;
  TOptTXTDlg dlg;
  ASSERT_TRUE(RunOk(desk, dlg, [](QDialog& d) {
    Click(d, "RadioGroup1_0");
    Child<QComboBox>(d, "ComboBox1")->setCurrentIndex(4);  // "{TAB}"
    Child<QComboBox>(d, "ComboBox2")->lineEdit()->clear();
    Click(d, "CheckBox4");
  }));
  TExportTextOptions chosen, expected = PresetTextOptions();
  dlg.GetTextOptions(chosen);
  expected.ConvertToWindows = false;
  expected.Separator = '\t';
  expected.IncludeAbsent = true;
  EXPECT_EQ(Fields(chosen), Fields(expected));
}

TEST(ExportOptionDialogs, PdfInfoReopensWithWhatWasTypedAndOpensTheFile) {
  ScriptedDesktop desk;
  const TPdfOptions saved = PdfExportInfo;
  // A subject longer than what can be typed, as the results export makes it.
  PdfExportInfo.Subject = Utf8ToAnsi(std::string(80, 'x') + " - Mannschaftswettbewerb");
  TOptPDFDlg first;
  first.SetPDFInfo(PdfExportInfo);
  ASSERT_TRUE(RunOk(desk, first, [](QDialog& d) {
    Type(d, "Edit1", "Bezirksmeisterschaft Süd");
    Type(d, "Edit4", "Ergebnisse, Rettungssport");
    QTest::keyClicks(Child<QLineEdit>(d, "Edit3"), QString(75, u'a'));  // 80 characters are taken
    Click(d, "CheckBox1");
  }));
  TPdfOptions expected = PdfExportInfo;
  first.GetPDFInfo(PdfExportInfo);
  expected.Title = Utf8ToAnsi("Bezirksmeisterschaft Süd");
  expected.Keywords = "Ergebnisse, Rettungssport";
  expected.Author = "Veranstalter" + std::string(68, 'a');
  expected.Compress = true;
  TOptPDFDlg second;
  second.SetPDFInfo(PdfExportInfo);
  ASSERT_TRUE(RunOk(desk, second));
  TPdfOptions again = PdfExportInfo;
  second.GetPDFInfo(again);
  second.OpenPDF("/tmp/Ergebnisse Süd.pdf");
  PdfExportInfo = saved;
  EXPECT_EQ(std::tuple(Fields(again), Text(second, "Edit1"),
                       desk.asked.back().what, desk.asked.back().text),
            std::tuple(Fields(expected), "Bezirksmeisterschaft Süd", "shell open", "/tmp/Ergebnisse Süd.pdf"));
}
