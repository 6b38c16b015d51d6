#include "core/EditorFramework_p.h"

#include "core/Prompts.h"

#include <QHeaderView>
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

void CEditorLists::AddLevel(QComboBox *list, const CLevelTexts &texts, CLevelAccess access,
                            CLevelOptions options)
{
    m_levels.push_back({ list, texts, std::move(access), std::move(options) });
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
    if (level == LevelCount() || Level(level).options.table == ETableOnChange::Clear)
        ClearTable();
    QStringList path;
    if (!LookUp(level, &path, EEmptyLists::StopQuietly))
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
    const QString name = AskName(level, Level(level).texts.addTitle, QString());
    if (!name.isEmpty())
        AddName(level, name);
}

bool CEditorLists::AddName(int level, const QString &name)
{
    QStringList parents;
    if (name.isEmpty() || !IsFree(level, name, &parents))
        return false;
    const CLevel &current = Level(level);
    current.access.insert(parents, name);
    // With signals on: selecting the new element refills the levels below and the table.
    current.list->addItem(name);
    current.list->setCurrentIndex(current.list->count() - 1);
    return true;
}

void CEditorLists::Delete(int level)
{
    const CLevel &current = Level(level);
    if (PromptQuestion(m_dialog, m_messageTitle, current.texts.confirmDelete,
                       QMessageBox::Yes | QMessageBox::No, QMessageBox::NoButton)
        == QMessageBox::No)
        return;
    QStringList path;
    if (!LookUp(level, &path, EEmptyLists::Report))
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
    const QString newName = AskName(level, current.texts.renameTitle, oldName);
    // The input box starts from the old name, so getting it back means "no change".
    if (newName.isEmpty() || (!current.options.askName && newName == oldName))
        return;
    RenameCurrent(level, newName);
}

bool CEditorLists::RenameCurrent(int level, const QString &newName)
{
    const CLevel &current = Level(level);
    const QString oldName = current.list->currentText();
    QStringList parents;
    if (newName.isEmpty() || !IsFree(level, newName, &parents))
        return false;
    if (!current.access.contains(parents, oldName)) {
        Inform(current.texts.notFound.arg(oldName));
        return false;
    }
    current.access.rename(parents, oldName, newName);
    // The content below does not depend on the name: only the item text changes.
    const QSignalBlocker blocker(current.list);
    const int index = current.list->currentIndex();
    current.list->removeItem(index);
    current.list->insertItem(index, newName);
    current.list->setCurrentIndex(index);
    return true;
}

QString CEditorLists::AskName(int level, const QString &title, const QString &current) const
{
    if (const CNameAsker &ask = Level(level).options.askName)
        return ask(title, current);
    bool ok = false;
    const QString name = PromptText(m_dialog, title, tr("Введите имя:"), current, &ok);
    return ok ? name : QString();
}

bool CEditorLists::IsFree(int level, const QString &name, QStringList *parents) const
{
    if (!LookUp(level - 1, parents, EEmptyLists::Report))
        return false;
    // The file holds UTF-8, which cannot hold half a surrogate pair (a pasted fragment).
    const QString why = !name.isValidUtf16()
        ? tr("Название содержит символы, которые нельзя записать в базу данных (UTF-8).")
        : Level(level).options.refuseName ? Level(level).options.refuseName(name)
                                          : QString();
    if (!why.isEmpty()) {
        Inform(why);
        return false;
    }
    if (Level(level).access.contains(*parents, name)) {
        Inform(Level(level).texts.nameExists);
        return false;
    }
    return true;
}

void CEditorLists::TableChanged()
{
    QStringList path;
    if (m_storeTable && LookUp(LevelCount(), &path, EEmptyLists::StopQuietly))
        m_storeTable(path);
}

bool CEditorLists::LookUp(int levels, QStringList *path, EEmptyLists emptyLists) const
{
    for (int level = 1; level <= levels; ++level) {
        const CLevel &current = Level(level);
        if (emptyLists == EEmptyLists::StopQuietly && current.list->count() == 0)
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

void CEditorLists::ShowRows(const std::vector<CTableRow> &rows)
{
    {
        const QSignalBlocker blocker(m_table);
        for (const CTableRow &cells : rows) {
            const int row = m_table->rowCount();
            m_table->insertRow(row);
            for (int column = 0; column < cells.texts.size(); ++column) {
                auto *item = new QTableWidgetItem(cells.texts.at(column));
                const auto icon = cells.icons.constFind(column);
                if (icon != cells.icons.constEnd())
                    item->setIcon(*icon);
                m_table->setItem(row, column, item);
            }
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

QIcon CEditorLists::CellIcon(int row, int column) const
{
    return qvariant_cast<QIcon>(m_table->model()->index(row, column).data(Qt::DecorationRole));
}

void CEditorLists::Inform(const QString &text) const
{
    PromptInformation(m_dialog, m_messageTitle, text, QMessageBox::Ok, QMessageBox::NoButton);
}

void CEditorLists::RefuseCellEdit(const QString &why, std::function<void()> redisplay) const
{
    Inform(why);
    QMetaObject::invokeMethod(m_dialog, std::move(redisplay), Qt::QueuedConnection);
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

void FitHeadings(QTableWidget *table)
{
    QHeaderView *header = table->horizontalHeader();
    for (int column = 0; column < header->count(); ++column) {
        if (header->sectionSize(column) < header->sectionSizeHint(column))
            header->resizeSection(column, header->sectionSizeHint(column));
    }
}

} // namespace KorvexCore
