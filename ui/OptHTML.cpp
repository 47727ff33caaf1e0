#include "OptHTML.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "Desktop.h"
#include "DialogParts.h"
#include "OemText.h"
#include "RadioGroup.h"

namespace {

constexpr size_t kTextCapacity = 255;

}  // namespace

const QString& TOptHTMLDlg::PictureFilter() {
  static const QString filter = QStringLiteral(
      "Bilder|*.BMP;*.PCX;*.GIF|Bitmap|*.BMP|Paintbrush|*.PCX|Compuserve Graphics|*.GIF|Alle Dateien|*.*");
  return filter;
}

TOptHTMLDlg::TOptHTMLDlg(QWidget* owner) : QDialog(owner) {
  setObjectName(QStringLiteral("TOptHTMLDlg"));
  setWindowTitle(QStringLiteral("HTML Optionen"));
  auto* layout = new QHBoxLayout(this);
  auto* controls = new QVBoxLayout;

  form_ = new RadioGroup(QStringLiteral("RadioGroup1"), QStringLiteral("Teilnehmer"),
                         {QStringLiteral("Tabellenform"), QStringLiteral("Textform")}, 1, this);
  controls->addWidget(form_);
  links_ = new QCheckBox(QStringLiteral("Sprungziele für Altersklassen"), this);
  links_->setObjectName(QStringLiteral("CheckBox1"));
  controls->addWidget(links_);
  disciplines_ = new QCheckBox(QStringLiteral("incl. Ergebnisse der Disziplinen"), this);
  disciplines_->setObjectName(QStringLiteral("CheckBox2"));
  controls->addWidget(disciplines_);

  auto* background = new QGroupBox(QStringLiteral("Hintergrundoptionen"), this);
  auto* grid = new QGridLayout(background);
  colour_ = new QComboBox(background);
  colour_->setObjectName(QStringLiteral("ComboBox1"));
  colour_->addItems({QStringLiteral("Voreinstellung"), QStringLiteral("schwarz"), QStringLiteral("weiß"),
                     QStringLiteral("rot"), QStringLiteral("grün"), QStringLiteral("blau"), QStringLiteral("gelb"),
                     QStringLiteral("magenta"), QStringLiteral("cyan")});
  auto* colourLabel = new QLabel(QStringLiteral("Farbe"), background);
  colourLabel->setBuddy(colour_);
  grid->addWidget(colourLabel, 0, 0);
  grid->addWidget(colour_, 0, 1);
  picture_ = new QLineEdit(background);
  picture_->setObjectName(QStringLiteral("Edit1"));
  picture_->setMaxLength(static_cast<int>(kTextCapacity));
  auto* pictureLabel = new QLabel(QStringLiteral("Bild"), background);
  pictureLabel->setBuddy(picture_);
  grid->addWidget(pictureLabel, 1, 0);
  grid->addWidget(picture_, 1, 1);
  auto* browse = NewButton(background, "Button1", QStringLiteral("&Durchsuchen..."));
  grid->addWidget(browse, 2, 1, Qt::AlignRight);
  grid->setColumnStretch(1, 1);
  controls->addWidget(background);
  controls->addStretch();
  layout->addLayout(controls, 1);

  auto* buttons = new QVBoxLayout;
  AddOkCancel(this, buttons);
  auto* help = NewButton(this, "HelpBtn", QStringLiteral("&Hilfe"));
  auto* fields = NewButton(this, "FieldsBtn", QStringLiteral("Felder..."));
  help->hide();
  fields->hide();
  buttons->addWidget(help);
  buttons->addWidget(fields);
  buttons->addStretch();
  layout->addLayout(buttons);
  connect(browse, &QPushButton::clicked, this, &TOptHTMLDlg::Button1Click);

  SetHtmlOptions(PresetHtmlOptions());
  form_->setFocus();
}

void TOptHTMLDlg::SetHtmlOptions(const TExportHtmlOptions& options) {
  form_->SetItemIndex(options.TableForm ? 0 : 1);
  links_->setChecked(options.AgeClassLinks);
  disciplines_->setChecked(options.DisciplineResults);
  colour_->setCurrentIndex(colour_->findText(FromOem(options.BodyColour.Str())));
  picture_->setText(FromOem(options.BackgroundImage.Str()));
}

void TOptHTMLDlg::GetHtmlOptions(TExportHtmlOptions& options) const {
  options.TableForm = form_->ItemIndex() == 0;
  options.AgeClassLinks = links_->isChecked();
  options.DisciplineResults = disciplines_->isChecked();
  options.BodyColour = ToOem(colour_->currentText(), kTextCapacity);
  options.BackgroundImage = ToOem(picture_->text(), kTextCapacity);
}

void TOptHTMLDlg::Button1Click() {
  FileRequest request;
  request.title = QStringLiteral("Öffnen");
  request.filter = PictureFilter();
  FileChoice choice = TheDesktop().OpenFileName(request);
  if (choice.ok) picture_->setText(QFileInfo(choice.fileName).fileName());
}
