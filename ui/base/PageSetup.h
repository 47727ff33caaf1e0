// The page set-up "Seite einrichten": the four margins of a printout in
// millimetres with two decimals ("1,50"), as the desktop's page setup
// (Desktop::PageSetup) shows them for the print dialog's "&einrichten...".
// Paper and orientation are the printer set-up's (PrnSetup.h).
//
// Use: create it, SetMargins, TheDesktop().RunModal, and on OK Margins().
// Margins travel in hundredths of a millimetre, so every value set shows
// exactly and an untouched field gives it back unchanged; a value typed with
// more decimals is rounded to hundredths. Each field takes 0 to 999,99 and
// warns when it is left with anything else (a "." typed is the comma); OK
// does not close over an invalid field.
#pragma once

#include <array>

#include "Desktop.h"
#include "EdCtrl.h"

class TPageSetupDlg : public ValidatedDialog {
  Q_OBJECT

 public:
  static constexpr double kMaxMillimetres = 999.99;

  explicit TPageSetupDlg(QWidget* parent = nullptr);

  void SetMargins(const PageMargins& margins);
  PageMargins Margins() const;

 private:
  // LeftEdit, TopEdit, RightEdit, BottomEdit.
  std::array<TYrFloatEdit*, 4> marginEdits_{};
};
