// Disciplines: the rule books' short templates, the 442-byte discipline record
// that every age class stores six times in the result file, the formula kinds
// by which times become points, and the rule codes that name a rule year.
//
// `TDisziplin` owns its 442 stored bytes and nothing else; it keeps the whole
// image, bytes behind the text lengths included, so a record loaded from a
// file is stored back byte for byte. Every accessor reads or writes its field
// at the record's offset; a stored length byte larger than its field reads as
// the field's capacity, so a damaged file never makes a text reach into the
// next field. Texts are DOS code page bytes. The computation of points from a
// discipline lives in VkPunkte.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

inline constexpr size_t kDisziplinSize = 442;

// Formula kinds; the numbers are stored in the record.
inline constexpr uint16_t kKindUserFormula = 0;      // the discipline's own formula text
inline constexpr uint16_t kKindQuadraticLinear = 1;  // V1 reference time
inline constexpr uint16_t kKindLinear = 2;           // V1 points at time 0, V2 time step x 10
inline constexpr uint16_t kKindPerPlace = 3;         // V1 points for first place
inline constexpr uint16_t kKindCup = 4;              // V1 reference time

// A rule book's template of a discipline (constant tables, never stored).
// Name holds up to 55 characters in the DOS code page; BuildDisziplin takes no
// more than that.
struct TDisziplinVorlage {
  static constexpr size_t kNameCapacity = 55;

  std::string Name;
  uint16_t Kind = 0;
  int32_t V1 = 0;
  int32_t V2 = 0;
  int32_t V3 = 0;
  int32_t V4 = 0;
  int32_t V5 = 0;
};

class TDisziplin {
 public:
  // Offsets and capacities of the stored record.
  static constexpr size_t kOffName = 0;           // string[80]
  static constexpr size_t kOffKind = 81;          // u16
  static constexpr size_t kOffV1 = 83;            // i32 x 5 (V1..V5)
  static constexpr size_t kOffFormula = 103;      // string[255]
  static constexpr size_t kOffRuleCode = 359;     // u16
  static constexpr size_t kOffDescription = 361;  // string[80]
  static constexpr size_t kNameCapacity = 80;
  static constexpr size_t kFormulaCapacity = 255;
  static constexpr size_t kDescriptionCapacity = 80;

  // Every byte zero: empty texts, kind 0, parameters 0, rule code 0 (the empty
  // discipline that fills unused slots of an age class).
  TDisziplin() { bytes_.fill(0); }

  // The stored image, exactly kDisziplinSize bytes; the caller guarantees the
  // buffer holds that many.
  void Load(const uint8_t* src);
  void Store(uint8_t* dst) const;
  const std::array<uint8_t, kDisziplinSize>& Bytes() const { return bytes_; }

  std::string Name() const;
  // Cut to 80; the bytes behind the new length keep what they held.
  void SetName(std::string_view s);

  uint16_t Kind() const;
  void SetKind(uint16_t kind);

  // Parameters V1..V5 by number i = 1..5. Any other number reads 0 and is not
  // written: it names no field of the record.
  int32_t V(int i) const;
  void SetV(int i, int32_t v);

  // The user formula for kind 0, otherwise the kind's name; cut to 255.
  std::string Formula() const;
  void SetFormula(std::string_view s);

  uint16_t RuleCode() const;
  void SetRuleCode(uint16_t code);

  std::string Description() const;
  void SetDescription(std::string_view s);

 private:
  std::array<uint8_t, kDisziplinSize> bytes_;
};

// The rule year of a rule code (2/3 1988, 4/5 1992, 6/7 1995, 8/9 1999,
// 10/11 2007, 12 2006), 0 for any other code. An odd code marks the
// championship variant of its rule book.
uint16_t RuleSetYear(uint16_t ruleCode);

// The name of a formula kind as the discipline dialog lists it and as
// BuildDisziplin writes it into the formula field; unknown kinds share one name.
std::string FormulaKindName(uint16_t kind);

// Fills name, kind, V1..V5, formula (the kind's name, also for kind 0),
// rule code and description ("[Meisterschaftsdisziplin ]Regelwerk <year>")
// of d from the template. Every other byte of d keeps what it held, so callers
// start from an empty record.
void BuildDisziplin(TDisziplin& d, const TDisziplinVorlage& v, uint16_t ruleCode);

// -1, 0 or 1: the higher kind first, then the names as unsigned DOS bytes in
// descending order (a longer name before its own prefix). Letter case counts.
int CompareDisziplin(const TDisziplin& a, const TDisziplin& b);

// Same kind and same name: the test by which the age classes decide whether
// two discipline slots hold the same discipline.
bool SameDisziplin(const TDisziplin& a, const TDisziplin& b);
