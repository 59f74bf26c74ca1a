#include "reporter/qt/ReportTreeModel.h"

#include "core/TimeValues.h"
#include "reporter/ReportText.h"

#include <QString>

#include <algorithm>
#include <cstdio>

namespace velkor {

namespace {

// Child rows carry their group's position + 1 as internal id; group rows carry 0.
constexpr quintptr kGroupRow = 0;

QString text(std::string_view bytes)
{
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

QString time_of(TimeStamp t)
{
    const LocalTimeFields local = ToLocal(t);
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d", local.hour, local.minute, local.second);
    return QString::fromLatin1(buffer);
}

QString environment_text(std::string_view values)
{
    QString shown = text(values);
    shown.replace(QLatin1Char('\t'), QStringLiteral(" | "));
    return shown;
}

bool is_number_column(int column)
{
    return column >= ReportTreeModel::kSessionsColumn && column <= ReportTreeModel::kAmountColumn;
}

// Orders items by their keys, each key computed once, keeping the old order among equals.
template <typename T, typename Key> void sort_by(std::vector<T>& items, Key key, Qt::SortOrder order)
{
    std::vector<QVariant> keys;
    keys.reserve(items.size());
    for (const T& item : items)
        keys.push_back(key(item));
    std::vector<std::size_t> positions(items.size());
    for (std::size_t i = 0; i < positions.size(); ++i)
        positions[i] = i;
    const auto wanted = order == Qt::AscendingOrder ? QPartialOrdering::Less : QPartialOrdering::Greater;
    std::stable_sort(positions.begin(), positions.end(),
                     [&](std::size_t a, std::size_t b) { return QVariant::compare(keys[a], keys[b]) == wanted; });
    std::vector<T> sorted;
    sorted.reserve(items.size());
    for (std::size_t i : positions)
        sorted.push_back(std::move(items[i]));
    items = std::move(sorted);
}

} // namespace

ReportTreeModel::ReportTreeModel(QObject* parent) : QAbstractItemModel(parent) {}

void ReportTreeModel::set_report(const Report* report, const LogEntries* log, const ReportContext& context, int order)
{
    beginResetModel();
    my_report = report;
    my_log = log;
    my_context = context;
    my_order = order;
    my_rows.clear();
    if (report) {
        for (std::size_t g = 0; g < report->groups.size(); ++g)
            my_rows.push_back({g, report->groups[g].entries});
    }
    endResetModel();
}

QModelIndex ReportTreeModel::index(int row, int column, const QModelIndex& parent) const
{
    if (row < 0 || column < 0 || column >= kColumnCount)
        return {};
    if (!parent.isValid())
        return static_cast<std::size_t>(row) < my_rows.size() ? createIndex(row, column, kGroupRow) : QModelIndex();
    if (parent.internalId() != kGroupRow)
        return {};
    const Row& group = my_rows[static_cast<std::size_t>(parent.row())];
    if (static_cast<std::size_t>(row) >= group.sessions.size())
        return {};
    return createIndex(row, column, static_cast<quintptr>(parent.row()) + 1);
}

QModelIndex ReportTreeModel::parent(const QModelIndex& child) const
{
    if (!child.isValid() || child.internalId() == kGroupRow)
        return {};
    return createIndex(static_cast<int>(child.internalId() - 1), 0, kGroupRow);
}

int ReportTreeModel::rowCount(const QModelIndex& parent) const
{
    if (!parent.isValid())
        return static_cast<int>(my_rows.size());
    if (parent.internalId() != kGroupRow || parent.column() != 0)
        return 0;
    return static_cast<int>(my_rows[static_cast<std::size_t>(parent.row())].sessions.size());
}

int ReportTreeModel::columnCount(const QModelIndex&) const
{
    return kColumnCount;
}

QVariant ReportTreeModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !my_report)
        return {};
    if (role == Qt::TextAlignmentRole && is_number_column(index.column()))
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignTop);
    if (index.internalId() == kGroupRow)
        return group_data(my_rows[static_cast<std::size_t>(index.row())], index.column(), role);
    const Row& group = my_rows[index.internalId() - 1];
    return session_data(group.sessions[static_cast<std::size_t>(index.row())], index.column(), role);
}

QVariant ReportTreeModel::group_data(const Row& row, int column, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    const ReportGroup& group = my_report->groups[row.group];
    switch (column) {
    case kGroupColumn:
        return text(group_label(*my_report, group, *my_log, my_order));
    case kSessionsColumn:
        return QString::number(group.sessions);
    case kTimeColumn:
        return QString::fromStdString(FormatDuration(static_cast<long>(group.seconds)));
    case kRateColumn:
        return group.rate >= 0 ? QString::fromStdString(rate_cell(group)) : tr("mixed");
    case kAmountColumn:
        return QString::fromStdString(format_hundredths(group.amount));
    default:
        return {};
    }
}

