#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>
#include <zlib.h>

#include <clocale>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "IOPDF.h"
#include "YrClock.h"

namespace {

using PageFn = std::function<void(TIOPdf&, int page)>;

TPdfOptions SampleOptions(bool compress) {
  TPdfOptions o;
  o.Title = "Ergebnisse";
  o.Subject = "Bezirksmeisterschaft - Einzelwettbewerb";
  o.Author = "Ortsgruppe Nord";
  o.Keywords = "Rettungsschwimmen";
  o.Creator = "Tarnwell";
  o.CreationDate = "D:20210305120000";
  o.Producer = "Tarnwell PDF";
  o.Compress = compress;
  return o;
}

// One text line on the page, as the PDF device writes it.
void TextAt(TIOPdf& pdf, int x, int y, const std::string& text) {
  pdf.WriteLn("BT");
  pdf.WriteLn("/F9 12 Tf");
  pdf.WriteLn("1 0 0 1 " + std::to_string(x) + " " + std::to_string(y) + " Tm");
  pdf.WriteText(text);
  pdf.WriteLn("ET");
}

void Build(TYrStream& stream, const TPdfOptions* options, int pages, const PageFn& content) {
  TIOPdf pdf(2100, 2970, options);
  pdf.Begin(&stream);
  pdf.WriteFixedObjects();
  for (int i = 1; i <= pages; ++i) {
    pdf.NewPage();
    if (content) content(pdf, i);
    pdf.EndPage();
  }
  pdf.WritePagesObj();
  pdf.WriteXref();
  pdf.WriteTrailer();
}

std::string MakeDoc(const TPdfOptions* options, int pages, const PageFn& content) {
  TYrMemoryStream stream;
  Build(stream, options, pages, content);
  EXPECT_EQ(stream.FirstError, 0);
  return std::string(stream.Data().begin(), stream.Data().end());
}

// Checks the cross-reference table against the file's bytes and returns its
// entry count.
int ExpectValidXref(const std::string& file) {
  const size_t sx = file.rfind("startxref\n");
  EXPECT_NE(sx, std::string::npos);
  if (sx == std::string::npos) return 0;
  const size_t xref = std::stoul(file.substr(sx + 10));
  EXPECT_EQ(file.substr(sx), "startxref\n" + std::to_string(xref) + "\n%%EOF\n");
  EXPECT_EQ(file.compare(xref, 7, "xref\n0 "), 0);
  size_t pos = xref + 7;
  const int count = std::stoi(file.substr(pos));
  pos = file.find('\n', pos);
  EXPECT_EQ(file.substr(xref, pos + 1 - xref), "xref\n0 " + std::to_string(count) + " \n");
  ++pos;
  EXPECT_EQ(file.substr(pos, 20), "0000000000 65535 f \n");
  for (int n = 1; n < count; ++n) {
    const std::string entry = file.substr(pos + 20 * static_cast<size_t>(n), 20);
    EXPECT_EQ(entry.size(), 20u);
    EXPECT_EQ(entry.substr(10), " 00000 n \n") << "entry " << n;
    const size_t at = std::stoul(entry.substr(0, 10));
    const std::string head = std::to_string(n) + " 0 obj";
    EXPECT_EQ(file.compare(at, head.size(), head), 0) << "entry " << n << " points at " << at;
    EXPECT_TRUE(at == 0 || file[at - 1] == '\n') << "entry " << n;
  }
  const size_t trailer = pos + 20 * static_cast<size_t>(count);
  EXPECT_EQ(file.substr(trailer, 16 + std::to_string(count).size()), "trailer\n<</Size " + std::to_string(count));
  return count;
}

struct ToolResult {
  int status;
  std::string out;
};

ToolResult Run(const std::string& cmd) {
  ToolResult r{-1, {}};
  FILE* p = popen((cmd + " 2>&1").c_str(), "r");
  if (!p) return r;
  char buf[4096];
  size_t n;
  while ((n = fread(buf, 1, sizeof buf, p)) > 0) r.out.append(buf, n);
  const int st = pclose(p);
  r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
  return r;
}

// A PDF written to a temporary file through the file stream; removed again
// when the test ends.
class PdfFile {
 public:
  explicit PdfFile(const std::string& name) {
    dir_ = std::filesystem::temp_directory_path() / ("pdftest-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir_);
    path_ = (dir_ / (name + ".pdf")).string();
  }
  ~PdfFile() {
    std::error_code ec;
    std::filesystem::remove(path_, ec);
    std::filesystem::remove(dir_, ec);  // only when empty
  }
  void Write(const TPdfOptions* options, int pages, const PageFn& content) {
    TYrStream stream(path_, stCreate);
    ASSERT_EQ(stream.Status, 0);
    Build(stream, options, pages, content);
    EXPECT_EQ(stream.FirstError, 0);
  }
  void ExpectQpdfCheckPasses() const {
    const ToolResult r = Run("qpdf --check '" + path_ + "'");
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("No syntax or stream encoding errors found"), std::string::npos) << r.out;
  }
  std::string Text(int page = 0) const {
    std::string range = page ? " -f " + std::to_string(page) + " -l " + std::to_string(page) : "";
    const ToolResult r = Run("pdftotext -enc UTF-8" + range + " '" + path_ + "' -");
    EXPECT_EQ(r.status, 0) << r.out;
    return r.out;
  }
  std::string Info() const {
    const ToolResult r = Run("pdfinfo -enc UTF-8 '" + path_ + "'");
    EXPECT_EQ(r.status, 0) << r.out;
    return r.out;
  }
  std::string Bytes() const {
    TYrStream s(path_, stOpenRead);
    std::string out(static_cast<size_t>(s.GetSize()), '\0');
    for (size_t pos = 0; pos < out.size(); pos += 32768) {
      s.Read(out.data() + pos, static_cast<uint16_t>(out.size() - pos < 32768 ? out.size() - pos : 32768));
    }
    return out;
  }

