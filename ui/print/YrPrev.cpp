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

}  // namespace

TPreviewForm::TPreviewForm(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TPreviewForm"));
  setWindowTitle(QStringLiteral("Seitenansicht"));
  setWindowFlag(Qt::WindowMinMaxButtonsHint, true);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  auto* speedBar = new QToolBar(QStringLiteral("Seitenansicht"), this);
  speedBar->setObjectName(QStringLiteral("SpeedBar1"));
  speedBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
  layout->addWidget(speedBar);
  const struct {
    const char* name;
    const char16_t* caption;
    const char16_t* hint;
  } kButtons[] = {
      {"PrintBtn", u"Drucken", u"Drucken|Drucken"},
      {"PrinterSetupBtn", u"Drucker einrichten", u"Drucker einrichten|Drucker einrichten"},
      {"FirstPageBtn", u"erste Seite", u"erste Seite|erste Seite anzeigen"},
      {"PrevPageBtn", u"vorherige Seite", u"vorherige Seite|vorherige Seite anzeigen"},
      {"NextPageBtn", u"nächste Seite", u"nächste Seite|nächste Seite anzeigen"},
      {"LastPageBtn", u"letzte Seite", u"letzte Seite|letzte Seite anzeigen"},
      {"ZoomToFitBtn", u"Anzeige anpassen", u"Anzeige anpassen|"},
      {"ZoomToWidthBtn", u"Anzeigenbreite anpassen", u"Anzeigenbreite anpassen|"},
      {"ZoomInBtn", u"Vergrößern", u"Vergrößern|Ansicht vergrößern"},
      {"ZoomOutBtn", u"Verkleinern", u"Verkleinern|Ansicht verkleinern"},
      {"ExitBtn", u"Schließen", u"Schließen|Ansicht schließen"},
      {"SaveAsPDFBtn", u"als PDF-Datei speichern", u"als PDF-Datei speichern|"},
  };
  QToolButton* b[std::size(kButtons)];
  for (size_t i = 0; i < std::size(kButtons); ++i) {
    const QString hint = QString::fromUtf16(kButtons[i].hint);
    b[i] = new QToolButton(speedBar);
    b[i]->setObjectName(QString::fromLatin1(kButtons[i].name));
    b[i]->setText(QString::fromUtf16(kButtons[i].caption));
    b[i]->setToolTip(hint.section(u'|', 0, 0));
    b[i]->setStatusTip(hint.section(u'|', 1));
    b[i]->setFocusPolicy(Qt::NoFocus);
    QAction* shown = speedBar->addWidget(b[i]);
    // Neither printer set-up nor the PDF file belong in the preview.
    if (i == 1 || i == 11) shown->setVisible(false);
  }
  connect(b[0], &QToolButton::clicked, this, [this] { done(kPrintResult); });
  connect(b[1], &QToolButton::clicked, this, [this] { PrinterSetupBtnClick(); });
  connect(b[2], &QToolButton::clicked, this, [this] { GotoPage(1); });
  connect(b[3], &QToolButton::clicked, this, [this] { GotoPage(currentPage_ - 1); });
  connect(b[4], &QToolButton::clicked, this, [this] { GotoPage(currentPage_ + 1); });
  connect(b[5], &QToolButton::clicked, this, [this] { GotoPage(PageCount()); });
  connect(b[6], &QToolButton::clicked, this, [this] { zoomChosen_ = true, ZoomToFit(); });
  connect(b[7], &QToolButton::clicked, this, [this] { zoomChosen_ = true, ZoomToWidth(); });
  connect(b[8], &QToolButton::clicked, this, [this] { zoomChosen_ = true, SetZoom(zoom_ + 10); });
  connect(b[9], &QToolButton::clicked, this, [this] { zoomChosen_ = true, SetZoom(zoom_ - 10); });
  connect(b[10], &QToolButton::clicked, this, &QDialog::reject);
  // Every button in sight also where the window manager does not maximise
  // the form.
  resize(std::max(900, speedBar->sizeHint().width()), 700);
  setWindowState(Qt::WindowMaximized);

  scrollBox1_ = new QScrollArea(this);
  scrollBox1_->setObjectName(QStringLiteral("ScrollBox1"));
  scrollBox1_->setAlignment(Qt::AlignCenter);
  scrollBox1_->setBackgroundRole(QPalette::Dark);
  // The paging keys belong to the form.
  scrollBox1_->setFocusPolicy(Qt::NoFocus);
  scrollBox1_->installEventFilter(this);
  sheet_ = new QWidget;
  paintBox1_ = new PreviewPaintBox(this, sheet_);
  paintBox1_->setObjectName(QStringLiteral("PaintBox1"));
  paintBox1_->move(kMargin, kMargin);
  scrollBox1_->setWidget(sheet_);
  layout->addWidget(scrollBox1_, 1);

  auto* status = new QWidget(this);
  status->setObjectName(QStringLiteral("StatusPanel"));
  auto* row = new QHBoxLayout(status);
  row->setContentsMargins(6, 3, 6, 3);
  auto* label1 = new QLabel(QStringLiteral("Seite"), status);
  label1->setObjectName(QStringLiteral("Label1"));
  pageEdit_ = new QLineEdit(status);
  pageEdit_->setObjectName(QStringLiteral("PageEdit"));
  pageEdit_->setFixedWidth(50);
  label2_ = new QLabel(status);
  label2_->setObjectName(QStringLiteral("Label2"));
  auto* label3 = new QLabel(QStringLiteral("Zoom"), status);
  label3->setObjectName(QStringLiteral("Label3"));
  zoomEdit_ = new QLineEdit(status);
  zoomEdit_->setObjectName(QStringLiteral("ZoomEdit"));
  zoomEdit_->setFixedWidth(50);
  infoLabel_ = new QLabel(status);
  infoLabel_->setObjectName(QStringLiteral("InfoLabel"));
  label1->setBuddy(pageEdit_);
  label3->setBuddy(zoomEdit_);
  row->addWidget(label1);
  row->addWidget(pageEdit_);
  row->addWidget(label2_);
  row->addSpacing(20);
  row->addWidget(label3);
  row->addWidget(zoomEdit_);
  row->addSpacing(20);
  row->addWidget(infoLabel_);
  row->addStretch(1);
  layout->addWidget(status);
  connect(pageEdit_, &QLineEdit::editingFinished, this, [this] { PageEditExit(); });
  connect(zoomEdit_, &QLineEdit::editingFinished, this, [this] { ZoomEditExit(); });

  infoLabel_->setText(PageInfo(pageWidth_, pageHeight_));
}

