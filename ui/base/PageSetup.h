// The page set-up "Seite einrichten": the four margins of a printout in
// millimetres with two decimals ("1,50"), as the desktop's page setup
// (Desktop::PageSetup) shows them for the print dialog's "&einrichten...".
// Paper and orientation are the printer set-up's (PrnSetup.h).
//
// Use: create it, SetPaper, SetMargins, TheDesktop().RunModal, and on OK
// Margins(). Margins and paper travel in hundredths of a millimetre, so every
// value set shows exactly and an untouched field gives it back unchanged; a
// value typed with more decimals is rounded to hundredths. Each field takes
// 0 to 999,99 and warns when it is left with anything else (a "." typed is
// the comma); OK does not close over an invalid field, nor over margins that
// leave no room on the paper (left and right together as wide as the paper
// or wider, top and bottom as high or higher): one box says so, and the
// entries stay for the user to mend.
#pragma once

#include <array>

#include "Desktop.h"
#include "EdCtrl.h"

class TPageSetupDlg : public ValidatedDialog {
  Q_OBJECT

 public:
  static constexpr double kMaxMillimetres = 999.99;

  explicit TPageSetupDlg(QWidget* parent = nullptr);

  // The page the margins are for; none set (or a side of 0) refuses
  // nothing.
  void SetPaper(int widthHundredths, int heightHundredths);
  void SetMargins(const PageMargins& margins);
  PageMargins Margins() const;

  // "Die Ränder überschneiden sich oder liegen außerhalb des Papierbereichs.
  // Bitte geben Sie neue Randwerte ein."
  static const QString kOffPaperText;

 protected:
  bool AcceptsClose() override;

 private:
  int paperWidth_ = 0;
  int paperHeight_ = 0;
  // LeftEdit, TopEdit, RightEdit, BottomEdit.
  std::array<TYrFloatEdit*, 4> marginEdits_{};
};
