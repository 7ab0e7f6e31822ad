#pragma once
// A small archive for the search tests: a catalogue of three categories
// (and a fourth whose title repeats the third's in capitals) with pages
// that end their lines with CR LF, a lone LF or hold a lone CR, one page
// missing and one in a subfolder.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "base/paths.h"
#include "base/text.h"
#include "catalogue/catalogue.h"
#include "catalogue/result_list.h"
#include "search/search_pass.h"

namespace lrv::test {

namespace fs = std::filesystem;

inline std::string A(std::string_view utf8) { return text::Ansi(utf8); }

class SearchArchive : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dirs_.baseDir = fs::temp_directory_path() /
                    ("lrv-search-" + std::to_string(::getpid()) + "-" + info->test_suite_name() + "-" + info->name());
    fs::remove_all(dirs_.baseDir);
    fs::create_directories(dirs_.baseDir / "sub");
    CatalogueNode* db = Category("Базы данных");
    CatalogueNode* sql = Sub(db, "SQL");
    Article(sql, "Оптимизация запросов к базе данных", "db1.html", "",
            "<html>\r\n<p>Индексы ускоряют запросы.</p>\r\n<p>Базы данных хранят таблицы</p>\r\n");
    Article(sql, "Транзакции в СУБД", "db2.html", "1", "Транзакция фиксирует изменения.\nДанных много\n", "yes");
    Article(Sub(db, "NoSQL"), "Документные базы", "db3.html", "2",
            "metadata data\r\n<a href=\"data.html\">ссылка</a>\r\n");
    CatalogueNode* delphi = Category("Delphi");
    CatalogueNode* vcl = Sub(delphi, "VCL");
    Article(vcl, "TForm.Create и формы", "dl1.html", "3",
            "TForm.Create(Self);\r\nклиент-сервер\r\nпрограммирование компонентов\r\n", "YES");
    Article(vcl, "Компоненты Delphi", "missing.html", "", nullptr);
    Article(vcl, "Странное состояние", "dl3.html", "x", "Поиск данных\r\n");
    Sub(delphi, "Пустая");
    CatalogueNode* net = Category("Сети");
    CatalogueNode* tcp = Sub(net, "TCP");
    Article(tcp, "Клиент-сервер на сокетах", "net1.html", "1", "Клиент\rсервер\r\nСЕРВЕРА ЗАГРУЖАЕТСЯ\r\n");
    Article(tcp, "Загрузка данных по сети", "sub\\net2.html", "2", "данных и базы\r\n");
    Article(Sub(Category("СЕТИ"), "UDP"), "Сокеты данных", "net3.html", "", "датаграммы данных\r\n");
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(dirs_.baseDir, ec);
  }

  CatalogueNode* Category(std::string_view title) {
    CatalogueNode* n = catalogue_.AddChild(nullptr);
    catalogue_.SetValues(n, {A(title)});
    return n;
  }
  CatalogueNode* Sub(CatalogueNode* category, std::string_view title) {
    CatalogueNode* n = catalogue_.AddChild(category);
    catalogue_.SetValues(n, {A(title)});
    return n;
  }
  // `page` nullptr: the page file does not exist.
  CatalogueNode* Article(CatalogueNode* sub, std::string_view title, std::string_view file, std::string_view state,
                         const char* page, std::string_view look = "") {
    CatalogueNode* n = catalogue_.AddChild(sub);
    catalogue_.SetValues(n, {A(title), "0", std::string(file), std::string(state), std::string(look)});
    if (page != nullptr) WritePage(file, A(page));
    return n;
  }
  void WritePage(std::string_view file, const std::string& bytes) {
    std::ofstream(StoredNameToPath(dirs_.baseDir, file), std::ios::binary) << bytes;
  }

  SearchQuery Query(std::string_view utf8, SearchKind kind, bool inText, bool stem = false) const {
    SearchQuery q;
    q.text = A(utf8);
    q.kind = kind;
    q.inText = inText;
    q.stem = stem;
    CheckAllCategories(catalogue_, q);
    return q;
  }

  static std::vector<std::string> Files(const ResultList& list) {
    std::vector<std::string> files;
    for (const auto& row : list.rows) files.push_back(row.Value(ColFileName));
    return files;
  }

  Catalogue catalogue_;
  Dirs dirs_;
};

}  // namespace lrv::test
