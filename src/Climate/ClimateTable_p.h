#pragma once

// The four climate tables. Each record has one field table (column name, kind, member);
// it drives the table's column list, the texts written and shown, and the parsing of
// what is read or typed. The CREATE and INSERT texts stay literal beside it.

#include "Climate/ClimateDatabaseTypes.h"
#include "core/TablePersistence_p.h"

#include <QStringList>

#include <vector>

namespace KorvexClimateDatabase {

/// How a field is held: a double, a whole number of days, or a wind direction.
enum class EFieldKind { Number, Duration, Direction };

/// One field of record R and the column that holds it; exactly one member is set.
template<class R> struct TRecordField
{
    const char *name;
    EFieldKind kind;
    double R::*number = nullptr;
    quint32 R::*duration = nullptr;
    EWindDirection R::*direction = nullptr;
};

template<class R> TRecordField<R> Field(const char *name, double R::*member)
{
    return { name, EFieldKind::Number, member, nullptr, nullptr };
}
template<class R> TRecordField<R> Field(const char *name, quint32 R::*member)
{
    return { name, EFieldKind::Duration, nullptr, member, nullptr };
}
template<class R> TRecordField<R> Field(const char *name, EWindDirection R::*member)
{
    return { name, EFieldKind::Direction, nullptr, nullptr, member };
}

/// A number of days from a double: truncated toward zero and taken modulo 2^32 as an
/// unsigned 32-bit value; NaN and magnitudes beyond 64 bits give 0.
quint32 TruncatedDuration(double value);

/// The field's value as it is written to a table and shown in a dialog: a double with
/// up to six significant digits ("%1" with QString::arg), a duration as a decimal
/// integer, a direction as its compass text.
template<class R> QString FieldText(const R &record, const TRecordField<R> &field)
{
    const QString format = QStringLiteral("%1");
    switch (field.kind) {
    case EFieldKind::Number:
        return format.arg(record.*field.number);
    case EFieldKind::Duration:
        return format.arg(record.*field.duration);
    case EFieldKind::Direction:
        break;
    }
    const QString text = format.arg(WindDirectionText(record.*field.direction));
    return text.isNull() ? QStringLiteral("") : text;
}

/// Stores a number read from a cell or typed: a direction takes \a text, the others
/// \a number (0 for text that is no number).
template<class R>
void SetField(R &record, const TRecordField<R> &field, double number, const QString &text)
{
    switch (field.kind) {
    case EFieldKind::Number:
        record.*field.number = number;
        break;
    case EFieldKind::Duration:
        record.*field.duration = TruncatedDuration(number);
        break;
    case EFieldKind::Direction:
        record.*field.direction = WindDirectionFromText(text);
        break;
    }
}

/// Stores typed text into the field: QString::toDouble, truncation, or text to code.
template<class R> void SetFieldText(R &record, const TRecordField<R> &field, const QString &text)
{
    SetField(record, field, field.kind == EFieldKind::Direction ? 0.0 : text.toDouble(), text);
}

/// The fields of each record in record (and column) order.
template<class R> const std::vector<TRecordField<R>> &RecordFields();
template<> const std::vector<TRecordField<TColdSeasonParams>> &RecordFields();
template<> const std::vector<TRecordField<TWarmSeasonParams>> &RecordFields();
template<> const std::vector<TRecordField<TAverageMonthYearTemperature>> &RecordFields();
template<> const std::vector<TRecordField<TAverageMonthYearPartialPressure>> &RecordFields();

/// The data columns of a record's table (all but Name), made from its field table.
template<class R> const KorvexCore::CColumns<R> &RecordColumns()
{
    static const KorvexCore::CColumns<R> columns = [] {
        KorvexCore::CColumns<R> made;
        for (const TRecordField<R> &field : RecordFields<R>()) {
            made.emplace_back(
                field.name, [field](const R &record) { return QVariant(FieldText(record, field)); },
                [field](R &record, const KorvexCore::CTableReader &reader, int position) {
                    SetField(record, field,
                             field.kind == EFieldKind::Direction ? 0.0 : reader.Double(position),
                             field.kind == EFieldKind::Direction ? reader.Text(position)
                                                                 : QString());
                });
        }
        return made;
    }();
    return columns;
}

/// TABLE1 (cold season), TABLE2 (warm season), and TABLE3 / TABLE5 (one text for both).
const KorvexCore::CTableDescription &ColdSeasonTable();
const KorvexCore::CTableDescription &WarmSeasonTable();
const KorvexCore::CTableDescription &MonthTable();

/// Writes \a countries into the four tables \a tables (TABLE1, TABLE2, TABLE3, TABLE5):
/// every table is emptied and refilled row by row in tree order, all in one transaction.
/// The outcome becomes \a database's last error.
void WriteClimateTables(const CClimateDatabase &database, const std::vector<CCountry> &countries,
                        const QStringList &tables);

} // namespace KorvexClimateDatabase