 private:
  std::filesystem::path dir_;
  std::string path_;
};

std::string Inflate(const std::string& in) {
  z_stream zs{};
  EXPECT_EQ(inflateInit(&zs), Z_OK);
  zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(in.data()));
  zs.avail_in = static_cast<uInt>(in.size());
  std::string out;
  char buf[4096];
  int rc;
  do {
    zs.next_out = reinterpret_cast<Bytef*>(buf);
    zs.avail_out = sizeof buf;
    rc = inflate(&zs, Z_NO_FLUSH);
    out.append(buf, sizeof buf - zs.avail_out);
  } while (rc == Z_OK);
  EXPECT_EQ(rc, Z_STREAM_END);
  EXPECT_EQ(zs.avail_in, 0u);
  inflateEnd(&zs);
  return out;
}

const std::string kFontObjects =
    "8 0 obj<</Type/Font/Subtype/Type1/BaseFont/Courier/Encoding 6 0 R>>endobj\n"
    "9 0 obj<</Type/Font/Subtype/Type1/BaseFont/Courier-Bold/Encoding 6 0 R>>endobj\n"
    "10 0 obj<</Type/Font/Subtype/Type1/BaseFont/Courier-Oblique/Encoding 6 0 R>>endobj\n"
    "11 0 obj<</Type/Font/Subtype/Type1/BaseFont/Courier-BoldOblique/Encoding 6 0 R>>endobj\n"
    "12 0 obj<</Type/Font/Subtype/Type1/BaseFont/Times-Roman/Encoding 6 0 R>>endobj\n"
    "13 0 obj<</Type/Font/Subtype/Type1/BaseFont/Times-Bold/Encoding 6 0 R>>endobj\n"
    "14 0 obj<</Type/Font/Subtype/Type1/BaseFont/Times-Italic/Encoding 6 0 R>>endobj\n"
    "15 0 obj<</Type/Font/Subtype/Type1/BaseFont/Times-BoldItalic/Encoding 6 0 R>>endobj\n"
    "16 0 obj<</Type/Font/Subtype/Type1/BaseFont/Helvetica/Encoding 6 0 R>>endobj\n"
    "17 0 obj<</Type/Font/Subtype/Type1/BaseFont/Helvetica-Bold/Encoding 6 0 R>>endobj\n"
    "18 0 obj<</Type/Font/Subtype/Type1/BaseFont/Helvetica-Oblique/Encoding 6 0 R>>endobj\n"
    "19 0 obj<</Type/Font/Subtype/Type1/BaseFont/Helvetica-BoldOblique/Encoding 6 0 R>>endobj\n"
    "20 0 obj<</Type/Font/Subtype/Type1/BaseFont/Symbol>>endobj\n"
    "21 0 obj<</Type/Font/Subtype/Type1/BaseFont/ZapfDingbats>>endobj\n";

