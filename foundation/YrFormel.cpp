#include "YrFormel.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>
#include <utility>

// Stored formulas were evaluated with the x87 extended format; the range
// limits below and the rounding of results depend on it.
static_assert(std::numeric_limits<long double>::digits == 64, "80-bit extended long double required");
static_assert(std::numeric_limits<long double>::max_exponent10 == 4932);

namespace {

// Tried in this order, each by prefix: "SQRT" must come before "SQR".
constexpr const char* kFunctionNames[] = {"ABS", "ATAN", "COS",   "EXP", "LN",   "NEG",
                                          "POS", "ROUND", "SIN", "SQRT", "SQR", "TRUNC"};
enum Func : uint8_t { fAbs, fAtan, fCos, fExp, fLn, fNeg, fPos, fRound, fSin, fSqrt, fSqr, fTrunc };
constexpr int kFunctionCount = sizeof(kFunctionNames) / sizeof(kFunctionNames[0]);

// ---- Parser tables ---------------------------------------------------------
//
// Grammar (the numbers are the reductions; 11 and 13 do not exist):
//   1 E -> E + T    2 E -> E - T    3 E -> T
//   4 T -> T * F    5 T -> T / F    6 T -> F
//   7 F -> P ^ F    8 F -> P
//   9 P -> - X     10 P -> X
//  12 X -> Q
//  14 Q -> ( E )   15 Q -> operand 16 Q -> function ( E )

enum Op : uint8_t { opError, opShift, opReduce, opAccept, opStop };
struct Action {
  Op op = opStop;  // states that the goto table never produces stay here
  uint8_t n = 0;   // error code, state to shift to, or production
};

constexpr int kStates = 30;
constexpr int kKinds = 12;
enum Lhs : uint8_t { lhsE, lhsT, lhsF, lhsP, lhsX, lhsQ, kLhsCount };

constexpr int K(TFormelKind k) { return static_cast<int>(k); }

struct Tables {
  Action action[kStates][kKinds];
  uint8_t next[kStates][kLhsCount];  // goto
};

constexpr Tables MakeTables() {
  Tables t{};
  using TK = TFormelKind;
  auto all = [&t](int s, Action a) {
    for (int k = 0; k < kKinds; ++k) t.action[s][k] = a;
  };
  auto on = [&t](int s, TK k, Action a) { t.action[s][K(k)] = a; };
  const Action err3{opError, 3}, err4{opError, 4}, err5{opError, 5}, err6{opError, 6};
  auto shift = [](int s) { return Action{opShift, static_cast<uint8_t>(s)}; };
  auto reduce = [](int p) { return Action{opReduce, static_cast<uint8_t>(p)}; };

  // Where an operand is expected.
  for (int s : {0, 9, 12, 13, 14, 15, 16, 20}) {
    all(s, err3);
    on(s, TK::Operand, shift(10));
    on(s, TK::Function, shift(11));
    on(s, TK::Minus, shift(5));
    on(s, TK::LParen, shift(9));
    on(s, TK::Bang, Action{opStop, 0});
  }
  all(1, err4);
  on(1, TK::End, Action{opAccept, 0});
  on(1, TK::Plus, shift(12));
  on(1, TK::Minus, shift(13));
  all(2, reduce(3));
  on(2, TK::Times, shift(14));
  on(2, TK::Divide, shift(15));
  all(3, reduce(6));
  all(4, reduce(8));
  on(4, TK::Power, shift(16));
  // After a unary minus: no second minus, and "!" is just unexpected.
  all(5, err3);
  on(5, TK::Operand, shift(10));
  on(5, TK::Function, shift(11));
  on(5, TK::LParen, shift(9));
  all(6, reduce(10));
  all(8, reduce(12));
  all(10, reduce(15));
  all(11, err5);
  on(11, TK::LParen, shift(20));
  all(17, reduce(9));
  for (auto [s, close] : {std::pair{19, 27}, std::pair{28, 29}}) {
    all(s, err6);
    on(s, TK::Plus, shift(12));
    on(s, TK::Minus, shift(13));
    on(s, TK::RParen, shift(close));
  }
  for (auto [s, p] : {std::pair{21, 1}, std::pair{22, 2}}) {
    all(s, reduce(p));
    on(s, TK::Times, shift(14));
    on(s, TK::Divide, shift(15));
  }
  all(23, reduce(4));
  all(24, reduce(5));
  all(25, reduce(7));
  all(27, reduce(14));
  all(29, reduce(16));

  t.next[0][lhsE] = 1;
  t.next[9][lhsE] = 19;
  t.next[20][lhsE] = 28;
  for (int s : {0, 9, 20}) t.next[s][lhsT] = 2;
  t.next[12][lhsT] = 21;
  t.next[13][lhsT] = 22;
  for (int s : {0, 9, 12, 13, 20}) t.next[s][lhsF] = 3;
  t.next[14][lhsF] = 23;
  t.next[15][lhsF] = 24;
  t.next[16][lhsF] = 25;
  for (int s : {0, 9, 12, 13, 14, 15, 16, 20}) {
    t.next[s][lhsP] = 4;
    t.next[s][lhsX] = 6;
  }
  t.next[5][lhsX] = 17;
  for (int s : {0, 5, 9, 12, 13, 14, 15, 16, 20}) t.next[s][lhsQ] = 8;
  return t;
}

constexpr Tables kTables = MakeTables();

struct Production {
  uint8_t length;
  Lhs lhs;
};

constexpr Production ProductionOf(uint8_t p) {
  switch (p) {
    case 1: case 2: return {3, lhsE};
    case 3: return {1, lhsE};
    case 4: case 5: return {3, lhsT};
    case 6: return {1, lhsT};
    case 7: return {3, lhsF};
    case 8: return {1, lhsF};
    case 9: return {2, lhsP};
    case 10: return {1, lhsP};
    case 12: return {1, lhsX};
    case 14: return {3, lhsQ};
    case 15: return {1, lhsQ};
    case 16: return {4, lhsQ};
    default: return {0, lhsE};
  }
}

// ---- Reading ---------------------------------------------------------------

// Only a..z: the formula is DOS code page text and umlauts stay as they are
// (they are bad tokens anyway).
std::string UpperAscii(const std::string& s) {
  std::string r = s;
  for (char& c : r)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return r;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return c >= 'A' && c <= 'Z'; }

// The decimal exponent of the leading significant digit of a number text of
// the form digits [. digits] [E [sign] digits]. Only used to tell underflow
// from overflow, where the two lie thousands of decades apart.
long DecimalMagnitude(const std::string& text) {
  const size_t e = std::min(text.find('E'), text.size());
  const std::string mantissa = text.substr(0, e);
  const size_t point = std::min(mantissa.find('.'), mantissa.size());
  long magnitude = 0;
  const size_t first = mantissa.find_first_of("123456789");
  if (first != std::string::npos)
    magnitude = first < point ? static_cast<long>(point - first) - 1 : -static_cast<long>(first - point);
  long exponent = 0;
  size_t j = e + 1;
  bool negative = false;
  if (j < text.size() && (text[j] == '+' || text[j] == '-')) negative = text[j++] == '-';
  for (; j < text.size(); ++j) exponent = exponent * 10 + (text[j] - '0');
  return magnitude + (negative ? -exponent : exponent);
}

// Converts a complete number text with a point as decimal separator. The
// whole text must be used ("2E" and "1E+" fail). A value too small for the
// format becomes 0; one too large fails.
bool ConvertNumber(const std::string& text, long double& value) {
  const char* first = text.data();
  const char* last = first + text.size();
  long double v = 0;
  auto [ptr, ec] = std::from_chars(first, last, v, std::chars_format::general);
  if (ptr != last) return false;
  if (ec == std::errc::result_out_of_range) {
    if (DecimalMagnitude(text) >= 0) return false;
    v = 0;
  } else if (ec != std::errc()) {
    return false;
  }
  if (!std::isfinite(v)) return false;
  value = v;
  return true;
}

}  // namespace

