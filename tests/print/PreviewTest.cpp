#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QToolBar>
#include <QToolButton>

#include "CodePage.h"
#include "Hints.h"
#include "QtTestApp.h"
#include "ScriptedDesktop.h"
#include "TestData.h"
#include "YrPrev.h"

namespace {

struct Pages : TYrPrintDoc {
  Pages() : TYrPrintDoc(Oem("Vk - Ausdruck für Jürgen")) {
    for (int p = 1; p <= 3; ++p)
      AppendPage().AddText(100, 100, 2000, 150, Oem("Seite " + std::to_string(p) + " – Größe Süd"), kFaceArial, 50,
                           kAlignDefault, kStyleBold);
  }
};

void Click(QDialog& d, const char* name) { QTest::mouseClick(d.findChild<QToolButton*>(name), Qt::LeftButton); }

// Types into an edit and leaves it with Return.
void Type(QDialog& d, const char* name, const QString& text) {
  QLineEdit* edit = d.findChild<QLineEdit*>(name);
  edit->selectAll();
  QTest::keyClicks(edit, text);
  QTest::keyClick(edit, Qt::Key_Return);
}

QString Text(QDialog& d, const char* name) {
  if (auto* edit = d.findChild<QLineEdit*>(name)) return edit->text();
  return d.findChild<QLabel*>(name)->text();
}

}  // namespace

TEST(PreviewWindow, PagesWithButtonsKeysAndThePageEditThenPrints) {
  ScriptedDesktop desk;
  Pages doc;
  std::vector<int> pages;
  desk.AnswerDialog("TPreviewForm", mrCancel, [&](QDialog& d) {
    auto& form = static_cast<TPreviewForm&>(d);
    EXPECT_EQ(std::tuple(d.windowTitle(), Text(d, "Label1"), Text(d, "Label2"), Text(d, "PageEdit")),
              std::tuple(QString::fromUtf8("Seitenansicht - Vk - Ausdruck für Jürgen"), "Seite", "von 3", "1"));
    // The speed bar's buttons as shown (or in its overflow menu on a narrow
    // screen): name, caption and the two parts of the hint.
    QStringList buttons;
    QToolBar* bar = d.findChild<QToolBar*>("SpeedBar1");
    for (QAction* a : bar->actions()) {
      auto* b = static_cast<QToolButton*>(bar->widgetForAction(a));
      if (a->isVisible()) buttons << b->objectName() + ":" + b->text() + "|" + b->toolTip() + "|" + LongHint(Hint(b));
    }
    testdata::ExpectDataFile(buttons.join('\n').toStdString() + "\n", "print/preview-buttons.txt");
    auto page = [&] {
      pages.push_back(form.CurrentPage());
      EXPECT_EQ(Text(d, "PageEdit").toInt(), pages.back());
    };
    Click(d, "PrevPageBtn"), page();
    for (const char* b : {"NextPageBtn", "NextPageBtn", "NextPageBtn", "PrevPageBtn", "FirstPageBtn", "LastPageBtn"})
      Click(d, b), page();
    for (Qt::Key k : {Qt::Key_PageUp, Qt::Key_PageUp, Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_End, Qt::Key_Home})
      QTest::keyClick(&d, k), page();
    for (const char* typed : {"2", "99", "0", "x"}) Type(d, "PageEdit", typed), page();
    EXPECT_EQ(desk.beeps, 1);
    Click(d, "PrintBtn");
  });
  EXPECT_EQ(ShowPreview(&doc, 2100, 2970), TPreviewForm::kPrintResult);
  EXPECT_EQ(pages, (std::vector<int>{1, 2, 3, 3, 2, 1, 3, 2, 1, 1, 2, 3, 1, 2, 3, 1, 1}));
}

TEST(PreviewWindow, ZoomStaysWithin10And800AndFitsThePage) {
  ScriptedDesktop desk;
  Pages doc;
  desk.AnswerDialog("TPreviewForm", mrCancel, [&](QDialog& d) {
    auto& form = static_cast<TPreviewForm&>(d);
    QWidget* box = d.findChild<QWidget*>("PaintBox1");
    QScrollArea* scroll = d.findChild<QScrollArea*>("ScrollBox1");
    // Opened zoomed to fit the window, with 15 pixels around the page; one
    // percent more would not fit.
    const QSize room = scroll->viewport()->size();
    EXPECT_TRUE(box->height() + 30 <= room.height() && box->height() + 40 > room.height())
        << box->height() << " in " << room.height();
    std::vector<std::string> zooms;
    auto zoom = [&] { zooms.push_back(Text(d, "ZoomEdit").toStdString() + "=" + std::to_string(form.Zoom())); };
    Type(d, "ZoomEdit", "100"), zoom();
    EXPECT_EQ(std::tuple(box->width(), box->height(), Text(d, "InfoLabel")),
              std::tuple(634, 895, "(Seite: 2100x2970) PaintBox: 634/895"));
    Type(d, "ZoomEdit", "5"), zoom();
    Click(d, "ZoomOutBtn"), zoom();
    Click(d, "ZoomInBtn"), zoom();
    Type(d, "ZoomEdit", "1000"), zoom();
    Click(d, "ZoomInBtn"), zoom();
    QTest::keyClick(&d, Qt::Key_Minus), zoom();
    Type(d, "ZoomEdit", "abc"), zoom();
    EXPECT_EQ(zooms, (std::vector<std::string>{"100=100", "10=10", "10=10", "20=20", "800=800", "800=800", "790=790",
                                               "790=790"}));
    Click(d, "ZoomToWidthBtn");
    QCoreApplication::processEvents();
    const int width = scroll->viewport()->width();
    EXPECT_TRUE(box->width() + 30 <= width && box->width() + 37 > width) << box->width() << " in " << width;
    Click(d, "ExitBtn");
  });
  EXPECT_EQ(ShowPreview(&doc, 2100, 2970), mrCancel);

  // Without a document: an empty one of the window's own, on A4.
  desk.AnswerDialog("TPreviewForm", mrCancel, [](QDialog& d) {
    EXPECT_EQ(std::tuple(d.windowTitle(), Text(d, "Label2"), Text(d, "PageEdit")),
              std::tuple("Seitenansicht - leer", "von 0", "0"));
    Click(d, "NextPageBtn");
    QTest::keyClick(&d, Qt::Key_Escape);
  });
  EXPECT_EQ(ShowPreview(nullptr, 0, 0), mrCancel);
}
