// The participant grid of the main window: the participants of one age class
// of the open document as a table, one row per participant in ranking order.
//
// Grid coordinates are those of the table the user sees and of every caller:
// row 0 holds the column captions, row r (1..n) participant r-1, row n+1 is
// the empty row for a new entry; column 0 is the place. The caption row and
// the place column are fixed: the view shows them as its headers (model row 0
// and column 0 are hidden as cells), so they stay in sight while scrolling
// and are never part of the current cell or a selection.
//
// The model keeps no data and no pointer into the competition: it holds the
// document and an age-class index and asks the document for the class at
// every cell, so a class replaced or deleted by a document operation is never
// touched. Its row and column counts are fixed at each ShowAgeClass (Qt wants
// them stable between resets); the window calls it after every change.
//
// Cells are read-only: results are entered in the participant dialog (Enter
// or a double click), never in the grid. Letters typed in the grid do not
// move the current row (no search by first letters): the Enter that may
// follow must open the participant the user was on.
#pragma once

#include <cstdint>

#include <QAbstractTableModel>
#include <QStyledItemDelegate>
#include <QTableView>

class TAltersklasse;
class TVkFile;

class TParticipantGridModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit TParticipantGridModel(QObject* parent = nullptr);

  // Shows the document's age class at index (none for nullptr or an index
  // outside the classes: no rows, no columns). Resets the model.
  void ShowAgeClass(const TVkFile* document, int ageClassIndex);
  // The class shown, asked anew; nullptr when none.
  TAltersklasse* AgeClass() const;

  // The participant-table column shown at grid column col: ListIndexToColumn,
  // the CPR column at the last grid column of a class that scores CPR.
  int16_t ShownColumn(int col) const;
  // The screen text of a cell; row 0 gives the captions; empty outside.
  QString CellText(int row, int col) const;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 private:
  const TVkFile* document_ = nullptr;
  int index_ = 0;
  int rows_ = 0;
  int cols_ = 0;
  bool individual_ = true;
  bool cpr_ = false;
};

// Draws every cell as the grid always did: the text clipped to the cell, 2
// pixels from its left edge, vertically centred; the current cell in the
// selection colours. Offers no editor.
class TParticipantGridDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QWidget* createEditor(QWidget*, const QStyleOptionViewItem&, const QModelIndex&) const override { return nullptr; }
};

// A rectangle of grid cells, both corners included.
struct GridRect {
  int left = 0;
  int top = 0;
  int right = -1;
  int bottom = -1;
  bool operator==(const GridRect&) const = default;
};

// The grid ("DrawGrid"): the view over the model with its delegate.
class TDrawGrid : public QTableView {
  Q_OBJECT

 public:
  explicit TDrawGrid(QWidget* parent = nullptr);

  TParticipantGridModel& Model() { return model_; }
  const TParticipantGridModel& Model() const { return model_; }

  // Shows the age class: columns, rows and widths anew (a column is
  // ColumnWidth characters times the font's size in points, one that shows
  // status codes at least as wide as the widest of them); the current cell
  // stays where it was, held within rows 1..n+1 and columns 1..last.
  void ShowAgeClass(const TVkFile* document, int ageClassIndex);

  int ColCount() const { return model_.columnCount(); }
  // The current cell; 0 when there is none.
  int Row() const;
  int Col() const;
  // Moves the current cell there (held within the cells); the selection
  // becomes that cell.
  void SetCurrent(int row, int col);
  // The current cell := column 1 of the row, the selection := the whole row.
  void SelectRow(int row);
  // The selected cells as one rectangle (the selection is always one); the
  // current cell when nothing is selected; empty (right < left) without cells.
  GridRect Selection() const;
  // The selection as text for the clipboard: each cell's text followed by a
  // TAB, each row followed by CR LF. No NUL at the end: on the Windows
  // clipboard that byte only ends the C string, it is not part of the text.
  QString SelectionText() const;

 signals:
  // The current cell moved (by the user or the program).
  void CurrentCellChanged();
  // A double click on a row, or Enter that no command took (the edit
  // command is off on the empty row, where Enter still opens a new
  // participant).
  void EditRequested();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyboardSearch(const QString&) override {}
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void SetWidths();
  TParticipantGridModel model_;
  TParticipantGridDelegate delegate_;
};
