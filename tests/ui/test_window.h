// The main window as the window tests drive it: shown, its messages recorded (a question is
// answered with the sink's button), its controls found by their names.
#pragma once

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <memory>

#include "ui/main/tarvik_window.h"

namespace tarvik::ui::uitest {

// the folder of the test catalogue, where the window looks for PROFILE.DAT
inline QString DatabaseFolder() { return QFileInfo(TARVIK_PROFILE_DATABASE).absolutePath(); }

struct TestWindow {
  RecordingSink sink;
  std::unique_ptr<TTarvik> w;
  explicit TestWindow(const QString& programFolder = DatabaseFolder(), int answer = 1,
                      const QStringList& arguments = {})
      : sink(answer), w(std::make_unique<TTarvik>(arguments, programFolder)) {
    w->setMessageSink(&sink);
    w->show();
    QCoreApplication::processEvents();
  }
  template <typename T>
  T* find(const char* name) const {
    T* child = w->findChild<T*>(name);
    if (!child) qWarning("no control %s", name);
    return child;
  }
  void click(const char* name) const { find<QAbstractButton>(name)->click(); }
  // typed into the edit over what it held, then Enter
  void enter(const char* edit, const QString& typed) const {
    QLineEdit* e = find<QLineEdit>(edit);
    e->setFocus();
    e->clear();
    QTest::keyClicks(e, typed);
    QTest::keyClick(e, Qt::Key_Return);
  }
  QTabWidget* pages() const { return find<QTabWidget>("PageControl1"); }
  void tab(int index) const { pages()->setCurrentIndex(index); }
  int currentTab() const { return pages()->currentIndex(); }
  // a click on the item's round indicator (a radio button spans its column, its middle may
  // lie beyond the caption)
  void choose(const char* group, int item) const {
    QWidget* radio = find<QWidget>(QString("%1_%2").arg(group).arg(item).toUtf8());
    QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(7, radio->height() / 2));
  }
  const SectionModel& model() const { return w->model(); }
};

}  // namespace tarvik::ui::uitest
