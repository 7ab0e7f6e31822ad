#include "editing/article_dialog.h"

#include <system_error>

#include "base/files.h"
#include "base/text.h"
#include "catalogue/backups.h"
#include "catalogue/journal_entries.h"
#include "catalogue/message_text.h"
#include "editing/add_article.h"
#include "editing/titles.h"

namespace lrv {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kEnterTitleText = "Введите название статьи!";
constexpr int kEnterTitleHelp = 79;
constexpr std::string_view kFileTakenText = "Такой файл уже присвоен статье\n\r\"%s\"!";
constexpr int kFileTakenHelp = 80;
constexpr std::string_view kChooseFileText = "Нужно выбрать файл статьи!";
constexpr int kChooseFileHelp = 81;
constexpr std::string_view kFileOutsideBaseText =
    "Присваиваемый статье файл\n\r\"%s\"\n\r\n\rдолжен располагаться в каталоге\n\r\"%s\"";
constexpr int kFileOutsideBaseHelp = 51;
constexpr std::string_view kChooseCategoryText = "Нужно выбрать категорию!";
constexpr int kChooseCategoryHelp = 82;
constexpr std::string_view kChooseSubcategoryText = "Нужно выбрать подкатегорию!";
constexpr int kChooseSubcategoryHelp = 83;

// cbCats of both modes: the categories that have a subcategory.
std::vector<std::string> CategoriesWithSubcategories(const Catalogue& catalogue) {
  std::vector<std::string> titles;
  for (const CatalogueNode* category : catalogue.Roots())
    if (category->ChildCount() > 0) titles.push_back(category->Title());
  SortChoices(titles);
  return titles;
}

// BaseDir as the messages show it: without a trailing separator.
std::string BaseDirText(const Dirs& dirs) {
  fs::path base = dirs.baseDir;
  if (!base.has_filename() && base.has_parent_path() && base != base.root_path()) base = base.parent_path();
  return DisplayFileName(base);
}

bool FileInBase(const Dirs& dirs, std::string_view storedName) {
  if (!ArticleNameStaysInBase(storedName)) return false;
  return IsRegularFile(StoredNameToPath(dirs.baseDir, storedName));
}

ArticleOkResult Refuse(ArticleField focus) {
  ArticleOkResult result;
  result.focus = focus;
  result.tab = focus == ArticleField::Category || focus == ArticleField::Subcategory ? ArticleTab::Category
                                                                                     : ArticleTab::Properties;
  result.dropDownCategories = focus == ArticleField::Category;
  return result;
}

void ReportFileTaken(Prompter& prompter, const std::string& holder) {
  prompter.Inform(FillPlaceholders(kFileTakenText, {text::Cp1251ToUtf8(holder)}), kFileTakenHelp);
}

}  // namespace

std::vector<std::string> SubcategoryChoices(const Catalogue& catalogue, std::string_view categoryTitle) {
  std::vector<std::string> titles;
  FillSubcategoryList(catalogue, categoryTitle, titles);
  SortChoices(titles);
  return titles;
}

