#include "search/tag_table.h"

#include <algorithm>
#include <array>

#include "base/text.h"

namespace lrv {
namespace {

constexpr std::array<std::string_view, 112> kTagNames = {
    "HTML",     "HEAD",      "BODY",     "!DOCTYPE", "FRAMESET", "BASE",     "BASEFONT", "ISINDEX",
    "LINK",     "META",      "SCRIPT",   "STYLE",    "TITLE",    "ADDRESS",  "AREA",     "BLOCKQUOTE",
    "CENTER",   "DEL",       "DIV",      "H1",       "H2",       "H3",       "H4",       "H5",
    "H6",       "HR",        "IMG",      "INS",      "MAP",      "P",        "SPAN",     "ABBR",
    "ACRONYM",  "B",         "BIG",      "BLINK",    "BR",       "!-- --",   "CITE",     "CODE",
    "DFN",      "EM",        "FONT",     "I",        "KBD",      "LISTING",  "NOBR",     "PLAINTEXT",
    "PRE",      "Q",         "S",        "SAMP",     "SMALL",    "STRIKE",   "STRONG",   "SUB",
    "SUP",      "TT",        "U",        "VAR",      "WBR",      "XMP",      "DD",       "DIR",
    "DL",       "DT",        "LI",       "MENU",     "OL",       "UL",       "CAPTION",  "COL",
    "COLGROUP", "TABLE",     "TBODY",    "TD",       "TFOOT",    "TH",       "THEAD",    "TR",
    "FRAME",    "IFRAME",    "NOFRAMES", "BUTTON",   "FIELDSET", "FORM",     "HTMLAREA", "INPUT",
    "LABEL",    "LEGEND",    "OPTGROUP", "OPTION",   "SELECT",   "TEXTAREA", "A",        "APPLET",
    "BDO",      "BGSOUND",   "COMMENT",  "EMBED",    "ILAYER",   "KEYGEN",   "LAYER",    "MARQUEE",
    "MULTICOL", "NOEMBED",   "NOLAYER",  "NOSCRIPT", "OBJECT",   "PARAM",    "SERVER",   "SPACER",
};

constexpr std::array<std::string_view, 152> kAttributeNames = {
    "abbr",         "above",        "accept",       "accept-charset", "accesskey",    "action",
    "align",        "alink",        "alt",          "archive",        "axis",         "background",
    "balance",      "behavior",     "below",        "bgcolor",        "bgproperties", "border",
    "bordercolor",  "bordercolordark", "bordercolorlight", "bottommargin", "cellpadding", "cellspacing",
    "challenge",    "char",         "charoff",      "charset",        "checked",      "cite",
    "class",        "classid",      "clear",        "clip",           "code",         "codebase",
    "codetype",     "color",        "cols",         "colspan",        "compact",      "content",
    "controls",     "coords",       "data",         "datafld",        "dataformatas", "datapagesize",
    "datasrc",      "datetime",     "declare",      "defer",          "dir",          "direction",
    "disabled",     "dynsrc",       "enctype",      "event",          "face",         "for",
    "frame",        "frameborder",  "framespacing", "gutter",         "headers",      "height",
    "hidden",       "href",         "hreflang",     "hspace",         "http-equiv",   "id",
    "ismap",        "label",        "lang",         "language",       "left",         "leftmargin",
    "link",         "longdesc",     "loop",         "loopdelay",      "lowsrc",       "marginheight",
    "marginwidth",  "maxlenght",    "mayscript",    "media",          "method",       "methods",
    "multiple",     "name",         "nohref",       "noresize",       "noshade",      "nowrap",
    "object",       "pagex",        "pagey",        "palette",        "pluginspage",  "pluginurl",
    "point-size",   "profile",      "prompt",       "readonly",       "rel",          "rev",
    "rightmargin",  "rows",         "rowspan",      "rules",          "scheme",       "scope",
    "scroll",       "scrollamount", "scrolldelay",  "scrolling",      "selected",     "shape",
    "size",         "span",         "src",          "stanby",         "start",        "style",
    "summary",      "suppress",     "tabindex",     "target",         "text",         "title",
    "top",          "topmargin",    "truespeed",    "type",           "units",        "url",
    "urn",          "usemap",       "valign",       "value",          "valuetype",    "version",
    "visibility",   "vlink",        "volume",       "vspace",         "weight",       "width",
    "wrap",         "z-index",
};

constexpr std::array<std::string_view, 59> kEventNames = {
    "onabort",         "onafterprint",     "onafterupdate",      "onbeforecopy",      "onbeforecut",
    "onbeforeeditfocus", "onbeforepaste",  "onbeforeprint",      "onbeforeunload",    "onbeforeupdate",
    "onblur",          "oncellchange",     "onchange",           "onclick",           "oncontextmenu",
    "oncopy",          "oncut",            "ondataavailable",    "ondatasetchanged",  "ondatasetcomplete",
    "ondblclick",      "ondrag",           "ondragend",          "ondragenter",       "ondragleave",
    "ondragover",      "ondragstart",      "ondrop",             "onerror",           "onerrorupdate",
    "onfilterchange",  "onfinish",         "onfocus",            "onhelp",            "onkeydown",
    "onkeypress",      "onkeyup",          "onload",             "onlosecapture",     "onmousedown",
    "onmousemove",     "onmouseout",       "onmouseover",        "onmouseup",         "onpaste",
    "onpropertychange", "onreadystatechange", "onreset",         "onresize",          "onrowenter",
    "onrowexit",       "onrowsdelete",     "onrowsinserted",     "onscroll",          "onselect",
    "onselectstart",   "onstart",          "onsubmit",           "onunload",
};

// A lower-case, sorted copy of a name list for binary search.
class NameSet {
 public:
  template <std::size_t N>
  explicit NameSet(const std::array<std::string_view, N>& names) {
    for (std::string_view n : names) names_.push_back(text::Lower(n));
    std::sort(names_.begin(), names_.end());
  }
  bool Contains(std::string_view word) const {
    return std::binary_search(names_.begin(), names_.end(), text::Lower(word));
  }

 private:
  std::vector<std::string> names_;
};

}  // namespace

const std::vector<T_tag_rec>& TagTable() {
  static const std::vector<T_tag_rec> table = [] {
    std::vector<T_tag_rec> records;
    records.reserve(kTagNames.size());
    for (std::string_view name : kTagNames) records.push_back(T_tag_rec{std::string(name), {}, {}, {}, {}});
    return records;
  }();
  return table;
}

std::span<const std::string_view> TagAttributeNames() { return kAttributeNames; }
std::span<const std::string_view> TagEventNames() { return kEventNames; }

bool IsTagName(std::string_view word) {
  static const NameSet names(kTagNames);
  return names.Contains(word);
}

bool IsTagAttribute(std::string_view word) {
  static const NameSet names(kAttributeNames);
  return names.Contains(word);
}

bool IsTagEvent(std::string_view word) {
  static const NameSet names(kEventNames);
  return names.Contains(word);
}

}  // namespace lrv
