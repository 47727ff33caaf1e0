#include "VkWPrn.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QVBoxLayout>

#include "Desktop.h"
#include "DialogParts.h"
#include "Hints.h"
#include "OemText.h"
#include "OptPDF.h"
#include "RadioGroup.h"
#include "VkExportOptions.h"
#include "VkWMisc.h"
#include "VkWettk.h"
#include "YrPDPDF.h"
#include "YrPrev.h"
#include "YrPrnDev.h"
#include "YrPrnWin.h"

namespace {

constexpr char16_t kPdfFilter[] = u"PDF-Dateien (*.PDF)|*.PDF|Alle Dateien (*.*)|*.*";
constexpr char16_t kPdfNotWritten[] = u"Die PDF-Datei konnte nicht geschrieben werden.";

// Notebook1's page of each kind: the certificates' page "Teilnehmer" comes
// after the empty page 5.
constexpr int kCertificatePage = 6;

QCheckBox* NewCheckBox(QWidget* parent, const char* objectName, const QString& caption, bool checked) {
  auto* box = new QCheckBox(caption, parent);
  box->setObjectName(QString::fromLatin1(objectName));
  box->setChecked(checked);
  return box;
}

struct CheckBox {
  const char* objectName;
  const char* caption;  // UTF-8
  bool checked = false;
};

// The check boxes one below the other on `box`, then room.
void AddCheckBoxes(QWidget* box, std::initializer_list<CheckBox> boxes) {
  auto* layout = new QVBoxLayout(box);
  for (const CheckBox& b : boxes)
    layout->addWidget(NewCheckBox(box, b.objectName, QString::fromUtf8(b.caption), b.checked));
  layout->addStretch();
}

}  // namespace

TDruckenDlg::TDruckenDlg(QWidget* owner) : ValidatedDialog(owner) {
  setObjectName(QStringLiteral("TDruckenDlg"));
  setWindowTitle(QStringLiteral("Drucken"));

  tabs_ = new QTabWidget(this);
  tabs_->setObjectName(QStringLiteral("PageControl1"));
  // All three tabs in view: the dialog grows to the width of their captions.
  tabs_->setUsesScrollButtons(false);
  tabs_->addTab(NewSelectionTab(), QStringLiteral("Auswahl"));
  tabs_->addTab(NewOptionsTab(), QStringLiteral("Optionen"));
  ageClassTab_ = NewAgeClassTab();
  tabs_->addTab(ageClassTab_, QStringLiteral("Altersklassen und Disziplinenwertung"));

  auto* buttons = new QVBoxLayout;
  QPushButton* ok = NewButton(this, "OKBtn", QStringLiteral("OK"));
  ok->setDefault(true);
  QPushButton* cancel = NewButton(this, "CancelBtn", QStringLiteral("Abbrechen"));
  QPushButton* preview = NewButton(this, "PreviewBtn", QStringLiteral("Ansicht"));
  SetHint(preview, QStringLiteral("Seitenansicht des Ausdrucks anzeigen"));
  QPushButton* printerSetup = NewButton(this, "PrinterSetupBtn", QStringLiteral("&Drucker..."));
  QPushButton* margins = NewButton(this, "MarginsBtn", QStringLiteral("&einrichten..."));
  QPushButton* pdf = NewButton(this, "PDFBtn", QStringLiteral("PDF..."));
  SetHint(pdf, QStringLiteral("PDF erzeugen"));
  for (QPushButton* b : {ok, cancel, preview, printerSetup, margins, pdf}) buttons->addWidget(b);
  buttons->insertSpacing(2, 12);
  buttons->addStretch();
  connect(ok, &QPushButton::clicked, this, &TDruckenDlg::OKBtnClick);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(preview, &QPushButton::clicked, this, &TDruckenDlg::PreviewBtnClick);
  connect(printerSetup, &QPushButton::clicked, this, &TDruckenDlg::PrinterSetupBtnClick);
  connect(margins, &QPushButton::clicked, this, &TDruckenDlg::MarginsBtnClick);
  connect(pdf, &QPushButton::clicked, this, &TDruckenDlg::PDFBtnClick);

  auto* layout = new QHBoxLayout(this);
  layout->addWidget(tabs_, 1);
  layout->addLayout(buttons);
  RadioGroup1Click();
}

