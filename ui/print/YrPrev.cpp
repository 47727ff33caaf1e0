#include "YrPrev.h"

#include <algorithm>

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScrollArea>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "Desktop.h"
#include "Hints.h"
#include "OemText.h"
#include "YrPrnDev.h"

// The page on screen: the form paints it.
class PreviewPaintBox : public QWidget {
 public:
  PreviewPaintBox(TPreviewForm* form, QWidget* parent) : QWidget(parent), form_(form) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    form_->PaintBox1Paint(painter);
  }

 private:
  TPreviewForm* form_;
};

namespace {

// Room around the page while it scrolls.
constexpr int kMargin = 15;
// The page frame: one pixel of black on each side, two of shadow.
constexpr int kFrame = 4;

QString PageInfo(int32_t width, int32_t height) {
  return QStringLiteral("(Seite: %1x%2)").arg(width).arg(height);
}

// `widget` with its object name.
template <class W>
W* Named(W* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

// An edit for a page number or a zoom.
QLineEdit* NumberEdit(QWidget* parent, const char* name) {
  auto* edit = Named(new QLineEdit(parent), name);
  edit->setFixedWidth(50);
  return edit;
}

// The whole number typed into `edit`; for any other text a beep, `current`
// back in the edit, and false.
bool TypedNumber(QLineEdit* edit, int current, int& number) {
  bool ok = false;
  number = edit->text().trimmed().toInt(&ok);
  if (!ok) {
    TheDesktop().Beep();
    edit->setText(QString::number(current));
  }
  return ok;
}

}  // namespace

TPreviewForm::TPreviewForm(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TPreviewForm"));
  setWindowTitle(QStringLiteral("Seitenansicht"));
  setWindowFlag(Qt::WindowMinMaxButtonsHint, true);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  QToolBar* speedBar = NewSpeedBar();
  layout->addWidget(speedBar);
  layout->addWidget(NewScrollBox(), 1);
  layout->addWidget(NewStatusPanel());
  infoLabel_->setText(PageInfo(pageWidth_, pageHeight_));
  // Every button in sight also where the window manager does not maximise
  // the form.
  resize(std::max(900, speedBar->sizeHint().width()), 700);
  setWindowState(Qt::WindowMaximized);
}

QToolBar* TPreviewForm::NewSpeedBar() {
  auto* speedBar = Named(new QToolBar(QStringLiteral("Seitenansicht"), this), "SpeedBar1");
  speedBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
  // The buttons in their order on the speed bar: object name, caption, hint
  // (short and long text) and what a click does.
  const struct {
    const char* name;
    const char16_t* caption;
    const char16_t* hint;
    void (TPreviewForm::*click)();
  } kButtons[] = {
      {"PrintBtn", u"Drucken", u"Drucken|Drucken", &TPreviewForm::PrintBtnClick},
      {"PrinterSetupBtn", u"Drucker einrichten", u"Drucker einrichten|Drucker einrichten",
       &TPreviewForm::PrinterSetupBtnClick},
      {"FirstPageBtn", u"erste Seite", u"erste Seite|erste Seite anzeigen", &TPreviewForm::FirstPageBtnClick},
      {"PrevPageBtn", u"vorherige Seite", u"vorherige Seite|vorherige Seite anzeigen", &TPreviewForm::PrevPageBtnClick},
      {"NextPageBtn", u"nächste Seite", u"nächste Seite|nächste Seite anzeigen", &TPreviewForm::NextPageBtnClick},
      {"LastPageBtn", u"letzte Seite", u"letzte Seite|letzte Seite anzeigen", &TPreviewForm::LastPageBtnClick},
      {"ZoomToFitBtn", u"Anzeige anpassen", u"Anzeige anpassen|", &TPreviewForm::ZoomToFitBtnClick},
      {"ZoomToWidthBtn", u"Anzeigenbreite anpassen", u"Anzeigenbreite anpassen|", &TPreviewForm::ZoomToWidthBtnClick},
      {"ZoomInBtn", u"Vergrößern", u"Vergrößern|Ansicht vergrößern", &TPreviewForm::ZoomInBtnClick},
      {"ZoomOutBtn", u"Verkleinern", u"Verkleinern|Ansicht verkleinern", &TPreviewForm::ZoomOutBtnClick},
      {"ExitBtn", u"Schließen", u"Schließen|Ansicht schließen", &TPreviewForm::ExitBtnClick},
  };
  for (const auto& button : kButtons) {
    const QString hint = QString::fromUtf16(button.hint);
    auto* tool = Named(new QToolButton(speedBar), button.name);
    tool->setText(QString::fromUtf16(button.caption));
    SetHint(tool, hint);
    tool->setFocusPolicy(Qt::NoFocus);
    connect(tool, &QToolButton::clicked, this, button.click);
    QAction* shown = speedBar->addWidget(tool);
    // The printer set-up belongs to the print dialog, not to the preview.
    if (button.click == &TPreviewForm::PrinterSetupBtnClick) shown->setVisible(false);
  }
  return speedBar;
}

QScrollArea* TPreviewForm::NewScrollBox() {
  scrollBox_ = Named(new QScrollArea(this), "ScrollBox1");
  scrollBox_->setAlignment(Qt::AlignCenter);
  scrollBox_->setBackgroundRole(QPalette::Dark);
  // The paging keys belong to the form.
  scrollBox_->setFocusPolicy(Qt::NoFocus);
  scrollBox_->installEventFilter(this);
  sheet_ = new QWidget;
  paintBox_ = Named(new PreviewPaintBox(this, sheet_), "PaintBox1");
  paintBox_->move(kMargin, kMargin);
  scrollBox_->setWidget(sheet_);
  return scrollBox_;
}

QWidget* TPreviewForm::NewStatusPanel() {
  auto* status = Named(new QWidget(this), "StatusPanel");
  auto* pageLabel = Named(new QLabel(QStringLiteral("Seite"), status), "Label1");
  pageEdit_ = NumberEdit(status, "PageEdit");
  pageCountLabel_ = Named(new QLabel(status), "Label2");
  auto* zoomLabel = Named(new QLabel(QStringLiteral("Zoom"), status), "Label3");
  zoomEdit_ = NumberEdit(status, "ZoomEdit");
  infoLabel_ = Named(new QLabel(status), "InfoLabel");
  pageLabel->setBuddy(pageEdit_);
  zoomLabel->setBuddy(zoomEdit_);
  auto* row = new QHBoxLayout(status);
  row->setContentsMargins(6, 3, 6, 3);
  row->addWidget(pageLabel);
  row->addWidget(pageEdit_);
  row->addWidget(pageCountLabel_);
  row->addSpacing(20);
  row->addWidget(zoomLabel);
  row->addWidget(zoomEdit_);
  row->addSpacing(20);
  row->addWidget(infoLabel_);
  row->addStretch(1);
  connect(pageEdit_, &QLineEdit::editingFinished, this, [this] { PageEditExit(); });
  connect(zoomEdit_, &QLineEdit::editingFinished, this, [this] { ZoomEditExit(); });
  return status;
}

TPreviewForm::~TPreviewForm() {
  // The children outlive this part of the form while QWidget deletes them,
  // and an edit that loses the focus then says it was left.
  scrollBox_->removeEventFilter(this);
  pageEdit_->disconnect(this);
  zoomEdit_->disconnect(this);
}

int TPreviewForm::PageCount() const { return device_ && device_->Doc ? device_->Doc->PageCount() : 0; }

void TPreviewForm::Setup(const TYrPrintDoc* doc, int16_t page, int32_t pageWidth, int32_t pageHeight) {
  if (!doc) {
    empty_ = std::make_unique<TYrPrintDoc>("leer");
    doc = empty_.get();
  }
  device_ = std::make_unique<TYrPreviewDevice>(doc, nullptr, pageWidth, pageHeight);
  pageWidth_ = device_->PageWidth;
  pageHeight_ = device_->PageHeight;
  setWindowTitle(QStringLiteral("Seitenansicht - ") + FromOem(doc->Title()));
  pageCountLabel_->setText(QStringLiteral("von %1").arg(doc->PageCount()));
  zoom_ = 0;
  GotoPage(page);
  ZoomToFit();
  paintBox_->update();
}

void TPreviewForm::GotoPage(int page) {
  int p = std::max(page, 1);
  p = std::min(p, PageCount());
  pageEdit_->setText(QString::number(p));
  if (p != currentPage_) {
    currentPage_ = p;
    paintBox_->update();
  }
}

void TPreviewForm::SetZoom(int zoom) {
  const int z = std::clamp(zoom, kMinZoom, kMaxZoom);
  zoomEdit_->setText(QString::number(z));
  if (z == zoom_ || !device_) return;
  zoom_ = z;
  device_->SetZoom(z);
  const int w = device_->HorzRes + kFrame;
  const int h = device_->VertRes + kFrame;
  paintBox_->setFixedSize(w, h);
  sheet_->setFixedSize(w + 2 * kMargin, h + 2 * kMargin);
  infoLabel_->setText(PageInfo(pageWidth_, pageHeight_) + QStringLiteral(" PaintBox: %1/%2").arg(w).arg(h));
  paintBox_->update();
}

// Zoom in percent at which `pixels` of room hold `millimetres` of the page
// with its frame and margins.
static int ZoomFor(double pixels, int32_t millimetres) {
  return static_cast<int>((pixels - 2.0 * kMargin - kFrame) / std::max(millimetres, 1) / 3 * 100);
}

void TPreviewForm::ZoomToFit() {
  if (!device_) return;
  const int frame = 2 * scrollBox_->frameWidth();
  SetZoom(std::min(ZoomFor(scrollBox_->height() - frame, device_->VertSize),
                   ZoomFor(scrollBox_->width() - frame, device_->HorzSize)));
}

void TPreviewForm::ZoomToWidth() {
  if (!device_) return;
  // The page is then taller than the window: leave room for the vertical
  // scroll bar, so that no horizontal one is needed.
  const int bar = scrollBox_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scrollBox_);
  SetZoom(ZoomFor(scrollBox_->width() - 2 * scrollBox_->frameWidth() - bar, device_->HorzSize));
}

