// The report frame: a page document that knows the competition it prints,
// the paper, the margins, the report kind and the user's options, and puts
// on its pages what every list report shares: the title block of the first
// page, the footer of every page, the legend, the column head repeated at the
// top of the pages a list runs onto, and the loop over the chosen age classes
// with their headings. The results report and the statistics report are
// built here too (ResultsReport.cpp, StatisticsReport.cpp), and so are the
// qualification, heat and CPR lists (StartListReports.cpp) and the
// certificates (Certificates.cpp).
//
// Every list line is one Courier New text whose columns the competition's
// report-line routines align with blanks; the frame only places the lines.
// Texts are DOS code page and drawn converted. Positions are in tenths of a
// millimetre (YrPrint.h); the frame is L = left margin, T = top margin,
// R = page width - right margin, B = page height - bottom margin.
//
// The competition is not owned and must outlive the report. Building reads
// it and rebuilds its organisation statistics (the statistics part does);
// the marks of its age classes choose the classes of Selection 2. Building a
// report appends to the document: the caller (the print job) creates one
// report per printout, sets its options and calls one builder.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "VkWettk.h"
#include "YrPrint.h"

// The report kinds; they choose the column head, the fonts of the list and
// the kind text of the footer. Certificates is the print dialog's sixth
// choice; a certificate report itself keeps the kind Results.
enum class TAusdruckArt : int16_t {
  Results = 0,
  Qualification = 1,  // qualification and start permission; list not condensed
  HeatList = 2,
  CprStartList = 3,
  Statistics = 4,
  Certificates = 5,
};

// The kind of certificate paper each certificate layout 0..6 is made for, in
// layout order (DOS code page); the print dialog offers them by these names.
extern const std::array<const char*, 7> kCertificateKinds;

struct TPageSize {
  int32_t Width = 2100;  // A4 portrait
  int32_t Height = 2970;
  bool operator==(const TPageSize&) const = default;
};

struct TMargins {
  int32_t Left = 100;
  int32_t Top = 100;
  int32_t Right = 100;
  int32_t Bottom = 100;
};

// One line of a legend (Courier New 40), bold or plain.
struct TLegendLine {
  bool Bold = false;
  std::string Text;  // DOS code page
};
using TLegend = std::vector<TLegendLine>;

class TAusdruck : public TYrPrintDoc {
 public:
  // Empty report of kind Results with every option off except ShowAllHeats.
  TAusdruck(const std::string& title, TPageSize pageSize, TMargins margins, TWettkampf& competition);

  // --- options, set by the print job before it builds
  TAusdruckArt Kind = TAusdruckArt::Results;
  // The age classes printed: 0 the one the builder is given, 1 all, 2 the
  // marked ones (another value prints none).
  uint16_t Selection = 0;
  bool WithAgeClassData = false;     // disciplines below each age-class heading
  bool WithLegend = false;
  bool WithHead = false;             // title block on the first page
  bool NewPagePerAgeClass = false;
  bool WithRecords = false;          // record marks in the result lines
  bool TwoLines = false;             // result rows in two lines
  bool WithFooter = false;
  bool Block5 = false;               // an empty line after every fifth row
  bool StatisticsBlock5 = false;     // the same in the statistics
  bool AllDisciplines = false;       // heat list
  bool SeparateDisciplines = false;  // heat list
  bool ShowAllHeats = true;          // heat list: a heat line before each heat
  bool WithEmptyAgeClasses = false;
  // Nonzero: "Disziplinenergebnis"; also the ranking mode of the result
  // lines (1 shows the discipline places of the classes that have them).
  uint16_t SingleDisciplineRanking = 0;

  // --- frame
  int32_t L() const { return margins_.Left; }
  int32_t T() const { return margins_.Top; }
  int32_t R() const { return pageSize_.Width - margins_.Right; }
  int32_t B() const { return pageSize_.Height - margins_.Bottom; }
  TWettkampf& Competition() const { return competition_; }

  // --- builders
  // The results report: first page with title block and legend, the age
  // classes by Selection (ageClassIndex for Selection 0), and with
  // withStatistics the medal table on a new page (head, legend and its
  // five-row blocks switched on for it).
  void BuildResults(int ageClassIndex, bool withStatistics);
  // The organisation statistics in form 0 (alphabetical), 1 (medal table),
  // 2 (points) or 3 (trophy), starting on a new page of this document; the
  // statistics are rebuilt first. Another form adds nothing.
  void AddStatistics(int form);
  // The qualification and start-permission list of the age classes chosen
  // by Selection, with withOrganisations the alphabetical organisation
  // overview on a new page (head, legend and its five-row blocks on).
  void BuildQualification(int ageClassIndex, bool withOrganisations);
  // Every participant of every age class by heat and lane of discipline 1,
  // one keep-together block per heat (participants without a heat first),
  // with withOrganisations the overview as above. Marks every age class;
  // uses the competition's selection and leaves it empty.
  void BuildHeatList(bool withOrganisations);
  // The participants of the age classes with CPR scoring by CPR start time
  // and station, one keep-together block per start time. Marks exactly those
  // classes; uses the selection and leaves it empty.
  void BuildCprStartList();
  // One certificate page in layout 0..6 for the participant (another layout
  // adds nothing). Total points and place only withResult and for a total
  // above 0.
  void AddCertificate(int layout, const TTeilnehmer& participant, bool withResult);

  // --- pieces of every list report
  // Appends the first page of a report with the title block (WithHead),
  // starts the flowing text on it (Courier New 40 plain, below the title
  // block's room), writes the legend (WithLegend), with blankLine an empty
  // line when there was a head or a legend, and the page's footer.
  void BeginListReport(const std::string& kindTitle, int32_t bottomLimit, bool pageBreak, const TLegend& legend,
                       bool blankLine);
  // The title block on `page` (only WithHead).
  void AddTitleBlock(TYrPrintPage& page, const std::string& title);
  // The footer of page pageNo (only WithFooter and when the page exists).
  void AddFooter(int pageNo);
  // The legend lines, switching bold and plain as they say.
  void AddLegend(const TLegend& legend);
  // Bold "Erläuterungen:" and its rule, plain an empty line and `lines`,
  // with trailingBlank one more empty line.
  static TLegend Explanations(const std::vector<std::string>& lines, bool trailingBlank);
  // Courier New 40, vertically centred, converted: the list font, condensed
  // except in the qualification report.
  void SetListFont(uint8_t style);
  // Row `row` of the current list: 0 the column head, i the i-th participant
  // of the current age class (kinds Results and Qualification); the heat and
  // CPR lists have only their head.
  void AddColumnHead(int row);
  // The age classes chosen by Selection.
  void AddAgeClasses(int ageClassIndex);
  // One age class: heading, column head and rows, each row a keep-together
  // block (the heading, the head and the first row form one).
  void AddAgeClass(int index);
  // Heading of the current age class, with its disciplines when
  // WithAgeClassData.
  void AddAgeClassHeading();

 protected:
  // The footer, then the bold column head when HeadActive.
  void PageStarted() override;
  void BlockMoved() override {}

 private:
  // Ends the block of a heat or CPR start time and opens the next one, with
  // the empty line between them in the five-row mode.
  void NextGroup();

  TPageSize pageSize_;
  TMargins margins_;
  TWettkampf& competition_;
  int currentAgeClassIndex_ = 0;
  TAltersklasse* currentAgeClass_ = nullptr;
  bool headActive_ = false;
};