// Hex dump of the first difference, for a readable failure.
std::string FirstDifference(const std::string& a, const std::string& b) {
  size_t i = 0;
  while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
  const size_t from = i < 24 ? 0 : i - 24;
  return "first difference at byte " + std::to_string(i) + "\n got: " + a.substr(from, 60) +
         "\nwant: " + b.substr(from, 60);
}

}  // namespace

TEST(PdfWriter, OnePageUncompressedA4ByteForByte) {
  const TPdfOptions options = SampleOptions(false);
  const std::string got = MakeDoc(&options, 1, [](TIOPdf& pdf, int) { TextAt(pdf, 28, 802, "Hallo (Welt)"); });

  std::string want =
      "%PDF-1.2\n%\xE2\xE3\xCF\xD3\n"
      "1 0 obj<</Producer(Tarnwell PDF)/CreationDate(D:20210305120000)/Title(Ergebnisse)"
      "/Author(Ortsgruppe Nord)/Creator(Tarnwell)/Keywords(Rettungsschwimmen)"
      "/Subject(Bezirksmeisterschaft - Einzelwettbewerb)>>endobj\n"
      "2 0 obj<</Type /Catalog/Pages 4 0 R/PageMode/UseNone/Outlines 3 0 R>>endobj\n"
      "3 0 obj<</Type /Outlines/Count 0>>endobj\n"
      "5 0 obj[/PDF/Text]endobj\n"
      "6 0 obj<</Type/Encoding/BaseEncoding/WinAnsiEncoding>>endobj\n"
      "7 0 obj<</Font <</F1 8 0 R/F2 9 0 R/F3 10 0 R/F4 11 0 R/F5 12 0 R/F6 13 0 R/F7 14 0 R"
      "/F8 15 0 R/F9 16 0 R/F10 17 0 R/F11 18 0 R/F12 19 0 R/F13 20 0 R/F14 21 0 R>>/ProcSet 5 0 R>>endobj\n" +
      kFontObjects +
      "22 0 obj<</Type/Page/Parent 4 0 R/Contents 23 0 R>>endobj\n"
      "23 0 obj<</Length 24 0 R /Filter []>>stream\n"
      "BT\n/F9 12 Tf\n1 0 0 1 28 802 Tm\nT* (Hallo \\(Welt\\)) Tj\nET\n"
      "endstream\nendobj\n"
      "24 0 obj\n57\nendobj\n"
      "4 0 obj<</Type /Pages/MediaBox [0 0 595 842]/Resources 7 0 R/Count 1/Kids [22 0 R]>>endobj\n";
  // The cross-reference table, from where the objects stand in the text above.
  const size_t xref = want.size();
  want += "xref\n0 25 \n0000000000 65535 f \n";
  for (int n = 1; n <= 24; ++n) {
    const size_t at = want.find("\n" + std::to_string(n) + " 0 obj") + 1;
    want += ZeroPadNumber(static_cast<int64_t>(at), 10) + " 00000 n \n";
  }
  want += "trailer\n<</Size 25/Root 2 0 R/Info 1 0 R>>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";

  EXPECT_EQ(got, want) << FirstDifference(got, want);
  EXPECT_EQ(ExpectValidXref(got), 25);
}

TEST(PdfWriter, BookkeepingAfterEachStep) {
  TYrMemoryStream stream;
  TIOPdf pdf(2100, 2970);
  EXPECT_EQ(pdf.WidthPt(), 595);
  EXPECT_EQ(pdf.HeightPt(), 842);
  EXPECT_EQ(pdf.ObjectCounter(), 1);
  EXPECT_FALSE(pdf.Options().Compress);
  EXPECT_TRUE(pdf.Options().Title.Empty());
  pdf.Begin(&stream);
  EXPECT_EQ(pdf.Offset(), 15);
  pdf.WriteFixedObjects();
  EXPECT_EQ(pdf.ObjectCounter(), 21);
  EXPECT_EQ(pdf.FirstPageObject(), 22);
  EXPECT_EQ(pdf.ObjectOffset(1), 15);
  pdf.NewPage();
  EXPECT_TRUE(pdf.InStream());
  pdf.WriteLn("0 0 0 RG");
  pdf.EndPage();
  EXPECT_FALSE(pdf.InStream());
  EXPECT_EQ(pdf.StreamLength(), 9);
  pdf.NewPage();
  pdf.EndPage();
  EXPECT_EQ(pdf.StreamLength(), 0);
  EXPECT_EQ(pdf.PageCount(), 2);
  EXPECT_EQ(pdf.PageObject(1), 22);
  EXPECT_EQ(pdf.PageObject(2), 25);
  EXPECT_EQ(pdf.ObjectCounter(), 27);
  EXPECT_EQ(pdf.Offset(), static_cast<int64_t>(stream.Data().size()));
}

