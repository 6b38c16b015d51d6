// export and import: the eight databases to and from CSV, through the library's classes.

#include "Codecs.h"
#include "Tool.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryFile>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace KorvexTool {

void Say(const QString &text)
{
    std::fprintf(stderr, "korvexdb: %s\n", qPrintable(text));
}

int UsageError(const QString &text)
{
    Say(text);
    return ExitUsage;
}

CConnection::CConnection(const QString &path, bool readOnly)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    db.setDatabaseName(path);
    db.setConnectOptions(readOnly
                             ? QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=5000")
                             : QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    m_open = db.open();
    m_error = db.lastError().text();
}

CConnection::~CConnection()
{
    QSqlDatabase::database(QLatin1String(QSqlDatabase::defaultConnection), false).close();
    QSqlDatabase::removeDatabase(QLatin1String(QSqlDatabase::defaultConnection));
}

namespace {

const CCsvFile kSourcesFile { QStringLiteral("sources.csv"), { "dataset", "file", "source" }, {} };

/// The databases --table names, or all of them; empty after a usage error.
std::vector<const CDatabaseCodec *> selectCodecs(const QString &table)
{
    std::vector<const CDatabaseCodec *> selected;
    if (table.isEmpty() || table.compare(QLatin1String("all"), Qt::CaseInsensitive) == 0) {
        for (const auto &codec : Codecs())
            selected.push_back(codec.get());
    } else if (const CDatabaseCodec *codec = FindCodec(table)) {
        selected.push_back(codec);
    } else {
        QStringList keys;
        for (const auto &known : Codecs())
            keys << known->Key();
        Say(QStringLiteral("unknown table \"%1\"; known: %2, all").arg(table, keys.join(", ")));
    }
    return selected;
}

QByteArray contentHash(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex();
}

// --- export ------------------------------------------------------------------------------

/// Writes the pictures of \a records as files in \a dir and puts their names in the
/// records; equal pictures share one file.
bool writePictures(const QDir &dir, const CCsvFile &file, CRecords &records)
{
    const QString base = QFileInfo(file.name).completeBaseName();
    for (const auto &[column, word] : file.pictures) {
        QHash<QByteArray, QString> written;
        for (size_t i = 0; i < records.size(); ++i) {
            const QByteArray bytes = records[i].pictures[column];
            if (bytes.isEmpty())
                continue;
            const QByteArray hash = contentHash(bytes);
            QString name = written.value(hash);
            if (name.isEmpty()) {
                QBuffer buffer;
                buffer.setData(bytes);
                QByteArray format = QImageReader(&buffer).format();
                name = QStringLiteral("%1-%2-%3.%4")
                           .arg(base)
                           .arg(i + 2)
                           .arg(word,
                                format.isEmpty() ? QStringLiteral("bin")
                                                 : QString::fromLatin1(format));
                QSaveFile out(dir.filePath(name));
                if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size()
                    || !out.commit()) {
                    Say(QStringLiteral("cannot write %1: %2")
                            .arg(out.fileName(), out.errorString()));
                    return false;
                }
                written.insert(hash, name);
            }
            records[i].fields[column] = name;
        }
    }
    return true;
}

bool writeCsv(const QDir &dir, const CCsvFile &file, CRecords records)
{
    if (!writePictures(dir, file, records))
        return false;
    QSaveFile out(dir.filePath(file.name));
    const QByteArray text = CsvText(file.header, records);
    if (!out.open(QIODevice::WriteOnly) || out.write(text) != text.size() || !out.commit()) {
        Say(QStringLiteral("cannot write %1: %2").arg(out.fileName(), out.errorString()));
        return false;
    }
    Say(QStringLiteral("%1: %2 records").arg(out.fileName()).arg(records.size()));
    return true;
}

bool hasSourcesTable()
{
    QSqlQuery query;
    return query.exec(QStringLiteral(
               "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'SOURCES'"))
        && query.next();
}

} // namespace

