// Edit > Undo and Redo over the real editors of an opened document: every
// accepted edit is one step, undoing all of them gives the opened bytes
// and an unmodified document, and the editors follow the bytes.

#include "ceablock.h"
#include "ceaextensionblock.h"
#include "edithistory.h"
#include "mainwindow.h"
#include "testsupport.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>

class TestUndo : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void undoAllGivesOpenedBytesRedoGivesEdits();
    void undoAfterSaveIsModifiedAgain();
    void revisionSwitchAndExtensionRemovalUndo();
    void ceaBlocksAddRemoveAndEditUndo();
    void eachUndoGivesTheBytesBeforeItsEdit();

private:
    QByteArray working() const;
    void typeInto(const char* name, const QString& text);
    void settle() { QCoreApplication::processEvents(); }
    void trigger(const char* action);
    int steps() const { return m_window->history().stack()->count(); }

    QTemporaryDir* m_dir = nullptr;
    MainWindow* m_window = nullptr;
    QByteArray m_opened;
};

void TestUndo::init()
{
    m_dir = new QTemporaryDir;
    m_window = new MainWindow;
    m_window->show();
    const QString path = m_dir->filePath("sample.bin");
    writeFileBytes(path, sampleImage());
    QVERIFY(m_window->openFile(path.toLocal8Bit().constData()));
    settle();
    m_opened = working();
    QCOMPARE(steps(), 0);
}

void TestUndo::cleanup()
{
    BoxRecorder boxes(QMessageBox::No);
    delete m_window;
    delete m_dir;
}

QByteArray TestUndo::working() const
{
    return QByteArray(reinterpret_cast<const char*>(m_window->workingImage()), EDID_IMAGE_SIZE);
}

void TestUndo::typeInto(const char* name, const QString& text)
{
    auto* field = m_window->findChild<QLineEdit*>(name);
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
    settle();
}

void TestUndo::trigger(const char* action)
{
    m_window->findChild<QAction*>(action)->trigger();
    settle();
}

void TestUndo::undoAllGivesOpenedBytesRedoGivesEdits()
{
    typeInto("serialNumberField", "12345");
    m_window->findChild<QCheckBox*>("standbyModeCB")->click();
    settle();
    typeInto("weekField", "7");
    const QByteArray edited = working();
    QCOMPARE(steps(), 3);
    QVERIFY(m_window->isModified());

    for (int i = 0; i < 3; ++i)
        trigger("actionUndo");
    QCOMPARE(working().toHex(), m_opened.toHex());
    QVERIFY(!m_window->isModified());
    QVERIFY(!m_window->findChild<QAction*>("actionUndo")->isEnabled());
    QCOMPARE(m_window->findChild<QLineEdit*>("weekField")->text(),
             QString::number(Byte(m_opened[16])));

    for (int i = 0; i < 3; ++i)
        trigger("actionRedo");
    QCOMPARE(working().toHex(), edited.toHex());
    QCOMPARE(m_window->findChild<QLineEdit*>("weekField")->text(), QString("7"));
}

void TestUndo::undoAfterSaveIsModifiedAgain()
{
    typeInto("serialNumberField", "9"); // typing in one field is one step
    typeInto("serialNumberField", "99");
    QCOMPARE(steps(), 1);
    QVERIFY(m_window->saveFile(m_dir->filePath("saved.bin")));
    QVERIFY(!m_window->isModified());
    trigger("actionUndo");
    QVERIFY(m_window->isModified());
    trigger("actionRedo");
    QVERIFY(!m_window->isModified());
    // Opening another file starts a new history.
    QVERIFY(m_window->openFile(m_dir->filePath("saved.bin").toLocal8Bit().constData()));
    QVERIFY(!m_window->findChild<QAction*>("actionUndo")->isEnabled());
}

