#include "ui/main/combo_lists.h"

#include <QComboBox>

namespace tarvik::ui {

QStringList Items(const std::vector<std::string>& list) {
  QStringList items;
  for (const std::string& s : list) items << QString::fromStdString(s);
  return items;
}

void Refill(QComboBox* combo, const QStringList& items, bool keep) {
  const QString previous = combo->currentText().trimmed();
  combo->clear();
  combo->addItems(items);
  int index = items.isEmpty() ? -1 : 0;
  for (int i = 0; keep && i < items.size(); ++i)
    if (items[i].trimmed() == previous) index = i;
  combo->setCurrentIndex(index);
}

}  // namespace tarvik::ui
