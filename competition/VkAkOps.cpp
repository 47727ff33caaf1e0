#include "VkAkOps.h"

#include <algorithm>
#include <string>

#include "CodePage.h"
#include "VkBasis.h"
#include "YrHooks.h"

namespace {

// Heat numbers live in 16-bit fields; a long competition stops at the
// largest one instead of wrapping to negative numbers.
int16_t Saturate(int v) { return static_cast<int16_t>(std::clamp(v, 0, 32767)); }

void Report(const std::string& msg) {
  if (ErrorMsgProc) ErrorMsgProc(msg);
}

// Sets the ordering flags for one operation and puts the class's own flags
// back when the operation ends.
class TFlagScope {
 public:
  TFlagScope(TAltersklasse& ak, uint16_t set, uint16_t clear) : ak_(ak), saved_(ak.Flags()) {
    ak_.SetFlags(static_cast<uint16_t>((saved_ | set) & ~clear));
    ak_.Sort();
  }
  ~TFlagScope() { ak_.SetFlags(saved_); }
  TFlagScope(const TFlagScope&) = delete;
  TFlagScope& operator=(const TFlagScope&) = delete;

 private:
  TAltersklasse& ak_;
  uint16_t saved_;
};

constexpr int kMinutesPerDay = 24 * 60;

}  // namespace

int16_t CentreOutLane(int lanes, int position) {
  if (lanes < 1) lanes = 1;
  if (position < 1 || position > lanes) position = 1;
  if (lanes > static_cast<int>(kCentreOutLanes.size())) return static_cast<int16_t>(position);
  return kCentreOutLanes[lanes - 1][position - 1];
}

void TAltersklasse::Qualify(int n, int mode) {
  // A negative count admits nobody; it must not index before the first item.
  const int requested = std::max(n, 0);
  const int count = GetCount();
  n = std::min(requested, count);
  {
    TFlagScope scope(*this, kQualifiedFirst, kAlphabetical);

    // Directly qualified participants are sorted to the front; only those
    // beyond the cut widen it.
    for (int i = n, end = count; i < end; ++i)
      if (At(i)->Flag(TTeilnehmer::kDirektQualifiziert)) ++n;

    // Ties at the cut qualify too.
    if (n >= 1) {
      const TTeilnehmer& ref = *At(n - 1);
      const bool refQualified = ref.Flag(TTeilnehmer::kDirektQualifiziert);
      for (int i = n, end = count; i < end; ++i) {
        const TTeilnehmer& t = *At(i);
        if (t.Total() > 0 && t.Total() == ref.Total() && t.Flag(TTeilnehmer::kDirektQualifiziert) == refQualified)
          ++n;
      }
    }

    if (n > requested)
      Report(Oem("Überhang (durch TN mit gleicher Punktzahl oder mit der Eig. qualifiziert) in der Altersklasse ") +
             Name() + ".");

    if (mode == 0 || mode == 1)
      for (int i = 0; i < count; ++i) At(i)->SetFlag(TTeilnehmer::kStartberechtigt, i < n && At(i)->Total() >= 1);

    if (mode == 0 || mode == 2)
      for (int i = GetCount() - 1; i >= 0; --i)
        if (!At(i)->Flag(TTeilnehmer::kStartberechtigt)) AtFree(i);
  }
  Evaluate();
}

