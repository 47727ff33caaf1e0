#include "ParticipantGrid.h"

#include <algorithm>

#include <QAbstractButton>
#include <QFontInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionHeader>

#include "OemText.h"
#include "VkBasis.h"
#include "VkAltersk.h"
#include "VkFile.h"
#include "VkSpalten.h"
#include "VkWettk.h"

// --- model

TParticipantGridModel::TParticipantGridModel(QObject* parent) : QAbstractTableModel(parent) {}

void TParticipantGridModel::ShowAgeClass(const TVkFile* document, int ageClassIndex) {
  beginResetModel();
  document_ = document;
  index_ = ageClassIndex;
  rows_ = cols_ = 0;
  if (const TAltersklasse* ak = AgeClass()) {
    individual_ = document_->Competition()->IsIndividual();
    cpr_ = ak->HasCpr();
    cols_ = 5 * ak->DisciplineCount() + 4 + (cpr_ ? 1 : 0) + (individual_ ? 2 : 0);
    rows_ = ak->GetCount() + 2;
  }
  endResetModel();
}

TAltersklasse* TParticipantGridModel::AgeClass() const { return document_ ? document_->AgeClass(index_) : nullptr; }

int16_t TParticipantGridModel::ShownColumn(int col) const {
  if (col < 0 || col >= cols_) return -1;
  if (cpr_ && col == cols_ - 1) return VkSpalten::kColCpr;
  return ListIndexToColumn(static_cast<int16_t>(col), individual_);
}

QString TParticipantGridModel::CellText(int row, int col) const {
  const TAltersklasse* ak = AgeClass();
  const int16_t column = ShownColumn(col);
  if (!ak || column < 0) return QString();
  return FromOem(ak->CellText(row, column));
}

int TParticipantGridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int TParticipantGridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : cols_; }

QVariant TParticipantGridModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid()) return QVariant();
  return CellText(index.row(), index.column());
}

QVariant TParticipantGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role == Qt::TextAlignmentRole) return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
  if (role != Qt::DisplayRole) return QVariant();
  return orientation == Qt::Horizontal ? CellText(0, section) : CellText(section, 0);
}

Qt::ItemFlags TParticipantGridModel::flags(const QModelIndex& index) const {
  return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

// --- delegate

void TParticipantGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                     const QModelIndex& index) const {
  QStyleOptionViewItem opt(option);
  initStyleOption(&opt, index);
  const bool selected = (opt.state & (QStyle::State_Selected | QStyle::State_HasFocus)) != 0;
  painter->save();
  painter->setClipRect(opt.rect);
  if (selected) painter->fillRect(opt.rect, opt.palette.brush(QPalette::Active, QPalette::Highlight));
  painter->setPen(opt.palette.color(QPalette::Active, selected ? QPalette::HighlightedText : QPalette::Text));
  painter->setFont(opt.font);
  painter->drawText(opt.rect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, opt.text);
  painter->restore();
}

// --- view

TDrawGrid::TDrawGrid(QWidget* parent) : QTableView(parent), model_(this), delegate_(this) {
  setObjectName(QStringLiteral("DrawGrid"));
  setModel(&model_);
  setItemDelegate(&delegate_);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::ContiguousSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setFrameShape(QFrame::NoFrame);
  setShowGrid(true);
  setWordWrap(false);
  setTabKeyNavigation(false);
  setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  // The corner is the caption of the place column; it selects nothing.
  setCornerButtonEnabled(false);
  for (QHeaderView* h : {horizontalHeader(), verticalHeader()}) {
    h->setSectionsClickable(false);
    h->setHighlightSections(false);
    h->setSectionResizeMode(QHeaderView::Fixed);
    h->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  }
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  if (auto* corner = findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly))
    corner->installEventFilter(this);
  connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this] { emit CurrentCellChanged(); });
  connect(this, &QAbstractItemView::doubleClicked, this, &TDrawGrid::EditRequested);
  // The place column is the vertical header: a double click there edits too.
  connect(verticalHeader(), &QHeaderView::sectionDoubleClicked, this, [this](int row) {
    SetCurrent(row, Col());
    emit EditRequested();
  });
}

void TDrawGrid::ShowAgeClass(const TVkFile* document, int ageClassIndex) {
  const int row = Row();
  const int col = Col();
  model_.ShowAgeClass(document, ageClassIndex);
  if (model_.rowCount() > 0) {
    setRowHidden(0, true);
    setColumnHidden(0, true);
  }
  SetWidths();
  SetCurrent(row, col);
  viewport()->update();
}

