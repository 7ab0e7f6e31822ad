#include "platform/qt/qt_prompter.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

#include "platform/qt/qt_text.h"

namespace lrv {

namespace {

const QString kCaption = QStringLiteral("Lorvane 6 Pro");

QMessageBox::Icon IconOf(MessageKind kind) {
  switch (kind) {
    case MessageKind::Information: return QMessageBox::Information;
    case MessageKind::Warning: return QMessageBox::Warning;
    case MessageKind::Error: return QMessageBox::Critical;
    case MessageKind::Confirmation: return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

QtPrompter::QtPrompter(std::function<QWidget*()> parent, HelpViewer& help) : parent_(std::move(parent)), help_(help) {}

QtPrompter::QtPrompter(QWidget* parent, HelpViewer& help)
    : QtPrompter([parent] { return parent; }, help) {}

QString QtPrompter::ScreenText(const std::string& utf8) {
  QString text = FromUtf8(utf8);
  text.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}

Answer QtPrompter::Show(const Message& message) {
  QMessageBox box(parent_ ? parent_() : nullptr);
  box.setObjectName(QStringLiteral("PrompterMessageBox"));
  box.setWindowTitle(kCaption);
  box.setIcon(IconOf(message.kind));
  // Messages quote file names and titles; never let them turn into markup.
  box.setTextFormat(Qt::PlainText);
  box.setText(ScreenText(message.text));

  QPushButton* ok = box.addButton(QMessageBox::Ok);
  QPushButton* cancel = nullptr;
  if (message.buttons == MessageButtons::OkCancelHelp) {
    cancel = box.addButton(QMessageBox::Cancel);
    cancel->setText(QStringLiteral("Отмена"));
  }
  box.setDefaultButton(ok);
  // Esc and the window's close button answer Cancel (OK when there is none).
  box.setEscapeButton(cancel ? static_cast<QAbstractButton*>(cancel) : ok);

  if (message.buttons != MessageButtons::Ok) {
    QPushButton* help = box.addButton(QStringLiteral("&Справка"), QMessageBox::HelpRole);
    help->setObjectName(QStringLiteral("btHelp"));
    // Any button of a message box closes it; the help button must not, so it
    // is cut off from the box and opens the topic itself.
    QObject::disconnect(help, &QAbstractButton::clicked, nullptr, nullptr);
    const int context = message.helpContext;
    QObject::connect(help, &QAbstractButton::clicked, &box, [this, context] {
      if (context > 0) help_.ShowContext(context);
      else help_.ShowContents();
    });
  }

  box.exec();
  return box.clickedButton() == ok ? Answer::Ok : Answer::Cancel;
}

std::optional<std::string> QtPrompter::Input(const std::string& caption, const std::string& prompt,
                                             const std::string& initial) {
  QInputDialog dialog(parent_ ? parent_() : nullptr);
  dialog.setObjectName(QStringLiteral("PrompterInputBox"));
  dialog.setInputMode(QInputDialog::TextInput);
  dialog.setWindowTitle(FromUtf8(caption));
  dialog.setLabelText(FromUtf8(prompt));
  dialog.setTextValue(FromUtf8(initial));
  dialog.setOkButtonText(QStringLiteral("OK"));
  dialog.setCancelButtonText(QStringLiteral("Отмена"));
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return ToUtf8(dialog.textValue());
}

}  // namespace lrv
