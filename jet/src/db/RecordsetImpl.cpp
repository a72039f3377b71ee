#include "db/DatabaseImpl.h"
#include "db/Query.h"
#include "index/IndexKey.h"
#include "table/RowCursor.h"
#include "table/Text.h"
#include "util/Numbers.h"

#include <jet/Recordset.h>

#include <cmath>
#include <map>
#include <unordered_map>

namespace jet {
namespace {

char16_t Fold(char16_t c)
{
    return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - 32) : c;
}

bool TextEqualsNoCase(const std::u16string& a, const std::u16string& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (Fold(a[i]) != Fold(b[i]))
            return false;
    }
    return true;
}

class RecordsetImpl final : public Recordset {
public:
    RecordsetImpl(DatabaseImpl& db, Table& table, CursorType cursor, LockType lock,
                  std::optional<QuerySource::Filter> filter, const ColumnDef* filterColumn)
        : m_db(db)
        , m_table(table)
        , m_cursor(cursor)
        , m_lock(lock)
        , m_filter(std::move(filter))
        , m_filterColumn(filterColumn)
    { }

    Status Start()
    {
        auto first = Seek(RowId{0, 0});
        if (!first.ok())
            return first.status();
        if (!*first) {
            m_state = State::kEmptyBoth;
            return Status::OK();
        }
        return Position(**first);
    }

    bool IsEOF() const override { return m_state == State::kEOF || m_state == State::kEmptyBoth; }
    bool IsBOF() const override { return m_state == State::kBOF || m_state == State::kEmptyBoth; }

    int64_t RecordCount() const override
    {
        if (!m_count) {
            auto counted = const_cast<RecordsetImpl*>(this)->Count();
            if (!counted.ok())
                return -1;
            m_count = *counted;
        }
        return *m_count;
    }

    Status MoveFirst() override
    {
        JET_RETURN_IF_ERROR(CheckUsable());
        JET_RETURN_IF_ERROR(Update());
        auto first = Seek(RowId{0, 0});
        if (!first.ok())
            return first.status();
        if (!*first) {
            m_state = State::kEmptyBoth;
            return Errors::NoCurrentRecord();
        }
        return Position(**first);
    }

    Status MoveLast() override
    {
        JET_RETURN_IF_ERROR(CheckUsable());
        JET_RETURN_IF_ERROR(Update());
        std::optional<RowId> before;
        for (;;) {
            auto prev = m_table.PrevRow(before);
            if (!prev.ok())
                return prev.status();
            if (!*prev) {
                m_state = State::kEmptyBoth;
                return Errors::NoCurrentRecord();
            }
            auto matches = Matches(**prev);
            if (!matches.ok())
                return matches.status();
            if (*matches)
                return Position(**prev);
            before = *prev;
        }
    }

    Status MoveNext() override
    {
        JET_RETURN_IF_ERROR(CheckUsable());
        JET_RETURN_IF_ERROR(Update());
        if (m_state != State::kRow)
            return Errors::NoCurrentRecord();
        auto next = Seek(RowCursor::After(m_current));
        if (!next.ok())
            return next.status();
        if (!*next) {
            m_state = State::kEOF;
            m_rowLoaded = false;
            return Status::OK();
        }
        return Position(**next);
    }

    Result<Value> Field(const std::string& name) const override
    {
        const ColumnDef* column = ColumnNamed(name);
        if (column == nullptr)
            return Errors::ItemNotFound();
        return ValueOf(*column);
    }

    int FieldCount() const override { return static_cast<int>(m_table.def().columns.size()); }

    std::string FieldName(int index) const override
    {
        if (index < 0 || index >= FieldCount())
            return {};
        return Utf16ToUtf8(m_table.def().columns[static_cast<size_t>(index)].name);
    }

    Result<Value> FieldAt(int index) const override
    {
        if (index < 0 || index >= FieldCount())
            return Errors::ItemNotFound();
        return ValueOf(m_table.def().columns[static_cast<size_t>(index)]);
    }

