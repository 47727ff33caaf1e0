// Printing as the user does, through a CUPS queue of the CUPS-PDF printer
// where tools/cups.sh set one up: the queue writes every job as a PDF file,
// named after the job's title with blanks as "_", into the folder PDF of the
// user's home (cups-pdf.conf's "Out"), where a test reads it back with
// poppler's pdftotext.
//
// Reports stamp their footers with the clock ("07:50:54 Uhr"). A test that
// compares the pages of one output with another's pins the clock for its
// whole run (FixedClock), so that neither the second in which each is made
// nor a job of another run of the same report in the queue's folder decides
// its verdict.
#pragma once

#include <pwd.h>
#include <unistd.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include <QPrinterInfo>
#include <QtTest/QTest>

#include "../output/WriterTestSupport.h"
#include "YrClock.h"

namespace printqueue {

// The clock stands at one instant while the object lives.
class FixedClock {
 public:
  explicit FixedClock(TYrDateTime at = MakeDateTime(2007, 6, 16, 10, 30, 15))
      : saved_(SetClock([at] { return at; })) {}
  ~FixedClock() { SetClock(saved_); }
  FixedClock(const FixedClock&) = delete;
  FixedClock& operator=(const FixedClock&) = delete;

 private:
  TYrClock saved_;
};

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

// The queue's folder.
inline std::string Folder() { return std::string(getpwuid(getuid())->pw_dir) + "/PDF"; }

// The files in the queue's folder now; taken before a job is sent, they tell
// its file from those of earlier jobs (the queue adds the job's number to
// the name).
inline std::set<std::string> Files() {
  std::set<std::string> files;
  std::error_code ec;
  for (const auto& e : std::filesystem::directory_iterator(Folder(), ec)) files.insert(e.path());
  return files;
}

// The file of the job whose file name begins with `name` and that is none of
// `before`, once it holds `pages` pages: the queue may take a while and still
// be writing when its file shows. After a minute the file as it is; empty
// when none came.
inline std::string JobFile(const std::string& name, size_t pages, const std::set<std::string>& before = {}) {
  std::string seen;
  static_cast<void>(QTest::qWaitFor([&] {
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(Folder(), ec))
      if (e.path().filename().string().starts_with(name) && !before.contains(e.path()) &&
          PageTexts(seen = e.path()).size() >= pages)
        return true;
    return false;
  }, 60000));
  return seen;
}

}  // namespace printqueue
