#include "ui/toolkit/progress_window.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>

#include "ui/toolkit/qt/native.h"
#include "ui/toolkit/qt/qt_text.h"
#include "ui/toolkit/state.h"
#include "ui/toolkit/text.h"

namespace ui::toolkit {

namespace {

// The bar counts in thousandths, so that counts beyond what a bar holds still move it.
constexpr int kBarSteps = 1000;

struct ProgressWindow {
  QPointer<QWidget> window;
  QLabel* label = nullptr;
  QProgressBar* bar = nullptr;
  ProgressWindowState state;
};

ProgressWindow& progressWindow() {
  static ProgressWindow current;
  return current;
}

// The window the progress is shown over: the one the user works in, else the first form that is up.
QWidget* ownerWindow() {
  if (QWidget* active = QApplication::activeWindow()) return active;
  for (const auto& form : toolkit().forms) {
    if (form->alive && windowOf(*form) && windowOf(*form)->isVisible()) return windowOf(*form);
  }
  return nullptr;
}

// Over the middle of its owner, or of the screen before there is one.
void centre(ProgressWindow& current) {
  QWidget* window = current.window;
  QRect over;
  if (QWidget* owner = ownerWindow(); owner != nullptr && owner != window) {
    over = owner->frameGeometry();
  } else if (QScreen* screen = QGuiApplication::primaryScreen()) {
    over = screen->availableGeometry();
  } else {
    return;
  }
  window->adjustSize();
  QRect frame = window->frameGeometry();
  frame.moveCenter(over.center());
  window->move(frame.topLeft());
}

void build(ProgressWindow& current) {
  QWidget* owner = ownerWindow();
  current.window = new QWidget(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  current.window->setAttribute(Qt::WA_DeleteOnClose, false);
  current.window->setWindowModality(Qt::ApplicationModal);
  current.window->setWindowTitle(QStringLiteral("Please wait"));
  auto* layout = new QVBoxLayout(current.window);
  current.label = new QLabel(current.window);
  current.label->setTextFormat(Qt::PlainText);
  current.label->setMinimumWidth(360);
  current.bar = new QProgressBar(current.window);
  current.bar->setTextVisible(false);
  layout->addWidget(current.label);
  layout->addWidget(current.bar);
}

}  // namespace

void showProgressWindow(std::string_view text, int64_t done, int64_t total) {
  if (QApplication::instance() == nullptr) return;
  ProgressWindow& current = progressWindow();
  if (!current.window) build(current);
  current.label->setText(toQt(text));
  if (total > 0) {
    current.bar->setRange(0, kBarSteps);
    current.bar->setValue(static_cast<int>(std::clamp<int64_t>(done * kBarSteps / total, 0, kBarSteps)));
  } else {
    current.bar->setRange(0, 0);
  }
  if (!current.window->isVisible()) {
    current.window->show();
    // Once shown, its frame is known.
    centre(current);
    ++current.state.shownTimes;
  }
  current.state.visible = true;
  current.state.text = std::string(text);
  current.state.done = done;
  current.state.total = total;
}

void hideProgressWindow() {
  ProgressWindow& current = progressWindow();
  if (current.window && QApplication::instance() != nullptr) current.window->hide();
  current.state.visible = false;
}

void discardProgressWindow() {
  ProgressWindow& current = progressWindow();
  delete current.window.data();
  current.window = nullptr;
  current.state.visible = false;
}

ProgressWindowState progressWindowState() {
  return progressWindow().state;
}

}  // namespace ui::toolkit
