// One page of the main window's tab control. The window owns the recompute cycle: a page
// emits przelicz() after it has put a confirmed value into one of its controls, and the
// window then asks the page for its part of the selection record.
#pragma once

#include <QWidget>

class QLabel;

#include "engine/messages.h"
#include "generators/generator.h"
#include "generators/selection.h"
#include "io/tab_fields.h"

namespace tarvik::ui {

class TabPage : public QWidget {
  Q_OBJECT

 public:
  using QWidget::QWidget;

  // the page's show handler: arranges its controls; the window then sets the section kind
  // and runs the recompute cycle
  virtual void Show() {}
  // the recompute cycle's step for this page's kind: its choices and texts into the record
  virtual void FillSelection(Selection& s) = 0;
  // the main-window settings that this page owns ("Wzory ścisłe", corner count, ...)
  virtual void FillSettings(GeneratorSettings&) const {}
  // the page's choice as a section file keeps it (its texts as typed); false for a page that
  // keeps none
  virtual bool Choice(TabChoice&) { return false; }
  // a read file's choice into the page's controls
  virtual void SetChoice(const TabChoice&) {}
  // after each recompute: the spacings a set of profiles used [mm], negative where none
  virtual void SpacingsUsed(double /*horizontal*/, double /*vertical*/) {}

 protected:
  // the page's bold heading, a label of the page named objectName
  QLabel* Naglowek(const QString& text, const QString& objectName);

 signals:
  // a confirmed change (a list or radio choice, an up/down click): recompute
  void przelicz();
  // Enter in one of the page's numeric edits: recompute, then the focus moves on
  void entered();
  // the page made something worth saving (the window's save-question flag)
  void doZapisu();
  // something the page refused, for the window's message window
  void komunikat(const tarvik::Komunikat& message);
};

}  // namespace tarvik::ui
