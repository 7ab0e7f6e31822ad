#include "platform/qt/qt_single_instance.h"

#include <QByteArray>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>

#if defined(__unix__)
#include <unistd.h>
#endif

namespace lrv {

namespace {

constexpr int kConnectMs = 1000;
const QByteArray kActivate = QByteArrayLiteral("activate\n");

QString UserTag() {
#if defined(__unix__)
  return QString::number(::getuid());
#else
  return qEnvironmentVariable("USERNAME");
#endif
}

}  // namespace

QtSingleInstance::QtSingleInstance(std::string name) {
  const QString base = QString::fromStdString(name) + QLatin1Char('-') + UserTag();
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  serverName_ = !runtime.isEmpty() && QDir(runtime).exists() ? QDir(runtime).filePath(base) : base;
}

QtSingleInstance::~QtSingleInstance() { Release(); }

bool QtSingleInstance::AnotherIsRunning() {
  if (server_ && server_->isListening()) return false;  // that one is us
  QLocalSocket socket;
  socket.connectToServer(serverName_);
  const bool answered = socket.waitForConnected(kConnectMs);
  socket.abort();
  return answered;
}

void QtSingleInstance::ActivateOther() {
  QLocalSocket socket;
  socket.connectToServer(serverName_);
  if (!socket.waitForConnected(kConnectMs)) return;
  socket.write(kActivate);
  socket.waitForBytesWritten(kConnectMs);
  socket.disconnectFromServer();
  if (socket.state() != QLocalSocket::UnconnectedState) socket.waitForDisconnected(kConnectMs);
}

bool QtSingleInstance::Claim(std::function<void()> onActivate) {
  if (server_ && server_->isListening()) return true;
  // Two starts at the same moment must not both find the name free.
  QLockFile lock(QDir::isAbsolutePath(serverName_) ? serverName_ + QStringLiteral(".lock")
                                                   : QDir::temp().filePath(serverName_ + QStringLiteral(".lock")));
  lock.setStaleLockTime(10000);
  if (!lock.tryLock(5000)) return false;
  if (AnotherIsRunning()) return false;
  // Nobody answered: a socket file left by a crashed program is stale.
  QLocalServer::removeServer(serverName_);
  auto server = std::make_unique<QLocalServer>();
  server->setSocketOptions(QLocalServer::UserAccessOption);
  if (!server->listen(serverName_)) return false;
  onActivate_ = std::move(onActivate);
  QLocalServer* raw = server.get();
  QObject::connect(raw, &QLocalServer::newConnection, raw, [this, raw] {
    while (QLocalSocket* client = raw->nextPendingConnection()) {
      QObject::connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
      auto handle = [this, client] {
        if (!client->canReadLine()) return;
        const QByteArray line = client->readLine(64);
        client->disconnectFromServer();
        if (line == kActivate && onActivate_) onActivate_();
      };
      QObject::connect(client, &QLocalSocket::readyRead, client, handle);
      handle();  // the request may have arrived with the connection
    }
  });
  server_ = std::move(server);
  return true;
}

void QtSingleInstance::Release() {
  if (!server_) return;
  server_->close();
  server_.reset();
  onActivate_ = nullptr;
}

}  // namespace lrv
