#include "VkWMisc.h"

#include <algorithm>
#include <utility>
#include <vector>

#include <QApplication>
#include <QCursor>
#include <QLabel>

#include "Desktop.h"
#include "OemText.h"
#include "VkAltersk.h"
#include "VkVersion.h"
#include "VkWettk.h"
#include "YrHooks.h"

namespace {

bool g_busy = false;

// The messages of the command that runs.
struct CommandMessages {
  int depth = 0;
  std::vector<std::string> seen;
  std::vector<std::string> held;
};
CommandMessages g_command;

VersionSource g_versionSource;

std::optional<VersionBlock> ProgramVersionBlock() {
  return VersionBlock{QString::fromUtf8(VK_FILE_VERSION), QString::fromUtf8(VK_LEGAL_COPYRIGHT),
                      QString::fromUtf8(VK_PRODUCT_NAME)};
}

bool HaveWidgets() { return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr; }

void ShowIndicator(const QString& text) {
  if (!HaveWidgets()) return;
  for (QWidget* top : QApplication::topLevelWidgets()) {
    QList<QLabel*> labels = top->findChildren<QLabel*>(QStringLiteral("ActivityIndicator"));
    if (auto* self = qobject_cast<QLabel*>(top); self && self->objectName() == u"ActivityIndicator")
      labels.append(self);
    for (QLabel* label : labels) {
      label->setText(text);
      label->repaint();
    }
  }
}

// Lines of a message are separated by CR (sometimes CR LF).
QString ScreenText(const std::string& msg) {
  QString text = FromOem(msg);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(u'\r', u'\n');
  return text;
}

void ShowMessage(const std::string& msg) {
  // The box gets the arrow even in the middle of a long operation.
  bool overridden = HaveWidgets() && QApplication::overrideCursor() != nullptr;
  if (overridden) QApplication::setOverrideCursor(Qt::ArrowCursor);
  TheDesktop().Inform(ScreenText(msg));
  if (overridden) QApplication::restoreOverrideCursor();
}

}  // namespace

void InstallWindowRoutines() { ErrorMsgProc = ReportError; }

// --- busy state

void SetBusy(bool busy) {
  if (HaveWidgets() && busy != g_busy) {
    if (busy)
      QApplication::setOverrideCursor(Qt::WaitCursor);
    else
      QApplication::restoreOverrideCursor();
  }
  g_busy = busy;
  ShowIndicator(QString::fromUtf16(busy ? kBusyText : kReadyText));
}

bool IsBusy() { return g_busy; }

BusyScope::BusyScope() : switched_(!g_busy) {
  if (switched_) SetBusy(true);
}

BusyScope::~BusyScope() {
  if (switched_) SetBusy(false);
}

// --- messages

void ReportError(const std::string& msg) {
  if (g_command.depth > 0) {
    std::vector<std::string>& seen = g_command.seen;
    if (std::find(seen.begin(), seen.end(), msg) != seen.end()) return;
    seen.push_back(msg);
    if (static_cast<int>(seen.size()) > CommandScope::kShownAtOnce) {
      g_command.held.push_back(msg);
      return;
    }
  }
  ShowMessage(msg);
}

CommandScope::CommandScope() { ++g_command.depth; }

CommandScope::~CommandScope() {
  if (--g_command.depth > 0) return;
  std::vector<std::string> held = std::move(g_command.held);
  g_command = CommandMessages();
  if (held.empty()) return;
  QStringList texts;
  for (const std::string& m : held) texts.append(ScreenText(m));
  try {
    TheDesktop().ShowLongText(QStringLiteral("Weitere Meldungen"), texts.join(QStringLiteral("\n\n")));
  } catch (...) {
    // A destructor may run while an exception unwinds; the messages are lost
    // then, the program is not.
  }
}

// --- version information

VersionSource SetVersionSource(VersionSource source) {
  VersionSource previous = g_versionSource ? g_versionSource : VersionSource(ProgramVersionBlock);
  g_versionSource = std::move(source);
  return previous;
}

void GetVersionInfo(VersionInfo& info) {
  std::optional<VersionBlock> block = g_versionSource ? g_versionSource() : ProgramVersionBlock();
  if (!block) {
    info.fileVersion = QStringLiteral("keine Versionsangabe vorhanden");
    return;
  }
  if (block->fileVersion) info.fileVersion = *block->fileVersion;
  if (block->legalCopyright) info.legalCopyright = *block->legalCopyright;
  if (block->productName) info.productName = *block->productName;
}

// --- age-class names

void FillAgeClassNames(const TWettkampf* competition, QStringList& names) {
  if (!competition) return;
  for (int i = 0; i < competition->GetCount(); ++i) AddAgeClassName(*competition->At(i), names);
}

void AddAgeClassName(const TAltersklasse& ageClass, QStringList& names) { names.append(FromOem(ageClass.Name())); }
