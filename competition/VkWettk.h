// One competition: its age classes in a fixed order, the header record with
// the event data, the organisation statistics, two further lists and the
// selection of participants a report or heat view works on; and the result
// file that carries all of it between the pool and the office.
//
// `TWettkampfDaten` keeps its 701-byte stored record whole, so a header read
// from a file is written back byte for byte (bytes behind a text's length and
// the reserved area included); every accessor reads or writes its field at
// the record's offset.
//
// Ownership: `TWettkampf` owns its age classes (they must come from `new`),
// the organisation statistics, the organ list and the record list. The
// selection does not own its participants: they belong to the age classes.
// The competition keeps it holding living participants only: every class it
// takes knows the selection, and a participant the class disposes (delete,
// strike, qualification, reload) leaves the selection first, as do the
// participants of a class the competition disposes (`AtFree`, `Free`,
// `Load`, `Merge`, the destructor). A class taken out with `AtDelete` still
// knows the selection: give it `SetSelection(nullptr)`. The lists are
// members: references to them stay valid for the competition's whole life,
// also across `Load`.
//
// The hundredths option of the header is handed to every age class as its
// display option when the class is inserted and whenever the option changes
// through `SetHeader`; change the header only through it.
//
// Reading a result file never trusts the file: a damaged, truncated or
// hostile file leaves a valid (possibly partly filled) competition and never
// reads more than the file holds into a record. Single-threaded.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "OptionBits.h"
#include "VkAltersk.h"
#include "VkGlied.h"
#include "VkRekord.h"
#include "VkTeiln.h"
#include "VkTeilnListe.h"
#include "YrCollection.h"
#include "YrStream.h"

constexpr size_t kWettkampfDatenSize = 701;

class TWettkampfDaten {
 public:
  using Bytes = std::array<uint8_t, kWettkampfDatenSize>;

  // Offsets of the stored record.
  static constexpr size_t kOffTitle = 0;             // string[80]
  static constexpr size_t kOffKind = 81;             // u16: 0 individual, 1 teams
  static constexpr size_t kOffOrganiser = 83;        // string[80]
  static constexpr size_t kOffHost = 164;            // string[80]
  static constexpr size_t kOffDate = 245;            // string[80], free text
  static constexpr size_t kOffVenue = 326;           // string[80]
  static constexpr size_t kOffLanesIndex = 407;      // u16: 0..7 = 3..10 lanes
  static constexpr size_t kOffPool = 409;            // u16: 0 = 25 m, 1 = 50 m
  static constexpr size_t kOffCprStationsIndex = 411;  // u16: 0..7 = 3..10 stations
  static constexpr size_t kOffReservedText = 413;    // string[80], never read
  static constexpr size_t kOffOptions = 494;         // u16, bit 0 hundredths
  static constexpr size_t kOffLastCprDuration = 496; // u16, minutes per pass
  static constexpr size_t kOffLastCprStarts = 498;   // u16
  static constexpr size_t kOffReserved = 500;        // 201 bytes, zero
  static constexpr size_t kTextCapacity = 80;

  static constexpr uint16_t kIndividual = 0;
  static constexpr uint16_t kTeams = 1;
  static constexpr uint16_t kOptHundredths = 1;

  // All 701 bytes zero.
  TWettkampfDaten() { bytes_.fill(0); }

  // All bytes zero, then the values of a new competition: the prompt texts,
  // today's long date, 5 lanes, 25 m, 5 CPR stations.
  void SetDefaults();

  const Bytes& GetBytes() const { return bytes_; }
  void SetBytes(const Bytes& bytes) { bytes_ = bytes; }