TYrFormel::TYrFormel() = default;
TYrFormel::~TYrFormel() = default;

void TYrFormel::SetFormula(const std::string& s) {
  formula_ = UpperAscii(s.size() > MaxFormulaLen ? s.substr(0, MaxFormulaLen) : s);
  position_ = 1;
  mathError_ = false;
}

void TYrFormel::SetErrorProc(TErrorProc proc) { errorProc_ = std::move(proc); }

bool TYrFormel::GetVariable(const std::string&, long double&) { return false; }

TFormelKind TYrFormel::NextToken() {
  const size_t len = formula_.size();
  // position_ is 1-based; at(p) is the character at 1-based p.
  auto at = [this](size_t p) { return formula_[p - 1]; };
  while (position_ <= len && at(position_) == ' ') ++position_;
  token_.Value = 0;
  tokenLen_ = 0;
  if (position_ > len) return tokenKind_ = TFormelKind::End;

  const char c = at(position_);
  if (c == '!') return tokenKind_ = TFormelKind::Bang;
  if (IsDigit(c) || c == '.') return tokenKind_ = ReadNumber();
  if (IsLetter(c)) {
    for (int f = 0; f < kFunctionCount; ++f) {
      const std::string_view name = kFunctionNames[f];
      if (formula_.compare(position_ - 1, name.size(), name) == 0) {
        token_.Func = static_cast<uint8_t>(f);
        position_ = static_cast<uint16_t>(position_ + name.size());
        tokenLen_ = static_cast<uint16_t>(name.size());
        return tokenKind_ = TFormelKind::Function;
      }
    }
    const size_t start = position_;
    while (position_ <= len && (IsLetter(at(position_)) || IsDigit(at(position_)) || at(position_) == '_'))
      ++position_;
    const std::string name = formula_.substr(start - 1, position_ - start);
    long double value = 0;
    if (GetVariable(name, value)) {
      token_.Value = value;
      tokenLen_ = static_cast<uint16_t>(name.size());
      return tokenKind_ = TFormelKind::Operand;
    }
    return tokenKind_ = TFormelKind::Bad;
  }
  TFormelKind kind;
  switch (c) {
    case '+': kind = TFormelKind::Plus; break;
    case '-': kind = TFormelKind::Minus; break;
    case '*': kind = TFormelKind::Times; break;
    case '/': kind = TFormelKind::Divide; break;
    case '^': kind = TFormelKind::Power; break;
    case '(': kind = TFormelKind::LParen; break;
    case ')': kind = TFormelKind::RParen; break;
    default: return tokenKind_ = TFormelKind::Bad;  // the error then points at it
  }
  ++position_;
  tokenLen_ = 1;
  return tokenKind_ = kind;
}

