#pragma once

#include <QString>
#include <string_view>

namespace zodiora {

/// A UTF-8 text of the Qt-free libraries as a QString.
inline QString ToQString(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

/// A QString for the Qt-free libraries, in UTF-8.
inline std::string ToUtf8(const QString& text)
{
    return text.toStdString();
}

}  // namespace zodiora
