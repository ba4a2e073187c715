#pragma once

#include <QProxyStyle>

namespace zodiora {

/// The desktop's style (or the one chosen with -style), except that the
/// tool-bar extension arrows are read from their image files only when
/// first drawn. A menu bar asks for its arrow when it is built, and reading
/// that one file makes Qt load every image-format plugin before the first
/// window shows, for an arrow seen only when the menus overflow.
class OnDemandIconStyle : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

}  // namespace zodiora
