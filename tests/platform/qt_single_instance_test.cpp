#include <QtTest>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

#include "platform/qt/qt_single_instance.h"

namespace lrv {

class QtSingleInstanceTest : public QObject {
  Q_OBJECT

  // A name of our own, so a running program is never disturbed.
  std::string Name(const char* tag) const {
    return std::string("LrvTest-") + tag + "-" + std::to_string(::getpid());
  }

 private slots:
  void theSecondStartFindsTheFirstAndWakesIt() {
    const std::string name = Name("wake");
    int activations = 0;
    QtSingleInstance first(name);
    QVERIFY(!first.AnotherIsRunning());
    QVERIFY(first.Claim([&] { ++activations; }));

    QtSingleInstance second(name);
    QVERIFY(second.AnotherIsRunning());
    QVERIFY(!second.Claim([] {}));
    second.ActivateOther();
    QTRY_COMPARE(activations, 1);
    second.ActivateOther();
    QTRY_COMPARE(activations, 2);

    first.Release();
    QtSingleInstance third(name);
    QVERIFY(!third.AnotherIsRunning());
    QVERIFY(third.Claim([] {}));
    QVERIFY(QtSingleInstance(name).AnotherIsRunning());
  }

  void usersAndNamesDoNotMeet() {
    QtSingleInstance a(Name("a")), b(Name("b"));
    QVERIFY(a.Claim([] {}));
    QVERIFY(!b.AnotherIsRunning());
    QVERIFY(a.ServerName().contains(QString::number(::getuid())));
    QVERIFY(a.ServerName().contains(QString::fromStdString(Name("a"))));
  }

  void aSocketLeftByACrashIsTakenOver() {
    const std::string name = Name("stale");
    QtSingleInstance probe(name);
    // A socket file that nobody listens on, as a killed program leaves it.
    const QByteArray path = QFile::encodeName(probe.ServerName());
    if (!path.startsWith('/')) QSKIP("needs XDG_RUNTIME_DIR for a socket path of its own");
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    QVERIFY(fd >= 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.constData(), sizeof(address.sun_path) - 1);
    QVERIFY(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0);
    ::close(fd);
    QVERIFY(QFile::exists(probe.ServerName()));

    QVERIFY(!probe.AnotherIsRunning());
    int activations = 0;
    QVERIFY(probe.Claim([&] { ++activations; }));
    QtSingleInstance(name).ActivateOther();
    QTRY_COMPARE(activations, 1);
  }
};

}  // namespace lrv

int RunQtSingleInstanceTests(int argc, char** argv) {
  lrv::QtSingleInstanceTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "qt_single_instance_test.moc"
