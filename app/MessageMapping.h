#pragma once

#include "birthdata/UserMessage.h"

class QWidget;

namespace zodiora {

class Platform;

/// Shows a birth-data message through the platform layer with its icon.
void ShowUserMessage(Platform& platform, QWidget* parent, const UserMessage& message);

}  // namespace zodiora
