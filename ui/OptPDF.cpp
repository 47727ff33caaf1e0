#include "OptPDF.h"

#include <algorithm>

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "Desktop.h"
#include "DialogParts.h"
#include "OemText.h"
#include "VkWettk.h"

namespace {

constexpr int kTypedLength = 80;
constexpr size_t kInfoCapacity = 255;

// The user types at most kTypedLength characters, but a longer text the
// program puts in stays whole (a subject made of an 80-character title and
// the kind of event must reach the file uncut): the limit follows such a
// text down as the user deletes from it, as a limited edit control does.
void LimitTyping(QLineEdit* edit) {
  edit->setMaxLength(kTypedLength);
  QObject::connect(edit, &QLineEdit::textChanged, edit, [edit](const QString& text) {
    edit->setMaxLength(std::max<int>(kTypedLength, static_cast<int>(text.size())));
  });
}

void SetUntypedText(QLineEdit* edit, const QString& text) {
  edit->setMaxLength(std::max<int>(kTypedLength, static_cast<int>(text.size())));
  edit->setText(text);
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
    infoEdits_[i] = new QLineEdit(group);
    infoEdits_[i]->setObjectName(QString::fromLatin1(names[i]));
    LimitTyping(infoEdits_[i]);
    infoEdits_[i]->setMinimumWidth(280);
    auto* label = new QLabel(QString::fromUtf8(labels[i]), group);
    label->setBuddy(infoEdits_[i]);
    form->addRow(label, infoEdits_[i]);
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
  AddOkCancel(this, buttons);
  buttons->addStretch();
  layout->addLayout(buttons);
  infoEdits_[0]->setFocus();
}

void TOptPDFDlg::SetPDFInfo(const TPdfOptions& info) {
  const ShortString<255>* texts[] = {&info.Title, &info.Subject, &info.Author, &info.Keywords};
  for (int i = 0; i < 4; ++i) SetUntypedText(infoEdits_[i], FromAnsi(texts[i]->Str()));
  compress_->setChecked(info.Compress);
}

void TOptPDFDlg::GetPDFInfo(TPdfOptions& info) const {
  ShortString<255>* texts[] = {&info.Title, &info.Subject, &info.Author, &info.Keywords};
  for (int i = 0; i < 4; ++i) *texts[i] = ToAnsi(infoEdits_[i]->text(), kInfoCapacity);
  info.Compress = compress_->isChecked();
}

void TOptPDFDlg::OpenPDF(const QString& fileName) const {
  if (loadPdf_->isChecked()) TheDesktop().ShellOpen(fileName);
}

void PrefillPdfInfo(TPdfOptions& info, const TWettkampf& competition) {
  const TWettkampfDaten& header = competition.Header();
  info.Subject = ToAnsi(FromOem(header.Title()), kInfoCapacity) +
                 (competition.IsIndividual() ? " - Einzelwettbewerb" : " - Mannschaftswettbewerb");
  info.Author = ToAnsi(FromOem(header.Organiser()), kInfoCapacity);
}
