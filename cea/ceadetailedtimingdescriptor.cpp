#include "ceadetailedtimingdescriptor.h"

#include "detailedtimings.h"
#include "ui_ceadetailedtimingdescriptor.h"

namespace {

QString tabTitle(int index)
{
    return QStringLiteral("DTD ") + QString::number(index + 1);
}

} // namespace

CEADetailedTimingDescriptor::CEADetailedTimingDescriptor(QWidget* parent)
    : CEABlock(parent), ui(new Ui::CEADetailedTimingDescriptor)
{
    ui->setupUi(this);
    setBlockType(CEA_DETAILED_TIMING);
}

CEADetailedTimingDescriptor::~CEADetailedTimingDescriptor()
{
    delete ui;
}

void CEADetailedTimingDescriptor::initFields(int, int count, const Byte* firstDTD, Byte*, Byte*)
{
    removeAllTabs();
    for (int i = 0; i < count; ++i) {
        const Byte* dtd = firstDTD + DTD_SIZE * i;
        addTab()->initFields(dtd, nullptr, nullptr, i, true);
        m_tabs.last().loaded = LoadedDetailedTiming(dtd);
    }
    ui->tabDTD->setCurrentIndex(0);
}

// A block the user adds has no tab yet: it starts without any descriptor.
void CEADetailedTimingDescriptor::resetFields(Byte*, Byte*)
{
    for (int i = 0; i < m_tabs.size(); ++i) {
        m_tabs[i].editor->resetFields(nullptr, nullptr, i, true);
        m_tabs[i].loaded = LoadedDetailedTiming();
    }
    updateEDID();
}

QByteArray CEADetailedTimingDescriptor::blockBytes() const
{
    QByteArray bytes;
    for (const Tab& tab : m_tabs) {
        QByteArray current(DTD_SIZE, '\0');
        tab.editor->descriptorBytes(reinterpret_cast<Byte*>(current.data()));
        bytes += tab.loaded.bytesFor(current);
    }
    return bytes;
}

DetailedTimings* CEADetailedTimingDescriptor::addTab()
{
    auto* editor = new DetailedTimings(this);
    connect(editor, &DetailedTimings::valueChanged, this, &CEABlock::onSubBlockValueChanged);
    m_tabs << Tab{editor, LoadedDetailedTiming()};
    ui->tabDTD->addTab(editor, tabTitle(m_tabs.size() - 1));
    emit valueChanged();
    return editor;
}

void CEADetailedTimingDescriptor::addDefaultTab()
{
    addTab()->resetFields(nullptr, nullptr, m_tabs.size() - 1, true);
    ui->tabDTD->setCurrentIndex(m_tabs.size() - 1);
}

void CEADetailedTimingDescriptor::removeAllTabs()
{
    ui->tabDTD->clear();
    for (const Tab& tab : qAsConst(m_tabs))
        delete tab.editor;
    m_tabs.clear();
}

void CEADetailedTimingDescriptor::on_addDTDTabButton_clicked()
{
    addDefaultTab();
    updateEDID();
}

void CEADetailedTimingDescriptor::on_delDTDTabButton_clicked()
{
    const int index = ui->tabDTD->currentIndex();
    if (index < 0)
        return;
    ui->tabDTD->removeTab(index);
    delete m_tabs.takeAt(index).editor;
    for (int i = index; i < m_tabs.size(); ++i)
        ui->tabDTD->setTabText(i, tabTitle(i));
    updateEDID();
}

void CEADetailedTimingDescriptor::on_helpButton_clicked(bool checked)
{
    setHelpShown(checked);
}
