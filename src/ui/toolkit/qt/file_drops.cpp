#include "ui/toolkit/file_drops.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QObject>
#include <QUrl>

#include "ui/toolkit/qt/native.h"
#include "ui/toolkit/state.h"

namespace ui::toolkit {

namespace {

constexpr const char* kFilterName = "fileDrops";

std::vector<std::string> localFiles(const QMimeData* data) {
  std::vector<std::string> paths;
  if (data == nullptr || !data->hasUrls()) return paths;
  for (const QUrl& url : data->urls()) {
    if (url.isLocalFile()) paths.push_back(QFile::encodeName(url.toLocalFile()).toStdString());
  }
  return paths;
}

// Lives as a child of the form's window and hands its drops to the handler.
class DropFilter : public QObject {
 public:
  DropFilter(QWidget* window, FileDropHandler handler) : QObject(window), handler_(std::move(handler)) {}

  void setHandler(FileDropHandler handler) { handler_ = std::move(handler); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
      auto* drag = static_cast<QDragMoveEvent*>(event);
      if (handler_ && !localFiles(drag->mimeData()).empty()) {
        drag->acceptProposedAction();
        return true;
      }
      return false;
    }
    if (event->type() != QEvent::Drop || !handler_) return QObject::eventFilter(watched, event);
    auto* drop = static_cast<QDropEvent*>(event);
    const std::vector<std::string> paths = localFiles(drop->mimeData());
    if (paths.empty()) return false;
    drop->acceptProposedAction();
    auto* window = static_cast<QWidget*>(watched);
    int32_t id = 0;
    const auto* form = dynamic_cast<const FormWindow*>(window);
    for (QWidget* under = window->childAt(drop->position().toPoint()); under != nullptr && form != nullptr;
         under = under->parentWidget()) {
      if (FormRecord* record = findForm(form->serial())) {
        if (ControlRecord* control = controlOf(*record, under)) {
          id = control->id;
          break;
        }
      }
    }
    // The handler may open boxes; the drag source must not wait for them.
    const FileDropHandler handler = handler_;
    QMetaObject::invokeMethod(
        this, [handler, paths, id] { handler(paths, id); }, Qt::QueuedConnection);
    return true;
  }

 private:
  FileDropHandler handler_;
};

}  // namespace

void setFileDropHandler(std::string_view form, FileDropHandler handler) {
  FormRecord* record = findForm(form);
  if (record == nullptr || windowOf(*record) == nullptr) return;
  QWidget* window = windowOf(*record);
  auto* filter = static_cast<DropFilter*>(
      window->findChild<QObject*>(QString::fromLatin1(kFilterName), Qt::FindDirectChildrenOnly));
  if (filter == nullptr) {
    filter = new DropFilter(window, nullptr);
    filter->setObjectName(QString::fromLatin1(kFilterName));
    window->installEventFilter(filter);
  }
  window->setAcceptDrops(static_cast<bool>(handler));
  filter->setHandler(std::move(handler));
}

}  // namespace ui::toolkit
