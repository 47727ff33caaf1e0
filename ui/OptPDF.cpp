#include "OptPDF.h"

#include <algorithm>
#include <memory>

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "Desktop.h"
#include "OemText.h"

namespace {

constexpr int kTypedLength = 80;
constexpr size_t kInfoCapacity = 255;

// Limits what the user types to `max` characters, as a maximum length would,
// but leaves longer texts the program puts in whole: a subject made of an
// 80-character title and the kind of event must reach the file uncut.
void LimitTyping(QLineEdit* edit, int max) {
  auto last = std::make_shared<QString>();
  QObject::connect(edit, &QLineEdit::textChanged, edit, [last](const QString& text) { *last = text; });
  QObject::connect(edit, &QLineEdit::textEdited, edit, [edit, last, max](const QString& text) {
    const qsizetype inserted = text.size() - last->size();
    if (text.size() <= max || inserted <= 0) return;
    // Keep of what came in only what fits, as a limited edit control does.
    const qsizetype end = edit->cursorPosition();
    const qsizetype start = end - inserted;
    const qsizetype fits = std::max<qsizetype>(0, max - last->size());
    const QString kept = text.left(start) + text.mid(start, fits) + text.mid(end);
    edit->setText(kept);
    edit->setCursorPosition(static_cast<int>(start + fits));
  });
}

}  // namespace

TOptPDFDlg::TOptPDFDlg(QWidget* owner) : QDialog(owner) {
  setObjectName(QStringLiteral("TOptPDFDlg"));
  setWindowTitle(QStringLiteral("PDF Optionen"));
  auto* layout = new QHBoxLayout(this);
  auto* group = new QGroupBox(QStringLiteral("Optionen"), this);
  auto* form = new QFormLayout(group);
  const char* const names[] = {"Edit1", "Edit2", "Edit3", "Edit4"};
  const char* const labels[] = {"&Titel", "T&hema", "&Verfasser", "&Stichwörter"};
  for (int i = 0; i < 4; ++i) {
    edit_[i] = new QLineEdit(group);
    edit_[i]->setObjectName(QString::fromLatin1(names[i]));
    LimitTyping(edit_[i], kTypedLength);
    edit_[i]->setMinimumWidth(280);
    auto* label = new QLabel(QString::fromUtf8(labels[i]), group);
    label->setBuddy(edit_[i]);
    form->addRow(label, edit_[i]);
  }
  compress_ = new QCheckBox(QStringLiteral("kom&primierte Datei erzeugen"), group);
  compress_->setObjectName(QStringLiteral("CheckBox1"));
  form->addRow(compress_);
  loadPdf_ = new QCheckBox(QStringLiteral("PDF laden"), group);
  loadPdf_->setObjectName(QStringLiteral("LoadPDFCB"));
  loadPdf_->setChecked(true);
  loadPdf_->setEnabled(false);
  loadPdf_->hide();
  layout->addWidget(group, 1);

  auto* buttons = new QVBoxLayout;
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("OKBtn"));
  ok->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
  cancel->setObjectName(QStringLiteral("CancelBtn"));
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  buttons->addStretch();
  layout->addLayout(buttons);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  edit_[0]->setFocus();
}

void TOptPDFDlg::SetPDFInfo(const TPdfOptions& info) {
  const ShortString<255>* texts[] = {&info.Title, &info.Subject, &info.Author, &info.Keywords};
  for (int i = 0; i < 4; ++i) edit_[i]->setText(FromAnsi(texts[i]->Str()));
  compress_->setChecked(info.Compress);
}

void TOptPDFDlg::GetPDFInfo(TPdfOptions& info) const {
  ShortString<255>* texts[] = {&info.Title, &info.Subject, &info.Author, &info.Keywords};
  for (int i = 0; i < 4; ++i) *texts[i] = ToAnsi(edit_[i]->text(), kInfoCapacity);
  info.Compress = compress_->isChecked();
}

void TOptPDFDlg::OpenPDF(const QString& fileName) const {
  if (loadPdf_->isChecked()) TheDesktop().ShellOpen(fileName);
}
