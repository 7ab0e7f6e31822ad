#pragma once
// A main window with the editing commands over the sample archive, and
// small helpers for the editing window tests.
#include <QApplication>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <functional>
#include <memory>
#include <string>

#include "../app/app_fixture.h"
#include "app/command_list.h"
#include "app/main_window.h"
#include "base/text.h"
#include "catalogue/journal_entries.h"
#include "editing/ui/editing_commands.h"

namespace lrv::testing {

inline std::string A(std::string_view utf8) { return text::Ansi(utf8); }
inline QString Q(const CatalogueNode* node) { return QString::fromStdString(text::Cp1251ToUtf8(node->Title())); }

struct EditingWindow : SampleWindow {
  void Select(CatalogueNode* node) {
    c().SelectOnly(node);
    c().SetFocused(node);
    QApplication::processEvents();
  }
  // The operation of the newest journal entry.
  std::string LastOperation() { return EntryOperation(window->journal().Entries().back()); }
  int EntryCount() { return static_cast<int>(window->journal().Entries().size()); }
  int HelpShown(int context) const {
    int n = 0;
    for (const Message& m : f.prompter.messages) n += m.helpContext == context;
    return n;
  }
};

inline std::string Op(JournalOp op) { return JournalOperationName(op); }

// Runs `act` on the modal dialog of that class as soon as it shows. A
// different or missing dialog fails the test and is closed, so the test
// never waits on it.
template <class Dialog>
void WhenOpens(std::function<void(Dialog&)> act) {
  QTimer::singleShot(0, [act] {
    QWidget* modal = QApplication::activeModalWidget();
    auto* dialog = qobject_cast<Dialog*>(modal);
    if (dialog == nullptr) {
      if (modal) modal->close();
      QFAIL("the expected dialog did not open");
    }
    act(*dialog);
    // A step that failed leaves it open: close it so the command returns.
    if (dialog->isVisible() && QTest::currentTestFailed()) dialog->reject();
  });
}

// The first subcategory of the catalogue with at least `articles` articles,
// and another subcategory of the same category when `sibling` is asked.
inline CatalogueNode* SubcategoryWith(Catalogue& c, int articles) {
  for (CatalogueNode* category : c.Roots())
    for (CatalogueNode* sub : category->Children())
      if (sub->ChildCount() >= articles) return sub;
  return nullptr;
}

inline CatalogueNode* OtherSubcategory(Catalogue& c, const CatalogueNode* not_this) {
  for (CatalogueNode* category : c.Roots())
    for (CatalogueNode* sub : category->Children())
      if (sub != not_this) return sub;
  return nullptr;
}

inline int ArticleCount(const Catalogue& c) {
  int n = 0;
  for (const CatalogueNode* category : c.Roots())
    for (const CatalogueNode* sub : category->Children()) n += sub->ChildCount();
  return n;
}

}  // namespace lrv::testing
