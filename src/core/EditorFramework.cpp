#include "core/EditorFramework_p.h"

#include "core/Prompts.h"

#include <QIcon>
#include <QSignalBlocker>

namespace KorvexCore {

CEditorLists::CEditorLists(QWidget *dialog, QTableWidget *table)
    : m_dialog(dialog)
    , m_table(table)
    , m_messageTitle(tr("Редактор базы данных"))
{ }

CLevelTexts CEditorLists::CategoryTexts(const QString &addTitle, const QString &renameTitle)
{
    CLevelTexts texts;
    texts.addTitle = addTitle;
    texts.renameTitle = renameTitle;
    texts.nameExists = tr("Категория с таким именем уже существует!");
    texts.notFound = tr("Не удалось найти категорию %1!");
    texts.confirmDelete = tr("Подтверждаете удаление категории?");
    return texts;
}

void CEditorLists::AddLevel(QComboBox *list, const CLevelTexts &texts, CLevelAccess access)
{
    m_levels.push_back({ list, texts, std::move(access) });
}

void CEditorLists::SetTable(std::function<void(const QStringList &)> fill,
                            std::function<void(const QStringList &)> store)
{
    m_fillTable = std::move(fill);
    m_storeTable = std::move(store);
}

void CEditorLists::Refill()
{
    ClearListsBelow(0);
    ClearTable();
    FillList(1, QStringList());
    ListChanged(1);
}

void CEditorLists::ListChanged(int level)
{
    ClearListsBelow(level);
    ClearTable();
    QStringList path;
    if (!LookUp(level, &path, true))
        return;
    if (level < LevelCount()) {
        FillList(level + 1, path);
        ListChanged(level + 1);
    } else if (m_fillTable) {
        m_fillTable(path);
    }
}

void CEditorLists::Add(int level)
{
    QStringList parents;
    QString name;
    if (!AskFreeName(level, Level(level).texts.addTitle, QString(), &parents, &name))
        return;
    const CLevel &current = Level(level);
    current.access.insert(parents, name);
    // With signals on: selecting the new element refills the levels below and the table.
    current.list->addItem(name);
    current.list->setCurrentIndex(current.list->count() - 1);
}

void CEditorLists::Delete(int level)
{
    const CLevel &current = Level(level);
    if (PromptQuestion(m_dialog, m_messageTitle, current.texts.confirmDelete,
                       QMessageBox::Yes | QMessageBox::No, QMessageBox::NoButton)
        == QMessageBox::No)
        return;
    QStringList path;
    if (!LookUp(level, &path, false))
        return;
    const QString name = path.takeLast();
    current.access.erase(path, name);
    // With signals on, so that whatever becomes current is shown.
    current.list->removeItem(current.list->currentIndex());
}

void CEditorLists::Rename(int level)
{
    const CLevel &current = Level(level);
    const QString oldName = current.list->currentText();
    QStringList parents;
    QString newName;
    if (!AskFreeName(level, current.texts.renameTitle, oldName, &parents, &newName))
        return;
    if (!current.access.contains(parents, oldName)) {
        Inform(current.texts.notFound.arg(oldName));
        return;
    }
    current.access.rename(parents, oldName, newName);
    // The content below does not depend on the name: only the item text changes.
    const QSignalBlocker blocker(current.list);
    const int index = current.list->currentIndex();
    current.list->removeItem(index);
    current.list->insertItem(index, newName);
    current.list->setCurrentIndex(index);
}

bool CEditorLists::AskFreeName(int level, const QString &title, const QString &oldName,
                               QStringList *parents, QString *name) const
{
    bool ok = false;
    *name = PromptText(m_dialog, title, tr("Введите имя:"), oldName, &ok);
    if (!ok || name->isEmpty() || *name == oldName)
        return false;
    if (!LookUp(level - 1, parents, false))
        return false;
    if (Level(level).access.contains(*parents, *name)) {
        Inform(Level(level).texts.nameExists);
        return false;
    }
    return true;
}

void CEditorLists::TableChanged()
{
    QStringList path;
    if (m_storeTable && LookUp(LevelCount(), &path, true))
        m_storeTable(path);
}

bool CEditorLists::LookUp(int levels, QStringList *path, bool quietWhenEmpty) const
{
    for (int level = 1; level <= levels; ++level) {
        const CLevel &current = Level(level);
        if (quietWhenEmpty && current.list->count() == 0)
            return false;
        const QString name = current.list->currentText();
        if (!current.access.contains(*path, name)) {
            Inform(current.texts.notFound.arg(name));
            return false;
        }
        path->append(name);
    }
    return true;
}

void CEditorLists::ClearTable()
{
    const QSignalBlocker blocker(m_table);
    for (int rows = m_table->rowCount(); rows > 0; --rows)
        m_table->removeRow(0);
}

void CEditorLists::ShowRows(const std::vector<QStringList> &rows)
{
    {
        const QSignalBlocker blocker(m_table);
        for (const QStringList &texts : rows) {
            const int row = m_table->rowCount();
            m_table->insertRow(row);
            for (int column = 0; column < texts.size(); ++column)
                m_table->setItem(row, column, new QTableWidgetItem(texts.at(column)));
        }
    }
    m_table->resizeColumnsToContents();
    m_table->resizeRowsToContents();
}

int CEditorLists::RowCount() const
{
    return m_table->rowCount();
}

QStringList CEditorLists::RowTexts(int row) const
{
    QStringList texts;
    const QAbstractItemModel *model = m_table->model();
    for (int column = 0; column < m_table->columnCount(); ++column)
        texts << model->index(row, column).data(Qt::DisplayRole).toString();
    return texts;
}

void CEditorLists::Inform(const QString &text) const
{
    PromptInformation(m_dialog, m_messageTitle, text, QMessageBox::Ok, QMessageBox::NoButton);
}

void CEditorLists::ClearListsBelow(int level)
{
    for (int below = level + 1; below <= LevelCount(); ++below) {
        QComboBox *list = Level(below).list;
        const QSignalBlocker blocker(list);
        list->clear();
    }
}

void CEditorLists::FillList(int level, const QStringList &parents)
{
    const CLevel &current = Level(level);
    const QSignalBlocker blocker(current.list);
    current.list->insertItems(current.list->count(), current.access.names(parents));
}

void SetEditorWindowIcon(QWidget *dialog)
{
    dialog->setWindowIcon(
        QIcon(QCoreApplication::applicationDirPath() + QStringLiteral("/Images/Korvex.png")));
}

} // namespace KorvexCore
