#pragma once
// HTML tag, attribute and event names. A search word that is one of them is
// never highlighted in a page: wrapping it would break the page's markup far
// more often than it would mark real text.

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lrv {

// One tag of the reference table: its name as written in HTML, upper case,
// without angle brackets ("BODY", "!DOCTYPE", "!-- --"). The group and the
// description are reference texts that nothing reads; they stay empty here.
//
// Which attributes and events belong to which tag is not recorded: the only
// questions ever asked are "is this an attribute (or event) name of any
// tag", so the records carry empty lists and the names live once in
// TagAttributeNames() and TagEventNames(), which are the union of all
// records' lists.
struct T_tag_rec {
  std::string name;
  std::string group;
  std::vector<std::string> description;
  std::vector<std::string> attributes;
  std::vector<std::string> events;
};

// The 112 tags, in table order; built on first use and never changed.
const std::vector<T_tag_rec>& TagTable();

// The distinct attribute names (152) and event names (59) of all tags,
// lower case, in alphabetical order. "maxlenght" and "stanby" are spelled
// as the table has always spelled them.
std::span<const std::string_view> TagAttributeNames();
std::span<const std::string_view> TagEventNames();

// Whether the word equals, compared in lower case, a tag name, an attribute
// name of any tag, or an event name of any tag.
bool IsTagName(std::string_view word);
bool IsTagAttribute(std::string_view word);
bool IsTagEvent(std::string_view word);

}  // namespace lrv
