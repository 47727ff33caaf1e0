#include "Druckauftrag.h"

#include <algorithm>

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

void TDruckauftrag::BuildResultList(uint16_t selection, bool withAgeClassData, bool withLegend, bool withHead,
                                    bool newPagePerAgeClass, bool withRecords, bool twoLines, bool withFooter,
                                    bool withStatistics, bool block5, bool withEmptyAgeClasses,
                                    uint16_t singleDisciplineRanking) {
  TAusdruck& r = NewReport("Vk - Ausdruck des Ergebnisses", TAusdruckArt::Results);
  r.Selection = selection;
  r.WithAgeClassData = withAgeClassData, r.WithLegend = withLegend, r.WithHead = withHead;
  r.NewPagePerAgeClass = newPagePerAgeClass, r.WithRecords = withRecords, r.TwoLines = twoLines;
  r.WithFooter = withFooter, r.Block5 = block5, r.WithEmptyAgeClasses = withEmptyAgeClasses;
  r.SingleDisciplineRanking = singleDisciplineRanking;
  r.BuildResults(AgeClassIndex, withStatistics);
}

void TDruckauftrag::BuildQualificationList(uint16_t selection, bool withAgeClassData, bool withLegend, bool withHead,
                                           bool newPagePerAgeClass, bool withFooter, bool withOrganisations,
                                           bool block5) {
  TAusdruck& r = NewReport("Vk - Ausdruck der Startberechtigung", TAusdruckArt::Qualification);
  r.Selection = selection;
  r.WithAgeClassData = withAgeClassData, r.WithLegend = withLegend, r.WithHead = withHead;
  r.NewPagePerAgeClass = newPagePerAgeClass, r.WithFooter = withFooter, r.Block5 = block5;
  r.BuildQualification(AgeClassIndex, withOrganisations);
}

void TDruckauftrag::BuildHeatList(bool withHead, bool withLegend, bool withFooter, bool block5,
                                  bool withOrganisations, bool allDisciplines, bool separateDisciplines) {
  TAusdruck& r = NewReport("Vk - Ausdruck der Laufbesetzung", TAusdruckArt::HeatList);
  r.WithHead = withHead, r.WithLegend = withLegend, r.WithFooter = withFooter, r.Block5 = block5;
  r.AllDisciplines = allDisciplines, r.SeparateDisciplines = separateDisciplines;
  r.BuildHeatList(withOrganisations);
}

void TDruckauftrag::BuildCprStartList(bool withHead, bool withLegend, bool withFooter, bool block5) {
  TAusdruck& r = NewReport("Vk - Ausdruck der Laufbesetzung", TAusdruckArt::CprStartList);
  r.WithHead = withHead, r.WithLegend = withLegend, r.WithFooter = withFooter, r.Block5 = block5;
  r.BuildCprStartList();
}

void TDruckauftrag::BuildStatistics(uint16_t form, bool withHead, bool withLegend, bool statisticsBlock5,
                                    bool withFooter) {
  TAusdruck& r = NewReport("Vk - Ausdruck der Statistik", TAusdruckArt::Statistics);
  r.WithHead = withHead, r.WithLegend = withLegend, r.StatisticsBlock5 = statisticsBlock5;
  r.WithFooter = withFooter;
  r.AddStatistics(form);
}

void TDruckauftrag::BuildCertificates(int32_t layout, int32_t mode, bool withResult) {
  TAusdruck& r = NewReport("Vk - Ausdruck der Teilnehmer", TAusdruckArt::Results);
  TWettkampf& w = competition_;
  // Participants first..last of age class k, wherever the range lies.
  auto range = [&](int32_t k, int64_t first, int64_t last) {
    if (k < 0 || k >= w.GetCount()) return;
    const TAltersklasse& ak = *w.At(k);
    first = std::max<int64_t>(first, 0);
    last = std::min<int64_t>(last, ak.GetCount() - 1);
    for (int64_t i = first; i <= last; ++i) r.AddCertificate(layout, *ak.At(static_cast<int>(i)), withResult);
  };
  switch (mode) {
    case 0: range(AgeClassIndex, ParticipantIndex, ParticipantIndex); break;
    case 1: range(AgeClassIndex, FromIndex, ToIndex); break;
    case 2: range(AgeClassIndex, 0, INT32_MAX); break;
    case 3:
      for (int k = 0; k < w.GetCount(); ++k) range(k, 0, INT32_MAX);
      break;
    default: break;
  }
}