    Status FindFirst(const std::string& column, const std::u16string& text) override
    {
        JET_RETURN_IF_ERROR(CheckUsable());
        const ColumnDef* col = ColumnNamed(column);
        if (col == nullptr)
            return Errors::ItemNotFound();
        if (m_state != State::kRow)
            return Errors::NoCurrentRecord();
        std::optional<RowId> found;
        bool answered = false;
        if (!m_filter && (col->type == ColumnType::kText || col->type == ColumnType::kMemo)) {
            auto viaIndex = FindThroughIndex(*col, text, answered);
            if (!viaIndex.ok())
                return viaIndex.status();
            found = *viaIndex;
            if (found) {
                // The search has just loaded the row into m_scratch.
                std::swap(m_row, m_scratch);
                m_current = *found;
                m_rowLoaded = true;
                m_state = State::kRow;
                return Status::OK();
            }
        }
        if (!answered && !m_filter && col->type == ColumnType::kText) {
            auto viaHash = FindThroughHash(*col, text, answered);
            if (!viaHash.ok())
                return viaHash.status();
            found = *viaHash;
        }
        if (!answered) {
            auto scanned = FindByScan(*col, text, m_current);
            if (!scanned.ok())
                return scanned.status();
            found = *scanned;
        }
        if (!found) {
            m_state = State::kEOF;
            m_rowLoaded = false;
            return Status::OK();
        }
        return Position(*found);
    }

    Status AddNew() override
    {
        JET_RETURN_IF_ERROR(CheckWritable());
        JET_RETURN_IF_ERROR(Update());
        m_edit = Edit::kAdd;
        m_pending.clear();
        return Status::OK();
    }

    Status SetField(const std::string& name, const Value& value) override
    {
        JET_RETURN_IF_ERROR(CheckWritable());
        const ColumnDef* column = ColumnNamed(name);
        if (column == nullptr)
            return Errors::ItemNotFound();
        if (m_edit == Edit::kNone) {
            if (m_state != State::kRow)
                return Errors::NoCurrentRecord();
            m_edit = Edit::kChange;
            m_pending.clear();
        }
        if (m_edit == Edit::kChange && (column->IsAutoNumber() || (column->flags & 0x40) != 0))
            return Errors::FieldNotUpdatable("");
        auto coerced = CoerceValue(*column, value);
        if (!coerced.ok())
            return coerced.status();
        const size_t position = static_cast<size_t>(column - m_table.def().columns.data());
        for (auto& [p, v] : m_pending) {
            if (p == position) {
                v = std::move(coerced).value();
                return Status::OK();
            }
        }
        m_pending.emplace_back(position, std::move(coerced).value());
        return Status::OK();
    }

    Status Update() override
    {
        JET_RETURN_IF_ERROR(CheckUsable());
        if (m_edit == Edit::kNone)
            return Status::OK();
        JET_RETURN_IF_ERROR(CheckWritable());
        if (m_edit == Edit::kAdd) {
            Table::RowValues values(m_table.def().columns.size());
            for (const auto& [p, v] : m_pending)
                values[p] = v;
            auto id = m_table.InsertRow(std::move(values));
            if (!id.ok())
                return id.status();
            m_edit = Edit::kNone;
            m_pending.clear();
            if (m_count)
                *m_count += 1;
            if (m_findHash) {
                auto text = TextOf(*id, m_findHash->column);
                if (text) {
                    auto [it, inserted] = m_findHash->first.emplace(*text, *id);
                    if (!inserted && *id < it->second)
                        it->second = *id;
                } else {
                    m_findHash.reset();
                }
            }
            return Position(*id);
        }
        if (m_state != State::kRow)
            return Errors::NoCurrentRecord();
        for (const auto& [p, v] : m_pending) {
            if (m_findHash && m_table.def().columns[p].number == m_findHash->column)
                m_findHash.reset();
        }
        JET_RETURN_IF_ERROR(m_table.ReplaceRow(m_current, m_pending));
        m_edit = Edit::kNone;
        m_pending.clear();
        return Position(m_current);
    }