TEST(PdfWriter, SecondPageIsObject25WithContents26AndLength27) {
  const std::string file = MakeDoc(nullptr, 2, [](TIOPdf& pdf, int page) {
    TextAt(pdf, 28, 802, "Seite " + std::to_string(page));
  });
  EXPECT_NE(file.find("\n25 0 obj<</Type/Page/Parent 4 0 R/Contents 26 0 R>>endobj\n"
                      "26 0 obj<</Length 27 0 R /Filter []>>stream\n"),
            std::string::npos);
  EXPECT_NE(file.find("\nendstream\nendobj\n27 0 obj\n50\nendobj\n4 0 obj"), std::string::npos);
  EXPECT_NE(file.find("/Count 2/Kids [22 0 R 25 0 R]>>endobj\nxref\n0 28 \n"), std::string::npos);
  EXPECT_NE(file.find("trailer\n<</Size 28/Root 2 0 R/Info 1 0 R>>\n"), std::string::npos);
  EXPECT_EQ(ExpectValidXref(file), 28);
}

TEST(PdfWriter, CompressedStreamLengthMatchesTheBytesBetweenStreamAndEndstream) {
  const TPdfOptions options = SampleOptions(true);
  const std::string file = MakeDoc(&options, 1, [](TIOPdf& pdf, int) {
    for (int i = 0; i < 60; ++i) {
      pdf.WriteLn("0.5 w");
      TextAt(pdf, 28, 800 - 12 * i, "Zeile " + std::to_string(i));
    }
  });
  const std::string dict = "23 0 obj<</Length 24 0 R /Filter [/FlateDecode ]>>stream\n";
  const size_t start = file.find(dict);
  ASSERT_NE(start, std::string::npos);
  const size_t data = start + dict.size();
  const size_t end = file.find("endstream\nendobj\n24 0 obj\n", data);
  ASSERT_NE(end, std::string::npos);
  const std::string compressed = file.substr(data, end - data);
  EXPECT_NE(file.find("24 0 obj\n" + std::to_string(compressed.size()) + "\nendobj\n"), std::string::npos)
      << "compressed size " << compressed.size();
  const std::string plain = Inflate(compressed);
  EXPECT_EQ(plain.substr(0, 44), "0.5 w\nBT\n/F9 12 Tf\n1 0 0 1 28 800 Tm\nT* (Zei");
  EXPECT_EQ(plain.substr(plain.size() - 20), "T* (Zeile 59) Tj\nET\n");
  EXPECT_EQ(plain.size(), 3409u);
  EXPECT_EQ(ExpectValidXref(file), 25);
}

TEST(PdfWriter, EveryFileReadsBackThroughQpdfAndPdftotext) {
  // CP1252 text with umlauts, sharp s and the characters that need escaping.
  struct Case { const char* name; bool compress; int pages; };
  const Case cases[] = {{"plain", false, 1}, {"deflated", true, 3}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PdfFile f(c.name);
    const TPdfOptions options = SampleOptions(c.compress);
    f.Write(&options, c.pages, [](TIOPdf& pdf, int page) {
      TextAt(pdf, 28, 802, "Pr\xFC" "fung \xE4\xF6\xFC\xC4\xD6\xDC\xDF Seite " + std::to_string(page));
      TextAt(pdf, 28, 780, "Zeit (gesamt): 1:02,35 \\ 100 m");
    });
    f.ExpectQpdfCheckPasses();
    const std::string text = f.Text();
    EXPECT_NE(text.find("Prüfung äöüÄÖÜß Seite 1"), std::string::npos) << text;
    EXPECT_NE(text.find("Zeit (gesamt): 1:02,35 \\ 100 m"), std::string::npos) << text;
    EXPECT_NE(text.find("Seite " + std::to_string(c.pages)), std::string::npos) << text;
    EXPECT_EQ(ExpectValidXref(f.Bytes()), 22 + 3 * c.pages);
  }
}

