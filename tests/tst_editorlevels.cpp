#include "EditorProbe.h"
#include "TestSupport.h"
#include "core/EditorFramework_p.h"

#include <QApplication>

using KorvexCore::CLevelOptions;
using Rows = std::vector<QStringList>;

namespace {

/// A member has no constructor from its name alone; its mark is a colour that the table
/// shows as the icon of the note cell.
class CMember
{
public:
    CMember() = default;
    CMember(const QString &name, const QString &value, const QColor &mark)
        : name(name)
        , value(value)
        , mark(mark)
    { }
    const QString &GetName() const { return name; }
    void SetName(const QString &newName) { name = newName; }
    QString name, value;
    QColor mark;
};

/// A group offers its members as the data classes do: a const getter, Find (const and
/// not) by a key member, Insert, and Delete of the first member of a name.
class CGroup
{
public:
    explicit CGroup(const QString &name, std::vector<CMember> members = {})
        : m_name(name)
        , m_members(std::move(members))
    { }
    const QString &GetName() const { return m_name; }
    void SetName(const QString &name) { m_name = name; }
    const std::vector<CMember> &GetMembers() const { return m_members; }
    CMember *FindMember(const CMember &key) { return KorvexCore::FindNamed(m_members, key.name); }
    const CMember *FindMember(const CMember &key) const
    {
        return KorvexCore::FindNamed(m_members, key.name);
    }
    void InsertMember(const CMember &member) { m_members.push_back(member); }
    void DeleteMember(const CMember &member) { KorvexCore::DeleteNamed(m_members, member.name); }

private:
    QString m_name;
    std::vector<CMember> m_members;
};

const QString memberExists = QStringLiteral("Участник с таким именем уже есть!");
const QString notFound = QStringLiteral("Не удалось найти участника %1!");
const QString label = QStringLiteral("Введите имя:");

/// Groups and their members, on plain widgets named as the editor forms name theirs.
class CGroupEditor : public QDialog
{
    Q_OBJECT

public:
    struct CForm
    {
        QComboBox *m_pComboBox1, *m_pComboBox2;
        QPushButton *m_pAdd1, *m_pDel1, *m_pMod1, *m_pAdd2, *m_pDel2, *m_pMod2, *m_pOKBtn,
            *m_pCancelBtn;
        QTableWidget *m_pDataTableWidget;
    };

    CGroupEditor(std::vector<CGroup> data, const CLevelOptions &groupOptions = {},
                 const CLevelOptions &memberOptions = {})
        : groups(std::move(data))
        , m_form { Make<QComboBox>("m_pComboBox1"),
                   Make<QComboBox>("m_pComboBox2"),
                   Make<QPushButton>("m_pAdd1"),
                   Make<QPushButton>("m_pDel1"),
                   Make<QPushButton>("m_pMod1"),
                   Make<QPushButton>("m_pAdd2"),
                   Make<QPushButton>("m_pDel2"),
                   Make<QPushButton>("m_pMod2"),
                   Make<QPushButton>("m_pOKBtn"),
                   Make<QPushButton>("m_pCancelBtn"),
                   Make<QTableWidget>("m_pDataTableWidget") }
        , m_lists(this, m_form.m_pDataTableWidget)
    {
        m_form.m_pDataTableWidget->setColumnCount(2);
        const auto groupLevel = KorvexCore::VectorLevel(groups);
        const auto members
            = KorvexCore::ChildLevel(groupLevel, &CGroup::GetMembers, &CGroup::FindMember,
                                     &CGroup::InsertMember, &CGroup::DeleteMember);
        m_lists.AddLevel(m_form.m_pComboBox1,
                         KorvexCore::CEditorLists::CategoryTexts("Новая группа", "Другое имя"),
                         groupLevel, groupOptions);
        m_lists.AddLevel(m_form.m_pComboBox2,
                         { "Новый участник", "Другое имя участника", memberExists, notFound,
                           "Удалить участника?" },
                         members, memberOptions);
        m_lists.SetTable(
            [this, members](const QStringList &path) {
                const CMember *member = members.find(path);
                QHash<int, QIcon> icons;
                if (member->mark.isValid()) {
                    QPixmap pixmap(8, 8);
                    pixmap.fill(member->mark);
                    icons.insert(1, QIcon(pixmap));
                }
                m_lists.ShowRows({ { { member->value, "note" }, icons } });
            },
            [this, members](const QStringList &path) {
                CMember *member = members.find(path);
                member->value = m_lists.RowTexts(0).value(0);
                const QIcon icon = m_lists.CellIcon(0, 1);
                member->mark = icon.isNull() ? QColor() : icon.pixmap(8).toImage().pixelColor(0, 0);
            });
        KorvexCore::PrepareEditor(this, &m_form);
        m_lists.Refill();
    }

