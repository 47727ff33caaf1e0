#include "VkDruck.h"

#include "CodePage.h"
#include "VkBasis.h"
#include "YrDate.h"

namespace {

// What the footer says the page belongs to.
std::string KindText(TAusdruckArt kind) {
  switch (kind) {
    case TAusdruckArt::Results: return " - Ergebnis - ";
    case TAusdruckArt::Qualification: return " - Startberechtigung - ";
    case TAusdruckArt::HeatList: return " - Laufeinteilung - ";
    case TAusdruckArt::CprStartList: return " - HLW-Laufeinteilung - ";
    case TAusdruckArt::Statistics: return " - Statistik - ";
    case TAusdruckArt::Certificates: break;
  }
  return " - ";
}

constexpr uint8_t kMiddleLeft = kAlignMiddle | kAlignLeft;     // 36
constexpr uint8_t kMiddleRight = kAlignMiddle | kAlignRight;   // 40
constexpr uint8_t kCentred = kAlignMiddle | kAlignCentre;      // 48
constexpr int16_t kListSize = 40;

}  // namespace

TAusdruck::TAusdruck(const std::string& title, TPageSize pageSize, TMargins margins, TWettkampf& competition)
    : TYrPrintDoc(title), pageSize_(pageSize), margins_(margins), competition_(competition) {}

void TAusdruck::BeginListReport(const std::string& kindTitle, int32_t bottomLimit, bool pageBreak,
                                const TLegend& legend, bool blankLine) {
  TYrPrintPage& page = AppendPage();
  const int first = page.PageNo;
  AddTitleBlock(page, kindTitle);
  BeginDocument(L(), T(), R(), bottomLimit, pageBreak, static_cast<uint16_t>(PageCount()));
  SetFont(kFaceCourierNew, kListSize, kMiddleLeft, kStylePlain, true);
  if (WithHead) SetCurrentY(CurrentY() + 320);  // the title block's room
  if (WithLegend) AddLegend(legend);
  if (blankLine && (WithHead || WithLegend)) AddTextLine("");
  // The first page's own number: a legend running onto a further page has
  // given that one its footer already.
  AddFooter(first);
}

void TAusdruck::AddTitleBlock(TYrPrintPage& page, const std::string& title) {
  if (!WithHead) return;
  page.TextColour = kColourBlack;
  page.AddRect(L(), T(), R(), T() + 150, kColourBlack, false, kColourBlue, 6);
  page.AddText(L() + 30, T() + 20, R() - 30, T() + 70, "Kalvenbund e.V.", kFaceArial, 50, kMiddleLeft, kStyleBold);
  page.AddText(L() + 30, T() + 20, R() - 30, T() + 70, "Rettungssport", kFaceArial, 50, kMiddleRight, kStyleBold);
  page.AddText(L() + 30, T() + 70, R() - 30, T() + 140, title, kFaceArial, 65, kCentred, kStyleBold | kStyleItalic);
  page.AddText(L(), T() + 190, R(), T() + 240, competition_.Header().Title(), kFaceArial, 50, kCentred, kStyleBold);
  page.AddText(L(), T() + 240, R(), T() + 290,
               competition_.IsIndividual() ? "Einzelwettbewerb" : "Mannschaftswettbewerb", kFaceArial, 50, kCentred,
               kStylePlain);
}

void TAusdruck::AddFooter(int pageNo) {
  TYrPrintPage* page = Page(pageNo);
  if (!WithFooter || page == nullptr) return;
  page->AddText(L(), B() - 30, R() - 150, B(),
                competition_.Header().Title() + KindText(Kind) + DateTimeStamp() + " Uhr", kFaceArial, 30,
                kMiddleLeft, kStyleItalic);
  page->AddText(R() - 150, B() - 30, R(), B(), "Seite " + IntToStr(pageNo), kFaceArial, 30, kMiddleRight,
                kStyleItalic);
}

void TAusdruck::AddLegend(const TLegend& legend) {
  for (const TLegendLine& line : legend) {
    SetFont(kFaceCourierNew, kListSize, kMiddleLeft, line.Bold ? kStyleBold : kStylePlain, true);
    AddTextLine(line.Text);
  }
}

TLegend TAusdruck::Explanations(const std::vector<std::string>& lines, bool trailingBlank) {
  TLegend legend{{true, Oem("Erläuterungen:")}, {true, "=============="}, {false, ""}};
  for (const std::string& line : lines) legend.push_back({false, line});
  if (trailingBlank) legend.push_back({false, ""});
  return legend;
}

