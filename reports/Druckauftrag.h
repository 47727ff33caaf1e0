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

  // The options of each entry point, in the order the print dialog hands
  // them on; every option is off (0) unless the caller names it.
  struct ResultListOptions {
    // The age classes printed: 0 the current one, 1 all, 2 the marked ones.
    uint16_t selection = 0;
    bool withAgeClassData = false;  // the disciplines below each heading
    bool withLegend = false;
    bool withHead = false;  // the title block on the first page
    bool newPagePerAgeClass = false;
    bool withRecords = false;  // record marks in the rows and the legend
    bool twoLines = false;     // two lines per participant
    bool withFooter = false;
    bool withStatistics = false;  // the medal table appended
    bool block5 = false;          // an empty line after every fifth row
    bool withEmptyAgeClasses = false;
    // Nonzero: "Disziplinenergebnis", the ranking mode of the rows.
    uint16_t singleDisciplineRanking = 0;
  };
  struct QualificationListOptions {
    uint16_t selection = 0;
    bool withAgeClassData = false;
    bool withLegend = false;
    bool withHead = false;
    bool newPagePerAgeClass = false;
    bool withFooter = false;
    bool withOrganisations = false;  // the alphabetical overview appended
    bool block5 = false;
  };
  struct HeatListOptions {
    bool withHead = false;
    bool withLegend = false;
    bool withFooter = false;
    bool block5 = false;             // an empty line between two heats
    bool withOrganisations = false;  // the alphabetical overview appended
    bool allDisciplines = false;     // a heat line heads every heat
    bool separateDisciplines = false;
  };
  struct CprStartListOptions {
    bool withHead = false;
    bool withLegend = false;
    bool withFooter = false;
    bool block5 = false;  // an empty line between two start times
  };
  struct StatisticsOptions {
    // 0 alphabetical, 1 medal table, 2 points, 3 trophy.
    uint16_t form = 0;
    bool withHead = false;
    bool withLegend = false;
    bool statisticsBlock5 = false;  // an empty line after every fifth organisation
    bool withFooter = false;
  };
  struct CertificateOptions {
    int32_t layout = 0;  // 0..6
    // 0 the current participant, 1 the marked range, 2 every participant of
    // the current age class, 3 every participant of the competition.
    int32_t mode = 0;
    bool withResult = false;  // total points and place, where there is a total
  };

  // "Vk - Ausdruck des Ergebnisses".
  void BuildResultList(const ResultListOptions& options);
  // "Vk - Ausdruck der Startberechtigung".
  void BuildQualificationList(const QualificationListOptions& options);
  // "Vk - Ausdruck der Laufbesetzung": the heat list of every age class.
  void BuildHeatList(const HeatListOptions& options);
  // "Vk - Ausdruck der Laufbesetzung": the CPR start list.
  void BuildCprStartList(const CprStartListOptions& options);
  // "Vk - Ausdruck der Statistik" (another form than 0..3 gives a report
  // without pages).
  void BuildStatistics(const StatisticsOptions& options);
  // "Vk - Ausdruck der Teilnehmer": one certificate page per participant
  // chosen by the mode. Indexes outside the current age class (or an
  // age-class index outside the competition) choose nobody; a layout outside
  // 0..6 makes no page.
  void BuildCertificates(const CertificateOptions& options);

 private:
  // Disposes the current report and makes a new, empty one of this kind.
  TAusdruck& NewReport(const std::string& title, TAusdruckArt kind);

  TWettkampf& competition_;
  std::unique_ptr<TAusdruck> report_;
};
