// An age class of a competition: name, birth-year range, sex and option
// flags, up to six disciplines, the records of the previous years and this
// competition's best performances, and the participants in ranking order.
//
// The age class keeps its 3319-byte stored record whole, so a record loaded
// from a result file is written back byte for byte; every accessor reads or
// writes its field at the record's offset. The discipline count is kept
// within 0..6 whenever a record is set or loaded, because every loop over the
// disciplines indexes the six slots by it.
//
// Ownership: the age class owns its participants (they must come from `new`)
// and disposes them when it is destroyed or reloaded. While it belongs to a
// competition it knows the competition's selection, and a participant leaves
// that selection before the class disposes it. `Insert` computes the
// new participant's total and re-ranks the class; `InsertPlain` only puts it
// at its sorted place (loading and copying evaluate once at the end).
//
// Evaluation: after every change of a participant's results or of the class's
// definition the caller runs `Evaluate`, which leaves discipline places,
// points, totals, places, the display order and the bests current. Formula
// errors met during one evaluation (or one insertion, or one take-over of
// records) reach `ErrorMsgProc` once per distinct message, after the work is
// done.
//
// The transient mark byte is not stored; the competition uses it to mark the
// classes chosen for a report. The display option (hundredths in the grid's
// time texts) is not stored either; the competition sets it from its
// precision option and every evaluation hands it to the participants.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "ByteOrder.h"
#include "VkDisz.h"
#include "VkGlied.h"
#include "VkTeiln.h"
#include "YrCollection.h"
#include "YrStream.h"

// What the record entry of a discipline and the overall block of an age class
// share: their stored bytes and, behind the values, a tail of number,
// text and holder text (filled only by older result files) and a reserved
// last byte. `OffNumber` is where the tail starts.
template <size_t Size, size_t OffNumber>
class TRecordBlock {
 public:
  static constexpr size_t kSize = Size;
  static constexpr size_t kOffNumber = OffNumber;         // u16
  static constexpr size_t kOffText = OffNumber + 2;       // string[21]
  static constexpr size_t kOffHolder = OffNumber + 24;    // string[52]
  static constexpr size_t kOffReserved = OffNumber + 77;  // u8
  static constexpr size_t kTextCapacity = 21;
  static constexpr size_t kHolderCapacity = 52;
  static_assert(kOffReserved == Size - 1);

  TRecordBlock() { bytes_.fill(0); }
  // The stored image; the caller guarantees kSize bytes.
  void Load(const uint8_t* src) { std::copy(src, src + kSize, bytes_.begin()); }
  void Store(uint8_t* dst) const { std::copy(bytes_.begin(), bytes_.end(), dst); }
  const std::array<uint8_t, kSize>& Bytes() const { return bytes_; }

  uint16_t Number() const { return U16(kOffNumber); }
  void SetNumber(uint16_t v) { SetU16(kOffNumber, v); }
  std::string Text() const { return le::GetStr(bytes_.data(), kOffText, kTextCapacity); }
  void SetText(const std::string& s) { le::PutStr(bytes_.data(), kOffText, kTextCapacity, s); }
  std::string Holder() const { return le::GetStr(bytes_.data(), kOffHolder, kHolderCapacity); }
  void SetHolder(const std::string& s) { le::PutStr(bytes_.data(), kOffHolder, kHolderCapacity, s); }
  uint8_t Reserved() const { return bytes_[kOffReserved]; }
  void SetReserved(uint8_t v) { bytes_[kOffReserved] = v; }

 protected:
  int32_t I32(size_t off) const { return le::GetI32(bytes_.data(), off); }
  void SetI32(size_t off, int32_t v) { le::PutI32(bytes_.data(), off, v); }
  uint16_t U16(size_t off) const { return le::GetU16(bytes_.data(), off); }
  void SetU16(size_t off, uint16_t v) { le::PutU16(bytes_.data(), off, v); }

 private:
  std::array<uint8_t, kSize> bytes_;
};

// The record entry of one discipline, 90 stored bytes. The previous years'
// record is entered by the user; the best of this competition is computed.
class TRekord : public TRecordBlock<90, 12> {
 public:
  static constexpr size_t kOffRecordTime = 0;       // i32, hundredths of a second
  static constexpr size_t kOffRecordDeduction = 4;  // u16
  static constexpr size_t kOffBestTime = 6;         // i32
  static constexpr size_t kOffBestDeduction = 10;   // u16

  int32_t RecordTime() const { return I32(kOffRecordTime); }
  void SetRecordTime(int32_t t) { SetI32(kOffRecordTime, t); }
  uint16_t RecordDeduction() const { return U16(kOffRecordDeduction); }
  void SetRecordDeduction(uint16_t v) { SetU16(kOffRecordDeduction, v); }
  int32_t BestTime() const { return I32(kOffBestTime); }
  void SetBestTime(int32_t t) { SetI32(kOffBestTime, t); }
  uint16_t BestDeduction() const { return U16(kOffBestDeduction); }
  void SetBestDeduction(uint16_t v) { SetU16(kOffBestDeduction, v); }
};