ArticleDialogSetup PrepareAddArticle(const Catalogue& catalogue, std::string_view fileName) {
  ArticleDialogSetup setup;
  setup.caption = std::string(kAddArticleCaption);
  setup.importantTab = true;
  setup.form.mode = ArticleDialogMode::Add;
  setup.form.state = ArticleState::New;
  setup.form.fileName = text::Cp1251ToUtf8(fileName);
  if (catalogue.Empty()) return setup;

  setup.categories = CategoriesWithSubcategories(catalogue);
  const CatalogueNode* first = catalogue.SelectedNode(0);
  if (first == nullptr) {
    setup.chosenCategory = setup.categories.empty() ? -1 : 0;
  } else {
    const CatalogueNode* category = first;
    while (category != nullptr && category->Parent() != nullptr) category = category->Parent();
    if (first->Depth() <= 2 && category != nullptr)
      setup.chosenCategory = ChoiceIndex(setup.categories, category->Title());
    if (setup.chosenCategory < 0 && !setup.categories.empty()) setup.chosenCategory = 0;
  }
  if (setup.chosenCategory >= 0)
    setup.subcategories = SubcategoryChoices(catalogue, setup.categories[static_cast<std::size_t>(setup.chosenCategory)]);

  if (first != nullptr && !setup.subcategories.empty()) {
    if (first->IsCategory())
      setup.chosenSubcategory = 0;
    else if (first->IsSubcategory())
      setup.chosenSubcategory = ChoiceIndex(setup.subcategories, first->Title());
    else if (first->IsArticle())
      setup.chosenSubcategory = ChoiceIndex(setup.subcategories, first->Parent()->Title());
  }
  if (!setup.subcategories.empty() && setup.chosenSubcategory < 0) setup.chosenSubcategory = 0;
  if (setup.chosenCategory >= 0) setup.form.category = setup.categories[static_cast<std::size_t>(setup.chosenCategory)];
  if (setup.chosenSubcategory >= 0)
    setup.form.subcategory = setup.subcategories[static_cast<std::size_t>(setup.chosenSubcategory)];
  return setup;
}

std::optional<ArticleDialogSetup> PrepareArticleProperties(const Catalogue& catalogue) {
  if (catalogue.SelectedCount() != 1 || !catalogue.SelectedNode(0)->IsArticle()) return std::nullopt;
  CatalogueNode* article = catalogue.SelectedNode(0);
  const CatalogueNode* sub = article->Parent();
  const CatalogueNode* category = sub->Parent();

  ArticleDialogSetup setup;
  setup.caption = std::string(kArticlePropertiesCaption);
  setup.importantTab = false;
  setup.categories = CategoriesWithSubcategories(catalogue);
  setup.chosenCategory = ChoiceIndex(setup.categories, category->Title());
  if (setup.chosenCategory >= 0) {
    setup.subcategories = SubcategoryChoices(catalogue, setup.categories[static_cast<std::size_t>(setup.chosenCategory)]);
    setup.chosenSubcategory = ChoiceIndex(setup.subcategories, sub->Title());
    setup.form.category = setup.categories[static_cast<std::size_t>(setup.chosenCategory)];
  }
  if (setup.chosenSubcategory >= 0)
    setup.form.subcategory = setup.subcategories[static_cast<std::size_t>(setup.chosenSubcategory)];

  ArticleForm& form = setup.form;
  form.mode = ArticleDialogMode::Properties;
  form.article = article;
  form.titleAtOpen = article->Title();
  form.fileNameAtOpen = article->Value(ColFileName);
  form.title = text::Cp1251ToUtf8(form.titleAtOpen);
  form.fileName = text::Cp1251ToUtf8(form.fileNameAtOpen);
  form.state = ArticleStateOf(article->Value(ColState));
  return setup;
}

bool ArticleNameStaysInBase(std::string_view storedName) {
  if (storedName.empty() || storedName.front() == '\\' || storedName.front() == '/') return false;
  if (storedName.find(':') != std::string_view::npos) return false;
  std::size_t from = 0;
  while (from <= storedName.size()) {
    std::size_t end = storedName.find_first_of("\\/", from);
    if (end == std::string_view::npos) end = storedName.size();
    if (text::Trim(storedName.substr(from, end - from)) == "..") return false;
    from = end + 1;
  }
  return true;
}

