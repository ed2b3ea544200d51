#include "ui/main/tab_page.h"

#include <QLabel>

namespace tarvik::ui {

QLabel* TabPage::Naglowek(const QString& text, const QString& objectName) {
  auto* heading = new QLabel(text, this);
  heading->setObjectName(objectName);
  QFont bold = heading->font();
  bold.setBold(true);
  heading->setFont(bold);
  return heading;
}

}  // namespace tarvik::ui
