#include "viewer/open_article.h"

#include <filesystem>
#include <system_error>

#include "base/paths.h"
#include "base/text.h"
#include "viewer/addresses.h"

namespace lrv::viewer {

std::string MissingArticleFileText(std::string_view baseDir, std::string_view fileName) {
  const std::string localPath = text::Cp1251ToUtf8(std::string(baseDir) + std::string(fileName));
  const std::string sitePath = ProjectSiteRoot() + "/base/" + text::Cp1251ToUtf8(fileName);
  return "Файл \"" + localPath +
         "\" не существует!\n\r\n\rВНИМАНИЕ!\n\r\n\rЗагрузить все архивы статей можно с web-сайта "
         "этого проекта:\n\r" +
         ProjectSiteRoot() +
         "\n\r\n\rЕсли не хватает только этой работы, и Вы уверены, что она была добавлена не Вами, а "
         "входила в стандартную поставку, тогда её можно загрузить по адресу:\n\r\"" +
         sitePath + "\"";
}

void ReportMissingArticleFile(Prompter& prompter, std::string_view baseDir, std::string_view fileName) {
  prompter.Warn(MissingArticleFileText(baseDir, fileName), kMissingArticleHelpContext);
}

std::optional<std::string> tlMainDblClick(ArticleViewer& viewer, Prompter& prompter) {
  Catalogue& catalogue = viewer.GetCatalogue();
  if (catalogue.SelectedCount() != 1) return std::nullopt;
  const CatalogueNode* article = catalogue.SelectedNode(0);
  if (article == nullptr || !article->IsArticle()) return std::nullopt;
  const std::string& fileName = article->Value(ColFileName);
  // The stored name may differ in letter case from the file on disk.
  const std::filesystem::path file = StoredNameToPath(viewer.GetDirs().baseDir, fileName);
  std::error_code error;
  if (fileName.empty() || !std::filesystem::is_regular_file(file, error)) {
    ReportMissingArticleFile(prompter, viewer.BaseDir(), fileName);
    return std::nullopt;
  }
  return viewer.History().GoToAddress(PathToAnsi(file));
}

}  // namespace lrv::viewer
