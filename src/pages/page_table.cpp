#include "pages/page_table.h"

#include "base/text.h"

namespace lrv::pages {
namespace {

// A few terms per row for now; the full keyword lists are page data that
// the index pages fill in.
struct Row {
  const char* title;
  const char* file;
  const char* keywords;
};

constexpr Row kRows[kPageTableRows] = {
    {"Все статьи", "_all_articles_.html", "программирование, статьи, архив, programming, articles"},
    {"Базы данных", "_db_.html", "базы данных, SQL, индексы, транзакции, database"},
    {"Графика и Игры", "_graphic_.html", "графика, игры, растр, graphics, games"},
    {"Интернет и Сети", "_internet_.html", "интернет, сети, HTTP, сокеты, network"},
    {"Компоненты и Классы", "_comps_.html", "компоненты, классы, объекты, components, classes"},
    {"Мультимедиа", "_multimedia_.html", "мультимедиа, звук, видео, multimedia"},
    {"ОС и Железо", "_os_.html", "операционная система, процессы, устройства, OS, hardware"},
    {"Программа и Интерфейс", "_app_.html", "приложение, интерфейс, окна, application, user interface"},
    {"Рабочий стол", "_desktop_.html", "рабочий стол, ярлыки, desktop"},
    {"Синтаксис", "_syntax_.html", "синтаксис, язык, типы, syntax, language"},
    {"Технологии", "_tech_.html", "технологии, OLE, COM, автоматизация, technologies"},
    {"Файловая система", "_files_.html", "файлы, каталоги, файловая система, files, folders"},
    {"Все авторы", "_authors_.html", "программирование, статьи, авторы, authors"},
    {"Рейтинг авторов", "_authors_.html", "программирование, статьи, авторы, рейтинг, authors"},
};

std::string_view AddressFileName(std::string_view address) {
  const size_t slash = address.find_last_of("\\/");
  return slash == std::string_view::npos ? address : address.substr(slash + 1);
}

}  // namespace

const PageTable& BuildPageTable() {
  static const PageTable table = [] {
    PageTable t;
    for (int i = 0; i < kPageTableRows; ++i)
      t[i] = {text::Ansi(kRows[i].title), text::Ansi(kRows[i].keywords), kRows[i].file};
    return t;
  }();
  return table;
}

std::string PageFileForTitle(std::string_view title) {
  for (const auto& row : BuildPageTable())
    if (text::EqualsNoCase(row.Title, title)) return row.PageFile;
  return std::string(kTempPageFile);
}

std::string GeneratedPageTitle(std::string_view address) {
  const std::string_view file = AddressFileName(address);
  for (const auto& row : BuildPageTable())
    if (text::EqualsNoCase(row.PageFile, file)) return row.Title;
  return {};
}

std::string PageKeywords(std::string_view title) {
  for (const auto& row : BuildPageTable())
    if (text::EqualsNoCase(row.Title, title)) return row.Keywords;
  return BuildPageTable()[0].Keywords;
}

}  // namespace lrv::pages
