#include "app/MessageMapping.h"

#include <QString>

#include "app/platform/Platform.h"

namespace zodiora {

void ShowUserMessage(Platform& platform, QWidget* parent, const UserMessage& message)
{
    platform.showMessage(parent, QString::fromStdString(message.text),
                         message.icon == MessageIcon::Error ? Platform::Icon::Error : Platform::Icon::Information);
}

}  // namespace zodiora
