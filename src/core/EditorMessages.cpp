#include "core/EditorFramework_p.h"

#include "core/Prompts.h"

namespace KorvexCore {

namespace {
/// A critical box about \a database, under the title of every editor message: \a text
/// gets the display name as %1 and the error as %2.
void tellCritical(const CTableDatabase &database, const char *text, const CDatabaseError &error)
{
    const char *context = "KorvexCore::CEditorLists";
    PromptCritical(
        nullptr, QCoreApplication::translate(context, "Редактор базы данных"),
        QCoreApplication::translate(context, text).arg(database.GetName(), error.ToString()),
        QMessageBox::Ok, QMessageBox::NoButton);
}
} // namespace

bool RefuseEditingUnreadDatabase(const CTableDatabase &database)
{
    const CDatabaseError error = database.GetLoadError();
    if (!error.IsValid())
        return false;
    tellCritical(database,
                 QT_TRANSLATE_NOOP("KorvexCore::CEditorLists",
                                   "Базу данных \"%1\" не удалось прочитать из файла:\n%2\n"
                                   "Редактор не открыт, чтобы неполные данные не были записаны "
                                   "поверх таблицы. Повторите попытку, когда файл станет "
                                   "доступен."),
                 error);
    return true;
}

void ReportFailedSave(const CTableDatabase &database)
{
    if (!database.GetLastError().IsValid())
        return;
    tellCritical(database,
                 QT_TRANSLATE_NOOP("KorvexCore::CEditorLists",
                                   "Не удалось сохранить базу данных \"%1\":\n%2\n"
                                   "Изменения остались в памяти программы; сохраните их ещё "
                                   "раз, когда причина будет устранена."),
                 database.GetLastError());
}

QString RefuseUntrimmedName(const QString &name)
{
    if (name == name.trimmed())
        return QString();
    return QCoreApplication::translate(
        "KorvexCore::CEditorLists",
        "Название не может начинаться или заканчиваться пробелом: при чтении базы данных "
        "такие пробелы отбрасываются, и название изменилось бы.");
}

} // namespace KorvexCore
