#pragma once
// Small catalogues for the tree window tests. Titles are written in UTF-8
// here and stored as Windows-1251 bytes, as the archive holds them.

#include <QApplication>
#include <QColor>
#include <string>
#include <string_view>
#include <vector>

#include "base/color.h"
#include "base/text.h"
#include "catalogue/catalogue.h"
#include "catalogue/columns.h"

namespace lrv::test {

inline std::string A(std::string_view utf8) { return text::Ansi(utf8); }

// A node with a title (and, for articles, a state and a file name).
inline CatalogueNode* AddNode(Catalogue& c, CatalogueNode* parent, std::string_view utf8Title,
                              std::string_view state = {}, std::string_view fileName = {}) {
  CatalogueNode* n = c.AddChild(parent);
  c.SetValue(n, ColTitle, A(utf8Title));
  if (!fileName.empty()) c.SetValue(n, ColFileName, fileName);
  if (!state.empty()) c.SetValue(n, ColState, state);
  return n;
}

// Two categories:
//   Программирование [2]: Zeta [3]: Ёлка, Арбуз, арбуз
//                         alpha [1]: Readme (state "2")
//   Сети [1]:             Протоколы [2]: tcp (state "1"), udp (state "3")
// Nodes are added out of order and then sorted by title.
struct SmallCatalogue {
  Catalogue c;
  CatalogueNode* programming = nullptr;
  CatalogueNode* networks = nullptr;
  CatalogueNode* zeta = nullptr;
  CatalogueNode* alpha = nullptr;
  CatalogueNode* protocols = nullptr;
  CatalogueNode* yolka = nullptr;
  CatalogueNode* arbuzUpper = nullptr;
  CatalogueNode* arbuzLower = nullptr;
  CatalogueNode* readme = nullptr;
  CatalogueNode* tcp = nullptr;
  CatalogueNode* udp = nullptr;

  SmallCatalogue() {
    networks = AddNode(c, nullptr, "Сети");
    programming = AddNode(c, nullptr, "Программирование");
    alpha = AddNode(c, programming, "alpha");
    zeta = AddNode(c, programming, "Zeta");
    arbuzLower = AddNode(c, zeta, "арбуз", "", "a1.html");
    arbuzUpper = AddNode(c, zeta, "Арбуз", "", "a2.html");
    yolka = AddNode(c, zeta, "Ёлка", "", "e.html");
    readme = AddNode(c, alpha, "Readme", "2", "readme.html");
    protocols = AddNode(c, networks, "Протоколы");
    udp = AddNode(c, protocols, "udp", "3", "udp.html");
    tcp = AddNode(c, protocols, "tcp", "1", "tcp.html");
    for (CatalogueNode* n : {programming, networks, zeta, alpha, protocols})
      c.SetValue(n, ColCount, std::to_string(n->ChildCount()));
    c.Sort();
  }
};

inline QColor LightenedHighlight(const QWidget* widget) {
  const QColor h = QApplication::palette(widget).color(QPalette::Active, QPalette::Highlight);
  const Rgb rgb = LightenColor(Rgb{static_cast<std::uint8_t>(h.red()), static_cast<std::uint8_t>(h.green()),
                                   static_cast<std::uint8_t>(h.blue())},
                               10);
  return QColor(rgb.r, rgb.g, rgb.b);
}

}  // namespace lrv::test
