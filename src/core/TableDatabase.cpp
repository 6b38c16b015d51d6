#include "core/TableDatabase.h"

namespace KorvexCore {

CDatabaseError::CDatabaseError(ErrorKind kind, const QString &table, const QString &text)
    : m_kind(kind)
    , m_table(table)
    , m_text(text)
{ }

QString CDatabaseError::ToString() const
{
    return IsValid() ? m_table + QStringLiteral(": ") + m_text : QString();
}

CTableDatabase::CTableDatabase(KorvexInterfaces::DatabaseType type, const QString &displayName)
    : m_type(type)
    , m_name(displayName)
{ }

CTableDatabase::~CTableDatabase() = default;

CDatabaseError CTableDatabase::GetLoadError() const
{
    return m_unreadTables.empty() ? CDatabaseError() : m_unreadTables.begin()->second;
}

} // namespace KorvexCore
