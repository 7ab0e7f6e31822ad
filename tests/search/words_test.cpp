// Search words: query splitting, stop words, stemming and containment.

#include <gtest/gtest.h>

#include <string>

#include "base/text.h"
#include "search/stem.h"
#include "search/words.h"

namespace lrv {
namespace {

std::string A(const char* utf8) { return text::Ansi(utf8); }

enum class Fn { Stem, Significant, Words, Contains };

// One row per known case. Texts are UTF-8 here and Windows-1251 under test.
// expected: the stem; "yes"/"no"; the words each followed by "\r".
struct Example {
  Fn fn;
  const char* input;  // the word, the query or the needle
  const char* expected;
  const char* text = "";  // Contains: the text searched
  bool caseSensitive = false;
  bool wholeWord = false;
};

const Example kExamples[] = {
    // Worked stems: both passes of the twelve steps.
    {Fn::Stem, "программирование", "грамм"},
    {Fn::Stem, "программы", "грамм"},
    {Fn::Stem, "компонентов", "компонент"},
    {Fn::Stem, "изменения", "менен"},
    {Fn::Stem, "загружается", "груж"},
    {Fn::Stem, "сервера", "ерв"},
    {Fn::Stem, "данных", "да"},  // the second pass cuts «нн»
    {Fn::Stem, "радость", "рад"},
    {Fn::Stem, "мост", "мо"},
    {Fn::Stem, "переменные", "м"},
    {Fn::Stem, "testing", "test"},
    {Fn::Stem, "loaded", "load"},
    {Fn::Stem, "Ёлка", "ёлк"},
    {Fn::Stem, "базы данных", "базы д"},
    // Short words change only by the prefix steps.
    {Fn::Stem, "кот", "кот"},
    {Fn::Stem, "сон", "н"},
    {Fn::Stem, "сто", "то"},
    {Fn::Stem, "все", "е"},
    {Fn::Stem, "вода", "д"},
    {Fn::Stem, "aeiou", ""},
    {Fn::Stem, "sing", "sing"},  // «ing» needs a length over 4
    {Fn::Stem, "string", "str"},
    {Fn::Stem, "tests", "test"},  // the Latin «s» is a final letter
    {Fn::Stem, "\tТестами\r\n", "те"},  // control characters trimmed too
    {Fn::Stem, "", ""},
    // The list texts are matched with their spaces: pieces of a phrase
    // that hold a space can match the separators.
    {Fn::Stem, "и рыба", "ыб"},  // «и р» occurs in «при рас»
    {Fn::Stem, "по дом", "д"},   // step 11 leaves « д», step 12 takes the space
    {Fn::Stem, "дом с", "м"},    // « с» occurs in «ём ся»

    {Fn::Significant, "и", "no"},
    {Fn::Significant, "или", "no"},
    {Fn::Significant, "AND", "no"},
    {Fn::Significant, "On", "no"},
    {Fn::Significant, "ИЛИ", "no"},
    {Fn::Significant, "иль", "yes"},
    {Fn::Significant, "ор", "yes"},
    {Fn::Significant, "x", "no"},
    {Fn::Significant, "из", "yes"},
    {Fn::Significant, "", "yes"},

    {Fn::Words, "  Паскаль,  Модула и Z+ ", "Паскаль\rМодула\r"},
    {Fn::Words, "и в или on AND с", ""},
    {Fn::Words, "   ", ""},
    {Fn::Words, "", ""},
    {Fn::Words, "foo,bar", "foobar\r"},
    {Fn::Words, "foo\tbar", "foobar\r"},
    {Fn::Words, "Поиск поиск ПОИСК", "Поиск\r"},
    {Fn::Words, "и в или базы данных", "базы\rданных\r"},
    {Fn::Words, "клиент-сервер TForm.Create my_var", "клиент-сервер\rTForm.Create\rmy_var\r"},
    {Fn::Words, "«ёлка» Ёж", "ёлка\rЁж\r"},
    {Fn::Words, "a  b cd", "cd\r"},
    {Fn::Words, "x, ,y zz", "zz\r"},

    {Fn::Contains, "form", "no", "TForm.Create", false, true},
    {Fn::Contains, "form", "yes", "TForm.Create", false, false},
    {Fn::Contains, "tform.create", "yes", "TForm.Create", false, false},
    {Fn::Contains, "tform.create", "yes", "TForm.Create", false, true},
    {Fn::Contains, "tform.create", "no", "TForm.Create", true, false},
    {Fn::Contains, "Form", "yes", "TForm.Create", true, false},
    {Fn::Contains, "data", "no", "metadata data", false, true},  // only the first occurrence is judged
    {Fn::Contains, "data", "yes", "data metadata", false, true},
    {Fn::Contains, "data", "yes", "x=data", false, true},
    {Fn::Contains, "клиент", "no", "клиент-сервер", false, true},
    {Fn::Contains, "сервер", "yes", "клиент сервер", false, true},
    {Fn::Contains, "ЁЛКА", "yes", "ёлка", false, false},
    {Fn::Contains, "ЁЛКА", "no", "ёлка", true, false},
    {Fn::Contains, "базы данных", "yes", "(базы данных)", false, true},
    {Fn::Contains, "базы данных", "no", "базы данных2", false, true},
    {Fn::Contains, "", "no", "text", false, false},
    {Fn::Contains, "", "no", "", true, true},
    {Fn::Contains, "long needle", "no", "long", false, false},
    {Fn::Contains, "a", "no", "", false, false},
};

std::string Ask(const Example& e) {
  switch (e.fn) {
    case Fn::Stem: return StemWord(A(e.input));
    case Fn::Significant: return IsSignificantWord(A(e.input)) ? "yes" : "no";
    case Fn::Words: return ExtractWords(A(e.input));
    case Fn::Contains: return ContainsWord(A(e.input), A(e.text), e.caseSensitive, e.wholeWord) ? "yes" : "no";
  }
  return {};
}

TEST(Words, KnownCases) {
  for (const auto& e : kExamples) {
    const std::string got = Ask(e);
    EXPECT_EQ(text::Cp1251ToUtf8(got), e.expected)
        << "input «" << e.input << "» text «" << e.text << "» case " << e.caseSensitive << " whole " << e.wholeWord;
  }
}

// The fast form the search pass uses must agree with ContainsWord: lowered
// input answers the case-free question, unlowered input the other one.
TEST(Words, LoweredFormAgreesWithContainsWord) {
  for (const auto& e : kExamples) {
    if (e.fn != Fn::Contains) continue;
    const std::string needle = A(e.input), text = A(e.text);
    EXPECT_EQ(ContainsWordLowered(text::Lower(needle), text::Lower(text), e.wholeWord),
              ContainsWord(needle, text, false, e.wholeWord))
        << e.input << " in " << e.text;
    EXPECT_EQ(ContainsWordLowered(needle, text, e.wholeWord), ContainsWord(needle, text, true, e.wholeWord))
        << e.input << " in " << e.text;
  }
}

TEST(Words, ExtractWordListGivesTheWordsWithoutSeparators) {
  const auto words = ExtractWordList(A("Delphi  и C++, delphi Builder"));
  ASSERT_EQ(words.size(), 2u);  // «C++» leaves the single letter «C»
  EXPECT_EQ(words[0], "Delphi");
  EXPECT_EQ(words[1], "Builder");
}

TEST(Words, WordCharacters) {
  int count = 0;
  for (bool member : WordChars) count += member;
  EXPECT_EQ(count, 131);
  for (unsigned char c : std::string("-._09AZaz\xA8\xB8\xC0\xDF\xE0\xFF"))
    EXPECT_TRUE(WordChars[c]) << int(c);
  for (unsigned char c : std::string(" \t\r\n,;:'\"()[]<>/=+*!?#&@\\\xA0\xAB\xBB\xB3\xBF\xB9\x97"))
    EXPECT_FALSE(WordChars[c]) << int(c);
  EXPECT_FALSE(WordChars[0]);
}

TEST(Words, StopWordsAreLowerCase) {
  for (const auto& w : StopWords()) EXPECT_EQ(text::Lower(w), w);
  EXPECT_EQ(StopWords()[3], A("или"));
}

}  // namespace
}  // namespace lrv
