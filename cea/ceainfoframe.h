#ifndef CEAINFOFRAME_H
#define CEAINFOFRAME_H

#include "ceablock.h"
#include "ceainfoframecodec.h"

#include <QList>

namespace Ui { class CEAInfoFrame; }
class CEAInfoFrameShortBlock;
class UpperCaseValidator;

// Editor of an InfoFrame data block (catalogue index 9): the number of
// vendor-specific InfoFrames received at once and the ordered list of the
// InfoFrame types the display processes. A loaded block is written back as
// it was loaded until the user changes something in it; the processing
// payload and the descriptors' own payloads are kept after that too.
class CEAInfoFrame : public CEABlock
{
    Q_OBJECT
public:
    explicit CEAInfoFrame(QWidget* parent = nullptr);
    ~CEAInfoFrame() override;

    void initFields(int tag, int length, const Byte* payload, Byte* data, Byte* newData) override;
    void resetFields(Byte* data, Byte* newData) override;
    QByteArray blockBytes() const override;

public slots:
    void updateUI() override;
    void updateSidePanel();

private slots:
    void on_infoBlocks_currentRowChanged(int curentRow);
    void on_addBlockButton_clicked();
    void on_removeBlockButton_clicked();
    void on_upButton_clicked();
    void on_downButton_clicked();
    void on_VSIFSpinBox_valueChanged(int arg1);
    void on_ieeeField_editingFinished();
    void on_helpButton_clicked(bool checked);

private:
    QByteArray encodedPayload() const;
    void clearDescriptors();
    void moveCurrent(int step);
    void showList(int currentRow);
    void edited();

    Ui::CEAInfoFrame* ui;
    UpperCaseValidator* m_hexDigits;
    InfoFrameProcessing m_processing;
    QList<CEAInfoFrameShortBlock*> m_descriptors;
    // The payload as loaded, written back while m_keepLoaded holds: it may
    // end in a cut-off descriptor or lack the VSIF byte.
    QByteArray m_loaded;
    bool m_keepLoaded = false;
};

#endif
