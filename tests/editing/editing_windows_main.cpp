// One binary for the editing windows: the dialogs, then the commands that
// work on the tree directly.
#include <QApplication>

int RunEditingDialogTests(int argc, char** argv);
int RunEditingCommandTests(int argc, char** argv);

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  int failures = RunEditingDialogTests(argc, argv);
  failures += RunEditingCommandTests(argc, argv);
  return failures == 0 ? 0 : 1;
}