int ExportCommand(const QString &databasePath, const QString &table, const QString &outDir)
{
    if (!QFileInfo(databasePath).isFile())
        return UsageError(QStringLiteral("no such database file: %1").arg(databasePath));
    const std::vector<const CDatabaseCodec *> codecs = selectCodecs(table);
    if (codecs.empty())
        return ExitUsage;
    const QDir dir(outDir);
    if (!QDir().mkpath(outDir) || !QFileInfo(outDir).isWritable())
        return UsageError(QStringLiteral("cannot write to the output directory %1").arg(outDir));

    CConnection connection(databasePath, true);
    if (!connection.IsOpen())
        return UsageError(
            QStringLiteral("cannot open %1: %2").arg(databasePath, connection.Error()));
    for (const CDatabaseCodec *codec : codecs) {
        Say(QStringLiteral("reading %1").arg(codec->Tables().join(", ")));
        const std::unique_ptr<KorvexCore::CTableDatabase> database = codec->Create();
        database->LoadData();
        if (database->GetLastError().IsValid()) {
            Say(QStringLiteral("cannot read %1").arg(database->GetLastError().ToString()));
            return ExitFindings;
        }
        const std::vector<CCsvFile> files = codec->Files();
        const std::vector<CRecords> records = codec->Export(*database);
        for (size_t i = 0; i < files.size(); ++i) {
            if (!writeCsv(dir, files[i], records[i]))
                return ExitUsage;
        }
    }
    if (codecs.size() > 1 && hasSourcesTable()) {
        QSqlQuery query;
        CRecords sources;
        if (!query.exec(
                QStringLiteral("SELECT Dataset, File, Source FROM SOURCES ORDER BY SortID"))) {
            Say(QStringLiteral("cannot read SOURCES: %1").arg(query.lastError().text()));
            return ExitFindings;
        }
        while (query.next()) {
            sources.push_back({ 0,
                                { query.value(0).toString(), query.value(1).toString(),
                                  query.value(2).toString() },
                                {} });
        }
        if (!writeCsv(dir, kSourcesFile, sources))
            return ExitUsage;
    }
    return ExitOk;
}

// --- import ------------------------------------------------------------------------------

