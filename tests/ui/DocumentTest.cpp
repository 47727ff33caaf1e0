#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include <QComboBox>
#include <QSpinBox>

#include "../output/WriterTestSupport.h"
#include "DialogTestData.h"
#include "NewCompetitionChoice.h"
#include "QtTestApp.h"
#include "ScriptedDesktop.h"
#include "VkExportOptions.h"
#include "VkFile.h"
#include "VkLoadSave.h"
#include "VkNeu.h"

namespace {

namespace fs = std::filesystem;
using Texts = std::vector<std::string>;

std::vector<std::string> ClassNames(const TWettkampf& w) {
  std::vector<std::string> names;
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

// Real files in a folder of each test's own, under the scripted desktop.
class DocumentTest : public ::testing::Test {
 protected:
  DocumentTest() : dir_(fs::temp_directory_path() / ("vkdocument-" + std::to_string(::getpid()))) {
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  // The export options and the buffer are the program's own; other tests expect them as a run starts.
  ~DocumentTest() override {
    fs::remove_all(dir_);
    PdfExportInfo = pdf_, ExportHtmlOptions = html_, ExportTextOptions = text_, ExportXlsVersion = 0;
    ParticipantBuffer = TTeilnehmer();
  }

  QString Path(const std::string& name) const { return QString::fromStdString((dir_ / name).string()); }

  // The dialog tests' competition, titled with umlauts, plus "AK 12m";
  // without classes for withClasses false.
  QString WriteCompetition(const std::string& name, bool withClasses = true) {
    auto w = withClasses ? MakeCompetition() : std::make_unique<TWettkampf>();
    if (withClasses) AddClass(*w, "AK 12m", false, 1995, 1996);
    TWettkampfDaten h = w->Header();
    h.SetTitle(Oem("Landesmeisterschaft Süd"));
    w->SetHeader(h);
    EXPECT_TRUE(SaveCompetition(Path(name).toStdString(), *w, 1));
    return Path(name);
  }

  ScriptedDesktop desk;
  fs::path dir_;
  const TPdfOptions pdf_ = PdfExportInfo;
  const TExportHtmlOptions html_ = ExportHtmlOptions;
  const TExportTextOptions text_ = ExportTextOptions;
};

TEST_F(DocumentTest, StartsAndRenewsWithTheChosenRuleSetUnnamedAndUnmodified) {
  TVkFile doc(nullptr, Path("fehlt.ERG"));
  EXPECT_EQ(desk.Messages(), (Texts{"Unbekanntes Ergebnisdateiformat.", "Fehler beim Laden der Datei."}));
  EXPECT_EQ(std::tuple(doc.FileName(), doc.Modified(), ClassNames(*doc.Competition())),
            std::tuple(TVkFile::Unnamed(), false, ClassNames(*NewCompetition(24, 2007))));
  ASSERT_TRUE(doc.PasteParticipant(doc.AgeClass(0)));
  ASSERT_TRUE(doc.Modified());

  doc.New(1, 2000);
  const TWettkampfDaten& h = doc.Competition()->Header();
  EXPECT_EQ(std::tuple(RuleSetCodeFor(1, 2000), doc.Competition()->IsIndividual(), h.Title(), h.Organiser(), h.Host(),
                       h.Date(), h.Venue(), doc.FileName(), doc.Modified()),
            std::tuple(1, false, std::string("neue Meisterschaft 2000"), std::string("-"), std::string("-"),
                       std::string("-"), std::string("-"), TVkFile::Unnamed(), false));
  EXPECT_EQ(ClassNames(*doc.Competition()), ClassNames(*NewCompetition(1, 2000)));
}

TEST_F(DocumentTest, SavedFileLoadsAndSavesToTheSameBytesUnderTheNameAsChosen) {
  TVkFile doc(nullptr, TVkFile::Unnamed());
  int changes = 0;
  QObject::connect(&doc, &TVkFile::Changed, [&changes] { ++changes; });
  ASSERT_TRUE(doc.PasteParticipant(doc.AgeClass(1)));
  const QString first = Path("Wettkampf Süd.ERG");
  EXPECT_TRUE(doc.SaveAs(first, TVkFile::kSaveResultFile));
  EXPECT_EQ(std::tuple(doc.FileName(), doc.Modified(), changes), std::tuple(first, false, 2));

  TVkFile again(nullptr, first);
  const QString second = Path("Zweite.Erg");
  EXPECT_TRUE(again.SaveAs(second, TVkFile::kSaveResultFile));
  EXPECT_EQ(std::tuple(again.FileName(), again.Modified()), std::tuple(second, false));
  const std::string bytes = Bytes(first);
  EXPECT_GT(bytes.size(), TWettkampf::kFileHeaderSize);
  EXPECT_TRUE(Bytes(second) == bytes);
  EXPECT_TRUE(desk.Messages().empty());
}

TEST_F(DocumentTest, SaveAsEveryFileTypeWritesWhatItsReaderAccepts) {
  const QString source = WriteCompetition("Quelle.ERG");
  TVkFile doc(nullptr, source);
  desk.AnswerDialog("TOptHTMLDlg", mrOk);
  desk.AnswerDialog("TOptPDFDlg", mrOk);
  desk.AnswerDialog("TOptTXTDlg", mrOk);
  const char* names[] = {"a.ERG", "a.DBF", "a.XLS", "a.HTM", "a.PDF", "a.CSV"};
  for (int index = 1; index <= 6; ++index) EXPECT_TRUE(doc.SaveAs(Path(names[index - 1]), index)) << index;
  EXPECT_EQ(std::tuple(doc.FileName(), doc.Modified()), std::tuple(Path("a.ERG"), false));

  EXPECT_EQ(LoadCompetition(Path("a.ERG").toStdString(), 1)->ParticipantCount(), 4);
  EXPECT_EQ(Bytes(Path("a.DBF")).substr(0, 1), "\x03");
  EXPECT_EQ(Bytes(Path("a.XLS")).substr(0, 2), std::string("\x09\x02", 2));
  EXPECT_EQ(Bytes(Path("a.HTM")).substr(0, 6), "<HTML>");
  const writer_test::ProcessResult csv = writer_test::RunPython(
      "import csv, sys\n"
      "rows = list(csv.reader(open(sys.argv[1], encoding='cp1252'), delimiter=';'))\n"
      "print(sum(1 for r in rows if 'Müller' in r))\n",
      {Path("a.CSV").toStdString()});
  EXPECT_EQ(csv.output, "1\n");
  const std::string info = writer_test::Run("pdfinfo " + Path("a.PDF").toStdString()).output;
  EXPECT_NE(info.find("Landesmeisterschaft Süd - Einzelwettbewerb"), std::string::npos) << info;
  Texts opened;
  for (const ScriptedDesktop::Asked& a : desk.asked)
    if (a.what == "shell open") opened.push_back(a.text);
  EXPECT_EQ(opened, Texts{Path("a.PDF").toStdString()});
  EXPECT_TRUE(desk.Used());
}

TEST_F(DocumentTest, AllFilesWritesAResultFileAndKeepsNameAndModifiedState) {
  const QString source = WriteCompetition("Quelle.ERG");
  TVkFile doc(nullptr, source);
  ASSERT_TRUE(doc.PasteParticipant(doc.AgeClass(0)));
  EXPECT_TRUE(doc.SaveAs(Path("Kopie.xyz"), TVkFile::kSaveAllFiles));
  EXPECT_EQ(std::tuple(doc.FileName(), doc.Modified()), std::tuple(source, true));
  EXPECT_EQ(LoadCompetition(Path("Kopie.xyz").toStdString(), 1)->ParticipantCount(), 5);
  // Cancel in an option dialog writes nothing.
  desk.AnswerDialog("TOptHTMLDlg", mrCancel);
  EXPECT_FALSE(doc.SaveAs(Path("b.HTM"), TVkFile::kSaveHtml));
  EXPECT_FALSE(fs::exists(Path("b.HTM").toStdString()));
}

TEST_F(DocumentTest, AFailedSaveKeepsNameAndModifiedStateAndOpensNoPdf) {
  const QString source = WriteCompetition("Quelle.ERG");
  TVkFile doc(nullptr, source);
  ASSERT_TRUE(doc.PasteParticipant(doc.AgeClass(0)));
  std::ofstream(Path("Datei").toStdString()) << "keine Mappe";
  desk.AnswerDialog("TOptPDFDlg", mrOk);
  EXPECT_FALSE(doc.SaveAs(Path("Datei/Neu.ERG"), TVkFile::kSaveResultFile));
  EXPECT_FALSE(doc.SaveAs(Path("Datei/Neu.PDF"), TVkFile::kSavePdf));
  EXPECT_EQ(std::tuple(doc.FileName(), doc.Modified(), desk.Messages()),
            std::tuple(source, true, Texts{"Fehler beim Speichern der Datei.", "Fehler beim Speichern der Datei."}));
  for (const ScriptedDesktop::Asked& a : desk.asked) EXPECT_NE(a.what, "shell open");
}

TEST_F(DocumentTest, UnnamedSaveCancelledOrFailedKeepsTheDocumentModified) {
  TVkFile doc(nullptr, TVkFile::Unnamed());
  ASSERT_TRUE(doc.PasteParticipant(doc.AgeClass(0)));
  desk.CancelFile();
  EXPECT_FALSE(doc.Save());
  EXPECT_EQ(std::tuple(desk.asked[0].what, desk.asked[0].caption, desk.asked[0].filterIndex),
            std::tuple(std::string("save"), std::string("Wettkampf speichern unter"), 1));
  // The close query: Cancel, Yes with the save dialog cancelled, Yes with a
  // failed save keep the window open; No lets it close.
  std::ofstream(Path("Datei").toStdString()) << "keine Mappe";
  desk.AnswerMessage(mrCancel);
  desk.AnswerMessage(mrYes);
  desk.CancelFile();
  desk.AnswerMessage(mrYes);
  desk.AnswerFile(Path("Datei/x.ERG"), 1);
  desk.AnswerMessage(mrNo);
  EXPECT_EQ((std::vector<bool>{doc.ModifiedQueryOk(), doc.ModifiedQueryOk(), doc.ModifiedQueryOk(),
                               doc.ModifiedQueryOk()}),
            (std::vector<bool>{false, false, false, true}));
  EXPECT_EQ(std::tuple(doc.FileName(), doc.Modified()), std::tuple(TVkFile::Unnamed(), true));
  EXPECT_EQ(desk.Messages()[0], "Die Datei ´<unbenannt>´ wurde geändert. Speichern?");
  EXPECT_EQ(desk.Messages()[3], "Fehler beim Speichern der Datei.");
}

TEST_F(DocumentTest, MergesASecondResultFileAfterEmptyingTheSelection) {
  TVkFile doc(nullptr, WriteCompetition("Quelle.ERG"));
  const QString other = WriteCompetition("Andere.ERG");
  doc.Competition()->SetAllMarks(true);
  doc.Competition()->SelectMarked();
  desk.AnswerDialog("THinzufuegenDlg", mrOk,
                    [](QDialog& d) { d.findChild<QComboBox*>("ComboBox1")->setEditText("Bonn"); });
  EXPECT_TRUE(doc.Import(other, TVkFile::kImportResultFile));
  const TAltersklasse& boys = *ClassNamed(doc, "Jugend (männlich)");
  int bonn = 0;
  for (int i = 0; i < boys.GetCount(); ++i) bonn += boys.At(i)->Gliederung() == "Bonn";
  // Four merged, one of them from Bonn before.
  EXPECT_EQ(std::tuple(boys.GetCount(), bonn, doc.Competition()->Selection().GetCount(), doc.Modified()),
            std::tuple(8, 5, 0, true));
}

// Needs the load dispatch's participant import (format code 5).
TEST_F(DocumentTest, ImportsParticipantsFromATextFile) {
  TVkFile doc(nullptr, WriteCompetition("Quelle.ERG"));
  std::ofstream(Path("Liste.txt").toStdString(), std::ios::binary)
      << "Kopf\r\n;AK 12;m;M\xFCller;Max;1995;dlrg;1:05,4;;0\r\n";
  EXPECT_TRUE(doc.Import(Path("Liste.txt"), TVkFile::kImportText));
  const TAltersklasse& ak = *ClassNamed(doc, "AK 12m");
  ASSERT_EQ(ak.GetCount(), 1);
  EXPECT_EQ(std::tuple(ak.At(0)->Name(true), ak.At(0)->Gliederung(), ak.At(0)->Time(1), doc.Modified()),
            std::tuple(Oem("Müller"), std::string("DLRG"), 6540, true));
}

TEST_F(DocumentTest, DeletingAParticipantAsksAndEmptiesTheSelection) {
  TVkFile doc(nullptr, WriteCompetition("Quelle.ERG"));
  TAltersklasse* boys = ClassNamed(doc, "Jugend (männlich)");
  doc.Competition()->SetAllMarks(true);
  doc.Competition()->SelectMarked();
  desk.AnswerMessage(mrNo);
  EXPECT_FALSE(doc.DeleteParticipant(boys->At(0), boys, true));
  EXPECT_EQ(std::tuple(boys->GetCount(), doc.Competition()->Selection().GetCount(), doc.Modified()),
            std::tuple(4, 4, false));
  desk.AnswerMessage(mrYes);
  EXPECT_TRUE(doc.DeleteParticipant(boys->At(0), boys, true));
  EXPECT_EQ(std::tuple(boys->GetCount(), doc.Competition()->Selection().GetCount(), doc.Modified()),
            std::tuple(3, 0, true));
  EXPECT_EQ(desk.Messages(), Texts(2, "Möchten Sie den Teilnehmer ´Müller, ´ löschen?"));
}

TEST_F(DocumentTest, OperationDialogsModifyOnOkOnlyAndThoseThatDisposeEmptyTheSelection) {
  TVkFile doc(nullptr, WriteCompetition("Quelle.ERG"));
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
  std::vector<std::tuple<bool, bool, int>> seen;
  for (const Case& c : cases) {
    doc.Competition()->SetAllMarks(true);
    doc.Competition()->SelectMarked();
    desk.AnswerDialog(c.dialog, c.answer);
    const bool ok = (doc.*c.run)();
    seen.emplace_back(ok, doc.Modified(), doc.Competition()->Selection().GetCount());
    doc.Competition()->Selection().DeleteAll();
  }
  using T = std::tuple<bool, bool, int>;
  EXPECT_EQ(seen, (std::vector<T>{T(false, false, 4), T(false, false, 4), T(false, false, 4), T(false, false, 4),
                                  T(false, false, 4), T(true, true, 0), T(true, true, 0)}));
}

TEST_F(DocumentTest, NewParticipantsAndClassesComeFromTheirDialogs) {
  TVkFile doc(nullptr, WriteCompetition("Quelle.ERG"));
  TAltersklasse* girls = ClassNamed(doc, "Jugend (weiblich)");
  desk.AnswerDialog("TTeilnehmerDlg", mrCancel);
  EXPECT_EQ(doc.NewParticipant(girls), nullptr);
  EXPECT_FALSE(doc.Modified());
  desk.AnswerDialog("TTeilnehmerDlg", mrOk, [](QDialog& d) { SetText(d, "NameEdit", "Jäger"); });
  TTeilnehmer* added = doc.NewParticipant(girls);
  ASSERT_NE(added, nullptr);
  TVkFile::CopyParticipant(added);
  EXPECT_TRUE(doc.PasteParticipant(girls));
  desk.AnswerDialog("TAltersklassenDatenDlg", mrOk);
  const TAltersklasse* copy = doc.NewAgeClass(girls);
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(std::tuple(girls->GetCount(), added->Name(true), added->IsFemale(), girls->At(1)->Name(true),
                       copy->Name(), copy->GetCount(), doc.Competition()->GetCount(), doc.Modified()),
            std::tuple(2, Oem("Jäger"), true, Oem("Jäger"), Oem("Jugend (weiblich) - neu"), 0, 5, true));
}

TEST_F(DocumentTest, CommandsOnTheCurrentClassDoNothingWithoutOne) {
  TVkFile doc(nullptr, WriteCompetition("Leer.ERG", false));
  TAltersklasse* none = doc.AgeClass(0);
  EXPECT_EQ(std::tuple(none, doc.PasteParticipant(none), doc.NewParticipant(none), doc.EditAgeClass(none),
                       doc.NewAgeClass(none), doc.DeleteAgeClass(none), doc.DeleteParticipant(nullptr, none, true),
                       doc.ChangeParticipant(nullptr, none), doc.EditParticipant(nullptr), doc.Modified()),
            std::tuple(nullptr, false, nullptr, false, nullptr, false, false, false, int(mrCancel), false));
  EXPECT_TRUE(desk.asked.empty());

  doc.New(8, 2007);
  while (doc.Competition()->GetCount() > 1) {
    desk.AnswerMessage(mrYes);
    ASSERT_TRUE(doc.DeleteAgeClass(doc.AgeClass(0)));
  }
  EXPECT_FALSE(doc.DeleteAgeClass(doc.AgeClass(0)));
  EXPECT_EQ(std::tuple(doc.Competition()->GetCount(), desk.Messages().back(), desk.asked.back().kind),
            std::tuple(1,
                       std::string("Ein Wettkampf muß mindestens aus einer Altersklasse bestehen. Sie können die "
                                   "letzte Altersklasse nicht löschen."),
                       MsgKind::Error));
}

TEST_F(DocumentTest, CopyDialogsReplaceTheCompetitionOnlyOnOk) {
  TVkFile doc(nullptr, WriteCompetition("Quelle.ERG"));
  TWettkampf* before = doc.Competition();
  int tab = 2;
  desk.AnswerDialog("TAltersklassenDlg", mrCancel);
  EXPECT_EQ(std::tuple(doc.EditAgeClasses(tab), doc.Competition(), tab, doc.Modified()),
            std::tuple(false, before, 2, false));
  desk.AnswerDialog("TAltersklassenDlg", mrOk, [](QDialog& d) { Click(d, "JahrgaengeBtn"); });
  desk.AnswerDialog("TJahrgaengeDlg", mrOk, [](QDialog& d) { d.findChild<QSpinBox*>("SpinEdit1")->setValue(1); });
  EXPECT_TRUE(doc.EditAgeClasses(tab));
  EXPECT_EQ(std::tuple(doc.Competition() != before, tab, ClassNamed(doc, "AK 12m")->FirstYear(), doc.Modified()),
            std::tuple(true, 2, 1996, true));
  doc.EditStaff();
  EXPECT_EQ(desk.Messages(), Texts{"Die Funktion steht leider noch nicht zur Verfügung."});
}

}  // namespace
