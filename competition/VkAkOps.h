// The operations that change all participants of one age class at once:
// the qualification cut with start rights, heats and lanes of a discipline,
// the CPR timetable, the reset of chosen result fields and the striking of
// absent participants. They are members of `TAltersklasse` (declared in
// VkAltersk.h); this unit adds the two parameter records the competition
// hands from class to class and the centre-out lane order.
//
// The parameter records belong to the caller, who passes the same record to
// every age class in turn so that heat numbers, lanes, clock times and CPR
// stations continue through the whole competition. Values a caller may get
// wrong (lanes or stations below 1, a start position or station outside the
// heat, a clock past 24:00, a pass of two hours or more) are brought into
// range rather than trusted; heat numbers stop at 32767 instead of wrapping.
#pragma once

#include <array>
#include <cstdint>

#include "OptionBits.h"
#include "VkAltersk.h"

// Heat assignment, eight 16-bit words in this order.
struct TLaufParameter {
  int16_t discipline = 1;    // 1..6
  int16_t nextHeat = 1;      // heat the class starts with; on return the next class's
  int16_t nextPosition = 1;  // position in that heat (1 = the centre lane)
  int16_t lanes = 6;         // lanes per heat
  int16_t spare5 = 0;        // not read by the assignment
  int16_t spare6 = 0;        // cleared by the competition before each pass
  int16_t spare7 = 0;        // cleared by the competition before each pass
  int16_t options = 0;

  // Option bits (the check boxes of the heat dialog).
  static constexpr int16_t kMix = 1;          // two classes mixed (m/f); not read here
  static constexpr int16_t kSwapLanes = 2;    // heats and lanes of disciplines 2..6 cleared
  static constexpr int16_t kAlphabetical = 4; // heats filled in name order
  static constexpr int16_t kReverse = 8;      // best participants in the first heat
  static constexpr int16_t kNumberOnward = 16;// every discipline gets heats of its own
  // The options in the order the heat dialog shows their boxes.
  static constexpr TOptionBit kOptions[] = {
      {kMix, "je zwei Altersklassen ggf. &mischen (m/w)"},
      {kSwapLanes, "Bahnen in den Wettkämpfen &tauschen"},
      {kAlphabetical, "&zufällige Laufbesetzung (alphabetisch)"},
      {kReverse, "&umgekehrte Reihenfolge der Läufe"},
      {kNumberOnward, "Läufe für die Wettkämpfe &fortlaufend nummerieren"},
  };
};

// CPR timetable, six 16-bit words in this order.
struct THLWParameter {
  int16_t stations = 4;     // number of CPR stations
  int16_t clock = 800;      // HH*100+MM of the next pass
  int16_t nextStation = 1;  // station of the next measure
  int16_t duration = 15;    // minutes per pass
  int16_t measures = 1;     // consecutive stations per participant
  int16_t nextHeat = 1;     // next CPR heat number
};

// kCentreOutLanes[n-1][k-1]: the lane of the k-th position in a heat of n
// lanes. The best swimmers get the middle lanes, the rest alternate outward.
inline constexpr std::array<std::array<int8_t, 10>, 10> kCentreOutLanes = {{
    {1},
    {1, 2},
    {2, 1, 3},
    {2, 3, 1, 4},
    {3, 2, 4, 1, 5},
    {3, 4, 2, 5, 1, 6},
    {4, 3, 5, 2, 6, 1, 7},
    {4, 5, 3, 6, 2, 7, 1, 8},
    {5, 4, 6, 3, 7, 2, 8, 1, 9},
    {5, 6, 4, 7, 3, 8, 2, 9, 1, 10},
}};

// The lane of `position` (1..lanes) in a heat of `lanes` lanes; beyond ten
// lanes the lane is the position. Out-of-range arguments are taken as 1.
int16_t CentreOutLane(int lanes, int position);

// Gives the participants of the collection, in its order, consecutive CPR
// slots from the clock, station and heat number the parameters hold, which
// then carry on. Out-of-range parameters are brought into range first; each
// crossing of midnight is reported.
void AssignCprSlots(const TYrCollection& participants, THLWParameter& q);
