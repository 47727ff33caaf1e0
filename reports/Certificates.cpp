// Certificates: pre-printed certificate paper gets only the variable texts,
// at the fixed positions each kind of paper has room for (A4 portrait,
// independent of the report's margins).
#include <iterator>

#include "VkBasis.h"
#include "VkDruck.h"

namespace {

// What an item of a layout shows.
enum class What {
  Text,           // the fixed text
  Name,           // "Vorname Name", or a team's name
  Title,          // the competition's title
  InAgeClass,     // "in der Altersklasse " + the participant's age class
  InAgeClassFit,  // the same, smaller for an age-class name of 10 characters or more
  AgeClass,
  Date,
  Year,  // the last four characters of the date
  Venue,
  Points,         // only with a result
  PointsPunkten,  // Points + " Punkten", only with a result
  Place,          // place + ".", only with a result
  Line,           // Size is the pen width
  Rect,           // Size is the pen width
};

struct Item {
  What what;
  int32_t x1, y1, x2, y2;
  uint16_t face;
  uint16_t size;
  uint8_t alignment;
  const char* text = "";
};

constexpr uint16_t T = kFaceTimesNewRoman;
constexpr uint16_t A = kFaceArial;
constexpr uint16_t C = kFaceCourierNew;
constexpr uint8_t kCentred = kAlignMiddle | kAlignCentre;                  // 48
constexpr uint8_t kBottom = kAlignBottom | kAlignCentre;                   // 18
constexpr uint8_t kFitted = kAlignShrink | kAlignMiddle | kAlignCentre;    // 112

const Item kLayout0[] = {
    {What::Name, 370, 1400, 1750, 1530, T, 80, kCentred},
    {What::Title, 400, 1770, 1740, 1830, A, 50, kBottom},
    {What::InAgeClass, 400, 1820, 1740, 1880, A, 50, kBottom},
    {What::Date, 560, 1890, 900, 1970, A, 65, kBottom},
    {What::Venue, 1000, 1890, 1700, 1970, A, 65, kBottom},
    {What::Points, 840, 1980, 1070, 2060, A, 60, kBottom},
    {What::Place, 970, 2070, 1100, 2150, A, 65, kBottom},
};

const Item kLayout1[] = {
    {What::Name, 350, 1380, 1750, 1580, T, 80, kBottom},
    {What::Year, 1440, 1720, 1750, 1810, C, 80, kBottom},
    {What::AgeClass, 1290, 1920, 1750, 1990, T, 50, kBottom},
    {What::Date, 850, 2670, 1250, 2750, T, 50, kBottom},
    {What::Points, 810, 2010, 1130, 2080, C, 80, kBottom},
    {What::Place, 940, 2140, 1150, 2240, C, 80, kBottom},
};

const Item kLayout2[] = {
    {What::Text, 100, 830, 2000, 940, C, 69, kCentred, "KALVENBUND E.V."},
    {What::Rect, 280, 1070, 1290, 1200, 0, 6, 0},
    {What::Name, 280, 1070, 1290, 1200, T, 80, kFitted},
    {What::Text, 280, 1250, 1290, 1350, A, 74, kBottom, "belegte beim Rettungswett-"},
    {What::Text, 280, 1350, 1290, 1450, A, 74, kBottom, "kampf der KRVB OG Morlenbrunn"},
    {What::Text, 280, 1450, 1290, 1550, A, 74, kBottom, "in der Altersklasse"},
    {What::Line, 380, 1700, 1190, 1700, 0, 6, 0},
    {What::AgeClass, 280, 1600, 1290, 1700, A, 74, kBottom},
    {What::Text, 280, 1700, 400, 1800, A, 74, kBottom, "am"},
    {What::Line, 400, 1800, 700, 1800, 0, 4, 0},
    {What::Date, 400, 1700, 700, 1800, A, 74, kBottom},
    {What::Text, 700, 1700, 840, 1800, A, 74, kBottom, "in"},
    {What::Line, 840, 1800, 1290, 1800, 0, 4, 0},
    {What::Venue, 840, 1700, 1290, 1800, A, 74, kBottom},
    {What::Text, 410, 1800, 620, 1900, A, 74, kBottom, "mit"},
    {What::Line, 620, 1900, 1160, 1900, 0, 4, 0},
    {What::Line, 740, 2050, 840, 2050, 0, 4, 0},
    {What::PointsPunkten, 620, 1800, 1160, 1900, A, 74, kBottom},
    {What::Place, 740, 1950, 840, 2050, A, 74, kBottom},
    {What::Text, 540, 1950, 740, 2050, A, 74, kBottom, "den"},
    {What::Text, 840, 1950, 1030, 2050, A, 74, kBottom, "Platz."},
    {What::Line, 280, 2330, 780, 2330, 0, 4, 0},
    {What::Text, 280, 2330, 780, 2400, A, 50, kBottom, "(Technischer Leiter)"},
    {What::Line, 800, 2330, 1300, 2330, 0, 4, 0},
    {What::Text, 800, 2330, 1320, 2400, A, 50, kBottom, "(Vorsitzender)"},
};

const Item kLayout3[] = {
    {What::Name, 320, 1330, 1780, 1460, T, 80, kCentred},
    {What::AgeClass, 920, 1920, 1800, 2010, C, 80, kBottom},
    {What::Date, 800, 2400, 1280, 2490, A, 60, kBottom},
    {What::Points, 820, 2030, 1080, 2120, C, 80, kBottom},
    {What::Place, 930, 2130, 1100, 2230, C, 80, kBottom},
};

const Item kLayout4[] = {
    {What::Text, 370, 1400, 1750, 1530, T, 80, kCentred, "Urkunde Deutsche Meisterschaften"},
    {What::Text, 400, 1770, 1740, 1830, A, 50, kBottom, "noch nicht fertiggestellt"},
};

const Item kLayout5[] = {
    {What::Name, 300, 1340, 1820, 1460, T, 80, kCentred},
    {What::InAgeClassFit, 300, 1970, 1820, 2040, A, 65, kCentred},
    {What::Date, 560, 2110, 870, 2180, A, 65, kBottom},
    {What::Venue, 950, 2110, 1700, 2180, A, 65, kBottom},
    {What::Points, 880, 2250, 1060, 2310, A, 45, kBottom},
    {What::Place, 970, 2350, 1100, 2440, A, 65, kBottom},
};

const Item kLayout6[] = {
    {What::Text, 370, 1400, 1750, 1530, T, 80, kCentred, "Urkunde Bezirk Kettwalden"},
    {What::Text, 400, 1770, 1740, 1830, A, 50, kBottom, "noch nicht fertiggestellt"},
};

struct Layout {
  const Item* items;
  size_t count;
};

template <size_t N>
constexpr Layout Of(const Item (&items)[N]) {
  return {items, N};
}

constexpr Layout kLayouts[] = {Of(kLayout0), Of(kLayout1), Of(kLayout2), Of(kLayout3),
                               Of(kLayout4), Of(kLayout5), Of(kLayout6)};

}  // namespace

