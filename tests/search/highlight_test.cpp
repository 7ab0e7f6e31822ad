// Marking found words in page lines: which occurrences are wrapped, which
// lines are left alone, and the one-pass form against the plain rule.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "base/text.h"
#include "search/highlight.h"
#include "search/tag_table.h"
#include "highlight_reference.h"

namespace lrv {
namespace {

using text::Ansi;

// Short markup so expected lines stay readable.
std::string Mark(std::string_view line, std::string_view word) { return HighlightLine(line, word, "[", "]"); }

struct LineCase {
  const char* what;
  const char* line;
  const char* word;
  const char* expected;
};

TEST(HighlightLine, WrapsPlainOccurrencesAndKeepsLinkTargets) {
  const LineCase cases[] = {
      {"link target kept, link text wrapped", "see <a href='forms.html'>forms</a> here", "forms",
       "see <a href='forms.html'>[forms]</a> here"},
      {"image path kept, alternative text wrapped", "<img src='img/forms.gif' alt='forms'>", "forms",
       "<img src='img/forms.gif' alt='[forms]'>"},
      {"other attribute values are wrapped", "<p title='forms' class=forms>", "forms",
       "<p title='[forms]' class=[forms]>"},
      {"mail address kept", "write: mailto:forms@example.org", "forms", "write: mailto:forms@example.org"},
      {"frame target kept", "<a target=forms>", "forms", "<a target=forms>"},
      {"link pieces in any case", "<A HREF=forms.html TARGET=main>", "forms", "<A HREF=forms.html TARGET=main>"},
      {"a path from the root is kept", "see /docs/forms.html", "forms", "see /docs/forms.html"},
      {"a relative path is wrapped", "see docs/forms.html", "forms", "see docs/[forms].html"},
      {"any letter case, written form kept", "Forms and FORMS", "forms", "[Forms] and [FORMS]"},
      {"occurrences inside words too", "formsforms", "forms", "[forms][forms]"},
      {"non-overlapping from the left", "aaaa", "aa", "[aa][aa]"},
      {"the piece ends at the occurrence", "forms.src", "forms", "[forms].src"},
      {"after a kept occurrence the piece starts anew", "src=abab", "ab", "src=ab[ab]"},
      {"a new piece may start with a slash", "src=ab/ab", "ab", "src=ab/ab"},
      {"a space ends the path", "/ab ab", "ab", "/ab [ab]"},
      {"the next piece after a kept one", "xhref=a a", "a", "xhref=a [a]"},
      {"a wrapped occurrence hides the link it was part of", "hre-href=\"hre\"", "hre",
       "[hre]-[hre]f=\"[hre]\""},
      {"a wrapped occurrence is not a slash", "xab/ab", "ab", "x[ab]/[ab]"},
      {"a phrase is judged by its last word", "href=my forms", "my forms", "href=[my forms]"},
      {"a phrase ending in a space", "src x", "src ", "[src ]x"},
      {"nothing found", "nothing here", "forms", "nothing here"},
      {"empty word", "forms", "", "forms"},
      {"empty line", "", "forms", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Mark(c.line, c.word), c.expected);
  }
}

TEST(HighlightLine, UsesTheHighlightMarkupByDefault) {
  EXPECT_EQ(HighlightLine("a forms b", "forms"),
            "a <span style=\"background-color: Yellow\"><font color=maroon>forms</font></span> b");
  EXPECT_EQ(kHighlightStart.size(), 58u);
  EXPECT_EQ(kHighlightEnd.size(), 14u);
}

TEST(HighlightLine, FoldsCyrillicCase) {
  EXPECT_EQ(Mark(Ansi("Форма и ФОРМА, href=форма"), Ansi("форма")),
            Ansi("[Форма] и [ФОРМА], href=форма"));
  EXPECT_EQ(Mark(Ansi("Ёлка ёлка"), Ansi("ёлка")), Ansi("[Ёлка] [ёлка]"));
}

TEST(HighlightLine, LinesAndWordsWithTheDaggerAreSafe) {
  const std::string dagger = "\x86";
  EXPECT_EQ(Mark(dagger + " forms " + dagger, "forms"), dagger + " [forms] " + dagger);
  EXPECT_EQ(Mark("a" + dagger + "b" + dagger, dagger), "a[" + dagger + "]b[" + dagger + "]");
  EXPECT_EQ(Mark("forms" + dagger + "forms" + dagger, "forms" + dagger),
            "[forms" + dagger + "][forms" + dagger + "]");
  EXPECT_EQ(Mark(dagger + dagger + dagger, dagger + dagger), "[" + dagger + dagger + "]" + dagger);
}

// Random lines built from the pieces the rule reacts to.
class LineMaker {
 public:
  explicit LineMaker(unsigned seed) : rng_(seed) {}

