// The document on real files: new, save, load and export, the failures that
// must keep the name and the modified flag, merge and import, and the
// commands that empty the selection or have no class to work on. What a file
// holds is the save dispatch's business; here each file type must be passed
// on with its format code and options.

#include "NewCompetitionChoice.h"
#include "UiTestSupport.h"
#include "VkExportOptions.h"
#include "VkNeu.h"
#include "YrClock.h"

namespace {

namespace fs = std::filesystem;

Texts ClassNames(const TWettkampf& w) {
  Texts names;
  for (int i = 0; i < w.GetCount(); ++i) names.push_back(w.At(i)->Name());
  return names;
}

TAltersklasse* ClassNamed(TVkFile& doc, const std::string& name) {
  for (int i = 0; TAltersklasse* ak = doc.AgeClass(i); ++i)
    if (ak->Name() == Oem(name)) return ak;
  ADD_FAILURE() << "no class " << name;
  return nullptr;
}

// The export options are the program's own; other tests expect them as a run starts.
class DocumentTest : public FolderTest {
 protected:
  ~DocumentTest() override {
    PdfExportInfo = pdf_;
    ExportHtmlOptions = html_;
    ExportTextOptions = text_;
    ExportXlsVersion = 0;
  }
  const TPdfOptions pdf_ = PdfExportInfo;
  const TExportHtmlOptions html_ = ExportHtmlOptions;
  const TExportTextOptions text_ = ExportTextOptions;
};

TEST_F(DocumentTest, AMissingFileGivesANewUnnamedCompetitionAndNewRenewsIt) {
  TVkFile doc(nullptr, Path("fehlt.ERG"));
  // Whether the document holds the classes of `w`.
  auto classesOf = [&](std::unique_ptr<TWettkampf> w) { return ClassNames(*doc.Competition()) == ClassNames(*w); };
  std::string seen = Line(doc.FileName(), doc.Modified(), classesOf(NewCompetition(24, 2007)));
  ASSERT_TRUE(doc.PasteParticipant(doc.AgeClass(0)));
  seen += Line("pasted", doc.Modified());
  doc.New(1, 2000);
  seen += Line(doc.FileName(), doc.Modified(), classesOf(NewCompetitionFor(1, 2000)),
               doc.Competition()->Header().Title());
  ExpectSeen(seen + Transcript(), "document.txt");
}

// Each filter index writes what the save dispatch writes for its format
// code, with the export options as its option dialog leaves them (here
// untouched: the presets; the PDF's subject and author filled from the
// competition); Cancel there, another index and a failed write write
// nothing. Only the result file (index 1) gives the document its name and
// clears the modified flag; only a PDF written is opened.
TEST_F(DocumentTest, EachFilterIndexWritesWhatTheDispatchWritesForItsCode) {
  constexpr FormatCode kNothing{0};  // the document writes nothing
  TVkFile doc(nullptr, Write("Quelle.ERG"));
  ASSERT_TRUE(doc.PasteParticipant(doc.AgeClass(0)));
  const TYrClock clock = SetClock([] { return MakeDateTime(2007, 6, 16, 10, 30); });
  std::ofstream(Path("Datei").toStdString()) << "keine Mappe";
  auto written = [](const std::string& path) { return fs::exists(path) ? testdata::ReadFile(path) : "(none)"; };
  TPdfOptions before = DefaultPdfExportInfo();
  before.Subject = before.Author = "vorher";
  auto dispatched = [&](FormatCode code) {
    ExportHtmlOptions = PresetHtmlOptions();
    ExportTextOptions = PresetTextOptions();
    ExportXlsVersion = 0;
    PdfExportInfo = before;
    PdfExportInfo.Subject = Utf8ToAnsi("Landesmeisterschaft Süd - Einzelwettbewerb");
    PdfExportInfo.Author = Utf8ToAnsi("DLRG Landesverband Köln");
    fs::remove(dir_ / "expected");
    EXPECT_TRUE(code == kNothing || SaveCompetition(dir_ / "expected", *doc.Competition(), code));
    return written(dir_ / "expected");
  };
  using F = FormatCode;
  using V = TVkFile;
  const struct { int index; const char* dialog; int answer; const char* name; FormatCode code; } cases[] = {
      {V::kSaveDbf, nullptr, 0, "a.DBF", F::Dbf},          {V::kSaveXls, nullptr, 0, "a.XLS", F::Xls},
      {V::kSaveHtml, "TOptHTMLDlg", mrOk, "a.HTM", F::Html}, {V::kSaveHtml, "TOptHTMLDlg", mrCancel, "b.HTM", kNothing},
      {V::kSavePdf, "TOptPDFDlg", mrOk, "a.PDF", F::Pdf},   {V::kSavePdf, "TOptPDFDlg", mrOk, "Datei/a.PDF", kNothing},
      {V::kSaveText, "TOptTXTDlg", mrOk, "a.CSV", F::Text}, {V::kSaveAllFiles, nullptr, 0, "Kopie.xyz", F::ResultFile},
      {8, nullptr, 0, "c.ERG", kNothing},                   {V::kSaveResultFile, nullptr, 0, "Datei/a.ERG", kNothing},
      {V::kSaveResultFile, nullptr, 0, "Wettkampf Süd.ERG", F::ResultFile}};
  std::string seen;  // index, file, as dispatched, returned, the document's name, modified
  for (const auto& c : cases) {
    // Left from before: the document must set what it passes on.
    ExportHtmlOptions = {};
    ExportTextOptions = {};
    ExportXlsVersion = 2;
    PdfExportInfo = before;
    if (c.dialog) desk.AnswerDialog(c.dialog, c.answer);
    const bool ok = doc.SaveAs(Path(c.name), c.index);
    const bool asDispatched = written(dir_ / c.name) == dispatched(c.code);
    seen += Line(c.index, c.name, asDispatched, ok, InDir(doc.FileName()), doc.Modified());
  }
  SetClock(clock);
  EXPECT_TRUE(desk.Used());
  ExpectSeen(seen + Transcript(), "document.txt");
}

TEST_F(DocumentTest, UnnamedSaveCancelledOrFailedKeepsTheDocumentModifiedAndTheWindowOpen) {
  TVkFile doc(nullptr, TVkFile::Unnamed());
  ASSERT_TRUE(doc.PasteParticipant(doc.AgeClass(0)));
  desk.CancelFile();
  std::string seen = Line("saved", doc.Save());
  EXPECT_EQ(desk.asked[0].filterIndex, 1);
  // The close query: Cancel, Yes with the save dialog cancelled, Yes with a
  // failed save keep the window open; No lets it close.
  std::ofstream(Path("Datei").toStdString()) << "keine Mappe";
  desk.AnswerMessage(mrCancel);
  desk.AnswerMessage(mrYes);
  desk.CancelFile();
  desk.AnswerMessage(mrYes);
  desk.AnswerFile(Path("Datei/x.ERG"), 1);
  desk.AnswerMessage(mrNo);
  for (int i = 0; i < 4; ++i) seen += Line("may close", doc.ModifiedQueryOk());
  ExpectSeen(seen + Line(doc.FileName(), doc.Modified()) + Transcript(), "document.txt");
}

// A text import that adds nobody says so and leaves the document as it was;
// a participant list and a merged result file are added.
TEST_F(DocumentTest, ImportsAndMergesAndSaysWhenAnImportAddsNone) {
  TVkFile doc(nullptr, Write("Quelle.ERG"));
  const bool fromResultFile = doc.Import(Path("Quelle.ERG"), TVkFile::ImportKind::Text);
  std::string seen = Line("result file", fromResultFile, doc.Modified());
  std::ofstream(S(Path("Liste.txt")), std::ios::binary) << "Kopf\r\n;AK 12;m;M\xFCller;Max;1995;dlrg;1:05,4;;0\r\n";
  const bool fromList = doc.Import(Path("Liste.txt"), TVkFile::ImportKind::Text);
  seen += Line("list", fromList, ClassNamed(doc, "AK 12m")->GetCount(), doc.Modified());
  desk.AnswerDialog("THinzufuegenDlg", mrOk, [](QDialog& d) { Type(d, "ComboBox1", "Bonn"); });
  const bool merged = doc.Import(Write("Andere.ERG"), TVkFile::ImportKind::Merge);
  const TAltersklasse& boys = *ClassNamed(doc, "Jugend (männlich)");
  int bonn = 0;
  for (int i = 0; i < boys.GetCount(); ++i) bonn += boys.At(i)->Gliederung() == "Bonn";
  // Four merged, one of them from Bonn before.
  ExpectSeen(seen + Line("merged", merged, boys.GetCount(), bonn) + Transcript(), "document.txt");
}

// Each command's dialog: Cancel leaves the document as it was, OK modifies it;
// the lists of age classes and organisations edit a copy that replaces the
// competition, and the age classes' keep the tab.
TEST_F(DocumentTest, CommandsModifyOnOkOnly) {
  const QString file = Write("Quelle.ERG");
  auto ageClasses = [](TVkFile& doc) {
    int tab = 2;
    const bool ok = doc.EditAgeClasses(tab);
    EXPECT_EQ(tab, 2);
    return ok;
  };
  const std::pair<std::string, std::function<bool(TVkFile&)>> commands[] = {
      {"TLaufbesetzungDlg", &TVkFile::AssignHeats},        {"TZuruecksetzenDlg", &TVkFile::ResetResults},
      {"THLWLaufbesetzungDlg", &TVkFile::AssignCprHeats},  {"TWettkampfDatenDlg", &TVkFile::EditCompetitionData},
      {"TGliederungenDlg", &TVkFile::EditOrganisations},   {"TQualifikationDlg", &TVkFile::Qualify},
      {"TStreichenDlg", &TVkFile::StrikeParticipants},     {"TAltersklassenDlg", ageClasses}};
  std::vector<std::tuple<std::string, int, bool, bool, bool>> got, want;  // dialog, answer, ok, modified, replaced
  for (const auto& [dialog, run] : commands) {
    for (int answer : {mrCancel, mrOk}) {
      TVkFile doc(nullptr, file);
      const TWettkampf* before = doc.Competition();
      desk.AnswerDialog(dialog, answer);
      const bool ok = run(doc);
      got.emplace_back(dialog, answer, ok, doc.Modified(), doc.Competition() != before);
      const bool done = answer == mrOk;
      const bool copied = dialog == "TAltersklassenDlg" || dialog == "TGliederungenDlg";
      want.emplace_back(dialog, answer, done, done, done && copied);
    }
  }
  EXPECT_EQ(got, want);
}

TEST_F(DocumentTest, NewParticipantsAndClassesComeFromTheirDialogsAndADuplicateClassIsNotUsed) {
  TVkFile doc(nullptr, Write("Quelle.ERG"));
  TAltersklasse* girls = ClassNamed(doc, "Jugend (weiblich)");
  desk.AnswerDialog("TTeilnehmerDlg", mrCancel);
  const bool none = doc.NewParticipant(girls) == nullptr;
  std::string seen = Line("cancelled", none, doc.Modified());
  desk.AnswerDialog("TTeilnehmerDlg", mrOk, [](QDialog& d) { Type(d, "NameEdit", "Jäger"); });
  TTeilnehmer* added = doc.NewParticipant(girls);
  ASSERT_NE(added, nullptr);
  desk.AnswerDialog("TAltersklassenDatenDlg", mrOk);
  const TAltersklasse* copy = doc.NewAgeClass(girls);
  ASSERT_NE(copy, nullptr);
  seen += Line(FromOem(added->Name(true)), added->IsFemale(), FromOem(copy->Name()), doc.Competition()->GetCount());
  // The same name again: refused, and nothing points at the disposed class.
  desk.AnswerDialog("TAltersklassenDatenDlg", mrOk);
  const bool again = doc.NewAgeClass(girls) == nullptr;
  seen += Line("again", again, doc.Competition()->GetCount());
  ExpectSeen(seen + Transcript(), "document.txt");
}

TEST_F(DocumentTest, CommandsOnTheCurrentClassDoNothingWithoutOneAndADeletedClassIsAskedFor) {
  TVkFile doc(nullptr, Write("Leer.ERG", std::make_unique<TWettkampf>()));
  TAltersklasse* none = doc.AgeClass(0);
  EXPECT_EQ(std::tuple(none, doc.PasteParticipant(none), doc.NewParticipant(none), doc.EditAgeClass(none),
                       doc.DeleteAgeClass(none), doc.DeleteParticipant(nullptr, none, true),
                       doc.ChangeParticipant(nullptr, none), doc.EditParticipant(nullptr), doc.Modified()),
            std::tuple(nullptr, false, nullptr, false, false, false, false, int(mrCancel), false));
  EXPECT_TRUE(desk.asked.empty());

  doc.New(8, 2007);
  // No leaves the class and the modified flag.
  desk.AnswerMessage(mrNo);
  const bool deleted = doc.DeleteAgeClass(doc.AgeClass(0));
  std::string seen = Line("No", deleted, doc.Competition()->GetCount(), doc.Modified());
  while (doc.Competition()->GetCount() > 1) {
    desk.AnswerMessage(mrYes);
    ASSERT_TRUE(doc.DeleteAgeClass(doc.AgeClass(0)));
  }
  const bool last = doc.DeleteAgeClass(doc.AgeClass(0));
  seen += Line("last", last, doc.Competition()->GetCount());
  ExpectSeen(seen + Transcript(), "document.txt");
}

}  // namespace
