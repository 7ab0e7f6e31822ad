#include <QtTest>

#include "base/text.h"
#include "platform/qt/qt_text.h"

namespace lrv {

class QtTextTest : public QObject {
  Q_OBJECT
 private slots:
  void everyByteRoundTrips() {
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
    const QString text = FromAnsi(all);
    QCOMPARE(text.size(), qsizetype(256));
    QCOMPARE(text.at(0x98).unicode(), char16_t(0x0098));  // unassigned, kept as itself
    QCOMPARE(text.at(0xC0), QChar(u'А'));
    QCOMPARE(text.at(0xA8), QChar(u'Ё'));
    QCOMPARE(text.at(0x88), QChar(u'€'));
    const auto back = ToAnsi(text);
    QVERIFY(back.has_value());
    QVERIFY(*back == all);
  }
  void charactersWithoutAByteHaveNoAnsiForm() {
    QVERIFY(!ToAnsi(QStringLiteral("Каталог 中")));
    QVERIFY(!ToAnsi(QStringLiteral("Ω")));
    QVERIFY(ToAnsi(QString()) == std::string());
  }
  void utf8AndPathsRoundTrip() {
    const std::string utf8 = "Новая категория — \xF0\x9F\x98\x80 test";
    QCOMPARE(FromUtf8(utf8), QStringLiteral("Новая категория — 😀 test"));
    QVERIFY(ToUtf8(FromUtf8(utf8)) == utf8);
    const std::filesystem::path path = "/tmp/Статьи/файл 1.html";
    QCOMPARE(FromPath(path), QStringLiteral("/tmp/Статьи/файл 1.html"));
    QVERIFY(ToPath(FromPath(path)) == path);
    QCOMPARE(FromAnsi(text::Ansi("Сетка")), QStringLiteral("Сетка"));
  }
};

}  // namespace lrv

int RunQtTextTests(int argc, char** argv) {
  lrv::QtTextTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "qt_text_test.moc"
