#include "VkWAkDat.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "Desktop.h"
#include "DialogParts.h"
#include "Hints.h"
#include "OemText.h"
#include "VkAltersk.h"
#include "VkWDiDat.h"
#include "VkWMisc.h"
#include "VkWRDat.h"
#include "VkWettk.h"

namespace {

constexpr int kMinYear = 1800;
constexpr int kMaxYear = 2200;

// The six check boxes, each a bit of the class's flags.
constexpr TOptionBit kFlagBoxes[] = {
    {TAltersklasse::kFemale, "&weibliche Altersklasse"},
    {TAltersklasse::kCprScored, "mit &HLW - Wertung"},
    {TAltersklasse::kQualifiedFirst, "direkt &qualifiziert-Flag berücksichtigen"},
    {TAltersklasse::kAlphabetical, "&alphabetisch sortieren"},
    {TAltersklasse::kPlacesNeedCpr, "bestandene HLW Voraussetzung für *"},
    {TAltersklasse::kDisciplineColumns, "* Disziplinenwertung"},
};

// What the sub-dialogs work on: disciplines, records and what their captions
// name, without participants and without an evaluation.
void CopyDefinition(TAltersklasse& to, const TAltersklasse& from) {
  to.SetName(from.Name());
  to.SetFlags(from.Flags());
  for (int d = 1; d <= TAltersklasse::kMaxDisciplines; ++d) {
    to.SetDiscipline(d, from.Discipline(d));
    to.SetRekord(d, from.Rekord(d));
  }
  to.SetOverall(from.Overall());
}

void SetYear(QSpinBox* box, int year) {
  // A year from a file outside the range is shown and kept as it is.
  box->setRange(std::min(kMinYear, year), std::max(kMaxYear, year));
  box->setValue(year);
}

}  // namespace

TAltersklassenDatenDlg::TAltersklassenDatenDlg(QWidget* parent)
    : ValidatedDialog(parent),
      work_(std::make_unique<TAltersklasse>()),
      nameBox_(new QComboBox),
      firstYear_(new QSpinBox),
      lastYear_(new QSpinBox),
      countBox_(new QComboBox),
      countedBox_(new QComboBox),
      disciplineList_(new QListWidget) {
  setObjectName(QStringLiteral("TAltersklassenDatenDlg"));
  setWindowTitle(QStringLiteral("Altersklassendaten"));
  SetHint(this, QStringLiteral("Einstellungen der Altersklasse festlegen"), false);
  auto* body = new QHBoxLayout;
  body->addLayout(NewClassColumn());
  body->addLayout(NewDisciplineColumn(), 1);
  // The buttons come before the dialog's layout adopts the columns' widgets:
  // so the tab key visits them in the order it always has.
  QHBoxLayout* buttons = NewButtonRow();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body);
  layout->addLayout(buttons);
  resize(760, 400);
}

// Name, birth years and flags.
QVBoxLayout* TAltersklassenDatenDlg::NewClassColumn() {
  nameBox_->setObjectName(QStringLiteral("ComboBox1"));
  nameBox_->setEditable(true);
  nameBox_->setMaxVisibleItems(12);
  nameBox_->setInsertPolicy(QComboBox::NoInsert);
  nameBox_->addItems({"AK 10w", "AK 10m", "AK 12w", "AK 12m", "AK 13/14w", "AK 13/14m", "AK 15/16w", "AK 15/16m",
                      "AK 17/18w", "AK 17/18m", "Offene Altersklasse (w)", "Offene Altersklasse (m)", "Schüler",
                      "Schülerinnen", "Jugend (weiblich)", "Jugend (männlich)", "Juniorinnen", "Junioren", "Damen",
                      "Herren"});
  nameBox_->lineEdit()->setMaxLength(int(TAltersklasse::kNameCapacity));
  firstYear_->setObjectName(QStringLiteral("SpinEdit1"));
  lastYear_->setObjectName(QStringLiteral("SpinEdit2"));
  for (QSpinBox* box : {firstYear_, lastYear_}) SetYear(box, kMinYear);

  auto* left = new QVBoxLayout;
  auto* nameLabel = new QLabel(QStringLiteral("Bezeichnung:"), this);
  nameLabel->setBuddy(nameBox_);
  left->addWidget(nameLabel);
  left->addWidget(nameBox_);
  auto* years = new QHBoxLayout;
  auto* fromLabel = new QLabel(QStringLiteral("Jahrgänge &von"), this);
  fromLabel->setBuddy(firstYear_);
  auto* toLabel = new QLabel(QStringLiteral("&bis"), this);
  toLabel->setBuddy(lastYear_);
  years->addWidget(fromLabel);
  years->addWidget(firstYear_);
  years->addWidget(toLabel);
  years->addWidget(lastYear_);
  years->addWidget(new QLabel(QStringLiteral("(einschließlich)"), this));
  years->addStretch();
  left->addLayout(years);
  flagBoxes_.Add(kFlagBoxes, this, left);
  flagBoxes_.Box(TAltersklasse::kPlacesNeedCpr)->setObjectName(QStringLiteral("HLWFuerDisziplinenwertungCB"));
  flagBoxes_.Box(TAltersklasse::kDisciplineColumns)->setObjectName(QStringLiteral("MitDisziplinenwertungCB"));
  left->addStretch();
  return left;
}

