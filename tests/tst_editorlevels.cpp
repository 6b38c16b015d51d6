#include "EditorProbe.h"
#include "TestSupport.h"
#include "core/EditorFramework_p.h"

#include <QApplication>

using Rows = std::vector<QStringList>;

namespace {

/// A member has no constructor from its name alone.
struct CMember
{
    CMember() = default;
    CMember(const QString &name, const QString &value)
        : name(name)
        , value(value)
    { }
    const QString &GetName() const { return name; }
    void SetName(const QString &newName) { name = newName; }
    QString name, value;
};

/// A group offers its members as the data classes do: a const getter, Find by a key
/// member, Insert, and Delete of the first member of a name.
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
public:
    explicit CGroupEditor(std::vector<CGroup> data)
        : groups(std::move(data))
        , m_lists(this, Make<QTableWidget>("m_pDataTableWidget"))
    {
        using Lists = KorvexCore::CEditorLists;
        const auto groupLevel = KorvexCore::VectorLevel(groups);
        const auto members
            = KorvexCore::ChildLevel(groupLevel, &CGroup::GetMembers, &CGroup::FindMember,
                                     &CGroup::InsertMember, &CGroup::DeleteMember);
        m_lists.AddLevel(Make<QComboBox>("m_pComboBox1"),
                         Lists::CategoryTexts("Новая группа", "Другое имя"), groupLevel);
        m_lists.AddLevel(Make<QComboBox>("m_pComboBox2"),
                         { "Новый участник", "Другое имя участника", memberExists, notFound,
                           "Удалить участника?" },
                         members);
        for (int level : { 1, 2 }) {
            for (const auto &[name, act] :
                 { std::pair("m_pAdd%1", &Lists::Add), std::pair("m_pDel%1", &Lists::Delete),
                   std::pair("m_pMod%1", &Lists::Rename) })
                connect(Make<QPushButton>(QString(name).arg(level)), &QPushButton::clicked, this,
                        [this, level, act = act] { (m_lists.*act)(level); });
            connect(findChild<QComboBox *>(QString("m_pComboBox%1").arg(level)),
                    &QComboBox::currentIndexChanged, this,
                    [this, level] { m_lists.ListChanged(level); });
        }
        m_lists.SetTable(
            [this, members](const QStringList &path) {
                m_lists.ShowRows({ { { members.find(path)->value }, {} } });
            },
            [this, members](const QStringList &path) {
                members.find(path)->value = m_lists.RowTexts(0).value(0);
            });
        auto *table = findChild<QTableWidget *>();
        table->setColumnCount(1);
        connect(table, &QTableWidget::cellChanged, this, [this] { m_lists.TableChanged(); });
        m_lists.Refill();
    }

    std::vector<CGroup> groups;

private:
    template<class W> W *Make(const QString &name)
    {
        auto *widget = new W(this);
        widget->setObjectName(name);
        return widget;
    }

    KorvexCore::CEditorLists m_lists;
};

std::vector<CGroup> SampleGroups()
{
    return { CGroup("G1", { { "m1", "v1" }, { "m2", "v2" } }), CGroup("G2", { { "m1", "w1" } }) };
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
        probe.Select(2, "m2");
        probe.Type(0, 0, "v2*");
        prompts.AnswerText("m1"); // taken in G1
        prompts.AnswerButton(QMessageBox::Ok);
        probe.Add(2);
        prompts.AnswerText("m3");
        probe.Add(2);
        QCOMPARE(Members(editor.groups[0]), QStringList({ "m1=v1", "m2=v2*", "m3=" }));
        QCOMPARE(probe.Rows(), Rows({ { "" } }));

        // The other group's members are its own: names taken in G1 are free there.
        probe.Select(1, "G2");
        QCOMPARE(probe.Rows(), Rows({ { "w1" } }));
        prompts.AnswerText("m3");
        probe.Add(2);
        prompts.AnswerText("m2");
        probe.Rename(2);
        QCOMPARE(Members(editor.groups[1]), QStringList({ "m1=w1", "m2=" }));

        // A renamed parent still finds its children; deleting it shows the next one's.
        prompts.AnswerText("H");
        probe.Rename(1);
        prompts.AnswerButton(QMessageBox::Yes);
        probe.Delete(2);
        QCOMPARE(Members(editor.groups[1]), QStringList({ "m1=w1" }));
        prompts.AnswerButton(QMessageBox::Yes);
        probe.Delete(1);
        QCOMPARE(probe.Items(2), QStringList({ "m1", "m2", "m3" }));
        QCOMPARE(prompts.Texts(),
                 QStringList({ label, memberExists, label, label, label, label,
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
        editor.groups[0].DeleteMember(CMember("m2", {}));
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
};

QTEST_MAIN(TestEditorLevels)
#include "tst_editorlevels.moc"
