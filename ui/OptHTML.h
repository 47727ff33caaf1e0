// "HTML Optionen": table or text form, links to the age classes, the
// disciplines' results, a background colour and picture for the HTML export.
//
// Every use starts from the preset choices (PresetHtmlOptions); the caller
// reads the dialog into the export's options only on OK:
//     TOptHTMLDlg dlg(owner);
//     if (TheDesktop().RunModal(dlg) != mrOk) return;   // nothing is written
//     dlg.GetHtmlOptions(ExportHtmlOptions);
#pragma once

#include <QDialog>

#include "VkExportOptions.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class RadioGroup;

class TOptHTMLDlg : public QDialog {
  Q_OBJECT

 public:
  // OpenDialog1's filter.
  static const QString& PictureFilter();

  explicit TOptHTMLDlg(QWidget* owner = nullptr);

  void SetHtmlOptions(const TExportHtmlOptions& options);
  void GetHtmlOptions(TExportHtmlOptions& options) const;

  // "&Durchsuchen...": a picture chosen in any folder gives its name alone.
  void Button1Click();

 private:
  RadioGroup* form_;
  QCheckBox* links_;
  QCheckBox* disciplines_;
  QComboBox* colour_;
  QLineEdit* picture_;
};