// Layouts 4 and 6 are placeholders: their paper is named, its layout is not
// made yet.
const std::array<const char*, 7> kCertificateKinds = {
    "Urkunde der Materialstelle",
    "Urkunde der LM im LV Wendal (alt)",
    "Urkunde der Tessauer Ersatzkasse",
    "Urkunde der LM im LV Wendal (seit 1997)",
    "Urkunde der Deutschen Meisterschaften",
    "Urkunde der BM Hollmerau",
    "Urkunde der BM Kettwalden",
};
static_assert(std::size(kLayouts) == kCertificateKinds.size());

void TAusdruck::AddCertificate(int layout, const TTeilnehmer& participant, bool withResult) {
  if (layout < 0 || layout >= static_cast<int>(std::size(kLayouts))) return;
  const TWettkampf& w = Competition();
  const TWettkampfDaten& h = w.Header();
  const bool result = withResult && participant.Total() > 0;
  const std::string ageClass = participant.Altersklasse();
  const std::string date = h.Date();
  TYrPrintPage& page = AppendPage();
  for (size_t i = 0; i < kLayouts[layout].count; ++i) {
    const Item& item = kLayouts[layout].items[i];
    std::string text;
    uint16_t size = item.size;
    switch (item.what) {
      case What::Line:
        page.AddLine(item.x1, item.y1, item.x2, item.y2, kColourBlack, static_cast<int16_t>(item.size));
        continue;
      case What::Rect:
        page.AddRect(item.x1, item.y1, item.x2, item.y2, kColourBlack, false, kColourBlack,
                     static_cast<int16_t>(item.size));
        continue;
      case What::Text: text = item.text; break;
      case What::Name: text = participant.NameText(w.IsIndividual()); break;
      case What::Title: text = h.Title(); break;
      case What::InAgeClassFit:
        if (ageClass.size() >= 10) size = 55;
        [[fallthrough]];
      case What::InAgeClass: text = "in der Altersklasse " + ageClass; break;
      case What::AgeClass: text = ageClass; break;
      case What::Date: text = date; break;
      // A date shorter than four characters is the year as it stands.
      case What::Year: text = date.size() > 4 ? date.substr(date.size() - 4) : date; break;
      case What::Venue: text = h.Venue(); break;
      case What::Points:
      case What::PointsPunkten:
      case What::Place:
        if (!result) continue;
        text = item.what == What::Place ? IntToStr(participant.Place()) + "."
                                        : PointsToText(participant.Total(), 2);
        if (item.what == What::PointsPunkten) text += " Punkten";
        break;
    }
    page.AddText(item.x1, item.y1, item.x2, item.y2, text, item.face, size, item.alignment, kStylePlain);
  }
}
