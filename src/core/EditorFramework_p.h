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
// const auto pipes = KorvexCore::VectorLevel(m_pipes);
// m_lists->AddLevel(m_ui->m_pComboBox1,
//                   CEditorLists::CategoryTexts(tr("Добавление нового типа трубы"),
//                                               tr("Изменение типа трубы")),
//                   pipes);
// m_lists->SetOneRowTable<CPipe>(
//         pipes.find, EditorTextColumns(PipeColumns(), { DOutsideColumn, ... }));
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
//     RunEditor<CPipeRedactorDialog>(*this, m_pipes, [this]() { SaveDataToDataBase(); });
// }
// \endcode
//
// A lower level is reached through the operations of its parent class; the parent is
// found by the level above, so each further level is one declaration:
//
// \code
// const auto groups = VectorLevel(m_groups);
// const auto materials = ChildLevel(groups, &CMaterialGroup::GetMaterials,
//                                   &CMaterialGroup::FindMaterial,
//                                   &CMaterialGroup::InsertMaterial,
//                                   &CMaterialGroup::DeleteMaterial);
// \endcode
//
// An ordered std::set of records is SetLevel(m_coolants); a table of many rows is
// filled and read back through SetTable() with ShowRows() and RowTexts() / CellIcon().

#include "core/NamedElements_p.h"
#include "core/TablePersistence_p.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QHash>
#include <QIcon>
#include <QPushButton>
#include <QStringList>
#include <QTableWidget>

#include <functional>
#include <set>
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

/// A level over records of type T. Besides what the lists need it finds the record a
/// path of names selects (one name per level down to this one), which is how the level
/// below reaches its parent and how a table reaches its leaf.
template<class T> struct CElementLevel : CLevelAccess
{
    int depth = 1; ///< 1 for the first list
    std::function<T *(const QStringList &path)> find;
};

namespace Detail {

/// A record made from its name alone, whether or not the class has a constructor for it.
template<class T> T MakeNamed(const QString &name)
{
    if constexpr (std::is_constructible_v<T, const QString &>) {
        return T(name);
    } else {
        T element;
        element.SetName(name);
        return element;
    }
}

template<class Elements> QStringList NamesOf(const Elements &elements)
{
    QStringList names;
    for (const auto &element : elements)
        names << element.GetName();
    return names;
}

/// How a record changes its name where it is kept: in place, or (when the container is
/// ordered by name) by taking it out and putting the renamed copy back.
enum class ERenaming { InPlace, Reinsert };

template<class T>
CElementLevel<T>
MakeLevel(int depth, std::function<QStringList(const QStringList &parents)> names,
          std::function<T *(const QStringList &parents, const QString &name)> find,
          std::function<void(const QStringList &parents, const T &element)> insert,
          std::function<void(const QStringList &parents, const QString &name)> erase,
          ERenaming renaming)
{
    CElementLevel<T> level;
    level.depth = depth;
    level.names = names;
    level.find = [find](const QStringList &path) {
        return find(path.mid(0, path.size() - 1), path.last());
    };
    level.contains = [find](const QStringList &parents, const QString &name) {
        return find(parents, name) != nullptr;
    };
    level.insert = [insert](const QStringList &parents, const QString &name) {
        insert(parents, MakeNamed<T>(name));
    };
    level.erase = erase;
    level.rename = [find, insert, erase, renaming](const QStringList &parents,
                                                   const QString &oldName, const QString &newName) {
        T *element = find(parents, oldName);
        if (!element)
            return;
        if (renaming == ERenaming::InPlace) {
            element->SetName(newName);
            return;
        }
        T renamed = *element;
        renamed.SetName(newName);
        erase(parents, oldName);
        insert(parents, renamed);
    };
    return level;
}

} // namespace Detail

