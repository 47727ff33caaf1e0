#include "VkDisz.h"

#include <cstring>

#include "ByteOrder.h"
#include "YrText.h"

void TDisziplin::Load(const uint8_t* src) { std::memcpy(bytes_.data(), src, kDisziplinSize); }

void TDisziplin::Store(uint8_t* dst) const { std::memcpy(dst, bytes_.data(), kDisziplinSize); }

std::string TDisziplin::Name() const { return le::GetStr(bytes_.data(), kOffName, kNameCapacity); }

void TDisziplin::SetName(std::string_view s) {
  le::PutStr(bytes_.data(), kOffName, kNameCapacity, std::string(s));
}

uint16_t TDisziplin::Kind() const { return le::GetU16(bytes_.data(), kOffKind); }

void TDisziplin::SetKind(uint16_t kind) { le::PutU16(bytes_.data(), kOffKind, kind); }

int32_t TDisziplin::V(int i) const {
  if (i < 1 || i > 5) return 0;
  return le::GetI32(bytes_.data(), kOffV1 + 4 * static_cast<size_t>(i - 1));
}

void TDisziplin::SetV(int i, int32_t v) {
  if (i < 1 || i > 5) return;
  le::PutI32(bytes_.data(), kOffV1 + 4 * static_cast<size_t>(i - 1), v);
}

std::string TDisziplin::Formula() const {
  return le::GetStr(bytes_.data(), kOffFormula, kFormulaCapacity);
}

void TDisziplin::SetFormula(std::string_view s) {
  le::PutStr(bytes_.data(), kOffFormula, kFormulaCapacity, std::string(s));
}

uint16_t TDisziplin::RuleCode() const { return le::GetU16(bytes_.data(), kOffRuleCode); }

void TDisziplin::SetRuleCode(uint16_t code) { le::PutU16(bytes_.data(), kOffRuleCode, code); }

std::string TDisziplin::Description() const {
  return le::GetStr(bytes_.data(), kOffDescription, kDescriptionCapacity);
}

void TDisziplin::SetDescription(std::string_view s) {
  le::PutStr(bytes_.data(), kOffDescription, kDescriptionCapacity, std::string(s));
}

uint16_t RuleSetYear(uint16_t ruleCode) {
  switch (ruleCode) {
    case 2:
    case 3:
      return 1988;
    case 4:
    case 5:
      return 1992;
    case 6:
    case 7:
      return 1995;
    case 8:
    case 9:
      return 1999;
    case 10:
    case 11:
      return 2007;
    case 12:
      return 2006;
    default:
      return 0;
  }
}

std::string FormulaKindName(uint16_t kind) {
  switch (kind) {
    case kKindUserFormula:
      return "<benutzerdefinierte Formel>";
    case kKindQuadraticLinear:
      return "<quadratisch-lineare Berechnungsformel>";
    case kKindLinear:
      return "<lineare Berechnungsformel>";
    case kKindPerPlace:
      return "<Punkte pro Platzierung>";
    case kKindCup:
      return "<Internationaler Trelvacup>";
    default:
      return "<unbekannte Berechnungsformel>";
  }
}

void BuildDisziplin(TDisziplin& d, const TDisziplinVorlage& v, uint16_t ruleCode) {
  // The template's field holds no more than its capacity; a longer text in the
  // in-memory table is cut as the stored template would have cut it.
  d.SetName(std::string_view(v.Name).substr(0, TDisziplinVorlage::kNameCapacity));
  d.SetKind(v.Kind);
  d.SetV(1, v.V1);
  d.SetV(2, v.V2);
  d.SetV(3, v.V3);
  d.SetV(4, v.V4);
  d.SetV(5, v.V5);
  d.SetFormula(FormulaKindName(v.Kind));
  d.SetRuleCode(ruleCode);
  std::string description = "Regelwerk " + IntToStr(RuleSetYear(ruleCode));
  if (ruleCode % 2 == 1) description = "Meisterschaftsdisziplin " + description;
  d.SetDescription(description);
}

int CompareDisziplin(const TDisziplin& a, const TDisziplin& b) {
  if (a.Kind() != b.Kind()) return a.Kind() > b.Kind() ? -1 : 1;
  return -CompareBytes(a.Name(), b.Name());
}

bool SameDisziplin(const TDisziplin& a, const TDisziplin& b) { return CompareDisziplin(a, b) == 0; }