TDruckenDlg::~TDruckenDlg() = default;

bool TDruckenDlg::Checked(const char* objectName) const {
  const auto* box = findChild<QCheckBox*>(QString::fromLatin1(objectName));
  Q_ASSERT(box);
  return box && box->isChecked();
}

QWidget* TDruckenDlg::NewSelectionTab() {
  auto* sheet = new QWidget;
  sheet->setObjectName(QStringLiteral("TabSheet1"));
  // The five kinds of the printouts, then the certificates, which have no
  // other way into the program.
  reportKind_ = new RadioGroup(QStringLiteral("RadioGroup1"), QStringLiteral("Druckauswahl"),
                               {QStringLiteral("Ergebnisliste bzw. Zwischenergebnis"),
                                QStringLiteral("Qualifikationsliste"), QStringLiteral("Laufeinteilung /  Startliste"),
                                QStringLiteral("HLW-Startliste"),
                                QStringLiteral("Statistiken (Gliederungen, Medaillenspiegel, ...)"),
                                QStringLiteral("Urkunden")},
                               1, sheet);
  reportKind_->SetItemIndex(static_cast<int>(TAusdruckArt::Results));
  connect(reportKind_, &RadioGroup::Clicked, this, &TDruckenDlg::RadioGroup1Click);
  auto* layout = new QVBoxLayout(sheet);
  layout->addWidget(reportKind_);
  layout->addStretch();
  return sheet;
}

QWidget* TDruckenDlg::NewOptionsTab() {
  auto* sheet = new QWidget;
  sheet->setObjectName(QStringLiteral("TabSheet2"));
  optionPages_ = new QStackedWidget(sheet);
  optionPages_->setObjectName(QStringLiteral("Notebook1"));
  // One page per report kind in the kinds' order, then the certificates'.
  NewResultOptions();
  NewQualificationOptions();
  NewHeatListOptions();
  NewOptionPage("HLW-Startliste");
  NewStatisticsOptions();
  NewOptionPage("Disziplinen");
  NewCertificateOptions();
  auto* layout = new QVBoxLayout(sheet);
  layout->addWidget(optionPages_, 1);
  layout->addWidget(NewGeneralOptions(sheet));
  return sheet;
}

QWidget* TDruckenDlg::NewOptionPage(const char* name) {
  auto* page = new QWidget(optionPages_);
  page->setObjectName(QString::fromUtf8(name));
  optionPages_->addWidget(page);
  return page;
}

void TDruckenDlg::NewResultOptions() {
  QWidget* page = NewOptionPage("Ergebnis");
  auto* box = new QGroupBox(QStringLiteral("(Zwischen-) Ergebnis"), page);
  AddCheckBoxes(box, {{"ErgAKDatenCB", "einschließlich Altersklassendaten (Disziplinen)"},
                      {"ErgAKNeueSeiteCB", "jede Altersklasse auf einer neuen Seite beginnen"},
                      {"ErgRekordeCB", "einschließlich eventueller Rekorde"},
                      {"ErgZweizeiligCB", "je Teilnehmer zwei Zeilen drucken"},
                      {"ErgGliederungenCB", "einschließlich Medaillenspiegel der Gliederungen"},
                      {"MitLeerenAkCB", "auch leere Altersklassen einbeziehen"}});
  (new QVBoxLayout(page))->addWidget(box);
}

void TDruckenDlg::NewQualificationOptions() {
  AddCheckBoxes(NewOptionPage("Qualifikation"),
                {{"QualAKDatenCB", "einschließlich Altersklassendaten (Disziplinen)"},
                 {"QualAKNeueSeiteCB", "jede Altersklasse auf einer neuen Seite beginnen"},
                 {"QualGliederungenCB", "einschließlich teilnehmende Gliederungen"}});
}

