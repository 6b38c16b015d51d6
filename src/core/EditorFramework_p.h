#pragma once

// The mechanics every reference-database editor shares: a chain of drop-down lists,
// one per level of the database's hierarchy, each with add / delete / rename buttons,
// and a table with the fields of the record selected in the last list.
//
// CEditorLists does the work; an editor dialog describes its levels and its table,
// and its slots only forward. A single-level editor over a std::vector:
//
// \code
// m_ui->setupUi(this);
// m_lists = std::make_unique<CEditorLists>(this, m_ui->m_pDataTableWidget);
// m_lists->AddLevel(m_ui->m_pComboBox1,
//                   CEditorLists::CategoryTexts(tr("Добавление нового типа трубы"),
//                                               tr("Изменение типа трубы")),
//                   VectorLevel<CPipe>([this](const QStringList &) { return &m_pipes; }));
// m_lists->SetOneRowTable<CPipe>(
//         [this](const QStringList &path) { return FindNamed(m_pipes, path.at(0)); },
//         { { &CPipe::GetDOutside, &CPipe::SetDOutside }, ... });
// PrepareEditor(this, m_ui.get()); // window icon, and the form's signals to the slots
//
// void CPipeRedactorDialog::SetData(const std::vector<CPipe> &pipes)
// {
//     m_pipes = pipes;
//     m_lists->Refill();
// }
// void CPipeRedactorDialog::slotAddToCombo1() { m_lists->Add(1); }
// void CPipeRedactorDialog::slotComboChanged1(int) { m_lists->ListChanged(1); }
// void CPipeRedactorDialog::slotTableCellChanged(int, int) { m_lists->TableChanged(); }
//
// void CPipeDatabase::ShowContent()
// {
//     RunEditor<CPipeRedactorDialog>(m_name, m_pipes, [this]() { SaveDataToDataBase(); });
// }
// \endcode
//
// Lower levels receive the names selected above them ("parents"); a second level of
// groups and members reads
// VectorLevel<CMember>([this](const QStringList &p) { return MembersOf(p.at(0)); }).
//
// Containers that are not vectors (an ordered std::set, say) describe a level with
// their own CLevelAccess callbacks, and a table of many rows is filled and read back
// through SetTable() with ShowRows() and RowTexts():
//
// \code
// CLevelAccess coolants;
// coolants.names = [this](const QStringList &) { ... names in set order ... };
// coolants.contains = [this](const QStringList &, const QString &name) { ... };
// coolants.insert = [this](const QStringList &, const QString &name) { ... };
// coolants.erase = ...;
// coolants.rename = ...; // erase, then insert the renamed copy
// m_lists->SetTable(
//         [this](const QStringList &path) { m_lists->ShowRows(RowsOf(path.at(0))); },
//         [this](const QStringList &path) { ... m_lists->RowTexts(row) ... });
// \endcode

#include "core/NamedElements_p.h"
#include "core/TablePersistence_p.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QPushButton>
#include <QStringList>
#include <QTableWidget>

#include <functional>
#include <type_traits>
#include <utility>
#include <vector>

namespace KorvexCore {

/// Titles and messages of one list level.
struct CLevelTexts
{
    QString addTitle; ///< input box when adding
    QString renameTitle; ///< input box when renaming
    QString nameExists;
    QString notFound; ///< %1 = the name looked for
    QString confirmDelete;
};

/// How one level reaches its elements. Every callback receives the names selected in
/// the levels above (empty for the first level); those are known to exist.
struct CLevelAccess
{
    std::function<QStringList(const QStringList &parents)> names; ///< in display order
    std::function<bool(const QStringList &parents, const QString &name)> contains;
    /// A new element made from the name alone, at the end.
    std::function<void(const QStringList &parents, const QString &name)> insert;
    std::function<void(const QStringList &parents, const QString &name)> erase;
    std::function<void(const QStringList &parents, const QString &oldName, const QString &newName)>
        rename;
};

/// A level whose elements live in a std::vector of named records; \a children gives
/// the vector below the selected parents (null when there is none).
template<class T>
CLevelAccess VectorLevel(std::function<std::vector<T> *(const QStringList &parents)> children)
{
    CLevelAccess access;
    access.names = [children](const QStringList &parents) {
        QStringList names;
        if (const std::vector<T> *elements = children(parents)) {
            for (const T &element : *elements)
                names << element.GetName();
        }
        return names;
    };
    access.contains = [children](const QStringList &parents, const QString &name) {
        std::vector<T> *elements = children(parents);
        return elements && FindNamed(*elements, name);
    };
    access.insert = [children](const QStringList &parents, const QString &name) {
        if (std::vector<T> *elements = children(parents))
            InsertNamed(*elements, T(name));
    };
    access.erase = [children](const QStringList &parents, const QString &name) {
        if (std::vector<T> *elements = children(parents))
            DeleteNamed(*elements, name);
    };
    access.rename
        = [children](const QStringList &parents, const QString &oldName, const QString &newName) {
              std::vector<T> *elements = children(parents);
              if (T *element = elements ? FindNamed(*elements, oldName) : nullptr)
                  element->SetName(newName);
          };
    return access;
}

/// One table column bound to a text field of the leaf record.
template<class T> struct CTextColumn
{
    const QString &(T::*get)() const;
    void (T::*set)(const QString &);
};

class CEditorLists
{
    Q_DECLARE_TR_FUNCTIONS(KorvexCore::CEditorLists)

public:
    /// \a dialog parents every message box; \a table shows the selected leaf.
    CEditorLists(QWidget *dialog, QTableWidget *table);

