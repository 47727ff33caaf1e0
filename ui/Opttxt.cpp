#include "Opttxt.h"

#include <utility>

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QValidator>
#include <QVBoxLayout>

#include "CodePage.h"
#include "DialogParts.h"
#include "RadioGroup.h"

namespace {

const QString kTab = QStringLiteral("{TAB}");
const QString kBlank = QStringLiteral("{LEER}");

const char* const kFields[] = {
    "Platz",    "Gesamtpunkte",  "Name",     "Vorname", "Geburtsdatum",  "Zeit 1",   "Strafpunkte 1",
    "Punkte 1", "Zeit 2",        "Strafpunkte 2",       "Punkte 2",      "Zeit 3",   "Strafpunkte 3",
    "Punkte 3", "Zeit 4",        "Strafpunkte 4",       "Punkte 4",      "Zeit 5",   "Strafpunkte 5",
    "Punkte 5", "HLW Punkte",
};

// One typed character, or one of the list's entries whole. An entry with
// characters deleted stays, so the user can shorten it key by key.
class OneCharValidator : public QValidator {
 public:
  OneCharValidator(QStringList entries, QObject* parent) : QValidator(parent), entries_(std::move(entries)) {}

  State validate(QString& input, int&) const override {
    if (input.size() <= 1 || entries_.contains(input)) return Acceptable;
    for (const QString& e : entries_)
      if (IsShortenedFrom(input, e)) return Intermediate;
    return Invalid;
  }

 private:
  static bool IsShortenedFrom(const QString& input, const QString& entry) {
    qsizetype at = 0;
    for (QChar c : entry)
      if (at < input.size() && input[at] == c) ++at;
    return at == input.size() && input.size() < entry.size();
  }

  QStringList entries_;
};

QComboBox* CharCombo(const char* name, const QStringList& items, QWidget* parent) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(QString::fromLatin1(name));
  combo->setEditable(true);
  combo->setInsertPolicy(QComboBox::NoInsert);
  combo->addItems(items);
  combo->lineEdit()->setValidator(new OneCharValidator(items, combo));
  return combo;
}

QListWidget* FieldList(const char* name, QWidget* parent) {
  auto* list = new QListWidget(parent);
  list->setObjectName(QString::fromLatin1(name));
  list->setSelectionMode(QAbstractItemView::ExtendedSelection);
  for (const char* field : kFields) list->addItem(QString::fromLatin1(field));
  return list;
}

// The character a field's text stands for in the file's code page; `preset`
// when the field is empty.
char CharOf(const QString& text, bool windows, char preset) {
  if (text == kTab) return '\t';
  if (text == kBlank) return ' ';
  if (text.isEmpty()) return preset;
  const char32_t u = text.toUcs4().value(0);
  return static_cast<char>(windows ? UnicodeToAnsiChar(u) : UnicodeToOemChar(u));
}

QString TextOf(char c, bool windows) {
  if (c == '\t') return kTab;
  if (c == ' ') return kBlank;
  if (c == '\0') return QString();
  const auto b = static_cast<uint8_t>(c);
  return QString(QChar(static_cast<char16_t>(windows ? AnsiCharToUnicode(b) : OemCharToUnicode(b))));
}

}  // namespace

int GetFirstSelection(const QListWidget* list) {
  for (int i = 0; i < list->count(); ++i)
    if (list->item(i)->isSelected()) return i;
  return -1;
}

TOptTXTDlg::TOptTXTDlg(QWidget* owner) : QDialog(owner) {
  setObjectName(QStringLiteral("TOptTXTDlg"));
  setWindowTitle(QStringLiteral("Textexport - Optionen"));
  auto* layout = new QVBoxLayout(this);
  auto* pages = new QTabWidget(this);
  pages->setObjectName(QStringLiteral("TabbedNotebook1"));
  layout->addWidget(pages);
  pages->addTab(NewOptionsPage(pages), QStringLiteral("Optionen"));
  pages->addTab(NewFieldsPage(pages), QStringLiteral("Felder"));

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  QPushButton* ok = AddOkCancel(this, buttons);
  auto* help = NewButton(this, "HelpBtn", QStringLiteral("&Hilfe"));
  help->setEnabled(false);
  buttons->addWidget(help);
  layout->addLayout(buttons);

  SetTextOptions(PresetTextOptions());
  ok->setFocus();
}

