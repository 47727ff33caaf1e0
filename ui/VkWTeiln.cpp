#include "VkWTeiln.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "Desktop.h"
#include "DialogParts.h"
#include "Hints.h"
#include "OemText.h"
#include "TimeEdit.h"
#include "VkGlied.h"
#include "VkBasis.h"
#include "VkTeiln.h"
#include "VkWMisc.h"
#include "VkWettk.h"

QComboBox* NewOrganisationBox(const char* objectName, QWidget* parent) {
  auto* box = new QComboBox(parent);
  box->setObjectName(QString::fromLatin1(objectName));
  box->setEditable(true);
  box->setInsertPolicy(QComboBox::NoInsert);
  for (std::string_view code : kOrganisationAbbreviations)
    box->addItem(QString::fromUtf8(code.data(), static_cast<qsizetype>(code.size())));
  box->lineEdit()->setMaxLength(int(TTeilnehmer::kGliederungCap));
  return box;
}

namespace {

QLabel* BuddyLabel(const QString& text, QWidget* buddy, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setBuddy(buddy);
  return label;
}

// The ranges and lengths of the number edits. SetTeilnehmer widens a range
// for a stored value outside it (a heat of 1000 from the heat assignment, a
// file of another program), so an untouched value never blocks OK.
struct NumRange {
  int32_t min, max;
  int maxLength;
};
constexpr NumRange kDeduction{Status::kNotScored, 9999, 4};
constexpr NumRange kHeat{0, 999, 3};
constexpr NumRange kLane{0, 999, 2};
constexpr double kMinCprPoints = -300;
constexpr double kMaxCprPoints = 9999;

TYrNumEdit* NumEdit(const QString& name, NumRange range, QWidget* parent) {
  auto* edit = new TYrNumEdit(parent);
  edit->setObjectName(name);
  edit->SetRange(range.min, range.max);
  edit->setMaxLength(range.maxLength);
  return edit;
}

void ShowStored(TYrNumEdit* edit, NumRange range, int32_t value) {
  edit->setMaxLength(range.maxLength);
  edit->SetStoredValue(value, range.min, range.max);
}

const QString kDeductionHint = QStringLiteral(
    "-1 = disqualifiziert\n-2 = nicht angetreten (ohne Wertung)\n-3 = nicht angetreten\n-4 = ausgeschlossen\n"
    "-5 = nicht gewählt\n-6 = nicht gewertet");
const QString kCprHint = QStringLiteral(
    "-1 = disqualifiziert\n-2 = nicht angetreten (ohne Wertung)\n-3 = nicht angetreten\n-4 = ausgeschlossen");

// The properties, each a bit of the participant's flags.
constexpr TOptionBit kFlagBoxes[] = {
    {TTeilnehmer::kWeiblich, "&weiblich"},
    {TTeilnehmer::kAusserKonkurrenz, "&außer Konkurrenz"},
    {TTeilnehmer::kDirektQualifiziert, "direkt &qualifiziert"},
    {TTeilnehmer::kMeldet, "&meldet"},
    {TTeilnehmer::kStartberechtigt, "&startberechtigt"},
};

}  // namespace

TTeilnehmerDlg::TTeilnehmerDlg(QWidget* parent) : ValidatedDialog(parent) {
  setObjectName(QStringLiteral("TTeilnehmerDlg"));
  setWindowTitle(QStringLiteral("Teilnehmerdaten eingeben"));
  SetHint(this, QStringLiteral("Teilnehmerdaten eingeben"));
  // Built in the order the tab key visits the controls.
  auto* top = new QHBoxLayout;
  top->addWidget(NewPersonGroup(), 1);
  top->addWidget(NewPropertiesGroup());
  QGroupBox* results = NewResultsGroup();
  auto* main = new QVBoxLayout(this);
  main->addLayout(top);
  main->addWidget(results);
  main->addLayout(NewButtonRow());
  SetDisziplinAnzahl(6);
}