TFormelKind TYrFormel::ReadNumber() {
  const size_t start = position_;
  const size_t len = formula_.size();
  std::string text;
  // Reading goes on right after what was collected, so a text cut at 80
  // characters simply stops there and the rest is read as the next token.
  auto next = [&]() -> int {
    size_t p = start + text.size();
    return p <= len ? static_cast<unsigned char>(formula_[p - 1]) : -1;
  };
  auto append = [&](char ch) {
    if (text.size() < MaxNumberLen) text += ch;
  };
  bool point = false;
  while (text.size() < MaxNumberLen) {
    const int ch = next();
    if (ch >= '0' && ch <= '9') {
      append(static_cast<char>(ch));
    } else if (ch == '.' && !point) {
      point = true;
      append('.');
    } else {
      break;
    }
  }
  if (text == ".") return TFormelKind::Bad;
  if (text.size() < MaxNumberLen && next() == 'E') {
    append('E');
    const int sign = next();
    if (text.size() < MaxNumberLen && (sign == '+' || sign == '-')) append(static_cast<char>(sign));
    for (int i = 0; i < 4 && text.size() < MaxNumberLen && IsDigit(static_cast<char>(next())); ++i)
      append(static_cast<char>(next()));
  }
  position_ = static_cast<uint16_t>(position_ + text.size());
  tokenLen_ = static_cast<uint16_t>(text.size());
  if (text[0] == '.') text.insert(0, 1, '0');
  long double value = 0;
  if (ConvertNumber(text, value))
    token_.Value = value;
  else
    mathError_ = true;
  return TFormelKind::Operand;
}

// ---- Parsing and evaluation ---------------------------------------------------

long double TYrFormel::Checked(long double v) {
  if (std::isfinite(v)) return v;
  mathError_ = true;
  return 0;
}

bool TYrFormel::Push(const TTokenRec& rec) {
  if (top_ >= StackSize) {
    errorCode_ = ErrStackOverflow;
    return false;
  }
  stack_[top_++] = rec;
  return true;
}

void TYrFormel::Shift(uint8_t state) {
  // The token is read before the record is stored, so an overflow reports
  // the position after the token that follows.
  TTokenRec rec = token_;
  rec.State = state;
  NextToken();
  Push(rec);
}

