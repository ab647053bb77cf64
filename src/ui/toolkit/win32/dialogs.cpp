#include "ui/toolkit/dialogs.h"

#include <algorithm>
#include <cstdio>

#include "services/messages.h"
#include "ui/toolkit/dialog_script.h"
#include "ui/toolkit/file_filters.h"
#include "ui/toolkit/state.h"
#include "ui/toolkit/win32/file_dialogs.h"
#include "ui/toolkit/win32/list_access.h"
#include "ui/toolkit/win32/modal_dialog.h"
#include "ui/toolkit/win32/native.h"
#include "ui/toolkit/win32/win32_text.h"

namespace ui::toolkit {

namespace {

// The title Windows gives a message box that names none.
constexpr std::string_view kSystemDefaultTitle = "Error";
// Lines a message box's detail area shows without scrolling.
constexpr int kDetailRows = 15;

std::string captionOf(MessageButton button) {
  switch (button) {
    case MessageButton::Cancel:
      return "Cancel";
    case MessageButton::Yes:
      return "Yes";
    case MessageButton::No:
      return "No";
    default:
      return "OK";
  }
}

std::wstring mnemonicCaption(MessageButton button) {
  switch (button) {
    case MessageButton::Yes:
      return L"&Yes";
    case MessageButton::No:
      return L"&No";
    default:
      return wideFrom1252(captionOf(button));
  }
}

DialogIcon dialogIconOf(services::MessageIcon icon) {
  switch (icon) {
    case services::MessageIcon::Information:
      return DialogIcon::Information;
    case services::MessageIcon::Stop:
      return DialogIcon::Critical;
    case services::MessageIcon::Question:
      return DialogIcon::Question;
    default:
      return DialogIcon::None;
  }
}

UINT iconStyle(DialogIcon icon) {
  switch (icon) {
    case DialogIcon::Information:
      return MB_ICONINFORMATION;
    case DialogIcon::Warning:
      return MB_ICONWARNING;
    case DialogIcon::Critical:
      return MB_ICONERROR;
    case DialogIcon::Question:
      return MB_ICONQUESTION;
    default:
      return 0;
  }
}

const wchar_t* iconResource(DialogIcon icon) {
  switch (icon) {
    case DialogIcon::Information:
      return IDI_INFORMATION;
    case DialogIcon::Warning:
      return IDI_WARNING;
    case DialogIcon::Critical:
      return IDI_ERROR;
    case DialogIcon::Question:
      return IDI_QUESTION;
    default:
      return nullptr;
  }
}

UINT buttonStyle(const std::vector<MessageButton>& order) {
  if (order.size() == 3) return MB_YESNOCANCEL;
  if (order.size() == 2) return order.front() == MessageButton::Yes ? MB_YESNO : MB_OKCANCEL;
  return MB_OK;
}

MessageButton buttonOfAnswer(int answer) {
  switch (answer) {
    case IDYES:
      return MessageButton::Yes;
    case IDNO:
      return MessageButton::No;
    case IDCANCEL:
      return MessageButton::Cancel;
    default:
      return MessageButton::Ok;
  }
}

HWND ownerWindow(std::string_view form) {
  FormRecord* record = form.empty() ? nullptr : findForm(form);
  return record != nullptr ? windowOf(*record) : nullptr;
}

struct Box {
  std::wstring title;
  std::wstring text;
  DialogIcon icon = DialogIcon::None;
  std::vector<MessageButton> order;
  size_t defaultIndex = 0;
  std::wstring details;
};

Box boxOf(std::string_view text, std::string_view title, std::string_view buttons) {
  const services::BraceCodes codes = services::parseBraceCodes(text);
  Box box;
  box.title = wideFrom1252(title);
  box.text = wideFrom1252(codes.body);
  box.icon = dialogIconOf(codes.icon);
  box.order = messageBoxButtons(buttons);
  box.defaultIndex = codes.secondIsDefault && box.order.size() > 1 ? 1 : 0;
  return box;
}

DialogRecord recordOf(const Box& box, DialogKind kind, std::string_view form) {
  DialogRecord record = dialogRecord(kind, form);
  record.title = cp1252FromWide(box.title);
  record.text = cp1252FromWide(box.text);
  record.icon = box.icon;
  for (MessageButton button : box.order) record.buttons.push_back(captionOf(button));
  record.defaultButton = record.buttons[box.defaultIndex];
  record.details = cp1252FromWide(box.details);
  return record;
}

// The system's message box; closing it answers the last button (No, Cancel), or OK alone.
std::optional<size_t> showSystemBox(const Box& box, HWND owner) {
  UINT style = buttonStyle(box.order) | iconStyle(box.icon) | MB_SETFOREGROUND;
  if (box.defaultIndex == 1) style |= MB_DEFBUTTON2;
  if (owner == nullptr) style |= MB_TASKMODAL;
  const int answer = MessageBoxW(owner, box.text.c_str(), box.title.c_str(), style);
  const MessageButton pressed = buttonOfAnswer(answer);
  for (size_t i = 0; i < box.order.size(); ++i) {
    if (box.order[i] == pressed) return i;
  }
  return box.order.size() - 1;
}

// A message box with a detail area below its text, as a dialog of its own.
void buildDetailsBox(ModalDialog& dialog, const Box& box, HWND owner, int& detailRows) {
  constexpr int kMargin = 12;
  constexpr int kIconSize = 32;
  constexpr int kWidth = 560;
  constexpr int kButtonWidth = 88;
  constexpr int kButtonHeight = 26;
  HDC screen = GetDC(nullptr);
  HGDIOBJ old = SelectObject(screen, messageFont());
  const int textLeft = kMargin + (box.icon != DialogIcon::None ? kIconSize + kMargin : 0);
  RECT measured{0, 0, kWidth - textLeft - kMargin, 0};
  DrawTextW(screen, box.text.c_str(), -1, &measured, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  TEXTMETRICW text{};
  GetTextMetricsW(screen, &text);
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);
  const int lineHeight = text.tmHeight + text.tmExternalLeading;
  const int textHeight = std::max<int>(measured.bottom, box.icon != DialogIcon::None ? kIconSize : 0);
  const int detailsTop = kMargin + textHeight + kMargin;
  const int detailsHeight = lineHeight * kDetailRows + 8;
  const int buttonsTop = detailsTop + detailsHeight + kMargin;
  createModalDialog(dialog, owner, box.title, kWidth, buttonsTop + kButtonHeight + kMargin);
  if (const wchar_t* icon = iconResource(box.icon)) {
    HWND picture = addChild(dialog, L"STATIC", L"", SS_ICON, RECT{kMargin, kMargin, kMargin + kIconSize, kMargin + kIconSize});
    SendMessageW(picture, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconW(nullptr, icon)), 0);
  }
  addChild(dialog, L"STATIC", box.text, SS_LEFT | SS_NOPREFIX,
           RECT{textLeft, kMargin, kWidth - kMargin, kMargin + textHeight});
  dialog.edit = addChild(dialog, L"EDIT", box.details,
                         WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL,
                         RECT{kMargin, detailsTop, kWidth - kMargin, detailsTop + detailsHeight}, 0, WS_EX_CLIENTEDGE);
  RECT inside{};
  SendMessageW(dialog.edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&inside));
  detailRows = (inside.bottom - inside.top) / lineHeight;
  int left = kWidth - kMargin - static_cast<int>(box.order.size()) * (kButtonWidth + 8) + 8;
  for (size_t i = 0; i < box.order.size(); ++i) {
    const DWORD style = WS_TABSTOP | (i == box.defaultIndex ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
    dialog.buttons.push_back(addChild(dialog, L"BUTTON", mnemonicCaption(box.order[i]), style,
                                      RECT{left, buttonsTop, left + kButtonWidth, buttonsTop + kButtonHeight},
                                      kFirstButtonId + static_cast<int>(i)));
    left += kButtonWidth + 8;
  }
  dialog.defaultButton = static_cast<int>(box.defaultIndex);
  dialog.edit = nullptr;  // the keyboard starts on the default button
}

// The paths a file dialog gives: from the script when one answers the dialogs, from the system's
// dialog (`ask`) otherwise.
template <typename Ask>
std::vector<std::string> chosenPaths(DialogKind kind, std::string_view form, std::string_view title,
                                     std::string_view filter, Ask ask) {
  if (DialogScript* script = toolkit().script) {
    DialogRecord record = dialogRecord(kind, form);
    record.title = std::string(title);
    record.nameFilters = filterCaptions(filter);
    return answerFiles(*script, std::move(record));
  }
  return ask();
}

std::optional<size_t> answerBox(const Box& box, DialogKind kind, std::string_view form) {
  HWND owner = ownerWindow(form);
  if (box.details.empty()) {
    if (DialogScript* script = toolkit().script) return answerButtons(*script, recordOf(box, kind, form), box.defaultIndex);
    return showSystemBox(box, owner);
  }
  ModalDialog dialog;
  int detailRows = 0;
  buildDetailsBox(dialog, box, owner, detailRows);
  if (DialogScript* script = toolkit().script) {
    DialogRecord record = recordOf(box, kind, form);
    record.detailRows = detailRows;
    return answerButtons(*script, std::move(record), box.defaultIndex);
  }
  runModalDialog(dialog, owner, static_cast<int>(box.order.size()) - 1);
  return dialog.pressed >= 0 ? std::optional<size_t>(static_cast<size_t>(dialog.pressed)) : std::nullopt;
}

}  // namespace