  // Texts in the DOS code page, cut to 80 characters on write.
  std::string Title() const { return Text(kOffTitle); }
  void SetTitle(const std::string& s) { SetText(kOffTitle, s); }
  uint16_t Kind() const { return Word(kOffKind); }
  void SetKind(uint16_t v) { SetWord(kOffKind, v); }
  std::string Organiser() const { return Text(kOffOrganiser); }
  void SetOrganiser(const std::string& s) { SetText(kOffOrganiser, s); }
  std::string Host() const { return Text(kOffHost); }
  void SetHost(const std::string& s) { SetText(kOffHost, s); }
  std::string Date() const { return Text(kOffDate); }
  void SetDate(const std::string& s) { SetText(kOffDate, s); }
  std::string Venue() const { return Text(kOffVenue); }
  void SetVenue(const std::string& s) { SetText(kOffVenue, s); }
  // The indexes as stored; a file may hold any value (see TWettkampf).
  uint16_t LanesIndex() const { return Word(kOffLanesIndex); }
  void SetLanesIndex(uint16_t v) { SetWord(kOffLanesIndex, v); }
  uint16_t Pool() const { return Word(kOffPool); }
  void SetPool(uint16_t v) { SetWord(kOffPool, v); }
  uint16_t CprStationsIndex() const { return Word(kOffCprStationsIndex); }
  void SetCprStationsIndex(uint16_t v) { SetWord(kOffCprStationsIndex, v); }
  std::string ReservedText() const { return Text(kOffReservedText); }
  uint16_t Options() const { return Word(kOffOptions); }
  void SetOptions(uint16_t v) { SetWord(kOffOptions, v); }
  uint16_t LastCprDuration() const { return Word(kOffLastCprDuration); }
  void SetLastCprDuration(uint16_t v) { SetWord(kOffLastCprDuration, v); }
  uint16_t LastCprStarts() const { return Word(kOffLastCprStarts); }
  void SetLastCprStarts(uint16_t v) { SetWord(kOffLastCprStarts, v); }

 private:
  std::string Text(size_t off) const;
  void SetText(size_t off, const std::string& s);
  uint16_t Word(size_t off) const;
  void SetWord(size_t off, uint16_t v);

  Bytes bytes_;
};

class TWettkampf : public TYrSortedCollection {
 public:
  // The 38 bytes that open a result file of the current format (stored
  // without a length byte).
  static constexpr char kFileHeader[] = "Ergebnisdatei von Kiv.EXE Version 2007";
  static constexpr size_t kFileHeaderSize = sizeof kFileHeader - 1;
  // Item marker of an age class in the result file.
  static constexpr uint16_t kAgeClassMarker = 1001;

  // Init: no age classes (limit 50, delta 10, Duplicates false), the header
  // of a new competition, empty lists.
  TWettkampf();
  // InitCopy: a deep copy. The age classes, their participants and the three
  // lists are copied; the selection of the copy starts empty.
  TWettkampf(const TWettkampf& source);
  // Done: empties the selection, then disposes the classes and the lists.
  ~TWettkampf() override;
  TWettkampf& operator=(const TWettkampf&) = delete;

  using TYrCollection::At;
  TAltersklasse* At(int index) const { return TYrCollection::At<TAltersklasse>(index); }

  // Oldest classes first (larger first, then larger last birth year), then
  // female before male, then names in byte order.
  int Compare(const TYrObject* key1, const TYrObject* key2) const override;
  // Takes ownership of an age class and inserts it at its place, with the
  // competition's display option. A class equal to one present is reported
  // through ErrorMsgProc and disposed: the caller must not use it afterwards
  // (`Add` says which it was).
  void Insert(TYrObject* item) override;
  // Takes the class's participants out of the selection, then disposes it.
  void FreeItem(TYrObject* item) override;

  // --- header
  const TWettkampfDaten& Header() const { return header_; }
  // Replaces the header and hands the hundredths option to the age classes.
  void SetHeader(const TWettkampfDaten& header);
  bool IsIndividual() const { return header_.Kind() == TWettkampfDaten::kIndividual; }
  bool WithHundredths() const { return (header_.Options() & TWettkampfDaten::kOptHundredths) != 0; }
  // 3..10: the stored indexes clamped to 0..7, plus 3. Whatever uses the
  // number of lanes or CPR stations takes it from here, never from the
  // header, which may come unchecked from a file.
  int LanesPerHeat() const;
  int CprStations() const;

  // --- lists
  TGliederungsListe& Gliederungen() { return gliederungen_; }
  const TGliederungsListe& Gliederungen() const { return gliederungen_; }
  TOrganListe& OrganListe() { return organListe_; }
  const TOrganListe& OrganListe() const { return organListe_; }
  TRekordListe& RekordListe() { return rekordListe_; }
  const TRekordListe& RekordListe() const { return rekordListe_; }
  // Not owning: its participants belong to the age classes.
  TTeilnehmerListe& Selection() { return selection_; }
  const TTeilnehmerListe& Selection() const { return selection_; }

