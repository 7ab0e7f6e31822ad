#include "catalogue/catalogue_json.h"

#include <vector>

#include "base/text.h"
#include "catalogue/json_cursor.h"
#include "catalogue/tree_file.h"

namespace lrv {
namespace {

void AppendArchiveText(std::string& out, std::string_view cp1251) {
  json::AppendString(out, text::Cp1251ToUtf8(cp1251));
}

void AppendTextList(std::string& out, const std::vector<std::string>& texts) {
  out.push_back('[');
  for (std::size_t i = 0; i < texts.size(); ++i) {
    if (i > 0) out.push_back(',');
    AppendArchiveText(out, texts[i]);
  }
  out.push_back(']');
}

// The nodes as a JSON array, in pre-order with an explicit stack.
void AppendNodes(std::string& out, std::span<CatalogueNode* const> roots) {
  struct Pending {
    std::span<CatalogueNode* const> nodes;
    std::size_t next;
  };
  out.push_back('[');
  std::vector<Pending> stack{{roots, 0}};
  while (!stack.empty()) {
    Pending& top = stack.back();
    if (top.next == top.nodes.size()) {
      stack.pop_back();
      out += stack.empty() ? "]" : "]}";
      continue;
    }
    if (top.next > 0) out.push_back(',');
    const CatalogueNode& node = *top.nodes[top.next++];
    out += "{\"values\":";
    AppendTextList(out, node.Values());
    out += ",\"image\":" + std::to_string(node.ImageIndex());
    out += ",\"selected\":" + std::to_string(node.SelectedIndex());
    out += ",\"state\":" + std::to_string(node.StateIndex());
    out += ",\"data\":" + std::to_string(node.Data());
    out += ",\"children\":[";
    stack.push_back({node.Children(), 0});
  }
}

class CatalogueJsonReader {
 public:
  explicit CatalogueJsonReader(std::string_view text) : in_(text) {}

  bool Read(Catalogue& catalogue) {
    if (!in_.Expect('{')) return false;
    if (!in_.Accept('}')) {
      do {
        std::string key;
        if (!in_.String(key) || !in_.Expect(':')) return false;
        if (key == "roots") {
          if (!ReadNodes(catalogue)) return false;
        } else if (!in_.SkipValue()) {
          return false;
        }
      } while (in_.Accept(','));
      if (!in_.Expect('}')) return false;
    }
    return in_.AtEnd() || in_.Fail("text after the document");
  }

  const std::string& Error() const { return in_.Error(); }

 private:
  bool ArchiveText(std::string& out) {
    std::string utf8;
    if (!in_.String(utf8)) return false;
    auto converted = text::Utf8ToCp1251(utf8);
    if (!converted) return in_.Fail("text with no Windows-1251 form");
    out = std::move(*converted);
    return true;
  }

  bool Values(Catalogue& catalogue, CatalogueNode* node) {
    std::vector<std::string> values;
    if (!in_.Expect('[')) return false;
    if (!in_.Accept(']')) {
      do {
        values.emplace_back();
        if (!ArchiveText(values.back())) return false;
      } while (in_.Accept(','));
      if (!in_.Expect(']')) return false;
    }
    catalogue.SetValues(node, std::move(values));
    return true;
  }

  bool Field(Catalogue& catalogue, CatalogueNode* node, const std::string& key) {
    if (key == "values") return Values(catalogue, node);
    std::int32_t number = 0;
    if (key == "selected") return in_.Int32(number) && (catalogue.SetSelectedIndex(node, number), true);
    if (key == "state") return in_.Int32(number) && (catalogue.SetStateIndex(node, number), true);
    if (key == "data") return in_.Int32(number) && (catalogue.SetData(node, number), true);
    if (key == "expanded") {
      bool expanded = false;
      return in_.Bool(expanded) && (catalogue.SetExpanded(node, expanded), true);
    }
    return in_.SkipValue();  // "image" and keys of no meaning here
  }

  // An array of NODE objects (the roots), children arrays nested inside,
  // with an explicit stack.
  bool ReadNodes(Catalogue& catalogue) {
    struct Open {
      CatalogueNode* node;  // the array's parent (nullptr: roots), or the object's node
      bool isArray;
      bool first;
    };
    if (!in_.Expect('[')) return false;
    std::vector<Open> stack{{nullptr, true, true}};
    while (!stack.empty()) {
      Open& top = stack.back();
      if (top.isArray) {
        if (in_.Accept(']')) {
          stack.pop_back();
          continue;
        }
        if (!top.first && !in_.Expect(',')) return false;
        top.first = false;
        if (!in_.Expect('{')) return false;
        CatalogueNode* node = catalogue.AddChild(top.node);
        stack.push_back({node, false, true});
        continue;
      }
      if (in_.Accept('}')) {
        stack.pop_back();
        continue;
      }
      if (!top.first && !in_.Expect(',')) return false;
      top.first = false;
      CatalogueNode* node = top.node;
      std::string key;
      if (!in_.String(key) || !in_.Expect(':')) return false;
      if (key == "children") {
        if (!in_.Expect('[')) return false;
        stack.push_back({node, true, true});
      } else if (!Field(catalogue, node, key)) {
        return false;
      }
    }
    return true;
  }

  json::Cursor in_;
};

// Answers every question with OK and shows nothing.
class AnswerOk : public Prompter {
 public:
  Answer Show(const Message&) override { return Answer::Ok; }
  std::optional<std::string> Input(const std::string&, const std::string&, const std::string& initial) override {
    return initial;
  }
};

}  // namespace

std::string DumpTreeJson(const Catalogue& catalogue, bool loaded) {
  std::string out = loaded ? "{\"loaded\":true,\"roots\":" : "{\"loaded\":false,\"roots\":";
  AppendNodes(out, catalogue.Roots());
  out.push_back('}');
  return out;
}

std::string DumpTreeFileJson(const std::filesystem::path& treeFile) {
  const TreeReadResult read = ReadTreeFile(treeFile);
  return DumpTreeJson(read.catalogue, read.ok);
}

std::optional<Catalogue> CatalogueFromJson(std::string_view json, std::string* error) {
  Catalogue catalogue;
  CatalogueJsonReader reader(json);
  if (!reader.Read(catalogue)) {
    if (error != nullptr) *error = reader.Error();
    return std::nullopt;
  }
  return std::optional<Catalogue>(std::move(catalogue));
}

std::string OutlineImportJson(const Catalogue& catalogue, const OutlineImportResult& result) {
  std::string out = "{\"roots\":";
  AppendNodes(out, catalogue.Roots());
  out += ",\"no_name\":";
  AppendTextList(out, result.noName);
  out += ",\"missing\":";
  AppendTextList(out, result.missing);
  out += ",\"unplaced\":";
  AppendTextList(out, result.unplaced);
  out += result.problems ? ",\"problems\":true}" : ",\"problems\":false}";
  return out;
}

std::string RunOutlineImportJson(const std::filesystem::path& baseDir) {
  Catalogue catalogue;
  AnswerOk prompter;
  const OutlineImportResult result = ImportOutlineList(catalogue, baseDir / "menu.list", baseDir, prompter);
  return OutlineImportJson(catalogue, result);
}

}  // namespace lrv
