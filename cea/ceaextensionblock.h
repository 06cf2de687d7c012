#ifndef CEAEXTENSIONBLOCK_H
#define CEAEXTENSIONBLOCK_H

#include "ceaextension.h"
#include "edidtypes.h"

#include <QByteArray>
#include <QList>
#include <QPixmap>
#include <QWidget>

namespace Ui { class CEAExtensionBlock; }
class CEABlock;
class ceaHelpBlock;

// Editor of the CEA-861 extension block (image bytes 128-255): the
// revision, the monitor support byte, and the ordered list of data block
// editors and detailed timing items. Every change re-serializes the whole
// extension through the core model (serializeCEAExtension); blocks that no
// longer fit into the 123-byte budget stay in the list, painted red, and
// are left out of the bytes.
class CEAExtensionBlock : public QWidget
{
    Q_OBJECT
public:
    explicit CEAExtensionBlock(QWidget* parent = nullptr);
    ~CEAExtensionBlock() override;

    void resetFields(Byte* data, Byte* newData);
    void initFields(const T_EDID_CEA_EXTENSION_DEF& record, Byte* data, Byte* newData);
    void writeCEAHeader();
    // The 128 bytes of the extension; also paints the rows and the total.
    QByteArray extensionBytes();
    FieldDescriptionList describeFields() const;
    Word version() const { return m_version; }

    int blockCount() const { return m_blocks.size(); }
    // The editor of a row, made now if the row's block was still pending.
    CEABlock* block(int row);
    int currentBlockRow() const;
    void setCurrentBlockRow(int row);
    // Off while the document is put back to an earlier state: the size
    // warning was answered when that state was first reached.
    void setWarningsEnabled(bool enabled) { m_warningsEnabled = enabled; }

signals:
    void valueChanged();

public slots:
    void updateBlockList();
    void updateUI();
    void rescaleTuto();
    void onBlockValueChanged();

private slots:
    void on_version1RB_clicked();
    void on_version2RB_clicked();
    void on_version3RB_clicked();
    void on_nativeDTDSB_editingFinished();
    void on_addBlockButton_clicked();
    void on_removeBlockButton_clicked();
    void on_listWidget_currentRowChanged(int currentRow);
    void on_blockTypeList_currentRowChanged(int);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void loadDataBlock(const T_CEA_DATA_BLOCK_DEF& block);
    void loadTimings(int count, const Byte* first);
    void appendBlock(CEABlock* editor);
    void addLoadedBlock(CEABlock* editor);
    void installBlock(CEABlock* editor);
    void clearBlocks();
    void setVersion(Word version);
    bool inCollection(const CEABlock* editor) const;
    CEAEntry entryOf(const CEABlock* editor) const;
    void paintRow(int row, int size, bool written);
    void showTotal(int total);

    Ui::CEAExtensionBlock* ui;
    ceaHelpBlock* m_help;
    Byte* m_data = nullptr;
    Byte* m_newData = nullptr;
    Word m_version = 3;
    // Byte 2 while neither data blocks nor timings are written: 4, or the
    // value below 4 of a loaded empty extension.
    Byte m_emptyOffset = CEA_COLLECTION_OFFSET;
    QList<CEABlock*> m_blocks;
    QPixmap m_tutorial;
    bool m_warningsEnabled = true;
    bool m_everShown = false;
};

#endif