void TDruckenDlg::NewHeatListOptions() {
  QWidget* page = NewOptionPage("Laufbesetzung");
  auto* box = new QGroupBox(QStringLiteral("Laufliste / Startliste"), page);
  AddCheckBoxes(box, {{"LaufGliederungenCB", "einschließlich teilnehmende Gliederungen"},
                      {"LaufAlleDiszCB", "Lauf/Bahn für alle Disziplinen angeben"}});
  (new QVBoxLayout(page))->addWidget(box);
}

void TDruckenDlg::NewStatisticsOptions() {
  QWidget* page = NewOptionPage("Gliederungen");
  statisticsForm_ = new RadioGroup(QStringLiteral("StatistikRadioGroup"),
                                   QStringLiteral("Statistik der Gliederungen drucken als"),
                                   {QStringLiteral("Gliederungsübersicht (alphabetisch)"),
                                    QStringLiteral("Medaillenspiegel"),
                                    QStringLiteral("Liste der Punktbesten (Gesamtpunkte)"),
                                    QStringLiteral("Quendal-Pokalwertung")},
                                   1, page);
  statisticsForm_->SetItemIndex(0);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(statisticsForm_);
  layout->addStretch();
}

void TDruckenDlg::NewCertificateOptions() {
  QWidget* page = NewOptionPage("Teilnehmer");
  certificateParticipants_ =
      new RadioGroup(QStringLiteral("TeilnehmerRadioGroup"), QStringLiteral("Welche Teilnehmer drucken"),
                     {QStringLiteral("aktueller Teilnehmer"), QStringLiteral("markierte Teilnehmer"),
                      QStringLiteral("alle Teilnehmer der Altersklasse"),
                      QStringLiteral("alle Teilnehmer des Wettkampfes")},
                     1, page);
  certificateParticipants_->SetItemIndex(0);
  auto* paperBox = new QGroupBox(QStringLiteral("Was drucken"), page);
  certificatePaper_ = new QComboBox(paperBox);
  certificatePaper_->setObjectName(QStringLiteral("TeilnehmerWasEdit"));
  for (const char* kind : kCertificateKinds) certificatePaper_->addItem(FromOem(kind));
  certificatePaper_->setCurrentIndex(-1);
  (new QVBoxLayout(paperBox))->addWidget(certificatePaper_);
  auto* howBox = new QGroupBox(QStringLiteral("Wie drucken"), page);
  AddCheckBoxes(howBox, {{"TeilnehmerMitErgebnisCB", "vorgedruckt (ohne Gesamtpunkte und Platz)", true}});
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(certificateParticipants_);
  layout->addWidget(paperBox);
  layout->addWidget(howBox);
  layout->addStretch();
}

QWidget* TDruckenDlg::NewGeneralOptions(QWidget* parent) {
  auto* box = new QGroupBox(QStringLiteral("allgemeine Einstellungen"), parent);
  AddCheckBoxes(box, {{"MitDruckkopfCB", "einschließlich Druckkopf", true},
                      {"MitLegendeCB", "einschließlich Hinweise / Erläuterungen", true},
                      {"MitFusszeileCB", "einschließlich Fußzeile (Datum, Uhrzeit, Seite)", true},
                      {"MitBlock5CB", "Leerzeile nach jeweils 5 Zeilen einfügen", true}});
  return box;
}

QWidget* TDruckenDlg::NewAgeClassTab() {
  auto* sheet = new QWidget;
  sheet->setObjectName(QStringLiteral("TabSheet3"));
  ageClassList_ = new QListWidget(sheet);
  ageClassList_->setObjectName(QStringLiteral("ListBox1"));
  ageClassList_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  SetHint(ageClassList_, QStringLiteral("Auswahl mit Strg+Mausklick"));
  ageClassList_->setEnabled(false);
  allAgeClasses_ = NewCheckBox(sheet, "AlleAKCB", QStringLiteral("alle Altersklassen einbeziehen"), true);
  // Also a change made by the program selects the list anew, as the
  // dialog's own Setup relies on.
  connect(allAgeClasses_, &QCheckBox::toggled, this, &TDruckenDlg::AlleAKCBClick);
  auto* layout = new QVBoxLayout(sheet);
  layout->addWidget(ageClassList_, 1);
  layout->addWidget(allAgeClasses_);
  layout->addWidget(NewCheckBox(sheet, "EinzelwertungCB",
                                QStringLiteral("ggf. einschließlich Einzelwertung der Disziplinen"), true));
  return sheet;
}

