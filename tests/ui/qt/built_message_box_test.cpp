// The message boxes as Qt builds them.
#include <gtest/gtest.h>

#include <QMessageBox>
#include <QPushButton>

#include "ui/toolkit/qt/dialog_parts.h"

namespace {

using namespace ui::toolkit;

TEST(BuiltMessageBoxTest, TextsAreShownInWindows1252) {
  std::unique_ptr<QMessageBox> box = buildMessageBox(nullptr, "{i}M\xFCller \x80", "Caf\xE9", "OK");
  EXPECT_EQ(box->text(), QString::fromUtf8("M\u00FCller \u20AC"));
  EXPECT_EQ(box->windowTitle(), QString::fromUtf8("Caf\u00E9"));
}

TEST(BuiltMessageBoxTest, TheBuiltBoxCarriesIconButtonsAndDefault) {
  std::unique_ptr<QMessageBox> box = buildMessageBox(nullptr, "{?}{2}Sure?", "T", "YN");
  EXPECT_EQ(box->icon(), QMessageBox::Question);
  EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
  EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::No));
}

}  // namespace
