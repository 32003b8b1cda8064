#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QString>
#include <QVector>
#include <array>

namespace corvane {

class TResultList;

// The result rows of the search as a table: 14 columns, one row per result. The texts are
// taken from the result list when it changes (Reset), so painting never formats or converts.
// The two header rows of each column are one header text with a line break.
class TResultModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // Chart mark of a row (0 none, 1..10 position in the curve selection), in column 0.
    static constexpr int ChartMarkRole = Qt::UserRole + 1;
    // Remark marker of a row ("*1".."*4" or empty), in column 13.
    static constexpr int RemarkRole = Qt::UserRole + 2;
    static constexpr int kRemarkColumn = 13;

    explicit TResultModel(const TResultList& results, QObject* parent = nullptr);

    // Takes rows, texts and headers from the result list again.
    void Reset();
    // Takes the chart marks again (after a mark was toggled); rows stay the same.
    void MarksChanged();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // Cell colour of a remark marker: yellow for "*1"/"*2", aqua for "*3"/"*4".
    static QColor RemarkColour(const QString& marker);

private:
    struct Row {
        std::array<QString, 14> Cells;
        int ChartMark = 0;
    };
    void TakeRows();
    void TakeHeaders();

    const TResultList& results_;
    QVector<Row> rows_;
    std::array<QString, 14> headers_;
};

} // namespace corvane
