// One start entry of an age class: a person in an individual competition or
// a team in a team competition, held as its 280-byte stored record.
//
// The record is a file format (item marker 1000 of the result file), so the
// participant keeps the bytes themselves and reads and writes every field at
// its offset; bytes without a meaning (162..163, 206..229, 242..279) are kept
// exactly as loaded or copied and written back unchanged.
//
// Bytes 0..52 hold the identity texts in one of two layouts over the same
// bytes: an individual competition uses `Name` string[20] at 0, `Vorname`
// string[20] at 21 and `Geburtsdatum` string[10] at 42; a team competition
// uses `Name` string[30] at 0 and `Zusatz` string[21] at 31. The participant
// does not know which one applies (that follows from the competition's kind),
// so the caller names the layout: `Name(individual)` and the individual-only
// `Vorname`/`Geburtsdatum`, the team-only `Zusatz`. Every read clamps the
// stored length byte to the capacity of the field in the layout being read,
// so a damaged record, or one written in the other layout, never yields
// bytes from outside the field.
//
// Disciplines are numbered 1..6. A discipline number outside 1..6 reads 0
// and writes nothing (keys of the sort modes rely on the reads being safe).
//
// The display option byte is not stored: it decides whether the grid's time
// texts show hundredths (non-zero) or only tenths (0, the value on creation).
// The owner of the participant sets it from the competition's precision
// option. Copies take it from their source.
//
// The participant owns nothing besides its bytes; copying is cheap and safe.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "YrCollection.h"
#include "YrObject.h"
#include "YrStream.h"

constexpr size_t kTeilnehmerSize = 280;

class TTeilnehmer : public TYrObject {
 public:
  using Bytes = std::array<uint8_t, kTeilnehmerSize>;

  // Flag bits of the u16 at offset 90.
  static constexpr uint16_t kWeiblich = 1;            // female, copied from the age class
  static constexpr uint16_t kAusserKonkurrenz = 2;    // out of competition
  static constexpr uint16_t kDirektQualifiziert = 4;  // directly qualified
  static constexpr uint16_t kMeldet = 8;              // registered, set on creation
  static constexpr uint16_t kStartberechtigt = 16;    // entitled to start

  // Capacities of the text fields.
  static constexpr size_t kNameIndividualCap = 20;
  static constexpr size_t kNameTeamCap = 30;
  static constexpr size_t kVornameCap = 20;
  static constexpr size_t kGeburtsdatumCap = 10;
  static constexpr size_t kZusatzCap = 21;
  static constexpr size_t kGliederungCap = 5;
  static constexpr size_t kAltersklasseCap = 30;

  // Init: every byte 0, then `meldet`; display option 0 (tenths).
  TTeilnehmer();
  // InitCopy: the source's 280 bytes and its display option.
  TTeilnehmer(const TTeilnehmer& source) = default;
  TTeilnehmer& operator=(const TTeilnehmer& source) = default;
  // InitLoad: Init, then Load. The caller tests the stream's status.
  explicit TTeilnehmer(TYrStream& stream);
  ~TTeilnehmer() override = default;

  // Reads / writes the 280 bytes through the stream; neither checks its
  // status (the reader of the whole file does). A short read leaves the bytes
  // behind the data read as they were.
  void Load(TYrStream& stream);
  void Store(TYrStream& stream) const;

  // The whole stored record (for readers of other formats and for tests).
  const Bytes& Record() const { return bytes_; }
  void SetRecord(const Bytes& bytes) { bytes_ = bytes; }

  uint8_t DisplayOption() const { return displayOption_; }
  void SetDisplayOption(uint8_t option) { displayOption_ = option; }

  // --- identity texts (DOS code page), cut to the field's capacity on write
  // `Name` at offset 0: string[20] in the individual layout, string[30] in the
  // team layout.
  std::string Name(bool individual) const;
  void SetName(bool individual, const std::string& s);
  // Individual layout only.
  std::string Vorname() const;
  void SetVorname(const std::string& s);
  std::string Geburtsdatum() const;
  void SetGeburtsdatum(const std::string& s);
  // Team layout only.
  std::string Zusatz() const;
  void SetZusatz(const std::string& s);

