#pragma once

#include <QComboBox>
#include <QPushButton>
#include <QTableWidget>

#include <vector>

namespace KorvexTest {

/// Drives any editor dialog as a user does, through the object names its form gives the
/// widgets: the lists m_pComboBox1 …, each level's buttons m_pAdd1, m_pDel1, m_pMod1 …,
/// the table m_pDataTableWidget and the dialog buttons. A missing widget ends the run.
class CEditorProbe
{
public:
    explicit CEditorProbe(QWidget *dialog)
        : m_dialog(dialog)
    { }
    QWidget *Dialog() const { return m_dialog; }

    QComboBox *List(int level) const { return Get<QComboBox>("m_pComboBox%1", level); }
    QStringList Items(int level) const
    {
        QStringList items;
        for (int i = 0; i < List(level)->count(); ++i)
            items << List(level)->itemText(i);
        return items;
    }
    QString Current(int level) const { return List(level)->currentText(); }
    /// Makes \a name current with signals on, as picking it does.
    void Select(int level, const QString &name) const
    {
        List(level)->setCurrentIndex(List(level)->findText(name));
    }

    void Add(int level) const { Get<QPushButton>("m_pAdd%1", level)->click(); }
    void Delete(int level) const { Get<QPushButton>("m_pDel%1", level)->click(); }
    void Rename(int level) const { Get<QPushButton>("m_pMod%1", level)->click(); }
    QPushButton *Button(const QString &name) const { return Get<QPushButton>(name); }
    void Click(const QString &button) const { Button(button)->click(); }

    QTableWidget *Table() const { return Get<QTableWidget>("m_pDataTableWidget"); }
    QStringList Headings() const
    {
        QStringList headings;
        for (int column = 0; column < Table()->columnCount(); ++column)
            headings << Table()->horizontalHeaderItem(column)->text();
        return headings;
    }
    /// The texts of every table row, top down.
    std::vector<QStringList> Rows() const
    {
        std::vector<QStringList> rows;
        const QTableWidget *table = Table();
        for (int row = 0; row < table->rowCount(); ++row) {
            rows.emplace_back();
            for (int column = 0; column < table->columnCount(); ++column)
                rows.back() << (table->item(row, column) ? table->item(row, column)->text() : "");
        }
        return rows;
    }
    /// Writes \a text into a cell, which the table reports as an edit.
    void Type(int row, int column, const QString &text) const
    {
        Table()->item(row, column)->setText(text);
    }

private:
    template<class W> W *Get(const QString &name, int level = 0) const
    {
        W *widget = m_dialog->findChild<W *>(level ? name.arg(level) : name);
        if (!widget)
            qFatal("%s has no widget %s", qPrintable(m_dialog->objectName()), qPrintable(name));
        return widget;
    }

    QWidget *m_dialog;
};

} // namespace KorvexTest
