#pragma once
// Windows-1251 text: the archive keeps every text as single-byte Cyrillic.
// The core carries those bytes unchanged in std::string; conversion to
// Unicode happens only at the screen and on the command line.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lrv::text {

// Unicode code point of a Windows-1251 byte. The unassigned byte 0x98 maps
// to U+0098 so that every byte sequence survives a round trip.
char32_t CodePointOf(unsigned char byte);
// The byte for a code point, or nullopt when Windows-1251 has no such letter.
std::optional<unsigned char> ByteOf(char32_t codePoint);

std::string Cp1251ToUtf8(std::string_view bytes);
// nullopt when the UTF-8 is malformed or a character has no Windows-1251 form.
std::optional<std::string> Utf8ToCp1251(std::string_view utf8);
std::u16string Cp1251ToUtf16(std::string_view bytes);
std::optional<std::string> Utf16ToCp1251(std::u16string_view utf16);

// A Russian literal written once in UTF-8 in the source, converted to the
// archive's bytes where it meets archive data. Keep the result in a static:
//   static const std::string kName = lrv::text::Ansi("Новая категория");
// Throws std::logic_error for a literal with no Windows-1251 form (a bug).
std::string Ansi(std::string_view utf8Literal);

// Case tables of the system's ANSI lower- and upper-casing for code page
// 1251: Latin letters, Cyrillic А-Я/а-я, Ё/ё and the other Cyrillic pairs.
unsigned char LowerByte(unsigned char c);
unsigned char UpperByte(unsigned char c);
std::string Lower(std::string_view s);
std::string Upper(std::string_view s);
void LowerInPlace(std::string& s);
bool EqualsNoCase(std::string_view a, std::string_view b);
// Byte-order comparison after lower-casing: <0, 0, >0.
int CompareNoCase(std::string_view a, std::string_view b);

// Trimming removes bytes <= 32 (spaces and control characters), as the
// system's Trim does.
std::string_view Trim(std::string_view s);
std::string_view TrimLeft(std::string_view s);
std::string_view TrimRight(std::string_view s);

// A text file's lines: split at CR LF or a lone LF (a lone CR stays in the
// line). A final line break does not start an empty last line.
std::vector<std::string> SplitLines(std::string_view content);
// Lines joined with CR LF after every line, as the system writes text files.
std::string JoinLinesCrLf(const std::vector<std::string>& lines);

// Decimal text of an integer, and the system's StrToInt: leading spaces, an
// optional sign, decimal digits (or "$" and hex digits) and nothing after;
// the value must fit in 32 bits.
std::string IntToStr(long long value);
std::optional<int> StrToInt(std::string_view s);
int StrToIntDef(std::string_view s, int fallback);

}  // namespace lrv::text