ArticleOkResult ArticleDialogOk(Catalogue& catalogue, UndoJournal& journal, Prompter& prompter, const Dirs& dirs,
                                ArticleForm& form) {
  form.title = TrimmedUtf8(form.title);
  form.fileName = TrimmedUtf8(form.fileName);
  const bool addMode = form.mode == ArticleDialogMode::Add;

  if (form.title.empty()) {
    prompter.Inform(std::string(kEnterTitleText), kEnterTitleHelp);
    return Refuse(ArticleField::Title);
  }
  const std::optional<std::string> title = TypedText(form.title);
  if (!title || !TitleIsValid(*title)) {
    prompter.Warn(std::string(kInvalidTitleText), kInvalidTitleHelp);
    return Refuse(ArticleField::Title);
  }
  // A name with no Windows-1251 form matches no stored name and can name
  // no file of the archive: the later checks refuse it.
  const std::optional<std::string> fileName = TypedText(form.fileName);
  const std::string storedFile = fileName.value_or(std::string());

  const bool testTitle = addMode || !SameTitle(*title, form.titleAtOpen);
  if (testTitle && ArticleTitleExists(catalogue, *title)) {
    prompter.Inform(std::string(kArticleExistsText), kArticleExistsHelp);
    return Refuse(ArticleField::Title);
  }
  const bool testFile = addMode || !SameTitle(storedFile, form.fileNameAtOpen);
  if (testFile && fileName) {
    if (const auto holder = ArticleWithFile(catalogue, storedFile)) {
      ReportFileTaken(prompter, *holder);
      return Refuse(ArticleField::FileName);
    }
  }
  if (form.fileName.empty()) {
    prompter.Inform(std::string(kChooseFileText), kChooseFileHelp);
    return Refuse(ArticleField::FileName);
  }
  if (!fileName || !FileInBase(dirs, storedFile)) {
    prompter.Inform(FillPlaceholders(kFileOutsideBaseText, {form.fileName, BaseDirText(dirs)}), kFileOutsideBaseHelp);
    return Refuse(ArticleField::FileName);
  }
  if (!form.category) {
    prompter.Inform(std::string(kChooseCategoryText), kChooseCategoryHelp);
    return Refuse(ArticleField::Category);
  }
  if (!form.subcategory) {
    prompter.Inform(std::string(kChooseSubcategoryText), kChooseSubcategoryHelp);
    return Refuse(ArticleField::Subcategory);
  }

  ArticleOkResult result;
  result.close = true;
  const std::string_view state = ArticleStateText(form.state);
  if (addMode) {
    result.article = AddArticleNode(catalogue, *title, *form.subcategory, true, state, storedFile, *form.category);
    if (result.article != nullptr)
      journal.RecordJournalEntry(catalogue, JournalOp::AddArticle, AddArticleDetail(*title, *form.subcategory));
    return result;
  }

  CatalogueNode* article = form.article;
  if (article == nullptr || !article->IsArticle()) return result;
  const std::string oldTitle = article->Title();
  const std::string presentSubcategory = article->Parent()->Title();
  if (!UpdateArticle(catalogue, article, *title, true, state, storedFile, presentSubcategory, *form.category,
                     *form.subcategory))
    return result;
  // A move re-creates the node: the one selected now is the article.
  result.article = presentSubcategory != *form.subcategory ? catalogue.SelectedNode(0) : article;
  journal.RecordJournalEntry(catalogue, JournalOp::ArticleProperties, ArticlePropertiesDetail(oldTitle, *title));
  return result;
}

ArticleFilePick PrepareArticleFilePick(const Dirs& dirs, std::string& fileName) {
  ArticleFilePick pick;
  std::error_code ec;
  if (fs::is_directory(dirs.baseDir, ec)) pick.folder = dirs.baseDir;
  fileName = TrimmedUtf8(fileName);
  if (const auto stored = TypedText(fileName); stored && !stored->empty() && FileInBase(dirs, *stored))
    pick.file = StoredNameToPath(dirs.baseDir, *stored);
  return pick;
}

std::string PickedArticleFileName(const fs::path& picked) { return DisplayFileName(picked.filename()); }

std::string ProjectMailAddress() { return "mailto:" + std::string(kProjectEmail) + "?subject=NewArticle"; }

}  // namespace lrv