    /// The texts the single-level editors share ("Категория …").
    static CLevelTexts CategoryTexts(const QString &addTitle, const QString &renameTitle);

    /// Appends the next level down the hierarchy; levels are numbered from 1.
    void AddLevel(QComboBox *list, const CLevelTexts &texts, CLevelAccess access);
    int LevelCount() const { return int(m_levels.size()); }

    /// How the table shows the leaf selected by \a path (one name per level) and
    /// stores the edited table back into it.
    void SetTable(std::function<void(const QStringList &path)> fill,
                  std::function<void(const QStringList &path)> store);

    /// The usual table: one row, one column per text field of the leaf; an edit
    /// writes every cell back through the setters, not only the edited one.
    template<class T>
    void SetOneRowTable(std::function<T *(const QStringList &path)> findLeaf,
                        std::vector<CTextColumn<T>> columns)
    {
        SetTable(
            [this, findLeaf, columns](const QStringList &path) {
                if (const T *leaf = findLeaf(path)) {
                    QStringList texts;
                    for (const CTextColumn<T> &column : columns)
                        texts << (leaf->*column.get)();
                    ShowRows({ texts });
                }
            },
            [this, findLeaf, columns](const QStringList &path) {
                T *leaf = findLeaf(path);
                if (!leaf || RowCount() == 0)
                    return;
                const QStringList texts = RowTexts(0);
                for (size_t i = 0; i < columns.size(); ++i)
                    (leaf->*columns[i].set)(texts.value(int(i)));
            });
    }

    // What the editor's slots call; \a level counts from 1.

    /// Fills the first list from the data and shows its first element (after SetData).
    void Refill();
    /// The current item of list \a level changed: refill the lists below and the table.
    void ListChanged(int level);
    void Add(int level);
    void Delete(int level);
    void Rename(int level);
    /// A table cell was edited: store the table into the selected leaf.
    void TableChanged();

    // Building blocks for editors with more than a one-row table.

    /// Looks up the elements selected in lists 1 … \a levels, appending their names
    /// to \a path. A missing element is reported and ends the lookup; an empty list
    /// ends it silently when \a quietWhenEmpty.
    bool LookUp(int levels, QStringList *path, bool quietWhenEmpty) const;
    void ClearTable();
    /// Appends \a rows with the table's signals blocked, then fits columns and rows.
    void ShowRows(const std::vector<QStringList> &rows);
    int RowCount() const;
    /// The display texts of every cell of \a row.
    QStringList RowTexts(int row) const;
    /// An information box titled "Редактор базы данных".
    void Inform(const QString &text) const;

private:
    struct CLevel
    {
        QComboBox *list;
        CLevelTexts texts;
        CLevelAccess access;
    };
    const CLevel &Level(int level) const { return m_levels[size_t(level - 1)]; }
    /// Asks for a name (\a oldName to start from) that no element below the selected
    /// parents has yet; false when the user gives none or the name is taken (reported).
    bool AskFreeName(int level, const QString &title, const QString &oldName, QStringList *parents,
                     QString *name) const;
    void ClearListsBelow(int level);
    void FillList(int level, const QStringList &parents);

