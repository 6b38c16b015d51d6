#include "Pipes/PipeDatabaseTypes.h"

#include "Pipes/PipeRedactorDialog.h"
#include "core/EditorFramework_p.h"
#include "core/NamedElements_p.h"
#include "core/TablePersistence_p.h"

#include <QApplication>

namespace KorvexPipeDatabase {

using KorvexCore::CTableReader;
using KorvexCore::CTableWriter;

CPipe::CPipe(const QString &name, const QString &dOutside, const QString &dInside,
             const QString &roughness, const QString &lamda)
    : m_name(name)
    , m_dOutside(dOutside)
    , m_dInside(dInside)
    , m_roughness(roughness)
    , m_lamda(lamda)
{ }

CPipeDatabase::CPipeDatabase()
    : m_tableName(QApplication::tr("PIPES"))
    , m_name(QApplication::tr("Трубы"))
{ }

CPipeDatabase::~CPipeDatabase() = default;

CPipe *CPipeDatabase::FindPipe(const QString &name)
{
    return KorvexCore::FindNamed(m_pipes, name);
}

const CPipe *CPipeDatabase::FindPipe(const QString &name) const
{
    return KorvexCore::FindNamed(m_pipes, name);
}

void CPipeDatabase::InsertPipe(const CPipe &pipe)
{
    KorvexCore::InsertNamed(m_pipes, pipe);
}

void CPipeDatabase::DeletePipe(const CPipe &pipe)
{
    KorvexCore::DeleteNamed(m_pipes, pipe.GetName());
}

void CPipeDatabase::LoadData()
{
    CTableReader reader(m_tableName);
    const int type = reader.Column(QStringLiteral("PipeType"));
    const int dOutside = reader.Column(QStringLiteral("D_outside"));
    const int dInside = reader.Column(QStringLiteral("d_inside"));
    const int roughness = reader.Column(QStringLiteral("Roughness"));
    const int lamda = reader.Column(QStringLiteral("Lamda"));

    m_pipes.clear();
    while (reader.Next()) {
        m_pipes.emplace_back(reader.Text(type), reader.Text(dOutside), reader.Text(dInside),
                             reader.Text(roughness), reader.Text(lamda));
    }
}

void CPipeDatabase::SaveDataToDataBase() const
{
    CTableWriter writer(m_tableName,
                        "CREATE TABLE %1 (SortID integer PRIMARY KEY, PipeType varchar, "
                        "D_outside varchar, d_inside varchar, Roughness varchar, Lamda varchar)");
    QSqlQuery insert
        = writer.Prepare("INSERT INTO %1 (PipeType, D_outside, d_inside, Roughness, Lamda) "
                         "VALUES(:PipeType, :D_outside, :d_inside, :Roughness, :Lamda)");
    for (const CPipe &pipe : m_pipes) {
        insert.bindValue(QStringLiteral(":PipeType"), pipe.GetName(), QSql::In);
        insert.bindValue(QStringLiteral(":D_outside"), pipe.GetDOutside(), QSql::In);
        insert.bindValue(QStringLiteral(":d_inside"), pipe.GetDInside(), QSql::In);
        insert.bindValue(QStringLiteral(":Roughness"), pipe.GetRoughness(), QSql::In);
        insert.bindValue(QStringLiteral(":Lamda"), pipe.GetLamda(), QSql::In);
        if (!writer.Insert(insert))
            break;
    }
    writer.Finish();
}

void CPipeDatabase::ShowContent()
{
    KorvexCore::RunEditor<CPipeRedactorDialog>(m_name, m_pipes, [this]() { SaveDataToDataBase(); });
}

} // namespace KorvexPipeDatabase
