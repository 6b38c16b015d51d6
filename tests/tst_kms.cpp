#include "EditorProbe.h"
#include "Kms/KMSRedactorDialog.h"
#include "Kms/KmsDatabaseTypes.h"
#include "Kms/KmsPictures_p.h"
#include "TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QLabel>
#include <QRandomGenerator>
#include <QSqlQuery>

using namespace KorvexKmsDatabase;
using KorvexTest::CEditorProbe;
using KorvexTest::CScriptedPrompts;
using KorvexTest::CTempDatabase;
using Rows = std::vector<QStringList>;

namespace {

const QString openCaption = QStringLiteral("Открыть эскиз");

QString Digest(const QByteArray &bytes)
{
    return bytes.isEmpty()
        ? QStringLiteral("-")
        : QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex().left(8);
}

/// The tree, one line per element, indented by level; pictures by digest.
QStringList Dump(const std::vector<CDevices> &categories)
{
    QStringList out;
    for (const CDevices &c : categories) {
        out << "C " + c.GetName();
        for (const CDevicesHeating &d : c.GetDevicesHeatingContainer()) {
            out << " D " + d.GetName();
            for (const CDevicesHeatingSubName &s : d.GetDevicesHeatingSubNameContainer()) {
                out << "  S " + s.GetName() + ' ' + Digest(s.GetImage());
                for (const CDup &p : s.GetDupContainer())
                    out << QString::asprintf("   P %s %.17g %s %s", qPrintable(p.GetName()),
                                             p.GetKMS(), qPrintable(Digest(p.GetImage())),
                                             qPrintable(p.GetComment()));
            }
        }
    }
    return out;
}

QImage Picture(int width, int height, QColor colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    image.setPixelColor(0, 0, Qt::black); // so that orientation shows
    return image;
}

QByteArray Noise(int size, quint32 seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator generator(seed);
    generator.fillRange(reinterpret_cast<quint32 *>(bytes.data()), size / 4);
    return bytes;
}

QByteArray Encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

/// A BMP header that claims \a width x \a height at 24 bits, followed by a few pixels.
QByteArray ClaimingBmp(qint32 width, qint32 height)
{
    QByteArray bytes = Encoded(Picture(2, 2, Qt::red), "BMP");
    memcpy(bytes.data() + 18, &width, 4);
    memcpy(bytes.data() + 22, &height, 4);
    return bytes;
}

/// Radiators with one designation of two entries, a device and a designation left empty,
/// and an empty category.
std::vector<CDevices> Sample()
{
    const QByteArray photo = EncodeBmp(Picture(40, 30, Qt::blue));
    const QByteArray sketch = EncodeBmp(Picture(12, 9, Qt::green));
    CDevicesHeatingSubName mark(
        "РСВ-1", { CDup("15", 2.5, sketch, "угловой"), CDup("20", 0.1234567, QByteArray(), "") },
        photo);
    return { CDevices("Радиаторы",
                      { CDevicesHeating("Чугунные", { mark, CDevicesHeatingSubName("МС-140", {}) }),
                        CDevicesHeating("Пустой") }),
             CDevices("Арматура") };
}

/// The designation \a s of device \a d of category \a c.
const CDevicesHeatingSubName &SubName(const std::vector<CDevices> &data, int c, int d = 0,
                                      int s = 0)
{
    return data[size_t(c)]
        .GetDevicesHeatingContainer()[size_t(d)]
        .GetDevicesHeatingSubNameContainer()[size_t(s)];
}

/// SQL VALUES of rows "category|device|designation|entry|KMS" separated by ';': an empty
/// cell is NULL, one starting with '#' a number, any other text.
QString Values(const QString &rows)
{
    QStringList out;
    for (const QString &row : rows.split(';')) {
        QStringList cells = row.split('|');
        for (QString &c : cells)
            c = c.isEmpty() ? "NULL" : c.startsWith('#') ? c.mid(1) : '\'' + c + '\'';
        out << '(' + cells.join(',') + ')';
    }
    return out.join(',');
}

struct CEditor
{
    explicit CEditor(const std::vector<CDevices> &data) { dialog.SetData(data); }
    CKMSRedactorDialog dialog;
    CEditorProbe probe { &dialog };
    QLabel *Picture() const { return dialog.findChild<QLabel *>("label_1"); }
    bool ShowsPicture() const { return !Picture()->pixmap().isNull(); }
    QIcon Sketch(int row) const { return probe.Table()->item(row, 2)->icon(); }
    const CDevicesHeatingSubName &SubName(int c, int d, int s) const
    {
        return ::SubName(dialog.GetData(), c, d, s);
    }
    QAction *Action(const QString &text) const
    {
        for (QAction *action : probe.Table()->actions()) {
            if (action->text() == text)
                return action;
        }
        qFatal("no action %s", qPrintable(text));
    }
};

} // namespace