QGroupBox* TTeilnehmerDlg::NewPersonGroup() {
  auto* person = new QGroupBox(QStringLiteral("Teilnehmer:"), this);
  auto* pg = new QGridLayout(person);
  nameEdit_ = new QLineEdit(person);
  nameEdit_->setObjectName(QStringLiteral("NameEdit"));
  nameEdit_->setMaxLength(int(TTeilnehmer::kNameIndividualCap));
  vornameEdit_ = new QLineEdit(person);
  vornameEdit_->setObjectName(QStringLiteral("VornameEdit"));
  vornameEdit_->setMaxLength(int(TTeilnehmer::kVornameCap));
  mannschaftEdit_ = new QLineEdit(person);
  mannschaftEdit_->setObjectName(QStringLiteral("MannschaftEdit"));
  mannschaftEdit_->setMaxLength(int(TTeilnehmer::kNameTeamCap));
  zusatzEdit_ = new QLineEdit(person);
  zusatzEdit_->setObjectName(QStringLiteral("ZusatzEdit"));
  gliederungBox_ = NewOrganisationBox("ComboBox2", person);
  altersklasseBox_ = new QComboBox(person);
  altersklasseBox_->setObjectName(QStringLiteral("ComboBox1"));
  altersklasseBox_->setEditable(true);
  altersklasseBox_->setInsertPolicy(QComboBox::NoInsert);
  altersklasseBox_->setEnabled(false);
  altersklasseBox_->setMinimumContentsLength(20);
  nameLabel_ = BuddyLabel(QStringLiteral("&Name:"), nameEdit_, person);
  vornameLabel_ = BuddyLabel(QStringLiteral("&Vorname:"), vornameEdit_, person);
  mannschaftLabel_ = BuddyLabel(QStringLiteral("&Mannschaft:"), mannschaftEdit_, person);
  zusatzLabel_ = BuddyLabel(QStringLiteral("&Geburtsdatum:"), zusatzEdit_, person);
  zusatzLabel_->setObjectName(QStringLiteral("ZusatzLabel"));
  int r = 0;
  for (auto [label, edit] : {std::pair<QLabel*, QWidget*>{nameLabel_, nameEdit_}, {vornameLabel_, vornameEdit_},
                             {mannschaftLabel_, mannschaftEdit_}, {zusatzLabel_, zusatzEdit_}}) {
    pg->addWidget(label, r, 0);
    pg->addWidget(edit, r++, 1);
  }
  pg->addWidget(BuddyLabel(QStringLiteral("Glie&derung:"), gliederungBox_, person), r, 0);
  pg->addWidget(gliederungBox_, r++, 1);
  pg->addWidget(new QLabel(QStringLiteral("Altersklasse:"), person), r, 0);
  pg->addWidget(altersklasseBox_, r++, 1);
  pg->setColumnStretch(1, 1);
  return person;
}

QGroupBox* TTeilnehmerDlg::NewPropertiesGroup() {
  auto* props = new QGroupBox(QStringLiteral("&Eigenschaften:"), this);
  auto* propLayout = new QVBoxLayout(props);
  flagBoxes_.Add(kFlagBoxes, props, propLayout);
  flagBoxes_.Box(TTeilnehmer::kWeiblich)->setEnabled(false);  // follows the age class
  propLayout->addStretch();
  return props;
}

QGroupBox* TTeilnehmerDlg::NewResultsGroup() {
  auto* results = new QGroupBox(QStringLiteral("Leistungen:"), this);
  auto* rg = new QGridLayout(results);
  const char* heads[4] = {"Zeit", "Abzug", "Lauf", "Bahn"};
  for (int c = 0; c < 4; ++c) rg->addWidget(new QLabel(QString::fromLatin1(heads[c]), results), 0, c + 1);
  for (int k = 0; k < kRows; ++k) {
    const QString n = QString::number(k + 1);
    zeitEdits_[k] = new TTimeEdit(results);
    zeitEdits_[k]->setObjectName(QStringLiteral("ZeitEdit") + n);
    abzugEdits_[k] = NumEdit(QStringLiteral("AbzugEdit") + n, kDeduction, results);
    SetHint(abzugEdits_[k], kDeductionHint);
    laufEdits_[k] = NumEdit(QStringLiteral("LaufEdit") + n, kHeat, results);
    bahnEdits_[k] = NumEdit(QStringLiteral("BahnEdit") + n, kLane, results);
    wettkLabels_[k] = BuddyLabel(QStringLiteral("Wettkampf &") + n + u':', zeitEdits_[k], results);
    wettkLabels_[k]->setObjectName(QStringLiteral("WettkLabel") + n);
    rg->addWidget(wettkLabels_[k], k + 1, 0);
    rg->addWidget(zeitEdits_[k], k + 1, 1);
    rg->addWidget(abzugEdits_[k], k + 1, 2);
    rg->addWidget(laufEdits_[k], k + 1, 3);
    rg->addWidget(bahnEdits_[k], k + 1, 4);
  }
  AddCprRows(results, rg, kRows + 1);
  rg->setColumnStretch(1, 2);
  rg->setColumnStretch(2, 1);
  rg->setColumnStretch(3, 1);
  rg->setColumnStretch(4, 1);
  return results;
}

