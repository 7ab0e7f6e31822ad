// Catalogue store benchmark: a catalogue of 100 000 articles in 12
// categories and 1 000 subcategories, saved, loaded and recounted; the peer
// is one plain write and one plain read of the same number of bytes,
// measured in the same run. Also prints the memory a loaded catalogue takes.
//
//   bench_catalogue [repetitions]

#include <fcntl.h>
#include <malloc.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "base/files.h"
#include "base/text.h"
#include "catalogue/catalogue.h"
#include "catalogue/catalogue_rules.h"
#include "catalogue/tree_file.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kCategories = 12;
constexpr int kSubcategories = 1000;
constexpr int kArticlesPerSubcategory = 100;

double Millis(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

template <class F>
double Time(F&& f) {
  const auto start = Clock::now();
  f();
  return Millis(Clock::now() - start);
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

// A value of /proc/self/status in kB.
long StatusKb(const char* field) {
  std::ifstream in("/proc/self/status");
  std::string line;
  const std::string prefix = std::string(field) + ":";
  while (std::getline(in, line))
    if (line.rfind(prefix, 0) == 0) return std::strtol(line.c_str() + prefix.size(), nullptr, 10);
  return -1;
}

// Resets the peak resident size (VmHWM) to the current one.
bool ResetPeak() {
  std::ofstream out("/proc/self/clear_refs");
  out << "5";
  return static_cast<bool>(out.flush());
}

// Titles of a real archive's kind: Russian words, Latin names, numbers.
lrv::Catalogue BuildCatalogue() {
  static const char* kWords[] = {"Базы",    "данных", "Сети",   "Драйвер", "ODBC",   "SQL",      "Delphi",
                                 "Windows", "потоки", "память", "индексы", "Борланд", "указатели", "COM",
                                 "файлы",   "HTML",   "реестр", "сокеты",  "графика", "OpenGL"};
  std::vector<std::string> words;
  for (const char* w : kWords) words.push_back(lrv::text::Ansi(w));
  std::mt19937 random(2024);
  auto title = [&](int serial) {
    std::string t;
    const int count = 3 + static_cast<int>(random() % 5);
    for (int i = 0; i < count; ++i) {
      if (i > 0) t += ' ';
      t += words[random() % words.size()];
    }
    return t + " " + std::to_string(serial);
  };
  lrv::Catalogue c;
  lrv::CatalogueBatch batch(c);
  std::vector<lrv::CatalogueNode*> categories;
  for (int i = 0; i < kCategories; ++i) {
    categories.push_back(c.AddRoot());
    c.SetValue(categories.back(), lrv::ColTitle, title(i));
  }
  int article = 0;
  for (int s = 0; s < kSubcategories; ++s) {
    lrv::CatalogueNode* sub = c.AddChild(categories[random() % categories.size()]);
    c.SetValue(sub, lrv::ColTitle, title(s));
    for (int a = 0; a < kArticlesPerSubcategory; ++a, ++article) {
      lrv::CatalogueNode* n = c.AddChild(sub);
      c.SetValue(n, lrv::ColTitle, title(article));
      c.SetValue(n, lrv::ColFileName, "article_" + std::to_string(article) + ".html");
      const unsigned kind = random() % 8;
      if (kind < 3) c.SetValue(n, lrv::ColState, std::to_string(kind + 1));
      if (kind == 0) c.SetValue(n, lrv::ColLook, lrv::kLookedYes);
    }
  }
  return c;
}

void PlainWrite(const fs::path& path, const std::string& bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) std::abort();
  ::close(fd);
}

// One read into `buffer`, or into a new buffer (whose pages the read then
// faults in, as a loader's fresh memory is) when buffer is null.
std::size_t PlainRead(const fs::path& path, std::size_t size, char* buffer) {
  std::unique_ptr<char[]> fresh;
  if (buffer == nullptr) buffer = (fresh = std::unique_ptr<char[]>(new char[size])).get();
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  const ssize_t got = ::read(fd, buffer, size);
  ::close(fd);
  if (got != static_cast<ssize_t>(size)) std::abort();
  return static_cast<std::size_t>(buffer[size / 2]);
}

}  // namespace