  // Participants of all age classes.
  int32_t ParticipantCount() const;

  // --- marks (i is 0-based; outside the classes nothing happens / false)
  void SetMark(int i, bool value);
  bool IsMarked(int i) const;
  void SetAllMarks(bool value);
  // Marks exactly the classes with CPR scoring.
  void MarkCprClasses();

  // The find command: the next participant after (classIndex, row) whose
  // organisation or names match `text` (TTeilnehmer::Matches; option bit 0
  // searches backward), wrapping over the classes. On a match classIndex and
  // row point at it. nullptr after every participant was tried once, or when
  // there are no classes. Any classIndex and row are accepted: a class
  // outside the competition means class 0, a row before the class's first
  // participant means "before the first", one past its last "after the last".
  TTeilnehmer* FindParticipant(const std::string& text, uint8_t options, int& row, int& classIndex) const;

  // Adds a - b (16-bit arithmetic) to both birth years of every age class;
  // with the base year 1990 this makes or undoes the year-neutral template.
  // The order of the classes does not change (all move alike).
  void ShiftYears(int32_t a, int32_t b);

  // --- operations on every age class in order (VkWettkOps.cpp)
  // Each sets its progress caption, empties it at the end and reports its
  // messages through ErrorMsgProc. Each one leaves the classes it changed
  // evaluated or ranked.

  // Merge option bits (the check boxes of "Wettkampf hinzufügen").
  static constexpr uint16_t kMergeClasses = 1;       // add missing age classes (empty)
  static constexpr uint16_t kMergeParticipants = 2;  // move participants into equal classes
  static constexpr uint16_t kMergeOutside = 4;       // ... out-of-competition ones too
  static constexpr uint16_t kMergeNotEntered = 8;    // ... those without `meldet` too
  static constexpr uint16_t kMergeIncomplete = 16;   // ... those not complete too
  // The merge options in the order the merge dialog shows their boxes.
  static constexpr TOptionBit kMergeOptions[] = {
      {kMergeClasses, "fehlende Altersklassen hinzufügen"},
      {kMergeParticipants, "fehlende Teilnehmer hinzufügen"},
      {kMergeOutside, "incl. Teilnehmer außer Konkurrenz"},
      {kMergeNotEntered, "incl. nicht meldende Teilnehmer"},
      {kMergeIncomplete, "incl. nicht angetretene Teilnehmer"},
  };

  // The qualification cut of every class (count admitted per class; mode 0
  // both actions, 1 start right only, 2 delete only).
  void Qualify(int count, int mode);
  // Heats and lanes of discipline 1, with options 2 or 16 also of
  // disciplines 2..6; heat numbers continue across classes and disciplines.
  void AssignHeats(int startHeat, int startPosition, int options);
  // The CPR timetable, class by class or, with byOrganisation, one block per
  // organisation (by abbreviation; participants of CPR classes without an
  // organisation form the last block). Rebuilds the organisation statistics
  // and sets the marks to the CPR classes in block mode; leaves the
  // selection empty. Stores duration and starts in the header.
  void AssignCprHeats(int startClock, int startStation, int duration, int starts, bool byOrganisation);
  // Set elements 1..25 as in TTeilnehmer::ResetFields.
  void ResetResults(const TYrSet& items);
  // Absent participants: mode 0 "n.a.", 1 delete, 2 delete those all "n.a.".
  void Strike(int mode);
  // This competition's bests of every class.
  void UpdateRecords();
  // The previous years' records of every class of `source` with the same
  // sex and name (birth years may differ). Updates the bests of `source`.
  void TakeRecords(TWettkampf& source);
  // Adds another competition: age classes and participants as `options`
  // say; a non-empty `abk` replaces the moved participants' organisation,
  // a `count` above 0 sets `direkt qualifiziert` on exactly those placed
  // 1..count. Empties `source` of age classes (the caller disposes it).
  // Refuses to mix individual and team competitions (nothing changes then)
  // and does nothing for nullptr or the competition itself. A class that
  // reaches kMaxCollectionSize participants takes no more; the rest is
  // reported and disposed.
  void Merge(TWettkampf* source, uint16_t options, const std::string& abk, int count);
  // Puts an imported participant into its age class (found by its
  // age-class text and sex; an individual without that text by its birth
  // year first) and returns it. Returns nullptr, after a message, when no
  // class takes it; the participant is freed then.
  TTeilnehmer* PlaceParticipant(std::unique_ptr<TTeilnehmer> participant);
  // The class PlaceParticipant would put the participant in, without a word
  // and without inserting it (an individual without age-class text gets the
  // text found by its birth year, or "?"); nullptr when none fits.
  TAltersklasse* ClassFor(TTeilnehmer& participant) const;