void TTeilnehmerDlg::AddCprRows(QGroupBox* results, QGridLayout* rg, int cprRow) {
  hlwPunkteEdit_ = new TYrFloatEdit(results);
  hlwPunkteEdit_->setObjectName(QStringLiteral("HLWPunkteEdit"));
  hlwPunkteEdit_->SetRange(kMinCprPoints, kMaxCprPoints);
  hlwPunkteEdit_->SetDigits(2);
  hlwPunkteEdit_->SetPrecision(8);
  hlwPunkteEdit_->setMaxLength(8);
  SetHint(hlwPunkteEdit_, kCprHint);
  hlwZeitEdit_ = new TClockEdit(results);
  hlwZeitEdit_->setObjectName(QStringLiteral("HLWZeitEdit"));
  hlwBahnEdit_ = NumEdit(QStringLiteral("HLWBahnEdit"), kLane, results);
  rg->addWidget(BuddyLabel(QStringLiteral("&HLW:"), hlwPunkteEdit_, results), cprRow, 0);
  QLabel* points = BuddyLabel(QStringLiteral("&Punkte"), hlwPunkteEdit_, results);
  points->setObjectName(QStringLiteral("HLWPunkteLabel"));
  rg->addWidget(points, cprRow, 1, Qt::AlignRight);
  rg->addWidget(hlwPunkteEdit_, cprRow, 2);
  rg->addWidget(new QLabel(QStringLiteral("Startzeit"), results), cprRow + 1, 1, Qt::AlignRight);
  rg->addWidget(hlwZeitEdit_, cprRow + 1, 2);
  rg->addWidget(new QLabel(QStringLiteral("Bahn"), results), cprRow + 1, 3, Qt::AlignRight);
  rg->addWidget(hlwBahnEdit_, cprRow + 1, 4);
}

QHBoxLayout* TTeilnehmerDlg::NewButtonRow() {
  QPushButton* absent = NewButton(this, "AbwesendBtn", QStringLiteral("&TN abwesend"));
  QPushButton* excluded = NewButton(this, "AusgeschlossenBtn", QStringLiteral("&TN ausgeschlossen"));
  for (QPushButton* b : {absent, excluded})
    SetHint(b, QStringLiteral("setzt \"nicht angetreten\" in allen Disziplinen"));
  connect(absent, &QPushButton::clicked, this, &TTeilnehmerDlg::Absent);
  connect(excluded, &QPushButton::clicked, this, &TTeilnehmerDlg::Excluded);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(absent);
  buttons->addWidget(excluded);
  buttons->addStretch();
  AddOkCancel(this, buttons);
  return buttons;
}

void TTeilnehmerDlg::SetDisziplinAnzahl(int n) {
  for (int k = 0; k < kRows; ++k) {
    const bool shown = k < n;
    for (QWidget* w : std::initializer_list<QWidget*>{wettkLabels_[k], zeitEdits_[k], abzugEdits_[k],
                                                      laufEdits_[k], bahnEdits_[k]})
      w->setVisible(shown);
  }
}

void TTeilnehmerDlg::SetTeilnehmer(const TTeilnehmer& t) {
  QStringList classes;
  FillAgeClassNames(competition_, classes);
  altersklasseBox_->clear();
  altersklasseBox_->addItems(classes);

  individual_ = !competition_ || competition_->IsIndividual();
  for (QWidget* w : std::initializer_list<QWidget*>{nameLabel_, nameEdit_, vornameLabel_, vornameEdit_}) {
    w->setVisible(individual_);
    w->setEnabled(individual_);
  }
  mannschaftLabel_->setVisible(!individual_);
  mannschaftEdit_->setVisible(!individual_);
  mannschaftEdit_->setEnabled(!individual_);
  if (individual_) {
    nameEdit_->setText(FromOem(t.Name(true)));
    vornameEdit_->setText(FromOem(t.Vorname()));
    zusatzLabel_->setText(QStringLiteral("&Geburtsdatum:"));
    zusatzEdit_->setMaxLength(int(TTeilnehmer::kGeburtsdatumCap));
    zusatzEdit_->setText(FromOem(t.Geburtsdatum()));
  } else {
    mannschaftEdit_->setText(FromOem(t.Name(false)));
    zusatzLabel_->setText(QStringLiteral("&Zusatz:"));
    zusatzEdit_->setMaxLength(int(TTeilnehmer::kZusatzCap));
    zusatzEdit_->setText(FromOem(t.Zusatz()));
  }

  const bool hundredths = competition_ && competition_->WithHundredths();
  gliederungBox_->setEditText(FromOem(t.Gliederung()));
  altersklasseBox_->setEditText(FromOem(t.Altersklasse()));
  for (int k = 0; k < 6; ++k) {
    const int d = k + 1;
    zeitEdits_[k]->SetWithHundredths(hundredths);
    zeitEdits_[k]->SetTime(t.Time(d));
    ShowStored(abzugEdits_[k], kDeduction, t.Deduction(d));
    ShowStored(laufEdits_[k], kHeat, t.Heat(d));
    ShowStored(bahnEdits_[k], kLane, t.Lane(d));
  }
  hlwPunkteEdit_->setMaxLength(8);
  hlwPunkteEdit_->SetStoredHundredths(t.CprValue(), kMinCprPoints, kMaxCprPoints);
  cprValue_ = t.CprValue();
  cprShown_ = hlwPunkteEdit_->text();
  hlwZeitEdit_->SetClock(t.CprTime());
  ShowStored(hlwBahnEdit_, kLane, t.CprStation());
  flagBoxes_.SetWord(t.Flags());
}

