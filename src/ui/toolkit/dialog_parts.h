// The Qt building blocks of the dialogs (dialogs.h), shared by the live and the scripted way.
#pragma once

#include <QMessageBox>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QFileDialog;
class QWidget;

namespace ui::toolkit {

// The buttons of "OK", "OC", "YN" or "YNC", in order.
std::vector<QMessageBox::StandardButton> messageBoxButtons(std::string_view buttons);
std::unique_ptr<QMessageBox> buildMessageBox(QWidget* owner, std::string_view text, std::string_view title,
                                             std::string_view buttons);
int32_t messageBoxAnswer(QMessageBox::StandardButton button);
// "ZOR Export Files|*.zor|All Files|*.*|" as the dialog's name filters.
QStringList nameFilters(std::string_view filter);
std::unique_ptr<QFileDialog> buildFileDialog(QWidget* owner, std::string_view title,
                                             std::string_view initialFile, std::string_view filter,
                                             bool several);
// The result text of the multi-select dialog for the chosen paths (in the file system's bytes).
std::string multiSelectResult(const std::vector<std::string>& paths);

}  // namespace ui::toolkit
