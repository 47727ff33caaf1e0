#include "Desktop.h"

#include <cmath>
#include <cstdio>
#include <vector>

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDrag>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QMainWindow>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTreeView>
#include <QUrl>
#include <QVBoxLayout>

#include "PageSetup.h"
#include "PrnSetup.h"
#include "VkWMisc.h"

namespace {

Desktop* g_desktop = nullptr;

RealDesktop& ProgramDesktop() {
  static RealDesktop desktop;
  return desktop;
}

// Before the application object exists (or in a program without widgets)
// there is no one to ask: the text goes to the error output.
bool HaveWidgets() { return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr; }

// The window a box or a dialog stands over. While a file loads at start, and
// right after a dialog closed, no window is active yet: then the main window,
// so that the box does not stand alone in the middle of the screen.
QWidget* DialogParent() {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  if (QWidget* active = QApplication::activeWindow()) return active;
  for (QWidget* top : QApplication::topLevelWidgets())
    if (qobject_cast<QMainWindow*>(top) && top->isVisible()) return top;
  return nullptr;
}

// What closing the box without a button means.
int EscapeResult(MsgButtons buttons) {
  if (buttons & mbCancel) return mrCancel;
  if (buttons & mbNo) return mrNo;
  return mrOk;
}

// One filter of a filter text: what it shows and its patterns.
struct FilterPair {
  QString text;
  QStringList patterns;
};

std::vector<FilterPair> ParseFilter(const QString& filter) {
  std::vector<FilterPair> pairs;
  const QStringList parts = filter.split(u'|');
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
    pairs.push_back({parts[i], parts[i + 1].split(u';', Qt::SkipEmptyParts)});
  return pairs;
}

// The extension a saved name without one gets when this filter is chosen:
// the filter's own ("*.DBF" gives "DBF"), else the dialog's default.
QString SuffixFor(const FilterPair& pair, const QString& defaultExt) {
  static const QRegularExpression plainExt(QStringLiteral("^\\*\\.([^*?.\\[\\]]+)$"));
  if (!pair.patterns.isEmpty()) {
    QRegularExpressionMatch m = plainExt.match(pair.patterns.first().trimmed());
    if (m.hasMatch()) return m.captured(1);
  }
  return defaultExt;
}

FileChoice RunFileDialog(const FileRequest& request, bool save) {
  FileChoice choice;
  if (!HaveWidgets()) return choice;
  const std::vector<FilterPair> pairs = ParseFilter(request.filter);
  const QStringList filters = QtNameFilters(request.filter);
  QFileDialog dlg(DialogParent(), request.title);
  dlg.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dlg.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dlg.setNameFilters(filters);
  int index = request.filterIndex >= 1 && request.filterIndex <= filters.size() ? request.filterIndex : 1;
  auto suffix = [&](int i) { return i >= 1 && i <= int(pairs.size()) ? SuffixFor(pairs[i - 1], request.defaultExt)
                                                                     : request.defaultExt; };
  if (!filters.isEmpty()) dlg.selectNameFilter(filters[index - 1]);
  if (save) {
    dlg.setDefaultSuffix(suffix(index));
    QObject::connect(&dlg, &QFileDialog::filterSelected, &dlg, [&](const QString& f) {
      dlg.setDefaultSuffix(suffix(int(filters.indexOf(f)) + 1));
    });
  }
  if (!request.fileName.isEmpty()) dlg.selectFile(request.fileName);
  // At Qt's own size and column widths sizes, types and dates show cut
  // ("24....KiB"): those columns take the width of what they show, the name
  // the rest.
  if (auto* files = dlg.findChild<QTreeView*>(QStringLiteral("treeView"))) {
    QHeaderView* header = files->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
  }
  const QWidget* parent = dlg.parentWidget();
  if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
    dlg.resize(QSize(900, 600).boundedTo(screen->availableGeometry().size()));
  if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return choice;
  choice.ok = true;
  choice.fileName = dlg.selectedFiles().first();
  choice.filterIndex = filters.isEmpty() ? 1 : int(filters.indexOf(dlg.selectedNameFilter())) + 1;
  if (choice.filterIndex < 1) choice.filterIndex = index;
  return choice;
}

}  // namespace

