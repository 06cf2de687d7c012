#ifndef CEAAUDIODESCRIPTOR_H
#define CEAAUDIODESCRIPTOR_H

#include "ceablock.h"

#include <QList>

namespace Ui { class CEAAudioDescriptor; }
class CEAAudioShortBlock;

// Editor of an audio data block (catalogue index 2): up to ten short audio
// descriptors, one tab each. The ten descriptor editors exist for the
// block's life; one removed by "-" keeps its content and is the next one
// that "+" shows again, until the next reset.
class CEAAudioDescriptor : public CEABlock
{
    Q_OBJECT
public:
    explicit CEAAudioDescriptor(QWidget* parent = nullptr);
    ~CEAAudioDescriptor() override;

    void initFields(int tag, int length, const Byte* payload, Byte* data, Byte* newData) override;
    void resetFields(Byte* data, Byte* newData) override;
    QByteArray blockBytes() const override;

private slots:
    void on_addAudioTabButton_clicked();
    void on_delAudioTabButton_clicked();
    void on_helpButton_clicked(bool checked);
    void edited();

private:
    void addTab();
    void removeTab(int index);
    void removeAllTabs();
    void updateTabs();

    Ui::CEAAudioDescriptor* ui;
    // In tab order; the hidden ones follow the shown ones.
    QList<CEAAudioShortBlock*> m_descriptors;
    int m_count = 0;
    int m_initialised = 0;
    // Loaded payload bytes after the last complete descriptor: written back
    // as they are until the user edits the block.
    QByteArray m_extraBytes;
};

#endif
