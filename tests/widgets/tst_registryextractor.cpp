#include "registryextractor.h"

#include <QDir>
#include <QFile>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>

namespace {

const Byte kUntouched = 0xA5;

// Distinct bytes per connector, with the manufacturer and product of one
// model so that both connectors are listed under the same name.
QByteArray storedEdid(int size, Byte fill)
{
    QByteArray bytes(size, char(fill));
    bytes[8] = char(0x10);
    bytes[9] = char(0xAC);
    bytes[10] = char(0x25);
    bytes[11] = char(0x40);
    return bytes;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestRegistryExtractor : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void listsSameModelTwice();
    void chosenEntryIsDelivered_data();
    void chosenEntryIsDelivered();
    void closingWithoutChoiceDeliversNothing_data();
    void closingWithoutChoiceDeliversNothing();

private:
    QListView* list() const { return m_dialog->findChild<QListView*>("edidList"); }
    QPushButton* button(const char* name) const { return m_dialog->findChild<QPushButton*>(name); }
    void clickRow(int row);
    bool outputUntouched() const;

    QTemporaryDir* m_root = nullptr;
    RegistryExtractor* m_dialog = nullptr;
    Byte m_output[EDID_IMAGE_SIZE];
    QByteArray m_small;
    QByteArray m_large;
};

void TestRegistryExtractor::init()
{
    m_root = new QTemporaryDir;
    m_small = storedEdid(128, 0x11);
    m_large = storedEdid(384, 0x22);
    m_large[300] = char(0x77);
    writeFile(m_root->filePath("card0-DP-1/edid"), m_small);
    writeFile(m_root->filePath("card0-DP-2/edid"), QByteArray());
    writeFile(m_root->filePath("card0-HDMI-A-1/edid"), m_large);
    std::memset(m_output, kUntouched, sizeof m_output);

    m_dialog = new RegistryExtractor;
    m_dialog->setStoreRoot(m_root->path());
    m_dialog->setOutputBuffer(m_output);
    m_dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dialog));
}

void TestRegistryExtractor::cleanup()
{
    delete m_dialog;
    delete m_root;
}

void TestRegistryExtractor::clickRow(int row)
{
    const QModelIndex index = list()->model()->index(row, 0);
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, list()->visualRect(index).center());
}

bool TestRegistryExtractor::outputUntouched() const
{
    for (Byte b : m_output) {
        if (b != kUntouched)
            return false;
    }
    return true;
}

void TestRegistryExtractor::listsSameModelTwice()
{
    QAbstractItemModel* model = list()->model();
    QCOMPARE(model->rowCount(), 2);
    QCOMPARE(model->index(0, 0).data().toString(), QString("DEL4025"));
    QCOMPARE(model->index(1, 0).data().toString(), QString("DEL4025"));
    QVERIFY(!m_dialog->isChosen());
}

void TestRegistryExtractor::chosenEntryIsDelivered_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("doubleClick");
    QTest::newRow("128-byte connector, Extract") << 0 << false;
    QTest::newRow("384-byte connector, Extract") << 1 << false;
    QTest::newRow("128-byte connector, double click") << 0 << true;
}

void TestRegistryExtractor::chosenEntryIsDelivered()
{
    QFETCH(int, row);
    QFETCH(bool, doubleClick);
    const QByteArray expected = row == 0 ? m_small : m_large;
    clickRow(1 - row);   // the last entry clicked counts
    clickRow(row);
    QVERIFY(outputUntouched());  // delivered only as the dialog closes
    if (doubleClick) {
        const QModelIndex index = list()->model()->index(row, 0);
        QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, list()->visualRect(index).center());
    } else {
        QTest::mouseClick(button("extractButton"), Qt::LeftButton);
    }
    QVERIFY(m_dialog->isChosen());
    QVERIFY(!m_dialog->isVisible());
    QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
    QCOMPARE(m_dialog->chosenName(), QString("DEL4025"));
    QCOMPARE(m_dialog->chosenBytes(), expected);
    QByteArray image = expected.left(EDID_IMAGE_SIZE);
    image.append(QByteArray(EDID_IMAGE_SIZE - image.size(), '\0'));
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(m_output), EDID_IMAGE_SIZE), image);
}

void TestRegistryExtractor::closingWithoutChoiceDeliversNothing_data()
{
    QTest::addColumn<int>("row");   // -1: a click beside the entries, -2: no click
    QTest::addColumn<QString>("close");
    QTest::newRow("Extract without click") << -2 << "extractButton";
    QTest::newRow("Extract after click beside the entries") << -1 << "extractButton";
    QTest::newRow("Cancel after click") << 0 << "cancelButton";
    QTest::newRow("Escape after click") << 1 << "";
}

void TestRegistryExtractor::closingWithoutChoiceDeliversNothing()
{
    QFETCH(int, row);
    QFETCH(QString, close);
    if (row >= 0) {
        clickRow(row);
        QVERIFY(m_dialog->isChosen());
    } else if (row == -1) {
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {},
                          list()->viewport()->rect().bottomRight() - QPoint(2, 2));
        QVERIFY(m_dialog->chosenName().isEmpty());
    }
    if (close.isEmpty())
        QTest::keyClick(list(), Qt::Key_Escape);
    else
        QTest::mouseClick(button(qPrintable(close)), Qt::LeftButton);
    QVERIFY(!m_dialog->isVisible());
    QVERIFY(!m_dialog->isChosen());
    QVERIFY(outputUntouched());
}

QTEST_MAIN(TestRegistryExtractor)
#include "tst_registryextractor.moc"