class TestKms : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        KorvexTest::CModalHelper::StopAll();
        QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void roundTripKeepsTreeOrderAndPictures();
    void oddRowsLoadAsStated_data();
    void oddRowsLoadAsStated();
    void tableShowsAndRebuildsEntries();
    void sketchesFromFilesAreStoredAsBmp_data();
    void sketchesFromFilesAreStoredAsBmp();
    void corruptPicturesShowAsNoneAndSurvive_data();
    void corruptPicturesShowAsNoneAndSurvive();
};

void TestKms::roundTripKeepsTreeOrderAndPictures()
{
    CTempDatabase temp;
    CKmsDatabase db;
    for (const CDevices &c : Sample())
        db.InsertDevices(c);
    // Bytes that no image reader would accept still travel unchanged, zeros included.
    db.FindDevices("Арматура")
        ->InsertDevicesHeating(CDevicesHeating(
            "Кран",
            { CDevicesHeatingSubName("K", { CDup("", 1e-7, QByteArray("\0BM\xff", 4), "") },
                                     Noise(4096, 1)) }));
    db.SaveDataToDataBase();
    QVERIFY(!db.GetLastError().IsValid());

    // The rows as other readers of the file see them: one level a row, KMS as text.
    QCOMPARE(
        CTempDatabase::Column("SELECT SortID || ':' || coalesce(CategoryName, DevicesHeating,"
                              " Number_Mark, DUP) || ':' || typeof(KMS) ||"
                              " typeof(DevicesHeatingImage) || typeof(Image) FROM KMS"),
        QStringList({ "1:Радиаторы:nullnullnull", "2:Чугунные:nullnullnull", "3:РСВ-1:nullblobnull",
                      "4:15:textnullblob", "5:20:textnullnull", "6:МС-140:nullnullnull",
                      "7:Пустой:nullnullnull", "8:Арматура:nullnullnull", "9:Кран:nullnullnull",
                      "10:K:nullblobnull", "11::textnullblob" }));
    CKmsDatabase loaded;
    loaded.LoadData();
    QCOMPARE(Dump(loaded.GetDevices()), Dump(db.GetDevices()));
    QCOMPARE(SubName(loaded.GetDevices(), 1).GetImage(), Noise(4096, 1));

    // An empty tree leaves an empty table.
    CKmsDatabase().SaveDataToDataBase();
    loaded.LoadData();
    QVERIFY(loaded.GetDevices().empty());
}

void TestKms::oddRowsLoadAsStated_data()
{
    QTest::addColumn<QString>("rows"); // as Values() reads them
    QTest::addColumn<QStringList>("tree");
    QTest::newRow("no table") << QString() << QStringList();
    QTest::newRow("first row no category") << "|D|||;|D|||" << QStringList({ "C ", " D D" });
    QTest::newRow("entry right after a device")
        << "C||||;|D|||;|||15|3;|||20|4"
        << QStringList({ "C C", " D D", "  S  -", "   P 20 4 - " });
    // A category row met while its category exists is looked up down the running names,
    // and lands as an entry; a row whose device is missing in its category becomes a device
    // with the row's own, empty, name.
    QTest::newRow("names carry over and are looked up")
        << "C||||;|D|||;||S||;|||15|x1;C2||||;|||20| 2.5 ;C||||;|||25|#1.5"
        << QStringList({ "C C", " D D", "  S S -", "   P 15 0 - ", "   P  0 - ", "   P 25 1.5 - ",
                         "C C2", " D " });
    QTest::newRow("same names under another category")
        << "C1||||;|D|||;||S||;|||15|#1;C2||||;|D|||;||S||;|||20|#2"
        << QStringList({ "C C1", " D D", "  S S -", "   P 15 1 - ", "C C2", " D D", "  S S -",
                         "   P 20 2 - " });
    QTest::newRow("repeated parent rows")
        << "C||||;|D|||;C||||;|D|||;||S||"
        << QStringList({ "C C", " D D", "  S  -", "   P  0 - ", "  S S -" });
}

void TestKms::oddRowsLoadAsStated()
{
    QFETCH(QString, rows);
    QFETCH(QStringList, tree);
    CTempDatabase temp;
    if (!rows.isEmpty()) {
        CKmsDatabase().SaveDataToDataBase();
        QCOMPARE(CTempDatabase::Exec("INSERT INTO KMS (CategoryName, DevicesHeating, "
                                     "Number_Mark, DUP, KMS) VALUES "
                                     + Values(rows)),
                 QString());
    }
    CKmsDatabase db;
    db.InsertDevices(CDevices("old"));
    db.LoadData();
    QCOMPARE(Dump(db.GetDevices()), tree);
    QVERIFY(!db.GetLastError().IsValid());
}

