#include "ui/toolkit/session.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <cstdlib>
#include <string>

#include "ui/toolkit/accelerator_keys.h"
#include "ui/toolkit/qt/native.h"
#include "ui/toolkit/qt/qt_fonts.h"
#include "ui/toolkit/qt/qt_types.h"
#include "ui/toolkit/state.h"

namespace ui::toolkit {

namespace {

constexpr int kScreenshotDelayMs = 400;

// The filter of the application object that prepareSession installed; it goes with the object.
QPointer<QObject> keyFilter;

// Delivers the keys of a form's accelerator table as events of their ids, whatever control of the
// form has the focus.
class AcceleratorFilter : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
    auto* window = dynamic_cast<FormWindow*>(static_cast<QWidget*>(watched)->window());
    if (window == nullptr) return false;
    FormRecord* form = findForm(window->serial());
    if (form == nullptr || form->accelerators.empty()) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers =
        key->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier | Qt::MetaModifier);
    for (const Accelerator& accelerator : form->accelerators) {
      if (qtKey(accelerator.key) == key->key() && qtModifiers(accelerator.modifiers) == modifiers) {
        raiseEvent(*form, accelerator.id, kEventClick, 0);
        return true;
      }
    }
    return false;
  }
};

}  // namespace

void prepareSession() {
  if (keyFilter || QApplication::instance() == nullptr) return;
  registerFaceSubstitutes();
  auto* filter = new AcceleratorFilter(QApplication::instance());
  QApplication::instance()->installEventFilter(filter);
  keyFilter = filter;
}

void afterStarted(uint64_t serial) {
  static bool taken = false;
  const char* path = std::getenv("ZOR_SCREENSHOT");
  if (path == nullptr || *path == '\0' || taken) return;
  taken = true;
  QTimer::singleShot(kScreenshotDelayMs, [serial, shot = std::string(path)] {
    const char* files = std::getenv("ZOR_SCREENSHOT_FILES");
    const char* clicks = std::getenv("ZOR_SCREENSHOT_CLICKS");
    takeScreenshot(serial, shot, files != nullptr ? files : "", clicks != nullptr ? clicks : "");
  });
}

}  // namespace ui::toolkit
