// The print dialog "Drucken" behind File > Print. The user chooses a report
// kind, its options and the age classes; the dialog builds the report through
// its print job and shows it in the preview, prints it, or writes it as a PDF
// file.
//
// Use (the main window):
//     TDruckenDlg dlg(owner);
//     dlg.TeilnehmerRadioGroup()->SetItemIndex(2);   // "alle Teilnehmer der Altersklasse"
//     dlg.TeilnehmerWasEdit()->setCurrentIndex(2);   // the third certificate layout
//     dlg.Setup(competition, currentTab, currentRow - 1, selectionTop - 1, selectionBottom - 1);
//     TheDesktop().RunModal(dlg);
// The dialog does its work while it is open: "OK" prints (and closes once
// printed; a paper or orientation chosen in the printer's dialog lays the
// report out again for it), "Ansicht" previews (the preview's "Drucken"
// prints as "OK" would), "PDF..." writes a file. When the desktop cannot
// reach the printer, printing says "Printer driver error (no handle)." once
// and the dialog stays open for "Ansicht" and "PDF...", which work without
// a printer. The modal result is mrOk after a printout, mrCancel otherwise;
// nothing needs to be read back.
//
// Report kinds, the items of RadioGroup1 in the order of TAusdruckArt: 0
// results, 1 qualification and start permission, 2 heat list, 3 CPR start
// list, 4 organisation statistics, and 5 the certificates ("Urkunden"),
// whose options are the page "Teilnehmer" of Notebook1 (page 6; page 5 is
// an empty page kept so that page numbers stay those of the kinds) with the
// certificate papers the reports name (kCertificateKinds). The tab "Altersklassen und
// Disziplinenwertung" shows only for results and qualification, which print
// the age classes chosen in ListBox1.
//
// Every build reads the current controls afresh and takes the page size from
// the program's printer (CurrentPrinter): its paper, turned for landscape;
// A4 portrait without a printer the desktop can reach or for a paper of
// unknown size. The margins are the job's, changed only through
// "&einrichten...", the desktop's page setup, which counts in hundredths of
// a millimetre where the job counts in tenths.
//
// Ownership: the dialog owns its print job and with it the last report; the
// competition is the caller's and must outlive the dialog. Building marks
// and unmarks the competition's age classes (the marks are the print job's
// way of choosing them) and empties its selection. Before Setup, preview,
// print, PDF and margins do nothing. GUI thread only.
#pragma once

#include <cstdint>
#include <memory>

#include "Druckauftrag.h"
#include "EdCtrl.h"

class QCheckBox;
class QComboBox;
class QListWidget;
class QStackedWidget;
class QTabWidget;
class RadioGroup;
class TWettkampf;
class TYrPrinterInfos;

class TDruckenDlg : public ValidatedDialog {
  Q_OBJECT

 public:
  explicit TDruckenDlg(QWidget* owner = nullptr);
  ~TDruckenDlg() override;

  // The certificate choices the main window presets before Setup: which
  // participants (0 current, 1 marked, 2 the age class, 3 all) and the
  // certificate layout (none chosen at first).
  RadioGroup* TeilnehmerRadioGroup() const { return certificateParticipants_; }
  QComboBox* TeilnehmerWasEdit() const { return certificatePaper_; }

  // Where the user stands: the competition, the current age class, the
  // current participant in it and the first and last marked participant
  // (indexes from 0). Makes a new print job (A4, margins 10 mm), shows the
  // tab "Auswahl", lists the age classes and selects them all.
  void Setup(TWettkampf& competition, int32_t ageClassIndex, int32_t participantIndex, int32_t fromIndex,
             int32_t toIndex);

  // Builds the report of the chosen kind from the current controls and
  // returns it (owned by the job, valid until the next build); nullptr
  // before Setup.
  const TAusdruck* BuildDocument();

  // The print job; nullptr before Setup.
  TDruckauftrag* Job() const { return job_.get(); }

  // The page of a printer in tenths of a millimetre: its paper, width and
  // length exchanged for landscape. A4 portrait (2100 by 2970) when no
  // printer was found or the paper's size is unknown (a side of 0).
  static TPageSize PrinterPageSize(const TYrPrinterInfos& info, bool found);

 private:
  // The job's page: the paper of the printer when one can print now (turned
  // for landscape), else A4 upright.
  void TakePageSize();
  void RadioGroup1Click();
  void AlleAKCBClick();
  void PreviewBtnClick();
  void OKBtnClick();
  void PrinterSetupBtnClick();
  void MarginsBtnClick();
  void PDFBtnClick();

  // The three tabs; the options tab holds a page per report kind (each from
  // its own builder) above the options every kind shares.
  QWidget* NewSelectionTab();
  QWidget* NewOptionsTab();
  QWidget* NewAgeClassTab();
  QWidget* NewOptionPage(const char* name);
  void NewResultOptions();
  void NewQualificationOptions();
  void NewHeatListOptions();
  void NewStatisticsOptions();
  void NewCertificateOptions();
  QWidget* NewGeneralOptions(QWidget* parent);
  bool Checked(const char* objectName) const;

  std::unique_ptr<TDruckauftrag> job_;
  // False until Setup has run: the build, preview and print do nothing.
  bool ready_ = false;

  // The controls by what they hold; their object names are the form's.
  QTabWidget* tabs_;                     // PageControl1
  QWidget* ageClassTab_;                 // TabSheet3
  RadioGroup* reportKind_;               // RadioGroup1
  QStackedWidget* optionPages_;          // Notebook1, one page per kind
  RadioGroup* statisticsForm_;           // StatistikRadioGroup
  RadioGroup* certificateParticipants_;  // TeilnehmerRadioGroup
  QComboBox* certificatePaper_;          // TeilnehmerWasEdit
  QListWidget* ageClassList_;            // ListBox1
  QCheckBox* allAgeClasses_;             // AlleAKCB
};