namespace {

/// Reads \a file from \a dir: header, field counts, quoting, UTF-8, picture files.
CRecords readCsv(const QDir &dir, const CCsvFile &file, CProblems &problems)
{
    QFile in(dir.filePath(file.name));
    if (!in.open(QIODevice::ReadOnly)) {
        problems.push_back(
            { file.name, 0, QStringLiteral("cannot read: %1").arg(in.errorString()) });
        return {};
    }
    CRecords records;
    if (!ParseCsv(in.readAll(), file.name, records, problems))
        return {};
    if (records.empty()) {
        problems.push_back(
            { file.name, 1, QStringLiteral("empty file: the header line is missing") });
        return {};
    }
    if (records.front().fields != file.header) {
        problems.push_back(
            { file.name, 1,
              QStringLiteral("wrong header; expected: %1").arg(file.header.join(',')) });
        return {};
    }
    records.erase(records.begin());
    // Records of the wrong width are refused here and go no further.
    const auto wrongWidth = [&](const CRecord &record) {
        if (record.fields.size() == file.header.size())
            return false;
        problems.push_back({ file.name, record.line,
                             QStringLiteral("%1 fields, but the header has %2")
                                 .arg(record.fields.size())
                                 .arg(file.header.size()) });
        return true;
    };
    records.erase(std::remove_if(records.begin(), records.end(), wrongWidth), records.end());
    QHash<QString, QByteArray> pictures;
    for (CRecord &record : records) {
        for (const auto &[column, word] : file.pictures) {
            const QString &name = record.fields[column];
            QByteArray &bytes = record.pictures[column];
            if (name.isEmpty())
                continue;
            if (!pictures.contains(name)) {
                QFile picture(dir.filePath(name));
                QImage image;
                if (!picture.open(QIODevice::ReadOnly)) {
                    problems.push_back({ file.name, record.line,
                                         QStringLiteral("picture file \"%1\": %2")
                                             .arg(name, picture.errorString()) });
                    continue;
                }
                const QByteArray read = picture.readAll();
                if (!image.loadFromData(read)) {
                    problems.push_back({ file.name, record.line,
                                         QStringLiteral("picture file \"%1\" does not decode as "
                                                        "an image")
                                             .arg(name) });
                    continue;
                }
                pictures.insert(name, read);
            }
            bytes = pictures.value(name);
        }
    }
    return records;
}

QString recordKey(const CRecord &record, const CCsvFile &file)
{
    QStringList fields = record.fields;
    for (const auto &[column, word] : file.pictures) {
        const auto picture = record.pictures.find(column);
        fields[column] = picture == record.pictures.end() || picture->second.isEmpty()
            ? QString()
            : QString::fromLatin1(contentHash(picture->second));
    }
    return fields.join(QChar(0x1f));
}

/// Every input record must come back from the saved tables as it was written.
void compareReadBack(const std::vector<CCsvFile> &files, const std::vector<CRecords> &input,
                     const std::vector<CRecords> &readBack, CProblems &problems)
{
    for (size_t i = 0; i < files.size(); ++i) {
        QHash<QString, int> found;
        for (const CRecord &record : readBack[i])
            ++found[recordKey(record, files[i])];
        for (const CRecord &record : input[i]) {
            int &count = found[recordKey(record, files[i])];
            if (count > 0) {
                --count;
                continue;
            }
            problems.push_back({ files[i].name, record.line,
                                 QStringLiteral("the table does not give this record back as "
                                                "written (its save or load rules change it)") });
        }
    }
}

bool writeSources(const CRecords &sources)
{
    QSqlDatabase db = QSqlDatabase::database();
    QSqlQuery query;
    bool ok = db.transaction() && query.exec(QStringLiteral("DROP TABLE IF EXISTS SOURCES"))
        && query.exec(QStringLiteral("CREATE TABLE SOURCES (SortID integer PRIMARY KEY, "
                                     "Dataset varchar, File varchar, Source varchar)"))
        && query.prepare(QStringLiteral(
            "INSERT INTO SOURCES (Dataset, File, Source) VALUES(:Dataset, :File, :Source)"));
    for (size_t i = 0; ok && i < sources.size(); ++i) {
        query.bindValue(QStringLiteral(":Dataset"), sources[i].fields[0]);
        query.bindValue(QStringLiteral(":File"), sources[i].fields[1]);
        query.bindValue(QStringLiteral(":Source"), sources[i].fields[2]);
        ok = query.exec();
    }
    if (ok && db.commit())
        return true;
    Say(QStringLiteral("cannot write SOURCES: %1")
            .arg(query.lastError().isValid() ? query.lastError().text() : db.lastError().text()));
    db.rollback();
    return false;
}

/// Flushes the file to disk, so that the rename never exposes a file still in the cache.
bool syncFile(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    const bool ok = fd >= 0 && ::fsync(fd) == 0;
    if (fd >= 0)
        ::close(fd);
    return ok;
}

struct CPending
{
    const CDatabaseCodec *codec;
    std::unique_ptr<KorvexCore::CTableDatabase> database;
    std::vector<CRecords> input;
};

/// Saves \a pending and the sources into the open connection and reads every table back.
bool writeAndVerify(std::vector<CPending> &pending, const CRecords *sources, CProblems &problems)
{
    for (CPending &p : pending) {
        Say(QStringLiteral("writing %1").arg(p.codec->Tables().join(", ")));
        p.codec->Save(*p.database);
        if (p.database->GetLastError().IsValid()) {
            Say(QStringLiteral("cannot write %1").arg(p.database->GetLastError().ToString()));
            return false;
        }
    }
    if (sources && !writeSources(*sources))
        return false;
    for (CPending &p : pending) {
        const std::unique_ptr<KorvexCore::CTableDatabase> readBack = p.codec->Create();
        readBack->LoadData();
        if (readBack->GetLastError().IsValid()) {
            Say(QStringLiteral("cannot read back %1").arg(readBack->GetLastError().ToString()));
            return false;
        }
        compareReadBack(p.codec->Files(), p.input, p.codec->Export(*readBack), problems);
    }
    return true;
}

int reportRejected(const CProblems &problems, const QString &databasePath)
{
    for (const CProblem &problem : problems)
        std::fprintf(stderr, "%s\n", qPrintable(problem.ToString()));
    Say(QStringLiteral("%1 problem(s); nothing imported, %2 is unchanged")
            .arg(problems.size())
            .arg(databasePath));
    return ExitFindings;
}

} // namespace