void TestKms::tableShowsAndRebuildsEntries()
{
    CScriptedPrompts prompts;
    CEditor editor(Sample());
    const CEditorProbe &probe = editor.probe;
    QCOMPARE(probe.Rows(), Rows({ { "15", "2.5", "угловой" }, { "20", "0.123457", "" } }));
    QVERIFY(!editor.Sketch(0).isNull());
    QVERIFY(editor.Sketch(1).isNull());

    // An edit rebuilds every entry from the table: six digits, text that is no number is 0,
    // and the sketch comes back from the icon as the same picture.
    const QByteArray sketch = editor.SubName(0, 0, 0).GetDupContainer()[0].GetImage();
    probe.Type(0, 1, "1234567");
    probe.Type(0, 2, "прямой");
    QCOMPARE(
        Dump({ editor.dialog.GetData()[0] }).mid(3, 2),
        QStringList({ "   P 15 1234567 " + Digest(sketch) + " прямой", "   P 20 0.123457 - " }));
    QCOMPARE(editor.SubName(0, 0, 0).GetDupContainer()[0].GetImage(), sketch);
    probe.Select(3, "МС-140");
    probe.Select(3, "РСВ-1");
    QCOMPARE(probe.Rows().at(0).at(1), QStringLiteral("1.23457e+06"));
    probe.Type(1, 1, "abc");
    QCOMPARE(editor.SubName(0, 0, 0).GetDupContainer()[1].GetKMS(), 0.0);

    // Rows: added empty; deleted by name, the first of two equal names whichever is picked.
    probe.Click("m_pAddToTable");
    probe.Type(2, 0, "15");
    QCOMPARE(probe.Rows().size(), size_t(3));
    probe.Click("m_pDelToTable"); // no current row: nothing
    probe.Table()->setCurrentCell(2, 1);
    probe.Click("m_pDelToTable");
    QCOMPARE(probe.Rows(), Rows({ { "20", "0", "" }, { "15", "0", "" } }));

    // Deleting the designation's picture asks nothing.
    probe.Click("m_pDelPicture");
    QVERIFY(!editor.ShowsPicture());
    QVERIFY(editor.SubName(0, 0, 0).GetImage().isEmpty());
    QCOMPARE(int(prompts.Requests().size()), 0);

    // No designation: the table buttons report the empty name.
    probe.Select(1, "Арматура");
    prompts.AnswerButton(QMessageBox::Ok);
    probe.Click("m_pAddToTable");
    QCOMPARE(prompts.Texts(), QStringList({ "Не удалось найти категорию !" }));
}

void TestKms::sketchesFromFilesAreStoredAsBmp_data()
{
    QTest::addColumn<QString>("format");
    QTest::newRow("bmp") << "BMP";
    QTest::newRow("png") << "PNG";
    QTest::newRow("unreadable file changes nothing") << QString();
}

void TestKms::sketchesFromFilesAreStoredAsBmp()
{
    QFETCH(QString, format);
    QTemporaryDir dir;
    const QString path
        = dir.filePath(format.isEmpty() ? QString("broken.bmp") : "sketch." + format.toLower());
    const QImage image = Picture(17, 11, QColor(200, 100, 50));
    QFile broken(path);
    QVERIFY(format.isEmpty() ? broken.open(QIODevice::WriteOnly) && broken.write("BM broken") > 0
                             : image.save(path, qPrintable(format)));
    broken.close();

    CScriptedPrompts prompts;
    CEditor editor(Sample());
    const CEditorProbe &probe = editor.probe;
    QTableWidget *table = probe.Table();

    // Only the comment column takes a sketch.
    for (int column : { 0, 1 }) {
        table->setCurrentCell(1, column);
        editor.Action("Добавить эскиз")->trigger();
        editor.Action("Удалить эскиз")->trigger();
    }
    QCOMPARE(int(prompts.Requests().size()), 0);
    QVERIFY(!editor.Sketch(0).isNull());

    if (format.isEmpty()) {
        const QStringList before = Dump(editor.dialog.GetData());
        table->setCurrentCell(0, 2);
        for (const char *button : { "", "m_pAddPicture" }) {
            prompts.AnswerText(path);
            prompts.AnswerButton(QMessageBox::Ok);
            *button ? probe.Click(button) : editor.Action("Добавить эскиз")->trigger();
        }
        prompts.AnswerText(QString(), false); // cancelled: no message
        probe.Click("m_pAddPicture");
        const QString message = "Файл " + QDir::toNativeSeparators(path)
            + " не удалось прочитать как рисунок. Эскиз не изменён.";
        QCOMPARE(prompts.Texts(),
                 QStringList({ openCaption, message, openCaption, message, openCaption }));
        QCOMPARE(prompts.Requests()[1].title, QStringLiteral("Редактор базы данных"));
        QCOMPARE(Dump(editor.dialog.GetData()), before);
        QVERIFY(editor.ShowsPicture());
        QVERIFY(!editor.Sketch(0).isNull());
        return;
    }
    table->setCurrentCell(1, 2);
    prompts.AnswerText(path);
    editor.Action("Добавить эскиз")->trigger();
    const QByteArray stored = editor.SubName(0, 0, 0).GetDupContainer()[1].GetImage();
    QVERIFY(stored.startsWith("BM"));
    QCOMPARE(DecodeBmp(stored), image.convertToFormat(QImage::Format_RGB32));
    QVERIFY(!editor.Sketch(1).isNull());
    const auto &asked = prompts.Requests().at(0);
    QCOMPARE(asked.kind, KorvexCore::PromptKind::OpenFile);
    QCOMPARE(asked.title, openCaption);
    QCOMPARE(asked.initialText, QCoreApplication::applicationDirPath());
    QCOMPARE(asked.filter, QStringLiteral("Графические Файлы (*.bmp)"));

    // Stored bytes are stable: shown and rebuilt, they encode to themselves.
    probe.Type(1, 0, "25");
    QCOMPARE(editor.SubName(0, 0, 0).GetDupContainer()[1].GetImage(), stored);

    table->setCurrentCell(0, 2);
    editor.Action("Удалить эскиз")->trigger();
    QVERIFY(editor.SubName(0, 0, 0).GetDupContainer()[0].GetImage().isEmpty());

    // The designation's picture, from the same kind of file.
    probe.Select(3, "МС-140");
    prompts.AnswerText(path);
    probe.Click("m_pAddPicture");
    QVERIFY(editor.ShowsPicture());
    QCOMPARE(editor.SubName(0, 0, 1).GetImage(), stored);

    editor.dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor.dialog));
    probe.Select(3, "РСВ-1");
    KorvexTest::SaveScreenshot(&editor.dialog, "CKMSRedactorDialog-" + format);
}

