#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

#include <memory>

#include "base/files.h"
#include "platform/qt/qt_http_client.h"
#include "platform/qt/qt_text.h"

namespace lrv {

namespace {

quint16 FreePort() {
  QTcpServer probe;
  probe.listen(QHostAddress::LocalHost, 0);
  return probe.serverPort();
}

bool WaitForPort(quint16 port) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    if (socket.waitForConnected(100)) return true;
    QTest::qWait(100);
  }
  return false;
}

// A real web site on the loopback address, serving a temporary folder.
class LocalWebSite {
 public:
  LocalWebSite() {
    port_ = FreePort();
    server_.setWorkingDirectory(root_.path());
    server_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    server_.start(QStringLiteral("python3"), {QStringLiteral("-m"), QStringLiteral("http.server"),
                                              QStringLiteral("--bind"), QStringLiteral("127.0.0.1"),
                                              QString::number(port_)});
    ready_ = server_.waitForStarted(5000) && WaitForPort(port_);
  }
  ~LocalWebSite() {
    server_.kill();
    server_.waitForFinished(5000);
  }
  bool Ready() const { return ready_; }
  quint16 Port() const { return port_; }
  std::string Url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + path;
  }
  void Put(const QString& name, const std::string& bytes) {
    const QString path = root_.filePath(name);
    QDir().mkpath(QFileInfo(path).path());
    WriteFileAtomic(ToPath(path), bytes);
  }

 private:
  QTemporaryDir root_;
  QProcess server_;
  quint16 port_ = 0;
  bool ready_ = false;
};

// A server that answers every request with fixed bytes and then either
// closes the connection or goes silent.
class ScriptedServer {
 public:
  ScriptedServer(QByteArray answer, bool closeAfter) {
    server_.listen(QHostAddress::LocalHost, 0);
    QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this, answer, closeAfter] {
      while (QTcpSocket* socket = server_.nextPendingConnection()) {
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket, answer, closeAfter] {
          socket->readAll();
          socket->write(answer);
          socket->flush();
          if (closeAfter) socket->disconnectFromHost();
        });
      }
    });
  }
  std::string Url() const { return "http://127.0.0.1:" + std::to_string(server_.serverPort()) + "/file.html"; }

 private:
  QTcpServer server_;
};

}  // namespace

class QtHttpClientTest : public QObject {
  Q_OBJECT

  QTemporaryDir folder_;
  std::unique_ptr<LocalWebSite> site_;
  std::vector<std::string> statuses_;
  std::vector<std::pair<std::int64_t, std::int64_t>> progress_;
  HttpEvents events_;

  fs::path Local(const char* name) const { return ToPath(folder_.filePath(QString::fromUtf8(name))); }

  HttpRequest Request(const std::string& url) {
    HttpRequest r;
    r.url = url;
    r.bodyFile = Local("body.html");
    r.headerFile = Local("Head.txt");
    return r;
  }

  bool Saw(const char* status) const { return std::find(statuses_.begin(), statuses_.end(), status) != statuses_.end(); }

 private slots:
  void initTestCase() {
    site_ = std::make_unique<LocalWebSite>();
    QVERIFY2(site_->Ready(), "python3 -m http.server did not start");
  }
  void cleanupTestCase() { site_.reset(); }
  void init() {
    statuses_.clear();
    progress_.clear();
    events_.status = [this](const std::string& s) { statuses_.push_back(s); };
    events_.progress = [this](std::int64_t r, std::int64_t t) { progress_.emplace_back(r, t); };
    QDir(folder_.path()).removeRecursively();
    QDir().mkpath(folder_.path());
  }

