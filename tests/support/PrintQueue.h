// Printing as the user does, through a CUPS queue of the CUPS-PDF printer
// where tools/cups.sh set one up: the queue writes every job as a PDF file,
// named after the job's title with blanks as "_", into the folder PDF of the
// user's home (cups-pdf.conf's "Out"), where a test reads it back with
// poppler's pdftotext.
#pragma once

#include <pwd.h>
#include <unistd.h>

#include <filesystem>

#include <QPrinterInfo>
#include <QtTest/QTest>

#include "../output/WriterTestSupport.h"

namespace printqueue {

// The words of each page of a PDF file, blanks between them made one (two
// programs that draw the same page space its columns alike only so); none
// for a missing file.
inline std::vector<std::string> PageTexts(const std::string& pdf) {
  QStringList pages = QString::fromStdString(writer_test::Run("(pdftotext -layout " + pdf + " - 2>/dev/null)").output)
                          .split(u'\f');
  pages.removeLast();  // after the form feed that ends the last page
  std::vector<std::string> texts;
  for (const QString& page : pages) texts.push_back(page.simplified().toStdString());
  return texts;
}

// The queue; null where none is set up (the test then skips).
inline QPrinterInfo Queue() {
  for (const QPrinterInfo& p : QPrinterInfo::availablePrinters())
    if (p.makeAndModel().contains(QStringLiteral("CUPS-PDF"), Qt::CaseInsensitive)) return p;
  return {};
}

// The file of the job whose file name begins with `name`, once it holds
// `pages` pages: the queue may take a while and still be writing when its
// file shows. After a minute the file as it is; empty when none came.
inline std::string JobFile(const std::string& name, size_t pages) {
  std::string seen;
  static_cast<void>(QTest::qWaitFor([&] {
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(std::string(getpwuid(getuid())->pw_dir) + "/PDF", ec))
      if (e.path().filename().string().starts_with(name) && PageTexts(seen = e.path()).size() >= pages) return true;
    return false;
  }, 60000));
  return seen;
}

}  // namespace printqueue
