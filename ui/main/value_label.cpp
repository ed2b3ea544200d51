#include "ui/main/value_label.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace tarvik::ui {
namespace {

// a value label's accessible interface: static text named by caption and value. QLabel itself
// announces NameChanged on every setText while no fixed accessible name is set, so a screen
// reader hears the new value
class AccessibleValue : public QAccessibleWidget {
 public:
  explicit AccessibleValue(ValueLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

  QString text(QAccessible::Text t) const override {
    const auto* label = static_cast<const ValueLabel*>(widget());
    if (t == QAccessible::Name && label->accessibleName().isEmpty()) return label->accessibleText();
    if (t == QAccessible::Value) return label->text();
    return QAccessibleWidget::text(t);
  }
};

QAccessibleInterface* ValueFactory(const QString& className, QObject* object) {
  if (className == QLatin1String(ValueLabel::staticMetaObject.className()))
    return new AccessibleValue(static_cast<ValueLabel*>(object));
  return nullptr;
}

}  // namespace

ValueLabel::ValueLabel(QLabel* caption, QWidget* parent) : QLabel(parent), caption_(caption) {
  [[maybe_unused]] static const bool installed = (QAccessible::installFactory(ValueFactory), true);
  if (caption) caption->setBuddy(this);
}

QString ValueLabel::accessibleText() const {
  const QString caption = caption_ ? caption_->text().simplified() : QString();
  return caption.isEmpty() ? text() : caption + " " + text();
}

}  // namespace tarvik::ui
