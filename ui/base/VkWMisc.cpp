#include "VkWMisc.h"

#include <unordered_set>
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

// The messages of the command that runs, in the DOS code page as the core
// reported them.
struct CommandMessages {
  int depth = 0;
  // The modal runs open when the command began.
  int modalLevel = 0;
  // Every distinct text so far: a flood of them (an import of thousands of
  // lines that fit no class) must not cost a comparison with each before.
  std::unordered_set<std::string> seen;
  // The texts for the box at the end, in the order they came, and how many
  // distinct ones followed them.
  std::vector<std::string> held;
  size_t notListed = 0;
};
CommandMessages g_command;
// The commands that opened the modal dialogs now running, innermost last.
std::vector<CommandMessages> g_setAside;
int g_modalLevel = 0;

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

BusyScope::BusyScope() : switched_(!g_busy) {
  if (switched_) SetBusy(true);
}

BusyScope::~BusyScope() {
  if (switched_) SetBusy(false);
}

// --- messages

void ReportError(const std::string& msg) {
  if (g_command.depth > 0) {
    if (!g_command.seen.insert(msg).second) return;
    if (g_command.seen.size() > size_t{CommandScope::kShownAtOnce}) {
      if (g_command.held.size() < size_t{CommandScope::kListedAtEnd})
        g_command.held.push_back(msg);
      else
        ++g_command.notListed;
      return;
    }
  }
  ShowMessage(msg);
}

CommandScope::CommandScope() {
  if (g_command.depth > 0 && g_modalLevel > g_command.modalLevel) {
    g_setAside.push_back(std::move(g_command));
    g_command = CommandMessages();
    resumes_ = true;
  }
  if (g_command.depth++ == 0) g_command.modalLevel = g_modalLevel;
}

CommandScope::~CommandScope() {
  if (--g_command.depth > 0) return;
  std::vector<std::string> held = std::move(g_command.held);
  const size_t notListed = g_command.notListed;
  g_command = CommandMessages();
  if (resumes_) {
    g_command = std::move(g_setAside.back());
    g_setAside.pop_back();
  }
  if (held.empty()) return;
  QStringList texts;
  for (const std::string& m : held) texts.append(ScreenText(m));
  // Said on the screen only: the DOS code page has no ellipsis.
  if (notListed > 0) texts.append(QStringLiteral("… und %1 weitere Meldungen.").arg(QString::number(notListed)));
  try {
    TheDesktop().ShowLongText(QStringLiteral("Weitere Meldungen"), texts.join(QStringLiteral("\n\n")));
  } catch (...) {
    // A destructor may run while an exception unwinds; the messages are lost
    // then, the program is not.
  }
}

ModalRun::ModalRun() { ++g_modalLevel; }

ModalRun::~ModalRun() { --g_modalLevel; }

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
  for (int i = 0; i < competition->GetCount(); ++i) names.append(FromOem(competition->At(i)->Name()));
}
