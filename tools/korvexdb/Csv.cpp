#include "Csv.h"

#include <QStringDecoder>

namespace KorvexTool {

QString CProblem::ToString() const
{
    return line > 0 ? QStringLiteral("%1:%2: %3").arg(file).arg(line).arg(reason)
                    : QStringLiteral("%1: %2").arg(file, reason);
}

namespace {

bool isBreak(char c)
{
    return c == ',' || c == '\r' || c == '\n';
}

} // namespace

bool ParseCsv(const QByteArray &data, const QString &file, CRecords &records, CProblems &problems)
{
    const auto fail = [&](int line, const QString &reason) {
        problems.push_back({ file, line, reason });
        return false;
    };
    qsizetype pos = data.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    const qsizetype size = data.size();
    int line = 1;
    while (pos < size) {
        CRecord record;
        record.line = line;
        while (true) {
            QByteArray field;
            if (pos < size && data.at(pos) == '"') {
                ++pos;
                while (true) {
                    if (pos >= size)
                        return fail(record.line, QStringLiteral("quoted field not closed"));
                    const char c = data.at(pos);
                    if (c == '"') {
                        if (pos + 1 < size && data.at(pos + 1) == '"') {
                            field += '"';
                            pos += 2;
                            continue;
                        }
                        ++pos;
                        break;
                    }
                    if (c == '\n')
                        ++line;
                    field += c;
                    ++pos;
                }
                if (pos < size && !isBreak(data.at(pos)))
                    return fail(line, QStringLiteral("text after the closing quote of a field"));
            } else {
                while (pos < size && !isBreak(data.at(pos))) {
                    if (data.at(pos) == '"')
                        return fail(line, QStringLiteral("quote inside an unquoted field"));
                    field += data.at(pos++);
                }
            }
            QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
            const QString text = decoder.decode(field);
            if (decoder.hasError())
                return fail(record.line, QStringLiteral("invalid UTF-8"));
            record.fields << text;
            if (pos < size && data.at(pos) == ',') {
                ++pos;
                continue;
            }
            break;
        }
        if (pos < size && data.at(pos) == '\r') {
            if (pos + 1 >= size || data.at(pos + 1) != '\n')
                return fail(line, QStringLiteral("carriage return without line feed"));
            ++pos;
        }
        if (pos < size && data.at(pos) == '\n') {
            ++pos;
            ++line;
        }
        records.push_back(std::move(record));
    }
    return true;
}

namespace {

QByteArray quoted(const QString &field)
{
    QByteArray bytes = field.toUtf8();
    if (bytes.contains(',') || bytes.contains('"') || bytes.contains('\r')
        || bytes.contains('\n')) {
        bytes.replace("\"", "\"\"");
        bytes = '"' + bytes + '"';
    }
    return bytes;
}

void appendRecord(QByteArray &text, const QStringList &fields)
{
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            text += ',';
        text += quoted(fields.at(i));
    }
    text += '\n';
}

} // namespace

QByteArray CsvText(const QStringList &header, const CRecords &records)
{
    QByteArray text;
    appendRecord(text, header);
    for (const CRecord &record : records)
        appendRecord(text, record.fields);
    return text;
}

} // namespace KorvexTool
