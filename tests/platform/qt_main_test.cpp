// Runs the Qt-side platform tests, one QtTest class per service.
#include <QApplication>
#include <QtTest>

int RunQtTextTests(int argc, char** argv);
int RunQtPrompterTests(int argc, char** argv);
int RunQtSingleInstanceTests(int argc, char** argv);
int RunQtHttpClientTests(int argc, char** argv);
int RunQtShellTests(int argc, char** argv);

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  int failed = 0;
  failed += RunQtTextTests(argc, argv);
  failed += RunQtPrompterTests(argc, argv);
  failed += RunQtSingleInstanceTests(argc, argv);
  failed += RunQtHttpClientTests(argc, argv);
  failed += RunQtShellTests(argc, argv);
  return failed == 0 ? 0 : 1;
}
