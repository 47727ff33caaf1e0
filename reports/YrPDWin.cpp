#include "YrPDWin.h"

#include <cmath>

namespace {

// Halves to the even neighbour (nearbyint in the default rounding mode).
int32_t ToPixel(int64_t v, double pxPerMm) { return static_cast<int32_t>(std::nearbyint(v * pxPerMm / 10.0)); }

}  // namespace

TYrOutputDevice::TYrOutputDevice(const TYrPrintDoc* doc) : Doc(doc) {}

void TYrOutputDevice::PrintRange(int16_t fromPage, int16_t toPage) {
  Prepare();
  BeginDoc();
  int to = toPage;
  int from = fromPage;
  const int count = Doc ? Doc->PageCount() : 0;
  if (to > count) to = count;
  if (from < 1) from = 1;
  for (int p = from; p <= to; ++p) {
    DrawPage(static_cast<int16_t>(p));
    if (p != to) NewPage();
  }
  EndDoc();
}

void TYrOutputDevice::DrawPage(int16_t pageNo) {
  if (!Doc) return;
  const TYrPrintPage* page = Doc->Page(pageNo);
  if (!page) return;
  BeginPage(pageNo);
  for (int i = 0; i < page->GetCount(); ++i) DrawItem(*page->At(i));
  EndPage(pageNo);
}

int32_t TYrOutputDevice::XToDevice(int32_t x) const {
  return ToPixel(static_cast<int64_t>(x) - OffsetX + ShiftX, PxPerMmX);
}

int32_t TYrOutputDevice::YToDevice(int32_t y) const {
  return ToPixel(static_cast<int64_t>(y) - OffsetY + ShiftY, PxPerMmY);
}

void TYrOutputDevice::SetPaper(int32_t width, int32_t height) {
  if (width <= 0 || height <= 0) {
    width = kA4Width;
    height = kA4Height;
  }
  PageWidth = width;
  PageHeight = height;
  Orientation = height < width ? kLandscape : kPortrait;
}

void TYrOutputDevice::SetPrintableArea(int32_t horzSize, int32_t vertSize, int32_t horzRes, int32_t vertRes) {
  HorzSize = horzSize;
  VertSize = vertSize;
  HorzRes = horzRes;
  VertRes = vertRes;
  PxPerMmX = horzSize != 0 ? static_cast<double>(horzRes) / horzSize : 0;
  PxPerMmY = vertSize != 0 ? static_cast<double>(vertRes) / vertSize : 0;
}