QWidget* TOptTXTDlg::NewOptionsPage(QWidget* pages) {
  auto* options = new QWidget(pages);
  auto* grid = new QGridLayout(options);
  codePage_ = new RadioGroup(QStringLiteral("RadioGroup1"), QStringLiteral("Zeichensatz"),
                             {QStringLiteral("ASCII (DOS)"), QStringLiteral("ANSI (WIN)")}, 1, options);
  grid->addWidget(codePage_, 0, 0, 2, 1);
  separator_ = CharCombo("ComboBox1", {";", ",", ":", "|", kTab, kBlank}, options);
  auto* separatorLabel = new QLabel(QStringLiteral("Trennzeichen"), options);
  separatorLabel->setBuddy(separator_);
  quote_ = CharCombo("ComboBox2", {"\"", "'", "*"}, options);
  auto* quoteLabel = new QLabel(QStringLiteral("Begrenzungszeichen"), options);
  quoteLabel->setBuddy(quote_);
  auto* chars = new QGridLayout;
  chars->addWidget(separatorLabel, 0, 0);
  chars->addWidget(separator_, 0, 1);
  chars->addWidget(quoteLabel, 1, 0);
  chars->addWidget(quote_, 1, 1);
  grid->addLayout(chars, 0, 1);
  headerLine_ = new QCheckBox(QStringLiteral("mit Spaltenüberschriften der Felder"), options);
  headerLine_->setObjectName(QStringLiteral("CheckBox3"));
  grid->addWidget(headerLine_, 2, 0, 1, 2);
  quoteFields_ = new QCheckBox(QStringLiteral("Felder mit Begrenzungszeichen "), options);
  quoteFields_->setObjectName(QStringLiteral("CheckBox1"));
  grid->addWidget(quoteFields_, 3, 0, 1, 2);
  auto* group = new QGroupBox(QStringLiteral("Optionen"), options);
  auto* groupLayout = new QVBoxLayout(group);
  disciplines_ = new QCheckBox(QStringLiteral("incl. Ergebnisse der Disziplinen"), group);
  disciplines_->setObjectName(QStringLiteral("CheckBox2"));
  groupLayout->addWidget(disciplines_);
  absent_ = new QCheckBox(QStringLiteral("incl. nicht angetretene Teilnehmer"), group);
  absent_->setObjectName(QStringLiteral("CheckBox4"));
  groupLayout->addWidget(absent_);
  grid->addWidget(group, 4, 0, 1, 2);
  grid->setRowStretch(5, 1);
  return options;
}

QWidget* TOptTXTDlg::NewFieldsPage(QWidget* pages) {
  auto* fields = new QWidget(pages);
  auto* fieldGrid = new QGridLayout(fields);
  srcList_ = FieldList("SrcList", fields);
  auto* srcLabel = new QLabel(QStringLiteral("mögliche Felder:"), fields);
  srcLabel->setBuddy(srcList_);
  fieldGrid->addWidget(srcLabel, 0, 0);
  fieldGrid->addWidget(srcList_, 1, 0);
  auto* moves = new QVBoxLayout;
  includeBtn_ = NewButton(fields, "IncludeBtn", QStringLiteral(">"));
  incAllBtn_ = NewButton(fields, "IncAllBtn", QStringLiteral(">>"));
  excludeBtn_ = NewButton(fields, "ExcludeBtn", QStringLiteral("<"));
  exAllBtn_ = NewButton(fields, "ExAllBtn", QStringLiteral("<<"));
  moves->addStretch();
  for (QPushButton* b : {includeBtn_, incAllBtn_, excludeBtn_, exAllBtn_}) moves->addWidget(b);
  moves->addStretch();
  fieldGrid->addLayout(moves, 1, 1);
  dstList_ = FieldList("DstList", fields);
  auto* dstLabel = new QLabel(QStringLiteral("exportierte Felder:"), fields);
  dstLabel->setBuddy(dstList_);
  fieldGrid->addWidget(dstLabel, 0, 2);
  fieldGrid->addWidget(dstList_, 1, 2);
  auto* order = new QVBoxLayout;
  upBtn_ = NewButton(fields, "UpBtn", QString());
  upBtn_->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
  dnBtn_ = NewButton(fields, "DnBtn", QString());
  dnBtn_->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
  order->addStretch();
  order->addWidget(upBtn_);
  order->addWidget(dnBtn_);
  order->addStretch();
  fieldGrid->addLayout(order, 1, 3);
  for (QPushButton* b : {includeBtn_, incAllBtn_, excludeBtn_, exAllBtn_, upBtn_, dnBtn_}) b->setEnabled(false);
  connect(includeBtn_, &QPushButton::clicked, this, &TOptTXTDlg::IncludeBtnClick);
  connect(incAllBtn_, &QPushButton::clicked, this, &TOptTXTDlg::IncAllBtnClick);
  connect(excludeBtn_, &QPushButton::clicked, this, &TOptTXTDlg::ExcludeBtnClick);
  connect(exAllBtn_, &QPushButton::clicked, this, &TOptTXTDlg::ExcAllBtnClick);
  connect(upBtn_, &QPushButton::clicked, this, &TOptTXTDlg::UpBtnClick);
  connect(dnBtn_, &QPushButton::clicked, this, &TOptTXTDlg::DnBtnClick);
  // A choice in either list decides which moves make sense.
  connect(dstList_, &QListWidget::itemSelectionChanged, this, &TOptTXTDlg::SetButtons);
  connect(srcList_, &QListWidget::itemSelectionChanged, this, &TOptTXTDlg::SetButtons);
  return fields;
}

