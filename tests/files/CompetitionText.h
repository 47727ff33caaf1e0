// A competition that a reader filled, as text for whole-output comparisons
// with files under tests/data/files (texts quoted as tests/support/CaseFile.h
// writes them).
#pragma once

#include <string>

#include "CaseFile.h"
#include "VkWettk.h"

namespace filestext {

using testdata::Row;

// Class, name, first name or team addition, birth date, organisation, flags,
// then time, deduction, heat and lane of disciplines 1 to 5, and the CPR value.
inline std::string Participant(const TWettkampf& w, const TTeilnehmer& t) {
  const bool individual = w.IsIndividual();
  std::string out = Row(t.Altersklasse(), t.Name(individual), individual ? t.Vorname() : t.Zusatz(),
                        t.Geburtsdatum(), t.Gliederung(), t.Flags());
  for (int d = 1; d <= 5; ++d) out += " | " + Row(t.Time(d), t.Deduction(d), t.Heat(d), t.Lane(d));
  return out + " | " + Row(t.CprValue());
}

inline std::string Participants(const TWettkampf& w) {
  std::string out;
  for (int i = 0; i < w.GetCount(); ++i)
    for (int j = 0; j < w.At(i)->GetCount(); ++j) out += "    " + Participant(w, *w.At(i)->At(j)) + "\n";
  return out;
}

// The header's title, kind, organiser, host, date, venue, CPR stations,
// lanes, pool, options, text at 413 and byte 600.
inline std::string Header(const TWettkampf& w) {
  const TWettkampfDaten& h = w.Header();
  return "  " + Row(h.Title(), h.Kind(), h.Organiser(), h.Host(), h.Date(), h.Venue()) + " | " +
         Row(h.CprStationsIndex(), h.LanesIndex(), h.Pool(), h.Options(), h.ReservedText(), h.GetBytes()[600]) + "\n";
}

// The header; each class's name, years, flags and counted disciplines, each
// discipline's kind, V1, V2, formula, description and record (time,
// deduction, holder, best time), the overall record total; every
// participant; the number of organisations.
inline std::string Described(const TWettkampf& w) {
  std::string out = Header(w);
  for (int i = 0; i < w.GetCount(); ++i) {
    const TAltersklasse& ak = *w.At(i);
    out += "  class " + Row(ak.Name(), ak.FirstYear(), ak.LastYear(), ak.Flags(), ak.Counted()) + "\n";
    for (int d = 1; d <= ak.DisciplineCount(); ++d) {
      const TDisziplin disc = ak.Discipline(d);
      const TRekord r = ak.Rekord(d);
      out += "    " + Row(disc.Kind(), disc.V(1), disc.V(2), disc.Formula(), disc.Description()) + " | " +
             Row(r.RecordTime(), r.RecordDeduction(), r.Holder(), r.BestTime()) + "\n";
    }
    out += "    overall " + Row(ak.Overall().RecordTotal()) + "\n";
  }
  return out + Participants(w) + "  organisations " + Row(w.Gliederungen().GetCount()) + "\n";
}

}  // namespace filestext