  std::string Word() {
    static const char* const words[] = {"forms", "ab", "a", "a a", "/a", "rc", "hr", "ref", "s", "to",
                                        "o:", "t:", "a/", " a", "a ", "href", "Src", "AB", "\xD4\xEE",
                                        "e", "get", "ta", "b b"};
    return words[Pick(std::size(words))];
  }

  std::string Line(const std::string& word) {
    static const char* const pieces[] = {"href", "HREF", "src", "to:", "Target", "/", " ", "  ", "=", "'",
                                         "\"", "<a ", ">", "a", "b", "x", "r", "h", "t", ":", "\xD4",
                                         "\xF4", "\xEE", "mailto:", "hre", "ta", "rget", "sr", "c"};
    std::string line;
    const std::size_t count = Pick(24);
    for (std::size_t i = 0; i < count; ++i) {
      if (Pick(4) == 0) {
        std::string w = word;
        if (Pick(2) == 0) w = text::Upper(w);
        line += w;
      } else {
        line += pieces[Pick(std::size(pieces))];
      }
    }
    return line;
  }

 private:
  std::size_t Pick(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_); }
  std::mt19937 rng_;
};

// Every occurrence wrapped, none kept.
std::string WrapAll(std::string_view line, std::string_view word) {
  const std::string low = text::Lower(line), lowWord = text::Lower(word);
  std::string out;
  std::size_t from = 0;
  for (std::size_t at = low.find(lowWord); at != std::string::npos; at = low.find(lowWord, from)) {
    out.append(line.substr(from, at - from)).append("<<").append(line.substr(at, word.size())).append(">>");
    from = at + word.size();
  }
  return out.append(line.substr(from));
}

TEST(HighlightLine, AgreesWithThePlainRuleOnManyLines) {
  LineMaker maker(20240611);
  int untouched = 0, allWrapped = 0, mixed = 0;
  for (int i = 0; i < 40000; ++i) {
    const std::string word = maker.Word();
    const std::string line = maker.Line(word);
    ASSERT_TRUE(reference::Accepts(line, word));
    const std::string expected = reference::HighlightLine(line, word, "<<", ">>");
    ASSERT_EQ(HighlightLine(line, word, "<<", ">>"), expected) << "line: " << line << "\nword: " << word;
    ASSERT_EQ(HighlightLine(line, word), reference::HighlightLine(line, word, kHighlightStart, kHighlightEnd));
    if (expected == line) ++untouched;
    else if (expected == WrapAll(line, word)) ++allWrapped;
    else ++mixed;
  }
  // The generator must reach every outcome, or the comparison proves little.
  EXPECT_GT(untouched, 1000);
  EXPECT_GT(allWrapped, 1000);
  EXPECT_GT(mixed, 1000);
}

// HighlightInBuffer ------------------------------------------------------

std::vector<std::string> Highlighted(std::vector<std::string> lines, std::string_view word,
                                     bool caseSensitive = false, bool wholeWord = false) {
  HighlightInBuffer(lines, word, caseSensitive, wholeWord);
  return lines;
}

TEST(HighlightInBuffer, NeverMarksTagAttributeOrEventNames) {
  for (const char* word : {"color", "title", "text", "name", "value", "data", "onclick", "table", "b", "Color",
                           "ONCLICK", "TABLE"}) {
    SCOPED_TRACE(word);
    const std::vector<std::string> lines = {std::string("the ") + word + " here", word};
    EXPECT_EQ(Highlighted(lines, word), lines);
  }
}

TEST(HighlightInBuffer, LeavesProtectedLinesAlone) {
  for (const std::string& marker : ProtectedLineMarkers()) {
    SCOPED_TRACE(text::Cp1251ToUtf8(marker));
    for (const std::string& written : {marker, text::Upper(marker), text::Lower(marker)}) {
      const std::string line = "forms " + written + " forms";
      EXPECT_EQ(Highlighted({line}, "forms"), std::vector<std::string>{line});
    }
  }
  // The head and table lines of a page, and the plain line between them.
  const std::vector<std::string> page = {"<TITLE>forms</TITLE>", "<table class=forms>", "forms text",
                                         "<Meta name=forms>", "</table> forms"};
  const std::vector<std::string> expected = {page[0], page[1], HighlightLine(page[2], "forms"), page[3], page[4]};
  EXPECT_EQ(Highlighted(page, "forms"), expected);
}

TEST(HighlightInBuffer, ProtectsTheArchiveFrame) {
  const auto markers = ProtectedLineMarkers();
  ASSERT_EQ(markers.size(), 24u);
  EXPECT_EQ(markers[17], Ansi("<br> Автор проекта: <a href=\"mailto:support@lorvane.example.org\""));
  EXPECT_EQ(markers[18], "<!-- {" + std::string(56, '*') + "} -->");
  for (std::size_t i = 18; i < 24; ++i) {
    EXPECT_EQ(markers[i].size(), 67u);
    EXPECT_TRUE(markers[i].starts_with("<!-- {") && markers[i].ends_with("} -->"));
  }
  // A banner line with its word highlighted would no longer be the banner.
  const std::string banner = markers[19];
  EXPECT_EQ(Highlighted({banner}, "Lorvane"), std::vector<std::string>{banner});
  EXPECT_EQ(Highlighted({"Lorvane 6 Pro"}, "Lorvane"), std::vector<std::string>{HighlightLine("Lorvane 6 Pro", "Lorvane")});
}

TEST(HighlightInBuffer, OptionsDecideOnlyWhetherALineIsProcessed) {
  struct Case {
    const char* what;
    const char* line;
    const char* word;
    bool caseSensitive, wholeWord, processed;
  } const cases[] = {
      {"found", "metaforms forms", "forms", false, false, true},
      {"first occurrence inside a word", "metaforms forms", "forms", false, true, false},
      {"first occurrence alone", "forms metaforms", "forms", false, true, true},
      {"case matches somewhere", "FORMS forms", "forms", true, false, true},
      {"case matches nowhere", "FORMS Forms", "forms", true, false, false},
      {"case-sensitive whole word judged on the exact-case occurrence", "Forms xforms", "forms", true, true,
       false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::vector<std::string> lines = {c.line};
    const std::vector<std::string> expected = {c.processed ? HighlightLine(c.line, c.word) : c.line};
    EXPECT_EQ(Highlighted(lines, c.word, c.caseSensitive, c.wholeWord), expected);
  }
  // Once a line is processed, every occurrence in any case is wrapped.
  EXPECT_EQ(HighlightLine("metaforms FORMS", "forms"),
            "meta" + std::string(kHighlightStart) + "forms" + std::string(kHighlightEnd) + " " +
                std::string(kHighlightStart) + "FORMS" + std::string(kHighlightEnd));
}

TEST(HighlightInBuffer, ASecondWordIsMarkedInsideTheFirstWordsMarkup) {
  std::vector<std::string> lines = {"forms"};
  HighlightInBuffer(lines, "forms", false, false);
  HighlightInBuffer(lines, "yellow", false, false);
  const std::string yellow = std::string(kHighlightStart) + "Yellow" + std::string(kHighlightEnd);
  EXPECT_EQ(lines[0], "<span style=\"background-color: " + yellow + "\"><font color=maroon>forms</font></span>");
}

TEST(HighlightInBuffer, EmptyInputsChangeNothing) {
  EXPECT_EQ(Highlighted({"forms"}, ""), std::vector<std::string>{"forms"});
  EXPECT_TRUE(Highlighted({}, "forms").empty());
  EXPECT_EQ(Highlighted({"", ""}, "forms"), (std::vector<std::string>{"", ""}));
}

}  // namespace
}  // namespace lrv
