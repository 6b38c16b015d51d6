#pragma once

#include <QString>
#include <QStringList>

#include <vector>

class QComboBox;
class QPushButton;
class QTableWidget;
class QWidget;

namespace KorvexTest {

/// Drives any editor dialog the way a user does, through the object names its form
/// gives the widgets: the lists m_pComboBox1, m_pComboBox2 …, the buttons of each level
/// (m_pAdd1, m_pDel1, m_pMod1 …), the table m_pDataTableWidget and the dialog buttons.
/// A widget that is missing ends the test run with its name.
class CEditorProbe
{
public:
    explicit CEditorProbe(QWidget *dialog)
        : m_dialog(dialog)
    { }

    QWidget *Dialog() const { return m_dialog; }

    QComboBox *List(int level) const;
    QStringList Items(int level) const;
    QString Current(int level) const;
    /// Makes \a name current in list \a level, with signals on, as picking it does.
    void Select(int level, const QString &name) const;

    /// Clicks the add / delete / rename button of list \a level.
    void Add(int level) const;
    void Delete(int level) const;
    void Rename(int level) const;
    QPushButton *Button(const QString &name) const;
    void Click(const QString &button) const;

    QTableWidget *Table() const;
    QStringList Headings() const;
    /// The texts of every table row, top down.
    std::vector<QStringList> Rows() const;
    /// Writes \a text into a cell, which the table reports as an edit.
    void Type(int row, int column, const QString &text) const;

private:
    template<class W> W *Get(const QString &name) const;

    QWidget *m_dialog;
};

} // namespace KorvexTest
