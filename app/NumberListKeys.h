#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>

class QComboBox;

namespace zodiora {

/// Typing into a closed list of numbers (day, year, hour, minute, second):
/// digits typed in quick succession make one number, and the row showing
/// exactly that number is chosen, else the first that starts with it. The
/// list's own search would go on to the next row starting alike, so "1"
/// in an hour list showing 12 chose 13.
class NumberListKeys : public QObject {
    Q_OBJECT
public:
    explicit NumberListKeys(QObject* parent = nullptr);

    /// Watches `list`'s key presses.
    void watch(QComboBox* list);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QComboBox* typedInto_ = nullptr;
    QString typed_;
    QElapsedTimer sinceLastKey_;
};

/// The row of `list` for the digits `typed`: the one whose text is exactly
/// them, else the first that starts with them; -1 for none.
int NumberRowFor(const QComboBox& list, const QString& typed);

}  // namespace zodiora
