// A captioned group of radio items with one item index, as the tabs use them
// (`RadioGroupProste`, `RadioGroupTypWalc`, ...). The items are radio buttons named
// `<group>_<index>`; a click on one (or setItemIndex) emits clicked(index).
#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QStringList>

class QGridLayout;

namespace tarvik::ui {

class RadioGroup : public QGroupBox {
  Q_OBJECT

 public:
  RadioGroup(const QString& objectName, const QString& caption, const QStringList& items,
             int columns = 1, QWidget* parent = nullptr);

  // new items (the index goes to 0 unless told), as the tabs refill their variant groups
  void setItems(const QStringList& items, int index = 0);
  QStringList items() const;
  // a new caption for one item, its state kept
  void setItemText(int index, const QString& text);
  int itemIndex() const;
  // selects the item without emitting clicked
  void setItemIndex(int index);
  void setColumns(int columns);
  // an item that cannot be chosen, with the reason as its tooltip (empty: none)
  void setItemEnabled(int index, bool enabled, const QString& tooltip = {});
  bool itemEnabled(int index) const;

 signals:
  void clicked(int index);

 private:
  QButtonGroup* buttons_;
  QGridLayout* grid_;
  int columns_;
};

}  // namespace tarvik::ui
