#include "registryextractor.h"
#include "ui_registryextractor.h"

#include "displaystore.h"

#include <QIcon>
#include <QStringListModel>

#include <algorithm>
#include <cstring>

RegistryExtractor::RegistryExtractor(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::RegistryExtractor)
    , m_model(new QStringListModel(this))
    , m_storeRoot(defaultDisplayStoreRoot())
{
    ui->setupUi(this);
    setWindowIcon(QIcon(QStringLiteral(":/icons/files/resources/chip.ico")));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    ui->edidList->setModel(m_model);
}

RegistryExtractor::~RegistryExtractor()
{
    delete ui;
}

void RegistryExtractor::setOutputBuffer(Byte* image)
{
    m_output = image;
    QStringList names;
    m_entryPaths.clear();
    for (const StoredDisplay& display : listStoredDisplays(m_storeRoot)) {
        names << display.name;
        m_entryPaths << display.path;
    }
    m_model->setStringList(names);
}

void RegistryExtractor::on_edidList_clicked(const QModelIndex& index)
{
    if (!index.isValid() || index.row() >= m_entryPaths.size())
        return;
    m_chosenBytes = readStoredEdid(m_entryPaths.at(index.row()));
    m_chosenName = index.data().toString();
    m_chosenRow = index.row();
    m_chosen = true;
}

void RegistryExtractor::on_edidList_doubleClicked(const QModelIndex& index)
{
    if (!index.isValid() || index.row() >= m_entryPaths.size())
        return;
    // The click before a double click has normally read this entry already.
    if (index.row() != m_chosenRow)
        on_edidList_clicked(index);
    m_chosen = true;
    deliverChosen();
    accept();
}

void RegistryExtractor::on_extractButton_clicked()
{
    // Extract without a click delivers nothing.
    if (!m_chosen) {
        reject();
        return;
    }
    deliverChosen();
    accept();
}

void RegistryExtractor::on_cancelButton_clicked()
{
    reject();
}

void RegistryExtractor::reject()
{
    // Cancel, Escape and the window's close button all leave with nothing
    // chosen, so the document is never replaced by a dismissed dialog.
    m_chosen = false;
    QDialog::reject();
}

void RegistryExtractor::deliverChosen()
{
    if (!m_output)
        return;
    std::memset(m_output, 0, EDID_IMAGE_SIZE);
    const int size = std::min<int>(m_chosenBytes.size(), EDID_IMAGE_SIZE);
    std::memcpy(m_output, m_chosenBytes.constData(), size_t(size));
}
