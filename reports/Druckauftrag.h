// The print job: the one object through which the user interface asks for a
// printout. It remembers the competition and where the user stands in it
// (current age class, current participant, marked range of participants),
// the paper and the margins, and offers one entry point per report kind.
//
// Each entry point disposes the previous report, builds a new one on the
// job's paper and margins and keeps it; the caller reads it through
// `Report()` for a preview, a printout or a PDF file. One report at a time:
// a pointer taken from `Report()` is valid until the next entry point or the
// job's end. A caller may change the paper and the margins between entry
// points (the print dialog takes the size from the printer, the margins from
// the page setup); they apply to the next report built.
//
// The competition is not owned and must outlive the job. Building reads it,
// rebuilds its organisation statistics (the statistics parts), and sets the
// marks of its age classes (the heat and CPR lists mark the classes they
// print; the results and qualification lists with Selection 2 read them).
// The competition's selection is left empty after every entry point.
// Single-threaded; nothing here reports errors: options outside their range
// (a statistics form above 3, a certificate layout outside 0..6, an index
// outside the competition) make a report with fewer or no pages.
#pragma once

#include <cstdint>
#include <memory>

#include "VkDruck.h"
#include "YrObject.h"

class TDruckauftrag : public TYrObject {
 public:
  // The five values of where the user stands; A4 portrait, margins 100, no
  // report.
  TDruckauftrag(TWettkampf& competition, int32_t ageClassIndex, int32_t participantIndex, int32_t fromIndex,
                int32_t toIndex);
  // Disposes the last report.
  ~TDruckauftrag() override;
  TDruckauftrag(const TDruckauftrag&) = delete;
  TDruckauftrag& operator=(const TDruckauftrag&) = delete;

  TWettkampf& Competition() const { return competition_; }
  // Index of the current age class in the competition.
  int32_t AgeClassIndex;
  // Index of the current participant in that age class.
  int32_t ParticipantIndex;
  // First and last index of the participants marked in that age class.
  int32_t FromIndex;
  int32_t ToIndex;
  // Paper and margins of the next report, in tenths of a millimetre.
  TPageSize PageSize;
  TMargins Margins;

  // The last report built; nullptr before the first entry point. Owned by
  // the job.
  TAusdruck* Report() const { return report_.get(); }

  // "Vk - Ausdruck des Ergebnisses": the age classes by Selection (0 the
  // current one, 1 all, 2 the marked ones); withStatistics appends the
  // medal table.
  void BuildResultList(uint16_t selection, bool withAgeClassData, bool withLegend, bool withHead,
                       bool newPagePerAgeClass, bool withRecords, bool twoLines, bool withFooter,
                       bool withStatistics, bool block5, bool withEmptyAgeClasses, uint16_t singleDisciplineRanking);
  // "Vk - Ausdruck der Startberechtigung"; withOrganisations appends the
  // alphabetical organisation overview.
  void BuildQualificationList(uint16_t selection, bool withAgeClassData, bool withLegend, bool withHead,
                              bool newPagePerAgeClass, bool withFooter, bool withOrganisations, bool block5);
  // "Vk - Ausdruck der Laufbesetzung": the heat list of every age class.
  void BuildHeatList(bool withHead, bool withLegend, bool withFooter, bool block5, bool withOrganisations,
                     bool allDisciplines, bool separateDisciplines);
  // "Vk - Ausdruck der Laufbesetzung": the CPR start list.
  void BuildCprStartList(bool withHead, bool withLegend, bool withFooter, bool block5);
  // "Vk - Ausdruck der Statistik": the organisation statistics in form 0..3
  // (another form gives a report without pages).
  void BuildStatistics(uint16_t form, bool withHead, bool withLegend, bool statisticsBlock5, bool withFooter);
  // "Vk - Ausdruck der Teilnehmer": one certificate page in layout 0..6 per
  // participant chosen by mode: 0 the current participant, 1 the marked
  // range, 2 every participant of the current age class, 3 every
  // participant of the competition. Indexes outside the current age class
  // (or an age-class index outside the competition) choose nobody.
  void BuildCertificates(int32_t layout, int32_t mode, bool withResult);

 private:
  // Disposes the current report and makes a new, empty one of this kind.
  TAusdruck& NewReport(const std::string& title, TAusdruckArt kind);

  TWettkampf& competition_;
  std::unique_ptr<TAusdruck> report_;
};