/// The first level over a std::vector of named records, kept by the editor.
template<class T> CElementLevel<T> VectorLevel(std::vector<T> &elements)
{
    std::vector<T> *vector = &elements;
    return Detail::MakeLevel<T>(
        1, [vector](const QStringList &) { return Detail::NamesOf(*vector); },
        [vector](const QStringList &, const QString &name) { return FindNamed(*vector, name); },
        [vector](const QStringList &, const T &element) { InsertNamed(*vector, element); },
        [vector](const QStringList &, const QString &name) { DeleteNamed(*vector, name); },
        Detail::ERenaming::InPlace);
}

/// The first level over a std::set of records ordered by name: lookups are exact finds
/// with a key made from the name, and a renamed record moves to its new place in the set
/// (the list keeps showing it where it was until the next refill).
template<class T> CElementLevel<T> SetLevel(std::set<T> &elements)
{
    std::set<T> *set = &elements;
    return Detail::MakeLevel<T>(
        1, [set](const QStringList &) { return Detail::NamesOf(*set); },
        [set](const QStringList &, const QString &name) {
            return FindInSet(*set, Detail::MakeNamed<T>(name));
        },
        [set](const QStringList &, const T &element) { set->insert(element); },
        [set](const QStringList &, const QString &name) { set->erase(Detail::MakeNamed<T>(name)); },
        Detail::ERenaming::Reinsert);
}

/// The level below \a parents, whose records keep their children themselves: \a children
/// gives a parent's child vector (a const getter will do), \a find the first child of a
/// name (the non-const form; its key is the name or a record made from it), \a insert
/// appends a child and \a erase removes the first child of the given one's name.
template<class P, class C, class Key, class Children, class Insert, class Erase>
CElementLevel<C> ChildLevel(const CElementLevel<P> &parents, Children children, C *(P::*find)(Key),
                            Insert insert, Erase erase)
{
    const std::function<P *(const QStringList &)> parentOf = parents.find;
    return Detail::MakeLevel<C>(
        parents.depth + 1,
        [parentOf, children](const QStringList &path) {
            P *parent = parentOf(path);
            return parent ? Detail::NamesOf(std::invoke(children, *parent)) : QStringList();
        },
        [parentOf, find](const QStringList &path, const QString &name) -> C * {
            P *parent = parentOf(path);
            return parent ? (parent->*find)(Detail::MakeNamed<std::decay_t<Key>>(name)) : nullptr;
        },
        [parentOf, insert](const QStringList &path, const C &element) {
            if (P *parent = parentOf(path))
                std::invoke(insert, *parent, element);
        },
        [parentOf, erase](const QStringList &path, const QString &name) {
            if (P *parent = parentOf(path))
                std::invoke(erase, *parent, Detail::MakeNamed<C>(name));
        },
        Detail::ERenaming::InPlace);
}

/// One table column bound to a text field of the leaf record.
template<class T> struct CTextColumn
{
    const QString &(T::*get)() const;
    void (T::*set)(const QString &);
};

/// One table row as shown: a text per column, and an icon on the cells that carry a
/// picture (the decoration of the cell).
struct CTableRow
{
    CTableRow(QStringList texts = QStringList(), QHash<int, QIcon> icons = {})
        : texts(std::move(texts))
        , icons(std::move(icons))
    { }
    QStringList texts;
    QHash<int, QIcon> icons; ///< by column
};

/// Whether a lookup treats an empty list as the end of the road or as a failure.
enum class EEmptyLists {
    StopQuietly, ///< an empty list ends the lookup without a message
    Report ///< an empty list is looked up like any other, and its empty name is reported
};

/// What a change of a list (other than the last) does to the table.
enum class ETableOnChange {
    Clear, ///< emptied at once: an empty list or a failed lookup leaves no row
    KeepUntilRefilled ///< left as it is until a level below refills it
};

/// Asks for the name of a new element (\a current empty) or the new name of the current
/// one; an empty result means the user gave none.
using CNameAsker = std::function<QString(const QString &title, const QString &current)>;