namespace {

// Deductions and CPR points show status codes ("####", "n.er.") instead of
// numbers.
bool ShowsStatusCodes(int16_t column) {
  using namespace VkSpalten;
  int d;
  DisciplineField field;
  return column == kColCpr || (SplitDisciplineColumn(column, d, field) && field == DisciplineField::Deduction);
}

// The widest status text as the delegate draws it: 2 pixels in, as many out.
int StatusTextWidth(const QFontMetrics& metrics) {
  int widest = 0;
  for (int32_t code : {-1, -2, -3, -4, -5, -6, -100})
    widest = std::max(widest, metrics.horizontalAdvance(FromOem(CodeToText(code))));
  return widest + 4;
}

}  // namespace

void TDrawGrid::SetWidths() {
  const QFontInfo info(font());
  const int pointSize = info.pointSize() > 0 ? info.pointSize() : 9;
  const int statusWidth = StatusTextWidth(fontMetrics());
  for (int c = 0; c < model_.columnCount(); ++c) {
    const int16_t column = model_.ShownColumn(c);
    const int width = ColumnWidth(column) * pointSize;
    setColumnWidth(c, ShowsStatusCodes(column) ? std::max(width, statusWidth) : width);
  }
  verticalHeader()->setFixedWidth(ColumnWidth(model_.ShownColumn(0)) * pointSize);
}

int TDrawGrid::Row() const { return currentIndex().isValid() ? currentIndex().row() : 0; }

int TDrawGrid::Col() const { return currentIndex().isValid() ? currentIndex().column() : 0; }

void TDrawGrid::SetCurrent(int row, int col) {
  if (model_.rowCount() < 2 || model_.columnCount() < 2) return;
  row = std::clamp(row, 1, model_.rowCount() - 1);
  col = std::clamp(col, 1, model_.columnCount() - 1);
  selectionModel()->setCurrentIndex(model_.index(row, col), QItemSelectionModel::ClearAndSelect);
  scrollTo(model_.index(row, col));
}

void TDrawGrid::SelectRow(int row) {
  SetCurrent(row, 1);
  row = Row();
  if (row < 1) return;
  selectionModel()->select(QItemSelection(model_.index(row, 1), model_.index(row, model_.columnCount() - 1)),
                           QItemSelectionModel::ClearAndSelect);
}

GridRect TDrawGrid::Selection() const {
  GridRect r;
  if (model_.rowCount() < 2 || model_.columnCount() < 2) return r;
  const QItemSelection selection = selectionModel()->selection();
  if (selection.isEmpty()) {
    if (Row() < 1 || Col() < 1) return r;
    return {Col(), Row(), Col(), Row()};
  }
  r = {model_.columnCount(), model_.rowCount(), 0, 0};
  for (const QItemSelectionRange& range : selection) {
    r.left = std::min(r.left, range.left());
    r.top = std::min(r.top, range.top());
    r.right = std::max(r.right, range.right());
    r.bottom = std::max(r.bottom, range.bottom());
  }
  // Select-all takes the hidden caption row and place column along.
  r.left = std::max(r.left, 1);
  r.top = std::max(r.top, 1);
  return r;
}

QString TDrawGrid::SelectionText() const {
  const GridRect r = Selection();
  QString text;
  for (int row = r.top; row <= r.bottom; ++row) {
    for (int col = r.left; col <= r.right; ++col) text += model_.CellText(row, col) + u'\t';
    text += QStringLiteral("\r\n");
  }
  return text;
}

void TDrawGrid::keyPressEvent(QKeyEvent* event) {
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
      (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    emit EditRequested();
    return;
  }
  QTableView::keyPressEvent(event);
}

bool TDrawGrid::eventFilter(QObject* watched, QEvent* event) {
  auto* corner = qobject_cast<QAbstractButton*>(watched);
  if (!corner || event->type() != QEvent::Paint) return QTableView::eventFilter(watched, event);
  // The corner carries the caption of the place column like any other caption.
  QPainter painter(corner);
  QStyleOptionHeader opt;
  opt.initFrom(corner);
  // The corner button is disabled (it selects nothing) but looks like the other captions.
  opt.state |= QStyle::State_Enabled;
  opt.palette = horizontalHeader()->palette();
  opt.rect = corner->rect();
  opt.position = QStyleOptionHeader::OnlyOneSection;
  opt.text = model_.CellText(0, 0);
  opt.textAlignment = Qt::AlignLeft | Qt::AlignVCenter;
  style()->drawControl(QStyle::CE_Header, &opt, &painter, corner);
  return true;
}
