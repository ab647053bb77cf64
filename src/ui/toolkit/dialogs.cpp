#include "ui/toolkit/dialogs.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QTextEdit>
#include <cstdio>

#include "services/messages.h"
#include "ui/toolkit/dialog_parts.h"
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

bool sameCaption(std::string_view a, std::string_view b) {
  return nameKey(a) == nameKey(b);
}

// The height a text area takes above and below its lines: its frame and the document's margins.
int bordersOf(const QTextEdit& area) {
  return 2 * area.frameWidth() + static_cast<int>(2 * area.document()->documentMargin());
}

size_t liveForms() {
  size_t count = 0;
  for (const auto& form : toolkit().forms) count += form->alive ? 1 : 0;
  return count;
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
  return record != nullptr ? record->window.data() : nullptr;
}

std::string ownerName(std::string_view form) {
  FormRecord* record = form.empty() ? nullptr : findForm(form);
  return record != nullptr ? record->name : std::string();
}

// Shows the box, or answers it from the script. Returns the button pressed (nullptr: none).
QAbstractButton* answer(QMessageBox& box, DialogKind kind, std::string_view form,
                        const std::vector<QMessageBox::StandardButton>& order) {
  DialogScript* script = toolkit().script;
  if (script == nullptr) {
    box.exec();
    return box.clickedButton();
  }
  DialogRecord record;
  record.kind = kind;
  record.form = ownerName(form);
  record.title = fromQt(box.windowTitle());
  record.text = fromQtLines(box.text());
  record.details = fromQtLines(box.detailedText());
  if (const auto* details = box.findChild<QTextEdit*>()) {
    record.detailRows = (details->height() - bordersOf(*details)) / details->fontMetrics().lineSpacing();
  }
  record.icon = dialogIconOf(box.icon());
  for (QMessageBox::StandardButton standard : order) record.buttons.push_back(caption(box.button(standard)));
  record.defaultButton = caption(box.defaultButton());
  record.formsOpen = liveForms();

  QAbstractButton* chosen = box.defaultButton();
  if (!script->buttons.empty()) {
    const std::string wanted = script->buttons.front();
    script->buttons.pop_front();
    chosen = nullptr;
    for (QMessageBox::StandardButton standard : order) {
      if (sameCaption(caption(box.button(standard)), wanted)) chosen = box.button(standard);
    }
  }
  record.answer = caption(chosen);
  script->shown.push_back(record);
  return chosen;
}

DialogRecord fileDialogRecord(const QFileDialog& dialog, DialogKind kind, std::string_view form) {
  DialogRecord record;
  record.kind = kind;
  record.form = ownerName(form);
  record.title = fromQt(dialog.windowTitle());
  for (const QString& filter : dialog.nameFilters()) record.nameFilters.push_back(fromQt(filter));
  record.formsOpen = liveForms();
  return record;
}

// The chosen paths: from the script, or from the dialog shown to the user.
std::vector<std::string> choosePaths(QFileDialog& dialog, DialogKind kind, std::string_view form) {
  std::vector<std::string> paths;
  if (DialogScript* script = toolkit().script) {
    DialogRecord record = fileDialogRecord(dialog, kind, form);
    if (!script->files.empty()) {
      paths = script->files.front();
      script->files.pop_front();
    }
    for (const std::string& path : paths) record.answer += (record.answer.empty() ? "" : "\n") + path;
    script->shown.push_back(record);
    return paths;
  }
  if (dialog.exec() != QDialog::Accepted) return paths;
  for (const QString& file : dialog.selectedFiles()) paths.push_back(QFile::encodeName(file).toStdString());
  return paths;
}

}  // namespace

DialogScript* setDialogScript(DialogScript* script) {
  DialogScript* previous = toolkit().script;
  toolkit().script = script;
  return previous;
}

int32_t EZ_MSGBOX(std::string_view form, std::string_view text, std::string_view title,
                  std::string_view buttons) {
  if (QApplication::instance() == nullptr) return 0;
  std::unique_ptr<QMessageBox> box = buildMessageBox(ownerWindow(form), text, title, buttons);
  QAbstractButton* pressed = answer(*box, DialogKind::MessageBox, form, messageBoxButtons(buttons));
  return pressed != nullptr ? messageBoxAnswer(box->standardButton(pressed)) : 0;
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
  QAbstractButton* pressed = answer(*box, DialogKind::MessageBox, form, messageBoxButtons(buttons));
  return pressed != nullptr ? messageBoxAnswer(box->standardButton(pressed)) : 0;
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
  QAbstractButton* pressed = answer(box, DialogKind::ErrorReport, "", {QMessageBox::Ok, QMessageBox::Cancel});
  return pressed != nullptr && box.standardButton(pressed) == QMessageBox::Ok
             ? platform::ReportAnswer::Continue
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
  if (size < 0 || result.size() > static_cast<size_t>(size)) result.clear();
  if (buffer.size() < result.size()) buffer.resize(result.size());
  buffer.replace(0, result.size(), result);
  size = static_cast<int32_t>(result.size());
  return size;
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
    DialogRecord record;
    record.kind = DialogKind::TextInput;
    record.form = ownerName("{ME}");
    record.title = fromQt(dialog.windowTitle());
    record.text = fromQt(dialog.labelText());
    record.initialText = fromQt(dialog.textValue());
    record.formsOpen = liveForms();
    std::optional<std::string> typed;
    if (!script->texts.empty()) {
      typed = script->texts.front();
      script->texts.pop_front();
    }
    record.answer = typed.value_or("");
    script->shown.push_back(record);
    return typed.value_or("");
  }
  if (dialog.exec() != QDialog::Accepted) return "";
  return fromQt(dialog.textValue());
}

}  // namespace ui::toolkit
