#include "VkExportHtml.h"

#include <algorithm>
#include <string>
#include <vector>

#include "IOHTML.h"
#include "VkBasis.h"
#include "VkSpalten.h"

namespace {

// The organisation's web site, linked from its heading.
constexpr char kOrganisationSite[] = "https://www.kalvenbund.de/";

// The whole line, then CR LF. The stream takes at most 65535 bytes a call.
void WriteLine(TYrStream& stream, const std::string& line) {
  const std::string out = line + "\r\n";
  for (size_t done = 0; done < out.size();) {
    const size_t n = std::min<size_t>(out.size() - done, 0xFFFF);
    stream.Write(out.data() + done, static_cast<uint16_t>(n));
    if (stream.Status != 0) return;
    done += n;
  }
}

std::string Quoted(const std::string& value) { return "\"" + value + "\""; }

// The page colour of each choice of the options dialog, by its name in the
// DOS code page; white for "Voreinstellung" and for a name it does not offer.
std::string BodyColour(const std::string& choice) {
  static const struct {
    const char* name;
    const char* rgb;
  } kColours[] = {{"schwarz", "#000000"}, {"wei\xE1", "#ffffff"}, {"rot", "#ff0000"},    {"gr\x81n", "#00ff00"},
                  {"blau", "#0000ff"},    {"gelb", "#ffff00"},     {"magenta", "#ff00ff"}, {"cyan", "#00ffff"}};
  for (const auto& c : kColours)
    if (choice == c.name) return c.rgb;
  return "#ffffff";
}

std::string AnchorName(int n) { return "Ak" + IntToStr(n + 1); }

std::string Heading(const TAltersklasse& ak, int n) {
  return "<B><A NAME=" + Quoted(AnchorName(n)) + ">" + HtmlText(ak.Name()) + " (Jahrg&auml;nge von " +
         IntToStr(ak.FirstYear()) + " bis " + IntToStr(ak.LastYear()) + ")</A></B>";
}

// The participant-table columns of a class's table.
std::vector<int16_t> TableColumns(const TAltersklasse& ak, bool individual, bool disciplineResults) {
  using namespace VkSpalten;
  std::vector<int16_t> cols = {kColPlace, kColTotal, kColGliederung};
  if (individual)
    cols.insert(cols.end(), {kColName, kColVorname, kColBirthYear});
  else
    cols.push_back(kColTeamName);
  if (disciplineResults)
    for (int d = 1; d <= ak.DisciplineCount(); ++d)
      for (DisciplineField f : {DisciplineField::Time, DisciplineField::Deduction, DisciplineField::Points})
        cols.push_back(DisciplineColumn(d, f));
  if (ak.HasCpr()) cols.push_back(kColCpr);
  return cols;
}

void WriteLinks(const TWettkampf& w, TYrStream& stream) {
  WriteLine(stream, "<HR>");
  WriteLine(stream, "Zu den Ergebnissen der einzelnen Altersklassen: <BR>");
  for (int n = 0; n < w.GetCount(); ++n) {
    const TAltersklasse& ak = *w.At(n);
    if (ak.GetCount() == 0) continue;
    // The separator depends on the competition's last class, not on the
    // last class written.
    WriteLine(stream, "<A HREF=" + Quoted("#" + AnchorName(n)) + ">" + HtmlText(ak.Name()) + "</A>" +
                          (n + 1 < w.GetCount() ? ", " : ""));
  }
}

void WriteTable(const TWettkampf& w, int n, TYrStream& stream, bool disciplineResults) {
  const TAltersklasse& ak = *w.At(n);
  WriteLine(stream, Heading(ak, n));
  WriteLine(stream, "<TABLE BORDER>");
  const std::vector<int16_t> cols = TableColumns(ak, w.IsIndividual(), disciplineResults);
  for (int r = 0; r <= ak.GetCount(); ++r) {
    std::string line;
    for (int16_t c : cols) line += "<TH>" + HtmlText(ak.CellText(r, c)) + " ";
    WriteLine(stream, line + "<TR>");
  }
  WriteLine(stream, "</TABLE>");
}

void WriteText(const TWettkampf& w, int n, TYrStream& stream, bool disciplineResults) {
  const TAltersklasse& ak = *w.At(n);
  WriteLine(stream, Heading(ak, n) + "<PRE>");
  for (int r = 0; r <= ak.GetCount(); ++r) {
    // Both halves whole: ResultLine would cut their sum at 255 characters.
    const std::string line = w.ResultLineLeft(n, r, disciplineResults, false, false, 1) +
                             w.ResultLineRight(n, r, disciplineResults, false, false, 1);
    WriteLine(stream, HtmlText(line));
  }
  WriteLine(stream, "</PRE>");
}

}  // namespace

