#pragma once
// The logic of the dialog TfmAddArticle in its two modes: adding an
// article (acAddArticle, a dropped page) and editing the properties of the
// selected article (acArticlesProperties). The window shows the controls,
// fills them from the setup and hands the fields to ArticleDialogOk.
//
// After a change the caller shows the status counts again
// (UpdateStatusCounts).

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/paths.h"
#include "catalogue/catalogue.h"
#include "catalogue/columns.h"
#include "catalogue/journal.h"
#include "platform/prompter.h"

namespace lrv {

inline constexpr std::string_view kAddArticleCaption = "Добавление статьи";
inline constexpr std::string_view kArticlePropertiesCaption = "Редактирование свойств статьи";
inline constexpr int kArticleDialogHelp = 9;  // the dialog's "&Справка"
// The file-open dialog of btChooseFile.
inline constexpr std::string_view kArticleFileExtension = "html";
inline constexpr std::string_view kArticleFileFilter =
    "WEB-документы (*.html; *.htm; *.shtml; *.shtm; *.xml; *.mht)|*.html; *.htm; *.shtml; *.shtm; *.xml; "
    "*.mht|Все файлы (*.*)|*.*";

enum class ArticleDialogMode { Add, Properties };

// Where a refused check sends the user.
enum class ArticleField { Title, FileName, Category, Subcategory };  // edName, edFileName, cbCats, lbSubCats
enum class ArticleTab { Properties, Category };                    // "&Свойства", "&Категория"

// The dialog's fields when OK is pressed. Typed texts are UTF-8 as typed;
// list entries are the catalogue's titles (Windows-1251) as the setup gave
// them. Start from ArticleDialogSetup::form and overwrite what the user
// can change.
struct ArticleForm {
  ArticleDialogMode mode = ArticleDialogMode::Add;
  std::string title;     // edName
  std::string fileName;  // edFileName
  ArticleState state = ArticleState::New;
  std::optional<std::string> category;     // cbCats entry; nullopt: none selected
  std::optional<std::string> subcategory;  // lbSubCats entry; nullopt: none selected
  // Properties mode: the article and what it held when the dialog opened.
  CatalogueNode* article = nullptr;
  std::string titleAtOpen;     // TitleAtOpen
  std::string fileNameAtOpen;  // FileNameAtOpen
};

// How the dialog opens.
struct ArticleDialogSetup {
  std::string caption;       // UTF-8
  bool importantTab = true;  // the "Важно" tab (add mode only)
  std::vector<std::string> categories;     // cbCats in its order
  int chosenCategory = -1;                 // -1: none
  std::vector<std::string> subcategories;  // lbSubCats in its order
  int chosenSubcategory = -1;
  ArticleForm form;  // edName, edFileName, the checked state and the rest
};

// The add flow's dialog; `fileName` (Windows-1251, no folder) presets
// edFileName: empty from the menu, the dropped page's name from a drop.
ArticleDialogSetup PrepareAddArticle(const Catalogue& catalogue, std::string_view fileName = {});
// The properties dialog of the one selected article; nullopt unless
// exactly one node is selected and it is an article.
std::optional<ArticleDialogSetup> PrepareArticleProperties(const Catalogue& catalogue);

// cbCatsChange: the entries of lbSubCats for the chosen category, in the
// list's order; the window selects the first one if there is one.
std::vector<std::string> SubcategoryChoices(const Catalogue& catalogue, std::string_view categoryTitle);

struct ArticleOkResult {
  bool close = false;  // the checks passed: the dialog closes with OK
  // When refused: the tab to show, the field to focus, and whether cbCats
  // drops its list down.
  ArticleTab tab = ArticleTab::Properties;
  ArticleField focus = ArticleField::Title;
  bool dropDownCategories = false;
  // The article added or changed; nullptr when nothing changed.
  CatalogueNode* article = nullptr;
};

// btOkClick and what follows the dialog's OK. Trims title and file name in
// the form (the window puts them back), runs the checks in order with
// their messages (79, 35, 34, 80, 81, 51, 82, 83), and when they pass adds
// the article (journal "Добавление статьи") or updates it (journal
// "Изменение свойств статьи"). A file name must name a file inside
// BaseDir; a name that climbs out of it or is absolute gets message 51.
ArticleOkResult ArticleDialogOk(Catalogue& catalogue, UndoJournal& journal, Prompter& prompter, const Dirs& dirs,
                                ArticleForm& form);

// btChooseFileClick: where the file-open dialog starts. `fileName` (the
// box's UTF-8 text) is trimmed in place; the window puts it back.
struct ArticleFilePick {
  std::optional<std::filesystem::path> folder;  // BaseDir when it exists
  std::optional<std::filesystem::path> file;    // the named file when it exists in BaseDir
};
ArticleFilePick PrepareArticleFilePick(const Dirs& dirs, std::string& fileName);
// The name edFileName receives for a picked file: without its folder, UTF-8.
std::string PickedArticleFileName(const std::filesystem::path& picked);

// lbEmailClick: the address the system's mail client is asked to open.
std::string ProjectMailAddress();

// Whether a stored article file name stays inside BaseDir: not absolute,
// no drive, no ".." component.
bool ArticleNameStaysInBase(std::string_view storedName);

}  // namespace lrv
