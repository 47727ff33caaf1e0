#include "VkPunkte.h"

#include <cmath>
#include <limits>

#include "CodePage.h"
#include "YrHooks.h"
#include "YrText.h"

bool TPunkteFormel::GetVariable(const std::string& name, long double& value) {
  int32_t v;
  if (name == "T") v = T;
  else if (name == "SP") v = SP;
  else if (name == "P") v = P;
  else if (name == "V1") v = V1;
  else if (name == "V2") v = V2;
  else if (name == "V3") v = V3;
  else if (name == "V4") v = V4;
  else if (name == "V5") v = V5;
  else return false;
  value = v;
  return true;
}

long double RoundHalfEven(long double v) {
  if (!std::isfinite(v)) return v;
  long double f = std::floor(v);
  long double rest = v - f;  // exact: f and v lie within one binade of each other
  if (rest > 0.5L) return f + 1;
  if (rest < 0.5L) return f;
  return std::fmod(f, 2.0L) == 0 ? f : f + 1;
}

namespace {

constexpr int64_t kMaxPoints = std::numeric_limits<int32_t>::max();

std::string SyntaxErrorText(uint8_t code) {
  switch (code) {
    case TYrFormel::ErrStackOverflow:
      return Oem("Stapelspeicherüberlauf im Formelparser.");
    case TYrFormel::ErrOperandExpected:
      return Oem("Ausdruck erwartet.");
    case TYrFormel::ErrOperatorExpected:
      return Oem("Opeartor erwartet.");
    case TYrFormel::ErrLParenExpected:
      return Oem("Öffnende Klammer erwartet.");
    case TYrFormel::ErrOperatorOrRParenExpected:
      return Oem("Operator oder schließende Klammer erwartet.");
    default:
      return std::string();
  }
}

void ReportSyntaxError(TYrFormel& f, uint8_t code) {
  std::string msg = SyntaxErrorText(code);
  msg += '\r';
  msg += "Position: ";
  msg += IntToStr(f.ErrorPosition());
  msg += '\r';
  msg += f.GetFormula();
  if (msg.size() > 255) msg.resize(255);
  if (ErrorMsgProc) ErrorMsgProc(msg);
}

int64_t UserFormulaPoints(int32_t time, int16_t deduction, int16_t place, const TDisziplin& d) {
  TPunkteFormel f;
  f.T = time;
  f.SP = deduction;
  f.P = place;
  f.V1 = d.V(1);
  f.V2 = d.V(2);
  f.V3 = d.V(3);
  f.V4 = d.V(4);
  f.V5 = d.V(5);
  f.SetFormula(d.Formula());
  f.SetErrorProc(ReportSyntaxError);
  f.Parse();
  // Result is finite (0 after any failure); anything beyond 32 bits is held
  // at the limit before it is converted, so the conversion cannot overflow.
  long double r = std::trunc(f.Result());
  if (r <= 0) return 0;
  if (r >= static_cast<long double>(kMaxPoints)) return kMaxPoints;
  return static_cast<int64_t>(r);
}

// v is kept as a double, as the points of every stored competition were; the
// product with 100 is exact in extended precision, so only the rounding
// decides.
int64_t RoundedHundredths(double v) {
  return static_cast<int64_t>(RoundHalfEven(static_cast<long double>(v) * 100));
}

int64_t QuadraticLinearPoints(int32_t time, int16_t deduction, int32_t v1) {
  double v = 0;
  if (time < 2 * int64_t{v1}) {
    long double x = static_cast<long double>(time) / v1;
    v = static_cast<double>(467.0L * (x * x) - 2001.0L * x + 2534.0L);
  } else if (time < 5 * int64_t{v1}) {
    long double x = static_cast<long double>(time) / v1;
    v = static_cast<double>(2000.0L / 3.0L - (400.0L / 3.0L) * x);
  }
  return RoundedHundredths(v) - 100 * int64_t{deduction};
}

int64_t LinearPoints(int32_t time, int16_t deduction, int32_t v1, int32_t v2) {
  int64_t t = time;
  int64_t step = v2 / 10;
  if (step != 0) t -= t % step;
  return v1 - 10 * t - 100 * int64_t{deduction};
}

int64_t PerPlacePoints(int16_t deduction, int16_t place, int32_t v1) {
  return v1 - 100 * (int64_t{place} - 1) - deduction;
}

int64_t CupPoints(int32_t time, int16_t deduction, int32_t v1) {
  double v = 0;
  if (time < 2 * int64_t{v1}) {
    long double x = static_cast<long double>(time) / v1;
    v = static_cast<double>((1672.0L / 3.0L) * (x * x) - 2472.0L * x + 8744.0L / 3.0L);
  } else if (static_cast<long double>(time) < 2.5L * v1) {
    long double x = static_cast<long double>(time) / v1;
    v = static_cast<double>(680.0L - 240.0L * x);
  } else if (time < 3 * int64_t{v1}) {
    long double x = static_cast<long double>(time) / v1;
    v = static_cast<double>(480.0L - 160.0L * x);
  }
  return RoundedHundredths(v) - 100 * int64_t{deduction};
}

}  // namespace

int32_t CalcPoints(int32_t time, int16_t deduction, int16_t place, const TDisziplin& d) {
  // A negative time exists only in a damaged record; without this it would
  // pass the first comparison of kinds 1 and 4 and score far above 1000.
  if (time <= 0) return 0;

  int64_t points = 0;
  switch (d.Kind()) {
    case kKindUserFormula:
      points = UserFormulaPoints(time, deduction, place, d);
      break;
    case kKindQuadraticLinear:
      points = QuadraticLinearPoints(time, deduction, d.V(1));
      break;
    case kKindLinear:
      points = LinearPoints(time, deduction, d.V(1), d.V(2));
      break;
    case kKindPerPlace:
      points = PerPlacePoints(deduction, place, d.V(1));
      break;
    case kKindCup:
      points = CupPoints(time, deduction, d.V(1));
      break;
    default:
      break;
  }
  if (points < 0 || deduction < 0) return 0;
  if (points > kMaxPoints) return static_cast<int32_t>(kMaxPoints);
  return static_cast<int32_t>(points);
}