// The overall block of an age class, 86 stored bytes: previous years' best
// total (entered) and this competition's best total (computed), in
// hundredths of a point.
class TOverallRecord : public TRecordBlock<86, 8> {
 public:
  static constexpr size_t kOffRecordTotal = 0;  // i32
  static constexpr size_t kOffBestTotal = 4;    // i32

  int32_t RecordTotal() const { return I32(kOffRecordTotal); }
  void SetRecordTotal(int32_t v) { SetI32(kOffRecordTotal, v); }
  int32_t BestTotal() const { return I32(kOffBestTotal); }
  void SetBestTotal(int32_t v) { SetI32(kOffBestTotal, v); }
};

constexpr size_t kAltersklasseSize = 3319;

// Parameter records of the heat and CPR operations (VkAkOps.h).
struct TLaufParameter;
struct THLWParameter;
class TTeilnehmerListe;

class TAltersklasse : public TYrSortedCollection {
 public:
  using Record = std::array<uint8_t, kAltersklasseSize>;
  using Disciplines = std::array<TDisziplin, 6>;

  // Offsets of the stored record.
  static constexpr size_t kOffName = 0;            // string[30]
  static constexpr size_t kOffFirstYear = 31;      // u16
  static constexpr size_t kOffLastYear = 33;       // u16
  static constexpr size_t kOffFlags = 35;          // u16
  static constexpr size_t kOffCount = 37;          // u16, 0..6
  static constexpr size_t kOffDisciplines = 39;    // 6 x 442
  static constexpr size_t kOffRekorde = 2691;      // 6 x 90
  static constexpr size_t kOffOverall = 3231;      // 86
  static constexpr size_t kOffCounted = 3317;      // u16
  static constexpr size_t kNameCapacity = 30;
  static constexpr int kMaxDisciplines = 6;

  // Flag bits.
  static constexpr uint16_t kFemale = 1;
  static constexpr uint16_t kCprScored = 2;
  static constexpr uint16_t kQualifiedFirst = 4;
  static constexpr uint16_t kAlphabetical = 8;
  static constexpr uint16_t kPlacesNeedCpr = 16;
  static constexpr uint16_t kDisciplineColumns = 32;

  // Item markers of the stored participant list.
  static constexpr uint16_t kParticipantMarker = 1000;

  // How `Load` ended.
  enum class LoadResult {
    kComplete,   // everything read, the class evaluated, the trailing byte read
    kStopped,    // record read whole; stopped at a list head that could not
                 // be read whole (no participants, limit and delta of Init),
                 // at a wrong or unreadable participant marker, a participant
                 // record that could not be read whole, or the collection
                 // limit. The participants read so far stay; the class is not
                 // evaluated; the trailing byte is not read.
    kTruncated,  // the record could not be read whole; nothing taken from the
                 // partial bytes, no participants
  };

  // Init: no participants (limit 15, delta 5), all 3319 bytes zero,
  // Duplicates true, mark 0.
  TAltersklasse();
  // InitFrom: Init, then SetRecord.
  explicit TAltersklasse(const Record& record);
  // InitCopy: the source's limit, delta, Duplicates, mark and display option,
  // its record, and a copy of every participant; then evaluated.
  explicit TAltersklasse(const TAltersklasse& source);
  // InitLoad: Init, then Load; `LastLoad` tells how the reading ended.
  explicit TAltersklasse(TYrStream& stream);
  ~TAltersklasse() override;

  TAltersklasse& operator=(const TAltersklasse&) = delete;

  // --- record
  const Record& GetRecord() const { return rec_; }
  // Copies the bytes (discipline count clamped to 6; a counted-disciplines
  // field of 0 becomes the discipline count), then evaluates.
  void SetRecord(const Record& record);
  // Sets name (cut to 30), birth years, flags, discipline count and the six
  // discipline records over the current record, keeping record entries and
  // counted disciplines, and ends with SetRecord.
  void Define(const std::string& name, uint16_t firstYear, uint16_t lastYear, uint16_t flags,
              uint16_t count, const Disciplines& disciplines);

  // --- storage
  // The record, the list head, each participant behind marker 1000, and the
  // Duplicates byte. Stream errors stay in the stream.
  void Store(TYrStream& stream) const;
  // Replaces the participants and the record by what the stream holds. A
  // stored delta of 0 (or one too large for 16 bits signed) is taken as 10;
  // no more than kMaxCollectionSize participants are read.
  LoadResult Load(TYrStream& stream);
  LoadResult LastLoad() const { return lastLoad_; }