QString DefaultCaption(MsgKind kind) {
  switch (kind) {
    case MsgKind::Information: return QStringLiteral("Information");
    case MsgKind::Warning: return QStringLiteral("Warnung");
    case MsgKind::Error: return QStringLiteral("Fehler");
    case MsgKind::Confirmation: return QStringLiteral("Bestätigung");
  }
  return QString();
}

int Desktop::MessageBox(MsgKind kind, const QString& caption, const QString& text, MsgButtons buttons) {
  if ((buttons & (mbOk | mbCancel | mbYes | mbNo)) == 0) buttons = mbOk;
  return ShowMessageBox(kind, caption.isEmpty() ? DefaultCaption(kind) : caption, text, buttons);
}

Desktop& TheDesktop() { return g_desktop ? *g_desktop : ProgramDesktop(); }

Desktop* SetDesktop(Desktop* desktop) {
  Desktop* previous = g_desktop ? g_desktop : &ProgramDesktop();
  g_desktop = desktop == &ProgramDesktop() ? nullptr : desktop;
  return previous;
}

std::string NativePath(const QString& fileName) { return QFile::encodeName(fileName).toStdString(); }

QStringList QtNameFilters(const QString& filter) {
  QStringList result;
  static const QRegularExpression trailingPatterns(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
  for (const FilterPair& pair : ParseFilter(filter)) {
    QStringList patterns;
    for (QString p : pair.patterns) {
      p = p.trimmed();
      if (p == u"*.*") p = QStringLiteral("*");
      for (const QString& q : {p, p.toLower(), p.toUpper()})
        if (!patterns.contains(q)) patterns.append(q);
    }
    QString text = pair.text;
    text.remove(trailingPatterns);
    result.append(text + QStringLiteral(" (") + patterns.join(u' ') + u')');
  }
  return result;
}

// --- the program's own desktop

RealDesktop::RealDesktop() : random_(std::random_device{}()) {}

int RealDesktop::RunModal(QDialog& dialog) {
  const ModalRun modal;
  int r = dialog.exec();
  return r == QDialog::Rejected ? mrCancel : r;
}

int RealDesktop::ShowMessageBox(MsgKind kind, const QString& caption, const QString& text, MsgButtons buttons) {
  if (!HaveWidgets()) {
    std::fprintf(stderr, "%s: %s\n", caption.toUtf8().constData(), text.toUtf8().constData());
    return EscapeResult(buttons);
  }
  static constexpr QMessageBox::Icon kIcons[] = {QMessageBox::Information, QMessageBox::Warning,
                                                  QMessageBox::Critical, QMessageBox::Question};
  QMessageBox box(kIcons[static_cast<int>(kind)], caption, text, QMessageBox::NoButton, DialogParent());
  box.setTextFormat(Qt::PlainText);
  struct Button {
    MsgButton flag;
    const char16_t* text;
    QMessageBox::ButtonRole role;
    int result;
  };
  static constexpr Button kButtons[] = {{mbYes, u"&Ja", QMessageBox::YesRole, mrYes},
                                        {mbNo, u"&Nein", QMessageBox::NoRole, mrNo},
                                        {mbOk, u"OK", QMessageBox::AcceptRole, mrOk},
                                        {mbCancel, u"Abbrechen", QMessageBox::RejectRole, mrCancel}};
  std::vector<std::pair<QAbstractButton*, int>> made;
  for (const Button& b : kButtons) {
    if (!(buttons & b.flag)) continue;
    QPushButton* button = box.addButton(QString::fromUtf16(b.text), b.role);
    if (made.empty()) box.setDefaultButton(button);
    made.emplace_back(button, b.result);
    if (b.result == EscapeResult(buttons)) box.setEscapeButton(button);
  }
  box.exec();
  for (const auto& [button, result] : made)
    if (box.clickedButton() == button) return result;
  return EscapeResult(buttons);
}

void RealDesktop::ShowLongText(const QString& caption, const QString& text) {
  if (!HaveWidgets()) {
    std::fprintf(stderr, "%s:\n%s\n", caption.toUtf8().constData(), text.toUtf8().constData());
    return;
  }
  QDialog dlg(DialogParent());
  dlg.setObjectName(QStringLiteral("LongTextDlg"));
  dlg.setWindowTitle(caption);
  auto* layout = new QVBoxLayout(&dlg);
  auto* view = new QPlainTextEdit(text, &dlg);
  view->setObjectName(QStringLiteral("LongText"));
  view->setReadOnly(true);
  layout->addWidget(view);
  auto* buttons = new QDialogButtonBox(&dlg);
  buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dlg, &QDialog::accept);
  layout->addWidget(buttons);
  dlg.resize(520, 360);
  dlg.exec();
}

