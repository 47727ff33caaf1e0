#include "Druckauftrag.h"

#include <algorithm>

namespace {

// The options of the frame every report has: title block, legend, footer.
template <class Options>
void SetFrameOptions(TAusdruck& r, const Options& o) {
  r.WithHead = o.withHead;
  r.WithLegend = o.withLegend;
  r.WithFooter = o.withFooter;
}

// The options of the lists that go by age class.
template <class Options>
void SetAgeClassOptions(TAusdruck& r, const Options& o) {
  r.Selection = o.selection;
  r.WithAgeClassData = o.withAgeClassData;
  r.NewPagePerAgeClass = o.newPagePerAgeClass;
  r.Block5 = o.block5;
}

}  // namespace

TDruckauftrag::TDruckauftrag(TWettkampf& competition, int32_t ageClassIndex, int32_t participantIndex,
                             int32_t fromIndex, int32_t toIndex)
    : AgeClassIndex(ageClassIndex),
      ParticipantIndex(participantIndex),
      FromIndex(fromIndex),
      ToIndex(toIndex),
      competition_(competition) {}

TDruckauftrag::~TDruckauftrag() = default;

TAusdruck& TDruckauftrag::NewReport(const std::string& title, TAusdruckArt kind) {
  // The old report goes first: never two documents at once.
  report_.reset();
  report_ = std::make_unique<TAusdruck>(title, PageSize, Margins, competition_);
  report_->Kind = kind;
  return *report_;
}

void TDruckauftrag::BuildResultList(const ResultListOptions& o) {
  TAusdruck& r = NewReport("Vk - Ausdruck des Ergebnisses", TAusdruckArt::Results);
  SetFrameOptions(r, o);
  SetAgeClassOptions(r, o);
  r.WithRecords = o.withRecords;
  r.TwoLines = o.twoLines;
  r.WithEmptyAgeClasses = o.withEmptyAgeClasses;
  r.SingleDisciplineRanking = o.singleDisciplineRanking;
  r.BuildResults(AgeClassIndex, o.withStatistics);
}

void TDruckauftrag::BuildQualificationList(const QualificationListOptions& o) {
  TAusdruck& r = NewReport("Vk - Ausdruck der Startberechtigung", TAusdruckArt::Qualification);
  SetFrameOptions(r, o);
  SetAgeClassOptions(r, o);
  r.BuildQualification(AgeClassIndex, o.withOrganisations);
}

void TDruckauftrag::BuildHeatList(const HeatListOptions& o) {
  TAusdruck& r = NewReport("Vk - Ausdruck der Laufbesetzung", TAusdruckArt::HeatList);
  SetFrameOptions(r, o);
  r.Block5 = o.block5;
  r.AllDisciplines = o.allDisciplines;
  r.SeparateDisciplines = o.separateDisciplines;
  r.BuildHeatList(o.withOrganisations);
}

void TDruckauftrag::BuildCprStartList(const CprStartListOptions& o) {
  TAusdruck& r = NewReport("Vk - Ausdruck der Laufbesetzung", TAusdruckArt::CprStartList);
  SetFrameOptions(r, o);
  r.Block5 = o.block5;
  r.BuildCprStartList();
}

void TDruckauftrag::BuildStatistics(const StatisticsOptions& o) {
  TAusdruck& r = NewReport("Vk - Ausdruck der Statistik", TAusdruckArt::Statistics);
  SetFrameOptions(r, o);
  r.StatisticsBlock5 = o.statisticsBlock5;
  r.AddStatistics(o.form);
}

void TDruckauftrag::BuildCertificates(const CertificateOptions& o) {
  TAusdruck& r = NewReport("Vk - Ausdruck der Teilnehmer", TAusdruckArt::Results);
  TWettkampf& w = competition_;
  // Participants first..last of age class k, wherever the range lies.
  auto range = [&](int32_t k, int64_t first, int64_t last) {
    if (k < 0 || k >= w.GetCount()) return;
    const TAltersklasse& ak = *w.At(k);
    first = std::max<int64_t>(first, 0);
    last = std::min<int64_t>(last, ak.GetCount() - 1);
    for (int64_t i = first; i <= last; ++i) r.AddCertificate(o.layout, *ak.At(static_cast<int>(i)), o.withResult);
  };
  switch (o.mode) {
    case 0: range(AgeClassIndex, ParticipantIndex, ParticipantIndex); break;
    case 1: range(AgeClassIndex, FromIndex, ToIndex); break;
    case 2: range(AgeClassIndex, 0, INT32_MAX); break;
    case 3:
      for (int k = 0; k < w.GetCount(); ++k) range(k, 0, INT32_MAX);
      break;
    default: break;
  }
}
