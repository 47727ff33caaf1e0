// The page-margins form "Seitenränder einstellen": the four margins of a
// printout in whole millimetres. No command shows it: the print dialog's
// margins go through the desktop's page setup (PageSetup.h), which takes
// hundredths of a millimetre.
//
// Use: create it, SetMargins, TheDesktop().RunModal, and on OK Margins().
// Margins travel in hundredths of a millimetre, as the desktop's page setup
// takes them; a field the user did not change gives back exactly the value
// set, also one finer than a millimetre.
#pragma once

#include <array>

#include <QDialog>

#include "Desktop.h"

class QSpinBox;

class TRaenderDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TRaenderDlg(QWidget* parent = nullptr);

  // Shows each margin in whole millimetres (cut towards zero).
  void SetMargins(const PageMargins& margins);
  // Unchanged fields: the value set; changed ones: their millimetres × 100.
  PageMargins Margins() const;

 private:
  // LeftSE, TopSE, RightSE, BottomSE.
  std::array<QSpinBox*, 4> marginEdits_{};
  std::array<int, 4> set_{};    // hundredths of a millimetre, as given
  std::array<int, 4> shown_{};  // millimetres, as shown
};
