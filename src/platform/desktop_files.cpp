#include "platform/desktop_files.h"

#include <algorithm>

namespace lrv {

namespace {

std::string XmlEscape(const std::string& s) {
  std::string out;
  for (char c : s) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&apos;"; break;
      default:
        // Control characters are not allowed in XML 1.0 at all.
        if (static_cast<unsigned char>(c) >= 0x20 || c == '\t' || c == '\n') out.push_back(c);
        else out.push_back(' ');
    }
  }
  return out;
}

bool UsableExtension(const std::string& extension) {
  return !extension.empty() && std::all_of(extension.begin(), extension.end(), [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-';
  });
}

std::string LowerAscii(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

}  // namespace

std::string DesktopExecArgument(const std::string& argument) {
  std::string quoted = "\"";
  for (char c : argument) {
    if (c == '"' || c == '`' || c == '$' || c == '\\') quoted.push_back('\\');
    if (c == '%') quoted.push_back('%');
    quoted.push_back(c);
  }
  quoted.push_back('"');
  // The value-level escapes apply on top of the quoting.
  std::string value;
  for (char c : quoted) {
    switch (c) {
      case '\\': value += "\\\\"; break;
      case '\n': value += "\\n"; break;
      case '\r': value += "\\r"; break;
      case '\t': value += "\\t"; break;
      default: value.push_back(c);
    }
  }
  return value;
}

std::string MimeTypeOfExtension(const std::string& extension) {
  return UsableExtension(extension) ? "application/x-lorvane-" + LowerAscii(extension) : std::string();
}

std::string IconNameOfExtension(const std::string& extension) {
  return UsableExtension(extension) ? "application-x-lorvane-" + LowerAscii(extension) : std::string();
}

std::string DesktopEntryText(const std::filesystem::path& program, const std::vector<FileTypeRegistration>& types,
                             const std::string& iconName) {
  std::string mimeTypes;
  for (const auto& type : types)
    if (const std::string mime = MimeTypeOfExtension(type.extension); !mime.empty()) mimeTypes += mime + ";";
  std::string out =
      "[Desktop Entry]\n"
      "Type=Application\n"
      "Version=1.0\n"
      "Name=Lorvane 6 Pro\n"
      "Exec=" + DesktopExecArgument(program.string()) + " %f\n"
      "Terminal=false\n"
      "NoDisplay=false\n"
      "Categories=Development;Documentation;\n";
  if (!iconName.empty()) out += "Icon=" + iconName + "\n";
  if (!mimeTypes.empty()) out += "MimeType=" + mimeTypes + "\n";
  return out;
}

std::string MimePackageText(const std::vector<FileTypeRegistration>& types) {
  std::string out =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n";
  for (const auto& type : types) {
    const std::string mime = MimeTypeOfExtension(type.extension);
    if (mime.empty()) continue;
    out += "  <mime-type type=\"" + mime + "\">\n";
    out += "    <comment>" + XmlEscape(type.description) + "</comment>\n";
    if (!type.icon.empty()) out += "    <icon name=\"" + IconNameOfExtension(type.extension) + "\"/>\n";
    out += "    <glob pattern=\"*." + LowerAscii(type.extension) + "\"/>\n";
    out += "  </mime-type>\n";
  }
  out += "</mime-info>\n";
  return out;
}

}  // namespace lrv