TEST(PdfWriter, InformationValuesAreEscaped) {
  TPdfOptions options = SampleOptions(true);
  options.Title = "Endlauf (Herren) C:\\";
  options.Author = "M\xFCller)";
  options.Subject = "(";
  const std::string file = MakeDoc(&options, 1, nullptr);
  EXPECT_NE(file.find("/Title(Endlauf \\(Herren\\) C:\\\\)/Author(M\xFCller\\))"), std::string::npos);
  EXPECT_NE(file.find("/Subject(\\()>>endobj\n"), std::string::npos);

  PdfFile f("info");
  f.Write(&options, 1, nullptr);
  f.ExpectQpdfCheckPasses();
  const std::string info = f.Info();
  EXPECT_NE(info.find("Endlauf (Herren) C:\\\n"), std::string::npos) << info;
  EXPECT_NE(info.find("Müller)\n"), std::string::npos) << info;
}

TEST(PdfWriter, TwoHundredFiftyPages) {
  PdfFile f("many");
  const TPdfOptions options = SampleOptions(true);
  f.Write(&options, 250, [](TIOPdf& pdf, int page) { TextAt(pdf, 28, 802, "Seite " + std::to_string(page)); });
  f.ExpectQpdfCheckPasses();
  EXPECT_NE(f.Info().find("Pages:           250\n"), std::string::npos);
  EXPECT_NE(f.Text(250).find("Seite 250"), std::string::npos);
  EXPECT_NE(f.Text(201).find("Seite 201"), std::string::npos);
  const std::string bytes = f.Bytes();
  EXPECT_EQ(ExpectValidXref(bytes), 22 + 3 * 250);
  EXPECT_NE(bytes.find("\n769 0 obj<</Type/Page/Parent 4 0 R/Contents 770 0 R>>"), std::string::npos);
}

TEST(PdfWriter, DocumentWithoutPagesIsStillWellFormed) {
  PdfFile f("empty");
  f.Write(nullptr, 0, nullptr);
  const std::string bytes = f.Bytes();
  EXPECT_NE(bytes.find("/Count 0/Kids []>>endobj\n"), std::string::npos);
  EXPECT_EQ(ExpectValidXref(bytes), 22);
  f.ExpectQpdfCheckPasses();
}

TEST(PdfWriter, WriteFailureReachesTheCaller) {
  for (bool compress : {false, true}) {
    for (int64_t limit : {0, 10, 300, 2000, 2600}) {
      SCOPED_TRACE(std::string(compress ? "deflated" : "plain") + " fails after " + std::to_string(limit));
      const TPdfOptions options = SampleOptions(compress);
      TYrMemoryStream stream;
      stream.FailAfter(limit);
      Build(stream, &options, 3, [](TIOPdf& pdf, int) {
        for (int i = 0; i < 40; ++i) TextAt(pdf, 28, 800 - 12 * i, "Zeile " + std::to_string(i));
      });
      EXPECT_EQ(stream.FirstError, 101);
      EXPECT_EQ(stream.Data().size(), static_cast<size_t>(limit));
    }
  }
}

TEST(PdfWriter, WriterDisposedInsideACompressedPageLeavesTheStreamAlone) {
  TYrMemoryStream stream;
  size_t before = 0;
  {
    const TPdfOptions options = SampleOptions(true);
    TIOPdf pdf(2100, 2970, &options);
    pdf.Begin(&stream);
    pdf.WriteFixedObjects();
    pdf.NewPage();
    pdf.WriteLn("BT");
    before = stream.Data().size();
  }
  EXPECT_EQ(stream.Data().size(), before);
}

