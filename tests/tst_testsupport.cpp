#include "TestSupport.h"

#include <QApplication>
#include <QDialog>

using KorvexTest::CModalHelper;
using KorvexTest::CScriptedPrompts;

// The helpers other tests lean on must fail loudly when what they wait for never happens;
// each expected failure below is one the helper itself reports.
class TestTestSupport : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        CModalHelper::StopAll();
        QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void boxHelperWaitsForTheBoxOverAModalDialog()
    {
        QDialog dialog;
        CModalHelper box, editor;
        box.StartAnswer(QMessageBox::Ok);
        editor.Start([&](QWidget *modal) {
            QCOMPARE(modal, &dialog);
            QMessageBox::information(modal, "Over", "the dialog");
            dialog.accept();
        });
        // The box helper comes first but leaves the dialog alone; it answers the box.
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QVERIFY(editor.Done());
        QVERIFY(box.Done());
        QCOMPARE(box.Seen().title, QStringLiteral("Over"));
    }

    void helperThatNeverFiresFails()
    {
        {
            CModalHelper forgotten;
            forgotten.StartAnswer(QMessageBox::Ok);
            QEXPECT_FAIL("", "destroyed while still waiting", Continue);
        }
        auto leftRunning = std::make_unique<CModalHelper>();
        leftRunning->StartAnswer(QMessageBox::Ok);
        QEXPECT_FAIL("", "still waiting at cleanup", Continue);
        CModalHelper::StopAll();

        CModalHelper late;
        late.StartAnswer(QMessageBox::Ok, {}, 50);
        QEXPECT_FAIL("", "its timeout passes", Continue);
        QTest::qWait(300);
        QVERIFY(!late.Done());
    }

    void scriptedPromptsFailOnUnusedAndUnexpected()
    {
        {
            CScriptedPrompts prompts;
            prompts.AnswerButton(QMessageBox::Yes);
            prompts.AnswerButton(QMessageBox::No);
            QCOMPARE(KorvexCore::PromptQuestion(nullptr, "Title", "First?"), QMessageBox::Yes);
            QEXPECT_FAIL("", "one answer is left", Continue);
        }
        CScriptedPrompts prompts;
        QEXPECT_FAIL("", "nothing was scripted", Continue);
        KorvexCore::PromptInformation(nullptr, "Title", "Unexpected");
        QCOMPARE(prompts.Texts(), QStringList { "Unexpected" });
    }
};

QTEST_MAIN(TestTestSupport)
#include "tst_testsupport.moc"