  // --- result file
  // Writes the whole competition. Checks nothing; write errors are left in
  // the stream for the caller.
  void Store(TYrStream& stream) const;
  // Replaces the competition's contents by a result file read from the
  // stream's current position (the start of the header text, which is not
  // compared). Returns true when the file was read to its end as written;
  // false when reading stopped early (a wrong or unreadable marker, a short
  // file, a list head that cannot be read whole, more items than a
  // collection can hold, a negative header size). Either way the competition
  // is valid afterwards: what was read before the stop stays, everything
  // after it is empty, and no message is reported for the stop itself. Read
  // errors stay in the stream's status for the caller.
  bool Load(TYrStream& stream);

  // --- statistics, selections and report lines (VkWettkStat.cpp)
  // Rebuilds the organisation statistics from every age class, drops the
  // organisations left without participants, then sorts by `mode`
  // (TGliederungsListe::kByAbk .. kByTrophy) and numbers the places.
  void BuildGliederungen(uint8_t mode);
  // Add participants of the marked age classes to the selection, in its
  // current sort mode; the caller empties it (DeleteAll) beforehand. The
  // selection holds at most kMaxCollectionSize participants: when it is
  // full, adding stops and the result is false (everything added stays).
  bool SelectMarked();
  bool SelectMarkedCpr();  // only classes with CPR scoring
  // The participants of the marked classes that `take` accepts; `take` is
  // asked once per class with no participant (false skips the class), then
  // per participant. Stops when the selection is full (false).
  bool SelectMarkedWhere(const std::function<bool(const TAltersklasse&, const TTeilnehmer*)>& take);
  // Organisation abbreviation equal to `abk` (same length and bytes).
  bool SelectGliederung(const std::string& abk);
  // Heat `h` in discipline d = 1..6 (another d selects nobody).
  bool SelectHeat(int d, int16_t h);
  // Highest (starting at 0) or lowest (starting at 32767) heat over all age
  // classes, in discipline d = 1..6, or d = 0 all six; other d: the start.
  int16_t HeatRange(bool highest, int d) const;

  // Fixed-width list lines in the DOS code page. Row 0 (or no participant)
  // is the header; row r is participant r-1 of the class in its order. A
  // class index or row outside the competition gives an empty text.
  std::string ParticipantListLine(int classIndex, int row) const;
  // d = -1 with a participant gives the heat line of a group.
  std::string HeatListLine(int d, const TTeilnehmer* participant, bool withHeat, bool allDisciplines) const;
  std::string CprStartListLine(const TTeilnehmer* participant) const;
  // mode 1 lets classes that show discipline places show them.
  std::string ResultLineLeft(int classIndex, int row, bool withResults, bool withRecordMarks, bool withSchedule,
                             int mode) const;
  std::string ResultLineRight(int classIndex, int row, bool withResults, bool withRecordMarks, bool withSchedule,
                              int mode) const;
  // Left part then right part, cut to 255 characters.
  std::string ResultLine(int classIndex, int row, bool withResults, bool withRecordMarks, bool withSchedule,
                         int mode) const;

 private:
  // Add and Insert: a refused class is reported and freed.
  TYrObject* AddItem(std::unique_ptr<TYrObject> item) override;
  // The hundredths choice as the age classes' display option.
  uint8_t DisplayOption() const { return WithHundredths() ? 1 : 0; }
  void PassDisplayOption();
  // Empties the selection, disposes the classes and the lists' items.
  void DisposeContents();
  bool LoadAgeClasses(TYrStream& stream);

  TWettkampfDaten header_;
  // Declared in the order their destruction must reverse: the selection is
  // emptied first, then the record list, the organ list and the statistics
  // go, then the base class disposes the age classes.
  TGliederungsListe gliederungen_;
  TOrganListe organListe_;
  TRekordListe rekordListe_;
  TTeilnehmerListe selection_{false};
};