void TPreviewForm::PaintBox1Paint(QPainter& painter) {
  const int w = paintBox_->width();
  const int h = paintBox_->height();
  const QColor shadow(128, 128, 128);
  painter.fillRect(QRect(w - 2, 3, 2, h - 3), shadow);
  painter.fillRect(QRect(3, h - 2, w - 3, 2), shadow);
  painter.setPen(Qt::black);
  painter.setBrush(Qt::white);
  painter.drawRect(0, 0, w - 3, h - 3);
  painter.setBrush(Qt::NoBrush);
  if (!device_) return;
  painter.translate(1, 1);
  device_->Canvas = &painter;
  device_->SetZoom(zoom_);
  device_->DrawPage(static_cast<int16_t>(currentPage_));
  device_->Canvas = nullptr;
}

void TPreviewForm::PageEditExit() {
  int page = 0;
  if (TypedNumber(pageEdit_, currentPage_, page)) GotoPage(page);
}

void TPreviewForm::ZoomEditExit() {
  int zoom = 0;
  if (!TypedNumber(zoomEdit_, zoom_, zoom)) return;
  zoomChosen_ = true;
  SetZoom(zoom);
}

void TPreviewForm::PrintBtnClick() { done(kPrintResult); }

void TPreviewForm::FirstPageBtnClick() { GotoPage(1); }