int ImportCommand(const QString &databasePath, const QString &inDir, const QString &table)
{
    if (!QFileInfo(inDir).isDir())
        return UsageError(QStringLiteral("no such input directory: %1").arg(inDir));
    const std::vector<const CDatabaseCodec *> codecs = selectCodecs(table);
    if (codecs.empty())
        return ExitUsage;
    const QFileInfo target(databasePath);
    if (target.exists() && !target.isFile())
        return UsageError(QStringLiteral("not a database file: %1").arg(databasePath));
    if (!target.dir().exists())
        return UsageError(QStringLiteral("no such directory: %1").arg(target.absolutePath()));

    const QDir dir(inDir);
    CProblems problems;
    std::vector<CPending> pending;
    for (const CDatabaseCodec *codec : codecs) {
        const std::vector<CCsvFile> files = codec->Files();
        std::vector<CRecords> input(files.size());
        bool any = false;
        for (size_t i = 0; i < files.size(); ++i) {
            if (!dir.exists(files[i].name))
                continue;
            any = true;
            input[i] = readCsv(dir, files[i], problems);
        }
        if (!any) {
            if (codecs.size() == 1)
                return UsageError(QStringLiteral("no %1 in %2").arg(files.front().name, inDir));
            Say(QStringLiteral("no %1 in %2: %3 left as it is")
                    .arg(files.front().name, inDir, codec->Tables().join(", ")));
            continue;
        }
        Say(QStringLiteral("checking %1").arg(codec->Tables().join(", ")));
        std::unique_ptr<KorvexCore::CTableDatabase> database = codec->Create();
        codec->Import(*database, input, problems);
        pending.push_back({ codec, std::move(database), std::move(input) });
    }
    CRecords sources;
    const bool hasSources = dir.exists(kSourcesFile.name);
    if (hasSources)
        sources = readCsv(dir, kSourcesFile, problems);
    if (pending.empty() && !hasSources)
        return UsageError(QStringLiteral("nothing to import in %1").arg(inDir));
    if (!problems.empty())
        return reportRejected(problems, databasePath);

    // Everything is written into a copy beside the target, which replaces it only whole.
    QTemporaryFile copy(target.absolutePath() + QStringLiteral("/.korvexdb-import-XXXXXX"));
    if (!copy.open())
        return UsageError(QStringLiteral("cannot write in %1: %2")
                              .arg(target.absolutePath(), copy.errorString()));
    if (target.exists()) {
        // Copied under a read transaction, so that no other program's save is caught half
        // way; a file that is no database is refused here.
        CConnection reader(databasePath, true);
        QSqlQuery lock;
        if (!reader.IsOpen() || !lock.exec(QStringLiteral("BEGIN"))
            || !lock.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")))
            return UsageError(QStringLiteral("cannot read %1 as a database: %2")
                                  .arg(databasePath, lock.lastError().text()));
        QFile original(databasePath);
        if (!original.open(QIODevice::ReadOnly))
            return UsageError(
                QStringLiteral("cannot read %1: %2").arg(databasePath, original.errorString()));
        const QByteArray bytes = original.readAll();
        lock.exec(QStringLiteral("COMMIT"));
        if (copy.write(bytes) != bytes.size())
            return UsageError(
                QStringLiteral("cannot copy %1: %2").arg(databasePath, copy.errorString()));
        copy.setPermissions(original.permissions());
    } else {
        copy.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup
                            | QFile::ReadOther);
    }
    copy.close();
    bool written = false;
    {
        CConnection connection(copy.fileName(), false);
        if (!connection.IsOpen())
            return UsageError(
                QStringLiteral("cannot open %1: %2").arg(databasePath, connection.Error()));
        written = writeAndVerify(pending, hasSources ? &sources : nullptr, problems);
        pending.clear();
    }
    if (!problems.empty())
        return reportRejected(problems, databasePath);
    if (!written) {
        Say(QStringLiteral("nothing imported, %1 is unchanged").arg(databasePath));
        return ExitFindings;
    }
    if (!syncFile(copy.fileName())
        || ::rename(QFile::encodeName(copy.fileName()).constData(),
                    QFile::encodeName(databasePath).constData())
            != 0) {
        return UsageError(QStringLiteral("cannot replace %1: %2")
                              .arg(databasePath, QString::fromLocal8Bit(std::strerror(errno))));
    }
    copy.setAutoRemove(false);
    Say(QStringLiteral("%1 replaced").arg(databasePath));
    return ExitOk;
}

} // namespace KorvexTool
