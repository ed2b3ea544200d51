// One running program per user: the first start listens on a local socket named after the
// main window's class; a later start finds it, asks it to come to the front and ends.
#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace tarvik::ui {

class SingleInstance : public QObject {
  Q_OBJECT

 public:
  // name: the socket's name ("TTarvik" and the user, so that two users do not meet)
  explicit SingleInstance(const QString& name, QObject* parent = nullptr);
  ~SingleInstance() override;

  // another instance answered: it has been asked to raise its window; this one should end
  bool anotherIsRunning() const { return another_; }

 signals:
  void raiseRequested();

 private:
  QLocalServer* server_ = nullptr;
  bool another_ = false;
};

// the socket name for this user
QString NazwaInstancji();

}  // namespace tarvik::ui