void TDruckenDlg::Setup(TWettkampf& competition, int32_t ageClassIndex, int32_t participantIndex, int32_t fromIndex,
                        int32_t toIndex) {
  job_ = std::make_unique<TDruckauftrag>(competition, ageClassIndex, participantIndex, fromIndex, toIndex);
  tabs_->setCurrentIndex(0);
  RadioGroup1Click();
  QStringList names;
  FillAgeClassNames(&competition, names);
  ageClassList_->clear();
  ageClassList_->addItems(names);
  AlleAKCBClick();
  ready_ = true;
}

void TDruckenDlg::RadioGroup1Click() {
  const auto kind = static_cast<TAusdruckArt>(reportKind_->ItemIndex());
  optionPages_->setCurrentIndex(kind == TAusdruckArt::Certificates ? kCertificatePage : static_cast<int>(kind));
  tabs_->setTabVisible(tabs_->indexOf(ageClassTab_),
                              kind == TAusdruckArt::Results || kind == TAusdruckArt::Qualification);
}

void TDruckenDlg::AlleAKCBClick() {
  const bool all = allAgeClasses_->isChecked();
  if (all) {
    ageClassList_->selectAll();
  } else {
    ageClassList_->clearSelection();
    if (job_ && job_->AgeClassIndex >= 0 && job_->AgeClassIndex < ageClassList_->count())
      ageClassList_->item(job_->AgeClassIndex)->setSelected(true);
  }
  ageClassList_->setEnabled(!all);
}

TPageSize TDruckenDlg::PrinterPageSize(const TYrPrinterInfos& info, bool found) {
  // A page of 0 would leave every report without a line, so a paper the
  // printer cannot measure is taken for A4 like no printer at all.
  if (!found || info.PaperWidth <= 0 || info.PaperLength <= 0) return TPageSize{};
  if (info.Orientation == TYrPrinterInfos::kLandscape) return {info.PaperLength, info.PaperWidth};
  return {info.PaperWidth, info.PaperLength};
}

const TAusdruck* TDruckenDlg::BuildDocument() {
  if (!ready_) return nullptr;
  BusyScope busy;
  TakePageSize();

  TWettkampf& competition = job_->Competition();
  for (int i = 0; i < ageClassList_->count(); ++i) competition.SetMark(i, ageClassList_->item(i)->isSelected());

  // Selection 2: the age classes marked above.
  constexpr uint16_t kMarked = 2;
  const bool head = Checked("MitDruckkopfCB");
  const bool legend = Checked("MitLegendeCB");
  const bool footer = Checked("MitFusszeileCB");
  const bool block5 = Checked("MitBlock5CB");
  switch (static_cast<TAusdruckArt>(reportKind_->ItemIndex())) {
    case TAusdruckArt::Results:
      job_->BuildResultList({.selection = kMarked,
                             .withAgeClassData = Checked("ErgAKDatenCB"),
                             .withLegend = legend,
                             .withHead = head,
                             .newPagePerAgeClass = Checked("ErgAKNeueSeiteCB"),
                             .withRecords = Checked("ErgRekordeCB"),
                             .twoLines = Checked("ErgZweizeiligCB"),
                             .withFooter = footer,
                             .withStatistics = Checked("ErgGliederungenCB"),
                             .block5 = block5,
                             .withEmptyAgeClasses = Checked("MitLeerenAkCB"),
                             .singleDisciplineRanking = Checked("EinzelwertungCB") ? uint16_t{1} : uint16_t{0}});
      break;
    case TAusdruckArt::Qualification:
      job_->BuildQualificationList({.selection = kMarked,
                                    .withAgeClassData = Checked("QualAKDatenCB"),
                                    .withLegend = legend,
                                    .withHead = head,
                                    .newPagePerAgeClass = Checked("QualAKNeueSeiteCB"),
                                    .withFooter = footer,
                                    .withOrganisations = Checked("QualGliederungenCB"),
                                    .block5 = block5});
      break;
    case TAusdruckArt::HeatList:
      job_->BuildHeatList({.withHead = head,
                           .withLegend = legend,
                           .withFooter = footer,
                           .block5 = block5,
                           .withOrganisations = Checked("LaufGliederungenCB"),
                           .allDisciplines = Checked("LaufAlleDiszCB")});
      break;
    case TAusdruckArt::CprStartList:
      job_->BuildCprStartList({.withHead = head, .withLegend = legend, .withFooter = footer, .block5 = block5});
      break;
    case TAusdruckArt::Statistics:
      job_->BuildStatistics({.form = static_cast<uint16_t>(statisticsForm_->ItemIndex()),
                             .withHead = head,
                             .withLegend = legend,
                             .statisticsBlock5 = block5,
                             .withFooter = footer});
      break;
    case TAusdruckArt::Certificates:
      job_->BuildCertificates({.layout = certificatePaper_->currentIndex(),
                               .mode = certificateParticipants_->ItemIndex(),
                               .withResult = !Checked("TeilnehmerMitErgebnisCB")});
      break;
    default:
      return nullptr;
  }
  return job_->Report();
}

