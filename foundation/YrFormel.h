// The formula interpreter for scoring formulas that officials type themselves.
//
// A formula is a text of at most 255 characters: numbers, + - * / ^,
// parentheses, twelve named functions and variables that a descendant
// supplies through `GetVariable`. `Parse` reads it in one pass with a
// table-driven shift-reduce parser and computes every value while reducing,
// in 80-bit extended precision, so the same formula gives the same points in
// every file it is stored in. The accepted language, the error codes and the
// reported positions are part of what stored formulas rely on; do not
// "improve" the grammar.
//
// Two kinds of failure:
// - a syntax error stops the parse with a code (1, 3, 4, 5, 6) and a position;
//   the error procedure, when one is set, is called once with the code and
//   builds the user's message itself (it reads `ErrorPosition` and
//   `GetFormula`); the interpreter never reports anything on its own;
// - a numeric failure (division by zero, an argument out of range, a number
//   text that does not convert, anything that overflows to infinity or NaN)
//   only makes the result fail quietly.
// In both cases `Failed` is true and `Result` is 0 afterwards.
//
// Numbers are read with a point as decimal separator whatever the locale.
// The interpreter owns nothing; a descendant's error procedure that captures
// `this` must not outlive it, so copying is not allowed.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "YrObject.h"

// Kinds of token the reader hands the parser; the numbers index the parser's
// action table.
enum class TFormelKind : uint8_t {
  Plus = 0,       // "+"
  Minus = 1,      // "-"
  Times = 2,      // "*"
  Divide = 3,     // "/"
  Power = 4,      // "^"
  LParen = 5,     // "("
  RParen = 6,     // ")"
  Operand = 7,    // number or known variable
  Function = 8,   // function name
  End = 9,        // end of the formula
  Bad = 10,       // anything else, an unknown variable, a lone "."
  Bang = 11,      // "!": makes the formula fail where an operand is expected
};

class TYrFormel : public TYrObject {
 public:
  // Called after a syntax error with the interpreter and the error code.
  using TErrorProc = std::function<void(TYrFormel& formel, uint8_t code)>;

  // Syntax error codes (code 2 is not used).
  static constexpr uint8_t ErrStackOverflow = 1;
  static constexpr uint8_t ErrOperandExpected = 3;
  static constexpr uint8_t ErrOperatorExpected = 4;
  static constexpr uint8_t ErrLParenExpected = 5;
  static constexpr uint8_t ErrOperatorOrRParenExpected = 6;

  static constexpr size_t MaxFormulaLen = 255;
  static constexpr size_t MaxNumberLen = 80;
  static constexpr size_t StackSize = 15;

  TYrFormel();
  ~TYrFormel() override;
  TYrFormel(const TYrFormel&) = delete;
  TYrFormel& operator=(const TYrFormel&) = delete;

  // Stores the formula upper-cased (a..z only) and cut to 255 characters,
  // and rewinds the reader so that `NextToken` starts at its first character.
  void SetFormula(const std::string& s);
  void GetFormula(std::string& s) const { s = formula_; }
  const std::string& GetFormula() const { return formula_; }

  // An empty procedure means no report.
  void SetErrorProc(TErrorProc proc);

  // Parses and evaluates the formula; fills Result, Failed, ErrorCode and,
  // after a syntax error, ErrorPosition. May be called any number of times.
  void Parse();

  // Reads the next token from the current reading position. Used by `Parse`.
  TFormelKind NextToken();

  long double Result() const { return result_; }
  bool Failed() const { return failed_; }
  uint8_t ErrorCode() const { return errorCode_; }
  // 1-based; after a syntax error the position reported with it, otherwise
  // the next character to read.
  uint16_t ErrorPosition() const { return position_; }

 protected:
  // Supplies the value of variable `name` (upper case, letters, digits and
  // "_"). Returns false for an unknown name, which the parser then treats as
  // a bad token. The base knows no variables.
  virtual bool GetVariable(const std::string& name, long double& value);

 private:
  // A token as the parser keeps it: the state under which it lies on the
  // stack, and the value of an operand or the function of a function name.
  struct TTokenRec {
    uint8_t State = 0;
    uint8_t Func = 0;  // index into the function table
    long double Value = 0;
  };

  bool Push(const TTokenRec& rec);
  void Shift(uint8_t state);
  void Reduce(uint8_t production);
  long double Checked(long double v);
  long double Power(long double p, long double f);
  long double CallFunction(uint8_t func, long double x);
  TFormelKind ReadNumber();

  std::string formula_;
  TErrorProc errorProc_;
  TTokenRec token_;
  bool mathError_ = false;
  std::array<TTokenRec, StackSize> stack_{};
  uint8_t top_ = 0;
  uint8_t errorCode_ = 0;
  uint16_t tokenLen_ = 0;
  TFormelKind tokenKind_ = TFormelKind::End;
  uint16_t position_ = 1;
  bool failed_ = false;
  long double result_ = 0;
};
