#pragma once

#include <QWidget>
#include <array>

namespace zodiora {

/// One bar per planet (Sun .. Saturn): its Shadbala in rupas, with a mark
/// at the minimum it should reach; a bar short of its mark is drawn hatched.
class ShadbalaBars : public QWidget {
    Q_OBJECT
public:
    explicit ShadbalaBars(QWidget* parent = nullptr);

    /// Rupas and the minimum of each planet, weekday order; no bars when empty.
    void setStrengths(const std::array<double, 7>& rupas, const std::array<double, 7>& required);
    void clear();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::array<double, 7> rupas_{};
    std::array<double, 7> required_{};
    bool shown_ = false;
};

}  // namespace zodiora
