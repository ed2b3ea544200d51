// The modal message window and the message sink that shows generator messages in it.
#pragma once

#include <QDialog>

#include "engine/messages.h"

class QLabel;
class QPushButton;

namespace tarvik::ui {

// TFormBlad: the title as caption, the text on a panel coloured by the title ("BŁĄD" red,
// "UWAGA" lime, "PYTANIE" yellow, anything else aqua), an optional second line, one or two
// buttons
class TFormBlad : public QDialog {
  Q_OBJECT

 public:
  TFormBlad(const Komunikat& message, const QColor& windowColour, QWidget* parent = nullptr);
};

// the panel's colours for a title: background and text
std::pair<QColor, QColor> KoloryTytulu(const QString& title);

// shows the message modally; true when the first button was pressed
bool PokazKomunikat(QWidget* parent, const Komunikat& message, const QColor& windowColour);

// generator and engine messages into the message window
class DialogSink : public MessageSink {
 public:
  DialogSink(QWidget* parent, QColor windowColour) : parent_(parent), colour_(windowColour) {}
  int show(const Komunikat& message) override;

 private:
  QWidget* parent_;
  QColor colour_;
};

}  // namespace tarvik::ui