int32_t EZ_MSGBOX(std::string_view form, std::string_view text, std::string_view title,
                  std::string_view buttons) {
  const Box box = boxOf(text, title, buttons);
  const std::optional<size_t> pressed = answerBox(box, DialogKind::MessageBox, form);
  return pressed ? messageBoxAnswer(box.order[*pressed]) : 0;
}

int32_t messageBoxWithDetails(std::string_view form, std::string_view text, std::string_view title,
                              std::string_view buttons, std::string_view details) {
  Box box = boxOf(text, title, buttons);
  box.details = wideFrom1252(details);
  const std::optional<size_t> pressed = answerBox(box, DialogKind::MessageBox, form);
  return pressed ? messageBoxAnswer(box.order[*pressed]) : 0;
}

platform::ReportAnswer showErrorReport(const platform::UntrappedError& error) {
  Box box;
  box.title = wideFrom1252(kSystemDefaultTitle);
  box.text = wideFrom1252(platform::reportText(error));
  box.icon = DialogIcon::Warning;
  box.order = {MessageButton::Ok, MessageButton::Cancel};
  const std::optional<size_t> pressed = answerBox(box, DialogKind::ErrorReport, "");
  return pressed && box.order[*pressed] == MessageButton::Ok ? platform::ReportAnswer::Continue
                                                             : platform::ReportAnswer::Terminate;
}