void TAusdruck::SetListFont(uint8_t style) {
  if (Kind != TAusdruckArt::Qualification) style |= kStyleCondensed;
  SetFont(kFaceCourierNew, kListSize, kMiddleLeft, style, true);
}

void TAusdruck::PageStarted() {
  AddFooter(CurrentPage());
  if (!headActive_) return;
  SetListFont(kStyleBold);
  AddColumnHead(0);
  SetListFont(kStylePlain);
}

void TAusdruck::AddColumnHead(int row) {
  const TWettkampf& w = competition_;
  const int k = currentAgeClassIndex_;
  const int mode = SingleDisciplineRanking;
  switch (Kind) {
    case TAusdruckArt::Results:
      if (TwoLines) {
        // The second line sits 32 below the first; the pair takes 80.
        AddTextLine(w.ResultLineLeft(k, row, true, WithRecords, false, mode));
        SetCurrentY(CurrentY() - 8);
        AddTextLine(std::string(13, ' ') + w.ResultLineRight(k, row, true, WithRecords, false, mode));
        SetCurrentY(CurrentY() + 8);
      } else {
        AddTextLine(w.ResultLine(k, row, true, WithRecords, false, mode));
      }
      break;
    case TAusdruckArt::Qualification: AddTextLine(w.ParticipantListLine(k, row)); break;
    case TAusdruckArt::HeatList:
      // The line routine's own flag: heat numbers in the line only when no
      // heat line heads each heat.
      AddTextLine(w.HeatListLine(1, nullptr, !ShowAllHeats, AllDisciplines && !SeparateDisciplines));
      break;
    case TAusdruckArt::CprStartList: AddTextLine(w.CprStartListLine(nullptr)); break;
    case TAusdruckArt::Statistics:
    case TAusdruckArt::Certificates: break;
  }
}

void TAusdruck::AddAgeClasses(int ageClassIndex) {
  switch (Selection) {
    case 0: AddAgeClass(ageClassIndex); break;
    case 1:
      for (int i = 0; i < competition_.GetCount(); ++i) AddAgeClass(i);
      break;
    case 2:
      for (int i = 0; i < competition_.GetCount(); ++i)
        if (competition_.IsMarked(i)) AddAgeClass(i);
      break;
    default: break;
  }
}

void TAusdruck::AddAgeClass(int index) {
  currentAgeClassIndex_ = index;
  currentAgeClass_ = index >= 0 && index < competition_.GetCount() ? competition_.At(index) : nullptr;
  if (currentAgeClass_ == nullptr) return;
  const int n = currentAgeClass_->GetCount();
  if (n == 0 && !WithEmptyAgeClasses) return;
  headActive_ = false;
  if (NewPagePerAgeClass && !(index == 0 && !WithHead && !WithLegend)) NewPage();
  BeginBlock();
  AddAgeClassHeading();
  SetListFont(kStyleBold);
  AddColumnHead(0);
  SetListFont(kStylePlain);
  for (int i = 0; i < n; ++i) {
    if (i > 0) BeginBlock();
    if (i == 1) headActive_ = true;
    AddColumnHead(i + 1);
    EndBlock();
    if (Block5 && (i + 1) % 5 == 0) AddTextLine("");
  }
  headActive_ = false;
  if (n == 0) EndBlock();
  AddTextLine("");
}

void TAusdruck::AddAgeClassHeading() {
  if (currentAgeClass_ == nullptr) return;
  const TAltersklasse& ak = *currentAgeClass_;
  SetFont(kFaceArial, 50, kCentred, kStyleBold, true);
  AddTextLine(ak.Heading(true));
  SetFont(kFaceArial, 40, kMiddleLeft, kStylePlain, true);
  if (WithAgeClassData) {
    AddTextLine("");
    for (int d = 1; d <= ak.DisciplineCount(); ++d) {
      const TDisziplin disc = ak.Discipline(d);
      std::string line = disc.Name();
      if (disc.Kind() == kKindQuadraticLinear || disc.Kind() == kKindCup)
        line += " (rec: " + TimeToText(disc.V(1), true) + ")";
      AddTextLine(line);
    }
    if (ak.HasCpr()) AddTextLine("Herz-Lungen-Wiederbelebung");
  }
  SetFont(kFaceCourierNew, kListSize, kMiddleLeft, kStylePlain, true);
  AddTextLine("");
}
