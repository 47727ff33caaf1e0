// A sorted list of participants whose order is chosen by a sort mode and,
// for the per-discipline modes, a discipline number: the temporary ranking
// list of one discipline and the competition's selection list for the heat
// list, the CPR start lists and the CPR timetable.
//
// Ownership: by default the list owns its participants (they must come from
// `new`) and disposes those still held when it is destroyed. Constructed with
// `owning = false` it only refers to participants owned elsewhere (an age
// class): `FreeItem`, `AtFree`, `Free` and `FreeAll` then only remove, and the
// destructor empties the list with `DeleteAll`, so nothing is disposed. The
// ownership is fixed for the list's whole life.
//
// Order: every mode compares one 64-bit key per participant (so products
// such as heat * 10 never overflow); equal keys fall through to the name
// rule. `Duplicates` is true, so equal participants are all kept; their order
// among themselves is not defined. After changing the mode or the discipline
// number the caller re-sorts with `Sort`.
#pragma once

#include <cstdint>

#include "VkTeiln.h"
#include "YrCollection.h"

class TTeilnehmerListe : public TYrSortedCollection {
 public:
  // Sort modes (keys; ties by name).
  static constexpr uint8_t kByTotal = 0;           // total, descending
  static constexpr uint8_t kByName = 1;            // name only
  static constexpr uint8_t kByHeatLane = 2;        // heat * 10 + lane of the discipline, ascending
  static constexpr uint8_t kByPoints = 3;          // points of the discipline, descending
  static constexpr uint8_t kByTotal4 = 4;          // total, descending
  static constexpr uint8_t kByTotal5 = 5;          // total, descending
  static constexpr uint8_t kByCprSlot = 6;         // CPR time * 10 + CPR station, ascending
  static constexpr uint8_t kByName7 = 7;           // name only
  static constexpr uint8_t kByPointsWithCpr = 8;   // points of the discipline, 0 without a passed CPR
  static constexpr uint8_t kLastSortMode = 8;

  // Init: empty, limit 15, delta 5, Duplicates true, sort mode 0,
  // discipline 1.
  explicit TTeilnehmerListe(bool owning = true);
  ~TTeilnehmerListe() override;

  // A mode above 8 compares by name only.
  void SetSortMode(uint8_t mode) { sortMode_ = mode; }
  // Read by modes 2, 3 and 8; a number outside 1..6 gives every participant
  // the key 0 there.
  void SetDiscipline(int16_t d) { discipline_ = d; }

  using TYrCollection::At;
  TTeilnehmer* At(int index) const { return TYrCollection::At<TTeilnehmer>(index); }

  int Compare(const TYrObject* key1, const TYrObject* key2) const override;
  void FreeItem(TYrObject* item) override;

  // The name rule: the two `Name` fields as unsigned DOS-code-page bytes, a
  // prefix before the longer text; first names are never looked at. Names
  // are read in the team layout (capacity 30), which covers the individual
  // one (capacity 20) and stays inside the record.
  static int CompareNames(const TTeilnehmer& a, const TTeilnehmer& b);

 private:
  int64_t Key(const TTeilnehmer& t, bool& descending) const;

  bool owning_;
  uint8_t sortMode_ = kByTotal;
  int16_t discipline_ = 1;
};