QVariant ReportTreeModel::session_data(std::uint32_t index, int column, int role) const
{
    const LogEntry& entry = my_log->entries()[index];
    if (role == Qt::ToolTipRole && column == kRateColumn && entry.rate < 0)
        return tr("This session holds no rate of its own and is billed at today's rate.");
    if (role == Qt::ToolTipRole && column == kMemoColumn)
        return text(memo_text(my_log->memo(entry)));
    if (role != Qt::DisplayRole)
        return {};
    const std::int32_t rate = billed_rate(entry, *my_log, my_context);
    switch (column) {
    case kGroupColumn:
        return QString::fromStdString(format_day(entry.day, my_order)) + QLatin1Char(' ') + time_of(entry.ci) +
               QStringLiteral(" - ") + time_of(entry.co);
    case kProjectColumn:
        return text(my_log->name_of(entry).category) + QStringLiteral(" / ") + text(my_log->name_of(entry).project);
    case kTimeColumn:
        return QString::fromStdString(FormatDuration(static_cast<long>(entry.seconds)));
    case kRateColumn:
        return QString::fromStdString(format_hundredths(rate)) + (entry.rate < 0 ? QStringLiteral("*") : QString());
    case kAmountColumn:
        return QString::fromStdString(format_hundredths(session_amount(entry.seconds, rate)));
    case kMemoColumn:
        return text(memo_text(my_log->memo(entry)));
    case kEnvironmentColumn:
        return environment_text(my_log->environment(entry));
    default:
        return {};
    }
}

QVariant ReportTreeModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case kGroupColumn:
        return my_report ? QString::fromStdString(group_columns(my_report->by).back()) : tr("Group");
    case kProjectColumn:
        return tr("Category / project");
    case kSessionsColumn:
        return tr("Sessions");
    case kTimeColumn:
        return tr("Time");
    case kRateColumn:
        return tr("Rate");
    case kAmountColumn:
        return tr("Amount");
    case kMemoColumn:
        return tr("Memo");
    case kEnvironmentColumn:
        return tr("Environment");
    default:
        return {};
    }
}

QVariant ReportTreeModel::group_sort_key(const Row& row, int column) const
{
    const ReportGroup& group = my_report->groups[row.group];
    switch (column) {
    case kGroupColumn:
        // Dates sort in time, names as shown; the report's own order is the tie-breaker.
        return my_report->by == GroupBy::Category || my_report->by == GroupBy::Project
                   ? QVariant(text(group_label(*my_report, group, *my_log, my_order)).toCaseFolded())
                   : QVariant(static_cast<qlonglong>(group.key));
    case kSessionsColumn:
        return static_cast<qulonglong>(group.sessions);
    case kTimeColumn:
        return static_cast<qlonglong>(group.seconds);
    case kRateColumn:
        return static_cast<qlonglong>(group.rate);
    case kAmountColumn:
        return static_cast<qlonglong>(group.amount);
    default:
        return static_cast<qulonglong>(row.group);
    }
}

QVariant ReportTreeModel::session_sort_key(std::uint32_t index, int column) const
{
    const LogEntry& entry = my_log->entries()[index];
    switch (column) {
    case kProjectColumn:
        return session_data(index, column, Qt::DisplayRole).toString().toCaseFolded();
    case kTimeColumn:
        return static_cast<qlonglong>(entry.seconds);
    case kRateColumn:
        return static_cast<qlonglong>(billed_rate(entry, *my_log, my_context));
    case kAmountColumn:
        return static_cast<qlonglong>(session_amount(entry.seconds, billed_rate(entry, *my_log, my_context)));
    case kMemoColumn:
    case kEnvironmentColumn:
        return session_data(index, column, Qt::DisplayRole).toString().toCaseFolded();
    default:
        return static_cast<qlonglong>(entry.ci);
    }
}

Report ReportTreeModel::shown_report() const
{
    if (!my_report)
        return {};
    Report shown = *my_report;
    shown.groups.clear();
    for (const Row& row : my_rows) {
        shown.groups.push_back(my_report->groups[row.group]);
        shown.groups.back().entries = row.sessions;
    }
    return shown;
}

void ReportTreeModel::sort(int column, Qt::SortOrder order)
{
    if (!my_report)
        return;
    emit layoutAboutToBeChanged();
    const std::vector<Row> before = my_rows;
    sort_by(
        my_rows, [&](const Row& row) { return group_sort_key(row, column); }, order);
    for (Row& row : my_rows)
        sort_by(
            row.sessions, [&](std::uint32_t entry) { return session_sort_key(entry, column); }, order);

    // Expanded groups and the selection follow their rows.
    std::vector<int> new_row_of_group(my_report->groups.size());
    for (std::size_t r = 0; r < my_rows.size(); ++r)
        new_row_of_group[my_rows[r].group] = static_cast<int>(r);
    for (const QModelIndex& old : persistentIndexList()) {
        if (old.internalId() == kGroupRow) {
            const int row = new_row_of_group[before[static_cast<std::size_t>(old.row())].group];
            changePersistentIndex(old, createIndex(row, old.column(), kGroupRow));
            continue;
        }
        const Row& old_group = before[old.internalId() - 1];
        const int parent_row = new_row_of_group[old_group.group];
        const auto& sessions = my_rows[static_cast<std::size_t>(parent_row)].sessions;
        const std::uint32_t entry = old_group.sessions[static_cast<std::size_t>(old.row())];
        const auto row = std::find(sessions.begin(), sessions.end(), entry) - sessions.begin();
        changePersistentIndex(old,
                              createIndex(static_cast<int>(row), old.column(), static_cast<quintptr>(parent_row) + 1));
    }
    emit layoutChanged();
}

} // namespace velkor
