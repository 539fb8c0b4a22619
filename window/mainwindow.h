#pragma once

// The Qt adapter: builds every control from the layout table and forwards the
// notifications to the handlers, which work through a widget-backed view: the
// three buttons' clicks, the changes of the draw boxes and of the two-line
// text, and a text pasted or dropped into a draw box.

#include "window/colours.h"
#include "window/handlers.h"
#include "window/layout.h"
#include "window/widgetview.h"

#include <QWidget>

namespace window {

class MainWindow : public QWidget {
  public:
    explicit MainWindow(ColourScheme colours = ColourScheme::Desktop, QWidget *parent = nullptr);

    QWidget *control(ControlId id) const { return m_view.widget(id); }

  private:
    void connectHandlers();
    void connectDrawBoxes();

    WidgetView m_view;
    Handlers m_handlers{m_view};
};

} // namespace window