TPreviewForm::~TPreviewForm() {
  // The children outlive this part of the form while QWidget deletes them,
  // and an edit that loses the focus then says it was left.
  scrollBox1_->removeEventFilter(this);
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
  label2_->setText(QStringLiteral("von %1").arg(doc->PageCount()));
  zoom_ = 0;
  GotoPage(page);
  ZoomToFit();
  paintBox1_->update();
}

void TPreviewForm::GotoPage(int page) {
  int p = std::max(page, 1);
  p = std::min(p, PageCount());
  pageEdit_->setText(QString::number(p));
  if (p != currentPage_) {
    currentPage_ = p;
    paintBox1_->update();
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
  paintBox1_->setFixedSize(w, h);
  sheet_->setFixedSize(w + 2 * kMargin, h + 2 * kMargin);
  infoLabel_->setText(PageInfo(pageWidth_, pageHeight_) + QStringLiteral(" PaintBox: %1/%2").arg(w).arg(h));
  paintBox1_->update();
}

// Zoom in percent at which `pixels` of room hold `millimetres` of the page
// with its frame and margins.
static int ZoomFor(double pixels, int32_t millimetres) {
  return static_cast<int>((pixels - 2.0 * kMargin - kFrame) / std::max(millimetres, 1) / 3 * 100);
}

void TPreviewForm::ZoomToFit() {
  if (!device_) return;
  const int frame = 2 * scrollBox1_->frameWidth();
  SetZoom(std::min(ZoomFor(scrollBox1_->height() - frame, device_->VertSize),
                   ZoomFor(scrollBox1_->width() - frame, device_->HorzSize)));
}

void TPreviewForm::ZoomToWidth() {
  if (!device_) return;
  // The page is then taller than the window: leave room for the vertical
  // scroll bar, so that no horizontal one is needed.
  const int bar = scrollBox1_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scrollBox1_);
  SetZoom(ZoomFor(scrollBox1_->width() - 2 * scrollBox1_->frameWidth() - bar, device_->HorzSize));
}

void TPreviewForm::PaintBox1Paint(QPainter& painter) {
  const int w = paintBox1_->width();
  const int h = paintBox1_->height();
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
  bool ok = false;
  const int page = pageEdit_->text().trimmed().toInt(&ok);
  if (!ok) {
    TheDesktop().Beep();
    pageEdit_->setText(QString::number(currentPage_));
    return;
  }
  GotoPage(page);
}

void TPreviewForm::ZoomEditExit() {
  bool ok = false;
  const int zoom = zoomEdit_->text().trimmed().toInt(&ok);
  if (!ok) {
    TheDesktop().Beep();
    zoomEdit_->setText(QString::number(zoom_));
    return;
  }
  zoomChosen_ = true;
  SetZoom(zoom);
}

void TPreviewForm::PrinterSetupBtnClick() {
  if (!TheDesktop().PrinterSetup(CurrentPrinter())) return;
  GotoPage(1);
  ZoomToFit();
}

void TPreviewForm::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_PageUp: GotoPage(currentPage_ - 1); break;
    case Qt::Key_PageDown: GotoPage(currentPage_ + 1); break;
    case Qt::Key_Home: GotoPage(1); break;
    case Qt::Key_End: GotoPage(PageCount()); break;
    case Qt::Key_Plus: zoomChosen_ = true, SetZoom(zoom_ + 10); break;
    case Qt::Key_Minus: zoomChosen_ = true, SetZoom(zoom_ - 10); break;
    default: QDialog::keyPressEvent(event); return;
  }
  event->accept();
}

bool TPreviewForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == scrollBox1_ && event->type() == QEvent::Resize && !zoomChosen_) ZoomToFit();
  return QDialog::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------

int ShowPreview(const TYrPrintDoc* doc, int32_t pageWidth, int32_t pageHeight) {
  TPreviewForm form(QApplication::activeWindow());
  form.Setup(doc, 1, pageWidth, pageHeight);
  const int result = TheDesktop().RunModal(form);
  return result == TPreviewForm::kPrintResult ? result : mrCancel;
}
