#pragma once

// The Qt adapter: builds every control from the layout table and forwards the
// six notifications to the handlers, which work through a widget-backed view.

#include "window/handlers.h"
#include "window/layout.h"
#include "window/widgetview.h"

#include <QWidget>

namespace window {

class MainWindow : public QWidget {
  public:
    explicit MainWindow(QWidget *parent = nullptr);

    QWidget *control(ControlId id) const { return m_view.widget(id); }

  private:
    void connectHandlers();

    WidgetView m_view;
    Handlers m_handlers{m_view};
};

} // namespace window