void TestUndo::revisionSwitchAndExtensionRemovalUndo()
{
    auto* tabs = m_window->findChild<QTabWidget*>("dataTabs");
    m_window->switchToRev3();
    settle();
    QVERIFY(working() != m_opened);
    {
        BoxRecorder boxes(QMessageBox::Ok);
        m_window->findChild<QAction*>("actionCEA_861_EB")->trigger();
        settle();
    }
    QCOMPARE(int(Byte(working()[126])), 0);
    QVERIFY(!m_window->document().hasCEAExtension());
    tabs->setCurrentIndex(1);

    trigger("actionUndo");
    QVERIFY(m_window->document().hasCEAExtension());
    QVERIFY(m_window->findChild<QAction*>("actionCEA_861_EB")->isChecked());
    QCOMPARE(working().mid(128).toHex(), m_opened.mid(128).toHex());
    QCOMPARE(tabs->currentIndex(), 1);
    trigger("actionUndo");
    QCOMPARE(working().toHex(), m_opened.toHex());
    QVERIFY(m_window->findChild<QRadioButton*>("rev4RB")->isChecked());
}

void TestUndo::ceaBlocksAddRemoveAndEditUndo()
{
    m_window->findChild<QTabWidget*>("dataTabs")->setCurrentIndex(2); // CEA Extension
    auto* extension = m_window->findChild<CEAExtensionBlock*>();
    auto* types = extension->findChild<QListWidget*>("blockTypeList");
    const int loadedBlocks = extension->blockCount();
    extension->setCurrentBlockRow(0);
    extension->findChild<QPushButton*>("removeBlockButton")->click();
    settle();
    types->setCurrentItem(types->findItems("Speaker allocation", Qt::MatchExactly).value(0));
    extension->findChild<QPushButton*>("addBlockButton")->click();
    settle();
    QCOMPARE(extension->blockCount(), loadedBlocks);
    extension->block(loadedBlocks - 1)->findChild<QCheckBox*>("fc")->click();
    settle();
    const QByteArray edited = working();
    QCOMPARE(steps(), 3);

    trigger("actionUndo");
    QCOMPARE(extension->currentBlockRow(), loadedBlocks - 1);
    trigger("actionUndo");
    trigger("actionUndo");
    QCOMPARE(working().toHex(), m_opened.toHex());
    QCOMPARE(extension->blockCount(), loadedBlocks);
    QVERIFY(!m_window->isModified());
    for (int i = 0; i < 3; ++i)
        trigger("actionRedo");
    QCOMPARE(working().toHex(), edited.toHex());
}

// One step per user action, whatever editor made it: each undo gives back
// exactly the bytes before that action, each redo the bytes after it.
void TestUndo::eachUndoGivesTheBytesBeforeItsEdit()
{
    auto* tabs = m_window->findChild<QTabWidget*>("dataTabs");
    QList<QByteArray> states = {working()};
    const QList<std::function<void()>> actions = {
        [&] { typeInto("yearField", "2019"); },
        [&] {
            tabs->setCurrentIndex(1);
            typeInto("prodNameField", "UNDO TEST");
        },
        [&] {
            tabs->setCurrentIndex(2);
            m_window->findChild<QCheckBox*>("underscanCB")->click();
            settle();
        },
        [&] { m_window->switchToRev3(); settle(); },
        [&] {
            BoxRecorder boxes(QMessageBox::Ok);
            trigger("actionCEA_861_EB");
        },
        [&] { trigger("actionCEA_861_EB"); },
    };
    for (const auto& action : actions) {
        action();
        QVERIFY(working() != states.last());
        states << working();
        QCOMPARE(steps(), states.size() - 1);
    }
    for (int i = states.size() - 2; i >= 0; --i) {
        trigger("actionUndo");
        QCOMPARE(working().toHex(), states[i].toHex());
    }
    QVERIFY(!m_window->isModified());
    for (int i = 1; i < states.size(); ++i) {
        trigger("actionRedo");
        QCOMPARE(working().toHex(), states[i].toHex());
    }
}

QTEST_MAIN(TestUndo)
#include "tst_undo.moc"
