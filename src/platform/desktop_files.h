#pragma once
// The files that register the program's file types with a freedesktop
// desktop: a desktop entry that opens a file with the program, and a
// shared-mime-info package with one type per extension.

#include <filesystem>
#include <string>
#include <vector>

#include "platform/shell.h"

namespace lrv {

// One argument of an Exec line, quoted as the desktop-entry format wants:
// in double quotes with `"`, `` ` ``, `$` and `\` escaped, `%` doubled, and
// then the string-value escapes (a backslash written twice, line breaks as
// "\n").
std::string DesktopExecArgument(const std::string& argument);

// The type name of an extension ("tree" -> "application/x-lorvane-tree"),
// or empty for an extension that cannot be a glob safely (empty, or with
// characters other than Latin letters, digits, "_" and "-").
std::string MimeTypeOfExtension(const std::string& extension);
// The icon name of that type ("application-x-lorvane-tree").
std::string IconNameOfExtension(const std::string& extension);

// "lorvane.desktop": Exec="<program>" %f, MimeType= every usable type.
std::string DesktopEntryText(const std::filesystem::path& program, const std::vector<FileTypeRegistration>& types,
                             const std::string& iconName);
// "lorvane.xml": one <mime-type> per usable extension with its comment,
// its glob and, for a type that has an icon file, its icon name.
std::string MimePackageText(const std::vector<FileTypeRegistration>& types);

}  // namespace lrv