// The number of disciplines and of those counted, and the discipline list.
QVBoxLayout* TAltersklassenDatenDlg::NewDisciplineColumn() {
  countBox_->setObjectName(QStringLiteral("DisziplinenAnzahlComboBox"));
  countedBox_->setObjectName(QStringLiteral("DisziplinenAnzahlGesamtwertungComboBox"));
  for (int i = 0; i <= 6; ++i) {
    countBox_->addItem(QString::number(i));
    countedBox_->addItem(QString::number(i));
  }
  connect(countBox_, &QComboBox::currentIndexChanged, this, &TAltersklassenDatenDlg::DisziplinenAnzahlChanged);
  disciplineList_->setObjectName(QStringLiteral("ListBox1"));
  connect(disciplineList_, &QListWidget::itemDoubleClicked, this, &TAltersklassenDatenDlg::ListBox1DblClick);

  auto* right = new QVBoxLayout;
  auto* countGroup = new QGroupBox(QStringLiteral("Disziplinenanzahl:"), this);
  auto* countRow = new QHBoxLayout(countGroup);
  countRow->addWidget(countBox_);
  auto* countedLabel = new QLabel(QStringLiteral("davon in der Gesamtwertung:"), countGroup);
  countedLabel->setBuddy(countedBox_);
  countRow->addStretch();
  countRow->addWidget(countedLabel);
  countRow->addWidget(countedBox_);
  right->addWidget(countGroup);
  auto* listGroup = new QGroupBox(QStringLiteral("Disziplinen:"), this);
  auto* listLayout = new QVBoxLayout(listGroup);
  listLayout->addWidget(disciplineList_);
  right->addWidget(listGroup);
  return right;
}

QHBoxLayout* TAltersklassenDatenDlg::NewButtonRow() {
  auto* buttons = new QHBoxLayout;
  QPushButton* records = NewButton(this, "RekordeBtn", QStringLiteral("&Rekorde"));
  SetHint(records, QStringLiteral("Rekorddaten der Altersklasse"));
  connect(records, &QPushButton::clicked, this, &TAltersklassenDatenDlg::RekordeBtnClick);
  buttons->addWidget(records);
  buttons->addStretch();
  AddOkCancel(this, buttons);
  return buttons;
}

TAltersklassenDatenDlg::~TAltersklassenDatenDlg() = default;

void TAltersklassenDatenDlg::SetAltersklasse(TWettkampf* competition, const TAltersklasse* ageClass) {
  competition_ = competition;
  ageClass_ = ageClass;
  if (!ageClass) return;
  work_ = std::make_unique<TAltersklasse>();
  CopyDefinition(*work_, *ageClass);
  nameSet_ = FromOem(ageClass->Name());
  femaleSet_ = ageClass->IsFemale();
  nameBox_->setCurrentText(nameSet_);
  SetYear(firstYear_, ageClass->FirstYear());
  SetYear(lastYear_, ageClass->LastYear());
  flagBoxes_.SetWord(ageClass->Flags());
  countBox_->setCurrentIndex(ageClass->DisciplineCount());
  DisziplinenAnzahlChanged(countBox_->currentIndex());
  countedBox_->setCurrentIndex(std::min<int>(ageClass->Counted(), countedBox_->count() - 1));
  FillDisziplinen();
}

void TAltersklassenDatenDlg::SetAsNew() {
  asNew_ = true;
  nameBox_->setCurrentText(nameBox_->currentText() + QStringLiteral(" - neu"));
}

