#include "ui/preview_table_model.h"

#include <QFile>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QToolTip>
#include <algorithm>

#include "ui/file_icon.h"
#include "ui/mark_texts.h"
#include "ui/symbol_icons.h"
#include "ui/visible_controls.h"
#include "ui/wrapped_lines.h"

namespace vellumix::ui {

namespace {

// File names are bytes; they are shown decoded the way the system decodes paths.
QString displayName(const std::string& name) {
    return QFile::decodeName(name.c_str());
}

// Control Pictures where the interface's fonts draw them; a bare system's
// DejaVu Sans does not, and would draw every one as the same box.
ControlSymbols controlSymbols() {
    const QFontMetrics metrics(QGuiApplication::font());
    return metrics.inFontUcs4(0x2400) && metrics.inFontUcs4(0x2421) ? ControlSymbols::pictures
                                                                    : ControlSymbols::escapes;
}

// A name in a cell: decoded, with its control characters made visible. (Its
// tooltip shows it exactly as it is.)
QString cellName(const std::string& name) {
    return withVisibleControls(displayName(name), controlSymbols());
}

// Tooltips show plain text on one line however long it is, and take text that
// looks like markup ("<b>.txt") for markup. So a name (or path) is given as
// rich text, escaped, in lines of at most this many average characters, broken
// between words where it can be and anywhere else where it must.
constexpr int kToolTipLineChars = 60;

// Each paragraph wrapped on its own, one under the other.
QString wrappedToolTip(const QStringList& paragraphs) {
    const QFont font = QToolTip::font();
    const qreal width = kToolTipLineChars * QFontMetricsF(font).averageCharWidth();
    QStringList lines;
    for (const QString& text : paragraphs) {
        forEachWrappedLine(text, font, width, [&text, &lines](const QTextLine& line) {
            lines << text.mid(line.textStart(), line.textLength()).toHtmlEscaped();
        });
    }
    // Rich text, whose lines break where these say and nowhere else.
    return QStringLiteral("<p style=\"white-space:pre\">") + lines.join(QStringLiteral("<br>")) +
           QStringLiteral("</p>");
}

QString wrappedToolTip(const QString& text) {
    return wrappedToolTip(QStringList{text});
}

bool sameIds(const std::vector<FileItem>& a, const std::vector<FileItem>& b, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        if (!(a[i].id == b[i].id)) return false;
    }
    return true;
}

}  // namespace

PreviewTableModel::PreviewTableModel(QObject* parent)
    : QAbstractTableModel(parent),
      items_(std::make_shared<const std::vector<FileItem>>()),
      marks_(std::make_shared<const PreviewMarks>()) {}

void PreviewTableModel::setMarks(std::shared_ptr<const PreviewMarks> marks) {
    marks_ = marks ? std::move(marks) : std::make_shared<const PreviewMarks>();
    if (!items_->empty())
        emit dataChanged(index(0, newNameColumn), index(rowCount() - 1, statusColumn));
}

void PreviewTableModel::setMarkColors(const QColor& error, const QColor& warning) {
    if (error == error_ && warning == warning_) return;
    error_ = error;
    warning_ = warning;
    if (!items_->empty()) {
        emit dataChanged(index(0, newNameColumn), index(rowCount() - 1, newNameColumn),
                         {Qt::ForegroundRole});
    }
}

PreviewMarks::Mark PreviewTableModel::markAt(int row) const {
    // Marks of another list (a preview shown before its marks) count for none.
    if (marks_->rows.size() != items_->size() || row < 0) return PreviewMarks::Mark::none;
    return marks_->at(static_cast<std::size_t>(row));
}

QString PreviewTableModel::reasonAt(int row) const {
    if (markAt(row) == PreviewMarks::Mark::none) return {};
    const auto position = static_cast<std::size_t>(row);
    return MarkTexts::reason(*marks_, (*items_)[position], position);
}

void PreviewTableModel::setItems(std::shared_ptr<const std::vector<FileItem>> items) {
    if (!items) items = std::make_shared<const std::vector<FileItem>>();
    const std::vector<FileItem>& before = *items_;
    const std::vector<FileItem>& after = *items;
    const std::size_t kept = std::min(before.size(), after.size());

    if (after.size() >= before.size() && sameIds(before, after, kept)) {
        if (after.size() > before.size()) {
            beginInsertRows(QModelIndex(), static_cast<int>(before.size()),
                            static_cast<int>(after.size()) - 1);
            items_ = std::move(items);
            endInsertRows();
        } else {
            items_ = std::move(items);
        }
        if (kept > 0) {
            emit dataChanged(index(0, newNameColumn),
                             index(static_cast<int>(kept) - 1, statusColumn));
        }
        return;
    }
    beginResetModel();
    items_ = std::move(items);
    endResetModel();
}

