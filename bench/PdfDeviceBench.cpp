// A results list of 5,000 participants written as PDF: through the program's
// own PDF device, and the same page document drawn with Qt's QPdfWriter and
// QPainter for comparison. Qt appears here only; the program's PDF path does
// without it.
#include <benchmark/benchmark.h>

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>
#include <QString>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>
#include <string>

#include "CodePage.h"
#include "VkDruck.h"
#include "YrPDPDF.h"

namespace {

constexpr int kParticipants = 5000;

std::string OutPath(const char* name) {
  return (std::filesystem::temp_directory_path() / (std::string("vk-bench-") + name + ".pdf")).string();
}

// One age class of kParticipants with two disciplines, umlauts in the names.
struct Results {
  Results() {
    TAltersklasse::Disciplines discs;
    for (int d = 0; d < 2; ++d) {
      discs[d].SetName("Disziplin " + std::to_string(d + 1));
      discs[d].SetKind(kKindLinear);
      discs[d].SetV(1, 100000);
    }
    auto ak = std::make_unique<TAltersklasse>();
    ak->Define("Offen", 1970, 2010, 0, 2, discs);
    ak->SetLimit(kParticipants);
    std::mt19937 rng(4711);
    std::uniform_int_distribution<int32_t> time(2800, 12000);
    std::uniform_int_distribution<int> club(0, 199);
    for (int i = 0; i < kParticipants; ++i) {
      auto* t = new TTeilnehmer;
      t->SetName(true, Oem(i % 3 ? "Müller" : "Schröder") + std::to_string(i));
      t->SetVorname(Oem("Jürgen"));
      t->SetGliederung("OG " + std::to_string(club(rng)));
      for (int d = 1; d <= 2; ++d) t->SetTime(d, time(rng));
      ak->InsertPlain(t);
    }
    ak->Evaluate();
    competition.Add(std::move(ak));
    report = std::make_unique<TAusdruck>("Ergebnis", TPageSize{}, TMargins{}, competition);
    report->Selection = 1;
    report->WithHead = report->WithLegend = report->WithFooter = report->WithAgeClassData = true;
    report->BuildResults(0, false);
  }
  TWettkampf competition;
  std::unique_ptr<TAusdruck> report;
};

const Results& Doc() {
  static const Results results;
  return results;
}

void BM_PdfDevice(benchmark::State& state) {
  const TAusdruck& doc = *Doc().report;
  TPdfOptions options;
  options.Title = "Ergebnis";
  options.Compress = state.range(0) != 0;
  const std::string path = OutPath("own");
  for (auto _ : state)
    if (!PrintDocToPdf(doc, path, 2100, 2970, &options)) state.SkipWithError("PDF not written");
  state.counters["pages"] = doc.PageCount();
  state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
  std::remove(path.c_str());
}
BENCHMARK(BM_PdfDevice)->ArgName("deflate")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The page document drawn as a canvas device would: 254 dots per inch make
// one device unit a tenth of a millimetre.
QFont QtFont(const TYrTextElement& t) {
  static const char* const kFamilies[] = {"Courier New", "Courier New", "Times New Roman", "Arial", "Symbol",
                                          "Wingdings"};
  QFont font(kFamilies[t.Face <= 5 ? t.Face : 0]);
  font.setPixelSize(t.Size > 0 ? t.Size : 1);
  font.setBold(t.Style & kStyleBold);
  font.setItalic(t.Style & kStyleItalic);
  font.setUnderline(t.Style & kStyleUnderline);
  font.setStrikeOut(t.Style & kStyleStrikeout);
  if (t.Style & kStyleCondensed) font.setStretch(60);
  return font;
}

QColor QtColour(uint8_t index) {
  switch (index) {
    case kColourWhite: return Qt::white;
    case kColourRed: return Qt::red;
    case kColourGreen: return QColor(0, 128, 0);
    case kColourBlue: return Qt::blue;
    default: return Qt::black;
  }
}

void DrawWithQt(const TYrPrintDoc& doc, const std::string& path) {
  QPdfWriter writer(QString::fromStdString(path));
  writer.setPageSize(QPageSize(QPageSize::A4));
  writer.setPageMargins(QMarginsF(0, 0, 0, 0));
  writer.setResolution(254);
  writer.setTitle("Ergebnis");
  QPainter painter(&writer);
  for (int p = 1; p <= doc.PageCount(); ++p) {
    if (p > 1) writer.newPage();
    const TYrPrintPage& page = *doc.Page(p);
    for (int i = 0; i < page.GetCount(); ++i) {
      const TYrPrintElement& e = *page.At(i);
      const QRect box(QPoint(e.X1, e.Y1), QPoint(e.X2, e.Y2));
      if (const TYrLineElement* l = e.AsLine()) {
        painter.setPen(QPen(QtColour(l->Colour), l->PenWidth));
        painter.drawLine(l->X1, l->Y1, l->X2, l->Y2);
      } else if (const TYrRectElement* r = e.AsRect()) {
        painter.setPen(QPen(QtColour(r->Colour), r->PenWidth));
        painter.setBrush(r->Filled ? QBrush(QtColour(r->FillColour)) : QBrush(Qt::NoBrush));
        painter.drawRect(box);
      } else if (const TYrTextElement* t = e.AsText()) {
        if (t->Text.empty() || t->X1 == 0) continue;
        painter.setPen(QtColour(t->Colour));
        painter.setFont(QtFont(*t));
        int flags = Qt::TextDontClip;
        flags |= t->Alignment & kAlignRight ? Qt::AlignRight : t->Alignment & kAlignCentre ? Qt::AlignHCenter
                                                                                             : Qt::AlignLeft;
        flags |= t->Alignment & kAlignBottom ? Qt::AlignBottom : t->Alignment & kAlignMiddle ? Qt::AlignVCenter
                                                                                              : Qt::AlignTop;
        if (t->Alignment & kAlignWordBreak) flags |= Qt::TextWordWrap;
        painter.drawText(box, flags, QString::fromStdString(OemToUtf8(t->Text)));
      }
    }
  }
  painter.end();
}

void BM_QPdfWriter(benchmark::State& state) {
  const TAusdruck& doc = *Doc().report;
  const std::string path = OutPath("qt");
  for (auto _ : state) DrawWithQt(doc, path);
  state.counters["pages"] = doc.PageCount();
  state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
  std::remove(path.c_str());
}
BENCHMARK(BM_QPdfWriter)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  // Fonts need a GUI application; no window is shown.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
