#pragma once

// A command that walks the focus along several controls (Clear, a pasted
// draw) tells a screen reader only where the focus ends.

namespace window {

// While one exists, focus moves are not announced to assistive technology;
// when the outermost one ends, the control that has the focus then is
// announced, once, if the focus moved meanwhile. Everything else a screen
// reader is told goes through as it comes.
class OneFocusAnnouncement {
  public:
    OneFocusAnnouncement();
    ~OneFocusAnnouncement();
    OneFocusAnnouncement(const OneFocusAnnouncement &) = delete;
    OneFocusAnnouncement &operator=(const OneFocusAnnouncement &) = delete;
};

} // namespace window