TEST(PdfWriter, NumbersIgnoreTheGermanLocale) {
  const TPdfOptions options = SampleOptions(false);
  const PageFn content = [](TIOPdf& pdf, int page) { TextAt(pdf, 28, 802, "Seite " + std::to_string(page)); };
  const std::string inC = MakeDoc(&options, 12, content);
  if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "no German locale";
  char probe[16];
  std::snprintf(probe, sizeof probe, "%.1f", 12.5);
  const std::string inGerman = MakeDoc(&options, 12, content);
  std::setlocale(LC_ALL, "C");
  EXPECT_STREQ(probe, "12,5");
  EXPECT_EQ(inGerman, inC);
}

TEST(PdfWriter, PageSizeInPoints) {
  struct Case { int32_t w, h, wpt, hpt; };
  const Case cases[] = {{2100, 2970, 595, 842}, {2970, 2100, 842, 595}, {1480, 2100, 420, 595}, {2159, 2794, 612, 792}};
  for (const Case& c : cases) {
    TIOPdf pdf(c.w, c.h);
    EXPECT_EQ(pdf.WidthPt(), c.wpt) << c.w;
    EXPECT_EQ(pdf.HeightPt(), c.hpt) << c.h;
  }
}

// ---------------------------------------------------------------------------

TEST(PdfEscape, Table) {
  struct Case { std::string in, want; };
  const Case cases[] = {
      {"", ""},
      {"Zeit 1:02,35", "Zeit 1:02,35"},
      {"a\\b", "a\\\\b"},
      {"(x)", "\\(x\\)"},
      {"\\", "\\\\"},
      {"Gr\x94\xE1" "e", "Gr\xF6\xDF" "e"},  // DOS o umlaut and sharp s
      {"\x84\x94\x81\x8E\x99\x9A\xE1", "\xE4\xF6\xFC\xC4\xD6\xDC\xDF"},
      {"\xE4\xF6\xFC\xC4\xD6\xDC\xDF", "\xE4\xF6\xFC\xC4\xD6\xDC\xDF"},  // Windows letters stay
      {std::string("a\0b", 3), std::string("a\0b", 3)},
  };
  for (const Case& c : cases) EXPECT_EQ(PdfEscape(c.in), c.want) << c.in;
}

TEST(PdfEscape, CutAt255NeverInsideAnEscape) {
  EXPECT_EQ(PdfEscape(std::string(300, 'x')), std::string(255, 'x'));
  EXPECT_EQ(PdfEscape(std::string(254, 'x') + "(y"), std::string(254, 'x'));
  EXPECT_EQ(PdfEscape(std::string(253, 'x') + "(y"), std::string(253, 'x') + "\\(");
  EXPECT_EQ(PdfEscape(std::string(200, '\\')), std::string(254, '\\'));
}

TEST(PdfMetrics, CheckRows) {
  // byte, then Times-Roman, Times-Bold, Times-Italic, Times-BoldItalic, Helvetica, Helvetica-Bold.
  struct Row { uint8_t byte; int w[6]; };
  const Row rows[] = {
      {32, {250, 250, 250, 250, 278, 278}},  {'0', {500, 500, 500, 500, 556, 556}},
      {'A', {722, 722, 611, 667, 667, 722}}, {'W', {944, 1000, 833, 889, 944, 944}},
      {'a', {444, 500, 500, 500, 556, 556}}, {'i', {278, 278, 278, 278, 222, 278}},
      {228, {444, 500, 500, 500, 556, 556}}, {223, {500, 556, 500, 500, 611, 611}},
      {128, {500, 500, 500, 500, 558, 558}},
  };
  for (const Row& r : rows) {
    for (int k = 0; k < 6; ++k) {
      EXPECT_EQ(PdfTextWidth(std::string(1, static_cast<char>(r.byte)), 1000, 5 + k), r.w[k])
          << "byte " << int(r.byte) << " font " << 5 + k;
    }
  }
}