  void downloadsABodyAndItsHeader() {
    std::string bytes;
    for (int i = 0; i < 200000; ++i) bytes.push_back(static_cast<char>((i * 7) & 0xFF));
    site_->Put(QStringLiteral("base/art 1.html"), bytes);
    QtHttpClient client;
    const HttpResult result = client.Get(Request(site_->Url("/base/art%201.html")), events_);
    QVERIFY2(result.ok, result.error.c_str());
    QCOMPARE(result.statusCode, 200);
    QVERIFY(ReadFile(Local("body.html")) == bytes);

    const std::string header = *ReadFile(Local("Head.txt"));
    QVERIFY2(header.starts_with("HTTP/1.1 200 OK\r\n"), header.c_str());
    QVERIFY2(header.find("\r\nContent-Length: 200000\r\n") != std::string::npos, header.c_str());
    QVERIFY(header.ends_with("\r\n"));
    for (std::size_t i = 0; i < header.size(); ++i)
      if (header[i] == '\n') QVERIFY(i > 0 && header[i - 1] == '\r');

    QVERIFY(!progress_.empty());
    QCOMPARE(progress_.back().first, std::int64_t(200000));
    QCOMPARE(progress_.back().second, std::int64_t(200000));
    QCOMPARE(statuses_.front(), std::string("Поиск сервера..."));
    QVERIFY(Saw("Подключение..."));
    QVERIFY(Saw("Запрос на загрузку..."));
    QVERIFY(Saw("Загрузка..."));
    QCOMPARE(statuses_.back(), std::string("Успешная загрузка"));
    QCOMPARE(QDir(folder_.path()).entryList(QDir::Files).size(), qsizetype(2));
  }

  void aMissingFileIsNotOkAndKeepsTheOldBody() {
    WriteFileAtomic(Local("body.html"), "old article");
    QtHttpClient client;
    const HttpResult result = client.Get(Request(site_->Url("/base/missing.html")), events_);
    QVERIFY(!result.ok);
    QCOMPARE(result.statusCode, 404);
    QVERIFY(!result.error.empty());
    QVERIFY(ReadFile(Local("body.html")) == std::string("old article"));
    QVERIFY(ReadFile(Local("Head.txt"))->starts_with("HTTP/1.1 404 "));
    QCOMPARE(statuses_.back(), std::string("Ошибка загрузки!"));
    QCOMPARE(QDir(folder_.path()).entryList(QDir::Files).size(), qsizetype(2));  // no temporary left
  }

  void redirectsAreFollowed() {
    site_->Put(QStringLiteral("new/index.html"), "inner page");
    QtHttpClient client;
    const HttpResult result = client.Get(Request(site_->Url("/new")), events_);  // 301 to "/new/"
    QVERIFY2(result.ok, result.error.c_str());
    QVERIFY(ReadFile(Local("body.html")) == std::string("inner page"));
    QVERIFY(Saw("Перенаправление..."));
  }

  void nobodyListeningIsAFailedConnection() {
    QtHttpClient client;
    const HttpResult result = client.Get(Request("http://127.0.0.1:" + std::to_string(FreePort()) + "/x"), events_);
    QVERIFY(!result.ok);
    QCOMPARE(result.statusCode, 0);
    QCOMPARE(statuses_.back(), std::string("Не удалось подключиться!"));
    QVERIFY(!QFile::exists(folder_.filePath(QStringLiteral("body.html"))));
    QVERIFY(!QFile::exists(folder_.filePath(QStringLiteral("Head.txt"))));
  }

  void aBadAddressIsRefusedAtOnce() {
    QtHttpClient client;
    for (const char* url : {"ftp://127.0.0.1/x", "not an address", ""}) {
      statuses_.clear();
      const HttpResult result = client.Get(Request(url), events_);
      QVERIFY(!result.ok);
      QCOMPARE(statuses_.back(), std::string("Неверный адрес сервера!"));
    }
  }

  void aStalledTransferTimesOut() {
    WriteFileAtomic(Local("body.html"), "old article");
    ScriptedServer server("HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\n0123456789", false);
    QtHttpClient client;
    HttpRequest request = Request(server.Url());
    request.timeoutSeconds = 1;
    const HttpResult result = client.Get(request, events_);
    QVERIFY(!result.ok);
    QVERIFY(result.timedOut);
    QVERIFY(!result.cancelled);
    QVERIFY(ReadFile(Local("body.html")) == std::string("old article"));
    QCOMPARE(statuses_.back(), std::string("Ошибка загрузки!"));
  }

