#include "ui/main/single_instance.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <unistd.h>

namespace tarvik::ui {

QString NazwaInstancji() { return QString("TTarvik-%1").arg(getuid()); }

SingleInstance::SingleInstance(const QString& name, QObject* parent) : QObject(parent) {
  QLocalSocket probe;
  probe.connectToServer(name);
  if (probe.waitForConnected(500)) {
    probe.write("raise\n");
    probe.waitForBytesWritten(500);
    probe.disconnectFromServer();
    another_ = true;
    return;
  }
  // nobody answered: a socket file left by a program that ended badly is stale
  QLocalServer::removeServer(name);
  server_ = new QLocalServer(this);
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  if (!server_->listen(name)) return;  // no single-instance guard, but the program runs
  connect(server_, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* s = server_->nextPendingConnection()) {
      connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
      emit raiseRequested();
    }
  });
}

SingleInstance::~SingleInstance() {
  if (server_) server_->close();
}

}  // namespace tarvik::ui
