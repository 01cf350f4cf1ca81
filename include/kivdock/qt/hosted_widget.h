// A host's QWidget as the control a bar carries.
#pragma once

#include <QWidget>
#include <memory>

#include "kivdock/hosted_control.h"
#include "kivdock/qt/export.h"

namespace kiv::qt {

// The dock moves, sizes and shows the widget in twips (15 per pixel); Name is its objectName and
// its alignment is 0. The widget stays the host's: deleted while hosted, it just stops answering.
KIVDOCK_QT_EXPORT std::shared_ptr<kiv::HostedControl> hostWidget(QWidget* widget);

// The handle the platform's window functions know a widget by (registering it on first use), and
// the widget of a handle (nullptr when there is none or it was deleted).
KIVDOCK_QT_EXPORT kiv::Hwnd windowHandle(QWidget* widget);
KIVDOCK_QT_EXPORT QWidget* widgetOf(kiv::Hwnd window);

}  // namespace kiv::qt