int main(int argc, char** argv) {
  const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
  const fs::path dir = fs::temp_directory_path() / ("lrv-bench-catalogue-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  const fs::path treeFile = dir / "tree.info";
  const fs::path saveFile = dir / "saved.info";
  const fs::path plainFile = dir / "plain.bin";

  double buildMs = 0;
  {
    const auto start = Clock::now();
    const lrv::Catalogue built = BuildCatalogue();
    buildMs = Millis(Clock::now() - start);
    lrv::SaveTree(built, treeFile, false);
  }
  const std::string bytes = *lrv::ReadFile(treeFile);

  // Memory of one loaded catalogue, with nothing else alive.
  malloc_trim(0);
  const bool peakReset = ResetPeak();
  const long rssBefore = StatusKb("VmRSS");
  const std::size_t heapBefore = mallinfo2().uordblks;
  lrv::Catalogue loaded;
  if (!lrv::LoadTree(loaded, treeFile)) return 1;
  const long peakKb = StatusKb("VmHWM");
  const std::size_t heapAfter = mallinfo2().uordblks;
  const lrv::StatusCounts counts = lrv::CountCatalogue(loaded);

  std::vector<double> load, recount, save, write, read, warmRead;
  const std::unique_ptr<char[]> warmBuffer(new char[bytes.size()]);
  std::fill_n(warmBuffer.get(), bytes.size(), 0);
  for (int r = 0; r < repetitions; ++r) {
    lrv::Catalogue fresh;
    malloc_trim(0);  // the last run's frees are consolidated here, not inside the next load
    load.push_back(Time([&] {
      if (!lrv::LoadTree(fresh, treeFile)) std::abort();
    }));
    recount.push_back(Time([&] { lrv::RecountChildren(fresh); }));  // the file's order is unsorted
    save.push_back(Time([&] { lrv::SaveTree(loaded, saveFile, false); }));
    write.push_back(Time([&] { PlainWrite(plainFile, bytes); }));
    read.push_back(Time([&] { PlainRead(plainFile, bytes.size(), nullptr); }));
    warmRead.push_back(Time([&] { PlainRead(plainFile, bytes.size(), warmBuffer.get()); }));
  }
  fs::remove_all(dir);

  const double loadMs = Median(load), saveMs = Median(save), writeMs = Median(write), readMs = Median(read);
  const double warmReadMs = Median(warmRead);
  std::printf("catalogue: %lld categories, %lld subcategories, %lld articles; tree file %.1f MB\n",
              counts.categories, counts.subcategories, counts.articles, static_cast<double>(bytes.size()) / 1e6);
  std::printf("building in memory          %8.2f ms (once)\n", buildMs);
  std::printf("medians of %d runs:\n", repetitions);
  std::printf("  SaveTree (no final sync)  %8.2f ms\n", saveMs);
  std::printf("  plain write, same bytes   %8.2f ms   ratio %5.2fx (aim <= 5x)\n", writeMs, saveMs / writeMs);
  std::printf("  LoadTree                  %8.2f ms\n", loadMs);
  std::printf("  plain read, same bytes    %8.2f ms   ratio %5.2fx (aim <= 10x)\n", readMs, loadMs / readMs);
  std::printf("    (into a reused buffer   %8.2f ms   ratio %5.2fx)\n", warmReadMs, loadMs / warmReadMs);
  std::printf("  RecountChildren + re-sort %8.2f ms\n", Median(recount));
  std::printf("loaded catalogue: heap %.1f MB; peak resident %.1f MB over %.1f MB before loading%s (aim < 60 MB)\n",
              static_cast<double>(heapAfter - heapBefore) / 1048576.0,
              static_cast<double>(peakKb - rssBefore) / 1024.0, static_cast<double>(rssBefore) / 1024.0,
              peakReset ? "" : " [peak not reset: includes the build]");
  return 0;
}
