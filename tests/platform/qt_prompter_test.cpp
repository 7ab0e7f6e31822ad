#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include <functional>

#include "platform/fake/fake_help_viewer.h"
#include "platform/qt/qt_help_viewer.h"
#include "platform/qt/qt_prompter.h"

namespace lrv {

namespace {

// Acts on the modal box once it is up: Show and Input block in exec().
void WhenModalShows(std::function<void(QWidget*)> act) {
  auto* timer = new QTimer;
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, timer, [timer, act] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible()) return;
    timer->stop();
    timer->deleteLater();
    act(modal);
  });
  timer->start();
}

QPushButton* ButtonWithText(QWidget* box, const QString& text) {
  for (QPushButton* b : box->findChildren<QPushButton*>())
    if (b->text() == text) return b;
  return nullptr;
}

}  // namespace

class QtPrompterTest : public QObject {
  Q_OBJECT
 private slots:
  void helpOpensTheTopicAndLeavesTheBoxOpen() {
    FakeHelpViewer help;
    QtPrompter prompter(static_cast<QWidget*>(nullptr), help);
    QString title, text, helpText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool stillOpenAfterHelp = false;
    WhenModalShows([&](QWidget* w) {
      auto* box = qobject_cast<QMessageBox*>(w);
      QVERIFY(box);
      title = box->windowTitle();
      text = box->text();
      icon = box->icon();
      QPushButton* helpButton = ButtonWithText(box, QStringLiteral("&Справка"));
      QVERIFY(helpButton);
      helpButton->click();
      QCoreApplication::processEvents();
      stillOpenAfterHelp = box->isVisible();
      ButtonWithText(box, QStringLiteral("Отмена"))->click();
    });
    const bool confirmed = prompter.Confirm("Загрузить список из файла\n\r\"a.tree\"?", 25);
    QVERIFY(!confirmed);
    QCOMPARE(title, QStringLiteral("Lorvane 6 Pro"));
    QCOMPARE(text, QStringLiteral("Загрузить список из файла\n\"a.tree\"?"));
    QCOMPARE(icon, QMessageBox::Question);
    QVERIFY(stillOpenAfterHelp);
    QCOMPARE(help.contexts, std::vector<int>{25});
  }

  void onlyOkAnswersOk() {
    FakeHelpViewer help;
    QtPrompter prompter(static_cast<QWidget*>(nullptr), help);
    const struct {
      MessageKind kind;
      MessageButtons buttons;
      int key;  // 0: click OK
      Answer answer;
      QMessageBox::Icon icon;
    } cases[] = {
        {MessageKind::Confirmation, MessageButtons::OkCancelHelp, 0, Answer::Ok, QMessageBox::Question},
        {MessageKind::Confirmation, MessageButtons::OkCancelHelp, Qt::Key_Escape, Answer::Cancel, QMessageBox::Question},
        {MessageKind::Warning, MessageButtons::OkHelp, Qt::Key_Escape, Answer::Ok, QMessageBox::Warning},
        {MessageKind::Error, MessageButtons::Ok, 0, Answer::Ok, QMessageBox::Critical},
        {MessageKind::Information, MessageButtons::OkHelp, Qt::Key_Return, Answer::Ok, QMessageBox::Information},
    };
    for (const auto& c : cases) {
      bool hasHelp = false;
      QMessageBox::Icon icon = QMessageBox::NoIcon;
      WhenModalShows([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        icon = box->icon();
        hasHelp = ButtonWithText(box, QStringLiteral("&Справка")) != nullptr;
        if (c.key) QTest::keyClick(box, static_cast<Qt::Key>(c.key));
        else ButtonWithText(box, QStringLiteral("OK"))->click();
      });
      QCOMPARE(prompter.Show({c.kind, "text", c.buttons, 5}), c.answer);
      QCOMPARE(icon, c.icon);
      QCOMPARE(hasHelp, c.buttons != MessageButtons::Ok);
    }
    QVERIFY(help.contexts.empty());
  }

  void markupInAMessageIsShownAsText() {
    FakeHelpViewer help;
    QtPrompter prompter(static_cast<QWidget*>(nullptr), help);
    Qt::TextFormat format = Qt::AutoText;
    WhenModalShows([&](QWidget* w) {
      auto* box = qobject_cast<QMessageBox*>(w);
      format = box->textFormat();
      box->accept();
    });
    prompter.Inform("<b>file</b>.html", 1, MessageButtons::Ok);
    QCOMPARE(format, Qt::PlainText);
  }

  void inputBoxGivesTheTextOrNothing() {
    FakeHelpViewer help;
    QtPrompter prompter(static_cast<QWidget*>(nullptr), help);
    QString caption, label, initial;
    WhenModalShows([&](QWidget* w) {
      auto* dialog = qobject_cast<QInputDialog*>(w);
      QVERIFY(dialog);
      caption = dialog->windowTitle();
      label = dialog->labelText();
      initial = dialog->textValue();
      dialog->setTextValue(QStringLiteral("Новая категория"));
      dialog->accept();
    });
    QCOMPARE(prompter.Input("Заголовок", "Название:", "старое"), std::optional<std::string>("Новая категория"));
    QCOMPARE(caption, QStringLiteral("Заголовок"));
    QCOMPARE(label, QStringLiteral("Название:"));
    QCOMPARE(initial, QStringLiteral("старое"));

    WhenModalShows([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
    QVERIFY(!prompter.Input("C", "P", "x").has_value());
  }

  void helpPagesFallBackToTheContents() {
    QTemporaryDir dir;
    const std::filesystem::path folder = dir.path().toStdString();
    QFile page(dir.filePath(QStringLiteral("21.html")));
    QVERIFY(page.open(QIODevice::WriteOnly));
    page.close();
    QVERIFY(QtHelpViewer::PageFor(folder, 21) == folder / "21.html");
    QVERIFY(QtHelpViewer::PageFor(folder, 22) == folder / "index.html");
    QVERIFY(QtHelpViewer::PageFor(folder, 0) == folder / "index.html");

    std::vector<QUrl> opened;
    QtHelpViewer viewer(folder, [&](const QUrl& url) {
      opened.push_back(url);
      return true;
    });
    viewer.ShowContext(21);
    viewer.ShowContext(99);
    viewer.ShowContents();
    QCOMPARE(opened.size(), size_t(3));
    QCOMPARE(opened[0], QUrl::fromLocalFile(dir.filePath(QStringLiteral("21.html"))));
    QCOMPARE(opened[1], QUrl::fromLocalFile(dir.filePath(QStringLiteral("index.html"))));
    QCOMPARE(opened[2], QUrl::fromLocalFile(dir.filePath(QStringLiteral("index.html"))));
  }
};

}  // namespace lrv

int RunQtPrompterTests(int argc, char** argv) {
  lrv::QtPrompterTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "qt_prompter_test.moc"
