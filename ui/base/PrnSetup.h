// The printer set-up "Drucker einrichten": the printer later printouts go
// to, its paper and the page's orientation. It prints nothing, and its
// confirming button says so: "OK", not "Drucken". The program's desktop
// shows it as its printer set-up (Desktop::PrinterSetup), for the main
// window's "Drucker einrichten", the print dialog's "Drucker..." and the
// preview.
//
// Use: create it, SetPrinter, TheDesktop().RunModal, and on OK GetPrinter.
// The printers are those the printer system has installed, the default one
// chosen when the printer given has none; the papers are those the chosen
// printer offers (common sizes where no printer is installed). A paper the
// next printer also offers stays chosen when the user changes printers.
#pragma once

#include <vector>

#include <QDialog>
#include <QPageSize>

class QComboBox;
class QLabel;
class QPrinter;
class QRadioButton;

class TPrinterSetupDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TPrinterSetupDlg(QWidget* parent = nullptr);

  void SetPrinter(const QPrinter& printer);
  // The chosen printer (when one is installed), paper and orientation.
  void GetPrinter(QPrinter& printer) const;

 private:
  // Fills the papers of the chosen printer, keeping `keep` when it has it,
  // else choosing the printer's default paper.
  void FillPapers(const QPageSize& keep);

  QComboBox* name_;   // NameCB
  QLabel* type_;      // TypeLabel
  QLabel* where_;     // WhereLabel
  QComboBox* paper_;  // PaperCB
  std::vector<QPageSize> papers_;  // in the order of PaperCB
  QRadioButton* portrait_;   // PortraitRB
  QRadioButton* landscape_;  // LandscapeRB
};
