// The "Złożone" page: a section built of several profiles. The component rules live in the
// editor (generators/composite_editor.h); this page only maps its controls to the editor's
// calls and shows what they leave behind.
#pragma once

#include <functional>

#include "generators/composite_editor.h"
#include "ui/main/tab_page.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tarvik::ui {

class PanelRuchu;

class TabZlozone : public TabPage {
  Q_OBJECT

 public:
  explicit TabZlozone(QWidget* parent = nullptr);

  // the window's editor on the window's model, and its question window (the answer: 1 for
  // the first button)
  void setEdytor(EdytorZlozony* editor, const SectionModel* model);
  void setPytanie(std::function<int(const Komunikat&)> ask) { ask_ = std::move(ask); }
  // the axes named y, z: the labels and mirror buttons follow
  void setOsieYZ(bool yz);

  // the composite on screen: the editor shows it and the controls follow
  void Show() override;
  // the editor recomputes kind 5 itself: the record is left as the editor made it
  void FillSelection(Selection&) override {}
  // the captions, the enabled buttons, the edits and the placement of the current component
  void Arrange();

 signals:
  void nowyProfil();     // "Nowy profil": the window asks for the family
  void zmianaProfilu();  // "Zmiana profilu": the window opens the component's tab

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // after an editor call that moved, turned, deleted or picked: the controls and a repaint
  void Done();
  void Usun();
  void UsunCaly();

  EdytorZlozony* editor_ = nullptr;
  const SectionModel* model_ = nullptr;
  std::function<int(const Komunikat&)> ask_;
  QGroupBox* groupNowa_ = nullptr;
  PanelRuchu* groupEdit_ = nullptr;
  QPushButton *nowy_ = nullptr, *aktywna_ = nullptr, *zmiana_ = nullptr, *usun_ = nullptr,
              *usunCaly_ = nullptr;
  QLabel* labelE_ = nullptr;
  QLineEdit* editE_ = nullptr;
};

}  // namespace tarvik::ui
