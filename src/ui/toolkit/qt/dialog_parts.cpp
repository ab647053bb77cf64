#include "ui/toolkit/qt/dialog_parts.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

#include "services/messages.h"
#include "ui/toolkit/file_filters.h"
#include "ui/toolkit/qt/qt_text.h"

namespace ui::toolkit {

namespace {

QMessageBox::Icon iconOf(services::MessageIcon icon) {
  switch (icon) {
    case services::MessageIcon::Information:
      return QMessageBox::Information;
    case services::MessageIcon::Stop:
      return QMessageBox::Critical;
    case services::MessageIcon::Question:
      return QMessageBox::Question;
    default:
      return QMessageBox::NoIcon;
  }
}

}  // namespace

QMessageBox::StandardButton qtButton(MessageButton button) {
  switch (button) {
    case MessageButton::Cancel:
      return QMessageBox::Cancel;
    case MessageButton::Yes:
      return QMessageBox::Yes;
    case MessageButton::No:
      return QMessageBox::No;
    default:
      return QMessageBox::Ok;
  }
}

std::unique_ptr<QMessageBox> buildMessageBox(QWidget* owner, std::string_view text, std::string_view title,
                                             std::string_view buttons) {
  const services::BraceCodes codes = services::parseBraceCodes(text);
  auto box = std::make_unique<QMessageBox>(owner);
  box->setWindowTitle(toQt(title));
  box->setTextFormat(Qt::PlainText);
  box->setText(toQtLines(codes.body));
  box->setIcon(iconOf(codes.icon));
  std::vector<QMessageBox::StandardButton> order;
  for (MessageButton button : messageBoxButtons(buttons)) order.push_back(qtButton(button));
  for (QMessageBox::StandardButton standard : order) box->addButton(standard);
  const size_t defaultIndex = codes.secondIsDefault && order.size() > 1 ? 1 : 0;
  box->setDefaultButton(order[defaultIndex]);
  // Closing the box answers the last button (No, Cancel), or OK when it is the only one.
  box->setEscapeButton(order.back());
  return box;
}

QStringList nameFilters(std::string_view filter) {
  QStringList filters;
  for (const std::string& caption : filterCaptions(filter)) filters << toQt(caption);
  return filters;
}

std::unique_ptr<QFileDialog> buildFileDialog(QWidget* owner, std::string_view title,
                                             std::string_view initialFile, std::string_view filter,
                                             bool several) {
  auto dialog = std::make_unique<QFileDialog>(owner, toQt(title));
  dialog->setOption(QFileDialog::DontUseNativeDialog, true);
  dialog->setAcceptMode(QFileDialog::AcceptOpen);
  dialog->setFileMode(several ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
  const QStringList filters = nameFilters(filter);
  if (!filters.isEmpty()) dialog->setNameFilters(filters);
  if (initialFile.empty()) {
    dialog->setDirectory(QDir::currentPath());
  } else {
    const QFileInfo initial(QFile::decodeName(QByteArray(initialFile.data(), initialFile.size())));
    dialog->setDirectory(initial.absolutePath());
    dialog->selectFile(initial.fileName());
  }
  return dialog;
}

}  // namespace ui::toolkit
