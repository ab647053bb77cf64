#include "services/messages.h"

#include <utility>

#include "services/program.h"

namespace services {
namespace {
MessageBoxService& service() {
  static MessageBoxService current;
  return current;
}
}  // namespace

BraceCodes parseBraceCodes(std::string_view text) {
  BraceCodes codes;
  for (;;) {
    if (text.starts_with("{i}")) {
      codes.icon = MessageIcon::Information;
    } else if (text.starts_with("{S}")) {
      codes.icon = MessageIcon::Stop;
    } else if (text.starts_with("{?}")) {
      codes.icon = MessageIcon::Question;
    } else if (text.starts_with("{2}")) {
      codes.secondIsDefault = true;
    } else {
      break;
    }
    text.remove_prefix(3);
  }
  codes.body = std::string(text);
  return codes;
}

MessageBoxService setMessageBoxService(MessageBoxService newService) {
  return std::exchange(service(), std::move(newService));
}

int32_t showMessageBox(std::string_view form, std::string_view text, std::string_view title,
                       std::string_view buttons) {
  if (!service()) return 0;
  return service()(
      MessageBoxRequest{std::string(form), std::string(text), std::string(title), std::string(buttons)});
}

int32_t showMessageBox(const MessageBoxRequest& request) {
  return showMessageBox(request.form, request.text, request.title, request.buttons);
}

MessageBoxRequest informationBox(std::string_view text) {
  return MessageBoxRequest{"{ME}", "{i}" + std::string(text), program().title, "OK"};
}

MessageBoxRequest mainFormBox(std::string_view text) {
  return MessageBoxRequest{"MAIN", std::string(text), program().title, "OK"};
}

void XMSGBOX(std::string_view text) {
  showMessageBox(informationBox(text));
}

}  // namespace services
