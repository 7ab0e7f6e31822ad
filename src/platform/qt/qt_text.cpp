#include "platform/qt/qt_text.h"

#include <QFile>

#include "base/text.h"

namespace lrv {

QString FromAnsi(std::string_view cp1251) {
  const std::u16string utf16 = text::Cp1251ToUtf16(cp1251);
  return QString::fromUtf16(utf16.data(), static_cast<qsizetype>(utf16.size()));
}

std::optional<std::string> ToAnsi(const QString& text) {
  return text::Utf16ToCp1251(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                                 static_cast<std::size_t>(text.size())));
}

QString FromUtf8(const std::string& utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string ToUtf8(const QString& text) { return text.toStdString(); }

#if defined(_WIN32)
QString FromPath(const std::filesystem::path& path) { return QString::fromStdWString(path.native()); }
std::filesystem::path ToPath(const QString& fileName) { return std::filesystem::path(fileName.toStdWString()); }
#else
QString FromPath(const std::filesystem::path& path) { return QFile::decodeName(QByteArray::fromStdString(path.native())); }
std::filesystem::path ToPath(const QString& fileName) { return std::filesystem::path(QFile::encodeName(fileName).toStdString()); }
#endif

}  // namespace lrv
