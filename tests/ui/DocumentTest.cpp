// The document on real files: new, save, load and export, the failures that
// must keep the name and the modified flag, merge and import, and the
// commands that empty the selection or have no class to work on.

#include "../output/WriterTestSupport.h"
#include "NewCompetitionChoice.h"
#include "UiTestSupport.h"
#include "VkExportOptions.h"
#include "VkNeu.h"

namespace {

namespace fs = std::filesystem;
using Texts = std::vector<std::string>;

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

std::string Bytes(const QString& path) {
  std::ifstream in(path.toStdString(), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// The export options are the program's own; other tests expect them as a run starts.
class DocumentTest : public FolderTest {
 protected:
  ~DocumentTest() override {
    PdfExportInfo = pdf_, ExportHtmlOptions = html_, ExportTextOptions = text_, ExportXlsVersion = 0;
  }
  const TPdfOptions pdf_ = PdfExportInfo;
  const TExportHtmlOptions html_ = ExportHtmlOptions;
  const TExportTextOptions text_ = ExportTextOptions;
};

TEST_F(DocumentTest, AMissingFileGivesANewUnnamedCompetitionAndNewRenewsIt) {
  TVkFile doc(nullptr, Path("fehlt.ERG"));
  const auto atStart = std::tuple(desk.Messages(), doc.FileName(), doc.Modified(), ClassNames(*doc.Competition()));
  ASSERT_TRUE(doc.PasteParticipant(doc.AgeClass(0)));
  const bool pasted = doc.Modified();
  doc.New(1, 2000);
  EXPECT_EQ(std::tuple(atStart, pasted, doc.FileName(), doc.Modified(), ClassNames(*doc.Competition()),
                       doc.Competition()->Header().Title()),
            std::tuple(std::tuple(Texts{"Unbekanntes Ergebnisdateiformat.", "Fehler beim Laden der Datei."},
                                  TVkFile::Unnamed(), false, ClassNames(*NewCompetition(24, 2007))),
                       true, TVkFile::Unnamed(), false, ClassNames(*NewCompetitionFor(1, 2000)),
                       "neue Meisterschaft 2000"));
}

TEST_F(DocumentTest, NewSavedLoadedAndSavedAgainGivesTheSameBytesUnderTheNamesAsChosen) {
  TVkFile doc(nullptr, TVkFile::Unnamed());
  int changes = 0;
  QObject::connect(&doc, &TVkFile::Changed, [&changes] { ++changes; });
  ASSERT_TRUE(doc.PasteParticipant(doc.AgeClass(1)));
  EXPECT_TRUE(doc.SaveAs(Path("Wettkampf Süd.ERG"), TVkFile::kSaveResultFile));
  TVkFile again(nullptr, Path("Wettkampf Süd.ERG"));
  EXPECT_TRUE(again.SaveAs(Path("Zweite.Erg"), TVkFile::kSaveResultFile));
  const std::string bytes = Bytes(Path("Wettkampf Süd.ERG"));
  EXPECT_EQ(std::tuple(doc.FileName(), doc.Modified(), changes, again.FileName(), again.Modified(), desk.Messages(),
                       bytes.size() > TWettkampf::kFileHeaderSize, Bytes(Path("Zweite.Erg")) == bytes),
            std::tuple(Path("Wettkampf Süd.ERG"), false, 2, Path("Zweite.Erg"), false, Texts{}, true, true));
}

TEST_F(DocumentTest, SaveAsEveryFileTypeWritesWhatItsReaderAccepts) {
  TVkFile doc(nullptr, Write("Quelle.ERG"));
  desk.AnswerDialog("TOptHTMLDlg", mrOk);
  desk.AnswerDialog("TOptPDFDlg", mrOk);
  desk.AnswerDialog("TOptTXTDlg", mrOk);
  const char* names[] = {"a.ERG", "a.DBF", "a.XLS", "a.HTM", "a.PDF", "a.CSV"};
  for (int index = 1; index <= 6; ++index) EXPECT_TRUE(doc.SaveAs(Path(names[index - 1]), index)) << index;
  const std::string csv = writer_test::RunPython(
                              "import csv, sys\n"
                              "rows = list(csv.reader(open(sys.argv[1], encoding='cp1252'), delimiter=';'))\n"
                              "print(sum(1 for r in rows if 'Müller' in r))\n",
                              {Path("a.CSV").toStdString()})
                              .output;
  const std::string info = writer_test::Run("pdfinfo " + Path("a.PDF").toStdString()).output;
  EXPECT_NE(info.find("Landesmeisterschaft Süd - Einzelwettbewerb"), std::string::npos) << info;
  Texts opened;
  for (const ScriptedDesktop::Asked& a : desk.asked)
    if (a.what == "shell open") opened.push_back(a.text);
  const int loaded = LoadCompetition(Path("a.ERG").toStdString(), 1)->ParticipantCount();
  EXPECT_EQ(std::tuple(doc.FileName(), doc.Modified(), loaded,
                       Bytes(Path("a.DBF")).substr(0, 1), Bytes(Path("a.XLS")).substr(0, 2),
                       Bytes(Path("a.HTM")).substr(0, 6), csv, opened, desk.Used()),
            std::tuple(Path("a.ERG"), false, 4, "\x03", std::string("\x09\x02", 2), "<HTML>", "1\n",
                       Texts{Path("a.PDF").toStdString()}, true));
}

TEST_F(DocumentTest, AllFilesWritesAResultFileAndKeepsNameAndModifiedState) {
  const QString source = Write("Quelle.ERG");
  TVkFile doc(nullptr, source);
  ASSERT_TRUE(doc.PasteParticipant(doc.AgeClass(0)));
  EXPECT_TRUE(doc.SaveAs(Path("Kopie.xyz"), TVkFile::kSaveAllFiles));
  // Cancel in an option dialog writes nothing.
  desk.AnswerDialog("TOptHTMLDlg", mrCancel);
  EXPECT_FALSE(doc.SaveAs(Path("b.HTM"), TVkFile::kSaveHtml));
  const int copied = LoadCompetition(Path("Kopie.xyz").toStdString(), 1)->ParticipantCount();
  EXPECT_EQ(std::tuple(doc.FileName(), doc.Modified(), copied,
                       fs::exists(Path("b.HTM").toStdString())),
            std::tuple(source, true, 5, false));
}

TEST_F(DocumentTest, AFailedSaveKeepsNameAndModifiedStateAndOpensNoPdf) {
  const QString source = Write("Quelle.ERG");
  TVkFile doc(nullptr, source);
  ASSERT_TRUE(doc.PasteParticipant(doc.AgeClass(0)));
  std::ofstream(Path("Datei").toStdString()) << "keine Mappe";
  desk.AnswerDialog("TOptPDFDlg", mrOk);
  EXPECT_FALSE(doc.SaveAs(Path("Datei/Neu.ERG"), TVkFile::kSaveResultFile));
  EXPECT_FALSE(doc.SaveAs(Path("Datei/Neu.PDF"), TVkFile::kSavePdf));
  EXPECT_EQ(std::tuple(doc.FileName(), doc.Modified(), desk.Messages(), desk.asked.back().what),
            std::tuple(source, true, Texts(2, "Fehler beim Speichern der Datei."), "message"));
}

TEST_F(DocumentTest, UnnamedSaveCancelledOrFailedKeepsTheDocumentModifiedAndTheWindowOpen) {
  TVkFile doc(nullptr, TVkFile::Unnamed());
  ASSERT_TRUE(doc.PasteParticipant(doc.AgeClass(0)));
  desk.CancelFile();
  EXPECT_FALSE(doc.Save());
  EXPECT_EQ(std::tuple(desk.asked[0].what, desk.asked[0].caption, desk.asked[0].filterIndex),
            std::tuple("save", "Wettkampf speichern unter", 1));
  // The close query: Cancel, Yes with the save dialog cancelled, Yes with a
  // failed save keep the window open; No lets it close.
  std::ofstream(Path("Datei").toStdString()) << "keine Mappe";
  desk.AnswerMessage(mrCancel);
  desk.AnswerMessage(mrYes);
  desk.CancelFile();
  desk.AnswerMessage(mrYes);
  desk.AnswerFile(Path("Datei/x.ERG"), 1);
  desk.AnswerMessage(mrNo);
  std::vector<bool> mayClose;
  for (int i = 0; i < 4; ++i) mayClose.push_back(doc.ModifiedQueryOk());
  const std::string question = "Die Datei ´<unbenannt>´ wurde geändert. Speichern?";
  EXPECT_EQ(std::tuple(mayClose, doc.FileName(), doc.Modified(), desk.Messages()),
            std::tuple(std::vector<bool>{false, false, false, true}, TVkFile::Unnamed(), true,
                       Texts{question, question, question, "Fehler beim Speichern der Datei.", question}));
}

TEST_F(DocumentTest, MergesASecondResultFile) {
  TVkFile doc(nullptr, Write("Quelle.ERG"));
  desk.AnswerDialog("THinzufuegenDlg", mrOk,
                    [](QDialog& d) { d.findChild<QComboBox*>("ComboBox1")->setEditText("Bonn"); });
  EXPECT_TRUE(doc.Import(Write("Andere.ERG"), TVkFile::kImportResultFile));
  const TAltersklasse& boys = *ClassNamed(doc, "Jugend (männlich)");
  int bonn = 0;
  for (int i = 0; i < boys.GetCount(); ++i) bonn += boys.At(i)->Gliederung() == "Bonn";
  // Four merged, one of them from Bonn before.
  EXPECT_EQ(std::tuple(boys.GetCount(), bonn, doc.Modified()), std::tuple(8, 5, true));
}

TEST_F(DocumentTest, ImportsParticipantsFromATextFile) {
  TVkFile doc(nullptr, Write("Quelle.ERG"));
  std::ofstream(Path("Liste.txt").toStdString(), std::ios::binary)
      << "Kopf\r\n;AK 12;m;M\xFCller;Max;1995;dlrg;1:05,4;;0\r\n";
  EXPECT_TRUE(doc.Import(Path("Liste.txt"), TVkFile::kImportText));
  const TAltersklasse& ak = *ClassNamed(doc, "AK 12m");
  ASSERT_EQ(ak.GetCount(), 1);
  EXPECT_EQ(std::tuple(ak.At(0)->Name(true), ak.At(0)->Gliederung(), ak.At(0)->Time(1), doc.Modified()),
            std::tuple(Oem("Müller"), "DLRG", 6540, true));
}

TEST_F(DocumentTest, OperationDialogsModifyOnOkOnly) {
  TVkFile doc(nullptr, Write("Quelle.ERG"));
  struct Case {
    const char* dialog;
    bool (TVkFile::*run)();
    int answer;
  };
  const Case cases[] = {{"TLaufbesetzungDlg", &TVkFile::AssignHeats, mrCancel},
                        {"TZuruecksetzenDlg", &TVkFile::ResetResults, mrCancel},
                        {"THLWLaufbesetzungDlg", &TVkFile::AssignCprHeats, mrCancel},
                        {"TWettkampfDatenDlg", &TVkFile::EditCompetitionData, mrCancel},
                        {"TGliederungenDlg", &TVkFile::EditOrganisations, mrCancel},
                        {"TQualifikationDlg", &TVkFile::Qualify, mrOk},
                        {"TStreichenDlg", &TVkFile::StrikeParticipants, mrOk}};
  using T = std::tuple<bool, bool>;
  std::vector<T> seen;
  for (const Case& c : cases) {
    desk.AnswerDialog(c.dialog, c.answer);
    const bool ok = (doc.*c.run)();
    seen.emplace_back(ok, doc.Modified());
  }
  EXPECT_EQ(seen, (std::vector<T>{T(false, false), T(false, false), T(false, false), T(false, false), T(false, false),
                                  T(true, true), T(true, true)}));
}

TEST_F(DocumentTest, NewParticipantsAndClassesComeFromTheirDialogsAndADuplicateClassIsNotUsed) {
  TVkFile doc(nullptr, Write("Quelle.ERG"));
  TAltersklasse* girls = ClassNamed(doc, "Jugend (weiblich)");
  desk.AnswerDialog("TTeilnehmerDlg", mrCancel);
  const TTeilnehmer* none = doc.NewParticipant(girls);
  const auto cancelled = std::tuple(none, doc.Modified());
  desk.AnswerDialog("TTeilnehmerDlg", mrOk, [](QDialog& d) { SetText(d, "NameEdit", "Jäger"); });
  TTeilnehmer* added = doc.NewParticipant(girls);
  ASSERT_NE(added, nullptr);
  desk.AnswerDialog("TAltersklassenDatenDlg", mrOk);
  const TAltersklasse* copy = doc.NewAgeClass(girls);
  ASSERT_NE(copy, nullptr);
  const auto made = std::tuple(added->Name(true), added->IsFemale(), copy->Name(), doc.Competition()->GetCount());
  // The same name again: refused, and nothing points at the disposed class.
  desk.AnswerDialog("TAltersklassenDatenDlg", mrOk);
  const TAltersklasse* again = doc.NewAgeClass(girls);
  EXPECT_EQ(std::tuple(cancelled, made, again, doc.Competition()->GetCount(), desk.Messages()),
            std::tuple(std::tuple(nullptr, false), std::tuple(Oem("Jäger"), true, Oem("Jugend (weiblich) - neu"), 5),
                       nullptr, 5,
                       Texts{"Die Altersklasse Jugend (weiblich) - neu konnte nicht eingefügt werden (sie existiert "
                             "bereits)."}));
}

TEST_F(DocumentTest, CommandsOnTheCurrentClassDoNothingWithoutOneAndADeletedClassIsAskedFor) {
  TVkFile doc(nullptr, Write("Leer.ERG", std::make_unique<TWettkampf>()));
  TAltersklasse* none = doc.AgeClass(0);
  EXPECT_EQ(std::tuple(none, doc.PasteParticipant(none), doc.NewParticipant(none), doc.EditAgeClass(none),
                       doc.NewAgeClass(none), doc.DeleteAgeClass(none), doc.DeleteParticipant(nullptr, none, true),
                       doc.ChangeParticipant(nullptr, none), doc.EditParticipant(nullptr), doc.Modified()),
            std::tuple(nullptr, false, nullptr, false, nullptr, false, false, false, int(mrCancel), false));
  EXPECT_TRUE(desk.asked.empty());

  doc.New(8, 2007);
  // No leaves the class and the modified flag.
  const int classes = doc.Competition()->GetCount();
  desk.AnswerMessage(mrNo);
  const bool deletedOnNo = doc.DeleteAgeClass(doc.AgeClass(0));
  EXPECT_EQ(std::tuple(deletedOnNo, doc.Competition()->GetCount(), doc.Modified()), std::tuple(false, classes, false));
  while (doc.Competition()->GetCount() > 1) {
    desk.AnswerMessage(mrYes);
    ASSERT_TRUE(doc.DeleteAgeClass(doc.AgeClass(0)));
  }
  EXPECT_FALSE(doc.DeleteAgeClass(doc.AgeClass(0)));
  EXPECT_EQ(std::tuple(doc.Competition()->GetCount(), desk.Messages().back(), desk.asked.back().kind),
            std::tuple(1,
                       "Ein Wettkampf muß mindestens aus einer Altersklasse bestehen. Sie können die letzte "
                       "Altersklasse nicht löschen.",
                       MsgKind::Error));
}

TEST_F(DocumentTest, TheAgeClassListReplacesTheCompetitionOnlyOnOk) {
  TVkFile doc(nullptr, Write("Quelle.ERG"));
  TWettkampf* before = doc.Competition();
  int tab = 2;
  desk.AnswerDialog("TAltersklassenDlg", mrCancel);
  const bool cancelledOk = doc.EditAgeClasses(tab);
  const auto cancelled = std::tuple(cancelledOk, doc.Competition() == before, tab, doc.Modified());
  desk.AnswerDialog("TAltersklassenDlg", mrOk);
  const bool ok = doc.EditAgeClasses(tab);
  EXPECT_EQ(std::tuple(cancelled, ok, doc.Competition() == before, tab, doc.Modified()),
            std::tuple(std::tuple(false, true, 2, false), true, false, 2, true));
}

}  // namespace
