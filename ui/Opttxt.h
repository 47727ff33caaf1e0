// "Textexport - Optionen": code page, separator and quote character, header
// line, quoting, the disciplines' results and absent participants for the
// delimited-text export; a second page chooses and orders fields.
//
// Every use starts from the preset choices (PresetTextOptions); the caller
// reads the dialog into the export's options only on OK:
//     TOptTXTDlg dlg(owner);
//     if (TheDesktop().RunModal(dlg) != mrOk) return;   // nothing is written
//     dlg.GetTextOptions(ExportTextOptions);
//
// Separator and quote character are single characters of the code page the
// file is written in (the Windows one with "ANSI (WIN)", else the DOS one).
// "{TAB}" stands for the tab character, "{LEER}" for the blank; an emptied
// field gives the preset character (";" and the double quote), so the file
// never gets a NUL byte between its cells.
//
// The field lists ("Felder") are kept for the user's orientation; the
// export writes its fixed columns.
#pragma once

#include <QDialog>

#include "VkExportOptions.h"

class QCheckBox;
class QComboBox;
class QListWidget;
class QPushButton;
class RadioGroup;

class TOptTXTDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TOptTXTDlg(QWidget* owner = nullptr);

  void SetTextOptions(const TExportTextOptions& options);
  void GetTextOptions(TExportTextOptions& options) const;

  // The field chooser.
  void IncludeBtnClick();
  void ExcludeBtnClick();
  void IncAllBtnClick();
  void ExcAllBtnClick();
  // Move the selected field of DstList one place up or down; at the first
  // (last) place nothing happens.
  void UpBtnClick();
  void DnBtnClick();
  void SetButtons();

 private:
  // The constructor's parts: the notebook's two pages.
  QWidget* NewOptionsPage(QWidget* pages);
  QWidget* NewFieldsPage(QWidget* pages);
  void MoveSelected(QListWidget* from, QListWidget* to);
  void MoveAll(QListWidget* from, QListWidget* to);
  void SetItem(QListWidget* list, int index);
  void Swap(int offset);

  RadioGroup* codePage_;
  QComboBox* separator_;
  QComboBox* quote_;
  QCheckBox* headerLine_;
  QCheckBox* quoteFields_;
  QCheckBox* disciplines_;
  QCheckBox* absent_;
  QListWidget* srcList_;
  QListWidget* dstList_;
  QPushButton* includeBtn_;
  QPushButton* incAllBtn_;
  QPushButton* excludeBtn_;
  QPushButton* exAllBtn_;
  QPushButton* upBtn_;
  QPushButton* dnBtn_;
};

// The index of the first selected item of the list, -1 for none.
int GetFirstSelection(const QListWidget* list);
