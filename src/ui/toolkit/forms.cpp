#include "ui/toolkit/forms.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

#include "ui/toolkit/accessibility.h"
#include "ui/toolkit/palette_colours.h"
#include "ui/toolkit/session.h"
#include "ui/toolkit/state.h"
#include "ui/toolkit/text.h"
#include "ui/toolkit/units.h"
#include "ui/toolkit/widgets.h"

namespace ui::toolkit {

namespace {

bool hasProperty(std::string_view properties, char letter) {
  return properties.find(letter) != std::string_view::npos;
}

QSize formSize(double width, double height) {
  return QSize(pixelsAcross(width), pixelsDown(height));
}

void placeWindow(FormRecord& form, double column, double row, double width, double height) {
  FormWindow* window = form.window;
  const QSize size = formSize(width, height);
  if (hasProperty(form.properties, 'K')) {
    window->setFixedSize(size);
  } else {
    window->setMinimumSize(0, 0);
    window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  }
  window->setGeometry(QRect(QPoint(pixelsAcross(column), pixelsDown(row)), size));
}

// The part of the screen a window may take: its screen's area without task bars and docks.
QRect screenArea(const QWidget& window) {
  if (const std::optional<QRect>& area = toolkit().screenArea) return *area;
  QScreen* screen = window.screen();
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->availableGeometry() : QRect();
}

// A window that a new size would take past an edge of its screen is moved back onto it (to the left,
// or up); one larger than the screen is made as large as the screen. The program reads where it ended
// up with EZ_GETPOS.
void keepOnScreen(FormRecord& form) {
  FormWindow* window = form.window;
  const QRect area = screenArea(*window);
  if (!area.isValid()) return;
  const QRect inner = window->geometry();
  const QRect frame = window->isVisible() ? window->frameGeometry() : inner;
  const QPoint border = inner.topLeft() - frame.topLeft();
  const QSize decoration = frame.size() - inner.size();
  const QSize size = inner.size().boundedTo(area.size() - decoration);
  const QSize frameSize = size + decoration;
  const int left =
      std::max(area.left(), std::min(frame.left(), area.left() + area.width() - frameSize.width()));
  const int top =
      std::max(area.top(), std::min(frame.top(), area.top() + area.height() - frameSize.height()));
  if (size != inner.size() && hasProperty(form.properties, 'K')) window->setFixedSize(size);
  const QRect placed(QPoint(left, top) + border, size);
  if (placed != inner) window->setGeometry(placed);
}

void centreWindow(FormWindow& window) {
  QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  QRect frame = window.geometry();
  frame.moveCenter(screen->availableGeometry().center());
  window.setGeometry(frame);
}

void raiseStarted(uint64_t serial) {
  if (FormRecord* form = findForm(serial)) {
    raiseEvent(*form, 0, kEventStarted, 0);
    afterStarted(serial);
  }
}

}  // namespace

void EZ_FORM(std::string_view name, std::string_view parent, std::string_view caption, double column,
             double row, double width, double height, std::string_view properties, int32_t,
             int32_t backColour) {
  Toolkit& state = toolkit();
  prepareSession();

  auto record = std::make_unique<FormRecord>();
  record->serial = state.nextSerial++;
  record->name = std::string(name);
  record->key = nameKey(name);
  record->properties = std::string(properties);
  FormRecord& form = *record;
  state.forms.push_back(std::move(record));

  auto* window = new FormWindow(form.serial);
  form.window = window;
  window->setWindowTitle(toQt(caption));
  window->setAccessibleName(toQt(caption));
  if (FormRecord* owner = parent.empty() ? nullptr : findForm(parent)) {
    window->setParent(owner->window, Qt::Window);
  }
  if (std::optional<QColor> back = paletteColour(backColour)) {
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, *back);
    window->setPalette(palette);
    window->setAutoFillBackground(true);
  }
  placeWindow(form, column, row, width, height);
  if (hasProperty(form.properties, 'C')) centreWindow(*window);

  const uint64_t serial = form.serial;
  if (state.loadingEvents != 0) raiseEvent(form, 0, kEventLoading, 0);
  if (findForm(serial) == nullptr) return;

  FormRecord* outer = state.designing;
  state.designing = &form;
  state.next = DesignSettings{};
  if (state.design) {
    std::string designName = form.name;
    DesignCallback design = state.design;
    design(designName);
  }
  state.designing = outer;
  if (findForm(serial) == nullptr) return;
  nameControlsByLabels(form);

  raiseEvent(form, 0, kEventLoaded, 0);
  if (findForm(serial) == nullptr) return;
  window->show();
  QMetaObject::invokeMethod(
      window, [serial] { raiseStarted(serial); }, Qt::QueuedConnection);
}

void unloadForm(FormRecord& form, bool raiseClosing) {
  if (!form.alive || form.unloading) return;
  form.unloading = true;
  if (raiseClosing) raiseEvent(form, 0, kEventClosing, 0);
  form.alive = false;
  Toolkit& state = toolkit();
  if (state.designing == &form) state.designing = nullptr;
  if (form.window) {
    form.window->hide();
    form.window->deleteLater();
  }
  for (const auto& other : state.forms) {
    if (other->alive) return;
  }
  if (state.loopRunning) QCoreApplication::exit(state.exitCode);
}

void EZ_UNLOADFORM(std::string_view form) {
  if (FormRecord* record = findForm(form)) unloadForm(*record, true);
}

void EZ_DISPLAYLAYER(std::string_view form, int32_t layer, int32_t) {
  FormRecord* record = findForm(form);
  if (record == nullptr) return;
  record->shownLayer = layer;
  for (const auto& control : record->controls) {
    if (control->layer == 0 || !control->widget) continue;
    control->widget->setVisible(control->layer == layer);
  }
}

void EZ_RESIZEFORM(std::string_view form, double column, double row, double width, double height, int32_t) {
  FormRecord* record = findForm(form);
  if (record == nullptr || !record->window) return;
  placeWindow(*record, column, row, width, height);
  keepOnScreen(*record);
}

void EZ_GETPOS(std::string_view form, int32_t id, double& column, double& row, double& width,
               double& height) {
  column = row = width = height = 0;
  FormRecord* record = findForm(form);
  if (record == nullptr || !record->window) return;
  QRect area;
  if (id == 0) {
    area = record->window->geometry();
  } else if (ControlRecord* control = record->control(id); control != nullptr && control->widget) {
    area = control->widget->geometry();
  } else {
    return;
  }
  column = columnsFromPixels(area.x());
  row = rowsFromPixels(area.y());
  width = columnsFromPixels(area.width());
  height = rowsFromPixels(area.height());
}

intptr_t EZ_HANDLE(std::string_view form, int32_t id) {
  return reinterpret_cast<intptr_t>(controlWidget(form, id));
}

void SetForegroundWindow(intptr_t handle) {
  for (const auto& form : toolkit().forms) {
    if (!form->alive || !form->window) continue;
    if (reinterpret_cast<intptr_t>(form->window.data()) == handle) {
      form->window->raise();
      form->window->activateWindow();
      return;
    }
  }
}

}  // namespace ui::toolkit