void TOptTXTDlg::SetTextOptions(const TExportTextOptions& options) {
  const bool windows = options.ConvertToWindows;
  codePage_->SetItemIndex(windows ? 1 : 0);
  separator_->setCurrentText(TextOf(options.Separator, windows));
  quote_->setCurrentText(TextOf(options.Quote, windows));
  headerLine_->setChecked(options.HeaderLine);
  quoteFields_->setChecked(options.QuoteFields);
  disciplines_->setChecked(options.DisciplineResults);
  absent_->setChecked(options.IncludeAbsent);
}

void TOptTXTDlg::GetTextOptions(TExportTextOptions& options) const {
  const TExportTextOptions preset = PresetTextOptions();
  const bool windows = codePage_->ItemIndex() == 1;
  options.ConvertToWindows = windows;
  options.Separator = CharOf(separator_->currentText(), windows, preset.Separator);
  options.Quote = CharOf(quote_->currentText(), windows, preset.Quote);
  options.HeaderLine = headerLine_->isChecked();
  options.QuoteFields = quoteFields_->isChecked();
  options.DisciplineResults = disciplines_->isChecked();
  options.IncludeAbsent = absent_->isChecked();
}

// --- field chooser

void TOptTXTDlg::IncludeBtnClick() {
  const int index = GetFirstSelection(srcList_);
  MoveSelected(srcList_, dstList_);
  SetItem(srcList_, index);
}

void TOptTXTDlg::ExcludeBtnClick() {
  const int index = GetFirstSelection(dstList_);
  MoveSelected(dstList_, srcList_);
  SetItem(dstList_, index);
}

void TOptTXTDlg::IncAllBtnClick() {
  MoveAll(srcList_, dstList_);
  SetItem(srcList_, 0);
}

void TOptTXTDlg::ExcAllBtnClick() {
  MoveAll(dstList_, srcList_);
  SetItem(dstList_, 0);
}

void TOptTXTDlg::UpBtnClick() { Swap(-1); }

void TOptTXTDlg::DnBtnClick() { Swap(1); }

void TOptTXTDlg::Swap(int offset) {
  const int index = GetFirstSelection(dstList_);
  const int other = index + offset;
  if (index < 0 || other < 0 || other >= dstList_->count()) return;
  QListWidgetItem* a = dstList_->item(index);
  QListWidgetItem* b = dstList_->item(other);
  const QString text = a->text();
  a->setText(b->text());
  b->setText(text);
  SetItem(dstList_, other);
}

void TOptTXTDlg::SetButtons() {
  const bool src = srcList_->count() > 0;
  const bool dst = dstList_->count() > 0;
  includeBtn_->setEnabled(src);
  incAllBtn_->setEnabled(src);
  excludeBtn_->setEnabled(dst);
  exAllBtn_->setEnabled(dst);
  const bool chosen = dst && GetFirstSelection(dstList_) >= 0;
  upBtn_->setEnabled(chosen);
  dnBtn_->setEnabled(chosen);
}

// From the last item to the first, so the moved items arrive in reverse.
void TOptTXTDlg::MoveSelected(QListWidget* from, QListWidget* to) {
  for (int i = from->count() - 1; i >= 0; --i) {
    if (!from->item(i)->isSelected()) continue;
    to->addItem(from->takeItem(i));
  }
}

void TOptTXTDlg::MoveAll(QListWidget* from, QListWidget* to) {
  while (from->count() > 0) to->addItem(from->takeItem(0));
}

void TOptTXTDlg::SetItem(QListWidget* list, int index) {
  list->setFocus();
  const int last = list->count() - 1;
  if (index < 0) index = 0;
  if (index > last) index = last;
  if (index >= 0) list->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
  SetButtons();
}