  std::string Gliederung() const;
  void SetGliederung(const std::string& s);
  std::string Altersklasse() const;
  void SetAltersklasse(const std::string& s);

  // --- flags
  uint16_t Flags() const;
  void SetFlags(uint16_t flags);
  bool Flag(uint16_t bit) const { return (Flags() & bit) != 0; }
  void SetFlag(uint16_t bit, bool on);

  // --- results of discipline d = 1..6
  int32_t Time(int d) const;  // hundredths of a second, 0 = none
  void SetTime(int d, int32_t t);
  int16_t Deduction(int d) const;  // whole points, or a negative status code
  void SetDeduction(int d, int16_t v);
  int16_t Heat(int d) const;
  void SetHeat(int d, int16_t v);
  int16_t Lane(int d) const;
  void SetLane(int d, int16_t v);
  int32_t Points(int d) const;  // hundredths, computed
  void SetPoints(int d, int32_t p);
  int16_t DisciplinePlace(int d) const;  // 0 = no place
  void SetDisciplinePlace(int d, int16_t v);
  uint16_t DisciplineRank(int d) const;
  void SetDisciplineRank(int d, uint16_t v);

  // --- CPR
  int32_t CprValue() const;  // hundredths of a point, or a status code * 100
  void SetCprValue(int32_t v);
  int16_t CprTime() const;  // HH*100+MM
  void SetCprTime(int16_t v);
  int16_t CprStation() const;
  void SetCprStation(int16_t v);
  int16_t CprHeat() const;
  void SetCprHeat(int16_t v);

  // --- overall result
  int32_t Total() const;  // hundredths of a point
  void SetTotal(int32_t v);
  uint16_t Place() const;
  void SetPlace(uint16_t v);

  // --- operations
  // Cell text of a column of the participant table (1..45); empty for others.
  std::string ColumnText(int16_t column) const;
  // With the first name "Vorname Name" (first name and blank cut to 21, the
  // whole to 255), read in the individual layout; without it `Name` alone,
  // read in the layout given (by default the team layout, whose capacity
  // covers both, so team names are never cut).
  std::string NameText(bool withFirstName) const { return NameText(withFirstName, withFirstName); }
  std::string NameText(bool withFirstName, bool individual) const;
  // The last two characters of `Geburtsdatum` as a number; 0 when none.
  int32_t ShortYear() const;
  bool IsFemale() const { return Flag(kWeiblich); }
  // False when a deduction is -2 or -3 or the CPR value is -200 or -300.
  bool IsComplete() const;
  // byTimes: all times 0; else all deductions -2 or -3. In both cases the
  // CPR value 0, -200 or -300 and the total 0.
  bool IsEmpty(bool byTimes) const;
  // Every deduction -3 ("n.a."), the CPR value -300.
  void SetAllNA();
  // Element d clears time d, 6+d deduction d, 12+d heat d, 18+d lane d
  // (d = 1..6); element 25 the CPR value.
  void ResetFields(const TYrSet& items);
  // Rank of each discipline's points among the six (1 = highest); equal
  // points all take the largest position of their group.
  void RankDisciplines();

  // Search options of `Matches`.
  static constexpr uint8_t kMatchWhole = 2;      // the whole field, not a part
  static constexpr uint8_t kMatchKeepCase = 4;   // no upper-casing of a..z
  static constexpr uint8_t kMatchFirstName = 8;  // Vorname and Name instead of Name and Zusatz
  // True when the pattern occurs in (or with kMatchWhole equals) `Gliederung`
  // or one of the two name fields the options choose.
  bool Matches(const std::string& pattern, uint8_t options) const;

 private:
  int32_t GetArrayI32(size_t off, int d) const;
  void PutArrayI32(size_t off, int d, int32_t v);
  uint16_t GetArrayU16(size_t off, int d) const;
  void PutArrayU16(size_t off, int d, uint16_t v);

  Bytes bytes_;
  uint8_t displayOption_ = 0;
};
