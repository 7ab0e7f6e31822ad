#include "editing/ui/dialog_support.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPalette>
#include <QStyle>
#include <QPushButton>
#include <exception>

#include "editing/field_look.h"
#include "platform/help_viewer.h"
#include "platform/prompter.h"
#include "platform/qt/qt_text.h"

namespace lrv {
namespace {

constexpr int kEntryBytesRole = Qt::UserRole + 1;

Rgb ToRgb(const QColor& c) {
  return {static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()), static_cast<std::uint8_t>(c.blue())};
}
QColor ToColor(Rgb c) { return QColor(c.r, c.g, c.b); }

QByteArray Bytes(const std::string& s) { return QByteArray(s.data(), static_cast<qsizetype>(s.size())); }
std::string FromBytes(const QVariant& v) {
  const QByteArray b = v.toByteArray();
  return std::string(b.constData(), static_cast<std::size_t>(b.size()));
}

}  // namespace

DialogButtons AddDialogButtons(QDialog* dialog, QBoxLayout* layout, HelpViewer& help, int helpContext) {
  DialogButtons b;
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  b.ok = new QPushButton(QStringLiteral("&OK"), dialog);
  b.ok->setObjectName(QStringLiteral("btOk"));
  b.ok->setDefault(true);
  b.cancel = new QPushButton(QStringLiteral("О&тмена"), dialog);
  b.cancel->setObjectName(QStringLiteral("btCancel"));
  b.help = new QPushButton(QStringLiteral("&Справка"), dialog);
  b.help->setObjectName(QStringLiteral("btHelp"));
  b.help->setAutoDefault(false);
  b.cancel->setAutoDefault(false);
  for (QPushButton* button : {b.ok, b.cancel, b.help}) row->addWidget(button);
  layout->addLayout(row);
  QObject::connect(b.cancel, &QPushButton::clicked, dialog, &QDialog::reject);
  QObject::connect(b.help, &QPushButton::clicked, dialog, [&help, helpContext] { help.ShowContext(helpContext); });
  return b;
}

void ApplyFieldLook(QWidget* field, bool active) {
  const QPalette system = field->style() ? field->style()->standardPalette() : QPalette();
  const FieldLook look = ShowFieldActive(
      active, {ToRgb(system.color(QPalette::Base)), ToRgb(system.color(QPalette::Text)),
               ToRgb(system.color(QPalette::Button))});
  QPalette palette = field->palette();
  palette.setColor(QPalette::Base, ToColor(look.background));
  palette.setColor(QPalette::Button, ToColor(look.background));
  palette.setColor(QPalette::Text, ToColor(look.text));
  palette.setColor(QPalette::ButtonText, ToColor(look.text));
  field->setPalette(palette);
  if (auto* edit = qobject_cast<QLineEdit*>(field)) {
    edit->setReadOnly(look.readOnly);
    edit->setFocusPolicy(look.tabStop ? Qt::StrongFocus : Qt::ClickFocus);
  }
}

void FillChoices(QComboBox* list, const std::vector<std::string>& titles, int chosen) {
  list->clear();
  for (const std::string& title : titles) list->addItem(FromAnsi(title), Bytes(title));
  list->setCurrentIndex(chosen >= 0 && chosen < list->count() ? chosen : -1);
}

void FillChoices(QListWidget* list, const std::vector<std::string>& titles, int chosen) {
  list->clear();
  for (const std::string& title : titles) {
    auto* item = new QListWidgetItem(FromAnsi(title), list);
    item->setData(kEntryBytesRole, Bytes(title));
  }
  if (chosen >= 0 && chosen < list->count()) list->setCurrentRow(chosen);
  else list->setCurrentRow(-1);
}

std::optional<std::string> ChosenEntry(const QComboBox* list) {
  if (list->currentIndex() < 0) return std::nullopt;
  return FromBytes(list->currentData());
}

std::optional<std::string> ChosenEntry(const QListWidget* list) {
  const QListWidgetItem* item = list->currentItem();
  if (item == nullptr || !item->isSelected()) return std::nullopt;
  return FromBytes(item->data(kEntryBytesRole));
}

void RunReportingErrors(Prompter& prompter, const std::function<void()>& step) {
  try {
    step();
  } catch (const std::exception& e) {
    prompter.Error(e.what(), 0, MessageButtons::Ok);
  }
}

}  // namespace lrv