    std::vector<CGroup> groups;

public slots:
    void slotClickedOk() { accept(); }
    void slotAddToCombo1() { m_lists.Add(1); }
    void slotAddToCombo2() { m_lists.Add(2); }
    void slotDelToCombo1() { m_lists.Delete(1); }
    void slotDelToCombo2() { m_lists.Delete(2); }
    void slotModToCombo1() { m_lists.Rename(1); }
    void slotModToCombo2() { m_lists.Rename(2); }
    void slotComboChanged1(int) { m_lists.ListChanged(1); }
    void slotComboChanged2(int) { m_lists.ListChanged(2); }
    void slotTableCellChanged(int, int) { m_lists.TableChanged(); }

private:
    template<class W> W *Make(const char *name)
    {
        auto *widget = new W(this);
        widget->setObjectName(name);
        return widget;
    }

    CForm m_form;
    KorvexCore::CEditorLists m_lists;
};

std::vector<CGroup> SampleGroups()
{
    return { CGroup("G1", { { "m1", "v1", Qt::red }, { "m2", "v2", QColor() } }),
             CGroup("G2", { { "m1", "w1", QColor() } }) };
}

/// "name=value" of every member of \a group.
QStringList Members(const CGroup &group)
{
    QStringList names;
    for (const CMember &member : group.GetMembers())
        names << member.name + '=' + member.value;
    return names;
}

} // namespace