long double TYrFormel::Power(long double p, long double f) {
  if (!(p > 0)) {
    mathError_ = true;
    return 0;
  }
  const long double t = f * std::log(p);
  if (!(t >= -11356.0L && t <= 11356.0L)) {
    mathError_ = true;
    return 0;
  }
  // The range is that of e^t, but the value comes from the library's power,
  // which is exact where the true power is representable: e^(F ln P) lands
  // just below 9 for 3^2, and the points, cut toward zero, lost a whole point.
  return std::pow(p, f);
}

long double TYrFormel::CallFunction(uint8_t func, long double x) {
  auto within = [this](long double v, long double lo, long double hi) {
    if (v >= lo && v <= hi) return true;
    mathError_ = true;
    return false;
  };
  switch (func) {
    case fAbs: return std::fabs(x);
    case fAtan: return std::atan(x);
    case fCos: return within(x, -9E18L, 9E18L) ? std::cos(x) : 0;
    case fExp: return within(x, -11356.0L, 11356.0L) ? std::exp(x) : 0;
    case fLn:
      if (x > 0) return std::log(x);
      mathError_ = true;
      return 0;
    case fNeg: return x < 0 ? 1 : 0;
    case fPos: return x > 0 ? 1 : 0;
    case fRound: {
      if (!within(x, -1E9L, 1E9L)) return 0;
      // Exact for |x| <= 1e9: the fraction needs no more than 64 bits.
      const long double down = std::floor(x);
      const long double frac = x - down;
      if (frac > 0.5L) return down + 1;
      if (frac < 0.5L) return down;
      return std::fmod(down, 2.0L) == 0 ? down : down + 1;
    }
    case fSin: return within(x, -9E18L, 9E18L) ? std::sin(x) : 0;
    case fSqrt:
      if (x >= 0) return std::sqrt(x);
      mathError_ = true;
      return 0;
    case fSqr: return within(x, -1E2466L, 1E2466L) ? x * x : 0;
    case fTrunc: return within(x, -1E9L, 1E9L) ? std::trunc(x) : 0;
    default: mathError_ = true; return 0;
  }
}

void TYrFormel::Reduce(uint8_t production) {
  const Production prod = ProductionOf(production);
  const TTokenRec* s = &stack_[top_ - prod.length];  // the popped symbols
  long double v = 0;
  switch (production) {
    case 1: v = s[0].Value + s[2].Value; break;
    case 2: v = s[0].Value - s[2].Value; break;
    case 4: v = s[0].Value * s[2].Value; break;
    case 5:
      if (s[2].Value == 0)
        mathError_ = true;
      else
        v = s[0].Value / s[2].Value;
      break;
    case 7: v = Power(s[0].Value, s[2].Value); break;
    case 9: v = -s[1].Value; break;
    case 14: v = s[1].Value; break;
    case 16: v = CallFunction(s[0].Func, s[2].Value); break;
    default: v = s[0].Value; break;  // 3, 6, 8, 10, 12, 15
  }
  top_ = static_cast<uint8_t>(top_ - prod.length);
  TTokenRec rec;
  rec.Value = Checked(v);
  rec.State = kTables.next[stack_[top_ - 1].State][prod.lhs];
  Push(rec);  // cannot overflow: at least one record was popped
}

void TYrFormel::Parse() {
  position_ = 1;
  top_ = 0;
  errorCode_ = 0;
  mathError_ = false;
  failed_ = false;

  Push(TTokenRec{});
  NextToken();
  bool accepted = false;
  while (!accepted && errorCode_ == 0) {
    const Action a = kTables.action[stack_[top_ - 1].State][K(tokenKind_)];
    if (a.op == opShift) {
      Shift(a.n);
    } else if (a.op == opReduce) {
      Reduce(a.n);
    } else if (a.op == opAccept) {
      accepted = true;
    } else if (a.op == opError) {
      errorCode_ = a.n;
      position_ = static_cast<uint16_t>(position_ - tokenLen_);
    } else {  // "!" where an operand belongs
      mathError_ = true;
      break;
    }
  }

  if (mathError_ || errorCode_ != 0 || !accepted) {
    failed_ = true;
    result_ = 0;
  } else {
    result_ = stack_[top_ - 1].Value;
  }
  // Fields are final before the procedure sees them.
  if (errorCode_ != 0 && errorProc_) errorProc_(*this, errorCode_);
}
