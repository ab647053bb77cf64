// Message boxes. Texts may begin with brace codes ("{i}", "{S}", "{?}" for the icon, then "{2}" when
// the second button is the default); buttons are "OK" or "YN" and Yes answers 1. The box itself is a
// service the front end installs: the window shows a dialog, the command line prints, tests script.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace services {

enum class MessageIcon { None, Information, Stop, Question };

struct MessageBoxRequest {
  std::string form;  // "{ME}" or "MAIN"
  std::string text;  // as passed, brace codes included
  std::string title;
  std::string buttons;  // "OK" or "YN"
};

struct BraceCodes {
  MessageIcon icon = MessageIcon::None;
  bool secondIsDefault = false;
  std::string body;  // the text after the codes
};
BraceCodes parseBraceCodes(std::string_view text);

// Answers with the chosen button: 1 for Yes (and for OK), 0 otherwise.
using MessageBoxService = std::function<int32_t(const MessageBoxRequest&)>;
// Installs the service and returns the previous one. Without a service a box answers 0 (No).
MessageBoxService setMessageBoxService(MessageBoxService service);

int32_t showMessageBox(std::string_view form, std::string_view text, std::string_view title,
                       std::string_view buttons);
// Shows a box the engine described in its result and left to the front end.
int32_t showMessageBox(const MessageBoxRequest& request);
// The box XMSGBOX shows for `text`.
MessageBoxRequest informationBox(std::string_view text);
// A box of form "MAIN" with the program title and one OK button.
MessageBoxRequest mainFormBox(std::string_view text);

// An information box with the program title and one OK button.
void XMSGBOX(std::string_view text);

}  // namespace services
