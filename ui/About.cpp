#include "About.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "Desktop.h"
#include "VkWMisc.h"

namespace {

QLabel* Label(const char* name, const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setTextFormat(Qt::PlainText);
  return label;
}

}  // namespace

const QString& TAboutBox::FallbackCopyright() {
  static const QString text = QStringLiteral("© 2007 Tarnwell");
  return text;
}

TAboutBox::TAboutBox(QWidget* owner) : QDialog(owner) {
  setObjectName(QStringLiteral("TAboutBox"));
  VersionInfo version;  // all three empty
  GetVersionInfo(version);
  fileVersion_ = version.fileVersion;
  copyright_ = version.legalCopyright.isEmpty() ? FallbackCopyright() : version.legalCopyright;
  productName_ = version.productName;
  setWindowTitle(QStringLiteral("Über %1").arg(productName_));

  auto* layout = new QVBoxLayout(this);
  auto* panel = new QFrame(this);
  panel->setObjectName(QStringLiteral("Panel1"));
  panel->setFrameShape(QFrame::StyledPanel);
  auto* panelLayout = new QHBoxLayout(panel);
  auto* icon = Label("ProgramIcon", QString(), panel);
  icon->setPixmap(QApplication::windowIcon().pixmap(32, 32));
  icon->setFixedSize(40, 40);
  icon->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  panelLayout->addWidget(icon, 0, Qt::AlignTop);
  auto* texts = new QVBoxLayout;
  auto* name = Label("ProgramNameLabel", productName_, panel);
  QFont bold = name->font();
  bold.setBold(true);
  name->setFont(bold);
  texts->addWidget(name);
  texts->addWidget(Label("VersionLabel", QStringLiteral("Version ") + fileVersion_, panel));
  texts->addWidget(Label("Copyright", QStringLiteral("Copyright ") + copyright_, panel));
  panelLayout->addLayout(texts, 1);
  layout->addWidget(panel);
  stackMinLabel_ = Label("StackMinLabel", QString(), this);
  layout->addWidget(stackMinLabel_);

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("OKButton"));
  // Default and cancel button at once: Enter and Escape both close the box.
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(ok, 0, Qt::AlignHCenter);
  ok->setFocus();
}

void TAboutBox::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) stackMinLabel_->clear();
}

void ShowAboutBox(QWidget* owner) {
  TAboutBox box(owner);
  TheDesktop().RunModal(box);
}
