#pragma once
// TfmAddArticle: the article's title, file and state, and the subcategory
// that holds it; in add mode (acAddArticle, a dropped page) and in
// properties mode (acArticlesProperties). The checks and the change are
// the core's (ArticleDialogOk); the dialog shows the fields and closes
// only when they pass.

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "base/paths.h"
#include "editing/article_dialog.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace lrv {

class HelpViewer;
class Shell;

class TfmAddArticle : public QDialog {
  Q_OBJECT
 public:
  using OkHandler = std::function<ArticleOkResult(ArticleForm& form)>;
  // cbCatsChange: the subcategories of a category, in the list's order.
  using SubcategoryLister = std::function<std::vector<std::string>(const std::string& category)>;
  TfmAddArticle(const ArticleDialogSetup& setup, const Dirs& dirs, HelpViewer& help, Shell& shell, OkHandler ok,
                SubcategoryLister subcategories, QWidget* parent = nullptr);

  const ArticleOkResult& Result() const { return result_; }
  // The fields as the core reads them.
  ArticleForm Form() const;

  // The file-open dialog of btChooseFile, given the folder and the file it
  // starts with (either may be empty); returns the picked file or an empty
  // text. Tests put a stand-in here.
  std::function<QString(const QString& folder, const QString& file)> ChooseFileDialog;

  QTabWidget* pcMain;
  QWidget* tsProperties;
  QWidget* tsCategory;
  QWidget* tsImportant;
  QLineEdit* edName;
  QLineEdit* edFileName;
  QPushButton* btChooseFile;
  QRadioButton* rbFav;
  QRadioButton* rbNew;
  QRadioButton* rbRea;
  QRadioButton* rbNRe;
  QComboBox* cbCats;
  QListWidget* lbSubCats;
  QLabel* lbEmail;
  QPushButton* btOk;
  QPushButton* btCancel;
  QPushButton* btHelp;

 private:
  QWidget* BuildPropertiesTab();
  QWidget* BuildCategoryTab();
  QWidget* BuildImportantTab(Shell& shell);
  void SetState(ArticleState state);
  ArticleState State() const;
  void cbCatsChange();
  void btChooseFileClick();
  void btOkClick();

  ArticleForm form_;
  const Dirs& dirs_;
  OkHandler ok_;
  SubcategoryLister subcategories_;
  ArticleOkResult result_;
};

}  // namespace lrv
