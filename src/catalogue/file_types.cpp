#include "catalogue/file_types.h"

#include <system_error>

namespace lrv {

namespace fs = std::filesystem;

namespace {

fs::path TreeIcon(const Dirs& dirs) { return dirs.ImagesDir() / "tree.ico"; }

}  // namespace

std::vector<FileTypeRegistration> TreeFileTypes(const Dirs& dirs) {
  struct Kind {
    const char* extension;
    const char* description;
  };
  static constexpr Kind kKinds[] = {
      {"first", "Первоначальный вид дерева статей Lorvane"},
      {"last", "Дерево статей Lorvane: последняя успешная загрузка"},
      {"info", "Дерево статей Lorvane"},
      {"day", "Дерево статей Lorvane: копия за день"},
      {"auto", "Дерево статей Lorvane: копия автосохранения"},
      {"tree", "Резервная копия дерева статей Lorvane"},
  };
  std::vector<FileTypeRegistration> types;
  for (const Kind& kind : kKinds) types.push_back({kind.extension, kind.description, TreeIcon(dirs)});
  return types;
}

bool RegisterTreeFileTypes(const Dirs& dirs, Shell& shell, const fs::path& executable) {
  try {
    std::error_code ec;
    if (!fs::is_regular_file(TreeIcon(dirs), ec)) return false;
    return shell.RegisterFileTypes(TreeFileTypes(dirs), executable);
  } catch (...) {
    // A desktop that refuses the registration must not stop the start-up.
    return false;
  }
}

}  // namespace lrv
