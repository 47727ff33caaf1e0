// vkdump png FILE REPORT ARGS... [options] PAGE ZOOM OUT.png: builds a report
// as `vkdump pages` does (same REPORT, ARGS and options) and draws page PAGE
// through the preview device at ZOOM percent (10..800; 100 is 3 pixels per
// millimetre) into the PNG file OUT, so a page can be looked at without the
// program's window. Runs Qt on its offscreen platform.
#include <iostream>
#include <memory>

#include <QGuiApplication>
#include <QImage>
#include <QString>

#include "Druckauftrag.h"
#include "Vkdump.h"
#include "VkWettk.h"
#include "YrPDCanv.h"

int CmdPng(int argc, char** argv) {
  if (argc < 7) return Usage();
  int page = 0, zoom = 0;
  if (!Number(argv[argc - 3], page) || !Number(argv[argc - 2], zoom) || zoom < 10 || zoom > 800) return Usage();
  const char* out = argv[argc - 1];
  TWettkampf w;
  std::unique_ptr<TDruckauftrag> job;
  if (const int status = BuildReport(argc - 5, argv + 2, w, job)) return status;
  const TAusdruck& report = *job->Report();
  if (page < 1 || page > report.PageCount()) {
    std::cerr << "vkdump: page " << page << " outside 1.." << report.PageCount() << '\n';
    return 1;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  int qtArgc = 1;
  char* qtArgv[] = {argv[0], nullptr};
  QGuiApplication app(qtArgc, qtArgv);
  const QImage image = PreviewImage(report, static_cast<int16_t>(page), zoom, job->PageSize.Width,
                                    job->PageSize.Height);
  if (!image.save(QString::fromLocal8Bit(out), "PNG")) {
    std::cerr << "vkdump: cannot write " << out << '\n';
    return 1;
  }
  return 0;
}