void TestKms::corruptPicturesShowAsNoneAndSurvive_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("png") << Encoded(Picture(8, 8, Qt::red), "PNG");
    QTest::newRow("text") << QByteArray("not a picture at all");
    QTest::newRow("noise 10 MB") << Noise(10 << 20, 7);
    QTest::newRow("BM then noise") << QByteArray("BM") + Noise(100000, 3);
    QTest::newRow("header claims 100000 x 100000") << ClaimingBmp(100000, 100000);
    QTest::newRow("header claims negative width") << ClaimingBmp(-5, 4);
    QTest::newRow("truncated header") << Encoded(Picture(8, 8, Qt::red), "BMP").left(20);
}

void TestKms::corruptPicturesShowAsNoneAndSurvive()
{
    QFETCH(QByteArray, bytes);
    CTempDatabase temp;
    CKmsDatabase db;
    db.InsertDevices(
        CDevices("C",
                 { CDevicesHeating(
                     "D",
                     { CDevicesHeatingSubName(
                         "S", { CDup("15", 1, bytes, ""), CDup("20", 2, {}, "") }, bytes) }) }));
    db.SaveDataToDataBase();
    db.LoadData();

    QElapsedTimer timer;
    timer.start();
    CScriptedPrompts prompts;
    KorvexTest::CModalHelper helper;
    helper.Start([&](QWidget *modal) {
        auto *dialog = qobject_cast<CKMSRedactorDialog *>(modal);
        const CEditorProbe probe(dialog);
        QVERIFY(dialog->findChild<QLabel *>("label_1")->pixmap().isNull());
        QVERIFY(probe.Table()->item(0, 2)->icon().isNull());
        // Edits of any cell write the unreadable sketch back as it was.
        probe.Type(0, 2, "edited");
        probe.Type(1, 0, "21");
        QCOMPARE(SubName(dialog->GetData(), 0).GetDupContainer()[0].GetImage(), bytes);
        probe.Click("m_pOKBtn");
    });
    db.ShowContent();
    QVERIFY(helper.Done());
    QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));

    CKmsDatabase loaded;
    loaded.LoadData();
    const CDevicesHeatingSubName &subName = SubName(loaded.GetDevices(), 0);
    QCOMPARE(subName.GetImage(), bytes);
    QCOMPARE(subName.GetDupContainer()[0].GetImage(), bytes);
    QCOMPARE(subName.GetDupContainer()[0].GetComment(), QStringLiteral("edited"));
    QCOMPARE(subName.GetDupContainer()[1].GetName(), QStringLiteral("21"));

    // Deleting it on purpose still deletes it.
    CEditor editor(loaded.GetDevices());
    editor.probe.Table()->setCurrentCell(0, 2);
    editor.Action("Удалить эскиз")->trigger();
    QVERIFY(editor.SubName(0, 0, 0).GetDupContainer()[0].GetImage().isEmpty());
}

QTEST_MAIN(TestKms)
#include "tst_kms.moc"
