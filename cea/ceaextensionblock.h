#ifndef CEAEXTENSIONBLOCK_H
#define CEAEXTENSIONBLOCK_H

#include "ceaextensionmodel.h"
#include "edidtypes.h"

#include <QByteArray>
#include <QList>
#include <QPixmap>
#include <QWidget>

namespace Ui { class CEAExtensionBlock; }
class CEABlock;
class ceaHelpBlock;

// Editor of the CEA-861 extension block (image bytes 128-255), a view of
// its extension model: the revision buttons, the monitor support byte and
// the block list, painted from the model's serialization whenever the
// model changes (entries that no longer fit into the 123-byte budget stay in the
// list, painted red, and are left out of the bytes). The block editors are
// views onto the model's entries, made from an entry's bytes when its row
// is first shown; an edit in one replaces that entry's bytes. After every
// change of the model made here the editor emits valueChanged(), and the
// document writes extensionBytes() into the image.
class CEAExtensionBlock : public QWidget
{
    Q_OBJECT
public:
    explicit CEAExtensionBlock(QWidget* parent = nullptr);
    ~CEAExtensionBlock() override;

    // The image pointers are not kept: the document writes the bytes.
    void resetFields(Byte* data, Byte* newData);
    void initFields(const T_EDID_CEA_EXTENSION_DEF& record, Byte* data, Byte* newData);
    // Hands the header of the extension as it stands to the document (an
    // empty extension just created) and describes it to the hex viewer.
    void writeCEAHeader();
    // The 128 bytes of the extension as the model lays them out.
    QByteArray extensionBytes() const;
    FieldDescriptionList describeFields() const;
    Word version() const { return m_model.revision(); }
    const CEAExtensionModel& model() const { return m_model; }

    int blockCount() const { return m_model.count(); }
    // The editor of a row, made now if the row was not shown yet.
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
    void onModelChanged();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    CEABlock* makeView(int row);
    void installBlock(CEABlock* view);
    void clearViews();
    void setVersion(Word version);
    void paintRows(const CEASerialization& layout);
    void showTotal(int total);

    Ui::CEAExtensionBlock* ui;
    ceaHelpBlock* m_help;
    CEAExtensionModel m_model;
    // One view per model entry, in the same order; null until first shown.
    QList<CEABlock*> m_views;
    QPixmap m_tutorial;
    // On while the editor loads or resets the model: no valueChanged().
    bool m_loading = false;
    bool m_warningsEnabled = true;
    bool m_everShown = false;
};

#endif