    void CancelUpdate() override
    {
        m_edit = Edit::kNone;
        m_pending.clear();
    }

    Status Close() override
    {
        if (m_closed)
            return m_db.ClosedError();
        m_closed = true;
        m_rowLoaded = false;
        return Status::OK();
    }

private:
    enum class State { kRow, kEOF, kBOF, kEmptyBoth };

    Status CheckUsable() const
    {
        if (m_closed || !m_db.IsOpen())
            return m_db.ClosedError();
        return Status::OK();
    }

    // The column a field name denotes, or nullptr. Callers name the same few
    // fields on every row, so each spelling is resolved once.
    const ColumnDef* ColumnNamed(const std::string& name) const
    {
        const auto& columns = m_table.def().columns;
        for (const auto& [spelling, position] : m_namedColumns) {
            if (spelling == name)
                return position < columns.size() ? &columns[position] : nullptr;
        }
        const ColumnDef* column = m_table.def().FindColumn(Utf8ToUtf16(name));
        if (m_namedColumns.size() < kNamedColumnLimit)
            m_namedColumns.emplace_back(
                name, column != nullptr ? static_cast<size_t>(column - columns.data()) : columns.size());
        return column;
    }

    Status CheckWritable() const
    {
        JET_RETURN_IF_ERROR(CheckUsable());
        if (m_lock == LockType::kReadOnly)
            return Errors::RecordsetReadOnly();
        if (m_db.pager().IsReadOnly())
            return Errors::ReadOnly();
        return Status::OK();
    }

    // Text of column `number` in row `id`, nullopt when it is not text.
    std::optional<std::u16string> TextOf(RowId id, uint16_t number)
    {
        const ColumnDef* column = m_table.def().ColumnByNumber(number);
        if (column == nullptr || !m_table.LoadRow(id, m_scratch).ok())
            return std::nullopt;
        auto value = m_table.ReadField(m_scratch, *column);
        if (!value.ok() || !value->IsText())
            return std::nullopt;
        return value->As<std::u16string>();
    }

    Status Position(RowId id)
    {
        // Loaded aside first: a row that fails to load must leave the current
        // row, whose layout views its bytes, intact.
        JET_RETURN_IF_ERROR(m_table.LoadRow(id, m_scratch));
        std::swap(m_row, m_scratch);
        m_current = id;
        m_rowLoaded = true;
        m_state = State::kRow;
        return Status::OK();
    }

    Result<Value> ValueOf(const ColumnDef& column) const
    {
        if (m_closed || !m_db.IsOpen())
            return m_db.ClosedError();
        if (m_edit != Edit::kNone) {
            const size_t position = static_cast<size_t>(&column - m_table.def().columns.data());
            for (const auto& [p, v] : m_pending) {
                if (p == position)
                    return v;
            }
            if (m_edit == Edit::kAdd)
                return column.type == ColumnType::kBoolean ? Value(false) : Value();
        }
        if (m_state != State::kRow || !m_rowLoaded)
            return Errors::NoCurrentRecord();
        return m_table.ReadField(m_row, column);
    }

    // A cursor that loads rows when the filter has to read them.
    RowCursorOptions ScanOptions() const { return RowCursorOptions{.loadRows = m_filter.has_value()}; }

    // The first row at or after `from` that passes the filter.
    Result<std::optional<RowId>> Seek(RowId from)
    {
        RowCursor cursor(m_table, ScanOptions());
        for (cursor.Seek(from); cursor.Valid(); cursor.Next()) {
            auto matches = Matches(cursor);
            if (!matches.ok())
                return matches.status();
            if (*matches)
                return std::optional<RowId>(cursor.id());
        }
        if (!cursor.status().ok())
            return cursor.status();
        return std::optional<RowId>();
    }

