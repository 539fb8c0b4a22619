#pragma once

// The Qt adapter: builds every control from the layout table, implements the
// view for the handlers and forwards the six notifications to them.

#include "window/handlers.h"
#include "window/layout.h"

#include <QWidget>

#include <array>

namespace window {

class MainWindow : public QWidget, private View {
public:
    explicit MainWindow(QWidget *parent = nullptr);

    // cppcheck-suppress CastIntegerToAddressAtReturn ; the array holds pointers
    QWidget *control(ControlId id) const { return m_controls[static_cast<std::size_t>(id)]; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void buildControls();
    void connectHandlers();

    // View
    std::u16string text(ControlId box) const override;
    void setText(ControlId box, std::u16string_view text) override;
    void setFocus(ControlId control) override;
    void showMessage(std::u16string_view message) override;
    void clearClipboard() override;
    void setClipboardText(std::u16string_view text) override;

    std::array<QWidget *, ControlCount> m_controls{};
    Handlers m_handlers{*this};
    bool m_iconSet = false;
};

} // namespace window