  // --- participants
  TTeilnehmer* At(int index) const { return TYrCollection::At<TTeilnehmer>(index); }
  // CalcTotal of the new participant, its sorted insertion, then Rank. The
  // item must be a TTeilnehmer.
  void Insert(TYrObject* item) override;
  // Sorted insertion without any computation.
  void InsertPlain(TTeilnehmer* participant);
  // Takes the participant out of the competition's selection, then disposes
  // it.
  void FreeItem(TYrObject* item) override;
  // The selection of the competition the class belongs to (nullptr: none).
  // The competition sets it when it takes the class and clears it when it
  // disposes the class.
  void SetSelection(TTeilnehmerListe* selection) { selection_ = selection; }
  // The participant's age-class text equals the name exactly and its female
  // flag equals the class's.
  bool Belongs(const TTeilnehmer& participant) const;
  // Counts every participant, in the current order, into the organisation
  // statistics; organisations earn their trophy points for this class in the
  // order of their first counted participant.
  void AddToGliederungen(TGliederungsListe& list) const;

  // --- accessors
  std::string Name() const;
  void SetName(const std::string& name);
  uint16_t FirstYear() const;
  void SetFirstYear(uint16_t y);
  uint16_t LastYear() const;
  void SetLastYear(uint16_t y);
  uint16_t Flags() const;
  void SetFlags(uint16_t flags);
  // 0..6.
  uint16_t DisciplineCount() const;
  void SetDisciplineCount(uint16_t count);
  // Slot d = 1..6; another number gives an empty discipline and writes nothing.
  TDisziplin Discipline(int d) const;
  void SetDiscipline(int d, const TDisziplin& discipline);
  // Number of discipline points summed into the total; 0 means all.
  uint16_t Counted() const;
  void SetCounted(uint16_t n);
  bool IsFemale() const { return (Flags() & kFemale) != 0; }
  bool HasCpr() const { return (Flags() & kCprScored) != 0; }
  bool ShowsDisciplinePlaces() const { return (Flags() & kDisciplineColumns) != 0; }

  // Record entry of discipline d = 1..6 (another number: an empty entry, and
  // nothing is written).
  TRekord Rekord(int d) const;
  void SetRekord(int d, const TRekord& r);
  TOverallRecord Overall() const;
  void SetOverall(const TOverallRecord& o);
  // All six record entries and the overall block := 0.
  void ClearRecords();

  // Both birth years += a - b (16-bit arithmetic).
  void ShiftYears(int32_t a, int32_t b);

  uint8_t Mark() const { return mark_; }
  void SetMark(uint8_t mark) { mark_ = mark; }

  // Sets the option on every participant now and on every evaluation.
  uint8_t DisplayOption() const { return displayOption_; }
  void SetDisplayOption(uint8_t option);

  // Female classes first, then names as unsigned bytes; 0 when sex and name
  // agree.
  static int CompareClass(const TAltersklasse& a, const TAltersklasse& b);
  // Takes over the previous years' records of a matching class of another
  // competition; mismatches are reported through ErrorMsgProc.
  static void MergeRecords(TAltersklasse& target, TAltersklasse& source);

  // --- texts (DOS code page)
  // "Altersklasse " + name, with the flag " (first - last)".
  std::string Heading(bool withYears) const;
  // Row 0: column caption; rows 1..count: the participant's column text.
  std::string CellText(int row, int16_t column) const;

  // --- evaluation
  // Discipline points, discipline places, points and totals, places, the
  // display order and the bests.
  void Evaluate();
  // Places of discipline d from the points the participants hold now.
  void RankDiscipline(int d);
  // Points, discipline ranks and total of one participant from its results
  // and discipline places.
  void CalcTotal(TTeilnehmer& participant);
  // Overall places, then the display order and UpdateBests.
  void Rank();
  // Ranking and display order (-1 = key1 first).
  int Compare(const TYrObject* key1, const TYrObject* key2) const override;
  // This competition's best performance per discipline and best total.
  void UpdateBests();

  // --- operations on all participants at once (VkAkOps.cpp)
  // Qualification cut after n participants, ties at the cut and directly
  // qualified participants behind it included. Modes: 0 mark the start
  // right and delete those without it, 1 only mark, 2 only delete. Ends with
  // Evaluate.
  void Qualify(int n, int mode);
  // Heats and lanes of one discipline; the parameter record carries the next
  // heat and position on to the next class.
  void AssignHeats(TLaufParameter& p);
  // CPR time, station and heat of every participant, in the current order;
  // nothing for a class without CPR. Clock, station and heat number carry on.
  void AssignCprHeats(THLWParameter& q);
  // ResetFields(items) on every participant, then Evaluate.
  void ResetResults(const TYrSet& items);
  // Absent participants: mode 0 set to "n.a.", 1 delete (no time), 2 delete
  // (all "n.a." already). Ends with Rank.
  void Strike(int mode);

 private:
  Disciplines AllDisciplines() const;
  void ApplyRecord(const Record& record);
  // pointsCurrent[d-1]: the points of slot d are current and kept.
  void CalcTotalWith(TTeilnehmer& t, const Disciplines& discs, const std::string& name,
                     const std::array<bool, 6>& pointsCurrent) const;
  // pointsCurrent: called right after an evaluation computed the points.
  void UpdateBestsWith(bool pointsCurrent);

  Record rec_;
  uint8_t mark_ = 0;
  uint8_t displayOption_ = 0;
  TTeilnehmerListe* selection_ = nullptr;  // not owned
  LoadResult lastLoad_ = LoadResult::kComplete;
};
