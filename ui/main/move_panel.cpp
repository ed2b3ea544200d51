#include "ui/main/move_panel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <functional>
#include <limits>

#include "engine/numbers.h"
#include "ui/main/numeric_edit.h"
#include "ui/main/value_label.h"

namespace tarvik::ui {
QPushButton* PrzyciskEdytora(const QString& name, const QString& text, const QString& hint,
                             QWidget* parent) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(name);
  if (!hint.isEmpty()) b->setToolTip(hint);
  b->setAutoDefault(false);
  return b;
}

namespace {

// a move edit: signed, no unit, no bounds; its up/down buttons named upDown
DimensionEdit* MoveEdit(const QString& name, const QString& upDown, const QString& hint,
                        QWidget* parent) {
  auto* e = new DimensionEdit(name, parent);
  e->setObjectName("Panel" + name + "Edit");  // "Panel" + name is the placement's
  e->upDown()->setObjectName(upDown);
  e->up()->setObjectName(upDown + "Up");
  e->down()->setObjectName(upDown + "Down");
  EditRule rule;
  rule.unit = "";
  rule.signedMode = true;
  rule.minimum = -std::numeric_limits<double>::infinity();
  e->setRule(rule);
  e->edit()->setToolTip(hint);
  e->setText("0");
  // the arrows move the figure by the step: the edit's own stepping is not used
  e->up()->disconnect();
  e->down()->disconnect();
  return e;
}

QString Auto(double value, const char* suffix = "") {
  return QString::fromStdString(FormatLiczby(-1, suffix, value));
}

}  // namespace

PanelRuchu::PanelRuchu(const QString& title, const QString& d, QWidget* parent)
    : QGroupBox(title, parent) {
  setObjectName("GroupBoxEdit" + d);
  editX_ = MoveEdit("X" + d, "UpDownX" + d, "Przesuwa aktywną figurę w poziomie", this);
  editY_ = MoveEdit("Y" + d, "UpDownY" + d, "Przesuwa aktywną figurę w pionie", this);
  editObrot_ = MoveEdit("Obrot" + d, "UpDownA" + d, "Obraca figurę", this);
  labelX_ = new QLabel("dX [mm]", this);
  labelX_->setObjectName("LabelX" + d);
  labelY_ = new QLabel("dY [mm]", this);
  labelY_->setObjectName("LabelY" + d);
  auto* labelObrot = new QLabel("Obrót [st]", this);
  labelObrot->setObjectName("LabelObrot" + d);
  krok_ = new QComboBox(this);
  krok_->setObjectName("ComboBoxKrok" + d);
  krok_->addItems({"1", "10", "100"});
  auto* labelKrok = new QLabel("Krok", this);
  labelKrok->setObjectName("LabelKrok" + d);
  labelX_->setBuddy(editX_->edit());
  labelY_->setBuddy(editY_->edit());
  labelObrot->setBuddy(editObrot_->edit());
  labelKrok->setBuddy(krok_);
  lustroX_ = PrzyciskEdytora("ButtonLustroX" + d, "Lustro X", "Lustrzane odbicie wzg.osi poziomej", this);
  lustroY_ = PrzyciskEdytora("ButtonLustroY" + d, "Lustro Y", "", this);
  auto* plus90 = PrzyciskEdytora("Button90" + d, "Obrót +90", "Obrót aktywnej figury w lewo", this);
  auto* minus90 = PrzyciskEdytora("Button_90" + d, "Obrót -90", "Obrót aktywnej figury w prawo", this);

  auto* placement = new QLabel("Położenie", this);
  placement->setObjectName("LabelPolozenie" + d);
  panelX_ = new ValueLabel(placement, this);
  panelX_->setObjectName("PanelX" + d);
  panelY_ = new ValueLabel(placement, this);
  panelY_->setObjectName("PanelY" + d);
  panelAl_ = new ValueLabel(placement, this);
  panelAl_->setObjectName("PanelAl" + d);
  for (QLabel* l : {panelX_, panelY_, panelAl_}) l->setFrameShape(QFrame::StyledPanel);

  grid_ = new QGridLayout(this);
  grid_->addWidget(labelX_, 0, 0);
  grid_->addWidget(editX_, 0, 1);
  grid_->addWidget(labelY_, 1, 0);
  grid_->addWidget(editY_, 1, 1);
  grid_->addWidget(labelObrot, 2, 0);
  grid_->addWidget(editObrot_, 2, 1);
  grid_->addWidget(labelKrok, 3, 0);
  grid_->addWidget(krok_, 3, 1);
  grid_->addWidget(lustroX_, 0, 2);
  grid_->addWidget(lustroY_, 1, 2);
  grid_->addWidget(plus90, 2, 2);
  grid_->addWidget(minus90, 3, 2);
  grid_->addWidget(placement, 4, 0);
  auto* panels = new QHBoxLayout;
  for (QLabel* l : {panelX_, panelY_, panelAl_}) panels->addWidget(l);
  grid_->addLayout(panels, 4, 1, 1, 2);

  // Enter in a move edit moves once; the focus then goes on (the window's Enter handling)
  auto onEnter = [this](DimensionEdit* e, bool (EdytorZlozony::*call)(std::string_view)) {
    connect(e, &DimensionEdit::confirmed, this, [this, e, call] {
      (editor_->*call)(e->text().toStdString());
      emit typed();
    });
  };
  onEnter(editX_, &EdytorZlozony::wpiszX);
  onEnter(editY_, &EdytorZlozony::wpiszY);
  onEnter(editObrot_, &EdytorZlozony::wpiszObrot);
  auto stepped = [this](DimensionEdit* e, void (EdytorZlozony::*call)(bool)) {
    connect(e->up(), &QToolButton::clicked, this, [this, call] {
      (editor_->*call)(true);
      emit moved();
    });
    connect(e->down(), &QToolButton::clicked, this, [this, call] {
      (editor_->*call)(false);
      emit moved();
    });
  };
  stepped(editX_, &EdytorZlozony::krokX);
  stepped(editY_, &EdytorZlozony::krokY);
  stepped(editObrot_, &EdytorZlozony::krokObrot);
  // a vertical step leaves the keyboard in dY, where the arrow keys go on stepping
  for (QToolButton* b : {editY_->up(), editY_->down()})
    connect(b, &QToolButton::clicked, this, [this] { editY_->edit()->setFocus(); });
  for (DimensionEdit* e : {editX_, editY_}) e->edit()->installEventFilter(this);
  connect(krok_, &QComboBox::textActivated, this, [this](const QString& text) {
    if (!editor_->ustawKrok(text.toStdString()))
      krok_->setCurrentText(QString::fromStdString(editor_->krok()));
    editX_->setFocus();
  });
  auto button = [this](QPushButton* b, std::function<void()> call) {
    connect(b, &QPushButton::clicked, this, [this, call] {
      call();
      emit moved();
      editX_->setFocus();
    });
  };
  button(lustroX_, [this] { editor_->lustroX(); });
  button(lustroY_, [this] { editor_->lustroY(); });
  button(plus90, [this] { editor_->obrot90(true); });
  button(minus90, [this] { editor_->obrot90(false); });
}