    Result<bool> Matches(const RowCursor& cursor)
    {
        if (!m_filter)
            return true;
        return MatchesRow(cursor.row());
    }

    Result<bool> Matches(RowId id)
    {
        if (!m_filter)
            return true;
        JET_RETURN_IF_ERROR(m_table.LoadRow(id, m_scratch));
        return MatchesRow(m_scratch);
    }

    // REQUIRES: m_filter
    Result<bool> MatchesRow(const LoadedRow& row)
    {
        auto value = m_table.ReadField(row, *m_filterColumn);
        if (!value.ok())
            return value.status();
        if (value->IsNull())
            return false;
        const Value& literal = m_filter->literal;
        if (literal.IsText()) {
            if (!value->IsText())
                return Errors::CriteriaTypeMismatch();
            return TextEqualsNoCase(value->As<std::u16string>(), literal.As<std::u16string>());
        }
        auto number = NumberOf(*value, NumberKinds::kAnyNumeric);
        auto wanted = NumberOf(literal, NumberKinds::kAnyNumeric);
        if (!number || !wanted)
            return Errors::CriteriaTypeMismatch();
        return *number == *wanted;
    }

    static bool ValueEqualsText(const Value& value, const std::u16string& text)
    {
        if (value.IsNull())
            return false;
        if (value.IsText())
            return value.As<std::u16string>() == text;
        return Utf8ToUtf16(value.ToUtf8()) == text;
    }

    // ValueEqualsText(ReadField(row, column), text); Text fields are compared
    // as stored.
    Result<bool> HoldsText(const LoadedRow& row, const ColumnDef& column, const std::u16string& text)
    {
        if (column.type == ColumnType::kText) {
            auto field = LocateField(m_table.def(), row.layout, column, row.dataAt.page);
            if (!field.ok())
                return field.status();
            return field->present && StoredTextEquals(field->data, text);
        }
        auto value = m_table.ReadField(row, column);
        if (!value.ok())
            return value.status();
        return ValueEqualsText(*value, text);
    }

    // The first row at or after `from` whose column holds exactly `text`.
    Result<std::optional<RowId>> FindByScan(const ColumnDef& column, const std::u16string& text, RowId from)
    {
        RowCursor cursor(m_table);
        for (cursor.Seek(from); cursor.Valid(); cursor.Next()) {
            auto matches = Matches(cursor);
            if (!matches.ok())
                return matches.status();
            if (!*matches)
                continue;
            auto value = m_table.ReadField(cursor.row(), column);
            if (!value.ok())
                return value.status();
            if (ValueEqualsText(*value, text))
                return std::optional<RowId>(cursor.id());
        }
        if (!cursor.status().ok())
            return cursor.status();
        return std::optional<RowId>();
    }

    // Index entries with equal keys are ordered by row pointer, which is table
    // order, so the first entry at or after the current row whose row holds
    // exactly the text (keys ignore case) is the answer. Sets `answered` when
    // the index could be used.
    Result<std::optional<RowId>> FindThroughIndex(const ColumnDef& column, const std::u16string& text, bool& answered)
    {
        const int realIndex = m_table.SingleColumnIndex(column.number);
        if (realIndex < 0)
            return std::optional<RowId>();
        const RealIndexDef& def = m_table.def().realIndexes[static_cast<size_t>(realIndex)];
        auto key = EncodeIndexKey(def.columns, {Value(text)});
        if (!key.ok())
            return std::optional<RowId>(); // not encodable: the scan decides
        std::optional<RowId> found;
        Status scanned =
            m_table.IndexTree(static_cast<size_t>(realIndex)).ScanEqual(*key, m_current, [&](RowId id) -> Result<bool> {
                JET_RETURN_IF_ERROR(m_table.LoadRow(id, m_scratch));
                auto equal = HoldsText(m_scratch, column, text);
                if (!equal.ok())
                    return equal.status();
                if (!*equal)
                    return true;
                found = id;
                return false;
            });
        if (!scanned.ok())
            return scanned;
        answered = true;
        return found;
    }

