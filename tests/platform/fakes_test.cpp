#include <gtest/gtest.h>

#include <unistd.h>

#include "base/files.h"
#include "platform/fake/fake_http_client.h"
#include "platform/fake/fake_prompter.h"
#include "platform/http_events.h"

namespace lrv {
namespace {

TEST(FakePrompter, AnswersFromTheScriptThenTheDefault) {
  FakePrompter prompter;
  prompter.Reply(Answer::Cancel).Reply(Answer::Ok);
  EXPECT_EQ(prompter.Show({MessageKind::Warning, "one", MessageButtons::OkHelp, 1}), Answer::Cancel);
  EXPECT_TRUE(prompter.Confirm("two", 2));
  EXPECT_TRUE(prompter.Confirm("three", 3));  // script empty: the default, Ok
  prompter.defaultAnswer = Answer::Cancel;
  EXPECT_FALSE(prompter.Confirm("four", 4));
  EXPECT_EQ(prompter.Texts(), (std::vector<std::string>{"one", "two", "three", "four"}));
}

TEST(FakePrompter, RecordsEveryBoxExactly) {
  FakePrompter prompter;
  prompter.Inform("Экземпляр этой программы уже запущен!", 21);
  prompter.Error("Ошибка\n\rвторая строка", 7, MessageButtons::Ok);
  prompter.Confirm("Вы действительно хотите загрузить список статей из файла\n\r\"a.tree\"?", 25);
  ASSERT_EQ(prompter.messages.size(), 3u);
  const Message& info = prompter.messages[0];
  EXPECT_EQ(info.kind, MessageKind::Information);
  EXPECT_EQ(info.text, "Экземпляр этой программы уже запущен!");
  EXPECT_EQ(info.buttons, MessageButtons::OkHelp);
  EXPECT_EQ(info.helpContext, 21);
  EXPECT_EQ(prompter.messages[1].kind, MessageKind::Error);
  EXPECT_EQ(prompter.messages[1].text, "Ошибка\n\rвторая строка");
  EXPECT_EQ(prompter.messages[1].buttons, MessageButtons::Ok);
  EXPECT_EQ(prompter.Last()->kind, MessageKind::Confirmation);
  EXPECT_EQ(prompter.Last()->buttons, MessageButtons::OkCancelHelp);
  EXPECT_EQ(prompter.Last()->helpContext, 25);
}

TEST(FakePrompter, InputBoxesAnswerFromTheScriptAndAreRecorded) {
  FakePrompter prompter;
  prompter.Type("Новая категория").Type(std::nullopt);
  EXPECT_EQ(prompter.Input("Caption", "Prompt", "initial"), "Новая категория");
  EXPECT_EQ(prompter.Input("C2", "P2", ""), std::nullopt);
  EXPECT_EQ(prompter.Input("C3", "P3", "x"), std::nullopt);  // script empty: cancelled
  ASSERT_EQ(prompter.inputBoxes.size(), 3u);
  EXPECT_EQ(prompter.inputBoxes[0].caption, "Caption");
  EXPECT_EQ(prompter.inputBoxes[0].prompt, "Prompt");
  EXPECT_EQ(prompter.inputBoxes[0].initial, "initial");
  EXPECT_TRUE(prompter.messages.empty());
}

class FakeHttp : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("lrv-fakehttp-" + std::to_string(::getpid()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    events_.status = [this](const std::string& s) { statuses_.push_back(s); };
    events_.progress = [this](std::int64_t received, std::int64_t total) { progress_.emplace_back(received, total); };
  }
  void TearDown() override { fs::remove_all(folder_); }
  HttpRequest Request(const std::string& url) {
    HttpRequest r;
    r.url = url;
    r.bodyFile = folder_ / "body.html";
    r.headerFile = folder_ / "Head.txt";
    return r;
  }
  fs::path folder_;
  HttpEvents events_;
  std::vector<std::string> statuses_;
  std::vector<std::pair<std::int64_t, std::int64_t>> progress_;
  FakeHttpClient client_;
};

TEST_F(FakeHttp, WritesBodyAndHeaderAndReportsEachChunk) {
  client_.Serve("http://site/new/new_articles.txt", std::string(10, 'x')).headerLines = {"Content-Length: 10"};
  client_.chunkSize = 4;
  HttpRequest request = Request("http://site/new/new_articles.txt");
  request.proxy = HttpProxy{"proxy.local", 3128, "user", "secret"};
  const HttpResult result = client_.Get(request, events_);
  EXPECT_TRUE(result.ok);
  EXPECT_EQ(result.statusCode, 200);
  EXPECT_EQ(ReadFile(request.bodyFile), std::string(10, 'x'));
  EXPECT_EQ(ReadFile(request.headerFile), "HTTP/1.1 200 OK\r\nContent-Length: 10\r\n");
  EXPECT_EQ(progress_, (std::vector<std::pair<std::int64_t, std::int64_t>>{{4, 10}, {8, 10}, {10, 10}}));
  EXPECT_EQ(statuses_.back(), "Успешная загрузка");
  EXPECT_EQ(std::count(statuses_.begin(), statuses_.end(), "Загрузка..."), 3);
  ASSERT_EQ(client_.requests.size(), 1u);
  ASSERT_TRUE(client_.requests[0].proxy);
  EXPECT_EQ(client_.requests[0].proxy->host, "proxy.local");
  EXPECT_EQ(client_.requests[0].proxy->port, 3128);
}

TEST_F(FakeHttp, FailuresLeaveTheOldBodyFileAlone) {
  client_.Serve("http://site/stall", "abcdef").stallAfter = 3;
  client_.Serve("http://site/down", "", 0);
  const struct {
    const char* url;
    int status;
    bool timedOut;
    const char* lastStatus;
    bool headerWritten;
  } cases[] = {
      {"http://site/missing", 404, false, "Ошибка загрузки!", true},
      {"http://site/stall", 200, true, "Ошибка загрузки!", true},
      {"http://site/down", 0, false, "Не удалось подключиться!", false},
  };
  for (const auto& c : cases) {
    WriteFileAtomic(folder_ / "body.html", "old article");
    fs::remove(folder_ / "Head.txt");
    statuses_.clear();
    const HttpResult result = client_.Get(Request(c.url), events_);
    EXPECT_FALSE(result.ok) << c.url;
    EXPECT_EQ(result.statusCode, c.status) << c.url;
    EXPECT_EQ(result.timedOut, c.timedOut) << c.url;
    EXPECT_FALSE(result.error.empty()) << c.url;
    EXPECT_EQ(statuses_.back(), c.lastStatus) << c.url;
    EXPECT_EQ(ReadFile(folder_ / "body.html"), "old article") << c.url;
    EXPECT_EQ(fs::exists(folder_ / "Head.txt"), c.headerWritten) << c.url;
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), c.headerWritten ? 2 : 1)
        << "no temporary file stays behind: " << c.url;
  }
}

