// Points from one discipline result: time, deduction or status code and place
// become points in hundredths by the discipline's formula kind.
//
// The age-class evaluation calls CalcPoints for every participant and
// discipline after each change, and the report lines call it for display, so
// it caches nothing and changes nothing; its only side effect is the report
// of a syntax error in a user formula (kind 0) through ErrorMsgProc, once for
// every result computed with that formula. The constants, the order of
// integer and floating-point comparisons and the rounding are part of the
// scoring: results already printed and stored must come out the same.
//
// Input values from damaged files cannot make it misbehave: a negative time
// counts as no time, and every sum is formed in 64 bits and the result kept
// within 0 .. 2^31-1, because the callers add points into 32-bit totals.
#pragma once

#include <cstdint>
#include <string>

#include "VkDisz.h"
#include "YrFormel.h"

// The interpreter for kind 0: offers the result and the discipline's
// parameters as the variables T, SP, P and V1..V5 (upper case, exact names).
// Any other name is unknown to the formula.
class TPunkteFormel : public TYrFormel {
 public:
  int32_t T = 0;   // time in hundredths of a second
  int32_t SP = 0;  // deduction as stored (negative values are status codes)
  int32_t P = 0;   // place in the discipline
  int32_t V1 = 0;
  int32_t V2 = 0;
  int32_t V3 = 0;
  int32_t V4 = 0;
  int32_t V5 = 0;

 protected:
  bool GetVariable(const std::string& name, long double& value) override;
};

// Points in hundredths (never negative) for one result.
//   time       hundredths of a second; 0 (or, in a damaged record, below 0)
//              is no time and gives 0 without evaluating anything
//   deduction  whole points to subtract; a negative value is a status code
//              and gives 0
//   place      place in the discipline, 1 = first, 0 = none (kind 3 only)
int32_t CalcPoints(int32_t time, int16_t deduction, int16_t place, const TDisziplin& d);

// The nearest integer, a half going to the even neighbour (0.5 -> 0,
// 1.5 -> 2, 2.5 -> 2, -0.5 -> -0), whatever the floating-point environment's
// rounding mode. Infinities and NaN come back unchanged.
long double RoundHalfEven(long double v);
