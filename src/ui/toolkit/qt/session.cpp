#include "ui/toolkit/session.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QPixmap>
#include <QTimer>
#include <cstdio>

#include "ui/toolkit/accelerator_keys.h"
#include "ui/toolkit/dialogs.h"
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

void takeScreenshot(uint64_t serial, const QString& path) {
  FormRecord* form = findForm(serial);
  if (form == nullptr || windowOf(*form) == nullptr) return;
  DialogScript answers;
  const QString files = qEnvironmentVariable("ZOR_SCREENSHOT_FILES");
  for (const QString& dialog : files.split(QLatin1Char('|'), Qt::SkipEmptyParts)) {
    std::vector<std::string> chosen;
    for (const QString& file : dialog.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
      chosen.push_back(QFile::encodeName(file).toStdString());
    }
    answers.files.push_back(chosen);
  }
  DialogScript* previous = setDialogScript(&answers);
  struct Restore {
    DialogScript* script;
    ~Restore() { setDialogScript(script); }
  } restore{previous};
  const QString clicks = qEnvironmentVariable("ZOR_SCREENSHOT_CLICKS");
  for (const QString& id : clicks.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
    ControlRecord* control = form->control(id.trimmed().toInt());
    if (auto* button = control != nullptr ? dynamic_cast<QAbstractButton*>(widgetOf(*control)) : nullptr) {
      button->click();
    }
    QApplication::processEvents();
    form = findForm(serial);
    if (form == nullptr || windowOf(*form) == nullptr) return;
  }
  const QPixmap shot = windowOf(*form)->grab();
  if (!shot.save(path)) {
    std::fprintf(stderr, "Could not write the screenshot %s\n", path.toLocal8Bit().constData());
    toolkit().exitCode = 1;
  }
  unloadForm(*form, true);
}

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
  const QString path = qEnvironmentVariable("ZOR_SCREENSHOT");
  if (path.isEmpty() || taken) return;
  taken = true;
  QTimer::singleShot(kScreenshotDelayMs, [serial, path] { takeScreenshot(serial, path); });
}

}  // namespace ui::toolkit