    // Columns without an index: one scan builds the first row of every text,
    // kept current as rows are added, so repeated searches do not rescan.
    Result<std::optional<RowId>> FindThroughHash(const ColumnDef& column, const std::u16string& text, bool& answered)
    {
        if (!m_findHash || m_findHash->column != column.number) {
            FindHash hash;
            hash.column = column.number;
            RowCursor cursor(m_table);
            for (cursor.SeekToFirst(); cursor.Valid(); cursor.Next()) {
                auto value = m_table.ReadField(cursor.row(), column);
                if (!value.ok())
                    return value.status();
                if (value->IsText())
                    hash.first.emplace(value->As<std::u16string>(), cursor.id());
            }
            if (!cursor.status().ok())
                return cursor.status();
            m_findHash = std::move(hash);
        }
        auto it = m_findHash->first.find(text);
        if (it == m_findHash->first.end()) {
            answered = true;
            return std::optional<RowId>();
        }
        if (it->second >= m_current) {
            answered = true;
            return std::optional<RowId>(it->second);
        }
        return std::optional<RowId>(); // an earlier row holds it: the scan from here decides
    }

    Result<int64_t> Count()
    {
        if (!m_filter)
            return m_table.CountRows();
        int64_t count = 0;
        RowCursor cursor(m_table, ScanOptions());
        for (cursor.SeekToFirst(); cursor.Valid(); cursor.Next()) {
            auto matches = Matches(cursor);
            if (!matches.ok())
                return matches.status();
            if (*matches)
                ++count;
        }
        if (!cursor.status().ok())
            return cursor.status();
        return count;
    }

    DatabaseImpl& m_db;
    Table& m_table;
    CursorType m_cursor;
    LockType m_lock;
    std::optional<QuerySource::Filter> m_filter;
    const ColumnDef* m_filterColumn = nullptr;
    State m_state = State::kEmptyBoth;
    RowId m_current;
    LoadedRow m_row;
    LoadedRow m_scratch;
    bool m_rowLoaded = false;
    bool m_closed = false;
    mutable std::optional<int64_t> m_count;
    // Field names as the caller spelled them -> column position (size() for no such column).
    static constexpr size_t kNamedColumnLimit = 64;
    mutable std::vector<std::pair<std::string, size_t>> m_namedColumns;

    enum class Edit { kNone, kAdd, kChange };
    Edit m_edit = Edit::kNone;
    std::vector<std::pair<size_t, Value>> m_pending; // column position -> new value

    // First row (table order) of each text of one column without an index.
    struct FindHash {
        uint16_t column = 0;
        std::unordered_map<std::u16string, RowId> first;
    };
    std::optional<FindHash> m_findHash;
};

} // namespace

Recordset::~Recordset() = default;

Result<std::unique_ptr<Recordset>> Recordset::Open(Database& db, const std::string& source, CursorType cursorType,
                                                   LockType lockType)
{
    auto* impl = dynamic_cast<DatabaseImpl*>(&db);
    if (impl == nullptr)
        return Errors::ConnectionUnusable();
    if (!impl->IsOpen())
        return impl->ClosedError();
    auto query = ParseQuerySource(source);
    if (!query.ok())
        return query.status();
    auto table = impl->OpenTable(query->table);
    if (!table.ok())
        return table.status();
    const ColumnDef* filterColumn = nullptr;
    if (query->filter) {
        filterColumn = (*table)->def().FindColumn(query->filter->column);
        if (filterColumn == nullptr)
            return Errors::MissingParameter();
    }
    auto rs =
        std::make_unique<RecordsetImpl>(*impl, **table, cursorType, lockType, std::move(query->filter), filterColumn);
    JET_RETURN_IF_ERROR(rs->Start());
    return std::unique_ptr<Recordset>(std::move(rs));
}

} // namespace jet
