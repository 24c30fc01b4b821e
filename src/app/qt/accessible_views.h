#pragma once

// How assistive technology sees the window where Qt's own view of a widget
// says something untrue: Qt 6.4 presents a plain top-level widget as a
// filler rather than a frame, and every line edit as editable, a read-only
// one too. Every other control keeps Qt's view.

namespace velmora {

// Once, before the first widget is asked for its view.
void InstallAccessibleViews();

}  // namespace velmora
