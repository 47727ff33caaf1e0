// vkdump show FILE: the competition as one JSON object.
#include <iostream>
#include <nlohmann/json.hpp>
#include <string>

#include "CodePage.h"
#include "Vkdump.h"
#include "VkWettk.h"

using nlohmann::json;

namespace {

template <class F>
json Six(F&& value) {
  json a = json::array();
  for (int d = 1; d <= 6; ++d) a.push_back(value(d));
  return a;
}

json Header(const TWettkampfDaten& h) {
  return {{"title", Utf8(h.Title())},
          {"kind", h.Kind()},
          {"organiser", Utf8(h.Organiser())},
          {"host", Utf8(h.Host())},
          {"date", Utf8(h.Date())},
          {"venue", Utf8(h.Venue())},
          {"lanesIndex", h.LanesIndex()},
          {"pool", h.Pool()},
          {"cprStationsIndex", h.CprStationsIndex()},
          {"options", h.Options()}};
}

json Participant(const TTeilnehmer& t, bool individual) {
  return {{"name", Utf8(t.Name(individual))},
          {"vorname", individual ? Utf8(t.Vorname()) : ""},
          {"geburtsdatum", individual ? Utf8(t.Geburtsdatum()) : ""},
          {"zusatz", individual ? "" : Utf8(t.Zusatz())},
          {"gliederung", Utf8(t.Gliederung())},
          {"altersklasse", Utf8(t.Altersklasse())},
          {"flags", t.Flags()},
          {"time", Six([&](int d) { return t.Time(d); })},
          {"deduction", Six([&](int d) { return t.Deduction(d); })},
          {"heat", Six([&](int d) { return t.Heat(d); })},
          {"lane", Six([&](int d) { return t.Lane(d); })},
          {"points", Six([&](int d) { return t.Points(d); })},
          {"disciplinePlace", Six([&](int d) { return t.DisciplinePlace(d); })},
          {"disciplineRank", Six([&](int d) { return t.DisciplineRank(d); })},
          {"cpr", t.CprValue()},
          {"cprTime", t.CprTime()},
          {"cprStation", t.CprStation()},
          {"cprHeat", t.CprHeat()},
          {"total", t.Total()},
          {"place", t.Place()}};
}

json AgeClass(const TAltersklasse& ak, bool individual) {
  json disciplines = Six([&](int d) {
    const TDisziplin x = ak.Discipline(d);
    json v = json::array();
    for (int i = 1; i <= 5; ++i) v.push_back(x.V(i));
    return json{{"name", Utf8(x.Name())},
                {"kind", x.Kind()},
                {"v", v},
                {"formula", Utf8(x.Formula())},
                {"ruleCode", x.RuleCode()},
                {"description", Utf8(x.Description())}};
  });
  json records = Six([&](int d) {
    const TRekord r = ak.Rekord(d);
    return json{{"prevTime", r.RecordTime()},
                {"prevDeduction", r.RecordDeduction()},
                {"bestTime", r.BestTime()},
                {"bestDeduction", r.BestDeduction()}};
  });
  json participants = json::array();
  for (int i = 0; i < ak.GetCount(); ++i) participants.push_back(Participant(*ak.At(i), individual));
  return {{"name", Utf8(ak.Name())},
          {"firstYear", ak.FirstYear()},
          {"lastYear", ak.LastYear()},
          {"flags", ak.Flags()},
          {"disciplineCount", ak.DisciplineCount()},
          {"counted", ak.Counted()},
          {"disciplines", disciplines},
          {"records", records},
          {"prevBestTotal", ak.Overall().RecordTotal()},
          {"bestTotal", ak.Overall().BestTotal()},
          {"participants", participants}};
}

json Organisation(const TGliederung& g) {
  return {{"abk", Utf8(g.Abk())},
          {"name", Utf8(g.Name())},
          {"participants", g.Participants()},
          {"gold", g.Gold()},
          {"silver", g.Silver()},
          {"bronze", g.Bronze()},
          {"place", g.Place()},
          {"trophyPoints", g.TrophyPoints()},
          {"total", g.Total()},
          {"penaltySum", g.PenaltySum()}};
}

json Show(const TWettkampf& w) {
  json classes = json::array();
  for (int i = 0; i < w.GetCount(); ++i) classes.push_back(AgeClass(*w.At(i), w.IsIndividual()));
  json organisations = json::array();
  for (int i = 0; i < w.Gliederungen().GetCount(); ++i) organisations.push_back(Organisation(*w.Gliederungen().At(i)));
  return {{"header", Header(w.Header())},
          {"classes", classes},
          {"organisations", organisations},
          {"organEntries", w.OrganListe().GetCount()}};
}

}  // namespace

int CmdShow(int argc, char** argv) {
  if (argc != 3) return Usage();
  TWettkampf w;
  if (!LoadFile(argv[2], w)) return 1;
  std::cout << Show(w).dump(2, ' ', false, json::error_handler_t::replace) << '\n';
  return 0;
}