void ExportHtml(const TWettkampf& competition, TYrStream& stream) {
  ExportHtml(competition, stream, ExportHtmlOptions);
}

void ExportHtml(const TWettkampf& w, TYrStream& stream, const TExportHtmlOptions& options) {
  const std::string title = HtmlText(w.Header().Title());
  WriteLine(stream, "<HTML>");
  WriteLine(stream, "<HEAD>");
  WriteLine(stream, "<TITLE>" + title + "</TITLE>");
  WriteLine(stream, "<!-- Diese Seite wurde automatisch von Vk Brantovex erstellt. -->");
  WriteLine(stream, "</HEAD>");
  if (!options.BodyColour.Empty())
    WriteLine(stream, "<BODY BGCOLOR=" + Quoted(BodyColour(options.BodyColour.Str())) + ">");
  if (!options.BackgroundImage.Empty())
    WriteLine(stream, "<BODY BACKGROUND=" + Quoted(HtmlText(options.BackgroundImage.Str(), true)) + ">");
  WriteLine(stream, "<meta name=" + Quoted("keywords") + " value=" + Quoted("krvb,rettungssport") + ">");
  WriteLine(stream, "<meta name=" + Quoted("resource-type") + " value=" + Quoted("document") + ">");
  WriteLine(stream, "<meta name=" + Quoted("distribution") + " value=" + Quoted("global") + ">");
  WriteLine(stream,
            "<H2><A NAME=" + Quoted("KRVB") + " HREF=" + Quoted(kOrganisationSite) + ">Kalvenbund e.V.</A></H2>");
  WriteLine(stream, "<TABLE>");
  WriteLine(stream, "<TD VALIGN=" + Quoted("MIDDLE") + "><IMG SRC=" + Quoted("Bilder/ralvex.gif") + " ALT=" +
                        Quoted("[Vk]") + " ALIGN=" + Quoted("RIGHT") + ">");
  WriteLine(stream, "<TD VALIGN=" + Quoted("MIDDLE") + "><H3>Rettungssport</H3></TR>");
  WriteLine(stream, "</TABLE>");
  WriteLine(stream, "<HR SIZE=3>");
  WriteLine(stream, "<B>" + title + "<BR>");
  WriteLine(stream, w.IsIndividual() ? "Einzelwettbewerbe<BR>" : "Mannschaftswettbewerbe<BR>");
  WriteLine(stream, HtmlText(w.Header().Date()) + "</B>");
  if (options.AgeClassLinks) WriteLinks(w, stream);
  WriteLine(stream, "<HR>");
  for (int n = 0; n < w.GetCount(); ++n) {
    if (w.At(n)->GetCount() == 0) continue;
    if (n > 0) WriteLine(stream, "<HR NOSHADE>");
    if (options.TableForm)
      WriteTable(w, n, stream, options.DisciplineResults);
    else
      WriteText(w, n, stream, options.DisciplineResults);
  }
  WriteLine(stream, "<HR>");
  WriteLine(stream, "</BODY>");
  WriteLine(stream, "</HTML>");
}