void TDruckenDlg::PreviewBtnClick() {
  CommandScope command;
  const TAusdruck* report = BuildDocument();
  if (!report) return;
  if (ShowPreview(report, job_->PageSize.Width, job_->PageSize.Height) == TPreviewForm::kPrintResult) OKBtnClick();
}

void TDruckenDlg::OKBtnClick() {
  CommandScope command;
  const TAusdruck* report = BuildDocument();
  if (!report) return;
  // Paper or orientation changed in the printer's dialog: the report is laid
  // out again for them, as the next build would. PrintDocument asks only
  // with a printer it can print on, so the printer counts as found.
  auto layout = [this, report](QPrinter& printer) -> const TYrPrintDoc* {
    return PrinterPageSize(TYrPrinterInfos(printer), true) == job_->PageSize ? report : BuildDocument();
  };
  if (PrintDocument(*report, 0, 0, 0, true, CurrentPrinter(), layout)) accept();
}

void TDruckenDlg::PrinterSetupBtnClick() { TheDesktop().PrinterSetup(CurrentPrinter()); }

void TDruckenDlg::TakePageSize() {
  TYrPrinterInfos printer;
  const bool found = TheDesktop().PrinterReachable(CurrentPrinter()) && printer.Refresh();
  job_->PageSize = PrinterPageSize(printer, found);
}

void TDruckenDlg::MarginsBtnClick() {
  if (!job_) return;
  // The page setup counts in hundredths of a millimetre, the job in tenths;
  // the margins must leave room on the page the report will be laid out on.
  TakePageSize();
  TMargins& m = job_->Margins;
  PageMargins margins{m.Left * 10, m.Top * 10, m.Right * 10, m.Bottom * 10};
  if (!TheDesktop().PageSetup(margins, job_->PageSize.Width * 10, job_->PageSize.Height * 10)) return;
  m = TMargins{margins.left / 10, margins.top / 10, margins.right / 10, margins.bottom / 10};
}

void TDruckenDlg::PDFBtnClick() {
  CommandScope command;
  const TAusdruck* report = BuildDocument();
  if (!report) return;
  FileRequest request;
  request.filter = QString::fromUtf16(kPdfFilter);
  request.defaultExt = QStringLiteral("PDF");
  request.fileName = QStringLiteral("TEST.PDF");
  const FileChoice file = TheDesktop().SaveFileName(request);
  if (!file.ok) return;

  PrefillPdfInfo(PdfExportInfo, job_->Competition());
  TOptPDFDlg options(this);
  options.SetPDFInfo(PdfExportInfo);
  if (TheDesktop().RunModal(options) != mrOk) return;
  options.GetPDFInfo(PdfExportInfo);

  bool written = false;
  {
    BusyScope busy;
    written = PrintDocToPdf(*report, NativePath(file.fileName), job_->PageSize.Width,
                            job_->PageSize.Height, &PdfExportInfo);
  }
  // A file that is not there, or only half written, is not worth opening.
  if (written)
    options.OpenPDF(file.fileName);
  else
    TheDesktop().ShowError(QString::fromUtf16(kPdfNotWritten));
}