void PreviewTableModel::setTextColors(const QColor& primary, const QColor& secondary) {
    if (primary == primary_ && secondary == secondary_) return;
    primary_ = primary;
    secondary_ = secondary;
    if (!items_->empty()) {
        emit dataChanged(index(0, newNameColumn), index(rowCount() - 1, newNameColumn),
                         {Qt::ForegroundRole});
    }
}

int PreviewTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(items_->size());
}

int PreviewTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : columnTotal;
}

QVariant PreviewTableModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
        return {};
    }
    const FileItem& item = (*items_)[static_cast<std::size_t>(index.row())];
    const bool changed = item.status == FileItem::Status::changed;
    const PreviewMarks::Mark mark = markAt(index.row());

    switch (role) {
        case StatusRole:
            return static_cast<int>(item.status);
        case MarkRole:
            return static_cast<int>(mark);
        case Qt::DisplayRole:
            switch (index.column()) {
                case originalNameColumn:
                    return cellName(item.currentName());
                case newNameColumn:
                    return item.newName.empty() ? QStringLiteral("\u2014") : cellName(item.newName);
                case statusColumn:
                    return mark == PreviewMarks::Mark::none ? statusText(item.status)
                                                            : MarkTexts::badge(mark);
            }
            break;
        case Qt::AccessibleTextRole:
            // What a screen reader says for each cell: the names as shown, "no
            // new name" rather than the dash, and the status although a badge
            // draws it.
            switch (index.column()) {
                case originalNameColumn:
                    return cellName(item.currentName());
                case newNameColumn:
                    return item.newName.empty() ? tr("no new name") : cellName(item.newName);
                case statusColumn:
                    if (mark != PreviewMarks::Mark::none)
                        return MarkTexts::badge(mark) + QStringLiteral(": ") + reasonAt(index.row());
                    return item.status == FileItem::Status::pending ? tr("not previewed")
                                                                    : statusText(item.status);
            }
            break;
        case Qt::ToolTipRole:
            switch (index.column()) {
                case originalNameColumn:
                    return wrappedToolTip(displayName(item.url.path()));
                case newNameColumn: {
                    // The name in full, then why the row is marked.
                    QStringList paragraphs;
                    if (!item.newName.empty()) paragraphs << displayName(item.newName);
                    if (mark != PreviewMarks::Mark::none)
                        paragraphs << reasonAt(index.row()).split(QLatin1Char('\n'));
                    return paragraphs.isEmpty() ? QVariant() : wrappedToolTip(paragraphs);
                }
                case statusColumn:
                    if (mark == PreviewMarks::Mark::none) break;
                    return wrappedToolTip(reasonAt(index.row()).split(QLatin1Char('\n')));
            }
            break;
        case Qt::DecorationRole:
            if (index.column() == originalNameColumn) return symbolIcon(fileIcon(item.url));
            break;
        case Qt::ForegroundRole:
            if (index.column() == newNameColumn) {
                const QColor& color = PreviewMarks::isError(mark)            ? error_
                                      : mark == PreviewMarks::Mark::warning ? warning_
                                      : changed                             ? primary_
                                                                            : secondary_;
                if (color.isValid()) return color;
            }
            break;
        case Qt::TextAlignmentRole:
            if (index.column() == statusColumn) return int(Qt::AlignCenter);
            return int(Qt::AlignLeft | Qt::AlignVCenter);
    }
    return {};
}

QVariant PreviewTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) return {};
    if (role == Qt::DisplayRole) {
        switch (section) {
            case originalNameColumn:
                return tr("Original Name");
            case newNameColumn:
                return tr("New Name");
            case statusColumn:
                return tr("Status");
        }
    } else if (role == Qt::TextAlignmentRole) {
        return int(section == statusColumn ? Qt::AlignCenter : (Qt::AlignLeft | Qt::AlignVCenter));
    }
    return {};
}

QString PreviewTableModel::statusText(FileItem::Status status) {
    switch (status) {
        case FileItem::Status::pending:
            return {};
        case FileItem::Status::changed:
            return tr("Renamed");
        case FileItem::Status::unchanged:
            return tr("Same");
        case FileItem::Status::error:
            return tr("Error");
    }
    return {};
}

Qt::ItemFlags PreviewTableModel::flags(const QModelIndex& index) const {
    const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    return index.isValid() ? flags | Qt::ItemIsDragEnabled : flags;
}

QStringList PreviewTableModel::mimeTypes() const {
    return {QLatin1String(DraggedRows::kFormat)};
}

QMimeData* PreviewTableModel::mimeData(const QModelIndexList& indexes) const {
    std::vector<int> rows;
    for (const QModelIndex& index : indexes) {
        if (index.isValid() && static_cast<std::size_t>(index.row()) < items_->size())
            rows.push_back(index.row());
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    std::vector<Uuid> ids;
    for (const int row : rows)
        ids.push_back((*items_)[static_cast<std::size_t>(row)].id);
    return new DraggedRows(std::move(ids));
}

}  // namespace vellumix::ui
