#include "PrnSetup.h"

#include <algorithm>

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRadioButton>
#include <QVBoxLayout>

#include "DialogParts.h"
#include "GroupKeys.h"

namespace {

QComboBox* NewCombo(QWidget* parent, const char* objectName) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(QString::fromLatin1(objectName));
  combo->setMinimumWidth(260);
  return combo;
}

}  // namespace

TPrinterSetupDlg::TPrinterSetupDlg(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("PrinterSetupDlg"));
  setWindowTitle(QStringLiteral("Drucker einrichten"));

  auto* printer = new QGroupBox(QStringLiteral("Drucker"), this);
  auto* printerForm = new QFormLayout(printer);
  name_ = NewCombo(printer, "NameCB");
  type_ = new QLabel(printer);
  type_->setObjectName(QStringLiteral("TypeLabel"));
  where_ = new QLabel(printer);
  where_->setObjectName(QStringLiteral("WhereLabel"));
  printerForm->addRow(QStringLiteral("&Name:"), name_);
  printerForm->addRow(QStringLiteral("Typ:"), type_);
  printerForm->addRow(QStringLiteral("Ort:"), where_);

  auto* paper = new QGroupBox(QStringLiteral("Papier"), this);
  auto* paperForm = new QFormLayout(paper);
  paper_ = NewCombo(paper, "PaperCB");
  paperForm->addRow(QStringLiteral("&Größe:"), paper_);

  auto* orientation = new QGroupBox(QStringLiteral("Orientierung"), this);
  auto* orientationColumn = new QVBoxLayout(orientation);
  portrait_ = new QRadioButton(QStringLiteral("&Hochformat"), orientation);
  portrait_->setObjectName(QStringLiteral("PortraitRB"));
  landscape_ = new QRadioButton(QStringLiteral("&Querformat"), orientation);
  landscape_->setObjectName(QStringLiteral("LandscapeRB"));
  orientationColumn->addWidget(portrait_);
  orientationColumn->addWidget(landscape_);
  portrait_->setChecked(true);
  new ChoiceTabStop({portrait_, landscape_}, orientation);

  auto* paperRow = new QHBoxLayout;
  paperRow->addWidget(paper, 1);
  paperRow->addWidget(orientation);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(printer);
  layout->addLayout(paperRow);
  layout->addLayout(OkCancelRow(this));

  connect(name_, &QComboBox::currentIndexChanged, this, [this] {
    const int i = paper_->currentIndex();
    FillPapers(i >= 0 ? papers_[i] : QPageSize());
  });
}

void TPrinterSetupDlg::SetPrinter(const QPrinter& printer) {
  const QStringList names = QPrinterInfo::availablePrinterNames();
  const QPageLayout layout = printer.pageLayout();
  QString chosen = printer.printerName();
  if (!names.contains(chosen)) chosen = QPrinterInfo::defaultPrinterName();
  if (!names.contains(chosen) && !names.isEmpty()) chosen = names.first();
  {
    const QSignalBlocker quiet(name_);
    name_->clear();
    name_->addItems(names);
    name_->setCurrentIndex(int(names.indexOf(chosen)));
  }
  name_->setEnabled(!names.isEmpty());
  FillPapers(layout.pageSize());
  (layout.orientation() == QPageLayout::Landscape ? landscape_ : portrait_)->setChecked(true);
}

void TPrinterSetupDlg::FillPapers(const QPageSize& keep) {
  const QPrinterInfo info = QPrinterInfo::printerInfo(name_->currentText());
  type_->setText(info.isNull() ? QStringLiteral("kein Drucker installiert") : info.makeAndModel());
  where_->setText(info.location());
  const QList<QPageSize> offered =
      info.isNull() ? QList<QPageSize>{QPageSize(QPageSize::A4), QPageSize(QPageSize::A3), QPageSize(QPageSize::A5),
                                       QPageSize(QPageSize::Letter), QPageSize(QPageSize::Legal)}
                    : info.supportedPageSizes();
  papers_.assign(offered.begin(), offered.end());
  const QPageSize fallback = info.isNull() ? QPageSize(QPageSize::A4) : info.defaultPageSize();
  int chosen = -1;
  for (size_t i = 0; i < papers_.size() && chosen < 0; ++i)
    if (papers_[i].isEquivalentTo(keep)) chosen = int(i);
  for (size_t i = 0; i < papers_.size() && chosen < 0; ++i)
    if (papers_[i].isEquivalentTo(fallback)) chosen = int(i);
  paper_->clear();
  for (const QPageSize& p : papers_) paper_->addItem(p.name());
  paper_->setCurrentIndex(papers_.empty() ? -1 : std::max(chosen, 0));
}

void TPrinterSetupDlg::GetPrinter(QPrinter& printer) const {
  if (name_->currentIndex() >= 0) {
    // A printer chosen here is printed on, also where printouts went to a
    // file before (the print dialog offers one).
    printer.setOutputFileName(QString());
    printer.setOutputFormat(QPrinter::NativeFormat);
    printer.setPrinterName(name_->currentText());
  }
  if (paper_->currentIndex() >= 0) printer.setPageSize(papers_[paper_->currentIndex()]);
  printer.setPageOrientation(landscape_->isChecked() ? QPageLayout::Landscape : QPageLayout::Portrait);
}
