#include "ui/toolkit/dialogs.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QTextEdit>
#include <cstdio>

#include "services/messages.h"
#include "ui/toolkit/qt/dialog_parts.h"
#include "ui/toolkit/qt/native.h"
#include "ui/toolkit/qt/qt_text.h"
#include "ui/toolkit/state.h"
#include "ui/toolkit/text.h"

namespace ui::toolkit {

namespace {

// The title Windows gives a message box that names none.
constexpr std::string_view kSystemDefaultTitle = "Error";
// Lines a message box's detail area shows without scrolling.
constexpr int kDetailRows = 15;

std::string caption(const QAbstractButton* button) {
  return button != nullptr ? withoutMnemonic(fromQt(button->text())) : std::string();
}

// The height a text area takes above and below its lines: its frame and the document's margins.
int bordersOf(const QTextEdit& area) {
  return 2 * area.frameWidth() + static_cast<int>(2 * area.document()->documentMargin());
}

DialogIcon dialogIconOf(QMessageBox::Icon icon) {
  switch (icon) {
    case QMessageBox::Information:
      return DialogIcon::Information;
    case QMessageBox::Warning:
      return DialogIcon::Warning;
    case QMessageBox::Critical:
      return DialogIcon::Critical;
    case QMessageBox::Question:
      return DialogIcon::Question;
    default:
      return DialogIcon::None;
  }
}

QWidget* ownerWindow(std::string_view form) {
  FormRecord* record = form.empty() ? nullptr : findForm(form);
  return record != nullptr ? windowOf(*record) : nullptr;
}

// Shows the box, or answers it from the script. Returns the index in `order` of the button pressed
// (nothing: none).
std::optional<size_t> answer(QMessageBox& box, DialogKind kind, std::string_view form,
                             const std::vector<MessageButton>& order) {
  DialogScript* script = toolkit().script;
  if (script == nullptr) {
    box.exec();
    for (size_t i = 0; i < order.size(); ++i) {
      if (box.clickedButton() != nullptr && box.clickedButton() == box.button(qtButton(order[i]))) return i;
    }
    return std::nullopt;
  }
  DialogRecord record = dialogRecord(kind, form);
  record.title = fromQt(box.windowTitle());
  record.text = fromQtLines(box.text());
  record.details = fromQtLines(box.detailedText());
  if (const auto* details = box.findChild<QTextEdit*>()) {
    record.detailRows = (details->height() - bordersOf(*details)) / details->fontMetrics().lineSpacing();
  }
  record.icon = dialogIconOf(box.icon());
  size_t defaultIndex = 0;
  for (size_t i = 0; i < order.size(); ++i) {
    QAbstractButton* button = box.button(qtButton(order[i]));
    record.buttons.push_back(caption(button));
    if (button == box.defaultButton()) defaultIndex = i;
  }
  record.defaultButton = caption(box.defaultButton());
  return answerButtons(*script, std::move(record), defaultIndex);
}

// The chosen paths: from the script, or from the dialog shown to the user.
std::vector<std::string> choosePaths(QFileDialog& dialog, DialogKind kind, std::string_view form) {
  if (DialogScript* script = toolkit().script) {
    DialogRecord record = dialogRecord(kind, form);
    record.title = fromQt(dialog.windowTitle());
    for (const QString& filter : dialog.nameFilters()) record.nameFilters.push_back(fromQt(filter));
    return answerFiles(*script, std::move(record));
  }
  std::vector<std::string> paths;
  if (dialog.exec() != QDialog::Accepted) return paths;
  for (const QString& file : dialog.selectedFiles()) paths.push_back(QFile::encodeName(file).toStdString());
  return paths;
}

}  // namespace

int32_t EZ_MSGBOX(std::string_view form, std::string_view text, std::string_view title,
                  std::string_view buttons) {
  if (QApplication::instance() == nullptr) return 0;
  std::unique_ptr<QMessageBox> box = buildMessageBox(ownerWindow(form), text, title, buttons);
  const std::vector<MessageButton> order = messageBoxButtons(buttons);
  const std::optional<size_t> pressed = answer(*box, DialogKind::MessageBox, form, order);
  return pressed ? messageBoxAnswer(order[*pressed]) : 0;
}

int32_t messageBoxWithDetails(std::string_view form, std::string_view text, std::string_view title,
                              std::string_view buttons, std::string_view details) {
  if (QApplication::instance() == nullptr) return 0;
  std::unique_ptr<QMessageBox> box = buildMessageBox(ownerWindow(form), text, title, buttons);
  if (!details.empty()) {
    box->setDetailedText(toQtLines(details));
    // Qt makes the area a few lines high; a list of what an import changes wants more.
    if (auto* area = box->findChild<QTextEdit*>()) {
      area->setFixedHeight(area->fontMetrics().lineSpacing() * kDetailRows + bordersOf(*area));
    }
  }
  const std::vector<MessageButton> order = messageBoxButtons(buttons);
  const std::optional<size_t> pressed = answer(*box, DialogKind::MessageBox, form, order);
  return pressed ? messageBoxAnswer(order[*pressed]) : 0;
}

platform::ReportAnswer showErrorReport(const platform::UntrappedError& error) {
  const std::string text = platform::reportText(error);
  if (QApplication::instance() == nullptr) {
    std::fprintf(stderr, "%s\n", text.c_str());
    return platform::ReportAnswer::Continue;
  }
  QMessageBox box(QMessageBox::Warning, toQt(kSystemDefaultTitle), toQtLines(text),
                  QMessageBox::Ok | QMessageBox::Cancel, nullptr);
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(QMessageBox::Ok);
  box.setEscapeButton(QMessageBox::Cancel);
  const std::vector<MessageButton> order = {MessageButton::Ok, MessageButton::Cancel};
  const std::optional<size_t> pressed = answer(box, DialogKind::ErrorReport, "", order);
  return pressed && order[*pressed] == MessageButton::Ok ? platform::ReportAnswer::Continue
                                                         : platform::ReportAnswer::Terminate;
}

std::string EZ_OPENFILE(std::string_view form, std::string_view title, std::string_view initialFile,
                        std::string_view filter, std::string_view) {
  if (QApplication::instance() == nullptr) return "";
  std::unique_ptr<QFileDialog> dialog = buildFileDialog(ownerWindow(form), title, initialFile, filter, false);
  std::vector<std::string> paths = choosePaths(*dialog, DialogKind::OpenFile, form);
  return paths.empty() ? std::string() : paths.front();
}

int32_t QX_FILEOPENDIALOG(std::string& buffer, int32_t& size, std::string_view title,
                          std::string_view filter) {
  std::string result;
  if (QApplication::instance() != nullptr) {
    std::unique_ptr<QFileDialog> dialog = buildFileDialog(ownerWindow("{ME}"), title, "", filter, true);
    result = multiSelectResult(choosePaths(*dialog, DialogKind::OpenFiles, "{ME}"));
  }
  return putDialogResult(std::move(result), buffer, size);
}

std::string chooseFolder(std::string_view title, std::string_view initialFolder) {
  if (QApplication::instance() == nullptr) return "";
  QFileDialog dialog(ownerWindow("{ME}"), toQt(title));
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
  dialog.setFileMode(QFileDialog::Directory);
  dialog.setOption(QFileDialog::ShowDirsOnly, true);
  dialog.setDirectory(QFile::decodeName(QByteArray(initialFolder.data(), initialFolder.size())));
  const std::vector<std::string> paths = choosePaths(dialog, DialogKind::Folder, "{ME}");
  return paths.empty() ? std::string() : paths.front();
}

std::string askText(std::string_view prompt, std::string_view title, std::string_view initialText) {
  if (QApplication::instance() == nullptr) return "";
  QInputDialog dialog(ownerWindow("{ME}"));
  dialog.setInputMode(QInputDialog::TextInput);
  dialog.setWindowTitle(toQt(title));
  dialog.setLabelText(toQt(prompt));
  dialog.setTextValue(toQt(initialText));
  if (DialogScript* script = toolkit().script) {
    DialogRecord record = dialogRecord(DialogKind::TextInput, "{ME}");
    record.title = fromQt(dialog.windowTitle());
    record.text = fromQt(dialog.labelText());
    record.initialText = fromQt(dialog.textValue());
    return answerText(*script, std::move(record)).value_or("");
  }
  if (dialog.exec() != QDialog::Accepted) return "";
  return fromQt(dialog.textValue());
}

}  // namespace ui::toolkit
