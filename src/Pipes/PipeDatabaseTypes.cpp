#include "Pipes/PipeDatabaseTypes.h"

#include "Pipes/PipeTable_p.h"
#include "core/NamedElements_p.h"

#include <QCoreApplication>

namespace KorvexPipeDatabase {

const KorvexCore::CColumns<CPipe> &PipeColumns()
{
    static const KorvexCore::CColumns<CPipe> columns = {
        { "PipeType", &CPipe::GetName, &CPipe::SetName },
        { "D_outside", &CPipe::GetDOutside, &CPipe::SetDOutside },
        { "d_inside", &CPipe::GetDInside, &CPipe::SetDInside },
        { "Roughness", &CPipe::GetRoughness, &CPipe::SetRoughness },
        { "Lamda", &CPipe::GetLamda, &CPipe::SetLamda },
    };
    return columns;
}

const KorvexCore::CTableDescription &PipeTable()
{
    static const KorvexCore::CTableDescription table = {
        "CREATE TABLE %1 (SortID integer PRIMARY KEY, PipeType varchar, D_outside varchar, "
        "d_inside varchar, Roughness varchar, Lamda varchar)",
        { "INSERT INTO %1 (PipeType, D_outside, d_inside, Roughness, Lamda) "
          "VALUES(:PipeType, :D_outside, :d_inside, :Roughness, :Lamda)" },
        KorvexCore::ColumnNames(PipeColumns()),
    };
    return table;
}

CPipe::CPipe(const QString &name, const QString &dOutside, const QString &dInside,
             const QString &roughness, const QString &lamda)
    : m_name(name)
    , m_dOutside(dOutside)
    , m_dInside(dInside)
    , m_roughness(roughness)
    , m_lamda(lamda)
{ }

CPipeDatabase::CPipeDatabase()
    : CTableDatabase(KorvexInterfaces::PipeDatabaseType,
                     QCoreApplication::translate("QApplication", "Трубы"))
    , m_tableName(QStringLiteral("PIPES"))
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
    KorvexCore::LoadFlatTable(*this, m_tableName, PipeColumns(), m_pipes);
}

void CPipeDatabase::SaveDataToDataBase() const
{
    KorvexCore::SaveFlatTable(*this, m_tableName, PipeTable(), PipeColumns(), m_pipes);
}

} // namespace KorvexPipeDatabase
