// Compile-time helpers for writing the rule-book tables (VkVorg92/95/99/07.cpp).
//
// Class rows name their disciplines by the template's name, as the rule book
// does; the index into the template table is looked up while compiling, so a
// misspelt discipline name does not compile. Only the table sources include
// this header.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

#include "RuleBookTables.h"

namespace presets::rows {

using Disciplines = std::span<const std::string_view>;

// Index of the row called `name` in `table` (any row type with a `name`).
// Unknown names end constant evaluation, so they fail to compile.
template <typename Row>
constexpr uint8_t IndexOf(std::span<const Row> table, std::string_view name) {
  for (std::size_t i = 0; i < table.size(); ++i)
    if (std::string_view(table[i].name) == name) return static_cast<uint8_t>(i);
  throw "discipline name not in the rule book's templates";
}

// A row without disciplines yet.
constexpr ClassRow Blank(const char* name, uint16_t first, uint16_t last, uint16_t flags) {
  ClassRow r{name, first, last, flags, 0, 0, 0, 0, {}};
  for (auto& t : r.templ) t = kNoTemplate;
  return r;
}

// A class whose disciplines are the named rows of `templates`, in slot order.
template <typename Row>
constexpr ClassRow WithDisciplines(std::span<const Row> templates, const char* name, uint16_t first,
                                   uint16_t last, uint16_t flags, Disciplines disciplines) {
  ClassRow r = Blank(name, first, last, flags);
  for (std::size_t i = 0; i < disciplines.size(); ++i) r.templ[i] = IndexOf(templates, disciplines[i]);
  r.count = static_cast<uint8_t>(disciplines.size());
  return r;
}

// The same class under another name and birth-year range (the split classes).
constexpr ClassRow Renamed(ClassRow r, const char* name, uint16_t first, uint16_t last) {
  r.name = name;
  r.firstYear = first;
  r.lastYear = last;
  return r;
}

template <typename T, std::size_t A, std::size_t B>
constexpr std::array<T, A + B> Join(const std::array<T, A>& a, const std::array<T, B>& b) {
  std::array<T, A + B> r{};
  for (std::size_t i = 0; i < A; ++i) r[i] = a[i];
  for (std::size_t i = 0; i < B; ++i) r[A + i] = b[i];
  return r;
}

}  // namespace presets::rows