class TestEditorLevels : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void childLevelFollowsTheSelectedParent()
    {
        KorvexTest::CScriptedPrompts prompts;
        CGroupEditor editor(SampleGroups());
        const KorvexTest::CEditorProbe probe(&editor);
        QCOMPARE(probe.Items(2), QStringList({ "m1", "m2" }));
        QCOMPARE(probe.Rows(), Rows({ { "v1", "note" } }));
        QVERIFY(!probe.Table()->item(0, 1)->icon().isNull());

        // An edit stores the text and reads the mark back from the icon.
        probe.Type(0, 0, "v1*");
        QCOMPARE(editor.groups[0].GetMembers()[0].mark, QColor(Qt::red));
        probe.Select(2, "m2");
        QVERIFY(probe.Table()->item(0, 1)->icon().isNull());
        probe.Type(0, 0, "v2*");
        QVERIFY(!editor.groups[0].GetMembers()[1].mark.isValid());

        prompts.AnswerText("m1"); // taken in G1
        prompts.AnswerButton(QMessageBox::Ok);
        probe.Add(2);
        prompts.AnswerText("m3");
        probe.Add(2);
        QCOMPARE(Members(editor.groups[0]), QStringList({ "m1=v1*", "m2=v2*", "m3=" }));
        QCOMPARE(probe.Current(2), QStringLiteral("m3"));
        QCOMPARE(probe.Rows(), Rows({ { "", "note" } }));

        // The other group's members are its own: the same names are free there.
        probe.Select(1, "G2");
        QCOMPARE(probe.Rows(), Rows({ { "w1", "note" } }));
        prompts.AnswerText("m3");
        probe.Add(2);
        prompts.AnswerText("m1");
        prompts.AnswerButton(QMessageBox::Ok);
        probe.Rename(2);
        prompts.AnswerText("m2");
        probe.Rename(2);
        QCOMPARE(Members(editor.groups[1]), QStringList({ "m1=w1", "m2=" }));

        // A renamed parent still finds its children.
        prompts.AnswerText("H");
        probe.Rename(1);
        QCOMPARE(probe.Items(2), QStringList({ "m1", "m2" }));
        prompts.AnswerButton(QMessageBox::Yes);
        probe.Delete(2);
        QCOMPARE(Members(editor.groups[1]), QStringList({ "m1=w1" }));
        prompts.AnswerButton(QMessageBox::Yes);
        probe.Delete(1);
        QCOMPARE(probe.Items(1), QStringList({ "G1" }));
        QCOMPARE(probe.Items(2), QStringList({ "m1", "m2", "m3" }));

        QCOMPARE(prompts.Texts(),
                 QStringList({ label, memberExists, label, label, label, memberExists, label, label,
                               "Удалить участника?", "Подтверждаете удаление категории?" }));
        QCOMPARE(prompts.Requests()[0].title, QStringLiteral("Новый участник"));
        QCOMPARE(prompts.Requests()[4].initialText, QStringLiteral("m3"));
    }

    void lookupFailuresAreReported()
    {
        KorvexTest::CScriptedPrompts prompts;
        CGroupEditor editor(SampleGroups());
        const KorvexTest::CEditorProbe probe(&editor);

        // Removed behind the editor's back, while the lists still show them.
        editor.groups[0].DeleteMember(CMember("m2", {}, {}));
        prompts.AnswerButton(QMessageBox::Ok);
        probe.Select(2, "m2");
        QCOMPARE(probe.Rows(), Rows());
        prompts.AnswerText("m9");
        prompts.AnswerButton(QMessageBox::Ok);
        probe.Rename(2);
        prompts.AnswerButton(QMessageBox::Yes);
        prompts.AnswerButton(QMessageBox::Ok);
        probe.Delete(2);
        QCOMPARE(probe.Items(2), QStringList({ "m1", "m2" }));

        editor.groups.erase(editor.groups.begin());
        prompts.AnswerText("m9");
        prompts.AnswerButton(QMessageBox::Ok);
        probe.Add(2);
        QCOMPARE(Members(editor.groups[0]), QStringList({ "m1=w1" }));

        const QString m2 = notFound.arg("m2");
        QCOMPARE(prompts.Texts(),
                 QStringList({ m2, label, m2, "Удалить участника?", m2, label,
                               "Не удалось найти категорию G1!" }));
        QCOMPARE(prompts.Requests()[0].title, QStringLiteral("Редактор базы данных"));
        QCOMPARE(prompts.Requests()[0].buttons, QMessageBox::Ok);
    }

    void ownNameAskerCountsTheOldNameAsTaken()
    {
        KorvexTest::CScriptedPrompts prompts;
        QStringList asked; // title and current name of every question
        QStringList answers { "a: b", "", "m1", "a: b", "c: d" };
        CLevelOptions members;
        members.askName = [&](const QString &title, const QString &current) {
            asked << title + '|' + current;
            return answers.takeFirst();
        };
        CGroupEditor editor(SampleGroups(), {}, members);
        const KorvexTest::CEditorProbe probe(&editor);
        probe.Add(2); // added
        probe.Rename(2); // no name: nothing at all
        prompts.AnswerButton(QMessageBox::Ok);
        probe.Rename(2); // taken by another member
        prompts.AnswerButton(QMessageBox::Ok);
        probe.Rename(2); // its own name: taken as well
        probe.Rename(2);
        const QString renaming = "Другое имя участника|a: b";
        QCOMPARE(asked, QStringList({ "Новый участник|", renaming, renaming, renaming, renaming }));
        QCOMPARE(prompts.Texts(), QStringList({ memberExists, memberExists }));
        QCOMPARE(Members(editor.groups[0]), QStringList({ "m1=v1", "m2=v2", "c: d=" }));

        // The groups still ask through the input box, where the old name means no change.
        prompts.AnswerText("G1");
        probe.Rename(1);
        QCOMPARE(prompts.Texts().size(), 3);
    }

    void emptyListKeepsOrClearsTheTable_data()
    {
        QTest::addColumn<bool>("keep");
        QTest::newRow("cleared") << false;
        QTest::newRow("kept") << true;
    }
    void emptyListKeepsOrClearsTheTable()
    {
        QFETCH(bool, keep);
        KorvexTest::CScriptedPrompts prompts;
        CLevelOptions groups;
        groups.table = keep ? KorvexCore::ETableOnChange::KeepUntilRefilled
                            : KorvexCore::ETableOnChange::Clear;
        CGroupEditor editor({ CGroup("G1", { { "m1", "w1", QColor() } }) }, groups);
        const KorvexTest::CEditorProbe probe(&editor);
        const Rows row { { "w1", "note" } };

        // A group without members shows no row either way.
        prompts.AnswerText("G2");
        probe.Add(1);
        QCOMPARE(probe.Rows(), Rows());
        prompts.AnswerButton(QMessageBox::Yes);
        probe.Delete(1);
        QCOMPARE(probe.Rows(), row);

        prompts.AnswerButton(QMessageBox::Yes);
        probe.Delete(1);
        QCOMPARE(probe.Items(2), QStringList());
        QCOMPARE(probe.Rows(), keep ? row : Rows());
    }
};

QTEST_MAIN(TestEditorLevels)
#include "tst_editorlevels.moc"
