// One binary for the tree window tests: the model without a window, then
// the control in an offscreen window.

#include <QApplication>

int RunCatalogueModelTests(int argc, char** argv);
int RunCatalogueTreeTests(int argc, char** argv);

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  int failures = RunCatalogueModelTests(argc, argv);
  failures += RunCatalogueTreeTests(argc, argv);
  return failures == 0 ? 0 : 1;
}