TEST(PdfMetrics, FixedEntries) {
  auto width = [](int font, int byte) { return PdfTextWidth(std::string(1, static_cast<char>(byte)), 1000, font); };
  for (int font = 5; font <= 14; ++font) {
    const bool helvetica = font >= 9 && font <= 12;
    EXPECT_EQ(width(font, 0), helvetica ? 278 : 250) << font;
    for (int b = 1; b <= 31; ++b) EXPECT_EQ(width(font, b), 0) << font << " " << b;
  }
  for (int font = 5; font <= 12; ++font) {
    for (int b : {127, 129, 141, 143, 144, 157}) EXPECT_EQ(width(font, b), 350) << font << " " << b;
    EXPECT_EQ(width(font, 149), 350) << font;
  }
  for (int font : {13, 14}) {
    for (int b = 127; b <= 160; ++b) EXPECT_EQ(width(font, b), 0) << font << " " << b;
    EXPECT_EQ(width(font, 240), 0);
    EXPECT_EQ(width(font, 255), 0);
  }
  // A few built-in-encoding glyphs: Symbol alpha and summation, ZapfDingbats a1 and a191.
  EXPECT_EQ(width(13, 'a'), 631);
  EXPECT_EQ(width(13, 229), 713);
  EXPECT_EQ(width(14, '!'), 974);
  EXPECT_EQ(width(14, 254), 918);
  for (int b = 0; b < 256; ++b) {
    EXPECT_EQ(width(11, b), width(9, b)) << b;
    EXPECT_EQ(width(12, b), width(10, b)) << b;
  }
}

TEST(PdfMetrics, TextWidth) {
  EXPECT_DOUBLE_EQ(PdfTextWidth("Wi", 100, 9), 116.6);
  EXPECT_DOUBLE_EQ(PdfTextWidth("Wi", 100, 1), 120);
  EXPECT_DOUBLE_EQ(PdfTextWidth("", 100, 9), 0);
  EXPECT_DOUBLE_EQ(PdfTextWidth(std::string("a\x01\x1F\0", 4), 100, 4), 120);  // bytes 1..31 are 0 wide
  EXPECT_DOUBLE_EQ(PdfTextWidth("Wi", 100, 0), 120);                           // unknown font: Courier
  EXPECT_DOUBLE_EQ(PdfTextWidth("Wi", 100, 15), 120);
  EXPECT_DOUBLE_EQ(PdfTextWidth("M\xFCller", 43, 5), 43.0 * (889 + 500 + 278 + 278 + 444 + 333) / 1000);
}

TEST(PdfMetrics, HeightsAndPoints) {
  EXPECT_DOUBLE_EQ(PdfLineHeight(43, 9), 39.775);
  EXPECT_DOUBLE_EQ(PdfCapHeight(43, 9), 39.775);
  EXPECT_DOUBLE_EQ(PdfLineHeight(100, 1), 78.6);
  EXPECT_DOUBLE_EQ(PdfCapHeight(100, 1), 71.9);
  EXPECT_DOUBLE_EQ(PdfLineHeight(100, 5), 90.0);
  EXPECT_DOUBLE_EQ(PdfCapHeight(100, 8), 87.4);
  EXPECT_DOUBLE_EQ(PdfLineHeight(100, 99), 78.6);
  EXPECT_DOUBLE_EQ(TenthMmToPt(254), 72.0);
  EXPECT_DOUBLE_EQ(TenthMmToPt(2100), 151200.0 / 254);
  EXPECT_DOUBLE_EQ(TenthMmToPt(-127), -36.0);
  // The font size the PDF device derives for Helvetica at 43 tenths.
  EXPECT_NEAR(TenthMmToPt(43) * PdfCapHeight(43, 9) / PdfLineHeight(43, 9), 12.189, 0.0005);
  EXPECT_STREQ(PdfFontInfo(14).BaseFont, "ZapfDingbats");
  EXPECT_EQ(PdfFontInfo(0).Object, 8);
}

TEST(PdfDate, FromTheInjectedClock) {
  TYrClock old = SetClock([] { return MakeDateTime(2021, 3, 5, 17, 45, 12); });
  const std::string a = PdfDateString();
  SetClock([] { return MakeDateTime(1999, 12, 31, 23, 59, 59); });
  const std::string b = PdfDateString();
  SetClock(old);
  EXPECT_EQ(a, "D:20210305120000");
  EXPECT_EQ(b, "D:19991231120000");
}

TEST(PdfDate, ZeroPadNumber) {
  struct Case { int64_t n; int digits; const char* want; };
  const Case cases[] = {{7, 3, "007"}, {12345, 3, "12345"}, {0, 10, "0000000000"}, {1234567, 10, "0001234567"}, {5, 0, "5"}};
  for (const Case& c : cases) EXPECT_EQ(ZeroPadNumber(c.n, c.digits), c.want) << c.n;
}