FileChoice RealDesktop::OpenFileName(const FileRequest& request) { return RunFileDialog(request, false); }

FileChoice RealDesktop::SaveFileName(const FileRequest& request) { return RunFileDialog(request, true); }

bool Desktop::PageSetup(PageMargins& margins, int paperWidth, int paperHeight) {
  if (!HaveWidgets()) return false;
  // The print dialog asks only for the margins; paper and orientation are
  // the printer set-up's.
  TPageSetupDlg dlg(DialogParent());
  dlg.SetPaper(paperWidth, paperHeight);
  dlg.SetMargins(margins);
  if (RunModal(dlg) != mrOk) return false;
  margins = dlg.Margins();
  return true;
}

bool PrinterReachableNow(const QPrinter& printer) {
  if (!printer.outputFileName().isEmpty()) return true;
  return printer.outputFormat() == QPrinter::NativeFormat && printer.isValid() && !printer.printerName().isEmpty() &&
         QPrinterInfo::availablePrinterNames().contains(printer.printerName());
}

bool RealDesktop::PrintDialog(QPrinter& printer, PrintRequest& request) {
  if (!HaveWidgets()) return false;
  // The dialog shows the copies, the collation and the page order the
  // printer holds when it is made.
  printer.setCopyCount(request.copies);
  printer.setCollateCopies(request.collate);
  printer.setPageOrder(request.lastPageFirst ? QPrinter::LastPageFirst : QPrinter::FirstPageFirst);
  QPrintDialog dlg(&printer, DialogParent());
  QAbstractPrintDialog::PrintDialogOptions options =
      QAbstractPrintDialog::PrintPageRange | QAbstractPrintDialog::PrintCollateCopies |
      QAbstractPrintDialog::PrintShowPageSize | QAbstractPrintDialog::PrintToFile;
  if (request.selectionEnabled) options |= QAbstractPrintDialog::PrintSelection;
  dlg.setOptions(options);
  dlg.setMinMax(request.minPage, request.maxPage);
  if (request.fromPage >= request.minPage && request.toPage <= request.maxPage && request.fromPage <= request.toPage)
    dlg.setFromTo(request.fromPage, request.toPage);
  dlg.setPrintRange(request.range == PrintRequest::Selection ? QAbstractPrintDialog::Selection
                    : request.range == PrintRequest::PageRange ? QAbstractPrintDialog::PageRange
                                                               : QAbstractPrintDialog::AllPages);
  if (dlg.exec() != QDialog::Accepted) return false;
  switch (dlg.printRange()) {
    case QAbstractPrintDialog::Selection: request.range = PrintRequest::Selection; break;
    case QAbstractPrintDialog::PageRange:
      request.range = PrintRequest::PageRange;
      request.fromPage = dlg.fromPage();
      request.toPage = dlg.toPage();
      request.pages = printer.pageRanges();
      break;
    default:
      request.range = PrintRequest::AllPages;
      request.fromPage = request.minPage;
      request.toPage = request.maxPage;
      break;
  }
  request.copies = printer.copyCount();
  request.collate = printer.collateCopies();
  request.lastPageFirst = printer.pageOrder() == QPrinter::LastPageFirst;
  return true;
}

bool RealDesktop::PrinterSetup(QPrinter& printer) {
  if (!HaveWidgets()) return false;
  TPrinterSetupDlg dlg(DialogParent());
  dlg.SetPrinter(printer);
  if (RunModal(dlg) != mrOk) return false;
  dlg.GetPrinter(printer);
  return true;
}

bool RealDesktop::PrinterReachable(const QPrinter& printer) { return PrinterReachableNow(printer); }

bool RealDesktop::ShellOpen(const QString& path) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
}

Qt::DropAction RealDesktop::Drag(QDrag* drag, Qt::DropActions actions) { return drag->exec(actions); }

void RealDesktop::Beep() {
  if (HaveWidgets()) QApplication::beep();
}

TYrDateTime RealDesktop::Now() { return ClockNow(); }

int RealDesktop::Random(int range) {
  if (range < 1) return 0;
  return std::uniform_int_distribution<int>(0, range - 1)(random_);
}