void TTeilnehmerDlg::GetTeilnehmer(TTeilnehmer& t) const {
  if (individual_) {
    t.SetName(true, ToOem(nameEdit_->text(), TTeilnehmer::kNameIndividualCap));
    t.SetVorname(ToOem(vornameEdit_->text(), TTeilnehmer::kVornameCap));
    t.SetGeburtsdatum(ToOem(zusatzEdit_->text(), TTeilnehmer::kGeburtsdatumCap));
  } else {
    t.SetName(false, ToOem(mannschaftEdit_->text(), TTeilnehmer::kNameTeamCap));
    t.SetZusatz(ToOem(zusatzEdit_->text(), TTeilnehmer::kZusatzCap));
  }
  t.SetGliederung(ToOem(gliederungBox_->currentText(), TTeilnehmer::kGliederungCap));
  t.SetAltersklasse(ToOem(altersklasseBox_->currentText(), TTeilnehmer::kAltersklasseCap));
  for (int k = 0; k < 6; ++k) {
    const int d = k + 1;
    t.SetTime(d, zeitEdits_[k]->Time());
    t.SetDeduction(d, static_cast<int16_t>(abzugEdits_[k]->Value()));
    t.SetHeat(d, static_cast<int16_t>(laufEdits_[k]->Value()));
    t.SetLane(d, static_cast<int16_t>(bahnEdits_[k]->Value()));
  }
  // Points the edit cannot show to the hundredth (beyond its eight
  // significant digits) stay as they were until the user types new ones.
  t.SetCprValue(hlwPunkteEdit_->text() == cprShown_ ? cprValue_ : hlwPunkteEdit_->Hundredths());
  t.SetCprTime(static_cast<int16_t>(hlwZeitEdit_->Clock()));
  t.SetCprStation(static_cast<int16_t>(hlwBahnEdit_->Value()));
  t.SetFlags(flagBoxes_.Word());
}

bool TTeilnehmerDlg::AcceptsClose() {
  QLineEdit* name = individual_ ? nameEdit_ : mannschaftEdit_;
  if (!name->text().trimmed().isEmpty()) return true;
  ShowInputWarning(QStringLiteral("Bitte einen Namen eingeben."));
  name->setFocus(Qt::OtherFocusReason);
  return false;
}

void TTeilnehmerDlg::Absent() {
  for (int k = 0; k < 6; ++k)
    if (abzugEdits_[k]->IsValid() && abzugEdits_[k]->Value() == 0)
      abzugEdits_[k]->SetValue(Status::kNotStarted);
  // The points edit shows the code itself (stored times 100).
  if (hlwPunkteEdit_->IsValid() && hlwPunkteEdit_->Value() == 0) hlwPunkteEdit_->SetValue(Status::kNotStarted);
}

void TTeilnehmerDlg::Excluded() {
  if (TheDesktop().MessageBox(MsgKind::Confirmation, QString(),
                              QStringLiteral("Teilnehmer ausschließen (sonstige Strafpunkte werden überschrieben)?"),
                              mbYesNo) != mrYes)
    return;
  for (int k = 0; k < 6; ++k) abzugEdits_[k]->SetValue(Status::kExcluded);
  hlwPunkteEdit_->SetValue(Status::kExcluded);
}
