#include "core/EditorFramework_p.h"

#include "core/Prompts.h"

namespace KorvexCore {

namespace {
QString messageTitle()
{
    return QCoreApplication::translate("KorvexCore::CEditorLists", "Редактор базы данных");
}
} // namespace

bool RefuseEditingUnreadDatabase(const CTableDatabase &database)
{
    const CDatabaseError error = database.GetLoadError();
    if (!error.IsValid())
        return false;
    PromptCritical(nullptr, messageTitle(),
                   QCoreApplication::translate(
                       "KorvexCore::CEditorLists",
                       "Базу данных \"%1\" не удалось прочитать из файла:\n%2\n"
                       "Редактор не открыт, чтобы неполные данные не были записаны "
                       "поверх таблицы. Повторите попытку, когда файл станет доступен.")
                       .arg(database.GetName(), error.ToString()),
                   QMessageBox::Ok, QMessageBox::NoButton);
    return true;
}

void ReportFailedSave(const CTableDatabase &database)
{
    const CDatabaseError &error = database.GetLastError();
    if (!error.IsValid())
        return;
    PromptCritical(nullptr, messageTitle(),
                   QCoreApplication::translate(
                       "KorvexCore::CEditorLists",
                       "Не удалось сохранить базу данных \"%1\":\n%2\n"
                       "Изменения остались в памяти программы: откройте редактор снова "
                       "и нажмите \"Принять\", чтобы повторить сохранение.")
                       .arg(database.GetName(), error.ToString()),
                   QMessageBox::Ok, QMessageBox::NoButton);
}

} // namespace KorvexCore