    QWidget *m_dialog;
    QTableWidget *m_table;
    QString m_messageTitle;
    std::vector<CLevel> m_levels;
    std::function<void(const QStringList &)> m_fillTable;
    std::function<void(const QStringList &)> m_storeTable;
};

/// Sets the window icon every editor shows, an image beside the host executable.
void SetEditorWindowIcon(QWidget *dialog);

namespace Detail {
template<class Form, class = void> struct HasLevel2 : std::false_type
{
};
template<class Form>
struct HasLevel2<Form, std::void_t<decltype(&Form::m_pComboBox2)>> : std::true_type
{
};
template<class Form, class = void> struct HasLevel3 : std::false_type
{
};
template<class Form>
struct HasLevel3<Form, std::void_t<decltype(&Form::m_pComboBox3)>> : std::true_type
{
};
} // namespace Detail

/// Sets the window icon and connects the buttons, lists and table every editor form
/// has (levels 2 and 3 when the form has them) to the editor's slots of the same names.
template<class Dialog, class Form> void PrepareEditor(Dialog *dialog, Form *form)
{
    SetEditorWindowIcon(dialog);
    QObject::connect(form->m_pOKBtn, &QPushButton::clicked, dialog, &Dialog::slotClickedOk);
    QObject::connect(form->m_pCancelBtn, &QPushButton::clicked, dialog, &QDialog::reject);
    QObject::connect(form->m_pAdd1, &QPushButton::clicked, dialog, &Dialog::slotAddToCombo1);
    QObject::connect(form->m_pDel1, &QPushButton::clicked, dialog, &Dialog::slotDelToCombo1);
    QObject::connect(form->m_pMod1, &QPushButton::clicked, dialog, &Dialog::slotModToCombo1);
    QObject::connect(form->m_pComboBox1, &QComboBox::currentIndexChanged, dialog,
                     &Dialog::slotComboChanged1);
    if constexpr (Detail::HasLevel2<Form>::value) {
        QObject::connect(form->m_pAdd2, &QPushButton::clicked, dialog, &Dialog::slotAddToCombo2);
        QObject::connect(form->m_pDel2, &QPushButton::clicked, dialog, &Dialog::slotDelToCombo2);
        QObject::connect(form->m_pMod2, &QPushButton::clicked, dialog, &Dialog::slotModToCombo2);
        QObject::connect(form->m_pComboBox2, &QComboBox::currentIndexChanged, dialog,
                         &Dialog::slotComboChanged2);
    }
    if constexpr (Detail::HasLevel3<Form>::value) {
        QObject::connect(form->m_pAdd3, &QPushButton::clicked, dialog, &Dialog::slotAddToCombo3);
        QObject::connect(form->m_pDel3, &QPushButton::clicked, dialog, &Dialog::slotDelToCombo3);
        QObject::connect(form->m_pMod3, &QPushButton::clicked, dialog, &Dialog::slotModToCombo3);
        QObject::connect(form->m_pComboBox3, &QComboBox::currentIndexChanged, dialog,
                         &Dialog::slotComboChanged3);
    }
    QObject::connect(form->m_pDataTableWidget, &QTableWidget::cellChanged, dialog,
                     &Dialog::slotTableCellChanged);
}

/// The text columns of \a columns at \a positions, in the order given: the one-row table
/// of an editor that shows fields as they are stored.
template<class T>
std::vector<CTextColumn<T>> EditorTextColumns(const CColumns<T> &columns,
                                              std::initializer_list<int> positions)
{
    std::vector<CTextColumn<T>> shown;
    for (const int position : positions) {
        const CColumn<T> &column = columns.at(size_t(position));
        shown.push_back({ column.GetText(), column.SetText() });
    }
    return shown;
}

/// Tells the user, when a table of \a database could not be read whole, that its
/// editor is not opened (its save would be refused); returns whether it told.
bool RefuseEditingUnreadDatabase(const CTableDatabase &database);
/// Tells the user when the last save of \a database failed; the edits stay in memory.
void ReportFailedSave(const CTableDatabase &database);

/// What ShowContent does with its editor: run it modally, without parent, on a copy
/// of \a data, titled with the display name in double quotes; only when the user
/// accepts does the edited copy replace \a data and \a save run. A failed save is
/// reported, and a database whose tables could not be read is not edited at all.
template<class Editor, class Container, class Save>
void RunEditor(const CTableDatabase &database, Container &data, Save save)
{
    if (RefuseEditingUnreadDatabase(database))
        return;
    auto *editor = new Editor;
    editor->SetData(data);
    editor->setWindowTitle(
        editor->windowTitle().arg(QLatin1Char('"') + database.GetName() + QLatin1Char('"')));
    if (editor->exec() == QDialog::Accepted) {
        data = editor->GetData();
        save();
        ReportFailedSave(database);
    }
    delete editor;
}

} // namespace KorvexCore
