#include "ConstructionDialog.h"
#include "DatabaseKinds.h"
#include "HostWindow.h"
#include "KorvexDatabase.h"
#include "LoopInputDialog.h"
#include "SectionDialog.h"
#include "TestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QDomDocument>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QProcess>
#include <QSqlDatabase>
#include <QTabWidget>
#include <QTranslator>

#include <set>

using KorvexTest::CModalHelper;

namespace {

using Messages = std::set<std::pair<QString, QString>>; ///< context and source text

bool Russian(const QString &text)
{
    static const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    return text.contains(cyrillic);
}

/// Every message of a .ts file; \a unfinished gets those without a finished English
/// translation, or whose translation drops or adds a %n placeholder.
Messages ReadTs(const QString &path, QStringList *unfinished = nullptr)
{
    QFile file(path);
    QDomDocument doc;
    if (!file.open(QIODevice::ReadOnly) || !doc.setContent(&file))
        return {};
    Messages messages;
    const QDomNodeList contexts = doc.elementsByTagName(QStringLiteral("context"));
    for (int c = 0; c < contexts.size(); ++c) {
        const QDomElement context = contexts.at(c).toElement();
        const QString name = context.firstChildElement(QStringLiteral("name")).text();
        for (QDomElement m = context.firstChildElement(QStringLiteral("message")); !m.isNull();
             m = m.nextSiblingElement(QStringLiteral("message"))) {
            const QString source = m.firstChildElement(QStringLiteral("source")).text();
            const QDomElement translation = m.firstChildElement(QStringLiteral("translation"));
            messages.emplace(name, source);
            const auto args = [](const QString &text) {
                QStringList found;
                for (const auto &match :
                     QRegularExpression(QStringLiteral("%\\d")).globalMatch(text))
                    found << match.captured();
                found.sort();
                return found;
            };
            if (unfinished
                && (translation.hasAttribute(QStringLiteral("type"))
                    || translation.text().trimmed().isEmpty() || Russian(translation.text())
                    || args(translation.text()) != args(source)))
                *unfinished << name + ": " + source;
        }
    }
    return messages;
}

/// What a user cannot read in \a dialog: Russian left in its texts, and labels, buttons,
/// group titles and column headings narrower than their text.
QStringList Unreadable(QWidget *dialog)
{
    QStringList found;
    const auto check = [&found](const QString &what, const QString &text, bool fits) {
        if (Russian(text))
            found << "untranslated " + what + ": " + text;
        else if (!fits)
            found << "clipped " + what + ": " + text;
    };
    check("title", dialog->windowTitle(), true);
    for (QAction *action : dialog->findChildren<QAction *>())
        check("action", action->text(), true);
    for (QTabWidget *tabs : dialog->findChildren<QTabWidget *>()) {
        for (int i = 0; i < tabs->count(); ++i)
            check("tab", tabs->tabText(i), true);
    }
    for (QLabel *label : dialog->findChildren<QLabel *>()) {
        if (label->isVisible())
            check("label", label->text(),
                  label->wordWrap() ? label->heightForWidth(label->width()) <= label->height()
                                    : label->sizeHint().width() <= label->width());
    }
    for (QAbstractButton *button : dialog->findChildren<QAbstractButton *>()) {
        if (button->isVisible() && !button->text().isEmpty())
            check("button", button->text(), button->sizeHint().width() <= button->width());
    }
    for (QGroupBox *box : dialog->findChildren<QGroupBox *>()) {
        if (box->isVisible())
            check("group", box->title(), box->minimumSizeHint().width() <= box->width());
    }
    for (QHeaderView *header : dialog->findChildren<QHeaderView *>()) {
        if (!header->isVisible())
            continue;
        for (int i = 0; i < header->count(); ++i) {
            const QString text = header->model()->headerData(i, header->orientation()).toString();
            const bool fits = header->orientation() == Qt::Vertical || header->isSectionHidden(i)
                || header->sectionSize(i) >= header->sectionSizeHint(i);
            check("heading", text, fits);
        }
    }
    return found;
}

/// Renders \a widget in English to a screenshot and tells what a user cannot read in it.
QStringList Inspect(QWidget *widget, const QString &name)
{
    KorvexTest::SaveScreenshot(widget, "en_" + name);
    QStringList problems;
    for (const QString &p : Unreadable(widget))
        problems << name + ": " + p;
    return problems;
}

/// The shipped default database, every table filled with sourced data.
void Seed(const KorvexTest::CTempDatabase &db)
{
    QSqlDatabase::database().close();
    QFile::remove(db.Path());
    QVERIFY(QFile::copy(KORVEX_DEFAULT_DATABASE, db.Path()));
    QFile(db.Path()).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    KorvexTest::CTempDatabase::Reopen();
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        CModalHelper::StopAll();
        KorvexCore::InstallTranslator(QLocale(QLocale::Russian));
        QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    /// The library's texts and the demo host's, each file from lupdate over its sources.
    void translationFiles_data()
    {
        QTest::addColumn<QString>("tsFile");
        QTest::addColumn<QString>("sources");
        QTest::addColumn<int>("minimum"); // a file read short would pass the other checks
        QTest::newRow("library") << KORVEX_TS_FILE << KORVEX_SRC_DIR << 250;
        QTest::newRow("host") << KORVEX_HOST_TS_FILE << KORVEX_HOST_DIR << 50;
    }
    void translationFiles()
    {
        QFETCH(QString, tsFile);
        QFETCH(QString, sources);
        QFETCH(int, minimum);
        QStringList unfinished;
        const Messages committed = ReadTs(tsFile, &unfinished);
        QVERIFY(int(committed.size()) > minimum);
        QVERIFY2(unfinished.isEmpty(), qPrintable(unfinished.join('\n')));

        // lupdate over the sources now must find exactly the texts the file translates.
        QTemporaryDir dir;
        const QString fresh = dir.filePath(QStringLiteral("fresh.ts"));
        QProcess lupdate;
        lupdate.start(KORVEX_LUPDATE,
                      { "-no-obsolete", "-locations", "none", "-silent", "-I", sources, sources,
                        "-ts", fresh });
        QVERIFY(lupdate.waitForFinished(60000));
        QCOMPARE(lupdate.exitCode(), 0);
        const Messages now = ReadTs(fresh);
        QStringList added, gone;
        for (const auto &m : now)
            if (!committed.count(m))
                added << m.first + ": " + m.second;
        for (const auto &m : committed)
            if (!now.count(m))
                gone << m.first + ": " + m.second;
        QVERIFY2(added.isEmpty() && gone.isEmpty(),
                 qPrintable("run the update_translations target; new: " + added.join(", ")
                            + "; gone: " + gone.join(", ")));
    }

    void installerFollowsTheLocale()
    {
        QVERIFY(KorvexCore::InstallTranslator(QLocale(QLocale::English)));
        QCOMPARE(QCoreApplication::translate("QApplication", "Трубы"), QStringLiteral("Pipes"));
        QVERIFY(!KorvexCore::InstallTranslator(QLocale(QLocale::German))); // none: Russian
        QCOMPARE(QCoreApplication::translate("QApplication", "Трубы"), QStringLiteral("Трубы"));
        QVERIFY(KorvexCore::InstallTranslator(QLocale(QLocale::English, QLocale::UnitedKingdom)));
        QVERIFY(KorvexCore::InstallTranslator(QLocale(QLocale::Russian)));
        QCOMPARE(QCoreApplication::translate("QApplication", "Трубы"), QStringLiteral("Трубы"));
    }

    void englishLoadAndSaveWriteTheSameTables_data() { KorvexTest::AddKindRows(); }
    void englishLoadAndSaveWriteTheSameTables()
    {
        QFETCH(QString, kind);
        const KorvexTest::CDatabaseKind &k = *KorvexTest::FindDatabaseKind(kind);
        KorvexTest::CTempDatabase db;
        Seed(db);
        // The rows and the CREATE statements: a translated column name would show there.
        const auto dump = [&k]() {
            return KorvexTest::DumpTables(k.tables)
                + KorvexTest::CTempDatabase::Column("SELECT sql FROM sqlite_master ORDER BY name");
        };
        const auto loadAndSave = [&k]() {
            const auto database = KorvexTest::LoadAndSave(k);
            return database->GetLastError().IsValid() ? QString() : database->GetName();
        };
        const QString russianName = loadAndSave();
        const QStringList russian = dump();
        QVERIFY(KorvexTest::DumpTables(k.tables).size() > 2 * k.tables.size()); // rows to lose

        QVERIFY(KorvexCore::InstallTranslator(QLocale(QLocale::English)));
        const QString englishName = loadAndSave();
        QVERIFY2(!englishName.isEmpty() && englishName != russianName, "saved in English");
        QCOMPARE(dump(), russian);
    }

    void dialogsReadInEnglish()
    {
        // Installed before the databases exist: the kept dialogs take their texts then.
        QVERIFY(KorvexCore::InstallTranslator(QLocale(QLocale::English)));
        KorvexTest::CTempDatabase db;
        Seed(db);
        std::set<QString> classes { "QApplication", "KorvexCore::CEditorLists" };
        QStringList problems;
        const auto inspect = [&](QWidget *dialog, const QString &name) {
            classes.insert(dialog->metaObject()->className());
            problems << Inspect(dialog, name);
        };

        std::vector<std::unique_ptr<KorvexCore::CTableDatabase>> databases;
        const KorvexMaterialDatabase::CMaterialDatabase *materials = nullptr;
        for (const KorvexTest::CDatabaseKind &kind : KorvexTest::DatabaseKinds()) {
            databases.push_back(kind.create());
            if (!materials)
                materials = dynamic_cast<decltype(materials)>(databases.back().get());
        }
        for (auto &database : databases) {
            database->LoadData();
            CModalHelper helper;
            helper.Start([&](QWidget *dialog) {
                const QString name = QString(dialog->metaObject()->className()).section(':', -1);
                if (auto *tabs = dialog->findChild<QTabWidget *>()) { // each climate page
                    for (int i = 0; i < tabs->count(); ++i) {
                        tabs->setCurrentIndex(i);
                        classes.insert(tabs->widget(i)->metaObject()->className());
                        inspect(dialog, name + '_' + QString::number(i));
                    }
                } else {
                    inspect(dialog, name);
                }
                static_cast<QDialog *>(dialog)->reject();
            });
            database->ShowContent();
        }

        KorvexCoolantDatabase::CLoopsDialog loops;
        KorvexMaterialDatabase::CLayerDialog layer(materials);
        KorvexEmbrasureDatabase::CEmbrasureInputDialog opening;
        for (QDialog *dialog : std::initializer_list<QDialog *> { &loops, &layer, &opening }) {
            dialog->show();
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            inspect(dialog, QString(dialog->metaObject()->className()).section(':', -1));
            dialog->hide();
        }

        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
        // A context no class or form answers to is never looked up: its texts would stay
        // Russian (lupdate names a class it could not place without its namespace).
        for (const QFileInfo &form : QDir(KORVEX_SRC_DIR "/forms").entryInfoList({ "*.ui" })) {
            QFile file(form.filePath());
            QVERIFY(file.open(QIODevice::ReadOnly));
            QDomDocument ui;
            QVERIFY(ui.setContent(&file));
            classes.insert(ui.documentElement().firstChildElement("class").text());
        }
        for (const auto &message : ReadTs(KORVEX_TS_FILE))
            QVERIFY2(classes.count(message.first), qPrintable(message.first));
    }

    void hostReadsInEnglish()
    {
        QTranslator host;
        QVERIFY(host.load(KORVEX_HOST_QM));
        QCoreApplication::installTranslator(&host);
        QVERIFY(KorvexCore::InstallTranslator(QLocale(QLocale::English)));
        KorvexTest::CTempDatabase db;
        Seed(db);
        CDatabaseRegistry registry;
        KorvexInterfaces::IKorvexInterface *manager = CreateDatabase(&registry);
        manager->AddRef();
        for (auto *database : registry.Databases())
            database->LoadData();
        const auto *materials = FindDatabase<KorvexMaterialDatabase::CMaterialDatabase>(
            registry, KorvexInterfaces::MaterialDatabaseType);
        const auto *coolants = FindDatabase<KorvexCoolantDatabase::CCoolantDatabase>(
            registry, KorvexInterfaces::CoolantDatabaseType);
        QVERIFY(materials && coolants);
        // Layers named in English: the names are data, whatever language the dialog is in.
        const std::set<KorvexMaterialDatabase::TLayerMaterialType> layers {
            { 1, "Brick", 38, 0.7 }, { 2, "Insulation", 10, 0.04 }
        };

        QStringList problems;
        {
            CHostWindow window(registry);
            CLoopInputDialog loop(coolants->GetCoolants());
            CConstructionDialog construction(*materials, nullptr);
            CSectionDialog section(layers, 0.38 / 0.7 + 0.1 / 0.04, nullptr);
            for (QWidget *widget :
                 std::initializer_list<QWidget *> { &window, &loop, &construction, &section }) {
                widget->show();
                QVERIFY(QTest::qWaitForWindowExposed(widget));
                problems << Inspect(widget, widget->metaObject()->className());
                widget->hide();
            }
        }
        manager->Release();
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
