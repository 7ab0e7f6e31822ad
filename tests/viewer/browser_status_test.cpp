#include "viewer/browser_status.h"

#include <gtest/gtest.h>

#include "viewer/article_viewer.h"

namespace lrv::viewer {
namespace {

TEST(BrowserStatusTest, StatusTextImage) {
  EXPECT_EQ(StatusTextChange("   ").image, kNoImage);
  EXPECT_EQ(StatusTextChange("   ").caption, "   ");
  EXPECT_EQ(StatusTextChange("").image, kNoImage);
  EXPECT_EQ(StatusTextChange("Готово").image, kImageInternetPage);
}

TEST(BrowserStatusTest, ProgressShowsOnlyWhileLoading) {
  struct Case {
    long progress, maximum;
    bool shown;
  };
  const Case cases[] = {{0, 100, false}, {100, 100, false}, {1, 100, true}, {-1, 100, true}, {50, 0, true}};
  for (const Case& c : cases) {
    const ProgressDisplay d = ProgressChange(c.progress, c.maximum);
    EXPECT_EQ(d.showProgress, c.shown) << c.progress << "/" << c.maximum;
    if (d.showProgress) {
      EXPECT_EQ(d.position, c.progress);
      EXPECT_EQ(d.maximum, c.maximum);
    }
  }
}

TEST(BrowserStatusTest, CaptionForHint) {
  const std::vector<CommandText> commands = {
      {"&Пустая страница", ""},
      {"Не та", "Другая подсказка"},
      {"Перейти &назад", "Перейти на предыдущую страницу"},
      {"&Сохранить HTML-страницу...", "Сохранить страницу на диск"},
  };
  EXPECT_EQ(CaptionForHint(commands, "  ПЕРЕЙТИ на предыдущую СТРАНИЦУ "), "Перейти назад");
  EXPECT_EQ(CaptionForHint(commands, "Сохранить страницу на диск"), "Сохранить HTML-страницу");
  EXPECT_EQ(CaptionForHint(commands, "Нет такой"), "Нет такой");
  EXPECT_EQ(CaptionForHint(commands, ""), "");  // commands without a hint are skipped
}

}  // namespace
}  // namespace lrv::viewer