TEST_F(FakeHttp, CancelFromAProgressEventEndsTheTransfer) {
  client_.Serve("http://site/big", std::string(100, 'y'));
  client_.chunkSize = 10;
  events_.progress = [this](std::int64_t received, std::int64_t) {
    if (received >= 30) client_.Cancel();
  };
  const HttpResult result = client_.Get(Request("http://site/big"), events_);
  EXPECT_FALSE(result.ok);
  EXPECT_TRUE(result.cancelled);
  EXPECT_FALSE(fs::exists(folder_ / "body.html"));
  EXPECT_EQ(statuses_.back(), "Отключились");
  // A cancel between transfers does not spoil the next one.
  events_.progress = nullptr;
  EXPECT_TRUE(client_.Get(Request("http://site/big"), events_).ok);
}

TEST(HttpEvents, EveryEventHasItsStatusText) {
  EXPECT_EQ(HttpEventText(HttpEvent::HostResolved), "Поиск сервера...");
  EXPECT_EQ(HttpEventText(HttpEvent::Connected), "Подключение...");
  EXPECT_EQ(HttpEventText(HttpEvent::RequestSending), "Запрос на загрузку...");
  EXPECT_EQ(HttpEventText(HttpEvent::Authentication), "Аутентификация...");
  EXPECT_EQ(HttpEventText(HttpEvent::Redirect), "Перенаправление...");
  EXPECT_EQ(HttpEventText(HttpEvent::PacketReceived), "Загрузка...");
  EXPECT_EQ(HttpEventText(HttpEvent::Success), "Успешная загрузка");
  EXPECT_EQ(HttpEventText(HttpEvent::Failure), "Ошибка загрузки!");
  EXPECT_EQ(HttpEventText(HttpEvent::ConnectionFailed), "Не удалось подключиться!");
  EXPECT_EQ(HttpEventText(HttpEvent::InvalidHost), "Неверный адрес сервера!");
  EXPECT_EQ(HttpEventText(HttpEvent::Disconnected), "Отключились");
}

}  // namespace
}  // namespace lrv
