// acAddArticle, acArticlesProperties and the add flow a dropped page of
// BaseDir starts: all through TfmAddArticle.
#include <QDialog>

#include "app/command_list.h"
#include "app/main_window.h"
#include "editing/add_article.h"
#include "editing/article_dialog.h"
#include "editing/ui/article_dialog_window.h"
#include "editing/ui/editing_commands.h"

namespace lrv {
namespace {

void RunArticleDialog(TfmLrvMain& w, const ArticleDialogSetup& setup) {
  AppServices& s = w.services();
  TfmAddArticle dialog(
      setup, s.dirs, s.help, s.shell,
      [&w, &s](ArticleForm& form) {
        ArticleOkResult result;
        try {
          result = ArticleDialogOk(w.catalogue(), w.journal(), s.prompter, s.dirs, form);
        } catch (const std::exception& e) {
          // The change is made; only its snapshot failed.
          s.prompter.Error(e.what(), 0, MessageButtons::Ok);
          result.close = true;
        }
        return result;
      },
      [&w](const std::string& category) { return SubcategoryChoices(w.catalogue(), category); }, &w);
  if (dialog.exec() == QDialog::Accepted) w.UpdateStatusCounts();
}

// AddArticleDialog: an empty name from the menu, a dropped page's name
// (Windows-1251, no folder) from a drop.
void AddArticleDialog(TfmLrvMain& w, const std::string& fileName) {
  RunArticleDialog(w, PrepareAddArticle(w.catalogue(), fileName));
}

}  // namespace

void InstallArticleCommands(TfmLrvMain& window) {
  CommandList& c = window.commands();
  TfmLrvMain* w = &window;
  c.Add({"acAddArticle", QStringLiteral("Добавить &статью..."), QStringLiteral("Добавить новую статью"),
         {QKeySequence(Qt::Key_Insert)}, [w] { AddArticleDialog(*w, {}); },
         [w] { return AddArticleEnabled(w->catalogue(), w->TreeInView()); }});
  c.Add({"acArticlesProperties", QStringLiteral("С&войства статьи..."), QStringLiteral("Изменить параметры статьи"),
         {QKeySequence(Qt::ALT | Qt::Key_Return), QKeySequence(Qt::ALT | Qt::Key_Enter)},
         [w] {
           if (auto setup = PrepareArticleProperties(w->catalogue())) RunArticleDialog(*w, *setup);
         },
         [w] { return ArticlePropertiesEnabled(w->catalogue(), w->TreeInView()); }});
  window.AddArticleFromDrop = [w](const std::string& articleFile) { AddArticleDialog(*w, articleFile); };
}

}  // namespace lrv