void TPreviewForm::PrevPageBtnClick() { GotoPage(currentPage_ - 1); }

void TPreviewForm::NextPageBtnClick() { GotoPage(currentPage_ + 1); }

void TPreviewForm::LastPageBtnClick() { GotoPage(PageCount()); }

void TPreviewForm::ZoomToFitBtnClick() {
  zoomChosen_ = true;
  ZoomToFit();
}

void TPreviewForm::ZoomToWidthBtnClick() {
  zoomChosen_ = true;
  ZoomToWidth();
}

void TPreviewForm::ZoomInBtnClick() {
  zoomChosen_ = true;
  SetZoom(zoom_ + 10);
}

void TPreviewForm::ZoomOutBtnClick() {
  zoomChosen_ = true;
  SetZoom(zoom_ - 10);
}

void TPreviewForm::ExitBtnClick() { reject(); }

void TPreviewForm::PrinterSetupBtnClick() {
  if (!TheDesktop().PrinterSetup(CurrentPrinter())) return;
  GotoPage(1);
  ZoomToFit();
}

void TPreviewForm::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_PageUp: PrevPageBtnClick(); break;
    case Qt::Key_PageDown: NextPageBtnClick(); break;
    case Qt::Key_Home: FirstPageBtnClick(); break;
    case Qt::Key_End: LastPageBtnClick(); break;
    case Qt::Key_Plus: ZoomInBtnClick(); break;
    case Qt::Key_Minus: ZoomOutBtnClick(); break;
    default: QDialog::keyPressEvent(event); return;
  }
  event->accept();
}

bool TPreviewForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == scrollBox_ && event->type() == QEvent::Resize && !zoomChosen_) ZoomToFit();
  return QDialog::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------

int ShowPreview(const TYrPrintDoc* doc, int32_t pageWidth, int32_t pageHeight) {
  TPreviewForm form(QApplication::activeWindow());
  form.Setup(doc, 1, pageWidth, pageHeight);
  const int result = TheDesktop().RunModal(form);
  return result == TPreviewForm::kPrintResult ? result : mrCancel;
}
