// The HTML export: the results of a competition as one page.
//
// A fixed head with the organisation's heading and logo, the competition's
// title, kind and date, optionally a list of links to the age classes, and
// every age class that has participants, either as a table of grid cells or
// as the preformatted result lines of the printed lists. Age classes are
// numbered over the whole competition (anchors "Ak1", "Ak2", ...), empty ones
// included, so a class keeps its anchor whether or not classes before it
// have participants.
//
// Texts of the competition are DOS code page; they reach the page through
// `HtmlText`: the German letters as entities and "&", "<", ">" escaped, so
// any name shows as text. Lines end with CR LF and are never cut.
//
// The stream belongs to the caller, who opens it before and closes it after;
// nothing is reported, write errors stay in its status (`FirstError`).
#pragma once

#include "VkExportOptions.h"
#include "VkWettk.h"
#include "YrStream.h"

// Format code 7, with the choices of `ExportHtmlOptions`.
void ExportHtml(const TWettkampf& competition, TYrStream& stream);
void ExportHtml(const TWettkampf& competition, TYrStream& stream, const TExportHtmlOptions& options);