  void aBodyCutShortIsNotOk() {
    WriteFileAtomic(Local("body.html"), "old article");
    ScriptedServer server("HTTP/1.1 200 OK\r\nContent-Length: 100\r\nConnection: close\r\n\r\n" + QByteArray(50, 'x'), true);
    QtHttpClient client;
    const HttpResult result = client.Get(Request(server.Url()), events_);
    QVERIFY(!result.ok);
    QVERIFY(!result.timedOut);
    QVERIFY(ReadFile(Local("body.html")) == std::string("old article"));
  }

  void cancelFromAnEventEndsTheTransfer() {
    ScriptedServer server("HTTP/1.1 200 OK\r\nContent-Length: 1000\r\n\r\n" + QByteArray(100, 'x'), false);
    QtHttpClient client;
    events_.progress = [&](std::int64_t received, std::int64_t total) {
      progress_.emplace_back(received, total);
      if (received > 0) client.Cancel();
    };
    HttpRequest request = Request(server.Url());
    request.timeoutSeconds = 20;  // only the cancel may end it
    const HttpResult result = client.Get(request, events_);
    QCOMPARE(progress_.size(), size_t(1));
    QCOMPARE(progress_[0].first, std::int64_t(100));
    QCOMPARE(progress_[0].second, std::int64_t(1000));
    QVERIFY(!result.ok);
    QVERIFY(result.cancelled);
    QVERIFY(!result.timedOut);
    QVERIFY(!QFile::exists(folder_.filePath(QStringLiteral("body.html"))));
    QCOMPARE(statuses_.back(), std::string("Отключились"));

    // The next transfer is not cancelled by the old request.
    site_->Put(QStringLiteral("after.txt"), "after");
    events_.progress = nullptr;
    QVERIFY(client.Get(Request(site_->Url("/after.txt")), events_).ok);
  }

  void goesThroughAProxy() {
    const QString tinyproxy = QStandardPaths::findExecutable(QStringLiteral("tinyproxy"));
    if (tinyproxy.isEmpty()) QSKIP("tinyproxy is not installed");
    const quint16 port = FreePort();
    QTemporaryDir proxyDir;
    const QString config = proxyDir.filePath(QStringLiteral("tinyproxy.conf"));
    WriteFileAtomic(ToPath(config), "Port " + std::to_string(port) +
                                        "\nListen 127.0.0.1\nAllow 127.0.0.1\nTimeout 30\nMaxClients 5\n"
                                        "BasicAuth lorvane secret\n");
    QProcess proxy;
    proxy.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    proxy.start(tinyproxy, {QStringLiteral("-d"), QStringLiteral("-c"), config});
    QVERIFY(proxy.waitForStarted(5000));
    QVERIFY2(WaitForPort(port), "tinyproxy did not start");

    site_->Put(QStringLiteral("new/new_articles.txt"), "index.html|A|B|C|\r\n");
    QtHttpClient client;
    HttpRequest request = Request(site_->Url("/new/new_articles.txt"));
    request.proxy = HttpProxy{"127.0.0.1", port, "lorvane", "secret"};
    HttpResult result = client.Get(request, events_);
    QVERIFY2(result.ok, result.error.c_str());
    QVERIFY(ReadFile(Local("body.html")) == std::string("index.html|A|B|C|\r\n"));
    const std::string header = *ReadFile(Local("Head.txt"));
    QVERIFY2(header.find("tinyproxy") != std::string::npos, header.c_str());  // its Via field

    // Wrong credentials: the proxy refuses.
    statuses_.clear();
    request.proxy->password = "wrong";
    request.bodyFile = Local("refused.html");
    result = client.Get(request, events_);
    QVERIFY(!result.ok);
    QVERIFY(Saw("Аутентификация..."));
    QVERIFY(!QFile::exists(folder_.filePath(QStringLiteral("refused.html"))));

    proxy.kill();
    proxy.waitForFinished(5000);
  }
};

}  // namespace lrv

int RunQtHttpClientTests(int argc, char** argv) {
  lrv::QtHttpClientTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "qt_http_client_test.moc"