std::string EZ_OPENFILE(std::string_view form, std::string_view title, std::string_view initialFile,
                        std::string_view filter, std::string_view) {
  const std::vector<std::string> paths = chosenPaths(DialogKind::OpenFile, form, title, filter, [&] {
    return chooseFiles(FileDialog{title, initialFile, filter, false}, ownerWindow(form));
  });
  return paths.empty() ? std::string() : paths.front();
}

int32_t QX_FILEOPENDIALOG(std::string& buffer, int32_t& size, std::string_view title,
                          std::string_view filter) {
  const std::vector<std::string> paths = chosenPaths(DialogKind::OpenFiles, "{ME}", title, filter, [&] {
    return chooseFiles(FileDialog{title, "", filter, true}, ownerWindow("{ME}"));
  });
  return putDialogResult(multiSelectResult(paths), buffer, size);
}

std::string chooseFolder(std::string_view title, std::string_view initialFolder) {
  const std::vector<std::string> paths = chosenPaths(DialogKind::Folder, "{ME}", title, "", [&] {
    return chooseFolders(title, initialFolder, ownerWindow("{ME}"));
  });
  return paths.empty() ? std::string() : paths.front();
}

std::string askText(std::string_view prompt, std::string_view title, std::string_view initialText) {
  if (DialogScript* script = toolkit().script) {
    DialogRecord record = dialogRecord(DialogKind::TextInput, "{ME}");
    record.title = std::string(title);
    record.text = std::string(prompt);
    record.initialText = std::string(initialText);
    return answerText(*script, std::move(record)).value_or("");
  }
  HWND owner = ownerWindow("{ME}");
  ModalDialog dialog;
  createModalDialog(dialog, owner, wideFrom1252(title), 400, 120);
  addChild(dialog, L"STATIC", wideFrom1252(prompt), SS_LEFT | SS_NOPREFIX, RECT{12, 12, 388, 44});
  dialog.edit = addChild(dialog, L"EDIT", wideFrom1252(initialText), WS_TABSTOP | ES_AUTOHSCROLL,
                         RECT{12, 48, 388, 72}, 0, WS_EX_CLIENTEDGE);
  SendMessageW(dialog.edit, EM_SETSEL, 0, -1);
  dialog.buttons.push_back(addChild(dialog, L"BUTTON", L"OK", WS_TABSTOP | BS_DEFPUSHBUTTON,
                                    RECT{204, 84, 292, 110}, kFirstButtonId));
  dialog.buttons.push_back(addChild(dialog, L"BUTTON", L"Cancel", WS_TABSTOP | BS_PUSHBUTTON,
                                    RECT{300, 84, 388, 110}, kFirstButtonId + 1));
  runModalDialog(dialog, owner, 1);
  if (dialog.pressed != 0) return "";
  return cp1252FromWide(windowText(dialog.edit));
}

}  // namespace ui::toolkit
