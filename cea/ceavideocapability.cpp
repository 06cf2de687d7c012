#include "ceavideocapability.h"

#include "ui_ceavideocapability.h"

#include <QComboBox>

CEAVideoCapability::CEAVideoCapability(QWidget* parent) : CEABlock(parent), ui(new Ui::CEAVideoCapability)
{
    ui->setupUi(this);
    setBlockType(CEA_VIDEO_CAPABILITY);
    connect(ui->qyCB, &QCheckBox::clicked, this, &CEAVideoCapability::updateModel);
    connect(ui->qsCB, &QCheckBox::clicked, this, &CEAVideoCapability::updateModel);
    for (QComboBox* combo : {ui->ptMulti, ui->itMulti, ui->ceMulti})
        connect(combo, QOverload<int>::of(&QComboBox::activated), this, &CEAVideoCapability::updateModel);
    updateUI();
}

CEAVideoCapability::~CEAVideoCapability()
{
    delete ui;
}

void CEAVideoCapability::initFields(int, int length, const Byte* payload, Byte*, Byte*)
{
    m_payload = FlagPayload(1);
    if (length > 1)
        m_payload.load(payload + 1, length - 1);
    else
        m_payload.load(payload, 0);
    updateUI();
}

void CEAVideoCapability::resetFields(Byte*, Byte*)
{
    m_payload = FlagPayload(1);
    updateUI();
    updateEDID();
}

QByteArray CEAVideoCapability::blockBytes() const
{
    return char(extendedTag()) + m_payload.bytes();
}

void CEAVideoCapability::updateUI()
{
    const VideoCapability capability = decodeVideoCapability(m_payload.byte(0));
    ui->qyCB->setChecked(capability.qy);
    ui->qsCB->setChecked(capability.qs);
    ui->ptMulti->setCurrentIndex(capability.pt);
    ui->itMulti->setCurrentIndex(capability.it);
    ui->ceMulti->setCurrentIndex(capability.ce);
}

void CEAVideoCapability::updateModel()
{
    VideoCapability capability;
    capability.qy = ui->qyCB->isChecked();
    capability.qs = ui->qsCB->isChecked();
    capability.pt = ui->ptMulti->currentIndex();
    capability.it = ui->itMulti->currentIndex();
    capability.ce = ui->ceMulti->currentIndex();
    m_payload.setByte(0, encodeVideoCapability(capability));
    emit valueChanged();
}

void CEAVideoCapability::on_helpButton_clicked(bool checked)
{
    setHelpShown(checked);
}
