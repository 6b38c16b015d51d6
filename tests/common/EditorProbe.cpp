#include "EditorProbe.h"

#include <QComboBox>
#include <QPushButton>
#include <QTableWidget>

namespace KorvexTest {

template<class W> W *CEditorProbe::Get(const QString &name) const
{
    W *widget = m_dialog->findChild<W *>(name);
    if (!widget)
        qFatal("%s has no widget %s", qPrintable(m_dialog->objectName()), qPrintable(name));
    return widget;
}

QComboBox *CEditorProbe::List(int level) const
{
    return Get<QComboBox>(QStringLiteral("m_pComboBox%1").arg(level));
}

QStringList CEditorProbe::Items(int level) const
{
    QStringList items;
    const QComboBox *list = List(level);
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    return items;
}

QString CEditorProbe::Current(int level) const
{
    return List(level)->currentText();
}

void CEditorProbe::Select(int level, const QString &name) const
{
    List(level)->setCurrentIndex(List(level)->findText(name));
}

void CEditorProbe::Add(int level) const
{
    Click(QStringLiteral("m_pAdd%1").arg(level));
}

void CEditorProbe::Delete(int level) const
{
    Click(QStringLiteral("m_pDel%1").arg(level));
}

void CEditorProbe::Rename(int level) const
{
    Click(QStringLiteral("m_pMod%1").arg(level));
}

QPushButton *CEditorProbe::Button(const QString &name) const
{
    return Get<QPushButton>(name);
}

void CEditorProbe::Click(const QString &button) const
{
    Button(button)->click();
}

QTableWidget *CEditorProbe::Table() const
{
    return Get<QTableWidget>(QStringLiteral("m_pDataTableWidget"));
}

QStringList CEditorProbe::Headings() const
{
    QStringList headings;
    const QTableWidget *table = Table();
    for (int column = 0; column < table->columnCount(); ++column)
        headings << table->horizontalHeaderItem(column)->text();
    return headings;
}

std::vector<QStringList> CEditorProbe::Rows() const
{
    std::vector<QStringList> rows;
    const QTableWidget *table = Table();
    for (int row = 0; row < table->rowCount(); ++row) {
        QStringList texts;
        for (int column = 0; column < table->columnCount(); ++column)
            texts << (table->item(row, column) ? table->item(row, column)->text() : QString());
        rows.push_back(texts);
    }
    return rows;
}

void CEditorProbe::Type(int row, int column, const QString &text) const
{
    Table()->item(row, column)->setText(text);
}

} // namespace KorvexTest