void PanelRuchu::setOsieYZ(bool yz) {
  osieYZ_ = yz;
  labelX_->setText(yz ? "dY[mm]" : "dX [mm]");
  labelY_->setText(yz ? "dZ[mm]" : "dY [mm]");
  lustroX_->setText(yz ? "Lustro Y" : "Lustro X");
  lustroY_->setText(yz ? "Lustro Z" : "Lustro Y");
}

void PanelRuchu::Arrange() {
  editX_->setText(QString::fromStdString(editor_->editX()));
  editY_->setText(QString::fromStdString(editor_->editY()));
  editObrot_->setText(QString::fromStdString(editor_->editObrot()));
  const SectionModel& m = *model_;
  const int n = editor_->liczba(), f = editor_->biezacy();
  if (n == 0 || f < 1 || f > n) {
    for (QLabel* l : {panelX_, panelY_, panelAl_}) l->clear();
    return;
  }
  Placement p;
  if (m.placements.size() >= static_cast<size_t>(f)) {
    p = m.placements[static_cast<size_t>(f - 1)];
  } else {
    const FigureRecord& fig = m.figures[static_cast<size_t>(f)];
    p = {fig.originX, fig.originY, fig.rotation};
  }
  panelX_->setText((osieYZ_ ? "Y=" : "X=") + Auto(p.x));
  panelY_->setText((osieYZ_ ? "Z=" : "Y=") + Auto(p.y));
  panelAl_->setText("kąt=" + Auto(p.angle, "°"));
}

bool PanelRuchu::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    bool handled = true;
    switch (key) {
      case Qt::Key_Left: editor_->krokX(false); break;
      case Qt::Key_Right: editor_->krokX(true); break;
      case Qt::Key_Up: editor_->krokY(true); break;
      case Qt::Key_Down: editor_->krokY(false); break;
      default: handled = false;
    }
    if (handled) {
      emit moved();
      return true;
    }
  }
  return QGroupBox::eventFilter(watched, event);
}

}  // namespace tarvik::ui