/// What one level does differently from the usual.
struct CLevelOptions
{
    /// Replaces the one-line input box. Such an asker composes the name anew, so a
    /// rename that gives the old name back is refused as taken rather than ignored.
    CNameAsker askName;
    ETableOnChange table = ETableOnChange::Clear;
    /// Why a name cannot be stored as typed, or an empty text when it can: where loading
    /// trims or splits names, such a name would come back as another one, or merge with one.
    std::function<QString(const QString &name)> refuseName;
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
    void AddLevel(QComboBox *list, const CLevelTexts &texts, CLevelAccess access,
                  CLevelOptions options = CLevelOptions());
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
                    ShowRows({ CTableRow(texts) });
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
    /// Asks for a name and adds it (AddName).
    void Add(int level);
    void Delete(int level);
    /// Asks for a new name of the current element and gives it (RenameCurrent); the
    /// input box left unchanged does nothing.
    void Rename(int level);
    /// A table cell was edited: store the table into the selected leaf.
    void TableChanged();

    /// Adds an element named \a name under the selected parents and selects it; a
    /// missing parent or a taken name is reported. True when added.
    bool AddName(int level, const QString &name);
    /// Renames the current element of \a level to \a newName, which must be free among its
    /// siblings (its own name included); problems are reported. True when renamed.
    bool RenameCurrent(int level, const QString &newName);

    // Building blocks for editors with more than a one-row table.

    /// Looks up the elements selected in lists 1 … \a levels, appending their names
    /// to \a path. A missing element is reported and ends the lookup.
    bool LookUp(int levels, QStringList *path, EEmptyLists emptyLists) const;
    /// The record selected in lists 1 … \a level's depth, or null (reported when missing).
    template<class T>
    T *Selected(const CElementLevel<T> &level, EEmptyLists emptyLists = EEmptyLists::Report) const
    {
        QStringList path;
        return LookUp(level.depth, &path, emptyLists) ? level.find(path) : nullptr;
    }
    void ClearTable();
    /// Appends \a rows with the table's signals blocked, then fits columns and rows.
    void ShowRows(const std::vector<CTableRow> &rows);
    int RowCount() const;
    /// The display texts of every cell of \a row.
    QStringList RowTexts(int row) const;
    /// The icon shown in a cell; null when it has none.
    QIcon CellIcon(int row, int column) const;
    /// An information box titled "Редактор базы данных".
    void Inform(const QString &text) const;
    /// Refuses a typed cell: tells \a why, then runs \a redisplay (which shows the stored
    /// rows again) once the edit that got here has returned, since the table must not be
    /// refilled from inside its own change signal.
    void RefuseCellEdit(const QString &why, std::function<void()> redisplay) const;

private:
    struct CLevel
    {
        QComboBox *list;
        CLevelTexts texts;
        CLevelAccess access;
        CLevelOptions options;
    };
    const CLevel &Level(int level) const { return m_levels[size_t(level - 1)]; }
    /// The name the user gives, through the level's asker or the input box; empty for none.
    QString AskName(int level, const QString &title, const QString &current) const;
    /// Looks up the parents of \a level and checks that none of their children is
    /// called \a name; false after reporting a problem.
    bool IsFree(int level, const QString &name, QStringList *parents) const;
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

/// Widens every column of \a table that is narrower than its heading, so that no heading
/// is cut off in any language; the user can still resize the columns.
void FitHeadings(QTableWidget *table);

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

/// Sets the window icon, fits the table's columns to their headings and connects the
/// buttons, lists and table every editor form has (levels 2 and 3 when the form has them)
/// to the editor's slots of the same names.
template<class Dialog, class Form> void PrepareEditor(Dialog *dialog, Form *form)
{
    SetEditorWindowIcon(dialog);
    FitHeadings(form->m_pDataTableWidget);
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

/// For CLevelOptions::refuseName at levels whose loading trims names: refuses a name that
/// begins or ends with white space.
QString RefuseUntrimmedName(const QString &name);
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
