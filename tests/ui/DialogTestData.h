// A small competition for the dialog tests: three age classes with umlauts
// in their names, one discipline of kind 1 each, and swimmers of three
// organisations in the male youth class.
#pragma once

#include <memory>
#include <string>

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include "CodePage.h"
#include "VkAltersk.h"
#include "VkWettk.h"

inline TAltersklasse* AddClass(TWettkampf& c, const std::string& name, bool female, uint16_t first, uint16_t last) {
  TAltersklasse::Disciplines discs;
  discs[0].SetName(Oem("50 m Rückenschwimmen"));
  discs[0].SetKind(kKindQuadraticLinear);
  discs[0].SetV(1, 3000);
  discs[0].SetFormula(FormulaKindName(kKindQuadraticLinear));
  auto* ak = new TAltersklasse;
  ak->Define(Oem(name), first, last, female ? TAltersklasse::kFemale : 0, 1, discs);
  c.Insert(ak);
  return ak;
}

inline void AddSwimmer(TAltersklasse& ak, const std::string& name, const std::string& org, int32_t time) {
  auto* t = new TTeilnehmer;
  t->SetName(true, Oem(name));
  t->SetGliederung(Oem(org));
  t->SetTime(1, time);
  ak.Insert(t);
}

// Classes in order: "Jugend (weiblich)", "Jugend (männlich)", "Schüler".
inline std::unique_ptr<TWettkampf> MakeCompetition() {
  auto c = std::make_unique<TWettkampf>();
  AddClass(*c, "Jugend (weiblich)", true, 1990, 1991);
  TAltersklasse* boys = AddClass(*c, "Jugend (männlich)", false, 1990, 1991);
  AddClass(*c, "Schüler", false, 1986, 1987);
  AddSwimmer(*boys, "Müller", "Köln", 3000);
  AddSwimmer(*boys, "Groß", "Bonn", 3100);
  AddSwimmer(*boys, "Öztürk", "Köln", 3200);
  AddSwimmer(*boys, "Weiß", "Aach", 3300);
  return c;
}

inline void SetText(QDialog& d, const char* name, const QString& text) {
  auto* edit = d.findChild<QLineEdit*>(name);
  if (edit) edit->setText(text);
}

inline void Click(QWidget& w, const char* name) {
  if (auto* b = w.findChild<QPushButton*>(name)) b->click();
}
