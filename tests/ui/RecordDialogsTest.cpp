#include <cstdio>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QTabBar>
#include <QtTest/QTest>

#include "DialogTestData.h"
#include "OemText.h"
#include "QtTestApp.h"
#include "ScriptedDesktop.h"
#include "VkWGld.h"
#include "VkWRDat.h"
#include "VkWRek.h"
#include "YrStream.h"

namespace {

std::string Text(QWidget& w, const char* name) {
  if (auto* l = w.findChild<QLabel*>(name)) return l->text().toStdString();
  return w.findChild<QLineEdit*>(name)->text().toStdString();
}

QString WriteFile(const TWettkampf& c, const char* name) {
  const QString path = QDir::temp().filePath(QStringLiteral("%1-%2").arg(QCoreApplication::applicationPid()).arg(name));
  TYrStream s(QFile::encodeName(path).toStdString(), stCreate);
  c.Store(s);
  return path;
}

}  // namespace

TEST(RecordDialogs, RecordEnteredTakenOverFromAFileAndDeleted) {
  ScriptedDesktop desk;
  auto c = MakeCompetition();
  c->UpdateRecords();
  TRekordeDlg dlg;
  dlg.SetWettkampf(c.get());
  dlg.SetItemIndex(1);
  TAltersklasse& boys = *c->At(1);
  std::vector<std::string> shown;
  desk.AnswerDialog("TRekordDatenDlg", mrNone, [&](QDialog& d) {
    shown = {d.findChild<QGroupBox*>("GroupBox1")->title().toStdString(), Text(d, "ZeitLbl1"), Text(d, "AbzLbl1"),
             Text(d, "GesPktLbl"), Text(d, "MaskEdit1"), Text(d, "SpinEdit6")};
    SetText(d, "MaskEdit1", "12345");
    SetText(d, "SpinEdit1", "-3");
    SetText(d, "SpinEdit6", "4567,89");
    Click(d, "OKBtn");
  });
  Click(dlg, "AendernBtn");
  auto record = [&] {
    return std::tuple(boys.Rekord(1).RecordTime(), int16_t(boys.Rekord(1).RecordDeduction()),
                      boys.Overall().RecordTotal(), boys.Rekord(1).BestTime());
  };
  const auto entered = record();
  // 12:34,5 stays 12:34,5 through an untouched OK, and so does what the field cannot show.
  desk.AnswerDialog("TRekordDatenDlg", mrOk);
  Click(dlg, "AendernBtn");
  const auto untouched = record();
  TRekord r = boys.Rekord(1);
  r.SetRecordTime(75456);
  boys.SetRekord(1, r);
  desk.AnswerDialog("TRekordDatenDlg", mrOk);
  Click(dlg, "AendernBtn");
  const int32_t beyondTenths = boys.Rekord(1).RecordTime();

  auto other = MakeCompetition();
  TAltersklasse& otherBoys = *other->At(1);
  r = otherBoys.Rekord(1);
  r.SetRecordTime(2900);
  otherBoys.SetRekord(1, r);
  const QString good = WriteFile(*other, "records.erg");
  const QString bad = QDir::temp().filePath(QStringLiteral("%1-bad.erg").arg(QCoreApplication::applicationPid()));
  QFile f(bad);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write("kein Ergebnis") > 0);
  f.close();
  desk.AnswerFile(bad);
  Click(dlg, "UebernehmenBtn");
  const auto afterBad = record();
  desk.AnswerFile(good);
  Click(dlg, "UebernehmenBtn");
  const auto takenOver = record();
  desk.AnswerMessage(mrNo);
  Click(dlg, "LoeschenBtn");
  desk.AnswerMessage(mrYes);
  Click(dlg, "LoeschenBtn");
  std::remove(QFile::encodeName(good).constData());
  std::remove(QFile::encodeName(bad).constData());

  const std::string question =
      "Wollen Sie die gespeicherten Rekorddaten der Altersklasse Jugend (männlich) wirklich löschen?";
  EXPECT_EQ(shown, (std::vector<std::string>{"Bestleistungen der Ak Jugend (männlich)", "0:30,0", "0", "1000",
                                             "0:00,0", "0,00"}));
  using R = std::tuple<int32_t, int16_t, int32_t, int32_t>;
  EXPECT_EQ(std::tuple(entered, untouched, beyondTenths, afterBad, takenOver, record()),
            std::tuple(R{75450, -3, 456789, 3000}, R{75450, -3, 456789, 3000}, 75456, R{75456, -3, 456789, 3000},
                       R{2900, 0, 100000, 3000}, R{0, 0, 0, 3000}));
  EXPECT_EQ(desk.Messages(), (std::vector<std::string>{"Unbekanntes Ergebnisdateiformat.",
                                                       "Fehler beim Laden der Datei.", question, question}));
}

TEST(OrganisationDialog, TabsSortModesAndRename) {
  ScriptedDesktop desk;
  auto c = MakeCompetition();
  c->BuildGliederungen(TGliederungsListe::kByMedals);
  TGliederungenDlg dlg;
  dlg.SetWettkampf(c.get());
  auto* tabs = dlg.findChild<QTabBar*>("TabControl1");
  auto* list = dlg.findChild<QListWidget*>("ListBox1");
  const TGliederungsListe& orgs = c->Gliederungen();
  // Per tab: caption, sort mode, abbreviations in order, and heading and lines as the core writes them.
  auto view = [&] {
    std::string order;
    bool asCore = Text(dlg, "Label1") == OemToUtf8(orgs.ReportLine(orgs.SortMode(), 0));
    for (int i = 0; i < list->count(); ++i) {
      order += OemToUtf8(orgs.At(i)->Abk()) + " ";
      asCore = asCore && list->item(i)->text().toStdString() == OemToUtf8(orgs.ReportLine(orgs.SortMode(), i + 1));
    }
    return std::tuple(tabs->tabText(tabs->currentIndex()).toStdString(), int(orgs.SortMode()), order, asCore);
  };
  using V = std::tuple<std::string, int, std::string, bool>;
  std::vector<V> views{view()};
  for (int tab : {1, 2, 3}) {
    tabs->setCurrentIndex(tab);
    views.push_back(view());
  }
  EXPECT_EQ(views, (std::vector<V>{{"Medaillenspiegel", 1, "Köln Bonn Aach ", true},
                                   {"Gesamtpunkte", 3, "Köln Bonn Aach ", true},
                                   {"alphabetisch", 0, "Aach Bonn Köln ", true},
                                   {"Quendal-Pokalwertung", 4, "Köln Bonn Aach ", true}}));

  // Rename on the alphabetical tab; the new name shows in the line and after a change of tab.
  list->setCurrentRow(2);
  std::string preset;
  desk.AnswerDialog("InputBox", mrNone, [&](QDialog& d) {
    preset = d.windowTitle().toStdString() + " " + Text(d, "Edit1");
    SetText(d, "Edit1", "Köln-Süd");
    Click(d, "OKBtn");
  });
  tabs->setCurrentIndex(2);
  list->setCurrentRow(2);
  Click(dlg, "AendernBtn");
  const std::string line = list->item(2)->text().toStdString();
  tabs->setCurrentIndex(0);
  EXPECT_EQ(std::tuple(preset, orgs.At(0)->Name(), line.find("Köln-Süd") != std::string::npos,
                       list->item(0)->text().contains("Köln-Süd")),
            std::tuple("Gliederung eingeben Köln", Oem("Köln-Süd"), true, true));
}
