#pragma once
// The report as a tree for a QTreeView: one row per group with its sessions below it. Sorting
// orders the groups, and the sessions within each group, by the clicked column.

#include "reporter/Report.h"

#include <QAbstractItemModel>

#include <vector>

namespace velkor {

class ReportTreeModel : public QAbstractItemModel
{
    Q_OBJECT
public:
    enum Column
    {
        kGroupColumn,
        kProjectColumn,
        kSessionsColumn,
        kTimeColumn,
        kRateColumn,
        kAmountColumn,
        kMemoColumn,
        kEnvironmentColumn,
        kColumnCount
    };

    explicit ReportTreeModel(QObject* parent = nullptr);

    /// Shows report; report, log and context must outlive the model or the next call.
    void set_report(const Report* report, const LogEntries* log, const ReportContext& context, int order);

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    /// The report's groups, each with its sessions, in the order shown.
    Report shown_report() const;

private:
    struct Row
    {
        std::size_t group;
        std::vector<std::uint32_t> sessions; // entry indices, in shown order
    };

    QVariant group_data(const Row& row, int column, int role) const;
    QVariant session_data(std::uint32_t entry, int column, int role) const;
    QVariant group_sort_key(const Row& row, int column) const;
    QVariant session_sort_key(std::uint32_t entry, int column) const;

    const Report* my_report = nullptr;
    const LogEntries* my_log = nullptr;
    ReportContext my_context;
    int my_order = 0;
    std::vector<Row> my_rows;
};

} // namespace velkor
