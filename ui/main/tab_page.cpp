#include "ui/main/tab_page.h"

#include <QLabel>
#include <QVBoxLayout>

namespace tarvik::ui {

QLabel* TabPage::Naglowek(const QString& text, const QString& objectName) {
  auto* heading = new QLabel(text, this);
  heading->setObjectName(objectName);
  QFont bold = heading->font();
  bold.setBold(true);
  heading->setFont(bold);
  return heading;
}

TabPlaceholder::TabPlaceholder(const QString& objectName, const QString& heading,
                               QWidget* parent)
    : TabPage(parent) {
  setObjectName(objectName);
  QLabel* title = Naglowek(heading, objectName + "Naglowek");
  auto* coming = new QLabel("Ta rodzina przekrojów będzie dostępna w jednej z następnych wersji.",
                            this);
  coming->setObjectName(objectName + "Wkrotce");
  coming->setWordWrap(true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(title);
  layout->addWidget(coming);
  layout->addStretch(1);
}

}  // namespace tarvik::ui
