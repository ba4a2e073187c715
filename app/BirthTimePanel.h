#pragma once

#include <QWidget>
#include <string_view>
#include <vector>

#include "birthdata/BirthData.h"
#include "margins/Margins.h"

class QLabel;
class QSpinBox;
class QTableWidget;

namespace zodiora {

struct ChartResult;

/// The Summary tab's "Birth time" panel: how well the birth time is known
/// (± minutes) and, for each fact of the chart, the clock times between
/// which it holds; facts that change within the stated uncertainty are
/// highlighted and named above the table. Below it, the classic method's
/// near-edge warnings and the retrograde periods around the birth.
class BirthTimePanel : public QWidget {
    Q_OBJECT
public:
    explicit BirthTimePanel(QWidget* parent = nullptr);

    /// Works out the margins of one chart and shows them.
    void showChart(const ChartResult& result);

    int uncertaintyMinutes() const;
    void setUncertaintyMinutes(int minutes);

    /// The sentences naming the narrow facts, as shown above the table.
    QStringList narrowFacts() const;

    /// Whether the fact of this key ("lagnaSign") is narrower than the
    /// stated uncertainty.
    bool isNarrow(std::string_view key) const;

    /// The narrow facts for the top of the report: a heading line and one
    /// sentence a line, or empty when none is narrow.
    QString reportNote() const;

    /// The narrow facts for the chart page in one short paragraph, or empty.
    QString pageNote() const;

signals:
    void uncertaintyChanged(int minutes);

private slots:
    /// Marks the facts that change within `minutes` of the birth.
    void markNarrowFacts(int minutes);

private:
    QSpinBox* uncertainty_;
    QLabel* narrowLabel_;
    QTableWidget* table_;
    QLabel* notesLabel_;
    BirthData birth_;
    std::vector<margins::FactMargin> margins_;
};

/// A fact's name for people: "Lagna sign", "D10 Lagna".
QString FactTitle(const margins::MarginFact& fact);

/// "Navamsa Lagna changes 3 min earlier: Libra before 09:57:12"; empty when
/// the fact has no edge.
QString NarrowFactSentence(const BirthData& birth, const margins::FactMargin& margin);

}  // namespace zodiora
