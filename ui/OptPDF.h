// "PDF Optionen": title, subject, author and keywords of a PDF file and
// whether its pages are compressed, and the opening of the written file.
//
// The caller fills it from the document information the run keeps, and
// reads it back only on OK, so the next PDF of the run starts from it:
//     TOptPDFDlg dlg(owner);
//     dlg.SetPDFInfo(PdfExportInfo);
//     if (TheDesktop().RunModal(dlg) != mrOk) return;   // nothing is written
//     dlg.GetPDFInfo(PdfExportInfo);
//     ... write the file ...
//     dlg.OpenPDF(fileName);
// Creator, producer and creation date are not shown and stay as they were.
#pragma once

#include <QDialog>
#include <QString>

#include "VkExportOptions.h"

class QCheckBox;
class QLineEdit;
class TWettkampf;

// Before every PDF of a competition: subject := its title followed by
// " - Einzelwettbewerb" or " - Mannschaftswettbewerb", author := its
// organiser (both in the Windows code page); the other fields stay.
void PrefillPdfInfo(TPdfOptions& info, const TWettkampf& competition);

class TOptPDFDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TOptPDFDlg(QWidget* owner = nullptr);

  void SetPDFInfo(const TPdfOptions& info);
  void GetPDFInfo(TPdfOptions& info) const;

  // Opens the written file with the program the desktop has for PDF files,
  // when LoadPDFCB says so (it always does). A failure is not reported.
  void OpenPDF(const QString& fileName) const;

 private:
  QLineEdit* infoEdits_[4];  // Edit1 .. Edit4: title, subject, author, keywords
  QCheckBox* compress_;
  QCheckBox* loadPdf_;
};
