// The Qt building blocks of the dialogs (dialogs.h), shared by the live and the scripted way.
#pragma once

#include <QMessageBox>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/toolkit/dialog_script.h"

class QFileDialog;
class QWidget;

namespace ui::toolkit {

QMessageBox::StandardButton qtButton(MessageButton button);
// The box with the buttons of messageBoxButtons(buttons) in their order.
std::unique_ptr<QMessageBox> buildMessageBox(QWidget* owner, std::string_view text, std::string_view title,
                                             std::string_view buttons);
// "ZOR Export Files|*.zor|All Files|*.*|" as the dialog's name filters.
QStringList nameFilters(std::string_view filter);
std::unique_ptr<QFileDialog> buildFileDialog(QWidget* owner, std::string_view title,
                                             std::string_view initialFile, std::string_view filter,
                                             bool several);

}  // namespace ui::toolkit
