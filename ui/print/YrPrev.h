// The preview window: a page document on screen, page by page, at a zoom,
// with paging, zoom buttons and a print button.
//
// `ShowPreview` opens it modally through the desktop seam and returns 100
// when the user pressed "Drucken" (the caller then prints), mrCancel when the
// window was closed. The window draws the page through a preview device
// (YrPDCanv.h): 3 pixels per millimetre at 100 %, zoom 10 to 800 %, the page
// on a white sheet with a black frame and a grey shadow, centred while it
// fits the window and with a margin of 15 pixels while it scrolls.
//
// Components by object name: SpeedBar1 with the buttons PrintBtn,
// PrinterSetupBtn (hidden), FirstPageBtn, PrevPageBtn, NextPageBtn,
// LastPageBtn, ZoomToFitBtn, ZoomToWidthBtn, ZoomInBtn, ZoomOutBtn, ExitBtn;
// ScrollBox1 with PaintBox1; StatusPanel with Label1 "Seite", PageEdit,
// Label2 "von N", Label3 "Zoom", ZoomEdit and InfoLabel.
// Leaving PageEdit or ZoomEdit (or Return in it) goes to the page or zoom
// typed; a text that is no whole number is put back. Keys: Page Up and Page
// Down for the previous and next page, Home and End for the first and last,
// + and - for the zoom, Escape closes. The page opens fitted to the window
// and stays fitted while the window changes its size, until the user
// chooses a zoom; from then on a new window size keeps the zoom.
//
// The shown document belongs to the caller and must outlive the window;
// without one the window shows an empty document titled "leer" of its own.
#pragma once

#include <cstdint>
#include <memory>

#include <QDialog>

#include "YrPDCanv.h"

class QLabel;
class QLineEdit;
class QScrollArea;
class QToolBar;
class QWidget;

class TPreviewForm : public QDialog {
  Q_OBJECT

 public:
  // The modal result of the print button.
  static constexpr int kPrintResult = 100;
  static constexpr int kMinZoom = 10;
  static constexpr int kMaxZoom = 800;

  explicit TPreviewForm(QWidget* parent = nullptr);
  ~TPreviewForm() override;

  // Shows `doc` (null: an empty document) on paper of the given size in
  // tenths of a millimetre (a side of 0: A4), at page `page`, zoomed to fit.
  void Setup(const TYrPrintDoc* doc, int16_t page, int32_t pageWidth, int32_t pageHeight);
  // Page n cut to 1..page count; repaints only when the page changes.
  void GotoPage(int page);
  // Zoom in percent cut to 10..800.
  void SetZoom(int zoom);
  // The whole page, or its width, in view.
  void ZoomToFit();
  void ZoomToWidth();

  int CurrentPage() const { return currentPage_; }
  int Zoom() const { return zoom_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  friend class PreviewPaintBox;

  // The form's three parts, top to bottom.
  QToolBar* NewSpeedBar();
  QScrollArea* NewScrollBox();
  QWidget* NewStatusPanel();
  void PaintBox1Paint(QPainter& painter);
  void PageEditExit();
  void ZoomEditExit();
  // The speed bar's buttons (and the keys that do the same).
  void PrintBtnClick();
  void PrinterSetupBtnClick();
  void FirstPageBtnClick();
  void PrevPageBtnClick();
  void NextPageBtnClick();
  void LastPageBtnClick();
  void ZoomToFitBtnClick();
  void ZoomToWidthBtnClick();
  void ZoomInBtnClick();
  void ZoomOutBtnClick();
  void ExitBtnClick();
  int PageCount() const;

  QScrollArea* scrollBox_;  // ScrollBox1
  QWidget* sheet_;          // the paint box with its margin, inside the scroll box
  QWidget* paintBox_;       // PaintBox1: the page
  QLabel* pageCountLabel_;  // Label2: "von N"
  QLabel* infoLabel_;
  QLineEdit* pageEdit_;
  QLineEdit* zoomEdit_;

  int currentPage_ = 1;
  int zoom_ = 0;
  int32_t pageWidth_ = TYrOutputDevice::kA4Width;
  int32_t pageHeight_ = TYrOutputDevice::kA4Height;
  // The user has chosen a zoom; until then the page follows the window's
  // size (the window gets its final size only once it is on screen).
  bool zoomChosen_ = false;
  std::unique_ptr<TYrPrintDoc> empty_;
  std::unique_ptr<TYrPreviewDevice> device_;
};

// Shows `doc` modally on paper of pageWidth by pageHeight tenths of a
// millimetre, from page 1. Returns TPreviewForm::kPrintResult after the
// print button, otherwise mrCancel.
int ShowPreview(const TYrPrintDoc* doc, int32_t pageWidth, int32_t pageHeight);