void TAltersklassenDatenDlg::GetAltersklasse(TAltersklasse& ageClass) const {
  ageClass.SetName(ToOem(nameBox_->currentText(), TAltersklasse::kNameCapacity));
  ageClass.SetFirstYear(static_cast<uint16_t>(firstYear_->value()));
  ageClass.SetLastYear(static_cast<uint16_t>(lastYear_->value()));
  ageClass.SetFlags(flagBoxes_.Word());
  ageClass.SetDisciplineCount(static_cast<uint16_t>(std::max(0, countBox_->currentIndex())));
  ageClass.SetCounted(static_cast<uint16_t>(std::max(0, countedBox_->currentIndex())));
  for (int d = 1; d <= TAltersklasse::kMaxDisciplines; ++d) {
    ageClass.SetDiscipline(d, work_->Discipline(d));
    ageClass.SetRekord(d, work_->Rekord(d));
  }
  ageClass.SetOverall(work_->Overall());
}

void TAltersklassenDatenDlg::FillDisziplinen() {
  disciplineList_->clear();
  for (int d = 1; d <= TAltersklasse::kMaxDisciplines; ++d)
    disciplineList_->addItem(QString::number(d) + QStringLiteral(". ") + FromOem(work_->Discipline(d).Name()));
}

void TAltersklassenDatenDlg::DisziplinenAnzahlChanged(int count) {
  if (count < 0) return;
  const int counted = countedBox_->currentIndex();
  QSignalBlocker block(countedBox_);
  countedBox_->clear();
  for (int i = 0; i <= count; ++i) countedBox_->addItem(QString::number(i));
  countedBox_->setCurrentIndex(counted >= 0 && counted <= count ? counted : count);
}

void TAltersklassenDatenDlg::ListBox1DblClick(QListWidgetItem* item) {
  const int d = item ? disciplineList_->row(item) + 1 : 0;
  if (d < 1) return;
  TDisziplinDatenDlg dlg(this);
  const bool individual = !competition_ || competition_->IsIndividual();
  dlg.setWindowTitle(QStringLiteral("Disziplin einstellen (") +
                     (individual ? QStringLiteral("Einzel, ") : QStringLiteral("Mannschaft, ")) +
                     (work_->IsFemale() ? QStringLiteral("weiblich)") : QStringLiteral("männlich)")));
  dlg.SetDisziplin(work_->Discipline(d));
  if (TheDesktop().RunModal(dlg) == mrCancel) return;
  TDisziplin discipline = work_->Discipline(d);
  dlg.GetDisziplin(discipline);
  work_->SetDiscipline(d, discipline);
  FillDisziplinen();
  disciplineList_->setCurrentRow(d - 1);
}

void TAltersklassenDatenDlg::RekordeBtnClick() {
  TRekordDatenDlg dlg(this);
  dlg.SetWettkampf(competition_);
  dlg.SetRekorde(*work_);
  if (TheDesktop().RunModal(dlg) == mrCancel) return;
  dlg.GetRekorde(*work_);
}

bool TAltersklassenDatenDlg::AcceptsClose() {
  if (!competition_) return true;
  TAltersklasse probe;
  probe.SetName(ToOem(nameBox_->currentText(), TAltersklasse::kNameCapacity));
  probe.SetFlags(flagBoxes_.Word() & TAltersklasse::kFemale);
  const bool changed = asNew_ || probe.Name() != ToOem(nameSet_, TAltersklasse::kNameCapacity) ||
                       probe.IsFemale() != femaleSet_;
  for (int i = 0; i < competition_->GetCount(); ++i) {
    const TAltersklasse* other = competition_->At(i);
    if ((other == ageClass_ && !asNew_) || TAltersklasse::CompareClass(probe, *other) != 0) continue;
    const bool sameYears = other->FirstYear() == firstYear_->value() && other->LastYear() == lastYear_->value();
    if (!changed && !sameYears) continue;
    // The text the competition reports when it refuses such a class.
    std::string msg = ("Die Altersklasse " + probe.Name()).substr(0, 47);
    msg += ToOem(QStringLiteral(" konnte nicht eingefügt werden (sie existiert bereits)."), 255);
    ReportError(msg.substr(0, 102));
    nameBox_->setFocus(Qt::OtherFocusReason);
    return false;
  }
  return true;
}
