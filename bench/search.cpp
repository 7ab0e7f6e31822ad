// Search pass benchmark on a synthetic archive of 20 000 article pages:
// a page-text search for a two-word exact phrase (case-insensitive), an
// all-words page-text search with word-form folding, and a title search
// over 100 000 titles. The peer is ripgrep over the same article files
// (rg -F -i -l --encoding windows-1251, two threads), measured in the same
// run on a warm cache; for the phrase both must find the same files.
//
//   bench_search [BASEDIR]     (without one, scripts/gen_archive writes it)

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "base/text.h"
#include "catalogue/catalogue.h"
#include "catalogue/catalogue_rules.h"
#include "catalogue/tree_file.h"
#include "search/search_pass.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kRuns = 5;

double Millis(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

template <class F>
double MedianTime(F&& f) {
  std::vector<double> times;
  for (int i = 0; i < kRuns; ++i) {
    const auto start = Clock::now();
    f();
    times.push_back(Millis(Clock::now() - start));
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

// Runs a program in `dir` with the arguments (no shell: the file list is
// too long for one) and returns its standard output.
std::string Run(const fs::path& dir, const std::vector<std::string>& args) {
  int pipeFds[2];
  if (pipe(pipeFds) != 0) std::exit(2);
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(pipeFds[1], 1);
    close(pipeFds[0]);
    close(pipeFds[1]);
    if (chdir(dir.c_str()) != 0) _exit(127);
    std::vector<char*> argv;
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execvp(argv[0], argv.data());
    _exit(127);
  }
  close(pipeFds[1]);
  std::string out;
  char buffer[65536];
  for (ssize_t got; (got = read(pipeFds[0], buffer, sizeof buffer)) > 0;) out.append(buffer, static_cast<std::size_t>(got));
  close(pipeFds[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  return out;
}

std::set<std::string> Lines(const std::string& text) {
  std::set<std::string> lines;
  std::size_t start = 0;
  for (std::size_t lf; (lf = text.find('\n', start)) != std::string::npos; start = lf + 1)
    lines.insert(text.substr(start, lf - start));
  return lines;
}

struct Quiet : lrv::SearchProgress {};

lrv::ResultList Search(const lrv::Catalogue& catalogue, const lrv::Dirs& dirs, const std::string& utf8,
                       lrv::SearchKind kind, bool inText, bool stem) {
  lrv::SearchQuery q;
  q.text = *lrv::text::Utf8ToCp1251(utf8);
  q.kind = kind;
  q.inText = inText;
  q.stem = stem;
  lrv::CheckAllCategories(catalogue, q);
  lrv::ResultList results;
  Quiet progress;
  lrv::RunSearch(catalogue, dirs, q, results, progress);
  return results;
}

}  // namespace

int main(int argc, char** argv) {
  lrv::Dirs dirs;
  if (argc > 1) {
    dirs.baseDir = argv[1];
  } else {
    dirs.baseDir = fs::temp_directory_path() / ("lrv-bench-search-" + std::to_string(getpid()));
    std::printf("writing the synthetic archive to %s\n", dirs.baseDir.c_str());
    Run(".", {"python3", std::string(LRV_SOURCE_DIR) + "/scripts/gen_archive", dirs.baseDir.string(), "--articles",
              "20000", "--seed", "7"});
  }
  lrv::Catalogue catalogue;
  if (!lrv::LoadTree(catalogue, dirs.baseDir / "tree.info")) {
    std::fprintf(stderr, "cannot load %s\n", (dirs.baseDir / "tree.info").c_str());
    return 2;
  }
  std::vector<std::string> files;
  lrv::ForEachArticle(catalogue, [&](const lrv::CatalogueNode* a) { files.push_back(a->Value(lrv::ColFileName)); });
  std::printf("%zu articles\n", files.size());

  const auto rg = [&](const std::vector<std::string>& patterns) {
    std::vector<std::string> args = {"rg", "-F", "-i", "-l", "-j", "2", "--encoding", "windows-1251", "--no-messages"};
    for (const auto& p : patterns) args.insert(args.end(), {"-e", p});
    args.push_back("--");
    args.insert(args.end(), files.begin(), files.end());
    return Run(dirs.baseDir, args);
  };

  // Warm the cache: every page read once by both.
  rg({"разогрев"});
  Search(catalogue, dirs, "разогрев", lrv::SearchKind::ExactPhrase, true, false);

  int failures = 0;
  const auto report = [&](const char* what, double ours, double peer) {
    const double ratio = ours / peer;
    std::printf("%-44s ours %8.1f ms   rg %8.1f ms   ratio %.2f%s\n", what, ours, peer, ratio,
                ratio <= 0.5 ? "" : "   (aim: <= 0.5)");
  };

  // 1. Exact phrase in page text; the same files as ripgrep.
  const std::string phrase = "открывает файл";
  lrv::ResultList found;
  const double ours1 = MedianTime([&] { found = Search(catalogue, dirs, phrase, lrv::SearchKind::ExactPhrase, true, false); });
  std::string rgOut;
  const double peer1 = MedianTime([&] { rgOut = rg({phrase}); });
  report("text, exact phrase \"открывает файл\"", ours1, peer1);
  std::set<std::string> ourFiles;
  for (const auto& row : found.rows) ourFiles.insert(row.Value(lrv::ColFileName));
  const std::set<std::string> rgFiles = Lines(rgOut);
  const bool same = ourFiles == rgFiles;
  std::printf("  found %zu files, rg %zu: %s\n", ourFiles.size(), rgFiles.size(), same ? "the same set" : "DIFFERENT");
  if (!same || ourFiles.empty()) ++failures;

  // 2. All words with word-form folding; the peer looks for either stem.
  const std::string words = "компоненты освобождали";
  const double ours2 = MedianTime([&] { found = Search(catalogue, dirs, words, lrv::SearchKind::AllWords, true, true); });
  const double peer2 = MedianTime([&] { rgOut = rg({"компонент", "освобожда"}); });
  report("text, all words with folding", ours2, peer2);
  std::printf("  found %zu files (rg, either stem: %zu)\n", found.rows.size(), Lines(rgOut).size());

  // 3. Titles only, over 100 000 titles (the archive's titles five times).
  lrv::Catalogue big;
  for (int copy = 0; copy < 5; ++copy)
    for (const lrv::CatalogueNode* category : catalogue.Roots()) {
      lrv::CatalogueNode* c = big.AddChild(nullptr);
      big.SetValues(c, category->Values());
      for (const lrv::CatalogueNode* sub : category->Children()) {
        lrv::CatalogueNode* s = big.AddChild(c);
        big.SetValues(s, sub->Values());
        for (const lrv::CatalogueNode* article : sub->Children()) big.SetValues(big.AddChild(s), article->Values());
      }
    }
  const double ours3 = MedianTime([&] { found = Search(big, dirs, "через интерфейсы", lrv::SearchKind::ExactPhrase, false, true); });
  std::printf("%-44s ours %8.1f ms   (aim: < 20 ms for %lld titles)   found %zu\n", "titles, exact phrase with folding",
              ours3, lrv::CountCatalogue(big).articles, found.rows.size());
  if (argc <= 1) fs::remove_all(dirs.baseDir);
  return failures == 0 ? 0 : 1;
}
