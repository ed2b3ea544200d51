#include "ui/main/radio_group.h"

#include <QGridLayout>
#include <QRadioButton>

namespace tarvik::ui {

RadioGroup::RadioGroup(const QString& objectName, const QString& caption,
                       const QStringList& items, int columns, QWidget* parent)
    : QGroupBox(caption, parent),
      buttons_(new QButtonGroup(this)),
      grid_(new QGridLayout(this)),
      columns_(columns) {
  setObjectName(objectName);
  grid_->setContentsMargins(6, 2, 6, 4);
  grid_->setVerticalSpacing(1);
  connect(buttons_, &QButtonGroup::idClicked, this, &RadioGroup::clicked);
  setItems(items);
}

void RadioGroup::setItems(const QStringList& items, int index) {
  for (QAbstractButton* b : buttons_->buttons()) {
    buttons_->removeButton(b);
    delete b;
  }
  const int rows = (items.size() + columns_ - 1) / std::max(columns_, 1);
  for (int i = 0; i < items.size(); ++i) {
    auto* b = new QRadioButton(items[i], this);
    b->setObjectName(objectName() + "_" + QString::number(i));
    buttons_->addButton(b, i);
    grid_->addWidget(b, i % std::max(rows, 1), i / std::max(rows, 1));
  }
  setItemIndex(index);
}

QStringList RadioGroup::items() const {
  QStringList list;
  for (QAbstractButton* b : buttons_->buttons()) list << b->text();
  return list;
}

void RadioGroup::setItemText(int index, const QString& text) {
  if (QAbstractButton* b = buttons_->button(index)) b->setText(text);
}

int RadioGroup::itemIndex() const { return buttons_->checkedId(); }

void RadioGroup::setItemIndex(int index) {
  if (QAbstractButton* b = buttons_->button(index)) b->setChecked(true);
}

void RadioGroup::setItemEnabled(int index, bool enabled, const QString& tooltip) {
  if (QAbstractButton* b = buttons_->button(index)) {
    b->setEnabled(enabled);
    b->setToolTip(enabled ? QString() : tooltip);
  }
}

bool RadioGroup::itemEnabled(int index) const {
  const QAbstractButton* b = buttons_->button(index);
  return b && b->isEnabled();
}

void RadioGroup::setColumns(int columns) {
  columns_ = columns;
  setItems(items(), itemIndex());
}

}  // namespace tarvik::ui
