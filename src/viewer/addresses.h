#pragma once
// Browser addresses as the viewer's rules see them.
//
// Addresses are kept in the archive's form, Windows-1251 bytes in
// std::string, like every other archive text: a local page is the plain
// path of its file (PathToAnsi of the native path), an internet page its
// URL (ASCII, percent-encoded). The browser adapter converts at the edge
// (file URLs to plain paths, UTF-16 to Windows-1251), so case-insensitive
// comparisons with the catalogue's file names use one case table.

#include <string>
#include <string_view>

#include "base/paths.h"

namespace lrv::viewer {

inline constexpr std::string_view kAboutBlank = "about:blank";

// An address beginning with "http", "www" or "res" (exactly, at its start):
// never a page of the archive.
bool IsInternetAddress(std::string_view address);

// True when the address starts with a URL scheme ("http:", "about:",
// "mailto:"); a drive letter ("C:") is no scheme.
bool HasUrlScheme(std::string_view address);

// The file-name part of an address: the text after the last "\" or ":".
// In a URL "/" does not separate, so an internet page never looks like an
// archive file; in a native path it is the folder separator and does.
std::string_view AddressFileNamePart(std::string_view address);

// BaseDir in the archive's form, ending in the native separator, ready to
// be joined with a stored file name.
std::string BaseDirAddress(const Dirs& dirs);

// The address the viewer navigates to for a stored file name: BaseDir
// joined with the name, whose backslashes become the native separator.
// No trimming and no case folding.
std::string ArticleAddress(std::string_view baseDir, std::string_view storedFileName);

// The key two addresses are compared by: trimmed and lower-cased.
std::string AddressKey(std::string_view address);

}  // namespace lrv::viewer