void TAltersklasse::AssignHeats(TLaufParameter& p) {
  const int lanes = std::max<int>(p.lanes, 1);
  int position = p.nextPosition;
  if (position < 1 || position > lanes) position = 1;
  // Heat 0 means "no heat" in a participant's record.
  const int first = std::max<int>(p.nextHeat, 1);

  // Every participant occupies a slot in this count, also one that will not
  // swim the discipline, so the heat range is fixed before the filling.
  const int slots = GetCount() + position - 1;
  const int last = first + (slots + lanes - 1) / lanes - 1;
  const bool upward = (p.options & TLaufParameter::kReverse) != 0;
  int heat = upward ? first : last;

  auto assign = [&](int d) {
    for (int i = 0; i < GetCount(); ++i) {
      TTeilnehmer& t = *At(i);
      if (t.Deduction(d) == Status::kNotChosen) {
        t.SetHeat(d, 0);
        t.SetLane(d, 0);
        continue;
      }
      t.SetHeat(d, Saturate(heat));
      t.SetLane(d, CentreOutLane(lanes, position));
      if (++position > lanes) {
        position = 1;
        heat += upward ? 1 : -1;
      }
    }
  };
  auto clearLater = [&] {
    for (int i = 0; i < GetCount(); ++i)
      for (int d = 2; d <= kMaxDisciplines; ++d) {
        At(i)->SetHeat(d, 0);
        At(i)->SetLane(d, 0);
      }
  };

  {
    const bool alphabetical = (p.options & TLaufParameter::kAlphabetical) != 0;
    TFlagScope scope(*this, alphabetical ? kAlphabetical : 0,
                     static_cast<uint16_t>(kQualifiedFirst | (alphabetical ? 0 : kAlphabetical)));
    const int d = p.discipline;
    if (d == 1) {
      assign(1);
      clearLater();
    } else if (d >= 2 && d <= kMaxDisciplines && d <= DisciplineCount()) {
      if (p.options & TLaufParameter::kNumberOnward) assign(d);
      if (p.options & TLaufParameter::kSwapLanes) clearLater();
    }
  }
  Sort();

  // The next class always opens a new heat.
  p.nextHeat = Saturate(last + 1);
  p.nextPosition = 1;
}

void AssignCprSlots(const TYrCollection& participants, THLWParameter& q) {
  const int stations = std::max<int>(q.stations, 1);
  int station = q.nextStation;
  if (station < 1 || station > stations) station = 1;
  const int duration = std::max<int>(q.duration, 0);
  int heat = std::max<int>(q.nextHeat, 1);

  // The dialog's clock field accepts any digits: a start at 24:30 or with
  // 75 minutes is read as the time of day it stands for.
  const int hhmm = q.clock;
  int minutes = (hhmm / 100) * 60 + hhmm % 100;
  minutes = ((minutes % kMinutesPerDay) + kMinutesPerDay) % kMinutesPerDay;
  int hour = minutes / 60;
  int minute = minutes % 60;

  for (int i = 0; i < participants.GetCount(); ++i) {
    TTeilnehmer& t = *participants.At<TTeilnehmer>(i);
    t.SetCprTime(static_cast<int16_t>(hour * 100 + minute));
    t.SetCprStation(static_cast<int16_t>(station));
    t.SetCprHeat(Saturate(heat));
    for (int m = 0; m < q.measures; ++m) {
      heat = std::min(heat + 1, 32767);
      if (++station <= stations) continue;
      station = 1;
      minute += duration;
      hour += minute / 60;
      minute %= 60;
      // A pass may be long enough to cross midnight more than once.
      while (hour >= 24) {
        Report(Oem("HLW dauert bis über Mitternacht hinaus!"));
        hour -= 24;
      }
    }
  }

  q.clock = static_cast<int16_t>(hour * 100 + minute);
  q.nextStation = static_cast<int16_t>(station);
  q.nextHeat = Saturate(heat);
}

void TAltersklasse::AssignCprHeats(THLWParameter& q) {
  if (HasCpr()) AssignCprSlots(*this, q);
}

void TAltersklasse::ResetResults(const TYrSet& items) {
  for (int i = 0; i < GetCount(); ++i) At(i)->ResetFields(items);
  Evaluate();
}

void TAltersklasse::Strike(int mode) {
  for (int i = GetCount() - 1; i >= 0; --i) {
    TTeilnehmer& t = *At(i);
    switch (mode) {
      case 0:
        if (t.IsEmpty(true)) t.SetAllNA();
        break;
      case 1:
        if (t.IsEmpty(true)) AtFree(i);
        break;
      case 2:
        if (t.IsEmpty(false)) AtFree(i);
        break;
      default:
        break;
    }
  }
  Rank();
}
