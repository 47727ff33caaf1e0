#include "RadioGroup.h"

#include <algorithm>

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

#include "GroupKeys.h"

RadioGroup::RadioGroup(const QString& objectName, const QString& caption, const QStringList& items, int columns,
                       QWidget* parent)
    : QGroupBox(caption, parent), buttons_(new QButtonGroup(this)) {
  setObjectName(objectName);
  auto* layout = new QGridLayout(this);
  columns = std::max(1, columns);
  const int perColumn = std::max<int>(1, (static_cast<int>(items.size()) + columns - 1) / columns);
  for (int i = 0; i < items.size(); ++i) {
    auto* button = new QRadioButton(items[i], this);
    button->setObjectName(objectName + QStringLiteral("_%1").arg(i));
    buttons_->addButton(button, i);
    layout->addWidget(button, i % perColumn, i / perColumn);
  }
  // One stop of the Tab key: the chosen item.
  new ChoiceTabStop(buttons_->buttons(), this);
  connect(buttons_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
    if (checked) emit Clicked(id);
  });
}

int RadioGroup::ItemIndex() const { return buttons_->checkedId(); }

void RadioGroup::SetItemIndex(int index) {
  if (QAbstractButton* button = buttons_->button(index)) {
    button->setChecked(true);
    return;
  }
  // An exclusive group keeps one button checked; none is a choice here.
  if (QAbstractButton* checked = buttons_->checkedButton()) {
    buttons_->setExclusive(false);
    checked->setChecked(false);
    buttons_->setExclusive(true);
  }
}

int RadioGroup::Count() const { return static_cast<int>(buttons_->buttons().size()); }

QRadioButton* RadioGroup::Button(int index) const {
  return qobject_cast<QRadioButton*>(buttons_->button(index));
}
