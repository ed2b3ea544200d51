#include "ui/main/tab_page.h"

#include <QLabel>
#include <QVBoxLayout>

namespace tarvik::ui {

TabPlaceholder::TabPlaceholder(const QString& objectName, const QString& heading,
                               QWidget* parent)
    : TabPage(parent) {
  setObjectName(objectName);
  auto* title = new QLabel(heading, this);
  title->setObjectName(objectName + "Naglowek");
  QFont bold = title->font();
  bold.setBold(true);
  title->setFont(bold);
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
